#include "engine/ShaderLibrary.h"

#include "app/RenderSettings.h"

#include "platform/Console.h"
#include "platform/Paths.h"

#include <GL/glew.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <utility>

namespace Vexmor::engine {

namespace {

struct ProgramSource {
    std::unique_ptr<ShaderProgram> ShaderLibrary::*slot;
    const char* vertexFile;
    const char* fragmentFile;
    std::vector<UniformSpec> uniforms;
    // Defined in both stages right after their #version line; null for none.
    const char* define = nullptr;
    // The level's programs come in the full look and, for software rasterisers, a fast one.
    bool hasFastLook = false;
};

const std::vector<UniformSpec> levelUniforms = {
    {"transform", Matrix4},      {"colorTexture", Texture},   {"worldTrans", Matrix4},
    {"lightTransform", Matrix4}, {"shadowMap", ShadowMap},    {"lightPosition", Vector4},
    {"fogDistance", Float},      {"cameraPosition", Vector4}, {"fogTimer", Float},
    {"emission", Float}};

// The slots in load order; each list is what the model drawing binds for that program.
const std::vector<ProgramSource>& programSources() {
    static const std::vector<ProgramSource> sources = {
        {&ShaderLibrary::simpleProgram,
         "shader\\SimpleVertexShader.vert",
         "shader\\SimpleFragmentShader.frag",
         {{"transform", Matrix4}}},
        {&ShaderLibrary::simpleTextureProgram,
         "shader\\SimpleTextureVertexShader.vert",
         "shader\\SimpleTextureFragmentShader.frag",
         {{"transform", Matrix4}, {"colorTexture", Texture}}},
        {&ShaderLibrary::materialTextureProgram,
         "shader\\MaterialTextureShader.vert",
         "shader\\MaterialTextureShader.frag",
         {{"transform", Matrix4}, {"colorTexture", Texture}, {"worldTrans", Matrix4}}},
        {&ShaderLibrary::guiProgram,
         "shader\\GUIShader.vert",
         "shader\\GUIShader.frag",
         {{"worldTrans", Matrix4}, {"colorTexture", Texture}}},
        {&ShaderLibrary::depthTestProgram,
         "shader\\DepthTest.vert",
         "shader\\DepthTest.frag",
         {{"transform", Matrix4}}},
        {&ShaderLibrary::materialShadowTextureProgram, "shader\\MaterialShadowTextureShader.vert",
         "shader\\MaterialShadowTextureShader.frag", levelUniforms, nullptr, true},
        {&ShaderLibrary::materialShadowTextureFoglessProgram,
         "shader\\MaterialShadowTextureShader.vert", "shader\\MaterialShadowTextureShader.frag",
         levelUniforms, "WITHOUT_FOG", true},
    };
    return sources;
}

const char* stageWord(unsigned int type) {
    switch (type) {
    case GL_VERTEX_SHADER:
        return "vertex";
    case GL_FRAGMENT_SHADER:
        return "fragment";
    case GL_GEOMETRY_SHADER:
        return "geometry";
    default:
        return "unknown";
    }
}

// Every stage is announced by its file before it is compiled.
std::uint32_t compileStage(const std::string& file, unsigned int type, const std::string& source) {
    std::cout << "Enter createShader for " << file << std::endl;
    return ShaderLibrary::createShader(type, source);
}

[[noreturn]] void fail() {
    platform::pause();
    platform::exitWith(platform::ExitStatus::Shader);
}

} // namespace

struct ShaderLibrary::Build {
    const ProgramSource& source;
};

std::unique_ptr<ShaderLibrary> ShaderLibrary::instance;

ShaderLibrary& ShaderLibrary::getInstance() {
    if (!instance) {
        instance.reset(new ShaderLibrary());
    }
    return *instance;
}

bool ShaderLibrary::hasInstance() {
    return instance != nullptr;
}

void ShaderLibrary::destroyInstance() {
    instance.reset();
}

ShaderLibrary::ShaderLibrary() : builtFast(app::renderSettings().fastLook) {
    for (const ProgramSource& source : programSources()) {
        this->*source.slot = std::make_unique<ShaderProgram>(
            build(Build{source}), std::make_unique<std::vector<UniformSpec>>(source.uniforms));
    }
}

void ShaderLibrary::useLook(bool fast) {
    if (fast == builtFast) {
        return;
    }
    builtFast = fast;
    for (const ProgramSource& source : programSources()) {
        if (source.hasFastLook) {
            (this->*source.slot)->relink(build(Build{source}));
        }
    }
}

std::uint32_t ShaderLibrary::build(const Build& program) {
    const ProgramSource& source = program.source;
    const auto text = [this, &source](const std::string& file) {
        auto found = texts.find(file);
        if (found == texts.end()) {
            found = texts.emplace(file, readSource(file)).first;
        }
        std::string code = found->second;
        std::string defines;
        if (source.define != nullptr) {
            defines += std::string("#define ") + source.define + "\n";
        }
        if (source.hasFastLook && builtFast) {
            defines += "#define FAST_LOOK\n";
        }
        const std::size_t lineEnd = code.find('\n');
        code.insert(lineEnd == std::string::npos ? code.size() : lineEnd + 1, defines);
        return code;
    };
    std::vector<std::uint32_t> shaders;
    for (const auto& [file, type] : {std::pair(source.vertexFile, GL_VERTEX_SHADER),
                                     std::pair(source.fragmentFile, GL_FRAGMENT_SHADER)}) {
        shaders.push_back(compileStage(file, type, text(file)));
    }
    return createProgram(shaders);
}

ShaderLibrary::~ShaderLibrary() {
    // Members would go in reverse; release in slot order as they were made.
    for (const ProgramSource& source : programSources()) {
        (this->*source.slot).reset();
    }
}

std::unique_ptr<ShaderProgram> ShaderLibrary::loadProgram(const std::string& vertexFile,
                                                          const std::string& fragmentFile,
                                                          unsigned int vertexType,
                                                          unsigned int fragmentType,
                                                          const UniformSpec* specs, int specCount) {
    std::vector<std::uint32_t> shaders;
    shaders.push_back(compileStage(vertexFile, vertexType, readSource(vertexFile)));
    shaders.push_back(compileStage(fragmentFile, fragmentType, readSource(fragmentFile)));
    const std::uint32_t handle = createProgram(shaders);

    std::unique_ptr<std::vector<UniformSpec>> uniforms;
    if (specs != nullptr) {
        uniforms =
            std::make_unique<std::vector<UniformSpec>>(specs, specs + std::max(specCount, 0));
    }
    return std::make_unique<ShaderProgram>(handle, std::move(uniforms));
}

std::string ShaderLibrary::readSource(const std::string& file) {
    std::ifstream stream(platform::hostPath(file));
    if (!stream.good()) {
        std::cout << "WARNING: Can't load shader file '" << file << "': file is bad" << std::endl;
        fail();
    }
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

std::uint32_t ShaderLibrary::createShader(unsigned int type, const std::string& source) {
    const GLuint shader = glCreateShader(type);
    if (shader == 0) {
        std::cout << "Failed to create shader handle" << std::endl;
        fail();
    }
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_FALSE) {
        return shader;
    }

    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length) + 1, '\0');
    glGetShaderInfoLog(shader, length, nullptr, log.data());
    std::cout << "Compile failure in " << stageWord(type) << " shader:" << std::endl
              << log.data() << std::endl;
    fail();
}

std::uint32_t ShaderLibrary::createProgram(const std::vector<std::uint32_t>& shaders) {
    const GLuint program = glCreateProgram();
    if (program == 0) {
        std::cout << "Failed to create shader handle handle!" << std::endl;
        fail();
    }
    for (const std::uint32_t shader : shaders) {
        glAttachShader(program, shader);
    }
    glLinkProgram(program);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked != GL_FALSE) {
        // The linked program no longer needs its stages; nothing else holds them.
        for (const std::uint32_t shader : shaders) {
            glDetachShader(program, shader);
            glDeleteShader(shader);
        }
        return program;
    }

    GLint length = 0;
    glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(static_cast<std::size_t>(length) + 1, '\0');
    glGetProgramInfoLog(program, length, nullptr, log.data());
    std::cout << "Linker failure: " << log.data() << std::endl;
    fail();
}

} // namespace Vexmor::engine

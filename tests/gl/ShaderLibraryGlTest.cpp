#include "GlTestWindow.h"

#include "engine/ShaderLibrary.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace Vexmor::engine;

namespace {

const char* const shaderFiles[7][2] = {
    {"shader\\SimpleVertexShader.vert", "shader\\SimpleFragmentShader.frag"},
    {"shader\\SimpleTextureVertexShader.vert", "shader\\SimpleTextureFragmentShader.frag"},
    {"shader\\MaterialTextureShader.vert", "shader\\MaterialTextureShader.frag"},
    {"shader\\GUIShader.vert", "shader\\GUIShader.frag"},
    {"shader\\DepthTest.vert", "shader\\DepthTest.frag"},
    {"shader\\MaterialShadowTextureShader.vert", "shader\\MaterialShadowTextureShader.frag"},
    {"shader\\MaterialShadowTextureShader.vert", "shader\\MaterialShadowTextureShader.frag"},
};

// Each slot's uniforms in binding order, as name:content type.
const char* const uniformTable[7] = {
    "transform:0 ",
    "transform:0 colorTexture:4 ",
    "transform:0 colorTexture:4 worldTrans:0 ",
    "worldTrans:0 colorTexture:4 ",
    "transform:0 ",
    "transform:0 colorTexture:4 worldTrans:0 lightTransform:0 shadowMap:5 lightPosition:1 "
    "fogDistance:3 cameraPosition:1 fogTimer:3 emission:3 ",
    "transform:0 colorTexture:4 worldTrans:0 lightTransform:0 shadowMap:5 lightPosition:1 "
    "fogDistance:3 cameraPosition:1 fogTimer:3 emission:3 ",
};

std::string listed(const std::vector<UniformSpec>* specs) {
    std::string text;
    for (const UniformSpec& spec : specs != nullptr ? *specs : std::vector<UniformSpec>()) {
        text += spec.name + ":" + std::to_string(spec.type) + " ";
    }
    return text;
}

std::vector<const ShaderProgram*> slots(const ShaderLibrary& library) {
    return {library.simpleProgram.get(),
            library.simpleTextureProgram.get(),
            library.materialTextureProgram.get(),
            library.guiProgram.get(),
            library.depthTestProgram.get(),
            library.materialShadowTextureProgram.get(),
            library.materialShadowTextureFoglessProgram.get()};
}

std::string enterLines(int programs) {
    std::string lines;
    for (int slot = 0; slot < programs; ++slot) {
        for (const char* file : shaderFiles[slot]) {
            lines += "Enter createShader for " + std::string(file) + "\n";
        }
    }
    return lines;
}

// Death test output is matched as a POSIX extended regex.
std::string literally(const std::string& text) {
    std::string pattern;
    for (const char c : text) {
        if (std::string("\\.[](){}*+?|^$").find(c) != std::string::npos) {
            pattern += '\\';
        }
        pattern += c;
    }
    return pattern;
}

const std::string pauseLine = literally("Press any key to continue . . . \n");

class CoutCapture {
public:
    CoutCapture() : saved(std::cout.rdbuf(text.rdbuf())) {}
    ~CoutCapture() { std::cout.rdbuf(saved); }
    std::string str() const { return text.str(); }

private:
    std::ostringstream text;
    std::streambuf* saved;
};

class ShaderLibraryGl : public GlTestWindow {
protected:
    void SetUp() override {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        GlTestWindow::SetUp();
        fs::current_path(VEXMOR_DATA_DIR);
    }

    void TearDown() override {
        ShaderLibrary::destroyInstance();
        fs::current_path(startDir);
        GlTestWindow::TearDown();
    }

    const fs::path startDir = fs::current_path();
};

using ShaderLibraryGlDeathTest = ShaderLibraryGl;
using ::testing::ExitedWithCode;

// The library reports on stdout; a death test sees only what its child writes to stderr.
void reportOnStderr() {
    dup2(STDERR_FILENO, STDOUT_FILENO);
}

void setMatrix(GLuint program, const char* name, const glm::mat4& value) {
    glUniformMatrix4fv(glGetUniformLocation(program, name), 1, GL_FALSE, glm::value_ptr(value));
}

} // namespace

TEST_F(ShaderLibraryGl, LoadsOnceInSlotOrderAndDestroyDeletesThePrograms) {
    std::vector<const ShaderProgram*> first;
    {
        CoutCapture output;
        first = slots(ShaderLibrary::getInstance());
        EXPECT_EQ(output.str(), enterLines(7));
        EXPECT_EQ(slots(ShaderLibrary::getInstance()), first);
        EXPECT_EQ(output.str(), enterLines(7));
    }
    for (std::size_t slot = 0; slot < first.size(); ++slot) {
        EXPECT_EQ(listed(first[slot]->uniformSpecs.get()), uniformTable[slot]) << "slot " << slot;
    }
    std::vector<GLuint> handles;
    for (const ShaderProgram* program : first) {
        handles.push_back(program->handle);
    }
    ShaderLibrary::destroyInstance();
    EXPECT_FALSE(ShaderLibrary::hasInstance());
    for (const GLuint handle : handles) {
        EXPECT_EQ(glIsProgram(handle), GL_FALSE);
    }
    CoutCapture output;
    ShaderLibrary::getInstance();
    EXPECT_EQ(output.str(), enterLines(7));

    const UniformSpec specs[] = {{"worldTrans", Matrix4}, {"colorTexture", Texture}};
    const auto load = [](const UniformSpec* list) {
        return ShaderLibrary::loadProgram(shaderFiles[3][0], shaderFiles[3][1], GL_VERTEX_SHADER,
                                          GL_FRAGMENT_SHADER, list, 1);
    };
    EXPECT_EQ(listed(load(specs)->uniformSpecs.get()), "worldTrans:0 ");
    EXPECT_EQ(load(nullptr)->uniformSpecs, nullptr);
}

TEST_F(ShaderLibraryGl, SourcesDeclareWhatTheDrawingBindsAtSharedAttributeLocations) {
    const std::map<UniformContentType, GLenum> glType = {
        {Matrix4, GL_FLOAT_MAT4}, {Vector4, GL_FLOAT_VEC4}, {Vector3, GL_FLOAT_VEC3},
        {Float, GL_FLOAT},        {Texture, GL_SAMPLER_2D}, {ShadowMap, GL_SAMPLER_2D_SHADOW}};
    const std::vector<const ShaderProgram*> programs = slots(ShaderLibrary::getInstance());
    for (std::size_t slot = 0; slot < programs.size(); ++slot) {
        const GLuint program = programs[slot]->handle;
        GLint count = 0;
        glGetProgramiv(program, GL_ACTIVE_UNIFORMS, &count);
        std::map<std::string, GLenum> active;
        for (GLint index = 0; index < count; ++index) {
            char name[64];
            GLint size = 0;
            GLenum type = 0;
            glGetActiveUniform(program, index, sizeof name, nullptr, &size, &type, name);
            active[name] = type;
        }
        // The build without fog drops the fog's two uniforms, and only those.
        const bool fogless = programs[slot] ==
                             ShaderLibrary::getInstance().materialShadowTextureFoglessProgram.get();
        for (const UniformSpec& spec : *programs[slot]->uniformSpecs) {
            const bool dropped = fogless && (spec.name == "fogDistance" || spec.name == "fogTimer");
            EXPECT_EQ(active[spec.name], dropped ? 0u : glType.at(spec.type))
                << "slot " << slot << " " << spec.name;
        }
        EXPECT_EQ(glGetAttribLocation(program, "position"), 0) << "slot " << slot;
        for (const auto& [attribute, location] : {std::pair{"uv", 1}, std::pair{"normal", 2}}) {
            const GLint found = glGetAttribLocation(program, attribute);
            EXPECT_TRUE(found == -1 || found == location) << "slot " << slot << " " << attribute;
        }
    }
    EXPECT_EQ(glGetAttribLocation(programs[3]->handle, "uv"), 1);
    EXPECT_EQ(glGetAttribLocation(programs[5]->handle, "uv"), 1);
    EXPECT_EQ(glGetAttribLocation(programs[5]->handle, "normal"), 2);
}

// A white wall square to the head lamp two units away; in the shadow map an occluder
// covers its left half 0.2 in front of it, the right half is clear.
TEST_F(ShaderLibraryGl, LevelShaderLightsShadowsAndFogs) {
    const GLuint program = ShaderLibrary::getInstance().materialShadowTextureProgram->handle;
    const float wall[] = {-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0};
    GLuint vertexArray = 0;
    GLuint buffer = 0;
    GLuint textures[2] = {};
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof wall, wall, GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    glVertexAttrib3f(2, 0, 0, 1);

    const glm::mat4 view = glm::lookAt(glm::vec3(0, 0, 2), glm::vec3(0), glm::vec3(0, 1, 0));
    const glm::mat4 lightTransform = glm::perspective(0.785398f, 1.0f, 0.1f, 30.0f) * view;
    const auto mapDepth = [&](float lampDistance) {
        const glm::vec4 clip = lightTransform * glm::vec4(0, 0, 2 - lampDistance, 1);
        return clip.z / clip.w * 0.5f + 0.5f;
    };
    std::vector<float> depths(512 * 512);
    for (std::size_t texel = 0; texel < depths.size(); ++texel) {
        depths[texel] = mapDepth(texel % 512 < 256 ? 1.8f : 2.2f);
    }
    const unsigned char white[] = {255, 255, 255, 255};
    glGenTextures(2, textures);
    glBindTexture(GL_TEXTURE_2D, textures[0]);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, white);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, textures[1]);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, 512, 512, 0, GL_DEPTH_COMPONENT, GL_FLOAT,
                 depths.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_REF_TO_TEXTURE);

    glUseProgram(program);
    setMatrix(program, "transform", glm::perspective(0.785398f, 4.0f / 3.0f, 0.1f, 30.0f) * view);
    setMatrix(program, "worldTrans", glm::mat4(1.0f));
    setMatrix(program, "lightTransform", lightTransform);
    glUniform1i(glGetUniformLocation(program, "shadowMap"), 1);
    glUniform4f(glGetUniformLocation(program, "lightPosition"), 0, 0, 2, 1);
    glUniform4f(glGetUniformLocation(program, "cameraPosition"), 0, 0, 2, 1);
    glUniform1f(glGetUniformLocation(program, "fogTimer"), 12.5f);
    const auto draw = [&](float fogDistance, int x) {
        glUniform1f(glGetUniformLocation(program, "fogDistance"), fogDistance);
        glClear(GL_COLOR_BUFFER_BIT);
        glDrawArrays(GL_TRIANGLE_FAN, 0, 4);
        unsigned char rgba[4] = {};
        glReadPixels(x, 384, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return glm::ivec3(rgba[0], rgba[1], rgba[2]);
    };
    const glm::ivec3 shadowed = draw(-1.0f, 256);
    const glm::ivec3 lit = draw(-1.0f, 768);
    EXPECT_GT(lit.r, 100);
    EXPECT_GT(shadowed.r, 10) << "ambient";
    EXPECT_LT(shadowed.r, lit.r / 2);
    EXPECT_EQ(draw(30.0f, 768), lit) << "fog still far away";
    const glm::ivec3 fogged = draw(0.0f, 768);
    EXPECT_GT(fogged.b, fogged.r) << "fog hides the lit wall";
}

TEST_F(ShaderLibraryGlDeathTest, FailuresPrintTheirCauseAndExitWithStatus2) {
    const auto broken = "#version 330 core\nvoid main() { float x = ; }\n";
    EXPECT_EXIT((reportOnStderr(), ShaderLibrary::createShader(GL_FRAGMENT_SHADER, broken)),
                ExitedWithCode(2),
                "(^|\n)Compile failure in fragment shader:\n[^\n]*[a-z].*\n" + pauseLine + "$");
    const auto unresolved = "#version 330 core\nout vec4 color;\nvec4 shade();\n"
                            "void main() { color = shade(); }\n";
    EXPECT_EXIT((reportOnStderr(), ShaderLibrary::createProgram({ShaderLibrary::createShader(
                                       GL_FRAGMENT_SHADER, unresolved)})),
                ExitedWithCode(2), "(^|\n)Linker failure: [^\n]*[a-z]");
    EXPECT_EXIT((reportOnStderr(), ShaderLibrary::createShader(GL_TEXTURE_2D, "")),
                ExitedWithCode(2), "(^|\n)Failed to create shader handle\n" + pauseLine + "$");

    // The child runs this test again from the start; the environment hands it the
    // parent's copy instead of letting it make (and leak) its own.
    const char* const variable = "VEXMOR_SHADER_TEST_DIR";
    fs::path dir = std::getenv(variable) != nullptr ? std::getenv(variable) : "";
    if (dir.empty()) {
        char name[] = "/tmp/vexmor-shaders-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        dir = name;
        fs::copy(fs::path(VEXMOR_DATA_DIR) / "shader", dir / "shader");
        fs::remove(dir / "shader" / "DepthTest.frag");
        setenv(variable, name, 1);
    }
    fs::current_path(dir);
    EXPECT_EXIT((reportOnStderr(), ShaderLibrary::getInstance()), ExitedWithCode(2),
                "(^|\n)" +
                    literally(enterLines(4) + "Enter createShader for shader\\DepthTest.vert\n" +
                              "WARNING: Can't load shader file 'shader\\DepthTest.frag': file is "
                              "bad\n") +
                    pauseLine + "$");
    unsetenv(variable);
    fs::remove_all(dir);
}

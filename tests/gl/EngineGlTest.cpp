#include "GlDataDirectory.h"
#include "GlTestWindow.h"
#include "common/CoutCapture.h"

#include "app/RenderSettings.h"
#include "engine/AnisotropyLimit.h"
#include "engine/GameObject.h"
#include "engine/ModelLibrary.h"
#include "engine/RenderContext.h"
#include "engine/ShaderLibrary.h"
#include "engine/TextureLibrary.h"
#include "engine/TriangleMesh.h"
#include "engine/framebuffer/DepthbufferManager.h"
#include "physics/CollisionShapeLibrary.h"

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <set>
#include <vector>

using namespace Vexmor::engine;

namespace {

class Thing : public GameObject {
public:
    using GameObject::GameObject;
    void onUpdate(double /*seconds*/) override {}
};

// Everything a lit, shadowed, fogged draw of the level objects needs, but "fogTimer".
struct FrameValues {
    glm::mat4 view = glm::perspective(glm::radians(45.0f), 4.0f / 3.0f, 0.1f, 30.0f) *
                     glm::lookAt(glm::vec3(1.6f, 1.3f, 2.2f), glm::vec3(0.0f), glm::vec3(0, 1, 0));
    glm::vec4 light{1.6f, 1.8f, 2.2f, 1.0f};
    glm::vec4 camera{1.6f, 1.3f, 2.2f, 1.0f};
    float fogDistance = -1.0f;
    GLuint shadowMap = 0;

    void fill(RenderContext& context) const {
        context.set("viewTransform", glm::value_ptr(view));
        context.set("lightViewTransform", glm::value_ptr(view));
        context.set("lightPosition", glm::value_ptr(light));
        context.set("cameraPosition", glm::value_ptr(camera));
        context.set("fogDistance", &fogDistance);
        context.set("shadowMap", &shadowMap);
    }
};

class EngineGl : public GlTestWindow {
protected:
    void SetUp() override {
        GlTestWindow::SetUp();
        data = std::make_unique<GlDataDirectory>();
        data->write("models/cube.obj", cubeObj);
        data->writeCheckerPng("img/checker.png", 32, 0xC08040, 0x4060A0);
        data->writeCheckerPng("img/default.png", 8, 0x808080, 0x909090);
    }

    void TearDown() override {
        ModelLibrary::destroyInstance();
        ShaderLibrary::destroyInstance();
        Vexmor::physics::CollisionShapeLibrary::destroyInstance();
        Vexmor::app::renderSettings() = Vexmor::app::RenderSettings{};
        shadow.reset();
        data.reset();
        GlTestWindow::TearDown();
    }

    // Frame values with an empty shadow map: nothing is in shadow.
    FrameValues unshadowedFrame() {
        if (!shadow) {
            CoutCapture quiet;
            shadow = std::make_unique<framebuffer::DepthbufferManager>();
            shadow->generate();
            shadow->bind();
            glViewport(0, 0, shadow->getWidth(), shadow->getHeight());
            glClear(GL_DEPTH_BUFFER_BIT);
            shadow->unbind();
        }
        FrameValues frame;
        frame.shadowMap = shadow->getTexture();
        return frame;
    }

    Model* levelModel(const std::string& name) {
        ModelLibrary& models = ModelLibrary::getInstance();
        models.defaultProgram = ShaderLibrary::getInstance().materialShadowTextureProgram.get();
        return models.getModel(name);
    }

    std::unique_ptr<GlDataDirectory> data;
    std::unique_ptr<framebuffer::DepthbufferManager> shadow;
};

// An off-screen colour and depth target of the window's size.
class OffscreenTarget {
public:
    OffscreenTarget() {
        framebuffer.generate();
        colour.generate();
        glBindTexture(GL_TEXTURE_2D, colour.get());
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     nullptr);
        glGenRenderbuffers(1, &depth);
        glBindRenderbuffer(GL_RENDERBUFFER, depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer.get());
        glFramebufferTexture(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, colour.get(), 0);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
        glViewport(0, 0, width, height);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
    }
    ~OffscreenTarget() {
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteRenderbuffers(1, &depth);
    }

    bool complete() const {
        return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    }

    std::vector<unsigned char> pixels() const {
        std::vector<unsigned char> rgba(static_cast<std::size_t>(width) * height * 4);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }

    static constexpr int width = 256;
    static constexpr int height = 192;

private:
    GlFramebuffer framebuffer;
    GlTexture colour;
    GLuint depth = 0;
};

} // namespace

TEST_F(EngineGl, DepthFramebufferLogsItsNineStepsAndLeavesTheWindowBound) {
    framebuffer::DepthbufferManager depth;
    bool complete = false;
    std::string log;
    {
        CoutCapture capture;
        complete = depth.generate();
        log = capture.text();
    }
    EXPECT_TRUE(complete);
    EXPECT_EQ(log, "Generate Framebuffer ...done!\n"
                   "Bind Framebuffer...done!\n"
                   "Tell OpenGL that this is not a color-buffer...done!\n"
                   "Generate texture...done!\n"
                   "Bind texture...done!\n"
                   "Init texture...done!\n"
                   "Set texture params...done!\n"
                   "Set texture as rendertarget...done!\n"
                   "Check Framebuffer...done!\n");
    EXPECT_EQ(depth.getWidth(), 512);
    EXPECT_EQ(depth.getHeight(), 512);

    GLint bound = -1;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    EXPECT_EQ(bound, 0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);

    glBindTexture(GL_TEXTURE_2D, depth.getTexture());
    GLint compareMode = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, &compareMode);
    EXPECT_EQ(compareMode, GL_COMPARE_REF_TO_TEXTURE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(EngineGl, TexturesLoadOnceAs32BitAndFollowTheFilterSettings) {
    TextureLibrary& textures = TextureLibrary::getInstance();
    GLuint first = 0;
    std::string log;
    {
        CoutCapture capture;
        first = textures.getTextureId("img\\checker.png");
        EXPECT_EQ(textures.getTextureId("img\\checker.png"), first);
        log = capture.text();
    }
    EXPECT_EQ(occurrences(log, "BBP for image 'img\\checker.png': 32\nsize of uchar 4\n"), 1);
    EXPECT_EQ(occurrences(log, "GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT="), 1);

    // A 24-bit image arrives as BGRA with full alpha.
    glBindTexture(GL_TEXTURE_2D, first);
    std::vector<unsigned char> texels(32 * 32 * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels[0], 0x40);
    EXPECT_EQ(texels[1], 0x80);
    EXPECT_EQ(texels[2], 0xC0);
    EXPECT_EQ(texels[3], 0xFF);

    auto& settings = Vexmor::app::renderSettings();
    auto parameter = [&](GLenum name) {
        glBindTexture(GL_TEXTURE_2D, first);
        GLfloat value = 0.0f;
        glGetTexParameterfv(GL_TEXTURE_2D, name, &value);
        return value;
    };
    settings.mipmapMode = 0;
    settings.textureFilterLinear = false;
    {
        CoutCapture capture;
        textures.applyFilterMode();
        EXPECT_EQ(occurrences(capture.text(), "GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT="), 0);
    }
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(parameter(GL_TEXTURE_MAX_ANISOTROPY_EXT), 1.0f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR))
        << "mode 0 must set a valid anisotropy";

    settings.mipmapMode = 1;
    settings.textureFilterLinear = true;
    {
        CoutCapture capture;
        textures.applyFilterMode();
        EXPECT_EQ(occurrences(capture.text(), "GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT="),
                  static_cast<int>(textures.size()));
    }
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST_MIPMAP_NEAREST);
    EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    GLfloat driverMaximum = 0.0f;
    glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &driverMaximum);
    EXPECT_GT(driverMaximum, 1.0f);
    EXPECT_EQ(parameter(GL_TEXTURE_MAX_ANISOTROPY_EXT),
              Vexmor::engine::usableAnisotropy(
                  driverMaximum, reinterpret_cast<const char*>(glGetString(GL_RENDERER))));
}

TEST_F(EngineGl, ATextureLoadedAfterAToggleGetsTheToggledFilters) {
    TextureLibrary& textures = TextureLibrary::getInstance();
    auto& settings = Vexmor::app::renderSettings();
    GLfloat driverMaximum = 0.0f;
    glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &driverMaximum);
    const float usable = Vexmor::engine::usableAnisotropy(
        driverMaximum, reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    struct Case {
        const char* image;
        bool linear;
        int mipmapMode;
        GLfloat minFilter;
        GLfloat magFilter;
        GLfloat anisotropy;
    };
    // Names no other test loads, so each is a first load here.
    for (const Case& toggled :
         {Case{"img\\late0.png", false, 0, GL_NEAREST, GL_NEAREST, 1.0f},
          Case{"img\\late1.png", true, 1, GL_NEAREST_MIPMAP_NEAREST, GL_LINEAR, usable},
          Case{"img\\late2.png", false, 2, GL_LINEAR_MIPMAP_LINEAR, GL_NEAREST, usable}}) {
        std::string file = toggled.image;
        file.replace(file.find('\\'), 1, "/");
        data->writeCheckerPng(file, 8, 0x102030, 0x405060);
        settings.textureFilterLinear = toggled.linear;
        settings.mipmapMode = toggled.mipmapMode;
        GLuint texture = 0;
        {
            CoutCapture quiet;
            textures.applyFilterMode();
            texture = textures.getTextureId(toggled.image);
        }
        glBindTexture(GL_TEXTURE_2D, texture);
        auto parameter = [](GLenum name) {
            GLfloat value = 0.0f;
            glGetTexParameterfv(GL_TEXTURE_2D, name, &value);
            return value;
        };
        EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), toggled.minFilter) << toggled.image;
        EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), toggled.magFilter) << toggled.image;
        EXPECT_EQ(parameter(GL_TEXTURE_MAX_ANISOTROPY_EXT), toggled.anisotropy) << toggled.image;
    }
}

TEST_F(EngineGl, MeshesGetBuffersOnlyForTheAttributesTheirProgramDeclares) {
    const float positions[] = {0, 0, 0, 1, 0, 0, 0, 1, 0};
    const float uvs[] = {0, 0, 1, 0, 0, 1};
    const float normals[] = {0, 0, 1, 0, 0, 1, 0, 0, 1};
    const std::uint32_t indices[] = {0, 1, 2};
    ShaderLibrary& shaders = ShaderLibrary::getInstance();

    CoutCapture capture;
    TriangleMesh depthOnly(shaders.depthTestProgram.get(), positions, uvs, normals, indices, 3, 3,
                           1.0f);
    EXPECT_EQ(capture.text(), "positionBuffer.init=1\nuvBuffer.init=0\nnormalBuffer.init=0\n");
    EXPECT_TRUE(depthOnly.hasPositions);
    EXPECT_FALSE(depthOnly.hasUvs);

    TriangleMesh full(shaders.materialShadowTextureProgram.get(), positions, uvs, normals, indices,
                      3, 3, 1.0f);
    EXPECT_TRUE(full.hasPositions && full.hasUvs && full.hasNormals);
    TriangleMesh noNormals(shaders.materialShadowTextureProgram.get(), positions, uvs, nullptr,
                           indices, 3, 3, 1.0f);
    EXPECT_FALSE(noNormals.hasNormals);
}

TEST_F(EngineGl, ModelsAreCachedByTheNameAsAsked) {
    CoutCapture capture;
    Model* cube = levelModel("models\\cube.obj");
    ASSERT_NE(cube, nullptr);
    EXPECT_EQ(levelModel("models\\cube.obj"), cube);
    EXPECT_EQ(occurrences(capture.text(), "Loading Object-File 'models\\cube.obj'\n"), 1);
    EXPECT_EQ(occurrences(capture.text(), " seconds! 24 vertices loaded!\n"), 1);
    EXPECT_NEAR(cube->boundingRadius, 0.8660254f, 1e-6f);

    // Another spelling is another entry: the file is loaded again.
    Model* shouting = levelModel("models\\CUBE.OBJ");
    EXPECT_NE(shouting, cube);
    EXPECT_EQ(levelModel("models\\cube.txt"), nullptr);
    EXPECT_EQ(occurrences(capture.text(), "Loading Object-File 'models\\cube.txt'\n"), 1);
    levelModel("models\\cube.txt");
    EXPECT_EQ(occurrences(capture.text(), "Loading Object-File 'models\\cube.txt'\n"), 2);
}

TEST_F(EngineGl, AMissingContextValueWarnsForThatUniformAloneAndStillDraws) {
    Model* cube = levelModel("models\\cube.obj");
    Thing object;
    object.attachModel(cube);
    object.setTexture("img\\checker.png");
    const FrameValues frame = unshadowedFrame();
    OffscreenTarget target;
    ASSERT_TRUE(target.complete());

    RenderContext context;
    frame.fill(context);
    std::string log;
    {
        CoutCapture capture;
        object.render(context);
        log = capture.text();
    }
    EXPECT_EQ(occurrences(log, "[WARN] [Vexmor::engine::Model::doDrawing(RenderContext& context)] "
                               "Uniform 'fogTimer' not in context: invalid map<K, T> key\n"),
              1);
    EXPECT_EQ(occurrences(log, "[WARN]"), 1) << log;

    const auto pixels = target.pixels();
    const unsigned char centre =
        pixels[(OffscreenTarget::height / 2 * OffscreenTarget::width + OffscreenTarget::width / 2) *
               4];
    EXPECT_GT(centre, 0) << "the cube must be drawn despite the missing value";
}

TEST_F(EngineGl, WireframeDrawsInLinesAndRestoresFillAfterEachModel) {
    Thing cube(glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, -3.0f)));
    cube.attachModel(levelModel("models\\cube.obj"));
    const FrameValues frame = unshadowedFrame();
    OffscreenTarget target;
    RenderContext context;
    frame.fill(context);

    Vexmor::app::renderSettings().wireframeMode = true;
    {
        CoutCapture quiet;
        cube.render(context);
    }
    GLint mode[2] = {0, 0};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    EXPECT_EQ(program, 0);

    // Lines cover far fewer pixels than the filled cube.
    auto lit = [](const std::vector<unsigned char>& pixels) {
        int count = 0;
        for (std::size_t i = 0; i < pixels.size(); i += 4) {
            count += (pixels[i] | pixels[i + 1] | pixels[i + 2]) != 0 ? 1 : 0;
        }
        return count;
    };
    const int wireframePixels = lit(target.pixels());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    Vexmor::app::renderSettings().wireframeMode = false;
    const float fogTimer = 0.0f;
    context.set("fogTimer", &fogTimer);
    cube.render(context);
    const int filledPixels = lit(target.pixels());
    EXPECT_GT(wireframePixels, 0);
    EXPECT_GT(filledPixels, 2 * wireframePixels);
}

TEST_F(EngineGl, ATexturedLitCubeShowsShadingAndTexture) {
    Thing cube;
    cube.attachModel(levelModel("models\\cube.obj"));
    cube.setTexture("img\\checker.png");
    const FrameValues frame = unshadowedFrame();
    OffscreenTarget target;
    RenderContext context;
    frame.fill(context);
    const float fogTimer = 1.0f;
    context.set("fogTimer", &fogTimer);
    {
        CoutCapture quiet;
        cube.render(context);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const auto pixels = target.pixels();
    std::set<unsigned int> colours;
    int black = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        const unsigned int rgb = (pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2];
        colours.insert(rgb);
        black += rgb == 0 ? 1 : 0;
    }
    const int total = OffscreenTarget::width * OffscreenTarget::height;
    EXPECT_LT(black, total * 9 / 10) << "the cube covers part of the view";
    EXPECT_GT(black, 0) << "the background stays clear";
    EXPECT_GT(colours.size(), 20u) << "texture and lighting vary across the faces";
}

#include "ShippedModelsGl.h"
#include "common/CoutCapture.h"

#include "app/FrameLoop.h"
#include "app/RenderSettings.h"
#include "engine/TextureLibrary.h"
#include "platform/Keys.h"

#include <string>

using namespace Vexmor;
namespace key = platform::key;

namespace {

// A closed room of three by four cells; the player stands at its south end looking north.
const char* const roomLevel = "xDim 5\nyDim 3\nzDim 6\nplayer 2 1 4\n"
                              "air 1 1 1\nair 2 1 1\nair 3 1 1\n"
                              "air 1 1 2\nair 2 1 2\nair 3 1 2\n"
                              "air 1 1 3\nair 2 1 3\nair 3 1 3\n"
                              "air 1 1 4\nair 2 1 4\nair 3 1 4\n";

// The game's own frame loop, playing the room.
class FrameLoopGl : public ShippedModelsGl {
protected:
    void SetUp() override {
        ShippedModelsGl::SetUp();
        data->write("levels/levels.ini", "levels\\room.lvl\n");
        data->write("levels/room.lvl", roomLevel);
        loop = std::make_unique<app::FrameLoop>(window, input);
        CoutCapture quiet;
        loop->startUp();
        // The first frame loads the level and its textures; the second draws it settled.
        loop->runFrame();
        loop->runFrame();
    }

    void TearDown() override {
        {
            CoutCapture quiet;
            loop->shutDown();
        }
        loop.reset();
        ShippedModelsGl::TearDown();
    }

    // Down for one frame, released in the next: the key acts in that second frame.
    void tap(int keyCode) {
        CoutCapture quiet;
        input.press(keyCode);
        loop->runFrame();
        input.release(keyCode);
        loop->runFrame();
    }

    // A filter of the dark era's wall texture, which the level loaded in its first frame.
    static GLint wallFilter(GLenum name) {
        engine::TextureLibrary& textures = engine::TextureLibrary::getInstance();
        const std::size_t loaded = textures.size();
        glBindTexture(GL_TEXTURE_2D, textures.getTextureId("img\\WallDirty.png"));
        EXPECT_EQ(textures.size(), loaded) << "looked up, not loaded now";
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
        return value;
    }

    // Pixels not left at the clear colour.
    static int drawnPixels(const std::vector<unsigned char>& rgba) {
        int drawn = 0;
        for (std::size_t i = 0; i < rgba.size(); i += 4) {
            drawn += (rgba[i] | rgba[i + 1] | rgba[i + 2]) != 0 ? 1 : 0;
        }
        return drawn;
    }

    std::unique_ptr<app::FrameLoop> loop;
};

} // namespace

TEST_F(FrameLoopGl, EachFunctionKeyFlipsItsOwnSettingAndRetitlesTheWindowAtOnce) {
    const app::RenderSettings& settings = app::renderSettings();
    ASSERT_EQ(wallFilter(GL_TEXTURE_MAG_FILTER), GL_LINEAR) << "the level drew its walls";

    // Each title is read in the frame the key acted: the once-a-second refresh must not be
    // what shows the change.
    tap(key::F3);
    EXPECT_TRUE(settings.wireframeMode);
    const std::string& title = window.getTitle();
    EXPECT_EQ(title.rfind("Vexmor | ", 0), 0u) << title;
    EXPECT_NE(title.find(" FPS, AverageFrame "), std::string::npos) << title;
    EXPECT_NE(title.find(" | Wireframe-mode", title.size() - 17), std::string::npos) << title;

    tap(key::F2);
    EXPECT_FALSE(settings.showFrameStatistics);
    EXPECT_EQ(window.getTitle(), "Vexmor | Wireframe-mode");

    tap(key::F4);
    EXPECT_FALSE(settings.textureFilterLinear);
    EXPECT_EQ(window.getTitle(), "Vexmor | Wireframe-mode | Textures: nearest neighbor");
    EXPECT_EQ(wallFilter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(wallFilter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);

    tap(key::F5);
    EXPECT_EQ(settings.mipmapMode, 1);
    EXPECT_EQ(window.getTitle(),
              "Vexmor | Wireframe-mode | Textures: nearest neighbor | MipMap: nearest neighbor");
    EXPECT_EQ(wallFilter(GL_TEXTURE_MIN_FILTER), GL_NEAREST_MIPMAP_NEAREST);

    tap(key::F8);
    EXPECT_FALSE(settings.viewFrustumCulling);
    EXPECT_EQ(window.getTitle(), "Vexmor | Wireframe-mode | Textures: nearest neighbor | "
                                 "MipMap: nearest neighbor | View frustum culling: off");

    tap(key::F5);
    tap(key::F4);
    tap(key::F3);
    EXPECT_EQ(window.getTitle(), "Vexmor | MipMap: off | View frustum culling: off");
    EXPECT_EQ(wallFilter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(wallFilter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);

    tap(key::F8);
    tap(key::F5);
    tap(key::F2);
    EXPECT_TRUE(settings.showFrameStatistics);
    EXPECT_EQ(window.getTitle().find(" | ", 9), std::string::npos)
        << "only the statistics are left: " << window.getTitle();
    EXPECT_NE(window.getTitle().find(" FPS, AverageFrame "), std::string::npos);
    EXPECT_EQ(wallFilter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
}

TEST_F(FrameLoopGl, WireframeDrawsTheRoomAsLinesOverTheBackground) {
    const std::vector<unsigned char> solid = windowPixels();
    tap(key::F3);
    {
        CoutCapture quiet;
        loop->runFrame();
    }
    const std::vector<unsigned char> lines = windowPixels();
    tap(key::F3);
    {
        CoutCapture quiet;
        loop->runFrame();
    }
    const std::vector<unsigned char> solidAgain = windowPixels();

    const int all = 1024 * 768;
    EXPECT_GT(drawnPixels(solid), all * 95 / 100) << "the room's walls fill the view";
    const int linePixels = drawnPixels(lines);
    EXPECT_GT(linePixels, all / 200) << "the edges of the walls are drawn";
    EXPECT_LT(linePixels, all / 2) << "mostly background between the lines";
    EXPECT_GT(drawnPixels(solidAgain), all * 95 / 100) << "F3 again fills the faces";
}

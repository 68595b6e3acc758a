#include "ShippedDataGl.h"

#include "Soak.h"
#include "common/CoutCapture.h"

#include "app/RenderSettings.h"
#include "platform/ActiveInput.h"
#include "platform/ScriptedInput.h"
#include "screen/LevelManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace Vexmor;

namespace {

class CullingGl : public ShippedDataGl {
protected:
    using ShippedDataGl::renderFrame;

    static std::vector<unsigned char> renderFrame(screen::LevelManager& level, bool culling) {
        app::renderSettings().viewFrustumCulling = culling;
        return renderFrame(level);
    }
};

int litPixels(const std::vector<unsigned char>& rgb) {
    int lit = 0;
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        lit += (rgb[i] | rgb[i + 1] | rgb[i + 2]) != 0 ? 1 : 0;
    }
    return lit;
}

int differingPixels(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    int differing = 0;
    for (std::size_t i = 0; i < a.size(); i += 3) {
        differing += (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2]) ? 1 : 0;
    }
    return differing;
}

// Pixels the culled frame misses, apart from lone see-through cracks: where two wall panels
// meet, a pixel may fall between them and show what lies beyond, which the cells behind rock
// rightly leave out; it is black with all its neighbours alike in both frames.
int missedPixels(const std::vector<unsigned char>& culled, const std::vector<unsigned char>& whole,
                 int width, int height) {
    const auto differs = [&](int x, int y) {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        return culled[i] != whole[i] || culled[i + 1] != whole[i + 1] ||
               culled[i + 2] != whole[i + 2];
    };
    int missed = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!differs(x, y)) {
                continue;
            }
            const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
            bool lone = (culled[i] | culled[i + 1] | culled[i + 2]) == 0;
            for (int dy = -1; dy <= 1 && lone; ++dy) {
                for (int dx = -1; dx <= 1 && lone; ++dx) {
                    const int nx = std::clamp(x + dx, 0, width - 1);
                    const int ny = std::clamp(y + dy, 0, height - 1);
                    lone = (nx == x && ny == y) || !differs(nx, ny);
                }
            }
            missed += lone ? 0 : 1;
        }
    }
    return missed;
}

} // namespace

// Culling may only leave out what cannot be seen: on every level, from views all round
// the start and along a walk through an era switch, the frame with culling is the frame
// without it, pixel for pixel.
TEST_F(CullingGl, LeavesOutNothingThatShowsOnAnyLevel) {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_MULTISAMPLE);
    for (const std::string& levelFile : soak::listedLevels("levels\\levels.ini")) {
        platform::ScriptedInput input;
        platform::setActiveInput(&input);
        soak::NoNextLevel changer;
        screen::LevelManager level(levelFile, &changer);
        CoutCapture quiet;
        level.init();
        EXPECT_FALSE(level.getScene().getLevelData().openCells.empty()) << levelFile;

        int compared = 0;
        for (int frame = 0; frame < 240; ++frame) {
            // A turn on the spot, then a walk that slowly bends, with the era key on the way.
            if (frame < 80) {
                input.moveCursor({-9, 0});
            } else if (frame % 2 == 0) {
                input.moveCursor({-2, 0});
            }
            if (frame == 80) {
                input.press('W');
            } else if (frame == 120) {
                input.press('T');
            } else if (frame == 125) {
                input.release('T');
            }
            level.update(1.0 / 60.0);
            if (frame % 12 == 0) {
                const auto culled = renderFrame(level, true);
                const auto whole = renderFrame(level, false);
                EXPECT_EQ(differingPixels(culled, whole), 0) << levelFile << ", frame " << frame;
                EXPECT_GT(litPixels(whole), width * height / 2) << levelFile << ", frame " << frame;
                // Wireframe shows through walls, so culling may not leave out rooms behind rock.
                app::renderSettings().wireframeMode = true;
                const auto culledLines = renderFrame(level, true);
                const auto wholeLines = renderFrame(level, false);
                app::renderSettings().wireframeMode = false;
                EXPECT_EQ(differingPixels(culledLines, wholeLines), 0)
                    << levelFile << ", wireframe frame " << frame;
                ++compared;
            }
        }
        EXPECT_EQ(compared, 20);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << levelFile;
        level.close();
        platform::setActiveInput(nullptr);
    }
}

// The field of view is taken up by the next frame, culling and all: at the options' widest
// (and narrowest) nothing at the edges of the view is left out, all round the start of the
// two largest levels, looking level, up and down.
TEST_F(CullingGl, LeavesOutNothingAtAnyFieldOfView) {
    for (const char* levelFile : {"levels\\06_two_wings.lvl", "levels\\07_the_long_way.lvl"}) {
        platform::ScriptedInput input;
        platform::setActiveInput(&input);
        soak::NoNextLevel changer;
        screen::LevelManager level(levelFile, &changer);
        CoutCapture quiet;
        level.init();
        level.update(1.0 / 60.0);
        const auto narrow = renderFrame(level, true);
        app::renderSettings().fieldOfViewDegrees = 70.0f;
        EXPECT_GT(differingPixels(renderFrame(level, true), narrow), width * height / 4)
            << "the view widens at once";
        for (int step = 0; step < 16; ++step) {
            app::renderSettings().fieldOfViewDegrees = step % 4 == 3 ? 35.0f : 70.0f;
            // A turn of 22.5 degrees, looking up, level and down in turn.
            input.moveCursor({-45, step % 3 == 0 ? -40 : 20});
            level.update(1.0 / 60.0);
            const auto culled = renderFrame(level, true);
            const auto whole = renderFrame(level, false);
            EXPECT_EQ(missedPixels(culled, whole, width, height), 0)
                << levelFile << ", step " << step;
        }
        level.close();
        platform::setActiveInput(nullptr);
    }
}

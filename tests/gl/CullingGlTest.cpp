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

    // Pixels the culled frame misses, but for lone see-through cracks: a pixel between two
    // wall panels may show what lies beyond the rock, which the culling rightly leaves out;
    // it is black in the culled frame, its neighbours alike in both.
    static int missedPixels(const std::vector<unsigned char>& culled,
                            const std::vector<unsigned char>& whole) {
        const auto at = [](int x, int y) {
            return (std::size_t(std::clamp(y, 0, height - 1)) * width +
                    std::clamp(x, 0, width - 1)) *
                   3;
        };
        const auto differs = [&](int x, int y) {
            return !std::equal(&culled[at(x, y)], &culled[at(x, y)] + 3, &whole[at(x, y)]);
        };
        int missed = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (!differs(x, y)) {
                    continue;
                }
                int around = 0;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        around += differs(x + dx, y + dy) ? 1 : 0;
                    }
                }
                const unsigned char* rgb = &culled[at(x, y)];
                missed += around == 1 && (rgb[0] | rgb[1] | rgb[2]) == 0 ? 0 : 1;
            }
        }
        return missed;
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

} // namespace

// Culling may only leave out what cannot be seen: on every level, from views all round
// the start and along a walk through an era switch, at every field of view the options
// allow, taken up at once, the frame with culling is the frame without it.
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
                app::renderSettings().fieldOfViewDegrees = (compared % 3 == 0)   ? 45.0f
                                                           : (compared % 3 == 1) ? 70.0f
                                                                                 : 35.0f;
                const auto culled = renderFrame(level, true);
                const auto whole = renderFrame(level, false);
                EXPECT_EQ(missedPixels(culled, whole), 0) << levelFile << ", frame " << frame;
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

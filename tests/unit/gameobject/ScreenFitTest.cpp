#include "gameobject/GUIElement.h"

#include <gtest/gtest.h>

using Vexmor::gameobject::fittedScale;
using Vexmor::gameobject::GUIState;
using Vexmor::gameobject::ScreenFit;

namespace {

// The image's size in pixels in a window of this size.
glm::vec2 pixels(const GUIState& state, int width, int height) {
    return fittedScale(state, width, height) * glm::vec2(width, height) / 2.0f;
}

} // namespace

TEST(ScreenFit, ImagesKeepTheirShapeAndPlaceInAnyWindow) {
    const GUIState crosshair{"", 32.0f / 512.0f, 32.0f / 384.0f, 0.0f, 0.0f, ScreenFit::Pixels};
    const GUIState hint{"", 0.1f, 0.1f, -0.05f, -0.55f, ScreenFit::Scaled};
    const GUIState picture{"", 2.0f, 2.0f, 0.0f, 0.0f, ScreenFit::Scaled};
    const GUIState stretched{"", 0.25f, 0.075f, -0.85f, 0.9f};

    // In the start window every image is as it was made.
    for (const GUIState& state : {crosshair, hint, picture, stretched}) {
        EXPECT_EQ(fittedScale(state, 1024, 768), glm::vec2(state.scaleX, state.scaleY));
    }
    EXPECT_EQ(pixels(crosshair, 1024, 768), glm::vec2(32.0f, 32.0f));

    for (const auto& [width, height] :
         {std::pair(1280, 800), std::pair(1920, 1080), std::pair(2560, 1440), std::pair(640, 480),
          std::pair(800, 1200)}) {
        EXPECT_EQ(pixels(crosshair, width, height), glm::vec2(32.0f, 32.0f));
        // The hint keeps its shape and grows with the narrower side.
        const glm::vec2 hintSize = pixels(hint, width, height);
        EXPECT_NEAR(hintSize.x / hintSize.y, 1024.0f / 768.0f, 1e-4f);
        const float growth = std::min(width / 1024.0f, height / 768.0f);
        EXPECT_NEAR(hintSize.y, 0.05f * 768.0f * growth, 1e-3f);
        // A full-window picture keeps its 4:3 and touches two sides, with bars at the others.
        const glm::vec2 pictureScale = fittedScale(picture, width, height);
        EXPECT_NEAR(std::max(pictureScale.x, pictureScale.y), 2.0f, 1e-5f);
        EXPECT_LE(std::min(pictureScale.x, pictureScale.y), 2.0f);
        const glm::vec2 pictureSize = pixels(picture, width, height);
        EXPECT_NEAR(pictureSize.x / pictureSize.y, 1024.0f / 768.0f, 1e-4f);
        // Stretched images (the test screen's) keep their share of the window.
        EXPECT_EQ(fittedScale(stretched, width, height), glm::vec2(0.25f, 0.075f));
    }
    // A minimised window has no size; nothing is divided by it.
    EXPECT_EQ(fittedScale(hint, 0, 0), glm::vec2(0.1f, 0.1f));
}

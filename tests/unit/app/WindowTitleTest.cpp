#include "app/WindowTitle.h"
#include "app/RenderSettings.h"

#include <gtest/gtest.h>

using Vexmor::app::RenderSettings;
using Vexmor::app::windowTitle;

TEST(WindowTitle, DefaultsShowOnlyTheStatisticsAndAScaleBelowOneWithThem) {
    RenderSettings settings;
    EXPECT_EQ(windowTitle(settings, 59, 16), "Vexmor | 59 FPS, AverageFrame 16 millis");
    settings.renderScale = 0.72f;
    EXPECT_EQ(windowTitle(settings, 59, 16),
              "Vexmor | 59 FPS, AverageFrame 16 millis | Scale 0.72");
    settings.showFrameStatistics = false;
    EXPECT_EQ(windowTitle(settings, 59, 16), "Vexmor");
}

TEST(WindowTitle, MipmapKeyCyclesThroughItsThreeModes) {
    RenderSettings settings;
    settings.showFrameStatistics = false;
    settings.stepMipmapMode();
    EXPECT_EQ(windowTitle(settings, 0, 0), "Vexmor | MipMap: nearest neighbor");
    settings.stepMipmapMode();
    EXPECT_EQ(windowTitle(settings, 0, 0), "Vexmor | MipMap: off");
    settings.stepMipmapMode();
    EXPECT_EQ(windowTitle(settings, 0, 0), "Vexmor");

    settings.mipmapMode = 7;
    settings.stepMipmapMode();
    EXPECT_EQ(settings.mipmapMode, 2);
}

TEST(WindowTitle, StatisticsOffLeavesTheNotesInOrderAndIgnoresTheNumbers) {
    RenderSettings settings;
    settings.showFrameStatistics = false;
    EXPECT_EQ(windowTitle(settings, 60, 16), "Vexmor");
    EXPECT_EQ(windowTitle(settings, 12, 80), "Vexmor");

    settings.wireframeMode = true;
    settings.textureFilterLinear = false;
    settings.mipmapMode = 0;
    settings.viewFrustumCulling = false;
    EXPECT_EQ(windowTitle(settings, 60, 16),
              "Vexmor | Wireframe-mode | Textures: nearest neighbor | MipMap: off"
              " | View frustum culling: off");

    settings.showFrameStatistics = true;
    settings.mipmapMode = 1;
    EXPECT_EQ(windowTitle(settings, 0, 0),
              "Vexmor | 0 FPS, AverageFrame 0 millis | Wireframe-mode"
              " | Textures: nearest neighbor | MipMap: nearest neighbor"
              " | View frustum culling: off");
}

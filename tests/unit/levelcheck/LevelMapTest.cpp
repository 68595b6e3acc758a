#include "levelcheck/LevelMap.h"
#include "common/TempDirectory.h"
#include "engine/FreeImageBitmap.h"
#include "levelcheck/LevelCheck.h"
#include "levelcheck/PngFile.h"
#include "levelloader/BlockAlignedObject.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <cmath>

using namespace Vexmor;
using namespace Vexmor::levelcheck;

namespace {

hud::RgbaImage::Pixel bytes(const glm::vec4& colour) {
    hud::RgbaImage::Pixel pixel;
    for (int i = 0; i < 4; ++i) {
        pixel[i] = static_cast<std::uint8_t>(std::lround(colour[i] * 255.0f));
    }
    return pixel;
}

class LevelMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A corridor through a door that lies fallen in the dark era and is locked in the
        // bright, to the machine's corner at 5|1|1, used from 5|1|2 and 6|1|2.
        dir.write("level.lvl", "xDim 8\nyDim 3\nzDim 4\nplayer 1 1 1\n"
                               "air 1 1 1\nair 2 1 1\ndoor 3 1 1 1 2\nair 4 1 1\n"
                               "timemachine 5 1 1\nair 6 1 1\nair 5 1 2\nair 6 1 2\n");
        report = checkLevel((dir.path() / "level.lvl").string());
        ASSERT_TRUE(report.passed()) << report.verdict;
        measures = measureLevel(*report.layout, *report.start);
    }

    TempDirectory dir;
    LevelReport report;
    LevelMeasures measures;
};

} // namespace

TEST_F(LevelMapTest, EachFloorShowsBothErasWithTheStartTheMachineAndTheDoorsState) {
    const LevelMap map(*report.layout, report.start->cell, measures);
    const hud::RgbaImage image = map.draw();
    // One floor: two panels of 8 x 4 cells side by side, with labels and the legend.
    EXPECT_EQ(image.width(), 408);
    EXPECT_EQ(image.height(), 320);

    const int dark = levelloader::darkEra;
    const int bright = levelloader::brightEra;
    // Off the route's line through the cell centres.
    const glm::ivec2 aside{-8, 6};
    const auto colourAt = [&](Cell cell, int era, glm::ivec2 offset) {
        const glm::ivec2 at = map.cellCentre(cell, era) + offset;
        return image.at(at.x, at.y);
    };
    EXPECT_EQ(colourAt({1, 1, 1}, dark, {-4, -4}), bytes(mapColour::start));
    EXPECT_EQ(colourAt({1, 1, 1}, bright, aside), bytes(mapColour::floor));
    EXPECT_EQ(colourAt({1, 1, 1}, dark, {0, 0}), bytes(mapColour::route));
    EXPECT_EQ(colourAt({1, 1, 1}, bright, {0, 0}), bytes(mapColour::floor));
    EXPECT_EQ(colourAt({3, 1, 1}, dark, aside), bytes(mapColour::doorFallen));
    EXPECT_EQ(colourAt({3, 1, 1}, bright, aside), bytes(mapColour::doorLocked));
    // The doorway lies in the door's +x face.
    EXPECT_EQ(colourAt({3, 1, 1}, bright, {LevelMap::cellSize / 2 - 2, 6}),
              bytes(mapColour::doorway));
    EXPECT_EQ(colourAt({3, 1, 1}, bright, {-LevelMap::cellSize / 2 + 2, 6}),
              bytes(mapColour::doorLocked));
    // The machine stands at its cell's +x+z corner and is used from the cells at z + 1.
    const glm::ivec2 corner{LevelMap::cellSize / 2, LevelMap::cellSize / 2};
    EXPECT_EQ(colourAt({5, 1, 1}, bright, corner), bytes(mapColour::machine));
    EXPECT_EQ(colourAt({6, 1, 2}, bright, {4, 6}), bytes(mapColour::machineUse));
    EXPECT_EQ(colourAt({4, 1, 2}, bright, {0, 0}), bytes(mapColour::rock));
}

TEST_F(LevelMapTest, TheMapIsWrittenAsAPngOrSaysWhyNot) {
    const hud::RgbaImage image = LevelMap(*report.layout, report.start->cell, measures).draw();
    const std::string file = (dir.path() / "map.png").string();
    ASSERT_EQ(writePng(image, file), "");
    const engine::FreeImageBitmap loaded(FreeImage_Load(FIF_PNG, file.c_str(), PNG_DEFAULT));
    ASSERT_TRUE(loaded);
    ASSERT_EQ(static_cast<int>(FreeImage_GetWidth(loaded.get())), image.width());
    ASSERT_EQ(static_cast<int>(FreeImage_GetHeight(loaded.get())), image.height());
    // A pixel of the door, locked in the bright era, comes back red, not blue.
    const glm::ivec2 door = LevelMap(*report.layout, report.start->cell, measures)
                                .cellCentre({3, 1, 1}, levelloader::brightEra) +
                            glm::ivec2(-8, 6);
    RGBQUAD colour;
    ASSERT_TRUE(
        FreeImage_GetPixelColor(loaded.get(), door.x, image.height() - 1 - door.y, &colour));
    const auto expected = bytes(mapColour::doorLocked);
    EXPECT_EQ(colour.rgbRed, expected[0]);
    EXPECT_EQ(colour.rgbGreen, expected[1]);
    EXPECT_EQ(colour.rgbBlue, expected[2]);

    const std::string failure = writePng(image, (dir.path() / "no" / "map.png").string());
    EXPECT_NE(failure.find("No such file"), std::string::npos) << failure;
}

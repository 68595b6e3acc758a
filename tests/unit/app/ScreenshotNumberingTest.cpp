#include "app/Screenshot.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using Vexmor::app::Screenshot;

TEST(ScreenshotNumbering, StartsAtTheFirstFreeNameAndSkipsTakenOnesLater) {
    const std::set<std::string> existing = {"screenshot0.png", "screenshot1.png", "screenshot3.png",
                                            "screenshot10.png", "screenshot4.jpg"};
    auto taken = [&](const std::string& name) { return existing.count(name) > 0; };

    EXPECT_EQ(Screenshot::firstFreeNumber(0, taken), 2);
    EXPECT_EQ(Screenshot::firstFreeNumber(3, taken), 4) << "only .png names count";
    EXPECT_EQ(Screenshot::firstFreeNumber(9, taken), 9);
    EXPECT_EQ(Screenshot::firstFreeNumber(10, taken), 11);
    EXPECT_EQ(Screenshot::firstFreeNumber(0, [](const std::string&) { return false; }), 0);
    EXPECT_EQ(Screenshot::fileName(12), "screenshot12.png");
}

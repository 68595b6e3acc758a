#include "engine/TextureLibrary.h"

#include <gtest/gtest.h>

using Vexmor::engine::TextureLibrary;

TEST(TextureImageDeathTest, AnImageThatCannotBeLoadedEndsTheGameWithStatusTwoAndNoPause) {
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            TextureLibrary::loadImage("img\\no such image.png");
        },
        ::testing::ExitedWithCode(2),
        "^\\[FATAL ERROR\\] Could not load image: img\\\\no such image.png\n$");
}

TEST(TextureImageDeathTest, AFileThatIsNoImageIsFatalToo) {
    EXPECT_EXIT(
        {
            dup2(STDERR_FILENO, STDOUT_FILENO);
            TextureLibrary::loadImage(VEXMOR_FIXTURES_DIR "/not-an-image.png");
        },
        ::testing::ExitedWithCode(2), "Could not load image: .*not-an-image.png\n$");
}

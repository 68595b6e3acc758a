#include "sound/SoundLibrary.h"
#include "common/CoutCapture.h"
#include "sound/OpenAlSoundEngine.h"
#include "sound/SilentSoundEngine.h"

#include <gtest/gtest.h>

#include <cstdlib>

using Vexmor::sound::OpenAlSoundEngine;
using Vexmor::sound::SilentSoundEngine;
using Vexmor::sound::SoundLibrary;

TEST(SoundLibrary, PlaysThroughOpenAlWhenThereIsADevice) {
    setenv("ALSOFT_DRIVERS", "null", 1);
    CoutCapture console;

    EXPECT_NE(dynamic_cast<OpenAlSoundEngine*>(SoundLibrary::getInstance().engine.get()), nullptr);
    SoundLibrary::destroyInstance();

    EXPECT_FALSE(SoundLibrary::hasInstance());
    EXPECT_EQ(console.text(), "");
}

// OpenAL takes its driver list once per process, so this runs in a fresh one.
TEST(SoundLibraryDeathTest, FallsBackToSilenceWithOneWarningWithoutADevice) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
            std::string output;
            bool silent = false;
            {
                CoutCapture console;
                silent = dynamic_cast<SilentSoundEngine*>(
                             SoundLibrary::getInstance().engine.get()) != nullptr;
                const auto music = SoundLibrary::getInstance().engine->play2D("sound\\none.mp3",
                                                                              true, false, true);
                silent = silent && music != nullptr;
                SoundLibrary::destroyInstance();
                output = console.text();
            }
            std::cerr << output;
            std::exit(silent ? 0 : 1);
        },
        ::testing::ExitedWithCode(0),
        "^\\[WARN\\] Sound: no audio device, playing silently\n"
        "\\[WARN\\] Sound: can't play 'sound\\\\none.mp3'\n$");
}

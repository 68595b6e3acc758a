#include "sound/SilentSoundEngine.h"
#include "SoundFiles.h"
#include "common/CoutCapture.h"

#include <chrono>
#include <fstream>
#include <thread>

using Vexmor::sound::SilentSoundEngine;

using SilentSoundEngineTest = SoundFilesTest;

TEST_F(SilentSoundEngineTest, KeepsTimeWithTheFileItWouldPlay) {
    ASSERT_TRUE(writeTone("sound/tone.wav", wav, 1, 1000));
    SilentSoundEngine engine;
    CoutCapture console;

    const auto music = engine.play2D("sound\\tone.wav", true, false, true);
    ASSERT_NE(music, nullptr);
    EXPECT_FALSE(music->isFinished());
    music->setVolume(0.25f);
    EXPECT_FLOAT_EQ(music->getVolume(), 0.25f);
    music->setPlayPosition(400);
    EXPECT_NEAR(music->getPlayPosition(), 400, 5);

    // The header says one second, so a looped track wraps there.
    music->setPlayPosition(980);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_LT(music->getPlayPosition(), 980u);

    const auto effect = engine.play2D("sound\\tone.wav", false, false, true);
    effect->setPlayPosition(990);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(effect->isFinished());

    music->stop();
    EXPECT_TRUE(music->isFinished());
    EXPECT_EQ(engine.play2D("sound\\tone.wav", false, false, false), nullptr);
    EXPECT_EQ(console.text(), "");
}

TEST_F(SilentSoundEngineTest, WarnsAboutFilesItCannotReadAndPlaysOn) {
    std::ofstream("sound/noise.wav") << "not a sound";
    SilentSoundEngine engine;
    CoutCapture console;

    const auto missing = engine.play2D("sound\\missing.mp3", true, false, true);
    EXPECT_EQ(engine.play2D("sound\\noise.wav", false, false, false), nullptr);

    EXPECT_EQ(console.text(), "[WARN] Sound: can't play 'sound\\missing.mp3'\n"
                              "[WARN] Sound: can't play 'sound\\noise.wav'\n");
    ASSERT_NE(missing, nullptr);
    missing->setPlayPosition(5000);
    EXPECT_GE(missing->getPlayPosition(), 5000u);
    EXPECT_FALSE(missing->isFinished());
}

#include "sound/SilentSoundEngine.h"
#include "SoundFiles.h"
#include "common/CoutCapture.h"

#include <fstream>

using Vexmor::sound::SilentSoundEngine;

using SilentSoundEngineTest = SoundFilesTest;

TEST_F(SilentSoundEngineTest, KeepsTimeWithTheFileItWouldPlay) {
    ASSERT_TRUE(writeTone("sound/tone.wav", wav, 1, 1000));
    double now = 100.0;
    SilentSoundEngine engine([&now] { return now; });
    CoutCapture console;

    const auto music = engine.play2D("sound\\tone.wav", true, false, true);
    ASSERT_NE(music, nullptr);
    EXPECT_FALSE(music->isFinished());
    music->setVolume(0.25f);
    EXPECT_FLOAT_EQ(music->getVolume(), 0.25f);
    music->setPlayPosition(400);
    EXPECT_NEAR(music->getPlayPosition(), 400, 1);
    now += 0.25;
    EXPECT_NEAR(music->getPlayPosition(), 650, 1);

    // The header says one second, so a looped track wraps there.
    music->setPlayPosition(980);
    now += 0.05;
    EXPECT_NEAR(music->getPlayPosition(), 30, 1) << "wrapped at the length";

    // An effect ends at its length and stays there.
    const auto effect = engine.play2D("sound\\tone.wav", false, false, true);
    effect->setPlayPosition(990);
    EXPECT_FALSE(effect->isFinished());
    now += 0.02;
    EXPECT_TRUE(effect->isFinished());
    EXPECT_NEAR(effect->getPlayPosition(), 1000, 1);

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

#include "sound/OpenAlSoundEngine.h"
#include "SoundFiles.h"
#include "common/CoutCapture.h"
#include "sound/OpenAlSound.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

using Vexmor::sound::OpenAlSound;
using Vexmor::sound::OpenAlSoundEngine;
using Vexmor::sound::Sound;

namespace {

bool heard(const std::unique_ptr<Sound>& sound) {
    return dynamic_cast<const OpenAlSound*>(sound.get()) != nullptr;
}

void sleepMilliseconds(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

} // namespace

// OpenAL reads its driver list once, on first use in the process: the null driver is a
// working device that needs no sound card. It mixes in steps of about 23 ms, which is as
// far as a position read can run ahead of the one just set.
class OpenAlSoundEngineTest : public SoundFilesTest {
protected:
    void SetUp() override {
        setenv("ALSOFT_DRIVERS", "null", 1);
        SoundFilesTest::SetUp();
        engine = OpenAlSoundEngine::open();
        ASSERT_NE(engine, nullptr);
    }

    std::unique_ptr<OpenAlSoundEngine> engine;
};

TEST_F(OpenAlSoundEngineTest, LoopedMusicFollowsTimeVolumeAndPosition) {
    ASSERT_TRUE(writeTone("sound/music.wav", wav, 2, 1000));
    CoutCapture console;

    const auto music = engine->play2D("sound\\music.wav", true, false, true);
    ASSERT_TRUE(heard(music));
    music->setVolume(0.3f);
    EXPECT_FLOAT_EQ(music->getVolume(), 0.3f);
    music->setPlayPosition(900);
    EXPECT_NEAR(music->getPlayPosition(), 900, 25);

    // 250 ms on from 900 ms into a one-second loop is about 150 ms.
    sleepMilliseconds(250);
    EXPECT_FALSE(music->isFinished());
    EXPECT_GT(music->getPlayPosition(), 50u);
    EXPECT_LT(music->getPlayPosition(), 600u);

    // A position beyond a looped track comes round again.
    music->setPlayPosition(1400);
    EXPECT_NEAR(music->getPlayPosition(), 400, 25);

    music->stop();
    EXPECT_TRUE(music->isFinished());
    EXPECT_EQ(console.text(), "");
}

TEST_F(OpenAlSoundEngineTest, PlaysMp3AndDecodesEachFileOnce) {
    if (!writeTone("sound/music.mp3", mp3, 1, 1000)) {
        GTEST_SKIP() << "this libsndfile writes no MP3";
    }
    CoutCapture console;

    const auto first = engine->play2D("sound\\music.mp3", true, false, true);
    ASSERT_TRUE(heard(first));
    first->setPlayPosition(700);
    EXPECT_NEAR(first->getPlayPosition(), 700, 25);

    // The second play must come from the decoded buffer, not the file.
    std::filesystem::remove("sound/music.mp3");
    const auto second = engine->play2D("sound\\music.mp3", true, false, true);
    EXPECT_TRUE(heard(second));
    EXPECT_EQ(console.text(), "");
}

TEST_F(OpenAlSoundEngineTest, UnheldSoundsPlayToTheirEndAndAreFreedLater) {
    ASSERT_TRUE(writeTone("sound/woosh.wav", wav, 1, 50));
    ASSERT_TRUE(writeTone("sound/music.wav", wav, 1, 1000));

    EXPECT_EQ(engine->play2D("sound\\woosh.wav", false, false, false), nullptr);
    auto held = engine->play2D("sound\\woosh.wav", false, false, true);
    auto dropped = engine->play2D("sound\\music.wav", true, false, true);
    EXPECT_EQ(engine->voiceCount(), 3u);
    dropped.reset();
    EXPECT_EQ(engine->voiceCount(), 3u);

    sleepMilliseconds(120);
    EXPECT_TRUE(held->isFinished());
    // The ended effect goes; the held one and the dropped loop, still playing, stay.
    EXPECT_EQ(engine->play2D("sound\\music.wav", false, false, false), nullptr);
    EXPECT_EQ(engine->voiceCount(), 3u);

    held.reset();
    engine->play2D("sound\\woosh.wav", false, false, false);
    EXPECT_EQ(engine->voiceCount(), 3u);
}

TEST_F(OpenAlSoundEngineTest, UnreadableFilesWarnAndPlaySilently) {
    std::ofstream("sound/noise.wav") << "not a sound";
    CoutCapture console;

    const auto music = engine->play2D("sound\\missing.mp3", true, false, true);
    EXPECT_EQ(engine->play2D("sound\\noise.wav", false, false, false), nullptr);
    engine->play2D("sound\\missing.mp3", true, false, false);

    EXPECT_EQ(console.text(), "[WARN] Sound: can't play 'sound\\missing.mp3'\n"
                              "[WARN] Sound: can't play 'sound\\noise.wav'\n"
                              "[WARN] Sound: can't play 'sound\\missing.mp3'\n");
    ASSERT_NE(music, nullptr);
    EXPECT_FALSE(heard(music));
    music->setPlayPosition(3000);
    EXPECT_GE(music->getPlayPosition(), 3000u);
    EXPECT_EQ(engine->voiceCount(), 0u);
}

TEST_F(OpenAlSoundEngineTest, HandlesOutlivingTheEngineAreSilentAndStopped) {
    ASSERT_TRUE(writeTone("sound/music.wav", wav, 1, 1000));
    const auto music = engine->play2D("sound\\music.wav", true, false, true);
    engine.reset();

    music->setVolume(1.0f);
    music->setPlayPosition(500);
    EXPECT_TRUE(music->isFinished());
    EXPECT_EQ(music->getPlayPosition(), 0u);
    EXPECT_EQ(music->getVolume(), 0.0f);
}

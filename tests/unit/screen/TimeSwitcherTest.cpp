#include "screen/TimeSwitcher.h"
#include "screen/TimeChangeListener.h"
#include "sound/SoundLibrary.h"

#include <gtest/gtest.h>

using Vexmor::screen::TimeSwitcher;

namespace {

class EraWatcher : public Vexmor::screen::TimeChangeListener {
public:
    explicit EraWatcher(const TimeSwitcher*& switcher) : switcher(switcher) {}
    bool allowsTimeChange() override {
        ++asked;
        return allows;
    }
    void timeChanged() override { erasSeen.push_back(switcher->isBright()); }

    const TimeSwitcher*& switcher;
    std::vector<bool> erasSeen;
    bool allows = true;
    int asked = 0;
};

class TimeSwitching : public ::testing::Test {
protected:
    void SetUp() override {
        switcher = std::make_unique<TimeSwitcher>(30.0f);
        watched = switcher.get();
        switcher->addListener(&watcher);
    }
    void TearDown() override {
        switcher.reset();
        Vexmor::sound::SoundLibrary::destroyInstance();
    }

    // Frames of 5/64 s move the progress by exactly 1/64, so half-way and the end are met
    // exactly.
    static constexpr double frame = 5.0 / 64.0;
    void run(double seconds) {
        for (double passed = 0.0; passed < seconds - 1e-9; passed += frame) {
            switcher->update(frame);
        }
    }

    std::unique_ptr<TimeSwitcher> switcher;
    const TimeSwitcher* watched = nullptr;
    EraWatcher watcher{watched};
};

} // namespace

TEST_F(TimeSwitching, ALevelStartsDarkWithOnlyTheDarkTrackAudible) {
    EXPECT_FALSE(switcher->isBright());
    EXPECT_FLOAT_EQ(switcher->getFogDistance(), -1.0f);
    EXPECT_FLOAT_EQ(switcher->getDarkMusic().getVolume(), 1.0f);
    EXPECT_FLOAT_EQ(switcher->getBrightMusic().getVolume(), 0.0f);
    switcher->update(1.0);
    EXPECT_FLOAT_EQ(switcher->getFogTimer(), 0.0f) << "nothing runs while idle";
}

TEST_F(TimeSwitching, FogClosesInFlipsOnceAtHalfWayAndLifts) {
    switcher->startSwitch();
    switcher->update(0.0);
    EXPECT_NEAR(switcher->getFogDistance(), 30.0f, 1e-4f);

    run(1.25);
    EXPECT_NEAR(switcher->getFogDistance(), 15.0f, 1e-3f);
    EXPECT_TRUE(watcher.erasSeen.empty());

    run(1.25);
    EXPECT_NEAR(switcher->getFogDistance(), 0.0f, 1e-4f);
    EXPECT_NEAR(switcher->getDarkMusic().getVolume(), 0.5f, 1e-6f);
    EXPECT_NEAR(switcher->getBrightMusic().getVolume(), 0.5f, 1e-6f);
    ASSERT_EQ(watcher.erasSeen, std::vector<bool>{true}) << "told after the flag flipped";

    switcher->startSwitch(); // ignored while running
    run(2.5 - frame);
    EXPECT_TRUE(switcher->isSwitching());
    run(frame);
    EXPECT_FALSE(switcher->isSwitching());
    EXPECT_FLOAT_EQ(switcher->getFogDistance(), -1.0f);
    EXPECT_EQ(watcher.erasSeen.size(), 1u);
    EXPECT_TRUE(switcher->isBright());
    // The fade stops short of its ends.
    EXPECT_LT(switcher->getDarkMusic().getVolume(), 0.003f);
    EXPECT_GT(switcher->getBrightMusic().getVolume(), 0.997f);

    // Back to dark: the fog timer keeps counting, the fade runs the other way.
    switcher->startSwitch();
    run(5.0);
    EXPECT_EQ(watcher.erasSeen, (std::vector<bool>{true, false}));
    EXPECT_FLOAT_EQ(switcher->getFogTimer(), 10.0f);
    EXPECT_GT(switcher->getDarkMusic().getVolume(), 0.997f);
}

// A screenshot or a window drag holds a frame up: the switch, its fog and its music go on
// from where they were, as after a short frame, and short frames still add up.
TEST_F(TimeSwitching, AHitchMovesTheSwitchOnByATenthOfASecondAtMost) {
    TimeSwitcher steady(30.0f);
    for (TimeSwitcher* each : {switcher.get(), &steady}) {
        each->startSwitch();
    }
    switcher->update(2.0);
    steady.update(0.1);
    EXPECT_FLOAT_EQ(switcher->getFogTimer(), 0.1f);
    EXPECT_FLOAT_EQ(switcher->getProgress(), steady.getProgress());
    EXPECT_FLOAT_EQ(switcher->getFogDistance(), steady.getFogDistance());
    EXPECT_FLOAT_EQ(switcher->getDarkMusic().getVolume(), steady.getDarkMusic().getVolume());

    for (int tenth = 0; tenth < 10; ++tenth) {
        switcher->update(0.1);
    }
    EXPECT_NEAR(switcher->getFogTimer(), 1.1f, 1e-5f);
    EXPECT_NEAR(switcher->getProgress(), 1.1f / TimeSwitcher::switchSeconds, 1e-6f);
    EXPECT_TRUE(watcher.erasSeen.empty());
}

TEST_F(TimeSwitching, TheIncomingTrackJoinsAtTheAudibleTracksPosition) {
    switcher->getDarkMusic().setPlayPosition(42000);
    switcher->startSwitch();
    EXPECT_NEAR(double(switcher->getBrightMusic().getPlayPosition()),
                double(switcher->getDarkMusic().getPlayPosition()), 20.0);
    EXPECT_GE(switcher->getBrightMusic().getPlayPosition(), 42000u);
}

TEST_F(TimeSwitching, ARefusedSwitchKeepsTheEraAndFadesBackTheWayItCame) {
    watcher.allows = false;
    switcher->startSwitch();
    run(2.5 - frame);
    EXPECT_EQ(watcher.asked, 0) << "asked at half-way, not before";
    const float darkBefore = switcher->getDarkMusic().getVolume();
    run(frame);
    EXPECT_EQ(watcher.asked, 1);
    EXPECT_TRUE(switcher->wasRefused());
    EXPECT_FALSE(switcher->isBright());
    EXPECT_TRUE(watcher.erasSeen.empty()) << "no flip was told";
    EXPECT_GT(switcher->getDarkMusic().getVolume(), darkBefore - 0.05f) << "no jump in the fade";
    run(2.5);
    EXPECT_FALSE(switcher->isSwitching());
    EXPECT_FLOAT_EQ(switcher->getFogDistance(), -1.0f);
    EXPECT_NEAR(switcher->getDarkMusic().getVolume(), 1.0f, 0.01f);
    EXPECT_NEAR(switcher->getBrightMusic().getVolume(), 0.0f, 0.01f);

    // The next switch asks again, and flips when allowed.
    watcher.allows = true;
    switcher->startSwitch();
    EXPECT_FALSE(switcher->wasRefused());
    run(5.0);
    EXPECT_EQ(watcher.asked, 2);
    EXPECT_TRUE(switcher->isBright());
    EXPECT_EQ(watcher.erasSeen, std::vector<bool>{true});
}

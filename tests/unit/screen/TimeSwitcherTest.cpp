#include "screen/TimeChangeListener.h"
#include "screen/TimeSwitcher.h"
#include "sound/SoundLibrary.h"

#include <gtest/gtest.h>

using Vexmor::screen::TimeSwitcher;

namespace {

class EraWatcher : public Vexmor::screen::TimeChangeListener {
public:
    explicit EraWatcher(const TimeSwitcher*& switcher) : switcher(switcher) {}
    void timeChanged() override { erasSeen.push_back(switcher->isBright()); }

    const TimeSwitcher*& switcher;
    std::vector<bool> erasSeen;
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

    switcher->update(1.25);
    EXPECT_NEAR(switcher->getFogDistance(), 15.0f, 1e-3f);
    EXPECT_TRUE(watcher.erasSeen.empty());

    switcher->update(1.25);
    EXPECT_NEAR(switcher->getFogDistance(), 0.0f, 1e-4f);
    EXPECT_NEAR(switcher->getDarkMusic().getVolume(), 0.5f, 1e-6f);
    EXPECT_NEAR(switcher->getBrightMusic().getVolume(), 0.5f, 1e-6f);
    ASSERT_EQ(watcher.erasSeen, std::vector<bool>{true}) << "told after the flag flipped";

    switcher->startSwitch(); // ignored while running
    switcher->update(2.4);
    EXPECT_TRUE(switcher->isSwitching());
    switcher->update(0.2);
    EXPECT_FALSE(switcher->isSwitching());
    EXPECT_FLOAT_EQ(switcher->getFogDistance(), -1.0f);
    EXPECT_EQ(watcher.erasSeen.size(), 1u);
    EXPECT_TRUE(switcher->isBright());
    // The fade stops short of its ends.
    EXPECT_LT(switcher->getDarkMusic().getVolume(), 0.003f);
    EXPECT_GT(switcher->getBrightMusic().getVolume(), 0.997f);
}

TEST_F(TimeSwitching, ALongFrameJumpsPastTheFlipAndTheNextOneEndsTheSwitch) {
    switcher->startSwitch();
    switcher->update(3.0);
    EXPECT_EQ(watcher.erasSeen.size(), 1u);
    EXPECT_EQ(switcher->getState(), 2) << "the flip frame does not also end the switch";
    switcher->update(3.0);
    EXPECT_EQ(switcher->getState(), 0);
    EXPECT_FLOAT_EQ(switcher->getFogTimer(), 6.0f);

    // Back to dark: the fog timer keeps counting, the fade runs the other way.
    switcher->startSwitch();
    switcher->update(2.5);
    EXPECT_EQ(watcher.erasSeen, (std::vector<bool>{true, false}));
    switcher->update(2.5);
    EXPECT_FLOAT_EQ(switcher->getFogTimer(), 11.0f);
    EXPECT_GT(switcher->getDarkMusic().getVolume(), 0.997f);
}

TEST_F(TimeSwitching, TheIncomingTrackJoinsAtTheAudibleTracksPosition) {
    switcher->getDarkMusic().setPlayPosition(42000);
    switcher->startSwitch();
    EXPECT_NEAR(double(switcher->getBrightMusic().getPlayPosition()),
                double(switcher->getDarkMusic().getPlayPosition()), 20.0);
    EXPECT_GE(switcher->getBrightMusic().getPlayPosition(), 42000u);
}

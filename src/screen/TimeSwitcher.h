#pragma once

#include "sound/Sound.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Vexmor::screen {

class TimeChangeListener;

// Runs the level's era switch: five seconds in which fog closes in, the era flips at the
// densest point and the fog lifts, while the two eras' music tracks cross-fade. Owns the
// era flag the whole level reads and both music tracks.
class TimeSwitcher {
public:
    static constexpr float switchSeconds = 5.0f;

    // Starts both tracks: the dark one audible, the bright one silent.
    explicit TimeSwitcher(float maxFogDistance);
    // Stops both tracks.
    ~TimeSwitcher();
    TimeSwitcher(const TimeSwitcher&) = delete;
    TimeSwitcher& operator=(const TimeSwitcher&) = delete;

    void addListener(TimeChangeListener* listener);
    // Ignored while a switch runs.
    void startSwitch();
    // Moves the switch on by the frame time, but by a tenth of a second at most.
    void update(double seconds);

    // Scales both tracks, as a pause lowers the music; 1 is full.
    void setMusicLevel(float level);

    bool isBright() const { return bright; }
    bool isSwitching() const { return state != 0; }
    int getState() const { return state; }
    // -1 when no switch runs.
    float getFogDistance() const { return fogDistance; }
    // Seconds spent switching in this level; drives the fog's swirl.
    float getFogTimer() const { return fogTimer; }
    float getProgress() const { return progress; }
    // True from the half-way point of a switch a listener refused until the next switch.
    bool wasRefused() const { return refused; }
    sound::Sound& getDarkMusic() const { return *darkMusic; }
    sound::Sound& getBrightMusic() const { return *brightMusic; }

private:
    float fogDistance = -1.0f;
    float maxFogDistance;
    // 0 idle, 1 before the flip, 2 after it.
    std::int32_t state = 0;
    float fogTimer = 0.0f;
    float progress = 0.0f;
    bool bright = false;
    bool brightAtStart = false;
    bool refused = false;
    void applyVolumes();

    // The cross-fade's share of each track, before the music level.
    float darkShare = 1.0f;
    float brightShare = 0.0f;
    float musicLevel = 1.0f;
    std::unique_ptr<sound::Sound> darkMusic;
    std::unique_ptr<sound::Sound> brightMusic;
    std::vector<TimeChangeListener*> listeners;
};

} // namespace Vexmor::screen

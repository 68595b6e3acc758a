#include "screen/TimeSwitcher.h"

#include "engine/AnimationStep.h"
#include "screen/TimeChangeListener.h"
#include "sound/SoundLibrary.h"

#include <algorithm>
#include <cmath>

namespace Vexmor::screen {

namespace {

constexpr float twoPi = 6.2831855f;
constexpr float pi = 3.1415927f;

} // namespace

TimeSwitcher::TimeSwitcher(float maxFogDistance) : maxFogDistance(maxFogDistance) {
    sound::SoundEngine& engine = *sound::SoundLibrary::getInstance().engine;
    darkMusic = engine.play2D("sound\\VexmorDark.mp3", true, false, true);
    brightMusic = engine.play2D("sound\\VexmorBright.mp3", true, false, true);
    applyVolumes();
}

void TimeSwitcher::setMusicLevel(float level) {
    musicLevel = level;
    applyVolumes();
}

void TimeSwitcher::applyVolumes() {
    const float level = musicLevel * sound::SoundLibrary::getInstance().engine->getMusicVolume();
    darkMusic->setVolume(darkShare * level);
    brightMusic->setVolume(brightShare * level);
}

TimeSwitcher::~TimeSwitcher() {
    darkMusic->stop();
    darkMusic.reset();
    brightMusic->stop();
    brightMusic.reset();
}

void TimeSwitcher::addListener(TimeChangeListener* listener) {
    listeners.push_back(listener);
}

void TimeSwitcher::startSwitch() {
    if (state != 0) {
        return;
    }
    state = 1;
    progress = 0.0f;
    refused = false;
    brightAtStart = bright;
    // The incoming track joins where the audible one is, so the fade stays in time.
    if (bright) {
        darkMusic->setPlayPosition(brightMusic->getPlayPosition());
    } else {
        brightMusic->setPlayPosition(darkMusic->getPlayPosition());
    }
}

void TimeSwitcher::update(double seconds) {
    if (state == 0) {
        return;
    }
    const float s = static_cast<float>(engine::animationStep(seconds));
    fogTimer += s;
    progress += s / switchSeconds;
    fogDistance = (1.0f - (std::cos(twoPi * progress - pi) + 1.0f) * 0.5f) * maxFogDistance;

    // A refused switch fades the music back the way it came.
    const float fadeProgress = refused ? 1.0f - progress : progress;
    const float fade = (static_cast<float>(std::tanh(6.0f * fadeProgress - 3.0f)) + 1.0f) * 0.5f;
    darkShare = brightAtStart ? fade : 1.0f - fade;
    brightShare = brightAtStart ? 1.0f - fade : fade;
    applyVolumes();

    if (state == 1 && progress >= 0.5f) {
        state = 2;
        refused = std::any_of(listeners.begin(), listeners.end(), [](TimeChangeListener* listener) {
            return !listener->allowsTimeChange();
        });
        if (refused) {
            return;
        }
        bright = !bright;
        for (TimeChangeListener* listener : listeners) {
            listener->timeChanged();
        }
        return;
    }
    if (progress >= 1.0f) {
        state = 0;
        fogDistance = -1.0f;
    }
}

} // namespace Vexmor::screen

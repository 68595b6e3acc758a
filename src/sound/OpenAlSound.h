#pragma once

#include "sound/OpenAlObjects.h"
#include "sound/Sound.h"

#include <memory>

namespace Vexmor::sound {

// The game's handle on one play of the OpenAL engine. Once the engine is gone the sound
// behaves as stopped and silent.
class OpenAlSound : public Sound {
public:
    explicit OpenAlSound(std::weak_ptr<openal::Voice> voice) : voice(std::move(voice)) {}
    ~OpenAlSound() override;
    OpenAlSound(const OpenAlSound&) = delete;
    OpenAlSound& operator=(const OpenAlSound&) = delete;

    void setVolume(float volume) override;
    float getVolume() const override;
    std::uint32_t getPlayPosition() override;
    void setPlayPosition(std::uint32_t milliseconds) override;
    void stop() override;
    bool isFinished() override;

private:
    std::weak_ptr<openal::Voice> voice;
};

} // namespace Vexmor::sound

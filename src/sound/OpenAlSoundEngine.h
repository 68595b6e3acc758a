#pragma once

#include "sound/OpenAlObjects.h"
#include "sound/SoundEngine.h"

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Vexmor::sound {

// Plays through OpenAL on the default device. Each file is decoded once and shared by all
// its plays; every play gets a source of its own. Only one engine may exist at a time, as
// it makes its context the current one.
class OpenAlSoundEngine : public SoundEngine {
public:
    // Null when no audio device or context can be had.
    static std::unique_ptr<OpenAlSoundEngine> open();

    OpenAlSoundEngine(openal::Device device, openal::Context context);

    std::unique_ptr<Sound> play2D(const std::string& fileName, bool loop, bool startPaused,
                                  bool track) override;

    // Plays still held: playing, or kept by a handle of the game.
    std::size_t voiceCount() const { return voices.size(); }

private:
    const openal::DecodedSound* decoded(const std::string& fileName);
    std::shared_ptr<openal::Voice> start(const openal::DecodedSound& sound, bool loop,
                                         bool startPaused);
    void reapEnded();

    // Declared in the order they are needed; released in reverse.
    openal::Device device;
    openal::Context context;
    std::map<std::string, openal::DecodedSound> cache;
    std::vector<std::shared_ptr<openal::Voice>> voices;
};

} // namespace Vexmor::sound

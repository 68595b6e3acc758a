#pragma once

#include "app/PlayerFile.h"
#include "app/Settings.h"

namespace Vexmor::app {

// settings.toml in the player's configuration directory: one flat key per setting. A value
// of the wrong type, out of its range or unknown is warned about with its line and the
// default used; every other key is kept. Unknown keys are warned about and dropped.
class SettingsFile {
public:
    // Reads the file at once; its warnings go to `warn`.
    SettingsFile(const std::filesystem::path& configDirectory, WarningSink warn);

    // What the file held, defaults for anything it did not.
    const Settings& settings() const { return loaded; }
    void save(const Settings& settings);

private:
    PlayerFile file;
    Settings loaded;
};

} // namespace Vexmor::app

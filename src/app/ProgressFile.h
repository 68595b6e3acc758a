#pragma once

#include "app/PlayerFile.h"
#include "app/Progress.h"

namespace Vexmor::app {

// progress.toml in the player's data directory: one [[levels]] table per finished level,
// with its line from the level list (a string value, so any line round-trips) and its best
// time in seconds, kept to six digits. An entry without a usable line or time is warned
// about with its line and left out.
class ProgressFile {
public:
    // Reads the file at once; its warnings go to `warn`.
    ProgressFile(const std::filesystem::path& dataDirectory, WarningSink warn);

    // What the file held; nothing finished when it held nothing usable.
    const Progress& progress() const { return loaded; }
    void save(const Progress& progress);

private:
    PlayerFile file;
    Progress loaded;
};

} // namespace Vexmor::app

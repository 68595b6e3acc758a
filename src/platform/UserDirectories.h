#pragma once

#include <filesystem>
#include <functional>

namespace Vexmor::platform {

// Where a player's own files live, after the XDG base directory rules. These are host
// paths, not game file names: they never pass through hostPath.
struct UserDirectories {
    // $XDG_CONFIG_HOME/vexmor, else ~/.config/vexmor: the settings.
    std::filesystem::path configDirectory;
    // $XDG_DATA_HOME/vexmor, else ~/.local/share/vexmor: the progress.
    std::filesystem::path dataDirectory;
};

// `getenv` looks a variable up, null when it is not set. A variable that is empty or
// relative counts as unset. Without an absolute HOME either, the directory is empty: there
// is then nowhere to keep that file.
UserDirectories userDirectories(const std::function<const char*(const char*)>& getenv);

} // namespace Vexmor::platform

#include "platform/UserDirectories.h"

namespace Vexmor::platform {

namespace {

std::filesystem::path absoluteOrEmpty(const char* text) {
    const std::filesystem::path path = text != nullptr ? text : "";
    return path.is_absolute() ? path : std::filesystem::path();
}

std::filesystem::path gameDirectory(const std::function<const char*(const char*)>& getenv,
                                    const char* variable, const char* underHome) {
    std::filesystem::path base = absoluteOrEmpty(getenv(variable));
    if (base.empty()) {
        const std::filesystem::path home = absoluteOrEmpty(getenv("HOME"));
        if (home.empty()) {
            return {};
        }
        base = home / underHome;
    }
    return base / "vexmor";
}

} // namespace

UserDirectories userDirectories(const std::function<const char*(const char*)>& getenv) {
    return {gameDirectory(getenv, "XDG_CONFIG_HOME", ".config"),
            gameDirectory(getenv, "XDG_DATA_HOME", ".local/share")};
}

} // namespace Vexmor::platform

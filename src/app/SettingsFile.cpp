#include "app/SettingsFile.h"

namespace Vexmor::app {

namespace {

struct NumberSetting {
    const char* key;
    float Settings::*member;
    SettingRange range;
};

struct FlagSetting {
    const char* key;
    bool Settings::*member;
};

constexpr NumberSetting numberSettings[] = {
    {"mouse_sensitivity", &Settings::mouseSensitivity, Settings::mouseSensitivityRange},
    {"field_of_view", &Settings::fieldOfView, Settings::fieldOfViewRange},
    {"music_volume", &Settings::musicVolume, Settings::volumeRange},
    {"effects_volume", &Settings::effectsVolume, Settings::volumeRange},
};

constexpr FlagSetting flagSettings[] = {
    {"invert_y", &Settings::invertY},
    {"full_screen", &Settings::fullScreen},
    {"frame_statistics", &Settings::frameStatistics},
};

toml::table entriesOf(const Settings& settings) {
    toml::table entries;
    for (const NumberSetting& number : numberSettings) {
        entries.insert(number.key, static_cast<double>(settings.*number.member));
    }
    for (const FlagSetting& flag : flagSettings) {
        entries.insert(flag.key, settings.*flag.member);
    }
    if (settings.renderScale) {
        entries.insert("render_scale", static_cast<double>(*settings.renderScale));
    } else {
        entries.insert("render_scale", "auto");
    }
    entries.insert("look", lookName(settings.look));
    return entries;
}

enum class Reading { Taken, Invalid, Unknown };

Reading take(std::string_view key, const toml::node& node, Settings& settings) {
    for (const NumberSetting& number : numberSettings) {
        if (key == number.key) {
            const std::optional<double> value =
                node.is_number() ? node.value<double>() : std::nullopt;
            if (!value || !number.range.contains(*value)) {
                return Reading::Invalid;
            }
            settings.*number.member = static_cast<float>(*value);
            return Reading::Taken;
        }
    }
    for (const FlagSetting& flag : flagSettings) {
        if (key == flag.key) {
            if (!node.is_boolean()) {
                return Reading::Invalid;
            }
            settings.*flag.member = node.as_boolean()->get();
            return Reading::Taken;
        }
    }
    if (key == "render_scale") {
        if (node.value_exact<std::string>() == "auto") {
            settings.renderScale.reset();
            return Reading::Taken;
        }
        const std::optional<double> scale = node.is_number() ? node.value<double>() : std::nullopt;
        if (!scale || !Settings::renderScaleRange.contains(*scale)) {
            return Reading::Invalid;
        }
        settings.renderScale = static_cast<float>(*scale);
        return Reading::Taken;
    }
    if (key == "look") {
        const std::optional<Look> look = lookNamed(node.value_exact<std::string>().value_or(""));
        if (!look) {
            return Reading::Invalid;
        }
        settings.look = *look;
        return Reading::Taken;
    }
    return Reading::Unknown;
}

} // namespace

SettingsFile::SettingsFile(const std::filesystem::path& configDirectory, WarningSink warn)
    : file(configDirectory, "settings.toml",
           {"Settings", "using default settings", "settings are not saved"}, std::move(warn)) {
    const toml::table defaults = entriesOf(Settings{});
    for (const auto& [key, node] : file.entries()) {
        const Reading reading = take(key->str(), *node, loaded);
        if (reading == Reading::Invalid) {
            file.warnAt(key->source(), std::string(key->str()) + " = " + file.written(*node) +
                                           " is not valid; using " +
                                           PlayerFile::formatted(*defaults.get(*key)));
        } else if (reading == Reading::Unknown) {
            file.warnAt(key->source(), std::string(key->str()) + " is unknown; ignored");
        }
    }
}

void SettingsFile::save(const Settings& settings) {
    file.save(entriesOf(settings));
}

} // namespace Vexmor::app

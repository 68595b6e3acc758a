#include "app/SettingsFile.h"

#include "common/TempDirectory.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using Vexmor::app::Look;
using Vexmor::app::Settings;
using Vexmor::app::SettingsFile;

namespace {

auto fields(const Settings& s) {
    return std::tie(s.mouseSensitivity, s.invertY, s.fieldOfView, s.musicVolume, s.effectsVolume,
                    s.fullScreen, s.renderScale, s.look, s.frameStatistics);
}

struct SettingsPlace {
    TempDirectory temporary;
    std::filesystem::path directory = temporary.path() / "config" / "vexmor";
    std::filesystem::path file = directory / "settings.toml";
    std::vector<std::string> warnings;

    SettingsFile open() {
        return SettingsFile(directory,
                            [this](const std::string& line) { warnings.push_back(line); });
    }
    void write(const std::string& text) const {
        temporary.write("config/vexmor/settings.toml", text);
    }
};

} // namespace

TEST(SettingsFile, AMissingFileGivesTheDefaultsAndASavedOneReadsBack) {
    SettingsPlace place;
    EXPECT_EQ(fields(place.open().settings()), fields(Settings{}));

    Settings changed;
    changed.mouseSensitivity = 0.55f;
    changed.invertY = true;
    changed.fieldOfView = 60.0f;
    changed.musicVolume = 0.0f;
    changed.effectsVolume = 0.3f;
    changed.fullScreen = true;
    changed.renderScale = 0.65f;
    changed.look = Look::Fast;
    changed.frameStatistics = true;
    place.open().save(changed);
    EXPECT_EQ(fields(place.open().settings()), fields(changed));
    EXPECT_EQ(fileBytes(place.file).rfind("version = 1\n", 0), 0u);
    EXPECT_NE(fileBytes(place.file).find("mouse_sensitivity = 0.55\n"), std::string::npos);
    EXPECT_TRUE(place.warnings.empty());
}

TEST(SettingsFile, ABadValueIsWarnedAboutWithItsLineAndGetsTheDefault) {
    SettingsPlace place;
    place.write("version = 1\n"
                "mouse_sensitivity = 9.50\n"
                "invert_y = true\n"
                "field_of_view = \"wide\"\n"
                "look = 'fäncy'   # mine\n"
                "render_scale = 0.25\n"
                "music_volume = 0.3\n"
                "full_screen = 1\n"
                "colour = 'red'\n");
    const Settings settings = place.open().settings();
    EXPECT_TRUE(settings.invertY);
    EXPECT_FLOAT_EQ(settings.musicVolume, 0.3f);
    Settings expected = settings;
    expected.invertY = false;
    expected.musicVolume = 1.0f;
    EXPECT_EQ(fields(expected), fields(Settings{}));

    const std::string start = "[WARN] Settings '" + place.file.string() + "' line ";
    const std::vector<std::string> warnings{
        start + "2: mouse_sensitivity = 9.50 is not valid; using 0.5",
        start + "4: field_of_view = \"wide\" is not valid; using 45.0",
        start + "5: look = 'fäncy' is not valid; using 'auto'",
        start + "6: render_scale = 0.25 is not valid; using 'auto'",
        start + "8: full_screen = 1 is not valid; using false",
        start + "9: colour is unknown; ignored",
    };
    EXPECT_EQ(place.warnings, warnings);
}

TEST(SettingsFile, AnUnreadableFileIsKeptBesideWithoutReplacingAnEarlierOne) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"version = 1\nlook = \n", "(line 2)"},
        {"look = 'fast'\n", "it has no version"},
        {"version = '1'\n", "its version is not a whole number (line 1)"},
    };
    for (const auto& [text, why] : cases) {
        SettingsPlace place;
        place.write(text);
        place.temporary.write("config/vexmor/settings.toml.bad", "an earlier one");
        EXPECT_EQ(place.open().settings().look, Look::Auto);

        const std::string path = place.file.string();
        ASSERT_EQ(place.warnings.size(), 1u) << text;
        EXPECT_EQ(place.warnings[0].rfind("[WARN] Can't read '" + path + "': ", 0), 0u);
        EXPECT_NE(
            place.warnings[0].find(why + "; kept as '" + path + ".bad.1', using default settings"),
            std::string::npos)
            << place.warnings[0];
        EXPECT_EQ(fileBytes(path + ".bad.1"), text);
        EXPECT_EQ(fileBytes(path + ".bad"), "an earlier one");
        EXPECT_FALSE(std::filesystem::exists(place.file));
    }

    SettingsPlace place;
    std::filesystem::create_directories(place.file);
    place.open().save(Settings{});
    EXPECT_EQ(place.warnings,
              std::vector<std::string>{"[WARN] Can't read '" + place.file.string() +
                                       "': Is a directory; kept as '" + place.file.string() +
                                       ".bad', using default settings"});
    EXPECT_TRUE(std::filesystem::is_directory(place.file.string() + ".bad"));
    EXPECT_TRUE(std::filesystem::is_regular_file(place.file));
}

TEST(SettingsFile, AnUnwritableDirectoryIsWarnedAboutOnce) {
    SettingsPlace place;
    place.temporary.write("config", "a file where the directory should be");
    SettingsFile file = place.open();
    file.save(Settings{});
    file.save(Settings{});
    ASSERT_EQ(place.warnings.size(), 1u);
    EXPECT_EQ(place.warnings[0].rfind("[WARN] Can't save '" + place.file.string() + "': ", 0), 0u);
}

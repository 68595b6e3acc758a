#include "InstallTree.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string appId = "io.github.vexmor.vexmor";

std::map<std::string, std::string> desktopKeys(const fs::path& entry) {
    std::map<std::string, std::string> keys;
    std::istringstream lines(fileText(entry));
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos) {
            keys[line.substr(0, equals)] = line.substr(equals + 1);
        }
    }
    return keys;
}

// Width and height from a PNG's header.
std::pair<std::uint32_t, std::uint32_t> pngSize(const std::string& png) {
    const auto word = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4 && at + i < png.size(); ++i) {
            value = value << 8 | static_cast<unsigned char>(png[at + i]);
        }
        return value;
    };
    return {word(16), word(20)};
}

} // namespace

// The menu entry, the software-centre metadata and the manual, each checked by the tool
// its desktop ecosystem checks it with.
TEST(InstallDesktopE2E, MenuEntryMetainfoAndManualPassTheirValidators) {
    InstallTree install;
    const fs::path entry = install.prefix() / "share" / "applications" / (appId + ".desktop");
    int status = -1;
    EXPECT_EQ(
        commandOutput("desktop-file-validate " + shellQuoted(entry.string()) + " 2>&1", &status),
        "");
    EXPECT_EQ(status, 0);
    auto keys = desktopKeys(entry);
    // The prefix holds a space, so the menu quotes the launcher's path.
    EXPECT_EQ(keys["Exec"], "\"" + install.launcher().string() + "\"");
    EXPECT_EQ(keys["Icon"], appId);
    EXPECT_EQ(keys["Categories"], "Game;LogicGame;");
    EXPECT_EQ(keys["Terminal"], "false");

    const fs::path metainfo = install.prefix() / "share" / "metainfo" / (appId + ".metainfo.xml");
    const std::string verdict = commandOutput("appstreamcli validate --no-net --pedantic " +
                                                  shellQuoted(metainfo.string()) + " 2>&1",
                                              &status);
    EXPECT_EQ(status, 0) << verdict;
    EXPECT_EQ(verdict.find("\nP:"), std::string::npos) << verdict;
    const std::string meta = fileText(metainfo);
    for (const std::string& part : std::vector<std::string>{
             "<id>" + appId + "</id>", "<launchable type=\"desktop-id\">" + appId + ".desktop<",
             std::string("<description>"), std::string("<screenshot type=\"default\">"),
             std::string("<content_rating type=\"oars-1.1\""),
             std::string("<release version=\"") + VEXMOR_VERSION + "\""}) {
        EXPECT_NE(meta.find(part), std::string::npos) << part;
    }

    const fs::path manual = install.prefix() / "share" / "man" / "man6" / "vexmor.6.gz";
    EXPECT_EQ(commandOutput("LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l " +
                            shellQuoted(manual.string()) + " 2>&1 >/dev/null"),
              "");
    EXPECT_EQ(commandOutput("lexgrog " + shellQuoted(manual.string()), &status),
              manual.string() + ": \"vexmor - first-person puzzle game across two eras of the "
                                "same place\"\n");
    EXPECT_EQ(status, 0);
    const std::string page =
        commandOutput("MANWIDTH=200 man -l " + shellQuoted(manual.string()) + " 2>/dev/null");
    for (const std::string& section : std::vector<std::string>{
             "CONTROLS", "FILES", "ENVIRONMENT", "EXIT STATUS", "XDG_DATA_HOME", "VEXMOR_NO_DIALOG",
             "vexmor.log", install.data().string() + "/"}) {
        EXPECT_NE(page.find(section), std::string::npos) << section;
    }
}

TEST(InstallDesktopE2E, TheIconComesInEveryThemeSizeAndShowsTheWindowIcon) {
    InstallTree install;
    for (const std::uint32_t size : {16u, 24u, 32u, 48u, 64u, 128u, 256u}) {
        const std::string side = std::to_string(size);
        const fs::path icon = install.prefix() / "share" / "icons" / "hicolor" /
                              (side + "x" + side) / "apps" / (appId + ".png");
        const std::string png = fileText(icon);
        ASSERT_FALSE(png.empty()) << icon;
        EXPECT_EQ(pngSize(png), std::make_pair(size, size)) << icon;
        if (size == 64) {
            EXPECT_EQ(png, fileText(install.data() / "img" / "icon.png"));
        }
    }
}

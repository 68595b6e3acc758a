#include "InstallTree.h"

#include <gtest/gtest.h>

#include <iostream>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

// The files and links below `root`, relative to it.
std::set<std::string> installedFiles(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_directory() || entry.is_symlink()) {
            files.insert(fs::relative(entry.path(), root).string());
        }
    }
    return files;
}

} // namespace

// `cpack -G DEB` from the build: a package of what `cmake --install` installs, under /usr.
TEST(InstallPackageE2E, TheDebianPackageHoldsTheInstallAndLintianFindsNoError) {
    TempDirectory out;
    int status = -1;
    const std::string made = commandOutput("cd " + shellQuoted(VEXMOR_BUILD_DIR) + " && " +
                                               shellQuoted(VEXMOR_CPACK_COMMAND) + " -G DEB -B " +
                                               shellQuoted(out.path().string()) + " 2>&1",
                                           &status);
    ASSERT_EQ(status, 0) << made;
    const std::string architecture = trimmed(commandOutput("dpkg --print-architecture"));
    const fs::path package =
        out.path() / ("vexmor_" + std::string(VEXMOR_VERSION) + "_" + architecture + ".deb");
    ASSERT_TRUE(fs::exists(package)) << made;
    const std::string deb = shellQuoted(package.string());

    const auto field = [&](const std::string& name) {
        return trimmed(commandOutput("dpkg-deb -f " + deb + " " + name));
    };
    EXPECT_EQ(field("Package"), "vexmor");
    EXPECT_EQ(field("Version"), VEXMOR_VERSION);
    EXPECT_EQ(field("Architecture"), architecture);
    EXPECT_EQ(field("Section"), "games");
    EXPECT_NE(field("Maintainer"), "");
    // Found by dpkg-shlibdeps in the binary, with versions from the libraries' symbols.
    const std::string depends = field("Depends");
    for (const char* library : {"libc6 (>= ", "libglfw3 (>= ", "libfreeimage3 (>= ",
                                "libopenal1 (>= ", "libsndfile1 (>= ", "libboost-filesystem"}) {
        EXPECT_NE(depends.find(library), std::string::npos) << depends;
    }

    // What `cmake --install` puts below its prefix, under /usr; only the launcher moves, to
    // where Debian keeps the commands of games.
    const fs::path unpacked = out.path() / "unpacked";
    ASSERT_EQ(std::system(("dpkg-deb -x " + deb + " " + shellQuoted(unpacked.string())).c_str()),
              0);
    InstallTree install;
    std::set<std::string> expected = installedFiles(install.prefix());
    ASSERT_EQ(expected.erase("bin/vexmor"), 1u);
    expected.insert("games/vexmor");
    EXPECT_EQ(installedFiles(unpacked / "usr"), expected);
    EXPECT_EQ(fileText(unpacked / "usr" / "share" / "vexmor" / "levels" / "levels.ini"),
              fileText(install.data() / "levels" / "levels.ini"));
    EXPECT_NE(
        fileText(unpacked / "usr" / "share" / "applications" / "io.github.vexmor.vexmor.desktop")
            .find("\nExec=/usr/games/vexmor\n"),
        std::string::npos);
    const std::string sections = commandOutput(
        "readelf -S " + shellQuoted((unpacked / "usr/libexec/vexmor/vexmor").string()));
    EXPECT_NE(sections.find(".text"), std::string::npos);
    EXPECT_EQ(sections.find(".symtab"), std::string::npos) << "the game is stripped";

    const std::string verdict = commandOutput("lintian " + deb + " 2>/dev/null", &status);
    std::cout << "lintian:\n" << verdict;
    EXPECT_EQ(status, 0) << verdict;
    std::istringstream lines(verdict);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_NE(line.rfind("E: ", 0), 0u) << line;
        EXPECT_NE(line.rfind("W: ", 0), 0u) << line;
    }
}

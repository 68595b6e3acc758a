#pragma once

#include <istream>
#include <string>
#include <vector>

namespace Vexmor::screen {

// The level list file: one level path per line. Lines are trimmed and every run of
// white space inside is cut to its first character; blank lines and lines starting
// with '#' are skipped.
class LevelList {
public:
    // A comment line "# Chapter: <name>": the levels from `firstLevel` on belong to it.
    struct Chapter {
        std::size_t firstLevel = 0;
        std::string name;
        bool operator==(const Chapter& other) const {
            return firstLevel == other.firstLevel && name == other.name;
        }
    };

    // The level files of a list in play order, and a "[WARN] " line for everything a level
    // designer should hear of before playing: a list that can't be read, and every level
    // file it names that does not exist.
    struct Reading {
        std::vector<std::string> levelFiles;
        std::vector<std::string> warnings;
        std::vector<Chapter> chapters;
    };

    // Reads the list of the game's file name (backslashes), which the warnings show.
    static Reading read(const std::string& listName);
    static std::vector<std::string> parse(std::istream& in,
                                          std::vector<Chapter>* chapters = nullptr);
    // The normalised line, as the list reads it.
    static std::string normalise(const std::string& line);
};

} // namespace Vexmor::screen

#pragma once

#include <istream>
#include <string>

namespace Vexmor::levelloader {

// A level's title: the text after "# Title: " on its first such comment line, or else the
// file's own name without folder and extension. Being a comment, the line is skipped by
// the level loader like any other.
class LevelTitle {
public:
    // Reads the level file of the game's file name (backslashes); a file that can't be read
    // has no title line.
    static std::string read(const std::string& levelFile);
    // The title found in `in`, or the fallback when there is none or it is empty.
    static std::string parse(std::istream& in, const std::string& fallback);
    // "levels\03_doors.lvl" is "03_doors".
    static std::string fileTitle(const std::string& levelFile);
};

} // namespace Vexmor::levelloader

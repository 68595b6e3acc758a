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
    static std::vector<std::string> parse(std::istream& in);
    // The normalised line, as the list reads it.
    static std::string normalise(const std::string& line);
};

} // namespace Vexmor::screen

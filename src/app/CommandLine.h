#pragma once

#include <optional>
#include <string>
#include <vector>

namespace Vexmor::app {

// What the game was asked on its command line: nothing (the title screen), or
// `--level FILE` to play that one level file.
struct CommandLine {
    std::string levelFile;
    // Set when the arguments are not understood: the line to print before ending.
    std::optional<std::string> usageError;

    static CommandLine parse(const std::vector<std::string>& arguments);
    static constexpr const char* usage = "Usage: vexmor [--level FILE]";
};

} // namespace Vexmor::app

#include "InstallTree.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace fs = std::filesystem;

InstallTree::InstallTree() : root(directory.path() / "vexmor prefix") {
    const std::string install = shellQuoted(VEXMOR_CMAKE_COMMAND) + " --install " +
                                shellQuoted(VEXMOR_BUILD_DIR) + " --prefix " +
                                shellQuoted(root.string()) + " >/dev/null";
    int status = 0;
    commandOutput(install, &status);
    if (status != 0) {
        throw std::runtime_error("cmake --install failed");
    }
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

std::string commandOutput(const std::string& command, int* status) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("can't run " + command);
    }
    std::string output;
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, got);
    }
    const int result = pclose(pipe);
    if (status != nullptr) {
        *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    }
    return output;
}

std::string fileText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string treeListing(const fs::path& directory) {
    return commandOutput("cd " + shellQuoted(directory.string()) +
                         " && find . -printf '%y %m %s %T@ %p -> %l\\n' | LC_ALL=C sort");
}

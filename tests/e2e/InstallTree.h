#pragma once

#include "GameProcess.h"

#include <filesystem>
#include <string>

// The game as `cmake --install` leaves it, in a temporary prefix whose path holds a space.
class InstallTree {
public:
    InstallTree();

    const std::filesystem::path& prefix() const { return root; }
    std::filesystem::path launcher() const { return root / "bin" / "vexmor"; }
    std::filesystem::path data() const { return root / "share" / "vexmor"; }

private:
    TempDirectory directory;
    std::filesystem::path root;
};

// The text in single quotes for the shell.
std::string shellQuoted(const std::string& text);

// Runs a shell command and returns what it printed on standard output; `status` gets its
// exit status.
std::string commandOutput(const std::string& command, int* status = nullptr);

std::string fileText(const std::filesystem::path& file);

// Every entry below `directory` with its type, size, time and link target: two listings
// differ when anything in the tree was added, removed, written or touched.
std::string treeListing(const std::filesystem::path& directory);

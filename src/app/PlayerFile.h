#pragma once

#include <toml++/toml.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace Vexmor::app {

// Takes one console line (without its end) that the caller prints.
using WarningSink = std::function<void(const std::string&)>;

// One of the player's own files: TOML, "version = 1" first. Read when made, written
// atomically on every save. Nothing the player made is lost silently: a file that cannot
// be read or parsed is warned about and kept beside as "<file>.bad" (or ".bad.1", ... the
// first free name), and a file from a newer version of the game is warned about and never
// written in this run. Either way play goes on from what an empty file gives.
class PlayerFile {
public:
    static constexpr std::int64_t version = 1;

    // How the warnings speak of what the file holds.
    struct Wording {
        // Starts the warnings about single entries: "Settings".
        const char* title;
        // What play goes on from: "using default settings".
        const char* fallback;
        // "settings are not saved".
        const char* notSaved;
    };

    // Reads `fileName` in `directory`. An empty directory (no home to keep files in) is
    // neither read nor written.
    PlayerFile(const std::filesystem::path& directory, const char* fileName, Wording wording,
               WarningSink warn);

    struct Entry {
        const toml::key* key;
        const toml::node* node;
    };
    // The file's entries but its version, in the file's order so that warnings follow it;
    // none when there was no usable file.
    std::vector<Entry> entries() const;

    // "[WARN] <title> '<file>' line <n>: <what>".
    void warnAt(const toml::source_region& where, const std::string& what) const;
    // The node's text as it stands in the file (its first line, if it spans more).
    std::string written(const toml::node& node) const;
    // As the file would write `node`.
    static std::string formatted(const toml::node& node);

    // Replaces the file with "version = 1" and `entries`. A failure is warned about once a
    // run; play goes on.
    void save(const toml::table& entries);

private:
    void read();
    std::string readProblem();
    void keepAside(const std::string& why);

    std::filesystem::path path;
    bool homeless;
    Wording wording;
    WarningSink warn;
    std::string text;
    toml::table table;
    // Newer than this game, or unreadable and could not be moved out of the way.
    bool leftAlone = false;
    bool saveFailed = false;
};

} // namespace Vexmor::app

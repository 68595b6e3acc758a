#include "app/PlayerFile.h"

#include "platform/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string_view>

namespace Vexmor::app {

namespace {

namespace fs = std::filesystem;

// Floats in at most six digits: the files stay readable ("0.05", not 0.050000000000000003),
// and best times keep their hundredths up to two and a half hours.
constexpr toml::format_flags formatFlags =
    toml::toml_formatter::default_flags | toml::format_flags::relaxed_float_precision;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// toml++ counts columns in code points, from 1.
std::size_t byteAtColumn(std::string_view line, toml::source_index column) {
    std::size_t at = 0;
    for (toml::source_index counted = 1; counted < column && at < line.size(); ++counted) {
        do {
            ++at;
        } while (at < line.size() && (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80);
    }
    return at;
}

bool taken(const fs::path& path) {
    std::error_code unknown;
    return fs::exists(fs::symlink_status(path, unknown));
}

} // namespace

PlayerFile::PlayerFile(const fs::path& directory, const char* fileName, Wording wording,
                       WarningSink warn)
    : path(directory / fileName), homeless(directory.empty()), wording(wording),
      warn(std::move(warn)) {
    if (!homeless) {
        read();
    }
}

void PlayerFile::read() {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        if (errno != ENOENT && errno != ENOTDIR) {
            keepAside(std::strerror(errno));
        }
        return;
    }
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        text.append(buffer, count);
    }
    if (std::ferror(file.get())) {
        keepAside(std::strerror(errno));
        return;
    }
    const std::string why = readProblem();
    if (!why.empty()) {
        keepAside(why);
    }
}

std::string PlayerFile::readProblem() {
    try {
        table = toml::parse(text, std::string_view(path.native()));
    } catch (const toml::parse_error& error) {
        return std::string(error.description()) + " (line " +
               std::to_string(error.source().begin.line) + ")";
    }
    const toml::node* versionNode = table.get("version");
    if (versionNode == nullptr) {
        return "it has no version";
    }
    const std::string where = " (line " + std::to_string(versionNode->source().begin.line) + ")";
    const toml::value<std::int64_t>* number = versionNode->as_integer();
    if (number == nullptr) {
        return "its version is not a whole number" + where;
    }
    if (number->get() < 1) {
        return "there is no version " + std::to_string(number->get()) + where;
    }
    if (number->get() > version) {
        warn("[WARN] '" + path.string() + "' was written by a newer version of the game; " +
             "it is left as it is and " + wording.notSaved);
        leftAlone = true;
        table.clear();
        return "";
    }
    table.erase("version");
    return "";
}

void PlayerFile::keepAside(const std::string& why) {
    table.clear();
    fs::path aside = path.string() + ".bad";
    for (int number = 1; taken(aside); ++number) {
        aside = path.string() + ".bad." + std::to_string(number);
    }
    std::string line = "[WARN] Can't read '" + path.string() + "': " + why + "; ";
    const int failure = std::rename(path.c_str(), aside.c_str()) == 0 ? 0 : errno;
    if (failure == 0) {
        line += "kept as '" + aside.string() + "', " + wording.fallback;
    } else {
        // Saving would replace it, and it may be all the player has.
        leftAlone = true;
        line += "could not keep it as '" + aside.string() + "' (" + std::strerror(failure) +
                "), so it is left as it is and " + wording.notSaved + ", " + wording.fallback;
    }
    warn(line);
}

std::vector<PlayerFile::Entry> PlayerFile::entries() const {
    std::vector<Entry> found;
    for (const auto& [key, node] : table) {
        found.push_back({&key, &node});
    }
    std::stable_sort(found.begin(), found.end(), [](const Entry& one, const Entry& other) {
        return one.key->source().begin.line < other.key->source().begin.line;
    });
    return found;
}

void PlayerFile::warnAt(const toml::source_region& where, const std::string& what) const {
    warn(std::string("[WARN] ") + wording.title + " '" + path.string() + "' line " +
         std::to_string(where.begin.line) + ": " + what);
}

std::string PlayerFile::written(const toml::node& node) const {
    const toml::source_region& where = node.source();
    std::size_t start = 0;
    for (toml::source_index line = 1; line < where.begin.line; ++line) {
        start = text.find('\n', start) + 1;
    }
    std::string_view line(text);
    line = line.substr(start, line.find('\n', start) - start);
    const std::size_t from = byteAtColumn(line, where.begin.column);
    const std::size_t to = where.end.line == where.begin.line ? byteAtColumn(line, where.end.column)
                                                              : line.find_last_not_of(" \t\r") + 1;
    return std::string(line.substr(from, to - from));
}

std::string PlayerFile::formatted(const toml::node& node) {
    std::ostringstream text;
    text << toml::toml_formatter(node, formatFlags);
    return text.str();
}

void PlayerFile::save(const toml::table& entries) {
    if (leftAlone) {
        return;
    }
    std::string failure = "there is no home directory to keep it in";
    if (!homeless) {
        std::string content = "version = " + std::to_string(version) + "\n";
        if (!entries.empty()) {
            content += "\n" + formatted(entries) + "\n";
        }
        failure = platform::writeFileAtomically(path, content);
    }
    if (!failure.empty() && !saveFailed) {
        saveFailed = true;
        warn("[WARN] Can't save '" + path.string() + "': " + failure);
    }
}

} // namespace Vexmor::app

#include "app/ProgressFile.h"

#include <cmath>

namespace Vexmor::app {

namespace {

bool takeLevel(const toml::node& node, Progress& progress) {
    const toml::table* level = node.as_table();
    if (level == nullptr) {
        return false;
    }
    const std::optional<std::string> line = (*level)["level"].value_exact<std::string>();
    const toml::node* time = level->get("best_time");
    const std::optional<double> seconds =
        time != nullptr && time->is_number() ? time->value<double>() : std::nullopt;
    if (!line || !seconds || !std::isfinite(*seconds) || *seconds < 0.0) {
        return false;
    }
    progress.finish(*line, *seconds);
    return true;
}

} // namespace

ProgressFile::ProgressFile(const std::filesystem::path& dataDirectory, WarningSink warn)
    : file(dataDirectory, "progress.toml",
           {"Progress", "playing from no progress", "progress is not saved"}, std::move(warn)) {
    for (const auto& [key, node] : file.entries()) {
        if (*key != "levels") {
            file.warnAt(key->source(), std::string(key->str()) + " is unknown; ignored");
        } else if (!node->is_array()) {
            file.warnAt(key->source(), "levels is not a list of [[levels]] tables; ignored");
        } else {
            for (const toml::node& level : *node->as_array()) {
                if (!takeLevel(level, loaded)) {
                    file.warnAt(level.source(),
                                "a level needs its line as level and a best_time of 0 seconds "
                                "or more; this one is left out");
                }
            }
        }
    }
}

void ProgressFile::save(const Progress& progress) {
    toml::array levels;
    for (const auto& [line, seconds] : progress.levels()) {
        levels.push_back(toml::table{{"level", line}, {"best_time", seconds}});
    }
    file.save(toml::table{{"levels", std::move(levels)}});
}

} // namespace Vexmor::app

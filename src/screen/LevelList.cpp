#include "screen/LevelList.h"

#include "platform/Paths.h"

#include <boost/algorithm/string/trim_all.hpp>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace Vexmor::screen {

LevelList::Reading LevelList::read(const std::string& listName) {
    Reading reading;
    const std::string host = platform::hostPath(listName);
    std::error_code failure;
    const fs::file_status status = fs::status(host, failure);
    if (!fs::exists(status)) {
        reading.warnings.push_back("[WARN] Level list '" + listName +
                                   "' is missing; there are no levels to play");
        return reading;
    }
    std::ifstream in(host);
    if (!fs::is_regular_file(status) || !in) {
        reading.warnings.push_back("[WARN] Level list '" + listName +
                                   "' can't be read; there are no levels to play");
        return reading;
    }
    reading.levelFiles = parse(in, &reading.chapters);
    for (const std::string& levelFile : reading.levelFiles) {
        // The same test the level's own loading makes when it is reached.
        if (!fs::exists(platform::hostPath(levelFile), failure)) {
            reading.warnings.push_back("[WARN] Level list '" + listName + "' names '" + levelFile +
                                       "', which does not exist");
        }
    }
    return reading;
}

std::string LevelList::normalise(const std::string& line) {
    // trim_all keeps the first character of each inner run of white space.
    return boost::algorithm::trim_all_copy(line);
}

std::vector<std::string> LevelList::parse(std::istream& in, std::vector<Chapter>* chapters) {
    static const std::string chapterMark = "Chapter:";
    std::vector<std::string> paths;
    std::string line;
    while (std::getline(in, line)) {
        std::string path = normalise(line);
        if (chapters != nullptr && !path.empty() && path.front() == '#') {
            const std::string comment = normalise(path.substr(1));
            std::string name = comment.compare(0, chapterMark.size(), chapterMark) == 0
                                   ? normalise(comment.substr(chapterMark.size()))
                                   : std::string();
            if (!name.empty()) {
                chapters->push_back({paths.size(), std::move(name)});
            }
        }
        if (path.empty() || path.front() == '#') {
            continue;
        }
        paths.push_back(std::move(path));
    }
    return paths;
}

} // namespace Vexmor::screen

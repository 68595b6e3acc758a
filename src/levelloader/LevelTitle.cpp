#include "levelloader/LevelTitle.h"

#include "platform/Paths.h"

#include <boost/algorithm/string/trim.hpp>

#include <fstream>

namespace Vexmor::levelloader {

namespace {

const std::string titleTag = "# Title:";

} // namespace

std::string LevelTitle::read(const std::string& levelFile) {
    std::ifstream in(platform::hostPath(levelFile));
    return parse(in, fileTitle(levelFile));
}

std::string LevelTitle::parse(std::istream& in, const std::string& fallback) {
    std::string line;
    while (std::getline(in, line)) {
        // Trimmed as the level loader trims every line (a CR before the line feed with it).
        boost::algorithm::trim(line);
        if (line == titleTag || line.rfind(titleTag + " ", 0) == 0) {
            const std::string title = boost::algorithm::trim_copy(line.substr(titleTag.size()));
            return title.empty() ? fallback : title;
        }
    }
    return fallback;
}

std::string LevelTitle::fileTitle(const std::string& levelFile) {
    const std::size_t slash = levelFile.find_last_of("\\/");
    std::string name = slash == std::string::npos ? levelFile : levelFile.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

} // namespace Vexmor::levelloader

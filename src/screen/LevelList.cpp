#include "screen/LevelList.h"

#include <boost/algorithm/string/trim_all.hpp>

namespace Vexmor::screen {

std::string LevelList::normalise(const std::string& line) {
    // trim_all keeps the first character of each inner run of white space.
    return boost::algorithm::trim_all_copy(line);
}

std::vector<std::string> LevelList::parse(std::istream& in) {
    std::vector<std::string> paths;
    std::string line;
    while (std::getline(in, line)) {
        std::string path = normalise(line);
        if (path.empty() || path.front() == '#') {
            continue;
        }
        paths.push_back(std::move(path));
    }
    return paths;
}

} // namespace Vexmor::screen

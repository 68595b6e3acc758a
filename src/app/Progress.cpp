#include "app/Progress.h"

namespace Vexmor::app {

void Progress::finish(const std::string& levelLine, double seconds) {
    const auto [found, added] = best.emplace(levelLine, seconds);
    if (!added && seconds < found->second) {
        found->second = seconds;
    }
}

bool Progress::isFinished(const std::string& levelLine) const {
    return best.count(levelLine) != 0;
}

std::optional<double> Progress::bestTime(const std::string& levelLine) const {
    const auto found = best.find(levelLine);
    if (found == best.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace Vexmor::app

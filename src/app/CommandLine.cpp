#include "app/CommandLine.h"

namespace Vexmor::app {

CommandLine CommandLine::parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (arguments.empty()) {
        return line;
    }
    if (arguments.size() == 2 && arguments[0] == "--level" && !arguments[1].empty()) {
        line.levelFile = arguments[1];
        return line;
    }
    line.usageError = usage;
    return line;
}

} // namespace Vexmor::app

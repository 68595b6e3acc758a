#include "platform/Paths.h"

#include <algorithm>

namespace Vexmor::platform {

std::string hostPath(const std::string& name) {
    std::string path = name;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

} // namespace Vexmor::platform

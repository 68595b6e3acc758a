#include "levelloader/FactoryChecks.h"

namespace Vexmor::levelloader {

bool acceptsLine(const std::string& name, std::int32_t minParams, const Tokens& params,
                 std::ostream& out) {
    if (params.empty()) {
        out << "Tag '" << name << "' can't be created without any arguments(size of params = 0)"
            << std::endl;
        return false;
    }
    if (params[0] != name) {
        out << "Wrong factory called! Factory name is '" << name
            << "', but requested instance name is '" << params[0] << "'" << std::endl;
        return false;
    }
    if (static_cast<std::int64_t>(params.size()) < minParams) {
        out << "Tag '" << name << "' has a wrong number of arguments(expected >= " << minParams
            << ", found " << params.size() << ")" << std::endl;
        return false;
    }
    return true;
}

} // namespace Vexmor::levelloader

#pragma once

#include "levelloader/ParseContext.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace Vexmor::levelloader {

// The checks every factory makes before it reads a line: some tokens, its own tag, and
// enough of them. Prints why a line is refused.
bool acceptsLine(const std::string& name, std::int32_t minParams, const Tokens& params,
                 std::ostream& out);

} // namespace Vexmor::levelloader

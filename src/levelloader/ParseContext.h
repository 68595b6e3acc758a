#pragma once

#include "levelloader/TokenNumbers.h"

#include <ostream>
#include <string>
#include <vector>

namespace Vexmor::levelloader {

using Tokens = std::vector<std::string>;

// What turning one tag line into an object needs besides the tokens: strict numbers
// that know the line, and where warnings go.
struct ParseContext {
    const TokenNumbers& numbers;
    std::ostream& out;
};

} // namespace Vexmor::levelloader

#pragma once

#include <stdexcept>
#include <string>

namespace Vexmor::levelloader {

// A fatal fault in a level file, carried from deep in the parse to the loader, which
// reports it; it never leaves the level loading.
class LevelFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace Vexmor::levelloader

#pragma once

#include <cstddef>
#include <string>

// How often `line` occurs in `text`, without overlaps.
inline int count(const std::string& text, const std::string& line) {
    int found = 0;
    for (std::size_t at = text.find(line); at != std::string::npos;
         at = text.find(line, at + line.size())) {
        ++found;
    }
    return found;
}

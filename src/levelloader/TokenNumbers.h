#pragma once

#include <cstdint>
#include <string>

namespace Vexmor::levelloader {

class TextFileReader;

// Number conversion for level lines: a token that is no number is a fatal level fault
// naming the token and the line.
class TokenNumbers {
public:
    explicit TokenNumbers(const TextFileReader& reader);

    std::int32_t toInt(const std::string& token) const;
    float toFloat(const std::string& token) const;
    // The one-based number of the line the tokens come from, as an editor shows it.
    std::int32_t line() const;

private:
    [[noreturn]] void invalid(const std::string& token) const;

    const TextFileReader& reader;
};

} // namespace Vexmor::levelloader

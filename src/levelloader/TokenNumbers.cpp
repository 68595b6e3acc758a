#include "levelloader/TokenNumbers.h"

#include "levelloader/LevelFormatError.h"
#include "levelloader/NumberConversion.h"
#include "levelloader/TextFileReader.h"

namespace Vexmor::levelloader {

TokenNumbers::TokenNumbers(const TextFileReader& reader) : reader(reader) {}

std::int32_t TokenNumbers::toInt(const std::string& token) const {
    std::int32_t value = 0;
    if (!levelloader::toInt(token, value)) {
        invalid(token);
    }
    return value;
}

float TokenNumbers::toFloat(const std::string& token) const {
    float value = 0.0f;
    if (!levelloader::toFloat(token, value)) {
        invalid(token);
    }
    return value;
}

std::int32_t TokenNumbers::line() const {
    return reader.tokensLineNumber() + 1;
}

void TokenNumbers::invalid(const std::string& token) const {
    throw LevelFormatError("Invalid number '" + token + "' in line " + std::to_string(line()) +
                           "!");
}

} // namespace Vexmor::levelloader

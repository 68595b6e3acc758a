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

void TokenNumbers::invalid(const std::string& token) const {
    // The one-based number of the line the token stands on, as an editor shows it.
    throw LevelFormatError("Invalid number '" + token + "' in line " +
                           std::to_string(reader.tokensLineNumber() + 1) + "!");
}

} // namespace Vexmor::levelloader

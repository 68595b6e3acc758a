#pragma once

#include <cstdint>
#include <string_view>

namespace Vexmor::levelloader {

// Strict conversions of a whole token, with the rules of boost::lexical_cast (optional sign,
// digits, for reals a fraction, an exponent and inf/nan). They return false instead of
// throwing and allocate nothing for ordinary numbers.
bool toInt(std::string_view token, std::int32_t& value);
bool toFloat(std::string_view token, float& value);

} // namespace Vexmor::levelloader

#include "levelloader/NumberConversion.h"

#include <boost/lexical_cast/try_lexical_convert.hpp>

#include <algorithm>
#include <charconv>

namespace Vexmor::levelloader {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips a run of digits; false when there is none.
bool skipDigits(const char*& at, const char* end) {
    const char* start = at;
    at = std::find_if_not(at, end, isDigit);
    return at != start;
}

// -123, -1.5, 2e-3: the forms every OBJ exporter writes. lexical_cast accepts them all and
// rounds like from_chars does, so only these take the fast road.
bool isPlainReal(std::string_view token) {
    const char* at = token.data();
    const char* end = at + token.size();
    if (at != end && *at == '-') {
        ++at;
    }
    if (!skipDigits(at, end)) {
        return false;
    }
    if (at != end && *at == '.') {
        ++at;
        if (!skipDigits(at, end)) {
            return false;
        }
    }
    if (at != end && (*at == 'e' || *at == 'E')) {
        ++at;
        if (at != end && (*at == '-' || *at == '+')) {
            ++at;
        }
        if (!skipDigits(at, end)) {
            return false;
        }
    }
    return at == end;
}

} // namespace

bool toInt(std::string_view token, std::int32_t& value) {
    return boost::conversion::try_lexical_convert(token.data(), token.size(), value);
}

bool toFloat(std::string_view token, float& value) {
    if (isPlainReal(token)) {
        const char* end = token.data() + token.size();
        const auto [stop, failure] = std::from_chars(token.data(), end, value);
        if (failure == std::errc() && stop == end) {
            return true;
        }
    }
    // lexical_cast reads reals through a stream, which allocates; rare forms and the
    // range limits are left to it so its verdict stands.
    return boost::conversion::try_lexical_convert(token.data(), token.size(), value);
}

} // namespace Vexmor::levelloader

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

// Up to nine digits with an optional minus cannot overflow; lexical_cast takes them all.
bool shortInt(std::string_view token, std::int32_t& value) {
    const bool negative = !token.empty() && token.front() == '-';
    const std::string_view digits = token.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 9) {
        return false;
    }
    std::int32_t magnitude = 0;
    for (const char c : digits) {
        if (!isDigit(c)) {
            return false;
        }
        magnitude = 10 * magnitude + (c - '0');
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

// A plain real whose digits make an integer of at most 2^24 and whose decimal exponent
// lies within ten of zero: both are exact floats, so one multiplication or division
// rounds correctly, as from_chars and lexical_cast do. Most exporters' numbers are such.
bool shortReal(std::string_view token, float& value) {
    constexpr float powers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    constexpr std::uint64_t largest = std::uint64_t(1) << 24;
    const char* at = token.data();
    const char* end = at + token.size();
    const bool negative = at != end && *at == '-';
    at += negative ? 1 : 0;
    std::uint64_t mantissa = 0;
    // How many digits were taken into the mantissa; -1 once it passes 2^24.
    const auto takeDigits = [&at, end, &mantissa]() -> int {
        const char* first = at;
        for (; at != end && isDigit(*at); ++at) {
            mantissa = 10 * mantissa + static_cast<std::uint64_t>(*at - '0');
            if (mantissa > largest) {
                return -1;
            }
        }
        return static_cast<int>(at - first);
    };
    if (takeDigits() <= 0) {
        return false;
    }
    int exponent = 0;
    if (at != end && *at == '.') {
        ++at;
        const int decimals = takeDigits();
        if (decimals <= 0) {
            return false;
        }
        exponent = -decimals;
    }
    if (at != end || exponent < -10) {
        return false;
    }
    const auto magnitude = static_cast<float>(mantissa) / powers[-exponent];
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

bool toInt(std::string_view token, std::int32_t& value) {
    return shortInt(token, value) ||
           boost::conversion::try_lexical_convert(token.data(), token.size(), value);
}

bool toFloat(std::string_view token, float& value) {
    if (shortReal(token, value)) {
        return true;
    }
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

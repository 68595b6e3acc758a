#pragma once

#include <ostream>
#include <streambuf>

namespace Vexmor::fuzz {

// Takes every character and keeps none, so the messages are still formatted (and their
// code still runs under the sanitizers) without filling the fuzzer's output.
class NullBuffer : public std::streambuf {
protected:
    int_type overflow(int_type ch) override { return traits_type::not_eof(ch); }
    std::streamsize xsputn(const char_type* /*text*/, std::streamsize count) override {
        return count;
    }
};

class NullStream : public std::ostream {
public:
    NullStream() : std::ostream(&buffer) {}

private:
    NullBuffer buffer;
};

} // namespace Vexmor::fuzz

#pragma once

namespace Vexmor::screen {

// Told once per era switch, half-way through, after the era flag has flipped.
class TimeChangeListener {
public:
    virtual ~TimeChangeListener() = default;

    virtual void timeChanged() = 0;
};

} // namespace Vexmor::screen

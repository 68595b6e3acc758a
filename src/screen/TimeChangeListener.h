#pragma once

namespace Vexmor::screen {

// Told once per era switch, half-way through, after the era flag has flipped.
class TimeChangeListener {
public:
    virtual ~TimeChangeListener() = default;

    // Asked half-way through, before the flip: a listener that says no keeps the era, and
    // the switch fades out as it came.
    virtual bool allowsTimeChange() { return true; }
    virtual void timeChanged() = 0;
};

} // namespace Vexmor::screen

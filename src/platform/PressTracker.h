#pragma once

namespace Vexmor::platform {

// One button polled once a frame: tells a fresh press (or release) from a button held
// since the last look.
class PressTracker {
public:
    // Down now and not at the last look.
    bool pressed(bool downNow) {
        const bool fresh = downNow && !wasDown;
        wasDown = downNow;
        return fresh;
    }
    // Up now and down at the last look.
    bool released(bool downNow) {
        const bool fresh = !downNow && wasDown;
        wasDown = downNow;
        return fresh;
    }
    // Looks without acting: a button already down (held while a level loads) waits for its
    // release before it can press again.
    void sample(bool downNow) { wasDown = downNow; }

private:
    bool wasDown = false;
};

} // namespace Vexmor::platform

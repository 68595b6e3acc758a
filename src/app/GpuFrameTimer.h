#pragma once

#include <array>
#include <cstdint>

namespace Vexmor::app {

// How long the graphics card took to draw a frame, measured with timer queries and read a
// few frames later, so that asking never stalls the frame. On graphics hardware the frame
// loop waits for the display, so the time between frames says nothing of the headroom.
class GpuFrameTimer {
public:
    GpuFrameTimer();
    ~GpuFrameTimer();
    GpuFrameTimer(const GpuFrameTimer&) = delete;
    GpuFrameTimer& operator=(const GpuFrameTimer&) = delete;

    void begin();
    void end();
    // The newest finished frame's time in seconds; 0 until one has finished.
    double latestSeconds() const { return latest; }

private:
    static constexpr std::size_t depth = 4;
    std::array<std::uint32_t, depth> queries{};
    std::array<bool, depth> pending{};
    std::size_t next = 0;
    double latest = 0.0;
};

} // namespace Vexmor::app

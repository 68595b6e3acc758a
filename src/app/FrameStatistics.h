#pragma once

namespace Vexmor::app {

// Running means of the frame rate and the frame time, shown in the window title about
// once a second. A refresh shows the means of the frames since the previous refresh,
// not counting the frame that triggers it.
class FrameStatistics {
public:
    // Adds one frame; true when the title is due for a refresh with the new
    // displayed values.
    bool addFrame(double frameDelta);

    int getDisplayedFps() const { return displayedFps; }
    int getDisplayedMillis() const { return displayedMillis; }

private:
    void restart(double frameDelta);
    void addSample(double frameDelta);

    double titleAccumulator = 0.0;
    double meanFps = 0.0;
    double meanFrameTime = 0.0;
    // Frames in the frame-time mean, and those in the rate mean: a zero delta from a
    // coarse timer has no rate and stays out of the latter.
    int sampleCount = 0;
    int fpsSampleCount = 0;
    int displayedFps = 0;
    int displayedMillis = 0;
};

} // namespace Vexmor::app

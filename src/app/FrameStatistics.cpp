#include "app/FrameStatistics.h"

namespace Vexmor::app {

bool FrameStatistics::addFrame(double frameDelta) {
    titleAccumulator += frameDelta;
    bool refresh = false;
    if (titleAccumulator > 1.0) {
        displayedFps = static_cast<int>(meanFps);
        displayedMillis = static_cast<int>(meanFrameTime * 1000.0);
        titleAccumulator = 0.0;
        refresh = true;
    }
    if (refresh || sampleCount == 0) {
        restart(frameDelta);
    } else {
        addSample(frameDelta);
    }
    return refresh;
}

void FrameStatistics::restart(double frameDelta) {
    sampleCount = 0;
    fpsSampleCount = 0;
    meanFps = 0.0;
    meanFrameTime = 0.0;
    addSample(frameDelta);
}

void FrameStatistics::addSample(double frameDelta) {
    const double n = sampleCount + 1;
    meanFrameTime = ((n - 1.0) * meanFrameTime) / n + frameDelta / n;
    sampleCount += 1;
    if (frameDelta > 0.0) {
        const double m = fpsSampleCount + 1;
        meanFps = (1.0 / frameDelta) / m + ((m - 1.0) * meanFps) / m;
        fpsSampleCount += 1;
    }
}

} // namespace Vexmor::app

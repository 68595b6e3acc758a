#pragma once

namespace Vexmor::hud {

// How long a level's title shows: three seconds, fading out over the last half. The first
// frame after the start is not counted, because its time went to loading the level, and a
// later hitch counts no more than a short frame, so the card is never skipped.
class TitleTimer {
public:
    static constexpr double showSeconds = 3.0;
    static constexpr double fadeSeconds = 0.5;

    void advance(double seconds);
    bool isShowing() const { return shown < showSeconds; }
    // 1 until the fade begins, then down to 0 at the end.
    float opacity() const;

private:
    double shown = 0.0;
    bool loadingFrame = true;
};

} // namespace Vexmor::hud

#pragma once

namespace Vexmor::screen {

// Anything the frame loop (or the game screen, for levels) drives: init once, then
// update and render each frame, then close.
class Screen {
public:
    virtual ~Screen() = default;

    virtual void init() = 0;
    virtual void close() = 0;
    // Wall-clock seconds since the previous frame; the first value includes loading.
    virtual void update(double seconds) = 0;
    virtual void render() = 0;
    // True after a frame whose time says nothing of the usual cost (a level loading, an
    // era switch): the render scale holds still.
    virtual bool holdsRenderScale() const { return false; }
    // A level told it is paused lowers its music and lets the mouse go; told it runs again,
    // it takes the mouse back without a jump of the view.
    virtual void setPaused(bool /*paused*/) {}
    // Turns the view about the vertical, as the title screen's slow pan over a level does.
    virtual void turnView(float /*degrees*/) {}
};

} // namespace Vexmor::screen

#pragma once

namespace Vexmor::engine {

// While it lives, drawing reaches one pixel of the target, with depth test and back-face
// culling on as in a frame. A software rasteriser builds its code for a program and a
// state at the first draw in them; a draw clipped like this pays for that building and
// little else. The end waits for the draws and puts the state back.
class OnePixelClip {
public:
    OnePixelClip();
    ~OnePixelClip();
    OnePixelClip(const OnePixelClip&) = delete;
    OnePixelClip& operator=(const OnePixelClip&) = delete;

private:
    bool depthTest;
    bool cullFace;
};

} // namespace Vexmor::engine

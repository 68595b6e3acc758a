#pragma once

namespace Vexmor::platform {

// The process's exit status names the cause of a fatal error.
enum class ExitStatus : int {
    Success = 0,
    GraphicsStartup = 1,
    Shader = 2,
    Image = 2,
    ObjModel = 3,
    MissingModel = 4,
    LevelFile = 5,
    Framebuffer = 6,
    // The command line was not understood (sysexits' EX_USAGE).
    Usage = 64,
};

} // namespace Vexmor::platform

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
};

} // namespace Vexmor::platform

#pragma once

#include "engine/framebuffer/FramebufferManager.h"

namespace Vexmor::engine::framebuffer {

// The shadow map: a 512 x 512 depth texture with comparison on, as the only attachment.
class DepthbufferManager : public FramebufferManager {
public:
    static constexpr int size = 512;

    ~DepthbufferManager() override;

protected:
    void attach() override;
    void releaseAttachments() override;
};

} // namespace Vexmor::engine::framebuffer

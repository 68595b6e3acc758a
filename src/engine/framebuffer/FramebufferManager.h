#pragma once

#include <cstdint>
#include <iostream>

namespace Vexmor::engine::framebuffer {

// An off-screen render target: the framebuffer object and the generic creation steps;
// subclasses make and attach the buffers.
class FramebufferManager {
public:
    FramebufferManager() = default;
    // Deletes the framebuffer object, but only a complete one.
    virtual ~FramebufferManager();
    FramebufferManager(const FramebufferManager&) = delete;
    FramebufferManager& operator=(const FramebufferManager&) = delete;

    // Creates the framebuffer and its attachments, logging each step; whether it is
    // complete. Leaves the window's framebuffer bound.
    virtual bool generate();
    virtual void bind();
    virtual void unbind();
    virtual std::uint32_t getTexture();
    virtual int getWidth();
    virtual int getHeight();

    std::uint32_t getFramebuffer() const { return framebuffer; }
    bool isComplete() const { return complete; }

protected:
    // Each creation step shows as one console line: its message, then "done!".
    template <typename Step> static void logStep(const char* message, Step step) {
        std::cout << message << std::flush;
        step();
        std::cout << "done!" << std::endl;
    }

    virtual void attach() = 0;
    virtual void releaseAttachments() = 0;

    std::uint32_t framebuffer = 0;
    std::uint32_t texture = 0;
    int width = 0;
    int height = 0;
    bool complete = false;
};

} // namespace Vexmor::engine::framebuffer

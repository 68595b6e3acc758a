#pragma once

#include "engine/ShaderProgram.h"

#include <memory>
#include <string>
#include <vector>

namespace Vexmor::engine {

// Every shader program of the game, loaded together on first use and kept until shutdown.
// A failure to read, compile or link any of them is fatal (status 2).
class ShaderLibrary {
public:
    // The library, loading the six programs on the first call (needs a current context).
    static ShaderLibrary& getInstance();
    static bool hasInstance();
    // Deletes every program; the next getInstance loads them again.
    static void destroyInstance();

    ~ShaderLibrary();
    ShaderLibrary(const ShaderLibrary&) = delete;
    ShaderLibrary& operator=(const ShaderLibrary&) = delete;

    // Reads both files, compiles them as vertex and fragment stage and links them; the
    // program gets its own copy of the first `specCount` specs (none when `specs` is null).
    static std::unique_ptr<ShaderProgram> loadProgram(const std::string& vertexFile,
                                                      const std::string& fragmentFile,
                                                      unsigned int vertexType,
                                                      unsigned int fragmentType,
                                                      const UniformSpec* specs, int specCount);
    static std::uint32_t createShader(unsigned int type, const std::string& source);
    static std::uint32_t createProgram(const std::vector<std::uint32_t>& shaders);

    // Slots in load order.
    std::unique_ptr<ShaderProgram> simpleProgram;
    std::unique_ptr<ShaderProgram> simpleTextureProgram;
    std::unique_ptr<ShaderProgram> materialTextureProgram;
    std::unique_ptr<ShaderProgram> guiProgram;
    std::unique_ptr<ShaderProgram> depthTestProgram;
    std::unique_ptr<ShaderProgram> materialShadowTextureProgram;

private:
    ShaderLibrary();

    static std::unique_ptr<ShaderLibrary> instance;
};

} // namespace Vexmor::engine

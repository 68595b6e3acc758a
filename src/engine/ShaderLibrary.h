#pragma once

#include "engine/ShaderProgram.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Vexmor::engine {

// Every shader program of the game, loaded together on first use and kept until shutdown.
// A failure to read, compile or link any of them is fatal (status 2).
class ShaderLibrary {
public:
    // The library, loading the seven programs on the first call (needs a current context).
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

    // Builds the level's programs again in the fast or the full look, in place: models and
    // scenes keep their program objects and draw in the new look from the next frame.
    void useLook(bool fast);

    // Slots in load order.
    std::unique_ptr<ShaderProgram> simpleProgram;
    std::unique_ptr<ShaderProgram> simpleTextureProgram;
    std::unique_ptr<ShaderProgram> materialTextureProgram;
    std::unique_ptr<ShaderProgram> guiProgram;
    std::unique_ptr<ShaderProgram> depthTestProgram;
    std::unique_ptr<ShaderProgram> materialShadowTextureProgram;
    // The same level shader built without the era switch's fog, for every other frame: a
    // software rasteriser runs the fog code even where its branch is not taken.
    std::unique_ptr<ShaderProgram> materialShadowTextureFoglessProgram;

private:
    struct Build;

    ShaderLibrary();

    // The file's text; a file that can't be read is fatal.
    static std::string readSource(const std::string& file);
    // The program's two stages, compiled and linked in the current look.
    std::uint32_t build(const Build& program);

    // Every shader file as read, so a change of look reads none again.
    std::map<std::string, std::string> texts;
    bool builtFast = false;

    static std::unique_ptr<ShaderLibrary> instance;
};

} // namespace Vexmor::engine

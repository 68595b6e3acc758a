#pragma once

#include <map>
#include <string>
#include <string_view>

namespace Vexmor::engine {

class ShaderProgram;

// The named values one draw hands to the shaders: uniform name (or "texture") to a
// pointer the caller keeps alive until the draw is over. A key may be present with null.
class RenderContext {
public:
    using Values = std::map<std::string, const void*, std::less<>>;

    Values values;
    // When set, every model drawn with this context uses this program.
    ShaderProgram* programOverride = nullptr;
    // When both are set, a model whose own program is `replaced` draws with `replacement`.
    const ShaderProgram* replaced = nullptr;
    ShaderProgram* replacement = nullptr;

    // Sets the value under `key`, adding the key on first use.
    void set(std::string_view key, const void* value);
    // False when the key is absent.
    bool lookup(std::string_view key, const void*& value) const;
    bool contains(std::string_view key) const;
    void erase(std::string_view key);
};

} // namespace Vexmor::engine

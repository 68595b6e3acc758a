#include "engine/RenderContext.h"

namespace Vexmor::engine {

void RenderContext::set(std::string_view key, const void* value) {
    // Existing keys are found without building a string: this runs for every draw.
    const auto found = values.find(key);
    if (found != values.end()) {
        found->second = value;
    } else {
        values.emplace(std::string(key), value);
    }
}

bool RenderContext::lookup(std::string_view key, const void*& value) const {
    const auto found = values.find(key);
    if (found == values.end()) {
        return false;
    }
    value = found->second;
    return true;
}

bool RenderContext::contains(std::string_view key) const {
    return values.find(key) != values.end();
}

void RenderContext::erase(std::string_view key) {
    const auto found = values.find(key);
    if (found != values.end()) {
        values.erase(found);
    }
}

} // namespace Vexmor::engine

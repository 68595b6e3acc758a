#pragma once

#include <memory>

namespace Vexmor::levelloader {

// An object a block makes on first request and hands to the level once, while it can
// still name it afterwards (the same door is an era's object and its interactable).
template <typename T> class Handover {
public:
    template <typename Make> T* get(Make make) {
        if (object == nullptr) {
            owned = make();
            object = owned.get();
        }
        return object;
    }
    // Ownership, the first time after it was made; null afterwards.
    std::unique_ptr<T> take() { return std::move(owned); }

private:
    std::unique_ptr<T> owned;
    T* object = nullptr;
};

} // namespace Vexmor::levelloader

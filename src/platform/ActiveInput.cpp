#include "platform/ActiveInput.h"

#include "platform/ScriptedInput.h"

namespace Vexmor::platform {

namespace {

Input*& activeSlot() {
    static Input* active = nullptr;
    return active;
}

} // namespace

Input& activeInput() {
    static ScriptedInput idle;
    Input* active = activeSlot();
    return active != nullptr ? *active : idle;
}

void setActiveInput(Input* input) {
    activeSlot() = input;
}

} // namespace Vexmor::platform

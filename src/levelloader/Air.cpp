#include "levelloader/Air.h"

namespace Vexmor::levelloader {

ObjectList Air::darkObjects() {
    return {};
}

ObjectList Air::brightObjects() {
    return {};
}

BodyList Air::brightBodies() {
    return {};
}

BodyList Air::darkBodies() {
    return {};
}

} // namespace Vexmor::levelloader

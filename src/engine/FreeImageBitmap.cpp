#include "engine/FreeImageBitmap.h"

#include <FreeImage.h>

namespace Vexmor::engine {

void FreeImageDeleter::operator()(FIBITMAP* bitmap) const {
    FreeImage_Unload(bitmap);
}

} // namespace Vexmor::engine

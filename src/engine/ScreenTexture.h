#pragma once

#include "engine/GlName.h"

namespace Vexmor::engine {

// (Re)makes `texture` as an RGBA picture for the screen: drawn one texel a pixel or
// stretched over it, so filtered linearly, clamped at its edges and without mipmaps.
// `pixels` may be null for a texture that is drawn into.
void makeScreenTexture(GlTexture& texture, int width, int height, const void* pixels);

} // namespace Vexmor::engine

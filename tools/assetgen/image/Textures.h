#pragma once

#include "image/Image.h"

namespace Vexmor::assetgen {

// Level surfaces, seamless. The bright era is cared for, the dark one worn and grimy.
Image wallTexture(bool dirty);
Image floorTexture(bool dirty);
Image rubbleTexture(bool dirty);
Image doorTexture();
Image defaultTexture();

// Time machine parts; "on" adds the lit accents of a running machine.
Image capsuleTexture(bool on);
Image lockTexture(bool up, bool on);
Image rotatorTexture(bool on);
Image chairTexture();
// The plate that marks the machine's use side, drawn as it glows.
Image usePlateTexture();

// Screen images, drawn over the view with alpha blending.
Image interactHint();
// What a locked door answers the use key with.
Image lockedHint();
// What the time machine answers from a side it is not used from.
Image otherSideHint();
Image crosshair();
Image onGroundIndicator();
Image helpScreen();
Image winningScreen();
Image windowIcon();
// The game's icon, `size` pixels square: the window icon is the 64-pixel one.
Image gameIcon(int size);

// The intact stairs: treads, risers and sides in bands (see StairLayout.h).
Image stairTexture(bool dirty);

} // namespace Vexmor::assetgen

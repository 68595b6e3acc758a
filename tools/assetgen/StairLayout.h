#pragma once

namespace Vexmor::assetgen {

// How the intact stairs' own texture is laid out, shared by the model that maps into it
// and the image that fills it: three bands stacked down the image, the treads on top, the
// risers below them and the plain stone of the sides and underside at the bottom. Each
// band keeps a margin that the model never maps into, so filtering does not bleed one
// band into the next.
struct StairBand {
    // Top and bottom of the band, as a share of the image's height from its top row.
    float top;
    float bottom;
    static constexpr float margin = 0.012f;

    // The image's height at `along` (0 at the band's top, 1 at its bottom) inside the
    // band's margins.
    float at(float along) const { return top + margin + (bottom - top - 2.0f * margin) * along; }
    // Where in the band an image height lies: 0 at the top margin, 1 at the bottom one.
    float along(float imageV) const {
        return (imageV - top - margin) / (bottom - top - 2.0f * margin);
    }
};

// Across a tread, `along` runs from its front edge (the nosing) to its back.
constexpr StairBand treadBand{0.0f, 1.0f / 3.0f};
// Down a riser, `along` runs from under the nosing to the tread below; a full riser is one
// step high.
constexpr StairBand riserBand{1.0f / 3.0f, 2.0f / 3.0f};
// The sides and underside, one band for the whole height of the flight.
constexpr StairBand sideBand{2.0f / 3.0f, 1.0f};

} // namespace Vexmor::assetgen

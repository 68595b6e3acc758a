#pragma once

#include "hud/RgbaImage.h"
#include "platform/StartSize.h"

#include <string>

namespace Vexmor::hud {

// The card that names a level as it starts: "Level N of M" over its title, light text
// edged in near-black, so it reads on bright and dark walls alike. Everything around the
// text is clear.
class TitleCard {
public:
    // As wide as the start window, so there the card maps one texel to one pixel.
    static constexpr int width = platform::startWidth;

    // "Level 2 of 7" for the second of seven levels; counted from 1.
    static std::string levelLine(int position, int count);
    // The title as the card prints it: in the font's characters, at the largest size that
    // fits the width, cut short with "..." where even the smallest is too wide.
    struct Fit {
        std::string text;
        int pixelSize;
    };
    static Fit fitTitle(const std::string& title);
    // Without a level line the title stands alone.
    static RgbaImage render(const std::string& levelLine, const std::string& title);
};

} // namespace Vexmor::hud

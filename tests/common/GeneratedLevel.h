#pragma once

#include <sstream>
#include <string>

// A large level made from its size alone, always the same text for the same size: storeys
// of open floor at y = 1, 3 and 5 (as far as the height allows) with a pillar every eight
// cells and a door or a stair every sixteen; the rest of the grid is rock.
struct GeneratedLevel {
    std::string text;
    // Cells the file names (air, doors and stairs).
    int namedCells = 0;
};

inline GeneratedLevel generateLevel(int xDim, int yDim, int zDim) {
    GeneratedLevel level;
    std::ostringstream text;
    text << "xDim " << xDim << "\nyDim " << yDim << "\nzDim " << zDim << "\nplayer 1 1 1\n";
    for (int y : {1, 3, 5}) {
        if (y >= yDim - 1) {
            break;
        }
        for (int x = 1; x < xDim - 1; ++x) {
            for (int z = 1; z < zDim - 1; ++z) {
                if (x % 8 == 4 && z % 8 == 4) {
                    continue; // pillar
                }
                if (x % 16 == 8 && z % 16 == 8) {
                    text << "door " << x << " " << y << " " << z << " " << (x + z) % 4 << "\n";
                } else if (x % 16 == 2 && z % 16 == 2) {
                    text << "stair " << x << " " << y << " " << z << " 0 " << (x / 16) % 5 << "\n";
                } else {
                    text << "air " << x << " " << y << " " << z << "\n";
                }
                ++level.namedCells;
            }
        }
    }
    level.text = text.str();
    return level;
}

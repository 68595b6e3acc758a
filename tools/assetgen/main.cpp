#include "Generator.h"

#include <exception>
#include <iostream>
#include <string>

// vexmor-assetgen DATA_DIR: writes every model, image and sound of the game into DATA_DIR.
// vexmor-assetgen --icons NAME DIR: writes the desktop icons (DIR/hicolor/...) named NAME.
int main(int argc, char** argv) {
    const bool icons = argc == 4 && std::string(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        std::cerr << "usage: vexmor-assetgen DATA_DIR | vexmor-assetgen --icons NAME DIR\n";
        return 2;
    }
    try {
        if (icons) {
            Vexmor::assetgen::writeAssets(argv[3], Vexmor::assetgen::desktopIcons(argv[2]));
        } else {
            Vexmor::assetgen::writeAssets(argv[1]);
        }
    } catch (const std::exception& error) {
        std::cerr << "vexmor-assetgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

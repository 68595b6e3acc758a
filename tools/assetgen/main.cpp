#include "Generator.h"

#include <exception>
#include <iostream>

// vexmor-assetgen DATA_DIR: writes every model, image and sound of the game into DATA_DIR.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vexmor-assetgen DATA_DIR\n";
        return 2;
    }
    try {
        Vexmor::assetgen::writeAssets(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "vexmor-assetgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

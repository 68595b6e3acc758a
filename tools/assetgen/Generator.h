#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace Vexmor::assetgen {

using Bytes = std::vector<std::uint8_t>;

// One file of the game's data, made by code.
struct Asset {
    // Relative to the data directory, with forward slashes ("models/door.obj").
    std::string path;
    std::function<Bytes()> make;
};

// Every asset the game loads, in a fixed order.
std::vector<Asset> allAssets();

// The game's icon for the desktop's hicolor theme, one file per size a desktop asks for,
// relative to the theme's parent directory ("hicolor/48x48/apps/<name>.png").
std::vector<Asset> desktopIcons(const std::string& name);

// Makes every asset and writes it below `dataDirectory`, creating folders as needed.
void writeAssets(const std::filesystem::path& dataDirectory);
void writeAssets(const std::filesystem::path& directory, const std::vector<Asset>& assets);

} // namespace Vexmor::assetgen

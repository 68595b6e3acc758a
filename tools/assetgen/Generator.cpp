#include "Generator.h"

#include "audio/Audio.h"
#include "image/Textures.h"
#include "mesh/Models.h"

#include <fstream>
#include <stdexcept>

namespace Vexmor::assetgen {

namespace {

Asset model(const std::string& name, Mesh (*build)()) {
    return {"models/" + name, [name, build] {
                const std::string text = build().toObj(name);
                return Bytes(text.begin(), text.end());
            }};
}

Asset image(const std::string& name, Image (*build)(), bool withAlpha = false) {
    return {"img/" + name, [build, withAlpha] { return encodePng(build(), withAlpha); }};
}

// The same builder with a fixed argument, for the era and on/off variants.
template <typename... Arguments>
Asset image(const std::string& name, Image (*build)(Arguments...), Arguments... arguments) {
    return {"img/" + name, [=] { return encodePng(build(arguments...), false); }};
}

} // namespace

std::vector<Asset> allAssets() {
    return {
        model("Plane.obj", wallPanel),
        model("door.obj", door),
        model("door_frame.obj", doorFrame),
        model("stairs.obj", stairs),
        model("stairs_block.obj", stairsBlock),
        model("stairs_destructed.obj", stairsDestructed),
        model("stairs_block_destructed.obj", stairsBlockDestructed),
        model("sphere.obj", ball),
        model("gui_plane.obj", guiPlane),
        model("floor_edge.obj", floorEdge),
        model("capsule_left.obj", capsuleLeft),
        model("capsule_right.obj", capsuleRight),
        model("lock_big.obj", lockBig),
        model("lock_small.obj", lockSmall),
        model("rotator_left.obj", rotatorLeft),
        model("rotator_right.obj", rotatorRight),
        model("rotatorrotator_left.obj", smallRotorLeft),
        model("rotatorrotator_right.obj", smallRotorRight),
        model("time_chair.obj", timeChair),
        model("use_plate.obj", usePlate),
        image("Wall.png", wallTexture, false),
        image("WallDirty.png", wallTexture, true),
        image("FloorCeil.png", floorTexture, false),
        image("FloorCeilDirty.png", floorTexture, true),
        image("Wall_destructed.png", rubbleTexture, false),
        image("WallDirty_destructed.png", rubbleTexture, true),
        image("Stairs.png", stairTexture, false),
        image("StairsDirty.png", stairTexture, true),
        image("door_texture.png", doorTexture),
        image("default.png", defaultTexture),
        image("capsule_off.png", capsuleTexture, false),
        image("capsule_on.png", capsuleTexture, true),
        image("lock_up_off.png", lockTexture, true, false),
        image("lock_up_on.png", lockTexture, true, true),
        image("lock_down_off.png", lockTexture, false, false),
        image("lock_down_on.png", lockTexture, false, true),
        image("rotator_off.png", rotatorTexture, false),
        image("rotator_on.png", rotatorTexture, true),
        image("chair.png", chairTexture),
        image("use_plate.png", usePlateTexture),
        image("interact.png", interactHint, true),
        image("locked.png", lockedHint, true),
        image("other_side.png", otherSideHint, true),
        image("crosshair.png", crosshair, true),
        image("OnGround.png", onGroundIndicator, true),
        image("VexmorHelp.png", helpScreen),
        image("winning.png", winningScreen),
        image("icon.png", windowIcon, true),
        {"sound/VexmorDark.mp3", [] { return encodeMp3(darkMusic()); }},
        {"sound/VexmorBright.mp3", [] { return encodeMp3(brightMusic()); }},
        {"sound/buzzing_woosh.wav", [] { return encodeWav(machineStartSound()); }},
    };
}

std::vector<Asset> desktopIcons(const std::string& name) {
    std::vector<Asset> icons;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string side = std::to_string(size);
        icons.push_back({"hicolor/" + side + "x" + side + "/apps/" + name + ".png",
                         [size] { return encodePng(gameIcon(size), true); }});
    }
    return icons;
}

void writeAssets(const std::filesystem::path& dataDirectory) {
    writeAssets(dataDirectory, allAssets());
}

void writeAssets(const std::filesystem::path& dataDirectory, const std::vector<Asset>& assets) {
    for (const Asset& asset : assets) {
        const std::filesystem::path file = dataDirectory / asset.path;
        std::filesystem::create_directories(file.parent_path());
        const Bytes bytes = asset.make();
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            throw std::runtime_error("can't write " + file.string());
        }
    }
}

} // namespace Vexmor::assetgen

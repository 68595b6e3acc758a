#include "Generator.h"

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
        model("capsule_left.obj", capsuleLeft),
        model("capsule_right.obj", capsuleRight),
        model("lock_big.obj", lockBig),
        model("lock_small.obj", lockSmall),
        model("rotator_left.obj", rotatorLeft),
        model("rotator_right.obj", rotatorRight),
        model("rotatorrotator_left.obj", smallRotorLeft),
        model("rotatorrotator_right.obj", smallRotorRight),
        model("time_chair.obj", timeChair),
    };
}

void writeAssets(const std::filesystem::path& dataDirectory) {
    for (const Asset& asset : allAssets()) {
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

// Feeds arbitrary bytes to the OBJ parser. Besides the sanitizers' verdicts, a parse that
// succeeds must hand back a mesh whose arrays agree with each other.
#include "NullStream.h"

#include "engine/ObjParser.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using Vexmor::engine::ObjMeshData;
using Vexmor::engine::ObjParser;

namespace {

bool consistent(const ObjMeshData& mesh) {
    const std::size_t vertices = mesh.vertexCount();
    if (mesh.positions.size() != 3 * vertices || mesh.uvs.size() != 2 * vertices ||
        mesh.indices.size() % 3 != 0 || mesh.boundingRadius < 0.0f) {
        return false;
    }
    for (const std::uint32_t index : mesh.indices) {
        if (index >= vertices) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string fileName = "models\\fuzz.obj";
    static Vexmor::fuzz::NullStream warnings;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ObjMeshData mesh;
    std::string error;
    if (ObjParser::parse(text, fileName, warnings, mesh, error)) {
        if (!consistent(mesh)) {
            std::abort();
        }
    } else if (error.empty()) {
        std::abort();
    }
    return 0;
}

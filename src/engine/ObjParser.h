#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace Vexmor::engine {

// What an OBJ file becomes: one output vertex per distinct face corner, numbered in
// byte-wise order of the corner texts, and the triangles' indices in file order.
struct ObjMeshData {
    std::vector<float> positions; // 3 per vertex
    std::vector<float> uvs;       // 2 per vertex
    std::vector<float> normals;   // 3 per vertex
    std::vector<std::uint32_t> indices;
    // Largest distance of any "v" line from the origin, used or not.
    float boundingRadius = 0.0f;

    std::uint32_t vertexCount() const { return static_cast<std::uint32_t>(normals.size() / 3); }
};

// The OBJ subset the game reads ("v", "vt", "vn", triangles of a/b/c corners), parsed from
// text without touching GL, the console or the process.
class ObjParser {
public:
    // Parses `text`, the whole content of `fileName`. Warnings for unknown statements are
    // written to `warnings` as they are met, one line each. On a fatal error returns false
    // with the complete console line (without line end) in `error`; `out` is then unusable.
    static bool parse(std::string_view text, const std::string& fileName, std::ostream& warnings,
                      ObjMeshData& out, std::string& error);
};

} // namespace Vexmor::engine

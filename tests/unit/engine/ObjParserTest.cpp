#include "engine/ObjParser.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>

using Vexmor::engine::ObjMeshData;
using Vexmor::engine::ObjParser;
using Floats = std::vector<float>;

namespace {

struct Parsed {
    bool ok;
    ObjMeshData mesh;
    std::string warnings;
    std::string error;
};

Parsed parse(const std::string& text) {
    Parsed result;
    std::ostringstream warnings;
    result.ok = ObjParser::parse(text, "models\\t.obj", warnings, result.mesh, result.error);
    result.warnings = warnings.str();
    return result;
}

Floats entry(const Floats& values, std::size_t width, std::size_t index) {
    return Floats(values.begin() + width * index, values.begin() + width * (index + 1));
}

// One position, uv and normal: only corner 1/1/1 is valid.
const std::string single = "v 0 0 0\nvt 0 0\nvn 0 0 1\n";

} // namespace

TEST(ObjParser, NumbersVerticesInByteOrderOfTheCornerTexts) {
    std::string text = "vt 0.5 0.25\nvn 0 1 0\n";
    for (int i = 1; i <= 10; ++i) {
        text += "v " + std::to_string(i) + " 0 0\n";
    }
    const Parsed parsed = parse(text + "f 2/1/1 10/1/1 3/1/1\nf 1/1/1 01/1/1 1/1/1\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    // 01/1/1 < 1/1/1 < 10/1/1 < 2/1/1 < 3/1/1; only equal texts share a vertex.
    EXPECT_EQ(parsed.mesh.indices, (std::vector<std::uint32_t>{3, 2, 4, 1, 0, 1}));
    EXPECT_EQ(parsed.mesh.positions, (Floats{1, 0, 0, 1, 0, 0, 10, 0, 0, 2, 0, 0, 3, 0, 0}));
    EXPECT_EQ(entry(parsed.mesh.uvs, 2, 4), (Floats{0.5f, 0.25f}));
    EXPECT_EQ(entry(parsed.mesh.normals, 3, 4), (Floats{0, 1, 0}));
}

TEST(ObjParser, CubeKeepsTheFileWindingAndMeasuresEveryPosition) {
    // Position p is the cube corner with coordinate k = +1 where bit k of p - 1 is set;
    // side s has normal s and the quad's corners take uv 1 to 4.
    const auto sign = [](int bits, int k) { return bits >> k & 1 ? 1.0f : -1.0f; };
    const int quads[6][4] = {{1, 3, 7, 5}, {2, 6, 8, 4}, {1, 5, 6, 2},
                             {3, 4, 8, 7}, {1, 2, 4, 3}, {5, 7, 8, 6}};
    const Floats uvs{0, 0, 1, 0, 1, 1, 0, 1};
    std::string text;
    for (int p = 0; p < 8; ++p) {
        text += "v " + std::to_string(p & 1 ? 1 : -1) + " " + std::to_string(p & 2 ? 1 : -1) + " " +
                std::to_string(p & 4 ? 1 : -1) + "\n";
    }
    text += "v 0 0 -5\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"; // no face uses that position
    text += "vn -1 0 0\nvn 1 0 0\nvn 0 -1 0\nvn 0 1 0\nvn 0 0 -1\nvn 0 0 1\n";
    std::vector<std::array<int, 3>> corners;
    for (int side = 0; side < 6; ++side) {
        for (int k : {0, 1, 2, 0, 2, 3}) {
            corners.push_back({quads[side][k], k + 1, side + 1});
            text += (corners.size() % 3 == 1 ? "f " : " ") + std::to_string(quads[side][k]) + "/" +
                    std::to_string(k + 1) + "/" + std::to_string(side + 1) +
                    (corners.size() % 3 == 0 ? "\n" : "");
        }
    }
    const Parsed parsed = parse(text);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const ObjMeshData& mesh = parsed.mesh;
    EXPECT_EQ(mesh.vertexCount(), 24u);
    ASSERT_EQ(mesh.indices.size(), 36u);
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const auto [p, t, n] = corners[i];
        const std::uint32_t vertex = mesh.indices[i];
        EXPECT_EQ(entry(mesh.positions, 3, vertex),
                  (Floats{sign(p - 1, 0), sign(p - 1, 1), sign(p - 1, 2)}));
        EXPECT_EQ(entry(mesh.uvs, 2, vertex), entry(uvs, 2, t - 1));
        Floats normal(3, 0.0f);
        normal[(n - 1) / 2] = sign(n - 1, 0);
        EXPECT_EQ(entry(mesh.normals, 3, vertex), normal);
    }
    EXPECT_EQ(mesh.boundingRadius, 5.0f);
}

TEST(ObjParser, FatalErrorsNameTheCauseAndTheReadAheadLine) {
    const std::string count = "[ERROR] Can't load obj-File 'models\\t.obj'(";
    const std::string faces = "[ERROR] While loading obj-File 'models\\t.obj'(";
    const std::pair<std::string, std::string> cases[] = {
        {single + "f 1/1/1 1/1/1 1/1/1 1/1/1\n", count + "3): invalid param count for f:5"},
        {"vt 0 0 0\nv 1 2 3\n", count + "1): invalid param count for vt:4"},
        {"# c\nv 1 2 3 1\n\n# x\nvn 0 0 1", count + "4): invalid param count for v:5"},
        {"vn 0 1\n\n", count + "1): invalid param count for vn:3"},
        {"v 1 x 3\nv 1 2 3\nv y 0 0\n", count + "1): invalid number:x"},
        {single + "f 1/1/1 1 1/1/1\n# end\n", faces + "4): invalid faces syntax:1"},
        {single + "f 1/2 1/1/1 1/1/1", faces + "3): invalid faces syntax:1/2"},
        {single + "f 1//1 1/1/1 1/1/1", faces + "3): invalid faces syntax:1//1"},
        {single + "f 1/1/1/ 1/1/1 1/1/1", faces + "3): invalid faces syntax:1/1/1/"},
        {single + "f 0/1/1 1/1/1 1/1/1", faces + "3): invalid faces syntax:0/1/1"},
        {single + "f 1/1/2 1/1/1 1/1/1", faces + "3): invalid faces syntax:1/1/2"},
        {single + "f 1/1/1 3/1/1 2/1/1\n", faces + "3): invalid faces syntax:2/1/1"},
        {single + "f 1/1/1 1/1/-1 1/a/1\n", faces + "3): invalid faces syntax:1/1/-1"},
        {single + "f 1/1/1 1/a/1 1/1/1\n\n", count + "4): invalid number:a"},
        {single + "f 1/1/1 //1/1 1/1/1", count + "3): invalid number:"},
    };
    for (const auto& [text, error] : cases) {
        const Parsed parsed = parse(text);
        EXPECT_FALSE(parsed.ok) << text;
        EXPECT_EQ(parsed.error, error) << text;
    }
}

TEST(ObjParser, WarnsAboutOtherStatementsWithTheReadAheadLine) {
    const Parsed parsed = parse("o cube\n# c\ns off\n\nusemtl m\nV 1 2 3\nv\t1 2 3\nv 1 2 3\n"
                                "mtllib a.mtl\n  # end\n\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const std::string lead = "[WARN] While loading obj-File 'models\\t.obj'(";
    EXPECT_EQ(parsed.warnings, lead + "2): unknown token:o\n" + lead + "4): unknown token:s\n" +
                                   lead + "5): unknown token:usemtl\n" + lead +
                                   "6): unknown token:V\n" + lead + "7): unknown token:v\t1\n" +
                                   lead + "10): unknown token:mtllib\n");
    // Without faces the mesh is empty but still has its radius.
    EXPECT_TRUE(parsed.mesh.positions.empty() && parsed.mesh.indices.empty());
    EXPECT_EQ(parsed.mesh.boundingRadius, static_cast<float>(std::sqrt(14.0)));

    for (const std::string text : {"", "# only a comment\n\n"}) {
        const Parsed nothing = parse(text);
        EXPECT_TRUE(nothing.ok && nothing.warnings.empty() && nothing.mesh.indices.empty());
        EXPECT_EQ(nothing.mesh.boundingRadius, 0.0f);
    }
}

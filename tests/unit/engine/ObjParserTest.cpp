#include "engine/ObjParser.h"

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/split.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <map>
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

namespace {

std::vector<std::string> tokensOf(const std::string& text, const char* separators) {
    std::vector<std::string> tokens;
    boost::algorithm::split(tokens, text, boost::algorithm::is_any_of(separators),
                            boost::algorithm::token_compress_on);
    return tokens;
}

// The plain way for a file without faults: every corner text into an ordered map, one
// vertex each, numbered in the map's (byte-wise) order.
ObjMeshData referenceParse(const std::string& text) {
    ObjMeshData mesh;
    std::vector<std::vector<float>> lists[3];
    std::vector<std::string> corners;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        boost::algorithm::trim(line);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::vector<std::string> tokens = tokensOf(line, " ");
        if (tokens[0] == "f") {
            corners.insert(corners.end(), tokens.begin() + 1, tokens.end());
        }
        if (tokens[0] != "v" && tokens[0] != "vt" && tokens[0] != "vn") {
            continue;
        }
        std::vector<float> values;
        for (std::size_t i = 1; i < tokens.size(); ++i) {
            values.push_back(boost::lexical_cast<float>(tokens[i]));
        }
        if (tokens[0] == "v") {
            const float squares =
                values[0] * values[0] + values[1] * values[1] + values[2] * values[2];
            mesh.boundingRadius = std::max(
                mesh.boundingRadius, static_cast<float>(std::sqrt(static_cast<double>(squares))));
        }
        const int list = tokens[0] == "v" ? 0 : tokens[0] == "vt" ? 1 : 2;
        lists[list].push_back(values);
    }
    std::map<std::string, std::uint32_t> vertices;
    for (const std::string& corner : corners) {
        vertices[corner] = 0;
    }
    std::uint32_t next = 0;
    std::vector<float>* outputs[3] = {&mesh.positions, &mesh.uvs, &mesh.normals};
    for (auto& [corner, vertex] : vertices) {
        vertex = next++;
        const std::vector<std::string> parts = tokensOf(corner, "/");
        for (int list = 0; list < 3; ++list) {
            const auto& entry = lists[list].at(boost::lexical_cast<int>(parts.at(list)) - 1);
            outputs[list]->insert(outputs[list]->end(), entry.begin(), entry.end());
        }
    }
    for (const std::string& corner : corners) {
        mesh.indices.push_back(vertices[corner]);
    }
    return mesh;
}

// A model that mixes what exporters write with what they rarely do: number forms that
// take every road of the conversion, corners with leading zeros, shared and unshared
// corners, padding, comments and Windows line ends.
std::string mixedModel(int faces) {
    std::uint32_t seed = 12345;
    const auto random = [&seed](std::uint32_t below) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % below;
    };
    const auto number = [&random]() {
        const double value = (static_cast<double>(random(2000001)) - 1000000.0) / 997.0;
        char text[64];
        const char* forms[] = {"%.6f", "%.4f", "%g", "%.3e", "%.12f", "%.0f", "%.9f"};
        std::snprintf(text, sizeof text, forms[random(7)], value);
        return std::string(random(50) == 0 ? "-0" : text);
    };
    const int counts[3] = {3000, 1500, 800};
    const char* keywords[3] = {"v", "vt", "vn"};
    std::string text = "# mixed\r\no model\n";
    for (int list = 0; list < 3; ++list) {
        for (int i = 0; i < counts[list]; ++i) {
            text += std::string(random(10) == 0 ? "  " : "") + keywords[list];
            for (int k = list == 1 ? 2 : 3; k > 0; --k) {
                text += (random(10) == 0 ? "   " : " ") + number();
            }
            text += random(4) == 0 ? "\r\n" : "\n";
        }
    }
    std::vector<std::string> pool;
    for (int i = 0; i < 10000; ++i) {
        const auto index = [&random](int count) {
            return (random(20) == 0 ? "0" : "") + std::to_string(1 + random(count));
        };
        pool.push_back(index(counts[0]) + '/' + index(counts[1]) + '/' + index(counts[2]));
    }
    for (int face = 0; face < faces; ++face) {
        text += "f";
        for (int k = 0; k < 3; ++k) {
            // Mostly corners used shortly before, as in an exported mesh.
            const std::size_t base = static_cast<std::size_t>(face) * pool.size() / faces;
            text += " " + pool[(base + random(40)) % pool.size()];
        }
        text += random(100) == 0 ? "\n\n# part\n" : "\n";
    }
    return text;
}

} // namespace

TEST(ObjParser, LargeModelMatchesThePlainWayExactly) {
    const std::string text = mixedModel(20000);
    const Parsed parsed = parse(text);
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const ObjMeshData expected = referenceParse(text);
    EXPECT_GT(parsed.mesh.vertexCount(), 5000u);
    EXPECT_EQ(parsed.mesh.positions, expected.positions);
    EXPECT_EQ(parsed.mesh.uvs, expected.uvs);
    EXPECT_EQ(parsed.mesh.normals, expected.normals);
    EXPECT_EQ(parsed.mesh.indices, expected.indices);
    EXPECT_EQ(parsed.mesh.boundingRadius, expected.boundingRadius);
}

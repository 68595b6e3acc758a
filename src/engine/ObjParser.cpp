#include "engine/ObjParser.h"

#include "levelloader/NumberConversion.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace Vexmor::engine {

namespace {

using levelloader::toFloat;
using levelloader::toInt;

// White space of the default locale, the characters a content line is trimmed of.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && isBlank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && isBlank(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

// Hands out the content lines of the text and counts physical lines the way the file
// reader does, so messages carry the same line numbers as in the rest of the game.
class ContentLines {
public:
    explicit ContentLines(std::string_view text) : text(text) {}

    bool next(std::string_view& line) {
        while (rest < text.size()) {
            const std::size_t feed = text.find('\n', rest);
            const std::size_t stop = feed == std::string_view::npos ? text.size() : feed;
            line = trimmed(text.substr(rest, stop - rest));
            rest = stop + 1;
            ++index;
            if (!line.empty() && line.front() != '#') {
                return true;
            }
        }
        return false;
    }

    // Index of the physical line read last, -1 before the first.
    std::int32_t lineNumber() const { return index; }

private:
    std::string_view text;
    std::size_t rest = 0;
    std::int32_t index = -1;
};

// Only a space separates tokens and runs of spaces count as one; a trimmed line has no
// empty token. The first four are kept, all are counted.
struct Tokens {
    std::array<std::string_view, 4> first;
    std::size_t count = 0;
};

Tokens splitAtSpaces(std::string_view line) {
    Tokens tokens;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t stop = std::min(line.find(' ', start), line.size());
        if (tokens.count < tokens.first.size()) {
            tokens.first[tokens.count] = line.substr(start, stop - start);
        }
        ++tokens.count;
        start = line.find_first_not_of(' ', stop);
    }
    return tokens;
}

// Splits a corner at "/" with runs merged, but a leading or trailing "/" still bounds an
// empty part, so "/1/2/3" has four parts and "1//3" two. Returns the number of parts.
std::size_t splitCorner(std::string_view corner, std::array<std::string_view, 3>& parts) {
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t stop = std::min(corner.find('/', start), corner.size());
        if (count < parts.size()) {
            parts[count] = corner.substr(start, stop - start);
        }
        ++count;
        if (stop == corner.size()) {
            return count;
        }
        start = std::min(corner.find_first_not_of('/', stop), corner.size());
    }
}

// A face corner waiting for its vertex number. The first eight bytes, big-endian, order
// most corners without touching the text again.
struct CornerKey {
    std::uint64_t prefix;
    std::string_view text;
    std::uint32_t position;
};

std::uint64_t leadingBytes(std::string_view text) {
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < sizeof prefix; ++i) {
        const auto byte = i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
        prefix = prefix << 8 | byte;
    }
    return prefix;
}

struct ByteOrder {
    bool operator()(const CornerKey& a, const CornerKey& b) const {
        return a.prefix != b.prefix ? a.prefix < b.prefix : a.text < b.text;
    }
};

// Statements per keyword, counted roughly but quickly: enough to reserve the lists once.
struct StatementCounts {
    std::size_t positions = 0;
    std::size_t uvs = 0;
    std::size_t normals = 0;
    std::size_t faces = 0;
};

StatementCounts countStatements(std::string_view text) {
    StatementCounts counts;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t stop = std::min(text.find('\n', start), text.size());
        const std::string_view line = trimmed(text.substr(start, stop - start));
        const std::string_view keyword = line.substr(0, line.find(' '));
        counts.positions += keyword == "v" ? 1 : 0;
        counts.uvs += keyword == "vt" ? 1 : 0;
        counts.normals += keyword == "vn" ? 1 : 0;
        counts.faces += keyword == "f" ? 1 : 0;
        start = stop + 1;
    }
    return counts;
}

class Parser {
public:
    Parser(const std::string& fileName, std::ostream& warnings, ObjMeshData& out,
           std::string& error)
        : fileName(fileName), warnings(warnings), out(out), error(error) {}

    bool run(std::string_view text) {
        const StatementCounts counts = countStatements(text);
        positions.reserve(3 * counts.positions);
        uvs.reserve(2 * counts.uvs);
        normals.reserve(3 * counts.normals);
        corners.reserve(3 * counts.faces);
        ContentLines lines(text);
        std::string_view line;
        bool more = lines.next(line);
        while (more) {
            const std::string_view statement = line;
            // Like the file reader, the next content line is found before this one is
            // handled, and its index is the number messages show.
            more = lines.next(line);
            if (!handle(statement, lines.lineNumber())) {
                return false;
            }
        }
        return buildVertices(lines.lineNumber());
    }

private:
    bool handle(std::string_view statement, std::int32_t lineNumber) {
        const Tokens tokens = splitAtSpaces(statement);
        const std::string_view keyword = tokens.first[0];
        if (keyword == "v") {
            std::array<float, 3> xyz{};
            if (!readFloats(tokens, keyword, lineNumber, xyz)) {
                return false;
            }
            const float squares = xyz[0] * xyz[0] + xyz[1] * xyz[1] + xyz[2] * xyz[2];
            const auto distance = static_cast<float>(std::sqrt(static_cast<double>(squares)));
            if (distance > out.boundingRadius) {
                out.boundingRadius = distance;
            }
            positions.insert(positions.end(), xyz.begin(), xyz.end());
        } else if (keyword == "vt") {
            std::array<float, 2> uv{};
            if (!readFloats(tokens, keyword, lineNumber, uv)) {
                return false;
            }
            uvs.insert(uvs.end(), uv.begin(), uv.end());
        } else if (keyword == "vn") {
            std::array<float, 3> normal{};
            if (!readFloats(tokens, keyword, lineNumber, normal)) {
                return false;
            }
            normals.insert(normals.end(), normal.begin(), normal.end());
        } else if (keyword == "f") {
            if (tokens.count != 4) {
                return failParamCount(keyword, tokens.count, lineNumber);
            }
            for (std::size_t i = 1; i < 4; ++i) {
                const auto position = static_cast<std::uint32_t>(corners.size());
                corners.push_back({leadingBytes(tokens.first[i]), tokens.first[i], position});
            }
        } else {
            warnings << "[WARN] While loading obj-File '" << fileName << "'(" << lineNumber
                     << "): unknown token:" << keyword << '\n';
        }
        return true;
    }

    template <std::size_t N>
    bool readFloats(const Tokens& tokens, std::string_view keyword, std::int32_t lineNumber,
                    std::array<float, N>& values) {
        if (tokens.count != N + 1) {
            return failParamCount(keyword, tokens.count, lineNumber);
        }
        for (std::size_t i = 0; i < N; ++i) {
            if (!toFloat(tokens.first[i + 1], values[i])) {
                return failNumber(tokens.first[i + 1], lineNumber);
            }
        }
        return true;
    }

    // Every distinct corner text becomes one vertex, numbered in byte order of the texts.
    bool buildVertices(std::int32_t lineNumber) {
        std::sort(corners.begin(), corners.end(), ByteOrder());
        const auto startsText = [this](std::size_t k) {
            return k == 0 || corners[k].text != corners[k - 1].text;
        };
        std::size_t vertexCount = 0;
        for (std::size_t k = 0; k < corners.size(); ++k) {
            vertexCount += startsText(k) ? 1 : 0;
        }
        out.positions.resize(3 * vertexCount);
        out.uvs.resize(2 * vertexCount);
        out.normals.resize(3 * vertexCount);
        out.indices.resize(corners.size());

        std::uint32_t vertex = 0;
        std::uint32_t nextVertex = 0;
        for (std::size_t k = 0; k < corners.size(); ++k) {
            if (startsText(k)) {
                vertex = nextVertex++;
                if (!buildVertex(corners[k].text, vertex, lineNumber)) {
                    return false;
                }
            }
            out.indices[corners[k].position] = vertex;
        }
        return true;
    }

    bool buildVertex(std::string_view corner, std::uint32_t vertex, std::int32_t lineNumber) {
        std::array<std::string_view, 3> parts;
        if (splitCorner(corner, parts) != parts.size()) {
            return failFaces(corner, lineNumber);
        }
        std::array<std::int32_t, 3> numbers{};
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (!toInt(parts[i], numbers[i])) {
                return failNumber(parts[i], lineNumber);
            }
        }
        const bool inRange = copyEntry<3>(positions, numbers[0], out.positions, vertex) &&
                             copyEntry<2>(uvs, numbers[1], out.uvs, vertex) &&
                             copyEntry<3>(normals, numbers[2], out.normals, vertex);
        return inRange || failFaces(corner, lineNumber);
    }

    // Copies the one-based entry `number` of `from`; false when there is no such entry.
    template <std::size_t Width>
    static bool copyEntry(const std::vector<float>& from, std::int32_t number,
                          std::vector<float>& to, std::uint32_t vertex) {
        if (number < 1 || static_cast<std::size_t>(number) > from.size() / Width) {
            return false;
        }
        std::copy_n(from.begin() + (number - 1) * Width, Width, to.begin() + vertex * Width);
        return true;
    }

    bool failParamCount(std::string_view keyword, std::size_t count, std::int32_t lineNumber) {
        return fail("[ERROR] Can't load obj-File '", lineNumber,
                    "): invalid param count for " + std::string(keyword) + ":" +
                        std::to_string(count));
    }

    bool failNumber(std::string_view token, std::int32_t lineNumber) {
        return fail("[ERROR] Can't load obj-File '", lineNumber,
                    "): invalid number:" + std::string(token));
    }

    bool failFaces(std::string_view corner, std::int32_t lineNumber) {
        return fail("[ERROR] While loading obj-File '", lineNumber,
                    "): invalid faces syntax:" + std::string(corner));
    }

    bool fail(const char* lead, std::int32_t lineNumber, const std::string& detail) {
        error = lead + fileName + "'(" + std::to_string(lineNumber) + detail;
        return false;
    }

    const std::string& fileName;
    std::ostream& warnings;
    ObjMeshData& out;
    std::string& error;

    std::vector<float> positions;
    std::vector<float> uvs;
    std::vector<float> normals;
    std::vector<CornerKey> corners;
};

} // namespace

bool ObjParser::parse(std::string_view text, const std::string& fileName, std::ostream& warnings,
                      ObjMeshData& out, std::string& error) {
    out = ObjMeshData{};
    return Parser(fileName, warnings, out, error).run(text);
}

} // namespace Vexmor::engine

#include "engine/ObjParser.h"

#include "levelloader/NumberConversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace Vexmor::engine {

namespace {

using levelloader::toFloat;
using levelloader::toInt;

// White space of the default locale, the characters a content line is trimmed of.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Hands out the content lines of the text and counts physical lines the way the file
// reader does, so messages carry the same line numbers as in the rest of the game.
class ContentLines {
public:
    explicit ContentLines(std::string_view text) : at(text.data()), end(at + text.size()) {}

    bool next(std::string_view& line) {
        while (at < end) {
            const char* start = at;
            const auto* feed = static_cast<const char*>(std::memchr(at, '\n', end - at));
            const char* stop = feed == nullptr ? end : feed;
            at = feed == nullptr ? end : feed + 1;
            ++index;
            while (start < stop && isBlank(*start)) {
                ++start;
            }
            while (stop > start && isBlank(stop[-1])) {
                --stop;
            }
            if (start != stop && *start != '#') {
                line = std::string_view(start, stop - start);
                return true;
            }
        }
        return false;
    }

    // Index of the physical line read last, -1 before the first.
    std::int32_t lineNumber() const { return index; }

private:
    const char* at;
    const char* end;
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
    const char* at = line.data();
    const char* end = at + line.size();
    while (at < end) {
        const char* stop = at;
        while (stop < end && *stop != ' ') {
            ++stop;
        }
        if (tokens.count < tokens.first.size()) {
            tokens.first[tokens.count] = std::string_view(at, stop - at);
        }
        ++tokens.count;
        at = stop;
        while (at < end && *at == ' ') {
            ++at;
        }
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

std::uint64_t loadWord(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

std::uint64_t mix(std::uint64_t hash, std::uint64_t word) {
    hash = (hash ^ word) * 0x9e3779b97f4a7c15u;
    return hash ^ hash >> 29;
}

std::uint64_t hashOf(std::string_view text) {
    const char* at = text.data();
    std::size_t left = text.size();
    std::uint64_t hash = left;
    for (; left >= 8; left -= 8, at += 8) {
        hash = mix(hash, loadWord(at));
    }
    std::uint64_t tail = 0;
    for (std::size_t i = 0; i < left; ++i) {
        tail = tail << 8 | static_cast<unsigned char>(at[i]);
    }
    return mix(mix(hash, tail), 0);
}

// The distinct corner texts of the faces, numbered in order of first appearance. A face
// file repeats each corner several times; parsing and ordering each text once is cheaper
// than ordering every corner.
class CornerTexts {
public:
    // Room for about `count` texts without growing.
    void expect(std::size_t count) {
        texts.reserve(count);
        rehash(2 * count);
    }

    // Appends the numbers of a face's three corner texts.
    void numberFace(const std::string_view* corners, std::vector<std::uint32_t>& numbers) {
        if (2 * (texts.size() + 3) > slots.size()) {
            rehash(2 * (texts.size() + 3));
        }
        std::array<std::uint32_t, 3> hashes;
        for (std::size_t i = 0; i < 3; ++i) {
            hashes[i] = static_cast<std::uint32_t>(hashOf(corners[i]));
            // With a large table each search would otherwise wait for memory in turn.
            __builtin_prefetch(slots.data() + (hashes[i] & mask));
        }
        for (std::size_t i = 0; i < 3; ++i) {
            numbers.push_back(numberOf(corners[i], hashes[i]));
        }
    }

    const std::vector<std::string_view>& all() const { return texts; }

private:
    std::uint32_t numberOf(std::string_view text, std::uint32_t hash) {
        // Faces mostly share corners with faces shortly before them, which this small
        // table of recent texts answers without a search through the large one.
        std::uint64_t& recentEntry = recent[hash % recent.size()];
        if (recentEntry >> 32 == hash && recentEntry != 0) {
            const auto number = static_cast<std::uint32_t>(recentEntry) - 1;
            if (texts[number] == text) {
                return number;
            }
        }
        const std::uint32_t number = search(text, hash);
        recentEntry = std::uint64_t(hash) << 32 | (number + 1);
        return number;
    }

    std::uint32_t search(std::string_view text, std::uint32_t hash) {
        for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
            const std::uint64_t entry = slots[slot];
            if (entry == 0) {
                const auto number = static_cast<std::uint32_t>(texts.size());
                slots[slot] = std::uint64_t(hash) << 32 | (number + 1);
                texts.push_back(text);
                return number;
            }
            const auto number = static_cast<std::uint32_t>(entry) - 1;
            if (entry >> 32 == hash && texts[number] == text) {
                return number;
            }
        }
    }

    void rehash(std::size_t atLeast) {
        std::size_t size = 1024;
        while (size < atLeast) {
            size *= 2;
        }
        std::vector<std::uint64_t> old(size);
        old.swap(slots);
        mask = size - 1;
        for (const std::uint64_t entry : old) {
            if (entry != 0) {
                std::size_t slot = (entry >> 32) & mask;
                while (slots[slot] != 0) {
                    slot = (slot + 1) & mask;
                }
                slots[slot] = entry;
            }
        }
    }

    // Upper half: the text's hash, which also picks the slot (so growing needs no text);
    // lower half: the text's number + 1; 0: free.
    std::vector<std::uint64_t> slots;
    std::array<std::uint64_t, 4096> recent{};
    std::size_t mask = 0;
    std::vector<std::string_view> texts;
};

// A corner text waiting for its place in byte order. The first eight bytes, big-endian,
// order most texts without touching them again.
struct SortKey {
    std::uint64_t prefix;
    std::uint32_t number;
};

std::uint64_t leadingBytes(std::string_view text) {
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < sizeof prefix; ++i) {
        const auto byte = i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
        prefix = prefix << 8 | byte;
    }
    return prefix;
}

// Statements per keyword, counted roughly but quickly: enough to reserve the lists once.
struct StatementCounts {
    std::size_t positions = 0;
    std::size_t uvs = 0;
    std::size_t normals = 0;
    std::size_t faces = 0;
};

StatementCounts countStatements(std::string_view text) {
    StatementCounts counts;
    const char* at = text.data();
    const char* end = at + text.size();
    while (end - at >= 2) {
        if (at[0] == 'v') {
            counts.positions += at[1] == ' ' ? 1 : 0;
            counts.uvs += at[1] == 't' ? 1 : 0;
            counts.normals += at[1] == 'n' ? 1 : 0;
        } else {
            counts.faces += at[0] == 'f' ? 1 : 0;
        }
        const auto* feed = static_cast<const char*>(std::memchr(at, '\n', end - at));
        at = feed == nullptr ? end : feed + 1;
    }
    return counts;
}

// Element by element: a range insert of a few floats costs a call to memmove.
void append(std::vector<float>& to, const float* values, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        to.push_back(values[i]);
    }
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
        out.indices.reserve(3 * counts.faces);
        // Exporters give most positions about one vertex.
        corners.expect(counts.positions);
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
            append(positions, xyz.data(), xyz.size());
        } else if (keyword == "vt") {
            std::array<float, 2> uv{};
            if (!readFloats(tokens, keyword, lineNumber, uv)) {
                return false;
            }
            append(uvs, uv.data(), uv.size());
        } else if (keyword == "vn") {
            std::array<float, 3> normal{};
            if (!readFloats(tokens, keyword, lineNumber, normal)) {
                return false;
            }
            append(normals, normal.data(), normal.size());
        } else if (keyword == "f") {
            if (tokens.count != 4) {
                return failParamCount(keyword, tokens.count, lineNumber);
            }
            corners.numberFace(&tokens.first[1], out.indices);
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
    // Until now the indices hold the texts' numbers in order of appearance.
    bool buildVertices(std::int32_t lineNumber) {
        const std::vector<std::string_view>& texts = corners.all();
        std::vector<SortKey> order;
        order.reserve(texts.size());
        for (std::size_t k = 0; k < texts.size(); ++k) {
            order.push_back({leadingBytes(texts[k]), static_cast<std::uint32_t>(k)});
        }
        std::sort(order.begin(), order.end(), [&texts](const SortKey& a, const SortKey& b) {
            return a.prefix != b.prefix ? a.prefix < b.prefix : texts[a.number] < texts[b.number];
        });

        out.positions.reserve(3 * texts.size());
        out.uvs.reserve(2 * texts.size());
        out.normals.reserve(3 * texts.size());
        std::vector<std::uint32_t> vertexOf(texts.size());
        for (std::size_t k = 0; k < order.size(); ++k) {
            if (!buildVertex(texts[order[k].number], lineNumber)) {
                return false;
            }
            vertexOf[order[k].number] = static_cast<std::uint32_t>(k);
        }
        for (std::uint32_t& index : out.indices) {
            index = vertexOf[index];
        }
        return true;
    }

    // Appends the vertex of `corner` to the mesh.
    bool buildVertex(std::string_view corner, std::int32_t lineNumber) {
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
        const bool inRange = appendEntry<3>(positions, numbers[0], out.positions) &&
                             appendEntry<2>(uvs, numbers[1], out.uvs) &&
                             appendEntry<3>(normals, numbers[2], out.normals);
        return inRange || failFaces(corner, lineNumber);
    }

    // Appends the one-based entry `number` of `from`; false when there is no such entry.
    template <std::size_t Width>
    static bool appendEntry(const std::vector<float>& from, std::int32_t number,
                            std::vector<float>& to) {
        if (number < 1 || static_cast<std::size_t>(number) > from.size() / Width) {
            return false;
        }
        append(to, from.data() + std::size_t(number - 1) * Width, Width);
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
    CornerTexts corners;
};

} // namespace

bool ObjParser::parse(std::string_view text, const std::string& fileName, std::ostream& warnings,
                      ObjMeshData& out, std::string& error) {
    out = ObjMeshData{};
    return Parser(fileName, warnings, out, error).run(text);
}

} // namespace Vexmor::engine

// Our OBJ parse against tinyobjloader's LoadObj on the same generated models. Both read the
// same bytes from memory: ours as a string_view, theirs through an istream over that
// buffer (no copy), single-threaded, without triangulation (the faces are triangles).
#include "engine/ObjParser.h"

#include <benchmark/benchmark.h>
#include <tiny_obj_loader.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

// A rippled sheet of `faces` triangles with its own uv and normal per position, as an
// exporter writes a smooth mesh: "p/p/p" corners, each used by up to six faces.
std::string generateModel(std::int64_t faces) {
    const std::int64_t columns = faces == 100'000 ? 250 : 1000;
    const std::int64_t rows = faces / (2 * columns);
    std::string text = "# generated: " + std::to_string(faces) + " faces\no sheet\n";
    char line[128];
    for (std::int64_t r = 0; r <= rows; ++r) {
        for (std::int64_t c = 0; c <= columns; ++c) {
            const double x = 0.01 * static_cast<double>(c);
            const double z = 0.01 * static_cast<double>(r);
            const double y = 0.2 * std::sin(7.0 * x) * std::cos(5.0 * z);
            const double dx = 1.4 * std::cos(7.0 * x) * std::cos(5.0 * z);
            const double dz = -1.0 * std::sin(7.0 * x) * std::sin(5.0 * z);
            const double length = std::sqrt(dx * dx + 1.0 + dz * dz);
            text.append(line, std::snprintf(line, sizeof line, "v %.6f %.6f %.6f\n", x, y, z));
            text.append(line, std::snprintf(line, sizeof line, "vt %.6f %.6f\n",
                                            static_cast<double>(c) / columns,
                                            static_cast<double>(r) / rows));
            text.append(line, std::snprintf(line, sizeof line, "vn %.4f %.4f %.4f\n", -dx / length,
                                            1.0 / length, -dz / length));
        }
    }
    const auto corner = [columns](std::int64_t r, std::int64_t c) {
        return std::to_string(r * (columns + 1) + c + 1);
    };
    for (std::int64_t r = 0; r < rows; ++r) {
        for (std::int64_t c = 0; c < columns; ++c) {
            const std::string a = corner(r, c);
            const std::string b = corner(r, c + 1);
            const std::string d = corner(r + 1, c);
            const std::string e = corner(r + 1, c + 1);
            text += "f " + a + '/' + a + '/' + a + ' ' + d + '/' + d + '/' + d + ' ' + b + '/' + b +
                    '/' + b + "\nf " + b + '/' + b + '/' + b + ' ' + d + '/' + d + '/' + d + ' ' +
                    e + '/' + e + '/' + e + '\n';
        }
    }
    return text;
}

// The model's text, generated once per run and kept in a temporary file (which a profiler
// run can load as well); both parsers read the file's bytes from memory.
const std::string& model(std::int64_t faces) {
    static std::map<std::int64_t, std::string> texts;
    auto found = texts.find(faces);
    if (found == texts.end()) {
        const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                           ("vexmor-bench-" + std::to_string(faces) + ".obj");
        std::ofstream(path, std::ios::binary) << generateModel(faces);
        std::ifstream file(path, std::ios::binary);
        found = texts.emplace(faces, std::string(std::istreambuf_iterator<char>(file), {})).first;
    }
    return found->second;
}

// Reads a buffer in place.
class MemoryBuffer : public std::streambuf {
public:
    explicit MemoryBuffer(const std::string& text) {
        char* begin = const_cast<char*>(text.data());
        setg(begin, begin, begin + text.size());
    }
};

void vexmorObjParser(benchmark::State& state) {
    const std::string& text = model(state.range(0));
    const std::string fileName = "models\\generated.obj";
    for (auto _ : state) {
        Vexmor::engine::ObjMeshData mesh;
        std::ostringstream warnings;
        std::string error;
        if (!Vexmor::engine::ObjParser::parse(text, fileName, warnings, mesh, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(mesh.indices.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void tinyobjLoadObj(benchmark::State& state) {
    const std::string& text = model(state.range(0));
    for (auto _ : state) {
        MemoryBuffer buffer(text);
        std::istream stream(&buffer);
        tinyobj::attrib_t attrib;
        std::vector<tinyobj::shape_t> shapes;
        std::vector<tinyobj::material_t> materials;
        std::string warn;
        std::string error;
        if (!tinyobj::LoadObj(&attrib, &shapes, &materials, &warn, &error, &stream, nullptr,
                              false)) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(shapes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK(vexmorObjParser)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(tinyobjLoadObj)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// Reports as usual and, at the end, our throughput over theirs for each model size.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto rate = run.counters.find("bytes_per_second");
            // With repetitions the mean stands for the size; without, the single run.
            const bool representative =
                run.run_type == Run::RT_Iteration || run.aggregate_name == "mean";
            if (representative && !run.error_occurred && rate != run.counters.end()) {
                rates[run.run_name.args][run.run_name.function_name] = rate->second.value;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [faces, byParser] : rates) {
            const auto ours = byParser.find("vexmorObjParser");
            const auto theirs = byParser.find("tinyobjLoadObj");
            if (ours != byParser.end() && theirs != byParser.end()) {
                std::printf("ours/tinyobjloader at %s faces: %.2f\n", faces.c_str(),
                            ours->second / theirs->second);
            }
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> rates;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

// How long the level loader takes to parse a level file and build both eras' objects and
// bodies, for the largest shipped level and for generated ones of growing size, and what
// that comes to per cell of the grid.

#include "BenchSupport.h"
#include "common/CoutCapture.h"
#include "common/GeneratedLevel.h"

#include "levelloader/LevelLoader.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace Vexmor;

namespace {

// A scratch data directory: the shipped models, shaders and images linked in, and the
// levels to load written into levels/.
class LoadDirectory {
public:
    LoadDirectory() {
        std::string pattern = (fs::temp_directory_path() / "vexmor-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("can't make a temporary directory");
        }
        root = pattern;
        for (const char* linked : {"models", "shader", "img"}) {
            fs::create_directory_symlink(bench::shippedData() / linked, root / linked);
        }
        fs::create_directory(root / "levels");
    }
    ~LoadDirectory() {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    LoadDirectory(const LoadDirectory&) = delete;
    LoadDirectory& operator=(const LoadDirectory&) = delete;

    void write(const std::string& file, const std::string& text) const {
        std::ofstream(root / "levels" / file, std::ios::binary) << text;
    }
    void copyShipped(const std::string& file) const {
        fs::copy_file(bench::shippedData() / "levels" / file, root / "levels" / file);
    }
    const fs::path& path() const { return root; }

private:
    fs::path root;
};

void loadLevel(benchmark::State& state, const std::string& file) {
    levelloader::LevelData warmUp;
    {
        // The first load also reads the models; the benchmark is about the level itself.
        CoutCapture quiet;
        warmUp = levelloader::LevelLoader("levels\\" + file).loadLevel();
    }
    const double cells = static_cast<double>(warmUp.xDim) * warmUp.yDim * warmUp.zDim;
    const double objects =
        static_cast<double>(warmUp.darkObjects.size() + warmUp.brightObjects.size());
    const double bodies =
        static_cast<double>(warmUp.darkBodies.size() + warmUp.brightBodies.size());
    warmUp = levelloader::LevelData();

    for (auto _ : state) {
        std::optional<levelloader::LevelData> level;
        {
            CoutCapture quiet;
            level = levelloader::LevelLoader("levels\\" + file).loadLevel();
        }
        state.PauseTiming();
        level.reset();
        state.ResumeTiming();
    }
    state.counters["cells"] = cells;
    state.counters["objects"] = objects;
    state.counters["bodies"] = bodies;
    state.counters["per_cell"] = benchmark::Counter(
        cells, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bench::BenchWindow window;
    if (!window.open()) {
        return EXIT_FAILURE;
    }
    const LoadDirectory directory;
    const bench::WorkingDirectory inside(directory.path());

    const std::string shipped = "07_the_long_way.lvl";
    directory.copyShipped(shipped);
    benchmark::RegisterBenchmark("load/shipped/07_the_long_way", loadLevel, shipped)
        ->Unit(benchmark::kMillisecond);
    for (const int size : {32, 64}) {
        const std::string file = "generated" + std::to_string(size) + ".lvl";
        directory.write(file, generateLevel(size, 8, size).text);
        const std::string name =
            "load/generated/" + std::to_string(size) + "x8x" + std::to_string(size);
        benchmark::RegisterBenchmark(name.c_str(), loadLevel, file)->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return EXIT_SUCCESS;
}

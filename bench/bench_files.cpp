// System files: writing the tagged text, reading it back, and both through a
// file on disk, per second. The system is a generated one, as saved in use.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "core/AppState.h"
#include "core/files/LegacySystemFile.h"
#include "core/files/SystemFile.h"
#include "core/model/RandomSource.h"
#include "core/model/modGenerate.h"

namespace {

using namespace kelvane;

StarSystem GeneratedSystem()
{
    StarSystem system;
    RandomSource random = RandomSource::Deterministic(2024);
    GenerateSystem(system, random, {});
    system.SystemName = "Benchmark System";
    return system;
}

// A private folder for the file benchmarks, removed at the end.
class BenchFolder {
public:
    BenchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kelvane-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        m_path = pattern;
    }
    ~BenchFolder() { std::filesystem::remove_all(m_path); }
    std::string File(const char* name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

void BM_SystemFileText(benchmark::State& state)
{
    const StarSystem system = GeneratedSystem();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = SystemFileText(system, '.');
        bytes += text.size();
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_SystemFileText);

void BM_ReadSystemText(benchmark::State& state)
{
    const std::string text = SystemFileText(GeneratedSystem(), '.');
    StarSystem system;
    for (auto _ : state) {
        FileResult result = ReadSystemFileBytes(text, system, '.');
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(system);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadSystemText);

void BM_RoundTripInMemory(benchmark::State& state)
{
    const StarSystem original = GeneratedSystem();
    StarSystem system;
    for (auto _ : state) {
        const std::string text = SystemFileText(original, '.');
        FileResult result = ReadSystemFileBytes(text, system, '.');
        benchmark::DoNotOptimize(result);
    }
    if (!(system == original))
        state.SkipWithError("the round trip changed the system");
}
BENCHMARK(BM_RoundTripInMemory);

void BM_ReadLegacySystem(benchmark::State& state)
{
    std::string bytes = "Kelvane 2.0                   " + std::string(532, '\x01');
    StarSystem system;
    for (auto _ : state) {
        FileResult result = ReadSystemFileBytes(bytes, system, '.');
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(system);
    }
}
BENCHMARK(BM_ReadLegacySystem);

// Save flushes the file to the disk before it renames it, so this measures
// the disk's flush as much as the program.
void BM_SaveAndLoadThroughFile(benchmark::State& state)
{
    BenchFolder folder;
    const std::string path = folder.File("bench.KVN");
    AppState app;
    app.system = GeneratedSystem();
    for (auto _ : state) {
        if (!SaveSystemFile(app.system, path, '.').Ok() || !LoadSystemFile(app.system, path, '.').Ok()) {
            state.SkipWithError("save or load failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveAndLoadThroughFile)->Unit(benchmark::kMicrosecond);

void BM_LoadThroughFile(benchmark::State& state)
{
    BenchFolder folder;
    const std::string path = folder.File("bench.KVN");
    AppState app;
    app.system = GeneratedSystem();
    if (!SaveSystemFile(app.system, path, '.').Ok())
        state.SkipWithError("save failed");
    for (auto _ : state) {
        FileResult result = LoadSystemFile(app.system, path, '.');
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_LoadThroughFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

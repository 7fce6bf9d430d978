#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/AppState.h"
#include "core/export/SystemCsv.h"
#include "core/export/SystemWriters.h"
#include "core/model/SystemCode.h"
#include "core/model/modGenerate.h"

namespace kelvane {
namespace {

// Whole systems as New makes them, with the real clock behind every reseed.
void BM_GenerateSystem(benchmark::State& state)
{
    StarSystem system;
    RandomSource random = RandomSource::FromEntropy();
    for (auto _ : state) {
        GenerateSystem(system, random, {});
        benchmark::DoNotOptimize(system);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateSystem);

// The same with the counter clock that --seed uses.
void BM_GenerateSystemSeeded(benchmark::State& state)
{
    StarSystem system;
    RandomSource random = RandomSource::Deterministic(1);
    for (auto _ : state) {
        GenerateSystem(system, random, {});
        benchmark::DoNotOptimize(system);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateSystemSeeded);

// Systems as New makes them under every pair of options, so that formatting
// meets the spread of stars, distances and orbit contents of a long run.
std::vector<StarSystem> VariedSystems(std::size_t count)
{
    StarSystem system;
    RandomSource random = RandomSource::Deterministic(1);
    std::vector<StarSystem> systems;
    systems.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        GenerateSystem(system, random,
                       {static_cast<LifeSupportLevel>(1 + i % 4), static_cast<BiozoneWidth>(1 + i / 4 % 3)});
        systems.push_back(system);
    }
    return systems;
}

// The CSV rows of one system (ten lines) after another, into a buffer that
// is emptied now and then as the command line empties it.
void BM_CsvRows(benchmark::State& state)
{
    const std::vector<StarSystem> systems = VariedSystems(1024);
    std::string out;
    std::uint64_t number = 0;
    for (auto _ : state) {
        AppendCsvRows(out, systems[number % systems.size()], number + 1, "4G3G-6FVE");
        ++number;
        if (out.size() > (1u << 20))
            out.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CsvRows);

// The same systems as the JSON objects of `kelvane-cli new --count N`
// (indented by two), with the separators between them.
void BM_JsonObjects(benchmark::State& state)
{
    const std::vector<StarSystem> systems = VariedSystems(1024);
    std::string out;
    std::uint64_t number = 0;
    for (auto _ : state) {
        AppendJson(out, systems[number % systems.size()], "4G3G-6FVE", 2);
        out += ",\n";
        ++number;
        if (out.size() > (1u << 20))
            out.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_JsonObjects);

// What `kelvane-cli new --format csv` does per system, short of the write:
// the system, its code and its rows.
void BM_GenerateAndCsv(benchmark::State& state)
{
    StarSystem system;
    RandomSource random = RandomSource::Deterministic(1);
    std::string out;
    std::uint64_t number = 0;
    for (auto _ : state) {
        GenerateSystem(system, random, {});
        ++number;
        const std::string code =
            EncodeSystemCode(BatchSystemCode(1, number, LifeSupportLevel::Average, BiozoneWidth::Normal));
        AppendCsvRows(out, system, number, code);
        if (out.size() > (1u << 20))
            out.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateAndCsv);

} // namespace
} // namespace kelvane

BENCHMARK_MAIN();

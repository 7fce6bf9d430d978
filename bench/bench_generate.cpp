#include <benchmark/benchmark.h>

#include <string>

#include "core/AppState.h"
#include "core/export/SystemWriters.h"
#include "core/model/modGenerate.h"

namespace kelvane {
namespace {

// Whole systems as New makes them, with the real clock behind every reseed.
void BM_GenerateSystem(benchmark::State& state)
{
    AppState app;
    for (auto _ : state) {
        GenerateSystem(app);
        benchmark::DoNotOptimize(app.system);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateSystem);

// The same with the counter clock that --seed uses.
void BM_GenerateSystemSeeded(benchmark::State& state)
{
    AppState app;
    app.random = std::make_unique<RandomSource>(RandomSource::Deterministic(1));
    for (auto _ : state) {
        GenerateSystem(app);
        benchmark::DoNotOptimize(app.system);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateSystemSeeded);

// The CSV rows of one system (ten lines), into a buffer that is emptied now
// and then as the command line empties it.
void BM_CsvRows(benchmark::State& state)
{
    AppState app;
    app.random = std::make_unique<RandomSource>(RandomSource::Deterministic(1));
    GenerateSystem(app);
    std::string out;
    std::uint64_t number = 0;
    for (auto _ : state) {
        AppendCsvRows(out, app.system, ++number);
        if (out.size() > (1u << 20))
            out.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CsvRows);

// What `kelvane-cli new --format csv` does per system, short of the write.
void BM_GenerateAndCsv(benchmark::State& state)
{
    AppState app;
    app.random = std::make_unique<RandomSource>(RandomSource::Deterministic(1));
    std::string out;
    std::uint64_t number = 0;
    for (auto _ : state) {
        GenerateSystem(app);
        AppendCsvRows(out, app.system, ++number);
        if (out.size() > (1u << 20))
            out.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GenerateAndCsv);

} // namespace
} // namespace kelvane

BENCHMARK_MAIN();

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "QtBenchMain.h"
#include "core/sector/SectorFolder.h"
#include "core/sector/SectorGeneration.h"
#include "core/sector/SectorMap.h"
#include "core/sector/SectorMapSvg.h"
#include "render/SectorBook.h"
#include "render/SectorMapPainter.h"

namespace kelvane {
namespace {

// A sector of 32 x 40 hexes, 1,280, about half of them occupied.
const SectorOptions Large{2024, 32, 40, 0.5, LifeSupportLevel{2}, BiozoneWidth{1}};

void BM_GenerateSector(benchmark::State& state)
{
    const double density = static_cast<double>(state.range(2)) / 100.0;
    const SectorOptions options{2024,
                                static_cast<int>(state.range(0)),
                                static_cast<int>(state.range(1)),
                                density,
                                LifeSupportLevel{2},
                                BiozoneWidth{1}};
    for (auto _ : state) {
        Sector sector = GenerateSector(options);
        benchmark::DoNotOptimize(sector);
    }
}
BENCHMARK(BM_GenerateSector)
    ->Args({8, 10, 50})
    ->Args({32, 40, 50})
    ->Args({64, 80, 100})
    ->Unit(benchmark::kMillisecond);

void BM_DrawSectorMap(benchmark::State& state)
{
    const Sector sector = GenerateSector(Large);
    for (auto _ : state) {
        SectorMap map = DrawSectorMap(sector);
        benchmark::DoNotOptimize(map);
    }
}
BENCHMARK(BM_DrawSectorMap)->Unit(benchmark::kMillisecond);

void BM_SectorMapSvg(benchmark::State& state)
{
    const SectorMap map = DrawSectorMap(GenerateSector(Large));
    for (auto _ : state) {
        std::string svg = SectorMapSvg(map);
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(BM_SectorMapSvg)->Unit(benchmark::kMillisecond);

// Painting the large map into a window-sized image of 1600 x 1000 pixels:
// the whole map fitted in (zoom 0), or at the map's SVG scale (a hex 100
// pixels across) or twice that, showing the middle of the map.
void BM_PaintSectorMap(benchmark::State& state)
{
    const SectorMap map = DrawSectorMap(GenerateSector(Large));
    QImage image(1600, 1000, QImage::Format_RGB32);
    QRectF target(0, 0, 1600, 1000);
    if (state.range(0) > 0) {
        const double scale = SectorSvgScale * static_cast<double>(state.range(0));
        const double width = map.extents.Width * scale, height = map.extents.Height * scale;
        target = QRectF(800 - width / 2, 500 - height / 2, width, height);
    }
    for (auto _ : state) {
        QPainter painter(&image);
        PaintSectorMap(painter, map, target);
    }
}
BENCHMARK(BM_PaintSectorMap)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The book of a full subsector: the map and 80 report pages.
void BM_SectorBookPdf(benchmark::State& state)
{
    const Sector sector = GenerateSector({2024, 8, 10, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    for (auto _ : state) {
        QByteArray pdf = SectorBookPdf(sector, AppSettings(), '.');
        benchmark::DoNotOptimize(pdf);
    }
}
BENCHMARK(BM_SectorBookPdf)->Unit(benchmark::kMillisecond);

// Open Sector's reading of the largest folder: the index, then the 5,120
// system files, each read over the system its code makes.
void BM_ReadSectorFolder(benchmark::State& state)
{
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("kelvane-bench-sector-" + std::to_string(::getpid())))
            .string();
    const Sector sector = GenerateSector({2024, 64, 80, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    if (!WriteSectorFolder(sector, folder, '.', "book").Ok()) {
        state.SkipWithError("the folder could not be written");
        return;
    }
    for (auto _ : state) {
        Sector read;
        if (!ReadSectorFolder(folder, '.', read).Ok())
            state.SkipWithError("the folder could not be read");
        benchmark::DoNotOptimize(read);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ReadSectorFolder)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kelvane

int main(int argc, char** argv)
{
    return kelvane::RunQtBenchmarks<QGuiApplication>(argc, argv);
}

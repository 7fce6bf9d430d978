#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <vector>

#include "core/AppState.h"
#include "core/drawing/OrbitalDisplay.h"
#include "core/drawing/SurfaceSvg.h"
#include "core/model/RandomSource.h"
#include "core/model/modGenerate.h"
#include "render/SurfacePainter.h"

namespace kelvane {
namespace {

// The most a drawing holds: a belt in every orbit of the complete style,
// 1,050 dots, with the orbit lines.
StarSystem TenBelts()
{
    StarSystem system;
    system.SystemType = 1;
    system.StarClass = ClassSuperGiant;
    system.StarType = StarBlue;
    for (OrbitRecord& orbit : system.Orbits)
        orbit.Type = TypeAsteroids;
    return system;
}

AppSettings Complete()
{
    AppSettings settings;
    settings.OrbitDisplay = OrbitDisplayStyle::Complete;
    return settings;
}

DrawingSurface BusySurface()
{
    DrawingSurface surface;
    RandomSource random = RandomSource::Deterministic(1);
    DrawOrbitalDisplay(surface, TenBelts(), Complete(), 0, random);
    return surface;
}

void BM_DrawTenBeltsComplete(benchmark::State& state)
{
    const StarSystem system = TenBelts();
    const AppSettings settings = Complete();
    RandomSource random = RandomSource::Deterministic(1);
    DrawingSurface surface;
    for (auto _ : state) {
        DrawOrbitalDisplay(surface, system, settings, 0, random);
        benchmark::DoNotOptimize(surface.Shapes().data());
    }
    state.counters["shapes"] = static_cast<double>(surface.Shapes().size());
}
BENCHMARK(BM_DrawTenBeltsComplete);

// Generated systems in the default arced style, a different one each time.
void BM_DrawGeneratedArced(benchmark::State& state)
{
    AppSettings settings;
    RandomSource random = RandomSource::Deterministic(7);
    std::vector<StarSystem> systems;
    StarSystem system;
    for (int i = 0; i < 64; ++i) {
        GenerateSystem(system, random, {});
        systems.push_back(system);
    }
    DrawingSurface surface;
    std::size_t next = 0, shapes = 0;
    for (auto _ : state) {
        DrawOrbitalDisplay(surface, systems[next++ % systems.size()], settings, 0, random);
        shapes += surface.Shapes().size();
        benchmark::DoNotOptimize(surface.Shapes().data());
    }
    state.counters["shapes"] =
        benchmark::Counter(static_cast<double>(shapes) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_DrawGeneratedArced);

// The widget's and the PNG's cost: the busy drawing into 800 x 800 pixels.
void BM_PaintTenBelts800(benchmark::State& state)
{
    const DrawingSurface surface = BusySurface();
    QImage image(800, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintSurface(painter, surface, QRectF(0, 0, 800, 800));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintTenBelts800)->Unit(benchmark::kMillisecond);

// What render -o x.png adds: painting and encoding.
void BM_PngTenBelts800(benchmark::State& state)
{
    const DrawingSurface surface = BusySurface();
    for (auto _ : state)
        benchmark::DoNotOptimize(SurfacePng(surface, 800, 800));
}
BENCHMARK(BM_PngTenBelts800)->Unit(benchmark::kMillisecond);

void BM_SvgTenBelts800(benchmark::State& state)
{
    const DrawingSurface surface = BusySurface();
    for (auto _ : state)
        benchmark::DoNotOptimize(SurfaceSvg(surface, 800, 800));
}
BENCHMARK(BM_SvgTenBelts800);

} // namespace
} // namespace kelvane

BENCHMARK_MAIN();

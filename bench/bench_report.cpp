#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>

#include "QtBenchMain.h"
#include "core/AppState.h"
#include "core/drawing/OrbitalDisplay.h"
#include "core/model/RandomSource.h"
#include "core/model/modGenerate.h"
#include "render/ReportOutput.h"
#include "render/SystemReport.h"

namespace kelvane {
namespace {

// A generated system whose orbits hold planets and belts, and the heaviest
// picture the report can have: the complete style, its belts drawn with the
// most dots.
struct Subject {
    Subject()
    {
        GenerateSystem(app.system, random, {});
        for (int n : {3, 6, 9})
            app.system.Orbit(n).Type = TypeAsteroids;
        app.settings.OrbitDisplay = OrbitDisplayStyle::Complete;
    }
    AppState app;
    mutable RandomSource random = RandomSource::Deterministic(11);
};

// Draws from the subject's random source, as every new report does.
ReportDocument Build(const Subject& subject)
{
    const AppState& app = subject.app;
    return BuildSystemReport(app.system, app.settings, ReportPictureBackColor(app.settings), subject.random,
                             '.');
}

void BM_BuildSystemReport(benchmark::State& state)
{
    Subject subject;
    for (auto _ : state) {
        ReportDocument document = Build(subject);
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(BM_BuildSystemReport)->Unit(benchmark::kMicrosecond);

void BM_PaintReportPage96Dpi(benchmark::State& state)
{
    Subject subject;
    const ReportDocument document = Build(subject);
    for (auto _ : state) {
        QImage page = ReportPageImage(document, 96);
        benchmark::DoNotOptimize(page);
    }
}
BENCHMARK(BM_PaintReportPage96Dpi)->Unit(benchmark::kMillisecond);

void BM_ReportPdf(benchmark::State& state)
{
    Subject subject;
    const ReportDocument document = Build(subject);
    for (auto _ : state) {
        QByteArray pdf = ReportPdf(document, QStringLiteral("Bench"));
        benchmark::DoNotOptimize(pdf);
    }
}
BENCHMARK(BM_ReportPdf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kelvane

int main(int argc, char** argv)
{
    return kelvane::RunQtBenchmarks<QGuiApplication>(argc, argv);
}

// The Sector window's map on the real widget, offscreen: one frame of the
// largest sector (64 x 80 hexes, every one occupied) in a view of 1000 x 650
// pixels, fitted in and zoomed in, a pan step that paints only the strip
// that comes into view, and the map drawn anew after an edit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <cstdlib>

#include "QtBenchMain.h"
#include "core/sector/SectorGeneration.h"
#include "gui/sector/SectorMapView.h"

namespace {

using namespace kelvane;

const Sector& Largest()
{
    static const Sector sector = GenerateSector(
        {2024, SectorOptions::MaxWidth, SectorOptions::MaxHeight, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    return sector;
}

// A view showing the largest sector at scale pixels per logical unit (0 for
// fitted in), scrolled to its middle.
struct View {
    explicit View(double scale)
    {
        view.resize(1000, 650);
        view.SetSector(&Largest());
        view.show();
        QApplication::processEvents();
        const QPointF middle(view.viewport()->width() / 2.0, view.viewport()->height() / 2.0);
        if (scale > 0)
            view.ZoomAt(scale / view.Scale(), middle);
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum() / 2);
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
        QApplication::processEvents();
    }
    SectorMapView view;
    QImage image{1000, 650, QImage::Format_RGB32};
};

// The whole viewport painted, as after a zoom: range(0) is the scale in
// thousandths (0 for fitted in, about 46; 100 a hex 20 pixels across; 250
// shows hex numbers and names; 500 is the map's SVG scale; 2000 the most).
void BM_SectorWindowFrame(benchmark::State& state)
{
    View v(static_cast<double>(state.range(0)) / 1000);
    state.counters["scale"] = v.view.Scale();
    for (auto _ : state)
        v.view.viewport()->render(&v.image);
}
BENCHMARK(BM_SectorWindowFrame)
    ->Arg(0)
    ->Arg(100)
    ->Arg(250)
    ->Arg(500)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);

// A pan step of 40 pixels across: only the strip that came into view is
// painted.
void BM_SectorWindowPanStep(benchmark::State& state)
{
    View v(static_cast<double>(state.range(0)) / 1000);
    const QRegion strip(QRect(960, 0, 40, 650));
    for (auto _ : state)
        v.view.viewport()->render(&v.image, QPoint(960, 0), strip);
}
BENCHMARK(BM_SectorWindowPanStep)->Arg(100)->Arg(250)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);

// What an edit of a hex's system costs the window besides the paint: the
// whole map's shapes made anew.
void BM_SectorWindowRedraw(benchmark::State& state)
{
    View v(0.5);
    for (auto _ : state)
        v.view.Redraw();
}
BENCHMARK(BM_SectorWindowRedraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return kelvane::RunQtBenchmarks<QApplication>(argc, argv);
}

// RefreshAll on the real windows, offscreen: the drawing, both tables and the
// combo, as every command that changes the system ends.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "gui/shell/Controller.h"
#include "gui/shell/mdiMain.h"

namespace {

void BM_RefreshAll(benchmark::State& state)
{
    const auto folder =
        std::filesystem::temp_directory_path() / ("kelvane-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    {
        kelvane::Controller controller(folder.string());
        controller.Main();
        QApplication::processEvents();
        for (auto _ : state)
            controller.RefreshAll();
        controller.MainWindow()->hide();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RefreshAll)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// RefreshAll on the real windows, offscreen: the drawing, both tables and the
// combo, as every command that changes the system ends, and then the paint of
// the main window and its four child windows that the user waits for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>
#include <vector>

#include "QtBenchMain.h"
#include "gui/shell/ChildWindows.h"
#include "gui/shell/Controller.h"
#include "gui/shell/mdiMain.h"

namespace {

// The program as it starts, in a settings folder of its own; a few systems to
// show in turn, so that every refresh changes what the windows hold.
class Program {
public:
    Program()
        : m_folder(std::filesystem::temp_directory_path() / ("kelvane-bench-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(m_folder);
        m_controller = std::make_unique<kelvane::Controller>(m_folder.string());
        m_controller->Main();
        QApplication::processEvents();
    }
    ~Program()
    {
        m_controller->MainWindow()->hide();
        m_controller.reset();
        std::filesystem::remove_all(m_folder);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // A new system, with the refresh that every command ends in; the
    // generation is a few microseconds of it.
    void RefreshWithNext()
    {
        m_controller->Document().NewSystem();
        m_controller->Windows().RefreshAll();
    }
    QWidget* Window() const { return m_controller->MainWindow(); }

private:
    std::filesystem::path m_folder;
    std::unique_ptr<kelvane::Controller> m_controller;
};

// RefreshAll alone: what the windows compute; their paint comes later.
void BM_RefreshAll(benchmark::State& state)
{
    Program program;
    for (auto _ : state) {
        program.RefreshWithNext();
    }
}
BENCHMARK(BM_RefreshAll)->Unit(benchmark::kMicrosecond);

// RefreshAll and then the paint of the main window and every child window,
// rendered into one image kept from run to run as a window's backing store
// is: the whole time from a changed system to its pixels.
void BM_RefreshAllAndPaint(benchmark::State& state)
{
    Program program;
    QWidget* window = program.Window();
    QImage pixels(window->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        program.RefreshWithNext();
        window->render(&pixels);
        benchmark::DoNotOptimize(pixels.constBits());
    }
    state.counters["width"] = pixels.width();
    state.counters["height"] = pixels.height();
}
BENCHMARK(BM_RefreshAllAndPaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return kelvane::RunQtBenchmarks<QApplication>(argc, argv);
}

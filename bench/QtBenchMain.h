#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace kelvane {

// The main of a benchmark program that paints or lays out text with Qt:
// without a screen, on the offscreen platform unless QT_QPA_PLATFORM names
// another. Application is QGuiApplication, or QApplication for windows.
template <class Application> int RunQtBenchmarks(int argc, char** argv)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0')
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Application application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace kelvane

#pragma once
// The main of a benchmark program that makes widgets (the main window): Qt runs offscreen unless
// a platform is named, and Google Benchmark runs the cases the command line selects; `finish`
// runs after the cases, while the application still exists.

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>

inline int RunOffscreenWidgetBenchmarks(int argc, char** argv, const std::function<void()>& finish = {})
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (finish)
        finish();
    benchmark::Shutdown();
    return 0;
}

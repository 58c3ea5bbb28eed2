#pragma once
// The main of a benchmark program that paints: Qt runs offscreen unless a platform is named, and
// Google Benchmark runs the cases the command line selects.

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

inline int RunOffscreenBenchmarks(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

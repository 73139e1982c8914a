#pragma once

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

// Runs the registered benchmarks inside an offscreen application whose settings and
// score files go to a temporary state directory, so a bench never touches the user's.
inline int runBenchmarksInApplication(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir state;
    qputenv("XDG_CONFIG_HOME", (state.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (state.path() + "/data").toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#pragma once

#include <benchmark/benchmark.h>

// Runs the benchmarks that the command line selects, for a program whose main
// prepares its own environment first (a Qt application, resources).
inline int RunBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

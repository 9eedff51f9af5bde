#pragma once

// The orders that every drawing benchmark covers: a small one; 9, the densest drawn; 13, the
// highest of unit 0; and "13.5", the deepest the program accepts (depth 14). Each runs
// `repetitions` times and reports its aggregates in milliseconds.

#include <benchmark/benchmark.h>

#define BENCHMARK_ORDERS(function, repetitions)                                                    \
    BENCHMARK_CAPTURE(function, 5, "5")->Apply(repetitions);                                       \
    BENCHMARK_CAPTURE(function, 9, "9")->Apply(repetitions);                                       \
    BENCHMARK_CAPTURE(function, 13, "13")->Apply(repetitions);                                     \
    BENCHMARK_CAPTURE(function, 13.5, "13.5")->Apply(repetitions)

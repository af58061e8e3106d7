// The one main of kestrin_bench; every *_bench.cpp only registers benchmarks.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();

// Transform cost per length, and what building the tables costs.
#include "FFTReal.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

static void forwardAndInverse(benchmark::State& state)
{
    const long n = state.range(0);
    const size_t size = static_cast<size_t>(n);
    std::vector<float> x(size), f(size), y(size);
    for (long i = 0; i < n; ++i)
        x[size_t(i)] = float(std::sin(0.01 * double(i)));
    FFTReal fft(n);
    for (auto _ : state) {
        fft.do_fft(f.data(), x.data());
        fft.do_ifft(f.data(), y.data());
        benchmark::DoNotOptimize(y.data());
    }
}
BENCHMARK(forwardAndInverse)->RangeMultiplier(2)->Range(512, 8192);

static void construction(benchmark::State& state)
{
    for (auto _ : state) {
        FFTReal fft(state.range(0));
        benchmark::DoNotOptimize(&fft);
    }
}
BENCHMARK(construction)->Arg(4096)->Arg(8192);

BENCHMARK_MAIN();

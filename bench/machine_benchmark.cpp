// A fixed piece of work that none of the program's code takes part in: how fast this machine is at the
// moment. bench/check.py measures the other figures against it, so a slower machine is not taken for a
// slower program.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

void BM_MachineSpeed(benchmark::State& state)
{
    std::vector<std::uint32_t> numbers(1u << 16);
    std::uint32_t x = 12345;
    for (std::uint32_t& n : numbers) {
        x = x * 1664525u + 1013904223u;
        n = x;
    }
    for (auto _ : state) {
        std::vector<std::uint32_t> sorted = numbers;
        std::sort(sorted.begin(), sorted.end());
        benchmark::DoNotOptimize(sorted.data());
    }
}
BENCHMARK(BM_MachineSpeed)->Unit(benchmark::kMicrosecond);

} // namespace

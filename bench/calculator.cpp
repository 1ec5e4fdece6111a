// Formula evaluation against the formula's length: sums of ones, "1+1+...+1", of 100 KB and
// 1 MB parsed and evaluated. Linear work gives a ratio near 10 between the two. Each round is
// timed in the process's CPU seconds, so that other work on a busy machine does not skew it.

#include "BenchTimes.h"
#include "TCalculator.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <ostream>
#include <string>

namespace {

double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_CalculatorSum(benchmark::State& state)
{
    const auto bytes = static_cast<std::size_t>(state.range(0));
    std::string text = "1";
    while (text.size() + 2 <= bytes)
        text += "+1";
    const TString formula(text.c_str());
    const double want = static_cast<double>(text.size() / 2 + 1);
    double sum = 0;
    for (auto _ : state) {
        const double start = CpuSeconds();
        {
            TCalculator c(formula);
            benchmark::DoNotOptimize(sum = c.Calculate());
        }
        state.SetIterationTime(CpuSeconds() - start);
    }
    if (sum != want) state.SkipWithError("wrong sum");
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

BENCHMARK(BM_CalculatorSum)->Arg(100000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        if (const double ratio =
                r.Ratio("BM_CalculatorSum/1000000/manual_time", "BM_CalculatorSum/100000/manual_time");
            ratio > 0)
            out << "calculator, 1 MB formula / 100 KB formula: " << ratio << " (linear: 10, at most 12)\n";
    });
}

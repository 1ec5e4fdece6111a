// Closure search of dimension chains: the branch-and-bound search against trying every sign
// mask, on the same 20-link chains (half closing, half 0.0015 short of closing) in one run,
// then the branch-and-bound search alone on 30-link chains, which no exhaustive search
// decides in reasonable time (2^30 masks of 30 links each).

#include "BenchTimes.h"
#include "TDimensionChain.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int ChainsPerSet = 8;
constexpr Real Tolerance = 0.001;

// Drawing-like links: steps of a turned part along its axis (most), shoulder heights across
// it, and a few chamfer-like inclined links, on a 0.5 mm grid of lengths from 2 to 150 mm.
std::vector<Real> DrawingChain(std::mt19937& rng, int count, bool closing)
{
    std::uniform_int_distribution<int> halfMillimetres(4, 300);
    std::uniform_int_distribution<int> kind(0, 9);
    std::vector<Real> v;
    Real sx = 0.0, sy = 0.0;
    for (int i = 0; i + 1 < count; ++i) {
        const Real len = halfMillimetres(rng) * 0.5;
        const int k = kind(rng);
        const Real x = k < 6 ? len : k < 9 ? 0.0 : len * 0.7071067811865476;
        const Real y = k < 6 ? 0.0 : k < 9 ? len : len * 0.7071067811865476;
        const bool plus = rng() & 1;
        sx += plus ? x : -x;
        sy += plus ? y : -y;
        v.insert(v.end(), {x, y});
    }
    // The closing link as a picked dimension gives it: turned towards +x (+y when vertical).
    TVector2D last(sx + (closing ? 0.0 : 0.0015), sy);
    OrientDrawingVector(last);
    v.insert(v.end(), {last.x, last.y});
    return v;
}

const std::vector<std::vector<Real>>& Chains(int count)
{
    static std::map<int, std::vector<std::vector<Real>>> sets;
    auto& set = sets[count];
    if (set.empty()) {
        std::mt19937 rng(1000 + count);
        for (int i = 0; i < ChainsPerSet; ++i)
            set.push_back(DrawingChain(rng, count, i % 2 == 0));
    }
    return set;
}

template <bool Exhaustive> void RunSet(benchmark::State& state, int count)
{
    const auto& chains = Chains(count);
    int closed = 0;
    for (auto _ : state) {
        closed = 0;
        for (const auto& v : chains) {
            Integer mask = 0;
            const bool found =
                Exhaustive ? TDimensionChain::SearchClosureExhaustive(v.data(), 2, count, Tolerance, mask)
                           : TDimensionChain::SearchClosure(v.data(), 2, count, Tolerance, mask);
            closed += found;
            benchmark::DoNotOptimize(mask);
        }
    }
    state.counters["closed"] = closed;
    state.counters["chains"] = ChainsPerSet;
}

void BM_Exhaustive20(benchmark::State& state)
{
    RunSet<true>(state, 20);
}

void BM_Closure20(benchmark::State& state)
{
    RunSet<false>(state, 20);
}

void BM_Closure30(benchmark::State& state)
{
    RunSet<false>(state, 30);
}

BENCHMARK(BM_Exhaustive20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Closure20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Closure30)->Unit(benchmark::kMicrosecond);

} // namespace

// Console output as usual, then how many times faster the closure search is.
int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        if (const double speedup = r.Ratio("BM_Exhaustive20", "BM_Closure20"); speedup > 0)
            out << "closure search on 20-link chains: " << speedup
                << " times faster than the exhaustive search (at least 1000 wanted)\n";
    });
}

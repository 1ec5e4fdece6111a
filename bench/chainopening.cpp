// Opening a drawing's stored chains in the stand-in host: the chains read from the document,
// their links bound again and every link followed, at 100 and 300 chains that count each
// other. Chain k closes D(k+1) 0..10(k+2) on D(k) and E(k) 10(k+1)..10(k+2), so each counts
// the closing dimension of the one before; nothing changed, the opening is quiet. The run ends
// with the cost at 300 over the cost at 100 (at most 4.5 wanted, linear would be 3).

#include "BenchDrawing.h"
#include "BenchTimes.h"
#include "ChainFollow.h"
#include "FacadeChainHost.h"
#include "TDimensionChains.h"
#include "TWrittenDeviations.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// A host with one drawing holding Count chains, stored in the document.
class TStoredChains {
public:
    explicit TStoredChains(int Count)
    {
        OpenBenchDrawing(FHost);
        TDimensionChains set;
        tvapi::IDrawingObjectPtr counted = Dim(0, 10, 0.1, -0.1);
        for (int k = 0; k < Count; ++k) {
            TDimensionChain& chain = k == 0 ? set.DimChains[0] : set.DimChains.Add();
            const tvapi::IDrawingObjectPtr step = Dim(10.0 * (k + 1), 10.0 * (k + 2), 0.05, -0.02);
            const tvapi::IDrawingObjectPtr closing = Dim(0, 10.0 * (k + 2), 0, 0);
            for (const tvapi::IDrawingObjectPtr& d : {counted, step, closing})
                chain.Add(d, {}, FacadeChainHost(), TClosingStep{false, false});
            Closed += chain.Closed;
            counted = closing;
        }
        // Calculated and written as a panel follows what it picked.
        TWrittenDeviations written;
        TFigureChange picked;
        picked.Written = &written;
        for (Integer k = 0; k < set.DimChains.Count; ++k)
            picked.Chains.push_back(k);
        FollowFigures(set.DimChains, FacadeChainHost(), picked);
        written.Forget();
        set.SavetoUserStorage();
        FHost.Journal().Clear();
    }
    ~TStoredChains() { CloseBenchDrawing(); }
    TStoredChains(const TStoredChains&) = delete;
    TStoredChains& operator=(const TStoredChains&) = delete;

    // The chains as a panel opening over the drawing reads and follows them.
    Integer Open()
    {
        TDimensionChains set;
        TWrittenDeviations written;
        set.LoadfromUserStorage(&written);
        FHost.Journal().Clear();
        return set.DimChains.Count;
    }

    int Closed = 0;

private:
    // A horizontal dimension from x1 to x2, its line at its own height.
    tvapi::IDrawingObjectPtr Dim(double x1, double x2, double hi, double lo)
    {
        return BenchDimension(x1, 0, x2, 0, ++FLines * 2.0, hi, lo);
    }

    tvhost::THost FHost;
    int FLines = 0;
};

void BM_OpenStoredChains(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    std::unique_ptr<TStoredChains> stored = std::make_unique<TStoredChains>(count);
    Integer opened = 0;
    for (auto _ : state)
        opened = stored->Open();
    state.counters["chains"] = static_cast<double>(opened);
    state.counters["closed"] = stored->Closed;
    stored.reset();
}

BENCHMARK(BM_OpenStoredChains)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

} // namespace

// Console output as usual, then the cost of 300 chains over that of 100.
int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        if (const double ratio = r.Ratio("BM_OpenStoredChains/300", "BM_OpenStoredChains/100"); ratio > 0)
            out << "opening 300 stored chains: " << ratio << " times 100 (at most 4.5 wanted)\n";
    });
}

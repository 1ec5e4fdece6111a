// The drawing chain panel on large drawings in the stand-in host: opening the panel, picking a
// chain and recognising one, at 1,000 and 10,000 dimensions, in two layouts. Every group of
// five dimensions is the step of a shaft (A 0..40, B 30..40, closing C 0..30, L 0..80,
// M 40..80); "own" sets the groups side by side, each on its own extension lines, "shared"
// stacks them on the same four extension lines, where recognition finds paths without end
// and stops at its cap. The run ends with each step's cost at 10,000 over its cost at 1,000
// (at most 12 wanted).

#include "BenchDrawing.h"
#include "BenchTimes.h"
#include "pmDimensionChain2D.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {

constexpr int GroupDimensions = 5;
constexpr double GroupStep = 100.0; // apart along x (own) or y (shared)

enum TLayout { lOwn, lShared };

// A host with one drawing of `count` dimensions, made the facade's document.
class TDrawingSession {
public:
    TDrawingSession(TLayout Layout, int Count) : FLayout(Layout), FGroups(Count / GroupDimensions)
    {
        OpenBenchDrawing(FHost);
        for (int g = 0; g < FGroups; ++g)
            DrawGroup(g);
        FHost.Journal().Clear();
    }
    ~TDrawingSession() { CloseBenchDrawing(); }
    TDrawingSession(const TDrawingSession&) = delete;
    TDrawingSession& operator=(const TDrawingSession&) = delete;

    // The panel as the command opens it.
    std::unique_ptr<TpmDimensionChain2D> Open() { return std::make_unique<TpmDimensionChain2D>(); }
    // Closes the panel and forgets the host's journal of its calls: untimed, both are no step.
    void Close(std::unique_ptr<TpmDimensionChain2D>& Panel)
    {
        Panel.reset();
        FHost.Journal().Clear();
    }
    // A move and a click on the dimension line of A, B or C (0, 1, 2) of the middle group.
    void Pick(TpmDimensionChain2D& Panel, int Which)
    {
        static constexpr double Middle[3][2] = {{20, 44}, {35, 34}, {15, 28}};
        const double x = Middle[Which][0] + Shift(FGroups / 2, 0);
        const double y = Middle[Which][1] + Shift(FGroups / 2, 1);
        Panel.PlacementChanged(x, y, 0, true);
        Panel.PlacementChanged(x, y, 0, false);
    }

private:
    double Shift(int Group, int Axis) const
    {
        return (FLayout == lOwn) == (Axis == 0) ? Group * GroupStep : 0.0;
    }
    // The dimension line runs at height y3 above the group's base.
    void Dim(int Group, double x1, double y1, double x2, double y2, double y3, double hi, double lo)
    {
        const double dx = Shift(Group, 0), dy = Shift(Group, 1);
        BenchDimension(x1 + dx, y1 + dy, x2 + dx, y2 + dy, y3 + dy, hi, lo);
    }
    void DrawGroup(int g)
    {
        Dim(g, 0, 15, 40, 20, 44, 0.1, -0.1);
        Dim(g, 30, 20, 40, 20, 34, 0.05, 0.0);
        Dim(g, 0, 15, 30, 20, 28, 0.0, 0.0);
        Dim(g, 0, 15, 80, 12, 12, 0.2, -0.2);
        Dim(g, 40, 20, 80, 12, 2, 0.1, -0.1);
    }

    tvhost::THost FHost;
    TLayout FLayout;
    int FGroups;
};

// One drawing at a time, kept while the benchmarks of its layout and size run.
std::unique_ptr<TDrawingSession> TheSession;
std::pair<TLayout, int> TheSessionKey{lOwn, 0};

TDrawingSession& Session(TLayout Layout, int Count)
{
    if (!TheSession || TheSessionKey != std::pair{Layout, Count}) {
        TheSession.reset();
        TheSession = std::make_unique<TDrawingSession>(Layout, Count);
        TheSessionKey = {Layout, Count};
    }
    return *TheSession;
}

void OpenPanel(benchmark::State& state, TLayout Layout, int Count)
{
    TDrawingSession& s = Session(Layout, Count);
    for (auto _ : state) {
        auto panel = s.Open();
        benchmark::DoNotOptimize(panel->AllDimension2D.Count());
        state.PauseTiming();
        s.Close(panel);
        state.ResumeTiming();
    }
}

void PickChain(benchmark::State& state, TLayout Layout, int Count)
{
    TDrawingSession& s = Session(Layout, Count);
    bool closed = false;
    for (auto _ : state) {
        state.PauseTiming();
        auto panel = s.Open();
        state.ResumeTiming();
        for (int which : {0, 1, 2})
            s.Pick(*panel, which);
        state.PauseTiming();
        closed = panel->Chain().Closed;
        s.Close(panel);
        state.ResumeTiming();
    }
    state.counters["closed"] = closed;
}

void RecogniseChain(benchmark::State& state, TLayout Layout, int Count)
{
    TDrawingSession& s = Session(Layout, Count);
    int links = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto panel = s.Open();
        s.Pick(*panel, 2);
        const tvapi::IPropertyControlPtr command(panel->bAddDimChainForDim);
        state.ResumeTiming();
        panel->ControlCommand(command, 1);
        state.PauseTiming();
        links = panel->Chain().Count();
        s.Close(panel);
        state.ResumeTiming();
    }
    state.counters["links"] = links;
}

const char* LayoutName(TLayout Layout)
{
    return Layout == lOwn ? "own" : "shared";
}

std::string Name(const char* Step, TLayout Layout, int Count)
{
    return std::string(Step) + "/" + LayoutName(Layout) + "/" + std::to_string(Count);
}

constexpr int Sizes[] = {1000, 10000};
constexpr const char* Steps[] = {"Open", "Pick", "Recognise"};

void Register()
{
    using TStep = void (*)(benchmark::State&, TLayout, int);
    constexpr TStep Bodies[] = {OpenPanel, PickChain, RecogniseChain};
    for (TLayout layout : {lOwn, lShared})
        for (int count : Sizes)
            for (int step = 0; step < 3; ++step)
                benchmark::RegisterBenchmark(Name(Steps[step], layout, count).c_str(), Bodies[step], layout,
                                             count)
                    ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    Register();
    const int result = RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        for (TLayout layout : {lOwn, lShared})
            for (const char* step : Steps)
                if (const double ratio = r.Ratio(Name(step, layout, 10000), Name(step, layout, 1000));
                    ratio > 0)
                    out << step << ", " << LayoutName(layout) << " extension lines: 10,000 dimensions cost "
                        << ratio << " times 1,000 (at most 12 wanted)\n";
    });
    TheSession.reset(); // the host ends before the facade's globals do
    return result;
}

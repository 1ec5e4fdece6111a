// Speed of the rectangle search of circle placement on one fixed scene (8 zones of 20 to 50
// segments, a grid of 30 points per axis) with 1 and with 4 worker threads; ends with the
// speed-up of 4 workers over 1 (at most 4 on 4 free cores), the median of 5 repetitions, then
// the process's CPU time of 4 workers over 1, the CPUs the 4 kept busy, and the same speed-up
// of work that shares nothing, which is what the cores could give at that time. Run it pinned
// to 4 idle cores (taskset -c A,B,C,D); the output says where it ran and how much of those
// cores other processes took meanwhile.

#include "BenchTimes.h"
#include "Contour.h"
#include "LineSeg.h"
#include "Protector.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <thread>
#include <vector>

namespace {

// A closed polygon of n segments around (cx, cy), its radius between r / 2 and r.
TContour* Blob(double cx, double cy, double r, int n, unsigned seed)
{
    auto* C = new TContour;
    std::vector<TPoint2D> P;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * TMathDef::C_PI * i / n;
        const double f = 0.5 + 0.5 * ((seed * 2654435761u + i * 40503u) % 1000) / 1000.0;
        P.emplace_back(cx + r * f * std::cos(a), cy + r * f * std::sin(a));
    }
    for (int i = 0; i < n; ++i)
        C->Add(new TLineSeg(P[i], P[(i + 1) % n]));
    return C;
}

void Scene(TProtector& P)
{
    const double at[8][2] = {{40, 40},   {150, 30}, {260, 50},  {30, 150},
                             {270, 160}, {50, 260}, {150, 270}, {250, 250}};
    for (int i = 0; i < 8; ++i)
        P.AddProtectContour(Blob(at[i][0], at[i][1], 28, 20 + 4 * i, i + 1));
}

void BM_PlaceByRectAngle(benchmark::State& state)
{
    TProtector P;
    Scene(P);
    P.Workers = static_cast<Integer>(state.range(0));
    double xl = 0, yd = 0, xr = 0, yu = 0;
    for (auto _ : state) {
        const bool found = P.PlaceByRectAngle(TRect2D(0, 0, 300, 300), 6, TRect2D(120, 120, 180, 180), xl, yd,
                                              xr, yu, 10, true);
        benchmark::DoNotOptimize(found);
    }
    state.counters["xl"] = xl;
    state.counters["xr"] = xr;
}

BENCHMARK(BM_PlaceByRectAngle)
    ->Arg(1)
    ->Arg(3)
    ->Arg(4)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The machine's own speed-up on these CPUs: a fixed amount of arithmetic that shares nothing,
// split over threads started for each round as the search starts its workers. What the search
// gets below this is its own; what this gets below the thread count is the machine's load.
void BM_SharedNothing(benchmark::State& state)
{
    constexpr long steps = 40000000; // about as long as the search with one worker
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::vector<double> sums(static_cast<std::size_t>(n) * 8); // a cache line per thread
        std::vector<std::thread> threads;
        for (int t = 0; t < n; ++t)
            threads.emplace_back([&sums, t, n] {
                double x = t;
                for (long k = 0; k < steps / n; ++k)
                    x = x * 0.999999 + 1.0;
                sums[static_cast<std::size_t>(t) * 8] = x;
            });
        for (std::thread& thread : threads)
            thread.join();
        benchmark::DoNotOptimize(sums.data());
    }
}

BENCHMARK(BM_SharedNothing)
    ->Arg(1)
    ->Arg(4)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    // Repetitions of every benchmark in a shuffled order, so that a change of the machine's
    // load during the run falls on all of them alike; a flag given by the caller comes later
    // and wins.
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    std::vector<char*> args(argv, argv + argc);
    args.insert(args.begin() + (argc > 0 ? 1 : 0), interleave);
    int count = static_cast<int>(args.size());
    return RunBenchmarks(count, args.data(), [](const TTimesReporter& r, std::ostream& out) {
        const std::string one = "BM_PlaceByRectAngle/1/repeats:5/process_time/real_time",
                          four = "BM_PlaceByRectAngle/4/repeats:5/process_time/real_time";
        if (const double speedup = r.Ratio(one, four); speedup > 0)
            out << "circle placement, 4 workers over 1 (median of 5): " << speedup << "x\n";
        // Work the workers add by sharing it (1 = none), and the CPUs the 4 kept busy: below 4
        // on idle cores means a serial part or uneven work, on loaded ones the others' load.
        const double cpuOne = r.CpuSeconds(one), cpuFour = r.CpuSeconds(four), wallFour = r.Seconds(four);
        if (cpuOne > 0 && cpuFour > 0 && wallFour > 0)
            out << "CPU time of 4 workers over 1: " << cpuFour / cpuOne
                << "; CPUs busy with 4 workers: " << cpuFour / wallFour << "\n";
        if (const double machine = r.Ratio("BM_SharedNothing/1/repeats:5/process_time/real_time",
                                           "BM_SharedNothing/4/repeats:5/process_time/real_time");
            machine > 0)
            out << "work that shares nothing, 4 threads over 1 on the same CPUs (median of 5): " << machine
                << "x\n";
    });
}

// Speed of the outer-contour walk on k = 10, 100 and 1000 overlapping squares against
// Boost.Geometry's union of the same squares, and against the same walk asking every item at
// each step; ends with the ratio per k (ours / Boost) and the growth from k = 100 to 1000.

#include "OutCont.h"
#include "BenchTimes.h"
#include "Contour.h"
#include "LineSeg.h"

#include <benchmark/benchmark.h>
// Boost's union, inlined here, trips the uninitialised-use analysis inside its own headers.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>

#include <random>
#include <string>
#include <vector>

namespace {

namespace bg = boost::geometry;
using BPoint = bg::model::d2::point_xy<double>;
using BPolygon = bg::model::polygon<BPoint>;
using BMulti = bg::model::multi_polygon<BPolygon>;

struct TSquare {
    double x, y, a;
};

// A connected chain of squares: each one covers a point of the one before.
std::vector<TSquare> Squares(int k)
{
    std::mt19937 gen(77 + k);
    std::uniform_real_distribution<double> U(0, 1);
    std::vector<TSquare> out;
    double px = 0, py = 0;
    for (int i = 0; i < k; ++i) {
        const double a = 2 + 6 * U(gen);
        out.push_back({px - a * U(gen), py - a * U(gen), a});
        px = out.back().x + a * U(gen);
        py = out.back().y + a * U(gen);
    }
    return out;
}

void Walk(benchmark::State& state, bool indexed)
{
    TContour Src, Dest;
    for (const TSquare& s : Squares(static_cast<int>(state.range(0)))) {
        const TPoint2D P[4] = {{s.x, s.y}, {s.x + s.a, s.y}, {s.x + s.a, s.y + s.a}, {s.x, s.y + s.a}};
        for (int i = 0; i < 4; ++i)
            Src.Add(new TLineSeg(P[i], P[(i + 1) % 4]));
    }
    Integer code = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(code =
                                     indexed ? Src.OutCont(&Dest, nullptr) : OutContWalk(Src, &Dest, false));
    state.counters["code"] = code;
    state.counters["pieces"] = Dest.Count;
}

void BM_OutCont(benchmark::State& state)
{
    Walk(state, true);
}

// The walk before the grid: every item asked at every step.
void BM_OutContEveryItem(benchmark::State& state)
{
    Walk(state, false);
}

void BM_BoostUnion(benchmark::State& state)
{
    std::vector<BPolygon> polys;
    for (const TSquare& s : Squares(static_cast<int>(state.range(0)))) {
        BPolygon P;
        for (const BPoint& p : {BPoint(s.x, s.y), BPoint(s.x, s.y + s.a), BPoint(s.x + s.a, s.y + s.a),
                                BPoint(s.x + s.a, s.y), BPoint(s.x, s.y)})
            bg::append(P.outer(), p);
        polys.push_back(P);
    }
    for (auto _ : state) {
        BMulti U;
        for (const BPolygon& P : polys) {
            BMulti next;
            bg::union_(U, P, next);
            U = std::move(next);
        }
        benchmark::DoNotOptimize(U);
    }
}

BENCHMARK(BM_OutCont)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OutContEveryItem)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BoostUnion)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        for (const std::string k : {"10", "100", "1000"})
            if (const double ratio = r.Ratio("BM_OutCont/" + k, "BM_BoostUnion/" + k); ratio > 0)
                out << "outer contour of " << k << " squares, ours / Boost.Geometry union: " << ratio << "\n";
        for (const std::string walk : {"BM_OutCont", "BM_OutContEveryItem"})
            if (const double growth = r.Ratio(walk + "/1000", walk + "/100"); growth > 0)
                out << walk << ", time at k = 1000 over k = 100: " << growth << "\n";
    });
}

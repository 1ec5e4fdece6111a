// Speed of the triangle overlap tests against CGAL's do_intersect (filtered exact predicates)
// and against the earlier form of our own tests (TrianglesToday.h) on the same fixed-seed pairs,
// class by class; ends with a table of ns per pair and ratios. Every pair is also answered by
// the earlier form: "changed" counts the pairs whose answer (or segment) differs, and must be 0.

#include "BenchTimes.h"
#include "Mathemat3dTri.h"
#include "TrianglesToday.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Intersections_2/Triangle_2_Triangle_2.h>
#include <CGAL/Intersections_3/Triangle_3_Triangle_3.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using K = CGAL::Exact_predicates_inexact_constructions_kernel;
constexpr std::size_t kPairs = 65536;

struct Pair3 {
    double v[6][3];
};
struct Pair2 {
    double v[6][2];
};

struct Set3 {
    std::vector<Pair3> ours;
    std::vector<K::Triangle_3> a, b;
    double overlapping = 0; // fraction of pairs that meet
    long disagreements = 0; // pairs where the two libraries answer differently
    long changed = 0;       // pairs where the earlier form of ours answers differently
};
struct Set2 {
    std::vector<Pair2> ours;
    std::vector<K::Triangle_2> a, b;
    double overlapping = 0;
    long disagreements = 0;
    long changed = 0;
};

using Overlap3 = int (*)(double*, double*, double*, double*, double*, double*);
using Overlap2 = Overlap3;
using Segment3 = int (*)(double*, double*, double*, double*, double*, double*, int*, double*, double*);

int overlap(Pair3& p, Overlap3 f = tri_tri_overlap_test_3d)
{
    return f(p.v[0], p.v[1], p.v[2], p.v[3], p.v[4], p.v[5]);
}
int overlap(Pair2& p, Overlap2 f = tri_tri_overlap_test_2d)
{
    return f(p.v[0], p.v[1], p.v[2], p.v[3], p.v[4], p.v[5]);
}

// The answer, the flag and the segment of one pair, for comparing two forms bit for bit.
struct SegmentAnswer {
    int meet = 0, flag = 0;
    double source[3] = {}, target[3] = {};
};
SegmentAnswer segment(Pair3& p, Segment3 f)
{
    SegmentAnswer a;
    a.meet = f(p.v[0], p.v[1], p.v[2], p.v[3], p.v[4], p.v[5], &a.flag, a.source, a.target);
    return a;
}

bool changed(Pair3& p)
{
    const SegmentAnswer a = segment(p, tri_tri_intersection_test_3d),
                        b = segment(p, today::tri_tri_intersection_test_3d);
    return overlap(p) != overlap(p, today::tri_tri_overlap_test_3d) || std::memcmp(&a, &b, sizeof a) != 0;
}
bool changed(Pair2& p)
{
    return overlap(p) != overlap(p, today::tri_tri_overlap_test_2d);
}

// Triangle `t` (vertices 0..2 or 3..5) is not strictly on one side of the other triangle's plane.
bool straddles(const Pair3& p, int t)
{
    const int o = 3 - t;
    double u[3], w[3], n[3], d[3];
    for (int c = 0; c < 3; ++c)
        u[c] = p.v[o + 1][c] - p.v[o][c], w[c] = p.v[o + 2][c] - p.v[o][c];
    n[0] = u[1] * w[2] - u[2] * w[1], n[1] = u[2] * w[0] - u[0] * w[2], n[2] = u[0] * w[1] - u[1] * w[0];
    for (int k = 0; k < 3; ++k) {
        d[k] = 0;
        for (int c = 0; c < 3; ++c)
            d[k] += (p.v[t + k][c] - p.v[o][c]) * n[c];
    }
    return !((d[0] > 0 && d[1] > 0 && d[2] > 0) || (d[0] < 0 && d[1] < 0 && d[2] < 0));
}

enum Kind { FarApart, PlanesCrossDisjoint, Crossing, Coplanar, Boxes };
const char* const kKindNames[] = {"far_apart", "planes_cross_disjoint", "crossing", "coplanar", "boxes"};

Pair3 draw(std::mt19937_64& rng, Kind kind)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Pair3 p;
    for (auto& q : p.v)
        for (double& c : q)
            c = unit(rng);
    switch (kind) {
    case FarApart:
        for (int k = 3; k < 6; ++k)
            p.v[k][rng() % 3] += 5.0;
        break;
    case Coplanar: // z = x / 2 + y / 4 with coordinates on a 1/1024 grid: exactly one plane
        for (auto& q : p.v) {
            q[0] = std::floor(q[0] * 1024) / 1024, q[1] = std::floor(q[1] * 1024) / 1024;
            q[2] = q[0] / 2 + q[1] / 4;
        }
        break;
    case Boxes: { // triangles of size about 1 with their centres in a box of side 0.75
        std::uniform_real_distribution<double> centre(0.0, 0.75), offset(-0.5, 0.5);
        for (int t = 0; t < 2; ++t) {
            const double c[3] = {centre(rng), centre(rng), centre(rng)};
            for (int k = 0; k < 3; ++k)
                for (int i = 0; i < 3; ++i)
                    p.v[3 * t + k][i] = c[i] + offset(rng);
        }
        break;
    }
    default:
        break;
    }
    return p;
}

bool accepted(Pair3& p, Kind kind)
{
    switch (kind) {
    case PlanesCrossDisjoint:
        return straddles(p, 0) && straddles(p, 3) && !overlap(p);
    case Crossing:
        return overlap(p) == 1;
    case Boxes: // what a broad phase hands on: pairs whose bounding boxes overlap
        for (int c = 0; c < 3; ++c)
            if (std::max({p.v[0][c], p.v[1][c], p.v[2][c]}) < std::min({p.v[3][c], p.v[4][c], p.v[5][c]}) ||
                std::max({p.v[3][c], p.v[4][c], p.v[5][c]}) < std::min({p.v[0][c], p.v[1][c], p.v[2][c]}))
                return false;
        return true;
    default:
        return true;
    }
}

K::Point_3 point3(const double* v)
{
    return {v[0], v[1], v[2]};
}

// Keeps pair p with its CGAL triangles a, b; counts it in `meeting` when ours says they
// meet, and as a disagreement when CGAL says otherwise.
template <class Set, class Pair, class Triangle>
void addPair(Set& s, Pair& p, const Triangle& a, const Triangle& b, long& meeting)
{
    s.a.push_back(a);
    s.b.push_back(b);
    const int ours = overlap(p);
    meeting += ours;
    s.disagreements += ours != int(CGAL::do_intersect(s.a.back(), s.b.back()));
    s.changed += changed(p);
    s.ours.push_back(p);
}

const Set3& pairs3(Kind kind)
{
    static std::map<Kind, Set3> sets;
    Set3& s = sets[kind];
    if (!s.ours.empty()) return s;
    std::mt19937_64 rng(20240 + kind);
    long meeting = 0;
    while (s.ours.size() < kPairs) {
        Pair3 p = draw(rng, kind);
        const K::Triangle_3 a(point3(p.v[0]), point3(p.v[1]), point3(p.v[2]));
        const K::Triangle_3 b(point3(p.v[3]), point3(p.v[4]), point3(p.v[5]));
        if (a.is_degenerate() || b.is_degenerate() || !accepted(p, kind)) continue; // CGAL refuses flat ones
        addPair(s, p, a, b, meeting);
    }
    s.overlapping = double(meeting) / kPairs;
    return s;
}

const Set2& pairs2()
{
    static Set2 s;
    if (!s.ours.empty()) return s;
    std::mt19937_64 rng(20242);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    long meeting = 0;
    while (s.ours.size() < kPairs) {
        Pair2 p;
        for (auto& q : p.v)
            q[0] = unit(rng), q[1] = unit(rng);
        for (int k = 3; k < 6; ++k)
            p.v[k][0] += 0.3; // about half of the pairs meet
        const K::Triangle_2 a(K::Point_2(p.v[0][0], p.v[0][1]), K::Point_2(p.v[1][0], p.v[1][1]),
                              K::Point_2(p.v[2][0], p.v[2][1]));
        const K::Triangle_2 b(K::Point_2(p.v[3][0], p.v[3][1]), K::Point_2(p.v[4][0], p.v[4][1]),
                              K::Point_2(p.v[5][0], p.v[5][1]));
        addPair(s, p, a, b, meeting);
    }
    s.overlapping = double(meeting) / kPairs;
    return s;
}

template <class Set> void finish(benchmark::State& state, const Set& s, long sum)
{
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * kPairs);
    state.counters["per_pair"] = benchmark::Counter(
        double(kPairs), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["overlapping"] = s.overlapping;
    state.counters["disagree"] = double(s.disagreements);
    state.counters["changed"] = double(s.changed);
}

// F is a template argument so that each form is called directly, as a user calls it.
template <Overlap3 F> void overlap3(benchmark::State& state, Kind kind)
{
    Set3 s = pairs3(kind); // a private copy: the call takes writable pointers
    long sum = 0;
    for (auto _ : state)
        for (auto& p : s.ours)
            sum += F(p.v[0], p.v[1], p.v[2], p.v[3], p.v[4], p.v[5]);
    finish(state, s, sum);
}

template <Segment3 F> void segment3(benchmark::State& state, Kind kind)
{
    Set3 s = pairs3(kind);
    long sum = 0;
    double src[3], tgt[3];
    for (auto _ : state)
        for (auto& p : s.ours) {
            int flag = 0;
            sum += F(p.v[0], p.v[1], p.v[2], p.v[3], p.v[4], p.v[5], &flag, src, tgt);
            benchmark::DoNotOptimize(src);
        }
    finish(state, s, sum);
}

void cgal3(benchmark::State& state, Kind kind)
{
    const Set3& s = pairs3(kind);
    long sum = 0;
    for (auto _ : state)
        for (std::size_t i = 0; i < kPairs; ++i)
            sum += CGAL::do_intersect(s.a[i], s.b[i]);
    finish(state, s, sum);
}

template <Overlap2 F> void overlap2(benchmark::State& state)
{
    Set2 s = pairs2();
    long sum = 0;
    for (auto _ : state)
        for (auto& p : s.ours)
            sum += F(p.v[0], p.v[1], p.v[2], p.v[3], p.v[4], p.v[5]);
    finish(state, s, sum);
}

void cgal2(benchmark::State& state)
{
    const Set2& s = pairs2();
    long sum = 0;
    for (auto _ : state)
        for (std::size_t i = 0; i < kPairs; ++i)
            sum += CGAL::do_intersect(s.a[i], s.b[i]);
    finish(state, s, sum);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> rows;
    for (int k = FarApart; k <= Boxes; ++k) {
        const Kind kind = Kind(k);
        const std::string name = kKindNames[k];
        benchmark::RegisterBenchmark(("overlap_3d/" + name + "/ours").c_str(),
                                     overlap3<tri_tri_overlap_test_3d>, kind);
        benchmark::RegisterBenchmark(("overlap_3d/" + name + "/today").c_str(),
                                     overlap3<today::tri_tri_overlap_test_3d>, kind);
        benchmark::RegisterBenchmark(("overlap_3d/" + name + "/cgal").c_str(), cgal3, kind);
        benchmark::RegisterBenchmark(("segment_3d/" + name + "/ours").c_str(),
                                     segment3<tri_tri_intersection_test_3d>, kind);
        benchmark::RegisterBenchmark(("segment_3d/" + name + "/today").c_str(),
                                     segment3<today::tri_tri_intersection_test_3d>, kind);
        rows.push_back("overlap_3d/" + name);
        rows.push_back("segment_3d/" + name);
    }
    benchmark::RegisterBenchmark("overlap_2d/pairs/ours", overlap2<tri_tri_overlap_test_2d>);
    benchmark::RegisterBenchmark("overlap_2d/pairs/today", overlap2<today::tri_tri_overlap_test_2d>);
    benchmark::RegisterBenchmark("overlap_2d/pairs/cgal", cgal2);
    rows.push_back("overlap_2d/pairs");

    return RunBenchmarks(argc, argv, [&](const TTimesReporter& r, std::ostream& out) {
        char line[160];
        std::snprintf(line, sizeof line, "\n%-34s %9s %9s %9s %13s %14s\n", "class (65536 pairs)", "ours ns",
                      "today ns", "CGAL ns", "CGAL / ours", "today / ours");
        out << line;
        const auto ns = [&](const std::string& name) { return r.Seconds(name) * 1e9 / kPairs; };
        for (const auto& row : rows) {
            const double ours = ns(row + "/ours");
            if (ours <= 0) continue;
            const double today = ns(row + "/today"), cgal = ns(row + "/cgal");
            std::snprintf(line, sizeof line, "%-34s %9.2f %9.2f %9.2f %13.2f %14.2f\n", row.c_str(), ours,
                          today, cgal, cgal / ours, today / ours);
            out << line;
        }
    });
}

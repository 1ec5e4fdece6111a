#include "Mathemat3dTri.h"
#include "TriangleOracle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using namespace triangle_oracle;

// Error bound of a constructed end point for integer coordinates up to 2048.
constexpr double kEndPointTolerance = 0x1p-38;
constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();

template <std::size_t N> using Tri = std::array<std::array<double, N>, 3>;
using P3 = std::array<double, 3>;
using T2 = Tri<2>;
using T3 = Tri<3>;

using PairTest = int (*)(double*, double*, double*, double*, double*, double*);
template <class T> int onPair(PairTest f, T a, T b) {
    return f(a[0].data(), a[1].data(), a[2].data(), b[0].data(), b[1].data(), b[2].data());
}
template <std::size_t N> int overlap(Tri<N> a, Tri<N> b) {
    return onPair(N == 2 ? tri_tri_overlap_test_2d : tri_tri_overlap_test_3d, a, b);
}

struct Cut {
    int result, flag;
    P3 source{}, target{};
};

Cut cut(T3 a, T3 b, int flag = 0) {
    Cut c{0, flag, {kUnset, kUnset, kUnset}, {kUnset, kUnset, kUnset}};
    c.result = tri_tri_intersection_test_3d(a[0].data(), a[1].data(), a[2].data(), b[0].data(), b[1].data(),
                                            b[2].data(), &c.flag, c.source.data(), c.target.data());
    return c;
}

const auto reversed = [](auto t) { return decltype(t){t[0], t[2], t[1]}; };
const auto rotated = [](auto t) { return decltype(t){t[1], t[2], t[0]}; };
template <class T> T moved(T t, const P3& s) {
    for (auto& p : t)
        for (std::size_t c = 0; c < p.size(); ++c)
            p[c] += s[c];
    return t;
}

const auto untouched = [](const Cut& c) { return std::isnan(c.source[0]) && std::isnan(c.target[0]); };
bool near(const P3& a, const P3& b) {
    return std::max({std::fabs(a[0] - b[0]), std::fabs(a[1] - b[1]), std::fabs(a[2] - b[2])}) <=
           kEndPointTolerance;
}
// Same segment, either way round.
bool sameSegment(const Cut& c, const P3& s, const P3& t) {
    return (near(c.source, s) && near(c.target, t)) || (near(c.source, t) && near(c.target, s));
}

const T2 kPlanar = {{{0, 0}, {4, 0}, {0, 4}}};
const T3 kSpace = {{{0, 0, 0}, {4, 0, 0}, {0, 4, 0}}};

TEST(Mathemat3dTriTest, PlanarPairsOverlapWhenTheyShareAPointInAnyOrientation) {
    const struct {
        T2 other;
        int expected;
    } cases[] = {// clang-format off
        {{{{4, 0}, {8, 0}, {4, 4}}}, 1}, {{{{5, 0}, {8, 0}, {5, 4}}}, 0}, {{{{1, 1}, {2, 1}, {1, 2}}}, 1},
        {{{{2, 2}, {6, 2}, {2, 6}}}, 1}, {{{{3, 3}, {6, 3}, {3, 6}}}, 0}, {{{{0, 4}, {4, 0}, {4, 4}}}, 1},
        {kPlanar, 1}, {{{{-4, 2}, {9, 2}, {2, 9}}}, 1}, {{{{2.5, 2}, {6, 2}, {2.5, 6}}}, 0},
        // Zero area: decided as the point or segment the triangle is.
        {{{{10, 10}, {10, 10}, {10, 10}}}, 0}, {{{{1, 1}, {1, 1}, {1, 1}}}, 1},
        {{{{4, 0}, {4, 0}, {4, 0}}}, 1}, {{{{-3, -3}, {-1, -1}, {-2, -2}}}, 0},
        {{{{-1, 1}, {5, 1}, {2, 1}}}, 1}, {{{{2, 2}, {3, 1}, {5, -1}}}, 1}, {{{{3, 3}, {5, 1}, {4, 2}}}, 0}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "first vertex (" << c.other[0][0] << ", " << c.other[0][1] << ")");
        for (const T2& a : {kPlanar, reversed(kPlanar)})
            for (const T2& b : {c.other, reversed(c.other)}) {
                EXPECT_EQ(overlap(a, b), c.expected);
                EXPECT_EQ(overlap(b, a), c.expected);
            }
    }
    EXPECT_EQ(onPair(ccw_tri_tri_intersection_2d, kPlanar, T2{{{1, 1}, {2, 1}, {1, 2}}}), 1);
    EXPECT_EQ(onPair(ccw_tri_tri_intersection_2d, kPlanar, T2{{{5, 0}, {8, 0}, {5, 4}}}), 0);
}

int coplanar(T3 a, T3 b, P3 normal) {
    return coplanar_tri_tri3d(a[0].data(), a[1].data(), a[2].data(), b[0].data(), b[1].data(), b[2].data(),
                              normal.data(), nullptr);
}

TEST(Mathemat3dTriTest, CoplanarTestProjectsAlongTheLargestNormalComponent) {
    // Triangle 2 is triangle 1 moved far along one axis: only the projection dropping that axis overlaps.
    const T3 base = {{{0, 0, 0}, {4, 1, 2}, {1, 4, 3}}};
    const struct {
        P3 normal;
        int dropped;
    } cases[] = {{{8, 0, 0}, 0},  {{0, 0, 0}, 2},  {{1, 1, 0}, 0}, {{1, 0, 1}, 2}, {{0, 1, 1}, 2},
                 {{-3, 1, 2}, 0}, {{0, 5, -2}, 1}, {{1, 2, 2}, 2}, {{2, -2, 1}, 0}};
    for (const auto& c : cases)
        for (int axis = 0; axis < 3; ++axis) {
            SCOPED_TRACE(testing::Message() << "normal " << c.normal[0] << " " << c.normal[1] << " "
                                            << c.normal[2] << ", moved along " << axis);
            P3 shift{};
            shift[axis] = 100;
            EXPECT_EQ(coplanar(base, moved(base, shift), c.normal), axis == c.dropped ? 1 : 0);
        }
}

// An answer with a segment (result 1, flag untouched) has its end points in `source`, `target`.
struct SpaceCase {
    T3 other;
    int expected;
    int flag; // after a call that starts from 7, which stands for untouched
    P3 source{}, target{};
};

class SpacePairTest : public testing::TestWithParam<SpaceCase> {};

TEST_P(SpacePairTest, OverlapSegmentAndFlagMatchTheWorkedAnswer) {
    const SpaceCase& w = GetParam();
    const bool segment = w.expected && w.flag == 7;
    for (const T3& a : {kSpace, reversed(kSpace), rotated(kSpace)}) {
        EXPECT_EQ(overlap(a, w.other), w.expected);
        EXPECT_EQ(overlap(w.other, a), w.expected);
        const Cut c = cut(a, w.other, 7);
        EXPECT_EQ(c.result, w.expected);
        EXPECT_EQ(c.flag, w.flag);
        EXPECT_TRUE(segment ? sameSegment(c, w.source, w.target) : untouched(c));
    }
    const Cut c = cut(kSpace, w.other); // in the order given, the source comes first
    EXPECT_TRUE(!segment || (near(c.source, w.source) && near(c.target, w.target)));
}

// clang-format off
const SpaceCase kSpaceCases[] = {
    {{{{1, 1, -1}, {1, 1, 1}, {2, 3, 1}}}, 1, 7, {1.5, 2, 0}, {1, 1, 0}},
    {{{{-8, 1, -1}, {8, 1, -1}, {0, 1, 3}}}, 1, 7, {3, 1, 0}, {0, 1, 0}},
    {{{{1, 1, 0}, {1, 1, 2}, {2, 1, 2}}}, 1, 7, {1, 1, 0}, {1, 1, 0}},
    {{{{4, 0, 0}, {6, 0, 1}, {6, 0, -1}}}, 1, 7, {4, 0, 0}, {4, 0, 0}},
    {{{{2, 2, 0}, {2, 2, 1}, {3, 3, -1}}}, 1, 7, {2, 2, 0}, {2, 2, 0}},
    {{{{5, 5, -1}, {6, 5, 1}, {5, 6, 1}}}, 0, 7}, {{{{1, 1, 1}, {2, 1, 1}, {1, 2, 3}}}, 0, 7},
    {{{{1, 5, -1}, {1, 7, -1}, {1, 6, 1}}}, 0, 7}, {{{{10, 10, 0}, {11, 10, 0}, {10, 11, 0}}}, 0, 1},
    {{{{1, 1, 0}, {3, 1, 0}, {1, 3, 0}}}, 1, 1},
    // Zero-area triangles are tested as the segment or point they are.
    {{{{1, 1, -1}, {1, 1, 0}, {1, 1, 1}}}, 1, 1}, {{{{10, 10, 0}, {10, 10, 0}, {10, 10, 0}}}, 0, 1},
    {{{{5, 5, -1}, {5, 5, -1}, {5, 5, 1}}}, 0, 1}, {{{{1, 1, 0}, {1, 1, 0}, {1, 1, 0}}}, 1, 1},
    {{{{0, 0, 5}, {0, 0, 7}, {0, 0, 6}}}, 0, 7}, {{{{-2, 6, 0}, {6, -2, 0}, {2, 2, 0}}}, 1, 1},
    {{{{-2, 7, 0}, {7, -2, 0}, {2, 3, 0}}}, 0, 1}, {{{{-1, 1, 1}, {1, 1, -1}, {0, 1, 0}}}, 1, 1},
    {{{{3, 3, 1}, {1, 1, -1}, {2, 2, 0}}}, 1, 1}, {{{{3, 3, 1}, {5, 5, 3}, {4, 4, 2}}}, 0, 7}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Mathemat3dTriTest, SpacePairTest, testing::ValuesIn(kSpaceCases));

TEST(Mathemat3dTriTest, SegmentEndsMayBeWrittenOverTheInputs) {
    const T3 other = {{{-8, 1, -1}, {8, 1, -1}, {0, 1, 3}}};
    const Cut expected = cut(kSpace, other);
    for (int s = 0; s < 6; ++s)
        for (int t = 0; t < 6; ++t) {
            if (s == t) continue;
            std::array<P3, 6> v = {kSpace[0], kSpace[1], kSpace[2], other[0], other[1], other[2]};
            int flag = 0;
            ASSERT_EQ(tri_tri_intersection_test_3d(v[0].data(), v[1].data(), v[2].data(), v[3].data(),
                                                   v[4].data(), v[5].data(), &flag, v[s].data(), v[t].data()),
                      1);
            EXPECT_TRUE(near(v[s], expected.source) && near(v[t], expected.target))
                << "source over vertex " << s << ", target over vertex " << t;
        }
}

TEST(Mathemat3dTriTest, EdgeParallelToTheOtherPlaneInRoundingGivesItsStartVertex) {
    // A nearly coplanar pair whose rounding brings an edge from r1 to the construction with 0 / 0
    // as its ratio: that end point falls back on r1 instead of coming out as NaN.
    const T3 a = {{{-0x1.564f4d4361c8fp-1, 0x1.17fcf2983d42p-1, -0x1.f39bd9414e0d8p-3},
                   {0x1.96ca527c8b4fp-2, -0x1.c3e1d186e2d4p-1, -0x1.ba661b9c7a58ap-2},
                   {0x1.93933ad8dd4a2p-1, 0x1.5cf4c618524fp-2, 0x1.ececc49f3daap-5}}};
    const T3 b = {{{-0x1.2994b2c911bfep+1, 0x1.5d78049c67f77p+0, -0x1.9bd9c5954d815p-2},
                   {-0x1.3f5b7fc0c1014p-3, -0x1.051a8afce22bap-1, -0x1.cfdd9e5e940ddp-2},
                   {-0x1.b8d004910cdc6p+0, 0x1.50effa1a49f83p+0, -0x1.0f0411a11adabp-2}}};
    const Cut c = cut(a, b);
    EXPECT_EQ(std::make_tuple(c.result, c.flag, c.source, c.target), std::make_tuple(1, 0, a[2], a[2]));
}

// ---- Integer pairs, where every sign is exact: the exact oracle and exact invariances ----

struct Tally {
    std::atomic<long> failures{0}, meeting{0}, coplanar{0}, flat{0}, pointContact{0};
    std::mutex lock;
    std::ostringstream first; // the first few failing pairs
    void fail(const std::string& what, const IntPair& pr) {
        if (failures++ >= 8) return;
        std::lock_guard<std::mutex> g(lock);
        first << what << ":";
        for (const auto& p : pr.v)
            first << " (" << p[0] << ", " << p[1] << ", " << p[2] << ")";
        first << "\n";
    }
    void report() { EXPECT_EQ(failures, 0) << first.str(); }
};

template <std::size_t N> Tri<N> triangle(const IntPair& pr, int first) {
    Tri<N> t;
    for (int k = 0; k < 3; ++k)
        std::copy(pr.v[first + k], pr.v[first + k] + N, t[k].begin());
    return t;
}
template <std::size_t N> QTriangle exact(const Tri<N>& t) {
    return exactTriangle(t[0].data(), t[1].data(), t[2].data(), N);
}
const auto toDouble = [](const QPoint& p) { return P3{p.x.get_d(), p.y.get_d(), p.z.get_d()}; };

// Runs `check` over `count` generated pairs on every core; each chunk of pairs has its own
// seed, so the pairs do not depend on the number of threads.
template <class Check> void overPairs(long count, int dim, std::uint64_t seed, Check check) {
    constexpr long kChunk = 4096;
    const long chunks = (count + kChunk - 1) / kChunk;
    std::atomic<long> next{0};
    auto work = [&] {
        for (long c; (c = next++) < chunks;) {
            std::mt19937_64 rng(seed * 1000003 + c);
            for (long i = 0, n = std::min(kChunk, count - c * kChunk); i < n; ++i)
                check(randomPair(rng, dim));
        }
    };
    std::vector<std::jthread> pool(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    for (auto& t : pool)
        t = std::jthread(work);
}

void checkSpacePair(const IntPair& pr, Tally& tally) {
    const T3 a = triangle<3>(pr, 0), b = triangle<3>(pr, 3);
    const QTriangle qa = exact(a), qb = exact(b);
    const bool meet = trianglesMeet(qa, qb), flat = isFlat(qa) || isFlat(qb), coplanar = areCoplanar(qa, qb);
    tally.meeting += meet, tally.flat += flat, tally.coplanar += coplanar;
    if (overlap(a, b) != meet) return tally.fail("overlap", pr);
    const Cut c = cut(a, b);
    if (c.result != meet) return tally.fail("segment test result", pr);
    // Flat triangles raise the flag unless a plane rejects them first.
    if (c.flag != ((coplanar || (flat && meet)) ? 1 : flat ? c.flag : 0)) return tally.fail("flag", pr);
    if (!c.result || c.flag) {
        if (!untouched(c)) tally.fail("end points written", pr);
        return;
    }
    QPoint s, t;
    if (!crossingSegment(qa, qb, s, t)) return tally.fail("segment oracle", pr);
    tally.pointContact += s == t;
    if (!sameSegment(c, toDouble(s), toDouble(t))) tally.fail("end points", pr);
}

// An integer shift of up to 1024 per axis picked from the pair itself.
P3 shiftFor(const IntPair& pr) {
    P3 s;
    for (int c = 0; c < 3; ++c)
        s[c] = std::fmod(pr.v[0][c] * 31 + pr.v[5][c] * 17 + 7 * c, 1024.0);
    return s;
}

void checkSpaceTransforms(const IntPair& pr, Tally& tally) {
    const T3 a = triangle<3>(pr, 0), b = triangle<3>(pr, 3);
    const P3 s = shiftFor(pr), none{};
    const Cut base = cut(a, b);
    const struct {
        T3 a, b;
        P3 shift;
        const char* name;
    } variants[] = {{b, a, none, "swapped"},
                    {rotated(a), rotated(rotated(b)), none, "rotated"},
                    {reversed(a), reversed(b), none, "reversed"},
                    {moved(a, s), moved(b, s), s, "translated"}};
    for (const auto& v : variants) {
        const Cut c = cut(v.a, v.b);
        if (overlap(v.a, v.b) != base.result || c.result != base.result || c.flag != base.flag)
            return tally.fail(std::string(v.name) + " answer", pr);
        const Tri<3> ends = moved(Tri<3>{base.source, base.target, {}}, v.shift);
        if (c.result && !c.flag && !sameSegment(c, ends[0], ends[1]))
            return tally.fail(std::string(v.name) + " segment", pr);
    }
}

TEST(Mathemat3dTriTest, SpaceAnswersAgreeWithExactOracleAndKeepUnderTransformsOnAMillionPairs) {
    constexpr long kPairs = 1000000;
    Tally tally;
    overPairs(kPairs, 3, 1, [&](const IntPair& pr) {
        checkSpacePair(pr, tally);
        checkSpaceTransforms(pr, tally);
    });
    tally.report();
    // The mix must really reach contacts, coplanar pairs and flat triangles.
    EXPECT_GT(tally.meeting, kPairs / 4);
    EXPECT_GT(tally.coplanar, kPairs / 20);
    EXPECT_GT(tally.flat, kPairs / 20);
    EXPECT_GT(tally.pointContact, kPairs / 100);
}

TEST(Mathemat3dTriTest, PlanarAnswersAgreeWithExactOracleAndKeepUnderTransforms) {
    constexpr long kPairs = 250000;
    Tally tally;
    overPairs(kPairs, 2, 2, [&](const IntPair& pr) {
        const T2 a = triangle<2>(pr, 0), b = triangle<2>(pr, 3);
        const QTriangle qa = exact(a), qb = exact(b);
        const int meet = trianglesMeet(qa, qb);
        tally.meeting += meet, tally.flat += isFlat(qa) || isFlat(qb);
        const P3 s = shiftFor(pr);
        if (overlap(a, b) != meet || overlap(b, a) != meet ||
            overlap(rotated(a), rotated(rotated(b))) != meet || overlap(reversed(a), b) != meet ||
            overlap(moved(a, s), moved(b, s)) != meet)
            tally.fail("planar overlap", pr);
    });
    tally.report();
    EXPECT_GT(tally.meeting, kPairs / 4);
    EXPECT_GT(tally.flat, kPairs / 20);
}

} // namespace

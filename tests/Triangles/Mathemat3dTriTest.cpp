// Triangle overlap and intersection: the worked pairs in space (zero-area ones included), segment
// ends written over the inputs, an edge parallel to the other plane, and a million integer pairs
// against an exact oracle, in space and projected on the plane, and under swaps, rotations,
// reversals and translations.

#include "Mathemat3dTri.h"
#include "TriangleOracle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <ostream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using namespace triangle_oracle;

// Error bound of a constructed end point for integer coordinates up to 2048.
constexpr double kEndPointTolerance = 0x1p-38;

template <std::size_t N> using Tri = std::array<std::array<double, N>, 3>;
using P3 = std::array<double, 3>;
using T3 = Tri<3>;

template <std::size_t N> int overlap(Tri<N> a, Tri<N> b)
{
    const auto f = N == 2 ? tri_tri_overlap_test_2d : tri_tri_overlap_test_3d;
    return f(a[0].data(), a[1].data(), a[2].data(), b[0].data(), b[1].data(), b[2].data());
}

struct Cut {
    int result, flag;
    P3 source{}, target{};
};

Cut cut(T3 a, T3 b, int flag = 0)
{
    Cut c{0, flag, {NAN, NAN, NAN}, {NAN, NAN, NAN}}; // NaN: not written
    c.result = tri_tri_intersection_test_3d(a[0].data(), a[1].data(), a[2].data(), b[0].data(), b[1].data(),
                                            b[2].data(), &c.flag, c.source.data(), c.target.data());
    return c;
}

const auto reversed = [](auto t) { return decltype(t){t[0], t[2], t[1]}; };
const auto rotated = [](auto t) { return decltype(t){t[1], t[2], t[0]}; };
template <class T> T moved(T t, const P3& s)
{
    for (auto& p : t)
        for (std::size_t c = 0; c < p.size(); ++c)
            p[c] += s[c];
    return t;
}

const auto untouched = [](const Cut& c) { return std::isnan(c.source[0]) && std::isnan(c.target[0]); };
bool near(const P3& a, const P3& b)
{
    return std::max({std::fabs(a[0] - b[0]), std::fabs(a[1] - b[1]), std::fabs(a[2] - b[2])}) <=
           kEndPointTolerance;
}
// Same segment, either way round.
bool sameSegment(const Cut& c, const P3& s, const P3& t)
{
    return (near(c.source, s) && near(c.target, t)) || (near(c.source, t) && near(c.target, s));
}

// Triangle `first / 3` of the points, in N coordinates.
template <std::size_t N, class Points> Tri<N> triangle(const Points& points, int first)
{
    Tri<N> t;
    for (int k = 0; k < 3; ++k)
        std::copy_n(points[first + k].begin(), N, t[k].begin());
    return t;
}

const T3 kSpace = {{{0, 0, 0}, {4, 0, 0}, {0, 4, 0}}};

// An answer with a segment (result 1, flag untouched) has its end points in `source`, `target`;
// the flag is the one after a call that starts from 7, which stands for untouched.
struct SpaceCase {
    const char* name;
    T3 other;
    int expected, flag;
    P3 source{}, target{};
};

void PrintTo(const SpaceCase& c, std::ostream* os)
{
    *os << c.name;
}

class SpacePairTest : public testing::TestWithParam<SpaceCase> {};

TEST_P(SpacePairTest, OverlapSegmentAndFlagMatchTheWorkedAnswer)
{
    const SpaceCase& w = GetParam();
    const bool segment = w.expected && w.flag == 7;
    for (const T3& a : {kSpace, reversed(kSpace), rotated(kSpace)}) {
        EXPECT_EQ(overlap(a, w.other), w.expected);
        EXPECT_EQ(overlap(w.other, a), w.expected);
        const Cut c = cut(a, w.other, 7);
        EXPECT_EQ(std::tie(c.result, c.flag), std::tie(w.expected, w.flag));
        EXPECT_TRUE(segment ? sameSegment(c, w.source, w.target) : untouched(c));
    }
    const Cut c = cut(kSpace, w.other); // in the order given, the source comes first
    if (segment) {
        EXPECT_TRUE(near(c.source, w.source));
        EXPECT_TRUE(near(c.target, w.target));
    }
    // In the plane z = 0 the planar test agrees.
    if (w.other[0][2] == 0 && w.other[1][2] == 0 && w.other[2][2] == 0) {
        EXPECT_EQ(overlap(triangle<2>(kSpace, 0), triangle<2>(w.other, 0)), w.expected);
        EXPECT_EQ(overlap(triangle<2>(w.other, 0), triangle<2>(reversed(kSpace), 0)), w.expected);
    }
}

// clang-format off
const SpaceCase kSpaceCases[] = {
    {"PiercesFromBelow", {{{1, 1, -1}, {1, 1, 1}, {2, 3, 1}}}, 1, 7, {1.5, 2, 0}, {1, 1, 0}},
    {"CutsRightAcross", {{{-8, 1, -1}, {8, 1, -1}, {0, 1, 3}}}, 1, 7, {3, 1, 0}, {0, 1, 0}},
    {"StandsOnAnInnerPoint", {{{1, 1, 0}, {1, 1, 2}, {2, 1, 2}}}, 1, 7, {1, 1, 0}, {1, 1, 0}},
    {"TouchesVertexToVertex", {{{4, 0, 0}, {6, 0, 1}, {6, 0, -1}}}, 1, 7, {4, 0, 0}, {4, 0, 0}},
    {"CrossesThePlaneOutside", {{{5, 5, -1}, {6, 5, 1}, {5, 6, 1}}}, 0, 7},
    {"LiesAbove", {{{1, 1, 1}, {2, 1, 1}, {1, 2, 3}}}, 0, 7},
    {"CrossesThePlaneBeyondTheLongEdge", {{{1, 5, -1}, {1, 7, -1}, {1, 6, 1}}}, 0, 7},
    {"CoplanarFarApart", {{{10, 10, 0}, {11, 10, 0}, {10, 11, 0}}}, 0, 1},
    {"CoplanarInsideUpToTheLongEdge", {{{1, 1, 0}, {3, 1, 0}, {1, 3, 0}}}, 1, 1},
    // In the plane z = 0: a shared vertex, apart, inside, a vertex on the long edge, apart, a shared edge.
    {"CoplanarSharedVertex", {{{4, 0, 0}, {8, 0, 0}, {4, 4, 0}}}, 1, 1},
    {"CoplanarApartBeyondAVertex", {{{5, 0, 0}, {8, 0, 0}, {5, 4, 0}}}, 0, 1},
    {"CoplanarInside", {{{1, 1, 0}, {2, 1, 0}, {1, 2, 0}}}, 1, 1},
    {"CoplanarVertexOnTheLongEdge", {{{2, 2, 0}, {6, 2, 0}, {2, 6, 0}}}, 1, 1},
    {"CoplanarApartBeyondTheLongEdge", {{{3, 3, 0}, {6, 3, 0}, {3, 6, 0}}}, 0, 1},
    {"CoplanarSharedEdge", {{{0, 4, 0}, {4, 0, 0}, {4, 4, 0}}}, 1, 1},
    // Zero-area triangles are tested as the segment or point they are.
    {"FlatSegmentThroughTheInside", {{{1, 1, -1}, {1, 1, 0}, {1, 1, 1}}}, 1, 1},
    {"FlatPointApart", {{{10, 10, 0}, {10, 10, 0}, {10, 10, 0}}}, 0, 1},
    {"FlatSegmentThroughThePlaneOutside", {{{5, 5, -1}, {5, 5, -1}, {5, 5, 1}}}, 0, 1},
    {"FlatPointInside", {{{1, 1, 0}, {1, 1, 0}, {1, 1, 0}}}, 1, 1},
    {"FlatSegmentAbove", {{{0, 0, 5}, {0, 0, 7}, {0, 0, 6}}}, 0, 7},
    {"FlatSegmentAlongTheLongEdge", {{{-2, 6, 0}, {6, -2, 0}, {2, 2, 0}}}, 1, 1}};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Mathemat3dTriTest, SpacePairTest, testing::ValuesIn(kSpaceCases),
                         [](const testing::TestParamInfo<SpaceCase>& i) {
                             return std::string(i.param.name);
                         });

TEST(Mathemat3dTriTest, SegmentEndsMayBeWrittenOverTheInputs)
{
    const T3 other = {{{-8, 1, -1}, {8, 1, -1}, {0, 1, 3}}};
    const Cut expected = cut(kSpace, other);
    for (int s = 0; s < 6; ++s)
        for (int t = 0; t < 6; ++t) {
            if (s == t) continue;
            SCOPED_TRACE(testing::Message() << "source over vertex " << s << ", target over vertex " << t);
            std::array<P3, 6> v = {kSpace[0], kSpace[1], kSpace[2], other[0], other[1], other[2]};
            int flag = 0;
            EXPECT_EQ(tri_tri_intersection_test_3d(v[0].data(), v[1].data(), v[2].data(), v[3].data(),
                                                   v[4].data(), v[5].data(), &flag, v[s].data(), v[t].data()),
                      1);
            EXPECT_TRUE(near(v[s], expected.source));
            EXPECT_TRUE(near(v[t], expected.target));
        }
}

TEST(Mathemat3dTriTest, EdgeParallelToTheOtherPlaneInRoundingGivesItsStartVertex)
{
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

// Failures over many pairs, counted; the first few are reported with their pair.
struct Tally {
    std::atomic<long> failures{0}, meeting{0}, coplanar{0}, flat{0}, pointContact{0};
    void fail(const char* what, const IntPair& pr)
    {
        if (failures++ < 8) ADD_FAILURE() << what << ": " << testing::PrintToString(pr);
    }
};

const auto toDouble = [](const QPoint& p) { return P3{p.x.get_d(), p.y.get_d(), p.z.get_d()}; };

// The pair's answers against the oracle, in space and for its projection on the plane z = 0.
Cut checkPair(const T3& a, const T3& b, const IntPair& pr, Tally& tally)
{
    const Tri<2> a2 = triangle<2>(pr, 0), b2 = triangle<2>(pr, 3);
    const int meet2 = trianglesMeet(exactTriangle(a2), exactTriangle(b2));
    if (overlap(a2, b2) != meet2 || overlap(b2, a2) != meet2 || overlap(reversed(a2), b2) != meet2)
        tally.fail("planar overlap", pr);
    const QTriangle qa = exactTriangle(a), qb = exactTriangle(b);
    const bool meet = trianglesMeet(qa, qb), flat = isFlat(qa) || isFlat(qb), coplanar = areCoplanar(qa, qb);
    tally.meeting += meet, tally.flat += flat, tally.coplanar += coplanar;
    const Cut c = cut(a, b);
    if (overlap(a, b) != meet || c.result != meet) tally.fail("overlap", pr);
    // Flat triangles raise the flag unless a plane rejects them first.
    else if (c.flag != ((coplanar || (flat && meet)) ? 1 : flat ? c.flag : 0))
        tally.fail("flag", pr);
    else if (!c.result || c.flag) {
        if (!untouched(c)) tally.fail("end points written", pr);
    } else if (QPoint s, t; !crossingSegment(qa, qb, s, t) || !sameSegment(c, toDouble(s), toDouble(t)))
        tally.fail("end points", pr);
    else
        tally.pointContact += s == t;
    return c;
}

// Swapped, rotated, reversed and translated (by the pair's last vertex) pairs give the same answers
// and the same segment, moved along.
void checkTransforms(const T3& a, const T3& b, const Cut& base, const IntPair& pr, Tally& tally)
{
    const P3 s = pr[5];
    const std::tuple<T3, T3, P3, const char*> variants[] = {{b, a, {}, "swapped"},
                                                            {rotated(a), rotated(rotated(b)), {}, "rotated"},
                                                            {reversed(a), reversed(b), {}, "reversed"},
                                                            {moved(a, s), moved(b, s), s, "translated"}};
    for (const auto& [va, vb, shift, name] : variants) {
        const Cut c = cut(va, vb);
        const T3 ends = moved(T3{base.source, base.target, {}}, shift);
        if (overlap(va, vb) != base.result || c.result != base.result || c.flag != base.flag ||
            (c.result && !c.flag && !sameSegment(c, ends[0], ends[1])))
            tally.fail(name, pr);
    }
}

TEST(Mathemat3dTriTest, AnswersAgreeWithExactOracleAndKeepUnderTransformsOnAMillionPairs)
{
    constexpr long kPairs = 1000000, kChunk = 4096;
    Tally tally;
    // Each chunk of pairs has its own seed, so the pairs do not depend on the number of threads.
    std::atomic<long> next{0};
    auto work = [&] {
        for (long c; (c = next++) * kChunk < kPairs;) {
            std::mt19937_64 rng(1000003 + c);
            for (long i = 0, n = std::min(kChunk, kPairs - c * kChunk); i < n; ++i) {
                const IntPair pr = randomPair(rng);
                const T3 a = triangle<3>(pr, 0), b = triangle<3>(pr, 3);
                checkTransforms(a, b, checkPair(a, b, pr, tally), pr, tally);
            }
        }
    };
    // The pool lives to the end of the loop, and joins there.
    for (auto& t : std::vector<std::jthread>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u)))
        t = std::jthread(work);
    EXPECT_EQ(tally.failures, 0);
    // The mix must really reach contacts, coplanar pairs and flat triangles.
    EXPECT_GT(tally.meeting, kPairs / 4);
    EXPECT_GT(tally.coplanar, kPairs / 20);
    EXPECT_GT(tally.flat, kPairs / 20);
    EXPECT_GT(tally.pointContact, kPairs / 100);
}

} // namespace

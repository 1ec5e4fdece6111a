#pragma once
// The triangle tests as they stood before the plane-side rejection was given its own short
// path and the planar test lost its branches: kept for bench/triangles.cpp only, so that one
// run times today's code against the earlier one on the same pairs. Not built into any library;
// the entry points stay out of line as they are when called from the library, and the two
// that are not timed are left out.
// Only what the timed paths need is here: the functions that differ from today's, and today's
// file-local helpers they call (the library does not export them). A triangle of zero area
// takes the same path in both forms, so it is handed to the library's own entry points.

#include "Mathemat3dTri.h"

#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace today {

// Guigue-Devillers triangle-triangle tests. Expressions are written in the exact form and
// order whose rounding decides contact cases; do not regroup them. The hot helpers are forced
// inline: at -O2 the compiler would otherwise call them, at a third of the speed.

namespace {

using Vec3 = std::array<double, 3>;
using Pt = const double*;

[[gnu::always_inline]] inline Vec3 diff(Pt a, Pt b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

[[gnu::always_inline]] inline Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

[[gnu::always_inline]] inline double dot(const Vec3& a, const Vec3& b)
{
    return (a[0] * b[0] + a[1] * b[1]) + a[2] * b[2];
}

bool isZero(const Vec3& v)
{
    return v[0] == 0.0 && v[1] == 0.0 && v[2] == 0.0;
}

// Twice the signed area of a, b, c: positive counter-clockwise.
[[gnu::always_inline]] inline double orientation_2d(Pt a, Pt b, Pt c)
{
    return (a[0] - c[0]) * (b[1] - c[1]) - (a[1] - c[1]) * (b[0] - c[0]);
}

// Side of d against the plane through a, b, c oriented by (b - a) x (c - a).
[[gnu::always_inline]] inline double orientation_3d(Pt a, Pt b, Pt c, Pt d)
{
    return dot(diff(d, a), cross(diff(b, a), diff(c, a)));
}

// ---- Planar test ----

// p1 lies outside two edges of triangle U V W (both triangles counter-clockwise).
int vertex_region_test(Pt P, Pt Q, Pt R, Pt U, Pt V, Pt W)
{
    if (orientation_2d(W, U, Q) >= 0.0) {
        if (orientation_2d(W, V, Q) <= 0.0) {
            if (orientation_2d(P, U, Q) > 0.0) return orientation_2d(P, V, Q) <= 0.0;
            if (orientation_2d(P, U, R) >= 0.0) return orientation_2d(Q, R, U) >= 0.0;
            return 0;
        }
        if (orientation_2d(P, V, Q) <= 0.0 && orientation_2d(W, V, R) <= 0.0)
            return orientation_2d(Q, R, V) >= 0.0;
        return 0;
    }
    if (orientation_2d(W, U, R) >= 0.0) {
        if (orientation_2d(Q, R, W) >= 0.0) return orientation_2d(P, U, R) >= 0.0;
        if (orientation_2d(Q, R, V) >= 0.0) return orientation_2d(W, R, V) >= 0.0;
    }
    return 0;
}

// p1 lies outside one edge of triangle U V W; V takes no part.
int edge_region_test(Pt P, Pt Q, Pt R, Pt U, Pt /*V*/, Pt W)
{
    if (orientation_2d(W, U, Q) >= 0.0) {
        if (orientation_2d(P, U, Q) >= 0.0) return orientation_2d(P, Q, W) >= 0.0;
        if (orientation_2d(Q, R, U) >= 0.0) return orientation_2d(R, P, U) >= 0.0;
        return 0;
    }
    if (orientation_2d(W, U, R) >= 0.0 && orientation_2d(P, U, R) >= 0.0)
        return orientation_2d(P, R, W) >= 0.0 || orientation_2d(Q, R, W) >= 0.0;
    return 0;
}

int ccw_overlap_2d(Pt p1, Pt q1, Pt r1, Pt p2, Pt q2, Pt r2)
{
    if (orientation_2d(p2, q2, p1) >= 0.0) {
        if (orientation_2d(q2, r2, p1) >= 0.0) {
            if (orientation_2d(r2, p2, p1) >= 0.0) return 1;
            return edge_region_test(p1, q1, r1, p2, q2, r2);
        }
        if (orientation_2d(r2, p2, p1) >= 0.0) return edge_region_test(p1, q1, r1, r2, p2, q2);
        return vertex_region_test(p1, q1, r1, p2, q2, r2);
    }
    if (orientation_2d(q2, r2, p1) >= 0.0) {
        if (orientation_2d(r2, p2, p1) >= 0.0) return edge_region_test(p1, q1, r1, q2, r2, p2);
        return vertex_region_test(p1, q1, r1, q2, r2, p2);
    }
    return vertex_region_test(p1, q1, r1, r2, p2, q2);
}

int overlap_2d(Pt p1, Pt q1, Pt r1, Pt p2, Pt q2, Pt r2)
{
    const double area1 = orientation_2d(p1, q1, r1), area2 = orientation_2d(p2, q2, r2);
    if (area1 == 0.0 || area2 == 0.0) // the library's 2D test only reads its points
        return ::tri_tri_overlap_test_2d(const_cast<double*>(p1), const_cast<double*>(q1),
                                         const_cast<double*>(r1), const_cast<double*>(p2),
                                         const_cast<double*>(q2), const_cast<double*>(r2));
    if (area1 < 0.0) std::swap(q1, r1);
    if (area2 < 0.0) std::swap(q2, r2);
    return ccw_overlap_2d(p1, q1, r1, p2, q2, r2);
}

int coplanar_overlap(Pt p1, Pt q1, Pt r1, Pt p2, Pt q2, Pt r2, Pt normal)
{
    const double n_x = std::fabs(normal[0]), n_y = std::fabs(normal[1]), n_z = std::fabs(normal[2]);
    // x dropped: points (z, y); y dropped: (x, z); both with the first two vertices of each triangle
    // exchanged. The planar test turns both triangles counter-clockwise itself.
    int i = 0, j = 1;
    bool exchange = false;
    if (n_x > n_z && n_x >= n_y) {
        i = 2, j = 1, exchange = true;
    } else if (n_y > n_z && n_y >= n_x) {
        i = 0, j = 2, exchange = true;
    }
    if (exchange) {
        std::swap(p1, q1);
        std::swap(p2, q2);
    }
    const double P1[2] = {p1[i], p1[j]}, Q1[2] = {q1[i], q1[j]}, R1[2] = {r1[i], r1[j]};
    const double P2[2] = {p2[i], p2[j]}, Q2[2] = {q2[i], q2[j]}, R2[2] = {r2[i], r2[j]};
    return overlap_2d(P1, Q1, R1, P2, Q2, R2);
}

// ---- Space tests ----

// Which vertex of a triangle is alone on its side of the other triangle's plane (index of the
// rotation that brings it first) and whether the other triangle's last two vertices are
// exchanged, decided from the three distances; first = -1 when all three are zero.
struct Canonical {
    int first;
    bool exchange;
};

constexpr Canonical canonical_order(double d0, double d1, double d2)
{
    if (d0 > 0.0) return d1 > 0.0 ? Canonical{2, true} : d2 > 0.0 ? Canonical{1, true} : Canonical{0, false};
    if (d0 < 0.0) return d1 < 0.0 ? Canonical{2, false} : d2 < 0.0 ? Canonical{1, false} : Canonical{0, true};
    if (d1 < 0.0) return d2 >= 0.0 ? Canonical{1, true} : Canonical{0, false};
    if (d1 > 0.0) return d2 > 0.0 ? Canonical{0, true} : Canonical{1, false};
    if (d2 > 0.0) return {2, false};
    if (d2 < 0.0) return {2, true};
    return {-1, false};
}

// The decision above depends on each distance only through its class (zero, positive,
// negative, NaN), so it is tabulated over the 64 class triples: random pairs then cost
// no mispredicted branches.
constexpr int sign_class(double d)
{
    return int(d > 0.0) + 2 * int(d < 0.0) + 3 * int(d != d);
}

constexpr std::array<Canonical, 64> kCanonical = [] {
    const double of[4] = {0.0, 1.0, -1.0, std::numeric_limits<double>::quiet_NaN()};
    std::array<Canonical, 64> table{};
    for (int c = 0; c < 64; ++c)
        table[c] = canonical_order(of[c >> 4], of[(c >> 2) & 3], of[c & 3]);
    return table;
}();

[[gnu::always_inline]] inline Canonical canonical_case(const double d[3])
{
    return kCanonical[(sign_class(d[0]) << 4) | (sign_class(d[1]) << 2) | sign_class(d[2])];
}

struct Planes {
    Vec3 N1, N2;
    int* coplanar; // null for the plain overlap test
};

// Zero normals were handed to the library before the dispatch.
int coplanar_or_degenerate(const Planes& pl, const Pt t1[3], const Pt t2[3])
{
    if (pl.coplanar) *pl.coplanar = 1;
    return coplanar_overlap(t1[0], t1[1], t1[2], t2[0], t2[1], t2[2], pl.N1.data());
}

// Brings the vertex of each triangle that is alone on its side of the other's plane first,
// then hands the two triangles to `leaf` (interval test or segment construction).
template <class Leaf>
int canonical_dispatch(const Planes& pl, const Pt t1[3], const double d1[3], const Pt t2[3],
                       const double d2[3], Leaf leaf)
{
    static constexpr int kNext[3] = {1, 2, 0};
    const Canonical c1 = canonical_case(d1);
    if (c1.first < 0) return coplanar_or_degenerate(pl, t1, t2);
    const int i0 = c1.first, i1 = kNext[i0], i2 = kNext[i1];
    const int j[3] = {0, c1.exchange ? 2 : 1, c1.exchange ? 1 : 2};
    const double db[3] = {d2[j[0]], d2[j[1]], d2[j[2]]};
    const Canonical c2 = canonical_case(db);
    if (c2.first < 0) {
        const Pt a[3] = {t1[i0], t1[i1], t1[i2]}, b[3] = {t2[j[0]], t2[j[1]], t2[j[2]]};
        return coplanar_or_degenerate(pl, a, b);
    }
    const int k0 = c2.first, k1 = kNext[k0], k2 = kNext[k1];
    const Pt q = t1[c2.exchange ? i2 : i1], r = t1[c2.exchange ? i1 : i2];
    return leaf(t1[i0], q, r, t2[j[k0]], t2[j[k1]], t2[j[k2]]);
}

// Do the intervals in which the two triangles cross the common line of their planes overlap?
// Both values are formed, without a branch between them, for speed; the answer is the same.
[[gnu::always_inline]] inline int interval_overlap_3d(Pt A, Pt B, Pt C, Pt X, Pt Y, Pt Z)
{
    const bool first = orientation_3d(B, X, A, Y) > 0.0;
    const bool second = orientation_3d(A, X, C, Z) > 0.0;
    return int(!(first | second));
}

// Where the line through x and y meets the plane through a with normal n. An edge parallel
// to the plane has no such point; its start vertex stands for it.
Vec3 plane_edge_point(Pt x, Pt y, Pt a, const Vec3& n)
{
    const Vec3 e = diff(x, y);
    double alpha = dot(diff(x, a), n) / dot(e, n);
    if (!std::isfinite(alpha)) alpha = 0.0;
    return {x[0] - (alpha * e[0]), x[1] - (alpha * e[1]), x[2] - (alpha * e[2])};
}

int construct_segment_3d(const Planes& pl, Pt p1, Pt q1, Pt r1, Pt p2, Pt q2, Pt r2, double* source,
                         double* target)
{
    Vec3 s, t;
    if (orientation_3d(p1, q1, r2, p2) > 0.0) {
        if (!(orientation_3d(p1, r1, r2, p2) <= 0.0)) return 0;
        s = orientation_3d(p1, r1, q2, p2) > 0.0 ? plane_edge_point(p1, r1, p2, pl.N2)
                                                 : plane_edge_point(p2, q2, p1, pl.N1);
        t = plane_edge_point(p2, r2, p1, pl.N1);
    } else {
        if (orientation_3d(p1, q1, q2, p2) < 0.0) return 0;
        s = orientation_3d(p1, r1, q2, p2) >= 0.0 ? plane_edge_point(p1, r1, p2, pl.N2)
                                                  : plane_edge_point(p2, q2, p1, pl.N1);
        t = plane_edge_point(p1, q1, p2, pl.N2);
    }
    // Stored last: the outputs may share storage with the vertices.
    for (int i = 0; i < 3; ++i)
        source[i] = s[i];
    for (int i = 0; i < 3; ++i)
        target[i] = t[i];
    return 1;
}

// All three distances strictly of one sign. Both products are formed without a branch
// between them: on random pairs the first test is a coin toss.
[[gnu::always_inline]] inline bool one_side(const double d[3])
{
    return (d[0] * d[1] > 0.0) & (d[0] * d[2] > 0.0);
}

// Normals, signed distances and both one-side rejections; false when the pair is rejected.
[[gnu::always_inline]] inline bool planes_and_distances(const Pt t1[3], const Pt t2[3], Planes& pl,
                                                        double d1[3], double d2[3])
{
    pl.N2 = cross(diff(t2[0], t2[2]), diff(t2[1], t2[2]));
    for (int i = 0; i < 3; ++i)
        d1[i] = dot(diff(t1[i], t2[2]), pl.N2);
    if (one_side(d1)) return false;
    pl.N1 = cross(diff(t1[1], t1[0]), diff(t1[2], t1[0]));
    for (int i = 0; i < 3; ++i)
        d2[i] = dot(diff(t2[i], t1[2]), pl.N1);
    return !one_side(d2);
}

[[gnu::noinline]] int tri_tri_overlap_test_2d(double* p1, double* q1, double* r1, double* p2, double* q2,
                                              double* r2)
{
    return overlap_2d(p1, q1, r1, p2, q2, r2);
}

[[gnu::noinline]] int tri_tri_overlap_test_3d(double* p1, double* q1, double* r1, double* p2, double* q2,
                                              double* r2)
{
    const Pt t1[3] = {p1, q1, r1}, t2[3] = {p2, q2, r2};
    Planes pl{{}, {}, nullptr};
    double d1[3], d2[3];
    if (!planes_and_distances(t1, t2, pl, d1, d2)) return 0;
    if (isZero(pl.N1) || isZero(pl.N2)) return ::tri_tri_overlap_test_3d(p1, q1, r1, p2, q2, r2);
    return canonical_dispatch(pl, t1, d1, t2, d2, [](Pt a, Pt b, Pt c, Pt x, Pt y, Pt z) {
        return interval_overlap_3d(a, b, c, x, y, z);
    });
}

[[gnu::noinline]] int tri_tri_intersection_test_3d(double* p1, double* q1, double* r1, double* p2, double* q2,
                                                   double* r2, int* coplanar, double* source, double* target)
{
    const Pt t1[3] = {p1, q1, r1}, t2[3] = {p2, q2, r2};
    Planes pl{{}, {}, coplanar};
    double d1[3], d2[3];
    if (!planes_and_distances(t1, t2, pl, d1, d2)) return 0;
    if (isZero(pl.N1) || isZero(pl.N2))
        return ::tri_tri_intersection_test_3d(p1, q1, r1, p2, q2, r2, coplanar, source, target);
    return canonical_dispatch(pl, t1, d1, t2, d2, [&](Pt a, Pt b, Pt c, Pt x, Pt y, Pt z) {
        return construct_segment_3d(pl, a, b, c, x, y, z, source, target);
    });
}

} // namespace
} // namespace today

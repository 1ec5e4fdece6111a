#include "Mathemat3dTri.h"

#include <array>
#include <cmath>
#include <limits>
#include <utility>

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

bool sameStrictSide(double a, double b)
{
    return (a > 0.0 && b > 0.0) || (a < 0.0 && b < 0.0);
}

// Signs of three values contain both a positive and a negative one.
bool mixedSigns(double a, double b, double c)
{
    return (a > 0.0 || b > 0.0 || c > 0.0) && (a < 0.0 || b < 0.0 || c < 0.0);
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

// ---- Zero-area triangles: tested as the segment between their extreme vertices ----

bool lexLess(Pt a, Pt b, int dim)
{
    for (int i = 0; i < dim; ++i)
        if (a[i] != b[i]) return a[i] < b[i];
    return false;
}

// Along a line the lexicographic order is the order of the points, so the least and the
// greatest of three collinear vertices span the other.
void span(const Pt t[3], int dim, Pt& lo, Pt& hi)
{
    lo = hi = t[0];
    for (int i = 1; i < 3; ++i) {
        if (lexLess(t[i], lo, dim)) lo = t[i];
        if (lexLess(hi, t[i], dim)) hi = t[i];
    }
}

// p lies on the closed segment a b, given that the three are collinear.
bool inBox(Pt p, Pt a, Pt b, int dim)
{
    for (int i = 0; i < dim; ++i)
        if (p[i] < std::fmin(a[i], b[i]) || p[i] > std::fmax(a[i], b[i])) return false;
    return true;
}

bool segments_meet_2d(Pt a, Pt b, Pt c, Pt d)
{
    const double o1 = orientation_2d(a, b, c), o2 = orientation_2d(a, b, d);
    const double o3 = orientation_2d(c, d, a), o4 = orientation_2d(c, d, b);
    if (((o1 > 0.0 && o2 < 0.0) || (o1 < 0.0 && o2 > 0.0)) &&
        ((o3 > 0.0 && o4 < 0.0) || (o3 < 0.0 && o4 > 0.0)))
        return true;
    return (o1 == 0.0 && inBox(c, a, b, 2)) || (o2 == 0.0 && inBox(d, a, b, 2)) ||
           (o3 == 0.0 && inBox(a, c, d, 2)) || (o4 == 0.0 && inBox(b, c, d, 2));
}

// Closed segment a b (possibly a point) against a closed triangle; a triangle whose area comes
// out zero counts as the segment between its extreme vertices.
bool segment_meets_triangle_2d(Pt a, Pt b, const Pt t[3])
{
    if (orientation_2d(t[0], t[1], t[2]) == 0.0) {
        Pt c, d;
        span(t, 2, c, d);
        return segments_meet_2d(a, b, c, d);
    }
    if (!mixedSigns(orientation_2d(t[0], t[1], a), orientation_2d(t[1], t[2], a),
                    orientation_2d(t[2], t[0], a)))
        return true;
    return segments_meet_2d(a, b, t[0], t[1]) || segments_meet_2d(a, b, t[1], t[2]) ||
           segments_meet_2d(a, b, t[2], t[0]);
}

int degenerate_overlap_2d(const Pt t1[3], double area1, const Pt t2[3])
{
    Pt a, b;
    if (area1 == 0.0) {
        span(t1, 2, a, b);
        return segment_meets_triangle_2d(a, b, t2);
    }
    span(t2, 2, a, b);
    return segment_meets_triangle_2d(a, b, t1);
}

bool on_segment_3d(Pt p, Pt a, Pt b)
{
    return isZero(cross(diff(p, a), diff(b, a))) && inBox(p, a, b, 3);
}

bool segments_meet_3d(Pt a, Pt b, Pt c, Pt d)
{
    if (orientation_3d(a, b, c, d) != 0.0) return false;
    const Vec3 u = diff(b, a), v = diff(d, c), m = cross(u, v);
    if (isZero(m))
        return on_segment_3d(c, a, b) || on_segment_3d(d, a, b) || on_segment_3d(a, c, d) ||
               on_segment_3d(b, c, d);
    // Coplanar, not parallel: each segment's ends must not lie strictly on one side of the other's line.
    return !sameStrictSide(dot(cross(u, diff(c, a)), m), dot(cross(u, diff(d, a)), m)) &&
           !sameStrictSide(dot(cross(v, diff(a, c)), m), dot(cross(v, diff(b, c)), m));
}

// Segment a b (possibly a point) against a triangle whose normal n is not zero.
bool segment_meets_triangle_3d(Pt a, Pt b, const Pt t[3], const Vec3& n)
{
    const double da = orientation_3d(t[0], t[1], t[2], a), db = orientation_3d(t[0], t[1], t[2], b);
    if (sameStrictSide(da, db)) return false;
    if (da == 0.0 && db == 0.0) {
        // In the plane: drop the coordinate along which the normal is largest, keeping the area.
        const double ax = std::fabs(n[0]), ay = std::fabs(n[1]), az = std::fabs(n[2]);
        const int drop = (ax >= ay && ax >= az) ? 0 : (ay >= az ? 1 : 2);
        const int i = drop == 0 ? 1 : 0, j = drop == 2 ? 1 : 2;
        double pr[5][2];
        const Pt src[5] = {a, b, t[0], t[1], t[2]};
        for (int k = 0; k < 5; ++k)
            pr[k][0] = src[k][i], pr[k][1] = src[k][j];
        const Pt tri[3] = {pr[2], pr[3], pr[4]};
        return segment_meets_triangle_2d(pr[0], pr[1], tri);
    }
    // The segment crosses the plane; the line through it passes the closed triangle exactly
    // when it is on no edge's outer side.
    return !mixedSigns(orientation_3d(a, b, t[0], t[1]), orientation_3d(a, b, t[1], t[2]),
                       orientation_3d(a, b, t[2], t[0]));
}

int degenerate_overlap_3d(const Pt t1[3], const Vec3& N1, const Pt t2[3], const Vec3& N2)
{
    Pt a, b, c, d;
    span(t1, 3, a, b);
    span(t2, 3, c, d);
    if (isZero(N1) && isZero(N2)) return segments_meet_3d(a, b, c, d);
    return isZero(N1) ? segment_meets_triangle_3d(a, b, t2, N2) : segment_meets_triangle_3d(c, d, t1, N1);
}

// ---- Planar test ----

// The region tests below decide as the published decision trees do, but every orientation is
// formed first and the branches are replaced by logic: on random pairs each branch is a coin toss.

// p1 lies outside two edges of triangle U V W (both triangles counter-clockwise).
[[gnu::always_inline]] inline int vertex_region_test(Pt P, Pt Q, Pt R, Pt U, Pt V, Pt W)
{
    const bool a = orientation_2d(W, U, Q) >= 0.0, b = orientation_2d(W, V, Q) <= 0.0;
    const bool c = orientation_2d(P, U, Q) > 0.0, pvq = orientation_2d(P, V, Q) <= 0.0;
    const bool pur = orientation_2d(P, U, R) >= 0.0, qru = orientation_2d(Q, R, U) >= 0.0;
    const bool wvr = orientation_2d(W, V, R) <= 0.0, qrv = orientation_2d(Q, R, V) >= 0.0;
    const bool f = orientation_2d(W, U, R) >= 0.0, g = orientation_2d(Q, R, W) >= 0.0;
    const bool wrv = orientation_2d(W, R, V) >= 0.0;
    const bool above = (b & ((c & pvq) | (!c & pur & qru))) | (!b & pvq & wvr & qrv);
    const bool below = f & ((g & pur) | (!g & qrv & wrv));
    return (a & above) | (!a & below);
}

// p1 lies outside one edge of triangle U V W; V takes no part.
[[gnu::always_inline]] inline int edge_region_test(Pt P, Pt Q, Pt R, Pt U, Pt /*V*/, Pt W)
{
    const bool a = orientation_2d(W, U, Q) >= 0.0, b = orientation_2d(P, U, Q) >= 0.0;
    const bool pqw = orientation_2d(P, Q, W) >= 0.0, c = orientation_2d(Q, R, U) >= 0.0;
    const bool rpu = orientation_2d(R, P, U) >= 0.0, f = orientation_2d(W, U, R) >= 0.0;
    const bool g = orientation_2d(P, U, R) >= 0.0;
    const bool prw = orientation_2d(P, R, W) >= 0.0, qrw = orientation_2d(Q, R, W) >= 0.0;
    const bool above = (b & pqw) | (!b & c & rpu);
    return (a & above) | (!a & f & g & (prw | qrw));
}

// Where p1 lies against the edges of p2 q2 r2 picks the region test and the rotation of the
// second triangle it runs on, by table: index s0 s1 s2 of the three edge sides as bits.
struct Region {
    signed char test; // 0 inside, 1 edge region, 2 vertex region
    signed char rotation;
};
constexpr Region kRegion[8] = {{2, 2}, {2, 2}, {2, 1}, {1, 1}, {2, 0}, {1, 2}, {1, 0}, {0, 0}};

[[gnu::always_inline]] inline int ccw_overlap_2d(Pt p1, Pt q1, Pt r1, Pt p2, Pt q2, Pt r2)
{
    const int s0 = orientation_2d(p2, q2, p1) >= 0.0, s1 = orientation_2d(q2, r2, p1) >= 0.0;
    const int s2 = orientation_2d(r2, p2, p1) >= 0.0;
    const Region region = kRegion[4 * s0 + 2 * s1 + s2];
    if (region.test == 0) return 1;
    const Pt t[5] = {p2, q2, r2, p2, q2};
    const Pt* u = t + region.rotation;
    if (region.test == 1) return edge_region_test(p1, q1, r1, u[0], u[1], u[2]);
    return vertex_region_test(p1, q1, r1, u[0], u[1], u[2]);
}

int overlap_2d(Pt p1, Pt q1, Pt r1, Pt p2, Pt q2, Pt r2)
{
    const double area1 = orientation_2d(p1, q1, r1), area2 = orientation_2d(p2, q2, r2);
    if (area1 == 0.0 || area2 == 0.0) {
        const Pt t1[3] = {p1, q1, r1}, t2[3] = {p2, q2, r2};
        return degenerate_overlap_2d(t1, area1, t2);
    }
    // Selects, not branches: the orientations of random pairs are coin tosses.
    const bool cw1 = area1 < 0.0, cw2 = area2 < 0.0;
    return ccw_overlap_2d(p1, cw1 ? r1 : q1, cw1 ? q1 : r1, p2, cw2 ? r2 : q2, cw2 ? q2 : r2);
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

int coplanar_or_degenerate(const Planes& pl, const Pt t1[3], const Pt t2[3])
{
    if (pl.coplanar) *pl.coplanar = 1;
    if (isZero(pl.N1) || isZero(pl.N2)) return degenerate_overlap_3d(t1, pl.N1, t2, pl.N2);
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

// The plane of the second triangle and the first one's distances from it. Written out on the
// points, with nothing gathered in arrays first: most pairs end at the test that follows.
[[gnu::always_inline]] inline void first_plane(Pt p1, Pt q1, Pt r1, Pt p2, Pt q2, Pt r2, Vec3& N2,
                                               double d1[3])
{
    N2 = cross(diff(p2, r2), diff(q2, r2));
    d1[0] = dot(diff(p1, r2), N2);
    d1[1] = dot(diff(q1, r2), N2);
    d1[2] = dot(diff(r1, r2), N2);
}

// The same for the first triangle's plane; false when the second triangle lies on one side.
[[gnu::always_inline]] inline bool second_plane(Pt p1, Pt q1, Pt r1, Pt p2, Pt q2, Pt r2, Vec3& N1,
                                                double d2[3])
{
    N1 = cross(diff(q1, p1), diff(r1, p1));
    d2[0] = dot(diff(p2, r1), N1);
    d2[1] = dot(diff(q2, r1), N1);
    d2[2] = dot(diff(r2, r1), N1);
    return !one_side(d2);
}

// The overlap test once the first plane failed to reject. Out of line, with the plane and the
// distances passed in registers, so that the rejection before it needs no stack frame.
[[gnu::noinline]] int overlap_past_first_plane(Pt p1, Pt q1, Pt r1, Pt p2, Pt q2, Pt r2, double n0, double n1,
                                               double n2, double e0, double e1, double e2)
{
    Planes pl{{}, {n0, n1, n2}, nullptr};
    double d2[3];
    if (!second_plane(p1, q1, r1, p2, q2, r2, pl.N1, d2)) return 0;
    const Pt t1[3] = {p1, q1, r1}, t2[3] = {p2, q2, r2};
    const double d1[3] = {e0, e1, e2};
    return canonical_dispatch(pl, t1, d1, t2, d2, [](Pt a, Pt b, Pt c, Pt x, Pt y, Pt z) {
        return interval_overlap_3d(a, b, c, x, y, z);
    });
}

} // namespace

int tri_tri_overlap_test_2d(double* p1, double* q1, double* r1, double* p2, double* q2, double* r2)
{
    return overlap_2d(p1, q1, r1, p2, q2, r2);
}

int ccw_tri_tri_intersection_2d(double* p1, double* q1, double* r1, double* p2, double* q2, double* r2)
{
    return ccw_overlap_2d(p1, q1, r1, p2, q2, r2);
}

int coplanar_tri_tri3d(double* p1, double* q1, double* r1, double* p2, double* q2, double* r2,
                       double* normal_1, double* /*normal_2*/)
{
    return coplanar_overlap(p1, q1, r1, p2, q2, r2, normal_1);
}

int tri_tri_overlap_test_3d(double* p1, double* q1, double* r1, double* p2, double* q2, double* r2)
{
    Vec3 N2;
    double d1[3];
    first_plane(p1, q1, r1, p2, q2, r2, N2, d1);
    if (one_side(d1)) return 0;
    return overlap_past_first_plane(p1, q1, r1, p2, q2, r2, N2[0], N2[1], N2[2], d1[0], d1[1], d1[2]);
}

int tri_tri_intersection_test_3d(double* p1, double* q1, double* r1, double* p2, double* q2, double* r2,
                                 int* coplanar, double* source, double* target)
{
    Planes pl;
    pl.coplanar = coplanar;
    double d1[3], d2[3];
    first_plane(p1, q1, r1, p2, q2, r2, pl.N2, d1);
    if (one_side(d1) || !second_plane(p1, q1, r1, p2, q2, r2, pl.N1, d2)) return 0;
    const Pt t1[3] = {p1, q1, r1}, t2[3] = {p2, q2, r2};
    return canonical_dispatch(pl, t1, d1, t2, d2, [&](Pt a, Pt b, Pt c, Pt x, Pt y, Pt z) {
        return construct_segment_3d(pl, a, b, c, x, y, z, source, target);
    });
}

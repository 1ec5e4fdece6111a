#include "TriangleOracle.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace triangle_oracle {
namespace {

using Q = mpq_class;

QPoint cross(const QPoint& a, const QPoint& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
const auto dot = [](const QPoint& a, const QPoint& b) -> Q { return a.x * b.x + a.y * b.y + a.z * b.z; };
const auto normal = [](const QTriangle& t) { return cross(t[1] - t[0], t[2] - t[0]); };

// Closed segments a b and c d, either possibly a point, by the parameters of their closest points.
bool segmentsMeet(const QPoint& a, const QPoint& b, const QPoint& c, const QPoint& d)
{
    const QPoint u = b - a, v = d - c, w = a - c;
    const Q A = dot(u, u), B = dot(u, v), C = dot(v, v), D = dot(u, w), E = dot(v, w);
    if (sgn(A) == 0) return sgn(C) == 0 ? a == c : segmentsMeet(c, d, a, b);
    const Q det = A * C - B * B;
    if (sgn(det) != 0) {
        const Q s = (B * E - C * D) / det, t = (A * E - B * D) / det;
        return sgn(s) >= 0 && s <= 1 && sgn(t) >= 0 && t <= 1 && a.along(s, u) == c.along(t, v);
    }
    if (!cross(c - a, u).isZero()) return false; // parallel lines apart (c d may be a point)
    const Q tc = dot(c - a, u) / A, td = dot(d - a, u) / A;
    return sgn(std::max(tc, td)) >= 0 && std::min(tc, td) <= 1;
}

// Point of the plane of triangle t (normal n, not zero) inside the closed triangle: on the inner
// side of every edge.
bool inTriangle(const QPoint& x, const QTriangle& t, const QPoint& n)
{
    for (int i = 0; i < 3; ++i)
        if (sgn(dot(cross(t[(i + 1) % 3] - t[i], x - t[i]), n)) < 0) return false;
    return true;
}

bool segmentMeetsTriangle(const QPoint& a, const QPoint& b, const QTriangle& t, const QPoint& n)
{
    const Q da = dot(a - t[0], n), db = dot(b - t[0], n);
    if (sgn(da) * sgn(db) > 0) return false;
    if (sgn(da) == 0 && sgn(db) == 0) // in the plane, or t is flat
        return (!n.isZero() && inTriangle(a, t, n)) || segmentsMeet(a, b, t[0], t[1]) ||
               segmentsMeet(a, b, t[1], t[2]) || segmentsMeet(a, b, t[2], t[0]);
    return inTriangle(a.along(da / (da - db), b - a), t, n);
}

// Where triangle t meets the plane through o with normal n: points with their parameters along dir.
std::vector<std::pair<Q, QPoint>> cutByPlane(const QTriangle& t, const QPoint& o, const QPoint& n,
                                             const QPoint& dir)
{
    std::vector<std::pair<Q, QPoint>> in;
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3;
        const Q di = dot(t[i] - o, n), dj = dot(t[j] - o, n);
        if (sgn(di) != 0 && sgn(di) * sgn(dj) >= 0) continue;
        const QPoint p = sgn(di) == 0 ? t[i] : t[i].along(di / (di - dj), t[j] - t[i]);
        in.emplace_back(dot(p, dir), p);
    }
    return in;
}

} // namespace

bool isFlat(const QTriangle& t)
{
    return normal(t).isZero();
}

bool areCoplanar(const QTriangle& a, const QTriangle& b)
{
    const QPoint n = normal(a);
    return !n.isZero() && !normal(b).isZero() && sgn(dot(b[0] - a[0], n)) == 0 &&
           sgn(dot(b[1] - a[0], n)) == 0 && sgn(dot(b[2] - a[0], n)) == 0;
}

bool trianglesMeet(const QTriangle& a, const QTriangle& b)
{
    const QPoint na = normal(a), nb = normal(b);
    for (int i = 0; i < 3; ++i)
        if (segmentMeetsTriangle(a[i], a[(i + 1) % 3], b, nb) ||
            segmentMeetsTriangle(b[i], b[(i + 1) % 3], a, na))
            return true;
    return false;
}

bool crossingSegment(const QTriangle& a, const QTriangle& b, QPoint& source, QPoint& target)
{
    const QPoint na = normal(a), nb = normal(b), dir = cross(na, nb);
    const auto ia = cutByPlane(a, b[0], nb, dir), ib = cutByPlane(b, a[0], na, dir);
    if (ia.empty() || ib.empty()) return false;
    const auto byParameter = [](const auto& x, const auto& y) { return x.first < y.first; };
    const auto [aLo, aHi] = std::minmax_element(ia.begin(), ia.end(), byParameter);
    const auto [bLo, bHi] = std::minmax_element(ib.begin(), ib.end(), byParameter);
    if (std::max(aLo->first, bLo->first) > std::min(aHi->first, bHi->first)) return false;
    source = (aLo->first >= bLo->first ? aLo : bLo)->second;
    target = (aHi->first <= bHi->first ? aHi : bHi)->second;
    return true;
}

IntPair randomPair(std::mt19937_64& rng)
{
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
    IntPair v{};
    const int ranges[] = {2, 3, 8, 64, 1024};
    const int range = ranges[pick(0, 4)], kind = pick(0, 6);
    for (auto& p : v)
        for (double& c : p)
            c = pick(-range, range);
    const int i = pick(0, 2), j = (i + 1) % 3, k = 3 + pick(0, 2);
    if (kind == 1 || kind == 2) // a shared vertex (1) or edge (2)
        for (int e = 0; e < kind; ++e)
            v[3 + (k + e) % 3] = v[(i + e) % 3];
    if (kind == 3) // a vertex on the middle of an edge
        for (int c = 0; c < 3; ++c) {
            v[i][c] = 2 * std::round(v[i][c] / 2), v[j][c] = 2 * std::round(v[j][c] / 2);
            v[k][c] = (v[i][c] + v[j][c]) / 2;
        }
    // Both in one plane o + s u + t w (4), or one or both flat: on a line o + s u (5).
    if (kind == 4 || kind == 5) {
        const int which = kind == 4 ? 2 : pick(0, 2);
        double o[3], u[3], w[3];
        for (int n = 0; n < 6; ++n) {
            if (which != 2 && which != n / 3) continue;
            if (n % 3 == 0 && (kind == 5 || n == 0)) // a new plane, or a new line for each triangle
                for (int c = 0; c < 3; ++c)
                    o[c] = pick(-std::min(range, 900), std::min(range, 900)), u[c] = pick(-4, 4),
                    w[c] = kind == 4 ? pick(-4, 4) : 0;
            const int s = pick(-12, 12), t = pick(-12, 12);
            for (int c = 0; c < 3; ++c)
                v[n][c] = o[c] + s * u[c] + t * w[c];
        }
    }
    if (kind == 6) // a vertex of one in the plane z = 0 of the other
        v[0][2] = v[1][2] = v[2][2] = v[3][2] = 0;
    return v; // every coordinate within 1024: o + s u + t w stays within 900 + 2 * 48
}

} // namespace triangle_oracle

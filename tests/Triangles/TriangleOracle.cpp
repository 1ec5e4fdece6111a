#include "TriangleOracle.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace triangle_oracle {
namespace {

using Q = mpq_class;

QPoint cross(const QPoint& a, const QPoint& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
const auto dot = [](const QPoint& a, const QPoint& b) -> Q { return a.x * b.x + a.y * b.y + a.z * b.z; };
const auto inUnit = [](const Q& s) { return sgn(s) >= 0 && s <= 1; };
const auto normal = [](const QTriangle& t) { return cross(t[1] - t[0], t[2] - t[0]); };

// Closed segments a b and c d, either possibly a point, by the parameters of their closest points.
bool segmentsMeet(const QPoint& a, const QPoint& b, const QPoint& c, const QPoint& d) {
    const QPoint u = b - a, v = d - c, w = a - c;
    const Q A = dot(u, u), B = dot(u, v), C = dot(v, v), D = dot(u, w), E = dot(v, w);
    if (sgn(A) == 0) return sgn(C) == 0 ? a == c : segmentsMeet(c, d, a, b);
    const Q det = A * C - B * B;
    if (sgn(det) != 0) {
        const Q s = (B * E - C * D) / det, t = (A * E - B * D) / det;
        return inUnit(s) && inUnit(t) && a.along(s, u) == c.along(t, v);
    }
    if (!cross(c - a, u).isZero()) return false; // parallel lines apart (c d may be a point)
    Q tc = dot(c - a, u) / A, td = dot(d - a, u) / A;
    if (td < tc) std::swap(tc, td);
    return !(sgn(td) < 0 || tc > 1);
}

// Point of the triangle's plane inside the closed triangle (non-zero area), by barycentric coordinates.
bool inTriangle(const QPoint& x, const QTriangle& t) {
    const QPoint e1 = t[1] - t[0], e2 = t[2] - t[0], w = x - t[0];
    const Q a11 = dot(e1, e1), a12 = dot(e1, e2), a22 = dot(e2, e2), b1 = dot(w, e1), b2 = dot(w, e2);
    const Q det = a11 * a22 - a12 * a12, s = b1 * a22 - b2 * a12, u = a11 * b2 - a12 * b1;
    return sgn(s) >= 0 && sgn(u) >= 0 && s + u <= det;
}

bool segmentMeetsTriangle(const QPoint& a, const QPoint& b, const QTriangle& t, const QPoint& n) {
    const Q da = dot(a - t[0], n), db = dot(b - t[0], n);
    if (sgn(da) * sgn(db) > 0) return false;
    if (sgn(da) == 0 && sgn(db) == 0) // in the plane, or t is flat
        return (!n.isZero() && inTriangle(a, t)) || segmentsMeet(a, b, t[0], t[1]) ||
               segmentsMeet(a, b, t[1], t[2]) || segmentsMeet(a, b, t[2], t[0]);
    return inTriangle(a.along(da / (da - db), b - a), t);
}

// Where triangle t meets the plane through o with normal n, as parameters along dir.
struct Interval {
    bool empty = true;
    Q lo, hi;
    QPoint loPoint, hiPoint;
    void add(const QPoint& p, const QPoint& dir) {
        const Q s = dot(p, dir);
        if (empty || s < lo) lo = s, loPoint = p;
        if (empty || s > hi) hi = s, hiPoint = p;
        empty = false;
    }
};

Interval cutByPlane(const QTriangle& t, const QPoint& o, const QPoint& n, const QPoint& dir) {
    Interval in;
    Q d[3];
    for (int i = 0; i < 3; ++i)
        d[i] = dot(t[i] - o, n);
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3;
        if (sgn(d[i]) == 0) in.add(t[i], dir);
        if (sgn(d[i]) * sgn(d[j]) < 0) in.add(t[i].along(d[i] / (d[i] - d[j]), t[j] - t[i]), dir);
    }
    return in;
}

const auto uniform = [](std::mt19937_64& rng, int lo, int hi) {
    return std::uniform_int_distribution(lo, hi)(rng);
};

void randomPoint(std::mt19937_64& rng, double* p, int range, int dim) {
    for (int i = 0; i < dim; ++i)
        p[i] = uniform(rng, -range, range);
}

} // namespace

QTriangle exactTriangle(const double* p, const double* q, const double* r, int dim) {
    QTriangle t;
    const double* src[3] = {p, q, r};
    for (int i = 0; i < 3; ++i)
        t[i] = {Q(src[i][0]), Q(src[i][1]), dim == 3 ? Q(src[i][2]) : Q(0)};
    return t;
}

bool isFlat(const QTriangle& t) {
    return normal(t).isZero();
}

bool areCoplanar(const QTriangle& a, const QTriangle& b) {
    const QPoint n = normal(a);
    return !n.isZero() && !normal(b).isZero() && sgn(dot(b[0] - a[0], n)) == 0 &&
           sgn(dot(b[1] - a[0], n)) == 0 && sgn(dot(b[2] - a[0], n)) == 0;
}

bool trianglesMeet(const QTriangle& a, const QTriangle& b) {
    const QPoint na = normal(a), nb = normal(b);
    for (int i = 0; i < 3; ++i)
        if (segmentMeetsTriangle(a[i], a[(i + 1) % 3], b, nb) ||
            segmentMeetsTriangle(b[i], b[(i + 1) % 3], a, na))
            return true;
    return false;
}

bool crossingSegment(const QTriangle& a, const QTriangle& b, QPoint& source, QPoint& target) {
    const QPoint na = normal(a), nb = normal(b), dir = cross(na, nb);
    const Interval ia = cutByPlane(a, b[0], nb, dir), ib = cutByPlane(b, a[0], na, dir);
    if (ia.empty || ib.empty || std::max(ia.lo, ib.lo) > std::min(ia.hi, ib.hi)) return false;
    source = ia.lo >= ib.lo ? ia.loPoint : ib.loPoint;
    target = ia.hi <= ib.hi ? ia.hiPoint : ib.hiPoint;
    return true;
}

IntPair randomPair(std::mt19937_64& rng, int dim) {
    IntPair pr{};
    auto& v = pr.v;
    const int ranges[] = {2, 3, 8, 64, 1024};
    const int range = ranges[uniform(rng, 0, 4)];
    for (auto& p : v)
        randomPoint(rng, p, range, dim);
    switch (const int kind = uniform(rng, 0, 7)) {
    case 0: // general position at the chosen scale
        break;
    case 1:
    case 2: { // a shared vertex (1) or edge (2)
        const int i = uniform(rng, 0, 2), j = uniform(rng, 0, 2);
        for (int k = 0; k < kind; ++k)
            std::copy(v[(i + k) % 3], v[(i + k) % 3] + 3, v[3 + (j + k) % 3]);
        break;
    }
    case 3: { // a vertex on the middle of an edge
        const int i = uniform(rng, 0, 2), j = (i + 1) % 3;
        for (int c = 0; c < dim; ++c)
            v[i][c] = 2 * std::round(v[i][c] / 2), v[j][c] = 2 * std::round(v[j][c] / 2);
        for (int c = 0; c < dim; ++c)
            v[3 + uniform(rng, 0, 2)][c] = (v[i][c] + v[j][c]) / 2;
        break;
    }
    case 4: { // both in one plane through o spanned by u and v
        double o[3] = {}, u[3] = {}, w[3] = {};
        randomPoint(rng, o, range > 8 ? 900 : 4, dim);
        randomPoint(rng, u, 4, dim);
        randomPoint(rng, w, 4, dim);
        for (auto& p : v) {
            const int s = uniform(rng, -12, 12), t = uniform(rng, -12, 12);
            for (int c = 0; c < dim; ++c)
                p[c] = o[c] + s * u[c] + t * w[c];
        }
        break;
    }
    case 5: { // one or both flat: points on a line o + k u
        const int flat = uniform(rng, 0, 2);
        for (int tri = 0; tri < 2; ++tri) {
            if (flat != 2 && flat != tri) continue;
            double o[3] = {}, u[3] = {};
            randomPoint(rng, o, range, dim);
            randomPoint(rng, u, std::min(range, 16), dim);
            for (int k = 0; k < 3; ++k) {
                const int step = uniform(rng, -4, 4);
                for (int c = 0; c < dim; ++c)
                    v[3 * tri + k][c] = o[c] + step * u[c];
            }
        }
        break;
    }
    case 6: // a twin moved by a small step, vertices in another order
        for (int k = 0; k < 3; ++k)
            for (int c = 0; c < dim; ++c)
                v[3 + (k + 1) % 3][c] = v[k][c] + uniform(rng, -1, 1);
        break;
    default: // a vertex of one in the plane z = 0 of the other
        for (int k = 0; k < 3; ++k)
            v[k][dim - 1] = 0;
        v[3][dim - 1] = 0;
        break;
    }
    for (auto& p : v)
        for (int c = 0; c < dim; ++c)
            p[c] = std::clamp(p[c], -1024.0, 1024.0);
    return pr;
}

} // namespace triangle_oracle

#pragma once
// Exact reference answers for triangle pairs, in GMP rationals, by a method of its own:
// closed triangles meet when an edge of one meets the other (edges by closest-point
// parameters, triangles by barycentric coordinates), and the cut of two triangles in
// space is the overlap of their intervals on the common line. Also the integer test pairs.

#include <gmpxx.h>

#include <array>
#include <random>

namespace triangle_oracle {

struct QPoint {
    mpq_class x, y, z;
    QPoint operator-(const QPoint& b) const { return {x - b.x, y - b.y, z - b.z}; }
    bool operator==(const QPoint& b) const { return x == b.x && y == b.y && z == b.z; }
    bool isZero() const { return sgn(x) == 0 && sgn(y) == 0 && sgn(z) == 0; }
    QPoint along(const mpq_class& s, const QPoint& u) const
    {
        return {x + s * u.x, y + s * u.y, z + s * u.z};
    }
};
using QTriangle = std::array<QPoint, 3>;

// Exact copy of a triangle of 2D or 3D points; 2D points get z = 0.
template <std::size_t N> QTriangle exactTriangle(const std::array<std::array<double, N>, 3>& t)
{
    QTriangle q;
    for (int i = 0; i < 3; ++i)
        q[i] = {t[i][0], t[i][1], N == 3 ? t[i][N - 1] : 0.0};
    return q;
}
bool trianglesMeet(const QTriangle& a, const QTriangle& b);
// The segment shared by two triangles whose planes cross (neither flat, not parallel);
// false when they do not meet.
bool crossingSegment(const QTriangle& a, const QTriangle& b, QPoint& source, QPoint& target);
bool isFlat(const QTriangle& t);
bool areCoplanar(const QTriangle& a, const QTriangle& b);

// A pair of triangles in space with integer coordinates of magnitude at most 1024, drawn from
// a mix of general, touching, coplanar and flat configurations.
using IntPair = std::array<std::array<double, 3>, 6>;
IntPair randomPair(std::mt19937_64& rng);

} // namespace triangle_oracle

#pragma once
// A point or vector of the plane, for the stand-in's drawing search and its SVG picture.

#include <cmath>

namespace tvhost {

struct TPoint2 {
    double X = 0.0;
    double Y = 0.0;
};

inline TPoint2 operator+(TPoint2 a, TPoint2 b)
{
    return {a.X + b.X, a.Y + b.Y};
}
inline TPoint2 operator-(TPoint2 a, TPoint2 b)
{
    return {a.X - b.X, a.Y - b.Y};
}
inline TPoint2 operator*(TPoint2 a, double k)
{
    return {a.X * k, a.Y * k};
}
inline double Dot(TPoint2 a, TPoint2 b)
{
    return a.X * b.X + a.Y * b.Y;
}
inline double Length(TPoint2 a)
{
    return std::hypot(a.X, a.Y);
}
inline TPoint2 Dir(double radians)
{
    return {std::cos(radians), std::sin(radians)};
}
// P turned counter-clockwise about the origin.
inline TPoint2 Rotated(TPoint2 p, double radians)
{
    return {p.X * std::cos(radians) - p.Y * std::sin(radians),
            p.X * std::sin(radians) + p.Y * std::cos(radians)};
}

} // namespace tvhost

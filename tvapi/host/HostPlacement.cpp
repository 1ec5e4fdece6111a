// Frames and placements of the stand-in host.
#include "HostPlacement.h"

#include <cmath>

#include "tvapi/Model3D.h"

namespace tvhost {

namespace {

// Below this length an axis has no direction.
constexpr double NoDirection = 1e-12;

TXyz Cross(const TXyz& a, const TXyz& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Dot(const TXyz& a, const TXyz& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// `v` of unit length; false when it has no direction.
bool Unit(TXyz& v)
{
    const double length = std::sqrt(Dot(v, v));
    if (!(length > NoDirection) || !std::isfinite(length)) return false;
    for (double& c : v)
        c /= length;
    return true;
}

std::string Xyz(double x, double y, double z)
{
    return std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z);
}

// The unit axes of a frame with X along `x` and Y along `y` made perpendicular to it; false
// when either has no direction left.
bool UnitAxes(const TXyz& x, const TXyz& y, TXyz& ux, TXyz& uy)
{
    ux = x;
    if (!Unit(ux)) return false;
    const double along = Dot(y, ux);
    uy = {y[0] - along * ux[0], y[1] - along * ux[1], y[2] - along * ux[2]};
    return Unit(uy);
}

} // namespace

TFrame TFrame::Of(const TXyz& o, const TXyz& x, const TXyz& y)
{
    TFrame frame;
    frame.Origin = o;
    TXyz ux, uy;
    if (!UnitAxes(x, y, ux, uy)) return frame;
    frame.X = ux;
    frame.Y = uy;
    frame.Z = Cross(ux, uy);
    return frame;
}

bool TFrame::Spans(const TXyz& x, const TXyz& y)
{
    TXyz ux, uy;
    return UnitAxes(x, y, ux, uy);
}

TXyz TFrame::Point(double u, double v, double w) const
{
    TXyz p;
    for (int i = 0; i < 3; ++i)
        p[i] = Origin[i] + X[i] * u + Y[i] * v + Z[i] * w;
    return p;
}

TXyz TFrame::Direction(const TXyz& d) const
{
    TXyz r;
    for (int i = 0; i < 3; ++i)
        r[i] = X[i] * d[0] + Y[i] * d[1] + Z[i] * d[2];
    return r;
}

TXyz TFrame::LocalDirection(const TXyz& d) const
{
    return {Dot(d, X), Dot(d, Y), Dot(d, Z)};
}

TFrame TFrame::Compose(const TFrame& inner) const
{
    TFrame f;
    f.Origin = Point(inner.Origin);
    f.X = Direction(inner.X);
    f.Y = Direction(inner.Y);
    f.Z = Direction(inner.Z);
    f.Back = inner.Back;
    return f;
}

TFrame BasePlaneFrame(int planeKind)
{
    switch (planeKind) {
    // The host's sketch axes: a point (X, Y, Z) lies at (X, -Z) on XOZ and at (-Z, -Y) on
    // YOZ, so a profile revolved on YOZ about its sketch x axis turns about the model's Z.
    // Their sketches extrude along X x Z and Y x Z, against u x v.
    case tvapi::o3d_planeXOZ: {
        TFrame f = TFrame::Of({0, 0, 0}, {1, 0, 0}, {0, 0, -1});
        f.Back = true;
        return f;
    }
    case tvapi::o3d_planeYOZ: {
        TFrame f = TFrame::Of({0, 0, 0}, {0, 0, -1}, {0, -1, 0});
        f.Back = true;
        return f;
    }
    default:
        return TFrame{};
    }
}

THostPlacement::THostPlacement(const TFrame& frame) noexcept
{
    Set(frame);
}

void THostPlacement::Set(const TFrame& frame) noexcept
{
    FOrigin = frame.Origin;
    FX = frame.X;
    FY = frame.Y;
    FZ = frame.Z;
}

TXyz* THostPlacement::Axis(int axis) noexcept
{
    switch (axis) {
    case tvapi::o3d_axisOX:
        return &FX;
    case tvapi::o3d_axisOY:
        return &FY;
    case tvapi::o3d_axisOZ:
        return &FZ;
    default:
        return nullptr;
    }
}

void THostPlacement::GetOrigin(double& x, double& y, double& z)
{
    if (!Enter("IPlacement3D::GetOrigin")) return;
    x = FOrigin[0];
    y = FOrigin[1];
    z = FOrigin[2];
}

void THostPlacement::SetOrigin(double x, double y, double z)
{
    if (Enter("IPlacement3D::SetOrigin", {Xyz(x, y, z)})) FOrigin = {x, y, z};
}

void THostPlacement::GetAxis(int axis, double& x, double& y, double& z)
{
    if (!Enter("IPlacement3D::GetAxis", {std::to_string(axis)})) return;
    const TXyz* a = Axis(axis);
    if (!a) return;
    x = (*a)[0];
    y = (*a)[1];
    z = (*a)[2];
}

void THostPlacement::SetAxis(int axis, double x, double y, double z)
{
    if (!Enter("IPlacement3D::SetAxis", {std::to_string(axis), Xyz(x, y, z)})) return;
    TXyz* a = Axis(axis);
    if (!a) return;
    *a = {x, y, z};
    if (a != &FZ) FZ = Frame().Z;
}

std::vector<double> THostPlacement::GetMatrix3D()
{
    if (!Enter("IPlacement3D::GetMatrix3D")) return {};
    return {FX[0], FX[1], FX[2], 0, FY[0],      FY[1],      FY[2],      0,
            FZ[0], FZ[1], FZ[2], 0, FOrigin[0], FOrigin[1], FOrigin[2], 1};
}

bool THostPlacement::SetMatrix3D(const std::vector<double>& m)
{
    if (!Enter("IPlacement3D::SetMatrix3D", {std::to_string(m.size())})) return false;
    if (m.size() != 16) return false;
    FX = {m[0], m[1], m[2]};
    FY = {m[4], m[5], m[6]};
    FZ = {m[8], m[9], m[10]};
    FOrigin = {m[12], m[13], m[14]};
    return true;
}

} // namespace tvhost

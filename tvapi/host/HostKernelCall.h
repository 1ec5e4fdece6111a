#pragma once
// Kernel-internal: the one way the stand-in calls its kernel. A kernel failure (its exception)
// becomes a result here and nowhere else; the host's points and directions become the kernel's
// and back; shapes read from files are checked before anything uses them. Only the files that
// see the kernel's own headers include this (HostKernel.h names them).

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include <TopoDS_Shape.hxx>
#include <gp_Dir.hxx>
#include <gp_Pnt.hxx>
#include <gp_Vec.hxx>
#include <gp_XYZ.hxx>

#include "HostKernel.h"

namespace tvhost {

// Runs `call`; false when the kernel fails in it, with the kernel's message in `*message` when
// one is given. The only place that catches the kernel's failures (HostKernel.cpp).
bool KernelCall(const std::function<void()>& call, std::string* message = nullptr);

// What `make()` gives, or `failed` when the kernel fails in it.
template <class R, class F> R Guarded(F&& make, R failed, std::string* message = nullptr)
{
    std::optional<R> made;
    if (!KernelCall([&] { made.emplace(make()); }, message) || !made) return failed;
    return std::move(*made);
}

// `shape` kept as the host keeps shapes; null for a null shape.
inline TShape Keep(const TopoDS_Shape& shape)
{
    return shape.IsNull() ? TShape() : std::make_shared<const TopoDS_Shape>(shape);
}

// The shape `make()` gives, kept; null when it is null or the kernel fails.
template <class F> TShape Made(F&& make)
{
    return Guarded([&] { return Keep(make()); }, TShape());
}

// The host's coordinates as the kernel's and back. A direction of no length makes the kernel
// fail: make one inside a guarded call.
inline gp_Pnt Pnt(const TXyz& p)
{
    return gp_Pnt(p[0], p[1], p[2]);
}
inline gp_Dir Dir(const TXyz& d)
{
    return gp_Dir(d[0], d[1], d[2]);
}
inline gp_Vec Vec(const TXyz& v, double scale = 1.0)
{
    return gp_Vec(v[0] * scale, v[1] * scale, v[2] * scale);
}
inline TXyz Xyz(const gp_XYZ& p)
{
    return {p.X(), p.Y(), p.Z()};
}
inline TXyz Xyz(const gp_Pnt& p)
{
    return Xyz(p.XYZ());
}
inline TXyz Xyz(const gp_Dir& d)
{
    return Xyz(d.XYZ());
}
inline TXyz Xyz(const gp_Vec& v)
{
    return Xyz(v.XYZ());
}

// What is wrong with a shape read from a file, empty when nothing is: a face without a
// surface, an edge that is not degenerate without a curve, a coordinate or parameter that is
// not finite, a solid the kernel does not find valid.
std::string ShapeProblem(const TopoDS_Shape& shape);

} // namespace tvhost

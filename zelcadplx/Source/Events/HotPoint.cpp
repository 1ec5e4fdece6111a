// Hot points with their markers: drawing a marker, the ray and drag tests, snapping to a
// step, and the set of markers of a panel.

#include "HotPoint.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "cPropertyMenagerEvent.h"

namespace {

constexpr Real PickTolerance = 2.0;         // screen units, divided by the view's scale
constexpr Real ParallelTolerance = 1e-6;    // |V'.z| against the largest component
constexpr Real ZeroDirectionSquare = 1e-30; // a drag direction this short counts as unit
constexpr Real DragThreshold = 0.5;         // of the drag direction's length

// P as a row vector times M: translation from the last row when asPoint.
TPoint3D RowTimes(const TPoint3D& P, const TMtr3D& M, bool asPoint)
{
    const Real w = asPoint ? 1.0 : 0.0;
    return TPoint3D(P.x * M.M[0][0] + P.y * M.M[1][0] + P.z * M.M[2][0] + w * M.M[3][0],
                    P.x * M.M[0][1] + P.y * M.M[1][1] + P.z * M.M[2][1] + w * M.M[3][1],
                    P.x * M.M[0][2] + P.y * M.M[1][2] + P.z * M.M[2][2] + w * M.M[3][2]);
}

} // namespace

// ---- THotPoint --------------------------------------------------------------------------------

THotPoint::THotPoint()
{
    Color = 0;
    Ambient = 0.5;
    Diffuse = 0.6;
    Specularity = 0.8;
    Shininess = 0.8;
    Transparency = 1.0;
    Emission = 0.5;
}

THotPoint::~THotPoint()
{
    if (Obj) Obj->Refresh();
}

THotPoint& THotPoint::operator=(const THotPoint& P)
{
    THotPointData::operator=(P);
    static_cast<TAdvColor&>(*this) = P;
    Direction = P.Direction;
    if (!(Obj == P.Obj)) Obj = P.Obj;
    return *this;
}

// The marker moves with the point: the slot left behind holds none, so its destruction
// touches no live marker.
THotPoint& THotPoint::operator=(THotPoint&& P)
{
    if (&P == this) return *this;
    THotPointData::operator=(static_cast<const THotPointData&>(P));
    static_cast<TAdvColor&>(*this) = P;
    Direction = P.Direction;
    Obj = std::move(P.Obj);
    return *this;
}

bool THotPoint::Update2()
{
    if (!Obj) return false;
    TMtr3D m;
    m.IdentityMove(Origin.x, Origin.y, Origin.z);
    std::vector<double> matrix;
    Obj->SetMatrix(m.to(matrix));
    Obj->SetMaterial(static_cast<int>(Color), Ambient, Diffuse, Specularity, Shininess, Transparency,
                     Emission);
    return true;
}

void THotPoint::SetVisible(bool visible)
{
    if (Obj) Obj->SetVisible(visible);
}

bool THotPoint::Pick2(const TPoint3D& P, const TVector3D& dir, const double& scale) const
{
    const TVector3D d = Origin - P;
    return (dir | d).Len() <= PickTolerance / scale;
}

bool THotPoint::Move2(const TPoint3D& O, const TVector3D& dir, const TVector3D& norm, const double&) const
{
    TVector3D z = dir;
    z.Normalize();
    TVector3D x = norm - z * (norm * z);
    x.Normalize();
    const TVector3D y = z | x;
    TMtr3D frame(x, y, z);
    frame.Move(TVector3D(O));
    TPoint2D R;
    if (!DirectPointProjection2(Origin, dir, frame, R)) return false;
    const TPoint3D Q = O + x * R.x + y * R.y;
    Real len2 = Direction * Direction;
    if (len2 <= ZeroDirectionSquare) len2 = 1.0;
    const Real t = ((Q - O) * Direction) / len2;
    return std::fabs(t) > DragThreshold;
}

bool THotPoint::AllowDiskrete2(const double& oldDis, double& par, const double& step)
{
    if (step <= 0) return true;
    if (std::fabs(oldDis - par) > DragThreshold * step) {
        const double q = par / step;
        par = static_cast<std::int32_t>(q > 0 ? q + 0.5 : q - 0.5) * step;
        return true;
    }
    par = oldDis;
    return false;
}

bool THotPoint::DirectPointProjection2(const TPoint3D& P, const TVector3D& V, const TMtr3D& into, TPoint2D& R)
{
    const TPoint3D v = RowTimes(V, into, false);
    const TPoint3D p = RowTimes(P, into, true);
    const Real largest = std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
    if (std::fabs(v.z) <= ParallelTolerance * largest) return false;
    const Real k = p.z / v.z;
    R = TPoint2D(p.x - k * v.x, p.y - k * v.y);
    return true;
}

// ---- THotPoints -------------------------------------------------------------------------------

tvapi::IExternalTessellationObjectPtr THotPoints::AddMarker()
{
    return Editor ? Editor->MeshDraw.Add(Mesh, TMeshID::otFace) : tvapi::IExternalTessellationObjectPtr();
}

bool THotPoints::Make(int, const TPoint3D& origin)
{
    THotPoint point;
    point.Origin = origin;
    point.Color = NormalColor.Color;
    Mesh.SetOrigin(origin);
    Mesh.CF = point;
    Mesh.DisableDepthTest = true;
    Mesh.NonScaleble = true;
    point.Obj = AddMarker();
    Add() = std::move(point);
    return true;
}

bool THotPoints::Make(const THotPointData& HPD)
{
    if (HPD.Count == 0) return false;
    THotPoint point;
    static_cast<THotPointData&>(point) = HPD;
    point.Color = NormalColor.Color;
    Mesh.SetOrigin(point.Origin);
    Mesh.CF.Color = point.Color;
    Mesh.DisableDepthTest = true;
    Mesh.NonScaleble = true;
    Mesh.NonPickable = true;
    point.Obj = AddMarker();
    Add() = std::move(point);
    return true;
}

void THotPoints::fromModelData(const THotPointsData& HPData)
{
    if (HPData.Count == 0) return;
    ReserveSize(Count + HPData.Count);
    for (const THotPointData& data : HPData)
        Make(data);
    if (Count > 0) SetActive(0);
}

void THotPoints::toModelData(THotPointsData& HPData) const
{
    const int n = std::min(Count, HPData.Count);
    for (int i = 0; i < n; ++i)
        HPData[i] = static_cast<const THotPointData&>(FArray[i]);
}

void THotPoints::SetActive(int iActive)
{
    if (!ValidIndex(iActive)) return;
    if (ValidIndex(Active)) {
        FArray[Active].Color = NormalColor.Color;
        FArray[Active].Update2();
    }
    Active = iActive;
    FArray[Active].Color = ActiveColor.Color;
    FArray[Active].Update2();
}

bool THotPoints::FindActive(const TPoint3D& origin, const TVector3D& dir, double scale)
{
    for (int i = 0; i < Count; ++i)
        if (FArray[i].Pick2(origin, dir, scale)) {
            SetActive(i);
            return true;
        }
    return false;
}

void THotPoints::RemoveAll()
{
    for (int i = Count - 1; i >= 0; --i) {
        const tvapi::IExternalTessellationObjectPtr& marker = FArray[i].Obj;
        if (!marker) continue;
        marker->SetVisible(false);
        const int id = marker->GetId();
        if (Editor) Editor->MeshDraw.Remove(id);
    }
    Clear();
}

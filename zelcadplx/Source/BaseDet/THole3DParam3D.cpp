// THole3DParam: the 3D hole - the half-section drawn in a sketch through the axis, turned
// through 360 degrees as a cut, threads on the threaded portions - as one 3D macro.
#include "THole3DParam.h"

#include <cmath>

#include "Dictionary.h"
#include "Dimension3D.h"
#include "Mathemat.h"
#include "Placement3D.h"
#include "TAVariable.h"
#include "THoleData.h"
#include "drModelerAPI.h"
#include "maTervan.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/ModelSearch.h"
#include "tvapi/Topology.h"

namespace {

constexpr double Negligible = 2e-6;          // a length this small counts as none
constexpr double ThreadSearch = 0.1;         // how far from its wall a threaded face is found
constexpr double AxisOverhang = 2.0;         // the parametric axis runs this far beyond the hole
constexpr double OnPlane = 1e-6;             // the start point lies on the sketch plane
constexpr double StartPointSearch = 10000.0; // the projected start point is the sketch's only object
constexpr int MainLine = 1, AxisLine = 3;

bool None(double v)
{
    return std::fabs(v) <= Negligible;
}

// Where the profile's origin lies in the open sketch and the angle (degrees) of its first
// axis, which runs along the model's -Z: as the sketch itself projects model points. False
// when there is no sketch or it cannot project; `off` tells that the start point lies off the
// sketch's plane, as far as the plane's frame tells.
bool ProfilePlacement(const TPoint3D& start, double& u, double& v, double& angle, bool& off)
{
    tvapi::ISketchPtr& sketch = drApi::MA.GetSketch();
    double u1 = 0.0, v1 = 0.0;
    if (!sketch || !sketch->PointIntoSketch(start.x, start.y, start.z, u, v) ||
        !sketch->PointIntoSketch(start.x, start.y, start.z - 1.0, u1, v1))
        return false;
    angle = std::atan2(v1 - v, u1 - u) * 180.0 / M_PI;
    TPlacement3D frame;
    off = false;
    if (drApi::GetPlacement3D(sketch, frame)) {
        const TVector3D d(frame.O, start);
        off = std::fabs(d.x * frame.AZ.x + d.y * frame.AZ.y + d.z * frame.AZ.z) > OnPlane;
    }
    return true;
}

} // namespace

void THole3DParam::dr3DHole(int Typ, const double& x, const double& y, const double& z, const double& ilF,
                            const double& ilL, const double& ilR, const double& iF1, const double& iL,
                            const double& iR, const double& iF2, const double& irL, const double& irR,
                            const double& irF)
{
    // 1. Texts of the transitions' radii when the bore or a transition is a program variable.
    const bool boundR = AVariable.GetVariable(iR) != nullptr;
    const TString startText = boundR || AVariable.GetVariable(iF1)
                                  ? AVariable.GetExp(&iR) + "+" + AVariable.GetExp(&iF1)
                                  : TString();
    const TString endText = boundR || AVariable.GetVariable(iF2)
                                ? AVariable.GetExp(&iR) + "+" + AVariable.GetExp(&iF2)
                                : TString();
    // 2. The radii of the profile at its ends: a step's, or the bore's with its transition.
    // The caller's own variable is passed on, unless it is one of this record's fields, which
    // step 3 overwrites.
    const auto own = [this](const double& v) {
        const char* p = reinterpret_cast<const char*>(&v);
        return p < reinterpret_cast<const char*>(this) || p >= reinterpret_cast<const char*>(this + 1);
    };
    const double left0 = ilR, right0 = irR;
    double leftValue = ilR, rightValue = irR;
    const double* left = own(ilR) ? &ilR : &left0;
    const double* right = own(irR) ? &irR : &right0;
    if (!None(iF1) && None(ilR) && None(ilL)) {
        leftValue = iR + iF1;
        left = startText.Length() > 0 ? AVariable.AddExp(leftValue, startText) : &leftValue;
    }
    if (!None(iF2) && None(irR) && None(irL)) {
        rightValue = iR + iF2;
        right = endText.Length() > 0 ? AVariable.AddExp(rightValue, endText) : &rightValue;
    }
    const double X = x, Y = y, Z = z; // the start point may lie in the record too
    // 3. The record takes the hole.
    Set(ilF, ilL, ilR, iF1, iL, iR, iF2, irL, irR, irF);
    // 4. No main bore, no hole.
    if (None(L) || !M2) return;
    const double r1 = *left, r2 = *right;
    drMacro3D(DC("Отверстие"), true);
    Place(X, Y, Z);
    Profile(r1, r2);
    drDeleteMtr();
    M2->drCutRotate(0, 360.0, nullptr);
    Threads(Typ, X, Y, Z, r1, r2);
    drEndMacro3D();
}

void THole3DParam::dr3DHole_(int Typ, const double& X, const double& Y, const double& Z, const double& alF,
                             const double& alL, const double& alR, const double& aF1, const double& aL,
                             const double& aR, const double& aF2, const double& arL, const double& arR,
                             const double& arF)
{
    dr3DHole(Typ, X, Y, Z, arF, arL, arR, aF2, aL, aR, aF1, alL, alR, alF);
}

void THole3DParam::Place(const double& x, const double& y, const double& z)
{
    const double len = lL + L + rL;
    drApi::TModelerApi* facade = dynamic_cast<drApi::TModelerApi*>(M2.Ptr);
    double u = -z, v = -y, angle = 0.0; // the profile's origin as a host with the YOZ sketch (-Z, -Y) has it
    if (facade && ADimension3D.IsParametric) {
        facade->drPoint3D(x, y, z, tvapi::tvAsteriskPoint, "", true);
        const tvapi::IModelObjectPtr p1 = facade->R3->Obj3D;
        facade->drPoint3D(x, y, z - (len + AxisOverhang), tvapi::tvAsteriskPoint, "", true);
        const tvapi::IModelObjectPtr p2 = facade->R3->Obj3D;
        drApi::drLine3D(p1, p2, "", false);
        if (const tvapi::ILineSegment3DPtr axis{facade->R3->Obj3D}) {
            if (const tvapi::IModelCurve3DPtr curve{axis}) curve->SetStyle(AxisLine);
            axis->Update();
        }
        if (!None(x)) {
            facade->drGenerativeDimensions(p1);
            ADimension3D.Add3D(x, y, p1, &x, &y, Quality);
        }
        facade->drPlaneParallelVertex(tvapi::o3d_planeYOZ, p1);
        facade->drCreateEskis(0.0, "");
        bool off = false;
        ProfilePlacement(TPoint3D(x, y, z), u, v, angle, off);
        // The start point taken into the sketch: the profile's first point is bound to it.
        tvapi::IDrawingObjectPtr start, none;
        if (const tvapi::ISketchPtr& sketch = facade->GetSketch()) sketch->AddProjection(p1);
        if (const tvapi::ITervanDocument2DPtr& doc = facade->GetDoc()) {
            const tvapi::IDrawingObjectPtr found =
                doc->FindObject(u, v, StartPointSearch, doc->GetFindObjectParameters());
            if (const tvapi::IPointPtr point{found};
                point && found->GetDrawingObjectType() == tvapi::tvDrPoint) {
                u = point->GetX();
                v = point->GetY();
                start = found;
            }
        }
        drMtr(u, v, angle, 1.0);
        facade->R2->Constraint2D.First.Set(u, v, start, 0, none, 0, false);
        return;
    }
    M2->drPlaneEskis(tvapi::o3d_planeYOZ, -x, 0.0, "");
    bool off = false;
    if (facade && ProfilePlacement(TPoint3D(x, y, z), u, v, angle, off) && off) {
        // This host's YOZ normal runs the other way: the plane through the axis lies at +x.
        M2->drPlaneEskis(tvapi::o3d_planeYOZ, x, 0.0, "");
        ProfilePlacement(TPoint3D(x, y, z), u, v, angle, off);
    }
    drMtr(u, v, angle, 1.0);
}

void THole3DParam::Profile(const double& r1, const double& r2)
{
    const double Len = lL + L + rL;
    double s = 0.0;
    if (lF != 0.0 && lL != 0.0 && r1 != 0.0) {
        drLine(0.0, 0.0, 0.0, r1 + lF, MainLine);
        drLine(0.0, r1 + lF, lF, r1, MainLine);
        s += lF;
    }
    if (lL != 0.0 && r1 != 0.0) {
        if (s == 0.0) drLine(0.0, 0.0, 0.0, r1, MainLine);
        drLine(s, r1, s + lL - lF, r1, MainLine);
    }
    s = s + lL - lF;
    if (s != 0.0) {
        drLine(s, r1, s + F1, R, MainLine);
    } else if (F1 != 0.0) {
        drLine(0.0, 0.0, 0.0, r1, MainLine);
        drLine(0.0, r1, F1, R, MainLine);
    } else {
        drLine(0.0, 0.0, 0.0, R, MainLine);
    }
    drLine(s + F1, R, s + L - F2, R, MainLine);
    s = s + L - F2;
    RightEnd(s, Len, r2);
    drLine(Len, 0.0, 0.0, 0.0, MainLine);
    drLine(0.0, 0.0, Len, 0.0, AxisLine);
}

void THole3DParam::RightEnd(double s, const double& Len, const double& r2)
{
    if (s == Len) {
        drLine(Len, R, Len, 0.0, MainLine);
        return;
    }
    drLine(s, R, s + F2, r2, MainLine);
    s += F2;
    if (s == Len) {
        drLine(s, r2, Len, 0.0, MainLine);
        return;
    }
    drLine(s, r2, s + rL - rF, r2, MainLine);
    s += rL - rF;
    if (s == Len) {
        drLine(s, r2, s, 0.0, MainLine);
        return;
    }
    drLine(s, r2, s + rF, r2 + rF, MainLine);
    drLine(s + rF, r2 + rF, Len, 0.0, MainLine);
}

void THole3DParam::Threads(int Typ, const double& x, const double& y, const double& z, const double& r1,
                           const double& r2)
{
    const tvapi::IFindObjects3DPtr finder(drApi::MA.GetPart());
    const tvapi::IFindObjectParameters3DPtr params =
        finder ? finder->GetFindObjectParameters() : tvapi::IFindObjectParameters3DPtr();
    if (!params || !(Typ & (LThreaded | CThreaded | RThreaded))) return;
    params->SetObjectType(tvapi::o3d_face);
    // On the wall of each threaded portion, halfway along it.
    const struct {
        int Bit;
        double X, Z;
    } portions[] = {{LThreaded, x + r1, z - 0.5 * lL},
                    {CThreaded, x + R, z - (lL + 0.5 * L)},
                    {RThreaded, x + r2, z - ((lL + L) + 0.5 * rL)}};
    for (const auto& p : portions) {
        if (!(Typ & p.Bit)) continue;
        for (const tvapi::IModelObjectPtr& face : finder->FindObjects(p.X, y, p.Z, ThreadSearch, params, 1))
            if (face && face->GetObjectType() == tvapi::o3d_face) drApi::MA.drThread(face);
    }
}

// TWiredSpring: its stream form and its part, built through the facade's helices and sweeps.
#include "TWiredSpring.h"

#include <cmath>

#include "Dictionary.h"
#include "Dimension3D.h"
#include "KmfData.h"
#include "Messager.h"
#include "Placement3D.h"
#include "TControlModel.h"
#include "drModelerAPI.h"
#include "maTervan.h"

namespace {

// The open sketch's coordinates of the model point p; the fallback (u, v) - where a host whose
// XOZ sketch runs (X, -Z) has it - when the facade gives no frame.
TPoint2D SketchPoint(drApi::TModelerApi& M, const TPoint3D& p, double u, double v)
{
    TPlacement3D f;
    if (!drApi::GetPlacement3D(M.GetSketch(), f)) return TPoint2D(u, v);
    const TVector3D d(f.O, p);
    return TPoint2D(d.x * f.AX.x + d.y * f.AX.y + d.z * f.AX.z, d.x * f.AY.x + d.y * f.AY.y + d.z * f.AY.z);
}

// A new sketch on XOZ holding the wire's section, of radius r, where a helix of diameter Dm
// starts at height z.
void SectionAt(drApi::TModelerApi& M, double Dm, double r, double z)
{
    M.drPlaneEskis(tvapi::o3d_planeXOZ, 0.0, 0.0, "");
    const TPoint2D c = SketchPoint(M, TPoint3D(Dm * 0.5, 0.0, z), Dm * 0.5, -z);
    M.drCircle(c.x, c.y, r, 1);
}

TString SpringName(const double& D, const double& d)
{
    return ::DC("Пружина") + "-" + TString(D, 2, true, 7) + "*" + TString(d, 2, true, 7);
}

// A helix of the current plane; the new helix, empty when none was made.
tvapi::IModelObjectPtr Helix(drApi::TModelerApi& M, const double& height, const double& turns,
                             const double& D)
{
    M.R3->Obj3D.Reset();
    M.drSpiral3D(tvapi::IPlane3DPtr(M.GetPlane()), height, turns, D);
    return M.R3->Obj3D;
}

} // namespace

TWiredSpring::TWiredSpring(int iId, TModeler3D* M) : TDetail(iId, M, nullptr, 0, nullptr) {}

void TWiredSpring::operator=(const TWiredSpring& D)
{
    Radius = D.Radius;
    WireRadius = D.WireRadius;
    Height = D.Height;
}

void TWiredSpring::dr3D(const Integer) const
{
    TControlModel* model = drApi::LibraryControlModel;
    if (!Design || !model || !model->ExistDetail(Id) || !M2) return;
    model->SetCurrent(*M2, Id, 0);
    const TString FName = model->sfDetail3D(Id, 0);
    dr3D_Spring(*M2, FName, 2.0 * Radius, WireRadius, Height, WorkingTurns);
}

void TWiredSpring::toStream(TKmfData& stream) const
{
    stream.WriteByte(Design ? 1 : 0);
    stream.Write(Code);
    stream.Write(Radius);
    stream.Write(WireRadius);
    stream.Write(Height);
}

void TWiredSpring::fromStream(TKmfData& stream)
{
    if (stream.ErrorReadFromFileToBufer) return;
    const bool withDesign = stream.Version() >= DesignVersion;
    bool design = Design;
    int code = Code;
    if (withDesign) {
        design = stream.ReadBoolean();
        code = stream.ReadInteger();
    }
    const double radius = stream.ReadReal(), wire = stream.ReadReal(), height = stream.ReadReal();
    if (stream.ErrorReadFromFileToBufer) return; // cut short: the spring stays as it was
    Design = design;
    Code = code;
    Radius = radius;
    WireRadius = wire;
    Height = height;
}

namespace {

// The size of a spring that leaves no solid, named; null when the sizes make one. Its coils
// touch at its solid height, every turn and both end turns one wire apart, and its helix needs
// room for the wire about the axis.
const char* SpringRefusal(const double& D, const double& d, const double& H, const double& C, double& Value)
{
    if (!(d > 0) || !std::isfinite(d)) return Value = d, "диаметр проволоки";
    if (!(D > 2 * d) || !std::isfinite(D)) return Value = D, "диаметр";
    if (!(H >= (C + 2 * TWiredSpring::EndTurns) * d) || !std::isfinite(H)) return Value = H, "длина";
    return nullptr;
}

} // namespace

bool TWiredSpring::dr3D_Spring(TModeler3D& Md, const TString& FName, const double& D, const double& d,
                               const double& H, const double& C)
{
    auto* facade = dynamic_cast<drApi::TModelerApi*>(&Md);
    if (!facade) return false; // helices, planes and sweeps are the facade's own
    double value = 0;
    if (const char* what = SpringRefusal(D, d, H, C, value)) {
        Messager.LiftBox(::DC("Деталь не построена") + ": " + ::DC(what) + " " + TString(value, 2, true, 0),
                         TMessager::toApi);
        return false;
    }
    drApi::TModelerApi& M = *facade;
    const double r = d * 0.5, Dm = D - d;
    if (!M.drCreate3D(true, true, FName, SpringName(D, d), ::DC("Пружина"))) return false;
    ADimension3D.IsParametric = false;
    M.drPlaneEskis(tvapi::o3d_planeXOY, r, 0.0, "");
    const tvapi::IModelObjectPtr main = Helix(M, H - d, C, Dm);
    const tvapi::IModelObjectPtr lower = Helix(M, -r, EndTurns, Dm); // down from the same plane
    M.drPlane(tvapi::o3d_planeXOY, H - r);
    const tvapi::IModelObjectPtr upper = Helix(M, r, EndTurns, Dm);
    // The end turns are swept and ground flat first and the working turns join them last: the
    // cut meets the end turns only, and working turns that do not reach them (a spring far too
    // long for its turns) leave more than one body, which the save refuses.
    SectionAt(M, Dm, r, r);
    M.drEvolution(lower, true, tvapi::tvOperationUnion);
    SectionAt(M, Dm, r, H - r);
    M.drEvolution(upper, true, tvapi::tvOperationNewBody);
    // The bands beyond both ends, D - r deep, cut through both end turns: flat ends at 0 and H.
    M.drPlaneEskis(tvapi::o3d_planeXOZ, D, 0.0, "");
    const TPoint2D a1 = SketchPoint(M, TPoint3D(D, 0.0, H), D, -H);
    const TPoint2D b1 = SketchPoint(M, TPoint3D(-D, 0.0, H + D - r), -D, r - H - D);
    M.drRectAngle(a1.x, a1.y, b1.x, b1.y, 1);
    const TPoint2D a2 = SketchPoint(M, TPoint3D(D, 0.0, 0.0), D, 0.0);
    const TPoint2D b2 = SketchPoint(M, TPoint3D(-D, 0.0, r - D), -D, D - r);
    M.drRectAngle(a2.x, a2.y, b2.x, b2.y, 1);
    // The plane lies beyond the coils on the side XOZ's sketches extrude away from: the bands
    // are cut along the normal, through the spring (against it they would cut nothing).
    M.drCutExtrusion(tvapi::dtNormal, tvapi::etBlind, 2.0 * D, 0.0);
    // The working turns from the lower end turn's section: one body with both end turns.
    SectionAt(M, Dm, r, r);
    M.drEvolution(main, true, tvapi::tvOperationUnion);
    M.drExpect3D(1, SpringName(D, d) + " L" + TString(H, 2, true, 0));
    M.drSave3D(true, false);
    if (M.drRefused3D()) return false;
    M.drSet(SpringName(D, d), "", "", 25);
    return true;
}

// The assembly panel's pool: every linear dimension of the assembly's parts, at every depth, as
// a link between two numbered planes in assembly coordinates.

#include "pmDimensionChain3D.h"

#include <algorithm>

#include "DeviationText.h"
#include "FacadeChainHost.h"
#include "Messager.h"
#include "drModelerAPI.h"
#include "maTervan.h"
#include "tvapi/Dimensions.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/Symbols3D.h"
#include "tvapi/Topology.h"

namespace {

TPoint3D InFrame(const TPlacement3D& F, const TPoint3D& P)
{
    TPoint3D out = F.O;
    out.Move(F.AX, P.x);
    out.Move(F.AY, P.y);
    out.Move(F.AZ, P.z);
    return out;
}

// The frame of Component in its parent, carried into the frame Parent of that parent.
TPlacement3D ComponentFrame(const TPlacement3D& Parent, const tvapi::IPartPtr& Component)
{
    const tvapi::IPlacement3DPtr placement = Component->GetPlacement();
    if (!placement) return Parent;
    TPoint3D o;
    TVector3D ax, ay;
    placement->GetOrigin(o.x, o.y, o.z);
    placement->GetAxis(tvapi::o3d_axisOX, ax.x, ax.y, ax.z);
    placement->GetAxis(tvapi::o3d_axisOY, ay.x, ay.y, ay.z);
    TPoint3D px = o, py = o;
    px.Move(ax, 1.0);
    py.Move(ay, 1.0);
    return TPlacement3D(InFrame(Parent, o), InFrame(Parent, px), InFrame(Parent, py));
}

Real DeviationOf(const tvapi::ITextPtr& Text)
{
    return Text ? DeviationValue(Text->GetStr(), false) : 0.0;
}

} // namespace

void ReadDimensionTexts(TDimension& L, const tvapi::IDimensionTextPtr& Text)
{
    if (!Text) return;
    L.Nominal = Text->GetNominalValue();
    L.QLow = DeviationOf(Text->GetLowerDeviation());
    L.QHigh = DeviationOf(Text->GetUpperDeviation());
}

void TpmDimensionChain3D::ToAssembly(TPoint3D& P) const
{
    P = InFrame(FFrame, P);
}

void TpmDimensionChain3D::GetAllDimensions()
{
    const tvapi::IPartPtr top = drApi::MA.R3->Part;
    if (!(Assembly == top)) Assembly = top;
    if (top) GetPartDimensions(top, TPlacement3D());
}

void TpmDimensionChain3D::GetPartDimensions(const tvapi::IPartPtr& Part, const TPlacement3D& InAssembly)
{
    FFrame = InAssembly;
    GetOnePartDimensions(Part);
    if (!Part) return;
    const tvapi::IPartsPtr parts = Part->GetParts();
    for (int i = 0; parts && i < parts->GetCount(); ++i) {
        const tvapi::IPartPtr component = parts->GetItem(i);
        if (component) GetPartDimensions(component, ComponentFrame(InAssembly, component));
    }
}

void TpmDimensionChain3D::GetOnePartDimensions(const tvapi::IPartPtr& Part)
{
    if (!Part) return;
    if (!(CurrentPart == Part)) CurrentPart = Part;
    try {
        const TString name(Part->GetName().c_str());
        const tvapi::ISymbols3DContainerPtr symbols(Part);
        const tvapi::ILineDimensions3DPtr dimensions = symbols ? symbols->GetLineDimensions3D() : nullptr;
        const int count = dimensions ? dimensions->GetCount() : 0;
        // Room for the part's links at once, at least doubling: a large assembly then gathers
        // in time linear in its dimensions, not in their square over the array's fixed step.
        TArrayOf<TDimension>& pool = AllDimension3D.Dimensions;
        if (pool.Count + count > pool.Size()) pool.SetSize(std::max(pool.Count + count, 2 * pool.Size()));
        for (int i = 0; i < count; ++i) {
            const tvapi::IBaseLineDimension3DPtr dimension = dimensions->GetItem(i);
            if (!dimension) continue;
            if (const tvapi::ILineDimension3DPtr line(dimension); line) {
                AddLineDimension(AllDimension3D, line, name);
                continue;
            }
            switch (dimension->GetObjectType()) {
            case tvapi::o3d_OperationLinearDimension:
                AddOperationLinearDimension(AllDimension3D, dimension, symbols, name);
                break;
            case tvapi::o3d_SketchLinearDimension:
                AddSketchLinearDimension(AllDimension3D, dimension, symbols, name);
                break;
            default: // angular, radial and diametral dimensions make no links
                break;
            }
        }
    } catch (...) {
        Messager.LiftBox(TString("Ошибка полученя размеров"), TMessager::toAlways);
    }
}

void TpmDimensionChain3D::AddLineDimension(TDimensionChain& D0, const tvapi::ILineDimension3DPtr& LDI,
                                           const TString& PartName)
{
    if (!LDI) return;
    const tvapi::tvObj3dTypeEnum type = LDI->GetObjectType();
    FacadeChainHost().SelectModel(tvapi::IModelObjectPtr(LDI));
    const tvapi::IDimensionTextPtr text(LDI);
    const tvapi::IModelObjectPtr first = LDI->GetObject1(), second = LDI->GetObject2();
    // In the pool from here on; without its planes (-1) it never joins a path.
    TDimension& L = D0.Dimensions.Add();
    L = NewAssemblyLink(type);
    GetPlacement3D(first, L.PL1);
    GetPlacement3D(second, L.PL2);
    ReadDimensionTexts(L, text);
    L.MO = tvapi::IModelObjectPtr(LDI);
    Planes.Measure(L, PartName);
}

void TpmDimensionChain3D::GetPlacement3D(const tvapi::IModelObjectPtr& O, TPlacement3D& Result)
{
    if (!O || O->GetObjectType() != tvapi::o3d_face) return;
    const tvapi::IFacePtr face(O);
    tvapi::IMathSurface3DPtr surface = face ? face->GetSurface() : nullptr;
    if (!surface || !surface->IsPlanar()) return;
    TPlacement3D plane;
    if (!drApi::GetPlacement3D(surface, plane)) {
        Messager.LiftBox(TString("Не смог получить IPlane3DPtr с IMathSurface3DPtr->IsPlaner()"),
                         TMessager::toAlways);
        return;
    }
    TPoint3D o = plane.O, px = plane.O, py = plane.O;
    px.Move(plane.AX, 1.0);
    py.Move(plane.AY, 1.0);
    ToAssembly(o);
    ToAssembly(px);
    ToAssembly(py);
    Result.Set(o, px, py);
}

// A stored link's fields checked against what they can be, and those that are not read again
// from the link's objects.

#include "StoredFields.h"

#include "ChainGrid.h"
#include "ChainHost.h"
#include "Dictionary.h"
#include "Messager.h"
#include "TDimensionChains.h"
#include "drModelerAPI.h"
#include "tvapi/Application.h"
#include "tvapi/Documents.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <vector>

namespace {

bool Finite(std::initializer_list<Real> Figures)
{
    for (const Real v : Figures)
        if (!std::isfinite(v)) return false;
    return true;
}

bool Finite(const TPoint3D& P)
{
    return Finite({P.x, P.y, P.z});
}

bool IsLinkKind(tvapi::DrawingObjectTypeEnum Kind)
{
    return Kind == tvapi::tvDrLDimension || Kind == tvapi::tvDrADimension || Kind == tvapi::tvDrDDimension ||
           Kind == tvapi::tvDrRDimension;
}

// The angular figures a drawing link reads from an angular dimension (its own, or one bound to
// it); the other links' are typed by the user, but for the angle's nominal, which none has.
bool AngleBound(const TDimension& L)
{
    return L.Type == tvapi::tvDrADimension || static_cast<bool>(L.BoundAngle());
}

// One group of fields: whether it is what it can be, and how it is taken from a link read again.
struct TFieldGroup {
    bool (*Holds)(const TDimension& L, bool Drawing);
    void (*Take)(TDimension& L, const TDimension& Again);
};

const TFieldGroup Groups[] = {
    {[](const TDimension& L, bool) { return Finite({L.Nominal}); },
     [](TDimension& L, const TDimension& A) { L.Nominal = A.Nominal; }},
    {[](const TDimension& L, bool Drawing) {
         return Finite({L.ANominal}) && (!Drawing || !AngleBound(L) || Finite({L.AQLow, L.AQHigh}));
     },
     [](TDimension& L, const TDimension& A) {
         if (AngleBound(L))
             static_cast<TDimensionAngularTolerances&>(L) = A;
         else
             L.ANominal = A.ANominal;
     }},
    {[](const TDimension& L, bool) {
         return Finite({L.V2.x, L.V2.y, L.P1.x, L.P1.y, L.P2.x, L.P2.y});
     },
     [](TDimension& L, const TDimension& A) {
         L.V2 = A.V2;
         L.P1 = A.P1;
         L.P2 = A.P2;
     }},
    {[](const TDimension& L, bool) { return Finite(L.V3); },
     [](TDimension& L, const TDimension& A) { L.V3 = A.V3; }},
    {[](const TDimension& L, bool) { return IsUnitPlane(L.PL1); },
     [](TDimension& L, const TDimension& A) { L.PL1 = A.PL1; }},
    {[](const TDimension& L, bool) { return IsUnitPlane(L.PL2); },
     [](TDimension& L, const TDimension& A) { L.PL2 = A.PL2; }},
    // A model link is never projected: its direction is the user's alone.
    {[](const TDimension& L, bool Drawing) {
         return !Drawing || Finite({L.VTransformation.x, L.VTransformation.y});
     },
     [](TDimension& L, const TDimension& A) {
         L.VTransformation = A.VTransformation;
         L.Projection = A.Projection;
     }},
};

bool DeviationsHold(const TDimension& L)
{
    return Finite({L.QLow, L.QHigh});
}

bool KindsHold(const TDimension& L, TChainHost& Host, bool Drawing)
{
    if (!Drawing)
        return IsModelKind(L.TMO) && L.Type == tvapi::tvAllObj && L.TypeAuxiliary == tvapi::tvAllObj;
    if (L.TMO != 0) return false;
    if (L.Obj ? L.Type != Host.GetType(L.Obj) : L.PearentObj && L.Type != tvapi::tvDrLDimension) return false;
    return !L.AuxObj || L.TypeAuxiliary == Host.GetType(L.AuxObj);
}

// The figures the user gives, as the grid takes them: within its range. A link bound to no
// angle has its angular deviations from the user alone. No number passes here, for the chain's
// check to show it open.
bool TypedHold(const TDimension& L)
{
    const auto held = [](std::initializer_list<Real> Figures) {
        return std::none_of(Figures.begin(), Figures.end(), ChainGrid::BeyondCellBound);
    };
    return held({L.EQLow, L.EQHigh, L.dLdT, L.dT}) && (AngleBound(L) || held({L.AQLow, L.AQHigh}));
}

// The factor a diameter or radius conversion applied: 2 from a radius, 1/2 from a diameter; 0
// for a link no conversion scales.
Real ConversionFactor(const TDimension& L)
{
    if (!L.Transformation) return 0.0;
    if (L.Type == tvapi::tvDrRDimension) return 2.0;
    return L.Type == tvapi::tvDrDDimension ? 0.5 : 0.0;
}

// A finite conversion factor no conversion of the link gives, taken from its kind and flag;
// false when it was one (a set of an older version may hold 0 for a converted link, or the
// factor of a conversion taken back).
bool TakeConversion(TDimension& L)
{
    const Real k = L.KTransformation, f = ConversionFactor(L);
    const bool held = f != 0.0 ? (k == 0.0 || k == f) : (k == 0.0 || k == 0.5 || k == 2.0);
    if (held || !std::isfinite(k)) return false;
    L.KTransformation = f;
    return true;
}

bool Holds(const TDimension& L, TChainHost& Host, bool Drawing, bool Deviations)
{
    if (!KindsHold(L, Host, Drawing) || (Deviations && !DeviationsHold(L))) return false;
    for (const TFieldGroup& g : Groups)
        if (!g.Holds(L, Drawing)) return false;
    return true;
}

} // namespace

bool IsDrawingLink(const TDimension& L)
{
    return L.refObject != 0 || L.refPearent != 0;
}

bool IsModelKind(tvapi::tvObj3dTypeEnum Kind)
{
    return Kind == tvapi::o3d_baselineDimension3D || Kind == tvapi::o3d_lineDimension3D ||
           Kind == tvapi::o3d_OperationLinearDimension || Kind == tvapi::o3d_SketchLinearDimension;
}

bool IsUnitPlane(const TPlacement3D& P)
{
    constexpr Real eps = TMathDef::paramPrecision;
    if (!Finite(P.O) || !Finite(P.AX) || !Finite(P.AY) || !Finite(P.AZ)) return false;
    const auto unit = [](const TVector3D& V) { return std::fabs(V.Len() - 1.0) <= eps; };
    if (!unit(P.AX) || !unit(P.AY) || !unit(P.AZ)) return false;
    const TVector3D z = P.AX | P.AY;
    return std::fabs(z.x - P.AZ.x) <= eps && std::fabs(z.y - P.AZ.y) <= eps && std::fabs(z.z - P.AZ.z) <= eps;
}

void TakeDrawingKinds(TDimension& L, TChainHost& Host)
{
    L.TMO = static_cast<tvapi::tvObj3dTypeEnum>(0);
    if (L.Obj) {
        const tvapi::DrawingObjectTypeEnum kind = Host.GetType(L.Obj);
        if (IsLinkKind(kind)) L.Type = kind;
    } else if (L.PearentObj) {
        L.Type = tvapi::tvDrLDimension;
    }
    if (L.AuxObj) L.TypeAuxiliary = Host.GetType(L.AuxObj);
}

TStoredFields ReadStoredFields(TDimension& L, TChainHost& Host, bool Deviations)
{
    if (!TypedHold(L)) return TStoredFields::Damaged; // only the user gives them
    const bool drawing = IsDrawingLink(L);
    // Before anything is read again: the link's figures are derived through the conversion.
    const bool converted = TakeConversion(L);
    if (Holds(L, Host, drawing, Deviations)) return converted ? TStoredFields::Read : TStoredFields::Held;
    TDimension again(L);
    if (drawing) TakeDrawingKinds(again, Host);
    if (!Host.GiveAgain(again)) return TStoredFields::Damaged;
    // Only what failed is taken: a finite figure that differs from its object is a change, told
    // by the opening's follow.
    if (!KindsHold(L, Host, drawing)) {
        L.Type = again.Type;
        L.TypeAuxiliary = again.TypeAuxiliary;
        L.TMO = again.TMO;
    }
    if (Deviations && !DeviationsHold(L)) {
        L.QLow = again.QLow;
        L.QHigh = again.QHigh;
    }
    for (const TFieldGroup& g : Groups)
        if (!g.Holds(L, drawing)) g.Take(L, again);
    return TStoredFields::Read;
}

bool TDimensionChains::ReadStored(const std::vector<Byte>& Bytes, TChainHost& Objects)
{
    if (!from(Bytes)) return false;
    // A drawing link has no model kind: one read as having it would make the set a model set.
    for (TDimensionChain& chain : DimChains)
        for (TDimension& link : chain.Dimensions)
            if (IsDrawingLink(link)) link.TMO = static_cast<tvapi::tvObj3dTypeEnum>(0);
    tvapi::IApplication* app = drApi::MA.Application();
    tvapi::ITervanDocumentPtr doc = app ? app->GetActiveDocument() : tvapi::ITervanDocumentPtr();
    if (Is3D()) {
        // The list is all that binds model links to their dimensions (no marks): one that does
        // not serve every link cannot be given again.
        std::vector<tvapi::ITervanAPIObjectPtr> list;
        std::size_t links = 0;
        for (const TDimensionChain& chain : DimChains)
            links += static_cast<std::size_t>(std::max(chain.Count(), 0));
        if (!drApi::MA.drGetUserData(doc, NameUserDataMO, list, {}) || list.size() != links) return false;
        if (MOfrom(list) > 0) {
            Messager.LiftBox(DC(TString("Сборка изменилась! Отсутствуют элементы размерной цепи")),
                             TMessager::toAlways);
            DropUnbound();
        }
    } else {
        // The marks are found by the set's own type alone; another type's, or none, binds nothing.
        if (Links([](const TDimension& l) {
                return l.refObject != 0 || l.refAuxiliaryObj != 0 || l.refPearent != 0;
            }) &&
            !drApi::MA.drIsAttrStr(AttrType))
            return false;
        RestoreReferenceByAttr();
    }
    if (!ReadLinkFields(Objects)) return false;
    ReadCheckFigures();
    return true;
}

bool TDimensionChains::ReadLinkFields(TChainHost& Objects)
{
    for (TDimensionChain& chain : DimChains)
        for (Integer i = 0; i < chain.Count(); ++i) {
            TDimension& link = chain.Dimensions[i];
            // A closed chain's figures are its closing link's: an assembly's are kept in the
            // chain alone, a drawing's its dimension shows.
            const bool own =
                !(chain.Closed && !chain.Checked && i == chain.Count() - 1 && !IsDrawingLink(link));
            if (ReadStoredFields(link, Objects, own) == TStoredFields::Damaged) return false;
        }
    return true;
}

void TDimensionChains::ReadCheckFigures()
{
    const auto shown = [](Real v) { return std::fabs(v) <= ChainGrid::MaxCellValue; };
    for (TDimensionChain& chain : DimChains) {
        if (!chain.CheckFigures || (shown(chain.CheckFigures->QHigh) && shown(chain.CheckFigures->QLow)))
            continue;
        // The links give them again: the check calculated once more, as the follow does.
        const std::optional<TChainResult> loop =
            chain.Closed && chain.Count() >= 2 ? chain.Calculate(true) : std::nullopt;
        if (loop && loop->Finite())
            chain.CheckFigures = TCheckFigures{loop->QHigh, loop->QLow};
        else
            chain.DropCheckFigures();
    }
}

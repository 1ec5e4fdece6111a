// ==== drApi::TADetailPart (drDetailPart.h) =======================================================
// The inserted parts and their mates to the assembly's origin planes.

#include "drDetailPart.h"

#include <cmath>

#include "LoadOrder.h"
#include "TAVariable.h"
#include "tvapi/AuxiliaryGeometry.h"

namespace drApi {

[[gnu::init_priority(loadorder::DetailParts)]] TADetailPart ADP;

namespace {

// An axis component within this of 1 (or of 0) counts as 1 (or 0).
constexpr Real AxisTolerance = 1e-5;

// Where an axis points, told apart within AxisTolerance.
enum class TAlong { Plus, Minus, Other };

bool Near(Real a, Real b)
{
    return std::abs(a - b) <= AxisTolerance;
}

// Along +-e, the unit vector of the base axis `axis` (0 x, 1 y).
TAlong Along(const TVector3D& v, int axis)
{
    const Real c[3] = {v.x, v.y, v.z};
    for (int i = 0; i < 3; ++i)
        if (i != axis && !Near(c[i], 0)) return TAlong::Other;
    if (Near(c[axis], 1)) return TAlong::Plus;
    if (Near(c[axis], -1)) return TAlong::Minus;
    return TAlong::Other;
}

tvapi::IModelObjectPtr DefaultOf(const tvapi::IPartPtr& Part, tvapi::tvObj3dTypeEnum T)
{
    const tvapi::IAuxiliaryGeomContainerPtr container(Part);
    return container ? container->GetDefaultObject(T) : tvapi::IModelObjectPtr();
}

// The value at the variable's cell: a detail's own real, or a formula entry's value.
Real ValueOf(const TIdVariable& V)
{
    return V.PDataReal ? *V.PDataReal : V.Value;
}

// The top part's planes the mates tie to.
struct TOriginPlanes {
    tvapi::IModelObjectPtr XOZ;
    tvapi::IModelObjectPtr YOZ;
};

// A coincidence (or, with a variable, a distance) of the entry's plane T with the top's
// plane, when the axis points along +-e.
void MatePlane(const TDetailPart& Entry, const tvapi::IModelObjectPtr& Top, tvapi::tvObj3dTypeEnum T,
               TAlong Axis, const TIdVariable* V, const TString& Expression)
{
    if (Axis == TAlong::Other) return;
    const tvapi::IModelObjectPtr own = DefaultOf(Entry.Part, T);
    if (!own) return;
    const Integer direction = Axis == TAlong::Plus ? 1 : -1;
    if (V)
        drMate(tvapi::mc_Distance, Top, own, direction, 0, ValueOf(*V), Expression);
    else
        drMate(tvapi::mc_Coincidence, Top, own, direction, 0, 0.0, TString());
}

} // namespace

void TDetailPart::SetPosition(const Real& x, const Real& y, const Real& z, const TVector3D& iAX,
                              const TVector3D& iAY)
{
    Origin.Set(x, y, z);
    VX = AVariable.GetVariable(&x);
    VY = AVariable.GetVariable(&y);
    VZ = AVariable.GetVariable(&z);
    AX = iAX;
    AY = iAY;
}

TDetailPart& TADetailPart::Add(const tvapi::IPartPtr& Part, Integer Det, Integer Suffics)
{
    std::uint32_t copies = 0;
    for (const TDetailPart& e : *this)
        if (e.Detail == Det && e.Suffics == static_cast<std::uint32_t>(Suffics)) ++copies;
    TDetailPart& entry = TArrayOf<TDetailPart>::Add();
    entry = TDetailPart();
    entry.Part = Part;
    entry.Detail = Det;
    entry.Suffics = static_cast<std::uint32_t>(Suffics);
    entry.Copy = copies;
    return entry;
}

tvapi::IPartPtr TADetailPart::PfA(Integer Detail, Integer Suffics, Integer Copy) const
{
    for (const TDetailPart& e : *this)
        if (e.Detail == Detail && e.Suffics == static_cast<std::uint32_t>(Suffics) &&
            e.Copy == static_cast<std::uint32_t>(Copy))
            return e.Part;
    return {};
}

tvapi::IModelObjectPtr TADetailPart::DE(Integer Detail, Integer Suffics, Integer Copy,
                                        tvapi::tvObj3dTypeEnum Kind) const
{
    const tvapi::IPartPtr part = PfA(Detail, Suffics, Copy);
    return part ? DefaultOf(part, Kind) : tvapi::IModelObjectPtr();
}

void TADetailPart::drAllMates() const
{
    const tvapi::ITervanDocument3DPtr document = MA.R3->IDoc3D;
    const tvapi::IPartPtr top = document ? document->GetTopPart() : tvapi::IPartPtr();
    const TOriginPlanes planes{DefaultOf(top, tvapi::o3d_planeXOZ), DefaultOf(top, tvapi::o3d_planeYOZ)};
    if (!planes.XOZ || !planes.YOZ) return;
    for (const TDetailPart& e : *this) {
        if (!e.Part || !e.ActiveMate || e.Origin.x != 0 || e.Origin.y != 0) continue;
        MatePlane(e, planes.YOZ, tvapi::o3d_planeYOZ, Along(e.AX, 0), nullptr, TString());
        MatePlane(e, planes.XOZ, tvapi::o3d_planeXOZ, Along(e.AY, 1), nullptr, TString());
    }
    for (const TDetailPart& e : *this) {
        if (!e.Part || !e.ActiveMate) continue;
        if (e.VX)
            MatePlane(e, planes.YOZ, tvapi::o3d_planeYOZ, Along(e.AX, 0), e.VX,
                      TString("-(") + e.VX->Comment + TString(")"));
        if (e.VY) MatePlane(e, planes.XOZ, tvapi::o3d_planeXOZ, Along(e.AY, 1), e.VY, e.VY->Comment);
    }
}

Boolean drMate(tvapi::MateConstraintType MT, tvapi::IModelObjectPtr O1, tvapi::IModelObjectPtr O2,
               Integer Direction, Integer Fixed, const Real& V, const TString& iExpresion)
{
    return MA.drMate(MT, std::move(O1), std::move(O2), Direction, Fixed, V, iExpresion);
}

} // namespace drApi

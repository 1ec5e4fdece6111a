// The mates of an inserted model: its mate axis and plane, the template part's partners, the
// mates of the running process and those of the new component in the assembly.
#include "pmInsertModel.h"

#include "drModelerAPI.h"
#include "tvapi/AuxiliaryGeometry.h"

namespace {

constexpr Integer FixedOff = 0;
constexpr Integer FixedOn = 1;
constexpr Real NoValue = 0.0;

tvapi::IModelObjectPtr DefaultObject(const tvapi::IPartPtr& Part, tvapi::tvObj3dTypeEnum Kind)
{
    const tvapi::IAuxiliaryGeomContainerPtr container(Part);
    return container ? container->GetDefaultObject(Kind) : tvapi::IModelObjectPtr();
}

} // namespace

void TpmInsertModel::GetMateConstraintBaseEntity(tvapi::IPartPtr& Part)
{
    if (!Part) return;
    bool byBaseAxis = false;
    Axes = drApi::MA.FindEntity(Part, tvapi::o3d_unknown, "MateAxes");
    if (!Axes) {
        Axes = drApi::MA.FindEntity(Part, tvapi::o3d_unknown, "Ось базирования 1");
        byBaseAxis = static_cast<bool>(Axes);
    }
    if (!Axes) Axes = DefaultObject(Part, tvapi::o3d_axisOZ);
    Plane = drApi::MA.FindEntity(Part, tvapi::o3d_unknown, "MatePlane");
    if (!Plane) Plane = DefaultObject(Part, byBaseAxis ? tvapi::o3d_planeXOZ : tvapi::o3d_planeXOY);
}

// The template part is a component of the active assembly: its mates are the assembly's.
void TpmInsertModel::GetMateConstraint(tvapi::IPartPtr& Part)
{
    const tvapi::ITervanDocument3DPtr doc =
        drApi::MA.R3.Exist() ? drApi::MA.R3->IDoc3D : tvapi::ITervanDocument3DPtr();
    tvapi::IMateConstraints3DPtr mates = doc ? doc->GetMateConstraints() : tvapi::IMateConstraints3DPtr();
    GetMateConstraintBaseEntity(Part);
    Direction = tvapi::tvMCAlignmentCooriented;
    SelPlane = drApi::MA.FindMate(mates, tvapi::mc_Coincidence, Plane);
    SelPoint = drApi::MA.FindMate(mates, tvapi::mc_Coincidence, Axes);
    SelAxes = drApi::MA.FindMate(mates, tvapi::mc_Concentric, Axes);
}

Boolean TpmInsertModel::SetStartMateConstraint()
{
    MC = Process3D ? Process3D->GetMateConstraints() : tvapi::IMateConstraints3DPtr();
    if (SelPlane) AddProcessMate(tvapi::mc_Coincidence, Plane, SelPlane, FixedOn);
    if (SelAxes) AddProcessMate(tvapi::mc_Concentric, Axes, SelAxes, FixedOn);
    SetMateObjects(SelPlane, SelAxes, {});
    if (Process3D) Process3D->UpdateProcess();
    return true;
}

void TpmInsertModel::SetMateConstraint()
{
    tvapi::IPartPtr part = drApi::MA.GetPart();
    GetMateConstraintBaseEntity(part);
    if (SelPlane)
        drApi::MA.drMate(tvapi::mc_Coincidence, SelPlane, Plane, Direction, FixedOn, NoValue, TString());
    if (SelPoint)
        drApi::MA.drMate(tvapi::mc_Coincidence, SelPoint, Axes, Direction, FixedOn, NoValue, TString());
    if (SelAxes)
        drApi::MA.drMate(tvapi::mc_Concentric, SelAxes, Axes, tvapi::tvMCAlignmentClosest, FixedOn, NoValue,
                         TString());
    if (const tvapi::IModelObjectPtr component{part}) component->Update();
}

void TpmInsertModel::AddProcessMate(tvapi::MateConstraintType MT, const tvapi::IModelObjectPtr& O1,
                                    const tvapi::IModelObjectPtr& O2, Integer Fixed)
{
    if (!MC) return;
    tvapi::IMateConstraint3DPtr mate = MC->AddMateConstraint(MT);
    if (mate) drApi::MA.drSetMate(mate, O1, O2, Direction, Fixed, NoValue);
}

void TpmInsertModel::SetMateObjects(const tvapi::IModelObjectPtr& plane, const tvapi::IModelObjectPtr& axis,
                                    const tvapi::IModelObjectPtr& point)
{
    if (Process3D) Process3D->SetMateObjects({plane, axis, point});
}

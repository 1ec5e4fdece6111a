// ==== drApi::TModelerApi (drModelerAPI.h), part: assemblies =====================================
// The facade's assemblies: placing the current part, mates, and parts inserted from files.

#include "drModelerAPI.h"

#include <string>

#include "TAVariable.h"
#include "TControlModel.h"
#include "TFileName.h"
#include "tvapi/Part.h"

namespace drApi {

namespace {

// The variable of a mate that its expression binds.
constexpr wchar_t MateVariable[] = L"Расстояние";

} // namespace

void TModelerApi::drPartSetPlacement(const Real& x, const Real& y, const Real& z)
{
    drPartSetPlacement(x, y, z, TVector3D(1, 0, 0), TVector3D(0, 1, 0));
}

void TModelerApi::drPartSetPlacement(const Real& x, const Real& y, const Real& z, const TVector3D& aX,
                                     const TVector3D& aY)
{
    const tvapi::IPartPtr part = R3->Part;
    if (!part) return;
    const tvapi::IPlacement3DPtr place = part->GetPlacement();
    if (!place) return;
    place->SetOrigin(x, y, z);
    place->SetAxis(tvapi::o3d_axisOX, aX.x, aX.y, aX.z);
    place->SetAxis(tvapi::o3d_axisOY, aY.x, aY.y, aY.z);
    part->UpdatePlacement(true);
    if (const tvapi::IModelObjectPtr object = tvapi::IModelObjectPtr(part)) object->Update();
}

void TModelerApi::drPartSetPlacement(tvapi::IPlacement3DPtr& Place)
{
    const tvapi::IPartPtr part = R3->Part;
    if (!Place || !part) return;
    const tvapi::IPlacement3DPtr own = part->GetPlacement();
    if (!own) return;
    own->SetMatrix3D(Place->GetMatrix3D());
    part->UpdatePlacement(true);
    if (const tvapi::IModelObjectPtr object = tvapi::IModelObjectPtr(part)) object->Update();
}

// Sets the axes themselves, not the points origin + axis: both would then be one axis.
void TModelerApi::drPlacement(const Real& x, const Real& y, const Real& z, const TVector3D& aX,
                              const TVector3D& aY)
{
    drPartSetPlacement(x, y, z, aX, aY);
}

Boolean TModelerApi::drSetMate(tvapi::IMateConstraint3DPtr& Mate, tvapi::IModelObjectPtr O1,
                               tvapi::IModelObjectPtr O2, Integer Direction, Integer Fixed, const Real& V)
{
    if (!Mate) return false;
    Mate->SetBaseObject(1, O1);
    Mate->SetBaseObject(2, O2);
    Mate->SetFixed(Fixed ? tvapi::tvMFixedPart2 : tvapi::tvMFixedPart1);
    Mate->SetDirection(Direction);
    Mate->SetDistance(V);
    return Mate->Update();
}

Boolean TModelerApi::drMate(tvapi::MateConstraintType MT, tvapi::IModelObjectPtr O1,
                            tvapi::IModelObjectPtr O2, Integer Direction, Integer Fixed, const Real& V,
                            const TString& iExpresion)
{
    TRegistryApi& r = *R3;
    if (!r.IDoc3D || !O1 || !O2) return false;
    const tvapi::IMateConstraints3DPtr mates = r.IDoc3D->GetMateConstraints();
    tvapi::IMateConstraint3DPtr mate = mates ? mates->AddMateConstraint(MT) : tvapi::IMateConstraint3DPtr();
    if (!mate) return false;
    drSetMate(mate, O1, O2, Direction, Fixed, V);
    TString E = iExpresion;
    if (E.Length() == 0)
        if (const TIdVariable* variable = AVariable.GetVariable(&V)) E = variable->Comment;
    if (E.Length() == 0) return true;
    const tvapi::IFeaturePtr feature = mate->GetFeature();
    if (!feature) return true;
    for (const tvapi::IVariablePtr& variable : feature->GetVariables(false, false))
        if (variable && variable->GetName() == MateVariable) variable->SetExpression(Wide(E).c_str());
    return true;
}

void TModelerApi::drClear(tvapi::IMateConstraints3DPtr& AMate)
{
    const int n = AMate ? AMate->GetCount() : 0;
    for (int i = n - 1; i >= 0; --i) {
        const tvapi::IMateConstraint3DPtr mate(AMate->GetItem(i));
        const tvapi::IFeaturePtr feature = mate ? mate->GetFeature() : tvapi::IFeaturePtr();
        if (feature) feature->Delete();
    }
}

tvapi::IModelObjectPtr TModelerApi::FindMate(tvapi::IMateConstraints3DPtr& Mates,
                                             tvapi::MateConstraintType TC, tvapi::IModelObjectPtr& fromEntity)
{
    const int n = Mates && fromEntity ? Mates->GetCount() : 0;
    for (int i = 0; i < n; ++i) {
        const tvapi::IMateConstraint3DPtr mate(Mates->GetItem(i));
        if (!mate) return {};
        if (mate->GetConstraintType() != TC) continue;
        const tvapi::IModelObjectPtr first = mate->GetBaseObject(1), second = mate->GetBaseObject(2);
        if (first == fromEntity) return second;
        if (second == fromEntity) return first;
    }
    return {};
}

void TModelerApi::drDeleteObj(tvapi::IModelObjectPtr Object)
{
    DeleteEntity(std::move(Object));
}

// Without a 3D document with a top part and its part collection nothing changes, as for a
// missing file: the registry keeps its current part.
void TModelerApi::drCreatePartFromFile(const TString& Name, Boolean ExternalFile)
{
    if (!FileExists(Name)) return;
    TRegistryApi& r = *R3;
    const tvapi::ITervanDocument3DPtr document(r.IDoc);
    const tvapi::IPartPtr top = document ? document->GetTopPart() : tvapi::IPartPtr();
    const tvapi::IPartsPtr parts = top ? top->GetParts() : tvapi::IPartsPtr();
    if (!parts) return;
    r.IDoc3D = document;
    r.Part = parts->AddFromFile(Wide(Name).c_str(), ExternalFile, true);
    r.Obj3D = tvapi::IModelObjectPtr(r.Part);
    r.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(r.Part));
}

void TModelerApi::AddDetail(Real const& x, Real const& y, Real const& z, Str const& DetailName,
                            Boolean ReverseZ, Boolean ExternalFile)
{
    if (!FileExists(DetailName)) return;
    drCreatePartFromFile(DetailName, ExternalFile);
    if (ReverseZ)
        drPartSetPlacement(x, y, z, TVector3D(-1, 0, 0), TVector3D(0, 1, 0));
    else
        drPartSetPlacement(x, y, z);
}

void TModelerApi::AddDetailAxle(const Real& x, const Real& y, const Real& z, const TString& DetailName,
                                const Real& xDx, const Real& xDy, const Real& xDz, const Real& yDx,
                                const Real& yDy, const Real& yDz, Boolean ExternalFile)
{
    if (!FileExists(DetailName)) return;
    drCreatePartFromFile(DetailName, ExternalFile);
    drPartSetPlacement(x, y, z, TVector3D(xDx, xDy, xDz), TVector3D(yDx, yDy, yDz));
}

} // namespace drApi

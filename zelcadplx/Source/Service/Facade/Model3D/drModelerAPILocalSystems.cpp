// ==== drApi::TModelerApi (drModelerAPI.h), part: 3D local coordinate systems ====================
// The part's 3D local coordinate systems: made from a frame or a matrix, quietly and in the
// axes the caller chooses, and moved to a new frame.

#include "drModelerAPI.h"

#include <vector>

#include "Dictionary.h"
#include "Messager.h"
#include "Mtr3D.h"

namespace drApi {

namespace {

// The host's frame matrix: rows aX, aY, aZ with 0, then P with 1; the axes as given.
std::vector<double> FrameMatrix(const TPoint3D& P, const TVector3D& aX, const TVector3D& aY,
                                const TVector3D& aZ)
{
    return {aX.x, aX.y, aX.z, 0, aY.x, aY.y, aY.z, 0, aZ.x, aZ.y, aZ.z, 0, P.x, P.y, P.z, 1};
}

// Keeps the application's quiet creation and the document's choice of axes, and gives both
// back when the creation ends, however it ends.
class TLocalSystemSettings {
public:
    TLocalSystemSettings(const tvapi::ISystemSettingsPtr& Settings, const tvapi::ITervanDocument3DPtr& Doc)
        : FSettings(Settings), FDoc(Doc), FQuiet(Settings->GetQuietCreation()),
          FInActive(Doc->GetInActiveLocalSystem())
    {
    }
    ~TLocalSystemSettings()
    {
        try {
            FDoc->SetInActiveLocalSystem(FInActive);
            FSettings->SetQuietCreation(FQuiet);
        } catch (...) {
            // A host that refuses to take them back leaves nothing more to do here.
        }
    }
    TLocalSystemSettings(const TLocalSystemSettings&) = delete;
    TLocalSystemSettings& operator=(const TLocalSystemSettings&) = delete;

private:
    tvapi::ISystemSettingsPtr FSettings;
    tvapi::ITervanDocument3DPtr FDoc;
    bool FQuiet;
    bool FInActive;
};

tvapi::ILocalCoordinateSystemPtr NewLocalSystem(const tvapi::IPartPtr& Part)
{
    const tvapi::IAuxiliaryGeomContainerPtr container(Part);
    const tvapi::ILocalCoordinateSystemsPtr systems =
        container ? container->GetLocalCoordinateSystems() : nullptr;
    return systems ? systems->Add() : nullptr;
}

// The new system, matrix given and updated; empty when the update threw (then said).
tvapi::ILocalCoordinateSystemPtr BuiltLocalSystem(tvapi::ILocalCoordinateSystemPtr System,
                                                  const std::vector<double>& Matrix, const TString* Name)
{
    if (Name) System->SetName(Wide(*Name).c_str());
    System->SetMatrix3D(Matrix);
    try {
        System->Update();
    } catch (...) {
        Messager.LiftBox(DC("Error drMtr3D"), TMessager::toAlways);
        return {};
    }
    return System;
}

} // namespace

void TModelerApi::drMtr3D(const TPoint3D& P, const TVector3D& aX, const TVector3D& aY, const TVector3D& aZ,
                          TString* Name, Boolean inGlobalLSK)
{
    TRegistryApi& r = *R3;
    r.IDoc3D = tvapi::ITervanDocument3DPtr(r.IDoc);
    if (!r.SystemSettings || !r.IDoc3D) return;
    tvapi::ILocalCoordinateSystemPtr made;
    {
        const TLocalSystemSettings kept(r.SystemSettings, r.IDoc3D);
        r.IDoc3D->SetInActiveLocalSystem(!inGlobalLSK);
        r.SystemSettings->SetQuietCreation(true);
        const tvapi::ILocalCoordinateSystemPtr system = NewLocalSystem(r.Part);
        if (!system) return;
        made = BuiltLocalSystem(system, FrameMatrix(P, aX, aY, aZ), Name);
    }
    r.Obj3D = tvapi::IModelObjectPtr(made);
    r.AMacroObject3D.Add(tvapi::ITervanAPIObjectPtr(made));
}

void TModelerApi::drMtr3D(const TMtr3D& M, TString* Name, Boolean)
{
    drMtr3D(M.GetOrigin(), M.GetAxisX(), M.GetAxisY(), M.GetAxisZ(), Name, false);
}

Boolean TModelerApi::drUpdateMtr3D(tvapi::IModelObjectPtr E, const TPoint3D& P, const TVector3D& aX,
                                   const TVector3D& aY, const TVector3D& aZ)
{
    const tvapi::ILocalCoordinateSystemPtr system(E);
    if (!system) return false;
    Boolean updated = false;
    try {
        system->SetMatrix3D(FrameMatrix(P, aX, aY, aZ));
        updated = system->Update();
        R3->Obj3D = tvapi::IModelObjectPtr(system);
    } catch (...) {
        // Told by the result alone.
    }
    return updated;
}

} // namespace drApi

// ==== drApi::TModelerApi (drModelerAPI.h), part: placements ======================================
// The facade's nested 2D placements: the library's own stack and, while a 2D document is
// open, the same placements in the host document, so that what the library computes and what
// the host draws agree; the placement of a model point in the open sketch; and the part's 3D
// local coordinate systems.

#include "drModelerAPI.h"

#include <vector>

#include "Dictionary.h"
#include "Mathemat.h"
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

void TModelerApi::drMtr(Real x, Real y, Real Angle, Real Scale)
{
    TModeler3D::drMtr(x, y, Angle, Scale);
    if (R3->IDoc2D) R3->IDoc2D->PushLocalPlacement(x, y, Angle, Scale, Scale);
}

void TModelerApi::drDeleteMtr()
{
    TModeler3D::drDeleteMtr();
    if (R3->IDoc2D) R3->IDoc2D->PopLocalPlacement();
}

Boolean TModelerApi::isMtr() const
{
    return drApi::Transf2D->AMtr.Count >= 1 && !R3->IDoc2D;
}

void TModelerApi::drGlobalMtr(Real const& x, Real const& y, Real const& z)
{
    TRegistryApi& r = *R3;
    if (!r.Sketch || !r.IDoc2D) {
        drMtr(0, 0, 0, 1.0);
        return;
    }
    Real x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    r.Sketch->PointIntoSketch(x, y, z, x1, y1);
    r.Sketch->PointIntoSketch(x, y, z + 10.0, x2, y2);
    drMtr(x1, y1, AngleLine(x1, y1, x2, y2) - 90.0, 1.0);
}

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

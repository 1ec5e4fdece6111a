// Local coordinate systems of a stand-in part, and the two settings the host reads while one
// is made: the application's quiet creation and the document's choice of axes.
#include <cmath>
#include <string>

#include "HostArgs.h"
#include "HostAuxGeometry.h"
#include "HostAuxList.h"
#include "HostDocuments.h"
#include "HostModelObject.h"
#include "HostPart.h"
#include "HostServices.h"

namespace tvhost {

namespace {

constexpr std::size_t MatrixSize = 16;

std::vector<double> Identity()
{
    std::vector<double> m(MatrixSize, 0.0);
    for (std::size_t i = 0; i < 4; ++i)
        m[i * 5] = 1.0;
    return m;
}

// Journaled as "ILocalCoordinateSystem::<operation>". Built when every entry is finite.
class THostLocalSystem final : public THostModelObjectOf<tvapi::ILocalCoordinateSystem> {
public:
    THostLocalSystem() : THostModelObjectOf(tvapi::o3d_unknown) {}

    bool SetMatrix3D(const std::vector<double>& matrix) override
    {
        if (!Enter("ILocalCoordinateSystem::SetMatrix3D", {std::to_string(matrix.size())})) return false;
        if (matrix.size() != MatrixSize) return false;
        FMatrix = matrix;
        return true;
    }
    std::vector<double> GetMatrix3D() override
    {
        return Enter("ILocalCoordinateSystem::GetMatrix3D") ? FMatrix : std::vector<double>();
    }

protected:
    bool Rebuild() override
    {
        for (const double v : FMatrix)
            if (!std::isfinite(v)) return false;
        return true;
    }

private:
    std::vector<double> FMatrix = Identity();
};

class THostLocalSystems final
    : public THostAuxItemList<tvapi::ILocalCoordinateSystems, tvapi::ILocalCoordinateSystemPtr> {
public:
    explicit THostLocalSystems(THostPart& owner)
        : THostAuxItemList(owner, "ILocalCoordinateSystems", &THostAuxGeometry::LocalSystems)
    {
    }
    tvapi::ILocalCoordinateSystemPtr Add() override
    {
        return Enter("ILocalCoordinateSystems::Add") ? Aux().AddLocalSystem()
                                                     : tvapi::ILocalCoordinateSystemPtr();
    }
};

} // namespace

tvapi::ILocalCoordinateSystemPtr THostAuxGeometry::AddLocalSystem()
{
    FLocalSystems.emplace_back(New<THostLocalSystem>());
    return tvapi::ILocalCoordinateSystemPtr(FLocalSystems.back());
}

tvapi::ILocalCoordinateSystemsPtr THostPart::GetLocalCoordinateSystems()
{
    if (!Enter("IAuxiliaryGeomContainer::GetLocalCoordinateSystems")) return {};
    return New<THostLocalSystems>(*this);
}

bool THostSystemSettings::GetQuietCreation()
{
    return Enter("ISystemSettings::GetQuietCreation") && FQuietCreation;
}

void THostSystemSettings::SetQuietCreation(bool quiet)
{
    if (Enter("ISystemSettings::SetQuietCreation", {BoolArg(quiet)})) FQuietCreation = quiet;
}

bool THostDocument3D::GetInActiveLocalSystem()
{
    return Enter("ITervanDocument3D::GetInActiveLocalSystem") && FInActiveLocalSystem;
}

void THostDocument3D::SetInActiveLocalSystem(bool inActive)
{
    if (Enter("ITervanDocument3D::SetInActiveLocalSystem", {BoolArg(inActive)}))
        FInActiveLocalSystem = inActive;
}

} // namespace tvhost

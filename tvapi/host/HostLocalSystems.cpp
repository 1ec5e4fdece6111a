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
// Axes whose cross product is shorter than this share of their lengths' product give no frame.
constexpr double ParallelAxes = 1e-12;

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
    const std::vector<double>& Matrix() const noexcept { return FMatrix; }

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

bool MatrixFrame(const std::vector<double>& matrix, TFrame& frame)
{
    if (matrix.size() != MatrixSize) return false;
    for (const double v : matrix)
        if (!std::isfinite(v)) return false;
    const TXyz x{matrix[0], matrix[1], matrix[2]}, y{matrix[4], matrix[5], matrix[6]};
    const TXyz z{x[1] * y[2] - x[2] * y[1], x[2] * y[0] - x[0] * y[2], x[0] * y[1] - x[1] * y[0]};
    const auto length = [](const TXyz& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); };
    if (!(length(z) > ParallelAxes * length(x) * length(y))) return false;
    frame = TFrame::Of({matrix[12], matrix[13], matrix[14]}, {matrix[0], matrix[1], matrix[2]},
                       {matrix[4], matrix[5], matrix[6]});
    return true;
}

bool LocalSystemMatrixOf(const tvapi::IModelObjectPtr& system, std::vector<double>& matrix)
{
    const auto* host = HostAs<THostLocalSystem>(system);
    if (!host) return false;
    matrix = host->Matrix();
    return true;
}

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

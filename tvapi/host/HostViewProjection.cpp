// View projections of the stand-in host.
#include "HostViewProjection.h"

#include <string>
#include <utility>

#include "HostDocuments.h"

namespace tvhost {

namespace {

constexpr std::size_t MatrixValues = 16;

class THostViewProjectionManager final : public THostObjectOf<tvapi::IViewProjectionManager> {
public:
    THostViewProjectionManager(std::shared_ptr<TShownProjection> shown, tvapi::IAPIObjectPtr keep)
        : FShown(std::move(shown)), FKeep(std::move(keep))
    {
    }

    tvapi::IViewProjectionPtr GetProjection(tvapi::tvViewProjectionType type) override
    {
        if (!Enter("IViewProjectionManager::GetProjection", {std::to_string(type)})) return {};
        if (type <= tvapi::tvVPNone || type > tvapi::tvVPUser) return {};
        return tvapi::IViewProjectionPtr(New<THostViewProjection>(FShown, type));
    }
    tvapi::IViewProjectionPtr AddProjection() override
    {
        if (!Enter("IViewProjectionManager::AddProjection")) return {};
        return tvapi::IViewProjectionPtr(New<THostViewProjection>(FShown, tvapi::tvVPUser));
    }

private:
    std::shared_ptr<TShownProjection> FShown;
    tvapi::IAPIObjectPtr FKeep;
};

} // namespace

bool THostViewProjection::SetMatrix(const std::vector<double>& matrix)
{
    std::string text;
    for (double v : matrix)
        text += (text.empty() ? "" : " ") + NumberArg(v);
    if (!Enter("IViewProjection::SetMatrix", {text})) return false;
    if (matrix.size() != MatrixValues) return false;
    FMatrix = matrix;
    return true;
}

bool THostViewProjection::Apply(bool redraw)
{
    if (!Enter("IViewProjection::Apply", {redraw ? "true" : "false"})) return false;
    if (!FShown->Open) return false;
    FShown->Type = FType;
    FShown->Matrix = FMatrix;
    ++FShown->Applies;
    return true;
}

tvapi::IViewProjectionManagerPtr MakeViewProjectionManager(std::shared_ptr<TShownProjection> shown,
                                                           tvapi::IAPIObjectPtr keep)
{
    return tvapi::IViewProjectionManagerPtr(
        New<THostViewProjectionManager>(std::move(shown), std::move(keep)));
}

tvapi::IViewProjectionManagerPtr THostDocument3D::GetViewProjectionManager()
{
    if (!Enter("ITervanDocument3D::GetViewProjectionManager")) return {};
    return MakeViewProjectionManager(FShown,
                                     tvapi::IAPIObjectPtr(static_cast<tvapi::ITervanDocument3D*>(this)));
}

} // namespace tvhost

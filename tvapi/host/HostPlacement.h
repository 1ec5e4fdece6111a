#pragma once
// A placement of the stand-in host: an origin and axis vectors kept as given. The frame it
// stands for (HostKernel.h, TFrame::Of) takes X as given and Y made perpendicular to it.

#include <vector>

#include "HostKernel.h"
#include "HostObject.h"
#include "tvapi/Topology.h"

namespace tvhost {

// Journaled as "IPlacement3D::<operation>".
class THostPlacement final : public THostObjectOf<tvapi::IPlacement3D> {
public:
    THostPlacement() = default;
    explicit THostPlacement(const TFrame& frame) noexcept;

    void GetOrigin(double& x, double& y, double& z) override;
    void SetOrigin(double x, double y, double z) override;
    void GetAxis(int axis, double& x, double& y, double& z) override;
    // Setting X or Y makes Z their cross product.
    void SetAxis(int axis, double x, double y, double z) override;
    std::vector<double> GetMatrix3D() override;
    bool SetMatrix3D(const std::vector<double>& matrix) override;

    // Test side, not journaled.
    TFrame Frame() const { return TFrame::Of(FOrigin, FX, FY); }
    const TXyz& Origin() const noexcept { return FOrigin; }
    const TXyz& X() const noexcept { return FX; }
    const TXyz& Y() const noexcept { return FY; }
    const TXyz& Z() const noexcept { return FZ; }
    void Set(const TFrame& frame) noexcept;

private:
    TXyz* Axis(int axis) noexcept;

    TXyz FOrigin{0, 0, 0};
    TXyz FX{1, 0, 0};
    TXyz FY{0, 1, 0};
    TXyz FZ{0, 0, 1};
};

using THostPlacementPtr = tvapi::Ptr<THostPlacement>;

} // namespace tvhost

#pragma once
// View projections of a 3D document: the standard ones (front, top, isometric ...) and ones
// given by a matrix, each of which can be applied to the model view.

#include <vector>

#include "tvapi/Base.h"
#include "tvapi/DrawingObject.h"

namespace tvapi {

// The host's standard projections.
enum tvViewProjectionType : int {
    tvVPNone = -1,
    tvVPNormalTo = 0,
    tvVPFront = 1,
    tvVPRear = 2,
    tvVPUp = 3,
    tvVPDown = 4,
    tvVPLeft = 5,
    tvVPRight = 6,
    tvVPIsometric = 7,
    tvVPDimetric = 8,
    tvVPUnfold = 9,
    tvVPUser = 10,
};

class IViewProjection : public IAPIObject {
public:
    static constexpr char IID[] = "063928C1-7E90-4223-85C9-81B3F5079E2E";
    using Parent = IAPIObject;

    // The 16 reals of a 4 x 4 matrix, row by row; any other count is refused (false).
    virtual bool SetMatrix(const std::vector<double>& matrix) = 0;
    // Shows the model view in this projection; `redraw` redraws it at once. False once the
    // document is gone.
    virtual bool Apply(bool redraw) = 0;

protected:
    ~IViewProjection() = default;
};

using IViewProjectionPtr = Ptr<IViewProjection>;

class IViewProjectionManager : public IAPIObject {
public:
    static constexpr char IID[] = "174A39D2-8FA1-4334-96DA-92C406180F3F";
    using Parent = IAPIObject;

    // The standard projection `type`; empty for tvVPNone or a value that is none.
    virtual IViewProjectionPtr GetProjection(tvViewProjectionType type) = 0;
    // A new projection of the user's, the identity until its matrix is set.
    virtual IViewProjectionPtr AddProjection() = 0;

protected:
    ~IViewProjectionManager() = default;
};

using IViewProjectionManagerPtr = Ptr<IViewProjectionManager>;

} // namespace tvapi

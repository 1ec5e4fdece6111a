#pragma once
// Mates of an assembly: a constraint between two model objects of its components, kept by
// the assembly document.

#include "tvapi/ModelObjects.h"

namespace tvapi {

enum MateConstraintType : int {
    mc_Unknown = -1,
    mc_Coincidence = 0,
    mc_Parallel = 1,
    mc_Perpendicular = 2,
    mc_Tangency = 3,
    mc_Concentric = 4,
    mc_Distance = 5,
    mc_Angle = 6,
    mc_InPlace = 7,
    mc_Transmission = 9,
    mc_CamGear = 10,
    mc_Symmetric = 11,
    mc_Dependent = 14,
};

// Which of the two objects' parts stays where it is.
enum tvMateFixedTypeEnum : int {
    tvMFixedPart1 = 1,
    tvMFixedPart2 = 2,
};

enum tvMateConstraintAlignmentEnum : int {
    tvMCAlignmentOpposite = -1,
    tvMCAlignmentClosest = 0,
    tvMCAlignmentCooriented = 1,
    tvMCAlignmentUnknown = 2,
    tvMCAlignment_1 = 3,
    tvMCAlignment_2 = 4,
    tvMCAlignment_3 = 5,
    tvMCReverse_1 = 6,
    tvMCReverse_2 = 7,
    tvMCReverse_3 = 8,
};

// A mate. Distance and angle mates have the variable "Расстояние" on their feature.
class IMateConstraint3D : public IModelObject {
public:
    static constexpr char IID[] = "BC2EC8C3-E6F4-405E-8AFA-8EC9DE707F96";
    using Parent = IModelObject;

    virtual MateConstraintType GetConstraintType() = 0;
    virtual void SetBaseObject(int index, const IModelObjectPtr& object) = 0; // index 1 or 2
    virtual IModelObjectPtr GetBaseObject(int index) = 0;
    virtual void SetFixed(int fixed) = 0;
    virtual void SetDirection(int direction) = 0;
    virtual void SetDistance(double value) = 0;

protected:
    ~IMateConstraint3D() = default;
};

using IMateConstraint3DPtr = Ptr<IMateConstraint3D>;

// The mates of an assembly document, in creation order.
class IMateConstraints3D : public IAPIObject {
public:
    static constexpr char IID[] = "C107AB2E-8A87-41DF-8E1E-FAFF947DD294";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    // Mate `index` as a model object, from 0; empty out of range.
    virtual IModelObjectPtr GetItem(int index) = 0;
    // A new mate of `type`, without objects yet; empty for mc_Unknown or a value of no kind.
    virtual IMateConstraint3DPtr AddMateConstraint(MateConstraintType type) = 0;

protected:
    ~IMateConstraints3D() = default;
};

using IMateConstraints3DPtr = Ptr<IMateConstraints3D>;

} // namespace tvapi

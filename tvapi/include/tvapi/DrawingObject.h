#pragma once
// The host's 2D drawing object every 2D object derives from, the drawing group, and the host
// enumerations that 2D drawing operations take (leader signs and shelves, arrows, roughness
// signs, parametric constraint kinds).

#include <vector>

#include "tvapi/TervanAPIObject.h"

namespace tvapi {

// Sign drawn at the start of a leader.
enum tvLeaderSignEnum : int {
    tvLSignNone = 0,
};

// Direction of a leader's shelf.
enum tvShelfDirectionEnum : int {
    tvLSLeft = -1,
    tvLSNone = 0,
    tvLSRight = 1,
    tvLSUp = 2,
    tvLSDown = 3,
};

// Arrow at the end of a leader.
enum tvArrowEnum : int {
    tvLeaderWithoutArrow = 0,
};

// Processing kind of a surface-roughness sign.
enum tvRoughSignEnum : int {
    tvNoProcessingType = 0,
    tvDeleteMaterial = 1,
    tvWithoutDeleteMaterial = 2,
};

// Kind of a parametric constraint between points and curves of 2D objects.
enum tvConstraintTypeEnum : int {
    tvCUnknown = 0,
    tvCFixedPoint = 1,
    tvCPointOnCurve = 2,
    tvCHorizontal = 3,
    tvCVertical = 4,
    tvCParallel = 5,
    tvCPerpendicular = 6,
    tvCEqualLength = 7,
    tvCEqualRadius = 8,
    tvCHAlignPoints = 9,
    tvCVAlignPoints = 10,
    tvCMergePoints = 11,
    tvCAssociation = 12,
    tvCDimWithVariable = 13,
    tvCFixedDim = 14,
    tvCTangentTwoCurves = 15,
    tvCSymmetryTwoPoints = 16,
    tvCCollinear = 17,
    tvCFixedAngle = 18,
    tvCFixedLenght = 19,
    tvCPointOnCurveMiddle = 20,
    tvCBisector = 21,
    tvCConcentricity = 22,
    tvCLinearArray = 23,
    tvCCircularArray = 24,
};

// Kind of a 2D drawing object, as the host reports it.
enum DrawingObjectTypeEnum : int {
    tvAllObj = 0,
    tvDrLineSeg = 1,
    tvDrCircle = 2,
    tvDrArc = 3,
    tvDrDrawingText = 4,
    tvDrPoint = 5,
    tvDrHatch = 6,
    tvDrEllipse = 7,
    tvDrColouring = 8,
    tvDrLDimension = 9,
    tvDrADimension = 10,
    tvDrCutLine = 11,
    tvDrTolerance = 12,
    tvDrDDimension = 13,
    tvDrRDimension = 14,
    tvDrRough = 15,
    tvDrBase = 16,
    tvDrViewPointer = 17,
    tvDrLeader = 20,
    tvDrMacro = 27,
    tvDrView = 28,
    tvDrGroup = 29,
};

// Line style of a 2D curve. Unvisible curves are kept but not drawn.
enum tvCurveStyleEnum : int {
    tvCSHidden = -1,
    tvCSUnvisible = 0,
    tvCSNormal = 1,
    tvCSThin = 2,
    tvCSAxial = 3,
    tvCSDashed = 4,
    tvCSBrokenLine = 5,
};

// One object of a 2D document or sketch (segment, arc, text, dimension ...).
class IDrawingObject : public ITervanAPIObject {
public:
    static constexpr char IID[] = "5D6F3BA8-BC9B-4C0D-8F7F-DAAEDDD0BBEC";
    using Parent = ITervanAPIObject;

    // The object's kind. An implementation that does not override the operations below
    // answers their failure result (tvAllObj, empty, false).
    virtual DrawingObjectTypeEnum GetDrawingObjectType() { return tvAllObj; }
    // The view, macro object or sketch that holds the object; empty for an object deleted
    // from its document.
    virtual ITervanAPIObjectPtr GetParent() { return {}; }
    // Removes the object from its document; false when it was already removed.
    virtual bool Delete() { return false; }
    // Applies the properties set since the last update; false when the object cannot take
    // them (it was deleted).
    virtual bool Update() { return false; }
    // Number of the layer the object lies on.
    virtual int GetLayerNumber() { return 0; }
    // True for an object that is a curve (segments, arcs, circles, ellipses ...); such an
    // object other than a segment, arc or circle offers ICurve2D.
    virtual bool IsCurve() { return false; }

protected:
    ~IDrawingObject() = default;
};

// A 2D curve as a polygon.
class ICurve2D : public IAPIObject {
public:
    static constexpr char IID[] = "F52794B0-6D8F-4112-B4B8-70A2E4F68D1D";
    using Parent = IAPIObject;

    // Points x0, y0, x1, y1 ... along the curve, no two further apart than `step` along it;
    // empty for a step that is not above 0.
    virtual std::vector<double> GetPolygon(double step) = 0;

protected:
    ~ICurve2D() = default;
};

using IDrawingObjectPtr = Ptr<IDrawingObject>;
using ICurve2DPtr = Ptr<ICurve2D>;

// A group of 2D objects; while it is open, new objects of the document go into it.
class IDrawingGroup : public ITervanAPIObject {
public:
    static constexpr char IID[] = "2CDE925E-C16D-4CDF-A944-8D5B2C051F48";
    using Parent = ITervanAPIObject;

    // Opens the group: objects made in its document from now on join it, until Close.
    // Groups nest; false for a group already open or one whose document is gone.
    virtual bool Open() { return false; }
    // Closes the group; false when it is not the innermost open group of its document.
    virtual bool Close() { return false; }
    // Empties the group: its objects are deleted, or with deleteObjects false only leave it.
    virtual bool Clear(bool /*deleteObjects*/) { return false; }

protected:
    ~IDrawingGroup() = default;
};

using IDrawingGroupPtr = Ptr<IDrawingGroup>;

} // namespace tvapi

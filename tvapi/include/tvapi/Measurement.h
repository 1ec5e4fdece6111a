#pragma once
// Measurements of a part: the distance between model objects and the angle between two of
// them, kept by the part as its measurement container; and a thread with its parameters.
// Lengths in millimetres, angles in degrees.

#include <vector>

#include "tvapi/ModelObjects.h"

namespace tvapi {

// The kind of a curve as IMathCurve3DShape tells it. A circle, whole or a piece, is an arc.
enum tvMathCurve3DTypeEnum : int {
    tvUnknownCurve3D = 0,
    tvLineSeg3D = 1,
    tvEllipse3D = 2,
    tvArc3D = 3,
    tvNurbs3D = 4,
};

// The shape of a curve: its kind and, for an arc, its radius (0 for other kinds). A curve
// of an edge answers it.
class IMathCurve3DShape : public IAPIObject {
public:
    static constexpr char IID[] = "5C3B8E21-7A40-4F6D-9E12-83B0D4C6A7F5";
    using Parent = IAPIObject;

    virtual tvMathCurve3DTypeEnum GetCurveType() = 0;
    virtual double GetRadius() = 0;

protected:
    ~IMathCurve3DShape() = default;
};

using IMathCurve3DShapePtr = Ptr<IMathCurve3DShape>;

// The shape of a face: whether it turns about an axis as a cylinder or as a cone, and the
// radius of its surface (a cylinder's, a cone's at its reference section, a sphere's; 0 for a
// surface without one). A face answers it.
class IFaceShape : public IAPIObject {
public:
    static constexpr char IID[] = "A8D1F472-2C6B-4E93-B05A-17E9C3D82F46";
    using Parent = IAPIObject;

    virtual bool IsCylinder() = 0;
    virtual bool IsCone() = 0;
    virtual double GetRadius() = 0;

protected:
    ~IFaceShape() = default;
};

using IFaceShapePtr = Ptr<IFaceShape>;

// The shortest distance between model objects (faces, edges, vertices). A list of two
// measures between them; a list of one measures from it to the first object of the list set
// before, so successive one-object lists measure each pick from the previous one. 0 while
// there is nothing to measure between.
class IDistanceMeasurement : public IAPIObject {
public:
    static constexpr char IID[] = "3E7A9C05-B1D2-4C68-8F3E-A2946D0B5C17";
    using Parent = IAPIObject;

    virtual void SetObjects(const std::vector<IModelObjectPtr>& objects) = 0;
    virtual double GetValue() = 0;

protected:
    ~IDistanceMeasurement() = default;
};

using IDistanceMeasurementPtr = Ptr<IDistanceMeasurement>;

// The angle between two straight edges or planar faces, or an edge and a face, in degrees
// from 0 to 90 (lines and planes have no sense); 0 while either object is missing or of
// another kind.
class IAngleMeasurement : public IAPIObject {
public:
    static constexpr char IID[] = "D40F6B93-8E25-4A17-9C3B-5E18A7F2C064";
    using Parent = IAPIObject;

    virtual void SetObject1(const IModelObjectPtr& object) = 0;
    virtual void SetObject2(const IModelObjectPtr& object) = 0;
    virtual double GetValue() = 0;

protected:
    ~IAngleMeasurement() = default;
};

using IAngleMeasurementPtr = Ptr<IAngleMeasurement>;

class IDistanceMeasurements : public IAPIObject {
public:
    static constexpr char IID[] = "7B29E4D1-6F03-4A85-B7C2-9D0E31F8A546";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    // Measurement `index` from 0; empty out of range.
    virtual IDistanceMeasurementPtr GetItem(int index) = 0;
    virtual IDistanceMeasurementPtr Add() = 0;

protected:
    ~IDistanceMeasurements() = default;
};

using IDistanceMeasurementsPtr = Ptr<IDistanceMeasurements>;

class IAngleMeasurements : public IAPIObject {
public:
    static constexpr char IID[] = "E96C3A72-05B4-4D1E-A83F-6C2B9D47E018";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual IAngleMeasurementPtr GetItem(int index) = 0;
    virtual IAngleMeasurementPtr Add() = 0;

protected:
    ~IAngleMeasurements() = default;
};

using IAngleMeasurementsPtr = Ptr<IAngleMeasurements>;

// The measurements of a part; a part answers it.
class IMeasurementContainer : public IAPIObject {
public:
    static constexpr char IID[] = "2A5D8F30-C947-4B61-9E0D-B3F7146C28A9";
    using Parent = IAPIObject;

    virtual IDistanceMeasurementsPtr GetDistanceMeasurements() = 0;
    virtual IAngleMeasurementsPtr GetAngleMeasurements() = 0;

protected:
    ~IMeasurementContainer() = default;
};

using IMeasurementContainerPtr = Ptr<IMeasurementContainer>;

// A thread on a model object (o3d_thread): its pitch, and how it is defined. A new thread is
// given its face and options, then built by Update (false when the face carries no thread).
class IThread : public IModelObject {
public:
    static constexpr char IID[] = "61F0B7C4-3D28-4E95-A1B6-0C8E7D29F35A";
    using Parent = IModelObject;

    virtual double GetPitch() = 0;
    // The cylindrical face the thread is cut on.
    virtual void SetBaseObject(IModelObjectPtr face) = 0;
    virtual IModelObjectPtr GetBaseObject() = 0;
    // The nominal diameter is the face's and the pitch the coarse pitch of that size.
    virtual void SetAutoDefinition(bool automatic) = 0;
    // The thread runs the whole length of the face.
    virtual void SetFullLength(bool full) = 0;
    virtual void SetLeftHand(bool left) = 0;

protected:
    ~IThread() = default;
};

using IThreadPtr = Ptr<IThread>;

// The parameters of a thread: its nominal diameter.
class IThreadsParameters : public IAPIObject {
public:
    static constexpr char IID[] = "B5E2C918-7F4A-4D03-96C1-2A8F5E0B7D34";
    using Parent = IAPIObject;

    virtual double GetNominalDiameter() = 0;

protected:
    ~IThreadsParameters() = default;
};

using IThreadsParametersPtr = Ptr<IThreadsParameters>;

} // namespace tvapi

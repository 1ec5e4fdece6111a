#pragma once
// Objects of a 3D model as the facade keeps them between calls: the model object in
// general (features, planes, axes, topology), its feature, bodies, planes, the sketch and the
// 3D polyline.

#include <string>
#include <vector>

#include "tvapi/Model3D.h"
#include "tvapi/TervanAPIObject.h"
#include "tvapi/Topology.h"

namespace tvapi {

class IFeature;
class ITervanDocument2D;

class IModelObject : public ITervanAPIObject {
public:
    static constexpr char IID[] = "961CBD51-0792-40E8-A996-90A29AB50E5B";
    using Parent = ITervanAPIObject;

    // The object's kind; o3d_unknown when the host cannot tell.
    virtual tvObj3dTypeEnum GetObjectType() = 0;
    // The feature the object belongs to; empty when it has none.
    virtual Ptr<IFeature> GetFeature() = 0;
    // The name the model tree shows; empty for an unnamed object.
    virtual std::wstring GetName() = 0;
    // Null reads as empty.
    virtual void SetName(const wchar_t* name) = 0;
    // Takes the object's changed parameters into the model; false when it cannot be built.
    virtual bool Update() = 0;
    // The objects this one was built from (a 3D macro: its members), in the host's order;
    // empty for an object built from nothing. `level` selects how far back; the stand-in gives
    // the direct parents whatever it is.
    virtual std::vector<Ptr<IModelObject>> GetParents(int level) = 0;
    // Whether the object is hidden in the model view; taken into the model by Update.
    virtual bool GetHidden() = 0;
    virtual void SetHidden(bool hidden) = 0;
    // Gives the object its default display again: shown, in its owner's colour. False when
    // there was nothing to reset.
    virtual bool Reset() = 0;

protected:
    ~IModelObject() = default;
};

using IModelObjectPtr = Ptr<IModelObject>;

// What a model object is built from and builds: its state and the objects it has.
class IFeature : public ITervanAPIObject {
public:
    static constexpr char IID[] = "E1F4D509-C207-4C7B-96A1-6646E785D873";
    using Parent = ITervanAPIObject;

    // The feature's model objects whose kind is in `kinds`, in the host's order.
    virtual std::vector<IModelObjectPtr> GetModelObjects(const std::vector<tvObj3dTypeEnum>& kinds) = 0;
    // The features this one is made of (a part: its components), in the host's order. The
    // stand-in gives them whatever the filter, validity and nesting flags say.
    virtual std::vector<Ptr<IFeature>> GetSubFeatures(int filter, bool onlyValid, bool nested) = 0;
    // Non-zero for a feature built without error.
    virtual int GetValid() = 0;
    virtual bool GetExcluded() = 0;
    // An excluded feature takes no part in building the model; taken in by Update.
    virtual void SetExcluded(bool excluded) = 0;
    // Zero for a feature built without error; the host's error code otherwise.
    virtual int GetError() = 0;
    virtual bool GetRollBacked() = 0;
    // Removes the feature's object from its model; false when it is gone already.
    virtual bool Delete() = 0;
    // The feature's variables; the flags (with the feature's own features, only the driving
    // ones) change nothing in the stand-in.
    virtual std::vector<IVariablePtr> GetVariables(bool withSubFeatures, bool onlyDriving) = 0;
    // The first of those variables named `name` (case counts); empty when none is.
    virtual IVariablePtr GetVariable(bool withSubFeatures, bool onlyDriving, const wchar_t* name) = 0;
    // The feature this one belongs to (a generated dimension: the sketch, operation or point
    // it was generated for); empty for a feature that belongs to none.
    virtual Ptr<IFeature> GetOwnerFeature() = 0;

protected:
    ~IFeature() = default;
};

using IFeaturePtr = Ptr<IFeature>;

// A solid of a part.
class IBody : public IModelObject {
public:
    static constexpr char IID[] = "19C5AF6C-C9B4-4E91-8AEA-6F28BC272467";
    using Parent = IModelObject;

    // The box around the body where it is, minimum then maximum corner; nothing written for
    // a body without a shape.
    virtual void GetGabarit(double& minX, double& minY, double& minZ, double& maxX, double& maxY,
                            double& maxZ) = 0;
    // The volume of the body's solids, mm³; 0 for a body without a shape or with no solid.
    virtual double GetVolume() = 0;
    // How many of the kernel's solids the body's shape holds: 1 for one solid, however its faces
    // touch; 0 for a body without a shape or with no solid.
    virtual int GetSolidCount() = 0;

protected:
    ~IBody() = default;
};

using IBodyPtr = Ptr<IBody>;

// A construction plane, base or derived.
class IPlane3D : public IModelObject {
public:
    static constexpr char IID[] = "CC20C26D-1100-4A28-89EF-2471B2948242";
    using Parent = IModelObject;

    virtual IMathSurface3DPtr GetSurface() = 0;

protected:
    ~IPlane3D() = default;
};

using IPlane3DPtr = Ptr<IPlane3D>;

class ISketch : public IModelObject {
public:
    static constexpr char IID[] = "CA4A3B2C-ACE2-487B-AD3F-033A2D2FE3ED";
    using Parent = IModelObject;

    // The plane the sketch lies on; empty when it has none.
    virtual IModelObjectPtr GetPlane() = 0;
    // Puts the sketch on `plane` (empty: on none); taken into the model by Update.
    virtual void SetPlane(IModelObjectPtr plane) = 0;
    // Turn of the sketch's axes about its plane's normal, degrees counter-clockwise.
    virtual double GetAngle() = 0;
    virtual void SetAngle(double angle) = 0;
    // The model point (x, y, z) projected into the sketch's axes as (u, v); false, with u
    // and v unchanged, when the host cannot.
    virtual bool PointIntoSketch(double x, double y, double z, double& u, double& v) = 0;
    // Opens the sketch for 2D editing; its 2D document, empty when it cannot be opened.
    virtual Ptr<ITervanDocument2D> BeginEdit(bool show) = 0;
    // Ends 2D editing; false when the sketch was not being edited.
    virtual bool EndEdit() = 0;
    // Projects the model object into the sketch (a point of the stand-in becomes a point at
    // its projection); the sketch objects made, none when the object cannot be projected.
    virtual std::vector<ITervanAPIObjectPtr> AddProjection(IModelObjectPtr object) = 0;

protected:
    ~ISketch() = default;
};

using ISketchPtr = Ptr<ISketch>;

// A polyline through points in space.
class IPolyLine : public IModelObject {
public:
    static constexpr char IID[] = "191DA11F-8344-43BC-81DD-66DD04C894FC";
    using Parent = IModelObject;

    virtual void SetClosed(bool closed) = 0;
    virtual bool GetClosed() = 0;

protected:
    ~IPolyLine() = default;
};

using IPolyLinePtr = Ptr<IPolyLine>;

// A collection of features of one family; Add makes one of `kind` (empty for a kind of
// another family), last in the part's model tree.
template <class Item, const char* Id> class IFeatureList : public IAPIObject {
public:
    static constexpr const char* IID = Id;
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual Ptr<Item> GetItem(int index) = 0;
    virtual Ptr<Item> Add(tvObj3dTypeEnum kind) = 0;

protected:
    ~IFeatureList() = default;
};

// A collection of objects of one family whose Add takes no kind, last in the part's model tree.
template <class Item, const char* Id> class IObjectList : public IAPIObject {
public:
    static constexpr const char* IID = Id;
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual Ptr<Item> GetItem(int index) = 0;
    virtual Ptr<Item> Add() = 0;

protected:
    ~IObjectList() = default;
};

} // namespace tvapi

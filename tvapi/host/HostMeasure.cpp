// Distance and angle measurements of a part, evaluated on the kernel entities behind the
// picked objects.
#include "HostMeasure.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepExtrema_DistShapeShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Shape.hxx>

#include "HostKernelCall.h"
#include "HostPart.h"
#include "HostTopology.h"

namespace tvhost {

namespace {

constexpr double RadToDeg = 180.0 / M_PI;

// A line's direction (IsLine) or a plane's normal, in model coordinates.
struct TDirection {
    gp_Dir D;
    bool IsLine = false;
};

std::optional<TDirection> DirectionOf(const TShape& shape)
{
    if (!shape) return std::nullopt;
    if (shape->ShapeType() == TopAbs_EDGE) {
        const BRepAdaptor_Curve curve(TopoDS::Edge(*shape));
        if (curve.GetType() != GeomAbs_Line) return std::nullopt;
        return TDirection{curve.Line().Direction(), true};
    }
    if (shape->ShapeType() == TopAbs_FACE) {
        const BRepAdaptor_Surface surface(TopoDS::Face(*shape), false);
        if (surface.GetType() != GeomAbs_Plane) return std::nullopt;
        return TDirection{surface.Plane().Axis().Direction(), false};
    }
    return std::nullopt;
}

template <class Ptr> TShape ShapeOf(const Ptr& object)
{
    return object ? ShapeOfEntity(static_cast<const tvapi::IAPIObject*>(object.Get())) : TShape();
}

class THostDistance final : public THostObjectOf<tvapi::IDistanceMeasurement> {
public:
    void SetObjects(const std::vector<tvapi::IModelObjectPtr>& objects) override
    {
        if (!Enter("IDistanceMeasurement::SetObjects", {std::to_string(objects.size())})) return;
        FPrevious = FObjects.empty() ? tvapi::IModelObjectPtr() : FObjects.front();
        FObjects = objects;
    }
    double GetValue() override
    {
        if (!Enter("IDistanceMeasurement::GetValue")) return 0.0;
        if (FObjects.empty()) return 0.0;
        const tvapi::IModelObjectPtr& other = FObjects.size() > 1 ? FObjects[1] : FPrevious;
        return std::max(0.0, DistanceBetween(FObjects.front(), other));
    }

private:
    std::vector<tvapi::IModelObjectPtr> FObjects;
    tvapi::IModelObjectPtr FPrevious; // first object of the list set before
};

class THostAngle final : public THostObjectOf<tvapi::IAngleMeasurement> {
public:
    void SetObject1(const tvapi::IModelObjectPtr& object) override
    {
        if (Enter("IAngleMeasurement::SetObject1")) F1 = object;
    }
    void SetObject2(const tvapi::IModelObjectPtr& object) override
    {
        if (Enter("IAngleMeasurement::SetObject2")) F2 = object;
    }
    double GetValue() override
    {
        if (!Enter("IAngleMeasurement::GetValue")) return 0.0;
        return std::max(0.0, AngleBetween(F1, F2));
    }

private:
    tvapi::IModelObjectPtr F1, F2;
};

// The measurements of one kind, in creation order.
template <class IList, class IItem, class TItem> class THostMeasurements final : public THostObjectOf<IList> {
public:
    explicit THostMeasurements(const char* name) : FName(name) {}

    int GetCount() override
    {
        return THostObject::Enter(FName + "::GetCount") ? static_cast<int>(FItems.size()) : 0;
    }
    tvapi::Ptr<IItem> GetItem(int index) override
    {
        if (!THostObject::Enter(FName + "::GetItem", {std::to_string(index)})) return {};
        if (index < 0 || index >= static_cast<int>(FItems.size())) return {};
        return FItems[static_cast<std::size_t>(index)];
    }
    tvapi::Ptr<IItem> Add() override
    {
        if (!THostObject::Enter(FName + "::Add")) return {};
        FItems.push_back(tvapi::Ptr<IItem>(New<TItem>()));
        return FItems.back();
    }

private:
    std::string FName;
    std::vector<tvapi::Ptr<IItem>> FItems;
};

} // namespace

double DistanceBetween(const tvapi::IModelObjectPtr& a, const tvapi::IModelObjectPtr& b)
{
    const TShape sa = ShapeOf(a), sb = ShapeOf(b);
    if (!sa || !sb) return -1.0;
    return Guarded(
        [&] {
            BRepExtrema_DistShapeShape extrema(*sa, *sb);
            return extrema.IsDone() ? extrema.Value() : -1.0;
        },
        -1.0);
}

double AngleBetween(const tvapi::IModelObjectPtr& a, const tvapi::IModelObjectPtr& b)
{
    const std::optional<TDirection> da = DirectionOf(ShapeOf(a)), db = DirectionOf(ShapeOf(b));
    if (!da || !db) return -1.0;
    // Lines and planes have no sense: fold the angle between their directions into 0..90.
    double angle = da->D.Angle(db->D) * RadToDeg;
    if (angle > 90.0) angle = 180.0 - angle;
    return da->IsLine == db->IsLine ? angle : 90.0 - angle;
}

tvapi::IDistanceMeasurementsPtr NewDistanceMeasurements()
{
    using T = THostMeasurements<tvapi::IDistanceMeasurements, tvapi::IDistanceMeasurement, THostDistance>;
    return tvapi::IDistanceMeasurementsPtr(New<T>("IDistanceMeasurements"));
}

tvapi::IAngleMeasurementsPtr NewAngleMeasurements()
{
    using T = THostMeasurements<tvapi::IAngleMeasurements, tvapi::IAngleMeasurement, THostAngle>;
    return tvapi::IAngleMeasurementsPtr(New<T>("IAngleMeasurements"));
}

tvapi::IDistanceMeasurementsPtr THostPart::GetDistanceMeasurements()
{
    if (!Enter("IMeasurementContainer::GetDistanceMeasurements")) return {};
    if (!FDistances) FDistances = NewDistanceMeasurements();
    return FDistances;
}

tvapi::IAngleMeasurementsPtr THostPart::GetAngleMeasurements()
{
    if (!Enter("IMeasurementContainer::GetAngleMeasurements")) return {};
    if (!FAngles) FAngles = NewAngleMeasurements();
    return FAngles;
}

} // namespace tvhost

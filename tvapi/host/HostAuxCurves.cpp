// 3D points, segments, helices and polylines of a stand-in part.
#include "HostAuxGeometry.h"

#include <cmath>
#include <string>

#include "HostArgs.h"
#include "HostAuxList.h"
#include "HostModelObject.h"
#include "HostPart.h"
#include "tvapi/Part.h"

namespace tvhost {

namespace {

std::string Num(double value)
{
    return std::to_string(value);
}
std::string Num(int value)
{
    return std::to_string(value);
}

// Journaled as "IPoint3D::<operation>" and "IColorParam::<operation>"; as a feature, its
// generated dimensions are its sub-features.
class THostPoint3D final : public THostFeatureOf<tvapi::IPoint3D, tvapi::IColorParam>,
                           public TGeneratedOwner {
public:
    explicit THostPoint3D(const TXyz& at = {0, 0, 0}) : THostFeatureOf(tvapi::o3d_unknown), FXyz(at) {}

    void SetPointType(tvapi::tvPoint3DTypeEnum type) override
    {
        if (Enter("IPoint3D::SetPointType", {Num(type)})) FType = type;
    }
    void SetX(double x) override { Set("IPoint3D::SetX", 0, x); }
    void SetY(double y) override { Set("IPoint3D::SetY", 1, y); }
    void SetZ(double z) override { Set("IPoint3D::SetZ", 2, z); }
    double GetX() override { return Enter("IPoint3D::GetX") ? FXyz[0] : 0.0; }
    double GetY() override { return Enter("IPoint3D::GetY") ? FXyz[1] : 0.0; }
    double GetZ() override { return Enter("IPoint3D::GetZ") ? FXyz[2] : 0.0; }
    void SetSymbol(tvapi::tvAnnotationSymbolEnum symbol) override
    {
        if (Enter("IPoint3D::SetSymbol", {Num(symbol)})) FSymbol = symbol;
    }
    void SetHidden(bool hidden) override
    {
        if (Enter("IPoint3D::SetHidden", {BoolArg(hidden)})) FHidden = hidden;
    }
    tvapi::tvAnnotationSymbolEnum GetSymbol() override
    {
        return Enter("IPoint3D::GetSymbol") ? FSymbol : tvapi::tvUnknownSymbol;
    }
    bool GetHidden() override { return Enter("IPoint3D::GetHidden") && FHidden; }
    void SetUseColor(tvapi::tvUseColorEnum) override { (void)Enter("IColorParam::SetUseColor"); }
    void SetColor(int color) override
    {
        if (Enter("IColorParam::SetColor", {Num(color)})) FColor = color;
    }
    int GetColor() override { return Enter("IColorParam::GetColor") ? FColor : 0; }
    void SetAmbient(double) override { (void)Enter("IColorParam::SetAmbient"); }
    void SetDiffuse(double) override { (void)Enter("IColorParam::SetDiffuse"); }
    void SetSpecularity(double) override { (void)Enter("IColorParam::SetSpecularity"); }
    void SetShininess(double) override { (void)Enter("IColorParam::SetShininess"); }
    void SetTransparency(double) override { (void)Enter("IColorParam::SetTransparency"); }
    void SetEmission(double) override { (void)Enter("IColorParam::SetEmission"); }
    void SetAdvancedColor(int color, double, double, double, double, double, double) override
    {
        if (Enter("IColorParam::SetAdvancedColor", {Num(color)})) FColor = color;
    }

protected:
    std::vector<tvapi::IFeaturePtr> SubFeatures() override
    {
        return Generated(static_cast<tvapi::IPoint3D*>(this));
    }

private:
    void Set(const char* op, std::size_t axis, double value)
    {
        if (Enter(op, {Num(value)})) FXyz[axis] = value;
    }

    TXyz FXyz{0, 0, 0};
    int FType = 0;
    tvapi::tvAnnotationSymbolEnum FSymbol = tvapi::tvUnknownSymbol;
    int FColor = 0;
    bool FHidden = false;
};

// Journaled as "ILineSegment3D::<operation>". An end given by an object follows it: its
// position is read when the segment is built.
class THostSegment3D final : public THostModelObjectOf<tvapi::ILineSegment3D, tvapi::IModelCurve3D> {
public:
    THostSegment3D() : THostModelObjectOf(tvapi::o3d_unknown) {}

    // Journaled as "IModelCurve3D::<operation>".
    int GetStyle() override { return Enter("IModelCurve3D::GetStyle") ? FStyle : 0; }
    void SetStyle(int style) override
    {
        if (Enter("IModelCurve3D::SetStyle", {Num(style)})) FStyle = style;
    }

    void SetPoint(bool start, double x, double y, double z) override
    {
        if (!Enter("ILineSegment3D::SetPoint", {BoolArg(start), Num(x), Num(y), Num(z)})) return;
        End(start) = {{x, y, z}, {}};
    }
    void SetPointObject(bool start, tvapi::IModelObjectPtr object) override
    {
        if (!Enter("ILineSegment3D::SetPointObject", {BoolArg(start), ObjectArg(object.Get())})) return;
        End(start) = {{0, 0, 0}, object};
    }
    bool GetPoint(bool start, double& x, double& y, double& z) override
    {
        if (!Enter("ILineSegment3D::GetPoint", {BoolArg(start)}) || !FBuilt) return false;
        const TXyz& p = End(start).At;
        x = p[0], y = p[1], z = p[2];
        return true;
    }

protected:
    bool Rebuild() override
    {
        FBuilt = Place(FEnds[0]) && Place(FEnds[1]);
        return FBuilt;
    }

private:
    struct TEnd {
        TXyz At{0, 0, 0};
        tvapi::IModelObjectPtr On;
    };
    TEnd& End(bool start) { return FEnds[start ? 0 : 1]; }
    static bool Place(TEnd& end) { return !end.On || PositionOf(end.On, end.At); }

    TEnd FEnds[2];
    bool FBuilt = false;
    int FStyle = 1;
};

// Journaled as "ISpiral3D::<operation>". Built with a finite positive count of turns, height
// and pitch, on its base plane's frame (the part's XOY without one); its direction flag says
// the side of that plane it runs to (true: along the plane's normal), not its handedness.
class THostSpiral3D final : public THostModelObjectOf<tvapi::ICylindricSpiral3D>, public THostHelixGeometry {
public:
    THostSpiral3D() : THostModelObjectOf(tvapi::o3d_cylindricSpiral) {}

    void SetBasePlane(tvapi::IModelObjectPtr plane) override
    {
        if (Enter("ISpiral3D::SetBasePlane", {ObjectArg(plane.Get())})) FPlane = plane;
    }
    void SetTurns(double turns) override { Set("ISpiral3D::SetTurns", FTurns, turns); }
    void SetDirection(bool direction) override
    {
        if (Enter("ISpiral3D::SetDirection", {BoolArg(direction)})) FDirection = direction;
    }
    void SetHeight(double height) override { Set("ISpiral3D::SetHeight", FHeight, height); }
    void SetPitch(double pitch) override { Set("ISpiral3D::SetPitch", FPitch, pitch); }
    void SetDiameter(double diameter) override
    {
        Set("ICylindricSpiral3D::SetDiameter", FDiameter, diameter);
    }
    double GetTurns() override { return Enter("ISpiral3D::GetTurns") ? FTurns : 0.0; }
    bool GetDirection() override { return Enter("ISpiral3D::GetDirection") && FDirection; }
    double GetHeight() override { return Enter("ISpiral3D::GetHeight") ? FHeight : 0.0; }
    double GetPitch() override { return Enter("ISpiral3D::GetPitch") ? FPitch : 0.0; }
    double GetDiameter() override { return Enter("ICylindricSpiral3D::GetDiameter") ? FDiameter : 0.0; }

    // Test side: the frame the helix stands on once built.
    bool Built(TFrame& frame) const
    {
        if (FBuilt) frame = FFrame;
        return FBuilt;
    }
    const tvapi::IModelObjectPtr& BasePlane() const noexcept { return FPlane; }
    bool Helix(THelix& helix) const override
    {
        if (FBuilt) helix = {FFrame, FDiameter, FPitch, FTurns, FDirection};
        return FBuilt;
    }

protected:
    bool Rebuild() override
    {
        TFrame frame;
        const bool sized =
            Positive(FTurns) && Positive(FHeight) && Positive(FPitch) && std::isfinite(FDiameter);
        FBuilt = sized && (!FPlane || PlaneFrameOf(FPlane, frame));
        if (FBuilt) FFrame = frame;
        return FBuilt;
    }

private:
    static bool Positive(double v) { return std::isfinite(v) && v > 0; }
    void Set(const char* op, double& field, double value)
    {
        if (Enter(op, {Num(value)})) field = value;
    }

    tvapi::IModelObjectPtr FPlane;
    double FTurns = 0, FHeight = 0, FPitch = 0, FDiameter = 0;
    bool FDirection = true;
    bool FBuilt = false;
    TFrame FFrame;
};

// Journaled as "IPolyLine::<operation>". Its vertices are the host user's to give.
class THostPolyLine3D final : public THostModelObjectOf<tvapi::IPolyLine> {
public:
    THostPolyLine3D() : THostModelObjectOf(tvapi::o3d_unknown) {}

    void SetClosed(bool closed) override
    {
        if (Enter("IPolyLine::SetClosed", {BoolArg(closed)})) FClosed = closed;
    }
    bool GetClosed() override { return Enter("IPolyLine::GetClosed") && FClosed; }

private:
    bool FClosed = false;
};

class THostPoints3D final : public THostAuxItemList<tvapi::IPoints3D, tvapi::IPoint3DPtr> {
public:
    explicit THostPoints3D(THostPart& owner) : THostAuxItemList(owner, "IPoints3D", &THostAuxGeometry::Points)
    {
    }
    tvapi::IPoint3DPtr Add() override
    {
        return Enter("IPoints3D::Add") ? Aux().AddPoint() : tvapi::IPoint3DPtr();
    }
};

class THostSegments3D final : public THostAuxItemList<tvapi::ILineSegments3D, tvapi::ILineSegment3DPtr> {
public:
    explicit THostSegments3D(THostPart& owner)
        : THostAuxItemList(owner, "ILineSegments3D", &THostAuxGeometry::Segments)
    {
    }
    tvapi::ILineSegment3DPtr Add() override
    {
        return Enter("ILineSegments3D::Add") ? Aux().AddSegment() : tvapi::ILineSegment3DPtr();
    }
};

class THostSpirals3D final : public THostAuxItemList<tvapi::ISpirals3D, tvapi::ISpiral3DPtr> {
public:
    explicit THostSpirals3D(THostPart& owner)
        : THostAuxItemList(owner, "ISpirals3D", &THostAuxGeometry::Spirals)
    {
    }
    tvapi::IModelObjectPtr Add(tvapi::tvObj3dTypeEnum kind) override
    {
        return Enter("ISpirals3D::Add", {Num(kind)}) ? Aux().AddSpiral(kind) : tvapi::IModelObjectPtr();
    }
};

class THostPolyLines3D final : public THostAuxItemList<tvapi::IPolyLines3D, tvapi::IPolyLinePtr> {
public:
    explicit THostPolyLines3D(THostPart& owner)
        : THostAuxItemList(owner, "IPolyLines3D", &THostAuxGeometry::PolyLines)
    {
    }
    tvapi::IPolyLinePtr Add() override
    {
        return Enter("IPolyLines3D::Add") ? Aux().AddPolyLine() : tvapi::IPolyLinePtr();
    }
};

} // namespace

tvapi::IPoint3DPtr LonePoint(const TXyz& position)
{
    return tvapi::IPoint3DPtr(New<THostPoint3D>(position));
}

tvapi::IPolyLinePtr THostAuxGeometry::AddPolyLine()
{
    FPolyLines.emplace_back(New<THostPolyLine3D>());
    return tvapi::IPolyLinePtr(FPolyLines.back());
}

tvapi::IPoint3DPtr THostAuxGeometry::AddPoint()
{
    FPoints.emplace_back(New<THostPoint3D>());
    return tvapi::IPoint3DPtr(FPoints.back());
}

tvapi::ILineSegment3DPtr THostAuxGeometry::AddSegment()
{
    FSegments.emplace_back(New<THostSegment3D>());
    return tvapi::ILineSegment3DPtr(FSegments.back());
}

tvapi::IModelObjectPtr THostAuxGeometry::AddSpiral(tvapi::tvObj3dTypeEnum kind)
{
    if (kind != tvapi::o3d_cylindricSpiral) return {};
    FSpirals.emplace_back(New<THostSpiral3D>());
    return FSpirals.back();
}

tvapi::IPoints3DPtr THostPart::GetPoints3D()
{
    if (!Enter("IModelContainer::GetPoints3D")) return {};
    return New<THostPoints3D>(*this);
}

tvapi::ILineSegments3DPtr THostPart::GetLineSegments3D()
{
    if (!Enter("IAuxiliaryGeomContainer::GetLineSegments3D")) return {};
    return New<THostSegments3D>(*this);
}

tvapi::ISpirals3DPtr THostPart::GetSpirals3D()
{
    if (!Enter("IAuxiliaryGeomContainer::GetSpirals3D")) return {};
    return New<THostSpirals3D>(*this);
}

tvapi::IPolyLines3DPtr THostPart::GetPolyLines3D()
{
    if (!Enter("IAuxiliaryGeomContainer::GetPolyLines3D")) return {};
    return New<THostPolyLines3D>(*this);
}

} // namespace tvhost

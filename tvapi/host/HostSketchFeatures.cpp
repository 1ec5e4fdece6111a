// Extrusions, rotations and sweeps of a sketch's profile in a stand-in part.
#include "HostSketchFeatures.h"

#include <cmath>

#include <nlohmann/json.hpp>

#include "HostArgs.h"
#include "HostDrawingObject.h"
#include "HostKernelFeatures.h"
#include "HostProfile.h"
#include "HostSketch.h"

namespace tvhost {

namespace {

using json = nlohmann::json;

std::string ModelListArg(const std::vector<tvapi::IModelObjectPtr>& objects)
{
    std::string arg = "[";
    for (const tvapi::IModelObjectPtr& object : objects)
        arg += (arg.size() > 1 ? ", " : "") + ObjectArg(object.Get());
    return arg + "]";
}

bool IsSurfaceKind(tvapi::tvObj3dTypeEnum kind)
{
    return kind == tvapi::o3d_ExtrusionSurface || kind == tvapi::o3d_RotatedSurface ||
           kind == tvapi::o3d_EvolutionSurface;
}

bool IsCutKind(tvapi::tvObj3dTypeEnum kind)
{
    return kind == tvapi::o3d_cutExtrusion || kind == tvapi::o3d_cutRotated ||
           kind == tvapi::o3d_cutEvolution;
}

// The sketch's profile on its frame, as faces (as wires for a surface); false with the
// reason in `error`.
struct TSketchProfile {
    TFrame Frame;
    TProfile Profile;
    TShape Shape;
};

bool ProfileFrom(const tvapi::IModelObjectPtr& object, bool wires, TSketchProfile& out, std::string& error)
{
    THostSketch* sketch = HostAs<THostSketch>(object);
    TProfileError why = TProfileError::peEmpty;
    if (sketch) {
        out.Frame = sketch->Frame();
        out.Profile = ProfileOf(*sketch, why);
    }
    if (why == TProfileError::peNone)
        out.Shape = wires ? ProfileWires(out.Frame, out.Profile.Loops)
                          : ProfileFaces(out.Frame, out.Profile.Loops, why);
    if (why == TProfileError::peNone && !out.Shape) why = TProfileError::peKernel;
    error = ProfileErrorText(why);
    return why == TProfileError::peNone;
}

// Solid features of a kind: what they do with the bodies.
tvapi::tvOperationResultEnum ResultOf(tvapi::tvObj3dTypeEnum kind)
{
    return IsCutKind(kind) ? tvapi::tvOperationCut : tvapi::tvOperationUnion;
}

// Journaled as "IExtrusion::<operation>".
class THostExtrusion final : public THostListedFeature<tvapi::IExtrusion> {
public:
    using THostListedFeature::THostListedFeature;

    void SetProfile(const std::vector<tvapi::IModelObjectPtr>& sketches) override
    {
        if (Enter("IExtrusion::SetProfile", {ModelListArg(sketches)})) FProfile = sketches;
    }
    void SetDepth(bool forward, double depth) override
    {
        if (Enter("IExtrusion::SetDepth", {BoolArg(forward), NumberArg(depth)}))
            FDepth[forward ? 0 : 1] = depth;
    }
    void SetDirection(tvapi::tvDirectionTypeEnum direction) override
    {
        if (Enter("IExtrusion::SetDirection", {std::to_string(direction)})) FDirection = direction;
    }
    void SetSideParameters(bool forward, tvapi::tvEndTypeEnum end, double depth, double taperAngle,
                           bool taper, tvapi::IModelObjectPtr upTo) override
    {
        if (!Enter("IExtrusion::SetSideParameters",
                   {BoolArg(forward), std::to_string(end), NumberArg(depth), NumberArg(taperAngle),
                    BoolArg(taper), ObjectArg(upTo.Get())}))
            return;
        FSides[forward ? 0 : 1] = {true, end, depth, taperAngle, taper, upTo};
    }

    bool Apply(TBodies& bodies, std::string& error) override
    {
        TSketchProfile profile;
        const bool surface = IsSurfaceKind(Kind());
        if (FProfile.empty() || !ProfileFrom(FProfile.front(), surface, profile, error)) return false;
        const double through = 2 * Extent(MakeCompound(bodies.Solids)) + 2 * Extent(profile.Shape) + 1;
        double from = 0, to = 0;
        if (!Interval(through, from, to, error)) return false;
        const TSide& side = FSides[FDirection == tvapi::dtNormal ? 0 : 1];
        const double taper = side.Set && side.Taper ? side.TaperAngle : 0.0;
        const TShape tool = Extruded(profile.Shape, profile.Frame.ExtrusionNormal(), from, to, taper);
        if (!tool && taper != 0.0) {
            error = "the stand-in builds no tapered sides";
            return false;
        }
        return ApplyTool(bodies, tool, ResultOf(Kind()), surface, error);
    }
    void Write(json& out, const TRefer& refer) const override
    {
        json profile = json::array(), sides = json::array();
        for (const tvapi::IModelObjectPtr& sketch : FProfile)
            profile.push_back(refer(sketch.Get()));
        for (const TSide& side : FSides)
            sides.push_back({side.Set, side.End, side.Depth, side.TaperAngle, side.Taper});
        out = {{"profile", profile},
               {"depth", {FDepth[0], FDepth[1]}},
               {"direction", FDirection},
               {"sides", sides}};
    }
    void Read(const json& in, const TFind& find) override
    {
        FProfile.clear();
        for (const json& index : in.at("profile"))
            FProfile.push_back(find(index.get<int>()));
        for (std::size_t k = 0; k < 2; ++k) {
            FDepth[k] = in.at("depth").at(k).get<double>();
            const json& side = in.at("sides").at(k);
            FSides[k] = {side.at(0).get<bool>(),   static_cast<tvapi::tvEndTypeEnum>(side.at(1).get<int>()),
                         side.at(2).get<double>(), side.at(3).get<double>(),
                         side.at(4).get<bool>(),   {}};
        }
        FDirection = static_cast<tvapi::tvDirectionTypeEnum>(in.at("direction").get<int>());
    }

    bool Side(int side, TExtrusionSide& out)
    {
        const bool used = FDirection == tvapi::dtBoth ||
                          (side == 0 ? FDirection == tvapi::dtNormal : FDirection != tvapi::dtNormal);
        const TSide& s = FSides[side];
        if (!used || FProfile.empty() || (s.Set && s.End != tvapi::etBlind)) return false;
        const double depth = s.Set ? s.Depth : FDepth[side];
        if (depth == 0.0 || !std::isfinite(depth)) return false;
        double from = 0, to = side == 0 ? depth : -depth;
        if (FDirection == tvapi::dtMiddlePlane) from = -std::abs(depth) / 2, to = std::abs(depth) / 2;
        out.From = std::min(from, to);
        out.To = std::max(from, to);
        out.Sketch = FProfile.front();
        THostSketch* sketch = HostAs<THostSketch>(out.Sketch);
        if (!sketch) return false;
        out.Frame = sketch->Frame();
        TProfileError why = TProfileError::peEmpty;
        const TProfile profile = ProfileOf(*sketch, why);
        for (const TProfileLoop& loop : profile.Loops)
            for (const TProfileCurve& c : loop)
                if (!out.HasSegment && c.Kind == TProfileCurve::pcSegment) {
                    out.HasSegment = true;
                    out.Segment = {c.U0, c.V0, c.U1, c.V1};
                }
        return true;
    }

private:
    struct TSide {
        bool Set = false;
        tvapi::tvEndTypeEnum End = tvapi::etBlind;
        double Depth = 0;
        double TaperAngle = 0;
        bool Taper = false;
        tvapi::IModelObjectPtr UpTo;
    };

    // The signed reach of a side: its parameters' depth, or its plain depth without them.
    bool Reach(int side, double through, double& reach, std::string& error) const
    {
        const TSide& s = FSides[side];
        reach = s.Set ? s.Depth : FDepth[side];
        if (!s.Set || s.End == tvapi::etBlind) return true;
        if (s.End == tvapi::etThroughAll) {
            reach = std::signbit(s.Depth) ? -through : through;
            return true;
        }
        error = "the extrusion has no object to reach";
        return false;
    }
    bool Interval(double through, double& from, double& to, std::string& error) const
    {
        double forward = 0, reverse = 0;
        if (!Reach(0, through, forward, error) || !Reach(1, through, reverse, error)) return false;
        switch (FDirection) {
        case tvapi::dtNormal:
            from = std::min(0.0, forward), to = std::max(0.0, forward);
            break;
        case tvapi::dtReverse:
            from = std::min(0.0, -reverse), to = std::max(0.0, -reverse);
            break;
        case tvapi::dtBoth:
            from = -reverse, to = forward;
            break;
        case tvapi::dtMiddlePlane:
            from = -std::abs(reverse) / 2, to = std::abs(reverse) / 2;
            break;
        }
        if (from < to) return true;
        error = "the extrusion has no depth";
        return false;
    }

protected:
    // Built from its profile's sketches.
    std::vector<tvapi::IModelObjectPtr> Parents() override { return FProfile; }

private:
    std::vector<tvapi::IModelObjectPtr> FProfile;
    double FDepth[2] = {0, 0};
    tvapi::tvDirectionTypeEnum FDirection = tvapi::dtNormal;
    TSide FSides[2];
};

// Journaled as "IRotated::<operation>".
class THostRotated final : public THostListedFeature<tvapi::IRotated> {
public:
    using THostListedFeature::THostListedFeature;

    void SetSketch(tvapi::IModelObjectPtr sketch) override
    {
        if (Enter("IRotated::SetSketch", {ObjectArg(sketch.Get())})) FSketch = sketch;
    }
    void SetDirection(int direction) override
    {
        if (Enter("IRotated::SetDirection", {std::to_string(direction)})) FDirection = direction;
    }
    void SetSideAngle(bool forward, double angle) override
    {
        if (Enter("IRotated::SetSideAngle", {BoolArg(forward), NumberArg(angle)}))
            FAngle[forward ? 0 : 1] = angle;
    }

    bool Apply(TBodies& bodies, std::string& error) override
    {
        TSketchProfile profile;
        const bool surface = IsSurfaceKind(Kind());
        if (!ProfileFrom(FSketch, surface, profile, error)) return false;
        if (!profile.Profile.Axis) {
            error = ProfileErrorText(TProfileError::peNoAxis);
            return false;
        }
        const TProfileCurve& axis = *profile.Profile.Axis;
        if (AxisCrossesProfile(profile.Profile.Loops, axis)) {
            error = ProfileErrorText(TProfileError::peAxisInside);
            return false;
        }
        const TXyz a = profile.Frame.Point(axis.U0, axis.V0), b = profile.Frame.Point(axis.U1, axis.V1);
        const double length = std::hypot(b[0] - a[0], b[1] - a[1], b[2] - a[2]);
        const TXyz along{(b[0] - a[0]) / length, (b[1] - a[1]) / length, (b[2] - a[2]) / length};
        const double angle = FDirection == 0 ? FAngle[0] : -FAngle[1];
        const TShape tool = Revolved(profile.Shape, a, along, angle);
        if (!tool) {
            error = "the rotation has no angle";
            return false;
        }
        return ApplyTool(bodies, tool, ResultOf(Kind()), surface, error);
    }
    void Write(json& out, const TRefer& refer) const override
    {
        out = {
            {"sketch", refer(FSketch.Get())}, {"direction", FDirection}, {"angles", {FAngle[0], FAngle[1]}}};
    }
    void Read(const json& in, const TFind& find) override
    {
        FSketch = find(in.at("sketch").get<int>());
        FDirection = in.at("direction").get<int>();
        FAngle[0] = in.at("angles").at(0).get<double>();
        FAngle[1] = in.at("angles").at(1).get<double>();
    }

protected:
    // Built from its sketch.
    std::vector<tvapi::IModelObjectPtr> Parents() override
    {
        return FSketch ? std::vector<tvapi::IModelObjectPtr>{FSketch} : std::vector<tvapi::IModelObjectPtr>{};
    }

private:
    tvapi::IModelObjectPtr FSketch;
    int FDirection = 0;
    double FAngle[2] = {0, 0};
};

// Journaled as "IEvolution::<operation>".
class THostEvolution final : public THostListedFeature<tvapi::IEvolution> {
public:
    using THostListedFeature::THostListedFeature;

    void SetSketch(tvapi::IModelObjectPtr sketch) override
    {
        if (Enter("IEvolution::SetSketch", {ObjectArg(sketch.Get())})) FSketch = sketch;
    }
    void SetSketchShift(tvapi::tvEvolutionShiftSketchTypeEnum shift) override
    {
        if (Enter("IEvolution::SetSketchShift", {std::to_string(shift)})) FShift = shift;
    }
    void SetOperationResult(tvapi::tvOperationResultEnum result) override
    {
        if (Enter("IEvolution::SetOperationResult", {std::to_string(result)})) FResult = result;
    }
    void SetChainPath(bool chain) override
    {
        if (Enter("IEvolution::SetChainPath", {BoolArg(chain)})) FChain = chain;
    }
    void SetPath(const std::vector<tvapi::IModelObjectPtr>& path) override
    {
        if (Enter("IEvolution::SetPath", {ModelListArg(path)})) FPath = path;
    }

    bool Apply(TBodies& bodies, std::string& error) override
    {
        TSketchProfile profile;
        const bool surface = IsSurfaceKind(Kind());
        if (!ProfileFrom(FSketch, surface, profile, error)) return false;
        const TShape tool = Piped(profile.Shape, Path());
        if (!tool) {
            error = "the sweep has no path";
            return false;
        }
        const tvapi::tvOperationResultEnum result = IsCutKind(Kind()) ? tvapi::tvOperationCut : FResult;
        return ApplyTool(bodies, tool, result, surface, error);
    }
    void Write(json& out, const TRefer& refer) const override
    {
        json path = json::array();
        for (const TShape& piece : Path())
            path.push_back(BRepText(piece));
        out = {{"sketch", refer(FSketch.Get())},
               {"shift", FShift},
               {"result", FResult},
               {"chain", FChain},
               {"path", path}};
    }
    // The path comes back as the kernel curves it had: its objects are no part of the file.
    void Read(const json& in, const TFind& find) override
    {
        FSketch = find(in.at("sketch").get<int>());
        FShift = static_cast<tvapi::tvEvolutionShiftSketchTypeEnum>(in.at("shift").get<int>());
        FResult = static_cast<tvapi::tvOperationResultEnum>(in.at("result").get<int>());
        FChain = in.at("chain").get<bool>();
        FPath.clear();
        FPathShapes.clear();
        for (const json& piece : in.at("path"))
            FPathShapes.push_back(ShapeOfFileText(piece.get<std::string>(), "a sweep's path"));
    }

private:
    std::vector<TShape> Path() const
    {
        if (FPath.empty()) return FPathShapes;
        std::vector<TShape> path;
        for (const tvapi::IModelObjectPtr& piece : FPath)
            path.push_back(CurveShapeOf(piece));
        return path;
    }

protected:
    // Built from its sketch and its path.
    std::vector<tvapi::IModelObjectPtr> Parents() override
    {
        std::vector<tvapi::IModelObjectPtr> parents;
        if (FSketch) parents.push_back(FSketch);
        parents.insert(parents.end(), FPath.begin(), FPath.end());
        return parents;
    }

private:
    tvapi::IModelObjectPtr FSketch;
    tvapi::tvEvolutionShiftSketchTypeEnum FShift = tvapi::tvEvShiftOrtogonal;
    tvapi::tvOperationResultEnum FResult = tvapi::tvOperationUnion;
    bool FChain = false;
    std::vector<tvapi::IModelObjectPtr> FPath;
    std::vector<TShape> FPathShapes;
};

template <class T, class I>
tvapi::Ptr<I> Listed(tvapi::tvObj3dTypeEnum kind, const std::shared_ptr<TFeatureList>& list)
{
    const tvapi::Ptr<T> feature = New<T>(kind, list);
    list->Append(tvapi::IModelObjectPtr(feature), *feature, kind);
    return tvapi::Ptr<I>(feature);
}

} // namespace

bool ExtrusionSideOf(const tvapi::IModelObjectPtr& feature, int side, TExtrusionSide& out)
{
    THostExtrusion* extrusion = HostAs<THostExtrusion>(feature);
    return extrusion && (side == 0 || side == 1) && extrusion->Side(side, out);
}

tvapi::IExtrusionPtr NewExtrusion(tvapi::tvObj3dTypeEnum kind, const std::shared_ptr<TFeatureList>& list)
{
    return Listed<THostExtrusion, tvapi::IExtrusion>(kind, list);
}

tvapi::IRotatedPtr NewRotated(tvapi::tvObj3dTypeEnum kind, const std::shared_ptr<TFeatureList>& list)
{
    return Listed<THostRotated, tvapi::IRotated>(kind, list);
}

tvapi::IEvolutionPtr NewEvolution(tvapi::tvObj3dTypeEnum kind, const std::shared_ptr<TFeatureList>& list)
{
    return Listed<THostEvolution, tvapi::IEvolution>(kind, list);
}

} // namespace tvhost

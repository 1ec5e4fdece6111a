#pragma once
// The feature list of a stand-in part: its features in model-tree order and the bodies the
// kernel builds from them. A feature counts once first updated; an update of the feature
// after the last one counted applies that feature alone to the bodies built so far, any
// other update builds everything again from the part's base bodies. A feature that cannot
// be built leaves the bodies as they were and reports itself not valid. 3D macros and user
// objects are kept with the features but never built.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "HostKernel.h"
#include "HostModelObject.h"
#include "tvapi/Features3D.h"

namespace tvhost {

// The list's own kinds of the features that have no kind of a model object of their own
// (they answer o3d_unknown): they tell them apart in part files.
inline constexpr tvapi::tvObj3dTypeEnum ListKindBoolean = tvapi::o3d_unknown;
inline constexpr auto ListKindPatch = static_cast<tvapi::tvObj3dTypeEnum>(-2);
inline constexpr auto ListKindRuled = static_cast<tvapi::tvObj3dTypeEnum>(-3);
inline constexpr auto ListKindCopy = static_cast<tvapi::tvObj3dTypeEnum>(-4);
inline constexpr auto ListKindThickening = static_cast<tvapi::tvObj3dTypeEnum>(-5);
inline constexpr auto ListKindTrimmed = static_cast<tvapi::tvObj3dTypeEnum>(-6);
inline constexpr auto ListKindBillet = static_cast<tvapi::tvObj3dTypeEnum>(-7);
inline constexpr auto ListKindFaceSplit = static_cast<tvapi::tvObj3dTypeEnum>(-8);

// What a part's features make, in the part's own coordinates.
struct TBodies {
    std::vector<TShape> Solids;
    std::vector<TShape> Surfaces;
};

// Whether `params` (a feature's, as written) holds a number that is not finite: such a size
// builds nothing and no file can hold it.
bool HasNonFiniteNumber(const nlohmann::json& params);
// The parameters as a file keeps them: every number that is not finite written as 0.
nlohmann::json FiniteNumbers(nlohmann::json params);

// The reason a feature with a size that is not finite gives.
inline constexpr const char* NonFiniteSize = "a size is not a finite number";

// One feature as the list builds it.
class TFeatureStep {
public:
    // Changes `bodies` by the feature; false, `bodies` untouched, when it cannot be built,
    // with the reason in `error`.
    virtual bool Apply(TBodies& bodies, std::string& error) = 0;
    // Told after each build whether the feature is built.
    virtual void SetBuilt(bool built) = 0;
    // The feature's parameters for a part file, objects it refers to by `refer`: a sketch's
    // index among the part's sketches (-1 for none). Read takes them back, objects by `find`;
    // it throws std::exception for parameters it cannot read.
    using TRefer = std::function<int(const tvapi::IModelObject*)>;
    using TFind = std::function<tvapi::IModelObjectPtr(int)>;
    virtual void Write(nlohmann::json& out, const TRefer& refer) const = 0;
    virtual void Read(const nlohmann::json& in, const TFind& find) = 0;
    // The feature's name, not journaled.
    virtual std::wstring& StepName() = 0;
    // An excluded feature is passed over when the list builds.
    virtual bool StepExcluded() const { return false; }
    virtual void SetStepExcluded(bool) {}
    // The variables the feature keeps.
    virtual std::vector<tvapi::IVariablePtr>& StepVariables() = 0;

protected:
    ~TFeatureStep() = default;
};

class TFeatureList {
public:
    // Hands the built bodies to the part.
    using TPublish = std::function<void(const TBodies&)>;
    // The index of a body object among the part's bodies now; -1 for another part's.
    using TBodyIndex = std::function<int(const tvapi::IModelObject*)>;

    TFeatureList(TPublish publish, TBodyIndex bodyIndex);
    TFeatureList(const TFeatureList&) = delete;
    TFeatureList& operator=(const TFeatureList&) = delete;

    // The part's face objects for kernel faces (part coordinates), those it has now.
    using TFaceObjects = std::function<std::vector<tvapi::IModelObjectPtr>(const std::vector<TShape>&)>;
    void SetFaceObjects(TFaceObjects faces) { FFaceObjects = std::move(faces); }
    // A body the part has before any feature (given directly or read with the part).
    void AddBase(TShape solid);
    // A new feature of `kind` at the end of the list, not yet counted.
    void Append(tvapi::IModelObjectPtr object, TFeatureStep& step, tvapi::tvObj3dTypeEnum kind);
    // The update of `step`: builds it alone when it follows the last feature counted,
    // otherwise builds the whole list. Its own answer.
    bool Evaluate(TFeatureStep& step);
    // Builds the whole list from the base bodies.
    void RebuildAll();
    // The part's bodies changed outside its features: the built bodies become `solids` (part
    // coordinates), so a feature added next builds on them. A full build does not repeat the
    // change.
    void Reshaped(const std::vector<TShape>& solids) { FBuilt.Solids = solids; }
    // Counts `step` as updated without building it (a part read from its file).
    void Count(const TFeatureStep& step);
    // Whether the feature has been updated.
    bool Counted(const tvapi::IModelObject* feature) const;
    // The kind the feature was appended with; o3d_unknown for another object.
    tvapi::tvObj3dTypeEnum KindOf(const tvapi::IModelObject* feature) const;
    const std::vector<TShape>& Base() const noexcept { return FBase; }

    int BodyIndex(const tvapi::IModelObject* body) const { return FBodyIndex ? FBodyIndex(body) : -1; }
    const TBodies& Built() const noexcept { return FBuilt; }
    // Kernel builds of single features since the list was made: one per feature applied.
    long Evaluations() const noexcept { return FEvaluations; }
    // The features in model-tree order, counted or not; of the kinds `kinds` only, unless empty.
    std::vector<tvapi::IModelObjectPtr> Features(const std::vector<tvapi::tvObj3dTypeEnum>& kinds = {}) const;
    // Why the feature's last build failed; empty after a success or for another object.
    std::string ErrorOf(const tvapi::IModelObject* feature) const;
    // The faces the feature's last build made that the part still has, as its face objects.
    std::vector<tvapi::IModelObjectPtr> FacesOf(const tvapi::IModelObject* feature) const;
    // A feature read from a file that was kept with sizes no file can hold (HostFeatureFile.h):
    // it fails with `reason` for as long as its parameters stay as they were read.
    void Refuse(const TFeatureStep& step, std::string reason);
    // The reason the feature is refused so, empty when it is not.
    std::string RefusalOf(const TFeatureStep& step);
    std::vector<tvapi::IModelObjectPtr>& Macros() noexcept { return FMacros; }
    std::vector<tvapi::IModelObjectPtr>& UserObjects() noexcept { return FUserObjects; }

private:
    struct TEntry {
        tvapi::IModelObjectPtr Object;
        TFeatureStep* Step = nullptr;
        tvapi::tvObj3dTypeEnum Kind = tvapi::o3d_unknown;
        bool Counted = false;
        std::string Error;
        std::string Refused;
        std::string RefusedParams; // as text
        std::vector<TShape> Faces; // made by its last build
    };
    bool Build(TEntry& entry);
    TEntry* Find(const TFeatureStep& step);

    TPublish FPublish;
    TBodyIndex FBodyIndex;
    TFaceObjects FFaceObjects;
    std::vector<TShape> FBase;
    std::vector<TEntry> FEntries;
    TBodies FBuilt;
    std::size_t FDone = 0; // entries up to here are in FBuilt
    long FEvaluations = 0;
    std::vector<tvapi::IModelObjectPtr> FMacros;
    std::vector<tvapi::IModelObjectPtr> FUserObjects;
};

using TFeatureListRef = std::weak_ptr<TFeatureList>;

// A body a feature works on: one of the part's own bodies by its index among them, followed
// as the features before change it, or another part's body copied as it was when given.
struct TBodyOperand {
    int Index = -1;
    TShape Shape;

    // `body` as an operand of a feature of `list`'s part: by index when it is the part's own,
    // else its shape (null for an object that is no body).
    static TBodyOperand Of(const TFeatureList* list, const tvapi::IModelObject* body);
    // Its shape among `bodies`; null for an index outside them or no shape.
    TShape ShapeIn(const TBodies& bodies) const;
    // {"index": i} or {"brep": text} in a part file; FromJson throws std::exception for neither.
    nlohmann::json Json() const;
    static TBodyOperand FromJson(const nlohmann::json& in);
};

// A feature of a part's list, journaled as model object and feature; its update asks the
// list to build it. Not valid until built.
template <class... I> class THostListedFeature : public THostFeatureOf<I...>, public TFeatureStep {
public:
    THostListedFeature(tvapi::tvObj3dTypeEnum type, TFeatureListRef list)
        : THostFeatureOf<I...>(type), FList(std::move(list))
    {
        this->SetState(false, false, false);
    }
    void SetBuilt(bool built) override { this->SetState(built, this->Excluded(), false); }
    std::wstring& StepName() override { return this->FName; }
    bool StepExcluded() const override { return this->Excluded(); }
    void SetStepExcluded(bool excluded) override { this->SetExcludedDirect(excluded); }
    std::vector<tvapi::IVariablePtr>& StepVariables() override { return this->Variables(); }

protected:
    bool Rebuild() override
    {
        const std::shared_ptr<TFeatureList> list = FList.lock();
        return list && list->Evaluate(*this);
    }
    std::shared_ptr<TFeatureList> List() const { return FList.lock(); }
    // Its faces: those its last build made that the part still has.
    std::vector<tvapi::IModelObjectPtr> ObjectsOf(tvapi::tvObj3dTypeEnum kind) override
    {
        const std::shared_ptr<TFeatureList> list = FList.lock();
        if (!list || kind != tvapi::o3d_face) return {};
        return list->FacesOf(static_cast<const tvapi::IModelObject*>(this));
    }

private:
    TFeatureListRef FList;
};

// The kernel curve of a path or boundary object: a built 3D segment or helix, or an edge of
// a body; null for anything else.
TShape CurveShapeOf(const tvapi::IModelObjectPtr& object);

// What a solid or surface tool does to the bodies: a surface is added to the surfaces; a
// new body is added; a union fuses it with every body it touches into the first of them (a
// body of its own when it touches none); a cut takes it from every body it meets (a body cut
// away entirely goes); an intersection keeps the part of the last body inside it. False, `bodies` untouched,
// when the kernel fails, the result is not valid, or there is no body to cut or intersect.
bool ApplyTool(TBodies& bodies, const TShape& tool, tvapi::tvOperationResultEnum result, bool surface,
               std::string& error);

} // namespace tvhost

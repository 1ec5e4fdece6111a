#pragma once
// Dimensions the stand-in generates for what drives a part's shape, when asked to show them
// (ISymbols3DContainer::CreateGenerativeDimensions):
// - a sketch's linear dimension that carries a variable (a dimension constraint naming one)
//   gives an o3d_SketchLinearDimension with the 2D dimension's length and deviation texts,
//   driven by the sketch's variable of that name;
// - an extrusion gives an o3d_OperationLinearDimension per side it goes a depth along, driven
//   by a variable of the extrusion ("H<n>", "H<n>_2" for the reverse side of the n-th
//   feature); its edges are a straight edge of the profile where the side starts, the same
//   edge where it ends and the edge joining their first ends;
// - a 3D point gives two o3d_baselineDimension3D for its X and Y, driven by the point's fifth
//   and sixth variables (the point's variables are, in order: its symbol, the symbol's size,
//   its angle, its Z, its X and its Y).
// A generated dimension is a feature whose owner is the sketch, extrusion or point; an update
// measures it again. Part files keep those of sketches and extrusions (with their texts,
// placement, hidden flag and their variable's expression), not those of points.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "HostDimensions.h"
#include "HostTopology.h"
#include "tvapi/Model3D.h"

namespace tvhost {

class THostPart;
class THostSketch;

class THostGeneratedDimension;
using THostGeneratedDimensionPtr = tvapi::Ptr<THostGeneratedDimension>;
using TGeneratedList = std::vector<THostGeneratedDimensionPtr>;
using TGeneratedListRef = std::weak_ptr<TGeneratedList>;

// Journaled as the 3D dimension it is, "IDimensionParams::<operation>" and as feature.
class THostGeneratedDimension final : public THostDimension3DOf<TGeneratedDimensionBase> {
public:
    // What the dimension measures.
    enum class TSource { gsSketch, gsOperation, gsPointX, gsPointY };

    THostGeneratedDimension(tvapi::tvObj3dTypeEnum kind, TSource source, tvapi::IModelObjectPtr owner,
                            tvapi::IVariablePtr variable, std::wstring key);

    int GetArrowType1() override { return Int("IDimensionParams::GetArrowType1", "ArrowType1"); }
    void SetArrowType1(int value) override { Set("IDimensionParams::SetArrowType1", "ArrowType1", value); }
    int GetArrowType2() override { return Int("IDimensionParams::GetArrowType2", "ArrowType2"); }
    void SetArrowType2(int value) override { Set("IDimensionParams::SetArrowType2", "ArrowType2", value); }
    bool GetArrowOn1() override { return Int("IDimensionParams::GetArrowOn1", "ArrowOn1") != 0; }
    void SetArrowOn1(bool value) override { Set("IDimensionParams::SetArrowOn1", "ArrowOn1", value); }
    bool GetArrowOn2() override { return Int("IDimensionParams::GetArrowOn2", "ArrowOn2") != 0; }
    void SetArrowOn2(bool value) override { Set("IDimensionParams::SetArrowOn2", "ArrowOn2", value); }
    tvapi::tvDimensionTextPosEnum GetTextPos() override
    {
        return static_cast<tvapi::tvDimensionTextPosEnum>(Int("IDimensionParams::GetTextPos", "TextPos"));
    }
    void SetTextPos(tvapi::tvDimensionTextPosEnum value) override
    {
        Set("IDimensionParams::SetTextPos", "TextPos", value);
    }
    tvapi::tvDimensionBaseEnum GetTextBase() override
    {
        return static_cast<tvapi::tvDimensionBaseEnum>(Int("IDimensionParams::GetTextBase", "TextBase"));
    }
    void SetTextBase(tvapi::tvDimensionBaseEnum value) override
    {
        Set("IDimensionParams::SetTextBase", "TextBase", value);
    }
    int GetTextShift() override { return Int("IDimensionParams::GetTextShift", "TextShift"); }
    void SetTextShift(int value) override { Set("IDimensionParams::SetTextShift", "TextShift", value); }
    double GetShelfLength() override { return Real("IDimensionParams::GetShelfLength", "ShelfLength"); }
    void SetShelfLength(double value) override
    {
        Set("IDimensionParams::SetShelfLength", "ShelfLength", value);
    }
    double GetShelfAngle() override { return Real("IDimensionParams::GetShelfAngle", "ShelfAngle"); }
    void SetShelfAngle(double value) override { Set("IDimensionParams::SetShelfAngle", "ShelfAngle", value); }

    // Test side, not journaled.
    TSource Source() const noexcept { return FSource; }
    const tvapi::IModelObjectPtr& Owner() const noexcept { return FOwner; }
    const tvapi::IVariablePtr& Variable() const noexcept { return FVariable; }
    // The variable's name for a sketch's dimension, the side ("0", "1") for an operation's.
    const std::wstring& Key() const noexcept { return FKey; }
    // Measures again without a journal entry.
    void Measure();

protected:
    bool Rebuild() override;
    tvapi::IFeaturePtr OwnerFeature() override;
    std::vector<tvapi::IModelObjectPtr> ObjectsOf(tvapi::tvObj3dTypeEnum kind) override;

private:
    int Int(const char* op, const char* name);
    double Real(const char* op, const char* name);
    void Set(const char* op, const char* name, double value);
    void Set(const char* op, const char* name, int value);
    void Set(const char* op, const char* name, bool value);

    TSource FSource;
    std::array<TXyz, 6> FEdgeEnds{};
    THostBodyPtr FEdges;
    tvapi::IModelObjectPtr FOwner;
    tvapi::IVariablePtr FVariable;
    std::wstring FKey;
};

// A host object whose generated dimensions are its sub-features (a 3D point): it finds them
// in its part's list, held weakly so that neither keeps the other.
class TGeneratedOwner {
public:
    void AttachGenerated(TGeneratedListRef list) { FGeneratedList = std::move(list); }

protected:
    ~TGeneratedOwner() = default;
    // Those of the list whose owner is `self`, in order.
    std::vector<tvapi::IFeaturePtr> Generated(const tvapi::IAPIObject* self) const;

private:
    TGeneratedListRef FGeneratedList;
};

class THostLineDimension;

// The variable a linear dimension of a drawing or sketch carries, over the dimension (its
// name, expression, note and external flag kept in the dimension's parameters, its value the
// dimension's length); empty when it carries none. Listed by the sketch as a model object
// of kind o3d_variable.
tvapi::IVariablePtr DimensionVariableOf(THostLineDimension& dimension);
// The sketch's variables: those of its linear dimensions, views in order.
std::vector<tvapi::IVariablePtr> SketchVariables(THostSketch& sketch);

// Makes the generated dimensions of `object` into `part`'s list (nothing made twice);
// false when it is no sketch, feature or point of the part.
bool GenerateDimensions(THostPart& part, const tvapi::IModelObjectPtr& object, bool fromSketchesToo);
// The variable of a generated dimension; empty for another object.
tvapi::IVariablePtr GeneratedVariableOf(const tvapi::IDimension3DPtr& dimension);

// A generated dimension read from a part file whose extrusion gives no side to measure (it
// fails to build, or goes no set depth): the file's record, written back as it was read while
// its extrusion stays in the part and no dimension of that side is made again, at its place
// among the part's generated dimensions (before the one of that number in the part's list),
// so that stored references keep their numbers.
struct TUnbuiltGenerated {
    tvapi::IModelObjectPtr Feature;
    std::wstring Key;
    std::string Record; // its text, without its owner
    std::size_t Place;
};

// The generated dimensions a part file keeps, in its order: those of sketches and extrusions
// still in the part, each with its owner's kind ("sketch" or "feature") and index there; a
// record kept unbuilt has no dimension.
struct TKeptGenerated {
    THostGeneratedDimensionPtr Dimension;
    const char* OwnerKind;
    long OwnerIndex;
    const TUnbuiltGenerated* Unbuilt = nullptr;
};
std::vector<TKeptGenerated> KeptGeneratedDimensions(THostPart& part);

// The generated dimensions of sketches and extrusions for a part file, and made again from
// it after the part's sketches and features are read (records whose sketch, feature or
// variable is gone, or that repeat one, are left out and noted, HostLoadNotices.h).
nlohmann::json GeneratedDimensionsJson(THostPart& part);
void LoadGeneratedDimensions(THostPart& part, const nlohmann::json& dimensions);

} // namespace tvhost

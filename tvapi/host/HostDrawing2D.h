#pragma once
// The drawing of a stand-in 2D document: its views (each a container of drawing objects
// with its layers), macro objects (containers inside a view), groups with the stack of open
// groups, and the stack of local placements. A drawing starts with its system view,
// number 0, which is the active view until another view is added.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "HostDimensions.h"
#include "HostDrawingObject.h"
#include "HostLocalPlacement.h"
#include "HostPrimitives2D.h"
#include "HostSigns.h"
#include "tvapi/AssociationView.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/Model3D.h"

namespace tvhost {

class THostView;
class THostDrawingGroup;
using THostViewPtr = tvapi::Ptr<THostView>;
using THostDrawingGroupPtr = tvapi::Ptr<THostDrawingGroup>;

tvapi::IMacroObjectsPtr MakeMacroObjects(TContainerCore& container, tvapi::IAPIObjectPtr keep);

// A drawing object that is also a container: a view or a macro object. Journaled as
// "IDrawingContainer::<operation>" and "ISymbols2DContainer::<operation>"; a container
// that can take no objects gives no collections.
template <class IMain, class... IOthers>
class THostContainerOf
    : public THostDrawingObjectOf<IMain, IOthers..., tvapi::IDrawingContainer, tvapi::ISymbols2DContainer>,
      public TContainerCore {
public:
    tvapi::ILineSegmentsPtr GetLineSegments() override
    {
        return Collection<tvapi::ILineSegments, THostLineSegment, tvapi::ILineSegment>(
            "IDrawingContainer::GetLineSegments", "ILineSegments::Add");
    }
    tvapi::IArcsPtr GetArcs() override
    {
        return Collection<tvapi::IArcs, THostArc, tvapi::IArc>("IDrawingContainer::GetArcs", "IArcs::Add");
    }
    tvapi::ICirclesPtr GetCircles() override
    {
        return Collection<tvapi::ICircles, THostCircle, tvapi::ICircle>("IDrawingContainer::GetCircles",
                                                                        "ICircles::Add");
    }
    tvapi::IEllipsesPtr GetEllipses() override
    {
        return Collection<tvapi::IEllipses, THostEllipse, tvapi::IEllipse>("IDrawingContainer::GetEllipses",
                                                                           "IEllipses::Add");
    }
    tvapi::IDrawingTextsPtr GetDrawingTexts() override
    {
        return Collection<tvapi::IDrawingTexts, THostDrawingText, tvapi::IDrawingText>(
            "IDrawingContainer::GetDrawingTexts", "IDrawingTexts::Add");
    }
    tvapi::IHatchesPtr GetHatches() override
    {
        return Collection<tvapi::IHatches, THostHatch, tvapi::IHatch>("IDrawingContainer::GetHatches",
                                                                      "IHatches::Add");
    }
    tvapi::IPointsPtr GetPoints() override
    {
        return Collection<tvapi::IPoints, THostPoint, tvapi::IPoint>("IDrawingContainer::GetPoints",
                                                                     "IPoints::Add");
    }
    tvapi::IColouringsPtr GetColourings() override
    {
        return Collection<tvapi::IColourings, THostColouring, tvapi::IColouring>(
            "IDrawingContainer::GetColourings", "IColourings::Add");
    }
    tvapi::IMacroObjectsPtr GetMacroObjects() override
    {
        return Collection("IDrawingContainer::GetMacroObjects", MakeMacroObjects);
    }
    tvapi::DrawingObjectList GetObjects(tvapi::DrawingObjectTypeEnum type) override
    {
        if (!THostObject::Enter("IDrawingContainer::GetObjects", {std::to_string(type)})) return {};
        return Objects(type);
    }
    tvapi::ICutLinesPtr GetCutLines() override
    {
        return Collection<tvapi::ICutLines, THostCutLine, tvapi::ICutLine>("ISymbols2DContainer::GetCutLines",
                                                                           "ICutLines::Add");
    }
    tvapi::ILeadersPtr GetLeaders() override
    {
        return Collection("ISymbols2DContainer::GetLeaders", MakeLeaders);
    }
    tvapi::ILineDimensionsPtr GetLineDimensions() override
    {
        return Collection<tvapi::ILineDimensions, THostLineDimension, tvapi::ILineDimension>(
            "ISymbols2DContainer::GetLineDimensions", "ILineDimensions::Add");
    }
    tvapi::IDiametralDimensionsPtr GetDiametralDimensions() override
    {
        return Collection("ISymbols2DContainer::GetDiametralDimensions", MakeDiametralDimensions);
    }
    tvapi::IAngleDimensionsPtr GetAngleDimensions() override
    {
        return Collection("ISymbols2DContainer::GetAngleDimensions", MakeAngleDimensions);
    }
    tvapi::IRoughsPtr GetRoughs() override
    {
        return Collection("ISymbols2DContainer::GetRoughs", MakeRoughs);
    }
    tvapi::IBasesPtr GetBases() override { return Collection("ISymbols2DContainer::GetBases", MakeBases); }
    tvapi::ITolerancesPtr GetTolerances() override
    {
        return Collection("ISymbols2DContainer::GetTolerances", MakeTolerances);
    }
    tvapi::IViewPointersPtr GetViewPointers() override
    {
        return Collection("ISymbols2DContainer::GetViewPointers", MakeViewPointers);
    }

    tvapi::ITervanAPIObjectPtr AsParent() override
    {
        return tvapi::ITervanAPIObjectPtr(this->DrawingObject());
    }
    TContainerCore* AsContainer() noexcept override { return this; }

protected:
    using Base =
        THostDrawingObjectOf<IMain, IOthers..., tvapi::IDrawingContainer, tvapi::ISymbols2DContainer>;
    explicit THostContainerOf(tvapi::DrawingObjectTypeEnum type) noexcept : Base(type) {}

private:
    template <class R> R Collection(std::string_view op, R (*make)(TContainerCore&, tvapi::IAPIObjectPtr))
    {
        if (!THostObject::Enter(op)) return {};
        if (!CanAdd()) return {};
        return make(*this, tvapi::IAPIObjectPtr(this->DrawingObject()));
    }
    // The plain collection whose Add (journaled as addOp) makes a TObject here.
    template <class ICollection, class TObject, class IItem>
    tvapi::Ptr<ICollection> Collection(std::string_view op, const char* addOp)
    {
        if (!THostObject::Enter(op)) return {};
        if (!CanAdd()) return {};
        return MakeCollection<ICollection, TObject, IItem>(*this, tvapi::IAPIObjectPtr(this->DrawingObject()),
                                                           addOp);
    }
};

class TDrawing2D {
public:
    using TPlacement = TLocalPlacement;

    TDrawing2D();
    // Detaches views and groups: those a library still holds take no more objects.
    ~TDrawing2D();
    TDrawing2D(const TDrawing2D&) = delete;
    TDrawing2D& operator=(const TDrawing2D&) = delete;

    const std::vector<THostViewPtr>& Views() const noexcept { return FViews; }
    THostView& ActiveView() const noexcept { return *FViews[FActive]; }
    void SetActiveView(std::size_t index) noexcept;
    // A new view numbered one above the highest, made active; empty when the highest number
    // is the largest an int holds.
    THostViewPtr AddView(tvapi::LtViewType type);
    // A new view numbered `number`, made active.
    THostViewPtr AddView(tvapi::LtViewType type, int number);

    const std::vector<THostDrawingGroupPtr>& Groups() const noexcept { return FGroups; }
    THostDrawingGroupPtr AddGroup(bool temporary, std::wstring name);
    // Host id of the innermost open group; 0 when none is open.
    std::uint64_t OpenGroupId() const noexcept;
    THostDrawingGroup* OpenGroup() const noexcept { return FOpen.empty() ? nullptr : FOpen.back(); }
    bool OpenGroup(THostDrawingGroup& group);
    bool CloseGroup(THostDrawingGroup& group);

    // The local placements open, outermost first.
    const std::vector<TPlacement>& Placements() const noexcept { return FPlacements; }
    void PushPlacement(const TPlacement& placement) { FPlacements.push_back(placement); }
    // Closes the innermost placement; the objects made under it that are not mapped yet are
    // mapped now, with whatever was set on them meanwhile. False when none is open.
    bool PopPlacement();
    // Notes an object just made: under open placements it is to be mapped through them.
    void MadeUnderPlacements(TDrawingCore& object);

private:
    std::vector<THostViewPtr> FViews;
    std::size_t FActive = 0;
    std::vector<THostDrawingGroupPtr> FGroups;
    std::vector<THostDrawingGroup*> FOpen;
    std::vector<TPlacement> FPlacements;
    // Objects made under the open placements and not mapped yet, oldest first.
    std::vector<tvapi::IDrawingObjectPtr> FUnplaced;
};

// A view: number, origin, scale, angle, name and display value as parameters ("Number",
// "X", "Y", "Scale", "Angle", "Name", "DisplayValue"), its layers, and its objects.
// An associative view keeps "ModelFile", "Projection", "Orientation" and the switches
// "VisibleLines" ... "Hatches"; the cut line of a section is its one boundary object.
class THostView final : public THostContainerOf<tvapi::IDrawingObject, tvapi::IView, tvapi::IAssociationView,
                                                tvapi::IAssociationViewElements> {
public:
    THostView(TDrawing2D& drawing, tvapi::LtViewType type, int number);

    // Journaled as "IAssociationView::<operation>" and "IAssociationViewElements::<operation>".
    std::wstring GetModelFileName() override
    {
        return GetText("IAssociationView::GetModelFileName", "ModelFile");
    }
    void SetModelFileName(const wchar_t* v) override
    {
        SetText("IAssociationView::SetModelFileName", "ModelFile", v);
    }
    std::wstring GetProjectionName() override
    {
        return GetText("IAssociationView::GetProjectionName", "Projection");
    }
    void SetProjectionName(const wchar_t* v) override
    {
        SetText("IAssociationView::SetProjectionName", "Projection", v);
    }
    bool SetOrientation(const std::vector<double>& matrix) override;
    void SetCutLine(tvapi::IDrawingObjectPtr cutLine) override;
    tvapi::IDrawingObjectPtr GetCutLine() override;
    void SetVisibleLines(bool v) override
    {
        SetBool("IAssociationViewElements::SetVisibleLines", "VisibleLines", v);
    }
    void SetHiddenLines(bool v) override
    {
        SetBool("IAssociationViewElements::SetHiddenLines", "HiddenLines", v);
    }
    void SetTangentEdges(bool v) override
    {
        SetBool("IAssociationViewElements::SetTangentEdges", "TangentEdges", v);
    }
    void SetThreads(bool v) override { SetBool("IAssociationViewElements::SetThreads", "Threads", v); }
    void SetCentreLines(bool v) override
    {
        SetBool("IAssociationViewElements::SetCentreLines", "CentreLines", v);
    }
    void SetHatches(bool v) override { SetBool("IAssociationViewElements::SetHatches", "Hatches", v); }

    // Journaled as "IView::<operation>".
    int GetNumber() override { return GetInt("IView::GetNumber", "Number"); }
    void SetNumber(int value) override { SetInt("IView::SetNumber", "Number", value); }
    double GetX() override { return GetReal("IView::GetX", "X"); }
    void SetX(double value) override { SetReal("IView::SetX", "X", value); }
    double GetY() override { return GetReal("IView::GetY", "Y"); }
    void SetY(double value) override { SetReal("IView::SetY", "Y", value); }
    double GetScale() override { return GetReal("IView::GetScale", "Scale"); }
    void SetScale(double value) override { SetReal("IView::SetScale", "Scale", value); }
    double GetAngle() override { return GetReal("IView::GetAngle", "Angle"); }
    void SetAngle(double value) override { SetReal("IView::SetAngle", "Angle", value); }
    std::wstring GetName() override { return GetText("IView::GetName", "Name"); }
    void SetName(const wchar_t* value) override { SetText("IView::SetName", "Name", value); }
    int GetDisplayValue() override { return GetInt("IView::GetDisplayValue", "DisplayValue"); }
    void SetDisplayValue(int value) override { SetInt("IView::SetDisplayValue", "DisplayValue", value); }
    tvapi::ILayersPtr GetLayers() override;
    // As the view's SVG picture measures it (HostSvg.h).
    bool GetExtent(double& x1, double& y1, double& x2, double& y2) override;
    // Of a linear dimension of this view that carries a variable (HostGeneratedDimensions.h).
    tvapi::IVariablePtr GetDimensionVariable(tvapi::IDrawingObjectPtr dimension, bool linear) override;

    TDrawing2D* Drawing() const noexcept override { return FDrawing; }
    int CurrentLayer() const noexcept override { return FCurrentLayer; }

    // Test side, not journaled.
    tvapi::LtViewType ViewType() const noexcept { return FType; }
    // Layer numbers in creation order; layer 0 first.
    std::vector<int>& LayerNumbers() noexcept { return FLayers; }
    void SetCurrentLayer(int number) noexcept { FCurrentLayer = number; }
    void Detach() noexcept { FDrawing = nullptr; }

private:
    TDrawing2D* FDrawing;
    tvapi::LtViewType FType;
    std::vector<int> FLayers{0};
    int FCurrentLayer = 0;
};

// A macro object: a container inside its parent, with the user parameters of the library
// that made it ("FileName", "LibraryName", "Command", "UserParams") and its switches and
// placement ("Fixed", "Editable", "PlacementMode", "PlacementKind", "PlacementX" ...).
class THostMacroObject final : public THostContainerOf<tvapi::IMacroObject, tvapi::IUserParameters> {
public:
    THostMacroObject() noexcept : THostContainerOf(tvapi::tvDrMacro) {}

    // Journaled as "IMacroObject::<operation>" and "IUserParameters::<operation>".
    void SetFixed(bool value) override { SetBool("IMacroObject::SetFixed", "Fixed", value); }
    void SetEditable(bool value) override { SetBool("IMacroObject::SetEditable", "Editable", value); }
    void SetPlacement(int mode, int kind, double x, double y, double angle) override;
    tvapi::IDrawingObjectPtr FindElement(double x, double y, double tolerance,
                                         tvapi::ITervanAPIObjectPtr parameters) override;
    std::wstring GetIdentifier() override { return GetText("IUserParameters::GetIdentifier", "Identifier"); }
    void SetIdentifier(const wchar_t* value) override
    {
        SetText("IUserParameters::SetIdentifier", "Identifier", value);
    }
    std::wstring GetFileName() override { return GetText("IUserParameters::GetFileName", "FileName"); }
    void SetFileName(const wchar_t* value) override
    {
        SetText("IUserParameters::SetFileName", "FileName", value);
    }
    std::wstring GetLibraryName() override
    {
        return GetText("IUserParameters::GetLibraryName", "LibraryName");
    }
    void SetLibraryName(const wchar_t* value) override
    {
        SetText("IUserParameters::SetLibraryName", "LibraryName", value);
    }
    int GetCommand() override { return GetInt("IUserParameters::GetCommand", "Command"); }
    void SetCommand(int value) override { SetInt("IUserParameters::SetCommand", "Command", value); }
    std::vector<std::uint8_t> GetUserParams() override;
    void SetUserParams(const std::vector<std::uint8_t>& bytes) override;

    // The document of the parent; none for a macro object taken out of it.
    TDrawing2D* Drawing() const noexcept override;
    int CurrentLayer() const noexcept override;
    bool CanAdd() const noexcept override { return !IsDeleted() && Drawing() != nullptr; }
};

// A group of a 2D document ("Temporary", "Name"); it is a drawing object of its own.
class THostDrawingGroup final : public THostDrawingObjectOf<tvapi::IDrawingObject, tvapi::IDrawingGroup> {
public:
    THostDrawingGroup(TDrawing2D& drawing, bool temporary, std::wstring name);

    // Journaled as "IDrawingGroup::<operation>".
    bool Open() override;
    bool Close() override;
    bool Clear(bool deleteObjects) override;

    // Test side, not journaled.
    // The objects made in the group and not deleted, in creation order, views first.
    std::vector<TDrawingCore*> Members() const;
    bool IsTemporary() const noexcept { return Params().Flag("Temporary"); }
    bool IsOpen() const noexcept { return FOpen; }
    void Detach() noexcept { FDrawing = nullptr; }

private:
    friend class TDrawing2D;

    TDrawing2D* FDrawing;
    bool FOpen = false;
};

// The collections of a 2D document, each holding the document alive through `keep`.
tvapi::IViewsAndLayersManagerPtr MakeViewsAndLayersManager(TDrawing2D& drawing, tvapi::IAPIObjectPtr keep);
tvapi::IDrawingGroupsPtr MakeDrawingGroups(TDrawing2D& drawing, tvapi::IAPIObjectPtr keep);

} // namespace tvhost

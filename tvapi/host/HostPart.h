#pragma once
// A part of the stand-in host: its name and designation, its bodies and sketches, its
// placement in the assembly that holds it and, for an assembly, its components. The top part
// of every part or assembly document is one of these; a component is read from its document
// file.

#include <memory>
#include <string>
#include <vector>

#include "HostAuxGeometry.h"
#include "HostDimensions.h"
#include "HostFeatures.h"
#include "HostGeneratedDimensions.h"
#include "HostModelObject.h"
#include "HostPlacement.h"
#include "HostSketch.h"
#include "HostTopology.h"
#include "tvapi/Dimensions3D.h"
#include "tvapi/Measurement.h"
#include "tvapi/ModelContainer.h"
#include "tvapi/ModelSearch.h"
#include "tvapi/Part.h"
#include "tvapi/Symbols3D.h"

namespace tvhost {

class THostPart;
using THostPartPtr = tvapi::Ptr<THostPart>;
using TComponents = std::vector<THostPartPtr>;

// A part's mass (kg) is the volume of its bodies times this density unless set otherwise (a
// document's material sets it): steel, in kg/mm³.
inline constexpr double DefaultDensity = 7.85e-6;

// Journaled as "IPart::<operation>" and "IModelContainer::<operation>"; the rest as model
// object and feature. Lists its bodies (o3d_body), sketches (o3d_sketch), threads (o3d_thread)
// and the faces, edges and vertices of its bodies (numbered as part files number them); its
// components are its sub-features.
class THostPart final
    : public THostFeatureOf<tvapi::IPart, tvapi::IModelObject, tvapi::IAuxiliaryGeomContainer,
                            tvapi::IModelContainer, tvapi::ISurfaceContainer, tvapi::IMeasurementContainer,
                            tvapi::ISymbols3DContainer, tvapi::IFindObjects3D> {
public:
    THostPart();
    // Its components forget it: they may outlive it.
    ~THostPart() override;
    THostPart(const THostPart&) = delete;
    THostPart& operator=(const THostPart&) = delete;

    std::wstring GetName() override;
    void SetName(const wchar_t* name) override;
    std::wstring GetMarking() override;
    void SetMarking(const wchar_t* marking) override;
    // Bodies' volume times density plus the components' masses; a part without either
    // weighs what SetMass gave it.
    double GetMass() override;
    tvapi::IPlacement3DPtr GetPlacement() override;
    // The bodies move to the placement object's frame (as new body objects).
    bool UpdatePlacement(bool rebuild) override;
    tvapi::IPartsPtr GetParts() override;
    // Kept in part files with their values, expressions, notes and links (HostAssembly.cpp).
    tvapi::IVariablePtr AddVariable(const wchar_t* name, double value, const wchar_t* note) override;
    // In-place editing (HostPartInPlace.cpp): the stand-in edits the part where it is and
    // opens no document for it.
    tvapi::IOpenDocumentParamPtr GetOpenDocumentParam() override;
    tvapi::Ptr<tvapi::ITervanDocument3D> BeginEditOnPlace(tvapi::IOpenDocumentParamPtr param) override;
    bool EndEditOnPlace(bool keepChanges) override;
    // Auxiliary geometry (HostAuxGeometry.cpp).
    tvapi::IPlanes3DPtr GetPlanes3D() override;
    tvapi::IAxes3DPtr GetAxes3D() override;
    tvapi::IModelObjectPtr GetDefaultObject(tvapi::tvObj3dTypeEnum kind) override;
    // Points, segments, spirals and polylines (HostAuxCurves.cpp).
    tvapi::ILineSegments3DPtr GetLineSegments3D() override;
    tvapi::ISpirals3DPtr GetSpirals3D() override;
    tvapi::IPolyLines3DPtr GetPolyLines3D() override;
    tvapi::IPoints3DPtr GetPoints3D() override;
    tvapi::ISketchesPtr GetSketches() override;
    // HostConjunctivePoint.cpp, HostLocalSystems.cpp, HostFaceSplit.cpp.
    tvapi::IConjunctivePointsPtr GetConjunctivePoints() override;
    tvapi::ILocalCoordinateSystemsPtr GetLocalCoordinateSystems() override;
    tvapi::IFaceSplitsPtr GetFaceSplits() override;
    // Feature collections (HostFeatureCollections.cpp), journaled as "IModelContainer::<operation>"
    // and "ISurfaceContainer::<operation>".
    tvapi::IExtrusionsPtr GetExtrusions() override;
    tvapi::IRotatedsPtr GetRotateds() override;
    tvapi::IEvolutionsPtr GetEvolutions() override;
    tvapi::IBooleansPtr GetBooleans() override;
    tvapi::ICopiesGeometryPtr GetCopiesGeometry() override;
    tvapi::IMacroObjects3DPtr GetMacroObjects3D() override;
    tvapi::IUserObjects3DPtr GetUserObjects3D() override;
    tvapi::IExtrusionsPtr GetExtrusionSurfaces() override;
    tvapi::IRotatedsPtr GetRotatedSurfaces() override;
    tvapi::IEvolutionsPtr GetEvolutionSurfaces() override;
    tvapi::ISurfacePatchesPtr GetSurfacePatches() override;
    tvapi::IRuledSurfacesPtr GetRuledSurfaces() override;
    // Face and surface operations, billets and outline curves (HostFaceOperations.cpp); the
    // offset surfaces, face removers, sewers, scalings and 3D contours are empty.
    tvapi::IEquidistantSurfacesPtr GetEquidistantSurfaces() override;
    tvapi::ITrimmedSurfacesPtr GetTrimmedSurfaces() override;
    tvapi::IFaceRemoversPtr GetFaceRemovers() override;
    tvapi::ISurfaceSewersPtr GetSurfaceSewers() override;
    tvapi::ISurfaceThickeningsPtr GetSurfaceThickenings() override;
    tvapi::IScalings3DPtr GetScalings3D() override;
    tvapi::IBilletsObsoletesPtr GetBilletsObsoletes() override;
    tvapi::ICurveOutLinesPtr GetCurveOutLines() override;
    tvapi::IContours3DPtr GetContours3D() override;
    // Its measurements, made on first request (HostMeasure.cpp).
    tvapi::IDistanceMeasurementsPtr GetDistanceMeasurements() override;
    tvapi::IAngleMeasurementsPtr GetAngleMeasurements() override;
    // Its threads, features of its list that change no body (HostFeatureCollections.cpp),
    // journaled as "ISymbols3DContainer::<operation>".
    tvapi::IThreadsPtr GetThreads() override;
    // Faces, edges or vertices of its bodies near a point, where the bodies are (HostThreads.cpp).
    tvapi::IFindObjectParameters3DPtr GetFindObjectParameters() override;
    std::vector<tvapi::IModelObjectPtr> FindObjects(double x, double y, double z, double tolerance,
                                                    tvapi::IFindObjectParameters3DPtr parameters,
                                                    int all) override;
    // 3D symbols (HostDimensions3D.cpp), journaled as "ISymbols3DContainer::<operation>".
    tvapi::ILineDimensions3DPtr GetLineDimensions3D() override;
    bool CreateGenerativeDimensions(const std::vector<tvapi::IModelObjectPtr>& objects,
                                    bool fromSketchesToo) override;
    tvapi::IVariablePtr GetDimensionVariable(tvapi::IDimension3DPtr dimension) override;

    // Test side, not journaled.
    const std::wstring& Name() const noexcept { return FName; }
    const std::wstring& Marking() const noexcept { return FMarking; }
    void SetNameDirect(std::wstring name) { FName = std::move(name); }
    void SetMarkingDirect(std::wstring marking) { FMarking = std::move(marking); }
    double Mass() const;
    void SetMass(double mass) noexcept { FMass = mass; }
    double Density() const noexcept { return FDensity; }
    void SetDensity(double density) noexcept { FDensity = density; }
    // A body of `shape` given in the part's own coordinates; shown at the part's placement.
    // It comes before every feature when the features are built again.
    THostBodyPtr AddBody(TShape shape);
    // The features and what they built (HostFeatures.h).
    TFeatureList& Features() noexcept { return *FFeatures; }
    const std::shared_ptr<TFeatureList>& FeatureList() const noexcept { return FFeatures; }
    bool EditingInPlace() const noexcept { return FEditingInPlace; }
    const std::vector<THostBodyPtr>& Bodies() const noexcept { return FBodies; }
    // The shapes of the bodies in the part's own coordinates.
    const std::vector<TShape>& LocalShapes() const noexcept { return FShapes; }
    const TComponents& Components() const noexcept { return *FComponents; }
    // Adds `component` (made by ReadPartFile, HostDocumentFile.h) at the assembly's origin. It
    // keeps its component id unless it has none or a sibling holds it: then it gets the next
    // one past its siblings'.
    void AddComponent(THostPartPtr component);
    // The component's number among its assembly's components, kept in the assembly's file:
    // stored references name a component by it, wherever it stands in the list. 0 for a part
    // that is no component.
    int ComponentId() const noexcept { return FComponentId; }
    void SetComponentId(int id) noexcept { FComponentId = id; }
    THostPlacement& Placement() noexcept { return *FPlacement; }
    // Sets the placement to `frame` and takes it over, as UpdatePlacement does.
    void MoveTo(const TFrame& frame);
    // The placement as last taken over, in the coordinates of the assembly that holds it.
    const TFrame& Frame() const noexcept { return FFrame; }
    // The assembly part that holds this component; null for a top part or a removed one.
    THostPart* Parent() const noexcept { return FParent; }
    // The frame in the coordinates of the outermost assembly: the frames of every assembly
    // on the way composed. The bodies, faces, edges and vertices are there, so a nested
    // component moves with each assembly that holds it.
    TFrame AssemblyFrame() const;
    // `p`, given in this part's coordinates, into the coordinates of `assembly`, which holds
    // it at any depth (or is this part: `p` stays); false, `p` untouched, when it does not.
    bool PointInto(const THostPart& assembly, TXyz& p) const;
    // Where a component came from: its file as its assembly names it.
    const std::wstring& SourceFile() const noexcept { return FSourceFile; }
    // The component's file as it was read, an absolute name: what a save names relative to the
    // folder it writes into (HostDocumentFile.h).
    const std::wstring& ReadFrom() const noexcept { return FReadFrom; }
    void SetReadFrom(std::wstring file) noexcept { FReadFrom = std::move(file); }
    void SetSource(std::wstring file, bool external) noexcept
    {
        FSourceFile = std::move(file);
        FExternal = external;
    }
    bool IsExternal() const noexcept { return FExternal; }
    // Every body of the part and its components, where they are, the components' first.
    std::vector<TShape> PlacedShapes() const;
    // A new sketch at the end of the model tree.
    THostSketch& AddSketch(const std::wstring& name);
    THostAuxGeometry& AuxGeometry() noexcept { return FAux; }
    const std::vector<THostSketchPtr>& Sketches() const noexcept { return FSketches; }
    // The part's 3D dimensions in creation order.
    std::vector<THostModelDimensionPtr>& Dimensions3D() noexcept { return FDimensions3D; }
    // The sketches and features whose generative dimensions are shown, in the order asked.
    const std::vector<tvapi::IModelObjectPtr>& Generative() const noexcept { return FGenerative; }
    // The dimensions generated for them (HostGeneratedDimensions.h), in the order made.
    const std::shared_ptr<TGeneratedList>& Generated() const noexcept { return FGenerated; }
    // Those its file holds for extrusions that give nothing to measure, kept for the next save.
    std::vector<TUnbuiltGenerated>& UnbuiltGenerated() noexcept { return FUnbuiltGenerated; }

protected:
    // Of o3d_unknown: the model tree, bodies, sketches, construction planes and axes.
    std::vector<tvapi::IModelObjectPtr> ObjectsOf(tvapi::tvObj3dTypeEnum kind) override;
    std::vector<tvapi::IFeaturePtr> SubFeatures() override;

private:
    // New body objects at AssemblyFrame(), keeping their colours; then the components'.
    void PlaceBodies();
    // PlaceBodies when the assembly frame is no longer where the bodies are.
    void FollowAssembly();
    // The bodies become `built`'s solids; colours stay by index.
    void TakeBuilt(const TBodies& built);
    std::vector<tvapi::IModelObjectPtr> ModelTree() const;

    std::wstring FMarking;
    double FMass = 0.0;
    double FDensity = DefaultDensity;
    std::vector<TShape> FShapes;
    std::vector<THostBodyPtr> FBodies;
    std::shared_ptr<TComponents> FComponents = std::make_shared<TComponents>();
    THostPlacementPtr FPlacement;
    TFrame FFrame;
    TFrame FPlacedAt; // where the bodies are: AssemblyFrame() when they were last placed
    THostPart* FParent = nullptr;
    int FComponentId = 0;
    std::wstring FSourceFile;
    std::wstring FReadFrom;
    bool FExternal = false;
    std::vector<THostSketchPtr> FSketches;
    THostAuxGeometry FAux;
    std::shared_ptr<TFeatureList> FFeatures;
    bool FEditingInPlace = false;
    tvapi::IDistanceMeasurementsPtr FDistances;
    tvapi::IAngleMeasurementsPtr FAngles;
    std::vector<THostModelDimensionPtr> FDimensions3D;
    std::vector<tvapi::IModelObjectPtr> FGenerative;
    std::shared_ptr<TGeneratedList> FGenerated = std::make_shared<TGeneratedList>();
    std::vector<TUnbuiltGenerated> FUnbuiltGenerated;
};

} // namespace tvhost

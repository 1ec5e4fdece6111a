// ==== drApi::TModelerApi (drModelerAPI.h), part: composite 2D objects and groups ================
// The facade's composite 2D objects: completion of the innermost open hatch, colouring,
// leader, cut line, tolerance frame or 3D polyline (drEndObj), the openers of colourings
// and 3D polylines, nested 2D macro objects that take everything drawn meanwhile, and
// drawing groups of the current 2D document.

#include "drModelerAPI.h"

#include <string>
#include <vector>

#include "tvapi/DrawingPrimitives.h"

namespace drApi {

namespace {

constexpr int MacroPlacementMode = 0;
constexpr int MacroPlacementKind = 1;

void EndCutLine(TRegistryApi& r, TRegistryModeler2D& r2)
{
    if (!r.CutLine) return;
    std::vector<double> points;
    points.reserve(static_cast<std::size_t>(2 * r.APoints.Count));
    for (Integer i = 0; i < r.APoints.Count; ++i) {
        points.push_back(r.APoints[i].x);
        points.push_back(r.APoints[i].y);
    }
    r.CutLine->SetPoints(points);
    r.CutLine->Update();
    r.Obj3D = r.CutLine;
    r2.CurDrawingObject = r.CutLine;
    r.CutLine.Reset();
    r.APoints.Clear();
}

void EndLeader(TRegistryApi& r)
{
    if (!r.Leader) return;
    if (const tvapi::IBaseLeaderPtr leader(r.Leader); leader) leader->Update();
    r.Leader.Reset();
}

void EndTolerance(TRegistryApi& r)
{
    if (!r.Tolerance) return;
    r.Tolerance->Update();
    r.Entity2D = r.Tolerance;
    r.Tolerance.Reset();
}

void EndHatch(TRegistryApi& r)
{
    if (!r.Hatch) return;
    r.Hatch->Update();
    r.BoundariesObject.Reset();
    r.Hatch.Reset();
}

void EndColouring(TRegistryApi& r)
{
    if (r.Colouring) {
        r.Colouring->Update();
        r.Colouring.Reset();
    }
    r.BoundariesObject.Reset();
}

} // namespace

// ---- Completion ---------------------------------------------------------------------------------

void TModelerApi::drEndObj()
{
    // A hatch outline collected through the modeller's own drHatch ends here: without this
    // the collector would keep everything drawn after it.
    if (OutputContour() == R2->HatchContour.get()) {
        R2->AContour.Pop();
        return;
    }
    TArrayOf<TCommand>& kinds = R2->APrevCommand;
    if (OutputContour() != nullptr || kinds.Count == 0) return;
    TRegistryApi& r = *R3;
    switch (kinds.Pop()) {
    case cmCut:
        EndCutLine(r, *R2);
        break;
    case cmShelf:
        EndLeader(r);
        break;
    case cmForm:
        EndTolerance(r);
        break;
    case cmHatch:
        EndHatch(r);
        break;
    case cmColouring:
        EndColouring(r);
        break;
    case cmPolyline3D:
        if (r.Polyline3D) r.Polyline3D->Update();
        break;
    default:
        break;
    }
}

void TModelerApi::drPolyline3D(Boolean Closed)
{
    if (OutputContour() != nullptr || !R3->Part) return;
    // Pushed first, so the matching drEndObj stays in step even when no polyline comes about.
    R2->APrevCommand.Push(cmPolyline3D);
    const tvapi::IAuxiliaryGeomContainerPtr container(R3->Part);
    const tvapi::IPolyLines3DPtr polylines = container ? container->GetPolyLines3D() : nullptr;
    R3->Polyline3D = polylines ? polylines->Add() : nullptr;
    if (R3->Polyline3D) R3->Polyline3D->SetClosed(Closed);
}

void TModelerApi::drColouring(long Color)
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    const tvapi::IColouringsPtr colourings =
        r.DrawingContainer ? r.DrawingContainer->GetColourings() : nullptr;
    r.Colouring = colourings ? colourings->Add() : nullptr;
    if (!r.Colouring) {
        R2->APrevCommand.Push(cmNull);
        return;
    }
    r.Colouring->SetColor(static_cast<std::uint32_t>(Color));
    R2->APrevCommand.Push(cmColouring);
}

// ---- Macro objects ----------------------------------------------------------------------------

void TModelerApi::drMacro2D(Boolean)
{
    TRegistryApi& r = *R3;
    r.MacroObj.Reset();
    r.Entity2D.Reset();
    if (OutputContour() != nullptr || r.Sketch || !r.DrawingContainer) return;
    const tvapi::IMacroObjectsPtr macros = r.DrawingContainer->GetMacroObjects();
    if (!macros) return;
    r.MacroObj = macros->Add(true);
    if (!r.MacroObj) return;
    r.AMacroObj.Push(tvapi::ITervanAPIObjectPtr(r.MacroObj));
    r.DrawingContainer = r.MacroObj;
    r.Symbols2DContainer = r.MacroObj;
    r.Entity2D = r.MacroObj;
}

void TModelerApi::drEndMacro()
{
    TRegistryApi& r = *R3;
    r.MacroObj = r.AMacroObj.End();
    if (!r.MacroObj) {
        R2->CurDrawingObject.Reset();
        return;
    }
    const tvapi::IMacroObjectPtr closed = r.MacroObj;
    closed->Update();
    r.Entity2D = closed;
    r.MacroObj = r.AMacroObj.Count > 0 ? r.AMacroObj[r.AMacroObj.Count - 1] : nullptr;
    if (r.MacroObj) {
        r.DrawingContainer = r.MacroObj;
        r.Symbols2DContainer = r.MacroObj;
    } else {
        r.DrawingContainer = r.View;
        r.Symbols2DContainer = r.View;
    }
    R2->CurDrawingObject = closed;
}

void TModelerApi::drSetMacro2DParam(const std::vector<std::uint8_t>& V, Str fileName, Str, Integer Command,
                                    Boolean EE, const TMt& M)
{
    const tvapi::IMacroObjectPtr& macro = R3->MacroObj;
    if (!macro) return;
    if (const tvapi::IUserParametersPtr params(macro); params) {
        params->SetFileName(Wide(fileName).c_str());
        params->SetLibraryName(L"");
        params->SetCommand(Command);
        params->SetUserParams(V);
    }
    macro->SetFixed(true);
    macro->SetEditable(EE);
    macro->SetPlacement(MacroPlacementMode, MacroPlacementKind, M.x, M.y, M.Angle);
    macro->Update();
}

// ---- Groups -----------------------------------------------------------------------------------

void TModelerApi::drGroup(Boolean Temporary)
{
    TRegistryApi& r = *R3;
    R2->CurDrawingObject.Reset();
    r.Obj.Reset();
    if (OutputContour() != nullptr || !r.IDoc2D) return;
    const tvapi::IDrawingGroupsPtr groups = r.IDoc2D->GetDrawingGroups();
    const tvapi::IDrawingGroupPtr group = groups ? groups->Add(Temporary, L"") : nullptr;
    if (!group) return;
    group->Open();
    r.Obj = group;
    R2->CurDrawingObject = group;
    R2->AGroup.Push(group);
}

void TModelerApi::drEndGroup()
{
    TRegistryApi& r = *R3;
    r.Entity2D.Reset();
    if (OutputContour() != nullptr) return;
    // The popped slot would keep its group alive: it is released at once.
    if (R2->AGroup.Count > 0) R2->AGroup.Pop().Reset();
    if (!r.IDoc2D) return;
    if (const tvapi::IDrawingGroupPtr open = r.IDoc2D->GetOpenGroup()) {
        r.Entity2D = open;
        open->Close();
    }
}

void TModelerApi::drClearRegion(long) {}

} // namespace drApi

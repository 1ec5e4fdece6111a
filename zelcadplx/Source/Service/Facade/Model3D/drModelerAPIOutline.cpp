// ==== drApi::TModelerApi (drModelerAPI.h), part: dimensioned outlines and model variables =========
// A rectangular outline in a new sketch, plain or parametric (held by constraints, its two
// dimensions bound to variables, its corners tied to marker points of the part), and the
// variables of the part the facade builds.

#include "drModelerAPI.h"

#include "Dimension3D.h"
#include "maTervan.h"
#include "tvapi/Dimensions.h"
#include "tvapi/Dimensions3D.h"

namespace drApi {

namespace {

constexpr Real DimensionOffset = -15.0; // both dimension lines lie this far from their sides
constexpr Real AxisOverhang = 3.0;      // the sketch's axes reach this far past the rectangle
constexpr Integer AxisStyle = 3;
constexpr Real CornerSearch = 1.0; // a projected corner is looked for within this radius
constexpr const char* SketchMacro = "Управление эскизом";
constexpr const char* OutlineQuality = "h14";

// The object the 2D document finds at (x, y) within CornerSearch; empty without one.
tvapi::IDrawingObjectPtr FoundAt(const tvapi::ITervanDocument2DPtr& Doc, Real x, Real y)
{
    return Doc->FindObject(x, y, CornerSearch, Doc->GetFindObjectParameters());
}

} // namespace

void TModelerApi::drRectAngleAxleDim3D(tvapi::tvObj3dTypeEnum BasePlane, Real const& Vidst, Real const& X1,
                                       Real const& Y1, Real const& X2, Real const& Y2, Integer Attr,
                                       Str const& S1)
{
    if (X1 == X2 || Y1 == Y2) return;
    if (!ADimension3D.IsParametric) {
        drPlaneEskis(BasePlane, Vidst, 0.0, TString());
        drRectAngleAxleDim(X1, Y1, X2, Y2, Attr, S1, DimensionOffset, DimensionOffset);
        return;
    }
    if (!IsOnlySizes2D() && !ParametricSketch(BasePlane, Vidst, X1, Y1, X2, Y2, Attr)) return;
    Real width = X2 - X1;
    drDimL(width, TString(), 0.0, DimensionOffset, 0, 0, 0.0, 0.0, X1, Y1, 1, 0, X2, Y1, 1, 0, TString(), S1,
           TString());
    if (const tvapi::IDimensionTextPtr dim{R2->CurDrawingObject})
        SetDimAssociateVariable(R2->CurDrawingObject, {});
    Real height = Y2 - Y1;
    drDimL(height, TString(), DimensionOffset, 0.0, 0, 0, 0.0, 0.0, X1, Y1, 1, 0, X1, Y2, 1, 0, TString(), S1,
           TString());
    if (const tvapi::IDimensionTextPtr dim{R2->CurDrawingObject})
        SetDimAssociateVariable(R2->CurDrawingObject, {});
    for (const tvapi::IVariablePtr& variable :
         GetObjects<tvapi::IVariablePtr>(tvapi::IModelObjectPtr(R3->Sketch), tvapi::o3d_variable))
        if (variable) variable->SetExternal(true);
}

// The construction objects in the part, a sketch and its constrained rectangle with axes;
// false when no sketch or 2D document came of it (what was made in the part stays).
bool TModelerApi::ParametricSketch(tvapi::tvObj3dTypeEnum BasePlane, Real const& Vidst, Real const& X1,
                                   Real const& Y1, Real const& X2, Real const& Y2, Integer Attr)
{
    drMacro3D(TString(SketchMacro), true);
    for (const auto& [from, to] : {std::pair{TPoint3D(X1, 0, 0), TPoint3D(X2, 0, 0)},
                                   std::pair{TPoint3D(0, Y1, 0), TPoint3D(0, Y2, 0)}}) {
        drLine3D(from, to, TString(), false);
        if (const tvapi::ILineSegment3DPtr axis{R3->Obj3D}) {
            if (const tvapi::IModelCurve3DPtr curve{axis}) curve->SetStyle(AxisStyle);
            axis->Update();
        }
    }
    const tvapi::IModelObjectPtr P1 = MarkerPoint(X1, Y1);
    const tvapi::IModelObjectPtr P2 = MarkerPoint(X2, Y2);
    drEndMacro3D();
    drPlaneEskis(BasePlane, Vidst, 0.0, TString());
    TRegistryApi& r = *R3;
    if (!r.Sketch || !r.IDoc2D) return false;
    r.Sketch->AddProjection(P1);
    const tvapi::IDrawingObjectPtr D1 = FoundAt(r.IDoc2D, X1, Y1);
    r.Sketch->AddProjection(P2);
    const tvapi::IDrawingObjectPtr D2 = FoundAt(r.IDoc2D, X2, Y2);
    const TPoint2D corners[4] = {{X1, Y1}, {X2, Y1}, {X2, Y2}, {X1, Y2}};
    tvapi::IDrawingObjectPtr L[4];
    for (int i = 0; i < 4; ++i) {
        drLine(corners[i].x, corners[i].y, corners[(i + 1) % 4].x, corners[(i + 1) % 4].y, Attr);
        L[i] = R2->CurDrawingObject;
    }
    drLine(X1 - AxisOverhang, 0, X2 + AxisOverhang, 0, AxisStyle);
    drLine(0, Y1 - AxisOverhang, 0, Y2 + AxisOverhang, AxisStyle);
    drConstraint(tvapi::tvCMergePoints, L[0], 0, D1, 0);
    drConstraint(tvapi::tvCMergePoints, L[2], 0, D2, 0);
    for (int i = 0; i < 4; ++i)
        drConstraint(tvapi::tvCMergePoints, L[i], 1, L[(i + 1) % 4], 0);
    drConstraint(tvapi::tvCHorizontal, L[0], 0, {}, 0);
    drConstraint(tvapi::tvCVertical, L[1], 0, {}, 0);
    drConstraint(tvapi::tvCHorizontal, L[2], 1, {}, 0);
    drConstraint(tvapi::tvCVertical, L[3], 1, {}, 0);
    return true;
}

// A hidden marker point at (x, y, 0) with its generated dimensions, recorded in ADimension3D
// with the variables at x and y; empty (and recorded so) when none was made.
tvapi::IModelObjectPtr TModelerApi::MarkerPoint(Real const& x, Real const& y)
{
    drPoint3D(x, y, 0.0, tvapi::tvAsteriskPoint, TString(), true);
    const tvapi::IModelObjectPtr point{tvapi::IPoint3DPtr(R3->Obj3D)};
    drGenerativeDimensions(point);
    ADimension3D.Add3D(x, y, point, &x, &y, TString(OutlineQuality));
    return point;
}

tvapi::IVariablePtr TModelerApi::drAddVariable(Str const& Name, Real const& Value, Str const& Note)
{
    const tvapi::ITervanDocument3DPtr document = R3->IDoc3D;
    const tvapi::IPartPtr part = document ? document->GetTopPart() : tvapi::IPartPtr();
    const tvapi::IFeaturePtr feature{tvapi::IModelObjectPtr(part)};
    if (!feature) return {};
    if (tvapi::IVariablePtr variable = feature->GetVariable(false, false, Wide(Name).c_str())) {
        variable->SetValue(Value);
        return variable;
    }
    return part->AddVariable(Wide(Name).c_str(), Value, Wide(Note).c_str());
}

void TModelerApi::drSetValue(Str const& Name, Real const& Value)
{
    TModeler3D& modeller = *this;
    modeller.drAddVariable(Name, Value, TString());
}

} // namespace drApi

// ==== drApi::TModelerApi (drModelerAPI.h), part: dimensions =====================================
// The facade's dimensions: linear (drDimL in the symbols container the registry holds,
// drDimL7 in the current view of the active document), diametral, radial and angular. The
// host measures the geometry; the facade sets properties in a fixed order and records the
// new dimension as the modeller's current drawing object.

#include "drModelerAPI.h"

#include <cmath>
#include <string>

#include "Mathemat.h"
#include "tvapi/Application.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingPrimitives.h"

namespace drApi {

namespace {

// Arc of an angular dimension whose caller gives no radius, and direction of the diametral
// and radial dimension lines.
constexpr Real AngleArcDistance = 25.0;
constexpr Real RadialLineAngle = 45.0;
constexpr int CircleDimensionKind = 1;
// The terminator kind of an end drawn without one.
constexpr Integer NoTerminator = 0;
// drDimL7: terminator kind of both ends, the deviation pair, and the shelf angles that
// place the dimension line off the measured points.
constexpr int OverallTerminator = 7;
constexpr Real OverallUpper = 0.02;
constexpr Real OverallLower = -0.02;
constexpr Real ShelfVertical = 90.0;
constexpr Real ShelfHorizontal = 0.0;

void SetLine(const tvapi::ITextLinePtr& line, const TString& text)
{
    if (line) line->SetStr(Wide(text).c_str());
}

// Prefix and suffix lines, in the order the caller gives, empty ones too; then the note after
// them (a thread class, a chamfer's angle, a count of holes) when there is one.
void SetDimensionTexts(const tvapi::IDimensionTextPtr& text, const TString& prefix, const TString& suffix,
                       const TString& note, bool suffixFirst)
{
    if (!text) return;
    if (suffixFirst) {
        SetLine(text->GetSuffix(), suffix);
        SetLine(text->GetPrefix(), prefix);
    } else {
        SetLine(text->GetPrefix(), prefix);
        SetLine(text->GetSuffix(), suffix);
    }
    if (note.Length() > 0) SetLine(text->GetNote(), note);
}

// Signed text position Pt: 0 centres the text, a positive Pt counts from the first point,
// a negative one from the second; the shift is -|Pt| either way. The base goes first.
void SetBaseAndShift(tvapi::IDimensionParams& params, Integer Pt)
{
    if (Pt == 0) {
        params.SetTextBase(tvapi::tvDimBaseCenter);
        params.SetTextShift(0);
    } else if (Pt > 0) {
        params.SetTextBase(tvapi::tvDimBaseP1);
        params.SetTextShift(-Pt);
    } else {
        params.SetTextBase(tvapi::tvDimBaseP2);
        params.SetTextShift(Pt);
    }
}

// drDimL: (Dx, Dy) is the offset of the dimension line from the measured points, and the
// dimension measures across it: a zero Dy (no offset at all included) measures along Y, a zero
// Dx along X, any other offset along the direction a quarter turn from it.
tvapi::tvLineDimensionOrientationEnum OrientationOf(Real Dx, Real Dy)
{
    if (Dy == 0.0) return tvapi::tvLinDVertical;
    if (Dx == 0.0) return tvapi::tvLinDHorizontal;
    return tvapi::tvLinDParallel;
}

// The direction drDimL measures along, in radians in [0, pi): pi/2 along Y, 0 along X, else a
// quarter turn from the offset; the host measures a parallel dimension along it.
Real MeasuredAngle(Real Dx, Real Dy)
{
    if (Dy == 0.0) return TMathDef::C_PI_2;
    const Real a = TVector2D(-Dy, Dx).AngleInRadian();
    return a >= TMathDef::C_PI ? a - TMathDef::C_PI : a;
}

// drDimL7: (Dx, Dy) offsets the dimension line, so a zero Dx gives a horizontal dimension.
tvapi::tvLineDimensionOrientationEnum OffsetOrientationOf(Real Dx, Real Dy)
{
    if (Dx == 0.0) return tvapi::tvLinDHorizontal;
    if (Dy == 0.0) return tvapi::tvLinDVertical;
    return tvapi::tvLinDParallel;
}

tvapi::tvDimensionTextPosEnum OverallTextPos(Real Fn, Real Dln)
{
    if (Dln == 0.0) return tvapi::tvDimTextParallelOnLine;
    if (Fn == 0.0) return tvapi::tvDimTextParallelInCut;
    return tvapi::tvDimTextHorizontalInCut;
}

void SetPoints(tvapi::ILineDimension& dim, Real x1, Real y1, Real x2, Real y2)
{
    dim.SetX1(x1);
    dim.SetY1(y1);
    dim.SetX2(x2);
    dim.SetY2(y2);
}

// The new dimension becomes the last model object (empty when it is none) and the
// modeller's current drawing object.
void RecordDimension(TModelerApi& api, const tvapi::IDrawingObjectPtr& dim)
{
    api.R3->Obj3D = tvapi::IModelObjectPtr(dim);
    api.R2->CurDrawingObject = dim;
}

} // namespace

tvapi::ISymbols2DContainerPtr GetSymbols2DContainer(tvapi::ITervanDocument2DPtr& doc)
{
    if (!doc) return {};
    const tvapi::IViewsAndLayersManagerPtr manager = doc->GetViewsAndLayersManager();
    if (!manager) return {};
    const tvapi::IViewsPtr views = manager->GetViews();
    if (!views) return {};
    return tvapi::ISymbols2DContainerPtr(views->GetActiveView());
}

void TModelerApi::drDimL(Real const& iVal, Str const&, Real const& Dx, Real const& Dy, Integer Pt, Integer Pn,
                         Real const& Fn, Real const& Dln, Real const& x1, Real const& y1, Integer T1,
                         Integer Po1, Real const& x2, Real const& y2, Integer T2, Integer Po2, Str const& S1,
                         Str const& S2, Str const& S3)
{
    if (!AllFinite({Dx, Dy, Fn, Dln, x1, y1, x2, y2})) return;
    if (OutputContour() != nullptr || !R3->Symbols2DContainer) return;
    const tvapi::ILineDimensionsPtr dims = R3->Symbols2DContainer->GetLineDimensions();
    if (!dims) return;
    const tvapi::ILineDimensionPtr dim = dims->Add();
    if (!dim) return;
    SetPoints(*dim, x1, y1, x2, y2);
    dim->SetOrientation(OrientationOf(Dx, Dy));
    dim->SetAngle(MeasuredAngle(Dx, Dy));
    // The dimension line stands off the second point, the base the callers measure from.
    dim->SetX3(x2 + Dx);
    dim->SetY3(y2 + Dy);
    const tvapi::IDimensionTextPtr text(dim);
    SetDimensionTexts(text, S1, S2, S3, false);
    // With no terminator at one end the dimension stands for a whole it shows only part of (a
    // diameter drawn to the axis): it shows the caller's value, not the distance it spans.
    if (text && (T1 == NoTerminator || T2 == NoTerminator) && std::isfinite(iVal))
        text->SetNominalValue(std::fabs(iVal));
    if (const tvapi::IDimensionParamsPtr params{dim}) {
        params->SetArrowType1(T1);
        params->SetArrowType2(T2);
        params->SetTextPos(static_cast<tvapi::tvDimensionTextPosEnum>(Pn));
        params->SetShelfLength(Dln);
        params->SetShelfAngle(Fn);
        params->SetArrowOn1(Po1 != 0);
        params->SetArrowOn2(Po2 != 0);
        SetBaseAndShift(*params, Pt);
    }
    dim->Update();
    RecordDimension(*this, tvapi::IDrawingObjectPtr(dim));
    if (const tvapi::IDrawingObjectPtr object{dim}) object->Update();
}

void TModelerApi::drDimL7(Real const&, Str const&, Real const& Dx, Real const& Dy, Integer, Integer,
                          Real const& Fn, Real const& Dln, Real const& x1, Real const& y1, Integer, Integer,
                          Real const& x2, Real const& y2, Integer, Integer, Str const&, Str const&,
                          Str const&)
{
    if (!AllFinite({Dx, Dy, Fn, Dln, x1, y1, x2, y2}) || Application() == nullptr) return;
    tvapi::ITervanDocument2DPtr doc(Application()->GetActiveDocument());
    const tvapi::ISymbols2DContainerPtr symbols = GetSymbols2DContainer(doc);
    if (!symbols) return;
    const tvapi::ILineDimensionsPtr dims = symbols->GetLineDimensions();
    if (!dims) return;
    const tvapi::ILineDimensionPtr dim = dims->Add();
    if (!dim) return;
    SetPoints(*dim, x1, y1, x2, y2);
    dim->SetOrientation(OffsetOrientationOf(Dx, Dy));
    if (const tvapi::IDimensionParamsPtr params{dim}) {
        params->SetTextPos(OverallTextPos(Fn, Dln));
        params->SetArrowType1(OverallTerminator);
        params->SetArrowType2(OverallTerminator);
    }
    if (Fn == ShelfVertical) {
        dim->SetX3(x1 + Dx);
        dim->SetY3(Max(y1, y2) + Dy);
    } else if (Fn == ShelfHorizontal) {
        dim->SetX3(Max(x1, x2) + Dx);
        dim->SetY3(y1 + Dy);
    }
    dim->SetTextX(dim->GetX3() + Dln * CosGrad(Fn));
    dim->SetTextY(dim->GetY3() + Dln * SinGrad(Fn));
    if (const tvapi::IDimensionTextPtr text{dim}) {
        text->SetAutoNominalValue(true);
        text->SetDeviations(OverallUpper, OverallLower);
    }
    dim->Update();
}

void TModelerApi::drDimD(Real const& Val, Str const&, Real const& FBase, Integer Pt, Integer Pn,
                         Real const& x, Real const& y, Integer, Str const& S1, Str const& S2, Str const& S3)
{
    if (!AllFinite({Val, FBase, x, y})) return;
    if (OutputContour() != nullptr || !R3->Symbols2DContainer) return;
    const tvapi::IDiametralDimensionsPtr dims = R3->Symbols2DContainer->GetDiametralDimensions();
    if (!dims) return;
    const tvapi::IDiametralDimensionPtr dim = dims->Add();
    if (!dim) return;
    dim->SetXc(x);
    dim->SetYc(y);
    dim->SetRadius(Val * 0.5);
    dim->SetDimensionType(CircleDimensionKind);
    dim->SetAngle(RadialLineAngle);
    dim->Update();
    SetDimensionTexts(tvapi::IDimensionTextPtr(dim), S1, S2, S3, true);
    if (const tvapi::IDimensionParamsPtr params{dim}) {
        params->SetTextPos(static_cast<tvapi::tvDimensionTextPosEnum>(Pn));
        params->SetShelfAngle(FBase);
        SetBaseAndShift(*params, Pt);
    }
    dim->Update();
    RecordDimension(*this, tvapi::IDrawingObjectPtr(dim));
}

void TModelerApi::drDimR(Real const& Val, Str const&, Real const& FBase, Real const& Drl, Integer, Integer Pn,
                         Real const& xc, Real const& yc, Integer, Integer, Str const& S1, Str const& S2,
                         Str const& S3)
{
    if (!AllFinite({Val, FBase, Drl, xc, yc})) return;
    if (OutputContour() != nullptr || !R3->Symbols2DContainer) return;
    const tvapi::IRadialDimensionsPtr dims(R3->Symbols2DContainer->GetDiametralDimensions());
    if (!dims) return;
    const tvapi::IRadialDimensionPtr dim = dims->AddRadial();
    if (!dim) return;
    dim->SetXc(xc);
    dim->SetYc(yc);
    dim->SetRadius(Val);
    dim->SetDimensionType(CircleDimensionKind);
    dim->SetAngle(RadialLineAngle);
    dim->Update();
    SetDimensionTexts(tvapi::IDimensionTextPtr(dim), S1, S2, S3, false);
    if (const tvapi::IDimensionParamsPtr params{dim}) {
        params->SetTextPos(static_cast<tvapi::tvDimensionTextPosEnum>(Pn));
        params->SetShelfAngle(FBase);
        params->SetTextShift(Round(Drl));
    }
    dim->Update();
    RecordDimension(*this, tvapi::IDrawingObjectPtr(dim));
}

void TModelerApi::drDimA(Real const& Val, Integer Napr, Real const& FBase, Real const& Rr, Integer,
                         Integer Pn, Real const& Fn, Real const& Dln, Real const& x1, Real const& y1,
                         Integer T1, Integer Po1, Real const& x2, Real const& y2, Integer T2, Integer Po2,
                         Str const& S, Real const& xc, Real const& yc)
{
    if (!AllFinite({Val, FBase, Rr, Fn, Dln, x1, y1, x2, y2, xc, yc})) return;
    if (OutputContour() != nullptr || !R3->Symbols2DContainer) return;
    const tvapi::IAngleDimensionsPtr dims = R3->Symbols2DContainer->GetAngleDimensions();
    if (!dims) return;
    const tvapi::IAngleDimensionPtr dim = dims->Add(tvapi::tvDrADimension);
    if (!dim) return;
    dim->SetXc(xc);
    dim->SetYc(yc);
    dim->SetDistance(Rr > 0 ? Rr : AngleArcDistance);
    dim->SetAngle1(FBase);
    dim->SetAngle2(FBase + static_cast<Real>(Napr) * Val);
    dim->SetX1(x1);
    dim->SetY1(y1);
    dim->SetX2(x2);
    dim->SetY2(y2);
    dim->SetAngleType(tvapi::tvADMinAngle);
    if (const tvapi::IDimensionTextPtr text{dim}) SetLine(text->GetPrefix(), S);
    if (const tvapi::IDimensionParamsPtr params{dim}) {
        params->SetArrowType1(T1);
        params->SetArrowType2(T2);
        params->SetTextPos(static_cast<tvapi::tvDimensionTextPosEnum>(Pn));
        params->SetShelfLength(static_cast<Real>(Round(Dln)));
        params->SetShelfAngle(Fn);
        params->SetArrowOn1(Po1 != 0);
        params->SetArrowOn2(Po2 != 0);
        params->SetTextShift(Round(Val * 0.5));
        params->SetTextBase(tvapi::tvDimBaseCenter);
    }
    dim->Update();
    RecordDimension(*this, tvapi::IDrawingObjectPtr(dim));
}

} // namespace drApi

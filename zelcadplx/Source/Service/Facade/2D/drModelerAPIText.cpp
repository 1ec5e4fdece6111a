// ==== drApi::TModelerApi (drModelerAPI.h), part: texts, hatches, cut lines, leaders =============
// The facade's annotation objects: drawing texts, hatches, cut lines, leaders with shelves
// and points. Hatches, cut lines and leaders are opened here, fed by the following
// primitives and points, and completed by drEndObj; texts and points are made in one call.

#include "drModelerAPI.h"

#include <string>

#include "Contour.h"
#include "Text.h"
#include "tvapi/DrawingPrimitives.h"

namespace drApi {

namespace {

constexpr Real CutTextHeight = 7.0; // designation height of a section line drawn by DrawCut
constexpr Real CutNarrowing = 1.0;
constexpr Real CutSlant = 75.0;

// The section-line points, shared by every facade and kept in sheet coordinates.
TPoint2D CutPoint[TModelerApi::CutPoints];
Integer countCutPoint = 0;
constexpr int CutLineKind = 1; // the kind code every section line is given
constexpr int PlainPointStyle = 1;

// The kind of the innermost open composite object; cmNull when none is open.
TCommand LastOpenKind(const TArrayOf<TCommand>& kinds)
{
    return kinds.Count > 0 ? kinds[kinds.Count - 1] : cmNull;
}

} // namespace

void TModelerApi::drText(Real const& x, Real const& y, Real const& FStr, Real const& Hs, Real const&, Integer,
                         Str const& S)
{
    if (!AllFinite({x, y, FStr, Hs})) return;
    if (TContour* c = OutputContour()) {
        if (Transformed()) {
            Real nx = x, ny = y;
            drApi::Transf2D->xyMtr(x, y, nx, ny);
            c->Items::Add(
                new TText(nx, ny, FStr + drApi::Transf2D->AngleMtr(), Hs * drApi::Transf2D->ScaleMtr(), S));
        } else {
            c->Items::Add(new TText(x, y, FStr, Hs, S));
        }
        return;
    }
    const TRegistryApi& r = *R3;
    if (!r.DrawingContainer) return;
    const tvapi::IDrawingTextsPtr texts = r.DrawingContainer->GetDrawingTexts();
    const tvapi::IDrawingTextPtr text = texts ? texts->Add() : nullptr;
    if (!text) return;
    text->SetX(x);
    text->SetY(y);
    text->SetHeight(Hs);
    tvapi::ITextPtr lines = text->GetText();
    AddLineText(lines, S, Hs);
}

void TModelerApi::AddLineText(tvapi::ITextPtr& Text, TString S, Real Height)
{
    if (!Text) return;
    const tvapi::ITextLinePtr line = Text->Add();
    const tvapi::ITextItemPtr item = line ? line->Add() : nullptr;
    if (!item) return;
    const tvapi::ITextFontPtr font(item);
    if (font && Height > 0.0) font->SetHeight(Height);
    item->SetStr(Wide(S).c_str());
    item->Update();
}

void TModelerApi::drHatch(Integer Tip, Real FStr, Real Shag)
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    const tvapi::IHatchesPtr hatches = r.DrawingContainer ? r.DrawingContainer->GetHatches() : nullptr;
    r.Hatch = hatches && AllFinite({FStr, Shag}) ? hatches->Add() : nullptr;
    if (!r.Hatch) {
        // The matching drEndObj still takes one kind off: it must not end an enclosing object.
        R2->APrevCommand.Push(cmNull);
        return;
    }
    r.Hatch->SetBoundariesFollow(true);
    if (const tvapi::IHatchParamPtr param(r.Hatch); param) {
        param->SetStyle(Tip);
        param->SetStep(Shag);
        param->SetAngle(FStr);
    }
    r.BoundariesObject = r.Hatch;
    R2->APrevCommand.Push(cmHatch);
}

void TModelerApi::drCut(Real const& Hs, Real const&, Real const&, Str const& S, Real const& x1,
                        Real const& y1, Integer Napr1, Real const& x2, Real const& y2, Integer)
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    const tvapi::ICutLinesPtr cuts = r.Symbols2DContainer ? r.Symbols2DContainer->GetCutLines() : nullptr;
    r.CutLine = cuts && AllFinite({Hs, x1, y1, x2, y2}) ? cuts->Add() : nullptr;
    if (!r.CutLine) {
        R2->APrevCommand.Push(cmNull);
        return;
    }
    r.CutLine->SetArrowDirection(Napr1 < 0);
    r.CutLine->SetX1(x1);
    r.CutLine->SetY1(y1);
    r.CutLine->SetX2(x2);
    r.CutLine->SetY2(y2);
    r.CutLine->SetKind(CutLineKind);
    tvapi::ITextPtr designation = r.CutLine->GetText();
    AddLineText(designation, S, Hs);
    R2->CurDrawingObject = r.CutLine;
    R2->APrevCommand.Push(cmCut);
}

void TModelerApi::drShelf(tvapi::tvLeaderSignEnum, Real const& x, Real const& y,
                          tvapi::tvShelfDirectionEnum Napr, tvapi::tvArrowEnum Tips, Real const&, Real const&,
                          Real const&, Str const& S1, Real const&, Real const&, Real const&, Str const&)
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    const tvapi::ILeadersPtr leaders = r.Symbols2DContainer ? r.Symbols2DContainer->GetLeaders() : nullptr;
    r.Leader = leaders && AllFinite({x, y}) ? leaders->Add(tvapi::tvDrLeader) : nullptr;
    if (!r.Leader) {
        R2->APrevCommand.Push(cmNull);
        return;
    }
    r.Leader->SetShelfDirection(Napr);
    r.Leader->SetArrowType(Tips);
    if (const tvapi::IBranchsPtr branches(r.Leader); branches) {
        branches->SetX(x);
        branches->SetY(y);
    }
    if (const tvapi::ITextPtr shelf = r.Leader->GetTextOnShelf()) shelf->SetStr(Wide(S1).c_str());
    R2->APrevCommand.Push(cmShelf);
}

void TModelerApi::drPoint(Real const& x, Real const& y)
{
    if (!AllFinite({x, y}) || OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    switch (LastOpenKind(R2->APrevCommand)) {
    case cmShelf:
        if (const tvapi::IBranchsPtr branches(r.Leader); branches) branches->AddBranchByPoint(-1, x, y);
        return;
    case cmCut:
        r.APoints.Add(TPoint2D(x, y));
        return;
    default:
        break;
    }
    const tvapi::IPointsPtr points = r.DrawingContainer ? r.DrawingContainer->GetPoints() : nullptr;
    const tvapi::IPointPtr point = points ? points->Add() : nullptr;
    if (!point) return;
    point->SetX(x);
    point->SetY(y);
    point->SetStyle(PlainPointStyle);
    point->Update();
}

void TModelerApi::NewCut()
{
    countCutPoint = 0;
}

void TModelerApi::ACT(Real const& x, Real const& y)
{
    if (countCutPoint >= CutPoints) return;
    TPoint2D& p = CutPoint[countCutPoint];
    Transf2D->xyMtr(x, y, p.x, p.y);
    ++countCutPoint;
}

void TModelerApi::ACTIf(Boolean U, Real const& x, Real const& y)
{
    if (U) ACT(x, y);
}

Integer TModelerApi::CutPointCount()
{
    return countCutPoint;
}

TPoint2D TModelerApi::CutPointAt(Integer i)
{
    return i >= 0 && i < countCutPoint ? CutPoint[i] : TPoint2D();
}

void TModelerApi::DrawCut(Str const& S, Integer Direction)
{
    if (OutputContour() != nullptr || countCutPoint == 0) return;
    const Integer count = countCutPoint;
    const TPoint2D first = CutPoint[0];
    const TPoint2D last = CutPoint[count - 1];
    drCut(CutTextHeight, CutNarrowing, CutSlant, S, first.x, first.y, Direction, last.x, last.y, Direction);
    for (Integer i = 0; i < count; ++i)
        drPoint(CutPoint[i].x, CutPoint[i].y);
    drEndObj();
    NewCut();
}

} // namespace drApi

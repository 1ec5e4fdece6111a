// ==== drApi::TModelerApi (drModelerAPI.h), part: annotation signs ===============================
// The facade's annotation signs: surface roughness, the drawing's general roughness,
// form-tolerance frames with their leader branches, base signs and view pointers. Positions
// go to the host as given (the placement stack does not apply), and while a contour collects
// nothing is made.

#include "drModelerAPI.h"

#include "tvapi/DrawingDocument.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/Signs.h"

namespace drApi {

namespace {

// Values the host takes for its signs; only they and their order are the facade's.
constexpr int RoughShelf = 1;
constexpr int RoughLeader = 1;
constexpr Real RoughSize = 20.0;
constexpr int SpecRoughType = 0;
constexpr int SpecRoughSign = 1;
constexpr int ToleranceType = 8;
constexpr int FrameCells = 3; // the one row: symbol, value, bases
constexpr int BaseType = 1;

void SetText(const tvapi::ITextPtr& text, const TString& S)
{
    if (text) text->SetStr(Wide(S).c_str());
}

// Writes S into cell k of the frame's one row; a cell, text or line the host does not give
// is passed over.
void SetCell(const tvapi::ITablePtr& table, int k, const TString& S)
{
    const tvapi::ITableCellPtr cell = table->GetCell(0, k);
    const tvapi::ITextLinePtr line(cell ? cell->GetText() : nullptr);
    if (line) line->SetStr(Wide(S).c_str());
}

} // namespace

void TModelerApi::SignMade(const tvapi::IDrawingObjectPtr& sign)
{
    R2->CurDrawingObject = sign;
}

void TModelerApi::drRough(Real const& x, Real const& y, Real const& Fi, tvapi::tvRoughSignEnum Tz,
                          Str const& S1, Str const& S2, Str const& S3)
{
    if (OutputContour() != nullptr) return;
    const tvapi::ISymbols2DContainerPtr& symbols = R3->Symbols2DContainer;
    const tvapi::IRoughsPtr roughs = symbols ? symbols->GetRoughs() : nullptr;
    const tvapi::IRoughPtr rough = roughs ? roughs->Add() : nullptr;
    if (!rough) return;
    rough->SetX(x);
    rough->SetY(y);
    if (const tvapi::IRoughParamsPtr params{rough}) {
        params->SetType(Tz);
        params->SetShelf(RoughShelf);
        rough->Update();
        params->SetLeader(RoughLeader);
        params->SetSize(RoughSize);
        params->SetAngle(Fi);
        SetText(params->GetText1(), S1);
        SetText(params->GetText2(), S2);
        SetText(params->GetText3(), S3);
    }
    rough->Update();
    SignMade(rough);
}

void TModelerApi::drSRough(Integer, Boolean Tzs, Str const& S)
{
    if (OutputContour() != nullptr || S.Empty()) return;
    const tvapi::IDrawingDocumentPtr drawing(R3->IDoc2D);
    const tvapi::ISpecRoughPtr rough = drawing ? drawing->GetSpecRough() : nullptr;
    if (!rough) return;
    rough->SetType(SpecRoughType);
    rough->SetText(Wide(S).c_str());
    rough->SetSign(SpecRoughSign);
    rough->SetInBrackets(Tzs);
    rough->Apply();
}

void TModelerApi::drForm(Real const& x, Real const& y, Integer, Integer S1, Str const& S2, Str const& S3)
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    const tvapi::ITolerancesPtr frames =
        r.Symbols2DContainer ? r.Symbols2DContainer->GetTolerances() : nullptr;
    const tvapi::ITolerancePtr frame = frames ? frames->Add() : nullptr;
    if (!frame) return;
    r.Tolerance = frame;
    R2->APrevCommand.Push(cmForm);
    if (const tvapi::IBranchsPtr branches{frame}) {
        branches->SetX(x);
        branches->SetY(y);
    }
    if (const tvapi::IToleranceParamPtr param{frame}) {
        param->SetType(ToleranceType);
        if (const tvapi::ITablePtr table = param->GetTable()) {
            // The new table holds one cell; two more make the row of three.
            for (int k = 1; k < FrameCells; ++k)
                table->InsertCell(-1, 1);
            SetCell(table, 0, TString(S1));
            SetCell(table, 1, S2);
            SetCell(table, 2, S3);
        }
    }
    frame->SetCellKind(0, 2);
    frame->SetCellSize(0, 8);
    frame->SetCellKind(1, 2);
    frame->SetCellSize(1, 2);
    frame->Update();
}

void TModelerApi::drSupportForm(Real const& x, Real const& y, Integer, Integer)
{
    if (OutputContour() != nullptr) return;
    const tvapi::IBranchsPtr branches(R3->Tolerance);
    if (branches) branches->AddBranchByPoint(-1, x, y);
}

void TModelerApi::drBase(Real const& x, Real const& y, Real const& dx, Real const& dy, Str const& S)
{
    if (OutputContour() != nullptr) return;
    const tvapi::ISymbols2DContainerPtr& symbols = R3->Symbols2DContainer;
    const tvapi::IBasesPtr bases = symbols ? symbols->GetBases() : nullptr;
    const tvapi::IBasePtr base = bases ? bases->Add() : nullptr;
    if (!base) return;
    base->SetX1(x);
    base->SetY1(y);
    base->SetX2(x + dx);
    base->SetY2(y + dy);
    base->SetType(BaseType);
    SetText(base->GetText(), S);
    base->Update();
    SignMade(base);
}

void TModelerApi::drWPointer(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Real const& Xt,
                             Real const& Yt, Real const& Hs, Real const&, Real const&, Str const& S)
{
    if (OutputContour() != nullptr) return;
    const tvapi::ISymbols2DContainerPtr& symbols = R3->Symbols2DContainer;
    const tvapi::IViewPointersPtr pointers = symbols ? symbols->GetViewPointers() : nullptr;
    const tvapi::IViewPointerPtr pointer = pointers ? pointers->Add() : nullptr;
    if (!pointer) return;
    pointer->SetX1(x1);
    pointer->SetY1(y1);
    pointer->SetX2(x2);
    pointer->SetY2(y2);
    pointer->SetXt(Xt);
    pointer->SetYt(Yt);
    tvapi::ITextPtr text = pointer->GetText();
    AddLineText(text, S, Hs);
    pointer->Update();
    SignMade(pointer);
}

} // namespace drApi

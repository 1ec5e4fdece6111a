// ==== drApi::TModelerApi (drModelerAPI.h), part: sheets and views ===============================
// The facade's sheets: creating and opening a drawing or fragment, its plain and associative
// views, the detail's sheet with its filled title block, the technical requirements and
// closing the sheet. While a contour collects, the sheet operations make no host call; the
// view operations push and pop a placement instead, so geometry drawn inside a view reaches
// the contour in sheet coordinates.

#include "drModelerAPI.h"

#include "Dimension3D.h"

#include <cstdio>
#include <string>
#include <vector>

#include "Mtr3D.h"
#include "TControlModel.h"
#include "TFileName.h"
#include "drMaterial.h"
#include "drSheetFormat.h"
#include "tvapi/Application.h"
#include "tvapi/AssociationView.h"
#include "tvapi/DrawingDocument.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/LayoutSheets.h"
#include "tvapi/Model3D.h"

namespace drApi {

namespace {

constexpr int DisplayValue = 660490; // the display value every view of the facade gets
constexpr int FirstSheet = 0;
constexpr int PlainSheetType = 0;

// Format and orientation (1 landscape) of a document's first sheet; A0 landscape, as a
// new sheet starts, when the document has none.
void SheetFormatOf(const tvapi::ITervanDocumentPtr& doc, Integer& Format, Integer& Orientation)
{
    const tvapi::ILayoutSheetsPtr sheets = doc ? doc->GetLayoutSheets() : nullptr;
    const tvapi::ILayoutSheetPtr sheet =
        sheets && sheets->GetCount() > 0 ? sheets->GetItem(FirstSheet) : nullptr;
    const tvapi::ISheetFormatPtr format = sheet ? sheet->GetFormat() : nullptr;
    Format = format ? format->GetFormat() : 0;
    Orientation = !format || format->GetOrientation() ? 1 : 0;
}

// "Name.qdr" for a drawing, "Name.qfr" for anything else.
TString LeafFileName(const TString& Name, tvapi::DocumentTypeEnum tDoc)
{
    return Name + TString(tDoc == tvapi::tvDocumentDrawing ? ".qdr" : ".qfr");
}

// Origin, scale, angle, display value and name of a new view, in that order.
void SetupView(tvapi::IView& view, Real x, Real y, Real Alf, Real Scale, const TString& Comment)
{
    view.SetX(x);
    view.SetY(y);
    view.SetScale(Scale);
    view.SetAngle(Alf);
    view.SetDisplayValue(DisplayValue);
    view.SetName(Wide(Comment).c_str());
}

tvapi::IViewsPtr ViewsOf(const tvapi::ITervanDocument2DPtr& doc)
{
    const tvapi::IViewsAndLayersManagerPtr manager = doc ? doc->GetViewsAndLayersManager() : nullptr;
    return manager ? manager->GetViews() : nullptr;
}

// A new associative view of `type` in the host's active 2D document; empty without one or
// when the host adds a view that is no associative view.
tvapi::IAssociationViewPtr AddAssociationView(tvapi::IApplication* app, tvapi::LtViewType type,
                                              tvapi::IViewPtr& view)
{
    const tvapi::ITervanDocument2DPtr active(app ? app->GetActiveDocument() : nullptr);
    const tvapi::IViewsPtr views = ViewsOf(active);
    view = views ? views->Add(type) : nullptr;
    return tvapi::IAssociationViewPtr(view);
}

// The scale as a title block writes it: 2:1 above 1, else 1:2, 1:1 ...
TString ScaleText(Real scale)
{
    if (scale > 1.0) return TString(static_cast<Integer>(scale)) + TString(":1");
    return TString("1:") + TString(static_cast<Integer>(1.0 / scale));
}

} // namespace

void TModelerApi::drCreateLeaf(Str& Name, tvapi::DocumentTypeEnum tDoc, Integer iFormat, Integer Krat,
                               Integer Tips, Integer Pros, Str&, Boolean Invisible)
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    const tvapi::DocumentTypeEnum type =
        tDoc == tvapi::tvDocumentDrawing ? tvapi::tvDocumentDrawing : tvapi::tvDocumentFragment;
    const TString file = LeafFileName(Name, type);
    // A sheet made earlier and never closed would go under this name too: it goes unsaved, as
    // one open under the name does.
    if (r.Leaf && r.LeafFile == file) r.Leaf->Close(tvapi::kdDoNotSaveChanges);
    ForgetLeaf();
    if (const tvapi::ITervanDocumentPtr open = GetOpenDocument(type, file))
        open->Close(tvapi::kdDoNotSaveChanges);
    tvapi::IApplication* app = Application();
    const tvapi::IDocumentsPtr documents = app ? app->GetDocuments() : nullptr;
    r.IDoc = documents ? documents->Add(type, !Invisible) : nullptr;
    r.IDoc2D = r.IDoc;
    const tvapi::ILayoutSheetsPtr sheets = r.IDoc ? r.IDoc->GetLayoutSheets() : nullptr;
    if (sheets) {
        const tvapi::ILayoutSheetPtr sheet =
            sheets->GetCount() > 0 ? sheets->GetItem(FirstSheet) : sheets->Add();
        if (sheet) {
            sheet->SetLayoutType(PlainSheetType);
            sheet->SetLayoutStyle(static_cast<std::int64_t>(Tips));
            if (const tvapi::ISheetFormatPtr format = sheet->GetFormat()) {
                format->SetFormat(iFormat);
                format->SetMultiply(Pros);
                format->SetOrientation(Krat != 0);
            }
        }
        // Not saved yet: the save that closes the sheet writes its one file, under its name.
        r.Leaf = r.IDoc;
        r.LeafFile = file;
    }
    if (r.ProgressBar) r.ProgressBar->SetPosition(r.CountDrawing);
    ++r.CountDrawing;
}

Boolean TModelerApi::drOpenLeaf(Str& Name, tvapi::DocumentTypeEnum tDoc, const Boolean Invisible)
{
    if (OutputContour() != nullptr) return false;
    TRegistryApi& r = *R3;
    const TString file = LeafFileName(Name, tDoc);
    if (const tvapi::ITervanDocumentPtr open = GetOpenDocument(tDoc, file))
        open->Close(tvapi::kdDoNotSaveChanges);
    tvapi::IApplication* app = Application();
    const tvapi::IDocumentsPtr documents = app ? app->GetDocuments() : nullptr;
    r.IDoc = documents ? documents->Open(Wide(file).c_str(), !Invisible, false) : nullptr;
    r.IDoc2D = r.IDoc;
    return static_cast<bool>(r.IDoc);
}

// ---- Views ------------------------------------------------------------------------------

bool TModelerApi::ViewInContour(Real const& x, Real const& y, Real const& Alf, Real const& Scale)
{
    if (OutputContour() == nullptr) return false;
    drMtr(x, y, Alf, Scale);
    R2->CurDrawingObject.Reset();
    return true;
}

// A new view starts the current detail's size points afresh, made or not.
void TModelerApi::ViewMade(const tvapi::IViewPtr& view)
{
    ADimension3D.Clear2D(GetDetailCode());
    R2->CurDrawingObject = view;
}

void TModelerApi::drView(Integer N, Real const& x, Real const& y, Real const& Alf, Real const& Scale,
                         Str const& Comment)
{
    if (ViewInContour(x, y, Alf, Scale)) return;
    TRegistryApi& r = *R3;
    const tvapi::IViewsPtr views = ViewsOf(r.IDoc2D);
    r.View = views ? views->Add(tvapi::vt_Normal) : nullptr;
    if (r.View) {
        SetupView(*r.View, x, y, Alf, Scale, Comment);
        r.View->SetNumber(N);
    }
    // Without a new view nothing may go on drawing into the one before.
    r.DrawingContainer = r.View;
    r.Symbols2DContainer = r.View;
    R2->Constraint2D.Clear();
    ViewMade(r.View);
}

void TModelerApi::drAStView7(Integer, Real const& x, Real const& y, Real const& Alf, Real const& Scale,
                             Str const& Comment, Str const& FName, Str const& tView)
{
    if (ViewInContour(x, y, Alf, Scale)) return;
    tvapi::IViewPtr view;
    tvapi::IAssociationViewPtr av =
        FileExists(FName) ? AddAssociationView(Application(), tvapi::vt_Standart, view) : nullptr;
    if (av) {
        SetupView(*view, x, y, Alf, Scale, Comment);
        av->SetModelFileName(Wide(FName).c_str());
        av->SetProjectionName(Wide(tView).c_str());
        const tvapi::IAssociationViewElementsPtr elements(av);
        const auto firstThree = [&] {
            if (!elements) return;
            elements->SetVisibleLines(true);
            elements->SetHiddenLines(true);
            elements->SetTangentEdges(true);
        };
        firstThree();
        if (view->Update()) firstThree();
        view->Update();
    } else {
        view.Reset();
    }
    ViewMade(view);
}

void TModelerApi::drAStView7(Real const& x, Real const& y, Real const& Alf, Real const& Scale,
                             Str const& Comment, Str const& FName, Str const& tView)
{
    if (ViewInContour(x, y, Alf, Scale)) return;
    tvapi::IViewPtr view;
    tvapi::IAssociationViewPtr av = AddAssociationView(Application(), tvapi::vt_Standart, view);
    if (av) {
        SetupView(*view, x, y, Alf, Scale, Comment);
        av->SetProjectionName(Wide(tView).c_str());
        av->SetModelFileName(Wide(FName).c_str());
        SetProjectionParam(av);
    } else {
        view.Reset();
    }
    ViewMade(view);
}

void TModelerApi::drAStView7(Real const& x, Real const& y, Real const& Alf, Real const& Scale,
                             Str const& Comment, Str const& FName, TMtr3D const& M)
{
    if (ViewInContour(x, y, Alf, Scale)) return;
    tvapi::IViewPtr view;
    tvapi::IAssociationViewPtr av = AddAssociationView(Application(), tvapi::vt_Arbitrary, view);
    if (av) {
        SetupView(*view, x, y, Alf, Scale, Comment);
        av->SetModelFileName(Wide(FName).c_str());
        std::vector<double> cells;
        av->SetOrientation(M.to(cells));
        SetProjectionParam(av);
    } else {
        view.Reset();
    }
    ViewMade(view);
}

void TModelerApi::drACutView7(Real const& x, Real const& y, Real const& Alf, Real const& Scale,
                              Str const& Comment, tvapi::IDrawingObjectPtr pCut) const
{
    // The view operations change only the modeller's state, which the facade reaches through
    // its own members; the operation is constant to its callers.
    auto& self = const_cast<TModelerApi&>(*this);
    if (self.ViewInContour(x, y, Alf, Scale)) return;
    tvapi::IViewPtr view;
    tvapi::IAssociationViewPtr av = AddAssociationView(self.Application(), tvapi::vt_Section, view);
    if (av) {
        SetupView(*view, x, y, Alf, Scale, Comment);
        if (pCut) av->SetCutLine(pCut);
        SetProjectionParam(av);
        view->Update();
    } else {
        view.Reset();
    }
    self.ViewMade(view);
}

void TModelerApi::SetProjectionParam(tvapi::IAssociationViewPtr& AView) const
{
    const tvapi::IAssociationViewElementsPtr elements(AView);
    if (!elements) return;
    elements->SetVisibleLines(true);
    elements->SetHiddenLines(true);
    elements->SetTangentEdges(true);
    elements->SetThreads(true);
    elements->SetCentreLines(true);
    elements->SetHatches(true);
}

void TModelerApi::drCloseView()
{
    if (OutputContour() != nullptr) {
        drDeleteMtr();
        return;
    }
    TRegistryApi& r = *R3;
    R2->Constraint2D.Clear();
    r.View.Reset();
    r.DrawingContainer.Reset();
    r.Symbols2DContainer.Reset();
}

// ---- The detail's sheet ------------------------------------------------------------------

Boolean TModelerApi::drLeafStamp(Integer Detail, Integer subDetail, Boolean Invisible)
{
    TControlModel* model = LibraryControlModel;
    if (!model || !model->ExistDetail(Detail)) return false;
    // A sheet of a part that was not built would draw sizes that make no part.
    const Str part = model->sfDetail3D(Detail, subDetail);
    TRegistryApi& r = *R3;
    if (r.RefusedParts.count(part) != 0) return false;
    model->SetCurrent(*this, Detail, subDetail);
    TDetailInfo& di = R2->DI;
    drCreateLeaf(di.fileName, tvapi::tvDocumentDrawing, 0, 1, 1, 1, di.comment, Invisible);
    if (!part.Empty()) r.SheetsOfParts[part] = LeafFileName(di.fileName, tvapi::tvDocumentDrawing);
    drShtamp();
    drSRough(1, true, di.shoroh);
    if (const TMaterial* material = MaterialRow(model->MaterialDet(Detail)))
        drSetMaterial(Detail, material->Name, material->Location, material->Density);
    NextProgress(di.fileName + TString(" ") + di.designation);
    return true;
}

void TModelerApi::SheetWaitsOnPart3D(const Str& File)
{
    TRegistryApi& r = *R3;
    r.RefusedParts.erase(File);
    r.PartFile = File;
    const auto sheet = r.SheetsOfParts.find(File);
    r.PartSheet = sheet != r.SheetsOfParts.end() ? sheet->second : Str();
    if (sheet != r.SheetsOfParts.end()) r.SheetsOfParts.erase(sheet);
}

void TModelerApi::SheetOfRefusedPart3D()
{
    TRegistryApi& r = *R3;
    if (r.PartFile.Empty()) return;
    r.RefusedParts.insert(r.PartFile);
    r.PartFile = Str();
    if (r.PartSheet.Empty()) return;
    if (const tvapi::ITervanDocumentPtr open = GetOpenDocument(tvapi::tvDocumentDrawing, r.PartSheet))
        open->Close(tvapi::kdDoNotSaveChanges);
    DeleteFile(r.PartSheet);
    r.PartSheet = Str();
}

void TModelerApi::drNotBuilt3D(Str const& File)
{
    // A file left from an earlier build would stand for a part this size does not make.
    DeleteFile(File);
    SheetWaitsOnPart3D(File);
    SheetOfRefusedPart3D();
}

Boolean TModelerApi::drLeafStamp(Integer Detail, Integer subDetail, Real const& x, Real const& y,
                                 Boolean Invisible)
{
    if (!drLeafStamp(Detail, subDetail, Invisible)) return false;
    R2->DI.Left += x;
    R2->DI.Top += y;
    return true;
}

Boolean TModelerApi::drView(Integer N, Real const& x, Real const& y)
{
    TDetailInfo& di = R2->DI;
    di.Left += x;
    di.Top += y;
    drView(N, di.Left, di.Top, 0.0, di.Scale, TString("Вид ") + TString(N) + TString(" ") + di.comment);
    return true;
}

Boolean TModelerApi::drLeafStampView1(Integer Detail, Integer subDetail, Real const& x, Real const& y,
                                      Boolean Invisible)
{
    if (!drLeafStamp(Detail, subDetail, Invisible)) return false;
    return drView(1, x, y);
}

void TModelerApi::drShtamp()
{
    if (OutputContour() != nullptr) return;
    const TDetailInfo& di = R2->DI;
    drOpenShtamp();
    const auto cell = [this](tvapi::tvStampEnum n, const TString& text) {
        drColumnShtamp(n);
        drStringObj(text);
    };
    if (!di.comment.Empty()) cell(tvapi::tvStPartNumber, di.comment);
    if (!di.designation.Empty()) cell(tvapi::tvStDescription, di.designation);
    if (!di.material.Empty()) cell(tvapi::tvStMaterial, di.material);
    if (di.Scale != 0.0) cell(tvapi::tvStScale, ScaleText(di.Scale));
    cell(tvapi::tvStNumberOfSheets, TString("1"));
    if (LibraryControlModel) LibraryControlModel->SP.dr2D();
    if (di.Weight != 0.0) cell(tvapi::tvStMass, TString(di.Weight, 3, true, 7));
    // Only a title block that was opened is completed, and only its own command is dropped.
    TRegistryApi& r = *R3;
    if (!r.Stamp) return;
    if (R2->APrevCommand.Count > 0 && R2->APrevCommand.Last() == cmOpenShtamp) R2->APrevCommand.Pop();
    r.Stamp->Commit();
    r.Stamp.Reset();
}

// ---- Technical requirements and closing ------------------------------------------------------

void TModelerApi::drCloseLeaf()
{
    if (OutputContour() != nullptr) return;
    TLeafSelector::Instance().drUpdateLeafFormat();
    TRegistryApi& r = *R3;
    SaveClosingLeaf();
    r.IDoc2D.Reset();
    r.IDoc.Reset();
    R2->Constraint2D.Clear();
}

void TModelerApi::SaveClosingLeaf()
{
    TRegistryApi& r = *R3;
    if (r.IDoc && IsNewLeaf(*r.IDoc))
        CheckSaved(*r.IDoc, r.IDoc->SaveAs(Wide(r.LeafFile).c_str()), r.LeafFile);
    else if (r.IDoc)
        CheckResaved(*r.IDoc, r.IDoc->Save());
    ForgetLeaf();
}

bool TModelerApi::IsNewLeaf(tvapi::ITervanDocument& Doc) const
{
    return tvapi::SameObject(R3->Leaf.Get(), &Doc);
}

TString TModelerApi::LeafName(tvapi::ITervanDocument& Doc)
{
    return IsNewLeaf(Doc) ? R3->LeafFile : TString(Doc.GetFileName());
}

void TModelerApi::ForgetLeaf()
{
    TRegistryApi& r = *R3;
    r.Leaf.Reset();
    r.LeafFile = Str();
}

void TModelerApi::drSaveLeaf()
{
    if (OutputContour() != nullptr || !R3->IDoc2D) return;
    // A new sheet has no file before the save that closes it: there is nothing to save it over.
    if (IsNewLeaf(*R3->IDoc2D)) return;
    CheckResaved(*R3->IDoc2D, R3->IDoc2D->Save());
}

void TModelerApi::drOpenTDem()
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    const tvapi::IDrawingDocumentPtr drawing(r.IDoc2D);
    r.TechnicalDemand = drawing ? drawing->GetTechnicalDemand() : nullptr;
    // The lines that follow are the requirements: they go to its text and to no other.
    r.Text = r.TechnicalDemand ? r.TechnicalDemand->GetText() : nullptr;
    if (!r.TechnicalDemand) return;
    Integer format = 0, orientation = 0;
    SheetFormatOf(r.IDoc, format, orientation);
    const TRect2D block = TLeafSelector::Instance().DemandBlock(format, orientation);
    r.TechnicalDemand->SetBlock({block.Right(), block.Bottom(), block.Left(), block.Top()});
}

void TModelerApi::drCloseTDem()
{
    if (OutputContour() != nullptr) return;
    TRegistryApi& r = *R3;
    r.Text.Reset();
    if (!r.TechnicalDemand) return;
    r.TechnicalDemand->Update();
    r.TechnicalDemand.Reset();
}

void TModelerApi::drCloseViewTDemCloseLeaf(Str const& S1, Str const& S2, Str const& S3, Str const& S4)
{
    TModeler2D::drCloseViewTDemCloseLeaf(S1, S2, S3, S4);
}

} // namespace drApi

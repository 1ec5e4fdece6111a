// ==== drApi::TModelerApi (drModelerAPI.h), part: details by number ==============================
// Numbered details of the library's control model as part documents of their own, inserted
// into the active assembly and recorded in drApi::ADP, and the end of a detail's document.

#include "drModelerAPI.h"

#include "Dictionary.h"
#include "Dimension3D.h"
#include "TControlModel.h"
#include "TFileName.h"
#include "drDetailPart.h"

namespace drApi {

namespace {

// The extension of an assembly file, put in place of a part file's.
constexpr const char* AssemblyExtension = "qas";
constexpr Integer ExtensionLength = 3;

// The file of a detail the control model knows and that exists; empty otherwise.
TString ExistingDetailFile(TModelerApi& api, Integer DetailCode, Integer Suffics)
{
    const TControlModel* model = LibraryControlModel;
    if (!model || !model->ExistDetail(DetailCode)) return {};
    // The parts just built closed their documents: the open document of the modeller's current
    // detail becomes current again, so the parts go into it.
    TRegistryApi& r = *api.R3;
    if (!r.IDoc3D) {
        const TDetailInfo& di = api.R2->DI;
        r.IDoc = api.GetOpenDocument(tvapi::tvDocumentPart, model->sfDetail3D(di.cDetail, di.cSuffics));
        r.IDoc3D = r.IDoc;
    }
    TString file = model->sfDetail3D(DetailCode, Suffics);
    return FileExists(file) ? file : TString();
}

// The recorded 3D points of the layout let their host objects go: a new part starts afresh.
void ForgetPoints3D()
{
    TArrayOf<TDimension3D>& points = ADimension3D.APoint3D;
    for (TDimension3D& d : points)
        d.Point.Reset();
    points.Clear();
}

} // namespace

Boolean TModelerApi::drCreate3DNewPart(Integer Detail, Integer subDetail, Boolean InVisible, Boolean IsDetail)
{
    TControlModel* model = LibraryControlModel;
    if (!model || !model->ExistDetail(Detail)) return false;
    R2->DI.cDetail = Detail;
    R2->DI.cSuffics = subDetail;
    TString fileName = model->sfDetail3D(Detail, subDetail);
    if (!IsDetail && fileName.Length() >= ExtensionLength)
        fileName = fileName.SubStr(0, fileName.Length() - ExtensionLength) + TString(AssemblyExtension);
    const TString name = model->NameDet(Detail, 0);
    const TString marking = model->MarkingDet(Detail, subDetail);
    const Boolean made = drCreate3D(InVisible, IsDetail, fileName, DC(name), DC(marking));
    ForgetPoints3D();
    TRegistryApi& r = *R3;
    if (r.ProgressBar) r.ProgressBar->SetPosition(r.CountDrawing);
    ++r.CountDrawing;
    return made;
}

Boolean TModelerApi::drCreate3DNewPartPlane(Integer Detail, Integer subDetail, Boolean InVisible,
                                            tvapi::tvObj3dTypeEnum BasePlane, Real const& Vidst)
{
    const Boolean made = drCreate3DNewPart(Detail, subDetail, InVisible, true);
    if (made) drPlaneEskis(BasePlane, Vidst, 0.0, TString());
    return made;
}

void TModelerApi::AddDetail(Real const& x, Real const& y, Real const& z, Integer DetailCode, Integer Suffics,
                            Boolean ReverseZ)
{
    const TString file = ExistingDetailFile(*this, DetailCode, Suffics);
    if (file.Empty()) return;
    AddDetail(x, y, z, file, ReverseZ, true);
    ADP.Add(R3->Part, DetailCode, Suffics);
}

void TModelerApi::AddDetailIf(Real const& x, Real const& y, Real const& z, Integer DetailCode,
                              Integer Suffics, Boolean U)
{
    if (U) AddDetail(x, y, z, DetailCode, Suffics, false);
}

void TModelerApi::AddDetailAxle(Real const& x, Real const& y, Real const& z, Integer DetailCode,
                                Integer Suffics, Real const& xDx, Real const& xDy, Real const& xDz,
                                Real const& yDx, Real const& yDy, Real const& yDz)
{
    const TString file = ExistingDetailFile(*this, DetailCode, Suffics);
    if (file.Empty()) return;
    AddDetailAxle(x, y, z, file, xDx, xDy, xDz, yDx, yDy, yDz, true);
    ADP.Add(R3->Part, DetailCode, Suffics);
}

// A call whose document is missing is left out; the rest still run.
void TModelerApi::drClose3D(Boolean SaveDocument3D, Quor::TSectionSpc Section)
{
    TRegistryApi& r = *R3;
    if (SaveDocument3D) {
        if (r.IDoc3D) {
            r.IDoc3D->Activate();
            r.IDoc3D->RebuildDocument(true);
        }
        if (Section != Quor::tNotExist && !R2->DI.Note.Empty())
            drSpcObj3D(Quor::tDetail, R2->DI.Note, r.Part);
        drSave3D(false, true);
    }
    if (r.IDoc) r.IDoc->Close(tvapi::kdDoNotSaveChanges);
    r.ExpectBodies = -1;
    r.CreatedFile = Str();
    r.Unwritten = false;
    ShowHeldBoxes();
}

} // namespace drApi

// ==== drApi::TModelerApi (drModelerAPI.h), part: the part documents of details ===================
// A detail of the library's control model becomes a part document named after it; finishing
// a part saves and closes it.

#include "drModelerAPI.h"

#include "Dictionary.h"
#include "Dimension3D.h"
#include "TControlModel.h"

namespace drApi {

Boolean TModelerApi::drCreate3DNewPart(Integer Detail, Integer subDetail, Boolean InVisible, Boolean IsDetail)
{
    TControlModel* model = LibraryControlModel;
    if (!model || !model->ExistDetail(Detail)) return false;
    TDetailInfo& di = R2->DI;
    di.cDetail = Detail;
    di.cSuffics = subDetail;
    TString fileName = model->sfDetail3D(Detail, subDetail);
    if (!IsDetail && fileName.Length() >= 3) fileName = fileName.SubStr(0, fileName.Length() - 3) + "qas";
    const TString name = model->NameDet(Detail, 0);
    const TString marking = model->MarkingDet(Detail, subDetail);
    const Boolean made = drCreate3D(InVisible, IsDetail, fileName, DC(name), DC(marking));
    ADimension3D.APoint3D.Count = 0;
    TRegistryApi& r = *R3;
    if (r.ProgressBar) r.ProgressBar->SetPosition(r.CountDrawing);
    ++r.CountDrawing;
    return made;
}

Boolean TModelerApi::drCreate3DNewPartPlane(Integer Detail, Integer subDetail, Boolean InVisible,
                                            tvapi::tvObj3dTypeEnum BasePlane, Real const& Vidst)
{
    const Boolean made = drCreate3DNewPart(Detail, subDetail, InVisible, true);
    if (made) drPlaneEskis(BasePlane, Vidst, 0.0, Str());
    return made;
}

void TModelerApi::drClose3D(Boolean SaveDocument3D, Quor::TSectionSpc)
{
    TRegistryApi& r = *R3;
    if (SaveDocument3D && r.IDoc3D) r.IDoc3D->RebuildDocument(true);
    if (SaveDocument3D) drSave3D(false, true);
    if (r.IDoc) r.IDoc->Close(tvapi::kdDoNotSaveChanges);
    r.Obj3D.Reset();
    r.Obj.Reset();
    r.IDoc.Reset();
    r.IDoc3D.Reset();
    r.Part.Reset();
}

} // namespace drApi

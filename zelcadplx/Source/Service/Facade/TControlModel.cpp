#include "TControlModel.h"

#include "Dictionary.h"
#include "KmfData.h"
#include "TDetail.h"
#include "TextBase.h"
#include "drMaterial.h"
#include "drModelerAPI.h"
#include "drSheetFormat.h"

#include <algorithm>
#include <utility>

namespace {

// The sheet whose corner the title-block data refer to: A0 landscape, and the offset of
// the data's anchor from the drawing area's upper-left corner.
constexpr Integer StampFormat = 0;
constexpr Integer StampOrientation = 1;
constexpr Real StampOffsetX = 65.0;
constexpr Real StampOffsetY = -70.0;

// A number as a name carries it: decimal, no leading zeros, a minus sign when negative.
Str NumberText(Integer N)
{
    return Str(N, 1);
}

} // namespace

void TControlModel::dcDetail::Swap(dcDetail& D)
{
    std::swap(Number, D.Number);
    Name.Swap(D.Name);
    std::swap(Material, D.Material);
    std::swap(Shoroh, D.Shoroh);
    std::swap(Scale2, D.Scale2);
    std::swap(PD, D.PD);
    std::swap(this->DC, D.DC);
}

TControlModel::TControlModel(const Str& iStateName, const Str& iHelpName)
    : StateName(iStateName), HelpName(iHelpName)
{
}

void TControlModel::SetDetails(dcDetail* iDataDetail, Integer iCountDetail)
{
    DataDetail = iDataDetail;
    CountDetail = iDataDetail ? std::max(iCountDetail, 0) : 0;
    for (Integer i = 0; i < CountDetail; ++i) {
        for (Integer j = 0; j < CountDetail; ++j) {
            if (DataDetail[j].Number != i) continue;
            DataDetail[j].Swap(DataDetail[i]);
            DataDetail[i].Number = 0;
            break;
        }
    }
}

void TControlModel::SetExistDet(const TDcDetail Detail, const Integer N)
{
    if (InTable(Detail)) DataDetail[Detail].Number = N;
}

Boolean TControlModel::ExistDet(const TDcDetail Detail) const
{
    return Detail == 0 || (InTable(Detail) && DataDetail[Detail].Number > 0);
}

Integer TControlModel::NumberDet(const TDcDetail Detail) const
{
    return InTable(Detail) ? DataDetail[Detail].Number : 0;
}

Integer TControlModel::DetailByNumber(const Integer iNumberDet) const
{
    for (Integer i = 0; i < CountDetail; ++i)
        if (DataDetail[i].Number == iNumberDet) return i;
    return -1;
}

Integer TControlModel::MaterialDet(const TDcDetail Detail) const
{
    return InTable(Detail) ? DataDetail[Detail].Material : 0;
}

void TControlModel::SetCodeDet(const TDcDetail Detail, const TBaseDetail& iDC)
{
    if (InTable(Detail)) DataDetail[Detail].DC = iDC;
}

void TControlModel::SetCodeDet(const TDcDetail Detail, Integer ID, Integer Index, Integer Index2)
{
    SetCodeDet(Detail, TBaseDetail{ID, Index, Index2});
}

TBaseDetail& TControlModel::GetCodeDet(const TDcDetail Detail)
{
    if (InTable(Detail)) return DataDetail[Detail].DC;
    ScratchCode = TBaseDetail();
    return ScratchCode;
}

Str TControlModel::NoteDet(const TDcDetail Detail) const
{
    if (!InTable(Detail) || !ABaseDetail.Active) return Str();
    return ABaseDetail.Name(DataDetail[Detail].DC);
}

Str TControlModel::NameDet(const TDcDetail Detail, Integer Suffics) const
{
    if (!InTable(Detail)) return Str();
    Str name = DC(DataDetail[Detail].Name);
    if (Suffics != 0) name += " " + NumberText(Suffics);
    return name;
}

Str TControlModel::MarkingDet(const TDcDetail Detail, Integer Suffics) const
{
    if (!InTable(Detail)) return Str();
    const dcDetail& row = DataDetail[Detail];
    Str marking = NameMarking;
    if (!marking.Empty()) {
        marking = DC(NameMarking) + "-" + NumberText(row.Number);
        if (Suffics != 0) marking += "-" + NumberText(Suffics);
    }
    if (ABaseDetail.Active && row.DC.ID != 0) marking += " ( " + ABaseDetail.Name(row.DC) + " ) ";
    return marking;
}

Str TControlModel::sfDetail(const TDcDetail Detail, const Integer Suffics) const
{
    if (!InTable(Detail)) return Str();
    Str name = prFileName + NumberText(DataDetail[Detail].Number);
    if (Suffics != 0) name += "-" + NumberText(Suffics);
    return name;
}

Str TControlModel::sfDetail2D(const TDcDetail Detail, const Integer Suffics) const
{
    if (!InTable(Detail)) return Str();
    return sfDetail(Detail, Suffics) + ".qdr";
}

Str TControlModel::sfDetail3D(const TDcDetail Detail, const Integer Suffics) const
{
    if (!InTable(Detail)) return Str();
    return sfDetail(Detail, Suffics) + (Detail == 0 ? ".qas" : ".qpt");
}

Boolean TControlModel::SetCurrent(TModeler3D& M, const TDcDetail Detail, const Integer subDetail)
{
    if (!InTable(Detail) || !ExistDet(Detail)) return false;
    const dcDetail& row = DataDetail[Detail];
    TDetailInfo& info = M.R2->DI;
    info.cDetail = Detail;
    info.cSuffics = subDetail;
    info.Weight = drApi::MA.GetMassFile(sfDetail3D(Detail, subDetail));
    info.comment = NameDet(Detail, 0);
    info.designation = DC(MarkingDet(Detail, subDetail));
    info.fileName = prFileName + NumberText(row.Number);
    if (subDetail != 0) {
        info.fileName += "-" + NumberText(subDetail);
        info.comment += NumberText(subDetail);
    }
    const TMaterial* material = MaterialRow(row.Material);
    info.material = material ? material->Name : Str();
    Real x = 0.0;
    Real y = 0.0;
    TLeafSelector::Instance().GetLeafLeftUp(StampFormat, StampOrientation, x, y);
    info.Left = x + StampOffsetX;
    info.Top = y + StampOffsetY;
    return true;
}

void TControlModel::Make2D(TModeler3D& M)
{
    M.SetOnlySizes2D(false);
    for (Integer i = CountDetail - 1; i >= 1; --i) {
        const dcDetail& row = DataDetail[i];
        if (row.Number == 0 || !row.PD) continue;
        try {
            row.PD->dr2D();
        } catch (...) {
            // One detail that fails to draw must not keep the others off the sheet.
        }
    }
}

void TControlModel::Make3D(TModeler3D&, const Integer fromDetail, Boolean)
{
    const Integer first = fromDetail < CountDetail ? fromDetail : CountDetail - 1;
    for (Integer i = first; i >= 1; --i) {
        const dcDetail& row = DataDetail[i];
        if (row.Number == 0 || !row.PD) continue;
        try {
            row.PD->dr3D(10);
        } catch (...) {
            // As in Make2D: the remaining details are still built.
        }
    }
}

void TControlModel::Write(TKmfData& stream) const
{
    stream << NameMarking;
    SP.toStream(stream);
}

void TControlModel::Read(TKmfData& stream)
{
    if (stream.Version() >= VersionNameMarking) stream >> NameMarking;
    SP.fromStream(stream);
}

void TControlModel::to(VUI8& Result) const
{
    TKmfData stream;
    Write(stream);
    stream.to(Result);
}

void TControlModel::from(const VUI8& Data)
{
    TKmfData stream;
    stream.from(Data);
    Read(stream);
}

// A link towards the user: its row in the link grid, the write-back of calculated deviations
// into the closing dimension, and the check whether the drawing changed a stored link.

#include "TDimension.h"

#include "Messager.h"
#include "TLinkText.h"
#include "drModelerAPI.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingTexts.h"

#include <cmath>

namespace {

constexpr int FirstUserColumn = 8;

std::wstring Fixed(Real v, int digits)
{
    return Wide(LinkText::Number(v, digits));
}

std::wstring AngleText(Real degrees)
{
    return Wide(LinkText::Angle(degrees));
}

const wchar_t* TransformationLetter(const TDimension& D)
{
    if (!D.Transformation) return L"";
    switch (D.Type) {
    case tvapi::tvDrADimension:
        return L"A";
    case tvapi::tvDrDDimension:
        return L"R";
    case tvapi::tvDrRDimension:
        return L"D";
    default:
        return L"";
    }
}

} // namespace

void TDimension::toGrid(const TLinkGridPtr& Grid, int Row, int NumberChain, bool Closed) const
{
    if (!Grid) return;
    if (Grid->RowCount() <= Row) Grid->SetRowCount(Row + 1);
    if (NumberChain >= 0)
        Grid->SetText(Row, rNumner, Wide(LinkText::Label(NumberChain + 1, Row - 1, Closed)));
    Grid->SetText(Row, rDirect, L"");
    Grid->SetText(Row, rNominal, Fixed(Nominal, 2));
    Grid->SetText(Row, rQHigh, Fixed(QHigh, 3));
    Grid->SetText(Row, rQLow, Fixed(QLow, 3));
    Grid->SetText(Row, rTransformation, TransformationLetter(*this));
    Grid->SetText(Row, rAQHigh, AngleText(AQHigh));
    Grid->SetText(Row, rAQLow, AngleText(AQLow));
    Grid->SetText(Row, rEQHigh, Fixed(EQHigh, 3));
    Grid->SetText(Row, rEQLow, Fixed(EQLow, 3));
    Grid->SetText(Row, rComment, Wide(Comment));
    Grid->SetText(Row, rdLdT, Fixed(dLdT, 3));
    Grid->SetText(Row, rdT, Fixed(dT, 3));
    for (int c = 0; c < rCountRow; ++c)
        Grid->SetCellFlag(Row, c, c >= FirstUserColumn ? 1 : 0);
}

void TDimension::toDrawing()
{
    if (!std::isfinite(QHigh) || !std::isfinite(QLow)) return;
    tvapi::IDimensionTextPtr text;
    if (Obj)
        text = tvapi::IDimensionTextPtr(Obj);
    else if (MO)
        text = tvapi::IDimensionTextPtr(MO);
    if (!text) return;
    const TString high = LinkText::Deviation(QHigh), low = LinkText::Deviation(QLow);
    const tvapi::ITextPtr upper = text->GetUpperDeviation(), lower = text->GetLowerDeviation();
    if (!upper || !lower) return;
    upper->SetStr(TString(high).toWideChar());
    lower->SetStr(TString(low).toWideChar());
    // The drawing now holds the rounded values: so does the link, or a reopened drawing
    // would look changed.
    QHigh = high.toReal();
    QLow = low.toReal();
    if (!Obj) {
        MO->Update();
        return;
    }
    Obj->Update();
    Messager.LiftBox(TString(upper->GetStr()), TMessager::toAlways);
}

namespace {

// What the user set on a link, carried from the stored link to its re-read form.
void CarryUserState(TDimension& D, const TDimension& L)
{
    static_cast<TDimensionUserState&>(D) = L;
    // Angular deviations typed on the toolbar (not read from an auxiliary angular dimension).
    if (L.Type != tvapi::tvDrADimension && L.TypeAuxiliary != tvapi::tvDrADimension)
        static_cast<TDimensionAngularTolerances&>(D) = L;
}

// The conversion as the user left it: diameter and radius scaled, angular deviations read
// from an angular dimension reversed (those typed on the toolbar came over reversed already).
void ApplyConversion(TDimension& D)
{
    if (!D.Transformation) return;
    if (D.Type == tvapi::tvDrADimension || D.TypeAuxiliary == tvapi::tvDrADimension) {
        D.AQLow = -D.AQLow;
        D.AQHigh = -D.AQHigh;
        return;
    }
    const bool circular = D.Type == tvapi::tvDrDDimension || D.Type == tvapi::tvDrRDimension;
    if (!circular || D.KTransformation == 0.0) return;
    D.V2 *= D.KTransformation;
    D.QLow *= D.KTransformation;
    D.QHigh *= D.KTransformation;
}

// A projection the user chose on the panel (one not given by the auxiliary object).
void ApplyProjection(TDimension& D)
{
    const Real len = D.V2.Len();
    const Real ww = D.VTransformation | D.VTransformation;
    if (D.TypeAuxiliary == tvapi::tvDrLDimension || !(ww > 0.0) || !(len > TDimension::ZeroLength)) return;
    const TVector2D& w = D.VTransformation;
    const Real k1 = (D.P1.x * w.x + D.P1.y * w.y) / ww, k2 = (D.P2.x * w.x + D.P2.y * w.y) / ww;
    const TVector2D d = w * (k2 - k1);
    if (!(d.Len() > 1e-4)) return;
    const Real k = d.Len() / len;
    D.QLow *= k;
    D.QHigh *= k;
    D.V2 = d;
}

} // namespace

Boolean TDimension::LoadChange()
{
    const tvapi::DrawingObjectTypeEnum TO = drApi::MA.GetType(Obj), TA = drApi::MA.GetType(AuxObj);
    if (TO != Type || TA != TypeAuxiliary) return false;
    TDimension D(*this);
    switch (Type) {
    case tvapi::tvDrLDimension:
        D.SetLDim(Obj, AuxObj);
        break;
    case tvapi::tvDrADimension:
        D.SetADim(Obj, AuxObj);
        break;
    case tvapi::tvDrDDimension:
        D.SetDDim(Obj, AuxObj);
        break;
    case tvapi::tvDrRDimension:
        D.SetRDim(Obj, AuxObj);
        break;
    default:
        break;
    }
    D.Prepare();
    CarryUserState(D, *this);
    ApplyConversion(D);
    ApplyProjection(D);
    if (D == *this) return false;
    *this = D;
    return true;
}

// A link towards the user: its row in the link grid, the write-back of calculated deviations
// into the closing dimension, and the check whether the drawing changed a stored link.

#include "TDimension.h"

#include "ChainHost.h"
#include "DeviationText.h"
#include "TLinkText.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingTexts.h"

#include <cmath>

namespace {

// Projection directions this close are one; the stored form compares them so.
constexpr Real DirectionTolerance = 1e-5;

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
    const TShownFigures shown = Shown();
    Grid->SetText(Row, rNominal, Fixed(shown.Nominal, 2));
    Grid->SetText(Row, rQHigh, Fixed(shown.QHigh, 3));
    Grid->SetText(Row, rQLow, Fixed(shown.QLow, 3));
    Grid->SetText(Row, rTransformation, TransformationLetter(*this));
    Grid->SetText(Row, rAQHigh, AngleText(AQHigh));
    Grid->SetText(Row, rAQLow, AngleText(AQLow));
    Grid->SetText(Row, rEQHigh, Fixed(EQHigh, 3));
    Grid->SetText(Row, rEQLow, Fixed(EQLow, 3));
    Grid->SetText(Row, rComment, Wide(Comment));
    Grid->SetText(Row, rdLdT, Fixed(dLdT, 3));
    Grid->SetText(Row, rdT, Fixed(dT, 3));
    for (int c = 0; c < rCountRow; ++c)
        Grid->SetCellFlag(Row, c, IsUserColumn(c) ? 1 : 0);
}

TShownFigures TDimension::Shown() const
{
    if (IsModel()) return {V3.Len(), QHigh, QLow};
    // An angle shows its own nominal in degrees, not the length of the ray it is laid along.
    if (Type == tvapi::tvDrADimension) return {ANominal, QHigh, QLow};
    return {NominalVector().Len(), QHigh, QLow};
}

void TDimension::toDrawing(TChainHost& Host)
{
    if (!std::isfinite(QHigh) || !std::isfinite(QLow)) return;
    tvapi::IDimensionTextPtr text;
    if (Obj)
        text = tvapi::IDimensionTextPtr(Obj);
    else if (MO)
        text = tvapi::IDimensionTextPtr(MO);
    if (!text) return;
    // An angle's deviations are angular, in degrees, minutes and seconds.
    const bool angular = Type == tvapi::tvDrADimension;
    if (angular && (!std::isfinite(AQHigh) || !std::isfinite(AQLow))) return;
    const TString high = angular ? LinkText::Angle(AQHigh) : LinkText::Deviation(QHigh);
    const TString low = angular ? LinkText::Angle(AQLow) : LinkText::Deviation(QLow);
    const tvapi::ITextPtr upper = text->GetUpperDeviation(), lower = text->GetLowerDeviation();
    if (!upper || !lower) return;
    upper->SetStr(TString(high).toWideChar());
    lower->SetStr(TString(low).toWideChar());
    // The drawing now holds the rounded values: so does the link, read as a reopened drawing
    // reads them, or it would look changed.
    Real& keptHigh = angular ? AQHigh : QHigh;
    Real& keptLow = angular ? AQLow : QLow;
    keptHigh = DeviationValue(upper->GetStr(), angular);
    keptLow = DeviationValue(lower->GetStr(), angular);
    if (!Obj) {
        MO->Update();
        return;
    }
    Obj->Update();
    Host.Tell(TString(upper->GetStr()));
}

namespace {

// What the user set on a link, carried from the stored link to its re-read form.
void CarryUserState(TDimension& D, const TDimension& L)
{
    const TVector2D captured = D.VTransformation;
    const Real angle = D.ANominal;
    static_cast<TDimensionUserState&>(D) = L;
    // Angular deviations typed on the toolbar (not read from an auxiliary angular dimension).
    if (L.Type != tvapi::tvDrADimension && L.TypeAuxiliary != tvapi::tvDrADimension)
        static_cast<TDimensionAngularTolerances&>(D) = L;
    // A direction or an angle's nominal that is no number was never the user's: the link's
    // objects give it (the projection the pick made, or none; the nominal of no angle).
    if (!std::isfinite(L.VTransformation.x) || !std::isfinite(L.VTransformation.y))
        D.VTransformation = captured;
    if (!std::isfinite(L.ANominal)) D.ANominal = angle;
}

// The conversion as the user left it: diameter and radius scaled, angular deviations read
// from an angular dimension reversed (those typed on the toolbar came over reversed already).
void ApplyConversion(TDimension& D)
{
    if (!D.Transformation) return;
    if (D.Type == tvapi::tvDrADimension || (D.Type == tvapi::tvDrLDimension && D.BoundAngle())) {
        D.AQLow = -D.AQLow;
        D.AQHigh = -D.AQHigh;
        return;
    }
    const bool circular = D.Type == tvapi::tvDrDDimension || D.Type == tvapi::tvDrRDimension;
    if (!circular || D.KTransformation == 0.0) return;
    D.ScaleCircle(D.KTransformation);
}

bool SameDirection(const TVector2D& A, const TVector2D& B)
{
    return std::fabs(A.x - B.x) <= DirectionTolerance && std::fabs(A.y - B.y) <= DirectionTolerance;
}

// How far a projected link lies from the stored one, in its vector and deviations.
Real Distance(const TDimension& D, const TDimension& Stored)
{
    return std::fabs(D.QHigh - Stored.QHigh) + std::fabs(D.QLow - Stored.QLow) +
           TVector2D(D.V2.x - Stored.V2.x, D.V2.y - Stored.V2.y).Len();
}

// A projection the user chose on the panel, made again on the re-read link D by its kind. One
// that the capture made itself (a linear link's own linear dimension) is left alone. A link
// stored before the kind was kept takes the formula that gives the stored numbers back, and
// keeps its kind from then on.
void ReapplyProjection(TDimension& D, const TVector2D& Captured, const TDimension& Stored)
{
    const TVector2D w = D.VTransformation;
    if (!((w | w) > 0.0) || SameDirection(w, Captured)) return;
    if (D.Projection != TProjectionKind::Unknown) {
        D.ProjectAlong(w, D.Projection);
        return;
    }
    TDimension bySegment(D), byDimension(D);
    bySegment.ProjectAlong(w, TProjectionKind::Segment);
    byDimension.ProjectAlong(w, TProjectionKind::Dimension);
    D = Distance(byDimension, Stored) < Distance(bySegment, Stored) ? byDimension : bySegment;
}

Real Apart(const TPoint2D& A, const TPoint2D& B)
{
    return TVector2D(A, B).Len();
}

// A link derived from a diameter or radius (it has no dimension of its own), derived again
// from that dimension as it now stands by its Number; false when it is one no more. A link
// stored before its Number was kept (0) takes the derivation whose ends lie nearest its own.
bool Rederive(TChainHost& Host, TDimension& D)
{
    TDimension source;
    if (!source.Capture(Host, Host.GetType(D.PearentObj), D.PearentObj, tvapi::IDrawingObjectPtr()))
        return false;
    bool found = false;
    Real nearest = 0.0;
    TDimension best;
    for (int n = 1; n <= 3; ++n) {
        if (D.Number != 0 && n != D.Number) continue;
        TDimension again(D);
        if (!again.SetDerivative(Host, source, n, D.AuxObj)) continue;
        const Real apart = Apart(again.P1, D.P1) + Apart(again.P2, D.P2);
        if (found && !(apart < nearest)) continue;
        found = true;
        nearest = apart;
        best = again;
    }
    if (found) D = best;
    return found;
}

} // namespace

bool TDimension::Derive(TChainHost& Host)
{
    const bool derived = !Obj && PearentObj;
    TDimension D(*this);
    TVector2D captured;
    if (derived) {
        if (!Rederive(Host, D)) return false;
    } else {
        const tvapi::DrawingObjectTypeEnum TO = Host.GetType(Obj), TA = Host.GetType(AuxObj);
        if (TO != Type || TA != TypeAuxiliary) return false;
        D.Capture(Host, Type, Obj, AuxObj);
        captured = D.VTransformation;
        D.Prepare();
    }
    CarryUserState(D, *this);
    D.ProjectionObj = ProjectionObj; // a capture starts without them
    D.AngleAuxObj = AngleAuxObj;
    if (!D.ReadAngleAuxObj(Host)) return false;
    D.ReadProjectionObj(Host);
    ApplyConversion(D);
    ReapplyProjection(D, captured, *this);
    *this = D;
    return true;
}

Boolean TDimension::LoadChange(TChainHost& Host)
{
    TDimension D(*this);
    if (!D.Derive(Host)) return false;
    Projection = D.Projection; // a kind found for an older link is kept, changed or not
    if (D == *this) return false;
    *this = D;
    return true;
}

// Position leaders of the components of an assembly drawing.
#include "TPositionDetails.h"

#include <algorithm>
#include <cmath>

#include "TControlModel.h"
#include "drModeler.h"

namespace {

constexpr Real Spacing = 15.0;      // least distance between neighbouring shelves
constexpr Real NoRightYet = -999.0; // below any shelf of the right side
constexpr Real ShelfHeight = 5.0;
constexpr Real ShelfNarrowing = 1.0;
constexpr Real ShelfSlant = 75.0;
constexpr Integer RegionDetail = 42; // the detail whose region the left leaders jump
constexpr Real RegionGap = 10.0;
constexpr Real BelowRegion = -16.0;

Real Sin(Real degrees)
{
    return std::sin(degrees * TMathDef::DEGRAD);
}

} // namespace

TPositionDetails::TPositionDetails(TModeler2D& M, TControlModel& CM, Real NoPosition)
    : FModeler(M), FModel(CM), FNoPosition(NoPosition)
{
}

void TPositionDetails::Add(Real const& x, Real const& y, Integer detCode, Integer Suffics, Integer detCount,
                           Integer detType)
{
    if (!FModel.ExistDetail(detCode)) return;
    TPositionDetail d;
    d.x = x;
    d.y = y;
    d.DC = detCode;
    d.Number = FModel.NumberDet(detCode);
    d.Suffics = Suffics;
    d.Count = detCount;
    d.TypeDetail = detType;
    TArrayOf<TPositionDetail>::Add(d);
}

void TPositionDetails::drShelfSpcObject(Real const& x, Real const& y, TPositionDetail const& PD)
{
    FModeler.drGroup(false);
    if (HasPoint(PD)) {
        FModeler.drShelf(tvapi::tvLSignNone, x, y, tvapi::tvLSRight, tvapi::tvLeaderWithoutArrow, ShelfHeight,
                         ShelfNarrowing, ShelfSlant, TString(PD.Number), ShelfHeight, ShelfNarrowing,
                         ShelfSlant, Str());
        FModeler.drPoint(PD.x, PD.y);
        FModeler.drEndObj();
    }
    FModeler.drEndGroup();
    const auto section = static_cast<Quor::TSectionSpc>(PD.TypeDetail);
    const bool ownFile = section == Quor::tSborka || section == Quor::tDetail;
    FModeler.drSpcObject(section, ownFile ? FModel.sfDetail(PD.DC, PD.Suffics) : FModel.NameDet(PD.DC, 0),
                         PD.Number, PD.Count);
}

void TPositionDetails::EvaluateAngleInsertNoPosSortByAngle(Real const& xv, Real const& yv, Real const&,
                                                           Real const&, Real const&)
{
    for (Integer i = 0; i < Count;) {
        TPositionDetail& d = (*this)[i];
        if (!HasPoint(d)) {
            const TPositionDetail taken = d;
            drShelfSpcObject(0, 0, taken);
            d = (*this)[Count - 1];
            --Count;
            continue;
        }
        d.a = AngleLine(xv, yv, d.x, d.y);
        if (d.a > 270) d.a -= 360;
        ++i;
    }
    for (Integer i = 0; i + 1 < Count; ++i) {
        Integer least = i;
        for (Integer j = i + 1; j < Count; ++j)
            if ((*this)[j].a < (*this)[least].a) least = j;
        if (least != i) std::swap((*this)[i], (*this)[least]);
    }
}

void TPositionDetails::drDetailsPos(Real const& xv, Real const& yv, Real const& xl, Real const& xr,
                                    Real const& yr, Real const& R62)
{
    bool jump = FModel.ExistDetail(RegionDetail);
    const Real aR = AngleLine(xv, yv, xr, yr), aL = AngleLine(xv, yv, xl, yr);
    EvaluateAngleInsertNoPosSortByAngle(xv, yv, xl, xr, yr);
    Real yRight = NoRightYet, xTop = xr, yLeft = yr - Spacing;
    for (Integer i = 0; i < Count; ++i) {
        const TPositionDetail d = (*this)[i];
        if (d.a <= aR) {
            yRight = std::max(yRight + Spacing, d.y + (xr - d.x) * Sin(d.a));
            drShelfSpcObject(xr, yRight, d);
        } else if (d.a <= aL) {
            xTop = std::min(xTop - Spacing, d.x + (yr - d.y) * std::cos((90 - d.a) * TMathDef::DEGRAD));
            drShelfSpcObject(xTop, yr, d);
        } else {
            yLeft = std::min(yLeft - Spacing, d.y + (xv - d.x) * Sin(180 - d.a));
            if (jump && R62 + RegionGap > yLeft) {
                yLeft = BelowRegion - R62;
                jump = false;
            }
            drShelfSpcObject(xl, yLeft, d);
        }
    }
}

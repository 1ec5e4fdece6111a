// The layout of the size points: sorting into rows, ordinate dimensions from the zero lines
// with their texts stacked so that they do not overlap, and the overall sizes.

#include "Dimension3D.h"

#include <cmath>
#include <utility>

#include "drModeler.h"

namespace {

constexpr Real FirstRowGap = 5.0; // the first text row lies H_Font and this beyond the first point
constexpr Real TextHeight = 3.5;
constexpr Real TextNarrowing = 1.0;
constexpr Integer TextStyle = 75;
constexpr Real CharWidth = 2.5; // a text of n characters is about 2.5 n wide
constexpr Real OverallOffset = 12.0;
constexpr Real AxisOverhang = 3.0;
constexpr Real ZeroMarkRadius = 1.0;
constexpr Integer AxisStyle = 3;
constexpr Integer ThinStyle = 2;
constexpr Integer CloseTerminator = 3; // a dimension too close to its neighbour: no room for an arrow
constexpr Integer ArrowTerminator = 1;
constexpr Integer TextWidth = 7;

using TCoord = Real (*)(const TPoint3D&);
Real XOf(const TPoint3D& P)
{
    return P.x;
}
Real YOf(const TPoint3D& P)
{
    return P.y;
}

// Bubble sort from the end towards the front: larger `main` first, within MinStepDimension
// larger `second` first; then a record in the row of the one before is Excluded.
void SortBy(TArrayOf<TDimension3D>& A, TCoord main, TCoord second)
{
    const Real step = TADimension3D::MinStepDimension;
    for (Integer i = 0; i < A.Count; ++i)
        A[i].Exclude = false;
    for (Integer i = 1; i < A.Count; ++i)
        for (Integer j = A.Count - 1; j >= i; --j) {
            const TPoint3D &a = A[j].O, &b = A[j - 1].O;
            if (main(a) > main(b) || (std::fabs(main(a) - main(b)) <= step && second(a) > second(b)))
                std::swap(A[j], A[j - 1]);
        }
    for (Integer i = 1; i < A.Count; ++i)
        A[i].Exclude = std::fabs(main(A[i].O) - main(A[i - 1].O)) <= step;
}

// Up to two decimals, as few as the value needs.
Integer DecimalsOf(Real v)
{
    const Real hundredths = std::round(std::fabs(v) * 100);
    if (std::fmod(hundredths, 100) == 0) return 0;
    return std::fmod(hundredths, 10) == 0 ? 1 : 2;
}

// The terminator at a size point: a dot when its neighbour towards zero lies closer than
// MinLenBetweenDim (the first point looks at the second, the last only back past zero).
Integer TerminatorAt(const TArrayOf<TDimension3D>& A, Integer i, TCoord c)
{
    const auto close = [&](Integer k) {
        return std::fabs(c(A[i].O) - c(A[k].O)) < TADimension3D::MinLenBetweenDim ? CloseTerminator
                                                                                  : ArrowTerminator;
    };
    if (i == 0) return A.Count > 1 ? close(1) : ArrowTerminator;
    if (i == A.Count - 1) return c(A[i - 1].O) < 0 ? close(i - 1) : ArrowTerminator;
    return c(A[i].O) > 0 ? close(i + 1) : close(i - 1);
}

// Ordinate dimensions along y (alongX false: zero line x = Border, text rows downwards) or
// along x (zero line y = Border, rows towards larger x), drawn through M.
class TOrdinates {
public:
    TOrdinates(TADimension3D& iL, bool alongX, Integer iDirect, Real iBorder, Real iDtText)
        : L(iL), M(*iL.M.Ptr), X(alongX), C(alongX ? XOf : YOf), Direct(iDirect), Border(iBorder),
          DtText(iDtText)
    {
        const Real scale = M.R2->Transf2D.ScaleMtr();
        D = TADimension3D::DtSizeLine * Zn(Direct) / scale;
        Line = Border + D;
        Column = Line + TADimension3D::DtSizeText * Zn(Direct) / scale;
    }

    void Draw()
    {
        L.Add2D(X ? 0 : Border, X ? Border : 0, M.GetDetailCode(), TString());
        M.drCircle(X ? 0 : Line, X ? Line : 0, ZeroMarkRadius, ThinStyle);
        X ? L.SortX(Direct) : L.SortY(Direct);
        const TArrayOf<TDimension3D>& A = L.ASizePoint;
        Real row = C(A[0].O) + (X ? -(H + FirstRowGap) : H + FirstRowGap);
        for (Integer i = 0; i < A.Count; ++i) {
            M.drMacro2D(true);
            row = DrawPoint(i, row);
            M.drEndMacro();
        }
    }

private:
    static constexpr Real H = TADimension3D::H_Font;

    // The dimension, leader and text of size point i; returns its text row.
    Real DrawPoint(Integer i, Real row)
    {
        const TDimension3D& p = L.ASizePoint[i];
        const Real v = C(p.O);
        if (v != 0) {
            const Integer T1 = TerminatorAt(L.ASizePoint, i, C);
            M.drDimL(std::fabs(v), "NoSize", X ? 0 : D, X ? D : 0, 0, 0, 3, 3, p.O.x, p.O.y, T1, 0,
                     X ? 0 : Border, X ? Border : 0, 0, 0, "", "", "");
        }
        if (X)
            row = v - row > H ? v : row + H;
        else
            row = row - v > H ? v : row - H;
        M.drLine(X ? v : Line, X ? Line : v, X ? row : Column, X ? Column : row, ThinStyle);
        if (v != 0) DrawText(TString(std::fabs(v), DecimalsOf(v), false, TextWidth) + p.Q, row);
        return row;
    }

    void DrawText(const TString& text, Real row)
    {
        const Real shift = CharWidth * text.Length() + DtText;
        if (X)
            M.drText(row + (H - 1) / 2, Direct < 1 ? Line - shift : Line + DtText, 90, TextHeight,
                     TextNarrowing, TextStyle, text);
        else
            M.drText(Direct < 0 ? Column - shift : Column, row - (H - 1) / 2, 0, TextHeight, TextNarrowing,
                     TextStyle, text);
    }

    TADimension3D& L;
    TModeler2D& M;
    const bool X;
    const TCoord C;
    const Integer Direct;
    const Real Border, DtText;
    Real D = 0, Line = 0, Column = 0;
};

} // namespace

void TADimension3D::SortY(Integer)
{
    SortBy(ASizePoint, YOf, XOf);
}

void TADimension3D::SortX(Integer)
{
    SortBy(ASizePoint, XOf, YOf);
}

void TADimension3D::drDimY(Integer Direct, const Real& XBorder, const Real& DtText)
{
    if (M.Ptr != nullptr) TOrdinates(*this, false, Direct, XBorder, DtText).Draw();
}

void TADimension3D::drDimX(Integer Direct, const Real& YBorder, const Real& DtText)
{
    if (M.Ptr != nullptr) TOrdinates(*this, true, Direct, YBorder, DtText).Draw();
}

// The texts of the ordinate dimensions stand a fixed 5 from their rows, whatever DtText says.
void TADimension3D::drDim(const Real&)
{
    if (M.Ptr == nullptr) return;
    TModeler2D& m = *M.Ptr;
    const TRect2D& G = Gabaryt;
    if (OverallDim != nullptr) {
        OverallDim(m, G.Width(), "h7", 0, -OverallOffset, G.LD, TPoint2D(G.Right(), G.Bottom()));
        OverallDim(m, G.Height(), "h7", -OverallOffset, 0, G.LD, TPoint2D(G.Left(), G.Top()));
    }
    m.drLine(G.Left() - AxisOverhang, 0, G.Right() + AxisOverhang, 0, AxisStyle);
    m.drLine(0, G.Bottom() - AxisOverhang, 0, G.Top() + AxisOverhang, AxisStyle);
    const Real textGap = 5;
    drDimX(1, G.Top(), textGap);
    drDimY(1, G.Right(), textGap);
}

// How a contour leaves the geometry kernel: its stream record (item count, then each item's
// type code and record), its text lines, its drawing through the modeller and into a recorded
// image, and its vertex and index lists for tessellation.

#include "Contour.h"

#include "Arc.h"
#include "GImage.h"
#include "KmfData.h"
#include "LineSeg.h"
#include "Messager.h"
#include "PolyLine.h"
#include "Text.h"
#include "drModeler3D.h"

#include <memory>
#include <utility>

namespace {

constexpr Integer textDecimals = 2; // numbers of the text lines: 2 decimals ...
constexpr Integer textWidth = 7;    // ... right-aligned in 7 characters
constexpr Integer senseDigits = 2;  // the arc's direction: "01", "-1"
constexpr Integer edgeStep = 128;   // growth of GetEdges' collections
constexpr Integer edgeRoom = 512;

// A new empty item for a stored type code; null for a code no reader knows.
std::unique_ptr<TCurve2D> NewItem(int code)
{
    switch (code) {
    case ctPoint:
        return std::make_unique<TBasePoint>();
    case ctLineSeg:
        return std::make_unique<TLineSeg>();
    case ctCircle:
        return std::make_unique<TCircle>();
    case ctArc:
        return std::make_unique<TArc>();
    case ctText:
        return std::make_unique<TText>();
    case ctLine:
        return std::make_unique<TLine>();
    case ctBase:
        return std::make_unique<TContour>();
    default:
        return nullptr;
    }
}

// The image's pen for a modeller line style 1 .. 4; other styles draw thin.
TPenStyles ImagePen(int a)
{
    switch (a) {
    case 1:
        return psSolid;
    case 3:
        return psDashDot;
    case 4:
        return psDash;
    default:
        return psThinSolid;
    }
}

TString Number(double v)
{
    return TString(v, textDecimals, true, textWidth);
}

// "Head" followed by the parts joined with " , ".
TString Joined(const char* Head, std::initializer_list<TString> Parts)
{
    TString s(Head);
    bool first = true;
    for (const TString& p : Parts) {
        if (!first) s += TString(" , ");
        s += p;
        first = false;
    }
    return s;
}

} // namespace

// ---------------------------------------------------------------- stream

void TContour::Store(TKmfData& S) const
{
    S.Write(static_cast<int>(Count));
    for (Integer i = 0; i < Count; ++i) {
        const TCurve2D* C = FArray[i];
        const int code = C != nullptr ? C->IsType() : 0;
        S.Write(code);
        if (C != nullptr) C->Store(S);
    }
}

void TContour::Load(TKmfData& S)
{
    Clear();
    Refresh();
    const int n = S.ReadInteger();
    for (int i = 0; i < n; ++i) {
        std::unique_ptr<TCurve2D> C = NewItem(S.ReadInteger());
        if (C == nullptr) {
            // This message goes to the messenger as it is, without the dictionary.
            Messager.LiftBox(TString("Критическая ошибка чтения контура с потока"), TMessager::toAlways);
            return;
        }
        C->Load(S);
        Add(std::move(C));
    }
}

// ---------------------------------------------------------------- text

void TContour::toText(TArrayOf<TString>& Lines) const
{
    Lines.Resize(Count);
    for (Integer i = 0; i < Count; ++i) {
        const TCurve2D* C = FArray[i];
        switch (C != nullptr ? C->IsType() : 0) {
        case ctLineSeg: {
            const auto* L = static_cast<const TLineSeg*>(C);
            Lines[i] = Joined("Line( ", {Number(L->x), Number(L->y), Number(L->xk), Number(L->yk)});
            break;
        }
        case ctArc: {
            const auto* A = static_cast<const TArc*>(C);
            Lines[i] = Joined("Arc( ",
                              {Number(A->x), Number(A->y), Number(A->Radius), Number(A->A1 * RADDEG),
                               Number(A->A2 * RADDEG), TString(static_cast<Integer>(A->sense), senseDigits)});
            break;
        }
        case ctCircle: {
            const auto* R = static_cast<const TCircle*>(C);
            Lines[i] = Joined("Circle( ", {Number(R->x), Number(R->y), Number(R->Radius)});
            break;
        }
        default:
            break;
        }
    }
}

// ---------------------------------------------------------------- drawing

void TContour::drItem(TModeler3D& M, int I, int OutAtribute) const
{
    if (I < 0 || I >= Count || FArray[I] == nullptr) return;
    const TCurve2D* C = FArray[I];
    const int style = OutAtribute != 0 ? OutAtribute : C->Atr;
    switch (C->IsType()) {
    case ctLineSeg: {
        const auto* L = static_cast<const TLineSeg*>(C);
        M.drLine(L->x, L->y, L->xk, L->yk, style);
        break;
    }
    case ctCircle: {
        const auto* R = static_cast<const TCircle*>(C);
        M.drCircle(R->x, R->y, R->Radius, style);
        break;
    }
    case ctArc: {
        const auto* A = static_cast<const TArc*>(C);
        M.drArc(A->x, A->y, A->Radius, A->A1, A->A2, style, static_cast<Integer>(A->sense));
        break;
    }
    default:
        break;
    }
}

void TContour::drItems(TModeler3D& M, int OutAtribute) const
{
    for (Integer i = 0; i < Count; ++i)
        drItem(M, i, OutAtribute);
}

void TContour::drItemsAt(TModeler3D& M, unsigned int Atribute, int OutAtribute) const
{
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i] != nullptr && static_cast<unsigned int>(FArray[i]->Atr) == Atribute)
            drItem(M, i, OutAtribute);
}

void TContour::GIdrItem(int I, TGImage& Image, int OutAtribute) const
{
    if (I < 0 || I >= Count || FArray[I] == nullptr) return;
    const TCurve2D* C = FArray[I];
    Image.drStyle(ImagePen(OutAtribute != 0 ? OutAtribute : C->Atr));
    switch (C->IsType()) {
    case ctLineSeg: {
        const auto* L = static_cast<const TLineSeg*>(C);
        Image.drLine(L->x, L->y, L->xk, L->yk);
        break;
    }
    case ctCircle: {
        const auto* R = static_cast<const TCircle*>(C);
        Image.drCircle(R->x, R->y, R->Radius);
        break;
    }
    case ctArc: {
        // The image draws counter-clockwise only: a negative radius turns the arc round.
        const auto* A = static_cast<const TArc*>(C);
        Image.drArc(A->x, A->y, A->Radius * Zn(static_cast<Real>(A->sense)), A->A1 * RADDEG, A->A2 * RADDEG);
        break;
    }
    case ctText: {
        const auto* Tx = static_cast<const TText*>(C);
        Image.drColor(0, 0, 0);
        Image.drText(Tx->x, Tx->y, Tx->Angle, Tx->Height, *Tx->Text);
        break;
    }
    default:
        break;
    }
}

void TContour::GIdrItems(TGImage& Image, int OutAtribute) const
{
    for (Integer i = 0; i < Count; ++i)
        GIdrItem(i, Image, OutAtribute);
}

// ---------------------------------------------------------------- tessellation

void TContour::GetEdges(std::vector<double>& Vertexs, std::vector<int>& Indexs) const
{
    TArrayOf<TPoint2D> points(edgeRoom, edgeStep);
    TArrayOf<int> index(edgeRoom, edgeStep);
    for (Integer i = 0; i < Count; ++i) {
        if (FArray[i] == nullptr) continue;
        TPolyLine L;
        FArray[i]->Aproximate(L);
        const Integer h = index.Count;
        index.Add(0);
        for (Integer k = 0; k < L.Points.Count; ++k) {
            index.Add(points.Count);
            points.Add(L.Points[k]);
        }
        index[h] = L.Points.Count;
    }
    Vertexs.resize(3 * static_cast<std::size_t>(points.Count));
    for (Integer k = 0; k < points.Count; ++k) {
        Vertexs[3 * k] = points[k].x;
        Vertexs[3 * k + 1] = points[k].y;
        Vertexs[3 * k + 2] = 0.0;
    }
    Indexs.assign(index.begin(), index.end());
}

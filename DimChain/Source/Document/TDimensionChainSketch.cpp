// Sketches of a chain drawn into the current document: the closed polyline of its links and
// the numbered sketch of its component links.

#include "TDimensionChainSketch.h"

#include "drModelerAPI.h"

#include <vector>

namespace {

// Line styles of the sketch: added and subtracted links, the closing link, the end marks.
enum TSketchStyle : Integer { StylePlus = 1, StyleMinus = 2, StyleClosing = 7, StyleMark = 2 };
constexpr Real MarkHalf = 1.5;

// The step of link i: its vector, reversed when its sign bit is set.
TVector2D Step(const TDimensionChain& C, Integer i)
{
    const TVector2D& v = C.Dimensions[i].V2;
    return (C.StateClosed >> i) & 1 ? TVector2D(-v.x, -v.y) : v;
}

// Opens a group and gives it back: the facade holds it as its current object.
tvapi::IDrawingObjectPtr OpenGroup()
{
    drApi::MA.drGroup(true);
    return drApi::MA.LastObjRef();
}

void Mark(const TPoint2D& at, const TVector2D& half, Integer index)
{
    drApi::MA.drLine(at.x + half.x, at.y + half.y, at.x - half.x, at.y - half.y, StyleMark);
    drApi::MA.drText(at.x + half.x, at.y + half.y, 75.0, 1.0, 1.0, 0, TString(index));
}

} // namespace

tvapi::IDrawingObjectPtr MakeSlide(const TDimensionChain& Chain)
{
    if (!Chain.Closed) return {};
    const tvapi::IDrawingObjectPtr group = OpenGroup();
    TPoint2D P;
    for (Integer i = 0; i < Chain.Count(); ++i) {
        const TVector2D step = Step(Chain, i);
        const bool set = (Chain.StateClosed >> i) & 1;
        const Integer style = i == Chain.Count() - 1 ? StyleClosing : set ? StylePlus : StyleMinus;
        drApi::MA.drLine(P.x, P.y, P.x + step.x, P.y + step.y, style);
        P += step;
    }
    drApi::MA.drEndGroup();
    return group;
}

tvapi::IDrawingObjectPtr Parametric(const TDimensionChain& Chain)
{
    const tvapi::IDrawingObjectPtr group = OpenGroup();
    // One point per link end; the list grows with the chain.
    std::vector<TPoint2D> points(1);
    for (Integer i = 0; i + 1 < Chain.Count(); ++i) {
        const TPoint2D from = points.back(); // a copy: the list may move as it grows
        const TVector2D step = Step(Chain, i);
        points.push_back(TPoint2D(from.x + step.x, from.y + step.y));
        drApi::MA.drLine(from.x, from.y, points.back().x, points.back().y, StylePlus);
    }
    for (Integer i = 0; i + 1 < Chain.Count(); ++i) {
        const TDimension& L = Chain.Dimensions[i];
        const TVector2D across(-L.V2.y * MarkHalf, L.V2.x * MarkHalf);
        const TVector2D along(L.V2.x * MarkHalf, L.V2.y * MarkHalf);
        if (i == 0) Mark(points[0], across, i);
        switch (L.Type) {
        case tvapi::tvDrLDimension:
        case tvapi::tvDrDDimension:
        case tvapi::tvDrRDimension:
            Mark(points[i + 1], across, i);
            break;
        case tvapi::tvDrADimension:
            Mark(points[i + 1], along, i);
            break;
        default:
            break;
        }
    }
    drApi::MA.drEndGroup();
    return group;
}

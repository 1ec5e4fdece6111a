#pragma once
// Where the material of a view lies, as a draftsman reads it off the sheet: inside the closed
// outlines its main (thick) lines draw. A point is in the material when rays from it along all
// four axis directions cross those lines an odd number of times, so an open outline (the upper
// half of a part, left open along its axis) holds no material on its open side.

#include <cmath>
#include <numbers>
#include <vector>

#include "HostDrawingObject.h"
#include "HostPoint2.h"

namespace sheet_test {

using tvhost::TPoint2;

class TViewMaterial {
public:
    // Takes the object when it is a segment, arc or circle in the main line style.
    void Add(const tvhost::TDrawingCore& o)
    {
        const tvhost::TParams& p = o.Params();
        if (p.Int("Style") != tvapi::tvCSNormal) return;
        TPiece piece;
        piece.A = {p.Real("X1"), p.Real("Y1")};
        piece.B = {p.Real("X2"), p.Real("Y2")};
        piece.C = {p.Real("Xc"), p.Real("Yc")};
        piece.R = std::fabs(p.Real("Radius"));
        piece.Clockwise = p.Flag("Direction");
        switch (o.Type()) {
        case tvapi::tvDrLineSeg:
            piece.Kind = TKind::Segment;
            break;
        case tvapi::tvDrArc:
            piece.Kind = TKind::Arc;
            break;
        case tvapi::tvDrCircle:
            piece.Kind = TKind::Circle;
            break;
        default:
            return;
        }
        FPieces.push_back(piece);
    }

    bool Inside(TPoint2 q) const
    {
        for (int k = 0; k < 4; ++k)
            if (Crossings(q, k * std::numbers::pi / 2) % 2 == 0) return false;
        return true;
    }

private:
    enum class TKind { Segment, Arc, Circle };
    struct TPiece {
        TKind Kind = TKind::Segment;
        TPoint2 A, B, C;
        double R = 0;
        bool Clockwise = false;
    };
    std::vector<TPiece> FPieces;

    // Crossings of the ray from q at angle `turn` with the pieces, counted in the ray's frame
    // (the ray along +X from the origin).
    int Crossings(TPoint2 q, double turn) const
    {
        const auto local = [&](TPoint2 v) { return tvhost::Rotated(v - q, -turn); };
        int n = 0;
        for (const TPiece& piece : FPieces) {
            if (piece.Kind == TKind::Segment) {
                const TPoint2 a = local(piece.A), b = local(piece.B);
                if ((a.Y > 0) == (b.Y > 0)) continue;
                n += a.X + (b.X - a.X) * (0 - a.Y) / (b.Y - a.Y) > 0;
                continue;
            }
            const TPoint2 c = local(piece.C);
            if (std::fabs(c.Y) >= piece.R) continue;
            const double half = std::sqrt(piece.R * piece.R - c.Y * c.Y);
            for (double x : {c.X - half, c.X + half})
                n += x > 0 &&
                     (piece.Kind == TKind::Circle || OnArc(piece, tvhost::Rotated(TPoint2{x, 0}, turn) + q));
        }
        return n;
    }
    // Whether a point of the arc's circle lies on the arc itself.
    static bool OnArc(const TPiece& arc, TPoint2 p)
    {
        const auto angle = [&](TPoint2 v) { return std::atan2(v.Y - arc.C.Y, v.X - arc.C.X); };
        const auto ccw = [](double from, double to) {
            const double d = std::fmod(to - from, 2 * std::numbers::pi);
            return d < 0 ? d + 2 * std::numbers::pi : d;
        };
        const double from = angle(arc.Clockwise ? arc.B : arc.A), to = angle(arc.Clockwise ? arc.A : arc.B);
        return ccw(from, angle(p)) <= ccw(from, to);
    }
};

} // namespace sheet_test

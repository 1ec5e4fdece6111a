#pragma once
// TPolyLine: the curve of straight pieces between a list of vertices. It receives the samples
// of every curve (Aproximate), holds a contour's convex-hull outline and the control points of
// the splines, and answers the point-set questions: convex hull, smallest enclosing circle and
// rectangle, circle / arc / segment recognition and convex clipping.

#include "Elements.h"
#include "LineSeg.h"

#include <memory>
#include <vector>

class TCircle;
class TArc;
class TModeler3D;

// Parameter t = piece index + fraction along the piece. Piece i runs from Points[i] to
// Points[i + 1]; wherever pieces are built as segments the last piece (Segments - 1) runs back
// to Points[0]. Segments and Closed are taken as found: the operations never derive them from
// the vertices. A polyline without vertices evaluates to its anchor point with zero derivative.
class TPolyLine : public TBasePoint {
public:
    using Iterator = TArrayOf<TPoint2D>::Iterator;

    static constexpr Integer pointsStep = 32; // allocated size and growth step of Points
    static constexpr Real vertexTangentTol =
        TMathDef::paramRegion; // t this near a vertex takes the vertex tangent
    static constexpr Real coincidentCoo = TMathDef::metricEpsilon; // per-coordinate coincidence of vertices
    static constexpr Real scanSkipCoo = TMathDef::metricNear;      // scan lines skip pieces shorter than this
    static constexpr Real projectionTolFactor = 20.0;              // projection tolerance: Eps times this
    static constexpr Real beyondEndShare = 1.000002;               // past the end of a piece in PointRelative

    TArrayOf<TPoint2D> Points{pointsStep, pointsStep};
    Integer Segments = 0;               // pieces; the parameter range is [0, Segments]
    Boolean Closed = false;             // closes on itself for drawing and end derivatives
    mutable Real tCalc = UndefinedReal; // parameter of the last cached evaluation

    TPolyLine() = default;
    // A copy as operator= makes it: startParam 0, Index 0, Owner null.
    TPolyLine(const TPolyLine& P);
    // Copies the head (Name2, Atr, Obj and the caches), the anchor point, every vertex with the
    // array's cursor, Segments, Closed and tCalc; startParam, Index and Owner stay.
    TPolyLine& operator=(const TPolyLine& P);
    ~TPolyLine() override;

    int IsType() const override { return ctPolyLine; }
    // "{  (   1.00 ,    2.00), " for every vertex, then "}".
    operator TString() const override;
    void Refresh() const override;
    double GetTMin() const override { return 0.0; }
    double GetTMax() const override { return Segments; }
    // PointOn(double, TPoint2D&): at the end of the class.
    // At a vertex: the bisecting direction of the two pieces, with their mean length.
    void FirstDer(double t, TVector2D& V) const override;
    void SecondDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void ThirdDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void _PointOn(double t, TPoint2D& P) const override { PointOn(t, P); }
    void _FirstDer(double t, TVector2D& V) const override { FirstDer(t, V); }
    void _SecondDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    void _ThirdDer(double, TVector2D& V) const override { V.Set(0.0, 0.0); }
    // Nearest point over all pieces; false when there is no piece to project onto.
    bool NearPointProjection(const TPoint2D& P, TPoint2D Eps, double& t, bool ext,
                             TRegion1D* R) const override;
    // tl_Left, tl_On or tl_Right of the nearest piece, corners decided by the bisector;
    // tl_Right when there is no piece.
    int PointRelative(const TPoint2D& pnt, double eps) const override;
    // Box of Points[0] .. Points[Segments - 1] into R and Gabaryt; nothing when Segments is 0.
    void Rect(TRect2D& R) const override;
    // A new polyline (owned by the caller).
    TCurve2D* Duplicate() const override;
    // True when the pieces cross one another (consecutive pieces meet at their vertex).
    bool SelfIntersect(const TRegion1D& R, TInterSector& Tool, bool sticking) const override;
    // Parameters where the polyline meets y = const (x = const), appended without duplicates.
    void InterSectHorizontal(double y0, TArrayOf<double>& ACross) const override;
    void InterSectVertical(double x0, TArrayOf<double>& ACross) const override;

    virtual void ResetTCalc() const { tCalc = UndefinedReal; }
    // The two vertices farthest apart (the first pair found wins ties); unchanged when empty.
    virtual void TwoMaxDistansePoints(Iterator& P1, Iterator& P2) const;
    // Index of the piece nearest to P (the first of equals); -1 without pieces.
    virtual Integer NearestSegment(const TPoint2D& P) const;

    // Into [0, count - 1]: wrapped for a closed curve of 2 or more vertices, else clamped.
    void CheckParameter(Real& t) const;
    // A new segment for piece I (owned by the caller); null when there is no such piece.
    TLineSeg* GetSegment(const Integer I) const;
    // The crossings of SelfIntersect appended to Tool; returns the count before minus the count
    // after (zero or negative). The records refer to segments this polyline keeps until its
    // next self-intersection test or its destruction.
    Integer SelfIntersections(const TRegion1D& R, TInterSector& Tool, bool sticking) const;
    // P lies on the line of the last two vertices; false below 2 vertices.
    Boolean CheckVertex(const TPoint2D& P) const;
    // Sum of the piece lengths including the closing piece back to Points[0].
    Real Len() const;
    // Shoelace area of the vertex ring, positive counterclockwise; 0 below 3 vertices.
    Real OrientationArea() const;
    // Every vertex (x, y) becomes (-x, -y).
    void Negate();
    // drLine for each consecutive pair; when Closed with 3 or more vertices also
    // Points[0] -> the last vertex. The style tl goes to every call.
    void drPolygon(TModeler3D& M, const Integer tl) const;
    void AddVertex(const TPoint2D& P) { Points.Add(P); }
    void AddVertex(const Real ix, const Real iy) { Points.Add(TPoint2D(ix, iy)); }
    // Length-weighted centre of the edges of the closed polygon and its perimeter; all 0
    // without vertices.
    void CenterXYLenCut(Real& Xc, Real& Yc, Real& LCont) const;

    // ---- Point-set algorithms (PolyLineAlgo.cpp); they read Points only. ----
    // Convex hull into Result's Points: counterclockwise from the lowest-x (then lowest-y)
    // vertex, collinear points dropped. Below 3 vertices, a copy of them.
    void ConvexHull(TPolyLine& Result) const;
    // Smallest circle holding every vertex, by exhaustive search; unchanged without vertices.
    void GetMin(TCircle& Result) const;
    // Smallest circle holding the first n vertices with the points of R on its boundary
    // (Welzl; vertices taken in index order, no shuffling). Called with an empty R and the
    // vertex count it is the smallest enclosing circle; with no points radius 0 and Atr 1.
    void MinCircleWelzl(TArrayOf<TPoint2D>& R, Integer n, TCircle& Result) const;
    // Smallest-area rectangle with a side along one of the polygon's edges (vertex order).
    void GetMin(TORect2D& Result) const;
    // A closed ring (first and last vertex equal) of 6 or more vertices on one circle.
    Boolean IsCircle(TCircle& RCircle) const;
    // 4 or more vertices on one circle; the arc runs from the first to the last vertex in
    // the turning direction of the first three.
    Boolean IsArc(TArc& RArc) const;
    // 3 or more vertices on one line; RLineSeg spans the two extreme vertices.
    Boolean IsLineSeg(TLineSeg& RLineSeg) const;
    // This polygon clipped by the convex counterclockwise polygon Clip into RP (which keeps
    // this polyline's other fields). Points on a clip edge count as outside.
    void SutherlandHodgman(const TPolyLine& Clip, TPolyLine& RP) const;
    // P lies strictly left of the directed line Ep1 -> Ep2.
    Boolean Inside(const TPoint2D& P, const TPoint2D& Ep1, const TPoint2D& Ep2) const;
    // Crossing of the line cp1-cp2 with the line s-e; e for parallel lines.
    TPoint2D InterSection(const TPoint2D& cp1, const TPoint2D& cp2, const TPoint2D& s,
                          const TPoint2D& e) const;

private:
    // Segments clamped to the vertex count: the pieces that exist.
    Integer PieceCount() const noexcept;
    // End vertex of piece i when pieces are built as segments.
    Integer PieceEnd(Integer i) const noexcept;
    TLineSeg Piece(Integer i) const { return TLineSeg(Points[i], Points[PieceEnd(i)]); }
    // Piece index i and end vertex j of the (normalised) parameter t.
    void PieceAt(double t, Integer& i, Integer& j) const noexcept;
    void InterSectAxis(bool horizontal, double c, TArrayOf<double>& ACross) const;

    // Segments made by the last self-intersection test; its crossing records refer to them.
    mutable std::vector<std::unique_ptr<TLineSeg>> FPieces;

public:
    // t is first brought into [0, count - 1] (CheckParameter). TBezier's PointOn(Real&,
    // TPoint2D&) hides this on purpose (its t is written back); a using there would make calls
    // with a real variable ambiguous. Last in the class: the formatter loses the class after
    // a #pragma.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverloaded-virtual"
    void PointOn(double t, TPoint2D& P) const override;
#pragma GCC diagnostic pop
};

// Side of B - O relative to A - O (TVector2D::Relative).
TLocation Relative(const TPoint2D& O, const TPoint2D& A, const TPoint2D& B);

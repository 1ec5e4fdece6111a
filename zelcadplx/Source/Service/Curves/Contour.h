#pragma once
// TContour: a chain of plane curves that is itself a curve. The contour owns its items (the
// pointer array it derives from) and runs one parameter over all of them; it is stored with
// each item's type code, printed, drawn through the modeller or into a recorded image,
// measured (signed area, containment, crossings) and edited (trimming, reversal, joints,
// offset). Sources: Contour.cpp; ContourChain.cpp (boxes, closure, ordering, hull),
// ContourEdit.cpp (trimming, cutting out, reversal, joints, offset).

#include "Elements.h"
#include "TArray.h"

#include <initializer_list>
#include <vector>

class ListX;
class TArc;
class TCircle;
class TGImage;
class TLineSeg;
class TModeler3D;

// The contour parameter runs over the items in order: item k covers [sum of the spans before
// it, that sum + its span), span = GetTMax() - GetTMin() of the item. Caches (paramLength,
// closed, Gabaryt, LS) are not reset when items are added or removed through the array: code
// that changes the items calls Refresh() (and Calculate() before the caches are read).
class TContour : public TCurve2D, public TArrayOfP<TCurve2D> {
public:
    using Items = TArrayOfP<TCurve2D>;

    static constexpr Integer ItemStep = 16;                     // initial room and growth step of the items
    static constexpr Real linkEps = TMathDef::metricNear;       // per-coordinate coincidence of joint points
    static constexpr Real directEps = TMathDef::metricAccuracy; // joint tolerance of Trimm and Offset
    static constexpr Real onBoundaryEps =
        TMathDef::metricNear; // a crossing this near the point: on the boundary

    // Result codes of TrimmPart and DeletePart.
    enum TState : int { dp_NoChanged = 0, dp_Changed = 1, dp_Degenerated = 2 };

    TPolyLine* LS = nullptr; // cached convex hull of the approximation (GetLS); owned

    TContour() : Items(ItemStep, ItemStep) {}
    TContour(const TContour&) = delete;
    // Replaces the items by duplicates of C's; the receiver's own curve fields stay.
    TContour& operator=(const TContour& C);

    // Deletes LS and every item; Count = 0. The storage stays.
    void Clear();

    // ---- Curve operations --------------------------------------------------------------
    ~TContour() override;
    // A circle alone; else linked end to start throughout and back to the first (1e-4 per
    // coordinate). Neither reads nor writes the closed field.
    bool IsClosed() const override;
    // Every consecutive pair linked (1e-4 per coordinate); true below 2 items.
    bool IsDirect() const override;
    double GetTMin() const override { return 0.0; }
    // The parameter length, computed (with the items' back-links) while paramLength < 0.
    double GetTMax() const override;
    // Sum of the items' lengths, recomputed at every call.
    double GetMetricLength() const override;
    double GetMetricLengthPart(double Ct1, double Ct2) const override;
    // An empty contour leaves pnt unchanged; t past the end gives the end of the last item.
    void PointOn(double t, TPoint2D& pnt) const override;
    // Derivatives of the item holding t (located as PointOn does); zero for an empty contour.
    void FirstDer(double t, TVector2D& V) const override;
    void SecondDer(double t, TVector2D& V) const override;
    void ThirdDer(double t, TVector2D& V) const override;
    // Outside [GetTMin, GetTMax] of an open contour: the end items extrapolated.
    void _PointOn(double t, TPoint2D& pnt) const override;
    void _FirstDer(double t, TVector2D& V) const override;
    void _SecondDer(double t, TVector2D& V) const override;
    void _ThirdDer(double t, TVector2D& V) const override;
    // Nearest point of the chain; a tie goes to the earlier item.
    bool NearPointProjection(const TPoint2D& P, TPoint2D Eps, double& t, bool ext,
                             TRegion1D* R) const override;
    // One point per unit of length of each item (one point of a segment), plus the end point
    // of an open contour.
    void Aproximate(TPolyLine& L) const override;
    // Item count, then every item's type code, then the items' records.
    void Store(TKmfData& S) const override;
    // Reads codes 1 to 6 and 10; an unknown code is reported and ends the reading, the items
    // read so far stay.
    void Load(TKmfData& S) override;
    // A new contour with default fields and duplicates of the items; null when empty.
    TCurve2D* Duplicate() const override;
    int TrimmPart(double t1, double t2, TCurve2D*& part2) override;
    int DeletePart(double Ct1, double Ct2, TCurve2D*& part2) override;
    // The part from t1 to t2 (reversed and t1, t2 swapped for sense -1); a single remaining
    // item is returned as itself. Null for an empty part.
    TCurve2D* Trimmed(double& t1, double& t2, int sense) const override;
    // The equidistant contour at rad (left of the clockwise chain, i.e. outside, for rad > 0):
    // offsets with Atr 1 alternating with joints with Atr 2, Name2 = source index.
    TCurve2D* Offset(const double& rad) const override;
    // Reverses every item; items 1 .. Count - 1 change order, item 0 stays first.
    void Inverse() override;
    using TCurve2D::Mtr;
    // Union of the items' boxes; zeros for an empty contour.
    void Rect(TRect2D& G) const override;
    using TCurve2D::InterSect;
    // Crossings of items with each other (the joints of consecutive items removed) appended to
    // Tool; true when any remain.
    bool SelfIntersect(const TRegion1D& R, TInterSector& Tool, bool sticking) const override;
    // Contour parameters where the items meet y = const (x = const), without near duplicates.
    void InterSectHorizontal(double y, TArrayOf<double>& ACross) const override;
    void InterSectVertical(double x, TArrayOf<double>& ACross) const override;
    // Item I through the modeller with style OutAtribute, or the item's Atr when it is 0:
    // segments drLine, circles drCircle, arcs drArc (radians); others are not drawn.
    virtual void drItem(TModeler3D& M, int I, int OutAtribute) const;

    // ---- Parameter ----------------------------------------------------------------------
    // Recomputes paramLength and the items' Owner, startParam and Index.
    Real CalculateParamLength() const;
    // t corrected into the range; the index of the item holding it (-1 when empty) and the
    // item's own parameter. Items of span 1e-8 or less are never chosen.
    Integer FindSegment(double& t, double& tSeg) const;

    // ---- Copies and queries -------------------------------------------------------------
    TContour* Duplicate(TContour* Dest) const;
    TContour* DuplicateAt(unsigned int Atribute, TContour* Dest) const;
    void RangeIn(double& Xmin, double& Ymin, double& Xmax, double& Ymax) const;
    // Union of the boxes of the items with that Atr; G unchanged when none has it.
    void RangeAtIn(unsigned int Atr1, TRect2D& G) const;
    void RangeAtIn(unsigned int Atr1, unsigned int Atr2, TRect2D& G) const;
    void RangeAtIn(unsigned int Atr1, unsigned int Atr2, unsigned int Atr3, TRect2D& G) const;
    // The same union as reals; zeros when no item has the attribute.
    void RangeAtIn(unsigned int Atr1, double& Xmin, double& Ymin, double& Xmax, double& Ymax) const;
    void RangeAtIn(unsigned int Atr1, unsigned int Atr2, double& Xmin, double& Ymin, double& Xmax,
                   double& Ymax) const;
    void RangeAtIn(unsigned int Atr1, unsigned int Atr2, unsigned int Atr3, double& Xmin, double& Ymin,
                   double& Xmax, double& Ymax) const;
    UInteger CountAt(unsigned int Atribute) const;
    // IsClosed with the joints tested within eps; stores the answer in closed.
    Boolean IsClosed2(double eps) const;
    Boolean IsDirect2(double eps) const;
    // The end of C1 and the start of C2 agree within 1e-4 per coordinate.
    bool IsLink(const TCurve2D* C1, const TCurve2D* C2) const;
    using TCurve2D::IsLink;
    // Orders (and turns) the items into a connected chain; false, with the order reached so
    // far, when some item has no partner within eps. Direction false reverses item 0 first.
    Boolean MakeDirect(double eps, bool Direction);
    // Moves every item by the placement (X, Y, Angle in degrees, Scale); caches untouched.
    void Mtr(const double& X, const double& Y, const double& Angle, const double& Scale);
    // The convex hull of the approximation, made on first use; null for an empty contour.
    TPolyLine* GetLS();
    void DeleteLS();
    // Perimeter and area of the convex hull (not of the chain); 0 without items.
    Real Len();
    Real Area();
    // Length-weighted centre of the hull's edges and its perimeter; zeros without items.
    void CenterXYLenCut(double& Xc, double& Yc, double& LCont);

    // ---- Editing ------------------------------------------------------------------------
    // Keeps the part from t1 to t2; on a closed contour with t1 > t2 (or t1 = t2) the part
    // runs over the start point. Item Atr and Name2 survive; caches are reset.
    void Trimm(double t1, double t2);
    // The joint piece at the end of s1 (where s2 starts) for Radius: an arc about the joint
    // point (Atr 1) turned towards the side where os1 ends and os2 starts, or the segment
    // from os1's end to os2's start when no arc fits. Collinear tangents give a segment: from
    // os1's end to os2's start when both are given, else at the joint point. Null when s1 or
    // s2 is missing.
    TCurve2D* FilletSegment(TCurve2D* s1, TCurve2D* s2, const double& Radius, TCurve2D* os1,
                            TCurve2D* os2) const;

    // ---- Storage, text and drawing ------------------------------------------------------
    // One line per item: "Line( x , y , xk , yk", "Arc( x , y , R , A1 , A2 , sense" (degrees,
    // sense in two digits), "Circle( x , y , R"; other items leave their line as it was.
    void toText(TArrayOf<TString>& Lines) const;
    void drItems(TModeler3D& M, int OutAtribute) const;
    void drItemsAt(TModeler3D& M, unsigned int Atribute, int OutAtribute) const;
    // Item I into a recorded image: the pen of OutAtribute (the item's Atr when 0), then
    // segments drLine, circles drCircle, arcs drArc in degrees (a clockwise arc with a negative
    // radius), texts in black drText; points are not drawn.
    void GIdrItem(int I, TGImage& Image, int OutAtribute) const;
    void GIdrItems(TGImage& Image, int OutAtribute) const;
    // Vertices (x, y, 0) of every item's own approximation and, per item, the vertex count
    // followed by the vertex numbers.
    void GetEdges(std::vector<double>& Vertexs, std::vector<int>& Indexs) const;

    // ---- Area, containment, crossings ---------------------------------------------------
    // Signed area, positive counter-clockwise. A circle item adds pi r^2 and ends the sum.
    Real Area2() const;
    Integer GetSense() const;
    // Gauss-Legendre nodes (ascending) and weights on [-1, 1] for n = 1 .. 8; n > 8 gives n
    // zeros and false; null arrays or n < 1 false, nothing written.
    static Boolean FillIntegrationValues(double* tarr, double* warr, int n);
    // Inside or on the boundary (a crossing of the horizontal through the point within 1e-4).
    bool FoundPoint(const double& xx, const double& yy) const;
    // The curve lies partly inside or touches the contour.
    bool FoundLine(const TLineSeg* P) const;
    bool FoundArc(const TArc* P) const;
    bool FoundCircle(const TCircle* P) const;
    Boolean Found(const TCurve2D* P) const;
    Boolean Found(const TContour& C) const;
    // Some item of C crosses this contour.
    Boolean Colision(const TContour& C) const;
    // 1 or 2: the crossings of the first item P meets; 0 when none.
    Integer InterSect(const TCurve2D* P) const;
    // 1 when P meets two or more items, else 0.
    Integer InterSect2(const TCurve2D* P) const;
    // ---- Outer contour ------------------------------------------------------------------
    // Traces the outer boundary of the items (segments, circles, arcs that may cross) into
    // Dest, cleared first, counterclockwise from the leftmost point: 0 back at the start (also
    // for no items), 1 no meeting point at the start, 2 no way on from a point, 3 a dead end,
    // 4 the step limit (twice the item count) reached. GI is not used.
    Integer OutCont(TContour* Dest, TGImage* GI) const;
    // Items that end at (x, y): (k, 0) a segment's start or an arc's or circle's centre,
    // (k, 1) a segment's end.
    Boolean Find2(const double& x, const double& y, TArrayOf<TPair<int, int>>& AResult);

private:
    // Index and own parameter of the item holding t, t already corrected.
    Integer Locate(double t, double& tSeg) const;
    // Which item evaluates t and where: inside the range (or closed) the located item, else
    // the end item extrapolated. False for an empty contour.
    bool Extrapolated(double t, const TCurve2D*& C, double& tc, bool& inside) const;
    using DerFn = void (TCurve2D::*)(double, TVector2D&) const;
    // Der of the item holding t; zero for an empty contour.
    void ItemDer(double t, TVector2D& V, DerFn Der) const;
    // Der of the contour inside the range, ExtDer of the extrapolated end item outside it.
    void ExtrapolatedDer(double t, TVector2D& V, DerFn Der, DerFn ExtDer) const;
    void RangeOfAttributes(std::initializer_list<unsigned int> Atrs, TRect2D& G, bool& found) const;
    // Replaces item k by its part [a, b] (Trimmed), keeping Atr and Name2; a null part removes it.
    void ReplaceByPart(Integer k, double a, double b);
    // Cuts the items for DeletePart; true when some item changed.
    bool DeleteRange(double Ct1, double Ct2);
    bool KeepPart(Integer k, double a, double b);
    // InterSectHorizontal (horizontal) or InterSectVertical at c.
    void AxisCrossings(bool horizontal, double c, TArrayOf<double>& ACross) const;
};

// The crossings of a scan line met so far, for the point-in-contour test.
class ListX {
public:
    struct Tx {
        Real x = 0.0;
        Tx* Next = nullptr;
    };

    Tx* List = nullptr; // newest first; owned
    Real PX = 0.0;
    Real PY = 0.0;
    UInteger CountIntersectsLeft = 0;  // crossings with x < PX
    UInteger CountIntersectsRight = 0; // crossings with x >= PX
    TInterSector& IS;

    ListX(TInterSector& iIS, Real iPX, Real iPY) : PX(iPX), PY(iPY), IS(iIS) {}
    ListX(const ListX&) = delete;
    ListX& operator=(const ListX&) = delete;
    ~ListX();

    // Counts X unless a crossing within 1e-4 of it is already known.
    void Add(const double& X);
};

// A record of reals only copied in this system.
struct TConvexHoleData {
    Real Square = 0.0, Pxc = 0.0, Pyc = 0.0, Pr = 0.0, Px = 0.0, Py = 0.0, Pax = 0.0, Pay = 0.0, Pj = 0.0,
         Px0 = 0.0, Py0 = 0.0, Px1 = 0.0, Py1 = 0.0;
    Real S[8] = {};

    TConvexHoleData() = default;
    TConvexHoleData(const TConvexHoleData& D) { *this = D; }
    // Copies Square .. Py1; S stays.
    TConvexHoleData& operator=(const TConvexHoleData& D);
};

#pragma once
// The spline curves kept on a polyline's points: THermit, the piecewise cubic Hermite spline
// through its points with a tangent per point and a chord-length parameter grown point by
// point, and TBezier, a chain of cubic Bezier pieces (per node: incoming handle, node,
// outgoing handle). Both cache the last evaluated parameter in tCalc.

#include "PolyLine.h"

class THermit : public TPolyLine {
public:
    TArrayOf<TVector2D> Vectors; // tangent per point, derivative with respect to t
    TAReal TParams;              // parameter per point, ascending; a closed spline has one more
    Integer uppParam = 0;        // last index of TParams
    mutable Integer index1 = -1; // the points bounding the current piece
    mutable Integer index2 = -1;
    mutable Real param1 = UndefinedReal;
    mutable Real param2 = UndefinedReal;
    mutable Real paramD = 0.0; // param2 - param1
    mutable Real paramW = 0.0; // 1 / paramD
    mutable Real quota1 = 0.0; // (param2 - t) / paramD
    mutable Real quota2 = 0.0; // (t - param1) / paramD

    THermit() = default;
    ~THermit() override = default;

    // t is brought into the parameters first: clamped on an open spline, wrapped on a closed one.
    void PointOn(double t, TPoint2D& P) const override;
    void FirstDer(double t, TVector2D& V) const override;
    void SecondDer(double t, TVector2D& V) const override;
    void ThirdDer(double t, TVector2D& V) const override;
    void ResetTCalc() const override;
    virtual void Rebuild();
    // Appends Point with a chord-length parameter and a tangent; earlier tangents stay.
    virtual void AddPoint(const TPoint2D& Point);

    // The piece [TParams[I], TParams[I + 1]] and the local coordinates of t in it.
    void LocalCoordinate(Integer I, const Real& t) const;
    // Locates the piece of t; t is written back when clamped or wrapped.
    void LocalCoordinate(Real& t) const;

private:
    void SetPiece(Integer i1, Integer i2, Real t) const;
    void SearchPiece(Real t) const;
    void AppendKnot(Real t, const TPoint2D& P, const TVector2D& V);
};

class TBezier : public TPolyLine {
public:
    static constexpr Integer iBEZIER_DEGREE = 4; // control points per piece

    Integer splinesCount = 0; // cubic pieces; the parameter runs over [0, splinesCount]
    Integer form = 0;
    mutable TVector2D rc[4]; // rc[0]: the point at tCalc
    mutable Real w = 0.0;    // t - piece index
    mutable Real s = 0.0;    // 1 - w
    mutable Real s2 = 0.0;
    mutable Real w2 = 0.0;

    TBezier() = default;
    ~TBezier() override = default;

    // Wraps t on a closed chain, clamps it otherwise (written back) and evaluates rc[0].
    // Nothing without points or pieces.
    void LocalCoordinate(Real& t) const;
    // The Bezier point at t; the curve interface's PointOn evaluates the polyline of the entries.
    void PointOn(Real& t, TPoint2D& Point) const;
};

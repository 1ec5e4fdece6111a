// ==== drApi::TModelerApi (drModelerAPI.h), part: 2D primitives and the layer switch =============
// The facade's 2D primitives: line segments, arcs, circles and ellipses, and the layer
// switch. Each public operation drops degenerate and non-finite input, maps its points through the 2D
// placement stack when no 2D document is open, and then either collects the curve into
// the open output contour or hands it to its worker, which makes the host object.

#include "drModelerAPI.h"

#include <cmath>

#include "Arc.h"
#include "Contour.h"
#include "LineSeg.h"
#include "Mathemat.h"
#include "tvapi/DrawingPrimitives.h"

namespace drApi {

namespace {

// Lengths and coordinate differences within this are zero.
constexpr Real DrawTolerance = TMathDef::metricNear;

bool Negligible(Real v)
{
    return std::fabs(v) <= DrawTolerance;
}

bool SamePoint(Real x1, Real y1, Real x2, Real y2)
{
    return Negligible(x1 - x2) && Negligible(y1 - y2);
}

// The arc of the contour from the start angle a1 to the end angle a2 (radians); a positive
// radius runs counter-clockwise, a negative one clockwise.
TArc* ContourArc(Real X, Real Y, Real R, Real a1, Real a2, Integer Attr)
{
    auto* arc = new TArc();
    arc->x = X;
    arc->y = Y;
    arc->Radius = std::fabs(R);
    arc->Atr = Attr;
    arc->sense = R > 0.0 ? TArc::BackClockWise : TArc::ByClockWise;
    arc->circle = false;
    arc->InitByPositionAngles(a1, a2, arc->sense);
    return arc;
}

// Adds `object` to the open hatch's boundaries, when one is open.
void AddBoundary(TRegistryApi& r, const tvapi::IDrawingObjectPtr& object)
{
    if (r.BoundariesObject && object) r.BoundariesObject->AddBoundaries({object}, false);
}

} // namespace

bool TModelerApi::Transformed() const
{
    return drApi::Transf2D->AMtr.Count >= 1 && !R3->IDoc2D;
}

// ---- Public operations ------------------------------------------------------------------------

void TModelerApi::drLine(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Integer Attr)
{
    if (!AllFinite({x1, y1, x2, y2}) || SamePoint(x1, y1, x2, y2)) return;
    Real nx1 = x1, ny1 = y1, nx2 = x2, ny2 = y2;
    if (Transformed()) {
        drApi::Transf2D->xyMtr(x1, y1, nx1, ny1);
        drApi::Transf2D->xyMtr(x2, y2, nx2, ny2);
    }
    if (TContour* c = OutputContour()) {
        auto* seg = new TLineSeg(nx1, ny1, nx2, ny2);
        seg->Atr = Attr;
        c->Items::Add(seg);
        return;
    }
    drawLine(nx1, ny1, nx2, ny2, Attr);
}

void TModelerApi::drArc(Real const& X, Real const& Y, Real const& R, Real const& x1, Real const& y1,
                        Real const& x2, Real const& y2, Integer Napr, Integer Attr)
{
    if (!AllFinite({X, Y, R, x1, y1, x2, y2}) || Negligible(R) || SamePoint(x1, y1, x2, y2)) return;
    Real xc = X, yc = Y, r = R, nx1 = x1, ny1 = y1, nx2 = x2, ny2 = y2;
    if (Transformed()) {
        drApi::Transf2D->xyMtr(X, Y, xc, yc);
        drApi::Transf2D->xyMtr(x1, y1, nx1, ny1);
        drApi::Transf2D->xyMtr(x2, y2, nx2, ny2);
        r = R * drApi::Transf2D->ScaleMtr();
    }
    if (TContour* c = OutputContour()) {
        const Real aStart = AngleLine(xc, yc, nx1, ny1) * TMathDef::DEGRAD;
        const Real aEnd = AngleLine(xc, yc, nx2, ny2) * TMathDef::DEGRAD;
        c->Items::Add(Napr > 0 ? ContourArc(xc, yc, r, aStart, aEnd, Attr)
                               : ContourArc(xc, yc, r, aEnd, aStart, Attr));
        return;
    }
    drawArc(xc, yc, r, nx1, ny1, nx2, ny2, Napr, Attr);
}

void TModelerApi::drArc(Real const& X, Real const& Y, Real const& R, Real const& t1, Real const& t2,
                        Integer Attr, Integer Napr)
{
    const Real x1 = X + R * std::cos(t1), y1 = Y + R * std::sin(t1);
    const Real x2 = X + R * std::cos(t2), y2 = Y + R * std::sin(t2);
    drArc(X, Y, R, x1, y1, x2, y2, Napr, Attr);
}

void TModelerApi::drCircle(Real const& X, Real const& Y, Real const& R, Integer Attr)
{
    if (!AllFinite({X, Y, R}) || Negligible(R)) return;
    const bool transformed = Transformed();
    Real xc = X, yc = Y, r = R;
    if (transformed) {
        drApi::Transf2D->xyMtr(X, Y, xc, yc);
        r = R * drApi::Transf2D->ScaleMtr();
    }
    if (TContour* c = OutputContour()) {
        auto* circle = new TCircle(xc, yc, r); // the sign of the radius is kept
        circle->Atr = Attr;
        c->Items::Add(circle);
        return;
    }
    // Placed circles skip the size-only mode before the worker would empty the current object.
    if (transformed && R2->OnlySizes2D) return;
    drawCircle(xc, yc, r, Attr);
}

void TModelerApi::drEllipse(Real const& X, Real const& Y, Real const& A, Real const& B, Real const& Angle,
                            Integer Attr)
{
    if (!AllFinite({X, Y, A, B, Angle}) || Negligible(A) || Negligible(B) || OutputContour() != nullptr)
        return;
    if (!Transformed()) {
        drawEllipse(X, Y, A, B, Angle, Attr);
        return;
    }
    const Real scale = drApi::Transf2D->ScaleMtr();
    Real xc = X, yc = Y;
    drApi::Transf2D->xyMtr(X, Y, xc, yc);
    drawEllipse(xc, yc, A * scale, B * scale, Angle + drApi::Transf2D->AngleMtr(), Attr);
}

void TModelerApi::drLayer(Integer NumerOfLayer)
{
    TRegistryModeler2D& r2 = *R2;
    r2.PrevDrawingObject = r2.CurDrawingObject;
    r2.CurDrawingObject.Reset();
    if (OutputContour() != nullptr || !R3->View) return;
    const tvapi::ILayersPtr layers = R3->View->GetLayers();
    if (!layers) return;
    tvapi::ILayerPtr layer = layers->GetLayer(NumerOfLayer);
    if (!layer) layer = layers->Add();
    if (!layer) return;
    layer->SetCurrent();
    layer->Update();
}

// ---- Workers ----------------------------------------------------------------------------------

void TModelerApi::drawLine(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Integer Attr)
{
    TRegistryModeler2D& r2 = *R2;
    if (r2.OnlySizes2D) return;
    r2.CurDrawingObject.Reset();
    if (Attr == tvapi::tvCSUnvisible || (x1 == x2 && y1 == y2)) return;
    TRegistryApi& r = *R3;
    if (const tvapi::ILineSegmentsPtr segments =
            r.DrawingContainer ? r.DrawingContainer->GetLineSegments() : nullptr) {
        if (const tvapi::ILineSegmentPtr seg = segments->Add()) {
            seg->SetX1(x1);
            seg->SetY1(y1);
            seg->SetX2(x2);
            seg->SetY2(y2);
            seg->SetStyle(Attr);
            seg->Update();
            Made(tvapi::IDrawingObjectPtr(seg));
        }
    }
    r2.Constraint2D.DoLine(x1, y1, x2, y2, Attr);
}

void TModelerApi::drawArc(Real const& Xc, Real const& Yc, Real const& R, Real const& x1, Real const& y1,
                          Real const& x2, Real const& y2, Integer Napr, Integer Attr)
{
    TRegistryModeler2D& r2 = *R2;
    r2.CurDrawingObject.Reset();
    if (r2.OnlySizes2D) return;
    TRegistryApi& r = *R3;
    const tvapi::IArcsPtr arcs = r.View && r.DrawingContainer ? r.DrawingContainer->GetArcs() : nullptr;
    if (const tvapi::IArcPtr arc = arcs ? arcs->Add() : nullptr) {
        arc->SetXc(Xc);
        arc->SetYc(Yc);
        arc->SetX1(x1);
        arc->SetY1(y1);
        arc->SetX2(x2);
        arc->SetY2(y2);
        arc->SetRadius(R);
        arc->SetDirection(Napr != 1); // the host's flag means clockwise
        arc->SetStyle(Attr);
        arc->Update();
        Made(tvapi::IDrawingObjectPtr(arc));
    }
    r2.Constraint2D.DoArc(Xc, Yc, R, x1, y1, x2, y2, Napr, Attr);
}

void TModelerApi::drawCircle(Real const& X, Real const& Y, Real const& R, Integer Attr)
{
    TRegistryModeler2D& r2 = *R2;
    r2.CurDrawingObject.Reset();
    if (Attr == tvapi::tvCSUnvisible || r2.OnlySizes2D) return;
    TRegistryApi& r = *R3;
    const tvapi::ICirclesPtr circles =
        r.View && r.DrawingContainer ? r.DrawingContainer->GetCircles() : nullptr;
    if (const tvapi::ICirclePtr circle = circles ? circles->Add() : nullptr) {
        circle->SetXc(X);
        circle->SetYc(Y);
        circle->SetRadius(R);
        circle->SetStyle(Attr);
        circle->Update();
        Made(tvapi::IDrawingObjectPtr(circle));
    }
    r2.Constraint2D.DoCircle(X, Y, R, Attr);
}

void TModelerApi::drawEllipse(Real const& x, Real const& y, Real const& A, Real const& B, Real const& Angle,
                              Integer Attr)
{
    TRegistryModeler2D& r2 = *R2;
    r2.CurDrawingObject.Reset();
    if (r2.OnlySizes2D) return;
    TRegistryApi& r = *R3;
    if (!r.IDoc2D || !r.DrawingContainer) return;
    const tvapi::IEllipsesPtr ellipses = r.DrawingContainer->GetEllipses();
    if (const tvapi::IEllipsePtr ellipse = ellipses ? ellipses->Add() : nullptr) {
        ellipse->SetXc(x);
        ellipse->SetYc(y);
        ellipse->SetA(A);
        ellipse->SetB(B);
        ellipse->SetAngle(Angle);
        ellipse->SetStyle(Attr);
        ellipse->Update();
        r2.CurDrawingObject = tvapi::IDrawingObjectPtr(ellipse); // never a hatch boundary
        r.LastObj = r2.CurDrawingObject;
    }
    r2.Constraint2D.DoEllipse(x, y, A, B, Angle, Attr);
}

void TModelerApi::Made(const tvapi::IDrawingObjectPtr& object)
{
    AddBoundary(*R3, object);
    R2->CurDrawingObject = object;
    R3->LastObj = object;
}

} // namespace drApi

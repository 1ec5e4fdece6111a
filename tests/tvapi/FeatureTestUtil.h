#pragma once
// Shared steps of the feature tests: a new part document of a HostFixture's host, sketches on
// the part's base planes drawn through the sketch's containers as a library draws, features
// added through the part's collections, and the volume of the part's bodies.

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostKernelFeatures.h"
#include "HostPart.h"
#include "HostSketch.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/ModelContainer.h"
#include "tvapi/ParametricConstraint.h"

namespace feature_test {

inline tvapi::IDrawingContainerPtr Draw(tvhost::THostSketch& s)
{
    return tvapi::IDrawingContainerPtr(tvapi::ITervanDocument2DPtr(&s.Document()));
}
inline void Line(tvhost::THostSketch& s, double u0, double v0, double u1, double v1,
                 int style = tvapi::tvCSNormal)
{
    const tvapi::ILineSegmentPtr seg = Draw(s)->GetLineSegments()->Add();
    seg->SetX1(u0);
    seg->SetY1(v0);
    seg->SetX2(u1);
    seg->SetY2(v1);
    seg->SetStyle(style);
    seg->Update();
}
inline void Rect(tvhost::THostSketch& s, double u0, double v0, double u1, double v1)
{
    Line(s, u0, v0, u1, v0);
    Line(s, u1, v0, u1, v1);
    Line(s, u1, v1, u0, v1);
    Line(s, u0, v1, u0, v0);
}
inline void Circle(tvhost::THostSketch& s, double uc, double vc, double r)
{
    const tvapi::ICirclePtr c = Draw(s)->GetCircles()->Add();
    c->SetXc(uc);
    c->SetYc(vc);
    c->SetRadius(r);
    c->SetStyle(tvapi::tvCSNormal);
    c->Update();
}
// An arc about (uc, vc) from (u0, v0) to (u1, v1), clockwise when `clockwise`.
inline void Arc(tvhost::THostSketch& s, double uc, double vc, double u0, double v0, double u1, double v1,
                bool clockwise)
{
    const tvapi::IArcPtr a = Draw(s)->GetArcs()->Add();
    a->SetXc(uc);
    a->SetYc(vc);
    a->SetX1(u0);
    a->SetY1(v0);
    a->SetX2(u1);
    a->SetY2(v1);
    a->SetRadius(std::hypot(u0 - uc, v0 - vc));
    a->SetDirection(clockwise);
    a->SetStyle(tvapi::tvCSNormal);
    a->Update();
}

// A linear dimension of the sketch from (x1, y1) to (x2, y2), carrying `variable` when it is
// not empty (as a library makes a driving dimension), with the deviations given.
inline tvapi::ILineDimensionPtr LinearDimension(tvhost::THostSketch& s, double x1, double y1, double x2,
                                                double y2, tvapi::tvLineDimensionOrientationEnum orientation,
                                                const wchar_t* variable, double upper = 0, double lower = 0)
{
    const tvapi::ILineDimensionPtr d =
        tvapi::ISymbols2DContainerPtr(tvapi::ITervanDocument2DPtr(&s.Document()))->GetLineDimensions()->Add();
    d->SetX1(x1);
    d->SetY1(y1);
    d->SetX2(x2);
    d->SetY2(y2);
    d->SetOrientation(orientation);
    if (upper != 0 || lower != 0) tvapi::IDimensionTextPtr(d)->SetDeviations(upper, lower);
    tvapi::IDrawingObjectPtr(d)->Update();
    if (variable) {
        const tvapi::IParametricConstraintPtr c = tvapi::IDrawingObject1Ptr(d)->NewConstraint();
        c->SetConstraintType(tvapi::tvCDimWithVariable);
        c->SetVariableName(variable);
        c->Create();
    }
    return d;
}

// A solid extrusion of `kind` of `s` in `part`, `forward` along the normal (dtNormal) or as
// given and `reverse` the other way; an o3d_ExtrusionSurface is a surface.
inline tvapi::IExtrusionPtr Extrusion(const tvapi::IPartPtr& part, tvhost::THostSketch& s,
                                      tvapi::tvObj3dTypeEnum kind, tvapi::tvDirectionTypeEnum dir,
                                      double forward, double reverse,
                                      tvapi::tvEndTypeEnum end = tvapi::etBlind)
{
    tvapi::IExtrusionPtr e = kind == tvapi::o3d_ExtrusionSurface
                                 ? tvapi::ISurfaceContainerPtr(part)->GetExtrusionSurfaces()->Add(kind)
                                 : tvapi::IModelContainerPtr(part)->GetExtrusions()->Add(kind);
    e->SetProfile({tvapi::IModelObjectPtr(&s)});
    e->SetDirection(dir);
    e->SetSideParameters(true, end, forward, 0, false, {});
    e->SetSideParameters(false, end, reverse, 0, false, {});
    return e;
}

class TPartFixture : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        FDoc = Host().App().Documents().AddDocument(tvapi::tvDocumentPart, L"part.qpt");
        FPart = tvapi::IPartPtr(&Part());
    }
    void TearDown() override
    {
        FPart.Reset();
        FDoc.Reset();
        HostFixture::TearDown();
    }
    tvhost::THostPart& Part() { return tvhost::HostAs<tvhost::THostDocument3D>(FDoc)->TopPart(); }
    tvapi::IModelContainerPtr Container() { return tvapi::IModelContainerPtr(FPart); }
    // Saves the part's document to `file`, closes it, and opens the file as the fixture's part.
    void SaveAndReopen(const std::wstring& file)
    {
        ASSERT_TRUE(FDoc->SaveAs(file.c_str()));
        FPart.Reset();
        ASSERT_TRUE(FDoc->Close(tvapi::kdDoNotSaveChanges));
        FDoc = Application()->GetDocuments()->Open(file.c_str(), true, false);
        ASSERT_TRUE(FDoc);
        FPart = tvapi::IPartPtr(&Part());
    }

    // A new sketch on the part's plane of `kind` (XOY without one).
    tvhost::THostSketch& Sketch(tvapi::tvObj3dTypeEnum kind = tvapi::o3d_planeXOY)
    {
        tvhost::THostSketch& s = Part().AddSketch(L"");
        s.SetPlane(Part().GetDefaultObject(kind));
        return s;
    }
    tvapi::IExtrusionPtr Extrusion(tvhost::THostSketch& s, tvapi::tvObj3dTypeEnum kind,
                                   tvapi::tvDirectionTypeEnum dir, double forward, double reverse,
                                   tvapi::tvEndTypeEnum end = tvapi::etBlind)
    {
        return feature_test::Extrusion(FPart, s, kind, dir, forward, reverse, end);
    }

    double Volume()
    {
        double v = 0;
        for (const tvhost::TShape& shape : Part().LocalShapes())
            v += tvhost::Volume(shape);
        return v;
    }
    void ExpectBodiesValid()
    {
        for (const tvhost::TShape& shape : Part().LocalShapes())
            EXPECT_TRUE(tvhost::IsValidShape(shape));
    }
    template <class I> std::string ErrorOf(const tvapi::Ptr<I>& feature)
    {
        return Part().Features().ErrorOf(tvapi::IModelObjectPtr(feature).Get());
    }

    tvapi::ITervanDocumentPtr FDoc;
    tvapi::IPartPtr FPart;
};

// Relative closeness for volumes.
inline void ExpectVolume(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::abs(expected)));
}

} // namespace feature_test

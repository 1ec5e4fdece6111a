// Planes with a sketch on them, against the stand-in: the plane step, the sketch on the plane
// it made with the angle the operation gives, the editing ended first, and the sketch's real
// placement on a turned plane.

#include <cmath>
#include <ostream>

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostAuxGeometry.h"
#include "HostJournal.h"
#include "HostPart.h"
#include "HostSketch.h"
#include "maTervan.h"

using drApi::MA;
using namespace tvapi;

namespace {

constexpr double Tol = 1e-9;

void ExpectXyz(const TPoint3D& got, double x, double y, double z)
{
    EXPECT_NEAR(got.x, x, Tol);
    EXPECT_NEAR(got.y, y, Tol);
    EXPECT_NEAR(got.z, z, Tol);
}

} // namespace

class TModelerApiPlaneSketchTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
    }
    const std::vector<IModelObjectPtr>& Planes() { return Top().AuxGeometry().Planes(); }
    static tvhost::THostSketch& Sketch() { return *tvhost::HostAs<tvhost::THostSketch>(R().Sketch); }
    // The sketch is open for drawing on the current plane.
    static void ExpectOpenOnPlane()
    {
        ASSERT_TRUE(R().Sketch);
        EXPECT_TRUE(Sketch().Editing());
        EXPECT_TRUE(R().IDoc2D && R().DrawingContainer);
        EXPECT_EQ(R().Sketch->GetPlane(), R().Plane);
    }
    static IPlane3DByAnglePtr AnglePlane(const IModelObjectPtr& p) { return IPlane3DByAnglePtr(p); }
};

TEST_F(TModelerApiPlaneSketchTest, PlaneEskisAtZeroPutsTheSketchOnTheBasePlane)
{
    MA.drPlaneEskis(o3d_planeXOY, 0.0, 0.0, "");
    EXPECT_TRUE(Planes().empty());
    ExpectOpenOnPlane();
    EXPECT_EQ(R().Plane, MA.drDefault(o3d_planeXOY));
    EXPECT_EQ(Sketch().Name(), L"");
}

// XOZ at -10: an offset plane of offset 10, direction false (towards -Y), and the sketch on it
// named and turned as asked; a model point on it maps into the sketch's axes.
TEST_F(TModelerApiPlaneSketchTest, PlaneEskisOffsetsAndNamesAndTurnsTheSketch)
{
    MA.drPlaneEskis(o3d_planeXOZ, -10.0, 90.0, "Профиль");
    ASSERT_EQ(Planes().size(), 1u);
    const IPlane3DByOffsetPtr plane(Planes()[0]);
    EXPECT_EQ(plane->GetOffset(), 10.0);
    EXPECT_FALSE(plane->GetDirection());
    ExpectOpenOnPlane();
    EXPECT_EQ(Sketch().Name(), L"Профиль");
    EXPECT_EQ(Sketch().Angle(), 90.0);
    TPoint3D P(3, -10, 4);
    TPoint2D uv(-1, -1);
    MA.drSketchTranslate(P, uv);
    EXPECT_NEAR(uv.x, -4, Tol); // turned by 90: u along the plane's v (-Z), v against its u (X)
    EXPECT_NEAR(uv.y, -3, Tol);
}

// An open sketch is ended before the new plane is asked for.
TEST_F(TModelerApiPlaneSketchTest, PlaneEskisEndsTheOpenSketchBeforeThePlane)
{
    MA.drPlaneEskis(o3d_planeXOY, 0.0, 0.0, "");
    tvhost::THostSketch& first = Sketch();
    Journal().Clear();
    MA.drPlaneEskis(o3d_planeYOZ, 5.0, 0.0, "");
    EXPECT_FALSE(first.Editing());
    const std::vector<std::string> lines = Journal().Lines();
    const auto at = [&](const std::string& op) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].rfind(op, 0) == 0) return i;
        return lines.size();
    };
    EXPECT_LT(at("ISketch::EndEdit"), at("IPlanes3D::Add"));
    EXPECT_LT(at("IPlanes3D::Add"), at("ISketches::Add"));
    ExpectOpenOnPlane();
}

// -90: the plane turns by 270 with direction false, the sketch by -90; its placement is the
// turned plane's (XOZ turned a quarter about Z: X -> Y, normal +Y -> -X), read with real numbers.
TEST_F(TModelerApiPlaneSketchTest, XOZAngleOffsetEskisOfMinus90TurnsThePlane270AndTheSketchMinus90)
{
    MA.drPlaneXOZAngleOffsetEskis(-90.0, 0.0, 0.0);
    ASSERT_EQ(Planes().size(), 2u);
    const IPlane3DByAnglePtr angled = AnglePlane(Planes()[0]);
    EXPECT_EQ(angled->GetAngle(), 270.0);
    EXPECT_FALSE(angled->GetDirection());
    ExpectOpenOnPlane();
    EXPECT_EQ(Sketch().Angle(), -90.0);

    TPlacement3D P;
    ISketchPtr sketch = R().Sketch;
    ASSERT_TRUE(drApi::GetPlacement3D(sketch, P));
    ExpectXyz(P.O, 0, 0, 0);
    ExpectXyz(P.AX, 0, 1, 0);
    ExpectXyz(P.AY, 0, 0, -1);
    ExpectXyz(P.AZ, -1, 0, 0);
    TPoint3D Q(0, 5, 7);
    TPoint2D uv;
    MA.drSketchTranslate(Q, uv); // the sketch's u = +Z, v = +Y
    EXPECT_NEAR(uv.x, 7, Tol);
    EXPECT_NEAR(uv.y, 5, Tol);
}

struct TAngleCase {
    const char* Name;
    double Angle, Offset, Extra;
    double PlaneAngle; // given to the host, direction false (the angle is negated on the way)
    double SketchAngle;
};

void PrintTo(const TAngleCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TModelerApiXOZAngleEskisTest : public TModelerApiPlaneSketchTest,
                                     public ::testing::WithParamInterface<TAngleCase> {};

TEST_P(TModelerApiXOZAngleEskisTest, BringsTheAngleIntoRangeOnceAndCorrectsTheSketch)
{
    const TAngleCase& c = GetParam();
    MA.drPlaneXOZAngleOffsetEskis(c.Angle, c.Offset, c.Extra);
    ASSERT_EQ(Planes().size(), 2u);
    EXPECT_EQ(AnglePlane(Planes()[0])->GetAngle(), c.PlaneAngle);
    EXPECT_EQ(IPlane3DByOffsetPtr(Planes()[1])->GetOffset(), c.Offset);
    ExpectOpenOnPlane();
    EXPECT_EQ(Sketch().Angle(), c.SketchAngle);
}

INSTANTIATE_TEST_SUITE_P(Cases, TModelerApiXOZAngleEskisTest,
                         ::testing::Values(TAngleCase{"Above360", 450.0, 0.0, 15.0, 90.0, 105.0},
                                           TAngleCase{"Half", 180.0, 5.0, 0.0, 180.0, 180.0},
                                           TAngleCase{"TwoTurns", 720.0, 0.0, 0.0, 360.0, 0.0},
                                           TAngleCase{"Zero", 0.0, 3.0, 0.0, 0.0, 0.0}),
                         [](const ::testing::TestParamInfo<TAngleCase>& p) {
                             return std::string(p.param.Name);
                         });

TEST_F(TModelerApiPlaneSketchTest, AxisAngleEskisAlwaysGivesTheSketchAngleZero)
{
    const IPlane3DPtr xoz(MA.drDefault(o3d_planeXOZ));
    const IAxis3DBy2PlanesPtr axis = MA.drAxisPlanes(xoz, IPlane3DPtr(MA.drDefault(o3d_planeYOZ)));
    MA.drPlaneAxisAngleEskis(xoz, IModelObjectPtr(axis), 30.0);
    ASSERT_EQ(Planes().size(), 1u);
    EXPECT_EQ(AnglePlane(Planes()[0])->GetAngle(), 30.0);
    ExpectOpenOnPlane();
    EXPECT_EQ(Sketch().Angle(), 0.0);
}

// On the plane square to a box edge through its vertex, turned by the given angle; without an
// edge no plane is made and the sketch goes on the plane current before.
TEST_F(TModelerApiPlaneSketchTest, PerpendEdgeVertexEskisSketchesOnThePlaneSquareToTheEdge)
{
    const tvhost::THostBodyPtr body = Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    IModelObjectPtr edge, vertex;
    for (const IModelObjectPtr& e : ObjectsOf(IModelObjectPtr(body), o3d_edge)) {
        const IEdgePtr straight(e);
        double x0 = 0, y0 = 0, z0 = 0, x1 = 0, y1 = 0, z1 = 0;
        straight->GetVertex(false)->GetPoint(x0, y0, z0);
        straight->GetVertex(true)->GetPoint(x1, y1, z1);
        if (std::fabs(z1 - z0) > 1) edge = e, vertex = IModelObjectPtr(straight->GetVertex(false));
    }
    ASSERT_TRUE(edge && vertex);
    drApi::drPlanePerpendEdgeVertexEskis(edge, vertex, 45.0);
    ASSERT_EQ(Planes().size(), 1u);
    ExpectOpenOnPlane();
    EXPECT_EQ(Sketch().Angle(), 45.0);
    TPlacement3D P;
    ISketchPtr sketch = R().Sketch;
    ASSERT_TRUE(drApi::GetPlacement3D(sketch, P));
    EXPECT_NEAR(std::fabs(P.AZ.z), 1, Tol);

    const IModelObjectPtr before = R().Plane;
    drApi::drPlanePerpendEdgeVertexEskis(IModelObjectPtr(), vertex, 0.0);
    EXPECT_EQ(Planes().size(), 1u);
    EXPECT_EQ(R().Plane, before);
    ExpectOpenOnPlane();
}

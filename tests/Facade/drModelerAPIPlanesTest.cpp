// Construction planes and axes of the facade against the stand-in: what the host is given
// (absolute values and directions), where the planes end up, what becomes current and what an
// open 3D macro records.

#include <cmath>

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostAuxGeometry.h"
#include "HostPart.h"
#include "maTervan.h"

using drApi::MA;
using namespace tvapi;

namespace {

constexpr double Tol = 1e-9;

void ExpectXyz(const tvhost::TXyz& got, const tvhost::TXyz& want)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(got[i], want[i], Tol) << "component " << i;
}

tvhost::TFrame FrameOf(const IModelObjectPtr& plane)
{
    tvhost::TFrame frame;
    EXPECT_TRUE(tvhost::PlaneFrameOf(plane, frame));
    return frame;
}

bool Hidden(const IModelObjectPtr& plane)
{
    return IHiddenStatePtr(plane)->GetHidden();
}

} // namespace

class TModelerApiPlanesTest : public TPartFacadeFixture {
protected:
    const std::vector<IModelObjectPtr>& Planes() { return Top().AuxGeometry().Planes(); }
    const std::vector<IModelObjectPtr>& Axes() { return Top().AuxGeometry().Axes(); }
    // Opens a 3D macro as the facade's record sees it.
    void OpenMacro() { R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part)); }
    std::vector<IModelObjectPtr> Recorded() { return R().AMacroObject3D.Objects(); }
    IPlane3DPtr Default(tvObj3dTypeEnum kind) { return IPlane3DPtr(MA.drDefault(kind)); }
};

TEST_F(TModelerApiPlanesTest, WithoutAPartNothingIsMadeAndTheDefaultIsEmpty)
{
    R().Obj3D = IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_face));
    MA.drPlane(o3d_planeXOY, 5.0);
    EXPECT_FALSE(R().Obj3D);
    EXPECT_FALSE(MA.drDefault(o3d_planeXOY));
    const IModelObjectPtr last(tvhost::New<tvhost::THostModelObject>(o3d_face));
    R().Obj3D = last;
    EXPECT_FALSE(MA.drAxisPlanes(IPlane3DPtr(), IPlane3DPtr()));
    EXPECT_EQ(R().Obj3D, last);
    EXPECT_FALSE(R().Plane);
}

TEST_F(TModelerApiPlanesTest, DistanceZeroSelectsTheBasePlaneAndMakesNothing)
{
    OpenPart();
    OpenMacro();
    MA.drPlane(o3d_planeXOZ, 0.0);
    EXPECT_EQ(R().Plane, MA.drDefault(o3d_planeXOZ));
    EXPECT_FALSE(R().Obj3D);
    EXPECT_TRUE(Planes().empty());
    EXPECT_TRUE(Recorded().empty());
    ExpectXyz(FrameOf(R().Plane).Z, {0, 1, 0});
}

// A signed distance reaches the host as offset and direction; the plane lies on the side the
// direction gives: along the base normal (+Z, +Y, -X) for true.
struct TOffsetCase {
    const char* Name;
    tvObj3dTypeEnum Base;
    double Distance;
    double Offset;
    bool Direction;
    tvhost::TXyz Origin;
};

class TModelerApiPlaneOffsetTest : public TModelerApiPlanesTest,
                                   public ::testing::WithParamInterface<TOffsetCase> {};

TEST_P(TModelerApiPlaneOffsetTest, OneHiddenCurrentRecordedPlane)
{
    const TOffsetCase& c = GetParam();
    OpenPart();
    OpenMacro();
    MA.drPlane(c.Base, c.Distance);
    ASSERT_EQ(Planes().size(), 1u);
    const IPlane3DByOffsetPtr plane(Planes()[0]);
    EXPECT_EQ(plane->GetOffset(), c.Offset);
    EXPECT_EQ(plane->GetDirection(), c.Direction);
    EXPECT_TRUE(Hidden(Planes()[0]));
    EXPECT_EQ(R().Plane, Planes()[0]);
    EXPECT_EQ(R().Obj3D, Planes()[0]);
    EXPECT_EQ(Recorded(), std::vector<IModelObjectPtr>{Planes()[0]});
    const tvhost::TFrame frame = FrameOf(Planes()[0]);
    ExpectXyz(frame.Origin, c.Origin);
    ExpectXyz(frame.Z, tvhost::BasePlaneFrame(c.Base).Z);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TModelerApiPlaneOffsetTest,
    ::testing::Values(TOffsetCase{"XOYMinus5", o3d_planeXOY, -5.0, 5.0, false, {0, 0, -5}},
                      TOffsetCase{"XOZPlus5", o3d_planeXOZ, 5.0, 5.0, true, {0, 5, 0}},
                      TOffsetCase{"YOZPlus2", o3d_planeYOZ, 2.5, 2.5, true, {-2.5, 0, 0}}),
    [](const ::testing::TestParamInfo<TOffsetCase>& p) { return std::string(p.param.Name); });

TEST_F(TModelerApiPlanesTest, XOZAngleOffsetMakesAxisAnglePlaneAndCurrentOffsetPlane)
{
    OpenPart();
    OpenMacro();
    MA.drPlaneXOZAngleOffset(-30.0, 12.0);
    ASSERT_EQ(Axes().size(), 1u);
    ASSERT_EQ(Planes().size(), 2u);
    const IPlane3DByAnglePtr angled(Planes()[0]);
    const IPlane3DByOffsetPtr offset(Planes()[1]);
    ASSERT_TRUE(angled && offset);
    EXPECT_EQ(angled->GetAngle(), 30.0);
    EXPECT_TRUE(angled->GetDirection());
    EXPECT_EQ(offset->GetOffset(), 12.0);
    EXPECT_TRUE(offset->GetDirection());
    EXPECT_TRUE(Hidden(Planes()[0]) && Hidden(Planes()[1]));
    EXPECT_EQ(R().Plane, Planes()[1]);
    EXPECT_EQ(Recorded(), (std::vector<IModelObjectPtr>{Axes()[0], Planes()[0], Planes()[1]}));

    // The axis is the part's Z axis; XOZ's normal +Y turned 30 degrees about +Z.
    tvhost::TXyz point, direction;
    ASSERT_TRUE(tvhost::AxisLineOf(Axes()[0], point, direction));
    ExpectXyz(point, {0, 0, 0});
    ExpectXyz(direction, {0, 0, 1});
    const double s = 0.5, c = std::sqrt(3.0) / 2;
    const tvhost::TFrame frame = FrameOf(Planes()[1]);
    ExpectXyz(frame.Z, {-s, c, 0});
    ExpectXyz(frame.Origin, {-12 * s, 12 * c, 0});
    ExpectXyz(frame.X, {c, s, 0});
}

TEST_F(TModelerApiPlanesTest, XOZAngleOffsetWithZeroOffsetStillOffsets)
{
    OpenPart();
    MA.drPlaneXOZAngleOffset(30.0, 0.0);
    ASSERT_EQ(Planes().size(), 2u);
    EXPECT_EQ(IPlane3DByAnglePtr(Planes()[0])->GetAngle(), 30.0);
    EXPECT_FALSE(IPlane3DByAnglePtr(Planes()[0])->GetDirection());
    EXPECT_EQ(IPlane3DByOffsetPtr(Planes()[1])->GetOffset(), 0.0);
    EXPECT_FALSE(IPlane3DByOffsetPtr(Planes()[1])->GetDirection());
    EXPECT_EQ(R().Plane, Planes()[1]);
    ExpectXyz(FrameOf(Planes()[1]).Z, {0.5, std::sqrt(3.0) / 2, 0});
}

TEST_F(TModelerApiPlanesTest, CurrentXOYAngleTurnsAboutTheLineOfTheCurrentPlane)
{
    OpenPart();
    MA.drPlane(o3d_planeYOZ, 10.0); // along YOZ's normal -X: meets XOY on the line x = -10
    MA.drPlaneCurrentXOYAngleOffset(90.0, 0.0);
    ASSERT_EQ(Planes().size(), 3u);
    tvhost::TXyz point, direction;
    ASSERT_TRUE(tvhost::AxisLineOf(Axes()[0], point, direction));
    ExpectXyz(point, {-10, 0, 0});
    const tvhost::TFrame frame = FrameOf(R().Plane); // XOY stood up on that line
    EXPECT_NEAR(std::fabs(frame.Z[0]), 1.0, Tol);
    EXPECT_NEAR(frame.Origin[0], -10.0, Tol);
}

TEST_F(TModelerApiPlanesTest, AngleZeroHasDirectionFalseAndParallelPlaneGoesThroughTheVertex)
{
    OpenPart();
    const IAxis3DBy2PlanesPtr axis = MA.drAxisPlanes(Default(o3d_planeXOY), Default(o3d_planeXOZ));
    MA.drPlaneAxisAngle(Default(o3d_planeXOY), IModelObjectPtr(axis), 0.0);
    ASSERT_EQ(Planes().size(), 1u);
    EXPECT_FALSE(IPlane3DByAnglePtr(Planes()[0])->GetDirection());
    ExpectXyz(FrameOf(Planes()[0]).Z, {0, 0, 1});

    MA.drPlaneParallelVertex(o3d_planeYOZ, IModelObjectPtr());
    EXPECT_EQ(Planes().size(), 1u);
    const IModelObjectPtr body(Top().AddBody(tvhost::MakeBox({3, 4, 5}, 10, 20, 5)));
    const auto vertices = drApi::GetObjects(body, o3d_vertex);
    ASSERT_FALSE(vertices.empty());
    double x, y, z;
    IVertexPtr(vertices[0])->GetPoint(x, y, z);
    MA.drPlaneParallelVertex(o3d_planeYOZ, vertices[0]);
    ASSERT_EQ(Planes().size(), 2u);
    EXPECT_TRUE(Hidden(Planes()[1]));
    ExpectXyz(FrameOf(R().Plane).Origin, {x, y, z});
    ExpectXyz(FrameOf(R().Plane).Z, {-1, 0, 0});

    const auto edges = drApi::GetObjects(body, o3d_edge);
    ASSERT_FALSE(edges.empty());
    MA.drPlanePerpendEdgeVertex(edges[0], vertices[0]);
    ASSERT_EQ(Planes().size(), 3u);
    double ax, ay, az, bx, by, bz;
    IEdgePtr(edges[0])->GetVertex(false)->GetPoint(ax, ay, az);
    IEdgePtr(edges[0])->GetVertex(true)->GetPoint(bx, by, bz);
    const tvhost::TXyz n = FrameOf(R().Plane).Z;
    const double len = std::hypot(bx - ax, by - ay, bz - az);
    EXPECT_NEAR(std::fabs(n[0] * (bx - ax) + n[1] * (by - ay) + n[2] * (bz - az)), len, Tol)
        << "the normal runs along the edge";
}

TEST_F(TModelerApiPlanesTest, HostRefusalsEndQuietlyAndKeepTheCurrentPlane)
{
    OpenPart();
    MA.drPlane(o3d_planeXOY, 0.0);
    const IModelObjectPtr before = R().Plane;
    InjectFault("IPlanes3D::Add");
    MA.drPlane(o3d_planeXOY, 3.0);
    InjectFault("IAuxiliaryGeomContainer::GetPlanes3D");
    MA.drPlaneAxisAngle(Default(o3d_planeXOY), MA.drDefault(o3d_axisOX), 10.0);
    InjectFault("IAuxiliaryGeomContainer::GetDefaultObject");
    MA.drPlane(o3d_planeXOY, 3.0);
    EXPECT_TRUE(Planes().empty());
    EXPECT_EQ(R().Plane, before);

    // A throw from the host inside drPlaneOffset stays there; what was made stays.
    InjectFault("IPlane3DByOffset::SetOffset", tvhost::fkThrow);
    EXPECT_NO_THROW(MA.drPlane(o3d_planeXOY, 3.0));
    EXPECT_EQ(Planes().size(), 1u);
    EXPECT_EQ(R().Plane, before);
    EXPECT_FALSE(R().Obj3D);
    // Elsewhere it passes to the caller.
    InjectFault("IPlane3DByAngle::SetAngle", tvhost::fkThrow);
    EXPECT_THROW(MA.drPlaneAxisAngle(Default(o3d_planeXOY), MA.drDefault(o3d_axisOX), 10.0),
                 tvhost::TInjectedFault);
}

// The sketch frame of an offset plane is where a profile drawn on it is extruded from.
TEST_F(TModelerApiPlanesTest, ProfileOnOffsetPlaneExtrudesFromTheOffset)
{
    OpenPart();
    MA.drPlane(o3d_planeXOY, 12.0);
    const IPlacement3DPtr placement = IPlane3DPtr(R().Plane)->GetSurface()->GetPlacement();
    ASSERT_TRUE(placement);
    double ox, oy, oz;
    placement->GetOrigin(ox, oy, oz);
    EXPECT_EQ(oz, 12.0);
    const tvhost::TShape box = tvhost::MakePrism(FrameOf(R().Plane), 0, 0, 10, 20, 5);
    const auto b = tvhost::BoxOf(box);
    EXPECT_NEAR(b[2], 12.0, 1e-6);
    EXPECT_NEAR(b[5], 17.0, 1e-6);
    EXPECT_NEAR(tvhost::Volume(box), 1000.0, 1e-6);
}

TEST(GetAngleEskizTest, OneCorrectionStepThenTheQuadrant)
{
    const std::pair<double, double> cases[] = {{-90, -90}, {450, 90}, {180, 180}, {90.5, 180}, {0, 0},
                                               {300, 0},   {-400, 0}, {90, 90},   {270, -90},  {720, 0}};
    for (const auto& [angle, want] : cases)
        EXPECT_EQ(drApi::GetAngleEskiz(angle), want) << angle;
}

// A plane turned by 270 about Z (what a sketch at -90 asks for) reaches the host as 270, false.
TEST_F(TModelerApiPlanesTest, XOZAngle270GivesAngle270DirectionFalse)
{
    OpenPart();
    MA.drPlaneXOZAngleOffset(270.0, 0.0);
    ASSERT_EQ(Planes().size(), 2u);
    EXPECT_EQ(IPlane3DByAnglePtr(Planes()[0])->GetAngle(), 270.0);
    EXPECT_FALSE(IPlane3DByAnglePtr(Planes()[0])->GetDirection());
    ExpectXyz(FrameOf(Planes()[0]).Z, {-1, 0, 0}); // +Y turned -270 degrees about +Z
}

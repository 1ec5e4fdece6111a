// Host geometry on real bodies of the stand-in: edges and faces equal by geometry within the
// tolerance and not beyond it, ranges that would never end a sampling loop, and the frames of
// planar surfaces and sketches.

#include "maTervan.h"

#include <array>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "HostBodies.h"
#include "HostFixture.h"
#include "HostModelObject.h"
#include "HostPlacement.h"
#include "HostTopology.h"
#include "ModelEntities.h"
#include "drEdge.h"

using namespace tvapi;
using tvhost::TXyz;

namespace {

// A face of the kernel whose edges the host lists in reverse.
class TReversedFace final : public tvhost::THostFeatureOf<IFace, IModelObject> {
public:
    explicit TReversedFace(IFacePtr face) : THostFeatureOf(o3d_face), FFace(std::move(face)) {}
    IMathSurface3DPtr GetSurface() override { return FFace->GetSurface(); }
    double GetArea(int unit) override { return FFace->GetArea(unit); }
    bool GetOrientation() override { return FFace->GetOrientation(); }
    IBodyPtr GetBody() override { return FFace->GetBody(); }

protected:
    std::vector<IModelObjectPtr> ObjectsOf(tvObj3dTypeEnum kind) override
    {
        auto edges = drApi::GetObjects(IModelObjectPtr(FFace), kind);
        return {edges.rbegin(), edges.rend()};
    }

private:
    IFacePtr FFace;
};

// A planar surface with the placement the test gives, or an unplanar one.
class TPlaneSurface final : public tvhost::THostObjectOf<IMathSurface3D> {
public:
    TPlaneSurface(bool planar, TXyz o, TXyz x, TXyz y)
        : FPlanar(planar), FPlace(tvhost::New<tvhost::THostPlacement>())
    {
        FPlace->SetOrigin(o[0], o[1], o[2]);
        FPlace->SetAxis(o3d_axisOX, x[0], x[1], x[2]);
        FPlace->SetAxis(o3d_axisOY, y[0], y[1], y[2]);
    }
    void GetGabarit(double&, double&, double&, double&, double&, double&) override {}
    void GetParamUV(double, double, double, bool, double&, double&) override {}
    void GetNormal(double, double, double&, double&, double&) override {}
    bool IsPlanar() override { return FPlanar; }
    IPlacement3DPtr GetPlacement() override { return IPlacement3DPtr(FPlace); }

private:
    bool FPlanar;
    tvhost::THostPlacementPtr FPlace;
};

class TPlane final : public tvhost::THostModelObjectOf<IPlane3D> {
public:
    explicit TPlane(IMathSurface3DPtr s) : THostModelObjectOf(o3d_planeXOY), FSurface(std::move(s)) {}
    IMathSurface3DPtr GetSurface() override { return FSurface; }

private:
    IMathSurface3DPtr FSurface;
};

class TSketch final : public tvhost::THostModelObjectOf<ISketch> {
public:
    explicit TSketch(IModelObjectPtr plane) : THostModelObjectOf(o3d_sketch), FPlane(std::move(plane)) {}
    IModelObjectPtr GetPlane() override { return FPlane; }
    void SetPlane(IModelObjectPtr) override {}
    double GetAngle() override { return 0; }
    void SetAngle(double) override {}
    bool PointIntoSketch(double, double, double, double&, double&) override { return false; }
    tvapi::Ptr<ITervanDocument2D> BeginEdit(bool) override { return {}; }
    bool EndEdit() override { return false; }
    std::vector<tvapi::ITervanAPIObjectPtr> AddProjection(IModelObjectPtr) override { return {}; }

private:
    IModelObjectPtr FPlane;
};

} // namespace

class maTervanTest : public HostFixture {
protected:
    void TearDown() override
    {
        S = {};
        HostFixture::TearDown();
    }

    THostBodies S;
};

TEST_F(maTervanTest, EdgesAreEqualByGeometryWithinTheToleranceOnly)
{
    IEdgePtr ab = S.Edge(tvhost::MakeSegment({0, 0, 0}, {10, 0, 0}));
    IEdgePtr ba = S.Edge(tvhost::MakeSegment({10, 0, 0}, {0, 0, 0}));
    IEdgePtr longer = S.Edge(tvhost::MakeSegment({0, 0, 0}, {10.00001, 0, 0}));
    IEdgePtr beside = S.Edge(tvhost::MakeSegment({0, 0.0011, 0}, {10, 0.0011, 0}));
    IEdgePtr near = S.Edge(tvhost::MakeSegment({0, 0.0009, 0}, {10, 0.0009, 0}));
    IEdgePtr arc = S.Edge(tvhost::MakeArc({0, 0, 0}, {5, 5, 0}, {10, 0, 0}));
    IEdgePtr none;
    EXPECT_TRUE(drApi::EquEdge(ab, ba, 0.001)); // the opposite-direction pass
    EXPECT_FALSE(drApi::EquEdge(ab, longer, 0.001));
    EXPECT_FALSE(drApi::EquEdge(ab, beside, 0.001));
    EXPECT_TRUE(drApi::EquEdge(ab, near, 0.001));
    EXPECT_FALSE(drApi::EquEdge(ab, arc, 0.001));
    EXPECT_FALSE(drApi::EquEdge(ab, none, 0.001));

    // Ranges of no length or of no number take a few samples, then stop.
    for (const double t1 : {0.0, std::numeric_limits<double>::quiet_NaN()}) {
        const auto curve = tvhost::New<TRangeCurve>(0.0, t1);
        IEdgePtr flat(tvhost::New<TRangeEdge>(curve));
        drApi::EquEdge(flat, flat, 0.001);
        EXPECT_LE(curve->Points, 2 * 2 * 3) << t1;
        curve->Points = 0;
        drApi::EdgeInPlaneXOY(flat);
        EXPECT_LE(curve->Points, 5) << t1;
    }
}

TEST_F(maTervanTest, FacesAreEqualOnlyWithTheirEdgesInTheSameOrder)
{
    const auto one = S.Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), o3d_face);
    const auto other = S.Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), o3d_face);
    IFacePtr a(one[0]), b(other[0]), c(one[1]), none;
    IFacePtr reversed(tvhost::New<TReversedFace>(a));
    EXPECT_TRUE(drApi::EquFace(a, b, 0.001));
    EXPECT_FALSE(drApi::EquFace(a, c, 0.001));
    EXPECT_FALSE(drApi::EquFace(a, reversed, 0.001));
    EXPECT_FALSE(drApi::EquFace(a, none, 0.001));
    EXPECT_EQ(drApi::GetObjects<IEdgePtr>(IModelObjectPtr(a), o3d_edge).size(), 4u);
    EXPECT_TRUE(drApi::GetObjects(IModelObjectPtr(), o3d_edge).empty());
    std::vector<IEdgePtr> edges;
    drApi::Copy(std::vector<IModelObjectPtr>{one[0], one[1]}, edges); // faces are no edges
    ASSERT_EQ(edges.size(), 2u);
    EXPECT_FALSE(edges[0] || edges[1]);
}

TEST_F(maTervanTest, EdgesInPlanesAndPointsAlongThem)
{
    EXPECT_TRUE(drApi::EdgeInPlaneXOY(S.Edge(tvhost::MakeCircle({1, 2, 3}, {0, 0, 1}, 5))));
    EXPECT_FALSE(drApi::EdgeInPlaneXOY(S.Edge(tvhost::MakeSegment({0, 0, 0}, {10, 0, 1e-5}))));
    EXPECT_FALSE(drApi::EdgeInPlaneXOY(IEdgePtr()));
    // At the parameters 0, 0.5 and 1 only: the rise of [0, 10] past 1 is not looked at.
    const auto rising = tvhost::New<TRangeCurve>(0.0, 10.0);
    EXPECT_TRUE(drApi::EdgeInPlaneZ(IEdgePtr(tvhost::New<TRangeEdge>(rising)), 0.0));
    EXPECT_EQ(rising->Points, 3);
    EXPECT_FALSE(drApi::EdgeInPlaneZ(S.Edge(tvhost::MakeSegment({0, 0, 2}, {10, 0, 7}, 0, 1)), 2.0));
    IEdgePtr e = S.Edge(tvhost::MakeSegment({0, 0, 0}, {50, 0, 0}, 0, 1));
    TPoint3D p(-1, -1, -1);
    drApi::GetCurvePoint3D(e, 0.25, p);
    ExpectPoint(p, 12.5, 0, 0);
    IEdgePtr none;
    drApi::GetCurvePoint3D(none, 0.25, p);
    ExpectPoint(p, 12.5, 0, 0);
}

TEST_F(maTervanTest, PlacementOfPlanarSurfacesAndSketches)
{
    IMathSurface3DPtr skew(tvhost::New<TPlaneSurface>(true, TXyz{0, 0, 20}, TXyz{2, 0, 0}, TXyz{1, 1, 0}));
    TPlacement3D P;
    ASSERT_TRUE(drApi::GetPlacement3D(skew, P));
    ExpectPoint(P.O, 0, 0, 20);
    ExpectPoint(P.AX, 1, 0, 0);
    ExpectPoint(P.AY, 0, 1, 0); // corrected within the plane
    ExpectPoint(P.AZ, 0, 0, 1);

    IMathSurface3DPtr curved(tvhost::New<TPlaneSurface>(false, TXyz{5, 5, 5}, TXyz{1, 0, 0}, TXyz{0, 1, 0}));
    EXPECT_FALSE(drApi::GetPlacement3D(curved, P));
    ExpectPoint(P.O, 0, 0, 20); // unchanged

    ISketchPtr sketch(tvhost::New<TSketch>(IModelObjectPtr(tvhost::New<TPlane>(skew))));
    TPlacement3D Q(TPoint3D(1, 1, 1));
    ASSERT_TRUE(drApi::GetPlacement3D(sketch, Q));
    ExpectPoint(Q.O, 0, 0, 20);
    ISketchPtr notOnPlane(
        tvhost::New<TSketch>(IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_face))));
    EXPECT_FALSE(drApi::GetPlacement3D(notOnPlane, Q));
    ExpectPoint(Q.O, 0, 0, 20);
}

namespace {

// Faces of bodies a test makes, named by where they lie.
class maTervanLinkTest : public maTervanTest {
protected:
    IModelObjectPtr Body(tvhost::TShape shape)
    {
        S.Kept.push_back(tvhost::MakeBody(std::move(shape)));
        return IModelObjectPtr(S.Kept.back());
    }
    IFacePtr FaceIn(tvhost::TShape shape, const std::array<double, 6>& box)
    {
        return IFacePtr(model_entities::Entity(Body(std::move(shape)), o3d_face, box));
    }
    // The top face of a 10 x 10 x 5 box on XOY from the origin.
    IFacePtr Top() { return FaceIn(tvhost::MakeBox({0, 0, 0}, 10, 10, 5), {0, 0, 5, 10, 10, 5}); }
    // The top face of a like box turned `angle` degrees up about the first top's edge x = 10:
    // the outer normals of the two tops make that angle.
    IFacePtr TurnedTop(double angle)
    {
        const double a = angle * M_PI / 180;
        const tvhost::TFrame frame = tvhost::TFrame::Of({10, 0, 5}, {std::cos(a), 0, std::sin(a)}, {0, 1, 0});
        const IModelObjectPtr body = Body(tvhost::Moved(tvhost::MakeBox({0, 0, -5}, 10, 10, 5), frame));
        return IFacePtr(model_entities::EntityWhere(body, o3d_face, [](const IModelObjectPtr& f) {
            const auto b = model_entities::BoxOf(f);
            return std::abs(b[2] - 5) < 1e-6 && b[5] > 6;
        }));
    }
};

} // namespace

TEST_F(maTervanLinkTest, FacesMeetSmoothlyWhenTheirNormalsAreWithinAboutThirtyTwoDegrees)
{
    IFacePtr top = Top(), at30 = TurnedTop(30), at35 = TurnedTop(35), none;
    ASSERT_TRUE(top && at30 && at35);
    EXPECT_TRUE(drApi::isSmoothedLinked(top, at30)); // cosine 0.866
    EXPECT_TRUE(drApi::isSmoothedLinked(at30, top));
    EXPECT_FALSE(drApi::isSmoothedLinked(top, at35)); // cosine 0.819
    EXPECT_FALSE(drApi::isSmoothedLinked(top, none));

    // Two faces of one box at a right angle, and two faces sharing no edge.
    const IModelObjectPtr box = Body(tvhost::MakeBox({0, 0, 0}, 10, 10, 5));
    IFacePtr boxTop(model_entities::Entity(box, o3d_face, {0, 0, 5, 10, 10, 5}));
    IFacePtr boxSide(model_entities::Entity(box, o3d_face, {10, 0, 0, 10, 10, 5}));
    IFacePtr boxBottom(model_entities::Entity(box, o3d_face, {0, 0, 0, 10, 10, 0}));
    EXPECT_FALSE(drApi::isSmoothedLinked(boxTop, boxSide));
    EXPECT_FALSE(drApi::isSmoothedLinked(boxTop, boxBottom));

    // A plane going on from a cylinder along its seam x = 5, y = 0: cosine 1.
    const IModelObjectPtr cylinder = Body(tvhost::MakeCylinder({0, 0, 0}, {0, 0, 1}, 5, 10));
    IFacePtr side(model_entities::EntityWhere(
        cylinder, o3d_face, [](const IModelObjectPtr& f) { return !IFacePtr(f)->GetSurface()->IsPlanar(); }));
    IFacePtr tangent = FaceIn(tvhost::MakeBox({0, -10, 0}, 5, 10, 10), {5, -10, 0, 5, 0, 10});
    ASSERT_TRUE(side && tangent);
    EXPECT_TRUE(drApi::isSmoothedLinked(tangent, side));
}

TEST_F(maTervanLinkTest, LinkEdgeIsAnEdgeOfTheFirstFaceSharedOrOnOneLineWithTheSecond)
{
    IFacePtr top = Top(), at30 = TurnedTop(30);
    IEdgePtr shared = drApi::GetLinkEdge(top, at30, 0);
    ASSERT_TRUE(shared);
    EXPECT_TRUE(drApi::ExistEdge(top, shared) && drApi::ExistEdge(at30, shared));
    const drApi::TEdge e(shared);
    ExpectPoint(e.P0, 10, 0, 5, 1e-9);
    ExpectPoint(e.P1, 10, 10, 5, 1e-9);

    // A shorter top touching part of the side x = 10: no equal edge, one line.
    IFacePtr shorter = FaceIn(tvhost::MakeBox({10, 2, 0}, 10, 4, 5), {10, 2, 5, 20, 6, 5});
    IEdgePtr onLine = drApi::GetLinkEdge(top, shorter, 0);
    ASSERT_TRUE(onLine);
    EXPECT_TRUE(drApi::EquEdge(onLine, shared, 1e-9)) << "the first face's whole edge";
    IEdgePtr back = drApi::GetLinkEdge(shorter, top, 0);
    ASSERT_TRUE(back);
    EXPECT_NEAR(back->GetLength(1), 4, 1e-9);
    EXPECT_FALSE(drApi::ExistEdge(top, back));
    EXPECT_FALSE(drApi::GetLinkEdge(top, shorter, 4)) << "past the last of four edges";
    EXPECT_TRUE(drApi::GetLinkEdge(top, shorter, -3)) << "a negative start counts as 0";

    // Surface boxes 0.5 apart: no edge list is asked for.
    IFacePtr apart = FaceIn(tvhost::MakeBox({10.5, 2, 0}, 10, 4, 5), {10.5, 2, 5, 20.5, 6, 5});
    Host().Journal().Clear();
    EXPECT_FALSE(drApi::GetLinkEdge(top, apart, 0));
    EXPECT_EQ(Host().Journal().Count("IFeature::GetModelObjects"), 0u);
    IFacePtr none;
    EXPECT_FALSE(drApi::GetLinkEdge(top, none, 0));
    IEdgePtr noEdge;
    EXPECT_FALSE(drApi::ExistEdge(none, shared));
    EXPECT_FALSE(drApi::ExistEdge(top, noEdge));
}

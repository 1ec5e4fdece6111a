// Measurements of the stand-in host on kernel shapes: lengths, distances, radii and angles
// with worked numbers, the measurement lists of a part, and threads.

#include "HostMeasure.h"

#include <cmath>

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "HostPart.h"
#include "ModelEntities.h"

using namespace tvapi;
using model_entities::Entity;
using model_entities::EntityWhere;

namespace {

constexpr double Eps = 1e-9;

class HostMeasureTest : public HostFixture {
protected:
    IModelObjectPtr Body(tvhost::TShape shape)
    {
        Kept.push_back(tvhost::MakeBody(std::move(shape)));
        return IModelObjectPtr(Kept.back());
    }
    void TearDown() override
    {
        Kept.clear();
        HostFixture::TearDown();
    }
    std::vector<tvhost::THostBodyPtr> Kept;
};

bool IsCylinder(const IModelObjectPtr& e)
{
    const IFaceShapePtr f(e);
    return f && f->IsCylinder();
}

} // namespace

TEST_F(HostMeasureTest, BoxLongEdgeIsTwentyAndOppositeFacesFiveApart)
{
    const IModelObjectPtr box = Body(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    const IModelObjectPtr edge = Entity(box, o3d_edge, {0, 0, 0, 0, 20, 0});
    const IModelObjectPtr bottom = Entity(box, o3d_face, {0, 0, 0, 10, 20, 0});
    const IModelObjectPtr top = Entity(box, o3d_face, {0, 0, 5, 10, 20, 5});
    const IModelObjectPtr right = Entity(box, o3d_face, {10, 0, 0, 10, 20, 5});
    ASSERT_TRUE(edge && bottom && top && right);
    EXPECT_NEAR(IEdgePtr(edge)->GetLength(1), 20.0, Eps);
    EXPECT_NEAR(tvhost::DistanceBetween(bottom, top), 5.0, Eps);
    EXPECT_NEAR(tvhost::DistanceBetween(top, bottom), 5.0, Eps) << "symmetric";
    EXPECT_NEAR(tvhost::DistanceBetween(edge, right), 10.0, Eps);
    EXPECT_NEAR(tvhost::DistanceBetween(bottom, right), 0.0, Eps) << "faces that touch";
    EXPECT_EQ(tvhost::DistanceBetween(bottom, {}), -1.0);
    EXPECT_EQ(tvhost::DistanceBetween(box, top), -1.0) << "a body is no entity";
}

TEST_F(HostMeasureTest, VertexToFaceIsThePerpendicularDistance)
{
    const IModelObjectPtr box = Body(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    const IModelObjectPtr top = Entity(box, o3d_face, {0, 0, 5, 10, 20, 5});
    for (const IModelObjectPtr& v : model_entities::All(box, o3d_vertex)) {
        double x = 0, y = 0, z = 0;
        IVertexPtr(v)->GetPoint(x, y, z);
        SCOPED_TRACE(z);
        EXPECT_NEAR(tvhost::DistanceBetween(v, top), 5.0 - z, Eps);
    }
}

TEST_F(HostMeasureTest, CylinderOfRadiusFourReportsItsRadiusOnFaceAndCircle)
{
    const IModelObjectPtr cylinder = Body(tvhost::MakeCylinder({1, 2, 3}, {0, 0, 1}, 4, 10));
    const IModelObjectPtr side = EntityWhere(cylinder, o3d_face, IsCylinder);
    ASSERT_TRUE(side);
    EXPECT_NEAR(IFaceShapePtr(side)->GetRadius(), 4.0, Eps);
    EXPECT_FALSE(IFaceShapePtr(side)->IsCone());
    int circles = 0;
    for (const IModelObjectPtr& e : model_entities::All(cylinder, o3d_edge)) {
        const IMathCurve3DShapePtr curve(IEdgePtr(e)->GetCurve3D());
        ASSERT_TRUE(curve);
        if (curve->GetCurveType() == tvArc3D) {
            ++circles;
            EXPECT_NEAR(curve->GetRadius(), 4.0, Eps);
        } else {
            EXPECT_EQ(curve->GetCurveType(), tvLineSeg3D) << "the seam";
            EXPECT_EQ(curve->GetRadius(), 0.0);
        }
    }
    EXPECT_EQ(circles, 2);
    const IModelObjectPtr cap = Entity(cylinder, o3d_face, {-3, -2, 13, 5, 6, 13});
    ASSERT_TRUE(cap);
    EXPECT_FALSE(IFaceShapePtr(cap)->IsCylinder());
    EXPECT_EQ(IFaceShapePtr(cap)->GetRadius(), 0.0);
    EXPECT_NEAR(tvhost::DistanceBetween(side, Entity(cylinder, o3d_face, {-3, -2, 3, 5, 6, 3})), 0.0, Eps);
}

TEST_F(HostMeasureTest, ThirtyDegreeWedgeGivesThirtyBetweenFloorAndSlope)
{
    const IModelObjectPtr wedge = Body(tvhost::MakeWedge(30, 10, 4));
    const double rise = 10 * std::tan(30 * M_PI / 180);
    const IModelObjectPtr floor = Entity(wedge, o3d_face, {0, 0, 0, 10, 4, 0});
    const IModelObjectPtr end = Entity(wedge, o3d_face, {10, 0, 0, 10, 4, rise});
    const IModelObjectPtr slope = Entity(wedge, o3d_face, {0, 0, 0, 10, 4, rise});
    const IModelObjectPtr alongX = Entity(wedge, o3d_edge, {0, 0, 0, 10, 0, 0});
    const IModelObjectPtr alongY = Entity(wedge, o3d_edge, {0, 0, 0, 0, 4, 0});
    ASSERT_TRUE(floor && end && slope && alongX && alongY);
    EXPECT_NEAR(tvhost::AngleBetween(floor, slope), 30.0, Eps);
    EXPECT_NEAR(tvhost::AngleBetween(slope, floor), 30.0, Eps);
    EXPECT_NEAR(tvhost::AngleBetween(slope, end), 60.0, Eps) << "folded into 0..90";
    EXPECT_NEAR(tvhost::AngleBetween(floor, end), 90.0, Eps);
    EXPECT_NEAR(tvhost::AngleBetween(alongX, slope), 30.0, Eps) << "a line rising out of a plane";
    EXPECT_NEAR(tvhost::AngleBetween(alongY, slope), 0.0, Eps) << "a line in the plane";
    EXPECT_NEAR(tvhost::AngleBetween(alongX, alongY), 90.0, Eps);
    EXPECT_EQ(tvhost::AngleBetween(floor, model_entities::All(wedge, o3d_vertex).at(0)), -1.0);
    EXPECT_EQ(tvhost::AngleBetween({}, floor), -1.0);
}

TEST_F(HostMeasureTest, PartListsMeasurementsAndMeasuresFromThePreviousObject)
{
    const tvhost::THostPartPtr part = tvhost::New<tvhost::THostPart>();
    const IModelObjectPtr box(part->AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5)));
    const IMeasurementContainerPtr container{IPartPtr(part)};
    ASSERT_TRUE(container);
    const IDistanceMeasurementsPtr distances = container->GetDistanceMeasurements();
    ASSERT_TRUE(distances);
    EXPECT_TRUE(container->GetDistanceMeasurements() == distances) << "one list per part";
    EXPECT_EQ(distances->GetCount(), 0);
    EXPECT_FALSE(distances->GetItem(0));
    const IDistanceMeasurementPtr d = distances->Add();
    ASSERT_TRUE(d);
    EXPECT_EQ(distances->GetCount(), 1);
    EXPECT_TRUE(distances->GetItem(0) == d);
    EXPECT_FALSE(distances->GetItem(1));
    EXPECT_FALSE(distances->GetItem(-1));
    EXPECT_EQ(d->GetValue(), 0.0) << "nothing to measure";
    const IModelObjectPtr bottom = Entity(box, o3d_face, {0, 0, 0, 10, 20, 0});
    const IModelObjectPtr top = Entity(box, o3d_face, {0, 0, 5, 10, 20, 5});
    const IModelObjectPtr right = Entity(box, o3d_face, {10, 0, 0, 10, 20, 5});
    const IModelObjectPtr left = Entity(box, o3d_face, {0, 0, 0, 0, 20, 5});
    d->SetObjects({bottom});
    EXPECT_EQ(d->GetValue(), 0.0) << "a first object alone";
    d->SetObjects({top});
    EXPECT_NEAR(d->GetValue(), 5.0, Eps) << "from the object before";
    d->SetObjects({left, right});
    EXPECT_NEAR(d->GetValue(), 10.0, Eps) << "a pair measures between its two";

    const IAngleMeasurementsPtr angles = container->GetAngleMeasurements();
    ASSERT_TRUE(angles);
    const IAngleMeasurementPtr a = angles->Add();
    a->SetObject1(bottom);
    EXPECT_EQ(a->GetValue(), 0.0) << "one object has no angle";
    a->SetObject2(right);
    EXPECT_NEAR(a->GetValue(), 90.0, Eps);
    InjectFault("IAngleMeasurement::GetValue");
    EXPECT_EQ(a->GetValue(), 0.0);
    InjectFault("IMeasurementContainer::GetAngleMeasurements");
    EXPECT_FALSE(container->GetAngleMeasurements());
}

TEST_F(HostMeasureTest, ThreadGivesItsDiameterAndPitchThroughItsTwoInterfaces)
{
    const IModelObjectPtr thread(tvhost::New<tvhost::THostThread>(8.0, 1.25));
    EXPECT_EQ(thread->GetObjectType(), o3d_thread);
    const IThreadPtr t(thread);
    const IThreadsParametersPtr p(thread);
    ASSERT_TRUE(t && p);
    EXPECT_TRUE(t == p) << "one host object";
    EXPECT_EQ(t->GetPitch(), 1.25);
    EXPECT_EQ(p->GetNominalDiameter(), 8.0);
    EXPECT_FALSE(IEdgePtr(thread)) << "a thread is no edge";
}

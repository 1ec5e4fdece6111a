// Construction points, segments and helices of the facade against the stand-in: the values
// and order the host receives, what Obj3D and an open 3D macro end up with, and the quiet stops.

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostAuxGeometry.h"
#include "HostJournal.h"
#include "HostPart.h"

using drApi::MA;
using namespace tvapi;

class TModelerApiAux3DTest : public TPartFacadeFixture {
protected:
    tvhost::THostAuxGeometry& Aux() { return Top().AuxGeometry(); }
    void OpenMacro() { R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part)); }
    std::vector<IModelObjectPtr> Recorded() { return R().AMacroObject3D.Objects(); }
    // The journal lines of the operations starting with `prefix`.
    std::vector<std::string> Lines(const std::string& prefix)
    {
        std::vector<std::string> out;
        for (const std::string& line : Journal().Lines())
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
        return out;
    }
    static IModelObjectPtr Stranger()
    {
        return IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_face));
    }
};

TEST_F(TModelerApiAux3DTest, PointCarriesCoordinatesSymbolHiddenColourAndName)
{
    const IModelObjectPtr before = Stranger();
    R().Obj3D = before;
    MA.drPoint3D(1, 2, 3, tvDotPoint, "A", true); // no part: quiet
    EXPECT_EQ(R().Obj3D, before);

    OpenPart();
    OpenMacro();
    InjectFault("IPoints3D::Add");
    MA.drPoint3D(1, 2, 3, tvDotPoint, "A", true);
    EXPECT_TRUE(Aux().Points().empty());
    EXPECT_EQ(R().Obj3D, before);

    Journal().SetRecording(true);
    MA.drPoint3D(1.5, -2, 3, tvAsteriskPoint, "", false);
    EXPECT_EQ(Journal().Count("IModelObject::SetName"), 0u) << "an empty name is not passed";
    MA.drPoint3D(4, 5, 6, tvDotPoint, "Метка", true);
    ASSERT_EQ(Aux().Points().size(), 2u);
    const IPoint3DPtr a(Aux().Points()[0]), b(Aux().Points()[1]);
    EXPECT_EQ(a->GetX(), 1.5);
    EXPECT_EQ(a->GetY(), -2.0);
    EXPECT_EQ(a->GetZ(), 3.0);
    EXPECT_EQ(a->GetSymbol(), tvAsteriskPoint);
    EXPECT_FALSE(a->GetHidden());
    EXPECT_TRUE(b->GetHidden());
    EXPECT_EQ(IModelObjectPtr(b)->GetName(), L"Метка");
    EXPECT_EQ(IColorParamPtr(b)->GetColor(), 255);
    EXPECT_EQ(R().Obj3D, Aux().Points()[1]);
    EXPECT_EQ(Recorded(), (std::vector<IModelObjectPtr>{Aux().Points()[0], Aux().Points()[1]}));
    EXPECT_EQ(Lines("IPoint3D::Set").front(), "IPoint3D::SetPointType(1)");
}

TEST_F(TModelerApiAux3DTest, SegmentsByCoordinatesAndByObjects)
{
    const IModelObjectPtr before = Stranger();
    R().Obj3D = before;
    MA.drLine3D(TPoint3D(0, 0, 0), TPoint3D(1, 1, 1), "", false);
    EXPECT_FALSE(R().Obj3D) << "the coordinate form empties Obj3D first";
    R().Obj3D = before;
    MA.drLine3D(before, before, "", false);
    EXPECT_EQ(R().Obj3D, before) << "the object form keeps it";

    OpenPart();
    MA.drLine3D(TPoint3D(1, 2, 3), TPoint3D(4, 6, 3), "L", false);
    ASSERT_EQ(Aux().Segments().size(), 1u);
    const ILineSegment3DPtr s(Aux().Segments()[0]);
    double x, y, z;
    ASSERT_TRUE(s->GetPoint(false, x, y, z));
    EXPECT_EQ(x, 4.0);
    EXPECT_EQ(y, 6.0);
    EXPECT_EQ(IModelObjectPtr(s)->GetName(), L"L");
    EXPECT_EQ(R().Obj3D, Aux().Segments()[0]);

    MA.drPoint3D(7, 8, 9, tvAsteriskPoint, "", false);
    const IModelObjectPtr p = R().Obj3D;
    MA.drLine3D(p, p, "", false);
    ASSERT_EQ(Aux().Segments().size(), 2u);
    ASSERT_TRUE(ILineSegment3DPtr(Aux().Segments()[1])->GetPoint(true, x, y, z));
    EXPECT_EQ(z, 9.0) << "the end stands on the point";

    InjectFault("ILineSegments3D::Add");
    MA.drLine3D(p, p, "", false);
    EXPECT_EQ(R().Obj3D, Aux().Segments()[1]);
    InjectFault("IAuxiliaryGeomContainer::GetLineSegments3D");
    MA.drLine3D(TPoint3D(0, 0, 0), TPoint3D(1, 1, 1), "", false);
    EXPECT_FALSE(R().Obj3D);
    EXPECT_EQ(Aux().Segments().size(), 2u);
}

TEST_F(TModelerApiAux3DTest, SpiralGetsTurnsDirectionHeightPitchThenDiameter)
{
    OpenPart();
    MA.drPlane(o3d_planeXOY, 0.0);
    Journal().SetRecording(true);
    MA.drSpiral3D(IPlane3DPtr(R().Plane), -30.0, 3.0, 8.0);
    EXPECT_EQ(Lines("ISpiral3D::Set").size() + Lines("ICylindricSpiral3D::Set").size(), 6u);
    std::vector<std::string> set;
    for (const std::string& line : Journal().Lines())
        if (line.find("Spiral3D::Set") != std::string::npos) set.push_back(line);
    const std::string plane = tvhost::ObjectArg(R().Plane.Get());
    EXPECT_EQ(set, (std::vector<std::string>{
                       "ISpiral3D::SetBasePlane(" + plane + ")", "ISpiral3D::SetTurns(3.000000)",
                       "ISpiral3D::SetDirection(false)", "ISpiral3D::SetHeight(30.000000)",
                       "ISpiral3D::SetPitch(10.000000)", "ICylindricSpiral3D::SetDiameter(8.000000)"}));
    ASSERT_EQ(Aux().Spirals().size(), 1u);
    EXPECT_EQ(R().Obj3D, Aux().Spirals()[0]);
    EXPECT_EQ(Aux().Spirals()[0]->GetObjectType(), o3d_cylindricSpiral);

    // Without a plane it is still made; 0 turns or a pitch that is not finite make nothing.
    MA.drSpiral3D(IPlane3DPtr(), 20.0, 4.0, 8.0);
    ASSERT_EQ(Aux().Spirals().size(), 2u);
    EXPECT_TRUE(ISpiral3DPtr(Aux().Spirals()[1])->GetDirection());
    EXPECT_EQ(ISpiral3DPtr(Aux().Spirals()[1])->GetPitch(), 5.0);
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    for (const auto& [height, turns] : {std::pair{10.0, 0.0}, {inf, 2.0}, {nan, 2.0}, {10.0, nan}}) {
        SCOPED_TRACE(std::to_string(height) + " / " + std::to_string(turns));
        MA.drSpiral3D(IPlane3DPtr(), height, turns, 8.0);
        EXPECT_EQ(Aux().Spirals().size(), 2u);
    }
}

TEST_F(TModelerApiAux3DTest, PlaneThroughThreePointsMakesThreeHiddenDotPointsFirst)
{
    MA.drPlane(TPoint3D(0, 0, 0), TPoint3D(1, 0, 0), TPoint3D(0, 1, 0)); // no part
    OpenPart();
    OpenMacro();
    MA.drPlane(TPoint3D(0, 0, 5), TPoint3D(10, 0, 5), TPoint3D(0, 0, 15));
    ASSERT_EQ(Aux().Points().size(), 3u);
    for (const IModelObjectPtr& p : Aux().Points()) {
        EXPECT_EQ(p->GetName(), L"0");
        EXPECT_TRUE(IPoint3DPtr(p)->GetHidden());
        EXPECT_EQ(IPoint3DPtr(p)->GetSymbol(), tvDotPoint);
    }
    ASSERT_EQ(Aux().Planes().size(), 1u);
    const IModelObjectPtr plane = Aux().Planes()[0];
    EXPECT_EQ(R().Plane, plane);
    EXPECT_EQ(Recorded(),
              (std::vector<IModelObjectPtr>{Aux().Points()[0], Aux().Points()[1], Aux().Points()[2], plane}));
    tvhost::TFrame frame;
    ASSERT_TRUE(tvhost::PlaneFrameOf(plane, frame));
    EXPECT_EQ(frame.Origin, (tvhost::TXyz{0, 0, 5}));
    EXPECT_NEAR(frame.Z[1], -1.0, 1e-12) << "u along X, v along Z: the normal is -Y";

    MA.drPlane(TPoint3D(0, 0, 0), TPoint3D(1, 1, 1), TPoint3D(2, 2, 2)); // collinear: no frame
    ASSERT_EQ(Aux().Planes().size(), 2u);
    EXPECT_FALSE(tvhost::PlaneFrameOf(Aux().Planes()[1], frame));
}

// A conjunctive point on the corner (10, 0, 0) of a box and its edge along X: the point, the
// edge's tangent, negated for direction false; published and recorded like the others.
TEST_F(TModelerApiAux3DTest, ConjunctivePointStandsOnTheVertexAlongTheEdge)
{
    OpenPart();
    const tvhost::THostBodyPtr body = Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    IModelObjectPtr edge, vertex;
    for (const IModelObjectPtr& e : ObjectsOf(IModelObjectPtr(body), o3d_edge)) {
        const IVertexPtr a = IEdgePtr(e)->GetVertex(false), b = IEdgePtr(e)->GetVertex(true);
        double x0, y0, z0, x1, y1, z1;
        a->GetPoint(x0, y0, z0);
        b->GetPoint(x1, y1, z1);
        if (y0 == 0 && z0 == 0 && y1 == 0 && z1 == 0) edge = e, vertex = IModelObjectPtr(x1 > x0 ? b : a);
    }
    ASSERT_TRUE(edge && vertex);
    OpenMacro();
    for (const bool direction : {true, false}) {
        SCOPED_TRACE(direction);
        MA.drConjunctivePoint(vertex, edge, direction);
        ASSERT_EQ(Aux().ConjunctivePoints().size(), direction ? 1u : 2u);
        const IConjunctivePointPtr cp(R().Obj3D);
        ASSERT_TRUE(cp);
        EXPECT_EQ(R().Obj3D, Aux().ConjunctivePoints().back());
        TPoint3D P(-1, -1, -1);
        TVector3D V(0, 0, 0);
        EXPECT_TRUE(MA.GetConjunctivePoint(cp, P, V));
        EXPECT_NEAR(P.x, 10, 1e-9);
        EXPECT_NEAR(P.y, 0, 1e-9);
        const double sign = direction ? 1 : -1;
        EXPECT_NEAR(V.x / V.Len(), sign, 1e-9) << "the edge runs along +X";
        double x = 0, y = 0, z = 0;
        ASSERT_TRUE(cp->GetAxis(o3d_axisOZ, x, y, z));
        EXPECT_NEAR(x, sign, 1e-9);
    }
    EXPECT_EQ(Recorded().size(), 2u);
}

// Without the part, its collection or a new point nothing is published; an empty point, or
// one that could not be built, reads false and writes nothing.
TEST_F(TModelerApiAux3DTest, ConjunctivePointStopsQuietlyAndReadsFalseWhenUnbuilt)
{
    const IModelObjectPtr before = Stranger();
    R().Obj3D = before;
    MA.drConjunctivePoint(Stranger(), Stranger(), true); // no document
    EXPECT_EQ(R().Obj3D, before);
    OpenPart();
    R().Obj3D = before;
    for (const char* op : {"IAuxiliaryGeomContainer::GetConjunctivePoints", "IConjunctivePoints::Add"}) {
        SCOPED_TRACE(op);
        InjectFault(op);
        MA.drConjunctivePoint(Stranger(), Stranger(), true);
        EXPECT_EQ(R().Obj3D, before);
        EXPECT_TRUE(Aux().ConjunctivePoints().empty());
    }
    TPoint3D P(1, 2, 3);
    TVector3D V(4, 5, 6);
    EXPECT_FALSE(MA.GetConjunctivePoint(IConjunctivePointPtr(), P, V));
    MA.drConjunctivePoint(Stranger(), Stranger(), true); // a face stands for neither
    ASSERT_EQ(Aux().ConjunctivePoints().size(), 1u);
    EXPECT_FALSE(MA.GetConjunctivePoint(IConjunctivePointPtr(R().Obj3D), P, V));
    EXPECT_EQ(P.x, 1);
    EXPECT_EQ(V.z, 6);
}

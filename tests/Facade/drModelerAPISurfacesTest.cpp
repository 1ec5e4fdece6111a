// The facade's patch and ruled surfaces and copies against the stand-in: the sketch they
// close, the parameters handed to the host, Obj3D and the open macro only for a feature that
// was built, and the stops that leave Obj3D as it was.

#include "FacadeFixture.h"

#include "tvapi/AuxiliaryGeometry.h"
#include "tvapi/Features3D.h"
#include "tvapi/ModelContainer.h"

using namespace tvapi;
using drApi::MA;

class drModelerAPISurfacesTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
    }
    static IModelObjectPtr Segment(double x0, double y0, double x1, double y1)
    {
        MA.drLine3D(TPoint3D(x0, y0, 0), TPoint3D(x1, y1, 0), "", false);
        return R().Obj3D;
    }
    drApi::TVOfMO Square()
    {
        return {Segment(0, 0, 10, 0), Segment(10, 0, 10, 10), Segment(10, 10, 0, 10), Segment(0, 10, 0, 0)};
    }
    static IModelObjectPtr Stranger()
    {
        return IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_face));
    }
    // A local system shifted 50 along X, and a 10 x 10 x 10 box as the part's body.
    ILocalCoordinateSystemPtr Shifted()
    {
        const ILocalCoordinateSystemPtr lcs =
            IAuxiliaryGeomContainerPtr(R().Part)->GetLocalCoordinateSystems()->Add();
        lcs->SetMatrix3D({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 50, 0, 0, 1});
        return lcs;
    }
    IModelObjectPtr Box() { return IModelObjectPtr(Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 10, 10))); }
    // The journal lines of the copy's own calls.
    std::vector<std::string> CopyCalls()
    {
        std::vector<std::string> calls;
        for (const std::string& line : Journal().Lines())
            if (line.rfind("ICop", 0) == 0) calls.push_back(line);
        return calls;
    }
};

// A built patch closes the open sketch first, becomes Obj3D and a macro member.
TEST_F(drModelerAPISurfacesTest, BuiltPatchIsTheLastObjectAndAMember)
{
    const drApi::TVOfMO edges = Square();
    MA.drCreateEskis(0.0, "");
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    MA.drSurfacePatchEdges(edges);
    EXPECT_FALSE(R().IDoc2D);
    ASSERT_TRUE(R().Obj3D);
    EXPECT_TRUE(ISurfacePatchPtr(R().Obj3D));
    EXPECT_EQ(Top().Features().Built().Surfaces.size(), 1u);
    EXPECT_EQ(R().AMacroObject3D.Objects().size(), 1u);
}

// A patch whose update fails leaves Obj3D empty and adds nothing to the open macro.
TEST_F(drModelerAPISurfacesTest, PatchNotBuiltLeavesObj3DEmpty)
{
    const drApi::TVOfMO open{Segment(0, 0, 10, 0), Segment(10, 0, 10, 10)};
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    MA.drSurfacePatchEdges(open);
    EXPECT_FALSE(R().Obj3D);
    EXPECT_TRUE(R().AMacroObject3D.Objects().empty());
}

// Without a part or a new patch: Obj3D as it was, the sketch closed all the same.
TEST_F(drModelerAPISurfacesTest, PatchWithoutPartOrNewPatchKeepsObj3D)
{
    const drApi::TVOfMO edges = Square();
    MA.drCreateEskis(0.0, "");
    const IModelObjectPtr before = Stranger();
    R().Obj3D = before;
    const IPartPtr part = R().Part;
    R().Part.Reset();
    MA.drSurfacePatchEdges(edges);
    EXPECT_FALSE(R().IDoc2D);
    EXPECT_EQ(R().Obj3D.Get(), before.Get());
    R().Part = part;
    InjectFault("ISurfacePatches::Add");
    MA.drSurfacePatchEdges(edges);
    EXPECT_EQ(R().Obj3D.Get(), before.Get());
}

// Always by curves, then the first and second curves and true; built, it is Obj3D.
TEST_F(drModelerAPISurfacesTest, RuledSurfaceIsBuiltByCurvesWithTheFlagTrue)
{
    const IModelObjectPtr a = Segment(0, 0, 20, 0), b = Segment(20, 10, 0, 10);
    Journal().Clear();
    MA.drRuledSurface({a}, {b});
    std::vector<std::string> calls;
    for (const std::string& line : Journal().Lines())
        if (line.rfind("IRuledSurface", 0) == 0) calls.push_back(line);
    EXPECT_EQ(calls, (std::vector<std::string>{
                         "IRuledSurfaces::Add()",
                         "IRuledSurface::SetBuildingType(0)",
                         "IRuledSurface::GetParameters()",
                         "IRuledSurfaceParametersByCurves::SetCurves1([" + tvhost::ObjectArg(a.Get()) + "])",
                         "IRuledSurfaceParametersByCurves::SetCurves2([" + tvhost::ObjectArg(b.Get()) + "])",
                         "IRuledSurfaceParametersByCurves::SetMatchDirections(true)",
                     }));
    ASSERT_TRUE(R().Obj3D);
    EXPECT_TRUE(IRuledSurfacePtr(R().Obj3D));
}

// No by-curves parameters: it stops with Obj3D as it was.
TEST_F(drModelerAPISurfacesTest, RuledSurfaceWithoutParametersKeepsObj3D)
{
    const IModelObjectPtr a = Segment(0, 0, 20, 0), b = Segment(0, 10, 20, 10);
    const IModelObjectPtr before = Stranger();
    R().Obj3D = before;
    InjectFault("IRuledSurface::GetParameters");
    MA.drRuledSurface({a}, {b});
    EXPECT_EQ(R().Obj3D.Get(), before.Get());
    EXPECT_EQ(Journal().Count("IRuledSurfaceParametersByCurves::SetCurves1"), 0u);
}

// From the current document: the objects alone, then the system; built, the copy is Obj3D and
// a member of the open macro, the body count doubled and the open sketch still open.
TEST_F(drModelerAPISurfacesTest, CopyOfTheCurrentDocumentSetsOnlyItsObjects)
{
    const IModelObjectPtr box = Box();
    const ILocalCoordinateSystemPtr lcs = Shifted();
    MA.drCreateEskis(0.0, "");
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    Journal().Clear();
    MA.drCopyObj({box}, lcs, {});
    EXPECT_EQ(CopyCalls(),
              (std::vector<std::string>{
                  "ICopiesGeometry::Add()",
                  "ICopyGeometry::SetObjects([" + tvhost::ObjectArg(box.Get()) + "])",
                  "ICopyGeometry::SetLocalCoordinateSystem(" + tvhost::ObjectArg(lcs.Get()) + ")",
              }));
    ASSERT_TRUE(R().Obj3D);
    EXPECT_TRUE(ICopyGeometryPtr(R().Obj3D));
    EXPECT_EQ(R().AMacroObject3D.Objects().size(), 1u);
    EXPECT_TRUE(R().IDoc2D);
    ASSERT_EQ(Top().LocalShapes().size(), 2u);
    EXPECT_NEAR(tvhost::Volume(Top().LocalShapes()[1]), 1000, 1e-9 * 1000);
    EXPECT_NEAR(tvhost::BoxOf(Top().LocalShapes()[1])[0], 50, 1e-6);
}

// From another document: its three-value source instead of the objects, never both.
TEST_F(drModelerAPISurfacesTest, CopyOfAnotherDocumentSetsItsSourceInstead)
{
    const ITervanDocumentPtr other = Host().App().Documents().AddDocument(tvDocumentPart, L"other.qpt");
    tvhost::THostPart& source = tvhost::HostAs<tvhost::THostDocument3D>(other)->TopPart();
    const IModelObjectPtr body(source.AddBody(tvhost::MakeBox({0, 0, 0}, 1, 2, 3)));
    const ILocalCoordinateSystemPtr lcs = Shifted();
    Journal().Clear();
    MA.drCopyObj({body}, lcs, ITervanDocument3DPtr(other));
    EXPECT_EQ(CopyCalls(),
              (std::vector<std::string>{
                  "ICopiesGeometry::Add()",
                  "ICopyGeometry::SetSource(" + tvhost::ObjectArg(other.Get()) + ", null, [" +
                      tvhost::ObjectArg(body.Get()) + "])",
                  "ICopyGeometry::SetLocalCoordinateSystem(" + tvhost::ObjectArg(lcs.Get()) + ")",
              }));
    ASSERT_TRUE(R().Obj3D);
    ASSERT_EQ(Top().LocalShapes().size(), 1u);
    EXPECT_NEAR(tvhost::Volume(Top().LocalShapes()[0]), 6, 1e-9 * 6);
}

// A copy that cannot be built (no system) empties Obj3D and adds nothing to the open macro;
// without a part, a collection or a new copy, Obj3D stays as it was.
TEST_F(drModelerAPISurfacesTest, CopyNotBuiltOrNotMadeLeavesObj3DAsSaid)
{
    const IModelObjectPtr box = Box();
    const ILocalCoordinateSystemPtr lcs = Shifted();
    R().Obj3D = Stranger();
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    MA.drCopyObj({box}, {}, {});
    EXPECT_FALSE(R().Obj3D);
    EXPECT_TRUE(R().AMacroObject3D.Objects().empty());
    EXPECT_EQ(Top().Bodies().size(), 1u);

    const IModelObjectPtr before = Stranger();
    R().Obj3D = before;
    const IPartPtr part = R().Part;
    R().Part.Reset();
    MA.drCopyObj({box}, lcs, {});
    EXPECT_EQ(R().Obj3D.Get(), before.Get());
    R().Part = part;
    for (const char* fault : {"IModelContainer::GetCopiesGeometry", "ICopiesGeometry::Add"}) {
        SCOPED_TRACE(fault);
        InjectFault(fault);
        MA.drCopyObj({box}, lcs, {});
        EXPECT_EQ(R().Obj3D.Get(), before.Get());
    }
    EXPECT_EQ(IModelContainerPtr(R().Part)->GetCopiesGeometry()->GetCount(), 1);
    EXPECT_EQ(Top().Bodies().size(), 1u);
}

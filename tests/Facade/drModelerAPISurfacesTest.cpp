// The facade's patch and ruled surfaces against the stand-in: the sketch they close, the
// parameters handed to the host, Obj3D and the open macro only for a surface that was built,
// and the stops that leave Obj3D as it was.

#include "FacadeFixture.h"

#include "tvapi/AuxiliaryGeometry.h"
#include "tvapi/Features3D.h"

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

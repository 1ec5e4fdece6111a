// The facade's 3D dimensions against the stand-in: a baseline dimension between two faces of
// the current part measures them and becomes Obj3D and a member of the open 3D macro; without
// a part nothing happens. Generative dimensions are asked of the document's top part.

#include "FacadeFixture.h"
#include "ModelEntities.h"
#include "tvapi/Dimensions3D.h"

using namespace tvapi;
using drApi::MA;
using model_entities::Entity;

class drModelerAPIDims3DTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
        Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    }
    IModelObjectPtr Face(double x0, double y0, double z0, double x1, double y1, double z1)
    {
        return Entity(IModelObjectPtr(Top().Bodies().at(0)), o3d_face, {x0, y0, z0, x1, y1, z1});
    }
};

TEST_F(drModelerAPIDims3DTest, BaselineDimensionBetweenTwoFacesIsTheLastObject)
{
    const IModelObjectPtr front = Face(0, 0, 0, 10, 0, 5), back = Face(0, 20, 0, 10, 20, 5);
    ASSERT_TRUE(front && back);
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    Journal().Clear();
    MA.drDimL3D(front, back);
    ASSERT_EQ(Top().Dimensions3D().size(), 1u);
    const tvhost::THostModelDimension& dim = *Top().Dimensions3D()[0];
    EXPECT_EQ(Journal().Calls("ILineDimensions3D::Add").at(0).Arguments.at(0), "80");
    EXPECT_TRUE(R().Obj3D == IModelObjectPtr(ILineDimension3DPtr(Top().Dimensions3D()[0])));
    EXPECT_TRUE(dim.Object(1) == front && dim.Object(2) == back);
    EXPECT_EQ(dim.Updates(), 1);
    EXPECT_NEAR(dim.Length(), 20.0, 1e-9);
    EXPECT_EQ(R().AMacroObject3D.Objects().size(), 1u);

    // Not measurable (no second object): made and current all the same.
    MA.drDimL3D(front, {});
    ASSERT_EQ(Top().Dimensions3D().size(), 2u);
    EXPECT_TRUE(R().Obj3D == IModelObjectPtr(ILineDimension3DPtr(Top().Dimensions3D()[1])));
}

TEST_F(drModelerAPIDims3DTest, NoPartOrNoNewDimensionLeavesObj3D)
{
    const IModelObjectPtr face = Face(0, 0, 0, 10, 0, 5);
    R().Obj3D = face;
    InjectFault("ILineDimensions3D::Add");
    MA.drDimL3D(face, face);
    EXPECT_TRUE(R().Obj3D == face);
    R().Part.Reset();
    MA.drDimL3D(face, face);
    EXPECT_TRUE(R().Obj3D == face);
    EXPECT_TRUE(Top().Dimensions3D().empty());
}

TEST_F(drModelerAPIDims3DTest, GenerativeDimensionsGoToTheTopPartOnly)
{
    tvhost::THostSketch& sketch = Top().AddSketch(L"");
    const IModelObjectPtr s(&sketch);
    Journal().Clear();
    MA.drGenerativeDimensions({});
    EXPECT_TRUE(Journal().Entries().empty());
    R().Part.Reset(); // the top part is asked, not the registry's
    MA.drGenerativeDimensions(s);
    const auto calls = Journal().Calls("ISymbols3DContainer::CreateGenerativeDimensions");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Arguments.at(1), "false");
    EXPECT_EQ(Top().Generative().size(), 1u);
    const ITervanDocumentPtr part = R().IDoc;
    R().IDoc = Open(tvDocumentDrawing);
    MA.drGenerativeDimensions(s);
    EXPECT_EQ(Journal().Count("ISymbols3DContainer::CreateGenerativeDimensions"), 1);
}

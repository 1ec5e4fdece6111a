// The display state of model objects through the facade: one colour call with the library's
// optical coefficients and an update; hiding, excluding and resetting; and what a part keeps of
// it in its file (colours, hidden bodies, excluded features, which then build no more).

#include <filesystem>

#include <unistd.h>

#include "FacadeFixture.h"

using namespace tvapi;
using drApi::MA;

class drModelerAPIDisplayTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
    }
    // A 10 x 10 x 4 block with a 2 x 2 hole through it.
    void Block()
    {
        Square(0, 10);
        MA.drExtrusion(dtNormal, etBlind, 4, 0, true, tvOperationNewBody);
        Square(4, 6);
        MA.drExtrusion(dtNormal, etThroughAll, 4, 0, true, tvOperationCut);
    }
    static void Square(double a, double b)
    {
        MA.drCreateEskis(0.0, "");
        MA.drLine(a, a, b, a, tvCSNormal);
        MA.drLine(b, a, b, b, tvCSNormal);
        MA.drLine(b, b, a, b, tvCSNormal);
        MA.drLine(a, b, a, a, tvCSNormal);
    }
    double Volume()
    {
        double v = 0;
        for (const tvhost::TShape& shape : Top().LocalShapes())
            v += tvhost::Volume(shape);
        return v;
    }
    IModelObjectPtr Body() { return IModelObjectPtr(Top().Bodies().at(0)); }
};

TEST_F(drModelerAPIDisplayTest, ColourIsOneCallWithTheLibrarysCoefficientsThenAnUpdate)
{
    Block();
    Journal().Clear();
    MA.SetColor(Body(), 0x0000FF, 1.0);
    EXPECT_EQ(Journal().Lines(),
              (std::vector<std::string>{"IColorParam::SetAdvancedColor(255, 0.8, 0.6, 0.95, "
                                        "0.95, 1, 0.8)",
                                        "IModelObject::Update()"}));
    const tvhost::TColor& c = Top().Bodies().at(0)->Color();
    EXPECT_EQ(c.Color, 0x0000FF);
    EXPECT_EQ(c.Use, useColorOur);
    EXPECT_EQ((std::array{c.Ambient, c.Diffuse, c.Specularity, c.Shininess, c.Transparency, c.Emission}),
              (std::array{0.8, 0.6, 0.95, 0.95, 1.0, 0.8}));

    Journal().Clear();
    MA.SetColor({}, 1, 1.0);
    MA.SetColor(IModelObjectPtr(R().Sketch), 1, 1.0); // no colour to set
    EXPECT_TRUE(Journal().Entries().empty());
}

TEST_F(drModelerAPIDisplayTest, ExcludedOrColouredByTheFeaturesErrorIndicator)
{
    Block();
    const IModelObjectPtr hole = R().Obj3D;
    ASSERT_TRUE(hole);
    Journal().Clear();
    EXPECT_TRUE(
        MA.SetExludedOrColor(IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_face)), 5, 1.0));
    EXPECT_TRUE(MA.SetExludedOrColor({}, 5, 1.0));
    EXPECT_TRUE(Journal().Entries().empty()) << "no feature: nothing asked";

    EXPECT_FALSE(MA.SetExludedOrColor(Body(), 0x00FF00, 0.5)) << "a faultless feature is coloured";
    EXPECT_EQ(Top().Bodies().at(0)->Color().Color, 0x00FF00);
    EXPECT_EQ(Top().Bodies().at(0)->Color().Transparency, 0.5);

    // A feature in error is excluded, not coloured; a faultless one without colour is updated.
    MA.drCreateEskis(0.0, ""); // nothing to extrude: the extrusion fails
    MA.drExtrusion(dtNormal, etBlind, 3, 0, true, tvOperationNewBody);
    const IModelObjectPtr broken = Top().Features().Features().back();
    ASSERT_NE(IFeaturePtr(broken)->GetError(), 0);
    Journal().Clear();
    EXPECT_FALSE(MA.SetExludedOrColor(broken, 0x00FF00, 1.0));
    EXPECT_TRUE(IFeaturePtr(broken)->GetExcluded());
    EXPECT_EQ(Journal().Count("IColorParam::SetAdvancedColor"), 0u);
    EXPECT_EQ(Journal().Count("IModelObject::Update"), 1u);
    EXPECT_EQ(IFeaturePtr(hole)->GetError(), 0);
    EXPECT_FALSE(MA.SetExludedOrColor(hole, 0x00FF00, 1.0));
    EXPECT_FALSE(IFeaturePtr(hole)->GetExcluded());
    EXPECT_EQ(Journal().Count("IModelObject::Update"), 2u);
}

TEST_F(drModelerAPIDisplayTest, HiddenExcludedAndResetObjects)
{
    Block();
    const IModelObjectPtr hole = R().Obj3D;
    EXPECT_NEAR(Volume(), 400 - 16, 1e-9);
    MA.SetExcluded(hole);
    EXPECT_TRUE(IFeaturePtr(hole)->GetExcluded());
    EXPECT_NEAR(Volume(), 400, 1e-9) << "an excluded cut cuts no more";
    MA.SetExcluded(IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(o3d_face))); // no feature

    MA.SetHidden(Body(), true);
    EXPECT_TRUE(Body()->GetHidden());
    MA.SetColor(Body(), 7, 0.25);
    Journal().Clear();
    MA.ReSet(Body());
    EXPECT_EQ(Journal().Lines(), std::vector<std::string>{"IModelObject::Reset()"}) << "no update follows";
    EXPECT_FALSE(Body()->GetHidden());
    EXPECT_EQ(Top().Bodies().at(0)->Color().Color, tvhost::TColor{}.Color);
    MA.SetHidden(Body(), true);
    MA.SetHidden(Body(), false);
    EXPECT_FALSE(Body()->GetHidden());
    MA.ReSet({});
}

TEST_F(drModelerAPIDisplayTest, DisplayStateIsKeptInThePartFile)
{
    Block();
    MA.SetExcluded(R().Obj3D);
    MA.SetHidden(Body(), true);
    MA.SetColor(Body(), 0x123456, 0.3);
    const std::filesystem::path file =
        std::filesystem::path(::testing::TempDir()) / ("display-" + std::to_string(::getpid()) + ".qpt");
    ASSERT_TRUE(R().IDoc->SaveAs(file.wstring().c_str()));
    R().IDoc->Close(kdDoNotSaveChanges);
    R().Part.Reset();
    R().IDoc3D.Reset();
    R().IDoc = Application()->GetDocuments()->Open(file.wstring().c_str(), false, false);
    std::filesystem::remove(file);
    ASSERT_TRUE(R().IDoc);
    EXPECT_NEAR(Volume(), 400, 1e-9);
    const IModelObjectPtr hole = Top().Features().Features().back();
    EXPECT_TRUE(IFeaturePtr(hole)->GetExcluded());
    EXPECT_TRUE(Top().Bodies().at(0)->Hidden());
    const tvhost::TColor& c = Top().Bodies().at(0)->Color();
    EXPECT_EQ(c.Color, 0x123456);
    EXPECT_EQ(c.Transparency, 0.3);
    EXPECT_EQ(c.Emission, 0.8);
}

// The facade's current model against the stand-in: colouring every body of the current part,
// deleting, naming and asking the state of model objects.

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostPart.h"

using drApi::MA;
using namespace tvapi;

class TModelerApiModel3DTest : public TPartFacadeFixture {};

TEST_F(TModelerApiModel3DTest, ColourGoesToEveryBodyAndThePartUpdatesOncePerBody)
{
    MA.drColor3D(9474192, 0.8, 0.6, 0.95, 0.95, 1.0, 0.8); // no part: nothing asked
    EXPECT_TRUE(Journal().Entries().empty());
    OpenPart();
    for (int i = 0; i < 3; ++i)
        Top().AddBody(tvhost::MakeBox({10.0 * i, 0, 0}, 1, 1, 1));
    MA.drColor3D(9474192, 0.8, 0.6, 0.95, 0.95, 0.0, 0.8);
    EXPECT_EQ(Top().Updates(), 3);
    for (const tvhost::THostBodyPtr& body : Top().Bodies()) {
        const tvhost::TColor& c = body->Color();
        EXPECT_EQ(c.Color, 9474192);
        EXPECT_EQ(c.Use, useColorOur);
        EXPECT_EQ(c.Ambient, 0.8);
        EXPECT_EQ(c.Diffuse, 0.6);
        EXPECT_EQ(c.Specularity, 0.95);
        EXPECT_EQ(c.Shininess, 0.95);
        EXPECT_EQ(c.Emission, 0.8);
        EXPECT_EQ(c.Transparency, 1.0); // kept as it was
        EXPECT_EQ(body->Updates(), 1);
    }
}

TEST_F(TModelerApiModel3DTest, ModelObjectsAreDeletedNamedAndAskedTheirState)
{
    EXPECT_TRUE(MA.ErrorEntity(IModelObjectPtr()));
    EXPECT_FALSE(MA.IsNotExcluded(IModelObjectPtr()));
    const IModelObjectPtr plane(tvhost::New<tvhost::THostModelObject>(o3d_planeXOY));
    EXPECT_TRUE(MA.ErrorEntity(plane)); // no feature
    EXPECT_FALSE(MA.IsNotExcludedOrRollBacked(plane));
    EXPECT_EQ(MA.GetSketchCount(o3d_face), 0);

    OpenPart();
    const IModelObjectPtr body(Top().AddBody(tvhost::MakeBox({0, 0, 0}, 1, 1, 1)));
    EXPECT_FALSE(MA.ErrorEntity(body));
    EXPECT_TRUE(MA.IsNotExcluded(body));
    auto* host = tvhost::HostAs<tvhost::THostBody>(body);
    host->SetState(false, true, false);
    EXPECT_TRUE(MA.ErrorEntity(body));
    EXPECT_FALSE(MA.IsNotExcluded(body));
    EXPECT_FALSE(MA.IsNotExcludedOrRollBacked(body));

    MA.SetNameEntity(body, "Тело");
    EXPECT_EQ(host->Name(), L"Тело");
    EXPECT_EQ(host->Updates(), 1);
    R().Obj3D = body;
    MA.DeleteEntity(body);
    EXPECT_TRUE(host->IsDeleted());
    EXPECT_TRUE(R().Obj3D == body); // the registry keeps it

    IPartPtr same = R().IDoc3D->GetTopPart();
    MA.SetPart(same);
    EXPECT_EQ(tvhost::RefCountOf(R().Part), 3); // the document's, the registry's, ours
    EXPECT_TRUE(MA.GetPart() == same);
}

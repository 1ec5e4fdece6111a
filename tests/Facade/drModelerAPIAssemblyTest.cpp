// The facade's assemblies against the stand-in: a part file inserted twice and placed, mates
// made, filled, bound to expressions and cleared, and missing files or documents that change
// nothing.

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostPart.h"
#include "TAVariable.h"

using drApi::MA;
using namespace tvapi;

class TModelerApiAssemblyTest : public TFacadeFixture {
protected:
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        // A 10 x 20 x 5 box saved as a part file.
        const ITervanDocumentPtr part = Host().App().Documents().AddDocument(tvDocumentPart);
        tvhost::HostAs<tvhost::THostDocument3D>(part)->TopPart().AddBody(
            tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
        ASSERT_TRUE(part->SaveAs(tvhost::FromUtf8(File).c_str()));
        part->Close(kdDoNotSaveChanges);
        R().IDoc = Host().App().Documents().AddDocument(tvDocumentAssembly, L"pair.qas");
    }
    static tvhost::THostPart& PartOf(const IPartPtr& p) { return *tvhost::HostAs<tvhost::THostPart>(p); }
    IModelObjectPtr FirstFace(const IPartPtr& p)
    {
        return ObjectsOf(IModelObjectPtr(PartOf(p).Bodies().at(0)), o3d_face).at(0);
    }

    const std::string File = ::testing::TempDir() + "brick.qpt";
    const TString Name = TString(File.c_str());
};

TEST_F(TModelerApiAssemblyTest, PartInsertedTwiceIsPlacedAndMatedAndWeighsTwice)
{
    MA.AddDetail(0, 0, 0, Name, false, true);
    const IPartPtr first = MA.GetPart();
    MA.AddDetail(1, 2, 3, Name, true, true);
    const IPartPtr second = MA.GetPart();
    ASSERT_TRUE(first && second && !(first == second));
    EXPECT_TRUE(R().Obj3D == second);
    const tvhost::THostPlacement& place = PartOf(second).Placement();
    EXPECT_EQ(place.Origin(), (tvhost::TXyz{1, 2, 3}));
    EXPECT_EQ(place.X(), (tvhost::TXyz{-1, 0, 0}));
    EXPECT_EQ(place.Y(), (tvhost::TXyz{0, 1, 0}));
    EXPECT_EQ(place.Z(), (tvhost::TXyz{0, 0, -1})); // turned over
    // Half a turn about Y: the box now reaches down from z = 3 to -2.
    EXPECT_NEAR(tvhost::BoxOf(PartOf(second).Bodies().at(0)->Shape())[2], -2.0, 1e-9);
    const double partMass = PartOf(first).Mass();
    EXPECT_NEAR(R().IDoc3D->GetTopPart()->GetMass(), 2 * partMass, 1e-15);
    EXPECT_NEAR(partMass, 1000 * tvhost::DefaultDensity, 1e-15);

    const double distance = 7.5;
    const double* bound = AVariable.AddExp(4.0, "H/2");
    EXPECT_TRUE(MA.drMate(mc_Distance, FirstFace(first), FirstFace(second), 1, 0, distance, ""));
    EXPECT_TRUE(MA.drMate(mc_Distance, FirstFace(first), FirstFace(second), 0, 1, *bound, ""));
    EXPECT_TRUE(MA.drMate(mc_Distance, FirstFace(first), FirstFace(second), 0, 1, *bound, "L+1"));
    const auto& mates = tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc)->Mates();
    ASSERT_EQ(mates.size(), 3u);
    EXPECT_EQ(mates[0]->Fixed(), tvMFixedPart1);
    EXPECT_EQ(mates[0]->Direction(), 1);
    EXPECT_EQ(mates[0]->Value(), 7.5);
    EXPECT_EQ(mates[0]->Variable()->Expression(), L""); // no variable at that address
    EXPECT_EQ(mates[1]->Fixed(), tvMFixedPart2);
    EXPECT_EQ(mates[1]->Variable()->Expression(), L"H/2");
    EXPECT_EQ(mates[2]->Variable()->Expression(), L"L+1");
    EXPECT_FALSE(MA.drMate(mc_Coincidence, FirstFace(first), IModelObjectPtr(), 0, 0, distance, ""));

    IMateConstraint3DPtr refill(mates[0]);
    EXPECT_TRUE(MA.drSetMate(refill, FirstFace(second), FirstFace(first), 2, 5, 1.0));
    EXPECT_EQ(mates[0]->Fixed(), tvMFixedPart2);
    IMateConstraint3DPtr none;
    EXPECT_FALSE(MA.drSetMate(none, FirstFace(second), FirstFace(first), 2, 5, 1.0));

    IMateConstraints3DPtr all = R().IDoc3D->GetMateConstraints();
    Journal().Clear();
    MA.drClear(all);
    std::vector<std::string> order;
    for (const auto& call : Journal().Calls("IMateConstraints3D::GetItem"))
        order.push_back(call.Arguments.at(0));
    EXPECT_EQ(order, (std::vector<std::string>{"2", "1", "0"}));
    EXPECT_EQ(Journal().Count("IFeature::Delete"), 3u);
    EXPECT_TRUE(mates.empty());
    MA.drClear(all); // empty: nothing
    EXPECT_EQ(Journal().Count("IFeature::Delete"), 3u);

    MA.drDeleteObj(IModelObjectPtr(second));
    EXPECT_EQ(R().IDoc3D->GetTopPart()->GetParts()->GetCount(), 1);
}

TEST_F(TModelerApiAssemblyTest, MissingFilesAndDocumentsWithoutPartsChangeNothing)
{
    MA.AddDetail(0, 0, 0, Name, false, true);
    const IPartPtr part = R().Part;
    const IModelObjectPtr object = R().Obj3D;
    MA.AddDetail(0, 0, 0, TString((::testing::TempDir() + "absent.qpt").c_str()), true, true);
    MA.drCreatePartFromFile(TString((::testing::TempDir() + "absent.qpt").c_str()), true);
    EXPECT_TRUE(R().Part == part);
    EXPECT_TRUE(R().Obj3D == object);

    R().IDoc = Host().App().Documents().AddDocument(tvDocumentDrawing); // no top part
    R().IDoc3D.Reset();
    MA.drCreatePartFromFile(Name, true);
    EXPECT_TRUE(R().Part == part);
    EXPECT_FALSE(R().IDoc3D);

    R().Part.Reset();
    MA.drPartSetPlacement(1, 2, 3); // no current part: nothing
    MA.drPlacement(1, 2, 3, TVector3D(1, 0, 0), TVector3D(0, 1, 0));
    EXPECT_EQ(Journal().Count("IPlacement3D::SetOrigin"), 1u); // the first insertion's only

    R().Part = part;
    MA.drPlacement(4, 5, 6, TVector3D(0, 1, 0), TVector3D(-1, 0, 0));
    EXPECT_EQ(PartOf(part).Frame().Origin, (tvhost::TXyz{4, 5, 6}));
    EXPECT_EQ(PartOf(part).Frame().X, (tvhost::TXyz{0, 1, 0}));
    IPlacement3DPtr from(
        tvhost::New<tvhost::THostPlacement>(tvhost::TFrame::Of({7, 0, 0}, {1, 0, 0}, {0, 0, 1})));
    MA.drPartSetPlacement(from);
    EXPECT_EQ(PartOf(part).Frame().Y, (tvhost::TXyz{0, 0, 1}));
}

// The facade's searches against the stand-in: named entities of a part found again after it
// is saved and reopened, the partner of a mate, and the bodies of an assembly's components.

#include <filesystem>

#include <gtest/gtest.h>

#include <unistd.h>

#include "FacadeFixture.h"
#include "HostPart.h"
#include "maTervan.h"

using drApi::MA;
using namespace tvapi;

namespace {

class TModelerApiFindTest : public TFacadeFixture {
protected:
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        Dir = ::testing::TempDir() + "find35-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
        std::filesystem::create_directories(Dir);
        // A 10 x 20 x 5 box whose faces 2 and 3 are both named "MatePlane" and face 4 "Opora".
        const ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvDocumentPart);
        tvhost::THostPart& top = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
        const IModelObjectPtr body(top.AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5)));
        body->SetName(L"Корпус");
        const auto faces = ObjectsOf(body, o3d_face);
        faces[2]->SetName(L"MatePlane");
        faces[3]->SetName(L"MatePlane");
        faces[4]->SetName(L"Opora");
        ObjectsOf(body, o3d_edge).at(5)->SetName(L"Kromka");
        ASSERT_TRUE(doc->SaveAs(tvhost::FromUtf8(File()).c_str()));
        doc->Close(kdDoNotSaveChanges);
    }
    std::string File() const { return Dir + "brick.qpt"; }
    static IModelObjectPtr Face(const IPartPtr& part, int i)
    {
        return ObjectsOf(IModelObjectPtr(tvhost::HostAs<tvhost::THostPart>(part)->Bodies().at(0)), o3d_face)
            .at(i);
    }

    std::string Dir;
};

} // namespace

TEST_F(TModelerApiFindTest, NamedEntitiesAreFoundAfterReopenFirstOfTwoAndCaseCounts)
{
    const ITervanDocumentPtr doc = Host().App().Documents().OpenFile(tvhost::FromUtf8(File()), false);
    ASSERT_TRUE(doc);
    IPartPtr part = ITervanDocument3DPtr(doc)->GetTopPart();
    EXPECT_TRUE(MA.FindEntity(part, o3d_face, "MatePlane") == Face(part, 2));
    EXPECT_TRUE(MA.FindEntity(part, o3d_face, "Opora") == Face(part, 4));
    EXPECT_FALSE(MA.FindEntity(part, o3d_face, "mateplane"));
    EXPECT_FALSE(MA.FindEntity(part, o3d_edge, "MatePlane"));
    EXPECT_TRUE(MA.FindEntity(part, o3d_face, "") == Face(part, 0)) << "the first unnamed face";
    const IModelObjectPtr edge = MA.FindEntity(part, o3d_edge, "Kromka");
    ASSERT_TRUE(edge);
    EXPECT_EQ(TString(edge->GetName()), TString("Kromka"));
    const IModelObjectPtr body = MA.FindEntity(part, o3d_body, TString("Корпус"));
    EXPECT_TRUE(body && body->GetObjectType() == o3d_body);
    IPartPtr none;
    EXPECT_FALSE(MA.FindEntity(none, o3d_face, "MatePlane"));
    doc->Close(kdDoNotSaveChanges);
}

TEST_F(TModelerApiFindTest, MatePartnersAndBodiesOfAnAssemblyAreFoundAgainOnReopen)
{
    const std::string assemblyFile = Dir + "pair.qas";
    {
        R().IDoc = Host().App().Documents().AddDocument(tvDocumentAssembly, L"pair.qas");
        MA.AddDetail(0, 0, 0, TString(File().c_str()), false, true);
        const IPartPtr first = MA.GetPart();
        MA.AddDetail(0, 0, 5, TString(File().c_str()), false, true);
        const IPartPtr second = MA.GetPart();
        IPartPtr firstPart = first, secondPart = second;
        const IModelObjectPtr plane1 = MA.FindEntity(firstPart, o3d_face, "Opora");
        const IModelObjectPtr plane2 = MA.FindEntity(secondPart, o3d_face, "MatePlane");
        ASSERT_TRUE(plane1 && plane2);
        ASSERT_TRUE(MA.drMate(mc_Concentric, Face(first, 0), Face(second, 0), 0, 1, 0, ""));
        ASSERT_TRUE(MA.drMate(mc_Coincidence, Face(first, 1), Face(second, 1), 0, 1, 0, ""));
        ASSERT_TRUE(MA.drMate(mc_Coincidence, plane1, plane2, 0, 1, 0, ""));
        ASSERT_TRUE(R().IDoc->SaveAs(tvhost::FromUtf8(assemblyFile).c_str()));
        R().IDoc->Close(kdDoNotSaveChanges);
    }
    R().IDoc = Host().App().Documents().OpenFile(tvhost::FromUtf8(assemblyFile), false);
    ASSERT_TRUE(R().IDoc);
    const IPartPtr top = ITervanDocument3DPtr(R().IDoc)->GetTopPart();
    const IPartsPtr parts = top->GetParts();
    ASSERT_EQ(parts->GetCount(), 2);
    IPartPtr first = parts->GetItem(0), second = parts->GetItem(1);
    IMateConstraints3DPtr mates = ITervanDocument3DPtr(R().IDoc)->GetMateConstraints();
    ASSERT_EQ(mates->GetCount(), 3);

    IModelObjectPtr plane2 = MA.FindEntity(second, o3d_face, "MatePlane");
    IModelObjectPtr plane1 = MA.FindEntity(first, o3d_face, "Opora");
    ASSERT_TRUE(plane1 && plane2);
    EXPECT_TRUE(MA.FindMate(mates, mc_Coincidence, plane2) == plane1) << "from the mate's second object";
    EXPECT_TRUE(MA.FindMate(mates, mc_Coincidence, plane1) == plane2);
    EXPECT_FALSE(MA.FindMate(mates, mc_Concentric, plane1)) << "a mate of the kind that does not involve it";
    IModelObjectPtr face0 = Face(second, 0), none;
    EXPECT_TRUE(MA.FindMate(mates, mc_Concentric, face0) == Face(first, 0));
    EXPECT_FALSE(MA.FindMate(mates, mc_Distance, face0));
    EXPECT_FALSE(MA.FindMate(mates, mc_Coincidence, none));
    IMateConstraints3DPtr noMates;
    EXPECT_FALSE(MA.FindMate(noMates, mc_Coincidence, plane1));

    TArrayOf<IBodyPtr> bodies;
    EXPECT_TRUE(MA.FindBody(top, bodies));
    ASSERT_EQ(bodies.Count, 2);
    EXPECT_TRUE(bodies[0] == tvhost::HostAs<tvhost::THostPart>(first)->Bodies().at(0));
    EXPECT_TRUE(bodies[1] == tvhost::HostAs<tvhost::THostPart>(second)->Bodies().at(0));

    // A part without bodies or components leaves the list as it was.
    const IPartPtr bare(IModelObjectPtr(tvhost::New<tvhost::THostPart>()));
    TArrayOf<IBodyPtr> empty;
    EXPECT_FALSE(MA.FindBody(bare, empty));
    EXPECT_TRUE(MA.FindBody(bare, bodies));
    EXPECT_EQ(bodies.Count, 2);
    EXPECT_FALSE(MA.FindBody(IPartPtr(), empty));
}

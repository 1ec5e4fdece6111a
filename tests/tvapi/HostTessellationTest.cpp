// The tessellation manager of a stand-in 3D document: ids from 1 that never come back, the
// two kinds of object told apart by their interfaces, deletion by id, and faults.
#include "HostTessellation.h"

#include <vector>

#include <gtest/gtest.h>

#include "HostDocuments.h"
#include "HostFixture.h"

class THostTessellationTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        Doc = Application()->GetDocuments()->Add(tvapi::tvDocumentPart, true);
        TM = tvapi::IExternalTessellationManagerPtr(Doc);
    }
    void TearDown() override
    {
        TM.Reset();
        Doc.Reset();
        HostFixture::TearDown();
    }
    tvhost::TTessellationStore& Store()
    {
        return dynamic_cast<tvhost::THostDocument3D&>(*Doc).Tessellation();
    }

    tvapi::ITervanDocumentPtr Doc;
    tvapi::IExternalTessellationManagerPtr TM;
};

TEST_F(THostTessellationTest, IdsStartAtOneAndAreNeverGivenTwice)
{
    ASSERT_TRUE(TM);
    const auto drawing = Application()->GetDocuments()->Add(tvapi::tvDocumentDrawing, true);
    EXPECT_FALSE(tvapi::IExternalTessellationManagerPtr(drawing)) << "only 3D documents offer it";
    const auto a = TM->CreateTessellationObject();
    const auto t = TM->CreateTextObject();
    EXPECT_EQ(a->GetId(), 1);
    EXPECT_EQ(t->GetId(), 2);
    EXPECT_FALSE(tvapi::IExternalTextObjectPtr(a));
    EXPECT_FALSE(tvapi::IExternalTessellationObjectPtr(t));
    EXPECT_TRUE(TM->DeleteObjects({1, 2, 99}));
    EXPECT_EQ(Store().Count(), 0u);
    EXPECT_TRUE(dynamic_cast<tvhost::THostTessellationObject&>(*a).State.Deleted);
    EXPECT_FALSE(a->Refresh());
    EXPECT_EQ(TM->CreateTessellationObject()->GetId(), 3);
}

TEST_F(THostTessellationTest, AFailedCreationMakesNothingAndUsesNoId)
{
    InjectFault("IExternalTessellationManager::CreateTessellationObject");
    EXPECT_FALSE(TM->CreateTessellationObject());
    EXPECT_EQ(Store().LastId(), 0);
    InjectFault("IExternalTessellationManager::DeleteObjects");
    const auto a = TM->CreateTessellationObject();
    EXPECT_FALSE(TM->DeleteObjects({a->GetId()}));
    EXPECT_EQ(Store().Mesh(1), a.Get());
}

TEST_F(THostTessellationTest, ObjectsKeepWhatTheyWereLastGiven)
{
    const auto a = TM->CreateTessellationObject();
    a->SetTriangles({0, 0, 0, 1, 0, 0, 0, 1, 0}, {0, 1, 2}, {}, {});
    a->SetMaterial(255, 0.5, -1, -1, -1, -1, -1);
    const auto& host = *Store().Mesh(a->GetId());
    a->SetVisible(false);
    EXPECT_EQ(host.Triangles, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(host.Material.Ambient, 0.5);
    EXPECT_FALSE(host.State.Visible);
    EXPECT_EQ(Journal().Lines().back(), "IExternalTessellationObject::SetVisible(false)");
    // A closing document lets go of its objects; the library's reference keeps one alive.
    Doc->Close(tvapi::kdDoNotSaveChanges);
    EXPECT_EQ(Store().Count(), 0u);
    EXPECT_EQ(tvhost::RefCountOf(a), 1);
}

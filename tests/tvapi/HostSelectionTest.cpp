// Selection of a stand-in document: order, identity across interfaces, the references
// held, and the journal of lists.
#include "HostSelection.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostArgs.h"
#include "HostDocuments.h"
#include "HostFixture.h"

using tvhost::RefCountOf;

class THostSelectionTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        const tvapi::IDocumentsPtr documents = Application()->GetDocuments();
        FDoc = documents->Add(tvapi::tvDocumentAssembly, true);
        // Three top parts of three more documents stand for any three objects.
        for (int i = 0; i < 3; ++i) {
            const tvapi::ITervanDocument3DPtr doc = documents->Add(tvapi::tvDocumentPart, true);
            FParts.emplace_back(doc->GetTopPart());
        }
        FDoc->Activate();
    }
    void TearDown() override
    {
        FParts.clear();
        FDoc.Reset();
        HostFixture::TearDown();
    }

    tvapi::ITervanDocument3DPtr FDoc;
    tvapi::TervanAPIObjectList FParts;
};

TEST_F(THostSelectionTest, SelectionKeepsOrderAndTellsObjectsApartByIdentity)
{
    const tvapi::ISelectionManagerPtr selection = FDoc->GetSelectionManager();
    const tvapi::ITervanAPIObjectPtr a = FParts[0], b = FParts[1], c = FParts[2];
    const long before = RefCountOf(b);
    selection->Select({c, nullptr, a});
    // b twice in one list, and a again through another interface: each is kept once.
    selection->Select({b, tvapi::IPartPtr(a), b});
    EXPECT_EQ(selection->GetCount(), 3);
    const tvapi::TervanAPIObjectList expected = {c, a, b};
    const tvapi::TervanAPIObjectList got = selection->GetSelectedObjects();
    EXPECT_EQ(got, expected);
    EXPECT_EQ(RefCountOf(b), before + 3); // the selection's, and the copies in `expected` and `got`

    selection->UnSelect({a, tvapi::ITervanAPIObjectPtr(FDoc)}); // the document is not selected
    EXPECT_EQ(selection->GetCount(), 2);
    EXPECT_FALSE(tvhost::HostAs<tvhost::THostDocument3D>(FDoc)->Selection().IsSelected(a.Get()));
    selection->UnSelectAll();
    EXPECT_EQ(selection->GetCount(), 0);

    const auto calls = Journal().Calls("ISelectionManager::Select");
    ASSERT_EQ(calls.size(), 2u);
    const std::string ids = "[#" + std::to_string(tvhost::HostObjectOf(c.Get())->Id()) + ", null, #" +
                            std::to_string(tvhost::HostObjectOf(a.Get())->Id()) + "]";
    EXPECT_EQ(calls[0].Arguments, std::vector<std::string>{ids});
}

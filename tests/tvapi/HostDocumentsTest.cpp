// Documents of the stand-in host: the collection's order, the active document through
// activation and closing, and closing a document that its own selection holds.
#include "HostDocuments.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostArgs.h"
#include "HostFixture.h"

using tvhost::RefCountOf;

class THostDocumentsTest : public HostFixture {
protected:
    tvapi::IDocumentsPtr Documents() { return Application()->GetDocuments(); }
};

TEST_F(THostDocumentsTest, CollectionKeepsOpeningOrderAndTheLastOpenedIsActive)
{
    const tvapi::IDocumentsPtr documents = Documents();
    tvhost::THostDocuments& host = Host().App().Documents();
    const tvapi::ITervanDocumentPtr a = documents->Add(tvapi::tvDocumentDrawing, true);
    const tvapi::ITervanDocumentPtr b = host.AddDocument(tvapi::tvDocumentAssembly, L"/w/b.qas");
    const tvapi::ITervanDocumentPtr c = documents->Add(tvapi::tvDocumentPart, false);
    ASSERT_EQ(documents->GetCount(), 3);
    EXPECT_TRUE(documents->GetItem(0) == a);
    EXPECT_TRUE(documents->GetItem(1) == b);
    EXPECT_TRUE(documents->GetItem(2) == c);
    EXPECT_FALSE(documents->GetItem(3));
    EXPECT_FALSE(documents->GetItem(-1));
    EXPECT_EQ(b->GetFileName(), L"/w/b.qas");
    EXPECT_TRUE(host.Active() == c);
    EXPECT_FALSE(tvhost::HostAs<tvhost::THostDocument3D>(c)->IsVisible());

    EXPECT_TRUE(a->Activate());
    EXPECT_TRUE(host.Active() == a);
    // Closing another document leaves the active one; closing the active one passes the
    // part to the document opened last of those left.
    EXPECT_TRUE(b->Close(tvapi::kdDoNotSaveChanges));
    EXPECT_TRUE(host.Active() == a);
    EXPECT_TRUE(a->Close(tvapi::kdSaveChanges));
    EXPECT_TRUE(host.Active() == c);
    ASSERT_EQ(documents->GetCount(), 1);
    EXPECT_TRUE(documents->GetItem(0) == c);

    // A closed document lives on while held, but is out of the host's hands.
    const auto* closed = tvhost::HostAs<tvhost::THostDocument2D>(a);
    ASSERT_NE(closed, nullptr);
    EXPECT_FALSE(closed->IsOpen());
    EXPECT_EQ(closed->ClosedWith(), tvapi::kdSaveChanges);
    EXPECT_FALSE(a->Activate());
    EXPECT_FALSE(a->Close(tvapi::kdDoNotSaveChanges));
    EXPECT_EQ(a->GetDocumentType(), tvapi::tvDocumentDrawing);
    EXPECT_EQ(RefCountOf(a), 1);

    EXPECT_TRUE(c->Close(tvapi::kdDoNotSaveChanges));
    EXPECT_FALSE(host.Active());
    EXPECT_EQ(documents->GetCount(), 0);
    const std::vector<std::string> close = {"1"};
    EXPECT_EQ(Journal().Calls("ITervanDocument::Close")[1].Arguments, close);
}

TEST_F(THostDocumentsTest, ClosingLetsGoOfASelectionHoldingTheDocumentItself)
{
    tvapi::ITervanDocument2DPtr doc = Documents()->Add(tvapi::tvDocumentFragment, true);
    const tvapi::ISelectionManagerPtr selection = doc->GetSelectionManager();
    selection->Select({tvapi::ITervanAPIObjectPtr(doc)});
    const tvapi::IChooseManagerPtr choose = doc->GetChooseManager();
    choose->Choose({tvapi::ITervanAPIObjectPtr(doc)});
    EXPECT_EQ(RefCountOf(doc), 4); // collection, selection, highlight, ours
    EXPECT_TRUE(doc->Close(tvapi::kdDoNotSaveChanges));
    EXPECT_EQ(RefCountOf(doc), 1);
    EXPECT_EQ(selection->GetCount(), 0);
    // A document still open when the host ends is closed then; TearDown checks nothing is left.
    const tvapi::ITervanDocument3DPtr part = Documents()->Add(tvapi::tvDocumentPart, true);
    part->GetSelectionManager()->Select({tvapi::ITervanAPIObjectPtr(part)});
}

TEST_F(THostDocumentsTest, CollectionOperationsFailOnceOnAFault)
{
    const tvapi::IDocumentsPtr documents = Documents();
    InjectFault("IDocuments::Add");
    EXPECT_FALSE(documents->Add(tvapi::tvDocumentDrawing, true));
    EXPECT_EQ(documents->GetCount(), 0);
    const tvapi::ITervanDocumentPtr doc = documents->Add(tvapi::tvDocumentDrawing, true);
    InjectFault("IDocuments::GetCount");
    EXPECT_EQ(documents->GetCount(), 0);
    EXPECT_EQ(documents->GetCount(), 1);
    InjectFault("ITervanDocument::GetDocumentType");
    EXPECT_EQ(doc->GetDocumentType(), tvapi::tvDocumentUnknown);
    InjectFault("ITervanDocument::Close", tvhost::fkThrow);
    EXPECT_THROW(doc->Close(tvapi::kdDoNotSaveChanges), tvhost::TInjectedFault);
    EXPECT_EQ(documents->GetCount(), 1); // a thrown close closes nothing
    InjectFault("IDocuments::GetItem");
    EXPECT_FALSE(documents->GetItem(0));
    EXPECT_TRUE(documents->GetItem(0) == doc);
}

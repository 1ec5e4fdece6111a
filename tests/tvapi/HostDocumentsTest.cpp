// Documents of the stand-in host: which interfaces each kind offers, the collection's
// order, the active document through activation and closing, opening an open file, and
// the 3D document's top part and in-place editing.
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

TEST_F(THostDocumentsTest, EachTypeOffersTheFormsOfItsKind) {
    struct TCase {
        int Type;
        bool Made, Is2D, Is3D;
    };
    const TCase cases[] = {
        {tvapi::tvDocumentUnknown, false, false, false},
        {tvapi::tvDocumentDrawing, true, true, false},
        {tvapi::tvDocumentFragment, true, true, false},
        {tvapi::tvDocumentSpecification, true, false, false},
        {tvapi::tvDocumentPart, true, false, true},
        {tvapi::tvDocumentAssembly, true, false, true},
        {tvapi::tvDocumentTextual, true, false, false},
        {tvapi::tvDocumentTechnologyAssembly, true, false, true},
        {8, false, false, false},
        {-1, false, false, false},
    };
    const tvapi::IDocumentsPtr documents = Documents();
    int made = 0;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Type);
        const tvapi::ITervanDocumentPtr doc =
            documents->Add(static_cast<tvapi::DocumentTypeEnum>(c.Type), true);
        ASSERT_EQ(static_cast<bool>(doc), c.Made);
        if (!doc) continue;
        ++made;
        EXPECT_EQ(doc->GetDocumentType(), c.Type);
        EXPECT_EQ(doc->GetFileName(), L"");
        EXPECT_EQ(static_cast<bool>(tvapi::ITervanDocument2DPtr(doc)), c.Is2D);
        EXPECT_EQ(static_cast<bool>(tvapi::ITervanDocument3DPtr(doc)), c.Is3D);
        EXPECT_TRUE(tvapi::ITervanAPIObjectPtr(doc));
        EXPECT_FALSE(tvapi::IPartPtr(doc));
    }
    EXPECT_EQ(documents->GetCount(), made);
}

TEST_F(THostDocumentsTest, CollectionKeepsOpeningOrderAndTheLastOpenedIsActive) {
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

TEST_F(THostDocumentsTest, OpeningFindsOnlyAnOpenFileAndActivatesIt) {
    const tvapi::IDocumentsPtr documents = Documents();
    tvhost::THostDocuments& host = Host().App().Documents();
    const tvapi::ITervanDocumentPtr part = host.AddDocument(tvapi::tvDocumentPart, L"/w/Деталь.qpt");
    host.AddDocument(tvapi::tvDocumentDrawing, L"/w/d.qdr");
    const tvapi::ITervanDocumentPtr opened = documents->Open(L"/w/Деталь.qpt", true, false);
    EXPECT_TRUE(opened == part);
    EXPECT_TRUE(host.Active() == part);
    EXPECT_EQ(documents->GetCount(), 2);
    EXPECT_FALSE(documents->Open(L"/w/деталь.qpt", true, false));
    EXPECT_FALSE(documents->Open(L"/w/other.qpt", true, false));
    EXPECT_FALSE(documents->Open(nullptr, true, false));
    EXPECT_FALSE(documents->Open(L"", true, false)); // unnamed documents are not files
    const std::vector<std::string> args = {"/w/Деталь.qpt", "true", "false"};
    EXPECT_EQ(Journal().Calls("IDocuments::Open").front().Arguments, args);
}

TEST_F(THostDocumentsTest, TopPartAndManagersAreTheDocumentsOwn) {
    const tvapi::ITervanDocument3DPtr doc = Documents()->Add(tvapi::tvDocumentAssembly, true);
    ASSERT_TRUE(doc);
    const tvapi::IPartPtr part = doc->GetTopPart();
    ASSERT_TRUE(part);
    EXPECT_TRUE(doc->GetTopPart() == part);
    EXPECT_EQ(RefCountOf(part), 2);
    part->SetName(L"Сборка");
    part->SetMarking(L"АБВ.001");
    EXPECT_EQ(part->GetName(), L"Сборка");
    EXPECT_EQ(part->GetMarking(), L"АБВ.001");
    part->SetName(nullptr);
    EXPECT_EQ(part->GetName(), L"");

    const tvapi::ISelectionManagerPtr selection = doc->GetSelectionManager();
    const tvapi::IChooseManagerPtr choose = doc->GetChooseManager();
    ASSERT_TRUE(selection);
    ASSERT_TRUE(choose);
    EXPECT_TRUE(doc->GetSelectionManager() == selection);
    const tvapi::ITervanDocument3DPtr other = Documents()->Add(tvapi::tvDocumentPart, true);
    EXPECT_FALSE(other->GetSelectionManager() == selection);
    EXPECT_FALSE(other->GetTopPart() == part);

    const tvapi::ITervanDocument2DPtr drawing = Documents()->Add(tvapi::tvDocumentDrawing, true);
    EXPECT_TRUE(drawing->GetSelectionManager());
    EXPECT_TRUE(drawing->Refresh());
    EXPECT_TRUE(drawing->Refresh());
    InjectFault("ITervanDocument2D::Refresh");
    EXPECT_FALSE(drawing->Refresh());
    EXPECT_EQ(tvhost::HostAs<tvhost::THostDocument2D>(drawing)->Refreshes(), 2);
}

TEST_F(THostDocumentsTest, InPlaceEditingShowsTheEditedObject) {
    const tvapi::ITervanDocument3DPtr assembly = Documents()->Add(tvapi::tvDocumentAssembly, true);
    const tvapi::ITervanDocument3DPtr component = Documents()->Add(tvapi::tvDocumentPart, true);
    auto* host = tvhost::HostAs<tvhost::THostDocument3D>(assembly);
    ASSERT_NE(host, nullptr);
    EXPECT_FALSE(assembly->IsInPlaceEditing());
    EXPECT_FALSE(assembly->GetEditingObject());
    host->SetEditingObject(component->GetTopPart());
    EXPECT_TRUE(assembly->IsInPlaceEditing());
    EXPECT_TRUE(tvapi::IPartPtr(assembly->GetEditingObject()) == component->GetTopPart());
    host->SetEditingObject(nullptr);
    EXPECT_FALSE(assembly->GetEditingObject());
}

TEST_F(THostDocumentsTest, ClosingLetsGoOfASelectionHoldingTheDocumentItself) {
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

TEST_F(THostDocumentsTest, CollectionOperationsFailOnceOnAFault) {
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

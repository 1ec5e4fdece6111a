// Part access and the object selector: what drGetPart, drEndGetPart, Begin and End take
// from and give back to the stand-in host.

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostDocuments.h"
#include "HostModelObject.h"
#include "HostParametric.h"
#include "HostPart.h"

using tvhost::HostAs;
using tvhost::THostDocument3D;

class TPartAccessTest : public TFacadeFixture {
protected:
    drApi::TSelectorAPI& S() { return *drApi::Selector; }
    tvhost::THostPart& TopPart(const tvapi::ITervanDocumentPtr& doc) {
        return HostAs<THostDocument3D>(doc)->TopPart();
    }
    bool SelectorHolds(tvhost::THostDocument3D& doc) {
        return S().Selection7.Get() == &doc.Selection() && S().Choose7.Get() == &doc.Choose();
    }
};

struct TGetPartCase {
    tvapi::DocumentTypeEnum Doc;
    drApi::Part_Type Type;
    tvapi::DocumentTypeEnum TypeDoc;
    bool TopPart; // the top part is returned (else empty, Part kept)
};

class TGetPartTable : public TPartAccessTest, public ::testing::WithParamInterface<TGetPartCase> {};

TEST_P(TGetPartTable, ReturnsTheTopPartWhereTheTypesAgreeAndStartsTheSelector) {
    const TGetPartCase& c = GetParam();
    const tvapi::ITervanDocumentPtr doc = Open(c.Doc);
    const tvapi::IPartPtr kept = tvhost::New<tvhost::THostPart>();
    R().Part = kept;
    const tvapi::IPartPtr part = drApi::MA.drGetPart(c.Type, c.TypeDoc);
    EXPECT_EQ(part.Get(), c.TopPart ? &TopPart(doc) : nullptr);
    EXPECT_EQ(R().Part.Get(), c.TopPart ? &TopPart(doc) : kept.Get());
    EXPECT_TRUE(R().IDoc == doc && R().IDoc3D == doc && R().ProgressBar);
    EXPECT_TRUE(SelectorHolds(*HostAs<THostDocument3D>(doc)));
    drApi::MA.drEndGetPart(false);
}

INSTANTIATE_TEST_SUITE_P(
    TPartAccessTest, TGetPartTable,
    ::testing::Values(
        TGetPartCase{tvapi::tvDocumentAssembly, drApi::pTop_Part, tvapi::tvDocumentAssembly, true},
        TGetPartCase{tvapi::tvDocumentAssembly, drApi::pTop_Part, tvapi::tvDocumentPart, true},
        TGetPartCase{tvapi::tvDocumentPart, drApi::pTop_Part, tvapi::tvDocumentAssembly, false},
        TGetPartCase{tvapi::tvDocumentAssembly, drApi::pNew_Part, tvapi::tvDocumentPart, false}));

TEST_F(TPartAccessTest, EndGetPartReleasesWhatAccessTookAndASecondCallDoesNothing) {
    const tvapi::ITervanDocumentPtr doc = Open(tvapi::tvDocumentPart);
    const long docRefs = tvhost::RefCountOf(doc);
    ASSERT_TRUE(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentPart));
    drApi::MA.drEndGetPart(false);
    EXPECT_FALSE(R().IDoc || R().Part || R().ProgressBar || R().ITessellationMng);
    EXPECT_FALSE(S().Selection7 || S().Choose7);
    EXPECT_EQ(tvhost::RefCountOf(doc), docRefs + 1); // IDoc3D keeps it until the next refresh
    Journal().Clear();
    drApi::MA.drEndGetPart(false);
    EXPECT_TRUE(Journal().Entries().empty());
}

TEST_F(TPartAccessTest, DetachedEndForgetsReferencesTheCallerTookOver) {
    const tvapi::ITervanDocumentPtr doc = Open(tvapi::tvDocumentAssembly);
    {
        const drApi::TPartAccess access;
        drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentAssembly);
    }
    EXPECT_FALSE(R().IDoc || R().Part || S().Selection7); // the guard ended the access

    drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentAssembly);
    const tvapi::IPartPtr part = tvapi::IPartPtr::Adopt(R().Part.Get());
    const tvapi::IProgressBarPtr bar = tvapi::IProgressBarPtr::Adopt(R().ProgressBar.Get());
    const tvapi::ITervanDocumentPtr taken = tvapi::ITervanDocumentPtr::Adopt(R().IDoc.Get());
    const long partRefs = tvhost::RefCountOf(part);
    drApi::MA.drEndGetPart(true);
    EXPECT_FALSE(R().IDoc || R().Part || R().ProgressBar);
    EXPECT_EQ(tvhost::RefCountOf(part), partRefs);
    S().End(true); // the selector keeps its managers
    EXPECT_TRUE(S().Selection7 && S().Choose7);
}

// Without a document, with a 2D document, and for an in-place edit of something that is
// no part, access returns no part; only the 3D documents start the selector.
TEST_F(TPartAccessTest, MissingPiecesGiveAnEmptyPartAndNoCrash) {
    EXPECT_FALSE(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentPart));
    EXPECT_FALSE(R().IDoc || R().IDoc3D || S().Selection7 || !R().ProgressBar);
    EXPECT_FALSE(drApi::MA.IsActive(tvapi::tvDocumentDrawing, tvapi::tvDocumentFragment));

    const tvapi::ITervanDocumentPtr drawing = Open(tvapi::tvDocumentFragment);
    EXPECT_TRUE(drApi::MA.IsActive(tvapi::tvDocumentDrawing, tvapi::tvDocumentFragment));
    EXPECT_FALSE(drApi::MA.IsActive(tvapi::tvDocumentDrawing, tvapi::tvDocumentUnknown));
    EXPECT_FALSE(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentDrawing) || S().Selection7);
    S().Begin(); // the selector takes a 2D document's managers
    EXPECT_TRUE(S().Selection7 && S().Choose7 && R().IDoc2D);
    S().End(false);
    EXPECT_FALSE(S().Selection7 || S().Choose7);

    const tvapi::ITervanDocumentPtr doc = Open(tvapi::tvDocumentAssembly);
    HostAs<THostDocument3D>(doc)->SetEditingObject(tvhost::New<tvhost::THostConstrainedObject>());
    EXPECT_FALSE(drApi::MA.drGetPart(drApi::pEdit_Part, tvapi::tvDocumentAssembly) || R().Part);
    EXPECT_TRUE(S().Selection7); // still started
    const tvapi::IPartPtr component = tvhost::New<tvhost::THostPart>();
    HostAs<THostDocument3D>(doc)->SetEditingObject(component);
    EXPECT_EQ(drApi::MA.drGetPart(drApi::pEdit_Part, tvapi::tvDocumentAssembly), component);
    HostAs<THostDocument3D>(doc)->SetEditingObject({});
    drApi::MA.drEndGetPart(false);

    R().Tervan7 = nullptr; // no host at all
    EXPECT_FALSE(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentPart));
    S().Begin();
    EXPECT_FALSE(S().Selection7);
}

TEST_F(TPartAccessTest, SelectorWorksThroughTheDocumentsManagers) {
    const tvapi::ITervanDocumentPtr doc = Open(tvapi::tvDocumentPart);
    const tvapi::ITervanAPIObjectPtr face = tvhost::New<tvhost::THostModelObject>(tvapi::o3d_face);
    const tvapi::ITervanAPIObjectPtr part = tvhost::New<tvhost::THostPart>();
    S().Begin();
    S().Select(face);
    S().Select2D(part);
    S().Select({});
    EXPECT_EQ(S().GetCount(), 2);
    EXPECT_TRUE(S().Get7(0) == face && !S().Get7(1) && !S().Get7(2) && !S().Get7(-1));
    EXPECT_TRUE(S().GetObjectType(0) == tvapi::o3d_face && S().GetObjectType(1) == 0);
    HostAs<THostDocument3D>(doc)->Selection().Clear();
}

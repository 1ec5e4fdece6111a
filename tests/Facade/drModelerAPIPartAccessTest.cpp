// Part access and the object selector: what drGetPart, drEndGetPart, Begin and End take
// from and give back to the stand-in host.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "FacadeFixture.h"
#include "HostPart.h"

using tvhost::HostAs;
using tvhost::THostDocument3D;

class TPartAccessTest : public TFacadeFixture {
protected:
    static drApi::TSelectorAPI& S() { return *drApi::Selector; }
};

// Document open, part wanted, document type asked -> the top part is returned (else empty, Part kept).
class TGetPartTable
    : public TPartAccessTest,
      public ::testing::WithParamInterface<
          std::tuple<tvapi::DocumentTypeEnum, drApi::Part_Type, tvapi::DocumentTypeEnum, bool>> {};

TEST_P(TGetPartTable, ReturnsTheTopPartWhereTheTypesAgreeAndStartsTheSelector)
{
    const auto [docType, type, typeDoc, top] = GetParam();
    const tvapi::ITervanDocumentPtr doc = Open(docType);
    THostDocument3D& host = *HostAs<THostDocument3D>(doc);
    const tvapi::IPartPtr kept = tvhost::New<tvhost::THostPart>();
    R().Part = kept;
    EXPECT_EQ(drApi::MA.drGetPart(type, typeDoc).Get(), top ? &host.TopPart() : nullptr);
    EXPECT_EQ(R().Part.Get(), top ? &host.TopPart() : kept.Get());
    EXPECT_EQ(R().IDoc, doc);
    EXPECT_EQ(R().IDoc3D, doc);
    EXPECT_TRUE(R().ProgressBar);
    EXPECT_EQ(S().Selection7.Get(), &host.Selection());
    EXPECT_EQ(S().Choose7.Get(), &host.Choose());
    drApi::MA.drEndGetPart(false);
}

INSTANTIATE_TEST_SUITE_P(
    TPartAccessTest, TGetPartTable,
    ::testing::Values(
        std::make_tuple(tvapi::tvDocumentAssembly, drApi::pTop_Part, tvapi::tvDocumentAssembly, true),
        std::make_tuple(tvapi::tvDocumentAssembly, drApi::pTop_Part, tvapi::tvDocumentPart, true),
        std::make_tuple(tvapi::tvDocumentPart, drApi::pTop_Part, tvapi::tvDocumentAssembly, false),
        std::make_tuple(tvapi::tvDocumentAssembly, drApi::pNew_Part, tvapi::tvDocumentPart, false)),
    [](const auto& c) {
        const auto name = [](tvapi::DocumentTypeEnum kind) {
            return kind == tvapi::tvDocumentAssembly ? "Assembly" : "Part";
        };
        return std::string(name(std::get<0>(c.param))) +
               (std::get<1>(c.param) == drApi::pTop_Part ? "Top" : "New") + "AskedAs" +
               name(std::get<2>(c.param));
    });

TEST_F(TPartAccessTest, EndGetPartReleasesWhatAccessTookAndASecondCallDoesNothing)
{
    const tvapi::ITervanDocumentPtr doc = Open(tvapi::tvDocumentPart);
    const long docRefs = tvhost::RefCountOf(doc);
    {
        const drApi::TPartAccess access; // the guard ends the access
        ASSERT_TRUE(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentPart));
    }
    EXPECT_FALSE(R().IDoc);
    EXPECT_FALSE(R().Part);
    EXPECT_FALSE(R().ProgressBar);
    EXPECT_FALSE(R().ITessellationMng);
    EXPECT_FALSE(S().Selection7);
    EXPECT_FALSE(S().Choose7);
    EXPECT_EQ(tvhost::RefCountOf(doc), docRefs + 1); // IDoc3D keeps it until the next refresh
    Journal().Clear();
    drApi::MA.drEndGetPart(false);
    EXPECT_TRUE(Journal().Entries().empty());
}

// Without a document or host, and with a 2D document, access returns no part; only the 3D
// documents start the selector.
TEST_F(TPartAccessTest, MissingPiecesGiveAnEmptyPartAndNoCrash)
{
    EXPECT_FALSE(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentPart));
    EXPECT_FALSE(R().IDoc);
    EXPECT_FALSE(R().IDoc3D);
    EXPECT_FALSE(S().Selection7);
    EXPECT_TRUE(R().ProgressBar);
    Open(tvapi::tvDocumentFragment);
    EXPECT_FALSE(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentDrawing));
    EXPECT_FALSE(S().Selection7);
    S().Begin(); // the selector takes a 2D document's managers
    EXPECT_TRUE(S().Selection7);
    EXPECT_TRUE(S().Choose7);
    EXPECT_TRUE(R().IDoc2D);
    S().End(false);
    EXPECT_FALSE(S().Selection7);
    EXPECT_FALSE(S().Choose7);
    R().Tervan7 = nullptr; // no host at all
    EXPECT_FALSE(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentPart));
    S().Begin();
    EXPECT_FALSE(S().Selection7);
}

// One access and end first, so that what the host makes on first demand (its progress bar)
// is not counted.
class TDetachedPartTest : public TPartAccessTest {
protected:
    void SetUp() override
    {
        TPartAccessTest::SetUp();
        Doc = Open(tvapi::tvDocumentAssembly);
        drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentAssembly);
        drApi::MA.drEndGetPart(false);
        R().IDoc3D.Reset();
        Live = tvhost::THostObject::LiveObjects();
        DocRefs = tvhost::RefCountOf(Doc);
    }
    void TearDown() override
    {
        Doc.Reset();
        TPartAccessTest::TearDown();
    }
    // Gives back what the detached end leaves with the facade.
    void EndSelector()
    {
        S().End(false);
        R().IDoc3D.Reset();
    }

    tvapi::ITervanDocumentPtr Doc;
    long Live = 0;
    long DocRefs = 0;
};

TEST_F(TDetachedPartTest, HandsTheFourReferencesToTheCaller)
{
    const tvapi::IPartPtr part = drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentAssembly);
    ASSERT_TRUE(part);
    const long partRefs = tvhost::RefCountOf(part);
    const tvapi::IProgressBarPtr bar = R().ProgressBar;
    const long barRefs = tvhost::RefCountOf(bar);
    {
        const drApi::TPartReferences taken = drApi::MA.drEndGetPart(true);
        EXPECT_EQ(taken.Part.Get(), part.Get());
        EXPECT_TRUE(taken.IDoc == Doc);
        EXPECT_EQ(taken.ProgressBar.Get(), bar.Get());
        EXPECT_FALSE(R().Part);
        EXPECT_FALSE(R().IDoc);
        EXPECT_FALSE(R().ProgressBar);
        EXPECT_FALSE(R().ITessellationMng);
        EXPECT_TRUE(S().Selection7) << "the selector keeps its managers";
        EXPECT_TRUE(R().IDoc3D) << "the 3D form keeps its reference";
        EXPECT_EQ(tvhost::RefCountOf(part), partRefs) << "moved, not copied";
        EXPECT_EQ(tvhost::RefCountOf(bar), barRefs);
    }
    EXPECT_EQ(tvhost::RefCountOf(part), partRefs - 1);
    EXPECT_EQ(tvhost::RefCountOf(bar), barRefs - 1);
    EndSelector();
    EXPECT_EQ(tvhost::RefCountOf(Doc), DocRefs);
}

TEST_F(TDetachedPartTest, DroppedReferencesLeaveNoHostObjectBehind)
{
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentAssembly);
        drApi::MA.drEndGetPart(true);
        EndSelector();
        EXPECT_EQ(tvhost::THostObject::LiveObjects(), Live);
        EXPECT_EQ(tvhost::RefCountOf(Doc), DocRefs);
    }
}

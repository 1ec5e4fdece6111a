// Part access and the object selector: what drGetPart, drEndGetPart, Begin and End take
// from and give back to the stand-in host.

#include <gtest/gtest.h>

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
    EXPECT_TRUE(R().IDoc == doc && R().IDoc3D == doc && R().ProgressBar);
    EXPECT_TRUE(S().Selection7.Get() == &host.Selection() && S().Choose7.Get() == &host.Choose());
    drApi::MA.drEndGetPart(false);
}

INSTANTIATE_TEST_SUITE_P(
    TPartAccessTest, TGetPartTable,
    ::testing::Values(
        std::make_tuple(tvapi::tvDocumentAssembly, drApi::pTop_Part, tvapi::tvDocumentAssembly, true),
        std::make_tuple(tvapi::tvDocumentAssembly, drApi::pTop_Part, tvapi::tvDocumentPart, true),
        std::make_tuple(tvapi::tvDocumentPart, drApi::pTop_Part, tvapi::tvDocumentAssembly, false),
        std::make_tuple(tvapi::tvDocumentAssembly, drApi::pNew_Part, tvapi::tvDocumentPart, false)));

TEST_F(TPartAccessTest, EndGetPartReleasesWhatAccessTookAndASecondCallDoesNothing)
{
    const tvapi::ITervanDocumentPtr doc = Open(tvapi::tvDocumentPart);
    const long docRefs = tvhost::RefCountOf(doc);
    {
        const drApi::TPartAccess access; // the guard ends the access
        ASSERT_TRUE(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentPart));
    }
    EXPECT_FALSE(R().IDoc || R().Part || R().ProgressBar || R().ITessellationMng);
    EXPECT_FALSE(S().Selection7 || S().Choose7);
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
    EXPECT_FALSE(R().IDoc || R().IDoc3D || S().Selection7 || !R().ProgressBar);
    Open(tvapi::tvDocumentFragment);
    EXPECT_FALSE(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentDrawing) || S().Selection7);
    S().Begin(); // the selector takes a 2D document's managers
    EXPECT_TRUE(S().Selection7 && S().Choose7 && R().IDoc2D);
    S().End(false);
    EXPECT_FALSE(S().Selection7 || S().Choose7);
    R().Tervan7 = nullptr; // no host at all
    EXPECT_FALSE(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentPart));
    S().Begin();
    EXPECT_FALSE(S().Selection7);
}

// The component frame's brackets: a part or sheet the host opened is closed when the scope
// ends, by a return, at the end or by an exception, and one it refused is never closed.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "ComponentRecorder.h"
#include "MathDetailsl.h"

namespace {

using TNames = std::vector<std::string>;

// Journals the sheet's closing with its requirement lines, not the steps it is made of.
class TBracketRecorder : public TComponentRecorder {
public:
    void drCloseViewTDemCloseLeaf(Str const& S1, Str const& S2, Str const& S3, Str const& S4) override
    {
        Record("drCloseViewTDemCloseLeaf", {recording::QuotedUtf8(S1), recording::QuotedUtf8(S2),
                                            recording::QuotedUtf8(S3), recording::QuotedUtf8(S4)});
    }
};

class TComponentBracketsTest : public testing::Test {
protected:
    TBracketRecorder M;
    static constexpr TDcDetail Id = 7;
};

TEST_F(TComponentBracketsTest, APartIsRevolvedColouredAndClosedInThatOrder)
{
    {
        const TPartBracket part(M, Id, {});
        ASSERT_TRUE(part);
        M.Record("profile", {});
        part.Revolve();
    }
    EXPECT_EQ(M.Names(),
              (TNames{"drCreate3DNewPartPlane", "profile", "drBaseRotate", "drColor3D", "drClose3D"}));
    EXPECT_EQ(M.Calls[0].Args[3], recording::Arg(tvapi::o3d_planeYOZ));
    EXPECT_EQ(M.Calls[2].Text(), "drBaseRotate(0, 360)");
    EXPECT_EQ(M.Calls[4].Text(), "drClose3D(true, 0)");
}

TEST_F(TComponentBracketsTest, APlainPartOnAnotherPlaneIsClosedUncoloured)
{
    {
        const TPartBracket part(M, Id, {}, tvapi::o3d_planeXOZ, TPartBracket::Plain);
        ASSERT_TRUE(part);
    }
    EXPECT_EQ(M.Names(), (TNames{"drCreate3DNewPartPlane", "drClose3D"}));
    EXPECT_EQ(M.Calls[0].Args[3], recording::Arg(tvapi::o3d_planeXOZ));
}

TEST_F(TComponentBracketsTest, AnExceptionClosesThePartUncolouredAndPassesOn)
{
    EXPECT_THROW(
        {
            const TPartBracket part(M, Id, {});
            throw std::runtime_error("profile failed");
        },
        std::runtime_error);
    EXPECT_EQ(M.Names(), (TNames{"drCreate3DNewPartPlane", "drClose3D"}));
}

TEST_F(TComponentBracketsTest, APartSavedInTheCatalogueIsNotClosedAgain)
{
    {
        TPartBracket part(M, Id, {});
        part.SaveInCatalogue("Pin 5", "note", 3);
    }
    EXPECT_EQ(M.Names(), (TNames{"drCreate3DNewPartPlane", "drColor3D", "drSet", "drSave3D"}));
    EXPECT_EQ(M.Calls[2].Text(), "drSet(\"Pin 5\", \"\", \"note\", 3)");
    EXPECT_EQ(M.Calls[3].Text(), "drSave3D(true, false)");
}

TEST_F(TComponentBracketsTest, ARefusedPartOrSheetIsNeverClosed)
{
    M.BooleanResult = false;
    {
        const TPartBracket part(M, Id, {});
        const TSheetBracket sheet(M, Id, 1.0, 2.0, "a");
        EXPECT_FALSE(part);
        EXPECT_FALSE(sheet);
    }
    EXPECT_EQ(M.Names(), (TNames{"drCreate3DNewPartPlane", "drLeafStampView1"}));
}

TEST_F(TComponentBracketsTest, ASheetClosesWithItsRequirementsOnEveryPath)
{
    {
        const TSheetBracket sheet(M, Id, 10.0, -5.0, "first", "second");
        ASSERT_TRUE(sheet);
    }
    EXPECT_THROW(
        {
            const TSheetBracket sheet(M, Id, 0.0, 0.0);
            throw std::runtime_error("view failed");
        },
        std::runtime_error);
    ASSERT_EQ(M.Calls.size(), 4U);
    EXPECT_EQ(M.Calls[0].Text(), "drLeafStampView1(7, 0, 10, -5, true)");
    EXPECT_EQ(M.Calls[1].Text(), "drCloseViewTDemCloseLeaf(\"first\", \"second\", \"\", \"\")");
    EXPECT_EQ(M.Calls[3].Text(), "drCloseViewTDemCloseLeaf(\"\", \"\", \"\", \"\")");
}

TEST(TReliefGrooveTest, TheFlatBottomIsTheWidthLessTheDepth)
{
    // The profiles step 2.7 along the groove's bottom: the named run must be that very double.
    EXPECT_EQ(TReliefGroove::Run, 2.7);
    EXPECT_LT(TReliefGroove::Radius, TReliefGroove::Depth);
}

} // namespace

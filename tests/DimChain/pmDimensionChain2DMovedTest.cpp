// A closed chain whose links were moved while the drawing was closed, their values unchanged:
// angles of 30 +12'/-6' and 45 +-9' round (100, 100) closing on 75, or the sample's lengths.
// The next opening tells the change once, shows the chain open with its closing dimension's own
// texts, and the opening after is quiet.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <tuple>

#include "Reopen2DFixture.h"

namespace moved_while_closed {

const char* const ChangedText = "Изменился размер ";

// What is done to the drawing while it is closed; Angles: the chain of angles, else the
// sample's lengths. Objects: angles 0, 2 and 4 (their rays between), or A, B and C.
struct TMoveCase {
    const char* Name;
    bool Angles;
    std::function<void(const tvapi::DrawingObjectList&)> Move;
};

void PrintTo(const TMoveCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TMovedWhileClosedTest : public TReopenFixture, public testing::WithParamInterface<TMoveCase> {
protected:
    // The closing dimension's deviation texts.
    std::string Texts()
    {
        const tvapi::IDrawingObjectPtr closing = Drawn().at(GetParam().Angles ? 4 : 2);
        return U(Upper(closing)) + "|" + U(Lower(closing));
    }
    void Build()
    {
        if (GetParam().Angles) {
            Open();
            for (const auto& [a1, a2, hi, lo, ray, out] : {std::tuple{0.0, 30.0, 0.2, -0.1, 40.0, 10.0},
                                                           {30.0, 75.0, 0.15, -0.15, 60.0, 10.0},
                                                           {0.0, 75.0, 0.0, 0.0, 80.0, 25.0}})
                TpmDimensionChain2DTest::PickAngle(a1, a2, hi, lo, ray, out);
            // What the closing angle shows of its own, drawn apart once the chain closed.
            const tvapi::IDrawingObjectPtr bare = Angle(0, 75);
            Own = U(Upper(bare)) + "|" + U(Lower(bare));
        } else {
            DrawChain();
            Own = U(Upper(C)) + "|" + U(Lower(C));
            Open();
            PickChain();
        }
    }
    std::string Own;
};

TEST_P(TMovedWhileClosedTest, IsToldOnceAndTheChainShownOpen)
{
    Build();
    ASSERT_TRUE(Panel->Chain().Closed);
    const std::string written = Texts();
    ASSERT_NE(written, Own);
    OkAndReopen([this] { GetParam().Move(Dims); });
    EXPECT_EQ(Said(ChangedText), 1);
    EXPECT_FALSE(Panel->Chain().Closed);
    EXPECT_EQ(Texts(), Own) << "the closing dimension shows its own texts";

    Panel->ButtonClick(1);
    ASSERT_EQ(Panel->ExitCode, 0);
    Panel.reset();
    ReopenDrawing(FDir + "/again.qdr");
    Open();
    EXPECT_EQ(Said(ChangedText), 0) << "the next opening is quiet";
    EXPECT_FALSE(Panel->Chain().Closed);
    EXPECT_EQ(Texts(), Own);
}

void Turn(const tvapi::IDrawingObjectPtr& Angle, double A1, double A2)
{
    const tvapi::IAngleDimensionPtr a(Angle);
    a->SetAngle1(A1);
    a->SetAngle2(A2);
    Angle->Update();
}

INSTANTIATE_TEST_SUITE_P(
    Moves, TMovedWhileClosedTest,
    testing::Values(TMoveCase{"AngleTurnedWhole", true,
                              [](const tvapi::DrawingObjectList& d) { Turn(d.at(0), 15, 45); }},
                    TMoveCase{"AngleVertexMoved", true,
                              [](const tvapi::DrawingObjectList& d) {
                                  tvapi::IAngleDimensionPtr(d.at(2))->SetXc(110);
                                  d.at(2)->Update();
                              }},
                    TMoveCase{"AngleTurnedAndItsDeviationsChanged", true,
                              [](const tvapi::DrawingObjectList& d) {
                                  Turn(d.at(0), 15, 45);
                                  tvapi::IDimensionTextPtr(d.at(0))->SetDeviations(0.3, -0.1);
                                  d.at(0)->Update();
                              }},
                    TMoveCase{"LengthSlidAlongItsLine", false,
                              [](const tvapi::DrawingObjectList& d) {
                                  const tvapi::ILineDimensionPtr b(d.at(1));
                                  b->SetX1(32);
                                  b->SetX2(42);
                                  d.at(1)->Update();
                              }}),
    [](const testing::TestParamInfo<TMoveCase>& p) { return std::string(p.param.Name); });

} // namespace moved_while_closed

// A recognised chain W = A + R20 whose radius the recognition derived from a diameter 40
// +0.05/0 centred at (10, 0) (A 0..10 +-0.05, W 0..30), with a second chain V = R20 + C (C 10..25
// +-0.03, V -10..25) on the circle's other side where asked. The circle moved 3 along the
// chains, or its radius made 22, while the drawing was closed: however many chains count the
// circle, it is told once in all at the opening, the chains are shown open, and the opening
// after is quiet.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>

#include "Reopen2DFixture.h"

namespace derived_told_once {

const char* const ChangedText = "Изменился размер ";

enum class TCircleEdit { Moved, RadiusMade22 };

struct TToldCase {
    const char* Name;
    TCircleEdit Edit;
    int Chains;
};

void PrintTo(const TToldCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TDerivedToldOnceTest : public TReopenFixture, public testing::WithParamInterface<TToldCase> {
protected:
    // The chain recognised from the closing dimension under (x, y), in a new chain when asked:
    // of the paths offered, the one of three links, one derived (the other goes round through
    // the diameter and the first chain).
    void Recognise(double x, double y, bool New)
    {
        if (New) Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChain), 1);
        At(x, y);
        Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
        for (int offered = 2; offered <= 3 && Panel->Chain().Count() != 3; ++offered) {
            Control("Распознаная")->SetValue(offered);
            Panel->ChangeControlValue(tvapi::IPropertyControlPtr(Panel->eDetectDimensionChain));
        }
        ASSERT_TRUE(Panel->Chain().Closed);
        ASSERT_EQ(Panel->Chain().Count(), 3);
        ASSERT_NE(DerivedRow(), -1);
    }
    int ClosedChains()
    {
        int closed = 0;
        for (const TDimensionChain& chain : Panel->DimensionChains.DimChains)
            closed += chain.Closed ? 1 : 0;
        return closed;
    }
};

TEST_P(TDerivedToldOnceTest, IsToldOnceInAll)
{
    const TToldCase& c = GetParam();
    InView(1, [this] {
        Dims.push_back(Circle(true, 10, 0, 20, 0.05, 0));
        Part(0, 10, 30, 0.05, -0.05);
        Part(0, 30, 40);
        Part(10, 25, 50, 0.03, -0.03);
        Part(-10, 25, 60);
    });
    Open();
    Recognise(15, 40, false);
    if (c.Chains == 2) Recognise(5, 60, true);
    ASSERT_EQ(ClosedChains(), c.Chains);
    OkAndReopen([&] {
        const tvapi::IDiametralDimensionPtr circle(Dims[0]);
        if (c.Edit == TCircleEdit::Moved)
            circle->SetXc(13);
        else
            circle->SetRadius(22);
        Dims[0]->Update();
    });
    EXPECT_EQ(Said(ChangedText), 1);
    EXPECT_EQ(ClosedChains(), 0);
    OkAndReopen();
    EXPECT_EQ(Said(ChangedText), 0) << "the next opening is quiet";
    EXPECT_EQ(ClosedChains(), 0);
}

INSTANTIATE_TEST_SUITE_P(Circles, TDerivedToldOnceTest,
                         testing::Values(TToldCase{"MovedOneChain", TCircleEdit::Moved, 1},
                                         TToldCase{"MovedTwoChains", TCircleEdit::Moved, 2},
                                         TToldCase{"RadiusMade22OneChain", TCircleEdit::RadiusMade22, 1},
                                         TToldCase{"RadiusMade22TwoChains", TCircleEdit::RadiusMade22, 2}),
                         [](const testing::TestParamInfo<TToldCase>& p) {
                             return std::string(p.param.Name);
                         });

} // namespace derived_told_once

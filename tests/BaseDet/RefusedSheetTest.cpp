// A part that is not built leaves no sheet: whether its sheet is drawn after the refusal (not
// made, nothing more told) or before it (its file goes with the part's), and a part built
// again lets its sheet be made again.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "ComponentHostFixture.h"
#include "DistanceScrew.h"
#include "LeaderPin.h"
#include "MathDetail2.h"

namespace {

struct TRefusedSheetCase {
    const char* Label;
    const char* Stem;
    // Builds detail id's part and sheet in the order the case names.
    std::function<void(TDcDetail)> Build;
    bool SheetSaved; // the last part built was built
    int Boxes;       // how many boxes in all; -1 when the sheet drawn first told its own
};

void PrintTo(const TRefusedSheetCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TRefusedSheetTest : public TComponentHostFixture,
                          public testing::WithParamInterface<TRefusedSheetCase> {};

void PartThenSheet(const TDetail& d)
{
    d.dr3D(0);
    d.dr2D();
}

enum class TSheetOrder { After, Before, BeforeHeld };

// Row 4 of table 5, tapped M8 (listed) or M9 (not listed), flats 17 across; its sheet drawn
// after its part, or before it (its boxes held for the part's, or not).
void LeaderPin(TDcDetail id, Real thread, TSheetOrder order = TSheetOrder::After)
{
    TSocketLeaderPin p(id, &drApi::MA, nullptr, nullptr);
    p.Set(TSocketLeaderPin::Type, 8, 35, 100);
    p.FRadius = p.OFRadius, p.ThreadRadius = thread / 2, p.ThreadLen = 12, p.Key = 17;
    if (order == TSheetOrder::BeforeHeld) drApi::MA.drHoldBoxes3D();
    if (order != TSheetOrder::After) p.dr2D();
    PartThenSheet(p);
}

// The assembled distance screw of row 4 of table 39, threaded M12 (listed) or M9 (not listed,
// so that its cap screw is refused before the assembly is begun).
void AssembledScrew(TDcDetail id, Real thread)
{
    TDistanceScrew s(id, &drApi::MA, nullptr);
    s.Set(TDistanceScrew::Type, 4);
    *s.Execution.PInt = 1;
    s.ThreadRadius = thread / 2;
    PartThenSheet(s);
}

TEST_P(TRefusedSheetTest, SheetIsSavedOnlyWithItsPart)
{
    const TRefusedSheetCase& c = GetParam();
    const TDcDetail id = Present(c.Stem);
    ScriptAnswers(
        {tvapi::tvButtonOk, tvapi::tvButtonOk, tvapi::tvButtonOk, tvapi::tvButtonOk, tvapi::tvButtonOk});
    Journal().Clear();
    c.Build(id);
    EXPECT_EQ(std::filesystem::exists(Model->sfDetail2D(id, 0).PChar()), c.SheetSaved);
    EXPECT_EQ(std::filesystem::exists(Model->sfDetail3D(id, 0).PChar()), c.SheetSaved);
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    if (c.Boxes >= 0) {
        EXPECT_EQ(boxes.size(), std::size_t(c.Boxes));
    }
    if (c.SheetSaved) return;
    // The refusal comes last and tells the thread once.
    ASSERT_FALSE(boxes.empty());
    const std::string& told = boxes.back().Arguments[0];
    EXPECT_EQ(told.rfind("Деталь не построена: ", 0), 0u) << told;
    const std::string thread = "Резьбы нет в ряду M9.00";
    if (std::string(c.Stem) != "backejector") {
        EXPECT_EQ(told.find(thread), told.rfind(thread)) << told;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Orders, TRefusedSheetTest,
    testing::Values(
        TRefusedSheetCase{"LeaderPinM9", "leaderpin", [](TDcDetail id) { LeaderPin(id, 9); }, false, 1},
        TRefusedSheetCase{"LeaderPinM9SheetFirst", "leaderpin",
                          [](TDcDetail id) { LeaderPin(id, 9, TSheetOrder::Before); }, false, -1},
        // The sheet's boxes held for its part: told in the part's refusal, the thread once.
        TRefusedSheetCase{"LeaderPinM9SheetFirstHeld", "leaderpin",
                          [](TDcDetail id) { LeaderPin(id, 9, TSheetOrder::BeforeHeld); }, false, 1},
        TRefusedSheetCase{"LeaderPinM9ThenM8", "leaderpin",
                          [](TDcDetail id) {
                              LeaderPin(id, 9);
                              LeaderPin(id, 8);
                          },
                          true, 1},
        TRefusedSheetCase{"LeaderPinM8", "leaderpin", [](TDcDetail id) { LeaderPin(id, 8); }, true, 0},
        TRefusedSheetCase{"ReturnPinNoRadius", "backejector",
                          [](TDcDetail id) {
                              TBackEjector b(id, &drApi::MA, TConstruktor::Empty(), 0);
                              b.CollarHeight = 8, b.CollarRadius = 10, b.FitLen = 30, b.Len = 125;
                              b.Design = true;
                              PartThenSheet(b);
                          },
                          false, 1},
        // A piece refused leaves no assembly: neither its sheet, nor the one of an earlier build.
        TRefusedSheetCase{"AssembledScrewM9", "distscrew", [](TDcDetail id) { AssembledScrew(id, 9); }, false,
                          1},
        TRefusedSheetCase{"AssembledScrewM12ThenM9", "distscrew",
                          [](TDcDetail id) {
                              AssembledScrew(id, 12);
                              AssembledScrew(id, 9);
                          },
                          false, 1}),
    [](const testing::TestParamInfo<TRefusedSheetCase>& i) { return std::string(i.param.Label); });

} // namespace

// A part that is not built leaves no sheet: whether its sheet is drawn after the refusal (not
// made, nothing more told) or before it (its file goes with the part's), and a part built
// again lets its sheet be made again. A sheet whose save fails leaves what stood under its name
// before the build, and its part stays built. What a user has under another name stays as it was.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "ComponentHostFixture.h"
#include "DistanceScrew.h"
#include "LeaderPin.h"
#include "MathDetail2.h"
#include "SpecialFiles.h"
#include "UserFiles.h"

namespace {

struct TRefusedSheetCase {
    const char* Label;
    const char* Stem;
    // Builds detail id's part and sheet in the order the case names.
    std::function<void(TDcDetail)> Build;
    bool SheetSaved;       // the last part built was built (and a sheet with its sizes stands)
    int Boxes;             // how many boxes in all; -1 when the sheet drawn first told its own
    bool PartKept = false; // the part stands, though its sheet does not
    // How the last box begins; by default a refusal's where no sheet stands, else unchecked.
    const char* Told = nullptr;
    // What a user has under the sheet's name with "~" (once its draft's): left as it was.
    userfiles::TKind Beside = userfiles::TKind::None;
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

enum class TSheetOrder { After, Before, BeforeHeld, AfterOnAFullDisk };

// Row 4 of table 5, tapped M8 (listed) or M9 (not listed), flats 17 across; its sheet drawn
// after its part, or before it (its boxes held for the part's, or not), or after it on a disk
// with room for an empty sheet but not for the sheet drawn.
void LeaderPin(TDcDetail id, Real thread, TSheetOrder order = TSheetOrder::After)
{
    TSocketLeaderPin p(id, &drApi::MA, nullptr, nullptr);
    p.Set(TSocketLeaderPin::Type, 8, 35, 100);
    p.FRadius = p.OFRadius, p.ThreadRadius = thread / 2, p.ThreadLen = 12, p.Key = 17;
    if (order == TSheetOrder::AfterOnAFullDisk) {
        p.dr3D(0);
        const specialfiles::TFileSizeLimit full(4096);
        p.dr2D();
        return;
    }
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
    const userfiles::TUserFile beside(c.Beside, Model->sfDetail(id, 0).PChar() + std::string("~.qdr"),
                                      *Application());
    Journal().Clear();
    c.Build(id);
    EXPECT_EQ(beside.Changed(), "");
    EXPECT_EQ(std::filesystem::exists(Model->sfDetail2D(id, 0).PChar()), c.SheetSaved);
    EXPECT_EQ(std::filesystem::exists(Model->sfDetail3D(id, 0).PChar()), c.SheetSaved || c.PartKept);
    EXPECT_EQ(drApi::MA.drRefused3D(), !c.SheetSaved && !c.PartKept);
    if (c.SheetSaved) {
        // The sheet drawn whole, never an empty one.
        tvhost::THostDocument2D* sheet = OpenSheet(id);
        ASSERT_NE(sheet, nullptr);
        EXPECT_GT(Dimensions(*sheet), 0);
    }
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    if (c.Boxes >= 0) {
        EXPECT_EQ(boxes.size(), std::size_t(c.Boxes));
    }
    const char* last = c.Told ? c.Told : c.SheetSaved ? nullptr : "Деталь не построена: ";
    if (!last) return;
    // The refusal, or the failed save, comes last; a refusal tells the thread once.
    ASSERT_FALSE(boxes.empty());
    const std::string& told = boxes.back().Arguments[0];
    EXPECT_EQ(told.rfind(last, 0), 0u) << told;
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
        // A user's file, link, folder or open document under the name the sheet's draft once had.
        TRefusedSheetCase{"LeaderPinM8BesideAFile", "leaderpin", [](TDcDetail id) { LeaderPin(id, 8); }, true,
                          0, false, nullptr, userfiles::TKind::File},
        TRefusedSheetCase{"LeaderPinM8BesideAReadOnlyFile", "leaderpin",
                          [](TDcDetail id) { LeaderPin(id, 8); }, true, 0, false, nullptr,
                          userfiles::TKind::ReadOnlyFile},
        TRefusedSheetCase{"LeaderPinM8BesideALink", "leaderpin", [](TDcDetail id) { LeaderPin(id, 8); }, true,
                          0, false, nullptr, userfiles::TKind::Link},
        TRefusedSheetCase{"LeaderPinM8BesideAFolder", "leaderpin", [](TDcDetail id) { LeaderPin(id, 8); },
                          true, 0, false, nullptr, userfiles::TKind::Folder},
        TRefusedSheetCase{"LeaderPinM8BesideAnOpenDocument", "leaderpin",
                          [](TDcDetail id) { LeaderPin(id, 8); }, true, 0, false, nullptr,
                          userfiles::TKind::OpenDocument},
        // The sheet's save fails on a nearly full disk: no sheet stands, or the one built before.
        TRefusedSheetCase{"LeaderPinM8SheetOnAFullDisk", "leaderpin",
                          [](TDcDetail id) { LeaderPin(id, 8, TSheetOrder::AfterOnAFullDisk); }, false, 1,
                          true, "Не удалось сохранить файл "},
        TRefusedSheetCase{"LeaderPinM8ThenM8SheetOnAFullDisk", "leaderpin",
                          [](TDcDetail id) {
                              LeaderPin(id, 8);
                              LeaderPin(id, 8, TSheetOrder::AfterOnAFullDisk);
                          },
                          true, 1, false, "Не удалось сохранить файл "},
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

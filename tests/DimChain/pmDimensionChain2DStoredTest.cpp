// Stored chains damaged while the drawing is closed, as an attacker leaves them: the sample's
// chain A 40 +-0.1, B 10 +0.05/0 and C 30 closing (C written +0,100/-0,150), stored, then its
// bytes changed and the panel opened over them. Each is told at most once, shown as it is, and
// a cancel gives the document back as it was.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "Panel2DFixture.h"
#include "drModelerAPI.h"
#include "tvapi/Attributes.h"

namespace {

constexpr double StoredNaN = std::numeric_limits<double>::quiet_NaN();
const char* const ChangedText = "Изменился размер ";

class TStoredChainFixture : public TpmDimensionChain2DTest {
protected:
    void SetUp() override
    {
        TpmDimensionChain2DTest::SetUp();
        char pattern[] = "/tmp/chainstoredXXXXXX";
        FDir = mkdtemp(pattern) ? pattern : "/tmp";
        Build();
        Right = Texts();
        RightRow = ClosingRow();
    }
    // The chain drawn and picked: the sample's lengths, or angles when OfAngles.
    virtual void Build()
    {
        if (OfAngles()) {
            Open();
            PickAngles();
        } else {
            DrawChain();
            Own = Texts();
            Open();
            PickChain();
        }
    }
    // The chain stored: the sample's lengths, or angles of 30 +12'/-6' and 45 +-9' round a point
    // closing on 75, each drawn and picked with a ray along its first side.
    virtual bool OfAngles() const { return false; }
    void PickAngles()
    {
        Closing = 4;
        for (const auto& [a1, a2, hi, lo, ray, out] : {std::tuple{0.0, 30.0, 0.2, -0.1, 40.0, 10.0},
                                                       {30.0, 75.0, 0.15, -0.15, 60.0, 10.0},
                                                       {0.0, 75.0, 0.0, 0.0, 80.0, 25.0}})
            PickAngle(a1, a2, hi, lo, ray, out);
    }
    // The closing dimension's deviation texts.
    std::string Texts() { return U(Upper(Drawn().at(Closing))) + "|" + U(Lower(Drawn().at(Closing))); }
    void OkAndReopen(const std::function<void(TDimensionChain&)>& Damage = {})
    {
        OkAndReopenSet(Damage ? [Damage](TDimensionChains& set) { Damage(set.DimChains[0]); }
                              : std::function<void(TDimensionChains&)>());
    }
    // OK, the drawing saved and opened again, its stored set changed by Damage when given (and
    // the drawing saved and opened once more), and the panel opened over it.
    void OkAndReopenSet(const std::function<void(TDimensionChains&)>& Damage)
    {
        Panel->ButtonClick(1);
        ASSERT_EQ(Panel->ExitCode, 0);
        Panel.reset();
        A = B = C = {};
        ReopenDrawing(FDir + "/chain.qdr");
        if (Damage) {
            TDimensionChains set;
            tvapi::ITervanDocumentPtr doc = R().IDoc;
            std::vector<Byte> bytes;
            ASSERT_TRUE(drApi::MA.drGetUserData(doc, set.NameUserData, bytes, {}));
            ASSERT_TRUE(set.from(bytes));
            Damage(set);
            set.to(bytes);
            ASSERT_TRUE(drApi::MA.drSetUserData(doc, set.NameUserData, bytes, false, {}));
            ReopenDrawing(FDir + "/changed.qdr");
        }
        Marks = MarksNow();
        Open();
    }
    // Every mark of the document: its number and how many objects carry it, sorted.
    std::vector<std::string> MarksNow()
    {
        std::vector<std::string> marks;
        for (const tvapi::IAttributePtr& mark : R().IDoc->GetAttributes(0, 0, 0, 0, 0, {}))
            marks.push_back(U(mark->GetValue(0, 0).GetProperty().GetString()) + " on " +
                            std::to_string(mark->GetObjects().size()));
        std::sort(marks.begin(), marks.end());
        return marks;
    }

    // The set the document holds now.
    std::vector<Byte> Stored()
    {
        std::vector<Byte> bytes;
        drApi::MA.drGetUserData(R().IDoc, TDimensionChains().NameUserData, bytes, {});
        return bytes;
    }

    // The closing row's deviations in the grid.
    std::string ClosingRow() { return Cell(3, rQHigh) + "|" + Cell(3, rQLow); }

    std::size_t Closing = 2; // the closing dimension among the objects drawn
    std::string FDir, Own, Right, RightRow;
    std::vector<std::string> Marks; // as the opening found them
};

// A damage of the stored chain, named.
struct TDamage {
    const char* Name;
    std::function<void(TDimensionChain&)> Do;
};
void PrintTo(const TDamage& d, std::ostream* os)
{
    *os << d.Name;
}
std::string DamageName(const testing::TestParamInfo<TDamage>& p)
{
    return p.param.Name;
}

// Stored closed on fewer than two links: told once, shown open, a method change reads no link
// outside the chain, and the openings after are quiet.
class TShortStoredChainTest : public TStoredChainFixture, public testing::WithParamInterface<TDamage> {};

TEST_P(TShortStoredChainTest, IsShownOpenAndToldOnce)
{
    OkAndReopen(GetParam().Do);
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        EXPECT_EQ(Said(TDimensionChains::TooShortText), opening == 0 ? 1 : 0);
        EXPECT_FALSE(Panel->Chain().Closed);
        Choose("Способ расчета", L"Нормальное распределение");
        EXPECT_FALSE(Panel->Chain().Closed);
        OkAndReopen();
    }
}

INSTANTIATE_TEST_SUITE_P(Stored, TShortStoredChainTest,
                         testing::Values(TDamage{"NoLinks", [](TDimensionChain& c) { c.Dimensions.Clear(); }},
                                         TDamage{"OneLink",
                                                 [](TDimensionChain& c) {
                                                     c.Dimensions.Delete(2), c.Dimensions.Delete(1);
                                                 }}),
                         DamageName);

// Signs that do not close the loop: found again from the links' places, quietly; a method
// change and back writes C's own figures.
class TDamagedSignsTest : public TStoredChainFixture, public testing::WithParamInterface<TDamage> {};

TEST_P(TDamagedSignsTest, AreFoundAgainFromThePlaces)
{
    OkAndReopen(GetParam().Do);
    EXPECT_EQ(Journal().Calls("IApplication::ShowMessageBox").size(), 0u);
    EXPECT_TRUE(Panel->Chain().Closed);
    Choose("Способ расчета", L"Нормальное распределение");
    Choose("Способ расчета", L"Минимум Максимум");
    EXPECT_EQ(Texts(), "  0,100| -0,150");
}

INSTANTIATE_TEST_SUITE_P(Stored, TDamagedSignsTest,
                         testing::Values(TDamage{"AllPlus", [](TDimensionChain& c) { c.StateClosed = -1; }},
                                         TDamage{"AllMinus", [](TDimensionChain& c) { c.StateClosed = 0; }}),
                         DamageName);

// A figure stored as no number: the chain is refused as such (told once), shown and stored open,
// C reads its own texts again, and the openings after are quiet.
class TNaNStoredTest : public TStoredChainFixture, public testing::WithParamInterface<TDamage> {};

TEST_P(TNaNStoredTest, RefusesTheChainOnce)
{
    OkAndReopen(GetParam().Do);
    for (int opening = 0; opening < 3; ++opening) {
        SCOPED_TRACE(opening);
        EXPECT_EQ(Said(TDimensionChains::NoNumbersText), opening == 0 ? 1 : 0);
        EXPECT_EQ(Said(ChangedText), 0);
        EXPECT_FALSE(Panel->Chain().Closed);
        EXPECT_EQ(Texts(), Own);
        OkAndReopen();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stored, TNaNStoredTest,
    testing::Values(TDamage{"AdditionalDeviation",
                            [](TDimensionChain& c) { c.Dimensions[0].EQHigh = StoredNaN; }},
                    TDamage{"HeatFactor", [](TDimensionChain& c) { c.Dimensions[1].dLdT = StoredNaN; }},
                    TDamage{"TransformationFactor",
                            [](TDimensionChain& c) { c.Dimensions[0].KTransformation = INFINITY; }},
                    TDamage{"AngleDeviation", [](TDimensionChain& c) { c.Dimensions[1].AQLow = StoredNaN; }}),
    DamageName);

// A link's reference that no mark carries: the opening drops the link and stores the set again;
// a cancel gives back the marks as the opening found them.
class TCancelAfterUnmatchedTest : public TStoredChainFixture, public testing::WithParamInterface<TDamage> {};

TEST_P(TCancelAfterUnmatchedTest, GivesBackTheMarks)
{
    OkAndReopen(GetParam().Do);
    EXPECT_LT(Panel->Chain().Count(), 3);
    EXPECT_TRUE(Panel->ButtonClick(2));
    EXPECT_EQ(MarksNow(), Marks);
}

INSTANTIATE_TEST_SUITE_P(
    Stored, TCancelAfterUnmatchedTest,
    testing::Values(TDamage{"NoSuchNumber", [](TDimensionChain& c) { c.Dimensions[1].refObject = 999; }},
                    TDamage{"NegativeNumber", [](TDimensionChain& c) { c.Dimensions[0].refObject = -1; }}),
    DamageName);

// A chain the loop rule decides again on opening, its stored signs damaged: angles round a
// point by their rays, one sign bit flipped in turn, the closing angle's too. Each is found
// again quietly with the loop's own signs, and a method change and back writes its figures.
struct TLoopCase {
    std::string Name;
    std::vector<std::array<double, 6>> Picks; // from, to, upper, lower, ray, out
    int Flipped;                              // the stored sign bit damaged
    const char* Texts;
};

class TLoopRuleTest : public TStoredChainFixture, public testing::WithParamInterface<TLoopCase> {
protected:
    void Build() override
    {
        const TLoopCase& c = GetParam();
        Open();
        for (const auto& [a1, a2, hi, lo, ray, out] : c.Picks)
            PickAngle(a1, a2, hi, lo, ray, out);
    }
};

TEST_P(TLoopRuleTest, StoredSignsGiveWayToTheLoops)
{
    const TLoopCase& c = GetParam();
    ASSERT_TRUE(Panel->Chain().Closed);
    const Integer signs = Panel->Chain().StateClosed;
    OkAndReopen([&c](TDimensionChain& s) { s.StateClosed ^= Integer(1) << c.Flipped; });
    EXPECT_EQ(Journal().Calls("IApplication::ShowMessageBox").size(), 0u);
    ASSERT_TRUE(Panel->Chain().Closed);
    EXPECT_EQ(Panel->Chain().StateClosed, signs);
    Choose("Способ расчета", L"Нормальное распределение");
    Choose("Способ расчета", L"Минимум Максимум");
    const TDimensionChain& chain = Panel->Chain();
    const tvapi::IDrawingObjectPtr& closing = chain.Dimensions[chain.Count() - 1].Obj;
    EXPECT_EQ(U(Upper(closing)) + "|" + U(Lower(closing)), c.Texts);
}

std::vector<TLoopCase> LoopCases()
{
    // 30 +12'/-6' and 45 +-9' closing on 75: +21'/-15'; 20 +-6', 30 +-12' and 40 +6'/0 on 90: +24'/-18'.
    const std::vector<std::array<double, 6>> two = {
        {0, 30, 0.2, -0.1, 40, 10}, {30, 75, 0.15, -0.15, 60, 10}, {0, 75, 0, 0, 80, 25}};
    const std::vector<std::array<double, 6>> three = {{0, 20, 0.1, -0.1, 40, 10},
                                                      {20, 50, 0.2, -0.2, 50, 10},
                                                      {50, 90, 0.1, 0, 60, 10},
                                                      {0, 90, 0, 0, 80, 25}};
    std::vector<TLoopCase> cases;
    for (int bit = 0; bit < 3; ++bit)
        cases.push_back({"TwoAnglesBit" + std::to_string(bit), two, bit, "21'|-15'"});
    for (int bit = 0; bit < 4; ++bit)
        cases.push_back({"ThreeAnglesBit" + std::to_string(bit), three, bit, "24'|-18'"});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Stored, TLoopRuleTest, testing::ValuesIn(LoopCases()),
                         [](const testing::TestParamInfo<TLoopCase>& p) { return p.param.Name; });

// The loop rule is asked once a pick, a recognition, a command that changes a link and an
// opening for each chain; a method change asks nothing.
class TLoopCountTest : public TStoredChainFixture {
protected:
    void Build() override
    {
        DrawChain();
        Open();
        for (const auto& [x, y] : {std::pair(20, 44), std::pair(35, 34), std::pair(15, 28)}) {
            const long before = TDimensionChain::LoopTests;
            Pick(x, y);
            Picks.push_back(TDimensionChain::LoopTests - before);
        }
    }
    std::vector<long> Picks;
};

TEST_F(TLoopCountTest, AsksTheLoopOnceAPickARecognitionACommandAndAnOpening)
{
    EXPECT_EQ(Picks, (std::vector<long>{1, 1, 1}));
    long before = TDimensionChain::LoopTests;
    Choose("Способ расчета", L"Нормальное распределение");
    EXPECT_EQ(TDimensionChain::LoopTests - before, 0);
    const tvapi::IPropertyControlPtr grid(Panel->grListDimChain);
    Segment(0, 60, 40, 60);
    Panel->SelectItem(grid, 1, true);
    Panel->ControlCommand(grid, 2);
    Pick(20, 60);
    EXPECT_EQ(TDimensionChain::LoopTests - before, 1);
    before = TDimensionChain::LoopTests;
    OkAndReopen();
    EXPECT_EQ(TDimensionChain::LoopTests - before, 1);
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChain), 1);
    Pick(15, 28);
    before = TDimensionChain::LoopTests;
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
    EXPECT_TRUE(Panel->Chain().Closed);
    EXPECT_EQ(TDimensionChain::LoopTests - before, 1);
}

} // namespace

namespace {

// A field of the stored set damaged, on the sample's chain of lengths or on a chain of angles.
struct TFieldDamage {
    const char* Name;
    bool Angles;
    std::function<void(TDimensionChains&)> Do;
};
void PrintTo(const TFieldDamage& d, std::ostream* os)
{
    *os << d.Name;
}
std::string FieldDamageName(const testing::TestParamInfo<TFieldDamage>& p)
{
    return p.param.Name;
}

class TStoredFieldFixture : public TStoredChainFixture, public testing::WithParamInterface<TFieldDamage> {
protected:
    bool OfAngles() const override { return GetParam().Angles; }
    // Two openings after the damage: nothing told, the chain closed, no figure that is no number
    // in the grid; a value typed writes the closing figures it had; OK.
    void ReadAgainQuietly()
    {
        OkAndReopenSet(GetParam().Do);
        for (int opening = 0; opening < 2; ++opening) {
            SCOPED_TRACE(opening);
            EXPECT_TRUE(Statuses().empty());
            EXPECT_EQ(Journal().Calls("IApplication::ShowMessageBox").size(), 0u);
            EXPECT_TRUE(Panel->Chain().Closed);
            for (int row = 1; row <= 3; ++row)
                for (int column = 0; column < rCountRow; ++column)
                    EXPECT_EQ(Cell(row, column).find("nan"), std::string::npos) << row << " " << column;
            Type(2, rdT, L"0");
            EXPECT_EQ(Texts(), Right);
            EXPECT_EQ(ClosingRow(), RightRow);
            OkAndReopen();
        }
    }
};

// A link's kind that no link has, or that is not its object's: read again from the object the
// mark binds, quietly.
class TDamagedKindTest : public TStoredFieldFixture {};
TEST_P(TDamagedKindTest, IsReadAgainFromItsObject)
{
    ReadAgainQuietly();
}
INSTANTIATE_TEST_SUITE_P(
    Stored, TDamagedKindTest,
    testing::Values(
        TFieldDamage{"ArcKind", false,
                     [](TDimensionChains& s) { s.DimChains[0].Dimensions[0].Type = tvapi::tvDrArc; }},
        TFieldDamage{"ViewPointerKind", false,
                     [](TDimensionChains& s) { s.DimChains[0].Dimensions[0].Type = tvapi::tvDrViewPointer; }},
        TFieldDamage{"ModelKind", false,
                     [](TDimensionChains& s) {
                         s.DimChains[0].Dimensions[1].TMO = static_cast<tvapi::tvObj3dTypeEnum>(20);
                     }},
        TFieldDamage{"AngleArcKind", true,
                     [](TDimensionChains& s) { s.DimChains[0].Dimensions[0].Type = tvapi::tvDrArc; }}),
    FieldDamageName);

// A direction, an angle, a length or a plane stored as no number (or no plane), which the link's
// object gives again: read again from it, quietly, never shown.
class TNoNumberFieldTest : public TStoredFieldFixture {};
TEST_P(TNoNumberFieldTest, IsReadAgainFromItsObject)
{
    ReadAgainQuietly();
}
INSTANTIATE_TEST_SUITE_P(
    Stored, TNoNumberFieldTest,
    testing::Values(
        TFieldDamage{"ProjectionInfinite", false,
                     [](TDimensionChains& s) { s.DimChains[0].Dimensions[0].VTransformation.x = INFINITY; }},
        TFieldDamage{"AngleNominalNaN", false,
                     [](TDimensionChains& s) { s.DimChains[0].Dimensions[1].ANominal = StoredNaN; }},
        TFieldDamage{"NominalNaN", false,
                     [](TDimensionChains& s) { s.DimChains[0].Dimensions[0].Nominal = StoredNaN; }},
        TFieldDamage{"AngleOfAnglesNaN", true,
                     [](TDimensionChains& s) { s.DimChains[0].Dimensions[1].ANominal = StoredNaN; }}),
    FieldDamageName);

// An attribute-type key that is not the set's own text type: the marks cannot be found, so the
// set is damaged - told once at each opening, no link dropped, nothing stored over it.
class TDamagedAttrTypeTest : public TStoredFieldFixture {};
TEST_P(TDamagedAttrTypeTest, LeavesTheSetDamaged)
{
    OkAndReopenSet(GetParam().Do);
    const std::vector<Byte> damaged = Stored();
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        EXPECT_EQ(Said("Сохраненные размерные цепи повреждены и не прочитаны"), 1);
        EXPECT_EQ(Said("Чертеж изменился! Отсутствуют елементы размерной цепи"), 0);
        EXPECT_EQ(MarksNow(), Marks);
        Panel->ButtonClick(1);
        EXPECT_EQ(Stored(), damaged);
        Panel.reset();
        Journal().Clear();
        Open();
    }
}
INSTANTIATE_TEST_SUITE_P(
    Stored, TDamagedAttrTypeTest,
    testing::Values(TFieldDamage{"MinusOne", false, [](TDimensionChains& s) { s.AttrType = -1; }},
                    TFieldDamage{"NoSuchType", false, [](TDimensionChains& s) { s.AttrType += 1000; }},
                    TFieldDamage{"NotANumber", false, [](TDimensionChains& s) { s.AttrType = StoredNaN; }},
                    TFieldDamage{"AnglesMinusOne", true, [](TDimensionChains& s) { s.AttrType = -1; }}),
    FieldDamageName);

} // namespace

// The standard components against the figures of their standards, on the stand-in host: the cap
// screw's socket takes its key, a screw's length is the length under its head, the locating
// sleeve's threaded hole is drilled at its tap drill, a size outside a table is told, and the
// base-detail builder refuses sizes that make no solid.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "BaseDetail.h"
#include "BaseGetHole.h"
#include "ComponentHostFixture.h"
#include "DistanceScrew.h"
#include "LeaderPin.h"
#include "LeaderPinBushing.h"
#include "MathDetailsl.h"
#include "RefusalFixture.h"
#include "THole3DParam.h"
#include "THoleData.h"
#include "TWiredSpring.h"

namespace {

// Builds the part of detail id into its part file.
using TBuild = std::function<void(TDcDetail id, const TString& PartFile)>;

struct TFigureCase {
    const char* Label;
    TBuild Build;
    double Figure; // the standard's figure the case looks for
    double Depth;  // a depth it is looked for at, where the case needs one
};

void PrintTo(const TFigureCase& c, std::ostream* os)
{
    *os << c.Label;
}

std::string FigCaseName(const testing::TestParamInfo<TFigureCase>& i)
{
    return i.param.Label;
}

TBuild FigScrew(Integer type, double r, double l)
{
    return [=](TDcDetail id, const TString&) {
        TScrew s(id, &drApi::MA, nullptr);
        ASSERT_NE(s.Set(type, r, l), 0);
        s.dr3D(0);
    };
}

// Table type of the element library holding the code row and Rows while it lives, as a user's
// library with rows of its own would; the bundled rows come back when it goes.
class TLibraryRows {
public:
    TLibraryRows(Integer type, const std::vector<std::vector<double>>& Rows)
        : Table(*ABaseDetail.GetTable(type))
    {
        Saved = Table.pBase, SavedCount = Table.Count;
        std::vector<double> values(Saved.begin(), Saved.begin() + Table.Params);
        for (std::vector<double> row : Rows) {
            row.resize(Table.Params, 0.0);
            values.insert(values.end(), row.begin(), row.end());
        }
        Table.pBase = values, Table.Count = Integer(Rows.size()) + 1;
    }
    ~TLibraryRows() { Table.pBase = Saved, Table.Count = SavedCount; }
    TLibraryRows(const TLibraryRows&) = delete;
    TLibraryRows& operator=(const TLibraryRows&) = delete;

private:
    TDTable& Table;
    std::vector<double> Saved;
    Integer SavedCount;
};

// The screw of table type's only row Row, set by its diameter and the length l.
TBuild FigRowScrew(Integer type, std::vector<double> Row, double l)
{
    return [=](TDcDetail id, const TString&) {
        const TLibraryRows rows(type, {Row});
        TScrew s(id, &drApi::MA, nullptr);
        ASSERT_NE(s.Set(type, Row[0] / 2, l), 0);
        s.dr3D(0);
    };
}

TBuild FigBaseKind(int kind, std::vector<double> P)
{
    return [=](TDcDetail, const TString& PartFile) mutable {
        P.resize(13, 0.0);
        const std::filesystem::path file(PartFile.PChar());
        TString path((file.parent_path().string() + "/").c_str()), name(file.stem().c_str()), marking("");
        ASSERT_TRUE(drBaseDetail(drApi::MA, path, name, marking, kind, 0, P.data(), false));
    };
}

// The part measured by the kernel.
class TStandardPartTest : public TComponentHostFixture {
protected:
    // The share of the box from a to b that the body fills.
    static double Filled(const tvhost::TShape& body, std::array<double, 3> a, std::array<double, 3> b)
    {
        const tvhost::TShape box = tvhost::MakeBox({a[0], a[1], a[2]}, b[0] - a[0], b[1] - a[1], b[2] - a[2]);
        return tvhost::Volume(tvhost::Combined(tvhost::TBooleanKind::bkCommon, body, box)) /
               tvhost::Volume(box);
    }
};

class TStandardFiguresTest : public TStandardPartTest, public testing::WithParamInterface<TFigureCase> {
protected:
    // The one body the case builds as the detail of catalogue row `stem`.
    tvhost::TShape Built(const char* stem)
    {
        const TDcDetail id = Present(stem);
        GetParam().Build(id, Model->sfDetail3D(id, 0));
        const std::vector<tvhost::TShape> shapes = Shapes(id);
        return shapes.size() == 1 ? shapes[0] : tvhost::TShape();
    }
};

// The socket of a cap screw is as wide across flats as its key: empty just inside the flats
// from the head's top face to its depth, full just outside them.
class TCapScrewSocketTest : public TStandardFiguresTest {};

TEST_P(TCapScrewSocketTest, TakesTheStandardKeyToItsDepth)
{
    const tvhost::TShape body = Built("capscrew");
    ASSERT_TRUE(body);
    EXPECT_TRUE(tvhost::IsValidShape(body));
    const double a = GetParam().Figure / 2, top = tvhost::BoxOf(body)[5], floor = top - GetParam().Depth;
    // Empty down to its whole depth (the drill point lies deeper still just inside the flats),
    // no deeper than that, and full outside the flats.
    EXPECT_LT(Filled(body, {a - 0.12, -0.1, floor + 0.005}, {a - 0.02, 0.1, top - 0.1}), 1e-6);
    EXPECT_GT(Filled(body, {a - 0.12, -0.1, floor - 0.3}, {a - 0.02, 0.1, floor - 0.1}), 1 - 1e-6);
    EXPECT_GT(Filled(body, {a + 0.02, -0.1, floor + 0.1}, {a + 0.12, 0.1, top - 0.1}), 1 - 1e-6);
}

// Rows of a library of the user's own: table 33 (d, L, P, b, D, k, s) takes the socket's depth
// from ISO 4762 (DIN 912 at M33), table 26 (d, D, s, k, t, b, P, L) from the row.
INSTANTIATE_TEST_SUITE_P(
    Tables, TCapScrewSocketTest,
    testing::Values(TFigureCase{"M6_Table33", FigScrew(33, 3, 20), 5, 3},
                    TFigureCase{"M12_Table33", FigScrew(33, 6, 50), 10, 6},
                    TFigureCase{"M10_Table26", FigScrew(26, 5, 50), 8, 5},
                    TFigureCase{"M16_Table33", FigRowScrew(33, {16, 60, 2, 44, 24, 16, 14}, 60), 14, 8},
                    TFigureCase{"M33_Table33", FigRowScrew(33, {33, 100, 3.5, 78, 50, 33, 24}, 100), 24, 18},
                    TFigureCase{"M42_Table33", FigRowScrew(33, {42, 120, 4.5, 96, 63, 42, 32}, 120), 32, 24},
                    TFigureCase{"M48_Table33", FigRowScrew(33, {48, 150, 5, 108, 72, 48, 36}, 150), 36, 28},
                    TFigureCase{"M56_Table33", FigRowScrew(33, {56, 160, 5.5, 124, 84, 56, 41}, 160), 41, 34},
                    TFigureCase{"M64_Table33", FigRowScrew(33, {64, 200, 6, 140, 96, 64, 46}, 200), 46, 38},
                    TFigureCase{"M16_Table26", FigRowScrew(26, {16, 24, 14, 16, 8, 44, 2, 60}, 60), 14, 8},
                    TFigureCase{"M64_Table26", FigRowScrew(26, {64, 96, 46, 64, 38, 140, 6, 200}, 200), 46,
                                38},
                    // A head lower than the standard's keeps its drill point a quarter of the head above the
                    // shank: 0.75 * 10 - 7 * tan 30.
                    TFigureCase{"M16_Table26_HeadLow", FigRowScrew(26, {16, 24, 14, 10, 8, 44, 2, 60}, 60),
                                14, 7.5 - 7 * 0.5773502691896257}),
    FigCaseName);

// A screw's nominal length is its length under the head: the head stands above the bearing face
// (Z 0) and the shank reaches down the nominal length.
class TScrewLengthTest : public TStandardFiguresTest {};

TEST_P(TScrewLengthTest, ShankIsTheNominalLength)
{
    const tvhost::TShape body = Built("capscrew");
    ASSERT_TRUE(body);
    const double end = tvhost::BoxOf(body)[2];
    EXPECT_NEAR(end, -GetParam().Figure, 1e-6);
    // It ends in a face, not in a point: a thin slab about the axis there is full.
    EXPECT_GT(Filled(body, {-0.3, -0.3, end}, {0.3, 0.3, end + 0.01}), 1 - 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Builders, TScrewLengthTest,
    testing::Values(
        TFigureCase{"M8x40_Table26", FigScrew(26, 4, 40), 40, 0},
        TFigureCase{"M8x30_Kind33", FigBaseKind(33, {0, 8, 30, 20, 0, 13, 8, 6, 0, 0, 4, 0, 0.4}), 30, 0},
        TFigureCase{"M8x30_Kind34", FigBaseKind(34, {0, 8, 30, 0, 0, 13, 8, 20}), 30, 0},
        // A slot as deep as the head cuts it in two halves that a shank wider than the slot holds.
        TFigureCase{"M3x10_Kind34_SlotThroughHead", FigBaseKind(34, {0, 3, 10, 0, 0, 5.5, 3, 10}), 10, 0},
        TFigureCase{"M6x30_Gost11738",
                    [](TDcDetail, const TString& PartFile) {
                        TCommonGeometry(drApi::MA).dr3D_ScrewGost11738(PartFile, "", "", 6, 10, 5, 6, 3, 30,
                                                                       18, 0.4);
                    },
                    30, 0},
        // The smallest threads, whose end a 1 mm chamfer would leave no face at.
        TFigureCase{"M1_6x10_Table33", FigRowScrew(33, {1.6, 10, 0.35, 15, 3, 1.6, 1.5}, 10), 10, 0},
        TFigureCase{"M2x10_Table26", FigRowScrew(26, {2, 3.8, 1.5, 2, 1, 16, 0.4, 10}, 10), 10, 0}),
    FigCaseName);

// The locating sleeve's threaded hole is drilled at its thread's tap drill: empty just inside
// that radius, full just outside it, along the hole below its entry chamfer.
class TSleeveTapDrillTest : public TStandardFiguresTest {};

TEST_P(TSleeveTapDrillTest, ThreadedHoleIsTheTapDrill)
{
    const tvhost::TShape body = Built("sleeve");
    ASSERT_TRUE(body);
    const double r = GetParam().Figure / 2, end = tvhost::BoxOf(body)[5];
    EXPECT_LT(Filled(body, {r - 0.12, -0.1, end - 7}, {r - 0.02, 0.1, end - 1.5}), 1e-6);
    EXPECT_GT(Filled(body, {r + 0.02, -0.1, end - 7}, {r + 0.12, 0.1, end - 1.5}), 1 - 1e-6);
}

TBuild FigSleeve(double R, double T)
{
    return [=](TDcDetail id, const TString&) {
        TSocketLeaderPinLocatingSleeves s(id, &drApi::MA, nullptr, nullptr);
        ASSERT_NE(s.Set(3, R, T), 0);
        s.dr3D(0);
    };
}

INSTANTIATE_TEST_SUITE_P(Threads, TSleeveTapDrillTest,
                         testing::Values(TFigureCase{"M10", FigSleeve(8, 25), 8.5, 0},
                                         TFigureCase{"M12", FigSleeve(10, 40), 10.2, 0}),
                         FigCaseName);

// Every tapped hole in a component's own body is drilled at its thread's tap drill, a fine
// thread's at d - P: empty just inside that radius, full just outside it, along the hole below
// its entry chamfer at the top or bottom end of the part.
struct TTapCase {
    const char* Label;
    const char* Stem;
    std::function<void(TDcDetail id)> Build;
    double TapDrill;
    bool Bottom; // the hole enters from the part's lowest end
};

void PrintTo(const TTapCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TTapDrillTest : public TStandardPartTest, public testing::WithParamInterface<TTapCase> {};

TEST_P(TTapDrillTest, TappedHoleIsTheTapDrill)
{
    const TTapCase& c = GetParam();
    const TDcDetail id = Present(c.Stem);
    c.Build(id);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    const std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
    const double r = c.TapDrill / 2, lo = c.Bottom ? box[2] + 1.5 : box[5] - 7, hi = lo + 5.5;
    EXPECT_LT(Filled(shapes[0], {r - 0.12, -0.1, lo}, {r - 0.02, 0.1, hi}), 1e-6);
    EXPECT_GT(Filled(shapes[0], {r + 0.02, -0.1, lo}, {r + 0.12, 0.1, hi}), 1 - 1e-6);
}

// Kind 3 of the base-detail builder, the sleeve, at P, as detail id's part.
std::function<void(TDcDetail)> FigBaseSleeve(std::vector<double> P)
{
    return [=](TDcDetail id) { FigBaseKind(3, P)(id, drApi::LibraryControlModel->sfDetail3D(id, 0)); };
}

// The leader pin of table row D 10 with a thread of radius r.
std::function<void(TDcDetail)> FigLeaderPinThread(double r)
{
    return [=](TDcDetail id) {
        TSocketLeaderPin p(id, &drApi::MA, nullptr, nullptr);
        p.Set(TSocketLeaderPin::Type, 10, 40, 125);
        p.FRadius = p.OFRadius, p.ThreadRadius = r, p.ThreadLen = 16;
        p.dr3D(0);
    };
}

// Sample size Size of the catalogue's component Stem.
std::function<void(TDcDetail)> FigSample(const char* Stem, Integer Size)
{
    return [=](TDcDetail id) {
        for (const TCatalogueEntry& e : ComponentCatalogue())
            if (std::string(e.Stem) == Stem) e.Build(drApi::MA, id, Size);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Threads, TTapDrillTest,
    testing::Values(
        TTapCase{"LeaderPinM6", "leaderpin", FigSample("leaderpin", 1), 5.0, true},
        TTapCase{"LeaderPinM10", "leaderpin", FigLeaderPinThread(5), 8.5, true},
        TTapCase{"ColumnTailM8", "columntail", FigSample("columntail", 0), 6.8, false},
        TTapCase{"CirclePlateM16x1_5", "circleplate", FigSample("circleplate", 0), 14.5, false},
        TTapCase{"CirclePlateM24x2", "circleplate", FigSample("circleplate", 2), 22.0, false},
        TTapCase{"LeaderPinM7", "leaderpin", FigLeaderPinThread(3.5), 6.0, true},
        TTapCase{"BaseSleeveM18", "sleeve", FigBaseSleeve({0, 8, 0, 20, 18, 30, 30}), 15.5, false},
        TTapCase{"BaseSleeveM22", "sleeve", FigBaseSleeve({0, 8, 0, 24, 22, 34, 30}), 19.5, false}),
    [](const testing::TestParamInfo<TTapCase>& i) { return std::string(i.param.Label); });

// A size outside a table is told in one message box, answered by the script: the row that
// stands in for it, or that there is none; the row chosen is what it was.
struct TOutsideCase {
    const char* Label;
    std::function<Integer()> Set;
    Integer Row;      // the row chosen, as before
    const char* Told; // the end of the box's text; empty: no box
};

void PrintTo(const TOutsideCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TOutsideTableTest : public TComponentHostFixture, public testing::WithParamInterface<TOutsideCase> {};

TEST_P(TOutsideTableTest, ToldInAMessageBoxWithTheRowKept)
{
    const TOutsideCase& c = GetParam();
    ScriptAnswers({tvapi::tvButtonOk});
    Journal().Clear();
    EXPECT_EQ(c.Set(), c.Row);
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    if (*c.Told == 0) {
        EXPECT_TRUE(boxes.empty());
        return;
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Host().App().PendingAnswers(), 0u);
    const std::string& text = boxes[0].Arguments[0];
    EXPECT_TRUE(text.ends_with(c.Told)) << text;
}

template <class T, class... A> std::function<Integer()> FigSetOf(A... a)
{
    return [=] {
        T d(0, &drApi::MA, nullptr);
        return d.Set(a...);
    };
}

std::function<Integer()> FigBushingSet(Integer type, double R, double T)
{
    return [=] {
        TSocketLeaderPinBushing b(0, &drApi::MA, nullptr);
        return b.Set(type, R, T);
    };
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::function<Integer()> FigSleeveSet(double R, double T)
{
    return [=] {
        TSocketLeaderPinLocatingSleeves s(0, &drApi::MA, nullptr, nullptr);
        return s.Set(TSocketLeaderPinLocatingSleeves::Type, R, T);
    };
}

// The leader pin of diameter 16 with collar 25, of length T2.
std::function<Integer()> FigPinSet(double T2)
{
    return [=] {
        TSocketLeaderPin p(0, &drApi::MA, nullptr, nullptr);
        return p.Set(TSocketLeaderPin::Type, 8, 25, T2);
    };
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TOutsideTableTest,
    testing::Values(
        TOutsideCase{"PinD12x40", FigSetOf<TPin>(31, 6.0, 40.0), 17, "взята строка 17"},
        TOutsideCase{"ScrewM16x50", FigSetOf<TScrew>(33, 8.0, 50.0), 15, "взята строка 15"},
        TOutsideCase{"ScrewM8x100", FigSetOf<TScrew>(33, 4.0, 100.0), 8, "взята строка 8"},
        TOutsideCase{"BushingD40", FigBushingSet(2, 20.0, 40.0), 6, "взята строка 6"},
        TOutsideCase{"PinD2x10", FigSetOf<TPin>(31, 1.0, 10.0), 0, "строки нет"},
        TOutsideCase{"DistanceRow7", FigSetOf<TDistanceScrew>(39, 7), 0, "Строки 7 нет в таблице 39"},
        TOutsideCase{"DistanceRowMinus1", FigSetOf<TDistanceScrew>(39, -1), 0, "Строки -1 нет в таблице 39"},
        TOutsideCase{"PinBetweenRows", FigSetOf<TPin>(31, 2.75, 22.0), 5, ""},
        TOutsideCase{"PinLengthNaN", FigSetOf<TPin>(31, 3.0, NaN), 10, "взята строка 10"},
        TOutsideCase{"SleeveLengthNaN", FigSleeveSet(8.0, NaN), 3, "взята строка 3"},
        TOutsideCase{"DistanceLengthNaN", FigSetOf<TDistanceScrew>(39, 6.0, NaN), 3, "взята строка 3"},
        TOutsideCase{"LeaderPinLength500", FigPinSet(500), 2, "взята строка 2"},
        TOutsideCase{"LeaderPinLength10", FigPinSet(10), 1, "взята строка 1"}),
    [](const testing::TestParamInfo<TOutsideCase>& i) { return std::string(i.param.Label); });

// The base-detail builder refuses sizes that make no solid: false, a message box naming the
// size, and no part file.
struct TRefusedCase {
    const char* Label;
    int Kind;
    std::vector<double> P;
    const char* Told;
};

void PrintTo(const TRefusedCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TRefusedSizeTest : public TRefusalTest, public testing::WithParamInterface<TRefusedCase> {};

TEST_P(TRefusedSizeTest, AnswersFalseTellsTheSizeAndSavesNothing)
{
    const TRefusedCase& c = GetParam();
    std::vector<double> P = c.P;
    P.resize(13, 0.0);
    TString path((Dir.string() + "/").c_str()), name("refused"), marking("");
    ExpectRefused([&] { return drBaseDetail(drApi::MA, path, name, marking, c.Kind, 0, P.data(), false); },
                  c.Told);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TRefusedSizeTest,
    testing::Values(
        TRefusedCase{"HeadNarrowerThanShank", 26, {0, 8, 6, 4, 8, 3, 20, 0.4, 30}, "диаметр головки 6.00"},
        TRefusedCase{"SocketWiderThanHead", 26, {0, 8, 13, 13, 8, 4, 20, 0.4, 30}, "размер под ключ 13.00"},
        TRefusedCase{"SocketDeeperThanHead",
                     33,
                     {0, 8, 30, 20, 0, 13, 8, 6, 0, 0, 8, 0, 0.4},
                     "глубина шестигранника 8.00"},
        // The slot (2 wide, 3 deep) cut through a head no higher than it, on a shank no wider
        // than it, leaves no head: such a screw was built as the bare stub of its shank.
        TRefusedCase{"SlotLeavesNoHeadM1", 34, {0, 1, 3, 0, 0, 1.6, 1, 3}, "высота головки 1.00"},
        TRefusedCase{"SlotLeavesNoHeadM1_1", 34, {0, 1.1, 3, 0, 0, 1.76, 1.1, 3}, "высота головки 1.10"},
        TRefusedCase{"SlotLeavesNoHeadM1_2", 34, {0, 1.2, 3, 0, 0, 1.92, 1.2, 3}, "высота головки 1.20"},
        TRefusedCase{
            "SlotLeavesNoHeadShankAsWideAsSlot", 34, {0, 2, 3, 0, 0, 3.2, 2, 3}, "высота головки 2.00"},
        // Fixed features that do not fit a small part: it would be saved as something else.
        TRefusedCase{"SlotWiderThanHead", 34, {0, 1, 3, 0, 0, 1.5, 3.2, 20}, "диаметр головки 1.50"},
        TRefusedCase{"RecessSpanNoWiderThanItsArms",
                     35,
                     {0, 2, 7.5, 0, 0, 3, 1.5, 0, 0, 0, 0, 1.5, 0.5},
                     "размер 1.50"},
        TRefusedCase{"PlugChamferAcrossTheAxis", 37, {1, 1.3, 2}, "радиус 1.00"},
        TRefusedCase{"PlugChamfersMeet", 37, {3, 1, 2}, "длина 2.00"},
        TRefusedCase{"SocketPastTheEndFace", 37, {3, 3.5, 10}, "размер под ключ 3.50"},
        TRefusedCase{"TangedPlugChamferAcrossTheAxis", 38, {1.5, 0.5, 0.5, 0.3}, "радиус 0.50"},
        TRefusedCase{"TangedPlugChamfersMeet", 38, {2, 10, 10, 6}, "длина 2.00"},
        TRefusedCase{"SlotDeeperThanHead", 34, {0, 3, 10, 0, 0, 5.5, 2.9, 10}, "высота головки 2.90"},
        TRefusedCase{"SetScrewEndChamferAcrossTheAxis", 22, {0, 2, 30, 3, 2, 1}, "диаметр 2.00"},
        TRefusedCase{"SetScrewShankNoLongerThanItsRunout", 22, {0, 8, 10, 12, 8, 4}, "длина 10.00"},
        TRefusedCase{"SetScrewSocketPastTheHead", 22, {0, 8, 30, 12, 8, 11}, "размер под ключ 11.00"},
        TRefusedCase{"CrossScrewEndChamferAcrossTheAxis",
                     35,
                     {0, 2, 7.5, 0, 0, 3, 1.5, 0, 0, 0, 0, 2.5, 0.5},
                     "диаметр 2.00"},
        TRefusedCase{"SocketSetScrewChamferAcrossTheAxis", 25, {0, 2, 0.8, 0.2, 4}, "диаметр 2.00"},
        TRefusedCase{"SocketSetScrewEndChamferPastTheAxis", 25, {0, 10, 4, 5, 20}, "фаска 5.00"},
        TRefusedCase{"SocketSetScrewChamfersMeet", 25, {0, 10, 4, 1, 2}, "длина 2.00"},
        TRefusedCase{"SocketSetScrewSocketPastTheEndFace", 25, {0, 3, 1.2, 0.3, 6}, "размер под ключ 1.20"},
        // The sprue bushing's shank is never below 8 across its radius.
        TRefusedCase{"SprueCollarWithinItsShank", 14, {0, 0, 4, 0.64, 0, 0.32, 3.6, 0.16}, "диаметр 4.00"},
        TRefusedCase{
            "SeatedSprueCollarWithinItsShank", 15, {0, 0, 15, 2.4, 0, 1.2, 13.5, 0.6, 3.6}, "диаметр 15.00"},
        TRefusedCase{"ScrewLengthZero", 33, {0, 8, 0, 20, 0, 13, 8, 6, 0, 0, 4, 0, 0.4}, "длина 0.00"},
        TRefusedCase{"PinDiameterZero", 31, {0, 0, 40, 1}, "диаметр 0.00"},
        TRefusedCase{"PinLengthZero", 31, {0, 10, 0, 1}, "длина 0.00"},
        TRefusedCase{"ChamferPastRadius", 31, {0, 10, 40, 6}, "фаска 6.00"},
        TRefusedCase{"EjectorPinNegativeLength", 12, {0, 6, 10, 4, 0.5, -100}, "длина -100.00"},
        TRefusedCase{"LeaderPinAllZero", 5, {}, "диаметр 0.00"},
        TRefusedCase{"LeaderPinNegativeDiameter", 7, {0, -12, 28, 4, 6, 100}, "диаметр -12.00"},
        TRefusedCase{"NegativeFillet", 33, {0, 8, 30, 20, 0, 13, 8, 6, 0, 0, 4, 0, -0.4}, "радиус -0.40"},
        TRefusedCase{"BoreWiderThanBushing", 2, {0, 30, 25, 32, 6, 4, 20, 40}, "диаметр 25.00"},
        TRefusedCase{"SetScrewLengthNaN", 22, {0, 8, NaN, 12, 8, 4}, "длина nan"},
        // A tang no narrower than its head would stand beside a head cut in two.
        TRefusedCase{"TangWiderThanHeadRadius1", 38, {30, 10, 1, 6}, "ширина 6.00"},
        TRefusedCase{"TangWiderThanHeadRadius2_5", 38, {30, 10, 2.5, 6}, "ширина 6.00"},
        TRefusedCase{"TangAsWideAsHead", 38, {30, 10, 3, 6}, "ширина 6.00"}),
    [](const testing::TestParamInfo<TRefusedCase>& i) { return std::string(i.param.Label); });

// Sizes that pass the rules kind by kind and still make no body are refused at the save, told
// with the part's name and the sizes its kind reads.
INSTANTIATE_TEST_SUITE_P(
    EmptyParts, TRefusedSizeTest,
    testing::Values(
        TRefusedCase{"BoltThreadLength0",
                     32,
                     {0, 50, 10, 0, 0, 6.4, 0, 0, 16},
                     "refused (32: 50.00 10.00 0.00 0.00 6.40 0.00 0.00 16.00 0.00 0.00 0.00)"},
        TRefusedCase{"BoltThreadLength78",
                     32,
                     {0, 50, 10, 78, 0, 6.4, 0, 0, 16},
                     "refused (32: 50.00 10.00 78.00 0.00 6.40 0.00 0.00 16.00 0.00 0.00 0.00)"},
        // Once refused at the save; its socket, cut 1 short of the head's height, is now refused
        // before the build.
        TRefusedCase{"SetScrewHead0_8", 22, {0, 8, 30, 12, 0.8, 4}, "высота головки 0.80"},
        TRefusedCase{"CrossScrewHead0_6",
                     35,
                     {0, 8, 30, 0, 0, 12, 0.6, 0, 0, 0, 0, 6, 2},
                     "refused (35: 8.00 30.00 0.00 0.00 12.00 0.60 0.00 0.00 0.00 0.00 6.00 2.00)"},
        TRefusedCase{"LeaderPinCollar18",
                     6,
                     {0, 20, 20, 28, 18, 4, 6, 100},
                     "refused (6: 20.00 20.00 28.00 18.00 4.00 6.00 100.00)"},
        TRefusedCase{"BushingP6Zero",
                     2,
                     {0, 16, 25, 32, 6, 4, 0, 40},
                     "refused (2: 16.00 25.00 32.00 6.00 4.00 0.00 40.00)"},
        TRefusedCase{"EjectorRodP2_30",
                     20,
                     {0, 20, 30, 16, 15, 15, 10, 100},
                     "refused (20: 20.00 30.00 16.00 15.00 15.00 10.00 100.00)"},
        TRefusedCase{"SprueP7Zero",
                     14,
                     {0, 0, 50, 8, 0, 4, 45, 0},
                     "refused (14: 0.00 50.00 8.00 0.00 4.00 45.00 0.00)"},
        TRefusedCase{"CapScrewThreadNaN",
                     33,
                     {0, 8, 30, NaN, 0, 13, 8, 6, 0, 0, 4, 0, 0.4},
                     "refused (33: 8.00 30.00 nan 0.00 13.00 8.00 6.00 0.00 0.00 4.00 0.00 0.40)"},
        TRefusedCase{"SlottedScrewThreadNaN",
                     34,
                     {0, 8, 30, 0, 0, 13, 8, NaN},
                     "refused (34: 8.00 30.00 0.00 0.00 13.00 8.00 nan)"}),
    [](const testing::TestParamInfo<TRefusedCase>& i) { return std::string(i.param.Label); });

// The spring refuses to be squeezed below its solid height, 9.5 wires for 8 working turns and
// two end turns of 0.75, or wound of no wire, and a length that makes no whole spring: false,
// the size told, no part.
struct TSpringCase {
    const char* Label;
    double D, d, H;
    const char* Told;
};

void PrintTo(const TSpringCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TSpringRefusedTest : public TRefusalTest, public testing::WithParamInterface<TSpringCase> {};

TEST_P(TSpringRefusedTest, AnswersFalseTellsTheSizeAndSavesNothing)
{
    const TSpringCase& c = GetParam();
    const TString file((Dir / "refused.qpt").string().c_str());
    ExpectRefused(
        [&] { return TWiredSpring::dr3D_Spring(drApi::MA, file, c.D, c.d, c.H, TWiredSpring::WorkingTurns); },
        c.Told);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TSpringRefusedTest,
    testing::Values(TSpringCase{"BelowSolidHeight", 40, 2, 18.9, "длина 18.90"},
                    TSpringCase{"NoWire", 40, 0, 50, "диаметр проволоки 0.00"},
                    TSpringCase{"Length1e5", 20, 2, 1e5, "Пружина-  20.00*   2.00 L100000.00"}),
    [](const testing::TestParamInfo<TSpringCase>& i) { return std::string(i.param.Label); });

// A set screw sits in each hole the library gives for it, its head in the seat below the face
// (Z 0) that the countersunk kind 1 has; a cap screw's head sunk into kind 1's counterbore: no
// part of the screw lies in the block, its thread in the nominal hole only touching it.
struct TSeatCase {
    const char* Label;
    int Kind, HoleKind;
    std::vector<double> P;
    double HeadK;      // how deep the head is sunk
    double Sunk = 0.0; // how far the screw's origin lies below the face
};

void PrintTo(const TSeatCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TSetScrewSeatTest : public TStandardPartTest, public testing::WithParamInterface<TSeatCase> {};

TEST_P(TSetScrewSeatTest, ScrewLeavesTheBlockWhole)
{
    const TSeatCase& c = GetParam();
    std::vector<double> P = c.P;
    P.resize(13, 0.0);
    TString path((Dir.string() + "/").c_str()), name("screw"), marking("");
    ASSERT_TRUE(drBaseDetail(drApi::MA, path, name, marking, c.Kind, 0, P.data(), false));
    tvhost::THostDocument3D* doc = Open(TString((Dir / "screw.qpt").string().c_str()));
    ASSERT_NE(doc, nullptr);
    const tvhost::TShape screw = doc->TopPart().PlacedShapes().at(0);
    THoleData hole;
    *hole.Cfg.PInt = c.HoleKind;
    hole.DH = -c.HeadK, hole.Depth = P[2] + c.Sunk;
    ASSERT_TRUE(drBaseGetHole(c.Kind, P.data(), &hole));
    R().IDoc = R().IDoc3D = Host().App().Documents().AddDocument(tvapi::tvDocumentPart, L"block.qpt");
    R().Part = R().IDoc3D->GetTopPart();
    tvhost::THostPart& top = tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc)->TopPart();
    top.AddBody(tvhost::MakeBox({-30, -30, c.Sunk - 60}, 60, 60, 60));
    THole3DParam(drApi::MA).dr3DHole(0, 0, 0, c.Sunk, hole.lF, hole.lL, hole.lR, hole.F1, hole.L, hole.R,
                                     hole.F2, hole.rL, hole.rR, hole.rF);
    const std::vector<tvhost::TShape> block = top.LocalShapes();
    ASSERT_EQ(block.size(), 1u);
    EXPECT_NEAR(tvhost::Volume(tvhost::Combined(tvhost::TBooleanKind::bkCommon, screw, block[0])), 0, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Holes, TSetScrewSeatTest,
    testing::Values(TSeatCase{"HexSocketClearance", 22, 2, {0, 8, 30, 12, 8, 4}, 8},
                    TSeatCase{"HexSocketNominal", 22, 3, {0, 8, 30, 12, 8, 4}, 8},
                    TSeatCase{"CrossRecessClearance", 35, 2, {0, 8, 30, 0, 0, 12, 6, 0, 0, 0, 0, 6, 2}, 6},
                    TSeatCase{"CrossRecessNominal", 35, 3, {0, 8, 30, 0, 0, 12, 6, 0, 0, 0, 0, 6, 2}, 6},
                    TSeatCase{"CapScrewSeat", 33, 1, {0, 8, 30, 20, 0, 13, 8, 6, 0, 0, 4, 0, 0.4}, 8, 8}),
    [](const testing::TestParamInfo<TSeatCase>& i) { return std::string(i.param.Label); });

} // namespace

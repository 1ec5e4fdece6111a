// The standard components against the figures of their standards, on the stand-in host: the cap
// screw's socket takes its key, a screw's length is the length under its head, the locating
// sleeve's threaded hole is drilled at its tap drill, a size outside a table is told, and the
// base-detail builder refuses sizes that make no solid.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "BaseDetail.h"
#include "ComponentHostFixture.h"
#include "DistanceScrew.h"
#include "LeaderPin.h"
#include "LeaderPinBushing.h"
#include "MathDetailsl.h"

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

TBuild FigBaseKind(int kind, std::vector<double> P)
{
    return [=](TDcDetail, const TString& PartFile) mutable {
        P.resize(13, 0.0);
        const std::filesystem::path file(PartFile.PChar());
        TString path((file.parent_path().string() + "/").c_str()), name(file.stem().c_str()), marking("");
        ASSERT_TRUE(drBaseDetail(drApi::MA, path, name, marking, kind, 0, P.data(), false));
    };
}

class TStandardFiguresTest : public TComponentHostFixture, public testing::WithParamInterface<TFigureCase> {
protected:
    // The one body the case builds as the detail of catalogue row `stem`.
    tvhost::TShape Built(const char* stem)
    {
        const TDcDetail id = Present(stem);
        GetParam().Build(id, Model->sfDetail3D(id, 0));
        const std::vector<tvhost::TShape> shapes = Shapes(id);
        return shapes.size() == 1 ? shapes[0] : tvhost::TShape();
    }
    // The share of the box from a to b that the body fills.
    static double Filled(const tvhost::TShape& body, std::array<double, 3> a, std::array<double, 3> b)
    {
        const tvhost::TShape box = tvhost::MakeBox({a[0], a[1], a[2]}, b[0] - a[0], b[1] - a[1], b[2] - a[2]);
        return tvhost::Volume(tvhost::Combined(tvhost::TBooleanKind::bkCommon, body, box)) /
               tvhost::Volume(box);
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
    EXPECT_LT(Filled(body, {a - 0.12, -0.1, floor + 0.1}, {a - 0.02, 0.1, top - 0.1}), 1e-6);
    EXPECT_GT(Filled(body, {a + 0.02, -0.1, floor + 0.1}, {a + 0.12, 0.1, top - 0.1}), 1 - 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Tables, TCapScrewSocketTest,
                         testing::Values(TFigureCase{"M6_Table33", FigScrew(33, 3, 20), 5, 3},
                                         TFigureCase{"M12_Table33", FigScrew(33, 6, 50), 10, 6},
                                         TFigureCase{"M10_Table26", FigScrew(26, 5, 50), 8, 5}),
                         FigCaseName);

// A screw's nominal length is its length under the head: the head stands above the bearing face
// (Z 0) and the shank reaches down the nominal length.
class TScrewLengthTest : public TStandardFiguresTest {};

TEST_P(TScrewLengthTest, ShankIsTheNominalLength)
{
    const tvhost::TShape body = Built("capscrew");
    ASSERT_TRUE(body);
    EXPECT_NEAR(tvhost::BoxOf(body)[2], -GetParam().Figure, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Builders, TScrewLengthTest,
    testing::Values(TFigureCase{"M8x40_Table26", FigScrew(26, 4, 40), 40, 0},
                    TFigureCase{"M8x30_Kind33", FigBaseKind(33, {0, 8, 30, 20, 0, 13, 8, 6, 0, 0, 4, 0, 0.4}),
                                30, 0},
                    TFigureCase{"M8x30_Kind34", FigBaseKind(34, {0, 8, 30, 0, 0, 13, 8, 20}), 30, 0},
                    TFigureCase{"M6x30_Gost11738",
                                [](TDcDetail, const TString& PartFile) {
                                    TCommonGeometry(drApi::MA).dr3D_ScrewGost11738(PartFile, "", "", 6, 10, 5,
                                                                                   6, 3, 30, 18, 0.4);
                                },
                                30, 0}),
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
        TOutsideCase{"PinBetweenRows", FigSetOf<TPin>(31, 2.75, 22.0), 5, ""}),
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

class TRefusedSizeTest : public TComponentHostFixture, public testing::WithParamInterface<TRefusedCase> {};

TEST_P(TRefusedSizeTest, AnswersFalseTellsTheSizeAndSavesNothing)
{
    const TRefusedCase& c = GetParam();
    std::vector<double> P = c.P;
    P.resize(13, 0.0);
    ScriptAnswers({tvapi::tvButtonOk});
    Journal().Clear();
    TString path((Dir.string() + "/").c_str()), name("refused"), marking("");
    EXPECT_FALSE(drBaseDetail(drApi::MA, path, name, marking, c.Kind, 0, P.data(), false));
    EXPECT_FALSE(std::filesystem::exists(Dir / "refused.qpt"));
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Arguments[0], std::string("Деталь не построена: ") + c.Told);
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
        TRefusedCase{"ScrewLengthZero", 33, {0, 8, 0, 20, 0, 13, 8, 6, 0, 0, 4, 0, 0.4}, "длина 0.00"},
        TRefusedCase{"PinDiameterZero", 31, {0, 0, 40, 1}, "диаметр 0.00"},
        TRefusedCase{"PinLengthZero", 31, {0, 10, 0, 1}, "длина 0.00"},
        TRefusedCase{"ChamferPastRadius", 31, {0, 10, 40, 6}, "фаска 6.00"},
        TRefusedCase{"EjectorPinNegativeLength", 12, {0, 6, 10, 4, 0.5, -100}, "длина -100.00"}),
    [](const testing::TestParamInfo<TRefusedCase>& i) { return std::string(i.param.Label); });

} // namespace

// Components refused at their save: the builder answers false, one message box names the size
// (with what was told while the part was built), and no file of the part, nor of its pieces,
// is left behind. A save that fails, at the part's creation or at its end, is refused the same.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "BaseDetail.h"
#include "ComponentHostFixture.h"
#include "DistanceScrew.h"
#include "Fitting.h"
#include "MathDetailsl.h"
#include "TWiredSpring.h"

namespace {

struct TRefusedComponentCase {
    const char* Label;
    const char* Stem; // the catalogue row built
    std::function<void(TDcDetail, const std::string&)> Build;
    std::string Told; // how the one box begins
    std::string Also; // and what it holds further on, if anything
};

void PrintTo(const TRefusedComponentCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TRefusedComponentTest : public TComponentHostFixture,
                              public testing::WithParamInterface<TRefusedComponentCase> {};

TEST_P(TRefusedComponentTest, AnswersFalseInOneBoxAndLeavesNoFile)
{
    const TRefusedComponentCase& c = GetParam();
    const TDcDetail id = Present(c.Stem);
    ScriptAnswers({tvapi::tvButtonOk, tvapi::tvButtonOk, tvapi::tvButtonOk});
    Journal().Clear();
    c.Build(id, Dir.string() + "/");
    EXPECT_TRUE(drApi::MA.drRefused3D());
    for (Integer piece = 0; piece <= 3; ++piece)
        EXPECT_FALSE(std::filesystem::exists(Model->sfDetail3D(id, piece).PChar())) << piece;
    EXPECT_FALSE(std::filesystem::exists(Dir / "refused.qpt"));
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    const std::string& told = boxes[0].Arguments[0];
    EXPECT_EQ(told.rfind(c.Told, 0), 0u) << told;
    EXPECT_NE(told.find(c.Also), std::string::npos) << told;
}

// The assembled distance screw of row 4 (M12 thread, 56 long) with one size spoilt.
std::function<void(TDcDetail, const std::string&)> Assembled(void (*Spoil)(TDistanceScrew&))
{
    return [=](TDcDetail id, const std::string&) {
        TDistanceScrew s(id, &drApi::MA, nullptr);
        s.Set(TDistanceScrew::Type, 4);
        *s.Execution.PInt = 1;
        Spoil(s);
        s.dr3D(0);
    };
}

// The cap screw of table 33, M10 x 30, with one size spoilt.
std::function<void(TDcDetail, const std::string&)> CapScrew(void (*Spoil)(TScrew&))
{
    return [=](TDcDetail id, const std::string&) {
        TScrew s(id, &drApi::MA, nullptr);
        s.Set(33, 5, 30);
        Spoil(s);
        s.dr3D(0);
    };
}

constexpr double Undefined = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Sizes, TRefusedComponentTest,
    testing::Values(
        // The whole assembly goes with a piece that cannot be built, the pieces saved before it
        // too; the box names the piece refused.
        TRefusedComponentCase{"AssembledLengthZero", "distscrew",
                              Assembled([](TDistanceScrew& s) { s.Len = 0; }),
                              "Деталь не построена: Болт 11738 М12.00*-8.00", ""},
        TRefusedComponentCase{"AssembledCollarNegative", "distscrew",
                              Assembled([](TDistanceScrew& s) { s.CollarRadius = -24; }),
                              "Деталь не построена: Шайба -24.00*", ""},
        TRefusedComponentCase{"AssembledCollarTooHigh", "distscrew",
                              Assembled([](TDistanceScrew& s) { s.CollarHeight = 80; }),
                              "Деталь не построена: Болт 11738 М12.00*-24.00", ""},
        TRefusedComponentCase{"AssembledThreadUndefined", "distscrew",
                              Assembled([](TDistanceScrew& s) { s.ThreadRadius = Undefined; }),
                              "Деталь не построена: Болт 11738", "Резьбы нет в ряду"},
        // A listed thread no cap screw standard covers has no head nor socket to build by; the
        // box says so (it once named the part only).
        TRefusedComponentCase{
            "AssembledM7NoCapScrew", "distscrew", Assembled([](TDistanceScrew& s) { s.ThreadRadius = 3.5; }),
            "Деталь не построена: Болт 11738 М7.00", "\nНет стандартных размеров винта M7.00"},
        TRefusedComponentCase{"CapScrewM7NoSocketDepth", "capscrew",
                              CapScrew([](TScrew& s) { s.Radius = 3.5; }),
                              "Деталь не построена: Винт с шестигранным углублением 7.00*30.00",
                              "\nНет стандартных размеров винта M7.00"},
        // A catalogue part is named with its sizes, and a thread the list lacks is told in the
        // same box.
        TRefusedComponentCase{"PinLengthZero", "pin",
                              [](TDcDetail id, const std::string&) {
                                  TPin p(id, &drApi::MA, nullptr);
                                  p.Set(TPin::Type, 3, 20);
                                  p.Len = 0;
                                  p.dr3D(0);
                              },
                              "Деталь не построена: Штифт цилиндрический 6.00*0.00", ""},
        TRefusedComponentCase{"CapScrewDiameterZero", "capscrew", CapScrew([](TScrew& s) { s.Radius = 0; }),
                              "Деталь не построена: Винт с шестигранным углублением 0.00*30.00",
                              "\nРезьбы нет в ряду M0.00"},
        TRefusedComponentCase{"BaseSleeveM11", "pin",
                              [](TDcDetail, const std::string& dir) {
                                  std::vector<double> P{0, 8, 0, 20, 11, 30, 30};
                                  P.resize(13, 0.0);
                                  TString path(dir.c_str()), name("refused"), marking("");
                                  drBaseDetail(drApi::MA, path, name, marking, 3, 0, P.data(), false);
                              },
                              "Деталь не построена: refused (3:", "\nРезьбы нет в ряду M11.00"},
        // A part whose save fails is not built either: its empty file goes.
        TRefusedComponentCase{"SupportSaveFails", "support",
                              [](TDcDetail id, const std::string&) {
                                  TProtectSupport p(id, &drApi::MA, TConstruktor::Empty());
                                  p.ThreadLen = 20, p.ThreadRadius = 6, p.Len = 50, p.Radius = 10, p.Key = 14;
                                  p.LenToKey = Undefined;
                                  p.Design = true;
                                  p.dr3D(0);
                              },
                              "Не удалось сохранить файл", ""}),
    [](const testing::TestParamInfo<TRefusedComponentCase>& i) { return std::string(i.param.Label); });

// Every kind of builder that saves a part, as it answers: its own result, or the facade's.
struct TSavingBuilder {
    const char* Label;
    const char* Stem;
    bool (*Build)(TDcDetail, const std::string&);
};

// Where the save fails: the empty part's save at its creation, or the save that ends it (a
// closing save, or the save before the close).
struct TFailedSaveCase {
    TSavingBuilder Builder;
    const char* Site;
    std::vector<const char*> Faults;
};

void PrintTo(const TFailedSaveCase& c, std::ostream* os)
{
    *os << c.Builder.Label << c.Site;
}

class TBuilderFailedSaveTest : public TComponentHostFixture,
                               public testing::WithParamInterface<TFailedSaveCase> {};

TEST_P(TBuilderFailedSaveTest, AnswersFalseInOneBoxAndLeavesNoFile)
{
    const TFailedSaveCase& c = GetParam();
    const TDcDetail id = Present(c.Builder.Stem);
    for (const char* op : c.Faults)
        InjectFault(op, tvhost::fkFail);
    ScriptAnswers({tvapi::tvButtonOk, tvapi::tvButtonOk});
    Journal().Clear();
    EXPECT_FALSE(c.Builder.Build(id, Dir.string() + "/"));
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Dir))
        EXPECT_TRUE(entry.path().extension() != ".qpt" && entry.path().extension() != ".qas") << entry.path();
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Arguments[0].rfind("Не удалось сохранить файл", 0), 0u) << boxes[0].Arguments[0];
}

const TSavingBuilder SavingBuilders[] = {
    {"BaseDetail", "pin",
     [](TDcDetail, const std::string& dir) {
         std::vector<double> P{0, 16, 25, 32, 6, 4, 20, 40};
         P.resize(13, 0.0);
         TString path(dir.c_str()), name("saved"), marking("");
         return drBaseDetail(drApi::MA, path, name, marking, 2, 0, P.data(), false);
     }},
    {"Spring", "pin",
     [](TDcDetail, const std::string& dir) {
         return TWiredSpring::dr3D_Spring(drApi::MA, TString((dir + "saved.qpt").c_str()), 40, 2, 14, 2);
     }},
    {"ToolboxWasher", "pin",
     [](TDcDetail, const std::string& dir) {
         TCommonGeometry(drApi::MA).dr3D_Shajba(TString((dir + "saved.qpt").c_str()), "", "", 12, 5.5, 3,
                                                0.2);
         return !drApi::MA.drRefused3D();
     }},
    {"CataloguePin", "pin",
     [](TDcDetail id, const std::string&) {
         TPin p(id, &drApi::MA, nullptr);
         p.Set(TPin::Type, 3, 20);
         p.dr3D(0);
         return !drApi::MA.drRefused3D();
     }},
    {"DistanceScrew", "distscrew",
     [](TDcDetail id, const std::string& dir) {
         Assembled([](TDistanceScrew& s) { *s.Execution.PInt = 0; })(id, dir);
         return !drApi::MA.drRefused3D();
     }},
    {"AssembledDistanceScrew", "distscrew",
     [](TDcDetail id, const std::string& dir) {
         Assembled([](TDistanceScrew&) {})(id, dir);
         return !drApi::MA.drRefused3D();
     }},
};

std::vector<TFailedSaveCase> FailedSaves()
{
    std::vector<TFailedSaveCase> cases;
    for (const TSavingBuilder& b : SavingBuilders) {
        cases.push_back({b, "AtCreation", {"ITervanDocument::SaveAs"}});
        cases.push_back({b, "AtTheEnd", {"ITervanDocument::Save", "ITervanDocument::Close"}});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Builders, TBuilderFailedSaveTest, testing::ValuesIn(FailedSaves()),
                         [](const testing::TestParamInfo<TFailedSaveCase>& i) {
                             return std::string(i.param.Builder.Label) + i.param.Site;
                         });

} // namespace

// The check of a part before its save: the part keeps its file only when it holds the bodies its
// builder expects, each one solid as the kernel counts them; otherwise it is closed unsaved, its
// file goes and one box tells the refusal.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostKernel.h"

using drApi::MA;

namespace {

struct TCheckCase {
    const char* Label;
    std::vector<int> Bodies; // the solids of each body, unit cubes 2 mm apart
    Integer Expected;        // the bodies the builder expects
    bool Saved;
};

void PrintTo(const TCheckCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TModelerApiCheck3DTest : public TFacadeFixture, public testing::WithParamInterface<TCheckCase> {};

TEST_P(TModelerApiCheck3DTest, SavesOnlyTheSolidsTheBuilderExpects)
{
    const TCheckCase& c = GetParam();
    const std::string file = testing::TempDir() + "checked_" + c.Label + ".qpt";
    ASSERT_TRUE(MA.drCreate3D(true, true, TString(file.c_str()), "n", "m"));
    auto* doc = tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc);
    ASSERT_TRUE(doc);
    double x = 0;
    for (const int solids : c.Bodies) {
        std::vector<tvhost::TShape> cubes;
        for (int i = 0; i < solids; ++i, x += 3)
            cubes.push_back(tvhost::MakeBox({x, 0, 0}, 1, 1, 1));
        doc->TopPart().AddBody(tvhost::MakeCompound(cubes));
    }
    MA.drExpect3D(c.Expected, "size");
    ScriptAnswers({tvapi::tvButtonOk});
    Journal().Clear();
    MA.drSave3D(true, false);
    EXPECT_EQ(MA.drRefused3D(), !c.Saved);
    EXPECT_EQ(std::filesystem::exists(file), c.Saved);
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    ASSERT_EQ(boxes.size(), c.Saved ? 0u : 1u);
    if (!c.Saved) {
        EXPECT_EQ(boxes[0].Arguments[0], "Деталь не построена: size");
    }
    std::filesystem::remove(file);
}

INSTANTIATE_TEST_SUITE_P(Bodies, TModelerApiCheck3DTest,
                         testing::Values(TCheckCase{"OneSolid", {1}, 1, true},
                                         TCheckCase{"OneBodyOfTwoSolids", {2}, 1, false},
                                         TCheckCase{"TwoSolidsInOneBodyForTwo", {2}, 2, false},
                                         TCheckCase{"TwoBodiesOfOneSolid", {1, 1}, 2, true},
                                         TCheckCase{"TwoBodiesOneOfThreeSolids", {1, 3}, 2, false},
                                         TCheckCase{"TwoBodiesWhereOneIsAsked", {1, 1}, 1, false}),
                         [](const testing::TestParamInfo<TCheckCase>& i) {
                             return std::string(i.param.Label);
                         });

} // namespace

// A stored ring of angles whose loop broke while the drawing was closed, no angle's value
// changed: the opening tells it once with every link of the chain selected, as a changed
// dimension is shown, and stores the chain open.

#include "TDimensionChains.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "ChainSetFixture.h"
#include "FacadeChainHost.h"

namespace broken_ring {

// What is done to the first angle (Dims 0; each angle is followed by its ray segment).
struct TBreakCase {
    const char* Name;
    std::function<void(const tvapi::IAngleDimensionPtr&)> Break;
};

void PrintTo(const TBreakCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TBrokenRingTest : public TChainSetFixture, public testing::WithParamInterface<TBreakCase> {};

TEST_P(TBrokenRingTest, IsToldOnceWithItsLinksSelected)
{
    {
        TDimensionChains S;
        // 30 and 45 round (100, 100) closing on 75, each angle with a segment along its first ray.
        for (const auto& [a1, a2, ray] :
             {std::tuple{0.0, 30.0, 40.0}, {30.0, 75.0, 60.0}, {0.0, 75.0, 80.0}}) {
            const tvapi::IAngleDimensionPtr angle(Angle(a1, a2, 0.1, -0.1));
            angle->SetXc(100);
            angle->SetYc(100);
            const double a = a1 * std::numbers::pi / 180;
            const tvapi::IDrawingObjectPtr segment =
                Segment(100, 100, 100 + ray * std::cos(a), 100 + ray * std::sin(a));
            ASSERT_TRUE(S.DimChains[0].Add(tvapi::IDrawingObjectPtr(angle), segment, FacadeChainHost()));
        }
        ASSERT_TRUE(S.DimChains[0].Closed);
        S.SavetoUserStorage();
    }
    Reopen();
    GetParam().Break(tvapi::IAngleDimensionPtr(Dims.at(0)));
    Dims[0]->Update();
    Journal().Clear();
    TDimensionChains T;
    T.LoadfromUserStorage();
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Изменился размер "}));
    EXPECT_EQ(Journal().Calls("ISelectionManager::UnSelectAll").size(), 1u);
    const tvapi::TervanAPIObjectList selected = drApi::Selector->Selection7->GetSelectedObjects();
    ASSERT_EQ(selected.size(), 6u) << "every angle and its ray";
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_TRUE(selected[k] == Dims[k]) << k;
    EXPECT_FALSE(T.DimChains[0].Closed);
    TDimensionChains U;
    ASSERT_TRUE(U.from(Stored()));
    EXPECT_FALSE(U.DimChains[0].Closed) << "stored open";
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, TBrokenRingTest,
    testing::Values(TBreakCase{"TurnedWhole",
                               [](const tvapi::IAngleDimensionPtr& a) {
                                   a->SetAngle1(15);
                                   a->SetAngle2(45);
                               }},
                    TBreakCase{"VertexMoved", [](const tvapi::IAngleDimensionPtr& a) { a->SetXc(110); }}),
    [](const testing::TestParamInfo<TBreakCase>& p) { return std::string(p.param.Name); });

} // namespace broken_ring

// An angle laid on a circle's link of a closed chain turns the link within its deviations, as
// it turns a linear link: X 110 +-0.1 and a hole of 40 +0.1/0 closing on W, the angle 36.87
// +-30' laid on the hole by picking it onto the link or with the grid's command.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

#include "Panel2DFixture.h"

namespace angle_on_hole {

enum class TRoute { Picked, ByGrid };
enum class TLies { Along, Slanted };

// By hand, at the nominal 40 turned by -+0.5 degrees from T (0 along W, 36.87 slanted, its
// other end taken back by a vertical 24): each method's sums of the parts 110 (0.2 wide), the
// hole (0.1 cos T wide, its middle 0.05 cos T) and the turn 40 (cos(T -+ 0.5) - cos T), a risk
// of 3.0 in the statistical ones.
struct TLaidCase {
    const char* Name;
    TRoute Route;
    TLies Lies;
    const wchar_t* Method;
    double Hi, Lo;
};

void PrintTo(const TLaidCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TAngleOnHoleTest : public TpmDimensionChain2DTest, public testing::WithParamInterface<TLaidCase> {
protected:
    // The hole centred at Centre, its diameter dimension's line at 90 degrees, picked there.
    void PickHole(double X, double Y)
    {
        const tvapi::IDrawingObjectPtr hole = Circle(true, X, Y, 20, 0.1, 0.0);
        tvapi::IDiametralDimensionPtr(hole)->SetAngle(90);
        hole->Update();
        Pick(X, Y + 7);
    }
    void PickLine(double X1, double Y1, double X2, double Y2, double Hi = 0, double Lo = 0)
    {
        Linear(X1, Y1, X2, Y2, Hi, Lo);
        Pick((X1 + X2) / 2, (Y1 + Y2) / 2);
    }
    void PickSegment(double X1, double Y1, double X2, double Y2)
    {
        Segment(X1, Y1, X2, Y2);
        Pick((X1 + X2) / 2, (Y1 + Y2) / 2);
    }
    // Gives W.
    tvapi::IDrawingObjectPtr PickChain(TLies Lies)
    {
        PickLine(0, 0, 110, 0, 0.1, -0.1);
        if (Lies == TLies::Along) {
            PickHole(130, 60);
            PickSegment(110, -45, 150, -45);
        } else {
            PickHole(200, 100);
            PickSegment(300, 0, 332, 24); // the hole laid along (32, 24)
            PickLine(142, -80, 142, -56);
        }
        const double w = Lies == TLies::Along ? 150 : 142;
        const tvapi::IDrawingObjectPtr closing = Linear(0, -200, w, -200);
        Pick(w / 2, -200);
        return closing;
    }
    void LayAngle(TRoute Route, TLies Lies)
    {
        const tvapi::IPropertyControlPtr grid(Panel->grListDimChain);
        if (Route == TRoute::ByGrid) {
            Panel->SelectItem(grid, 2, true);
            Panel->ControlCommand(grid, 3);
        }
        const tvapi::IAngleDimensionPtr angle(Angle(0, 36.86989764584402, 0.5, -0.5));
        angle->SetXc(-100);
        angle->SetYc(-100);
        angle->SetDistance(10);
        const double mid = 18.43494882292201 * std::numbers::pi / 180;
        Pick(-100 + 10 * std::cos(mid), -100 + 10 * std::sin(mid));
        if (Route == TRoute::Picked) Lies == TLies::Along ? Pick(130, 67) : Pick(200, 107);
    }
};

TEST_P(TAngleOnHoleTest, TurnsTheHoleWithinTheAngle)
{
    const TLaidCase& c = GetParam();
    Open();
    if (std::wstring(c.Method) != L"Минимум Максимум") {
        Choose("Способ расчета", c.Method);
        Choose("Коэффициент риска", L"0.27");
    }
    const tvapi::IDrawingObjectPtr w = PickChain(c.Lies);
    ASSERT_TRUE(Panel->Chain().Closed);
    LayAngle(c.Route, c.Lies);
    const TDimensionChain& chain = Panel->Chain();
    ASSERT_TRUE(chain.Closed);
    EXPECT_EQ(Cell(2, rAQHigh) + Cell(2, rAQLow), "30'-30'");
    const TDimension& closing = chain.Dimensions[chain.Count() - 1];
    EXPECT_NEAR(closing.QHigh, c.Hi, 5e-4); // read back from its texts
    EXPECT_NEAR(closing.QLow, c.Lo, 5e-4);
    char texts[32];
    std::snprintf(texts, sizeof texts, "%7.3f|%7.3f", c.Hi, c.Lo);
    std::string shown(texts);
    for (char& ch : shown)
        if (ch == '.') ch = ',';
    EXPECT_EQ(U(Upper(w)) + "|" + U(Lower(w)), shown);
}

constexpr const wchar_t *MinMax = L"Минимум Максимум", *Normal = L"Нормальное распределение",
                        *Simpson = L"Распределение Симпсона", *Equal = L"Равная вероятность";

INSTANTIATE_TEST_SUITE_P(
    Holes, TAngleOnHoleTest,
    testing::Values(
        TLaidCase{"PickedAlongMinMax", TRoute::Picked, TLies::Along, MinMax, 0.198477, -0.101523},
        TLaidCase{"ByGridAlongMinMax", TRoute::ByGrid, TLies::Along, MinMax, 0.198477, -0.101523},
        TLaidCase{"PickedAlongNormal", TRoute::Picked, TLies::Along, Normal, 0.160280, -0.063326},
        TLaidCase{"ByGridAlongSimpson", TRoute::ByGrid, TLies::Along, Simpson, 0.185408, -0.088454},
        TLaidCase{"PickedAlongEqual", TRoute::Picked, TLies::Along, Equal, 0.242126, -0.145172},
        TLaidCase{"PickedSlantedMinMax", TRoute::Picked, TLies::Slanted, MinMax, 0.388218, -0.310655},
        TLaidCase{"ByGridSlantedMinMax", TRoute::ByGrid, TLies::Slanted, MinMax, 0.388218, -0.310655},
        TLaidCase{"ByGridSlantedNormal", TRoute::ByGrid, TLies::Slanted, Normal, 0.274289, -0.196726},
        TLaidCase{"PickedSlantedSimpson", TRoute::Picked, TLies::Slanted, Simpson, 0.327218, -0.249655},
        TLaidCase{"ByGridSlantedEqual", TRoute::ByGrid, TLies::Slanted, Equal, 0.446693, -0.369129}),
    [](const testing::TestParamInfo<TLaidCase>& p) { return std::string(p.param.Name); });

} // namespace angle_on_hole

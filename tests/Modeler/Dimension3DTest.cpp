// The load-time globals: MA is the first facade, the curves place through its stack, and
// ADimension3D is made over the registry and the model variables, drawing through MA; a later
// facade leaves it with MA. Then the records, their byte form, the sorts and the layout with
// worked numbers, through a recording modeller and through the facade into a drawing.

#include "Dimension3D.h"

#include "TAVariable.h"
#include "TRegistrator.h"
#include "drModelerAPI.h"
#include "drTervan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../Facade/FacadeFixture.h"
#include "HostSvg.h"
#include "KmfData.h"
#include "Mtr3D.h"
#include "RecordingModeler.h"
#include "StreamTestUtil.h"

TEST(TADimension3DTest, LoadBuildsTheListOverMAAndASecondFacadeLeavesItThere)
{
    EXPECT_EQ(&ADimension3D.Registrator, &Registrator);
    EXPECT_EQ(&ADimension3D.Variables, &AVariable);
    EXPECT_EQ(ADimension3D.M.Ptr, static_cast<TModeler2D*>(&drApi::MA));
    EXPECT_FALSE(ADimension3D.M.Owner);
    EXPECT_STREQ(ADimension3D.defQuality.PChar(), "h14");
    EXPECT_EQ(drApi::Transf2D, &drApi::MA.R2->Transf2D);
    {
        drApi::TModelerApi second;
    }
    EXPECT_EQ(ADimension3D.M.Ptr, static_cast<TModeler2D*>(&drApi::MA));
}

namespace {

using Calls = std::vector<std::string>;

// A list of its own over a fresh registry, drawing into a recording modeller.
class TADimension3DListTest : public ::testing::Test {
protected:
    TRegistrator Reg;
    TAVariable Vars;
    TRecordingModeler M;
    TADimension3D L{Reg, &M, Vars};
    const TDetailCode Det{42, 0, 3};

    std::vector<std::string> Order() const
    {
        std::vector<std::string> out;
        for (const TDimension3D& d : L.ASizePoint)
            out.push_back(recording::RealText(d.O.x) + "," + recording::RealText(d.O.y) +
                          (d.Exclude ? "x" : ""));
        return out;
    }
};

} // namespace

TEST_F(TADimension3DListTest, LinearRecordsKeepTheirVariableAndLinkVariablesSkipTheUnregistered)
{
    double width = 30, height = 12;
    Reg.Announcement(7, width, "W", "");
    EXPECT_EQ(L.GetDim(7), nullptr);
    L.AddLDim(width, TPoint3D(0, 5, 0), TVector3D(1, 0, 0), TVector3D(0, -1, 0), Det);
    L.AddRDim(height, TPoint3D(1, 1, 0), TVector3D(1, 0, 0), TVector3D(0, 1, 0), Det);
    L.AddLDim(width, TPoint3D(), TVector3D(0, 1, 0), TVector3D(1, 0, 0), TDetailCode(43, 0, 0));
    ASSERT_EQ(L.Count, 3);
    EXPECT_EQ(L[0].Type, TDimension3D::tdLinear);
    EXPECT_EQ(L[0].P12, TPoint3D(30, 5, 0));
    EXPECT_EQ(L[1].Type, TDimension3D::tdRadial);
    EXPECT_EQ(L[1].VId, 0); // height was never registered
    EXPECT_EQ(L.GetDim(7), &L[0]);
    TArrayOf<int> ids;
    ids.Add(99);
    L.GetLinkVars(Det, ids);
    EXPECT_EQ(std::vector<int>(ids.begin(), ids.end()), std::vector<int>{7});

    // A 3D point keeps the formulas of the variables its coordinates live in.
    double x = 4;
    Vars.AddVar("Lx", &x, "");
    L.Add3D(4, 5, tvapi::IModelObjectPtr(), &x, &height, "h14");
    ASSERT_EQ(L.APoint3D.Count, 1);
    EXPECT_EQ(L.APoint3D[0].Type, TDimension3D::tdPoint3D);
    EXPECT_STREQ(L.APoint3D[0].ExpressionX.PChar(), "Lx");
    EXPECT_TRUE(L.APoint3D[0].ExpressionY.Empty());

    // The text point: a linear line 25 along AY past the mapped ends, a radial text V + 2 along AX.
    TMtr3D move;
    move.IdentityMove(100, 0, 0);
    L[0].Evaluate(move);
    L[1].Evaluate(move);
    EXPECT_EQ(L[0].T, TPoint3D(115, -20, 0));
    EXPECT_EQ(L[1].T, TPoint3D(115, 1, 0));
}

TEST_F(TADimension3DListTest, RecordRoundTripsAndOldDecimalDetailCodesAreConverted)
{
    TDimension3D d;
    d.Type = TDimension3D::tdRadial;
    d.Detail2 = Det;
    d.VId = -4;
    d.V = 2.5;
    d.Q = "h7"; // not stored
    d.O.Set(1, 2, 3);
    d.AX.Set(0, 0, 1);
    d.P12.Set(-1, 0, 7);
    TKmfData out;
    d.toStream(out);
    const streamtest::Bytes bytes = streamtest::DataOf(out);
    ASSERT_EQ(bytes.size(), 4 + 4 + 8 + 4 + 5 * 24u);
    EXPECT_EQ(streamtest::Bytes(bytes.begin() + 16, bytes.begin() + 20), streamtest::Ints({3}));
    TKmfData in;
    streamtest::Load(in, bytes);
    TDimension3D back;
    back.fromStream(in);
    EXPECT_EQ(back.Detail2, Det);
    EXPECT_EQ(back.VId, -4);
    EXPECT_EQ(back.V, 2.5);
    EXPECT_EQ(back.Type, TDimension3D::tdRadial);
    EXPECT_EQ(back.O, d.O);
    EXPECT_EQ(back.AX, d.AX);
    EXPECT_EQ(back.P12, d.P12);
    EXPECT_TRUE(back.Q.Empty());

    streamtest::Bytes old = bytes;
    const streamtest::Bytes code = streamtest::Ints({420305});
    std::copy(code.begin(), code.end(), old.begin());
    TKmfData oldIn;
    oldIn.from(streamtest::Blob(90, old));
    back.fromStream(oldIn);
    EXPECT_EQ(back.Detail2.fDC, 42u);
    EXPECT_EQ(back.Detail2.fSuffics, 3u);
    EXPECT_EQ(back.Detail2.fCopy, 0u);
}

TEST_F(TADimension3DListTest, SortsRunRowByRowAndExcludeSharedRows)
{
    for (const TPoint2D& p : {TPoint2D(0, 10), TPoint2D(5, 10.03), TPoint2D(1, 20)})
        L.Add2D(p.x, p.y, Det, TString());
    L.SortY(-1);
    EXPECT_EQ(Order(), (Calls{"1,20", "5,10.03", "0,10x"}));
    L.SortX(1);
    EXPECT_EQ(Order(), (Calls{"5,10.03", "1,20", "0,10"}));
    L.Clear2D(Det);
    ASSERT_EQ(L.ASizePoint.Count, 1);
    EXPECT_EQ(L.ASizePoint[0].Type, TDimension3D::td2DFromZero);
    EXPECT_EQ(Order(), Calls{"0,0"});
}

// Zero line at x = 50: dimension line 7 to its right, texts 7 further; rows 6 apart downwards.
TEST_F(TADimension3DListTest, OrdinateDimensionsOfYStackTheirTextsInRows)
{
    M.R2->DI.cDetail = 42;
    M.R2->DI.cSuffics = 3;
    L.Clear2D(Det);
    L.Add2D(40, 30, Det, TString());
    L.Add2D(20, 12.5, Det, "H7");
    L.Add2D(10, 10, Det, TString());
    L.drDimY(1, 50, 5);
    EXPECT_EQ(Order(), (Calls{"40,30", "20,12.5", "10,10", "50,0", "0,0x"}));
    const Calls texts = M.Texts();
    ASSERT_EQ(texts.size(), 1u + 5 * 2 + 5 + 3 + 3);
    EXPECT_EQ(texts[0], "drCircle(57, 0, 1, 2)");
    EXPECT_EQ(texts[1], "drMacro2D(true)");
    EXPECT_EQ(texts[2],
              "drDimL(30, \"NoSize\", 7, 0, 0, 0, 3, 3, 40, 30, 1, 0, 50, 0, 0, 0, \"\", \"\", \"\")");
    EXPECT_EQ(texts[3], "drLine(57, 30, 64, 30, 2)");
    EXPECT_EQ(texts[4], "drText(64, 27.5, 0, 3.5, 1, 75, \"     30\")");
    EXPECT_EQ(texts[7],
              "drDimL(12.5, \"NoSize\", 7, 0, 0, 0, 3, 3, 20, 12.5, 3, 0, 50, 0, 0, 0, \"\", \"\", \"\")");
    EXPECT_EQ(texts[9], "drText(64, 10, 0, 3.5, 1, 75, \"   12,5H7\")");
    EXPECT_EQ(texts[13], "drLine(57, 10, 64, 6.5, 2)"); // too close to the row above: one row lower
    EXPECT_EQ(texts[17], "drLine(57, 0, 64, 0, 2)");    // the zero points get no dimension and no text
    EXPECT_EQ(texts[20], "drLine(57, 0, 64, -6, 2)");
}

TEST_F(TADimension3DListTest, OrdinateDimensionsOfXTurnTheirTextsUp)
{
    L.Clear2D(Det);
    L.Add2D(30, 40, Det, TString());
    L.drDimX(-1, 60, 5);
    const Calls texts = M.Texts();
    ASSERT_EQ(texts.size(), 1u + 3 * 2 + 3 + 1 + 1);
    EXPECT_EQ(texts[0], "drCircle(0, 53, 1, 2)");
    EXPECT_EQ(texts[2],
              "drDimL(30, \"NoSize\", 0, -7, 0, 0, 3, 3, 30, 40, 1, 0, 0, 60, 0, 0, \"\", \"\", \"\")");
    EXPECT_EQ(texts[3], "drLine(30, 53, 30, 46, 2)");
    EXPECT_EQ(texts[4], "drText(32.5, 30.5, 90, 3.5, 1, 75, \"     30\")"); // 53 - (2.5 * 7 + 5)
}

// The whole layout through the facade: two overall sizes, two axes and the ordinates, as
// dimensions, lines, circles and texts of the active view.
class TADimension3DDrawingTest : public TDrawingFacadeFixture {};

TEST_F(TADimension3DDrawingTest, LayoutDrawsOverallSizesAxesAndOrdinatesIntoTheView)
{
    ADimension3D.Clear2D(TDetailCode());
    ADimension3D.Add2D(20, 10, TDetailCode(), TString());
    ADimension3D.Gabaryt.Set(-10, -5, 20, 10);
    ADimension3D.drDim(0);
    ADimension3D.Clear2D(TDetailCode());
    using namespace tvapi;
    // Overall sizes and axes, then three size points along x and, with one more zero point,
    // four along y: a macro each.
    EXPECT_EQ(Kinds(), (std::vector<int>{tvDrLDimension, tvDrLDimension, tvDrLineSeg, tvDrLineSeg, tvDrCircle,
                                         tvDrMacro, tvDrMacro, tvDrMacro, tvDrCircle, tvDrMacro, tvDrMacro,
                                         tvDrMacro, tvDrMacro}));
    const tvapi::ILineDimensionPtr width(Drawn().front());
    ASSERT_TRUE(width);
    EXPECT_EQ(width->GetX1(), -10);
    EXPECT_EQ(width->GetX2(), 20);
    std::vector<int> first;
    for (const IDrawingObjectPtr& o : tvhost::HostAs<tvhost::THostMacroObject>(Drawn().at(5))->Children())
        first.push_back(Core(o).Type());
    EXPECT_EQ(first, (std::vector<int>{tvDrLDimension, tvDrLineSeg, tvDrDrawingText}));
    std::string svg, error;
    ASSERT_TRUE(tvhost::DrawingSvg(Drawing(), svg, error)) << error;
    EXPECT_NE(svg.find(">     20<"), std::string::npos); // the text of the ordinate x = 20
}

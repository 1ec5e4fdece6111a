// The cursor search of stand-in drawings: what each kind of object offers to the cursor, the
// nearest object winning, the tolerance on both sides, and the descent into macro objects.

#include "HostFind.h"

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostFixture.h"

using drawing_test::Segment;
using drawing_test::TSheet;

class HostFindTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        S = drawing_test::NewSheet(Host().App().Documents());
        Params = tvapi::ITervanDocumentPtr(S.Doc)->GetTervanObject(tvapi::tvObjectFindObjectParameters);
    }
    void TearDown() override
    {
        S = {};
        Params.Reset();
        HostFixture::TearDown();
    }
    tvapi::IDrawingObjectPtr At(double x, double y, double tolerance = tvhost::FindTolerance)
    {
        return S.Doc->FindObject(x, y, tolerance, Params);
    }
    TSheet S;
    tvapi::ITervanAPIObjectPtr Params;
};

TEST_F(HostFindTest, EachKindIsTouchedWhereItIsDrawnAndTheNearestWins)
{
    ASSERT_TRUE(Params);
    const tvapi::IDrawingObjectPtr seg(Segment(S, 0, 0, 40, 0, 1));
    tvapi::ILineDimensionPtr dim = S.Symbols->GetLineDimensions()->Add();
    dim->SetX1(0);
    dim->SetY1(0);
    dim->SetX2(40);
    dim->SetY2(10);
    dim->SetX3(20);
    dim->SetY3(30); // horizontal: the dimension line runs at y = 30 from x = 0 to 40
    dim->SetOrientation(tvapi::tvLinDHorizontal);
    tvapi::ICirclePtr circle = S.Drawing->GetCircles()->Add();
    circle->SetXc(100);
    circle->SetYc(0);
    circle->SetRadius(10);
    tvapi::IDiametralDimensionPtr dia = S.Symbols->GetDiametralDimensions()->Add();
    dia->SetXc(100);
    dia->SetYc(0);
    dia->SetRadius(10);
    dia->SetAngle(90);

    EXPECT_TRUE(At(20, 0.9) == seg);
    EXPECT_FALSE(At(20, 1.1));    // just beyond the tolerance
    EXPECT_FALSE(At(45, 0, 4.9)); // past the segment's end
    EXPECT_TRUE(At(20, 30.5) == tvapi::IDrawingObjectPtr(dim));
    EXPECT_FALSE(At(40, 20)); // the extension lines are not the dimension
    EXPECT_TRUE(At(110.5, 0) == tvapi::IDrawingObjectPtr(circle));
    EXPECT_TRUE(At(100, -5) == tvapi::IDrawingObjectPtr(dia)); // across the circle along 90 degrees
    // Both within the tolerance: the nearer one.
    EXPECT_TRUE(At(100.1, 9.5) == tvapi::IDrawingObjectPtr(dia));
    EXPECT_TRUE(At(100.5, 9.8) == tvapi::IDrawingObjectPtr(circle));
}

TEST_F(HostFindTest, MacroObjectIsFoundWholeAndGivesItsElement)
{
    const tvapi::IMacroObjectPtr macro = S.Drawing->GetMacroObjects()->Add(false);
    const tvapi::IMacroObjectPtr inner = tvapi::IDrawingContainerPtr(macro)->GetMacroObjects()->Add(false);
    const tvapi::IDrawingObjectPtr element(
        Segment({S.Doc, {}, tvapi::IDrawingContainerPtr(inner), {}}, 0, 50, 10, 50, 1));
    const tvapi::IDrawingObjectPtr found = At(5, 50.5);
    EXPECT_TRUE(found == tvapi::IDrawingObjectPtr(macro));
    const tvapi::IDrawingObjectPtr step = macro->FindObject(5, 50.5, 1.0, Params);
    EXPECT_TRUE(step == tvapi::IDrawingObjectPtr(inner));
    EXPECT_TRUE(inner->FindObject(5, 50.5, 1.0, Params) == element);
    EXPECT_FALSE(inner->FindObject(5, 52, 1.0, Params));
    EXPECT_EQ(S.Doc->GetFindTolerance(), tvhost::FindTolerance);
}

TEST_F(HostFindTest, OnlyDrawingsHandOutSearchParameters)
{
    const tvapi::ITervanDocumentPtr text = Host().App().Documents().AddDocument(tvapi::tvDocumentTextual);
    EXPECT_FALSE(text->GetTervanObject(tvapi::tvObjectFindObjectParameters));
    EXPECT_FALSE(
        tvapi::ITervanDocumentPtr(S.Doc)->GetTervanObject(static_cast<tvapi::TervanAPIObjectTypeEnum>(1)));
}

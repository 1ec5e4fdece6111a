// SVG pictures of stand-in drawings: line styles, arc directions, view placement, texts
// with their codes shown as symbols, and dimensions with their values.

#include "HostSvg.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostFixture.h"
#include "HostText.h"

namespace {

using drawing_test::TSheet;

TEST(ShowMarkupTest, CodesBecomeTheirSymbols)
{
    EXPECT_EQ(tvhost::ShowMarkup(L"&01&02&03&04&05 & h14"), L"\u00B0\u2300\u00B1\u00D7&05 & h14");
    EXPECT_EQ(tvhost::ShowMarkup(L"&0"), L"&0");
}

class SvgTest : public HostFixture {};

bool Has(const std::string& svg, const std::string& part)
{
    return svg.find(part) != std::string::npos;
}

tvapi::IArcPtr QuarterArc(const TSheet& s, bool clockwise)
{
    tvapi::IArcPtr arc = s.Drawing->GetArcs()->Add();
    arc->SetRadius(10);
    arc->SetX1(10);
    arc->SetY2(10);
    arc->SetDirection(clockwise);
    arc->SetStyle(tvapi::tvCSNormal);
    return arc;
}

TEST_F(SvgTest, SmallDrawingShowsItsElements)
{
    const std::wstring file = tvhost::FromUtf8(::testing::TempDir() + "small.svg");
    const TSheet s = drawing_test::NewSheet(Host().App().Documents());
    drawing_test::Segment(s, 0, 0, 10, 0, tvapi::tvCSAxial);
    drawing_test::Segment(s, 0, 5, 10, 5, tvapi::tvCSUnvisible);
    QuarterArc(s, false);
    QuarterArc(s, true);
    s.Drawing->GetDrawingTexts()->Add()->GetText()->SetStr(L"30&01 &03 2&04M6");
    const tvapi::IDiametralDimensionPtr dim = s.Symbols->GetDiametralDimensions()->Add();
    dim->SetXc(50);
    dim->SetRadius(10);
    tvapi::IDimensionTextPtr(dim)->SetAutoNominalValue(true);
    tvapi::IDimensionTextPtr(dim)->SetDeviations(0.1, 0);

    const tvapi::IViewPtr view = s.Doc->GetViewsAndLayersManager()->GetViews()->Add(tvapi::vt_Normal);
    view->SetX(100);
    view->SetY(50);
    view->SetScale(2);
    const tvapi::ILineSegmentPtr seg = tvapi::IDrawingContainerPtr(view)->GetLineSegments()->Add();
    seg->SetX2(5);
    seg->SetStyle(tvapi::tvCSThin);

    std::string error;
    ASSERT_TRUE(tvhost::WriteSvgFile(*tvhost::HostAs<tvhost::THostDocument2D>(s.Doc), file, error)) << error;
    std::ostringstream text;
    text << std::ifstream(tvhost::ToUtf8(file)).rdbuf();
    const std::string svg = text.str();

    // Counter-clockwise a quarter, clockwise three quarters; Y turns down in SVG. The second view
    // is placed at (100, 50) with scale 2.
    for (const char* part :
         {R"(<line x1="0" y1="0" x2="10" y2="0" stroke="black" stroke-width="0.25" )"
          R"(stroke-dasharray="6 1.5 1 1.5"/>)",
          "M 10,0 A 10 10 0 0 0 0,-10", "M 10,0 A 10 10 0 1 1 0,-10", "30\u00B0 \u00B1 2\u00D7M6",
          "<g class=\"dimension\">", "\u230020 +0,1/0",
          R"x(marker-start="url(#arrow)" marker-end="url(#arrow)")x",
          R"(<line x1="100" y1="-50" x2="110" y2="-50" stroke="black" stroke-width="0.25"/>)",
          "<g class=\"view\" id=\"view1\">"}) {
        SCOPED_TRACE(part);
        EXPECT_TRUE(Has(svg, part));
    }
    EXPECT_FALSE(Has(svg, R"(y1="-5")"));

    EXPECT_FALSE(tvhost::WriteSvgFile(*tvhost::HostAs<tvhost::THostDocument>(
                                          Host().App().Documents().AddDocument(tvapi::tvDocumentTextual)),
                                      file, error));
    EXPECT_EQ(error, "the document is no drawing or fragment");
}

TEST_F(SvgTest, AnnotationsShowTheirLinesAndTexts)
{
    const TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::ILeaderPtr leader(s.Symbols->GetLeaders()->Add(tvapi::tvDrLeader));
    tvapi::IBranchsPtr(leader)->SetX(10);
    tvapi::IBranchsPtr(leader)->AddBranchByPoint(-1, 0, 0);
    leader->GetTextOnShelf()->SetStr(L"3");
    const tvapi::ICutLinePtr cut = s.Symbols->GetCutLines()->Add();
    cut->SetPoints({0, 20, 30, 20});
    cut->GetText()->SetStr(L"Б");
    const tvapi::IColouringPtr fill = s.Drawing->GetColourings()->Add();
    fill->SetColor(0x0000FF);
    tvapi::IBoundariesObjectPtr(fill)->AddBoundaries(
        {tvapi::IDrawingObjectPtr(s.Drawing->GetCircles()->Add())}, false);
    const tvapi::IAngleDimensionPtr angle = s.Symbols->GetAngleDimensions()->Add(tvapi::tvDrADimension);
    angle->SetDistance(10);
    angle->SetAngle2(90);
    tvapi::IDimensionTextPtr(angle)->SetAutoNominalValue(true);

    std::string svg, error;
    ASSERT_TRUE(tvhost::DrawingSvg(tvhost::HostAs<tvhost::THostDocument2D>(s.Doc)->Drawing(), svg, error));
    // The quarter from 0 to 90 degrees, counter-clockwise at distance 10, shows 90°.
    for (const char* part : {R"x(<line x1="10" y1="0" x2="0" y2="0" stroke="black" stroke-width="0.25" )x"
                             R"x(marker-end="url(#arrow)"/>)x",
                             ">3</tspan>", R"(<polyline class="cut" points="0,-20 30,-20 ")",
                             R"(fill="#ff0000")", "M 10,0 A 10 10 0 0 0 0,-10", "90\u00B0</tspan>"}) {
        SCOPED_TRACE(part);
        EXPECT_TRUE(Has(svg, part));
    }
    // The designation stands at both ends of the cut line.
    const std::string mark = "\u0411</tspan>";
    EXPECT_NE(svg.find(mark), svg.rfind(mark));
}

// Coordinates of 1e61 and more are written digit for digit; a value that overflows on the
// sheet is refused instead of written as text no reader takes.
TEST_F(SvgTest, HugeValuesAreWrittenInFullOrRefused)
{
    const TSheet s = drawing_test::NewSheet(Host().App().Documents());
    drawing_test::Segment(s, 0, 0, 1e61, 0, tvapi::tvCSNormal);
    const tvapi::ICirclePtr circle = s.Drawing->GetCircles()->Add();
    circle->SetRadius(1e300);
    circle->SetStyle(tvapi::tvCSNormal);
    const tvapi::IDrawingTextPtr text = s.Drawing->GetDrawingTexts()->Add();
    text->GetText()->SetStr(L"t");
    tvapi::IDrawingTextPtr(text)->SetHeight(1e300);
    std::string svg, error;
    tvhost::TDrawing2D& drawing = tvhost::HostAs<tvhost::THostDocument2D>(s.Doc)->Drawing();
    ASSERT_TRUE(tvhost::DrawingSvg(drawing, svg, error)) << error;
    const std::size_t x2 = svg.find("x2=\"");
    ASSERT_NE(x2, std::string::npos);
    const std::string end = svg.substr(x2 + 4, svg.find('"', x2 + 4) - x2 - 4);
    EXPECT_EQ(end.size(), 61u);
    EXPECT_EQ(std::strtod(end.c_str(), nullptr), 1e61);
    const std::size_t at = svg.find("r=\"", svg.find("<circle"));
    ASSERT_NE(at, std::string::npos);
    const std::string radius = svg.substr(at + 3, svg.find('"', at + 3) - at - 3);
    EXPECT_EQ(radius.size(), 301u);
    EXPECT_EQ(std::strtod(radius.c_str(), nullptr), 1e300);
    EXPECT_FALSE(Has(svg, std::string(1, '\0')));
    s.View->SetScale(1e300);
    EXPECT_FALSE(tvhost::DrawingSvg(drawing, svg, error));
    EXPECT_EQ(error, "the drawing holds a value too large to draw");
}

} // namespace

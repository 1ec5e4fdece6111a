// SVG pictures of stand-in drawings: line styles, arc directions, view placement, texts
// with their codes shown as symbols, and dimensions with their values.

#include "HostSvg.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <regex>
#include <sstream>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostSvgLayout.h"
#include "HostText.h"
#include "tvapi/Signs.h"

namespace {

using drawing_test::TSheet;

TEST(ShowMarkupTest, CodesBecomeTheirSymbols)
{
    EXPECT_EQ(tvhost::ShowMarkup(L"&01&02&03&04&05 & h14"), L"\u00B0\u2300\u00B1\u00D7&05 & h14");
    EXPECT_EQ(tvhost::ShowMarkup(L"&0"), L"&0");
    // A tilde ends a code and is not shown; elsewhere it is.
    EXPECT_EQ(tvhost::ShowMarkup(L"&04~45&01 2 ~"), L"\u00D745\u00B0 2 ~");
    EXPECT_EQ(tvhost::ShownLength(L"&04~1.25-8g"), 8u);
    // "$...;$" shows the sign it sets apart; a "$" that opens nothing stays.
    EXPECT_EQ(tvhost::ShowMarkup(L" $*;$ Размеры для справок"), L" * Размеры для справок");
    EXPECT_EQ(tvhost::ShowMarkup(L"$5 ;"), L"$5 ;");
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
          "<g class=\"dimension\">", ">\u230020</tspan>", ">+0,1</tspan>",
          R"(<path class="arrow" d="M 60,0 L 57,-0.5 L 57,0.5 Z" fill="black"/>)",
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
    const tvapi::ILeaderPtr pointed(s.Symbols->GetLeaders()->Add(tvapi::tvDrLeader));
    tvapi::IBranchsPtr(pointed)->SetX(10);
    tvapi::IBranchsPtr(pointed)->SetY(50);
    tvapi::IBranchsPtr(pointed)->AddBranchByPoint(-1, 0, 50);
    pointed->SetArrowType(tvapi::tvArrowEnum(1));
    const tvapi::ICutLinePtr cut = s.Symbols->GetCutLines()->Add();
    cut->SetPoints({0, 20, 30, 20});
    cut->GetText()->SetStr(L"Б");
    const tvapi::ICutLinePtr stepped = s.Symbols->GetCutLines()->Add();
    stepped->SetPoints({0, 60, 20, 60, 20, 80, 40, 80});
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
    // The quarter from 0 to 90 degrees, counter-clockwise at distance 10, shows 90° between
    // rays 2 past the arc. A leader ends in an arrow only when asked to. The cut line shows its
    // ends only: a thick stroke 8 long in from each, and an arrow across it 2.5 in.
    for (const char* part :
         {R"(<line x1="10" y1="0" x2="0" y2="0" stroke="black" stroke-width="0.25"/>)",
          R"(<path class="arrow" d="M 0,-50 L 3,-49.5 L 3,-50.5 Z" fill="black"/>)", ">3</tspan>",
          R"(fill="#ff0000")", "M 10,0 A 10 10 0 0 0 0,-10",
          R"(<line x1="0" y1="0" x2="12" y2="0" stroke="black" stroke-width="0.25"/>)",
          R"(<line x1="0" y1="0" x2="0" y2="-12" stroke="black" stroke-width="0.25"/>)", "90\u00B0</tspan>",
          R"(<line x1="0" y1="-20" x2="8" y2="-20" stroke="black" stroke-width="0.7")",
          R"(<line x1="30" y1="-20" x2="22" y2="-20" stroke="black" stroke-width="0.7")",
          R"(<line x1="2.5" y1="-20" x2="2.5" y2="-28" stroke="black" stroke-width="0.25"/>)",
          R"(<path class="arrow" d="M 2.5,-28 L 2,-25 L 3,-25 Z" fill="black"/>)",
          // The stepped line's bend at (20, 60) and (20, 80): 4 along each leg.
          R"(<line x1="20" y1="-60" x2="16" y2="-60" stroke="black" stroke-width="0.7")",
          R"(<line x1="20" y1="-60" x2="20" y2="-64" stroke="black" stroke-width="0.7")",
          R"(<line x1="20" y1="-80" x2="20" y2="-76" stroke="black" stroke-width="0.7")",
          R"(<line x1="20" y1="-80" x2="24" y2="-80" stroke="black" stroke-width="0.7")"}) {
        SCOPED_TRACE(part);
        EXPECT_TRUE(Has(svg, part));
    }
    EXPECT_FALSE(Has(svg, R"(<path class="arrow" d="M 0,0 )")) << "a leader's arrow nobody asked for";
    EXPECT_FALSE(Has(svg, "polyline")) << "the cut line drawn across";
    // The designation stands at both ends of the cut line.
    const std::string mark = "\u0411</tspan>";
    EXPECT_NE(svg.find(mark), svg.rfind(mark));
}

// A character XML does not allow, in a drawing text or a dimension's prefix, is written as U+FFFD.
class SvgCharacterTest : public SvgTest, public ::testing::WithParamInterface<wchar_t> {};
TEST_P(SvgCharacterTest, DisallowedCharacterBecomesReplacement)
{
    const TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const std::wstring text = std::wstring(L"a") + GetParam() + L"b";
    s.Drawing->GetDrawingTexts()->Add()->GetText()->SetStr(text.c_str());
    tvapi::IDimensionTextPtr(s.Symbols->GetDiametralDimensions()->Add())->GetPrefix()->SetStr(text.c_str());
    std::string svg, error;
    ASSERT_TRUE(tvhost::DrawingSvg(tvhost::HostAs<tvhost::THostDocument2D>(s.Doc)->Drawing(), svg, error));
    EXPECT_FALSE(Has(svg, tvhost::ToUtf8(std::wstring(1, GetParam()))));
    EXPECT_TRUE(Has(svg, ">a\uFFFDb</tspan>") && Has(svg, ">a\uFFFDb\u2300"));
}
INSTANTIATE_TEST_SUITE_P(Controls, SvgCharacterTest,
                         ::testing::Values(L'\x01', L'\x1B', L'\x08', L'\x0C', L'\uFFFE', L'\uFFFF'),
                         [](const auto& p) { return "Code" + std::to_string(int(p.param)); });

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

// What a picture shows, read back from its SVG (coordinates as written, Y down): the view box,
// the box of every text, whether it labels a dimension, the arrowheads and the centre lines.
// Text boxes are this test's own estimate: advances of the font's glyphs by kind of
// character and its full ascent and descent, not the picture's rule of thumb.
struct TShown {
    using TPoint = std::array<double, 2>;
    using TPolygon = std::vector<TPoint>;
    double Left = 0, Top = 0, Width = 0, Height = 0;
    std::vector<std::pair<TPolygon, bool>> Texts;
    std::vector<TPolygon> Arrows, Axes;
    // Each dimension text with the dimension group it stands in (from 1; 0 for none), each
    // line of a dimension group by its group, and the thick lines.
    std::vector<int> TextGroup;
    std::vector<std::pair<TPolygon, int>> GroupLines;
    std::vector<TPolygon> Thick;
};

// Advance of a character of DejaVu Sans, in font sizes.
double Advance(char32_t c)
{
    if (c >= U'0' && c <= U'9') return 0.636;
    if (std::u32string_view(U" ,.:;").find(c) != std::u32string_view::npos) return 0.318;
    if (std::u32string_view(U"/-()").find(c) != std::u32string_view::npos) return 0.39;
    if (std::u32string_view(U"+\u00B1\u00D7").find(c) != std::u32string_view::npos) return 0.838;
    if (c == U'\u00B0') return 0.5;
    if ((c >= U'a' && c <= U'z') || (c >= U'\u0430' && c <= U'\u044F')) return 0.66;
    if ((c >= U'A' && c <= U'Z') || (c >= U'\u0410' && c <= U'\u042F')) return 0.75;
    return 1.0;
}

double Attribute(const std::string& element, const std::string& name, double otherwise = 0)
{
    std::smatch m;
    const std::regex pattern(" " + name + "=\"([-0-9.e]+)\"");
    return std::regex_search(element, m, pattern) ? std::stod(m[1]) : otherwise;
}

TShown::TPolygon TextBox(const std::string& element)
{
    const double x = Attribute(element, "x"), y = Attribute(element, "y"),
                 size = Attribute(element, "font-size");
    double width = 0, lines = 0;
    const std::regex tspan(">([^<]*)</tspan>");
    for (auto it = std::sregex_iterator(element.begin(), element.end(), tspan); it != std::sregex_iterator();
         ++it) {
        double w = 0;
        for (char32_t c : tvhost::FromUtf8((*it)[1].str()))
            w += Advance(c) * size;
        width = std::max(width, w);
        ++lines;
    }
    const bool middle = element.find("text-anchor=\"middle\"") != std::string::npos;
    const double left = middle                                                     ? x - width / 2
                        : element.find("text-anchor=\"end\"") != std::string::npos ? x - width
                                                                                   : x;
    const double top = y - 0.93 * size, bottom = y + ((lines - 1) * 1.4 + 0.24) * size;
    TShown::TPolygon box{{left, top}, {left + width, top}, {left + width, bottom}, {left, bottom}};
    std::smatch m;
    if (std::regex_search(element, m, std::regex("rotate\\(([-0-9.e]+) ([-0-9.e]+)[ ,]([-0-9.e]+)\\)"))) {
        const double a = std::stod(m[1]) * std::numbers::pi / 180, cx = std::stod(m[2]), cy = std::stod(m[3]);
        for (auto& [px, py] : box)
            std::tie(px, py) = std::make_pair(cx + (px - cx) * std::cos(a) - (py - cy) * std::sin(a),
                                              cy + (px - cx) * std::sin(a) + (py - cy) * std::cos(a));
    }
    return box;
}

TShown Shown(const std::string& svg)
{
    TShown shown;
    std::smatch m;
    EXPECT_TRUE(std::regex_search(svg, m, std::regex("viewBox=\"(\\S+) (\\S+) (\\S+) (\\S+)\"")));
    if (m.empty()) return shown;
    shown.Left = std::stod(m[1]), shown.Top = std::stod(m[2]), shown.Width = std::stod(m[3]),
    shown.Height = std::stod(m[4]);
    std::istringstream lines(svg);
    bool dimension = false;
    int group = 0;
    const std::regex number("-?[0-9.]+");
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("<g class=\"dimension")) dimension = true, ++group;
        if (line == "</g>") dimension = false;
        if (line.starts_with("<text")) shown.Texts.push_back({TextBox(line), dimension});
        if (line.starts_with("<text")) shown.TextGroup.push_back(dimension ? group : 0);
        const TShown::TPolygon segment{{Attribute(line, "x1"), Attribute(line, "y1")},
                                       {Attribute(line, "x2"), Attribute(line, "y2")}};
        if (line.starts_with("<line") && dimension) shown.GroupLines.push_back({segment, group});
        if (line.starts_with("<line") && line.find("stroke-width=\"0.5\"") != std::string::npos)
            shown.Thick.push_back(segment);
        if (line.starts_with("<line") && line.find("6 1.5 1 1.5") != std::string::npos)
            shown.Axes.push_back({{Attribute(line, "x1"), Attribute(line, "y1")},
                                  {Attribute(line, "x2"), Attribute(line, "y2")}});
        if (!line.starts_with("<path class=\"arrow\"")) continue;
        std::vector<double> v;
        for (auto it = std::sregex_iterator(line.begin(), line.end(), number); it != std::sregex_iterator();
             ++it)
            v.push_back(std::stod(it->str()));
        if (v.size() != 6) ADD_FAILURE() << line;
        if (v.size() == 6) shown.Arrows.push_back({{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}});
    }
    return shown;
}

// Whether two convex polygons (a segment is one) share a point: no edge normal of either
// separates them.
bool Overlap(const TShown::TPolygon& a, const TShown::TPolygon& b)
{
    for (const TShown::TPolygon* p : {&a, &b})
        for (std::size_t i = 0; i < p->size(); ++i) {
            const auto& [x1, y1] = (*p)[i];
            const auto& [x2, y2] = (*p)[(i + 1) % p->size()];
            const double nx = y1 - y2, ny = x2 - x1;
            auto range = [&](const TShown::TPolygon& q) {
                std::pair<double, double> r{INFINITY, -INFINITY};
                for (const auto& [x, y] : q)
                    r = {std::min(r.first, nx * x + ny * y), std::max(r.second, nx * x + ny * y)};
                return r;
            };
            const auto ra = range(a), rb = range(b);
            if (ra.second < rb.first || rb.second < ra.first) return false;
        }
    return true;
}

struct TSamplePicture {
    const char* Name;
    double ArrowLength; // 3 mm at the views' scale
};
void PrintTo(const TSamplePicture& sample, std::ostream* out)
{
    *out << sample.Name;
}

class SamplePictureTest : public HostFixture, public ::testing::WithParamInterface<TSamplePicture> {};

// Every text lies inside the picture's frame; dimension texts stay clear of every arrowhead
// and centre line, of every line of their own dimension and of the thick lines; arrowheads
// have a drafting size.
TEST_P(SamplePictureTest, TextsAreFramedAndClearOfArrowsAndCentreLines)
{
    const std::string file = std::string(DC_SOURCE_DIR "/samples/") + GetParam().Name + ".qdr";
    const tvapi::ITervanDocumentPtr doc = Host().App().Documents().OpenFile(tvhost::FromUtf8(file));
    ASSERT_TRUE(doc);
    auto& core = dynamic_cast<tvhost::TDocumentCore&>(*doc);
    std::string svg, error;
    ASSERT_TRUE(tvhost::DrawingSvg(*core.Drawing2D(), svg, error, &core.Data())) << error;
    const TShown shown = Shown(svg);
    ASSERT_FALSE(shown.Texts.empty());
    EXPECT_FALSE(shown.Arrows.empty());
    for (std::size_t k = 0; k < shown.Texts.size(); ++k) {
        const auto& [box, dimension] = shown.Texts[k];
        SCOPED_TRACE(::testing::Message() << "text box from (" << box[0][0] << ", " << box[0][1] << ")");
        for (const auto& [line, group] : shown.GroupLines)
            EXPECT_FALSE(group == shown.TextGroup[k] && Overlap(box, line))
                << "its dimension's line from " << line[0][0] << ", " << line[0][1];
        for (const TShown::TPolygon& line : shown.Thick)
            EXPECT_FALSE(dimension && Overlap(box, line))
                << "thick line from " << line[0][0] << ", " << line[0][1];
        for (const auto& [x, y] : box) {
            EXPECT_GE(x, shown.Left);
            EXPECT_LE(x, shown.Left + shown.Width);
            EXPECT_GE(y, shown.Top);
            EXPECT_LE(y, shown.Top + shown.Height);
        }
        if (!dimension) continue;
        for (const TShown::TPolygon& arrow : shown.Arrows)
            EXPECT_FALSE(Overlap(box, arrow)) << "arrow at " << arrow[0][0] << ", " << arrow[0][1];
        for (const TShown::TPolygon& axis : shown.Axes)
            EXPECT_FALSE(Overlap(box, axis)) << "centre line from " << axis[0][0] << ", " << axis[0][1];
    }
    for (const TShown::TPolygon& arrow : shown.Arrows)
        EXPECT_NEAR(std::hypot((arrow[1][0] + arrow[2][0]) / 2 - arrow[0][0],
                               (arrow[1][1] + arrow[2][1]) / 2 - arrow[0][1]),
                    GetParam().ArrowLength, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Samples, SamplePictureTest,
                         ::testing::Values(TSamplePicture{"chain", 3.0}, TSamplePicture{"shaft", 3.0},
                                           TSamplePicture{"sheet", 6.0}),
                         [](const auto& p) { return std::string(p.param.Name); });

// Every text turns by a rotate(a) with a in [-90, 90): none reads upside down.
void ExpectUpright(const std::string& svg)
{
    const std::regex rotate("<text [^>]*transform=\"rotate\\((-?[0-9.]+) ");
    for (std::sregex_iterator it(svg.begin(), svg.end(), rotate), end; it != end; ++it) {
        SCOPED_TRACE(it->str());
        EXPECT_GE(std::stod((*it)[1]), -90.0);
        EXPECT_LT(std::stod((*it)[1]), 90.0);
    }
}

// A text turned half a turn is drawn the right way up in the same box; a roughness sign that
// would stand on its head is mirrored across its axis (its legs still below the surface) and
// its value reads from the bottom; a dimension's note follows its suffix.
TEST_F(SvgTest, TextsAndSignsReadFromTheBottomOrTheRight)
{
    const TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::IDrawingTextPtr text = s.Drawing->GetDrawingTexts()->Add();
    text->SetX(50);
    text->SetAngle(180);
    text->GetText()->SetStr(L"upside");
    for (double angle : {180.0, -90.0, 90.0}) {
        const tvapi::IRoughPtr rough = s.Symbols->GetRoughs()->Add();
        rough->SetY(-20);
        tvapi::IRoughParamsPtr(rough)->SetAngle(angle);
        tvapi::IRoughParamsPtr(rough)->GetText1()->SetStr(L"1,6");
    }
    const tvapi::ILineDimensionPtr dim = s.Symbols->GetLineDimensions()->Add();
    dim->SetX2(30);
    dim->SetOrientation(tvapi::tvLinDHorizontal);
    tvapi::IDimensionTextPtr(dim)->SetAutoNominalValue(true);
    tvapi::IDimensionTextPtr(dim)->GetSuffix()->SetStr(L"h14");
    tvapi::IDimensionTextPtr(dim)->GetNote()->SetStr(L"4 отв.");

    std::string svg, error;
    ASSERT_TRUE(tvhost::DrawingSvg(tvhost::HostAs<tvhost::THostDocument2D>(s.Doc)->Drawing(), svg, error));
    ExpectUpright(svg);
    // "upside" (6 glyphs of 0.6 by 3.5) stands 12.6 to the left of (50, 0), from 2.8 below its
    // baseline to 0.875 above: turned, it starts at its box's other end.
    EXPECT_TRUE(Has(svg, R"(<text x="37.4" y="1.925" font-size="3.5" font-family="DejaVu Sans">)")) << svg;
    // The sign at -90 (under a surface) keeps its legs below the tip (0, -20), mirrored so
    // that its long leg stays to the right.
    EXPECT_TRUE(Has(svg, R"(<line x1="0" y1="20" x2="5.8" y2="30")")) << svg;
    EXPECT_TRUE(Has(svg, ">30</tspan>"));
    EXPECT_TRUE(Has(svg, ">h14</tspan>"));
    EXPECT_TRUE(Has(svg, ">4 отв.</tspan>"));
}

// A sign's angle points from the surface to the sign: at 90 it stands upright on a top face, at
// 0 beside an end face on its right; negative line styles are drawn thin (-1 solid, -4
// dashed), beyond -5 not at all, and the break line (5) is thin and solid.
TEST_F(SvgTest, SignsStandOffTheirSurfaceAndNegativeStylesDrawThin)
{
    const TSheet s = drawing_test::NewSheet(Host().App().Documents());
    for (double angle : {90.0, 0.0}) {
        const tvapi::IRoughPtr rough = s.Symbols->GetRoughs()->Add();
        rough->SetX(angle == 0 ? 100 : 0);
        tvapi::IRoughParamsPtr(rough)->SetAngle(angle);
    }
    for (int style : {-1, -4, -6, 5})
        drawing_test::Segment(s, 0, 10 * style, 10, 10 * style, style);
    std::string svg, error;
    ASSERT_TRUE(tvhost::DrawingSvg(tvhost::HostAs<tvhost::THostDocument2D>(s.Doc)->Drawing(), svg, error));
    for (
        const char* part :
        {R"(<line x1="0" y1="0" x2="-2.9" y2="-5" )", R"(<line x1="0" y1="0" x2="5.8" y2="-10" )",
         R"(<line x1="100" y1="0" x2="105" y2="2.9" )", R"(<line x1="100" y1="0" x2="110" y2="-5.8" )",
         R"(<line x1="0" y1="10" x2="10" y2="10" stroke="black" stroke-width="0.25"/>)",
         R"(<line x1="0" y1="40" x2="10" y2="40" stroke="black" stroke-width="0.25" stroke-dasharray="3 1.5"/>)",
         R"(<line x1="0" y1="-50" x2="10" y2="-50" stroke="black" stroke-width="0.25"/>)"}) {
        SCOPED_TRACE(part);
        EXPECT_TRUE(Has(svg, part)) << svg;
    }
    EXPECT_FALSE(Has(svg, R"(y1="60")"));
}

// The letter of a view pointer stands beside its shaft, clear of it, the head at the first
// point; a view's extent is what its picture shows, on the sheet; an empty view has none.
TEST_F(SvgTest, ViewPointersPointAtThePartAndViewsMeasureTheirPicture)
{
    const TSheet s = drawing_test::NewSheet(Host().App().Documents());
    const tvapi::IViewPointerPtr pointer = s.Symbols->GetViewPointers()->Add();
    pointer->SetX2(20);
    pointer->SetXt(12);
    pointer->GetText()->SetStr(L"А");
    std::string svg, error;
    ASSERT_TRUE(tvhost::DrawingSvg(tvhost::HostAs<tvhost::THostDocument2D>(s.Doc)->Drawing(), svg, error));
    EXPECT_TRUE(Has(svg, R"(<path class="arrow" d="M 0,0 L 3,0.5 L 3,-0.5 Z" fill="black"/>)")) << svg;
    // Level, its box from 1 right of (12, 0.5) and 1 above it: the baseline at 1.5 + 0.25 * 5.
    EXPECT_TRUE(Has(svg, R"(<text x="13" y="-2.75" font-size="5")")) << svg;

    const tvapi::IViewsPtr views = s.Doc->GetViewsAndLayersManager()->GetViews();
    const tvapi::IViewPtr view = views->Add(tvapi::vt_Normal);
    double x1 = 1, y1 = 2, x2 = 3, y2 = 4;
    EXPECT_FALSE(view->GetExtent(x1, y1, x2, y2));
    EXPECT_EQ(std::make_tuple(x1, y1, x2, y2), std::make_tuple(1.0, 2.0, 3.0, 4.0));
    view->SetX(100);
    view->SetY(50);
    view->SetScale(2);
    const tvapi::ILineSegmentPtr seg = tvapi::IDrawingContainerPtr(view)->GetLineSegments()->Add();
    seg->SetX2(5);
    seg->SetY2(-3);
    seg->SetStyle(tvapi::tvCSNormal);
    ASSERT_TRUE(view->GetExtent(x1, y1, x2, y2));
    EXPECT_EQ(std::make_tuple(x1, y1, x2, y2), std::make_tuple(100.0, 44.0, 110.0, 50.0));
}

} // namespace

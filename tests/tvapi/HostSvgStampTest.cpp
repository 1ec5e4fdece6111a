// The title block of the sample sheet's picture: its form's grid with thick and thin lines,
// every caption and every filled cell standing in a cell the grid encloses.

#include "HostSvg.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostSvgLayout.h"
#include "HostText.h"

namespace {

// The sample sheet is A3 landscape: the block's lower left corner is 5 + 185 in from the right
// edge (420) and 5 up; the picture turns Y down.
constexpr double BlockX = 420 - 5 - 185, BlockY = 5;

struct TRuleShown {
    double x1, y1, x2, y2;
    bool Thick;
};
struct TTextShown {
    std::string Text;
    tvhost::TTextPlace Place;
    double Height;
};
struct TStampShown {
    std::vector<TRuleShown> Rules;
    std::vector<TTextShown> Texts;
};

// The lines and texts of the picture's title block, in millimetres from its lower left corner.
TStampShown StampOf(const std::string& svg)
{
    const std::size_t from = svg.find("<g class=\"stamp\">"), to = svg.find("</g>", from);
    const std::string group = from == std::string::npos ? std::string() : svg.substr(from, to - from);
    const std::regex line(R"re(<line x1="([-0-9.]+)" y1="([-0-9.]+)" x2="([-0-9.]+)" y2="([-0-9.]+)" )re"
                          R"re(stroke="black" stroke-width="([0-9.]+)")re");
    const std::regex text(R"re(<text x="([-0-9.]+)" y="([-0-9.]+)" font-size="([0-9.]+)"[^>]*?)re"
                          R"re(( text-anchor="middle")?><tspan[^>]*>([^<]*)</tspan></text>)re");
    TStampShown shown;
    for (std::sregex_iterator it(group.begin(), group.end(), line), end; it != end; ++it) {
        const auto at = [&](int i) { return std::stod((*it)[i]); };
        shown.Rules.push_back(
            {at(1) - BlockX, -at(2) - BlockY, at(3) - BlockX, -at(4) - BlockY, (*it)[5] == "0.5"});
    }
    for (std::sregex_iterator it(group.begin(), group.end(), text), end; it != end; ++it)
        shown.Texts.push_back(
            {(*it)[5],
             {{std::stod((*it)[1]) - BlockX, -std::stod((*it)[2]) - BlockY},
              0.0,
              (*it)[4].matched ? tvhost::TTextAnchor::taMiddle : tvhost::TTextAnchor::taStart},
             std::stod((*it)[3])});
    return shown;
}

class StampPictureTest : public HostFixture {
protected:
    TStampShown Shown()
    {
        const tvapi::ITervanDocumentPtr doc =
            Host().App().Documents().OpenFile(tvhost::FromUtf8(DC_SOURCE_DIR "/samples/sheet.qdr"));
        EXPECT_TRUE(doc);
        if (!doc) return {};
        auto& core = dynamic_cast<tvhost::TDocumentCore&>(*doc);
        std::string svg, error;
        EXPECT_TRUE(tvhost::DrawingSvg(*core.Drawing2D(), svg, error, &core.Data())) << error;
        return StampOf(svg);
    }
};

constexpr double Near = 1e-6;

// Whether a line of the grid runs along the whole segment (x1, y1)-(x2, y2), and how thick.
const TRuleShown* Along(const TStampShown& shown, double x1, double y1, double x2, double y2)
{
    for (const TRuleShown& r : shown.Rules) {
        const bool vertical = std::fabs(x1 - x2) < Near;
        const double lo = std::min(vertical ? r.y1 : r.x1, vertical ? r.y2 : r.x2);
        const double hi = std::max(vertical ? r.y1 : r.x1, vertical ? r.y2 : r.x2);
        const bool onLine = vertical ? std::fabs(r.x1 - x1) < Near && std::fabs(r.x2 - x1) < Near
                                     : std::fabs(r.y1 - y1) < Near && std::fabs(r.y2 - y1) < Near;
        if (onLine && lo <= std::min(vertical ? y1 : x1, vertical ? y2 : x2) + Near &&
            hi >= std::max(vertical ? y1 : x1, vertical ? y2 : x2) - Near)
            return &r;
    }
    return nullptr;
}

// A text of the block and the cell it belongs in.
struct TCellCase {
    const char* Name;
    const char* Text;
    double x0, y0, x1, y1;
};
void PrintTo(const TCellCase& c, std::ostream* out)
{
    *out << c.Name;
}

class StampCellTest : public StampPictureTest, public ::testing::WithParamInterface<TCellCase> {};

} // namespace

// The text is shown once with its whole box inside its cell, and grid lines enclose the cell.
TEST_P(StampCellTest, TextStandsInsideItsCellWhichTheGridEncloses)
{
    const TCellCase& c = GetParam();
    const TStampShown shown = Shown();
    int found = 0;
    for (const TTextShown& t : shown.Texts) {
        if (t.Text != c.Text || t.Place.At.X < c.x0 || t.Place.At.X > c.x1 || t.Place.At.Y < c.y0 ||
            t.Place.At.Y > c.y1)
            continue;
        ++found;
        for (const tvhost::TPoint2& p :
             tvhost::TextBox(t.Place, t.Height, 1, tvhost::ShownLength(tvhost::FromUtf8(t.Text)))) {
            EXPECT_GE(p.X, c.x0 - Near);
            EXPECT_LE(p.X, c.x1 + Near);
            EXPECT_GE(p.Y, c.y0 - Near);
            EXPECT_LE(p.Y, c.y1 + Near);
        }
    }
    EXPECT_EQ(found, 1) << "\"" << c.Text << "\" in its cell";
    EXPECT_NE(Along(shown, c.x0, c.y0, c.x1, c.y0), nullptr) << "the cell's bottom";
    EXPECT_NE(Along(shown, c.x0, c.y1, c.x1, c.y1), nullptr) << "the cell's top";
    EXPECT_NE(Along(shown, c.x0, c.y0, c.x0, c.y1), nullptr) << "the cell's left side";
    EXPECT_NE(Along(shown, c.x1, c.y0, c.x1, c.y1), nullptr) << "the cell's right side";
}

INSTANTIATE_TEST_SUITE_P(
    Sample, StampCellTest,
    ::testing::Values(
        TCellCase{"Change", "Изм.", 0, 30, 7, 35}, TCellCase{"ChangedSheet", "Лист", 7, 30, 17, 35},
        TCellCase{"Document", "№ докум.", 17, 30, 40, 35}, TCellCase{"Signature", "Подп.", 40, 30, 55, 35},
        TCellCase{"Date", "Дата", 55, 30, 65, 35}, TCellCase{"Author", "Разраб.", 0, 25, 17, 30},
        TCellCase{"Checker", "Пров.", 0, 20, 17, 25},
        TCellCase{"TechnicalControl", "Т.контр.", 0, 15, 17, 20},
        TCellCase{"StandardsControl", "Н.контр.", 0, 5, 17, 10}, TCellCase{"Approver", "Утв.", 0, 0, 17, 5},
        TCellCase{"Letter", "Лит.", 135, 35, 150, 40}, TCellCase{"MassCaption", "Масса", 150, 35, 167, 40},
        TCellCase{"ScaleCaption", "Масштаб", 167, 35, 185, 40},
        TCellCase{"SheetCaption", "Лист", 135, 15, 155, 20},
        TCellCase{"SheetsCaption", "Листов", 155, 15, 185, 20},
        TCellCase{"Designation", "ДЧ.01.001", 65, 40, 185, 55}, TCellCase{"Name", "Втулка", 65, 15, 135, 40},
        TCellCase{"Material", "Сталь 45 ГОСТ 1050-88", 65, 0, 135, 15},
        TCellCase{"Mass", "  0.296", 150, 20, 167, 35}, TCellCase{"Scale", "2:1", 167, 20, 185, 35},
        TCellCase{"Sheets", "1", 155, 15, 185, 20}, TCellCase{"AuthorName", "Иванов", 17, 25, 40, 30},
        TCellCase{"CheckerName", "Петров", 17, 20, 40, 25}),
    [](const auto& p) { return std::string(p.param.Name); });

// The form's outline and main divisions are thick; the rows of changes and signatures and the
// letter cells thin.
TEST_F(StampPictureTest, MainDivisionsAreThickAndRowsThin)
{
    const TStampShown shown = Shown();
    const struct {
        double x1, y1, x2, y2;
        bool Thick;
    } lines[] = {{0, 0, 185, 0, true},     {0, 55, 185, 55, true},    {0, 0, 0, 55, true},
                 {185, 0, 185, 55, true},  {65, 0, 65, 55, true},     {7, 30, 7, 55, true},
                 {17, 0, 17, 55, true},    {0, 30, 65, 30, true},     {0, 35, 65, 35, true},
                 {65, 40, 185, 40, true},  {135, 0, 135, 40, true},   {65, 15, 185, 15, true},
                 {150, 20, 150, 40, true}, {0, 25, 65, 25, false},    {0, 50, 65, 50, false},
                 {0, 10, 65, 10, false},   {140, 20, 140, 35, false}, {145, 20, 145, 35, false}};
    for (const auto& l : lines) {
        SCOPED_TRACE(::testing::Message()
                     << "(" << l.x1 << ", " << l.y1 << ")-(" << l.x2 << ", " << l.y2 << ")");
        const TRuleShown* r = Along(shown, l.x1, l.y1, l.x2, l.y2);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->Thick, l.Thick);
    }
    // Signatures join the first two columns of the changes.
    EXPECT_EQ(Along(shown, 7, 0, 7, 30), nullptr);
}

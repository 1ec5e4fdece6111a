// The title block of the sample sheet's picture: every caption and filled cell stands in a cell
// its form's grid encloses, the main divisions thick and the rows thin.

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostSvg.h"
#include "HostText.h"

namespace {

// The sample sheet is A3 landscape: the block's lower left corner is at (420 - 5 - 185, 5); the
// picture turns Y down.
constexpr double BlockX = 230, BlockY = 5, Near = 1e-6;

class StampPictureTest : public HostFixture {
protected:
    std::string Stamp()
    {
        const tvapi::ITervanDocumentPtr doc =
            Host().App().Documents().OpenFile(tvhost::FromUtf8(DC_SOURCE_DIR "/samples/sheet.qdr"));
        auto* core = dynamic_cast<tvhost::TDocumentCore*>(doc.Get());
        std::string svg, error;
        EXPECT_TRUE(core && tvhost::DrawingSvg(*core->Drawing2D(), svg, error, &core->Data())) << error;
        const std::size_t from = svg.find("<g class=\"stamp\">");
        return from == std::string::npos ? std::string() : svg.substr(from, svg.find("</g>", from) - from);
    }
    // The width (0.5 thick, 0.25 thin) of a line of the block running along the whole segment
    // (x1, y1)-(x2, y2), horizontal or vertical, in millimetres from its corner; "" for none.
    static std::string Along(const std::string& stamp, double x1, double y1, double x2, double y2)
    {
        const std::regex line(R"re(<line x1="([-0-9.]+)" y1="([-0-9.]+)" x2="([-0-9.]+)" y2="([-0-9.]+)" )re"
                              R"re(stroke="black" stroke-width="([0-9.]+)")re");
        const bool vertical = std::fabs(x1 - x2) < Near;
        for (std::sregex_iterator it(stamp.begin(), stamp.end(), line), end; it != end; ++it) {
            const double a[] = {std::stod((*it)[1]) - BlockX, -std::stod((*it)[2]) - BlockY,
                                std::stod((*it)[3]) - BlockX, -std::stod((*it)[4]) - BlockY};
            const int at = vertical ? 0 : 1, along = 1 - at;
            if (std::fabs(a[at] - (vertical ? x1 : y1)) > Near || std::fabs(a[at + 2] - a[at]) > Near)
                continue;
            const double lo = vertical ? std::min(y1, y2) : std::min(x1, x2);
            const double hi = vertical ? std::max(y1, y2) : std::max(x1, x2);
            if (std::min(a[along], a[along + 2]) <= lo + Near &&
                std::max(a[along], a[along + 2]) >= hi - Near)
                return (*it)[5];
        }
        return {};
    }
};

struct TCellCase {
    const char* Name;
    const char* Text;
    double x0, y0, x1, y1; // the cell, from the block's lower left corner
};

class StampCellTest : public StampPictureTest, public ::testing::WithParamInterface<TCellCase> {};

} // namespace

// The text's anchor (its start, or its middle when centred) lies in its cell, once; grid lines
// enclose the cell.
TEST_P(StampCellTest, TextStandsInACellTheGridEncloses)
{
    const TCellCase& c = GetParam();
    const std::string stamp = Stamp();
    const std::regex text(R"re(<text x="([-0-9.]+)" y="([-0-9.]+)"[^>]*><tspan[^>]*>([^<]*)</tspan>)re");
    int found = 0;
    for (std::sregex_iterator it(stamp.begin(), stamp.end(), text), end; it != end; ++it) {
        const double x = std::stod((*it)[1]) - BlockX, y = -std::stod((*it)[2]) - BlockY;
        found += (*it)[3] == c.Text && x > c.x0 && x < c.x1 && y > c.y0 && y < c.y1;
    }
    EXPECT_EQ(found, 1) << c.Text;
    EXPECT_NE(Along(stamp, c.x0, c.y0, c.x1, c.y0), "") << "bottom";
    EXPECT_NE(Along(stamp, c.x0, c.y1, c.x1, c.y1), "") << "top";
    EXPECT_NE(Along(stamp, c.x0, c.y0, c.x0, c.y1), "") << "left";
    EXPECT_NE(Along(stamp, c.x1, c.y0, c.x1, c.y1), "") << "right";
}

INSTANTIATE_TEST_SUITE_P(
    Sample, StampCellTest,
    ::testing::Values(
        TCellCase{"Change", "Изм.", 0, 30, 7, 35}, TCellCase{"ChangedSheet", "Лист", 7, 30, 17, 35},
        TCellCase{"Document", "№ докум.", 17, 30, 40, 35}, TCellCase{"Signature", "Подп.", 40, 30, 55, 35},
        TCellCase{"Date", "Дата", 55, 30, 65, 35}, TCellCase{"Author", "Разраб.", 0, 25, 17, 30},
        TCellCase{"Checker", "Пров.", 0, 20, 17, 25}, TCellCase{"Technical", "Т.контр.", 0, 15, 17, 20},
        TCellCase{"Standards", "Н.контр.", 0, 5, 17, 10}, TCellCase{"Approver", "Утв.", 0, 0, 17, 5},
        TCellCase{"Letter", "Лит.", 135, 35, 150, 40}, TCellCase{"MassCaption", "Масса", 150, 35, 167, 40},
        TCellCase{"ScaleCaption", "Масштаб", 167, 35, 185, 40}, TCellCase{"Sheet", "Лист", 135, 15, 155, 20},
        TCellCase{"Sheets", "Листов", 155, 15, 185, 20},
        TCellCase{"Designation", "ДЧ.01.001", 65, 40, 185, 55}, TCellCase{"Name", "Втулка", 65, 15, 135, 40},
        TCellCase{"Material", "Сталь 45 ГОСТ 1050-88", 65, 0, 135, 15},
        TCellCase{"Mass", "  0.296", 150, 20, 167, 35}, TCellCase{"Scale", "2:1", 167, 20, 185, 35},
        TCellCase{"SheetCount", "1", 155, 15, 185, 20}, TCellCase{"AuthorName", "Иванов", 17, 25, 40, 30}),
    [](const auto& p) { return std::string(p.param.Name); });

// The outline, the columns, the heading's lines and the block's main divisions are thick; rows of
// changes and signatures and the letter cells thin; the signatures span the first two columns.
TEST_F(StampPictureTest, MainDivisionsAreThickAndRowsThin)
{
    const std::string stamp = Stamp();
    for (const auto& [x1, y1, x2, y2, width] : {std::tuple{0., 0., 185., 0., "0.5"},
                                                {185, 0, 185, 55, "0.5"},
                                                {7, 30, 7, 55, "0.5"},
                                                {17, 0, 17, 55, "0.5"},
                                                {0, 30, 65, 30, "0.5"},
                                                {0, 35, 65, 35, "0.5"},
                                                {65, 40, 185, 40, "0.5"},
                                                {135, 0, 135, 40, "0.5"},
                                                {0, 25, 65, 25, "0.25"},
                                                {0, 50, 65, 50, "0.25"},
                                                {140, 20, 140, 35, "0.25"},
                                                {7, 0, 7, 30, ""}})
        EXPECT_EQ(Along(stamp, x1, y1, x2, y2), width) << x1 << ", " << y1 << " - " << x2 << ", " << y2;
}

// The title block of the SVG pictures: the 185 x 55 form of a drawing's first sheet with its
// grid, captions and the texts of its cells.
#include "HostSvgWriter.h"

#include <algorithm>

#include "HostSheets.h"

namespace tvhost::svg {

namespace {

enum class TStampWeight { Thin, Thick };
struct TStampRule {
    TStampSpan At; // a horizontal or vertical line from (x0, y0) to (x1, y1)
    TStampWeight Weight;
};

// The grid. Left part: columns 7, 10, 23, 15, 10 wide and eleven rows of 5: four rows of
// changes, their heading, and the six rows of signatures (the first column joined with the
// second there). Right part: the designation (15 high) over the name (25) and the material
// (15); beside them the letter, mass and scale captions (5) over their cells (15), the sheet
// row (5) and the organisation (15).
constexpr TStampRule StampRules[] = {
    {{7, 30, 7, 55}, TStampWeight::Thick},     {{17, 0, 17, 55}, TStampWeight::Thick},
    {{40, 0, 40, 55}, TStampWeight::Thick},    {{55, 0, 55, 55}, TStampWeight::Thick},
    {{65, 0, 65, 55}, TStampWeight::Thick},    {{0, 30, 65, 30}, TStampWeight::Thick},
    {{0, 35, 65, 35}, TStampWeight::Thick},    {{0, 5, 65, 5}, TStampWeight::Thin},
    {{0, 10, 65, 10}, TStampWeight::Thin},     {{0, 15, 65, 15}, TStampWeight::Thin},
    {{0, 20, 65, 20}, TStampWeight::Thin},     {{0, 25, 65, 25}, TStampWeight::Thin},
    {{0, 40, 65, 40}, TStampWeight::Thin},     {{0, 45, 65, 45}, TStampWeight::Thin},
    {{0, 50, 65, 50}, TStampWeight::Thin},     {{65, 40, 185, 40}, TStampWeight::Thick},
    {{135, 0, 135, 40}, TStampWeight::Thick},  {{65, 15, 185, 15}, TStampWeight::Thick},
    {{135, 35, 185, 35}, TStampWeight::Thick}, {{135, 20, 185, 20}, TStampWeight::Thick},
    {{150, 20, 150, 40}, TStampWeight::Thick}, {{167, 20, 167, 40}, TStampWeight::Thick},
    {{140, 20, 140, 35}, TStampWeight::Thin},  {{145, 20, 145, 35}, TStampWeight::Thin},
    {{155, 15, 155, 20}, TStampWeight::Thick}};

// A caption in its cell: centred, or from the cell's left (a signature's role, the sheet row's).
struct TStampCaption {
    const wchar_t* Text;
    TStampSpan Cell;
    bool Centred;
};
constexpr double StampCaptionHeight = 2.5;
constexpr double StampCaptionInset = 1.0;
constexpr TStampCaption StampCaptions[] = {
    {L"Изм.", {0, 30, 7, 35}, true},        {L"Лист", {7, 30, 17, 35}, true},
    {L"№ докум.", {17, 30, 40, 35}, true},  {L"Подп.", {40, 30, 55, 35}, true},
    {L"Дата", {55, 30, 65, 35}, true},      {L"Разраб.", {0, 25, 17, 30}, false},
    {L"Пров.", {0, 20, 17, 25}, false},     {L"Т.контр.", {0, 15, 17, 20}, false},
    {L"Н.контр.", {0, 5, 17, 10}, false},   {L"Утв.", {0, 0, 17, 5}, false},
    {L"Лит.", {135, 35, 150, 40}, true},    {L"Масса", {150, 35, 167, 40}, true},
    {L"Масштаб", {167, 35, 185, 40}, true}, {L"Лист", {135, 15, 155, 20}, false},
    {L"Листов", {155, 15, 185, 20}, false}};

// Where a cell's text stands, centred in the room given, at most `h` high.
struct TStampCellPlace {
    int Cell;
    TStampSpan Room;
    double h;
};
constexpr TStampCellPlace StampCellPlaces[] = {
    {tvapi::tvStDescription, {65, 40, 185, 55}, 5},
    {tvapi::tvStPartNumber, {65, 15, 135, 40}, 5},
    {tvapi::tvStMaterial, {65, 0, 135, 15}, 3.5},
    {tvapi::tvStDocumentLetter1, {135, 20, 140, 35}, 3.5},
    {tvapi::tvStDocumentLetter2, {140, 20, 145, 35}, 3.5},
    {tvapi::tvStDocumentLetter3, {145, 20, 150, 35}, 3.5},
    {tvapi::tvStMass, {150, 20, 167, 35}, 3.5},
    {tvapi::tvStScale, {167, 20, 185, 35}, 3.5},
    {tvapi::tvStSheetNumber, {143, 15, 155, 20}, 2.5},
    {tvapi::tvStNumberOfSheets, {167, 15, 185, 20}, 2.5},
    {tvapi::tvStCompany, {135, 0, 185, 15}, 3.5},
    {tvapi::tvStAuthor, {17, 25, 40, 30}, 2.5},
    {tvapi::tvStCheckedBy, {17, 20, 40, 25}, 2.5},
    {tvapi::tvStMfgApprovedBy, {17, 15, 40, 20}, 2.5},
    {tvapi::tvStDesigner, {17, 10, 40, 15}, 2.5},
    {tvapi::tvStRateOfInspection, {17, 5, 40, 10}, 2.5},
    {tvapi::tvStApprovedBy, {17, 0, 40, 5}, 2.5},
    {tvapi::tvStEndDesignDate, {55, 25, 65, 30}, 2.5},
    {tvapi::tvStCheckedDate, {55, 20, 65, 25}, 2.5},
    {tvapi::tvStMfgApprovedDate, {55, 15, 65, 20}, 2.5},
    {tvapi::tvStExecutionDate, {55, 10, 65, 15}, 2.5},
    {tvapi::tvStRateOfInspectionDate, {55, 5, 65, 10}, 2.5},
    {tvapi::tvStApprovedDate, {55, 0, 65, 5}, 2.5},
    // In the margin under the block, as a sheet's format is written.
    {tvapi::tvStFormat, {135, -5, 185, 0}, 2.5}};

// Room a cell's text keeps to the cell's sides.
constexpr double StampCellInset = 1.0;
// The baseline of a text centred upright in a box: its letters reach 0.8 of the height above
// and 0.25 below.
constexpr double StampCentringDrop = 0.275;

} // namespace

void TSvgWriter::Stamp(const THostStamp& stamp, TXY corner)
{
    const std::string thin = StrokeOf(tvapi::tvCSThin), thick = StrokeOf(tvapi::tvCSNormal);
    Body << "<g class=\"stamp\">\n";
    Rect(corner, corner + TXY{StampWidth, StampHeight}, thick);
    for (const TStampRule& rule : StampRules)
        Body << Line(corner + TXY{rule.At.x0, rule.At.y0}, corner + TXY{rule.At.x1, rule.At.y1},
                     rule.Weight == TStampWeight::Thick ? thick : thin);
    for (const TStampCaption& caption : StampCaptions)
        CellText(corner, caption.Cell, StampCaptionHeight, caption.Text, caption.Centred);
    for (const TStampCellPlace& place : StampCellPlaces)
        if (const std::wstring text = stamp.CellStr(place.Cell); !text.empty())
            CellText(corner, place.Room, place.h, text, true);
    Body << "</g>\n";
}

// A text too long for its cell is set smaller, as a draftsman narrows it.
void TSvgWriter::CellText(TXY corner, const TStampSpan& cell, double h, const std::wstring& text,
                          bool centred)
{
    const double room = cell.x1 - cell.x0 - 2 * StampCellInset;
    const double fit = std::min(h, room / TextWidth(std::max<std::size_t>(ShownLength(text), 1), 1.0));
    const double baseline = (cell.y0 + cell.y1) / 2 - StampCentringDrop * fit;
    const TTextPlace place =
        centred ? TTextPlace{corner + TXY{(cell.x0 + cell.x1) / 2, baseline}, 0.0, TTextAnchor::taMiddle}
                : TTextPlace{corner + TXY{cell.x0 + StampCaptionInset, baseline}, 0.0, TTextAnchor::taStart};
    Text(place, fit, {text});
}

} // namespace tvhost::svg

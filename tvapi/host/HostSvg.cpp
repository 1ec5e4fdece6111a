// SVG pictures of stand-in 2D documents.
#include "HostSvg.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "HostDocuments.h"
#include "HostFileIo.h"
#include "HostPoint2.h"
#include "HostSvgLayout.h"
#include "HostSvgWriter.h"
#include "HostText.h"

namespace tvhost {

namespace svg {

// Room for the largest double in fixed notation with three decimals, and its sign.
constexpr std::size_t NumBufferSize = std::numeric_limits<double>::max_exponent10 + 8;

std::string Num(double v)
{
    if (!std::isfinite(v)) throw TNotDrawable();
    if (std::fabs(v) < 0.0005) return "0";
    char buffer[NumBufferSize];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 3);
    if (r.ec != std::errc()) throw TNotDrawable();
    std::string text(buffer, r.ptr);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

std::int64_t ThinStyle(std::int64_t style)
{
    return style == tvapi::tvCSNormal ? std::int64_t{tvapi::tvCSThin} : style;
}

double StrokeWidth(std::string_view stroke)
{
    static constexpr std::string_view Key = "stroke-width=\"";
    const std::size_t at = stroke.find(Key);
    if (at == std::string_view::npos) return 0.0;
    double width = 0.0;
    const char* first = stroke.data() + at + Key.size();
    std::from_chars(first, stroke.data() + stroke.size(), width);
    return width;
}

// Whether XML 1.0 allows character `c` in a text: no C0 control but tab, line feed and
// carriage return, no surrogate, neither U+FFFE nor U+FFFF.
bool XmlAllows(wchar_t c)
{
    const auto u = static_cast<char32_t>(c);
    if (u < 0x20) return u == 0x9 || u == 0xA || u == 0xD;
    return (u < 0xD800 || u > 0xDFFF) && u != 0xFFFE && u != 0xFFFF && u <= 0x10FFFF;
}

std::string Escape(std::wstring_view text)
{
    std::wstring allowed(text);
    std::replace_if(
        allowed.begin(), allowed.end(), [](wchar_t c) { return !XmlAllows(c); }, L'\uFFFD');
    std::string out;
    for (char c : ToUtf8(allowed)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string StrokeOf(std::int64_t style)
{
    // A negative style is the line of its magnitude drawn thin: an edge line (chamfers,
    // shoulders, grooves, thread roots) or a hidden line (tapped holes, sockets).
    if (style < 0) return style < -tvapi::tvCSBrokenLine ? std::string() : StrokeOf(ThinStyle(-style));
    switch (style) {
    case tvapi::tvCSNormal:
        return R"(stroke="black" stroke-width="0.5")";
    case tvapi::tvCSThin:
        return R"(stroke="black" stroke-width="0.25")";
    case tvapi::tvCSAxial:
        return R"(stroke="black" stroke-width="0.25" stroke-dasharray="6 1.5 1 1.5")";
    case tvapi::tvCSDashed:
        return R"(stroke="black" stroke-width="0.25" stroke-dasharray="3 1.5")";
    case tvapi::tvCSBrokenLine:
        return R"(stroke="black" stroke-width="0.25")";
    default:
        return {};
    }
}

void TSvgWriter::Curve(TDrawingCore& core)
{
    const TParams& p = core.Params();
    const std::string stroke = StrokeOf(p.Int("Style"));
    if (stroke.empty()) return;
    const TXY c{p.Real("Xc"), p.Real("Yc")};
    switch (core.Type()) {
    case tvapi::tvDrLineSeg:
        Body << Line({p.Real("X1"), p.Real("Y1")}, {p.Real("X2"), p.Real("Y2")}, stroke);
        break;
    case tvapi::tvDrCircle: {
        const TXY s = Sheet(c);
        Sheet(c + TXY{p.Real("Radius"), p.Real("Radius")});
        Sheet(c - TXY{p.Real("Radius"), p.Real("Radius")});
        Body << "<circle cx=\"" << Num(s.X) << "\" cy=\"" << Num(-s.Y) << "\" r=\""
             << Num(std::fabs(p.Real("Radius")) * FScale) << "\" fill=\"none\" " << stroke << "/>\n";
        const TXY start = c + TXY{std::fabs(p.Real("Radius")), 0};
        NoteArc(c, p.Real("Radius"), start, start, false, stroke, true);
        break;
    }
    case tvapi::tvDrArc: {
        const TXY a{p.Real("X1"), p.Real("Y1")}, b{p.Real("X2"), p.Real("Y2")};
        Body << "<path d=\"M " << XY(a) << " " << ArcPath(c, p.Real("Radius"), a, b, p.Flag("Direction"))
             << "\" fill=\"none\" " << stroke << "/>\n";
        NoteArc(c, p.Real("Radius"), a, b, p.Flag("Direction"), stroke);
        break;
    }
    default: {
        const TXY s = Sheet(c);
        Sheet(c + TXY{p.Real("A"), p.Real("A")});
        Sheet(c - TXY{p.Real("A"), p.Real("A")});
        Body << "<ellipse cx=\"" << Num(s.X) << "\" cy=\"" << Num(-s.Y) << "\" rx=\""
             << Num(p.Real("A") * FScale) << "\" ry=\"" << Num(p.Real("B") * FScale)
             << "\" transform=\"rotate(" << Num(-(p.Real("Angle") + FAngle / Degree)) << " " << Num(s.X)
             << " " << Num(-s.Y) << ")\" fill=\"none\" " << stroke << "/>\n";
    }
    }
}

// The boundary curves chained end to start into closed subpaths.
std::string TSvgWriter::Outline(const tvapi::DrawingObjectList& boundaries)
{
    struct TPiece {
        const TParams* P;
        bool Circle;
    };
    std::vector<TPiece> left;
    for (const tvapi::IDrawingObjectPtr& b : boundaries)
        if (auto* core = dynamic_cast<TDrawingCore*>(b.Get()))
            left.push_back({&core->Params(), core->Type() == tvapi::tvDrCircle});
    std::string d;
    TXY end;
    bool open = false;
    auto near = [](TXY a, TXY b) {
        return std::fabs(a.X - b.X) <= JoinTolerance && std::fabs(a.Y - b.Y) <= JoinTolerance;
    };
    while (!left.empty()) {
        auto next = std::find_if(left.begin(), left.end(), [&](const TPiece& piece) {
            return open && !piece.Circle &&
                   (near({piece.P->Real("X1"), piece.P->Real("Y1")}, end) ||
                    near({piece.P->Real("X2"), piece.P->Real("Y2")}, end));
        });
        if (next == left.end()) next = left.begin();
        const TParams& p = *next->P;
        const TXY c{p.Real("Xc"), p.Real("Yc")};
        if (next->Circle) {
            const double r = p.Real("Radius");
            d += "M " + XY(c + TXY{r, 0}) + " " + ArcPath(c, r, c + TXY{r, 0}, c - TXY{r, 0}, false) + " " +
                 ArcPath(c, r, c - TXY{r, 0}, c + TXY{r, 0}, false) + " Z ";
            open = false;
        } else {
            TXY a{p.Real("X1"), p.Real("Y1")}, b{p.Real("X2"), p.Real("Y2")};
            bool clockwise = p.Flag("Direction");
            const bool reversed = open && near(b, end) && !near(a, end);
            if (reversed) std::swap(a, b), clockwise = !clockwise;
            if (!open || !near(a, end)) d += "M " + XY(a) + " ";
            d += p.Has("Radius") ? ArcPath(c, p.Real("Radius"), a, b, clockwise) + " " : "L " + XY(b) + " ";
            end = b;
            open = true;
        }
        left.erase(next);
    }
    return d + (open ? "Z" : "");
}

void TSvgWriter::Fill(TDrawingCore& core, const std::string& paint)
{
    const std::string d = Outline(core.Boundaries());
    if (d.empty()) return;
    Body << "<path class=\"" << (core.Type() == tvapi::tvDrHatch ? "hatch" : "colouring") << "\" d=\"" << d
         << "\" fill=\"" << paint << "\" fill-rule=\"evenodd\" stroke=\"none\"/>\n";
}

namespace {

// A sheet's width and height for its standard format (0 the largest) and orientation;
// false for a format the host does not know.
bool SheetSize(const TSheetSetup& setup, double& w, double& h)
{
    static constexpr double Portrait[][2] = {{840, 1186}, {594, 840}, {420, 594}, {297, 420}, {210, 297}};
    if (setup.Format < 0 || setup.Format >= static_cast<int>(std::size(Portrait))) return false;
    w = Portrait[setup.Format][setup.Landscape ? 1 : 0];
    h = Portrait[setup.Format][setup.Landscape ? 0 : 1];
    return true;
}

} // namespace

void TSvgWriter::SheetOf(const TDocumentData& data)
{
    SetSheet();
    double w = 0.0, h = 0.0;
    if (!data.Sheets.Items.empty() && data.Sheets.Items[0]->Setup().Set &&
        SheetSize(data.Sheets.Items[0]->Setup(), w, h)) {
        const std::string thin = StrokeOf(tvapi::tvCSThin), normal = StrokeOf(tvapi::tvCSNormal);
        Body << "<g class=\"sheet\">\n";
        Rect({0, 0}, {w, h}, thin);
        Rect({20, 5}, {w - 5, h - 5}, normal);
        Stamp(data.Sheets.Items[0]->Stamp(), {w - 5 - StampWidth, 5});
        Body << "</g>\n";
    }
    if (data.Notes.Rough && data.Notes.Rough->Params().Has("Text")) {
        // The upper right corner of the sheet; the origin without one.
        const TParams& p = data.Notes.Rough->Params();
        std::wstring text = p.Text("Text");
        if (p.Flag("InBrackets")) text += L" (\u221A)";
        Text({w > 0 ? w - 40 : 0, h > 0 ? h - 15 : 0}, 5.0, 0.0, {L"\u221A " + text});
    }
    if (data.Notes.Demand && !data.Notes.Demand->Lines().empty()) Demand(*data.Notes.Demand, w);
}

// The requirements stand on the bottom of their block, the last line just clear of it, so
// that they read upwards from the title block below.
void TSvgWriter::Demand(const THostTechnicalDemand& demand, double sheetWidth)
{
    double h = DemandTextHeight;
    const std::vector<std::wstring> lines = Lines(demand.Texts().at("Demand"), h);
    if (lines.empty()) return;
    const std::vector<double> block = demand.Block();
    const double left = block.size() == 4 ? std::min(block[0], block[2]) : std::max(sheetWidth - 185, 0.0);
    const double bottom = block.size() == 4 ? std::min(block[1], block[3]) : 65.0;
    const double rise = DemandGap + static_cast<double>(lines.size() - 1) * LineSpacing * h;
    Body << "<g class=\"technical-demand\">\n";
    Text({left, bottom + rise}, h, 0.0, lines);
    Body << "</g>\n";
}

void TSvgWriter::Object(TDrawingCore& core)
{
    const TDrawingCore* owner = FOwner;
    FOwner = &core;
    ObjectOf(core);
    FOwner = owner;
}

void TSvgWriter::ObjectOf(TDrawingCore& core)
{
    const TParams& p = core.Params();
    switch (core.Type()) {
    case tvapi::tvDrLineSeg:
    case tvapi::tvDrCircle:
    case tvapi::tvDrArc:
    case tvapi::tvDrEllipse:
        Curve(core);
        break;
    case tvapi::tvDrDrawingText:
        TextData({p.Real("X"), p.Real("Y")}, p.Real("Height"), p.Real("Angle"), core.Text("Text"));
        break;
    case tvapi::tvDrPoint: {
        const TXY s = Sheet({p.Real("X"), p.Real("Y")});
        Body << "<circle class=\"point\" cx=\"" << Num(s.X) << "\" cy=\"" << Num(-s.Y) << "\" r=\""
             << Num(PointRadius) << "\" fill=\"black\"/>\n";
        break;
    }
    case tvapi::tvDrHatch: {
        const std::string id = "hatch" + std::to_string(++FPatterns);
        const double step = p.Real("Step") > 0 ? p.Real("Step") * FScale : 2.0;
        Defs << "<pattern id=\"" << id << "\" patternUnits=\"userSpaceOnUse\" width=\"" << Num(step)
             << "\" height=\"" << Num(step) << "\" patternTransform=\"rotate("
             << Num(-(p.Real("HatchAngle") + FAngle / Degree)) << ")\"><line x1=\"0\" y1=\"0\" x2=\"0\" y2=\""
             << Num(step) << "\" stroke=\"black\" stroke-width=\"0.18\"/></pattern>\n";
        Fill(core, "url(#" + id + ")");
        break;
    }
    case tvapi::tvDrColouring: {
        char colour[8];
        const auto bgr = static_cast<unsigned>(p.Int("Color"));
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", bgr & 0xFF, (bgr >> 8) & 0xFF,
                      (bgr >> 16) & 0xFF);
        Fill(core, colour);
        break;
    }
    case tvapi::tvDrCutLine:
        CutLine(core);
        break;
    case tvapi::tvDrLeader:
        Leader(core);
        break;
    case tvapi::tvDrLDimension:
    case tvapi::tvDrADimension:
    case tvapi::tvDrDDimension:
    case tvapi::tvDrRDimension:
        Dimension(core);
        break;
    case tvapi::tvDrRough:
        Rough(core);
        break;
    case tvapi::tvDrBase:
        Base(core);
        break;
    case tvapi::tvDrViewPointer:
        ViewPointer(core);
        break;
    case tvapi::tvDrTolerance:
        Tolerance(core);
        break;
    case tvapi::tvDrMacro:
        Body << "<g class=\"macro\">\n";
        Objects(*core.AsContainer());
        Body << "</g>\n";
        break;
    default:
        break;
    }
}

// The picture; throws TNotDrawable for a value it cannot write.
std::string DrawingSvgText(TDrawing2D& drawing, const TDocumentData* data)
{
    TSvgWriter writer;
    for (const THostDrawingGroupPtr& group : drawing.Groups())
        if (group->IsTemporary()) writer.Temporary.insert(group->Id());
    if (data) writer.SheetOf(*data);
    for (const THostViewPtr& view : drawing.Views()) {
        writer.SetView(*view);
        writer.FindObstacles(*view);
        writer.Body << "<g class=\"view\" id=\"view" << view->Params().Int("Number") << "\">\n";
        writer.Objects(*view);
        writer.Body << "</g>\n";
    }
    // The body is moved, not copied: a drawing of many thousand objects gives megabytes.
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" +
        writer.ViewBox() + "\">\n<defs>\n" + std::move(writer.Defs).str() + "</defs>\n";
    svg += std::move(writer.Body).str();
    svg += "</svg>\n";
    return svg;
}

} // namespace svg

std::wstring ShowMarkup(std::wstring_view text)
{
    static constexpr struct {
        std::wstring_view Code;
        wchar_t Symbol;
    } Codes[] = {{L"&01", L'\u00B0'}, {L"&02", L'\u2300'}, {L"&03", L'\u00B1'}, {L"&04", L'\u00D7'}};
    std::wstring out;
    for (std::size_t i = 0; i < text.size();) {
        // "$<sign>;$" sets a sign apart from the text round it ("$*;$" the reference mark).
        if (const std::size_t close = text[i] == L'$' ? text.find(L";$", i + 1) : std::wstring_view::npos;
            close != std::wstring_view::npos) {
            out += text.substr(i + 1, close - i - 1);
            i = close + 2;
            continue;
        }
        const auto code = std::find_if(std::begin(Codes), std::end(Codes), [&](const auto& c) {
            return text.substr(i, c.Code.size()) == c.Code;
        });
        if (code != std::end(Codes)) {
            out += code->Symbol;
            i += code->Code.size();
            if (i < text.size() && text[i] == L'~') ++i;
        } else {
            out += text[i++];
        }
    }
    return out;
}

namespace {

// The view's own objects written by `writer`, so that it measures them; false for a view that
// shows nothing or cannot be pictured.
bool MeasureView(THostView& view, svg::TSvgWriter& writer, std::array<double, 4>& box)
{
    try {
        if (TDrawing2D* drawing = view.Drawing())
            for (const THostDrawingGroupPtr& group : drawing->Groups())
                if (group->IsTemporary()) writer.Temporary.insert(group->Id());
        writer.SetView(view);
        writer.FindObstacles(view);
        for (const tvapi::IDrawingObjectPtr& child : view.Children())
            if (auto* core = dynamic_cast<TDrawingCore*>(child.Get());
                core && !writer.Temporary.count(core->Group()))
                writer.Object(*core);
        return writer.ViewBounds(box);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

bool ViewExtent(THostView& view, std::array<double, 4>& box)
{
    svg::TSvgWriter writer;
    return MeasureView(view, writer, box);
}

bool ViewFigure(THostView& view, TViewFigure& figure)
{
    svg::TSvgWriter writer;
    writer.Figure = &figure;
    std::array<double, 4> box{};
    return MeasureView(view, writer, box);
}

bool DrawingSvg(TDrawing2D& drawing, std::string& svg, std::string& error, const TDocumentData* data)
{
    try {
        svg = svg::DrawingSvgText(drawing, data);
        return true;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
}

bool WriteSvgFile(TDocumentCore& document, std::wstring_view fileName, std::string& error)
{
    TDrawing2D* drawing = document.Drawing2D();
    if (!drawing) {
        error = "the document is no drawing or fragment";
        return false;
    }
    std::string svg;
    return DrawingSvg(*drawing, svg, error, &document.Data()) &&
           WriteFileAtomically(FileNameBytes(fileName), svg, error);
}

} // namespace tvhost

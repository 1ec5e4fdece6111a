// Every component sheet the gallery builds, read back as a draftsman reads it: each dimension
// shows the value its routine passed (a detail drawn at 4:1 too), the enlarged views keep their
// title and dimensions inside their own view, no text stands upside down, and the notes the
// routines pass (thread classes, chamfers, hole counts) are on the sheet.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
#include <map>
#include <numbers>
#include <regex>
#include <span>
#include <string>
#include <vector>

#include "ComponentHostFixture.h"
#include "HostSvg.h"
#include "HostSvgLayout.h"
#include "HostSvgWriter.h"
#include "HostText.h"
#include "MathDetailsl.h"
#include "RecordingModeler.h"
#include "SheetMaterial.h"
#include "drSheetFormat.h"

namespace {

namespace fs = std::filesystem;

// A dimension as a routine passed it: the operation and the value (its magnitude: some
// routines pass a length as negative).
struct TPassed {
    std::string Op;
    double Value = 0;
    double Radius = 0; // of an angle's arc
};

// Records the dimensions a component passes once its sheet is open; the composite dimension
// operations (drDimHL, drDimApc ...) run as the facade runs them, so the values are those the
// facade receives.
class TSheetRecorder : public TRecordingModeler {
    using R = Real const&;
    using S = Str const&;

public:
    std::vector<TPassed> Passed;

    // A sheet opens, as on the facade, for a detail the control model holds.
    Boolean drLeafStampView1(Integer D, Integer Sub, R x, R y, Boolean Inv) override
    {
        TRecordingModeler::drLeafStampView1(D, Sub, x, y, Inv);
        FSheet = ComponentExists(D);
        return FSheet;
    }
    void drDimL(R iVal, S Qual, R Dx, R Dy, Integer Pt, Integer Pn, R Fn, R Dln, R x1, R y1, Integer T1,
                Integer Po1, R x2, R y2, Integer T2, Integer Po2, S S1, S S2, S S3) override
    {
        Note("drDimL", iVal);
        TRecordingModeler::drDimL(iVal, Qual, Dx, Dy, Pt, Pn, Fn, Dln, x1, y1, T1, Po1, x2, y2, T2, Po2, S1,
                                  S2, S3);
    }
    void drDimD(R Val, S Qual, R FBase, Integer Pt, Integer Pn, R x, R y, Integer t, S S1, S S2,
                S S3) override
    {
        Note("drDimD", Val);
        TRecordingModeler::drDimD(Val, Qual, FBase, Pt, Pn, x, y, t, S1, S2, S3);
    }
    void drDimR(R Val, S Qual, R FBase, R Drl, Integer Pt, Integer Pn, R xc, R yc, Integer t, Integer Po,
                S S1, S S2, S S3) override
    {
        Note("drDimR", Val);
        TRecordingModeler::drDimR(Val, Qual, FBase, Drl, Pt, Pn, xc, yc, t, Po, S1, S2, S3);
    }
    void drDimA(R Val, Integer Napr, R FBase, R Rr, Integer Pt, Integer Pn, R Fn, R Dln, R x1, R y1,
                Integer T1, Integer Po1, R x2, R y2, Integer T2, Integer Po2, S s, R xc, R yc) override
    {
        Note("drDimA", Val);
        if (FSheet) Passed.back().Radius = Rr;
        TRecordingModeler::drDimA(Val, Napr, FBase, Rr, Pt, Pn, Fn, Dln, x1, y1, T1, Po1, x2, y2, T2, Po2, s,
                                  xc, yc);
    }

private:
    void Note(const char* op, double value)
    {
        if (FSheet) Passed.push_back({op, std::fabs(value)});
    }
    bool FSheet = false;
};

// One sheet of the gallery: its component and size, its file and what its routine passed.
struct TBuiltSheet {
    std::string Stem;
    Integer Size = 0;
    std::string File;
    std::vector<TPassed> Passed;
};

// The objects of a container in creation order, those of macro objects in their place.
void Flatten(const tvhost::TContainerCore& container, std::vector<tvhost::TDrawingCore*>& out)
{
    for (const tvapi::IDrawingObjectPtr& child : container.Children())
        if (auto* core = dynamic_cast<tvhost::TDrawingCore*>(child.Get())) {
            if (const tvhost::TContainerCore* inner = core->AsContainer())
                Flatten(*inner, out);
            else
                out.push_back(core);
        }
}

bool IsDimension(const tvhost::TDrawingCore& o)
{
    const auto t = o.Type();
    return t == tvapi::tvDrLDimension || t == tvapi::tvDrDDimension || t == tvapi::tvDrRDimension ||
           t == tvapi::tvDrADimension;
}

class TComponentSheetsTest : public TComponentHostFixture {
protected:
    static fs::path Folder()
    {
        return fs::path(testing::TempDir()) / ("component_sheets_" + std::to_string(::getpid()));
    }
    static std::vector<TBuiltSheet>& Built()
    {
        static std::vector<TBuiltSheet> built;
        return built;
    }
    static void TearDownTestSuite()
    {
        Built().clear();
        fs::remove_all(Folder());
    }

    // Every sheet of the catalogue at every sample size, built on first use: the routine once
    // against the recorder, then on the facade into Folder().
    const std::vector<TBuiltSheet>& Sheets()
    {
        if (!Built().empty()) return Built();
        fs::create_directories(Folder());
        TCatalogueModel model(TString((Folder().string() + "/S").c_str()));
        drApi::LibraryControlModel = &model;
        const std::vector<TCatalogueEntry>& catalogue = ComponentCatalogue();
        for (std::size_t i = 0; i < catalogue.size(); ++i) {
            const TCatalogueEntry& e = catalogue[i];
            const TDcDetail id = TDcDetail(i + 1);
            for (Integer size = 0; e.HasSheet && size < e.Sizes; ++size) {
                model.Present(id, id * 10 + size);
                TSheetRecorder recorder;
                e.Build(recorder, id, size);
                e.Build(drApi::MA, id, size);
                Built().push_back({e.Stem, size, model.sfDetail2D(id, 0).PChar(), recorder.Passed});
            }
        }
        drApi::LibraryControlModel = Model.get();
        return Built();
    }
    // The sheet's objects, view by view in creation order; null when it is no drawing.
    std::vector<tvhost::TDrawingCore*> Objects(const TBuiltSheet& sheet)
    {
        Kept = Host().App().Documents().OpenFile(tvhost::FileNameFromBytes(sheet.File), false);
        auto* drawing = dynamic_cast<tvhost::THostDocument2D*>(Kept.Get());
        std::vector<tvhost::TDrawingCore*> objects;
        if (drawing)
            for (const tvhost::THostViewPtr& view : drawing->Drawing().Views())
                Flatten(*view, objects);
        return objects;
    }
    // The sheet's picture; empty when it cannot be drawn.
    std::string Picture(const TBuiltSheet& sheet)
    {
        Objects(sheet);
        auto* drawing = dynamic_cast<tvhost::THostDocument2D*>(Kept.Get());
        std::string svg, error;
        if (!drawing || !tvhost::DrawingSvg(drawing->Drawing(), svg, error, &drawing->Data())) return {};
        return svg;
    }
    const TBuiltSheet* Find(const std::string& stem, Integer size)
    {
        for (const TBuiltSheet& s : Sheets())
            if (s.Stem == stem && s.Size == size) return &s;
        return nullptr;
    }
};

TEST_F(TComponentSheetsTest, EveryDimensionShowsTheValueItsRoutinePassed)
{
    ASSERT_GT(Sheets().size(), 60u);
    for (const TBuiltSheet& sheet : Sheets()) {
        SCOPED_TRACE(sheet.Stem + " size " + std::to_string(sheet.Size));
        std::vector<double> shown;
        for (tvhost::TDrawingCore* o : Objects(sheet))
            if (IsDimension(*o))
                shown.push_back(tvapi::IDimensionTextPtr(tvapi::IDrawingObjectPtr(o->DrawingObject()))
                                    ->GetNominalValue());
        EXPECT_EQ(shown.size(), sheet.Passed.size()) << "dimensions on the sheet and passed";
        for (std::size_t k = 0; k < std::min(shown.size(), sheet.Passed.size()); ++k)
            EXPECT_NEAR(shown[k], sheet.Passed[k].Value, 1e-6)
                << "dimension " << k + 1 << " (" << sheet.Passed[k].Op << ")";
    }
}

// The enlarged view begins with its title "<letter>(<scale>:1)" and ends with its angle; its
// boundary is the broken line (style 5) round the groove.
TEST_F(TComponentSheetsTest, EnlargedViewsKeepTitleAndDimensionsInTheirView)
{
    for (const char* stem : {"distscrew", "stoppin", "support"}) {
        SCOPED_TRACE(stem);
        const TBuiltSheet* sheet = Find(stem, 0);
        ASSERT_NE(sheet, nullptr);
        const std::vector<tvhost::TDrawingCore*> objects = Objects(*sheet);
        const auto title = std::find_if(objects.begin(), objects.end(), [](tvhost::TDrawingCore* o) {
            return o->Type() == tvapi::tvDrDrawingText &&
                   o->Text("Text").Str().find(L":1)") != std::wstring::npos;
        });
        ASSERT_NE(title, objects.end());
        const auto end = std::find_if(
            title, objects.end(), [](tvhost::TDrawingCore* o) { return o->Type() == tvapi::tvDrADimension; });
        ASSERT_NE(end, objects.end());
        double x0 = std::numeric_limits<double>::max(), y0 = x0, x1 = -x0, y1 = -x0;
        std::vector<tvhost::TDrawingCore*> dimensions;
        for (auto it = title; it != end + 1; ++it) {
            const tvhost::TParams& p = (*it)->Params();
            if ((*it)->Type() == tvapi::tvDrLineSeg && p.Int("Style") == tvapi::tvCSBrokenLine)
                for (const auto& [kx, ky] : {std::pair{"X1", "Y1"}, {"X2", "Y2"}}) {
                    x0 = std::min(x0, p.Real(kx)), x1 = std::max(x1, p.Real(kx));
                    y0 = std::min(y0, p.Real(ky)), y1 = std::max(y1, p.Real(ky));
                }
            if (IsDimension(**it)) dimensions.push_back(*it);
        }
        ASSERT_LT(x0, x1) << "the view's boundary";
        // The title stands 10 above the view's origin, whatever its scale: over the boundary
        // or, round a deep groove, within it.
        const tvhost::TParams& t = (*title)->Params();
        EXPECT_GE(t.Real("X"), x0);
        EXPECT_LE(t.Real("X"), x1);
        EXPECT_GE(t.Real("Y"), y0);
        EXPECT_LE(t.Real("Y"), y1 + 10);
        // The dimensions stand off the boundary by their sheet offsets (15 and 20), no more.
        ASSERT_EQ(dimensions.size(), 3u);
        const double reach = 25;
        for (tvhost::TDrawingCore* d : dimensions)
            for (const auto& [kx, ky] : {std::pair{"X1", "Y1"}, {"X2", "Y2"}, {"X3", "Y3"}, {"Xc", "Yc"}}) {
                const tvhost::TParams& p = d->Params();
                if (!p.Has(kx)) continue;
                EXPECT_GE(p.Real(kx), x0 - reach) << kx;
                EXPECT_LE(p.Real(kx), x1 + reach) << kx;
                EXPECT_GE(p.Real(ky), y0 - reach) << ky;
                EXPECT_LE(p.Real(ky), y1 + reach) << ky;
            }
    }
}

// Every text of the picture turns by less than a quarter turn either way, or a quarter turn
// to read upwards: SVG's rotate(a) turns clockwise, so a stays in [-90, 90).
TEST_F(TComponentSheetsTest, NoTextIsUpsideDownAndTheNotesAreThere)
{
    const std::regex rotate("<text [^>]*transform=\"rotate\\((-?[0-9.]+) ");
    std::string notes;
    for (const TBuiltSheet& sheet : Sheets()) {
        SCOPED_TRACE(sheet.Stem + " size " + std::to_string(sheet.Size));
        const std::string svg = Picture(sheet);
        ASSERT_FALSE(svg.empty());
        for (std::sregex_iterator it(svg.begin(), svg.end(), rotate), end; it != end; ++it) {
            const double a = std::stod((*it)[1]);
            EXPECT_GE(a, -90.0) << it->str();
            EXPECT_LT(a, 90.0) << it->str();
        }
        if (sheet.Size == 0) notes += sheet.Stem + ": " + svg;
    }
    const auto on = [&](const std::string& stem, const std::string& text) {
        const std::size_t at = notes.find(stem + ": ");
        const std::size_t next = notes.find("</svg>", at);
        return at != std::string::npos && notes.substr(at, next - at).find(text) != std::string::npos;
    };
    EXPECT_TRUE(on("columntail", "-7H"));
    EXPECT_TRUE(on("stoppin", "2 фаски"));
    EXPECT_TRUE(on("locring", "4 отв."));
    EXPECT_TRUE(on("distscrew", "×45°"));
}

// ---- The sheet as a draftsman signs it --------------------------------------------------------

using tvhost::TPoint2;

std::string At(TPoint2 p)
{
    return "(" + tvhost::svg::Num(p.X) + ", " + tvhost::svg::Num(p.Y) + ")";
}

// A view's placement on the sheet.
struct TPlacing {
    TPoint2 Origin;
    double Scale = 1, Angle = 0; // angle in radians
    explicit TPlacing(const tvhost::THostView& view)
        : Origin{view.Params().Real("X"), view.Params().Real("Y")}, Scale(view.Params().Real("Scale", 1.0)),
          Angle(view.Params().Real("Angle") * std::numbers::pi / 180)
    {
    }
    TPoint2 Sheet(TPoint2 p) const { return Origin + tvhost::Rotated(p, Angle) * Scale; }
    // How the SVG writes a sheet point: Y turned down.
    std::string Svg(TPoint2 p) const
    {
        const TPoint2 s = Sheet(p);
        return tvhost::svg::Num(s.X) + "," + tvhost::svg::Num(-s.Y);
    }
};

// Format and orientation of the sheet; its width and height.
struct TSheetSize {
    Integer Format = -1, Orientation = -1;
    double W = 0, H = 0;
};

TSheetSize SizeOf(tvhost::THostDocument2D& drawing)
{
    TSheetSize size;
    const auto& sheets = drawing.Data().Sheets.Items;
    if (sheets.empty() || !sheets[0]->Setup().Set) return size;
    size.Format = sheets[0]->Setup().Format;
    size.Orientation = sheets[0]->Setup().Landscape ? 1 : 0;
    const TPoint2D wh = TLeafSelector::Instance().LSize(2 * size.Format + size.Orientation);
    size.W = wh.x, size.H = wh.y;
    return size;
}

// What the extent `e` moved to the corner (left, top) of a sheet W x H crosses, as a draftsman
// measures it: the frame (20 in on the left, 5 elsewhere), the title block (185 x 55 in its
// corner) or the room over it the rules keep for requirements of `lines` lines; empty for none.
std::string Crossed(const TRect2D& e, double left, double top, double W, double H, Integer lines)
{
    const double right = left + e.Width(), bottom = top - e.Height();
    const auto crosses = [&](double l, double b, double r, double t) {
        return left < r && l < right && bottom < t && b < top;
    };
    if (left <= 20 || right >= W - 5 || bottom <= 5 || top >= H - 5) return "the frame";
    if (crosses(W - 190, 5, W - 5, 60)) return "the title block";
    const double room = drApi::TLeafSelectorMApi::DemandHeight(lines);
    if (room > 0 && crosses(W - 190, 60, W - 5, 65 + room)) return "the technical requirements";
    return {};
}

// The views, with their texts, inside the frame and clear of the title block and the room of
// the requirements, which holds their text as the host draws it; their upper-left corner at the
// frame's; and no format tried before the sheet's (from A4 portrait, landscape first from A3 on)
// would hold them at its corner.
void ExpectFormatFitsTheViews(tvhost::THostDocument2D& drawing, const TSheetSize& size)
{
    TRect2D extent;
    bool measured = false;
    for (const tvhost::THostViewPtr& view : drawing.Drawing().Views()) {
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (!view->GetExtent(x1, y1, x2, y2)) continue;
        if (measured)
            extent.Add(TRect2D(x1, y1, x2, y2));
        else
            extent = TRect2D(x1, y1, x2, y2);
        measured = true;
    }
    ASSERT_TRUE(measured) << "no view shows anything";
    const tvhost::THostTechnicalDemandPtr& demand = drawing.Data().Notes.Demand;
    const std::wstring text = demand ? demand->Lines() : std::wstring();
    const auto lines =
        static_cast<Integer>(text.empty() ? 0 : std::count(text.begin(), text.end(), L'\n') + 1);
    if (lines > 0 && demand->Block().size() == 4) {
        const double h = tvhost::svg::DemandTextHeight,
                     bottom = std::min(demand->Block()[1], demand->Block()[3]);
        const double rise = tvhost::svg::DemandGap + (lines - 1) * tvhost::LineSpacing * h;
        EXPECT_LE(tvhost::TextBox({{0, bottom + rise}}, h, lines, 1)[2].Y,
                  65 + drApi::TLeafSelectorMApi::DemandHeight(lines))
            << "the requirements reach over their room";
    }
    const std::string at = At({extent.Left(), extent.Bottom()}) + "-" + At({extent.Right(), extent.Top()});
    EXPECT_EQ(Crossed(extent, extent.Left(), extent.Top(), size.W, size.H, lines), "")
        << "the drawing " << at;
    Real x0 = 0, y0 = 0;
    TLeafSelector::Instance().GetLeafLeftUp(size.Format, size.Orientation, x0, y0);
    EXPECT_NEAR(extent.Left(), x0, 1e-6) << "the drawing's left edge";
    EXPECT_NEAR(extent.Top(), y0, 1e-6) << "the drawing's top edge";
    for (const auto& [f, o] :
         {std::pair{4, 0}, {4, 1}, {3, 1}, {3, 0}, {2, 1}, {2, 0}, {1, 1}, {1, 0}, {0, 1}}) {
        if (f == size.Format && o == size.Orientation) break;
        TLeafSelector::Instance().GetLeafLeftUp(f, o, x0, y0);
        const TPoint2D wh = TLeafSelector::Instance().LSize(2 * f + o);
        EXPECT_NE(Crossed(extent, x0, y0, wh.x, wh.y, lines), "")
            << "the drawing " << at << " would hold on A" << f << (o ? " landscape" : " portrait");
    }
}

// Inside the frame (20 from the left edge, 5 from the others), above the title block (185 x 55
// in the lower right corner, 5 in).
void ExpectRequirementsAboveTheTitleBlock(tvhost::THostDocument2D& drawing, const TSheetSize& size)
{
    const tvhost::THostTechnicalDemandPtr& demand = drawing.Data().Notes.Demand;
    if (!demand || demand->Lines().empty()) return;
    const std::vector<double> b = demand->Block();
    ASSERT_EQ(b.size(), 4u) << "the technical requirements have no block";
    const double left = std::min(b[0], b[2]), right = std::max(b[0], b[2]);
    const double bottom = std::min(b[1], b[3]), top = std::max(b[1], b[3]);
    EXPECT_GE(left, size.W - 5 - 185) << "technical requirements: left of the title block";
    EXPECT_LE(right, size.W - 5) << "technical requirements: beyond the frame";
    EXPECT_GE(bottom, 5 + 55) << "technical requirements: over the title block";
    EXPECT_LE(bottom, 5 + 55 + 10) << "technical requirements: not just above the title block";
    EXPECT_LE(top, size.H - 5) << "technical requirements: beyond the frame";
}

// Signs the routines themselves place on another drawing of the same view, by sheet and
// number in the view: LocatingRing.cpp (dr2D_V2) puts the pin hole's sign 20 + R - FixRadius
// below the pin, which with the pin off the vertical (size 1) lands in the section beside it.
struct TCollision {
    const char* Stem;
    Integer Size;
    int Sign;
};
constexpr TCollision KnownCollisions[] = {{"locring", 1, 6}, {"locplate", 1, 6}};

std::vector<int> Collisions(const TBuiltSheet& sheet)
{
    std::vector<int> signs;
    for (const TCollision& c : KnownCollisions)
        if (sheet.Stem == c.Stem && sheet.Size == c.Size) signs.push_back(c.Sign);
    return signs;
}

// Every roughness sign of a view with its legs outside the material its main lines enclose,
// but for the known collisions.
void ExpectSignsOutsideTheMaterial(const tvhost::THostView& view, const std::vector<int>& collisions)
{
    std::vector<tvhost::TDrawingCore*> objects;
    Flatten(view, objects);
    sheet_test::TViewMaterial material;
    for (const tvhost::TDrawingCore* o : objects)
        material.Add(*o);
    const TPlacing placing(view);
    int k = 0;
    for (tvhost::TDrawingCore* o : objects) {
        if (o->Type() != tvapi::tvDrRough) continue;
        ++k;
        if (std::find(collisions.begin(), collisions.end(), k) != collisions.end()) continue;
        const tvhost::TParams& p = o->Params();
        const tvhost::TRoughSign sign = tvhost::RoughSign(
            {p.Real("X"), p.Real("Y")}, p.Real("Angle") * std::numbers::pi / 180, placing.Angle);
        const TPoint2 middle = sign.At({0.29 * tvhost::RoughHeight, tvhost::RoughHeight});
        for (const auto& [name, probe] :
             {std::pair{"short leg", sign.Left}, {"long leg", sign.Right}, {"opening", middle}})
            EXPECT_FALSE(material.Inside(probe))
                << "roughness sign " << k << " \"" << tvhost::ToUtf8(o->Text("Text1").Str()) << "\" at "
                << At(sign.Tip) << ", angle " << p.Real("Angle") << ": its " << name << " " << At(probe)
                << " lies in the material";
    }
}

// The texts an object holds, for a message.
std::string Shown(const tvhost::TDrawingCore& o)
{
    std::string shown;
    for (const auto& [name, text] : o.Texts())
        if (!text.Str().empty()) shown += " \"" + tvhost::ToUtf8(text.Str()) + "\"";
    return shown;
}

// Dimensions, by sheet and number among the view's dimensions, whose routine leaves no room
// on the view for their number clear of the part's outline: EjectorRod.cpp draws the
// diameter 8 of the rod's bore on a line inside its outline of diameter 20, too short for the
// number beside it or on a shelf, and ColumnTail.cpp the groove's depth 0,3 in the enlarged
// view of the largest size between the groove's arcs.
constexpr TCollision KnownCrowding[] = {{"ejectorrod", 0, 12}, {"columntail", 2, 12}};

// No dimension number or roughness value of the view is crossed by a line of its own
// dimension or sign, nor by a thick line (a contour, a cut line's stroke) but for the known
// collisions of signs and crowding of dimensions, and no two dimension numbers overlap; read
// off the figure the picture draws.
void ExpectTextsClearOfLines(tvhost::THostView& view, const TBuiltSheet& sheet, int& texts)
{
    tvhost::TViewFigure figure;
    if (!tvhost::ViewFigure(view, figure)) return;
    std::vector<tvhost::TDrawingCore*> objects;
    Flatten(view, objects);
    // The number of each sign and each dimension among those of its kind in the view.
    std::map<const tvhost::TDrawingCore*, int> number;
    int signs = 0, dimensions = 0;
    for (const tvhost::TDrawingCore* o : objects)
        if (o->Type() == tvapi::tvDrRough || IsDimension(*o))
            number[o] = o->Type() == tvapi::tvDrRough ? ++signs : ++dimensions;
    const auto known = [&](const tvhost::TDrawingCore* o) {
        const bool sign = o->Type() == tvapi::tvDrRough;
        for (const TCollision& c : sign ? std::span(KnownCollisions) : std::span(KnownCrowding))
            if (sheet.Stem == c.Stem && sheet.Size == c.Size && number[o] == c.Sign) return true;
        return false;
    };
    for (const tvhost::TViewFigure::TText& text : figure.Texts) {
        if (!number.count(text.Owner)) continue;
        ++texts;
        const char* kind = text.Owner->Type() == tvapi::tvDrRough ? "roughness sign " : "dimension ";
        for (const tvhost::TViewFigure::TStroke& s : figure.Strokes) {
            const bool own = s.Owner == text.Owner, thick = s.Width >= 0.5 && !known(text.Owner);
            if ((own || thick) && tvhost::CrossesBox(text.Box, s.A, s.B))
                ADD_FAILURE() << kind << number[text.Owner] << Shown(*text.Owner) << ": its text from "
                              << At(text.Box[0]) << " is crossed by "
                              << (own ? "its own line " : "a thick line ") << At(s.A) << "-" << At(s.B);
        }
        for (const tvhost::TViewFigure::TText& other : figure.Texts)
            if (&other < &text && other.Owner != text.Owner && IsDimension(*text.Owner) &&
                IsDimension(*other.Owner) && tvhost::BoxesOverlap(text.Box, other.Box))
                ADD_FAILURE() << "dimension " << number[text.Owner] << Shown(*text.Owner)
                              << ": its text from " << At(text.Box[0]) << " runs into that of dimension "
                              << number[other.Owner] << Shown(*other.Owner);
    }
}

// What the SVG writes for a curve of a negative style; empty for a kind it has no form for.
std::string NegativeCurve(const tvhost::TDrawingCore& o, const TPlacing& placing)
{
    const tvhost::TParams& p = o.Params();
    const TPoint2 a{p.Real("X1"), p.Real("Y1")}, b{p.Real("X2"), p.Real("Y2")};
    const std::string stroke = tvhost::svg::StrokeOf(p.Int("Style"));
    if (stroke.empty()) return "(no stroke)";
    switch (o.Type()) {
    case tvapi::tvDrLineSeg: {
        const std::string s = placing.Svg(a), e = placing.Svg(b);
        return "<line x1=\"" + s.substr(0, s.find(',')) + "\" y1=\"" + s.substr(s.find(',') + 1) +
               "\" x2=\"" + e.substr(0, e.find(',')) + "\" y2=\"" + e.substr(e.find(',') + 1) + "\" " +
               stroke + "/>";
    }
    case tvapi::tvDrArc:
        return "<path d=\"M " + placing.Svg(a) + " A " +
               tvhost::svg::Num(std::fabs(p.Real("Radius")) * placing.Scale) + " ";
    default:
        return {};
    }
}

// Every curve of a negative style is in the picture, drawn thin.
void ExpectNegativeStylesDrawn(const tvhost::THostView& view, const std::string& svg, int& count)
{
    std::vector<tvhost::TDrawingCore*> objects;
    Flatten(view, objects);
    const TPlacing placing(view);
    for (const tvhost::TDrawingCore* o : objects) {
        const bool curve =
            o->Type() == tvapi::tvDrLineSeg || o->Type() == tvapi::tvDrArc || o->Type() == tvapi::tvDrCircle;
        if (!curve || o->Params().Int("Style") >= 0) continue;
        ++count;
        const std::string drawn = NegativeCurve(*o, placing);
        EXPECT_NE(svg.find(drawn), std::string::npos)
            << "the style " << o->Params().Int("Style") << " curve from "
            << At({o->Params().Real("X1"), o->Params().Real("Y1")}) << " is not drawn as " << drawn;
        EXPECT_NE(tvhost::svg::StrokeOf(o->Params().Int("Style")).find("stroke-width=\"0.25\""),
                  std::string::npos);
    }
}

// Each angle dimension's arc at the radius its routine passed, both rays from the vertex to
// beyond the arc, read off the picture's angle-dimension groups in drawing order.
void ExpectAnglesReachTheirArcs(const std::string& svg, const std::vector<double>& radii,
                                const std::vector<double>& scales)
{
    const std::regex group(R"re(<g class="dimension angle">\n((?:[^<]|<(?!/g>))*)</g>)re");
    const std::regex line(R"re(<line x1="([-0-9.]+)" y1="([-0-9.]+)" x2="([-0-9.]+)" y2="([-0-9.]+)")re");
    const std::regex arc(R"re( A ([0-9.]+) )re");
    std::size_t k = 0;
    for (std::sregex_iterator it(svg.begin(), svg.end(), group), end; it != end; ++it, ++k) {
        const std::string body = (*it)[1];
        std::smatch a;
        ASSERT_TRUE(std::regex_search(body, a, arc)) << "angle dimension " << k + 1 << " has no arc";
        const double r = std::stod(a[1]);
        if (k < radii.size() && k < scales.size() && radii[k] > 0) {
            EXPECT_NEAR(r, radii[k] * scales[k], 1e-3) << "angle dimension " << k + 1 << ": the arc's radius";
        }
        int rays = 0;
        for (std::sregex_iterator l(body.begin(), body.end(), line); l != end && rays < 2; ++l, ++rays) {
            const double length =
                std::hypot(std::stod((*l)[3]) - std::stod((*l)[1]), std::stod((*l)[4]) - std::stod((*l)[2]));
            EXPECT_GT(length, r) << "angle dimension " << k + 1 << ": ray " << rays + 1 << " " << l->str();
        }
        EXPECT_EQ(rays, 2) << "angle dimension " << k + 1;
    }
    EXPECT_EQ(k, radii.size()) << "angle dimensions drawn and passed";
}

// Only black lines, the routines' hatches and fills; no frame or title of a view, no code of
// the text markup left unread.
void ExpectNothingTheRoutinesDidNotAskFor(const std::string& svg, bool colourings,
                                          const std::vector<std::wstring>& viewNames)
{
    for (const std::wstring& name : viewNames)
        EXPECT_TRUE(name.empty() || svg.find(tvhost::svg::Escape(name)) == std::string::npos)
            << "the view's name " << tvhost::ToUtf8(name);
    const std::regex paint(R"re((?:stroke|fill)="([^"]*)")re");
    for (std::sregex_iterator it(svg.begin(), svg.end(), paint), end; it != end; ++it) {
        const std::string c = (*it)[1];
        const bool asked =
            c == "black" || c == "none" || c.rfind("url(#hatch", 0) == 0 || (colourings && c[0] == '#');
        EXPECT_TRUE(asked) << "a colour no routine asked for: " << it->str();
    }
    for (const char* never : {"view-frame", ";$", "&amp;0", "stroke-dasharray=\"8 2 1 2\""})
        EXPECT_EQ(svg.find(never), std::string::npos) << never;
}

TEST_F(TComponentSheetsTest, EverySheetIsLaidOutAndDrawnAsItsRoutinesMeanIt)
{
    int negative = 0, signs = 0, labels = 0;
    for (const TBuiltSheet& sheet : Sheets()) {
        SCOPED_TRACE(sheet.Stem + " size " + std::to_string(sheet.Size) + " (" + sheet.File + ")");
        const std::string svg = Picture(sheet);
        auto* drawing = dynamic_cast<tvhost::THostDocument2D*>(Kept.Get());
        ASSERT_NE(drawing, nullptr);
        ASSERT_FALSE(svg.empty());
        const TSheetSize size = SizeOf(*drawing);
        ASSERT_GE(size.Format, 0) << "the sheet was never set up";
        ExpectFormatFitsTheViews(*drawing, size);
        ExpectRequirementsAboveTheTitleBlock(*drawing, size);
        std::vector<double> radii;
        for (const TPassed& passed : sheet.Passed)
            if (passed.Op == "drDimA") radii.push_back(passed.Radius);
        std::vector<double> scales;
        std::vector<std::wstring> names;
        bool colourings = false;
        for (const tvhost::THostViewPtr& view : drawing->Drawing().Views()) {
            names.push_back(view->Params().Text("Name"));
            ExpectSignsOutsideTheMaterial(*view, Collisions(sheet));
            ExpectNegativeStylesDrawn(*view, svg, negative);
            ExpectTextsClearOfLines(*view, sheet, labels);
            std::vector<tvhost::TDrawingCore*> objects;
            Flatten(*view, objects);
            for (const tvhost::TDrawingCore* o : objects) {
                signs += o->Type() == tvapi::tvDrRough;
                colourings = colourings || o->Type() == tvapi::tvDrColouring;
                if (o->Type() == tvapi::tvDrADimension) scales.push_back(view->Params().Real("Scale", 1.0));
            }
        }
        ExpectAnglesReachTheirArcs(svg, radii, scales);
        ExpectNothingTheRoutinesDidNotAskFor(svg, colourings, names);
    }
    // The walk saw what it checks.
    EXPECT_GT(negative, 100);
    EXPECT_GT(signs, 100);
    EXPECT_GT(labels, 600);
}

} // namespace

// Every component sheet the gallery builds, read back as a draftsman reads it: each dimension
// shows the value its routine passed (a detail drawn at 4:1 too), the enlarged views keep their
// title and dimensions inside their own view, no text stands upside down, and the notes the
// routines pass (thread classes, chamfers, hole counts) are on the sheet.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <regex>
#include <string>
#include <vector>

#include "ComponentHostFixture.h"
#include "HostSvg.h"
#include "HostText.h"
#include "MathDetailsl.h"
#include "RecordingModeler.h"

namespace {

namespace fs = std::filesystem;

// A dimension as a routine passed it: the operation and the value (its magnitude: some
// routines pass a length as negative).
struct TPassed {
    std::string Op;
    double Value = 0;
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

} // namespace

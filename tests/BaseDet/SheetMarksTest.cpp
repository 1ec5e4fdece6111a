// The pins' sheets read back as a machinist reads them: every mark (view arrow, cut line,
// detail circle) names a view drawn under its letter and every view is named by a mark; the
// diameters a pin is turned to are dimensioned; a taper and a working end of its own are drawn
// and dimensioned only where the part has them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "ComponentHostFixture.h"
#include "LeaderPin.h"

namespace {

struct TSheetMarksCase {
    const char* Label;
    const char* Stem;
    Integer Size;                         // the catalogue's sample built
    std::function<void(TDcDetail)> Build; // instead of the sample, when set
    std::vector<double> Diameters;        // dimensioned with a diameter sign, at least these
    double TaperAt;                       // where an ejector pin's taper would begin; -1 for no such pin
    bool Taper;                           // whether the part tapers there
};

void PrintTo(const TSheetMarksCase& c, std::ostream* os)
{
    *os << c.Label;
}

// What a sheet's objects say: mark letters, view titles' letters, diametral values and where
// vertical lines stand.
struct TSheetReading {
    std::set<std::string> Marks, Views;
    std::set<double> Diameters, Lengths;
    std::vector<double> Verticals;
};

std::string U(const std::wstring& s)
{
    return tvhost::ToUtf8(s);
}

// The Latin capitals that look like Cyrillic ones are read as those: "A" names "Вид А".
std::string Letter(std::string s)
{
    if (s == "A") return "А";
    if (s == "B") return "В";
    return s;
}

void Read(const tvhost::TContainerCore& container, TSheetReading& r)
{
    static const std::regex title("^(?:Вид (.+)|(.+)-(.+)|([^(]+)\\(.*)$");
    for (const tvapi::IDrawingObjectPtr& child : container.Children()) {
        auto* o = dynamic_cast<tvhost::TDrawingCore*>(child.Get());
        if (!o) continue;
        if (const tvhost::TContainerCore* inner = o->AsContainer()) {
            Read(*inner, r);
            continue;
        }
        const tvhost::TParams& p = o->Params();
        switch (o->Type()) {
        case tvapi::tvDrViewPointer:
            r.Marks.insert(Letter(U(o->Text("Text").Str())));
            break;
        case tvapi::tvDrCutLine:
            r.Marks.insert(Letter(U(o->Text("Designation").Str())));
            break;
        case tvapi::tvDrLeader:
            // A detail circle's shelf holds its letter alone; a note holds more.
            if (const std::string s = U(o->Text("Shelf").Str()); s.size() <= 2) r.Marks.insert(Letter(s));
            break;
        case tvapi::tvDrDrawingText: {
            std::smatch m;
            const std::string s = U(o->Text("Text").Str());
            if (!std::regex_match(s, m, title)) break;
            for (int i : {1, 2, 4})
                if (m[i].matched) r.Views.insert(Letter(std::string(m[i])));
            break;
        }
        case tvapi::tvDrLDimension:
            (o->Text("Prefix").Str() == L"&02" ? r.Diameters : r.Lengths)
                .insert(tvapi::IDimensionTextPtr(child)->GetNominalValue());
            break;
        case tvapi::tvDrLineSeg:
            if (std::abs(p.Real("X1") - p.Real("X2")) < 1e-9) r.Verticals.push_back(p.Real("X1"));
            break;
        default:
            break;
        }
    }
}

class TSheetMarksTest : public TComponentHostFixture, public testing::WithParamInterface<TSheetMarksCase> {};

TEST_P(TSheetMarksTest, MarksNameTheViewsDrawnAndTheDiametersAreGiven)
{
    const TSheetMarksCase& c = GetParam();
    const TDcDetail id = Present(c.Stem);
    if (c.Build)
        c.Build(id);
    else
        ComponentCatalogue()[std::size_t(id - 1)].Build(drApi::MA, id, c.Size);
    tvhost::THostDocument2D* drawing = OpenSheet(id);
    ASSERT_NE(drawing, nullptr);
    TSheetReading r;
    for (const tvhost::THostViewPtr& view : drawing->Drawing().Views())
        Read(*view, r);
    EXPECT_EQ(r.Marks, r.Views) << "the marks' letters and the views' titles";
    for (const double d : c.Diameters)
        EXPECT_EQ(r.Diameters.count(d), 1u) << d;
    if (c.TaperAt < 0) return;
    // The taper's edges and the working end's length 15, or neither.
    const auto at = [&](double x) { return std::count(r.Verticals.begin(), r.Verticals.end(), x); };
    EXPECT_EQ(at(c.TaperAt), c.Taper ? 2 : 0);
    EXPECT_EQ(at(c.TaperAt + 16), c.Taper ? 2 : 0);
    EXPECT_EQ(r.Lengths.count(15), c.Taper ? 1u : 0u);
}

// The tapped pin of the gallery (row 4), its collar round.
void TappedRoundCollar(TDcDetail id)
{
    TSocketLeaderPin p(id, &drApi::MA, nullptr, nullptr);
    p.Set(TSocketLeaderPin::Type, 8, 35, 100);
    p.FRadius = p.OFRadius, p.ThreadRadius = 3, p.ThreadLen = 12;
    p.dr3D(0);
    p.dr2D();
}

INSTANTIATE_TEST_SUITE_P(
    Pins, TSheetMarksTest,
    testing::Values(
        // Working, collar and press-fit diameters.
        TSheetMarksCase{"LeaderPinPlain", "leaderpin", 0, nullptr, {16, 20}, -1, false},
        TSheetMarksCase{"LeaderPinTapped", "leaderpin", 1, nullptr, {16, 20}, -1, false},
        TSheetMarksCase{"LeaderPinPlainWithFlats", "leaderpin", 2, nullptr, {20, 25}, -1, false},
        TSheetMarksCase{"LeaderPinTappedRoundCollar", "leaderpin", 0, TappedRoundCollar, {16, 20}, -1, false},
        // Collar and working diameters; the taper 31 to 15 from the end face (the spring
        // ejector's drawn 20 along).
        TSheetMarksCase{"ReturnPinTapered", "backejector", 0, nullptr, {16, 8}, 69, true},
        TSheetMarksCase{"ReturnPinPlainShank", "backejector", 1, nullptr, {20, 10}, 94, false},
        TSheetMarksCase{"SpringEjectorPlainShank", "ejectorchannel", 2, nullptr, {8, 4}, 69, false}),
    [](const testing::TestParamInfo<TSheetMarksCase>& i) { return std::string(i.param.Label); });

} // namespace

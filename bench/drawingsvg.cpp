// The picture of a drawing as `tvhost export --svg` makes it, for 1,000 and 10,000 linear
// dimensions in one view, each number kept clear of those already placed: stacked on one
// another, side by side in a row, spread over a square, all from one base line, and too short
// to hold their numbers, stacked; then spread over a square with long boxes to keep clear of:
// numbers of 500 characters, a thick diagonal line 283 mm long across each dimension, a thick
// line across the view through each row of 25, notes of three lines and 480 characters; then
// each crossed by a thick diagonal line of 10 m, 1 km and 10^6 km, the picture inside the view
// the same whatever the length; then each with a thick line to one point at 1e15, 1e20 and
// 1e100 mm; then each measuring from its own point to x = 1e12, 1e15 and 1e20 mm; then each
// aligned from its own point to one point at 1e12, 1e15 and 1e20 mm on both axes, at about 45
// degrees. Reported as
// the time of 10,000 over that of 1,000 in each arrangement; a layout that tested each number
// against every earlier one would give about 100.

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <ostream>
#include <string>

#include "BenchTimes.h"
#include "Host.h"
#include "HostDocuments.h"
#include "HostSvg.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingComposites.h"
#include "tvapi/DrawingPrimitives.h"

namespace {

enum TArrangement {
    arStacked,
    arRow,
    arSquare,
    arBaseline,
    arShortStacked,
    arLongNumbers,
    arDiagonals,
    arRowLines,
    arNotes,
    arDiagonals10m,
    arDiagonals1km,
    arDiagonalsFar,
    arToFarPoint15,
    arToFarPoint20,
    arToFarPoint100,
    arMeasuringTo12,
    arMeasuringTo15,
    arMeasuringTo20,
    arDiagonalTo12,
    arDiagonalTo15,
    arDiagonalTo20,
    arCount
};

const char* const ArrangementNames[arCount] = {"stacked",
                                               "in a row",
                                               "over a square",
                                               "from one base line",
                                               "short and stacked",
                                               "with numbers of 500 characters",
                                               "each crossed by a diagonal thick line",
                                               "each row crossed by a thick line",
                                               "with notes of three lines",
                                               "each crossed by a diagonal thick line of 10 m",
                                               "each crossed by a diagonal thick line of 1 km",
                                               "each crossed by a diagonal thick line of 10^6 km",
                                               "each with a thick line to one point at 1e15 mm",
                                               "each with a thick line to one point at 1e20 mm",
                                               "each with a thick line to one point at 1e100 mm",
                                               "each measuring to x = 1e12 mm",
                                               "each measuring to x = 1e15 mm",
                                               "each measuring to x = 1e20 mm",
                                               "each aligned to one point at 1e12 mm on both axes",
                                               "each aligned to one point at 1e15 mm on both axes",
                                               "each aligned to one point at 1e20 mm on both axes"};

// Where the line from each dimension's middle ends, on the diagonal; 0 for none.
double FarPoint(TArrangement arrangement)
{
    switch (arrangement) {
    case arToFarPoint15:
        return 1e15;
    case arToFarPoint20:
        return 1e20;
    case arToFarPoint100:
        return 1e100;
    default:
        return 0;
    }
}

// Where each dimension's second foot lies, on the line of its first; 0 for its own place.
double MeasuredTo(TArrangement arrangement)
{
    switch (arrangement) {
    case arMeasuringTo12:
        return 1e12;
    case arMeasuringTo15:
        return 1e15;
    case arMeasuringTo20:
        return 1e20;
    default:
        return 0;
    }
}

// Where each aligned dimension's second foot lies on both axes; 0 for a horizontal dimension.
double AlignedReach(TArrangement arrangement)
{
    switch (arrangement) {
    case arDiagonalTo12:
        return 1e12;
    case arDiagonalTo15:
        return 1e15;
    case arDiagonalTo20:
        return 1e20;
    default:
        return 0;
    }
}

// How far the diagonal line across each dimension reaches each way along X and along Y, in
// millimetres; 0 for none.
double DiagonalReach(TArrangement arrangement)
{
    const double toReach = 1 / (2 * std::sqrt(2.0));
    switch (arrangement) {
    case arDiagonals:
        return 100;
    case arDiagonals10m:
        return 1e4 * toReach;
    case arDiagonals1km:
        return 1e6 * toReach;
    case arDiagonalsFar:
        return 1e12 * toReach;
    default:
        return 0;
    }
}

// Dimensions to a row when each row is crossed by a line: the lines, over a metre long, grow
// in number with the dimensions.
constexpr int RowLength = 25;

// The feet of the k-th dimension of `count` in `arrangement`: x1, y1, x2, y2.
void Feet(TArrangement arrangement, int k, int count, double feet[4])
{
    const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count))));
    switch (arrangement) {
    case arStacked:
        feet[0] = 0, feet[1] = 0, feet[2] = 30, feet[3] = 0;
        return;
    case arRow:
        feet[0] = 40.0 * k, feet[1] = 0, feet[2] = 40.0 * k + 30, feet[3] = 0;
        return;
    case arRowLines:
        feet[0] = 40.0 * (k % RowLength), feet[1] = 20.0 * (k / RowLength), feet[2] = feet[0] + 30,
        feet[3] = feet[1];
        return;
    case arSquare:
    case arLongNumbers:
    case arDiagonals:
    case arDiagonals10m:
    case arDiagonals1km:
    case arDiagonalsFar:
    case arToFarPoint15:
    case arToFarPoint20:
    case arToFarPoint100:
    case arNotes:
        feet[0] = 40.0 * (k % side), feet[1] = 20.0 * (k / side), feet[2] = feet[0] + 30, feet[3] = feet[1];
        return;
    case arMeasuringTo12:
    case arMeasuringTo15:
    case arMeasuringTo20:
        feet[0] = 40.0 * (k % side), feet[1] = 20.0 * (k / side), feet[2] = MeasuredTo(arrangement),
        feet[3] = feet[1];
        return;
    case arDiagonalTo12:
    case arDiagonalTo15:
    case arDiagonalTo20:
        feet[0] = 40.0 * (k % side), feet[1] = 20.0 * (k / side), feet[2] = AlignedReach(arrangement),
        feet[3] = AlignedReach(arrangement);
        return;
    case arBaseline:
        feet[0] = 0, feet[1] = 0, feet[2] = 10 + 0.5 * k, feet[3] = 0;
        return;
    default:
        feet[0] = 0, feet[1] = 0, feet[2] = 2, feet[3] = 0;
    }
}

// `length` characters of a number.
std::wstring Digits(int length)
{
    std::wstring text;
    while (static_cast<int>(text.size()) < length)
        text += L"1234567890";
    return text.substr(0, static_cast<std::size_t>(length));
}

void ThickLine(const tvapi::IDrawingContainerPtr& drawing, double x1, double y1, double x2, double y2)
{
    const tvapi::ILineSegmentPtr line = drawing->GetLineSegments()->Add();
    line->SetX1(x1);
    line->SetY1(y1);
    line->SetX2(x2);
    line->SetY2(y2);
    line->SetStyle(tvapi::tvCSNormal);
    line->Update();
}

// A drawing of `count` horizontal dimensions in its one view.
tvapi::ITervanDocumentPtr Drawing(tvhost::THost& host, TArrangement arrangement, int count)
{
    const tvapi::ITervanDocument2DPtr doc(host.App().Documents().AddDocument(tvapi::tvDocumentDrawing));
    const tvapi::IViewPtr view = doc->GetViewsAndLayersManager()->GetViews()->GetActiveView();
    const tvapi::ISymbols2DContainerPtr symbols(view);
    const tvapi::IDrawingContainerPtr drawing(view);
    if (arrangement == arRowLines)
        for (int row = 0; row * RowLength < count; ++row)
            ThickLine(drawing, -20, 20.0 * row + 4, 40.0 * RowLength + 20, 20.0 * row + 4);
    for (int k = 0; k < count; ++k) {
        double feet[4];
        Feet(arrangement, k, count, feet);
        const tvapi::ILineDimensionPtr dim = symbols->GetLineDimensions()->Add();
        dim->SetX1(feet[0]);
        dim->SetY1(feet[1]);
        dim->SetX2(feet[2]);
        dim->SetY2(feet[3]);
        if (AlignedReach(arrangement) > 0) {
            dim->SetOrientation(tvapi::tvLinDParallel);
            dim->SetAngle(std::atan2(feet[3] - feet[1], feet[2] - feet[0]));
        } else {
            dim->SetOrientation(tvapi::tvLinDHorizontal);
        }
        const tvapi::IDimensionTextPtr text(dim);
        text->SetAutoNominalValue(arrangement != arLongNumbers);
        if (arrangement == arLongNumbers) text->GetNominalText()->SetStr(Digits(500).c_str());
        text->SetDeviations(0.1, -0.1);
        if (arrangement == arNotes)
            text->GetNote()->SetStr((Digits(160) + L"\n" + Digits(160) + L"\n" + Digits(160)).c_str());
        // At 45 degrees through the dimension's middle.
        if (const double half = DiagonalReach(arrangement); half > 0)
            ThickLine(drawing, feet[0] + 15 - half, feet[1] - half, feet[0] + 15 + half, feet[1] + half);
        // Off the sheet's diagonals, so that the lines do not lie on one another in stacks.
        if (const double far = FarPoint(arrangement); far > 0)
            ThickLine(drawing, feet[0] + 15, feet[1], far, 0.618 * far);
    }
    return doc;
}

// The drawing of state.range(0) dimensions in arrangement state.range(1), drawn.
void BM_DimensionsSvg(benchmark::State& state)
{
    tvhost::THost host;
    const tvapi::ITervanDocumentPtr doc =
        Drawing(host, static_cast<TArrangement>(state.range(1)), static_cast<int>(state.range(0)));
    tvhost::TDrawing2D& drawing = tvhost::HostAs<tvhost::THostDocument2D>(doc)->Drawing();
    // Each picture is drawn in a child process, as each export runs in a process of its own:
    // the memory the picture takes is fresh for every size alike.
    for (auto _ : state) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::string svg, error;
            ::_exit(tvhost::DrawingSvg(drawing, svg, error) && !svg.empty() ? 0 : 1);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the drawing was not drawn");
    }
    doc->Close(tvapi::kdDoNotSaveChanges);
}
BENCHMARK(BM_DimensionsSvg)
    ->ArgsProduct({{1000, 10000},
                   {arStacked,       arRow,           arSquare,        arBaseline,     arShortStacked,
                    arLongNumbers,   arDiagonals,     arRowLines,      arNotes,        arDiagonals10m,
                    arDiagonals1km,  arDiagonalsFar,  arToFarPoint15,  arToFarPoint20, arToFarPoint100,
                    arMeasuringTo12, arMeasuringTo15, arMeasuringTo20, arDiagonalTo12, arDiagonalTo15,
                    arDiagonalTo20}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        for (int a = 0; a < arCount; ++a) {
            const std::string tail = "/" + std::to_string(a) + "/real_time";
            const double small = r.Seconds("BM_DimensionsSvg/1000" + tail);
            const double large = r.Seconds("BM_DimensionsSvg/10000" + tail);
            if (small > 0 && large > 0)
                out << "time of 10,000 dimensions over 1,000, " << ArrangementNames[a] << ": "
                    << large / small << " (at most 12 expected)\n";
        }
    });
}

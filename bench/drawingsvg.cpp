// The picture of a drawing as `tvhost export --svg` makes it, for 1,000 and 10,000 linear
// dimensions in one view, each number kept clear of those already placed: stacked on one
// another, side by side in a row, spread over a square, all from one base line, and too short
// to hold their numbers, stacked. Reported as the time of 10,000 over that of 1,000 in each
// arrangement; a layout that tested each number against every earlier one would give about 100.

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

namespace {

enum TArrangement { arStacked, arRow, arSquare, arBaseline, arShortStacked, arCount };

const char* const ArrangementNames[arCount] = {"stacked", "in a row", "over a square", "from one base line",
                                               "short and stacked"};

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
    case arSquare:
        feet[0] = 40.0 * (k % side), feet[1] = 20.0 * (k / side), feet[2] = feet[0] + 30, feet[3] = feet[1];
        return;
    case arBaseline:
        feet[0] = 0, feet[1] = 0, feet[2] = 10 + 0.5 * k, feet[3] = 0;
        return;
    default:
        feet[0] = 0, feet[1] = 0, feet[2] = 2, feet[3] = 0;
    }
}

// A drawing of `count` horizontal dimensions in its one view.
tvapi::ITervanDocumentPtr Drawing(tvhost::THost& host, TArrangement arrangement, int count)
{
    const tvapi::ITervanDocument2DPtr doc(host.App().Documents().AddDocument(tvapi::tvDocumentDrawing));
    const tvapi::ISymbols2DContainerPtr symbols(doc->GetViewsAndLayersManager()->GetViews()->GetActiveView());
    for (int k = 0; k < count; ++k) {
        double feet[4];
        Feet(arrangement, k, count, feet);
        const tvapi::ILineDimensionPtr dim = symbols->GetLineDimensions()->Add();
        dim->SetX1(feet[0]);
        dim->SetY1(feet[1]);
        dim->SetX2(feet[2]);
        dim->SetY2(feet[3]);
        dim->SetOrientation(tvapi::tvLinDHorizontal);
        tvapi::IDimensionTextPtr(dim)->SetAutoNominalValue(true);
        tvapi::IDimensionTextPtr(dim)->SetDeviations(0.1, -0.1);
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
    ->ArgsProduct({{1000, 10000}, {arStacked, arRow, arSquare, arBaseline, arShortStacked}})
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

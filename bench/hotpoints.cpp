// The phantom redraw of a panel with 100 and with 1,000 hot points on a stand-in part: each
// redraw takes out the marker of every hot point and puts a new one on it through the
// document's tessellation manager. The report gives the time per hot point at 1,000 over that
// at 100; near 1 means the cost grows linearly, 2 or more would point at a quadratic step.

#include <benchmark/benchmark.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "BenchTimes.h"
#include "Host.h"
#include "HotPointData.h"
#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"

namespace {

class TBenchPanel : public TBaseManager {
public:
    explicit TBenchPanel(int count) : Values(2 * static_cast<std::size_t>(count))
    {
        for (std::size_t i = 0; i < Values.size(); i += 2) {
            Values[i] = static_cast<double>(i);
            Points.Add2D(Values[i], Values[i + 1], 0.0);
        }
        AHotPoint = &Points;
    }
    ~TBenchPanel() override { AHotPoint = nullptr; }

    std::vector<double> Values;
    THotPointsData Points;
};

void BM_RedrawPhantom(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    tvhost::THost host;
    drApi::MA.R3->Tervan7 = &host.App();
    const tvapi::ITervanDocumentPtr doc =
        host.Application()->GetDocuments()->Add(tvapi::tvDocumentPart, true);
    drApi::MA.R3->ITessellationMng = tvapi::IExternalTessellationManagerPtr(doc);
    auto panel = std::make_unique<TBenchPanel>(count);
    panel->RedrawPhantom(); // the first markers; each timed redraw replaces them
    for (auto _ : state) {
        host.Journal().Clear();
        panel->RedrawPhantom();
    }
    state.counters["markers"] = panel->MeshDraw.AObjectID.Count;
    state.SetItemsProcessed(state.iterations() * count);

    panel->MeshDraw.Clear(0);
    panel.reset();
    drApi::MA.R3->IDoc.Reset();
    drApi::MA.R3->IDoc2D.Reset();
    drApi::MA.R3->IDoc3D.Reset();
    drApi::MA.R3->ITessellationMng.Reset();
    drApi::MA.R3->Tervan7 = nullptr;
}

BENCHMARK(BM_RedrawPhantom)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        const double ratio = r.Ratio("BM_RedrawPhantom/1000", "BM_RedrawPhantom/100") / 10.0;
        if (ratio > 0)
            out << "redraw time per hot point, 1,000 over 100: " << ratio
                << (ratio < 2.0 ? " (linear)" : " (NOT linear)") << "\n";
    });
}

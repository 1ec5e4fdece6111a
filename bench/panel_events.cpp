// Mouse moves through a running panel with 500 bindings, against the same number of moves
// through a frame whose only subscriber does nothing. Counters: events per second of both
// loops and the ratio of their times (the panel's cost per event over the bare dispatch).
// No threshold: the numbers are the baseline for later changes.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include "BenchTimes.h"
#include "Host.h"
#include "HostPressedKeys.h"
#include "HostProcess.h"
#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"

namespace {

constexpr int Events = 100000;
constexpr int Bindings = 500;

class TBenchPanel : public TBaseManager {
public:
    std::vector<double> Values = std::vector<double>(Bindings, 1.0);

    TBenchPanel()
    {
        PropertyTabs = ProcessParam ? ProcessParam->GetPropertyTabs() : tvapi::IPropertyTabsPtr();
        AddTab("Параметры");
        for (double& v : Values)
            AddEditValue("v", "", v, false);
    }
    using TBaseManager::Advise;
    void Advise() override
    {
        if (IsAdvise) return;
        TBaseManager::Advise();
        if (Frame) TReceiverFrameEvent::Advise(Frame->GetEvents(), -1);
    }
};

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

void BM_PanelMouseMove(benchmark::State& state)
{
    tvhost::THost host;
    drApi::MA.R3->Tervan7 = &host.App();
    const tvapi::ITervanDocumentPtr doc =
        host.Application()->GetDocuments()->Add(tvapi::tvDocumentDrawing, true);
    auto panel = std::make_unique<TBenchPanel>();
    panel->Advise();
    auto& frame = *dynamic_cast<tvhost::THostFrame*>(panel->Frame.Get());
    const tvapi::IPressedKeysPtr keys(tvhost::New<tvhost::THostPressedKeys>());
    auto bare = tvhost::New<tvhost::THostFrameEvents>();
    bare->AdviseMouseMove(L"bare", [](tvapi::IPressedKeysPtr, int x, int) { return x < 0; });

    double panelTime = 0;
    double bareTime = 0;
    for (auto _ : state) {
        host.Journal().Clear();
        auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < Events; ++i)
            benchmark::DoNotOptimize(frame.Events().MouseMove(keys, i, i));
        panelTime += Seconds(std::chrono::steady_clock::now() - t0);
        t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < Events; ++i)
            benchmark::DoNotOptimize(bare->MouseMove(keys, i, i));
        bareTime += Seconds(std::chrono::steady_clock::now() - t0);
    }
    const double total = static_cast<double>(state.iterations()) * Events;
    state.counters["panel_events_per_s"] = total / panelTime;
    state.counters["empty_events_per_s"] = total / bareTime;
    state.counters["ratio_to_empty"] = panelTime / bareTime;
    state.SetItemsProcessed(static_cast<int64_t>(total));

    panel.reset();
    drApi::MA.R3->IDoc.Reset();
    drApi::MA.R3->IDoc2D.Reset();
    drApi::MA.R3->IDoc3D.Reset();
    drApi::MA.R3->ITessellationMng.Reset();
    drApi::MA.R3->Tervan7 = nullptr;
}

} // namespace

BENCHMARK(BM_PanelMouseMove)->Unit(benchmark::kMillisecond);

// Console output as usual, then where the run took place.
int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter&, std::ostream&) {});
}

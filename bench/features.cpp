// A part's feature list on the stand-in: the time to add one more feature (a small square
// cut into a plate) to parts of 10, 100 and 200 features (the plate's extrusion and small
// cuts), and the time to open the 200-feature part from its file, which builds every feature
// again. The kernel builds per added feature are counted: 1 means nothing before the new
// feature was built again.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <ostream>
#include <string>

#include <unistd.h>

#include "BenchTimes.h"
#include "Host.h"
#include "HostDocuments.h"
#include "HostPart.h"
#include "HostSketch.h"
#include "HostText.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/ModelContainer.h"

namespace {

void Line(tvhost::THostSketch& s, double u0, double v0, double u1, double v1)
{
    const tvapi::IDrawingContainerPtr draw(tvapi::ITervanDocument2DPtr(&s.Document()));
    const tvapi::ILineSegmentPtr seg = draw->GetLineSegments()->Add();
    seg->SetX1(u0);
    seg->SetY1(v0);
    seg->SetX2(u1);
    seg->SetY2(v1);
    seg->SetStyle(tvapi::tvCSNormal);
    seg->Update();
}

// A rectangle on a new sketch of `part`, extruded `depth` along its normal as `kind`.
void AddExtrusion(tvhost::THostPart& part, tvapi::tvObj3dTypeEnum kind, double u0, double v0, double u1,
                  double v1, double depth)
{
    tvhost::THostSketch& s = part.AddSketch(L"");
    Line(s, u0, v0, u1, v0);
    Line(s, u1, v0, u1, v1);
    Line(s, u1, v1, u0, v1);
    Line(s, u0, v1, u0, v0);
    const tvapi::IExtrusionPtr e =
        tvapi::IModelContainerPtr(tvapi::IPartPtr(&part))->GetExtrusions()->Add(kind);
    e->SetProfile({tvapi::IModelObjectPtr(&s)});
    e->SetDirection(tvapi::dtNormal);
    e->SetSideParameters(true, tvapi::etBlind, depth, 0, false, {});
    tvapi::IModelObjectPtr(e)->Update();
}

// The i-th 1 x 1 square cut 1 deep into the plate, in rows of 49.
void AddCut(tvhost::THostPart& part, int i)
{
    const double u = 1 + (i % 49) * 2, v = 1 + (i / 49 % 49) * 2;
    AddExtrusion(part, tvapi::o3d_cutExtrusion, u, v, u + 1, v + 1, 1);
}

// A 100 x 100 x 10 plate and `features` - 1 cuts.
tvhost::THostPart& MakePart(tvhost::THost& host, tvapi::ITervanDocumentPtr& doc, int features)
{
    doc = host.App().Documents().AddDocument(tvapi::tvDocumentPart, L"bench.qpt");
    tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
    AddExtrusion(part, tvapi::o3d_bossExtrusion, 0, 0, 100, 100, 10);
    for (int i = 0; i < features - 1; ++i)
        AddCut(part, i);
    return part;
}

void BM_AddFeature(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    tvhost::THost host;
    tvapi::ITervanDocumentPtr doc;
    tvhost::THostPart& part = MakePart(host, doc, count);
    const long before = part.Features().Evaluations();
    int next = count - 1;
    for (auto _ : state)
        AddCut(part, next++);
    state.counters["kernel builds per add"] =
        static_cast<double>(part.Features().Evaluations() - before) / static_cast<double>(state.iterations());
}

void BM_ReopenPart(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const std::string path =
        (std::filesystem::temp_directory_path() / ("bench-features-" + std::to_string(::getpid()) + ".qpt"))
            .string();
    tvhost::THost host;
    {
        tvapi::ITervanDocumentPtr doc;
        tvhost::THostPart& part = MakePart(host, doc, count);
        (void)part;
        doc->SaveAs(tvhost::FromUtf8(path).c_str());
        doc->Close(tvapi::kdDoNotSaveChanges);
    }
    long builds = 0;
    for (auto _ : state) {
        const tvapi::ITervanDocumentPtr doc =
            host.Application()->GetDocuments()->Open(tvhost::FromUtf8(path).c_str(), true, false);
        state.PauseTiming();
        builds = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart().Features().Evaluations();
        doc->Close(tvapi::kdDoNotSaveChanges);
        state.ResumeTiming();
    }
    state.counters["kernel builds"] = static_cast<double>(builds);
    std::filesystem::remove(path);
}

BENCHMARK(BM_AddFeature)->Arg(10)->Arg(100)->Arg(200)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReopenPart)->Arg(200)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        const double ratio = r.Ratio("BM_AddFeature/200/iterations:5", "BM_AddFeature/10/iterations:5");
        if (ratio > 0)
            out << "adding a feature to 200 features over adding one to 10: " << ratio
                << " (the kernel's cut on a plate of more holes; no earlier feature is built again)\n";
    });
}

// The assembly chain panel on large assemblies in the stand-in host: opening the panel (which
// gathers every dimension of every part and numbers their planes) and searching a chain, at
// 200 and 2,000 dimensions. Each component is a 10 mm cube with ten dimensions between its
// opposite faces, stacked 10 mm apart along z so that neighbours share a plane; the closing
// dimension of the search spans the middle three cubes. The run ends with each step's cost at
// 2,000 over its cost at 200 (at most 12 wanted).

#include "BenchTimes.h"
#include "FacadeChainHost.h"
#include "Host.h"
#include "HostDocuments.h"
#include "HostKernel.h"
#include "HostMateFile.h"
#include "HostPart.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"
#include "pmDimensionChain3D.h"
#include "tvapi/Dimensions3D.h"
#include "tvapi/Topology.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int CubeDimensions = 10;
constexpr double Cube = 10.0;

drApi::TRegistryApi& R()
{
    return *drApi::MA.R3;
}

tvapi::IModelObjectPtr FaceAtZ(const tvhost::THostPart& part, double z)
{
    for (const tvapi::IModelObjectPtr& face : tvhost::EntitiesOf(part, tvapi::o3d_face)) {
        double b[6] = {};
        tvapi::IFacePtr(face)->GetSurface()->GetGabarit(b[0], b[1], b[2], b[3], b[4], b[5]);
        if (std::fabs(b[2] - z) < 1e-7 && std::fabs(b[5] - z) < 1e-7) return face;
    }
    return {};
}

// A host with one assembly of Count / 10 cubes, made the facade's document.
class TAssemblySession {
public:
    explicit TAssemblySession(int Count)
    {
        R().Tervan7 = &FHost.App();
        const tvapi::ITervanDocumentPtr doc = FHost.App().Documents().AddDocument(tvapi::tvDocumentAssembly);
        R().IDoc = doc;
        R().IDoc3D = doc;
        R().Part = R().IDoc3D->GetTopPart();
        drApi::Selector->Begin();
        tvhost::THostPart& assembly = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
        const int cubes = Count / CubeDimensions;
        for (int c = 0; c < cubes; ++c) {
            tvhost::THostPartPtr cube = tvhost::New<tvhost::THostPart>();
            cube->AddBody(tvhost::MakeBox({0, 0, 0}, Cube, Cube, Cube));
            const tvapi::ILineDimensions3DPtr dims =
                tvapi::ISymbols3DContainerPtr(tvapi::IPartPtr(cube.Get()))->GetLineDimensions3D();
            const tvapi::IModelObjectPtr bottom = FaceAtZ(*cube, 0.0), upper = FaceAtZ(*cube, Cube);
            for (int d = 0; d < CubeDimensions; ++d) {
                const tvapi::IBaseLineDimension3DPtr dim = dims->Add(tvapi::o3d_lineDimension3D);
                dim->SetObject1(bottom);
                dim->SetObject2(upper);
                tvapi::IModelObjectPtr(dim)->Update();
            }
            tvhost::TFrame frame;
            frame.Origin = {0, 0, c * Cube};
            cube->MoveTo(frame);
            assembly.AddComponent(cube);
        }
        // The closing dimension: a fourth part across the middle three cubes.
        tvhost::THostPartPtr rod = tvhost::New<tvhost::THostPart>();
        rod->AddBody(tvhost::MakeBox({0, 0, 0}, 2, 2, 3 * Cube));
        const tvapi::IBaseLineDimension3DPtr closing =
            tvapi::ISymbols3DContainerPtr(tvapi::IPartPtr(rod.Get()))
                ->GetLineDimensions3D()
                ->Add(tvapi::o3d_lineDimension3D);
        closing->SetObject1(FaceAtZ(*rod, 0.0));
        closing->SetObject2(FaceAtZ(*rod, 3 * Cube));
        tvapi::IModelObjectPtr(closing)->Update();
        tvhost::TFrame frame;
        frame.Origin = {20, 0, (cubes / 2 - 1) * Cube};
        rod->MoveTo(frame);
        assembly.AddComponent(rod);
        Closing = tvapi::IModelObjectPtr(closing);
        FHost.Journal().Clear();
    }
    ~TAssemblySession()
    {
        Closing.Reset();
        drApi::Selector->End(false);
        drApi::MA.Done();
    }
    TAssemblySession(const TAssemblySession&) = delete;
    TAssemblySession& operator=(const TAssemblySession&) = delete;

    std::unique_ptr<TpmDimensionChain3D> Open() { return std::make_unique<TpmDimensionChain3D>(); }
    void Close(std::unique_ptr<TpmDimensionChain3D>& Panel)
    {
        Panel.reset();
        FHost.Journal().Clear();
    }

    tvapi::IModelObjectPtr Closing;

private:
    tvhost::THost FHost;
};

std::unique_ptr<TAssemblySession> TheSession;
int TheSessionCount = 0;

TAssemblySession& Session(int Count)
{
    if (!TheSession || TheSessionCount != Count) {
        TheSession.reset();
        TheSession = std::make_unique<TAssemblySession>(Count);
        TheSessionCount = Count;
    }
    return *TheSession;
}

void OpenPanel(benchmark::State& state, int Count)
{
    TAssemblySession& s = Session(Count);
    int links = 0;
    for (auto _ : state) {
        auto panel = s.Open();
        links = panel->AllDimension3D.Count();
        state.PauseTiming();
        s.Close(panel);
        state.ResumeTiming();
    }
    state.counters["links"] = links;
}

void SearchChain(benchmark::State& state, int Count)
{
    TAssemblySession& s = Session(Count);
    int found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto panel = s.Open();
        FacadeChainHost().ClearSelection();
        drApi::Selector->Select(tvapi::ITervanAPIObjectPtr(s.Closing));
        const tvapi::IPropertyControlPtr command(panel->bAddDimChain);
        state.ResumeTiming();
        panel->ControlCommand(command, 1);
        state.PauseTiming();
        found = panel->DimensionChains.DimChains.Count - 1;
        s.Close(panel);
        state.ResumeTiming();
    }
    state.counters["chains"] = found;
}

std::string Name(const char* Step, int Count)
{
    return std::string(Step) + "/" + std::to_string(Count);
}

constexpr int Sizes[] = {200, 2000};

void Register()
{
    for (int count : Sizes) {
        benchmark::RegisterBenchmark(Name("Open", count).c_str(), OpenPanel, count)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(Name("Search", count).c_str(), SearchChain, count)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv)
{
    Register();
    const int result = RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        for (const char* step : {"Open", "Search"})
            if (const double ratio = r.Ratio(Name(step, 2000), Name(step, 200)); ratio > 0)
                out << step << ": 2,000 dimensions cost " << ratio << " times 200 (at most 12 wanted)\n";
    });
    TheSession.reset(); // the host ends before the facade's globals do
    return result;
}

// The hidden-line picture of a model as `tvhost export --svg` makes it: a part (a block with a
// cylinder standing on it) 10 mm, 1 m and 1 km across, each drawn in a child process whose
// peak memory is counted; and assemblies of 250 and 1,000 such parts of 10 mm, stacked where
// they are inserted or spread in rows, opened from their file and drawn. Reported as ratios: the peak memory
// of the largest part over the smallest's, and the time per component of the large assembly over the small
// one's.

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "BenchTimes.h"
#include "Host.h"
#include "HostDocuments.h"
#include "HostHlr.h"
#include "HostKernel.h"
#include "HostPart.h"
#include "HostText.h"
#include "tvapi/Part.h"

namespace {

namespace fs = std::filesystem;

fs::path Folder()
{
    static const fs::path folder = [] {
        fs::path f = fs::temp_directory_path() / ("bench-modelsvg-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

// The part `size` mm across (a block of size x size/2 x size/4, a cylinder on it), saved once.
fs::path PartFile(double size)
{
    const fs::path file = Folder() / ("part-" + std::to_string(static_cast<long long>(size)) + ".qpt");
    if (fs::exists(file)) return file;
    tvhost::THost host;
    const tvapi::ITervanDocumentPtr doc = host.App().Documents().AddDocument(tvapi::tvDocumentPart);
    tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
    part.AddBody(tvhost::MakeBox({0, 0, 0}, size, size / 2, size / 4));
    part.AddBody(tvhost::MakeCylinder({size / 2, size / 4, size / 4}, {0, 0, 1}, size / 8, size / 4));
    doc->SaveAs(tvhost::FromUtf8(file.string()).c_str());
    doc->Close(tvapi::kdDoNotSaveChanges);
    return file;
}

// An assembly of `count` parts of 10 mm, saved once: in rows of 50 when `spread`, else each
// where it is inserted, at the origin.
fs::path AssemblyFile(int count, bool spread)
{
    const fs::path file =
        Folder() / ("assembly-" + std::to_string(count) + (spread ? "-spread" : "-stacked") + ".qas");
    if (fs::exists(file)) return file;
    const std::wstring part = tvhost::FromUtf8(PartFile(10).string());
    tvhost::THost host;
    const tvapi::ITervanDocumentPtr doc = host.App().Documents().AddDocument(tvapi::tvDocumentAssembly);
    const tvapi::IPartsPtr parts = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart().GetParts();
    for (int i = 0; i < count; ++i) {
        const tvapi::IPartPtr c = parts->AddFromFile(part.c_str(), true, true);
        if (!spread) continue;
        c->GetPlacement()->SetOrigin(15.0 * (i % 50), 10.0 * (i / 50), 0);
        c->UpdatePlacement(true);
    }
    doc->SaveAs(tvhost::FromUtf8(file.string()).c_str());
    doc->Close(tvapi::kdDoNotSaveChanges);
    return file;
}

// Opens `file` and draws it; the picture's length, 0 when it failed.
std::size_t Draw(const fs::path& file)
{
    tvhost::THost host;
    const tvapi::ITervanDocumentPtr doc = host.App().Documents().OpenFile(tvhost::FromUtf8(file.string()));
    auto* model = dynamic_cast<tvhost::THostDocument3D*>(doc.Get());
    if (!model) return 0;
    std::string svg, error;
    const bool drawn = tvhost::PartSvg(model->TopPart().PlacedShapes(), svg, error);
    doc->Close(tvapi::kdDoNotSaveChanges);
    return drawn ? svg.size() : 0;
}

// The part of size state.range(0) mm drawn in a child process: its peak memory in MB.
void BM_PartSvg(benchmark::State& state)
{
    const fs::path file = PartFile(static_cast<double>(state.range(0)));
    double peak = 0;
    for (auto _ : state) {
        const pid_t pid = ::fork();
        if (pid == 0) ::_exit(Draw(file) > 0 ? 0 : 1);
        int status = 0;
        rusage use{};
        ::wait4(pid, &status, 0, &use);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the part was not drawn");
        peak = static_cast<double>(use.ru_maxrss) / 1024.0;
    }
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_PartSvg)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(1000000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The assembly of state.range(0) components (spread when state.range(1)) opened and drawn.
void BM_AssemblySvg(benchmark::State& state)
{
    const fs::path file = AssemblyFile(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state)
        if (Draw(file) == 0) state.SkipWithError("the assembly was not drawn");
    state.counters["components"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_AssemblySvg)
    ->ArgsProduct({{250, 1000}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    const int code = RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        const double small = r.Counter("BM_PartSvg/10/iterations:1/real_time", "peak_MB");
        const double large = r.Counter("BM_PartSvg/1000000/iterations:1/real_time", "peak_MB");
        const double middle = r.Counter("BM_PartSvg/1000/iterations:1/real_time", "peak_MB");
        if (small > 0 && large > 0 && middle > 0)
            out << "peak memory of the part's picture, 1 km over 10 mm: " << large / small
                << ", 1 m over 10 mm: " << middle / small << " (at most 1.5 expected)\n";
        for (const char* layout : {"0", "1"}) {
            const std::string tail = std::string("/") + layout + "/iterations:1/real_time";
            const double per250 = r.Seconds("BM_AssemblySvg/250" + tail) / 250;
            const double per1000 = r.Seconds("BM_AssemblySvg/1000" + tail) / 1000;
            if (per250 > 0 && per1000 > 0)
                out << "time per component, 1,000 over 250 components "
                    << (*layout == '1' ? "spread" : "stacked") << ": " << per1000 / per250
                    << " (at most 2 expected)\n";
        }
    });
    std::error_code ignored;
    fs::remove_all(Folder(), ignored);
    return code;
}

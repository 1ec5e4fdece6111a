#pragma once
// The benchmarks' common ending: the usual console output, then ratios between benchmarks of
// the same run. The reporter keeps each benchmark's real time per iteration, in seconds, under
// its full name ("BM_X/4/real_time") and under its function name ("BM_X").

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

class TTimesReporter : public benchmark::ConsoleReporter {
public:
    using TReport = std::function<void(const TTimesReporter&, std::ostream&)>;

    explicit TTimesReporter(TReport report) : FReport(std::move(report)) {}

    // Seconds per iteration of `name`; 0 when it did not run.
    double Seconds(const std::string& name) const
    {
        const auto it = FSeconds.find(name);
        return it == FSeconds.end() ? 0.0 : it->second;
    }
    // a's time over b's; 0 when either did not run.
    double Ratio(const std::string& a, const std::string& b) const
    {
        const double ta = Seconds(a), tb = Seconds(b);
        return ta > 0 && tb > 0 ? ta / tb : 0.0;
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
            const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            FSeconds[run.benchmark_name()] = seconds;
            FSeconds[run.run_name.function_name] = seconds;
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        FReport(*this, GetOutputStream());
    }

private:
    TReport FReport;
    std::map<std::string, double> FSeconds;
};

// The whole main of a benchmark program whose run ends with `report`.
inline int RunBenchmarks(int argc, char** argv, TTimesReporter::TReport report)
{
    benchmark::Initialize(&argc, argv);
    TTimesReporter reporter(std::move(report));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

#pragma once
// The benchmarks' common ending: the usual console output, then the machine the figures come
// from (the CPUs the process may run on, memcpy's own speed) and ratios between benchmarks of
// the same run. The reporter keeps each benchmark's real time per iteration, in seconds, under
// its full name ("BM_X/4/real_time") and under its function name ("BM_X"); with repetitions,
// the median of them.

#include <benchmark/benchmark.h>

#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// The CPUs this process may run on, as taskset sets them: "CPUs 2,3 (2 of 8 online)".
inline std::string AffinityText()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0) return "CPUs unknown";
    std::string list;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &set)) list += (list.empty() ? "" : ",") + std::to_string(cpu);
    const long online = sysconf(_SC_NPROCESSORS_ONLN);
    return "CPUs " + list + " (" + std::to_string(CPU_COUNT(&set)) + " of " + std::to_string(online) +
           " online)";
}

// memcpy's own speed on this machine in GB/s: the best of several copies of 64 MiB into a
// warm destination, so that a ratio to memcpy says which kind of machine it came from.
inline double MemcpyGBs()
{
    constexpr std::size_t bytes = std::size_t(64) << 20;
    std::vector<char> src(bytes, 1), dst(bytes, 0);
    double best = 0.0;
    for (int round = 0; round < 6; ++round) {
        const auto t0 = std::chrono::steady_clock::now();
        std::memcpy(dst.data(), src.data(), bytes);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
        const std::chrono::duration<double> t = std::chrono::steady_clock::now() - t0;
        if (round > 0) best = std::max(best, bytes / t.count() / 1e9); // the first warms dst
    }
    return best;
}

class TTimesReporter : public benchmark::ConsoleReporter {
public:
    using TReport = std::function<void(const TTimesReporter&, std::ostream&)>;

    explicit TTimesReporter(TReport report) : FReport(std::move(report)) {}

    // Seconds per iteration of `name`, the median over its repetitions; 0 when it did not run.
    double Seconds(const std::string& name) const
    {
        const auto alias = FLastOf.find(name);
        const auto it = FSeconds.find(alias == FLastOf.end() ? name : alias->second);
        if (it == FSeconds.end() || it->second.empty()) return 0.0;
        std::vector<double> t = it->second;
        std::sort(t.begin(), t.end());
        const std::size_t n = t.size();
        return n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
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
            FSeconds[run.benchmark_name()].push_back(seconds);
            if (run.run_name.function_name != run.benchmark_name())
                FLastOf[run.run_name.function_name] = run.benchmark_name();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::ostream& out = GetOutputStream();
        out << "run on " << AffinityText() << "; memcpy here: " << MemcpyGBs() << " GB/s (warm, 64 MiB)\n";
        FReport(*this, out);
    }

private:
    TReport FReport;
    std::map<std::string, std::vector<double>> FSeconds; // by full name, one per repetition
    std::map<std::string, std::string> FLastOf;          // function name -> its last full name
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

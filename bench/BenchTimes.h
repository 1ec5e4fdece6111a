#pragma once
// The benchmarks' common ending: the usual console output, then the machine the figures come
// from (the CPUs the process may run on, how much of their time other processes took during
// the run, memcpy's own speed) and ratios between benchmarks of the same run. The reporter
// keeps each benchmark's real time per iteration, in seconds, under its full name
// ("BM_X/4/real_time") and under its function name ("BM_X"); with repetitions, the median of
// them. Counters are kept the same way.

#include <benchmark/benchmark.h>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>
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

// Clock ticks of the CPUs this process may run on, summed from /proc/stat, and the CPU time the
// process itself used: between two of them, what other processes took of those CPUs.
struct TCpuShare {
    double Busy = 0.0;  // seconds the CPUs of the set ran anything, stolen time included
    double Total = 0.0; // seconds of those CPUs, idle included
    double Own = 0.0;   // seconds this process ran

    static TCpuShare Now()
    {
        TCpuShare now;
        cpu_set_t set;
        CPU_ZERO(&set);
        if (sched_getaffinity(0, sizeof set, &set) != 0) return now;
        const double tick = 1.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
        std::ifstream stat("/proc/stat");
        for (std::string line; std::getline(stat, line);) {
            int cpu = -1; // "cpu3 ...", not the "cpu  ..." line of all of them
            if (line.size() < 4 || line.compare(0, 3, "cpu") != 0 ||
                !std::isdigit(static_cast<unsigned char>(line[3])) ||
                std::sscanf(line.c_str() + 3, "%d", &cpu) != 1 || cpu < 0 || cpu >= CPU_SETSIZE ||
                !CPU_ISSET(cpu, &set))
                continue;
            std::istringstream fields(line.substr(line.find(' ')));
            // user nice system idle iowait irq softirq steal
            unsigned long long t[8] = {};
            for (unsigned long long& v : t)
                fields >> v;
            const unsigned long long idle = t[3] + t[4];
            unsigned long long all = 0;
            for (const unsigned long long v : t)
                all += v;
            now.Busy += static_cast<double>(all - idle) * tick;
            now.Total += static_cast<double>(all) * tick;
        }
        rusage use{};
        if (getrusage(RUSAGE_SELF, &use) == 0)
            now.Own = static_cast<double>(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
                      static_cast<double>(use.ru_utime.tv_usec + use.ru_stime.tv_usec) * 1e-6;
        return now;
    }
    // The share of the CPUs' time between `from` and this one that other processes took,
    // 0..1; negative when the kernel gave no figures.
    double OthersSince(const TCpuShare& from) const
    {
        const double total = Total - from.Total;
        if (total <= 0.0) return -1.0;
        const double others = (Busy - from.Busy) - (Own - from.Own);
        return std::clamp(others / total, 0.0, 1.0);
    }
};

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

    explicit TTimesReporter(TReport report) : FReport(std::move(report)), FStart(TCpuShare::Now()) {}

    // Seconds per iteration of `name`, the median over its repetitions; 0 when it did not run.
    double Seconds(const std::string& name) const { return MedianOf(FSeconds, FullName(name)); }
    // Seconds per iteration of `name`, the fastest of its repetitions; 0 when it did not run.
    double Fastest(const std::string& name) const
    {
        const auto it = FSeconds.find(FullName(name));
        return it == FSeconds.end() || it->second.empty()
                   ? 0.0
                   : *std::min_element(it->second.begin(), it->second.end());
    }
    // CPU seconds per iteration of `name` (of the whole process when the benchmark measures
    // the process's CPU time), the median over its repetitions; 0 when it did not run.
    double CpuSeconds(const std::string& name) const { return MedianOf(FCpuSeconds, FullName(name)); }
    // The counter `key` of `name`, the median over its repetitions; 0 when it did not run.
    double Counter(const std::string& name, const std::string& key) const
    {
        return MedianOf(FCounters, FullName(name) + "|" + key);
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
            FCpuSeconds[run.benchmark_name()].push_back(run.cpu_accumulated_time /
                                                        static_cast<double>(run.iterations));
            for (const auto& [key, counter] : run.counters)
                FCounters[run.benchmark_name() + "|" + key].push_back(counter.value);
            if (run.run_name.function_name != run.benchmark_name())
                FLastOf[run.run_name.function_name] = run.benchmark_name();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::ostream& out = GetOutputStream();
        out << "run on " << AffinityText();
        if (const double others = TCpuShare::Now().OthersSince(FStart); others >= 0)
            out << ", " << static_cast<int>(others * 100 + 0.5)
                << " % of their time taken by other processes";
        out << "; memcpy here: " << MemcpyGBs() << " GB/s (warm, 64 MiB)\n";
        FReport(*this, out);
    }

private:
    // A function name stands for its last full name.
    std::string FullName(const std::string& name) const
    {
        const auto alias = FLastOf.find(name);
        return alias == FLastOf.end() ? name : alias->second;
    }
    static double MedianOf(const std::map<std::string, std::vector<double>>& by, const std::string& key)
    {
        const auto it = by.find(key);
        return it == by.end() ? 0.0 : Median(it->second);
    }
    static double Median(std::vector<double> t)
    {
        if (t.empty()) return 0.0;
        std::sort(t.begin(), t.end());
        const std::size_t n = t.size();
        return n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
    }

    TReport FReport;
    TCpuShare FStart;                                       // when the run began
    std::map<std::string, std::vector<double>> FSeconds;    // by full name, one per repetition
    std::map<std::string, std::vector<double>> FCpuSeconds; // the same, CPU time
    std::map<std::string, std::vector<double>> FCounters;   // by "full name|counter"
    std::map<std::string, std::string> FLastOf;             // function name -> its last full name
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

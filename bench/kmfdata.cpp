// Byte stream speed: 10 million doubles written into a memory-mode TKmfData and read back
// into an array, against memcpy of the same 80 MB, a round of each in turn so that both meet
// the same load from the other cores. A stream reused for the next record keeps its buffer and
// is compared with memcpy into a warm destination; a new stream pays the first touch of its
// buffer and is compared with memcpy into fresh memory. Writing and reading moves the bytes
// twice, so 0.5 is the ceiling. Run it pinned to one idle core (taskset -c N); the output says
// where it ran and how much of that core other processes took.

#include "KmfData.h"
#include "BenchTimes.h"
#include "TArray.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int CountValues = 10000000;

const std::vector<double>& Values()
{
    static const std::vector<double> values = [] {
        std::vector<double> v(CountValues);
        for (int i = 0; i < CountValues; ++i)
            v[i] = i * 0.5 - 1.0;
        return v;
    }();
    return values;
}

// One round of the stream: every value written, then every value read back.
void WriteReadBack(TKmfData& stream, const std::vector<double>& src, std::vector<double>& back)
{
    for (const double& v : src)
        stream.Write(v);
    for (double& v : back)
        v = stream.ReadReal();
}

// Rounds of each kind taken in turn, so that every kind meets the same load of the memory bus
// the other cores share; each kind's median round, in seconds, goes to a counter of its name.
// A timed round follows an untimed one of its own kind, so it finds caches and page tables as
// it would running alone.
class TInTurn {
public:
    template <class F> void Time(const std::string& kind, F&& round)
    {
        round();
        benchmark::ClobberMemory();
        const auto t0 = std::chrono::steady_clock::now();
        round();
        benchmark::ClobberMemory();
        FRounds[kind].push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    void Report(benchmark::State& state)
    {
        for (auto& [kind, t] : FRounds) {
            std::sort(t.begin(), t.end());
            state.counters[kind] = t[t.size() / 2];
        }
    }

private:
    std::map<std::string, std::vector<double>> FRounds;
};

// Warm: memcpy into a destination written before, one stream for every round (loading an
// empty blob rewinds it and keeps its buffer), its values one by one and as one stored array.
void BM_WarmInTurn(benchmark::State& state)
{
    const std::vector<double>& src = Values();
    std::vector<double> dst(src.size()), back(src.size());
    TArrayOf<double> array(CountValues, 16), arrayBack(CountValues, 16);
    for (const double v : src)
        array.Add(v);
    std::vector<Byte> empty;
    TKmfData().to(empty);
    TKmfData stream;
    TInTurn rounds;
    for (auto _ : state) {
        rounds.Time("memcpy", [&] {
            std::memcpy(dst.data(), src.data(), src.size() * sizeof(double));
            benchmark::DoNotOptimize(dst.data());
        });
        rounds.Time("values", [&] {
            stream.from(empty);
            WriteReadBack(stream, src, back);
            benchmark::DoNotOptimize(back.data());
        });
        rounds.Time("array", [&] {
            stream.from(empty);
            array.toStream(stream);
            arrayBack.fromStream(stream);
            benchmark::DoNotOptimize(arrayBack.FArray);
        });
    }
    if (back != src) state.SkipWithError("values read back differ");
    if (arrayBack.Count != CountValues || !std::equal(arrayBack.begin(), arrayBack.end(), src.begin()))
        state.SkipWithError("array read back differs");
    rounds.Report(state);
}

// Fresh: memcpy into new memory and a new stream, both paying the first touch of their pages.
void BM_FreshInTurn(benchmark::State& state)
{
    const std::vector<double>& src = Values();
    std::vector<double> back(src.size());
    TInTurn rounds;
    for (auto _ : state) {
        rounds.Time("memcpy", [&] {
            std::unique_ptr<double[]> dst(new double[src.size()]);
            std::memcpy(dst.get(), src.data(), src.size() * sizeof(double));
            benchmark::DoNotOptimize(dst.get());
        });
        rounds.Time("values", [&] {
            TKmfData stream;
            WriteReadBack(stream, src, back);
            benchmark::DoNotOptimize(back.data());
        });
    }
    if (back != src) state.SkipWithError("values read back differ");
    rounds.Report(state);
}

BENCHMARK(BM_WarmInTurn)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_FreshInTurn)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

// Console output as usual, then the stream's throughput as a share of memcpy's in the same turns.
int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        const auto share = [&](const char* label, const char* bench, const char* kind) {
            const double stream = r.Counter(bench, kind), copy = r.Counter(bench, "memcpy");
            if (stream > 0 && copy > 0)
                out << "KmfData write+read throughput, " << label << ": " << copy / stream << "\n";
        };
        share("reused stream / memcpy (warm destination)", "BM_WarmInTurn", "values");
        share("new stream / memcpy (fresh destination)", "BM_FreshInTurn", "values");
        share("stored array, reused stream / memcpy (warm destination)", "BM_WarmInTurn", "array");
        if (const double t = r.Counter("BM_WarmInTurn", "memcpy"); t > 0)
            out << "memcpy of the 80 MB in this run: " << CountValues * sizeof(double) / t / 1e9 << " GB/s\n";
    });
}

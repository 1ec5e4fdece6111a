// Byte stream speed: 10 million doubles written into a memory-mode TKmfData and read back
// into an array, against memcpy of the same 80 MB in the same run. A stream reused for the
// next record keeps its buffer and is compared with memcpy into a warm destination; a new
// stream pays the first touch of its buffer and is compared with memcpy into fresh memory.
// Run it pinned to one idle core (taskset -c N); the output says where it ran.

#include "KmfData.h"
#include "BenchTimes.h"
#include "TArray.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
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

// Bytes of the values per round, for the throughput column.
void SetRoundBytes(benchmark::State& state, const std::vector<double>& src)
{
    state.SetBytesProcessed(state.iterations() * std::int64_t(src.size() * sizeof(double)));
}

// One round of the stream: every value written, then every value read back.
void WriteReadBack(TKmfData& stream, const std::vector<double>& src, std::vector<double>& back)
{
    for (const double& v : src)
        stream.Write(v);
    for (double& v : back)
        v = stream.ReadReal();
}

void BM_Memcpy(benchmark::State& state)
{
    const std::vector<double>& src = Values();
    std::vector<double> dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size() * sizeof(double));
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    SetRoundBytes(state, src);
}

// A fresh destination pays the page faults a new stream buffer pays.
void BM_MemcpyFresh(benchmark::State& state)
{
    const std::vector<double>& src = Values();
    for (auto _ : state) {
        std::unique_ptr<double[]> dst(new double[src.size()]);
        std::memcpy(dst.get(), src.data(), src.size() * sizeof(double));
        benchmark::DoNotOptimize(dst.get());
        benchmark::ClobberMemory();
    }
    SetRoundBytes(state, src);
}

void BM_KmfDataWriteRead(benchmark::State& state)
{
    const std::vector<double>& src = Values();
    std::vector<double> back(src.size());
    for (auto _ : state) {
        TKmfData stream;
        WriteReadBack(stream, src, back);
        benchmark::DoNotOptimize(back.data());
        benchmark::ClobberMemory();
    }
    SetRoundBytes(state, src);
}

// One stream for every round: loading an empty blob rewinds it and keeps its buffer.
void BM_KmfDataWriteReadReused(benchmark::State& state)
{
    const std::vector<double>& src = Values();
    std::vector<double> back(src.size());
    std::vector<Byte> empty;
    TKmfData().to(empty);
    TKmfData stream;
    for (auto _ : state) {
        stream.from(empty);
        WriteReadBack(stream, src, back);
        benchmark::DoNotOptimize(back.data());
        benchmark::ClobberMemory();
    }
    if (back != src) state.SkipWithError("values read back differ");
    SetRoundBytes(state, src);
}

// The same values as one stored array (TArrayOf<double>): its numbers go in one block copy.
void BM_KmfDataArrayReused(benchmark::State& state)
{
    const std::vector<double>& src = Values();
    TArrayOf<double> array(CountValues, 16), back(CountValues, 16);
    for (const double v : src)
        array.Add(v);
    std::vector<Byte> empty;
    TKmfData().to(empty);
    TKmfData stream;
    for (auto _ : state) {
        stream.from(empty);
        array.toStream(stream);
        back.fromStream(stream);
        benchmark::DoNotOptimize(back.FArray);
        benchmark::ClobberMemory();
    }
    if (back.Count != CountValues || !std::equal(back.begin(), back.end(), src.begin()))
        state.SkipWithError("array read back differs");
    SetRoundBytes(state, src);
}

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyFresh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KmfDataWriteRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KmfDataWriteReadReused)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KmfDataArrayReused)->Unit(benchmark::kMillisecond);

} // namespace

// Console output as usual, then the stream's throughput as a share of memcpy's.
int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        const auto share = [&](const char* label, const char* stream, const char* reference) {
            if (const double ratio = r.Ratio(reference, stream); ratio > 0)
                out << "KmfData write+read throughput, " << label << ": " << ratio << "\n";
        };
        share("reused stream / memcpy (warm destination)", "BM_KmfDataWriteReadReused", "BM_Memcpy");
        share("new stream / memcpy (fresh destination)", "BM_KmfDataWriteRead", "BM_MemcpyFresh");
        share("stored array, reused stream / memcpy (warm destination)", "BM_KmfDataArrayReused",
              "BM_Memcpy");
        if (const double t = r.Seconds("BM_Memcpy"); t > 0)
            out << "memcpy of the 80 MB in this run: " << CountValues * sizeof(double) / t / 1e9 << " GB/s\n";
    });
}

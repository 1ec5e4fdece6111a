// A deviation text's reading against the text's length: texts of 10^4 and 10^5 characters of
// each kind a drawing from elsewhere may be long in (format characters after a dropped one,
// blanks after an angle's sign, the host's degree codes, digits) read by ReadDeviation. Linear
// work gives a ratio near 10 between the two lengths; the ratio is of the fastest repetitions,
// so that a busy machine skews it least.

#include "DeviationText.h"
#include "BenchTimes.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <ostream>
#include <string>

namespace {

enum TShape : int { shFormat, shBlanks, shDegreeCodes, shDigits, shCount };

const char* const ShapeNames[shCount] = {"format characters after a dropped one", "blanks after a sign",
                                         "host degree codes", "digits"};

struct TSample {
    std::wstring Text;
    bool Angular = false;
    bool Figure = true; // the reading gives a number, not NaN
};

// A text of about Length characters of the shape, and whether it is read as an angle.
TSample Sample(int Shape, std::size_t Length)
{
    switch (Shape) {
    case shFormat:
        return {L"(" + std::wstring(Length, L'\u200B') + L"-0,1", false};
    case shBlanks:
        return {L"+" + std::wstring(Length, L' ') + L"0\u00B030'", true};
    case shDegreeCodes: {
        std::wstring text = L"+";
        while (text.size() + HostDegreeCode.size() <= Length)
            text += HostDegreeCode;
        return {text, true};
    }
    default:
        return {L"-0," + std::wstring(Length, L'1'), false};
    }
}

void BM_ReadDeviation(benchmark::State& state)
{
    const TSample sample = Sample(static_cast<int>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    TDeviationReading reading;
    for (auto _ : state) {
        reading = ReadDeviation(sample.Text, sample.Angular);
        benchmark::DoNotOptimize(reading);
    }
    if (std::isnan(reading.Value) == sample.Figure) state.SkipWithError("no figure read");
    state.SetLabel(ShapeNames[state.range(0)]);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(sample.Text.size()));
}

BENCHMARK(BM_ReadDeviation)
    ->ArgsProduct({{shFormat, shBlanks, shDegreeCodes, shDigits}, {10000, 100000}})
    ->Repetitions(5)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, [](const TTimesReporter& r, std::ostream& out) {
        for (int shape = 0; shape < shCount; ++shape) {
            const std::string name = "BM_ReadDeviation/" + std::to_string(shape) + "/";
            const std::string runs = "/repeats:5";
            const double small = r.Fastest(name + "10000" + runs), large = r.Fastest(name + "100000" + runs);
            if (small > 0 && large > 0)
                out << "deviation text, " << ShapeNames[shape]
                    << ", 10^5 / 10^4 characters: " << large / small << " (linear: 10, at most 12)\n";
        }
    });
}

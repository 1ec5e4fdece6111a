// The debug channel: everything composed here is discarded.
#include "TDebug.h"

#include "KmfData.h"

#include <cstdio>
#include <mutex>
#include <string>

namespace {

constexpr Real kMicroPerSecond = 1e6;

TDebugData& SharedData()
{
    static TDebugData data; // zero-filled on first use, thread-safe
    return data;
}

TArrayOfReal::TDebugReal& Scratch()
{
    thread_local TArrayOfReal::TDebugReal scratch;
    return scratch;
}

} // namespace

char TArrayOfReal::LastName = ' ';
Integer TArrayOfReal::LastI = -1;

TDebug::TDebug() : Data(&SharedData()) {}

TDebug& TDebug::Instance()
{
    static TDebug Debuger;
    return Debuger;
}

void TDebug::Output(const TString&) const {}

TDebug::TTime TDebug::GetTime() const
{
    return std::chrono::time_point_cast<std::chrono::microseconds>(std::chrono::system_clock::now());
}

Real TDebug::GetDTime(TTime t1, TTime t2) const
{
    return static_cast<Real>((t2 - t1).count()) / kMicroPerSecond;
}

void TDebug::GetTime(TATime& A, Boolean DoOutput, const TString* Text, Integer K) const
{
    A.Add(GetTime());
    if (DoOutput) OutTime(A, Text, K);
}

TString TDebug::FormatTimes(const TATime& A, const TString* Text, Integer K)
{
    TString line;
    if (A.Count < 2) return line;
    const TDebug& d = Instance();
    for (Integer i = 1; i < A.Count; ++i) {
        line.Add(TString(d.GetDTime(A[i - 1], A[i]) * K, 2, true, 7));
        line.Add(" ");
    }
    line.Add("  = ");
    line.Add(TString(d.GetDTime(A[0], A[A.Count - 1]) * K, 2, true, 7));
    if (Text != nullptr) {
        line.Add(" ");
        line.Add(*Text);
    }
    return line;
}

void TDebug::OutTime(TATime& A, const TString* Text, Integer K) const
{
    if (A.Count < 2) return;
    Output(FormatTimes(A, Text, K));
}

Boolean TDebug::CheckOutput(const char* file, int line, const char* func, const char* expression)
{
    static constexpr char kFormat[] = "ZelD::CHeck:: In %s, line %d: ! In function `%s' in : ( %s )\n";
    file = file ? file : "";
    func = func ? func : "";
    expression = expression ? expression : "";
    const int n = std::snprintf(nullptr, 0, kFormat, file, line, func, expression);
    if (n > 0) {
        std::string text(static_cast<size_t>(n) + 1, '\0');
        std::snprintf(text.data(), text.size(), kFormat, file, line, func, expression);
        Instance().Output(TString(text.c_str()));
    }
    return false;
}

TArrayOfReal::TDebugReal::operator const double&() const
{
    if (IsUndefined() && TDebug::Instance().Active()) {
        TString text("TArrayOfReal ");
        text.Add(LastName);
        text.Add(TString(" ["));
        text.Add(TString(LastI));
        text.Add(TString("] is not set"));
        TDebug::Instance().Output(text);
    }
    return Value;
}

TArrayOfReal::TDebugReal& TArrayOfReal::operator[](Integer i) noexcept
{
    LastName = Name;
    LastI = i;
    if (i < 0 || i >= Capacity) return Scratch();
    return Data[i];
}

void TArrayOfReal::toStream(TKmfData& stream) const
{
    stream.BlockWrite(Data, sizeof Data);
}

void TArrayOfReal::fromStream(TKmfData& stream)
{
    stream.BlockRead(Data, sizeof Data);
}

void StreamBlockRead(TKmfData& stream, void* V, unsigned count)
{
    stream.BlockRead(V, count);
}

void StreamBlockWrite(TKmfData& stream, void* V, unsigned count)
{
    stream.BlockWrite(V, count);
}

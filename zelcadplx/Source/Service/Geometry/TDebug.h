#pragma once
// The debug channel of the geometry code: TDebug with its timing helpers (texts handed to it
// are discarded: the library never prints), the time-point array TATime, and TArrayOfReal,
// a fixed block of one hundred reals that flags reads of never-set elements.

#include "BaseTypes.h"
#include "DString.h"
#include "TArray.h"

#include <chrono>

class TKmfData;

// State shared by every TDebug; Level above 0 means debug texts are composed.
struct TDebugData {
    Integer MemoryLevel = 0;
    Integer Level = 0;
    Integer Size = 0;
};

class TDebug;
using TDebugTime = std::chrono::time_point<std::chrono::system_clock, std::chrono::microseconds>;
using TATime = TArrayOf<TDebugTime>;

class TDebug {
public:
    using TTime = TDebugTime;

    TDebugData* Data; // the one shared record, never null

    TDebug();
    // The program's one debug object, made on first use.
    static TDebug& Instance();
    bool Active() const noexcept { return Data->Level > 0; }

    // Discards the text.
    void Output(const TString& Text) const;
    TTime GetTime() const;
    // t2 - t1 in seconds.
    Real GetDTime(TTime t1, TTime t2) const;
    // Appends the present time to A (under A's mutex); with Output, then OutTime(A, Text, K).
    void GetTime(TATime& A, Boolean Output, const TString* Text, Integer K) const;
    // Hands the line of FormatTimes to Output when A holds at least two time points.
    void OutTime(TATime& A, const TString* Text, Integer K) const;
    // The intervals between successive points of A and then "  = " and the whole span, each
    // in seconds times K (2 decimals, width 7, followed by a blank), then " " and Text when
    // given. Empty for fewer than two points.
    static TString FormatTimes(const TATime& A, const TString* Text, Integer K);
    // Composes the failed-check text for file, line, function and expression; returns false.
    static Boolean CheckOutput(const char* file, int line, const char* func, const char* expression);
};

// One hundred reals in one 800-byte block; elements never set hold ChaosValue.
class TArrayOfReal {
public:
    static constexpr Integer Capacity = 100;
    static constexpr Real ChaosValue = 9999.0;
    static char LastName; // the array last indexed, initially a blank
    static Integer LastI; // the index last used, initially -1

    class TDebugReal {
    public:
        Real Value = ChaosValue;

        bool IsUndefined() const noexcept { return Value == ChaosValue; }
        TDebugReal& operator=(Real v) noexcept
        {
            Value = v;
            return *this;
        }
        // The value; reading a never-set element is reported to the debug channel first.
        operator const double&() const;
    };

    TDebugReal Data[Capacity];
    char Name;

    explicit TArrayOfReal(char iName = ' ') noexcept : Name(iName) {}
    // Records the array and index last used; an index outside 0..99 gives a scratch element.
    TDebugReal& operator[](Integer i) noexcept;

    // The whole block as raw bytes.
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);
};

static_assert(sizeof(TArrayOfReal::TDebugReal) == sizeof(Real), "the block holds bare reals");

void StreamBlockRead(TKmfData& stream, void* V, unsigned count);
void StreamBlockWrite(TKmfData& stream, void* V, unsigned count);

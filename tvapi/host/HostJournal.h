#pragma once
// The journal of the stand-in host: every host operation a library calls, with its
// arguments as text, in call order. Tests read it to check what the library asked for.
// It records only when asked to, since a long session would hold every call it made.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tvhost {

struct TJournalEntry {
    std::string Operation;              // "Interface::Operation"
    std::vector<std::string> Arguments; // UTF-8 texts, numbers in decimal

    // "Operation(a, b, c)", for messages and whole-journal comparisons.
    std::string Text() const;
};

class TJournal {
public:
    // Off at first and at the start of every host session; tests that read the journal and
    // `tvhost run --journal` turn it on.
    void SetRecording(bool on) noexcept { FRecording = on; }
    bool Recording() const noexcept { return FRecording; }
    // Keeps the call when recording, else drops it.
    void Add(std::string op, std::vector<std::string> args);
    void Clear() noexcept;

    const std::vector<TJournalEntry>& Entries() const noexcept { return FEntries; }
    // The entries of one operation, in call order.
    std::vector<TJournalEntry> Calls(std::string_view op) const;
    std::size_t Count(std::string_view op) const;
    // Text() of every entry, in call order.
    std::vector<std::string> Lines() const;

private:
    std::vector<TJournalEntry> FEntries;
    bool FRecording = false;
};

// The journal of the host session.
TJournal& Journal();

} // namespace tvhost

// The call journal of the stand-in host.
#include "HostJournal.h"

#include <algorithm>
#include <utility>

namespace tvhost {

std::string TJournalEntry::Text() const
{
    std::string text = Operation + "(";
    for (std::size_t i = 0; i < Arguments.size(); ++i) {
        if (i > 0) text += ", ";
        text += Arguments[i];
    }
    return text + ")";
}

void TJournal::Add(std::string op, std::vector<std::string> args)
{
    if (FRecording) FEntries.push_back({std::move(op), std::move(args)});
}

void TJournal::Clear() noexcept
{
    FEntries.clear();
}

std::vector<TJournalEntry> TJournal::Calls(std::string_view op) const
{
    std::vector<TJournalEntry> calls;
    std::copy_if(FEntries.begin(), FEntries.end(), std::back_inserter(calls),
                 [op](const TJournalEntry& e) { return e.Operation == op; });
    return calls;
}

std::size_t TJournal::Count(std::string_view op) const
{
    return static_cast<std::size_t>(std::count_if(
        FEntries.begin(), FEntries.end(), [op](const TJournalEntry& e) { return e.Operation == op; }));
}

std::vector<std::string> TJournal::Lines() const
{
    std::vector<std::string> lines;
    lines.reserve(FEntries.size());
    for (const TJournalEntry& e : FEntries)
        lines.push_back(e.Text());
    return lines;
}

TJournal& Journal()
{
    static TJournal journal;
    return journal;
}

} // namespace tvhost

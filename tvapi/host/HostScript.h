#pragma once
// The scripted user of the stand-in host: a queue of user actions that a process's Run plays
// in the host's loop (see the "Scripted runs" table of the design), and where "show" prints.

#include <deque>
#include <iosfwd>
#include <optional>
#include <string>

namespace tvhost {

struct TScriptAction {
    enum TKind : int {
        skMove,
        skClick,
        skButton,
        skCommand,
        skSet,
        skSelect,
        skEdit,
        skAnswer,
        skShow,
        skPick
    };
    TKind Kind = skShow;
    double X = 0.0;
    double Y = 0.0;
    int N = 0; // button number, command number, answer
    int Row = 0;
    int Column = 0;
    std::wstring Name; // caption or tip, or the name of the object to pick
    std::wstring Text; // value
    int Line = 0;      // line of the script, from 1
};

class TScript {
public:
    // Appends the actions of `text`, one a line, '#' starting a comment. On a bad line
    // nothing is appended and `error` says which line and why.
    bool Load(const std::string& text, std::string& error);
    void Push(TScriptAction action) { FActions.push_back(std::move(action)); }
    std::optional<TScriptAction> Take();
    bool Empty() const noexcept { return FActions.empty(); }
    std::size_t Pending() const noexcept { return FActions.size(); }
    void Clear() noexcept { FActions.clear(); }

    // Where "show" prints; null drops the printout.
    void SetOutput(std::ostream* out) noexcept { FOut = out; }
    std::ostream* Output() const noexcept { return FOut; }

private:
    std::deque<TScriptAction> FActions;
    std::ostream* FOut = nullptr;
};

// The script of the host session; emptied when a session starts.
TScript& Script();

} // namespace tvhost

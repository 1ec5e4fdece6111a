#pragma once
// The scripted user of the stand-in host: a queue of user actions that a process's Run plays
// in the host's loop (see the "Scripted runs" table of the design), and where "show" prints.

#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <utility>

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
        skPick,
        skKey,   // a key pressed over the view: N is its code
        skType,  // Text typed: each character's code as a key
        skMesh,  // the object the process shows with id N offered and picked (a hot point's marker)
        skEntity // face, edge or vertex N (from 1, Name the kind) of the top part's bodies, or 3D
                 // dimension N of the document's parts (the top part, then its components depth
                 // first), offered and picked
    };
    TKind Kind = skShow;
    double X = 0.0;
    double Y = 0.0;
    int N = 0;   // button number, command number, answer
    int Row = 0; // grid cell, both 0..GridLimit: the host reports a cell as Column * 256 + Row
    int Column = 0;
    std::wstring Name; // caption or tip, or the name of the object to pick
    std::wstring Text; // value
    int Line = 0;      // line of the script, from 1

    static constexpr int GridLimit = 255;
    // The most a move or click coordinate may be either way: beyond any window and any
    // sheet, well inside an int.
    static constexpr double CoordinateLimit = 1.0e6;
};

class TScript {
public:
    TScript();
    ~TScript();
    TScript(const TScript&) = delete;
    TScript& operator=(const TScript&) = delete;

    // Appends the actions of `text`, one a line, '#' starting a comment. On a bad line
    // nothing is appended and `error` says which line and why, with the line's text
    // (a number that is no int, a coordinate that is not finite, a grid cell outside
    // 0..GridLimit).
    bool Load(const std::string& text, std::string& error);
    // Plays the script `in` (a file: it is read twice) after the actions queued: every line is
    // checked first as Load checks it, then the lines are read one at a time as the actions
    // are taken, so a long script holds no memory for its length. On a bad line nothing is
    // played and `error` says which line and why, as Load does.
    bool Open(std::unique_ptr<std::istream> in, std::string& error);
    // Queued after every action loaded or opened before.
    void Push(TScriptAction action);
    std::optional<TScriptAction> Take();
    bool Empty() const noexcept { return FActions.empty() && !FNext; }
    // Actions waiting; of an opened script only the next one counts, its later lines unread.
    std::size_t Pending() const noexcept { return FActions.size() + (FNext ? 1 : 0) + FPushed.size(); }
    // Empties the queue; the lines refused as no user could play them stay counted.
    void Clear() noexcept;

    // A line asked what no user can do (a control, button or cell the panel hides, locks or does
    // not have): it was refused, and is counted until taken or the session restarts.
    void NoteUnreachable() noexcept { ++FUnreachable; }
    int TakeUnreachable() noexcept { return std::exchange(FUnreachable, 0); }

    // Where "show" prints; null drops the printout.
    void SetOutput(std::ostream* out) noexcept { FOut = out; }
    std::ostream* Output() const noexcept { return FOut; }
    // Called once, when a process's run finds the script played to its end (before the run
    // ends as a cancel), while the panel still shows what the script left: the session takes
    // its picture of the view there. Empty: nothing.
    void SetOnEnd(std::function<void()> onEnd) { FOnEnd = std::move(onEnd); }
    void Ended();

private:
    class TReader;
    // The next action of the opened script; none once it has been played to its end.
    void ReadNext();

    std::deque<TScriptAction> FActions; // queued before the opened script, played first
    std::unique_ptr<TReader> FReader;   // the opened script, at the line after FNext
    std::optional<TScriptAction> FNext;
    std::deque<TScriptAction> FPushed; // queued while a script is open: played after it
    std::ostream* FOut = nullptr;
    std::function<void()> FOnEnd;
    int FUnreachable = 0;
};

// The script of the host session; emptied when a session starts.
TScript& Script();

} // namespace tvhost

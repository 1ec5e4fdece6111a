#pragma once
// What loading a model file leaves out because the file names what is no longer there (a name
// on an entity that is gone, a mate of a kind the host does not know ...): gathered over the
// whole load, component files read with it included, so the user is told once, when the
// document is open, instead of the next save losing it without a word.

#include <string>
#include <vector>

namespace tvhost {

// Gathers what loads on this thread leave out while it lives. Gatherers nest: the outermost
// takes every note, those inside it none.
class TLeftOut {
public:
    // `file`: the file being opened, as the user named it (UTF-8).
    explicit TLeftOut(std::string file);
    ~TLeftOut();
    TLeftOut(const TLeftOut&) = delete;
    TLeftOut& operator=(const TLeftOut&) = delete;

    // One line, "Left out of <file>: 2 names on entities that no longer exist; 1 mate of
    // unknown kind 99 (in <component file>)"; empty when nothing was left out.
    std::string Message() const;
    // The outermost gatherer shows its message, when there is one, in a warning box of the
    // host application and gives it; the others give nothing.
    std::string Tell() const;

private:
    friend void NoteLeftOut(const std::string& one, const std::string& many);

    struct TItem {
        std::string File;
        std::string One;
        std::string Many;
        int Count;
    };
    std::string FFile;
    std::vector<TItem> FItems; // in the order first met
    bool FOuter;
};

// Counts one thing left out of the model file being read now, said as `one` for one of them
// and `many` for more ("name on an entity that no longer exists", "names on ..."); nothing
// when no gatherer lives.
void NoteLeftOut(const std::string& one, const std::string& many);

} // namespace tvhost

#pragma once
// TWrittenDeviations: the deviation texts of the dimensions a run of the chain command wrote
// into, as they were before it first wrote into each, so that what the run wrote can be taken
// back - one dimension's when it stops being a closing link, all of them when the run is
// cancelled.

#include "tvapi/DrawingObject.h"

#include <optional>
#include <string>
#include <vector>

class TKmfData;

// Whether a text item's character height is kept and given back: any number, as the host holds
// any (0: the text's own height). The writer and the reader of a stored set share it.
bool KeptHeight(double Height);
// Whether a character of a kept text is kept and stored as it is: a Unicode scalar value other
// than U+0000, where the host's text interface ends a text. The writer and the reader of a stored
// set share it.
bool KeptCharacter(char32_t Character);
// Whether every character of Text is kept as it is.
bool KeptString(const std::wstring& Text);

// One item of a line of a text: its string and its character height in millimetres (0: the
// text's own height), a kept height.
struct TTextItemForm {
    std::wstring Str;
    double Height = 0.0;
    bool operator==(const TTextItemForm&) const = default;
};

// A text's lines, each a list of items. Empty for a text whose every line is one item of no
// height of its own: its string says all of it.
using TTextForm = std::vector<std::vector<TTextItemForm>>;

// A dimension's upper and lower deviation texts, with their items and heights where they have
// any, so that what is given back is what was taken. A text is kept as it can be given back: up
// to its first U+0000, any other character not kept as U+FFFD.
struct TDeviationTexts {
    std::wstring Upper, Lower;
    TTextForm UpperForm = {}, LowerForm = {};

    // Dimension's texts; none for an object without deviation texts.
    static std::optional<TDeviationTexts> Of(const tvapi::IDrawingObjectPtr& Dimension);
    // Writes them into Dimension, items and heights too, and updates it; nothing for an object
    // without deviation texts.
    void WriteTo(const tvapi::IDrawingObjectPtr& Dimension) const;
    bool HasForm() const { return !UpperForm.empty() || !LowerForm.empty(); }
    // The lines of Form joined with "\n", as the host joins a text's lines.
    static std::wstring Joined(const TTextForm& Form);
    // The items and heights of Texts in a stream: for the upper, then the lower text, its count
    // of lines (0 for none of its own, or no texts), each line's count of items, each item's
    // string and height. Reading gives false for counts past the data, a height or character not
    // kept, or a form other than its text's string or without texts.
    static void FormToStream(TKmfData& stream, const std::optional<TDeviationTexts>& Texts);
    static bool FormFromStream(TKmfData& stream, std::optional<TDeviationTexts>& Texts);
    // Whether each string of the texts and their items has a CP1251 code for every character
    // (one without, such as U+2212, stands as "?" in the strings of the stream).
    bool Narrow() const;
    // Every string of Texts, the texts' then their items', each as its count of characters and
    // their code points: what the strings above lose. Reading gives false for a count other than
    // the strings', a character not kept, a string other than its narrow one read before, or a
    // form other than its text's string.
    static void WideToStream(TKmfData& stream, const std::optional<TDeviationTexts>& Texts);
    static bool WideFromStream(TKmfData& stream, std::optional<TDeviationTexts>& Texts);
    bool operator==(const TDeviationTexts&) const = default;
};

class TChainHost;
class TDimension;

// Link read again through Host as a pick reads it, its dimension taken to show Texts in place
// of the deviations it shows now: what the link's own deviations are when a chain wrote over
// them. False, the link unchanged, when it cannot be read.
bool ReadShowing(TDimension& Link, const TDeviationTexts& Texts, TChainHost& Host);

class TWrittenDeviations {
public:
    TWrittenDeviations() = default;
    TWrittenDeviations(const TWrittenDeviations&) = delete;
    TWrittenDeviations& operator=(const TWrittenDeviations&) = delete;

    // Keeps Dimension's upper and lower deviation texts, unless they are kept already (the
    // first write of the run counts). Nothing for an object without deviation texts.
    void Keep(const tvapi::IDrawingObjectPtr& Dimension);
    // The texts kept of Dimension; none when none are kept.
    std::optional<TDeviationTexts> Kept(const tvapi::IDrawingObjectPtr& Dimension) const;
    // Gives every kept dimension its texts back through Host, in the order they were kept, and
    // forgets them.
    void RestoreAll(TChainHost& Host);
    // Forgets every kept text: what was written stays.
    void Forget() { FKept.clear(); }
    bool Empty() const { return FKept.empty(); }

private:
    struct TKept {
        tvapi::IDrawingObjectPtr Dimension;
        TDeviationTexts Texts;
    };
    std::vector<TKept> FKept;
};

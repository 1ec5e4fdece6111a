#pragma once
// TWrittenDeviations: the deviation texts of the dimensions a run of the chain command wrote
// into, as they were before it first wrote into each, so that what the run wrote can be taken
// back - one dimension's when it stops being a closing link, all of them when the run is
// cancelled.

#include "tvapi/DrawingObject.h"

#include <optional>
#include <string>
#include <vector>

// A dimension's upper and lower deviation texts.
struct TDeviationTexts {
    std::wstring Upper, Lower;

    // Dimension's texts; none for an object without deviation texts.
    static std::optional<TDeviationTexts> Of(const tvapi::IDrawingObjectPtr& Dimension);
    // Writes them into Dimension and updates it; nothing for an object without deviation texts.
    void WriteTo(const tvapi::IDrawingObjectPtr& Dimension) const;
    bool operator==(const TDeviationTexts&) const = default;
};

class TChainHost;

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

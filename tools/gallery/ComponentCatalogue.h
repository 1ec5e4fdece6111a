#pragma once
// The catalogue of standard components: each entry names a component, the detail row it is
// built as and how to build it at one of its sample sizes. Everything that shows the
// components side by side (the gallery, its check) walks this one list, so a new component
// is registered here and nowhere else.

#include <vector>

#include "BaseTypes.h"
#include "TControlModel.h"

class TModeler3D;

struct TCatalogueEntry {
    const char* Stem; // the gallery's file names (Latin letters)
    const char* Name; // the detail's name in the control model
    Integer Material; // row of the material table
    Integer Sizes;    // sample sizes 0 .. Sizes - 1
    Boolean HasSheet; // Build also makes a drawing sheet
    // Builds sample size Size as detail Id: its part document, then its sheet.
    void (*Build)(TModeler3D& M, TDcDetail Id, Integer Size);
    // The sizes are kinds of the base-detail builder, each a part of its own: whoever shows a
    // few sizes of each component still shows every kind.
    Boolean Kinds = false;
};

const std::vector<TCatalogueEntry>& ComponentCatalogue();

// Sample sizes of each kind of the base-detail builder, chosen so that its profile is sound;
// the catalogue's base-detail families build them.
struct TBaseDetailSample {
    const char* Label; // Latin letters and digits
    int Kind;
    int Main; // the index in P of the size the kind is known by; -1 for a kind that reads none
    std::vector<double> P;
};
const std::vector<TBaseDetailSample>& BaseDetailSamples();

// A control model whose detail table holds the product in row 0 and catalogue entry i in row
// i + 1. No detail is present until Present gives it a number; files are named
// FilePrefix + number.
class TCatalogueModel : public TControlModel {
public:
    explicit TCatalogueModel(const Str& FilePrefix);
    TCatalogueModel(const TCatalogueModel&) = delete;
    TCatalogueModel& operator=(const TCatalogueModel&) = delete;

    void Present(TDcDetail Id, Integer Number) { SetExistDet(Id, Number); }
    // The row of the entry with this stem; 0 when there is none.
    TDcDetail RowOf(const char* Stem) const;

private:
    std::vector<dcDetail> FRows;
};

#pragma once
// TStampParam: the signature names a library writes into the title block of every drawing
// (plant, designer, checkers, approver), with their byte-stream form.

#include "DString.h"

class TKmfData;

class TStampParam {
public:
    // Title-block cells of the fields, as the host numbers them.
    static constexpr Integer CellPlant = 32;          // the format cell; the company cell stays free
    static constexpr Integer CellDesign = 110;
    static constexpr Integer CellChecked = 111;
    static constexpr Integer CellTechChecked = 112;
    static constexpr Integer CellNormoChecked = 114;
    static constexpr Integer CellHasRatified = 115;

    Str sPlant;         // the plant
    Str sDesign;        // the designer
    Str sChecked;       // the checker
    Str sTechChecked;   // the technical checker
    Str sNormoChecked;  // the standards checker
    Str sHasRatified;   // the approver

    TStampParam() = default;
    virtual ~TStampParam() = default;
    TStampParam(const TStampParam&) = default;
    TStampParam& operator=(const TStampParam&) = default;

    // Writes each non-empty field into its cell of the title block that the caller holds
    // open; an empty field leaves its cell as it is.
    virtual void dr2D() const;
    // The six texts in field order, each as a text's stream form.
    virtual void toStream(TKmfData& stream) const;
    virtual void fromStream(TKmfData& stream);
};

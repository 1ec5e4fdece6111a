#pragma once
// TStampParam: the signature names a library writes into the title block of every drawing
// (plant, designer, checkers, approver), with their byte-stream form.

#include "DString.h"

class TKmfData;

class TStampParam {
public:
    // Each field goes into its title-block cell (tvStampEnum).
    Str sPlant;        // the plant: tvStFormat; the company cell stays free
    Str sDesign;       // the designer: tvStAuthor
    Str sChecked;      // the checker: tvStCheckedBy
    Str sTechChecked;  // the technical checker: tvStMfgApprovedBy
    Str sNormoChecked; // the standards checker: tvStRateOfInspection
    Str sHasRatified;  // the approver: tvStApprovedBy

    TStampParam() = default;
    virtual ~TStampParam() = default;
    TStampParam(const TStampParam&) = default;
    TStampParam& operator=(const TStampParam&) = default;

    // Writes each non-empty field into its cell of the title block that the caller holds
    // open, through drApi::MA; an empty field leaves its cell as it is.
    virtual void dr2D() const;
    // The six texts in field order, each as a text's stream form.
    virtual void toStream(TKmfData& stream) const;
    virtual void fromStream(TKmfData& stream);
};

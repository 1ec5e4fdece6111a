#include "TStampParam.h"

#include "KmfData.h"
#include "drModelerAPI.h"

void TStampParam::dr2D() const
{
    const struct {
        tvapi::tvStampEnum Cell;
        const Str& Text;
    } cells[] = {
        {tvapi::tvStFormat, sPlant},
        {tvapi::tvStAuthor, sDesign},
        {tvapi::tvStCheckedBy, sChecked},
        {tvapi::tvStMfgApprovedBy, sTechChecked},
        {tvapi::tvStRateOfInspection, sNormoChecked},
        {tvapi::tvStApprovedBy, sHasRatified},
    };
    for (const auto& c : cells) {
        if (c.Text.Empty()) continue;
        drApi::MA.drColumnShtamp(c.Cell);
        drApi::MA.drStringObj(c.Text);
    }
}

void TStampParam::toStream(TKmfData& stream) const
{
    stream << sPlant << sDesign << sChecked << sTechChecked << sNormoChecked << sHasRatified;
}

void TStampParam::fromStream(TKmfData& stream)
{
    stream >> sPlant >> sDesign >> sChecked >> sTechChecked >> sNormoChecked >> sHasRatified;
}

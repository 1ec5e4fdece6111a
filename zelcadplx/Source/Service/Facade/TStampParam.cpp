#include "TStampParam.h"

#include "FacadeLinks.h"
#include "KmfData.h"

void TStampParam::dr2D() const
{
    const struct {
        Integer Cell;
        const Str& Text;
    } cells[] = {
        {CellPlant, sPlant},
        {CellDesign, sDesign},
        {CellChecked, sChecked},
        {CellTechChecked, sTechChecked},
        {CellNormoChecked, sNormoChecked},
        {CellHasRatified, sHasRatified},
    };
    for (const auto& c : cells) {
        if (c.Text.Empty()) continue;
        LinkedColumnShtamp(c.Cell);
        LinkedStringObj(c.Text);
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

#pragma once
// Fixture for the facade filling a title block: a new stand-in drawing is the facade's
// current document; its first sheet's title block is at hand to read the cells back. At the
// end the title block, the current text and the command stack are given back.

#include "FacadeFixture.h"
#include "HostDocuments.h"
#include "HostSheets.h"

class TStampFacadeFixture : public TFacadeFixture {
protected:
    void SetUp() override {
        TFacadeFixture::SetUp();
        R().IDoc = Open(tvapi::tvDocumentDrawing);
    }
    void TearDown() override {
        R().Stamp.Reset();
        R().Text.Reset();
        drApi::MA.R2->APrevCommand.Clear();
        drApi::MA.R2->AContour.Clear();
        TFacadeFixture::TearDown();
    }

    tvhost::THostStamp& Stamp() {
        return tvhost::HostAs<tvhost::THostDocument2D>(R().IDoc)->Data().Sheets.Items.at(0)->Stamp();
    }
    // The cell's text as UTF-8, lines joined with "\n".
    std::string Cell(int cell) { return tvhost::ToUtf8(Stamp().CellStr(cell)); }
    static Integer OpenCommands() { return drApi::MA.R2->APrevCommand.Count; }
};

#pragma once
// A component drawn into a recorder while a catalogue control model holds it: the model is the
// library's for the test, and the catalogue entry's detail is present.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ComponentCatalogue.h"
#include "ComponentRecorder.h"
#include "drModelerAPI.h"

template <class Recorder = TComponentRecorder> class TPresentComponentTest : public testing::Test {
protected:
    explicit TPresentComponentTest(const char* Stem) : Id(Model.RowOf(Stem)) {}
    void SetUp() override
    {
        drApi::LibraryControlModel = &Model;
        Model.Present(Id, 7);
    }
    void TearDown() override { drApi::LibraryControlModel = nullptr; }

    // Whether the recorder drew the line with exactly these argument texts.
    bool HasLine(const std::vector<std::string>& line) const
    {
        const auto lines = M.ArgsOf("drLine");
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    Recorder M;
    TCatalogueModel Model{"G"};
    const TDcDetail Id;
};

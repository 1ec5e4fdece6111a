#pragma once
// Components on a recording modeller with the bundled element library loaded and a catalogue
// control model to record their codes in; and the small readers their tests share.

#include <gtest/gtest.h>

#include <string>

#include "ComponentCatalogue.h"
#include "ComponentRecorder.h"
#include "KmfData.h"
#include "StreamTestUtil.h"
#include "TDetail.h"
#include "TextBase.h"
#include "drModelerAPI.h"

class TComponentTableFixture : public testing::Test {
protected:
    void SetUp() override
    {
        ABaseDetail.Set(DC_SOURCE_DIR "/samples", "ZelCoupling.tb");
        ABaseDetail.Init();
        ASSERT_TRUE(ABaseDetail.Active);
        drApi::LibraryControlModel = &Model;
    }
    void TearDown() override { drApi::LibraryControlModel = nullptr; }

    // A recorded argument as a number.
    static double Num(const std::string& s) { return std::stod(s); }
    // The record's bytes as toStream writes them, without the stream's header.
    static streamtest::Bytes Record(const TDetail& d)
    {
        TKmfData s;
        d.toStream(s);
        return streamtest::DataOf(s);
    }
    // Every argument recorded is finite.
    bool AllFinite() const
    {
        for (const TRecordedCall& c : M.Calls)
            for (const std::string& a : c.Args)
                if (a.find("nan") != std::string::npos || a.find("inf") != std::string::npos) return false;
        return true;
    }

    TComponentRecorder M;
    TCatalogueModel Model{"G"};
};

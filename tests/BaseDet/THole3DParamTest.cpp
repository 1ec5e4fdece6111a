// The stepped hole record: its setters and reshaping by worked numbers, the 84-byte stream
// form and its round trip, a cut stream that changes nothing, the configuration's choices, a
// copy that borrows the modeller, and the end lines of the section outline.

#include <gtest/gtest.h>

#include "KmfData.h"
#include "RecordingModeler.h"
#include "StreamTestUtil.h"
#include "THole3DParam.h"

namespace {

std::vector<double> Lengths(const THole3DParam& h)
{
    return {h.lF, h.lL, h.lR, h.F1, h.L, h.R, h.F2, h.rL, h.rR, h.rF};
}

int CfgOf(const THole3DParam& h)
{
    return *h.Cfg.PInt;
}

} // namespace

TEST(THole3DParamTest, NewRecordStreamsToEightyFourZeroBytes)
{
    TRecordingModeler m;
    const THole3DParam byRef(m), byPtr(nullptr, false);
    for (const THole3DParam* h : {&byRef, &byPtr}) {
        TKmfData s;
        h->toStream(s);
        EXPECT_EQ(streamtest::DataOf(s), streamtest::Bytes(THole3DParam::StreamSize, 0));
        EXPECT_EQ(THole3DParam::StreamSize, 84);
        EXPECT_EQ(streamtest::Text(h->Quality), "h14");
        EXPECT_EQ(h->lx + h->lr + h->rx + h->rr, 0.0) << "the outline ends start at 0";
    }
}

TEST(THole3DParamTest, ChoicesOfTheConfigurationByConstructor)
{
    TRecordingModeler m;
    const THole3DParam byRef(m), byPtr(nullptr, false);
    ASSERT_EQ(byRef.Cfg.ADef.Count, 4);
    ASSERT_EQ(byPtr.Cfg.ADef.Count, 4);
    EXPECT_EQ(byRef.Cfg.ADef.Current, 0);
    EXPECT_TRUE(byRef.Cfg.ADef[0] == TString("Отсутствует"));
    EXPECT_TRUE(byPtr.Cfg.ADef[0] == TString("Отстутствует")) << "the pointer constructor's own spelling";
    EXPECT_TRUE(byPtr.Cfg.ADef[3] == TString("Сложное"));
    EXPECT_TRUE(THole3DParam(byPtr).Cfg.ADef[0] == TString("Отсутствует"))
        << "a copy has the reference texts";
}

TEST(THole3DParamTest, SettersGiveTheWorkedHoles)
{
    THole3DParam h(nullptr, false);
    h.Set(1, 2, 3, 4, 5, 6, 7, 8, 9, 10);
    h.Set1C(5, 20);
    EXPECT_EQ(Lengths(h), (std::vector<double>{0, 0, 0, 0.5, 20, 5, 0.5, 0, 0, 0}));
    EXPECT_EQ(CfgOf(h), 1);
    h.Set2C(8, 6, 5, 20);
    EXPECT_EQ(Lengths(h), (std::vector<double>{0.5, 6, 8, 0, 20, 5, 0.5, 0, 0, 0}));
    EXPECT_EQ(CfgOf(h), 2);
    h.Set(1, 2, 3, 4, 5, 6, 7, 8, 9, 10);
    EXPECT_EQ(CfgOf(h), 3);
    // Its own fields in reverse order: every value is read before any is written.
    h.Set(h.rF, h.rL, h.rR, h.F2, h.L, h.R, h.F1, h.lL, h.lR, h.lF);
    EXPECT_EQ(Lengths(h), (std::vector<double>{10, 8, 9, 7, 5, 6, 4, 2, 3, 1}));
    h.Set1C(h.R, h.L);
    EXPECT_EQ(h.R, 6);
    EXPECT_EQ(h.L, 5);
}

TEST(THole3DParamTest, ReverseTwiceRestoresAndPrepareClearsByConfiguration)
{
    THole3DParam h(nullptr, false);
    h.Set(1, 2, 3, 4, 5, 6, 7, 8, 9, 10);
    h.Reverse();
    EXPECT_EQ(Lengths(h), (std::vector<double>{10, 8, 9, 7, 5, 6, 4, 2, 3, 1}));
    h.Reverse();
    EXPECT_EQ(Lengths(h), (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    struct {
        int Cfg;
        std::vector<double> After;
    } cases[] = {{3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                 {2, {1, 2, 3, 4, 5, 6, 7, 0, 0, 0}},
                 {1, {0, 0, 0, 4, 5, 6, 7, 0, 0, 0}},
                 {7, {0, 0, 0, 4, 5, 6, 7, 0, 0, 0}},
                 {0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Cfg);
        h.Set(1, 2, 3, 4, 5, 6, 7, 8, 9, 10);
        *h.Cfg.PInt = c.Cfg;
        h.Prepare();
        EXPECT_EQ(Lengths(h), c.After);
    }
}

TEST(THole3DParamTest, StreamRoundTripsAndACutStreamChangesNothing)
{
    THole3DParam h(nullptr, false);
    h.Set2C(8, 6, 5, 20);
    TKmfData out;
    h.toStream(out);
    const streamtest::Bytes bytes = streamtest::DataOf(out);
    ASSERT_EQ(bytes.size(), 84u);
    EXPECT_EQ(streamtest::Bytes(bytes.begin(), bytes.begin() + 4), streamtest::Ints({2}));
    THole3DParam back(nullptr, false);
    TKmfData in;
    streamtest::Load(in, bytes);
    back.fromStream(in);
    EXPECT_EQ(Lengths(back), Lengths(h));
    EXPECT_EQ(CfgOf(back), 2);
    EXPECT_FALSE(in.ErrorReadFromFileToBufer);

    THole3DParam kept(nullptr, false);
    kept.Set1C(3, 9);
    TKmfData cut;
    streamtest::Load(cut, streamtest::Bytes(bytes.begin(), bytes.end() - 1));
    kept.fromStream(cut);
    EXPECT_TRUE(cut.ErrorReadFromFileToBufer);
    EXPECT_EQ(Lengths(kept), (std::vector<double>{0, 0, 0, 0.5, 9, 3, 0.5, 0, 0, 0}));
    EXPECT_EQ(CfgOf(kept), 1);
}

TEST(THole3DParamTest, CopyBorrowsTheOwnedModellerAndAssignmentKeepsItsOwn)
{
    auto* owned = new TRecordingModeler;
    {
        THole3DParam owner(owned, true);
        owner.Set1C(5, 20);
        owner.Typ2D = 7;
        {
            const THole3DParam copy(owner);
            EXPECT_EQ(copy.M2.Ptr, owned);
            EXPECT_FALSE(copy.M2.Owner);
            EXPECT_EQ(Lengths(copy), Lengths(owner));
            EXPECT_EQ(copy.Typ2D, 7);
        }
        owned->ClearJournal(); // alive after the copy went
        TRecordingModeler other;
        THole3DParam assigned(other);
        assigned.lx = 3;
        assigned = owner;
        EXPECT_EQ(assigned.M2.Ptr, &other);
        EXPECT_EQ(assigned.lx, 3) << "the outline ends are not copied";
        EXPECT_EQ(CfgOf(assigned), 1);
    }
}

TEST(THole3DParamTest, DrawLeftRightClosesTheSelectedHalves)
{
    TRecordingModeler m;
    THole3DParam h(m);
    h.lx = 1;
    h.lr = 2;
    h.rx = 30;
    h.rr = 4;
    h.DrawLeftRight(THole3DParam::UpCut | THole3DParam::DnCut);
    EXPECT_EQ(m.Texts(), (std::vector<std::string>{"drLine(1, -2, 1, 0, 1)", "drLine(30, 0, 30, -4, 1)",
                                                   "drLine(1, 0, 1, 2, 1)", "drLine(30, 4, 30, 0, 1)"}));
    m.ClearJournal();
    h.DrawLeftRight(THole3DParam::UpCut | 7);
    EXPECT_EQ(m.Texts(), (std::vector<std::string>{"drLine(1, 0, 1, 2, 1)", "drLine(30, 4, 30, 0, 1)"}));
    m.ClearJournal();
    h.DrawLeftRight(7);
    EXPECT_TRUE(m.Calls.empty());
    THole3DParam(nullptr, false).DrawLeftRight(48); // no modeller: nothing drawn, no crash
}

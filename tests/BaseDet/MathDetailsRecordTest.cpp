// Stream records of the standard components: sizes at the current version and at the older
// versions the gates know, round trips, cut streams, and the stored counts that bound loops.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "GImage.h"
#include "MathDetail2.h"
#include "MathDetailsl.h"
#include "RecordingModeler.h"
#include "StreamTestUtil.h"

namespace {

using streamtest::Bytes;

Bytes Write(const TDetail& D)
{
    TKmfData s;
    D.toStream(s);
    return streamtest::DataOf(s);
}

Integer Circles(const TGImage& image)
{
    Integer n = 0;
    for (Integer i = 0; i < image.CountLElement; ++i)
        n += image.LElements.FArray[i].TE == TGImage::eCircle;
    return n;
}

// Reads D back from `data` as written by a writer of `version`.
void Read(TDetail& D, Integer version, const Bytes& data)
{
    TKmfData s;
    s.from(streamtest::Blob(version, data));
    D.fromStream(s);
}

// Fills every Real of a record with distinct values through `fill`, writes it, reads it into
// a fresh record and compares the bytes; a stream cut by one byte leaves the fresh record as
// it was.
template <class T, class Make> void ExpectRoundTrip(Make make, std::function<void(T&)> fill, std::size_t size)
{
    T a = make();
    a.Design = true;
    a.Code = 31007;
    fill(a);
    const Bytes bytes = Write(a);
    ASSERT_EQ(bytes.size(), size);
    T b = make();
    Read(b, TKmfData::CurrentVersion, bytes);
    EXPECT_EQ(Write(b), bytes);
    T c = make();
    const Bytes fresh = Write(c);
    Read(c, TKmfData::CurrentVersion, Bytes(bytes.begin(), bytes.end() - 1));
    EXPECT_EQ(Write(c), fresh);
}

class TRecordTest : public testing::Test {
protected:
    TRecordingModeler M;
    TConstruktor& C = TConstruktor::Empty();
};

TEST_F(TRecordTest, FastenerRecordsHaveTheirSizesAndRoundTrip)
{
    ExpectRoundTrip<TPin>([&] { return TPin(1, &M, &C); },
                          [](TPin& p) {
                              p.LD = {1, 2}, p.RU = {3, 4}, p.Radius = 5, p.Len = 6;
                          },
                          53);
    ExpectRoundTrip<TScrew>(
        [&] { return TScrew(1, &M, &C); },
        [](TScrew& p) {
            p.LD = {1, 2}, p.RU = {3, 4}, p.Radius = 5, p.HeadRadius = 6, p.HeadLen = 7, p.Len = 8;
        },
        69);
    ExpectRoundTrip<TStopPin>([&] { return TStopPin(1, &M, &C); },
                              [](TStopPin& p) {
                                  p.LD = {1, 2}, p.RU = {3, 4}, p.Radius = 5, p.CollarRadius = 6;
                                  p.CollarHeight = 7, p.Len = 8;
                              },
                              69);
    ExpectRoundTrip<TSetScrew>([&] { return TSetScrew(1, &M, C); },
                               [](TSetScrew& p) { p.r = 1, p.R = 2, p.L = 3, p.K = 4, p.S = 5; }, 45);
    ExpectRoundTrip<TRepairBolt>([&] { return TRepairBolt(1, &M, C); },
                                 [](TRepairBolt& p) {
                                     p.X = 1, p.Depth = 2, p.Len = 3, p.Radius = 4, p.UpperLen = 5;
                                     p.UpperRadius = 6;
                                 },
                                 49);
}

TEST_F(TRecordTest, AFreshRecordStreamsZerosAndThePinOrderIsFixed)
{
    TPin p(3, &M, &C);
    EXPECT_EQ(Write(p), Bytes(53, 0));
    p.Design = true;
    p.Code = 31007;
    p.RU = {1.5, 0};
    const Bytes b = Write(p);
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(Bytes(b.begin() + 1, b.begin() + 5), streamtest::Ints({31007}));
    double first = 0;
    std::memcpy(&first, b.data() + 5, 8);
    EXPECT_EQ(first, 1.5); // RU.x leads the corners
}

TEST_F(TRecordTest, OlderPinAndStopPinRecordsMissTheirLaterFields)
{
    TPin p(1, &M, &C);
    p.Radius = 3, p.Len = 20, p.RU = {7, 8};
    Bytes b = Write(p);
    b.resize(45); // a version-34 pin ends after Radius
    TPin q(1, &M, &C);
    q.Len = 99;
    Read(q, 34, b);
    EXPECT_EQ(q.Radius, 3);
    EXPECT_EQ(q.Len, 0.0);
    EXPECT_EQ(q.RU.y, 8);

    TStopPin s(1, &M, &C);
    s.Design = true, s.Radius = 5, s.CollarRadius = 8, s.CollarHeight = 6, s.Len = 30;
    const Bytes full = Write(s);
    Bytes old(full.begin(), full.begin() + 5);
    old.insert(old.end(), full.begin() + 37, full.end());
    ASSERT_EQ(old.size(), 37u);
    TStopPin t(1, &M, &C);
    t.LD = {-4, -5}, t.RU = {4, 5};
    Read(t, 44, old);
    EXPECT_TRUE(t.Design);
    EXPECT_EQ(t.Len, 30);
    EXPECT_EQ(t.LD.x, -4); // the corners keep their values
    EXPECT_EQ(t.RU.y, 5);
}

TEST_F(TRecordTest, RepairBoltKeepsItsCodeAndTakesExactly49Bytes)
{
    TRepairBolt a(1, &M, C);
    a.Design = true, a.Len = 12, a.Code = 5;
    Bytes b = Write(a);
    b.push_back(0x7F); // a following record's first byte
    TKmfData s;
    s.from(streamtest::Blob(TKmfData::CurrentVersion, b));
    TRepairBolt r(1, &M, C);
    r.Code = 42;
    r.fromStream(s);
    EXPECT_EQ(r.Code, 42);
    EXPECT_EQ(r.Len, 12);
    Byte next = 0;
    s.Read(next);
    EXPECT_EQ(next, 0x7F);
}

TEST_F(TRecordTest, MouldPartRecordsHaveTheirSizesAndVersionGates)
{
    ExpectRoundTrip<TBackEjector>([&] { return TBackEjector(1, &M, C, 2); },
                                  [](TBackEjector& p) {
                                      p.LD = {1, 2}, p.RU = {3, 4}, p.LenOpora = 9;
                                  },
                                  93);
    ExpectRoundTrip<TDirectPlug>([&] { return TDirectPlug(1, &M, C); },
                                 [](TDirectPlug& p) {
                                     p.LD = {1, 2}, p.Len = 9;
                                 },
                                 85);
    ExpectRoundTrip<TDirectColumn>([&] { return TDirectColumn(1, &M, C); },
                                   [](TDirectColumn& p) { p.Len = 9, p.SupportLen = 3; }, 45);
    ExpectRoundTrip<TWasherEjectorChannel>([&] { return TWasherEjectorChannel(1, &M, C); },
                                           [](TWasherEjectorChannel& p) { p.Radius = 2; }, 21);
    ExpectRoundTrip<TMTail>([&] { return TMTail(1, &M, C); }, [](TMTail& p) { p.CollarRadius = 2; }, 61);
    ExpectRoundTrip<TEjectorChannel>([&] { return TEjectorChannel(1, &M, C, nullptr); },
                                     [](TEjectorChannel& p) { p.GradeHeight = 2; }, 93);
    ExpectRoundTrip<TEjectorPlug>([&] { return TEjectorPlug(1, &M, C); },
                                  [](TEjectorPlug& p) { p.EC2Len = 2; }, 69);
    ExpectRoundTrip<TTubeDowel>([&] { return TTubeDowel(1, &M, C); }, [](TTubeDowel& p) { p.ECRadius = 2; },
                                29);
    ExpectRoundTrip<TInjectPlug>([&] { return TInjectPlug(1, &M, C); },
                                 [](TInjectPlug& p) { p.LenDelta = 2; }, 85);
    ExpectRoundTrip<TSupportWasher>([&] { return TSupportWasher(1, &M, &C); },
                                    [](TSupportWasher& p) { p.BoltRadius = 2; }, 61);
    ExpectRoundTrip<TReTraction>([&] { return TReTraction(1, &M, C); }, [](TReTraction& p) { p.Fit2Len = 2; },
                                 53);
    ExpectRoundTrip<TColumnTail>([&] { return TColumnTail(1, &M, C); },
                                 [](TColumnTail& p) { p.Count = 3, p.Angle[4] = 90, p.ThreadRadius = 2; },
                                 97);
    ExpectRoundTrip<TCirclePlane>([&] { return TCirclePlane(1, &M, C, nullptr, nullptr); },
                                  [](TCirclePlane& p) { p.BoltHeadLen = 2; }, 45);
    ExpectRoundTrip<TLocatingRing>([&] { return TLocatingRing(1, 2, &M, &C, nullptr); },
                                   [](TLocatingRing& p) { p.CountFix = 4, p.FixAngle[3] = 45; }, 153);
    ExpectRoundTrip<TEjectorPin>([&] { return TEjectorPin(1, &M, C); }, [](TEjectorPin& p) { p.Len = 2; },
                                 45);

    TBackEjector e(1, &M, C, 2);
    e.Len = 50, e.LenOpora = 9;
    Bytes b = Write(e);
    b.resize(85);
    Read(e, 91, b);
    EXPECT_EQ(e.LenOpora, 20.0);
    TDirectColumn d(1, &M, C);
    d.Len = 100, d.TailLen = 10, d.SupportLen = 1;
    b = Write(d);
    b.resize(37);
    Read(d, 92, b);
    EXPECT_EQ(d.SupportLen, 80.0);
    TInjectPlug i(1, &M, C);
    i.Len = 40, i.LenDelta = 3;
    b = Write(i);
    double last = 0;
    std::memcpy(&last, b.data() + b.size() - 8, 8);
    EXPECT_EQ(last, 3.0); // LenDelta is stored last
    b.resize(b.size() - 8);
    Read(i, 16, b);
    EXPECT_EQ(i.LenDelta, 0.0);
    EXPECT_EQ(i.Len, 40);
}

// A damaged count draws at most five circles and is written back as it was read.
TEST_F(TRecordTest, StoredCountsBoundTheirLoopsAndAreKept)
{
    TColumnTail t(1, &M, C);
    t.Design = true, t.PlaceRadius = 10, t.Radius = 1;
    for (Integer count : {0, 5, 1000000, -3}) {
        SCOPED_TRACE(count);
        t.Count = count;
        TGImage image(nullptr, nullptr);
        t.Show(image, TColor());
        EXPECT_EQ(Circles(image), ClampedCount(count));
        TColumnTail u(1, &M, C);
        Read(u, TKmfData::CurrentVersion, Write(t));
        EXPECT_EQ(u.Count, count);
        EXPECT_EQ(Write(u), Write(t));
        EXPECT_EQ(ClampedCount(count), count < 0 ? 0 : std::min(count, 5));
    }
    TLocatingRing r(1, 2, &M, &C, &t);
    EXPECT_EQ(r.Complement, &t);
    EXPECT_EQ(r.Id2, 2);
}

TEST_F(TRecordTest, GuideBushExtentHoldsAllFourBushes)
{
    TDirectPlug p(1, &M, C);
    p.Radius = 5;
    p.LD = {-60, -40};
    p.RU = {50, 40};
    TRect2D extent;
    extent.LD = {0, 0};
    extent.RU = {0, 0};
    p.AddGabIn(extent, 2);
    EXPECT_EQ(extent.RU.x, 0); // not designed: unchanged
    p.Design = true;
    p.AddGabIn(extent, 2);
    EXPECT_EQ(extent.LD.x, -67); // the bush at x = -60 is inside
    EXPECT_EQ(extent.RU.x, 67);  // and its mirror image
    EXPECT_EQ(extent.LD.y, -47);
    EXPECT_EQ(extent.RU.y, 47);

    TBackEjector e(1, &M, C, 0);
    e.Design = true, e.Radius = 4, e.LD = {-30, -20}, e.RU = {30, 20};
    TRect2D r;
    r.LD = {-100, 0};
    r.RU = {0, 0};
    e.AddGabIn(r, 1);
    EXPECT_EQ(r.LD.x, -100);
    EXPECT_EQ(r.RU.x, 35);
    EXPECT_EQ(r.LD.y, -25);
}

} // namespace

// The link record: its stored bytes field by field, round trips across stream versions,
// comparison on both sides of each tolerance, and the sign rules of link vectors.

#include "TDimension.h"

#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

#include "KmfData.h"
#include "StreamTestUtil.h"

namespace {

using streamtest::Bytes;

Bytes Stored(const TDimension& D)
{
    TKmfData s;
    D.toStream(s);
    return streamtest::DataOf(s);
}

template <class T> T At(const Bytes& b, std::size_t offset)
{
    T v{};
    std::memcpy(&v, b.data() + offset, sizeof v);
    return v;
}

TDimension Filled()
{
    TDimension D;
    D.Type = tvapi::tvDrLDimension;
    D.refObject = 7;
    D.TypeAuxiliary = tvapi::tvDrLineSeg;
    D.refAuxiliaryObj = 9;
    D.Transformation = true;
    D.KTransformation = 0.5;
    D.VTransformation.Set(0.6, 0.8);
    D.Nominal = 40.0;
    D.Qualitet = TString("h7");
    D.QLow = -0.1;
    D.QHigh = 0.1;
    D.V2.Set(40.0, 0.0);
    D.P1.Set(10.0, 5.0);
    D.P2.Set(50.0, 5.0);
    D.ANominal = 30.0;
    D.AQualitet = TString("js9");
    D.AQLow = -0.5;
    D.AQHigh = 0.5;
    D.EQLow = -0.01;
    D.EQHigh = 0.02;
    D.Comment = TString("вал");
    D.dLdT = 12e-6;
    D.dT = 50.0;
    D.TMO = tvapi::o3d_lineDimension3D;
    D.PL1.O = TPoint3D(0.0, 0.0, 5.0);
    D.PL2.O = TPoint3D(0.0, 0.0, 45.0);
    D.V3 = TVector3D(0.0, 0.0, 40.0);
    return D;
}

TEST(TDimensionTest, StoredFieldsStandAtTheirOffsets)
{
    const TDimension D = Filled();
    const Bytes b = Stored(D);
    // Texts "h7" (2), "js9" (3) and "вал", three bytes in its 8-bit form.
    EXPECT_EQ(b.size(), 428u + 2 + 3 + 3);
    // Type, reference, auxiliary type and reference, texts' lengths, the model kind.
    const std::pair<std::size_t, Integer> ints[] = {{0, tvapi::tvDrLDimension},
                                                    {4, 7},
                                                    {8, tvapi::tvDrLineSeg},
                                                    {12, 9},
                                                    {49, 2},
                                                    {128, 3},
                                                    {192, 3},
                                                    {216, tvapi::o3d_lineDimension3D}};
    for (const auto& [at, v] : ints)
        EXPECT_EQ(At<Integer>(b, at), v) << "at " << at;
    EXPECT_EQ(b[16], 1);
    EXPECT_EQ(b[53], 'h');
    EXPECT_EQ(b[55], 0);
    // K and V of the transformation, Nominal, QLow, QHigh, V2.x, P1.x, P2.x, ANominal, AQLow,
    // AQHigh, EQLow and EQHigh after the three O-values, dLdT, dT, PL1.O.z, PL2.O.z and V3.z last.
    const std::pair<std::size_t, Real> reals[] = {
        {17, 0.5},    {25, 0.6},   {33, 0.8},   {41, 40.0},  {56, -0.1}, {64, 0.1},    {72, 40.0},
        {88, 10.0},   {104, 50.0}, {120, 30.0}, {136, -0.5}, {144, 0.5}, {176, -0.01}, {184, 0.02},
        {200, 12e-6}, {208, 50.0}, {236, 5.0},  {332, 45.0}, {428, 40.0}};
    for (const auto& [at, v] : reals)
        EXPECT_EQ(At<Real>(b, at), v) << "at " << at;
}

TEST(TDimensionTest, RecordRoundTripsEqualThroughByteVector)
{
    const TDimension D = Filled();
    Bytes v;
    D.to(v);
    ASSERT_EQ(v.size(), TKmfData::SizeHeader + 436u);
    EXPECT_EQ(At<Integer>(v, 0), TKmfData::HeadKmf);
    EXPECT_EQ(At<Integer>(v, 4), 97);
    TDimension back;
    back.from(v);
    EXPECT_TRUE(back == D);
    EXPECT_EQ(back.Comment, D.Comment);
    EXPECT_EQ(back.dT, D.dT);
    EXPECT_EQ(Stored(back), Stored(D));
}

TEST(TDimensionTest, NewLinkTakes428BytesAndReadsBackEqual)
{
    const Bytes data = Stored(TDimension());
    EXPECT_EQ(data.size(), 428u);
    EXPECT_EQ(static_cast<std::int64_t>(data.size()), TDimension::StreamBytes);
    TKmfData in;
    in.from(streamtest::Blob(97, data));
    TDimension back = Filled();
    back.fromStream(in);
    EXPECT_TRUE(back == TDimension());
    EXPECT_FALSE(in.ErrorReadFromFileToBufer);
}

TEST(TDimensionTest, ModelFieldsAreReadFromVersion18On)
{
    const TDimension D = Filled();
    const Bytes data = Stored(D);

    TDimension old;
    old.TMO = tvapi::o3d_baselineDimension3D;
    old.V3 = TVector3D(1.0, 2.0, 3.0);
    TKmfData v17;
    v17.from(streamtest::Blob(17, data));
    old.fromStream(v17);
    EXPECT_EQ(old.Nominal, 40.0);
    EXPECT_EQ(old.TMO, tvapi::o3d_baselineDimension3D);
    EXPECT_EQ(old.V3.z, 3.0);

    TDimension recent;
    TKmfData v18;
    v18.from(streamtest::Blob(18, data));
    recent.fromStream(v18);
    EXPECT_EQ(recent.TMO, tvapi::o3d_lineDimension3D);
    EXPECT_EQ(recent.V3.z, 40.0);
    EXPECT_EQ(recent.PL2.O.z, 45.0);

    TDimension bare;
    bare.from(data); // no magic: read from the first byte, no model fields
    EXPECT_EQ(bare.Nominal, 40.0);
    EXPECT_EQ(bare.dLdT, 12e-6);
    EXPECT_EQ(bare.TMO, 0);
}

TEST(TDimensionTest, ComparisonHoldsEachTolerance)
{
    const struct {
        const char* Name;
        Real& (*Field)(TDimension&);
        Real Within, Beyond; // 0: no tolerance
    } cases[] = {
        {"P1.x", [](TDimension& d) -> Real& { return d.P1.x; }, 5e-5, 2e-4},
        {"Nominal", [](TDimension& d) -> Real& { return d.Nominal; }, 5e-7, 5e-6},
        {"V2.x", [](TDimension& d) -> Real& { return d.V2.x; }, 5e-6, 2e-5},
        {"dLdT", [](TDimension& d) -> Real& { return d.dLdT; }, 1e-6, 3e-6},
        {"KTransformation", [](TDimension& d) -> Real& { return d.KTransformation; }, 0.0, 1e-12},
    };
    const TDimension D = Filled();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TDimension near = D;
        c.Field(near) += c.Within;
        EXPECT_TRUE(near == D);
        TDimension far = D;
        c.Field(far) += c.Beyond;
        EXPECT_FALSE(far == D);
    }
    TDimension text = D;
    text.Qualitet = TString("h8");
    EXPECT_FALSE(text == D);
    TDimension other = D; // fields never compared
    other.Comment = TString("другой");
    other.dT = 0.0;
    other.Number = 3;
    other.PC.Set(1.0, 1.0);
    EXPECT_TRUE(other == D);
    // An infinite deviation (320 digits typed) is the same when read again; its sign counts.
    TDimension huge = D;
    huge.QHigh = HUGE_VAL;
    EXPECT_TRUE(huge == TDimension(huge));
    TDimension negative = huge;
    negative.QHigh = -HUGE_VAL;
    EXPECT_FALSE(negative == huge);
    // A figure that is no number (a deviation too large to read is NaN) is the same when read
    // again, or it would be a change at every opening; against a number it differs.
    TDimension nan = D;
    nan.QHigh = std::numeric_limits<Real>::quiet_NaN();
    EXPECT_TRUE(nan == TDimension(nan));
    EXPECT_FALSE(nan == D);
    nan = D;
    nan.V2.y = std::numeric_limits<Real>::quiet_NaN();
    EXPECT_FALSE(nan == D);
}

TEST(TDimensionTest, PrepareTurnsDrawingAndModelVectors)
{
    TDimension D;
    D.Obj = tvapi::IDrawingObjectPtr(); // no object: the model rule applies
    D.V3 = TVector3D(0.0, -2.0, 1.0);
    D.Prepare();
    EXPECT_EQ(D.V3.y, 2.0);
    EXPECT_EQ(D.V3.z, -1.0);
    TVector3D m(-1.0, 0.0, 5.0); // the first non-zero component decides
    OrientModelVector(m);
    EXPECT_EQ(m.x, 1.0);
    m = TVector3D(-1.0, 2.0, -5.0);
    OrientModelVector(m);
    EXPECT_EQ(m.z, 5.0);
    EXPECT_EQ(m.x, 1.0);

    const TVector2D cases[][2] = {
        {{-3.0, 4.0}, {3.0, -4.0}}, {{1e-7, -5.0}, {-1e-7, 5.0}}, {{0.0, 0.0}, {0.0, 0.0}}};
    for (const auto& c : cases) {
        TVector2D v = c[0];
        OrientDrawingVector(v);
        EXPECT_EQ(v.x, c[1].x);
        EXPECT_EQ(v.y, c[1].y);
    }
}

TEST(TDimensionTest, IsSameAcceptsSwappedEndPlanes)
{
    const TDimension D = Filled();
    TDimension swapped = D;
    std::swap(swapped.PL1, swapped.PL2);
    EXPECT_TRUE(D.IsSame(swapped));
    TDimension moved = D;
    moved.PL2.O.z = 46.0;
    EXPECT_FALSE(D.IsSame(moved));
}

} // namespace

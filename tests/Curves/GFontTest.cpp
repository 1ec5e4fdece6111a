// The outline font without OpenGL: the built-in data, its stream form and measuring texts.
#include "GFont.h"

#include "KmfData.h"
#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

namespace {

constexpr double kExact = 1e-9;

const TFontGlif& BuiltIn()
{
    static const std::unique_ptr<TFontGlif> font = [] {
        auto f = std::make_unique<TFontGlif>();
        f->Load(FontGlifData, FontGlifDataSize);
        return f;
    }();
    return *font;
}

} // namespace

TEST(TFontGlifTest, BuiltInDataCarriesTheStreamHeader)
{
    ASSERT_GT(FontGlifDataSize, TKmfData::SizeHeader);
    const std::vector<Byte> head(FontGlifData, FontGlifData + 12);
    EXPECT_EQ(head, streamtest::Ints({TKmfData::HeadKmf, 96, 0}));
    EXPECT_EQ(std::count(FontGlifData + 12, FontGlifData + TKmfData::SizeHeader, 0), 244);
    const std::vector<Byte> listBase(FontGlifData + 256, FontGlifData + 260);
    EXPECT_EQ(listBase, streamtest::Ints({2000}));
}

TEST(TFontGlifTest, BuiltInFontHas256GlyphsAndAnEmptyGlyphZero)
{
    const TFontGlif& font = BuiltIn();
    ASSERT_TRUE(font.Init);
    EXPECT_EQ(font.ListBase, 2000);
    const TCharGlif& zero = font.ACharGlif[0];
    EXPECT_EQ(std::make_tuple(zero.Points.Count, zero.Contours.Count, zero.ListOGL, zero.GM.gmCellIncX),
              std::make_tuple(0, 0, 0u, 0.0));
    int outlined = 0;
    for (int code = 0; code < TFontGlif::GlyphCount; ++code) {
        SCOPED_TRACE(code);
        const TCharGlif& g = font.ACharGlif[code];
        EXPECT_EQ(g.Count, 0); // the base array is never used
        if (g.Points.Count == 0) {
            EXPECT_EQ(g.Contours.Count, 0);
            continue;
        }
        ++outlined;
        ASSERT_GT(g.Contours.Count, 0);
        EXPECT_EQ(g.Contours[0], 0);
        for (int c = 1; c < g.Contours.Count; ++c)
            EXPECT_GT(g.Contours[c], g.Contours[c - 1] + 2);
        EXPECT_LT(g.Contours[g.Contours.Count - 1], g.Points.Count - 2);
        // The ink box is the box of the points, its origin the upper-left corner.
        TRect2D box;
        box.SetEmpty();
        for (const TPoint3D& p : g.Points) {
            EXPECT_EQ(p.z, 0.0);
            box.Add(TPoint2D(p.x, p.y));
        }
        EXPECT_NEAR(box.Xmin(), g.GM.gmptGlyphOrigin.x, kExact);
        EXPECT_NEAR(box.Ymax(), g.GM.gmptGlyphOrigin.y, kExact);
        EXPECT_NEAR(box.Width(), g.GM.gmBlackBoxX, kExact);
        EXPECT_NEAR(box.Height(), g.GM.gmBlackBoxY, kExact);
        EXPECT_GT(g.GM.gmCellIncX, 0.0);
    }
    // Letters, digits and signs of both alphabets: 95 printable ASCII less the space, 127 of the
    // upper half less the unassigned code and the no-break space.
    EXPECT_GE(outlined, 200);
}

TEST(TFontGlifTest, StreamFormRoundTripsByteForByte)
{
    TKmfData out;
    BuiltIn().toStream(out);
    const streamtest::Bytes data = streamtest::DataOf(out);
    const streamtest::Bytes expected(FontGlifData + TKmfData::SizeHeader, FontGlifData + FontGlifDataSize);
    ASSERT_EQ(data.size(), expected.size());
    const auto diff = std::mismatch(data.begin(), data.end(), expected.begin());
    EXPECT_EQ(diff.first - data.begin(), static_cast<std::ptrdiff_t>(data.size()));
}

TEST(TFontGlifTest, LoadRefusesMissingDamagedAndCutData)
{
    TFontGlif font;
    font.Load(nullptr, 100);
    EXPECT_FALSE(font.Init);
    std::vector<Byte> bad(FontGlifData, FontGlifData + FontGlifDataSize);
    bad[0] ^= 0xFF; // not a stream header
    font.Load(bad.data(), bad.size());
    EXPECT_FALSE(font.Init);
    font.Load(FontGlifData, FontGlifDataSize / 2);
    EXPECT_FALSE(font.Init);
}

TEST(TFontGlifTest, LenAndHeightMeasureTheFirstCharacters)
{
    const TFontGlif& font = BuiltIn();
    const double a = font.Glyph('A').GM.gmCellIncX, b = font.Glyph('b').GM.gmCellIncX;
    const double ha = font.Glyph('A').GM.gmBlackBoxY, hb = font.Glyph('b').GM.gmBlackBoxY;
    const TString ab("Ab");
    EXPECT_DOUBLE_EQ(font.Len(ab, 1), a / 100.0);
    EXPECT_DOUBLE_EQ(font.Len(ab, 2), (a + b) / 100.0);
    EXPECT_DOUBLE_EQ(font.Len(ab, 10), (a + b) / 100.0);
    EXPECT_EQ(font.Len(ab, 0) + font.Len(ab, -3) + font.Len(TString(""), 5) + font.Height(TString(""), 5),
              0.0);
    EXPECT_DOUBLE_EQ(font.Height(ab, 1), ha / 100.0);
    EXPECT_DOUBLE_EQ(font.Height(ab, 2), std::max(ha, hb) / 100.0);
}

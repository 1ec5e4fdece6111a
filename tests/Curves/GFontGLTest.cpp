// The outline font compiled into display lists in an offscreen context: lists per code, pen
// advance, and texts drawn inside the box their measures give.
#include "GImage.h"

#include "GLContext.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TFontGlifGLTest : public GLFixture {
protected:
    std::unique_ptr<TGImage> image;

    void SetUp() override
    {
        GLFixture::SetUp();
        image = std::make_unique<TGImage>(nullptr, nullptr);
        image->InitFont(TString("GOST type B"), 6);
    }
    double Advances(const TString& text) const
    {
        double sum = 0.0;
        for (Integer i = 0; i < text.Length(); ++i)
            sum += image->Font.Glyph(text[i]).GM.gmCellIncX;
        return sum;
    }
};

const std::array<unsigned char, 3> kWhite{255, 255, 255};

} // namespace

TEST_F(TFontGlifGLTest, EveryCodeButZeroGetsItsList)
{
    ASSERT_TRUE(image->Font.Init);
    EXPECT_EQ(image->Font.ACharGlif[0].ListOGL, 0u);
    EXPECT_FALSE(glIsList(2000));
    for (int code = 1; code < TFontGlif::GlyphCount; ++code) {
        SCOPED_TRACE(code);
        const TCharGlif& g = image->Font.ACharGlif[code];
        const bool drawn = g.Points.Count > 0 || g.GM.gmCellIncX != 0.0;
        EXPECT_EQ(g.ListOGL, drawn ? 2000u + code : 0u);
        EXPECT_EQ(glIsList(2000 + code) == GL_TRUE, drawn);
    }
    EXPECT_TRUE(glIsList(2000 + 'A'));
    EXPECT_TRUE(glIsList(2000 + ' ')); // a space moves the pen
    // Compiling (with its trial call of one list) left no ink and no moved matrix.
    EXPECT_EQ(GL().CountInk(0, 0, Size, Size, kWhite), 0);
    EXPECT_EQ(Matrix(GL_MODELVIEW_MATRIX)[12], 0.0);
    EXPECT_EQ(Int(GL_MODELVIEW_STACK_DEPTH), 1);
    const UInteger before = image->Font.ACharGlif['A'].ListOGL;
    image->InitFont(TString(""), 0); // once only
    EXPECT_EQ(image->Font.ACharGlif['A'].ListOGL, before);
}

TEST_F(TFontGlifGLTest, ThreeCharactersMoveThePenByTheirAdvances)
{
    const TString text("AбZ");
    glListBase(2000);
    glCallLists(text.Length(), GL_UNSIGNED_BYTE, text.PChar());
    const auto m = Matrix(GL_MODELVIEW_MATRIX);
    EXPECT_NEAR(m[12], Advances(text) / 90.0, 1e-5);
    EXPECT_NEAR(m[13], 0.0, 1e-9);
    EXPECT_NEAR(m[0], 1.0, 1e-6); // each list undoes its own 1/90 scale

    // giTextOut restores the matrix, and its glyphs end where the advances say.
    glLoadIdentity();
    glColor3ub(0, 0, 0);
    image->giTextOut(10, 20, 0, 30, text);
    EXPECT_EQ(Matrix(GL_MODELVIEW_MATRIX)[12], 0.0);
    int right = -1;
    for (int x = 0; x < Size; ++x)
        if (GL().CountInk(x, 0, x + 1, Size, kWhite) > 0) right = x;
    const double pen = 10 + 0.85 * 30 * Advances(text) / 90.0;
    const TCharGlif& z = image->Font.Glyph('Z');
    const double inkEnd =
        pen - 0.85 * 30 * (z.GM.gmCellIncX - z.GM.gmptGlyphOrigin.x - z.GM.gmBlackBoxX) / 90.0;
    EXPECT_NEAR(right + 0.5, inkEnd, 1.0); // the last inked pixel column holds the ink's end
}

TEST_F(TFontGlifGLTest, TextsPutTheirInkInsideTheirMeasuredBoxes)
{
    for (const char* utf8 : {"ABC", "АБВ"}) {
        SCOPED_TRACE(utf8);
        glClear(GL_COLOR_BUFFER_BIT);
        const TString text(utf8);
        const double x = 10, y = 40, h = 30;
        glColor3ub(0, 0, 0);
        image->giTextOut(x, y, 0, h, text);
        const int right = int(std::ceil(x + image->Font.Len(text, text.Length()) * h));
        const int top = int(std::ceil(y + image->Font.Height(text, text.Length()) * h));
        const int all = GL().CountInk(0, 0, Size, Size, kWhite);
        const int inside = GL().CountInk(int(x), int(y), right, top, kWhite);
        EXPECT_GT(inside, 0);
        EXPECT_GT(inside, all * 3 / 4); // capitals rise a little above the measured height
        EXPECT_EQ(GL().CountInk(0, 0, int(x), Size, kWhite), 0);       // nothing left of the start
        EXPECT_EQ(GL().CountInk(right + 1, 0, Size, Size, kWhite), 0); // nor past the measured end
    }
}

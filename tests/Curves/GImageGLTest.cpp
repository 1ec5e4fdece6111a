// Replay and immediate drawing of a graphic image in an offscreen OpenGL context: segment
// counts in feedback mode, pen styles and the stacks the replay touches.
#include "GImage.h"

#include "GLContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>

namespace {

constexpr double kPixel = 1e-3; // feedback coordinates are floats in window pixels

class TGImageGLTest : public GLFixture {
protected:
    std::unique_ptr<TGImage> image = std::make_unique<TGImage>(nullptr, nullptr);

    struct Stacks {
        GLint modelview, projection, attrib, client;
        bool operator==(const Stacks&) const = default;
    };
    static Stacks Depths()
    {
        return {Int(GL_MODELVIEW_STACK_DEPTH), Int(GL_PROJECTION_STACK_DEPTH), Int(GL_ATTRIB_STACK_DEPTH),
                Int(GL_CLIENT_ATTRIB_STACK_DEPTH)};
    }
};

double Radius(const TFeedbackVertex& v, double cx, double cy)
{
    return std::hypot(v.x - cx, v.y - cy);
}

} // namespace

TEST_F(TGImageGLTest, CircleSegmentsGrowWithTheRadius)
{
    struct Case {
        double R;
        size_t segments;
    };
    // 16 floor(R / 10) + 16.
    const Case cases[] = {{5, 16}, {9.99, 16}, {10, 32}, {25, 48}, {40, 80}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.R);
        const TFeedback f = CaptureFeedback([&] { image->giCircle(64, 64, k.R); });
        ASSERT_EQ(f.lines.size(), k.segments);
        for (const auto& line : f.lines) {
            EXPECT_NEAR(Radius(line[0], 64, 64), k.R, kPixel * k.R);
            EXPECT_GT(Radius(line[1], line[0].x, line[0].y), 0.0); // no empty closing segment
        }
    }
}

TEST_F(TGImageGLTest, CircleSegmentsAreCappedAndHopelessRadiiDrawNothing)
{
    // A huge circle is clipped to the window, so count in the loop's own scale.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-3e12, 3e12, -3e12, 3e12, -1, 1);
    const TFeedback huge = CaptureFeedback([&] { image->giCircle(0, 0, 1e12); });
    EXPECT_EQ(huge.lines.size(), static_cast<size_t>(TGImage::MaxCurveSegments));
    EXPECT_TRUE(CaptureFeedback([&] { image->giCircle(0, 0, -15); }).lines.empty()); // n = -1
    EXPECT_TRUE(CaptureFeedback([&] { image->giCircle(0, 0, NAN); }).lines.empty());
}

TEST_F(TGImageGLTest, ArcOverZeroRunsThroughZero)
{
    const TFeedback f = CaptureFeedback([&] { image->giArc(64, 64, 10, 350, 10); });
    ASSERT_EQ(f.lines.size(), 24u); // 8 floor(10 / 10) + 16
    const TFeedbackVertex first = f.lines.front()[0], last = f.lines.back()[1];
    EXPECT_NEAR(first.x, 64 + 10 * std::cos(-10 * TMathDef::DEGRAD), kPixel);
    EXPECT_NEAR(first.y, 64 + 10 * std::sin(-10 * TMathDef::DEGRAD), kPixel);
    EXPECT_NEAR(last.x, 64 + 10 * std::cos(10 * TMathDef::DEGRAD), kPixel);
    EXPECT_NEAR(last.y, 64 + 10 * std::sin(10 * TMathDef::DEGRAD), kPixel);
    bool throughZero = false;
    for (const auto& line : f.lines) {
        EXPECT_GT(line[0].x, 64 + 9.8); // the short way: never near 180 degrees
        throughZero =
            throughZero || (std::fabs(line[0].x - 74) < kPixel && std::fabs(line[0].y - 64) < kPixel);
    }
    EXPECT_TRUE(throughZero);
    EXPECT_TRUE(CaptureFeedback([&] { image->giArc(64, 64, 2e6, 0, 90); }).lines.empty());
    EXPECT_TRUE(CaptureFeedback([&] { image->giArc(64, 64, -25, 0, 90); }).lines.empty()); // n = -2
}

TEST_F(TGImageGLTest, PenStylesSetStippleAndColour)
{
    struct Case {
        TPenStyles st;
        bool stipple;
        GLint pattern;
        GLubyte r, g, b;
    };
    const Case cases[] = {{psSolid, false, -1, 0, 0, 255},       {psThinSolid, false, -1, 0, 0, 0},
                          {psDash, true, 0xF0F0, 0, 0, 0},       {psDot, true, 0x2222, 0, 0, 0},
                          {psDashDot, true, 0xF2F2, 255, 0, 0},  {psDashDotDot, true, 0xF9F9, 255, 0, 0},
                          {psClear, true, 0x0000, 255, 255, 255}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.st);
        glLineWidth(3.0f);
        glLineStipple(1, 0x1234);
        image->giSetStyle(k.st);
        GLfloat width = 0, c[4] = {};
        glGetFloatv(GL_LINE_WIDTH, &width);
        glGetFloatv(GL_CURRENT_COLOR, c);
        EXPECT_EQ(width, 1.0f);
        EXPECT_EQ(glIsEnabled(GL_LINE_STIPPLE) == GL_TRUE, k.stipple);
        if (k.stipple) {
            EXPECT_EQ(std::make_pair(Int(GL_LINE_STIPPLE_PATTERN), Int(GL_LINE_STIPPLE_REPEAT)),
                      std::make_pair(k.pattern, 4));
        }
        EXPECT_EQ(std::make_tuple(std::lround(c[0] * 255), std::lround(c[1] * 255), std::lround(c[2] * 255)),
                  std::make_tuple(long(k.r), long(k.g), long(k.b)));
    }
    // Unknown styles switch the stipple on and leave pattern and colour.
    glColor3ub(10, 20, 30);
    glLineStipple(2, 0x00FF);
    glDisable(GL_LINE_STIPPLE);
    image->giSetStyle(psInsideFrame);
    EXPECT_TRUE(glIsEnabled(GL_LINE_STIPPLE));
    EXPECT_EQ(std::make_pair(Int(GL_LINE_STIPPLE_PATTERN), Int(GL_LINE_STIPPLE_REPEAT)),
              std::make_pair(0x00FF, 2));
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(std::lround(colour[1] * 255), 20);
}

TEST_F(TGImageGLTest, ReplayLeavesEveryStackAsItFoundIt)
{
    glTranslated(3, 4, 0);
    const Stacks before = Depths();
    const auto modelview = Matrix(GL_MODELVIEW_MATRIX);
    const auto projection = Matrix(GL_PROJECTION_MATRIX);

    image->drMtr(10, 20, 30, 2);
    image->drCircle(0, 0, 25);
    image->drArc(0, 0, 25, 10, 20);
    image->drText(0, 0, 0, 10, TString("ABC"));
    image->drDeleteMtr();
    image->drPushState(true);
    image->drSetScreenPlane(-1, 1, -1, 1, -1, 1);
    image->drLine(0, 0, 1, 1);
    image->drPopState();
    image->DrawElements();
    EXPECT_TRUE(Depths() == before);
    EXPECT_EQ(Matrix(GL_MODELVIEW_MATRIX), modelview);
    EXPECT_EQ(Matrix(GL_PROJECTION_MATRIX), projection);

    // Unpaired pushes are closed at the end, unpaired pops skipped, an open begin ended.
    image = std::make_unique<TGImage>(nullptr, nullptr);
    image->drDeleteMtr();
    image->drPopState();
    image->drMtr(1, 1, 0, 1);
    image->drMtr3D(1, 1, 1, 1);
    image->drPushState(false);
    image->drDeleteMtr(); // the state is on top: skipped
    image->drBegin(GL_LINES);
    image->drVertex(0, 0, 0);
    image->DrawElements();
    EXPECT_TRUE(Depths() == before);
    EXPECT_EQ(Matrix(GL_MODELVIEW_MATRIX), modelview);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TGImageGLTest, ReplaySkipsPushesWithNoRoomLeft)
{
    const Stacks before = Depths();
    for (int i = 0; i < Int(GL_MAX_MODELVIEW_STACK_DEPTH) + 5; ++i)
        image->drMtr(1, 0, 0, 1);
    image->drLine(0, 0, 1, 0);
    for (int i = 0; i < Int(GL_MAX_MODELVIEW_STACK_DEPTH) + 5; ++i)
        image->drDeleteMtr();
    image->DrawElements();
    EXPECT_TRUE(Depths() == before);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

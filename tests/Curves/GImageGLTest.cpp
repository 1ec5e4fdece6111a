// Replay and immediate drawing of a graphic image in an offscreen OpenGL context: segment
// counts in feedback mode, pen styles, the stacks the replay touches, the 3D mode and the
// gradient background.
#include "GImage.h"

#include "GLContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>

namespace {

constexpr double kPixel = 1e-3;   // feedback coordinates are floats in window pixels
constexpr double kGLFloat = 1e-6; // OpenGL keeps its matrices in floats

class TGImageGLTest : public GLFixture {
protected:
    std::unique_ptr<TGImage> image = std::make_unique<TGImage>(nullptr, nullptr);

    TFeedback Replay() {
        return CaptureFeedback([this] { image->DrawElements(); });
    }

    struct Stacks {
        GLint modelview, projection, attrib, client;
        bool operator==(const Stacks&) const = default;
    };
    static Stacks Depths() {
        return {Int(GL_MODELVIEW_STACK_DEPTH), Int(GL_PROJECTION_STACK_DEPTH), Int(GL_ATTRIB_STACK_DEPTH),
                Int(GL_CLIENT_ATTRIB_STACK_DEPTH)};
    }
};

double Radius(const TFeedbackVertex& v, double cx, double cy) {
    return std::hypot(v.x - cx, v.y - cy);
}

} // namespace

TEST_F(TGImageGLTest, CircleSegmentsGrowWithTheRadius) {
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

TEST_F(TGImageGLTest, CircleSegmentsAreCappedAndHopelessRadiiDrawNothing) {
    // A huge circle is clipped to the window, so count in the loop's own scale.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-3e12, 3e12, -3e12, 3e12, -1, 1);
    const TFeedback huge = CaptureFeedback([&] { image->giCircle(0, 0, 1e12); });
    EXPECT_EQ(huge.lines.size(), static_cast<size_t>(TGImage::MaxCurveSegments));
    EXPECT_TRUE(CaptureFeedback([&] { image->giCircle(0, 0, -15); }).lines.empty()); // n = -1
    EXPECT_TRUE(CaptureFeedback([&] { image->giCircle(0, 0, NAN); }).lines.empty());
}

TEST_F(TGImageGLTest, ArcOverZeroRunsThroughZero) {
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

TEST_F(TGImageGLTest, PenStylesSetStippleAndColour) {
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

TEST_F(TGImageGLTest, ReplayDrawsTheRecordedPrimitives) {
    image->drMtr(10, 20, 90, 2); // move, turn a quarter, double
    image->drLine(0, 0, 5, 0);
    image->drDeleteMtr();
    image->drRectAngle(30, 30, 40, 50);
    image->drCircle(64, 64, 25);
    image->drArc(64, 64, 10, 0, 90);
    image->drPoint(5, 6);
    image->drMtr(64, 64, 0, 0.1); // the axes, 50 pixels each way from the middle
    image->drAxle();
    image->drDeleteMtr();
    const TFeedback f = Replay();
    ASSERT_EQ(f.lines.size(), 1u + 4u + 48u + 24u + 2u);
    EXPECT_LT(Radius(f.lines[0][0], 10, 20) + Radius(f.lines[0][1], 10, 30), kPixel);
    ASSERT_EQ(f.points.size(), 1u);
    EXPECT_NEAR(f.points[0].x, 5, kPixel);
    // The axes leave the stipple off and the colour red.
    EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE));
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[0], 1.0f);
    EXPECT_EQ(colour[1], 0.0f);
}

TEST_F(TGImageGLTest, ReplayOfRecordedStylesAndClientArrays) {
    static const GLdouble vertices[] = {1, 1, 0, 11, 1, 0, 11, 11, 0};
    static const GLuint indices[] = {0, 2};
    image->drColorStyle(clRed, psDashDotDot);
    image->drLineWidth(2.5);
    image->drVertexPointer(3, GL_DOUBLE, 0, vertices);
    image->drEnableClientState(GL_VERTEX_ARRAY);
    image->drDrawArrays(GL_LINES, 0, 2);
    image->drDrawElements(GL_LINES, 2, GL_UNSIGNED_INT, indices);
    image->drDisableClientState(GL_VERTEX_ARRAY);
    image->drBegin(GL_LINES);
    image->drVertex(0, 0, 0);
    image->drVertex(3, 4, 0);
    image->drEnd();
    const TFeedback f = Replay();
    ASSERT_EQ(f.lines.size(), 3u);
    EXPECT_LT(Radius(f.lines[1][1], 11, 11), kPixel); // index 2 of the array
    EXPECT_NEAR(f.lines[2][1].y, 4, kPixel);
    EXPECT_EQ(Int(GL_LINE_STIPPLE_PATTERN), 0xF9F9);
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 2.5f);
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
}

TEST_F(TGImageGLTest, ReplayLeavesEveryStackAsItFoundIt) {
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

TEST_F(TGImageGLTest, ReplaySkipsPushesWithNoRoomLeft) {
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

TEST_F(TGImageGLTest, ClearReleasesTextsAndResetsTheProjection) {
    image->drText(0, 0, 0, 1, TString("a"));
    image->drLine(0, 0, 1, 1);
    image->drText(0, 0, 0, 1, TString("b"));
    image->drText(0, 0, 0, 1, TString("c"));
    image->drClear();
    EXPECT_EQ(image->CountLElement, 0);
    for (int k : {0, 2, 3})
        EXPECT_EQ(image->Element(k).S, nullptr); // released, not left dangling
    const auto projection = Matrix(GL_PROJECTION_MATRIX);
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(projection[k], k % 5 == 0 ? 1.0 : 0.0);
        EXPECT_EQ(image->viewMatrix.V[k], projection[k]);
    }
}

TEST_F(TGImageGLTest, Begin3DSetsUpAndEnd3DTakesDown) {
    const Stacks before = Depths();
    glViewport(1, 2, 100, 90);
    image->Begin3D(50);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_EQ(Int(GL_SHADE_MODEL), GL_SMOOTH);
    const auto p = Matrix(GL_PROJECTION_MATRIX);
    EXPECT_NEAR(p[0], 1.0 / 50, kGLFloat);
    EXPECT_NEAR(p[10], -2.0 / 1000, kGLFloat);
    EXPECT_EQ(image->prViewPort[2], 100);
    glViewport(0, 0, 10, 10);
    image->End3D();
    EXPECT_TRUE(Depths() == before);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST) || glIsEnabled(GL_LIGHTING) || glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_EQ(Int(GL_SHADE_MODEL), GL_FLAT);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::make_pair(viewport[1], viewport[3]), std::make_pair(2, 90)); // put back
}

TEST_F(TGImageGLTest, GradientBackgroundRunsFromDownToUp) {
    glEnable(GL_DEPTH_TEST);
    glColor3ub(1, 2, 3);
    const Stacks before = Depths();
    const auto modelview = Matrix(GL_MODELVIEW_MATRIX);
    image->GradientBk(TColor(0x00FF0000), TColor(0x000000FF)); // blue above, red below
    const auto bottom = GL().Pixel(64, 0), top = GL().Pixel(64, Size - 1), middle = GL().Pixel(64, Size / 2);
    EXPECT_TRUE(bottom[0] >= 250 && bottom[2] <= 5 && top[0] <= 5 && top[2] >= 250);
    EXPECT_NEAR(middle[0], 128, 4);
    EXPECT_NEAR(middle[2], 128, 4);
    EXPECT_EQ(GL().Pixel(0, 0), GL().Pixel(Size - 1, 0)); // the same colour across a row
    EXPECT_TRUE(Depths() == before);
    EXPECT_EQ(Matrix(GL_MODELVIEW_MATRIX), modelview);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(std::lround(colour[2] * 255), 3);
}

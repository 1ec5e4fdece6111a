// Mouse view control of a graphic image in an offscreen context: unprojection of the pointer,
// command switching, and the scale, move and rotate drags.
#include "GImage.h"

#include "GLContext.h"
#include "HostPressedKeys.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

namespace {

constexpr double kModel = 1e-6;
constexpr double kGLFloat = 1e-6; // OpenGL keeps its matrices in floats

class TGImageViewGLTest : public GLFixture {
protected:
    std::unique_ptr<TGImage> image = std::make_unique<TGImage>(nullptr, nullptr);
    tvapi::IPressedKeysPtr drag = Keys(tvhost::kbMiddleButton);
    tvapi::IPressedKeysPtr pick = Keys(tvhost::kbLeftButton);
    tvapi::IPressedKeysPtr toggle = Keys(tvhost::kbRightButton);
    tvapi::IPressedKeysPtr none = Keys(0);

    static tvapi::IPressedKeysPtr Keys(unsigned bits) {
        return tvapi::IPressedKeysPtr(tvhost::New<tvhost::THostPressedKeys>(bits));
    }
    // The model point under window pixel (x, y) (top-left origin) at depth d, through the
    // current matrices: computed here from the orthographic view, not through GLU.
    static void ModelAt(int x, int y, double d, double& mx, double& my, double& mz) {
        const auto m = Matrix(GL_MODELVIEW_MATRIX); // scale s and translation t only
        const double wx = x, wy = Size - y - 1, ez = -(2 * d - 1);
        mx = (wx - m[12]) / m[0];
        my = (wy - m[13]) / m[5];
        mz = (ez - m[14]) / m[10];
    }
};

} // namespace

TEST_F(TGImageViewGLTest, HoverUnprojectsThePointerThroughTheView) {
    glClearDepth(0.75);
    glClear(GL_DEPTH_BUFFER_BIT);
    glTranslated(8, -4, 0);
    glScaled(2, 2, 2);
    image->MouseMove(none, 30, 40);
    EXPECT_EQ(image->X, 30);
    EXPECT_EQ(image->Y, Size - 40 - 1); // bottom-left origin, once
    EXPECT_NEAR(image->Z, 0.75, 1e-6);
    double x, y, z;
    ModelAt(30, 40, image->Z, x, y, z);
    EXPECT_LE(std::fabs(image->sX - x) + std::fabs(image->sY - y) + std::fabs(image->sZ - z), kModel);
    EXPECT_NEAR(image->sX, (30 - 8) / 2.0, kModel);
    EXPECT_EQ(std::make_tuple(image->Viewport[2], image->mtrMatrix.V[0], image->cX, image->cY),
              std::make_tuple(Size, 2.0, 30.0, double(Size - 40 - 1)));
}

TEST_F(TGImageViewGLTest, CommandSwitchTogglesMoveAndScaleWithoutADrag) {
    struct Case {
        TGImage::GICommands from, to;
    };
    const Case cases[] = {{TGImage::cNone, TGImage::cMove},
                          {TGImage::cScale, TGImage::cMove},
                          {TGImage::cMove, TGImage::cScale},
                          {TGImage::cRotate, TGImage::cRotate}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.from);
        image->SetCommand(k.from);
        image->MouseDown(toggle, 10, 10);
        EXPECT_EQ(image->Command, k.to);
        EXPECT_FALSE(image->CommandWork);
        EXPECT_EQ(Int(GL_MODELVIEW_STACK_DEPTH), 1);
    }
    image->SetCommand(TGImage::cMove);
    image->MouseDown(pick, 10, 10); // a pick reads the pointer and starts nothing
    EXPECT_FALSE(image->CommandWork);
    EXPECT_EQ(image->Y, Size - 11);
    image->MouseDown(tvapi::IPressedKeysPtr(), 10, 10); // no keys object: nothing starts
    EXPECT_FALSE(image->CommandWork);
}

TEST_F(TGImageViewGLTest, FiftyPixelsUpInScaleModeDoublesTheScale) {
    image->Set3D(false, 1, 1, 1, 1);
    image->SetCommand(TGImage::cScale);
    double mx, my, mz;
    ModelAt(64, 100, 0.5, mx, my, mz); // the model point under the press
    image->MouseDown(drag, 64, 100);
    ASSERT_TRUE(image->CommandWork);
    image->MouseMove(drag, 64, 50);
    const auto m = Matrix(GL_MODELVIEW_MATRIX);
    EXPECT_NEAR(m[0], 2.0, kGLFloat);
    EXPECT_EQ(std::make_pair(m[5], image->mtrMatrix.V[0]), std::make_pair(m[0], m[0]));
    // That model point now lies under the pointer.
    double nx, ny, nz;
    ModelAt(64, 50, 0.5, nx, ny, nz);
    EXPECT_LE(std::fabs(nx - mx) + std::fabs(ny - my), kModel);
    image->MouseUp(drag, 64, 50);
    EXPECT_FALSE(image->CommandWork);
    EXPECT_EQ(Int(GL_MODELVIEW_STACK_DEPTH), 1);
}

TEST_F(TGImageViewGLTest, DraggingFarDownNeverCollapsesTheView) {
    image->Set3D(false, 1, 1, 1, 1);
    image->SetCommand(TGImage::cScale);
    image->MouseDown(drag, 64, 10);
    image->MouseMove(drag, 64, 60); // f would be 0
    EXPECT_NEAR(Matrix(GL_MODELVIEW_MATRIX)[0], TGImage::MinScaleStep, kGLFloat);
    image->MouseMove(drag, 64, 160); // f would be -1
    const auto m = Matrix(GL_MODELVIEW_MATRIX);
    EXPECT_NEAR(m[0], TGImage::MinScaleStep * TGImage::MinScaleStep, kGLFloat);
    EXPECT_GT(m[5], 0.0);
    image->MouseUp(drag, 64, 160);
}

TEST_F(TGImageViewGLTest, MoveDragFollowsThePointerAndPopsOnRelease) {
    image->SetCommand(TGImage::cMove);
    image->MouseDown(drag, 10, 10);
    ASSERT_TRUE(image->CommandWork);
    EXPECT_EQ(Int(GL_MODELVIEW_STACK_DEPTH), 2);
    image->MouseMove(drag, 30, 20);
    EXPECT_NEAR(Matrix(GL_MODELVIEW_MATRIX)[13], -10.0, kModel); // down the window is down the view
    image->MouseMove(drag, 40, 20);                              // each step starts again from the press
    EXPECT_NEAR(Matrix(GL_MODELVIEW_MATRIX)[12], 30.0, kModel);
    image->MouseDown(drag, 40, 20); // a second press does not push again
    EXPECT_EQ(Int(GL_MODELVIEW_STACK_DEPTH), 2);
    image->MouseUp(drag, 40, 20);
    EXPECT_FALSE(image->CommandWork);
    EXPECT_EQ(Int(GL_MODELVIEW_STACK_DEPTH), 1);
    const auto m = Matrix(GL_MODELVIEW_MATRIX);
    EXPECT_LE(std::fabs(m[12] - 30) + std::fabs(m[13] + 10), kModel);
    EXPECT_DOUBLE_EQ(image->mtrMatrix.V[12], m[12]);
}

TEST_F(TGImageViewGLTest, HorizontalRotateDragTurnsAboutTheScreenVertical) {
    image->SetCommand(TGImage::cRotate);
    image->MouseDown(drag, 50, 50);
    ASSERT_TRUE(image->CommandWork);
    image->MouseMove(drag, 80, 50);
    const auto m = Matrix(GL_MODELVIEW_MATRIX);
    const double c = std::cos(30 * TMathDef::DEGRAD), s = std::sin(30 * TMathDef::DEGRAD);
    EXPECT_LE(std::max({std::fabs(m[0] - c), std::fabs(m[5] - 1), std::fabs(m[10] - c),
                        std::fabs(std::fabs(m[2]) - s), std::fabs(m[12])}),
              kGLFloat);
    image->MouseUp(drag, 80, 50);
    EXPECT_EQ(Int(GL_MODELVIEW_STACK_DEPTH), 1);

    image->Set3D(false, 1, 1, 1, 1); // a flat view does not rotate
    glLoadIdentity();
    image->MouseDown(drag, 50, 50);
    EXPECT_FALSE(image->CommandWork);
    image->MouseMove(drag, 80, 50);
    EXPECT_EQ(Matrix(GL_MODELVIEW_MATRIX)[0], 1.0);
}

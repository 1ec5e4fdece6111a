// Mouse view control of a graphic image in an offscreen context: unprojection of the pointer
// and the scale drag.
#include "GImage.h"

#include "GLContext.h"
#include "HostPressedKeys.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

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
    tvapi::IPressedKeysPtr none = Keys(0);

    static tvapi::IPressedKeysPtr Keys(unsigned bits)
    {
        return tvapi::IPressedKeysPtr(tvhost::New<tvhost::THostPressedKeys>(bits));
    }
    // The model point under window pixel (x, y) (top-left origin) at depth d, through the
    // current matrices: computed here from the orthographic view, not through GLU.
    static void ModelAt(int x, int y, double d, double& mx, double& my, double& mz)
    {
        const auto m = Matrix(GL_MODELVIEW_MATRIX); // scale s and translation t only
        const double wx = x, wy = Size - y - 1, ez = -(2 * d - 1);
        mx = (wx - m[12]) / m[0];
        my = (wy - m[13]) / m[5];
        mz = (ez - m[14]) / m[10];
    }
};

} // namespace

TEST_F(TGImageViewGLTest, HoverUnprojectsThePointerThroughTheView)
{
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

TEST_F(TGImageViewGLTest, FiftyPixelsUpInScaleModeDoublesTheScale)
{
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

TEST_F(TGImageViewGLTest, DraggingFarDownNeverCollapsesTheView)
{
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

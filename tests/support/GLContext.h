#pragma once
// Offscreen OpenGL for tests: a Mesa OSMesa compatibility-profile context drawing into a small
// RGBA buffer in memory, made current for the test; plus a fixture that gives each test a
// fresh context, and the readers of feedback-mode output that the drawing tests count with.

#include <GL/gl.h>
#include <GL/osmesa.h>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

class OffscreenGL {
public:
    // Origin of the buffer is the bottom-left pixel; depth 24 bits, stencil 8.
    OffscreenGL(int width, int height);
    ~OffscreenGL();
    OffscreenGL(const OffscreenGL&) = delete;
    OffscreenGL& operator=(const OffscreenGL&) = delete;

    bool Valid() const { return FContext != nullptr && FCurrent; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // RGBA of pixel (x, y), bottom-left origin; glFinish first.
    std::array<unsigned char, 4> Pixel(int x, int y) const;
    // Pixels in [x0, x1) x [y0, y1) whose colour differs from `background` (RGB compared).
    int CountInk(int x0, int y0, int x1, int y1, const std::array<unsigned char, 3>& background) const;

private:
    OSMesaContext FContext = nullptr;
    bool FCurrent = false;
    int FWidth;
    int FHeight;
    std::vector<unsigned char> FBuffer;
};

// One vertex of feedback output (GL_3D: window x, y, z).
struct TFeedbackVertex {
    float x, y, z;
};

// Feedback output parsed into its primitives.
struct TFeedback {
    std::vector<std::array<TFeedbackVertex, 2>> lines;
    std::vector<TFeedbackVertex> points;
    std::vector<std::vector<TFeedbackVertex>> polygons;
    std::vector<float> passThrough;
    bool overflow = false;
};

// Runs draw() in GL_FEEDBACK mode (GL_3D) and parses what it emitted.
template <class Draw> TFeedback CaptureFeedback(Draw draw, std::size_t capacity = 1 << 20);
TFeedback ParseFeedback(const std::vector<GLfloat>& buffer, GLint count);

// A fresh 128 x 128 context per test, with a pixel-exact orthographic view (one unit per pixel,
// origin at the bottom left), identity model-view and a cleared white buffer.
class GLFixture : public ::testing::Test {
protected:
    static constexpr int Size = 128;

    void SetUp() override;
    void TearDown() override;
    OffscreenGL& GL() { return *FGL; }
    // Current integer state, for before/after comparisons.
    static GLint Int(GLenum what);
    static std::array<GLdouble, 16> Matrix(GLenum which);

private:
    std::unique_ptr<OffscreenGL> FGL;
};

template <class Draw> TFeedback CaptureFeedback(Draw draw, std::size_t capacity)
{
    std::vector<GLfloat> buffer(capacity);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint count = glRenderMode(GL_RENDER);
    return ParseFeedback(buffer, count);
}

// Offscreen OpenGL context and feedback parsing for the drawing tests.
#include "GLContext.h"

#include <algorithm>
#include <cstdlib>

OffscreenGL::OffscreenGL(int width, int height)
    : FWidth(width), FHeight(height), FBuffer(static_cast<std::size_t>(width) * height * 4)
{
    const int attributes[] = {OSMESA_FORMAT,
                              OSMESA_RGBA,
                              OSMESA_DEPTH_BITS,
                              24,
                              OSMESA_STENCIL_BITS,
                              8,
                              OSMESA_PROFILE,
                              OSMESA_COMPAT_PROFILE,
                              0};
    FContext = OSMesaCreateContextAttribs(attributes, nullptr);
    if (FContext == nullptr) return;
    FCurrent = OSMesaMakeCurrent(FContext, FBuffer.data(), GL_UNSIGNED_BYTE, width, height) == GL_TRUE;
    if (FCurrent) OSMesaPixelStore(OSMESA_Y_UP, 1);
}

OffscreenGL::~OffscreenGL()
{
    if (FContext != nullptr) OSMesaDestroyContext(FContext);
}

std::array<unsigned char, 4> OffscreenGL::Pixel(int x, int y) const
{
    glFinish();
    const std::size_t at = (static_cast<std::size_t>(y) * FWidth + x) * 4;
    return {FBuffer[at], FBuffer[at + 1], FBuffer[at + 2], FBuffer[at + 3]};
}

int OffscreenGL::CountInk(int x0, int y0, int x1, int y1,
                          const std::array<unsigned char, 3>& background) const
{
    glFinish();
    int ink = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, FHeight); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, FWidth); ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * FWidth + x) * 4;
            if (FBuffer[at] != background[0] || FBuffer[at + 1] != background[1] ||
                FBuffer[at + 2] != background[2])
                ++ink;
        }
    return ink;
}

#if defined(__SANITIZE_ADDRESS__)
// Mesa keeps some of a destroyed context's allocations for good: not ours to report.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libOSMesa.so\n";
}
#endif

namespace {

TFeedbackVertex VertexAt(const std::vector<GLfloat>& b, GLint& i)
{
    const TFeedbackVertex v{b[i], b[i + 1], b[i + 2]};
    i += 3;
    return v;
}

} // namespace

TFeedback ParseFeedback(const std::vector<GLfloat>& b, GLint count)
{
    TFeedback out;
    if (count < 0) {
        out.overflow = true;
        return out;
    }
    for (GLint i = 0; i < count;) {
        const auto token = static_cast<GLint>(b[i++]);
        switch (token) {
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN: {
            const TFeedbackVertex a = VertexAt(b, i);
            out.lines.push_back({a, VertexAt(b, i)});
            break;
        }
        case GL_POINT_TOKEN:
        case GL_BITMAP_TOKEN:
        case GL_DRAW_PIXEL_TOKEN:
        case GL_COPY_PIXEL_TOKEN:
            out.points.push_back(VertexAt(b, i));
            break;
        case GL_POLYGON_TOKEN: {
            const auto n = static_cast<GLint>(b[i++]);
            std::vector<TFeedbackVertex> polygon;
            for (GLint k = 0; k < n; ++k)
                polygon.push_back(VertexAt(b, i));
            out.polygons.push_back(polygon);
            break;
        }
        case GL_PASS_THROUGH_TOKEN:
            out.passThrough.push_back(b[i++]);
            break;
        default:
            return out;
        }
    }
    return out;
}

void GLFixture::SetUp()
{
    FGL = std::make_unique<OffscreenGL>(Size, Size);
    ASSERT_TRUE(FGL->Valid()) << "no offscreen OpenGL context";
    glViewport(0, 0, Size, Size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, Size, 0.0, Size, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GLFixture::TearDown()
{
    if (FGL && FGL->Valid()) {
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    FGL.reset();
}

GLint GLFixture::Int(GLenum what)
{
    GLint v = 0;
    glGetIntegerv(what, &v);
    return v;
}

std::array<GLdouble, 16> GLFixture::Matrix(GLenum which)
{
    std::array<GLdouble, 16> m{};
    glGetDoublev(which, m.data());
    return m;
}

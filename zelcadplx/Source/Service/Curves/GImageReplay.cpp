// Replay of a recorded image and the immediate drawing forms, in fixed-function OpenGL.
#include "GImage.h"

#include <GL/gl.h>

#include <cmath>
#include <vector>

namespace {

constexpr Real CircleSegmentsPer10 = 16.0;
constexpr Real ArcSegmentsPer10 = 8.0;
constexpr Real BaseSegments = 16.0;
constexpr GLint StippleFactor = 4;
constexpr Real AxleLength = 500.0;
constexpr Real TextNarrowing = 0.85;

struct TStyleLook {
    bool stipple;
    GLushort pattern;
    GLubyte r, g, b;
};

// Line looks of the pen styles psSolid .. psClear.
constexpr TStyleLook StyleLooks[] = {
    {false, 0x0000, 0, 0, 255},    // psSolid
    {false, 0x0000, 0, 0, 0},      // psThinSolid
    {true, 0xF0F0, 0, 0, 0},       // psDash
    {true, 0x2222, 0, 0, 0},       // psDot
    {true, 0xF2F2, 255, 0, 0},     // psDashDot
    {true, 0xF9F9, 255, 0, 0},     // psDashDotDot
    {true, 0x0000, 255, 255, 255}, // psClear
};

// Segment count of a circle or an arc: base + perTen * trunc(R / 10), held within the cap.
// Zero or less means nothing is drawn.
Integer Segments(Real R, Real perTen)
{
    if (!std::isfinite(R)) return 0;
    const Real n = std::trunc(R / 10.0);
    const Real count = perTen * n + BaseSegments;
    if (count <= 0.0) return 0;
    return static_cast<Integer>(std::fmin(count, TGImage::MaxCurveSegments));
}

// What the replay pushed, so that unpaired pushes are closed and unpaired pops skipped.
enum class TPushed { Matrix, State, NoRoom };

GLint Depth(GLenum what)
{
    GLint v = 0;
    glGetIntegerv(what, &v);
    return v;
}

bool RoomFor(GLenum depth, GLenum max)
{
    return Depth(depth) < Depth(max);
}

bool RoomForState()
{
    return RoomFor(GL_ATTRIB_STACK_DEPTH, GL_MAX_ATTRIB_STACK_DEPTH) &&
           RoomFor(GL_CLIENT_ATTRIB_STACK_DEPTH, GL_MAX_CLIENT_ATTRIB_STACK_DEPTH) &&
           RoomFor(GL_PROJECTION_STACK_DEPTH, GL_MAX_PROJECTION_STACK_DEPTH) &&
           RoomFor(GL_MODELVIEW_STACK_DEPTH, GL_MAX_MODELVIEW_STACK_DEPTH);
}

class TReplayStacks {
public:
    explicit TReplayStacks(TGImage& image) : FImage(image) {}
    TReplayStacks(const TReplayStacks&) = delete;
    TReplayStacks& operator=(const TReplayStacks&) = delete;
    ~TReplayStacks()
    {
        if (FInBegin) glEnd();
        while (!FPushed.empty())
            Close();
    }

    bool PushMatrix()
    {
        glMatrixMode(GL_MODELVIEW);
        const bool room = RoomFor(GL_MODELVIEW_STACK_DEPTH, GL_MAX_MODELVIEW_STACK_DEPTH);
        FPushed.push_back(room ? TPushed::Matrix : TPushed::NoRoom);
        if (room) glPushMatrix();
        return room;
    }
    void PopMatrix() { Pop(TPushed::Matrix); }
    void PushState(bool identity)
    {
        const bool room = RoomForState();
        FPushed.push_back(room ? TPushed::State : TPushed::NoRoom);
        if (room) FImage.giPushState(identity);
    }
    void PopState() { Pop(TPushed::State); }
    void Begin(GLenum code)
    {
        if (FInBegin) return;
        FInBegin = true;
        glBegin(code);
    }
    void End()
    {
        if (!FInBegin) return;
        FInBegin = false;
        glEnd();
    }

private:
    TGImage& FImage;
    std::vector<TPushed> FPushed;
    bool FInBegin = false;

    void Pop(TPushed kind)
    {
        if (FPushed.empty()) return;
        if (FPushed.back() == TPushed::NoRoom) {
            FPushed.pop_back();
            return;
        }
        if (FPushed.back() == kind) Close();
    }
    void Close()
    {
        const TPushed kind = FPushed.back();
        FPushed.pop_back();
        if (kind == TPushed::Matrix) {
            glMatrixMode(GL_MODELVIEW);
            glPopMatrix();
        } else if (kind == TPushed::State) {
            FImage.giPopState();
        }
    }
};

void ApplyMatrix(const TGImage::TGElement& e, bool flat)
{
    glTranslated(e.X, e.Y, flat ? 0.0 : e.A);
    if (flat) glRotated(e.A, 0.0, 0.0, 1.0);
    glScaled(e.Sc, e.Sc, e.Sc);
}

} // namespace

void TGImage::glDraw(Boolean, Boolean)
{
    DrawElements();
}

void TGImage::DrawElements()
{
    TReplayStacks stacks(*this);
    for (Integer i = 0; i < CountLElement; ++i) {
        const TGElement& e = LElements.FArray[i];
        switch (e.TE) {
        case eMtr:
        case eMtr3D:
            if (stacks.PushMatrix()) ApplyMatrix(e, e.TE == eMtr);
            break;
        case eDeleteMtr:
            stacks.PopMatrix();
            break;
        case ePushState:
            stacks.PushState(e.LoadIdentity);
            break;
        case ePopState:
            stacks.PopState();
            break;
        case eBegin:
            stacks.Begin(e.Tcode);
            break;
        case eEnd:
            stacks.End();
            break;
        default:
            DrawElement(e);
            break;
        }
    }
}

void TGImage::DrawElement(const TGElement& e)
{
    switch (e.TE) {
    case eLineWidth:
        glLineWidth(static_cast<GLfloat>(e.W));
        break;
    case ePointSize:
        glPointSize(static_cast<GLfloat>(e.W));
        break;
    case eSetStyle:
        giSetStyle(e.St);
        break;
    case eColor:
        glColor3ub(e.cR, e.cG, e.cB);
        break;
    case eColorStyle:
        glColor3ub(e.cR, e.cG, e.cB);
        giSetStyle(e.St);
        break;
    case ePoint:
        glBegin(GL_POINTS);
        glVertex3d(e.x1, e.y1, 0.0);
        glEnd();
        break;
    case ePoint3D:
        glBegin(GL_POINTS);
        glVertex3d(e.vX, e.vY, e.vZ);
        glEnd();
        break;
    case eLine:
        giLine(e.x1, e.y1, e.x2, e.y2);
        break;
    case eLine3D:
        giLine3D(e.x1, e.y1, e.z1, e.x2, e.y2, e.z2);
        break;
    case eRectAngle:
        giRectAngle(e.x1, e.y1, e.x2, e.y2);
        break;
    case eCircle:
        giCircle(e.xc, e.yc, e.R);
        break;
    case eArc:
        giArc(e.xc, e.yc, e.R, e.Sa, e.Ea);
        break;
    case eTextOut:
        if (e.S != nullptr) giTextOut(e.xt, e.yt, e.Angle, e.ht, *e.S);
        break;
    case eAxle:
        DrawAxle();
        break;
    case eVertex:
        glVertex3d(e.vX, e.vY, e.vZ);
        break;
    case eVertexPointer:
        glVertexPointer(e.size, e.atype, e.stride, e.data);
        break;
    case eNormalPointer:
        glNormalPointer(e.atype, e.stride, e.data);
        break;
    case eIndexPointer:
        glIndexPointer(e.atype, e.stride, e.data);
        break;
    case eColorPointer:
        glColorPointer(e.size, e.atype, e.stride, e.data);
        break;
    case eEdgeFlagPointer:
        glEdgeFlagPointer(e.stride, e.data);
        break;
    case eEnableClientState:
        glEnableClientState(e.aarray);
        break;
    case eDisableClientState:
        glDisableClientState(e.aarray);
        break;
    case eDrawArrays:
        glDrawArrays(e.mode, e.first, e.count);
        break;
    case eDrawElements:
        glDrawElements(e.md, e.cnt, e.typ, e.Dat);
        break;
    case eEnable:
        glEnable(e.aarray);
        break;
    case eDisable:
        glDisable(e.aarray);
        break;
    case ePolygonMode:
        glPolygonMode(e.face, e.fmode);
        break;
    case eBlendFunc:
        glBlendFunc(e.face, e.fmode);
        break;
    case eSetScreenPlane:
        giSetScreenPlane(e.left, e.right, e.bottom, e.top, e.zNear, e.zFar);
        break;
    default:
        break;
    }
}

void TGImage::DrawAxle()
{
    glColor3ub(255, 0, 0);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(StippleFactor, 0xF2F2);
    glBegin(GL_LINES);
    glVertex3d(0.0, AxleLength, 0.0);
    glVertex3d(0.0, -AxleLength, 0.0);
    glVertex3d(-AxleLength, 0.0, 0.0);
    glVertex3d(AxleLength, 0.0, 0.0);
    glEnd();
    glDisable(GL_LINE_STIPPLE);
}

void TGImage::giLine(const Real& x1, const Real& y1, const Real& x2, const Real& y2)
{
    giLine3D(x1, y1, 0.0, x2, y2, 0.0);
}

void TGImage::giLine3D(const Real& x1, const Real& y1, const Real& z1, const Real& x2, const Real& y2,
                       const Real& z2)
{
    glBegin(GL_LINES);
    glVertex3d(x1, y1, z1);
    glVertex3d(x2, y2, z2);
    glEnd();
}

void TGImage::giRectAngle(const Real& x1, const Real& y1, const Real& x2, const Real& y2)
{
    glBegin(GL_LINE_LOOP);
    glVertex3d(x1, y1, 0.0);
    glVertex3d(x1, y2, 0.0);
    glVertex3d(x2, y2, 0.0);
    glVertex3d(x2, y1, 0.0);
    glEnd();
}

void TGImage::giRectAngleFill(const Real& x1, const Real& y1, const Real& x2, const Real& y2, const Real& z)
{
    glBegin(GL_QUADS);
    glVertex3d(x1, y1, z);
    glVertex3d(x1, y2, z);
    glVertex3d(x2, y2, z);
    glVertex3d(x2, y1, z);
    glEnd();
}

void TGImage::giCircle(const Real& x, const Real& y, const Real& R)
{
    const Integer N = Segments(R, CircleSegmentsPer10);
    if (N < 3) return;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslated(x, y, 0.0);
    glScaled(R, R, R);
    // The loop closes itself: N distinct points make N segments.
    glBegin(GL_LINE_LOOP);
    for (Integer k = 0; k < N; ++k) {
        const Real a = TMathDef::C_2PI * k / N;
        glVertex3d(std::cos(a), std::sin(a), 0.0);
    }
    glEnd();
    glPopMatrix();
}

void TGImage::giArc(const Real& x, const Real& y, const Real& R, const Real& Sa, const Real& Ea)
{
    if (R > MaxArcRadius || !std::isfinite(Sa) || !std::isfinite(Ea)) return;
    const Integer N = Segments(R, ArcSegmentsPer10);
    if (N < 1) return;
    const Real end = Ea < Sa ? Ea + 360.0 : Ea;
    const Real step = (end - Sa) / N;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslated(x, y, 0.0);
    glScaled(R, R, R);
    glBegin(GL_LINE_STRIP);
    for (Integer k = 0; k <= N; ++k) {
        const Real a = (Sa + step * k) * TMathDef::DEGRAD;
        glVertex3d(std::cos(a), std::sin(a), 0.0);
    }
    glEnd();
    glPopMatrix();
}

void TGImage::giMtr(const Real& x, const Real& y, const Real& A, const Real& S)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslated(x, y, 0.0);
    glRotated(A, 0.0, 0.0, 1.0);
    glScaled(S, S, S);
}

void TGImage::giMtr3D(const Real& x, const Real& y, const Real& z, const Real& S)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslated(x, y, z);
    glScaled(S, S, S);
}

void TGImage::giDeleteMtr()
{
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void TGImage::giSetStyle(const TPenStyles& St)
{
    glLineWidth(1.0f);
    glEnable(GL_LINE_STIPPLE);
    if (St < psSolid || St > psClear) return;
    const TStyleLook& look = StyleLooks[St - psSolid];
    if (look.stipple)
        glLineStipple(StippleFactor, look.pattern);
    else
        glDisable(GL_LINE_STIPPLE);
    glColor3ub(look.r, look.g, look.b);
}

void TGImage::giTextOut(const Real& x, const Real& y, const Real& Angle, const Real& H, const TString& S)
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslated(x, y, 0.0);
    glRotated(Angle, 0.0, 0.0, 1.0);
    glScaled(TextNarrowing * H, H, H);
    glListBase(static_cast<GLuint>(Font.ListBase));
    glBitmap(0, 0, 0.0f, 0.0f, 0.0f, 0.0f, nullptr);
    glCallLists(S.Length(), GL_UNSIGNED_BYTE, S.PChar());
    glPopMatrix();
}

void TGImage::giPushState(const Boolean& iLoadIdentity)
{
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    if (iLoadIdentity) glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    if (iLoadIdentity) glLoadIdentity();
}

void TGImage::giPopState()
{
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
}

void TGImage::giSetScreenPlane(Real left, Real right, Real bottom, Real top, Real zNear, Real zFar)
{
    glMatrixMode(GL_MODELVIEW);
    glOrtho(left, right, bottom, top, zNear, zFar);
}

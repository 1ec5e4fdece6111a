// The image's 3D mode, the gradient background and the mouse handlers that rotate, scale and
// move the view through the current context's model-view matrix.
#include "GImage.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr GLfloat MaterialDiffuse[] = {0.5f, 0.5f, 0.5f, 1.0f};
constexpr GLfloat MaterialSpecular[] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat MaterialShininess = 25.0f;
constexpr Real DepthRange = 10.0;       // the 3D view's depth runs over -10 k .. 10 k
constexpr Real BackgroundDepth = -0.99; // just in front of the far plane

enum class TQuery { CommandSwitch, Pick, Drag };

// The host's answer; no keys object, or a host that throws, answers no.
bool Ask(const tvapi::IPressedKeysPtr& Keys, TQuery q)
{
    if (!Keys) return false;
    try {
        switch (q) {
        case TQuery::CommandSwitch:
            return Keys->IsCommandSwitch();
        case TQuery::Pick:
            return Keys->IsPick();
        case TQuery::Drag:
            return Keys->IsDrag();
        }
    } catch (...) {
    }
    return false;
}

void ColorOf(const TColor& c)
{
    glColor4ub(c.Red(), c.Green(), c.Blue(), c.Alpha());
}

} // namespace

void TGImage::Begin3D(const Real& k)
{
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    glGetIntegerv(GL_VIEWPORT, prViewPort);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-k, k, -k, k, -DepthRange * k, DepthRange * k);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glMaterialfv(GL_FRONT, GL_DIFFUSE, MaterialDiffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, MaterialSpecular);
    glMaterialf(GL_FRONT, GL_SHININESS, MaterialShininess);
    glEnable(GL_LIGHTING);
    glColorMaterial(GL_FRONT, GL_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
}

void TGImage::End3D()
{
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_LIGHTING);
    glViewport(prViewPort[0], prViewPort[1], prViewPort[2], prViewPort[3]);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glDisable(GL_DEPTH_TEST);
    glShadeModel(GL_FLAT);
}

void TGImage::GradientBk(const TColor& upColor, const TColor& downColor)
{
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glPushAttrib(GL_POLYGON_BIT | GL_LIGHTING_BIT | GL_DEPTH_BUFFER_BIT | GL_CURRENT_BIT);
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    glDisable(GL_LIGHTING);
    glShadeModel(GL_SMOOTH);
    glDisable(GL_CULL_FACE);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glPolygonMode(GL_FRONT, GL_FILL);
    glBegin(GL_QUADS);
    ColorOf(downColor);
    glVertex3d(0.0, 0.0, BackgroundDepth);
    glVertex3d(1.0, 0.0, BackgroundDepth);
    ColorOf(upColor);
    glVertex3d(1.0, 1.0, BackgroundDepth);
    glVertex3d(0.0, 1.0, BackgroundDepth);
    glEnd();
    glPopAttrib();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void TGImage::SetDXYScale(const Real& dX, const Real& dY, const Real& Sc)
{
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(mtrMatrix.V);
    glTranslated(dX, dY, 0.0);
    glScaled(Sc, Sc, Sc);
    ReadModelView();
}

// ---- Mouse view control -----------------------------------------------------------------

void TGImage::ReadMatrices()
{
    glGetIntegerv(GL_VIEWPORT, Viewport);
    glGetDoublev(GL_PROJECTION_MATRIX, viewMatrix.V);
    ReadModelView();
}

void TGImage::ReadModelView()
{
    glGetDoublev(GL_MODELVIEW_MATRIX, mtrMatrix.V);
}

void TGImage::ReadDepth()
{
    // A pointer outside the window reads as the far plane.
    GLfloat depth = 1.0f;
    const bool inside = X >= 0 && Y >= 0 && X < Viewport[0] + Viewport[2] && Y < Viewport[1] + Viewport[3];
    if (inside) glReadPixels(X, Y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    Z = depth;
}

// gluUnProject through mtrMatrix, viewMatrix and Viewport; a singular matrix leaves the result.
void TGImage::UnProject(Real wx, Real wy, Real wz, Real& ox, Real& oy, Real& oz) const
{
    GLdouble x, y, z;
    if (gluUnProject(wx, wy, wz, mtrMatrix.V, viewMatrix.V, Viewport, &x, &y, &z) == GL_TRUE)
        ox = x, oy = y, oz = z;
}

Real TGImage::DepthShift() const
{
    return std::fabs(sZ - cZ) < ScaleDepthLimit ? -(sZ - cZ) : 0.0;
}

void TGImage::MouseDown(const tvapi::IPressedKeysPtr& Keys, Integer x, Integer y)
{
    X = x, Y = y;
    if (!CommandWork && Ask(Keys, TQuery::CommandSwitch)) {
        if (Command == cNone || Command == cScale)
            Command = cMove;
        else if (Command == cMove)
            Command = cScale;
        return;
    }
    ReadMatrices();
    FlipY();
    ReadDepth();
    UnProject(X, Y, Z, sX, sY, sZ);
    // A second press while a drag runs goes on with that drag.
    if (CommandWork || Ask(Keys, TQuery::Pick) || !Ask(Keys, TQuery::Drag)) return;
    CommandWork = true;
    glMatrixMode(GL_MODELVIEW);
    cX = X, cY = Y;
    switch (Command) {
    case cMove:
        cZ = sZ;
        glPushMatrix();
        FMovePushed = true;
        break;
    case cRotate:
        cZ = 0.0;
        CommandWork = V3D;
        break;
    default:
        break;
    }
}

void TGImage::MouseMove(const tvapi::IPressedKeysPtr&, Integer x, Integer y)
{
    X = x, Y = y;
    if (!CommandWork || Command == cNone) {
        ReadMatrices();
        FlipY();
        ReadDepth();
        UnProject(X, Y, Z, sX, sY, sZ);
        cX = X, cY = Y;
        return;
    }
    FlipY();
    glMatrixMode(GL_MODELVIEW);
    switch (Command) {
    case cMove:
        MoveDrag();
        break;
    case cScale:
        ScaleDrag();
        break;
    case cRotate:
        RotateDrag();
        break;
    default:
        break;
    }
}

void TGImage::MoveDrag()
{
    if (!FMovePushed) return;
    ReadDepth();
    glPopMatrix();
    glPushMatrix();
    ReadModelView();
    UnProject(X, Y, Z, cX, cY, cZ);
    glTranslated(cX - sX, cY - sY, cZ - sZ);
    ReadModelView();
}

void TGImage::ScaleDrag()
{
    ReadDepth();
    ReadModelView();
    UnProject(cX, cY, Z, sX, sY, sZ);
    // Dragging down by 50 pixels or more would fold the view onto a point or mirror it.
    const Real f = std::max((Y - cY) / ScaleDragPixels + 1.0, MinScaleStep);
    glScaled(f, f, f);
    ReadModelView();
    UnProject(X, Y, Z, cX, cY, cZ);
    if (!V3D) cZ = sZ;
    glTranslated(-(sX - cX), -(sY - cY), DepthShift());
    ReadModelView();
    cX = X, cY = Y;
}

void TGImage::RotateDrag()
{
    ReadModelView();
    UnProject(X, Y, 0.0, rX1, rY1, rZ1);
    UnProject(X + AxisPixels, Y, 0.0, rX2, rY2, rZ2);
    glRotated(Y - cY, rX1 - rX2, rY1 - rY2, rZ1 - rZ2);
    UnProject(X, Y, 0.0, rX1, rY1, rZ1);
    UnProject(X, Y + AxisPixels, 0.0, rX2, rY2, rZ2);
    glRotated(-(X - cX), rX1 - rX2, rY1 - rY2, rZ1 - rZ2);
    cX = X, cY = Y;
    ReadModelView();
}

void TGImage::MouseUp(const tvapi::IPressedKeysPtr&, Integer x, Integer y)
{
    X = x, Y = y;
    if (CommandWork && FMovePushed) {
        FlipY();
        ReadDepth();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        ReadModelView();
        UnProject(X, Y, Z, cX, cY, cZ);
        glTranslated(-(sX - cX), -(sY - cY), DepthShift());
        ReadModelView();
    }
    FMovePushed = false;
    CommandWork = false;
}

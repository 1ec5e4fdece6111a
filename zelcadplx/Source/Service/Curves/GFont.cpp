// The outline font: stream form, measuring, outline cleaning and compiling into display lists.
#include "GFont.h"

#include "KmfData.h"
#include "LineSeg.h"
#include "Messager.h"
#include "SolverInterSect.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace {

// Glyph outlines are tessellated inside a list being compiled: the callbacks only emit.
using TessCallback = void (*)();

void ShowGLError(const char* prefix, GLenum error)
{
    TString text(prefix);
    text.Add(reinterpret_cast<const char*>(gluErrorString(error)));
    Messager.LiftBox(text, TMessager::toAlways);
}

} // namespace

// ---- TCharGlif --------------------------------------------------------------------------

void TCharGlif::TMetrics::toStream(TKmfData& stream) const
{
    stream << gmBlackBoxX << gmBlackBoxY;
    gmptGlyphOrigin.toStream(stream);
    stream << gmCellIncX << gmCellIncY;
}

void TCharGlif::TMetrics::fromStream(TKmfData& stream)
{
    stream >> gmBlackBoxX >> gmBlackBoxY;
    gmptGlyphOrigin.fromStream(stream);
    stream >> gmCellIncX >> gmCellIncY;
}

void TCharGlif::toStream(TKmfData& stream) const
{
    GM.toStream(stream);
    Points.toStream(stream);
    Contours.toStream2(stream);
}

void TCharGlif::fromStream(TKmfData& stream)
{
    GM.fromStream(stream);
    Points.fromStream(stream);
    Contours.fromStream2(stream);
}

TRect2D TCharGlif::GetRect() const
{
    const TPoint2D& o = GM.gmptGlyphOrigin;
    return TRect2D(o.x, o.y, o.x + GM.gmBlackBoxX, o.y + GM.gmBlackBoxY);
}

void TCharGlif::Draw() const
{
    if (ListOGL != 0) glCallList(ListOGL);
}

Integer TCharGlif::ContourStart(Integer c) const
{
    return c < Contours.Count ? Contours[c] : Points.Count;
}

void TCharGlif::Tessellate() const
{
    TGluTesselator t;
    if (t.tess == nullptr) return;
    gluTessProperty(t.tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(t.tess, 0.0, 0.0, 1.0);
    gluTessBeginPolygon(t.tess, &t);
    // Contour starts outside 0..Count or out of order are skipped: a damaged record must not
    // make the tessellator read past the points.
    Integer from = 0;
    for (Integer c = 0; c < Contours.Count; ++c) {
        const Integer first = std::max(Contours[c], from);
        const Integer last = std::min(ContourStart(c + 1), Points.Count);
        if (first >= last) continue;
        gluTessBeginContour(t.tess);
        for (Integer i = first; i < last; ++i) {
            TPoint3D::Point3D& p = Points.FArray[i].Data;
            gluTessVertex(t.tess, &p.x, &p);
        }
        gluTessEndContour(t.tess);
        from = last;
    }
    gluTessEndPolygon(t.tess);
}

void TCharGlif::MakeListOGL(UInteger iListOGL)
{
    const bool outline = Points.Count > 0 && Contours.Count > 0;
    if (!outline && GM.gmCellIncX == 0.0) {
        ListOGL = 0;
        return;
    }
    ListOGL = iListOGL;
    glNewList(ListOGL, GL_COMPILE);
    glScaled(1.0 / UnitsPerHeight, 1.0 / UnitsPerHeight, 1.0 / UnitsPerHeight);
    if (outline) Tessellate();
    const GLenum error = glGetError();
    if (error != GL_NO_ERROR) ShowGLError("Помилка tess: ", error);
    glTranslatef(static_cast<GLfloat>(GM.gmCellIncX), 0.0f, 0.0f);
    glScaled(UnitsPerHeight, UnitsPerHeight, UnitsPerHeight);
    glEndList();
    if (ListOGL != CheckedList) return;
    if (!glIsList(CheckedList)) {
        Messager.LiftBox(TString("Списка нет!"), TMessager::toAlways);
        return;
    }
    // The trial call must leave neither ink nor a moved pen behind.
    glPushAttrib(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_TRANSFORM_BIT);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glCallList(CheckedList);
    glPopMatrix();
    glPopAttrib();
    const GLenum listError = glGetError();
    if (listError != GL_NO_ERROR) ShowGLError("Ошибка списка: ", listError);
}

void TCharGlif::CheckSelfInterSect()
{
    for (Integer i = 0; i + 1 < Points.Count;) {
        if (Points[i].DistanceTo(Points[i + 1]) < MergeDistance)
            Points.Delete(i + 1);
        else
            ++i;
    }
    TInterSector IS;
    IS.Eps.Set(CrossEpsilon, CrossEpsilon);
    IS.eps = CrossEpsilon;
    for (Integer i = 0; i < Points.Count;) {
        const Integer n = Points.Count;
        if (n < 4) break;
        const auto at = [&](Integer k) { return TPoint2D(Points[k % n].x, Points[k % n].y); };
        const TLineSeg a(at(i), at(i + 1));
        const TLineSeg b(at(i + 2), at(i + 3));
        IS.ACrossPoint.Clear();
        if (IS.InterSection(&a, &b) > 0) {
            Points.Delete((i + 2) % n);
            i += 2;
        } else {
            ++i;
        }
    }
}

// ---- TFontGlif --------------------------------------------------------------------------

void TFontGlif::Load(const unsigned char* Data, std::size_t CountData)
{
    if (Data == nullptr || CountData < TKmfData::SizeHeader || CountData > 0x7FFFFFFFu) return;
    TKmfData::TFileHeader head;
    std::copy_n(Data, sizeof head.Head, reinterpret_cast<unsigned char*>(&head.Head));
    if (head.Head != TKmfData::HeadKmf) return;
    TKmfData stream;
    stream.fromMemory(Data, static_cast<int>(CountData));
    fromStream(stream);
    Init = !stream.ErrorReadFromFileToBufer;
}

void TFontGlif::fromStream(TKmfData& stream)
{
    stream >> ListBase;
    for (TCharGlif& g : ACharGlif)
        g.fromStream(stream);
}

void TFontGlif::toStream(TKmfData& stream) const
{
    stream << ListBase;
    for (const TCharGlif& g : ACharGlif)
        g.toStream(stream);
}

void TFontGlif::MakeListOGL()
{
    for (Integer code = 1; code < GlyphCount; ++code)
        ACharGlif[code].MakeListOGL(static_cast<UInteger>(ListBase + code));
}

Real TFontGlif::Len(const TString& Text, Integer Position) const
{
    const Integer n = std::min(Text.Length(), Position);
    Real sum = 0.0;
    for (Integer i = 0; i < n; ++i)
        sum += Glyph(Text[i]).GM.gmCellIncX;
    return n < 1 ? 0.0 : sum / MeasureUnits;
}

Real TFontGlif::Height(const TString& Text, Integer Position) const
{
    const Integer n = std::min(Text.Length(), Position);
    Real top = 0.0;
    for (Integer i = 0; i < n; ++i)
        top = std::max(top, Glyph(Text[i]).GM.gmBlackBoxY);
    return n < 1 ? 0.0 : top / MeasureUnits;
}

// ---- TGluTesselator ---------------------------------------------------------------------

TGluTesselator::TGluTesselator() : tess(gluNewTess())
{
    if (tess == nullptr) return;
    gluTessCallback(tess, GLU_TESS_BEGIN, reinterpret_cast<TessCallback>(glBegin));
    gluTessCallback(tess, GLU_TESS_VERTEX, reinterpret_cast<TessCallback>(VertexOut));
    gluTessCallback(tess, GLU_TESS_END, reinterpret_cast<TessCallback>(glEnd));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<TessCallback>(Combine));
}

TGluTesselator::~TGluTesselator()
{
    if (tess != nullptr) gluDeleteTess(tess);
}

void TGluTesselator::VertexOut(void* v)
{
    if (v != nullptr) glVertex3dv(static_cast<const GLdouble*>(v));
}

void TGluTesselator::Combine(const double coords[3], void* [4], const float[4], void** out, void* self)
{
    auto* t = static_cast<TGluTesselator*>(self);
    t->FMade.push_back({coords[0], coords[1], coords[2]});
    *out = &t->FMade.back();
}

#pragma once
// The outline font of the OpenGL texts: 256 glyphs, one per 8-bit Windows-1251 code, each a
// set of closed outlines filled by the GLU tessellator into one display list. Glyph units:
// 90 make the nominal text height; calling a glyph's list draws it at 1/90 of the current
// scale and moves the pen by its advance.

#include "Mathemat3d.h"
#include "TArray.h"

#include <cstddef>
#include <deque>

class TKmfData;
struct GLUtesselator;

// The built-in font: a complete byte stream (header, then the font's stream form), generated
// at build time from the glyph outlines of a TrueType font.
extern const unsigned char FontGlifData[];
extern const std::size_t FontGlifDataSize;

// One glyph. The base array is not used; the outline is Points split by Contours.
class TCharGlif : public TArrayOf<TPoint2D> {
public:
    static constexpr Real UnitsPerHeight = 90.0; // glyph units of the nominal text height
    static constexpr Real MergeDistance = 1.0;   // outline points closer than this are merged
    static constexpr Real CrossEpsilon = TMathDef::metricEpsilon; // tolerance of the outline crossing test
    static constexpr UInteger CheckedList = 2230;                 // the list verified right after compiling

    // Glyph metrics in glyph units.
    struct TMetrics {
        Real gmBlackBoxX = 0.0;   // ink width
        Real gmBlackBoxY = 0.0;   // ink height
        TPoint2D gmptGlyphOrigin; // upper-left corner of the ink box, relative to the pen
        Real gmCellIncX = 0.0;    // pen advance
        Real gmCellIncY = 0.0;

        void toStream(TKmfData& stream) const;
        void fromStream(TKmfData& stream);
    };

    UInteger ListOGL = 0; // display list of the glyph, 0 = none
    TMetrics GM;
    // All outline points, contour after contour, z = 0. (Sizes and steps are given in
    // parentheses: braces would make a list of two values.)
    TArrayOf<TPoint3D> Points = TArrayOf<TPoint3D>(64, 64);
    // The index in Points of each contour's first point, ascending.
    TArrayOf<int> Contours = TArrayOf<int>(12, 12);

    TCharGlif() : TArrayOf<TPoint2D>(0, 64) {}
    TCharGlif(const TCharGlif&) = delete;
    TCharGlif& operator=(const TCharGlif&) = delete;
    ~TCharGlif() override = default;

    // Metrics, then the points and the contour starts in their array forms.
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);

    // Compiles the glyph into list iListOGL (needs a current OpenGL context). A glyph with
    // neither outline nor advance gets no list (ListOGL 0); one with an advance only gets a list
    // that moves the pen. Tessellation errors are shown and leave the list number set.
    void MakeListOGL(UInteger iListOGL);
    // Calls the glyph's list when it has one.
    void Draw() const;
    // From gmptGlyphOrigin to gmptGlyphOrigin + (gmBlackBoxX, gmBlackBoxY).
    TRect2D GetRect() const;
    // Cleans the outline taken as one closed ring: merges points closer than MergeDistance,
    // then removes the point after each pair of segments i, i+1 and i+2, i+3 that cross.
    void CheckSelfInterSect();

private:
    void Tessellate() const;
    // The first point index of contour c, or the point count past the last contour.
    Integer ContourStart(Integer c) const;
};

class TFontGlif {
public:
    static constexpr Integer DefaultListBase = 2000;
    static constexpr Integer GlyphCount = 256;
    static constexpr Real MeasureUnits = 100.0; // glyph units per unit of Len and Height

    Integer ListBase = DefaultListBase; // display list of code 0; code c uses ListBase + c
    Boolean Init = false;               // loaded (and, by the image, compiled)
    TCharGlif ACharGlif[GlyphCount];    // by unsigned character code

    TFontGlif() = default;
    TFontGlif(const TFontGlif&) = delete;
    TFontGlif& operator=(const TFontGlif&) = delete;

    // Reads the font from a byte-stream block (header first). A null block, one without the
    // stream header, or one that ends early changes nothing and leaves Init false.
    void Load(const unsigned char* Data, std::size_t CountData);
    void fromStream(TKmfData& stream);
    void toStream(TKmfData& stream) const;
    // Compiles codes 1..255 into ListBase + code; code 0 gets no list.
    void MakeListOGL();
    // Sum of the advances of the first min(length, Position) characters / 100; 0 below one.
    Real Len(const TString& Text, Integer Position) const;
    // Largest ink height of those characters / 100; 0 below one.
    Real Height(const TString& Text, Integer Position) const;
    void drStr(const TString&) const {}

    const TCharGlif& Glyph(TChar c) const { return ACharGlif[static_cast<Byte>(c)]; }
};

// A GLU tessellator that draws what it makes with glBegin, glVertex3dv and glEnd. Vertices
// made where outlines cross are kept until the tessellator goes.
class TGluTesselator {
public:
    GLUtesselator* tess = nullptr;

    TGluTesselator();
    ~TGluTesselator();
    TGluTesselator(const TGluTesselator&) = delete;
    TGluTesselator& operator=(const TGluTesselator&) = delete;

    static void VertexOut(void* v);

private:
    std::deque<TPoint3D::Point3D> FMade;
    static void Combine(const double coords[3], void* data[4], const float weight[4], void** out, void* self);
};

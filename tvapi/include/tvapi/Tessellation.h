#pragma once
// The external tessellation manager of a 3D document: the triangle meshes, line sets and
// text labels a library draws over the model view. The manager makes the objects and deletes
// them by id; each object carries an id of its own (never 0, never given twice in a
// session of the document) that the host reports when the user picks it.

#include <string>
#include <vector>

#include "tvapi/Base.h"
#include "tvapi/DrawingTexts.h"
#include "tvapi/TervanAPIObject.h"

namespace tvapi {

// Triangles and line segments drawn by the host. Points are x, y, z in turn; indices count
// points; colours are 0x00BBGGRR.
class IExternalTessellationObject : public ITervanAPIObject {
public:
    static constexpr char IID[] = "0F6A7D2E-41B8-4C5D-8E3F-92A1B7C4D605";
    using Parent = ITervanAPIObject;

    virtual int GetId() = 0;
    virtual void SetVisible(bool visible) = 0;
    // Triangles: three point indices each; normals one per point; colours one per point or none.
    virtual void SetTriangles(const std::vector<float>& points, const std::vector<int>& indices,
                              const std::vector<float>& normals, const std::vector<unsigned>& colors) = 0;
    // Line runs: a count n, then n point indices, run after run.
    virtual void SetLines(const std::vector<float>& points, const std::vector<int>& indices,
                          const std::vector<unsigned>& colors) = 0;
    virtual void SetLineAttributes(const std::vector<int>& attributes) = 0;
    // The face colour and its light factors (negative: the host's default).
    virtual void SetMaterial(int color, double ambient, double diffuse, double specularity, double shininess,
                             double transparency, double emission) = 0;
    // How the faces are lit: mode and its option.
    virtual void SetLighting(int mode, int option) = 0;
    // The placement: 16 reals, a 4 x 4 matrix row by row, translation in the last row.
    virtual void SetMatrix(const std::vector<double>& matrix) = 0;
    // Kept at screen size when the view zooms: the faces, the lines, the line width.
    virtual void SetNonScalableFaces(bool on) = 0;
    virtual void SetNonScalableLines(bool on) = 0;
    virtual void SetNonScalableWidth(bool on) = 0;
    // Drawn over the model rather than hidden by it.
    virtual void SetDisableDepthTest(bool on) = 0;
    virtual void SetNonPickable(bool on) = 0;
    // Asks the view to draw the object again; false when it is hidden or deleted.
    virtual bool Refresh() = 0;

protected:
    ~IExternalTessellationObject() = default;
};

using IExternalTessellationObjectPtr = Ptr<IExternalTessellationObject>;

// A text label drawn by the host at a point of the model.
class IExternalTextObject : public ITervanAPIObject {
public:
    static constexpr char IID[] = "C3E81B94-5A2F-4D07-B6E9-1F74A0D25C38";
    using Parent = ITervanAPIObject;

    virtual int GetId() = 0;
    virtual void SetVisible(bool visible) = 0;
    // Lines of text at position (x, y, z); an empty font list takes the host's font.
    virtual void SetText(const std::vector<std::wstring>& lines, const std::vector<double>& position,
                         const std::vector<ITextFontPtr>& fonts, int mode) = 0;
    virtual void SetHorizontalAlignment(int alignment) = 0;
    virtual void SetVerticalAlignment(int alignment) = 0;
    virtual void SetFrameStyle(int style) = 0;

protected:
    ~IExternalTextObject() = default;
};

using IExternalTextObjectPtr = Ptr<IExternalTextObject>;

class IExternalTessellationManager : public IAPIObject {
public:
    static constexpr char IID[] = "EE57B660-BA4D-42CD-B623-C64BD5461D59";
    using Parent = IAPIObject;

    // A new, visible, empty object; empty when the host cannot make one.
    virtual IExternalTessellationObjectPtr CreateTessellationObject() = 0;
    virtual IExternalTextObjectPtr CreateTextObject() = 0;
    // Takes the objects with these ids out of the view; unknown ids are passed over.
    virtual bool DeleteObjects(const std::vector<int>& ids) = 0;

protected:
    ~IExternalTessellationManager() = default;
};

using IExternalTessellationManagerPtr = Ptr<IExternalTessellationManager>;

} // namespace tvapi

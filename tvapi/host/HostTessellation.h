#pragma once
// The external tessellation objects of a stand-in 3D document: meshes, line sets and text
// labels a library shows over the model view, kept with everything they were last given.
// TTessellationStore is the manager's state inside the document: it numbers the objects
// 1, 2, 3 ... (an id is never 0 and never given twice) and keeps those not yet deleted.

#include <map>
#include <string>
#include <vector>

#include "HostObject.h"
#include "tvapi/Tessellation.h"

namespace tvhost {

// The face colour and light factors of a tessellation object, as last set.
struct TTessellationMaterial {
    int Color = 0;
    double Ambient = -1.0;
    double Diffuse = -1.0;
    double Specularity = -1.0;
    double Shininess = -1.0;
    double Transparency = -1.0;
    double Emission = -1.0;
};

// What an object shows and how; shared by both kinds of object.
struct TExternalObjectState {
    int ObjectId = 0;
    bool Visible = true;
    bool Deleted = false; // taken out of the view by the manager
};

class THostTessellationObject final : public THostObjectOf<tvapi::IExternalTessellationObject> {
public:
    explicit THostTessellationObject(int id) noexcept { State.ObjectId = id; }

    // Journaled as "IExternalTessellationObject::<operation>"; lists by their lengths.
    int GetId() override;
    tvapi::TervanAPIObjectTypeEnum GetTervanAPIObjectType() override;
    void SetVisible(bool visible) override;
    void SetTriangles(const std::vector<float>& points, const std::vector<int>& indices,
                      const std::vector<float>& normals, const std::vector<unsigned>& colors) override;
    void SetLines(const std::vector<float>& points, const std::vector<int>& indices,
                  const std::vector<unsigned>& colors) override;
    void SetLineAttributes(const std::vector<int>& attributes) override;
    void SetMaterial(int color, double ambient, double diffuse, double specularity, double shininess,
                     double transparency, double emission) override;
    void SetLighting(int mode, int option) override;
    void SetMatrix(const std::vector<double>& matrix) override;
    void SetNonScalableFaces(bool on) override;
    void SetNonScalableLines(bool on) override;
    void SetNonScalableWidth(bool on) override;
    void SetDisableDepthTest(bool on) override;
    void SetNonPickable(bool on) override;
    bool Refresh() override;

    // Test side, not journaled.
    TExternalObjectState State;
    std::vector<float> Points, Normals, LinePoints;
    std::vector<int> Triangles, Lines, LineAttributes;
    std::vector<unsigned> Colors, LineColors;
    TTessellationMaterial Material;
    int LightingMode = 0, LightingOption = 0;
    std::vector<double> Matrix; // empty: the identity
    int Refreshes = 0;
    bool NonScalableFaces = false, NonScalableLines = false, NonScalableWidth = false;
    bool DisableDepthTest = false, NonPickable = false;
};

class THostTextObject final : public THostObjectOf<tvapi::IExternalTextObject> {
public:
    explicit THostTextObject(int id) noexcept { State.ObjectId = id; }

    // Journaled as "IExternalTextObject::<operation>", texts as UTF-8.
    int GetId() override;
    void SetVisible(bool visible) override;
    void SetText(const std::vector<std::wstring>& lines, const std::vector<double>& position,
                 const std::vector<tvapi::ITextFontPtr>& fonts, int mode) override;
    void SetHorizontalAlignment(int alignment) override;
    void SetVerticalAlignment(int alignment) override;
    void SetFrameStyle(int style) override;

    // Test side, not journaled.
    TExternalObjectState State;
    std::vector<std::wstring> Lines;
    std::vector<double> Position;
    std::size_t Fonts = 0;
    int Mode = 0, HorizontalAlignment = 0, VerticalAlignment = 0, FrameStyle = 0;
};

class TTessellationStore {
public:
    // Journaled as "IExternalTessellationManager::<operation>" by the document.
    tvapi::IExternalTessellationObjectPtr CreateTessellationObject();
    tvapi::IExternalTextObjectPtr CreateTextObject();
    bool DeleteObjects(const std::vector<int>& ids);

    // Test side: the objects not deleted, by id; null for an id not shown.
    std::size_t Count() const noexcept { return FObjects.size(); }
    THostTessellationObject* Mesh(int id) const;
    THostTextObject* Text(int id) const;
    // The id given last; 0 before the first.
    int LastId() const noexcept { return FNextId - 1; }
    void Clear() noexcept { FObjects.clear(); }

private:
    struct TEntry {
        tvapi::Ptr<THostTessellationObject> Mesh;
        tvapi::Ptr<THostTextObject> Text;
    };

    int FNextId = 1;
    std::map<int, TEntry> FObjects;
};

} // namespace tvhost

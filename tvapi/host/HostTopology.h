#pragma once
// Bodies of the stand-in host and their topology. A body holds a kernel shape; its faces,
// edges and vertices, and their curves and surfaces, are host objects made on first request
// and kept by the body: the same kernel entity always gives the same object, however it is
// reached (a body's lists, a face's edges, an edge's vertices). A closed edge reports no
// vertices; a seam edge is listed once in its face. Objects handed out outlive their body
// with their geometry but list nothing of it any more, and a face no longer names it.

#include <memory>

#include "HostKernel.h"
#include "HostModelObject.h"
#include "tvapi/Part.h"

namespace tvhost {

class TTopology;

struct TColor {
    int Color = 0x909090;
    tvapi::tvUseColorEnum Use = tvapi::useColorOwner;
    double Ambient = 0.5;
    double Diffuse = 0.6;
    double Specularity = 0.8;
    double Shininess = 0.8;
    double Transparency = 1.0;
    double Emission = 0.5;
};

// Journaled as "IColorParam::<operation>"; the rest as model object and feature. Listed
// objects: o3d_face, o3d_edge, o3d_vertex.
class THostBody final : public THostFeatureOf<tvapi::IBody, tvapi::IColorParam> {
public:
    explicit THostBody(TShape shape);
    ~THostBody() override;

    // Journaled as "IBody::GetGabarit": the exact box of the shape, without tolerances.
    void GetGabarit(double& minX, double& minY, double& minZ, double& maxX, double& maxY,
                    double& maxZ) override;
    // Journaled as "IBody::GetVolume".
    double GetVolume() override;
    // Journaled as "IBody::GetSolidCount".
    int GetSolidCount() override;

    void SetUseColor(tvapi::tvUseColorEnum use) override;
    void SetColor(int color) override;
    int GetColor() override;
    void SetAmbient(double value) override;
    void SetDiffuse(double value) override;
    void SetSpecularity(double value) override;
    void SetShininess(double value) override;
    void SetTransparency(double value) override;
    void SetEmission(double value) override;
    void SetAdvancedColor(int color, double ambient, double diffuse, double specularity, double shininess,
                          double transparency, double emission) override;

    // Test side, not journaled.
    const TShape& Shape() const noexcept { return FShape; }
    // Its faces, edges or vertices (o3d_face, o3d_edge, o3d_vertex) in the kernel's order.
    std::vector<tvapi::IModelObjectPtr> Entities(tvapi::tvObj3dTypeEnum kind) const;
    double Volume() const;
    TColor& Color() noexcept { return FColor; }

protected:
    std::vector<tvapi::IModelObjectPtr> ObjectsOf(tvapi::tvObj3dTypeEnum kind) override;
    // Back to the default colour.
    bool ResetDisplay() override;

private:
    TShape FShape;
    std::shared_ptr<TTopology> FTopology;
    TColor FColor;
};

using THostBodyPtr = tvapi::Ptr<THostBody>;

// The kernel face behind a stand-in face; null for anything else.
TShape FaceShapeOf(const tvapi::IModelObjectPtr& face);

// The edges, faces or vertices of a shape that is no solid (a lone edge for tests), as a
// body would list them.
THostBodyPtr MakeBody(TShape shape);

// The name of a body, face, edge or vertex, and giving it one, not journaled; other objects
// have none and take none.
std::wstring EntityName(const tvapi::IModelObject* entity);
void SetEntityName(tvapi::IModelObject* entity, const std::wstring& name);
// `to` (a moved copy of `from`: the same entities in the same order) takes the names of
// `from` and of its faces, edges and vertices.
void CopyEntityNames(const THostBody& from, THostBody& to);

// The kernel edge behind a stand-in edge, where its body is; null for any other object.
TShape EdgeShape(const tvapi::IModelObject* object);
// The kernel entity behind a face, edge or vertex object of a body; null for any other object.
TShape ShapeOfEntity(const tvapi::IAPIObject* entity);

} // namespace tvhost

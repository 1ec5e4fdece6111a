// The sample assembly of the dimension chains: a base plate 12.5 thick (its dimension 12.5
// ±0.1), a bushing 17.5 high standing on it, moved off the origin (17.5 +0.05/0), and a square
// shaft sketched lying along its own X axis (its length 30 a sketch dimension) and extruded 10
// (the extrusion's dimension), turned upright beside them: its length is the closing dimension
// of the plate and the bushing. The parts are named relative to the assembly, so the four
// files move together. The files written must equal those under samples/.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../tvapi/FeatureTestUtil.h"
#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostKernel.h"
#include "HostMateFile.h"
#include "HostPart.h"
#include "HostSketch.h"
#include "ModelEntities.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingTexts.h"
#include "tvapi/ModelContainer.h"
#include "tvapi/Part.h"
#include "tvapi/Symbols3D.h"
#include "tvapi/Topology.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The planar face of `part` whose points all have coordinate `Axis` (0 x, 1 y, 2 z) equal to At.
tvapi::IModelObjectPtr FaceAt(const tvhost::THostPart& part, int Axis, double At)
{
    for (const tvapi::IModelObjectPtr& face : tvhost::EntitiesOf(part, tvapi::o3d_face)) {
        const auto box = model_entities::BoxOf(face);
        if (model_entities::Near(box[Axis], At) && model_entities::Near(box[Axis + 3], At)) return face;
    }
    return {};
}

// A dimension of `part` between its faces at At1 and At2 along Axis, with its deviations.
void Dimension(tvhost::THostPart& part, int Axis, double At1, double At2, double Hi, double Lo)
{
    const tvapi::ILineDimensions3DPtr dims =
        tvapi::ISymbols3DContainerPtr(tvapi::IPartPtr(&part))->GetLineDimensions3D();
    const tvapi::IBaseLineDimension3DPtr d = dims->Add(tvapi::o3d_lineDimension3D);
    d->SetObject1(FaceAt(part, Axis, At1));
    d->SetObject2(FaceAt(part, Axis, At2));
    tvapi::IModelObjectPtr(d)->Update();
    if (Hi != 0.0 || Lo != 0.0) tvapi::IDimensionTextPtr(d)->SetDeviations(Hi, Lo);
}

void SavePart(tvhost::THostDocuments& documents, const wchar_t* Name, tvhost::TShape Body, int Axis,
              double At1, double At2, double Hi, double Lo, const fs::path& File)
{
    const tvapi::ITervanDocumentPtr doc = documents.AddDocument(tvapi::tvDocumentPart);
    tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
    part.SetNameDirect(Name);
    part.AddBody(std::move(Body));
    Dimension(part, Axis, At1, At2, Hi, Lo);
    ASSERT_TRUE(doc->SaveAs(File.wstring().c_str()));
}

// The shaft as a user draws it: a 30 x 10 outline sketched on XOY about the X axis, its length
// dimensioned as the variable L1, extruded 10 up; the extrusion's depth shown as its dimension.
void SaveShaft(tvhost::THostDocuments& documents, const fs::path& File)
{
    const tvapi::ITervanDocumentPtr doc = documents.AddDocument(tvapi::tvDocumentPart);
    tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
    part.SetNameDirect(L"Вал");
    tvhost::THostSketch& sketch = part.AddSketch(L"");
    sketch.SetPlane(part.GetDefaultObject(tvapi::o3d_planeXOY));
    feature_test::Rect(sketch, 0, -5, 30, 5);
    feature_test::LinearDimension(sketch, 0, -5, 30, -5, tvapi::tvLinDHorizontal, L"L1");

    const tvapi::IPartPtr api(&part);
    const tvapi::IExtrusionPtr extrusion =
        tvapi::IModelContainerPtr(api)->GetExtrusions()->Add(tvapi::o3d_baseExtrusion);
    extrusion->SetProfile({tvapi::IModelObjectPtr(&sketch)});
    extrusion->SetDirection(tvapi::dtNormal);
    extrusion->SetSideParameters(true, tvapi::etBlind, 10, 0, false, {});
    ASSERT_TRUE(tvapi::IModelObjectPtr(extrusion)->Update());
    const tvapi::ISymbols3DContainerPtr symbols(api);
    ASSERT_TRUE(symbols->CreateGenerativeDimensions({tvapi::IModelObjectPtr(extrusion)}, true));
    const tvapi::ILineDimensions3DPtr dims = symbols->GetLineDimensions3D();
    ASSERT_EQ(dims->GetCount(), 2);
    EXPECT_EQ(tvapi::IModelObjectPtr(dims->GetItem(0))->GetObjectType(), tvapi::o3d_OperationLinearDimension);
    EXPECT_EQ(tvapi::IModelObjectPtr(dims->GetItem(1))->GetObjectType(), tvapi::o3d_SketchLinearDimension);
    ASSERT_TRUE(doc->SaveAs(File.wstring().c_str()));
}

void Place(const tvapi::IPartPtr& Component, double x, double y, double z, const tvhost::TXyz& AX,
           const tvhost::TXyz& AY)
{
    const tvapi::IPlacement3DPtr p = Component->GetPlacement();
    p->SetOrigin(x, y, z);
    p->SetAxis(tvapi::o3d_axisOX, AX[0], AX[1], AX[2]);
    p->SetAxis(tvapi::o3d_axisOY, AY[0], AY[1], AY[2]);
    Component->UpdatePlacement(true);
}

} // namespace

TEST_F(HostFixture, SampleChainAssemblyIsSavedWithItsPartsBesideIt)
{
    const fs::path dir = fs::path(DC_BINARY_DIR) / "samples";
    fs::create_directories(dir);
    tvhost::THostDocuments& documents = Host().App().Documents();
    SavePart(documents, L"Плита", tvhost::MakeBox({0, 0, 0}, 100, 60, 12.5), 2, 0, 12.5, 0.1, -0.1,
             dir / "chain-plate.qpt");
    SavePart(documents, L"Втулка", tvhost::MakeCylinder({0, 0, 0}, {0, 0, 1}, 12, 17.5), 2, 0, 17.5, 0.05,
             0.0, dir / "chain-bushing.qpt");
    SaveShaft(documents, dir / "chain-shaft.qpt");

    const fs::path before = fs::current_path();
    fs::current_path(dir); // the parts are named as they lie beside the assembly
    const tvapi::ITervanDocumentPtr unit = documents.AddDocument(tvapi::tvDocumentAssembly);
    const tvapi::IPartsPtr parts = tvhost::HostAs<tvhost::THostDocument3D>(unit)->TopPart().GetParts();
    const tvapi::IPartPtr plate = parts->AddFromFile(L"chain-plate.qpt", true, true);
    const tvapi::IPartPtr bushing = parts->AddFromFile(L"chain-bushing.qpt", true, true);
    const tvapi::IPartPtr shaft = parts->AddFromFile(L"chain-shaft.qpt", true, true);
    fs::current_path(before);
    ASSERT_TRUE(plate && bushing && shaft);
    Place(bushing, 30, 30, 12.5, {1, 0, 0}, {0, 1, 0});
    // The shaft's X axis upright, its end x = 0 on the plate's underside; its Z runs along -X.
    Place(shaft, 85, 30, 0, {0, 0, 1}, {0, 1, 0});
    ASSERT_TRUE(unit->SaveAs((dir / "chain.qas").wstring().c_str()));

    const tvapi::ITervanDocumentPtr reopened = documents.OpenFile((dir / "chain.qas").wstring());
    ASSERT_TRUE(reopened);
    EXPECT_EQ(tvhost::HostAs<tvhost::THostDocument3D>(reopened)->TopPart().GetParts()->GetCount(), 3);

    // Copy the files above over the committed sample when the assembly changes on purpose.
    const fs::path committed = fs::path(DC_SOURCE_DIR) / "samples";
    for (const char* name : {"chain.qas", "chain-plate.qpt", "chain-bushing.qpt", "chain-shaft.qpt"}) {
        ASSERT_TRUE(fs::exists(committed / name)) << name;
        EXPECT_TRUE(Bytes(committed / name) == Bytes(dir / name)) << name;
    }
}

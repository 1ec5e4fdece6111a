// 3D dimensions of a stand-in part: a baseline dimension between two faces of a 10 x 20 x 5
// box measures their distance, keeps its texts, and comes back from the part's file with its
// objects, length and texts; a file with a damaged dimension is refused.

#include "HostDimensions3D.h"

#include <filesystem>

#include <unistd.h>

#include "FeatureTestUtil.h"
#include "HostDocumentFile.h"
#include "HostDocumentSchema.h"
#include "HostDocuments.h"
#include "HostText.h"
#include "ModelEntities.h"
#include "tvapi/Dimensions3D.h"

using namespace tvapi;
using model_entities::Entity;

namespace {

class HostDimensions3DTest : public feature_test::TPartFixture {
protected:
    void SetUp() override
    {
        TPartFixture::SetUp();
        Part().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    }
    IModelObjectPtr Face(double x0, double y0, double z0, double x1, double y1, double z1)
    {
        return Entity(IModelObjectPtr(Part().Bodies().at(0)), o3d_face, {x0, y0, z0, x1, y1, z1});
    }
    ILineDimensions3DPtr Dims() { return ISymbols3DContainerPtr(FPart)->GetLineDimensions3D(); }
    static std::string Text(const ITextPtr& t) { return tvhost::ToUtf8(t ? t->GetStr() : L"?"); }
};

} // namespace

TEST_F(HostDimensions3DTest, BaselineDimensionMeasuresTheDistanceOfItsFaces)
{
    const IModelObjectPtr bottom = Face(0, 0, 0, 10, 20, 0), top = Face(0, 0, 5, 10, 20, 5);
    const IModelObjectPtr left = Face(0, 0, 0, 0, 20, 5), right = Face(10, 0, 0, 10, 20, 5);
    ASSERT_TRUE(bottom && top && left && right);
    EXPECT_FALSE(Dims()->Add(o3d_face)) << "no dimension of another kind";
    const IBaseLineDimension3DPtr dim = Dims()->Add(o3d_baselineDimension3D);
    ASSERT_TRUE(dim);
    EXPECT_EQ(IModelObjectPtr(dim)->GetObjectType(), o3d_baselineDimension3D);
    EXPECT_TRUE(ILineDimension3DPtr(dim)) << "a dimension the assembly chains read";
    dim->SetObject1(bottom);
    dim->SetObject2(top);
    EXPECT_TRUE(IModelObjectPtr(dim)->Update());
    const IDimensionTextPtr text(dim);
    EXPECT_NEAR(text->GetNominalValue(), 5.0, 1e-9);
    EXPECT_EQ(Text(text->GetNominalText()), "5");
    text->SetDeviations(0.1, -0.05);
    EXPECT_EQ(Text(text->GetUpperDeviation()), "+0,1");
    EXPECT_EQ(Text(text->GetLowerDeviation()), "-0,05");
    EXPECT_TRUE(dim->GetObject1() == bottom && dim->GetObject2() == top);

    dim->SetObject2(right); // faces that touch: 0
    EXPECT_TRUE(IModelObjectPtr(dim)->Update());
    EXPECT_EQ(Text(text->GetNominalText()), "0");
    dim->SetObject1(left);
    EXPECT_TRUE(IModelObjectPtr(dim)->Update());
    EXPECT_EQ(Text(text->GetNominalText()), "10");
    dim->SetObject2({});
    EXPECT_FALSE(IModelObjectPtr(dim)->Update()) << "nothing to measure to";
    EXPECT_NEAR(text->GetNominalValue(), 10.0, 1e-9) << "the last length stays";
    EXPECT_EQ(Dims()->GetCount(), 1);
    EXPECT_TRUE(Dims()->GetItem(0) == dim);
    EXPECT_FALSE(Dims()->GetItem(1));
    EXPECT_FALSE(Dims()->GetItem(-1));
}

TEST_F(HostDimensions3DTest, DimensionsComeBackFromThePartFile)
{
    const IBaseLineDimension3DPtr dim = Dims()->Add(o3d_baselineDimension3D);
    dim->SetObject1(Face(0, 0, 0, 10, 20, 0));
    dim->SetObject2(Face(0, 0, 5, 10, 20, 5));
    IModelObjectPtr(dim)->Update();
    IModelObjectPtr(dim)->SetName(L"Размер 1");
    IDimensionTextPtr(dim)->SetDeviations(0.2, -0.1);
    IDimensionTextPtr(dim)->SetTolerance(L"h14");
    dim->SetPlacement(12.5);
    dim->SetHidden(true);
    Dims()->Add(o3d_lineDimension3D); // joins nothing

    const std::filesystem::path file =
        std::filesystem::path(::testing::TempDir()) / ("dims3d-" + std::to_string(::getpid()) + ".qpt");
    ASSERT_TRUE(FDoc->SaveAs(file.wstring().c_str()));
    FPart.Reset();
    FDoc->Close(kdDoNotSaveChanges);
    FDoc = Application()->GetDocuments()->Open(file.wstring().c_str(), false, false);
    std::filesystem::remove(file);
    ASSERT_TRUE(FDoc);
    FPart = IPartPtr(&Part());

    ASSERT_EQ(Dims()->GetCount(), 2);
    const IBaseLineDimension3DPtr back = Dims()->GetItem(0);
    EXPECT_EQ(IModelObjectPtr(back)->GetObjectType(), o3d_baselineDimension3D);
    EXPECT_EQ(IModelObjectPtr(back)->GetName(), L"Размер 1");
    EXPECT_TRUE(back->GetObject1() == Face(0, 0, 0, 10, 20, 0));
    EXPECT_TRUE(back->GetObject2() == Face(0, 0, 5, 10, 20, 5));
    const IDimensionTextPtr text(back);
    EXPECT_NEAR(text->GetNominalValue(), 5.0, 1e-9);
    EXPECT_EQ(Text(text->GetNominalText()), "5");
    EXPECT_EQ(Text(text->GetUpperDeviation()), "+0,2");
    EXPECT_EQ(Text(text->GetLowerDeviation()), "-0,1");
    EXPECT_EQ(text->GetTolerance(), L"h14");
    EXPECT_EQ(back->GetPlacement(), 12.5);
    EXPECT_TRUE(back->GetHidden());
    const IBaseLineDimension3DPtr loose = Dims()->GetItem(1);
    EXPECT_EQ(IModelObjectPtr(loose)->GetObjectType(), o3d_lineDimension3D);
    EXPECT_FALSE(loose->GetObject1() || loose->GetObject2());

    // A damaged dimension is caught before anything is built.
    nlohmann::json root = tvhost::DocumentJson(*dynamic_cast<tvhost::TDocumentCore*>(FDoc.Get()));
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "");
    root["model"]["dimensions3D"][0]["objects"].erase(1);
    EXPECT_NE(tvhost::CheckDocumentJson(root).find("two objects"), std::string::npos);
}

TEST_F(HostDimensions3DTest, GenerativeDimensionsAreShownForTheFeaturesAndSketchesOfThePart)
{
    tvhost::THostSketch& sketch = Sketch();
    feature_test::Rect(sketch, 0, 0, 4, 4);
    const IExtrusionPtr boss = Extrusion(sketch, o3d_bossExtrusion, dtNormal, 3, 0);
    const ISymbols3DContainerPtr symbols(FPart);
    EXPECT_FALSE(symbols->CreateGenerativeDimensions({}, false));
    EXPECT_FALSE(symbols->CreateGenerativeDimensions({IModelObjectPtr(Part().Bodies().at(0))}, false));
    EXPECT_TRUE(
        symbols->CreateGenerativeDimensions({IModelObjectPtr(boss), IModelObjectPtr(&sketch)}, false));
    EXPECT_TRUE(symbols->CreateGenerativeDimensions({IModelObjectPtr(boss)}, true));
    ASSERT_EQ(Part().Generative().size(), 2u) << "each once";
    EXPECT_TRUE(Part().Generative()[0] == IModelObjectPtr(boss));
}

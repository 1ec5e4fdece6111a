// Dimensions the stand-in generates: a sketch's linear dimension that carries a variable, an
// extrusion's depth and a point's coordinates; what their owners, variables and edges say,
// and the sketch's and extrusion's dimensions coming back from the part file.

#include "HostGeneratedDimensions.h"

#include <filesystem>
#include <string>

#include <unistd.h>

#include "FeatureTestUtil.h"
#include "HostDocumentFile.h"
#include "HostDocumentSchema.h"
#include "HostText.h"
#include "tvapi/Dimensions.h"
#include "tvapi/ParametricConstraint.h"
#include "tvapi/Symbols3D.h"
#include "tvapi/Topology.h"
#include "tvapi/UserData.h"

using namespace tvapi;

namespace {

class HostGeneratedDimensionsTest : public feature_test::TPartFixture {
protected:
    ILineDimensions3DPtr Dims() { return ISymbols3DContainerPtr(FPart)->GetLineDimensions3D(); }
    ISymbols3DContainerPtr Symbols() { return ISymbols3DContainerPtr(FPart); }
    static std::string Text(const ITextPtr& t) { return tvhost::ToUtf8(t ? t->GetStr() : L"?"); }
    static std::wstring NameOf(const IVariablePtr& v) { return v ? v->GetName() : L"<none>"; }
    std::wstring TempFile(const char* name)
    {
        return (std::filesystem::path(::testing::TempDir()) /
                (std::string(name) + "-" + std::to_string(::getpid()) + ".qpt"))
            .wstring();
    }
};

} // namespace

TEST_F(HostGeneratedDimensionsTest, SketchDimensionsCarryTheirVariablesIntoTheModel)
{
    tvhost::THostSketch& sketch = Sketch();
    feature_test::Rect(sketch, 0, 0, 40, 20);
    feature_test::LinearDimension(sketch, 0, 0, 40, 20, tvLinDHorizontal, L"II0", 0.1, -0.05);
    feature_test::LinearDimension(sketch, 0, 0, 40, 20, tvLinDVertical, nullptr); // carries no variable
    feature_test::LinearDimension(sketch, 0, 0, 40, 20, tvLinDVertical, L"II1");

    // The sketch lists its variables, as variables and as model objects.
    const IFeaturePtr feature = IModelObjectPtr(&sketch)->GetFeature();
    ASSERT_TRUE(feature);
    const std::vector<IVariablePtr> variables = feature->GetVariables(false, false);
    ASSERT_EQ(variables.size(), 2u);
    EXPECT_EQ(NameOf(variables[0]), L"II0");
    EXPECT_NEAR(variables[0]->GetValue(), 40.0, 1e-9);
    EXPECT_EQ(NameOf(variables[1]), L"II1");
    EXPECT_NEAR(variables[1]->GetValue(), 20.0, 1e-9);
    const std::vector<IModelObjectPtr> objects = feature->GetModelObjects({o3d_variable});
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[1]->GetObjectType(), o3d_variable);
    IVariablePtr(objects[1])->SetExternal(true);
    EXPECT_TRUE(feature->GetVariables(false, false)[1]->GetExternal()) << "kept with its dimension";

    EXPECT_EQ(Dims()->GetCount(), 0) << "nothing until asked";
    EXPECT_TRUE(Symbols()->CreateGenerativeDimensions({IModelObjectPtr(&sketch)}, false));
    EXPECT_TRUE(Symbols()->CreateGenerativeDimensions({IModelObjectPtr(&sketch)}, false));
    ASSERT_EQ(Dims()->GetCount(), 2) << "asking again makes nothing new";
    const IBaseLineDimension3DPtr first = Dims()->GetItem(0);
    EXPECT_EQ(IModelObjectPtr(first)->GetObjectType(), o3d_SketchLinearDimension);
    EXPECT_FALSE(ILineDimension3DPtr(first)) << "no dimension placed by the user";
    const IDimensionTextPtr text(first);
    ASSERT_TRUE(text);
    EXPECT_NEAR(text->GetNominalValue(), 40.0, 1e-9);
    EXPECT_EQ(Text(text->GetUpperDeviation()), "+0,1");
    EXPECT_EQ(Text(text->GetLowerDeviation()), "-0,05");
    const IFeaturePtr owner = IFeaturePtr(first)->GetOwnerFeature();
    ASSERT_TRUE(owner);
    EXPECT_EQ(IModelObjectPtr(owner)->GetObjectType(), o3d_sketch);
    EXPECT_TRUE(IModelObjectPtr(owner) == IModelObjectPtr(&sketch));
    EXPECT_EQ(NameOf(Symbols()->GetDimensionVariable(IDimension3DPtr(first))), L"II0");
    EXPECT_EQ(NameOf(Symbols()->GetDimensionVariable(IDimension3DPtr(Dims()->GetItem(1)))), L"II1");
    EXPECT_FALSE(Symbols()->GetDimensionVariable({}));

    // The sketch's view names the variable of each of its linear dimensions.
    const IViewPtr view(sketch.Document().Drawing().Views().at(0).Get());
    const DrawingObjectList dims = IDrawingContainerPtr(view)->GetObjects(tvDrLDimension);
    ASSERT_EQ(dims.size(), 3u);
    EXPECT_EQ(NameOf(view->GetDimensionVariable(dims[0], true)), L"II0");
    EXPECT_FALSE(view->GetDimensionVariable(dims[1], true));
    EXPECT_FALSE(view->GetDimensionVariable({}, false));
}

TEST_F(HostGeneratedDimensionsTest, AnExtrusionsDepthIsMeasuredBetweenParallelEdges)
{
    tvhost::THostSketch& sketch = Sketch();
    feature_test::Rect(sketch, 0, 0, 10, 5);
    const IExtrusionPtr boss = Extrusion(sketch, o3d_bossExtrusion, dtNormal, 20, 0);
    ASSERT_TRUE(IModelObjectPtr(boss)->Update());
    EXPECT_TRUE(Symbols()->CreateGenerativeDimensions({IModelObjectPtr(boss)}, false));
    ASSERT_EQ(Dims()->GetCount(), 1) << "one side, and not the sketch's dimensions";
    const IBaseLineDimension3DPtr dim = Dims()->GetItem(0);
    EXPECT_EQ(IModelObjectPtr(dim)->GetObjectType(), o3d_OperationLinearDimension);
    EXPECT_NEAR(IDimensionTextPtr(dim)->GetNominalValue(), 20.0, 1e-9);
    const IFeaturePtr owner = IFeaturePtr(dim)->GetOwnerFeature();
    ASSERT_TRUE(owner);
    EXPECT_EQ(IModelObjectPtr(owner)->GetObjectType(), o3d_bossExtrusion);
    const IVariablePtr variable = Symbols()->GetDimensionVariable(IDimension3DPtr(dim));
    EXPECT_EQ(NameOf(variable), L"H1");
    EXPECT_EQ(NameOf(IFeaturePtr(boss)->GetVariable(false, false, L"H1")), L"H1");

    // A start edge, its end edge 20 up and the edge between them.
    const std::vector<IModelObjectPtr> edges = IFeaturePtr(dim)->GetModelObjects({o3d_edge});
    ASSERT_EQ(edges.size(), 3u);
    double p[3][6] = {};
    for (std::size_t i = 0; i < 3; ++i) {
        const IEdgePtr e(edges[i]);
        ASSERT_TRUE(e && e->IsStraight());
        e->GetVertex(false)->GetPoint(p[i][0], p[i][1], p[i][2]);
        e->GetVertex(true)->GetPoint(p[i][3], p[i][4], p[i][5]);
    }
    EXPECT_NEAR(p[0][2], 0.0, 1e-9);
    EXPECT_NEAR(p[0][5], 0.0, 1e-9);
    EXPECT_NEAR(p[1][2], 20.0, 1e-9);
    EXPECT_NEAR(p[1][5], 20.0, 1e-9);
    EXPECT_NEAR(std::abs(p[2][5] - p[2][2]), 20.0, 1e-9);
    EXPECT_TRUE(IFeaturePtr(dim)->GetModelObjects({o3d_face}).empty());

    // With its sketch's dimensions too.
    feature_test::LinearDimension(sketch, 0, 0, 10, 5, tvLinDHorizontal, L"II5");
    EXPECT_TRUE(Symbols()->CreateGenerativeDimensions({IModelObjectPtr(boss)}, true));
    ASSERT_EQ(Dims()->GetCount(), 2);
    EXPECT_EQ(IModelObjectPtr(Dims()->GetItem(1))->GetObjectType(), o3d_SketchLinearDimension);
}

TEST_F(HostGeneratedDimensionsTest, GeneratedDimensionsComeBackFromThePartFile)
{
    tvhost::THostSketch& sketch = Sketch();
    feature_test::Rect(sketch, 0, 0, 10, 5);
    feature_test::LinearDimension(sketch, 0, 0, 10, 5, tvLinDVertical, L"II3", 0.2, -0.1);
    const IExtrusionPtr boss = Extrusion(sketch, o3d_bossExtrusion, dtReverse, 0, 12);
    ASSERT_TRUE(IModelObjectPtr(boss)->Update());
    ASSERT_TRUE(Symbols()->CreateGenerativeDimensions({IModelObjectPtr(boss)}, true));
    ASSERT_EQ(Dims()->GetCount(), 2);
    const IBaseLineDimension3DPtr depth = Dims()->GetItem(0);
    depth->SetPlacement(7.5);
    depth->SetHidden(true);
    IDimensionTextPtr(depth)->SetTolerance(L"h14");
    Symbols()->GetDimensionVariable(IDimension3DPtr(depth))->SetExpression(L"a+1");
    // A library keeps them in the document's data as a list; the file names them.
    FDoc->GetUserDataStoragesMng()->GetUserDataStorages({})->OpenStorage(L"Kept")->SetObjects(
        L"", L"Dims", {ITervanAPIObjectPtr(Dims()->GetItem(1)), ITervanAPIObjectPtr(depth)}, L"Dims");

    const std::wstring file = TempFile("generated");
    SaveAndReopen(file);
    nlohmann::json root = tvhost::DocumentJson(*dynamic_cast<tvhost::TDocumentCore*>(FDoc.Get()));
    std::filesystem::remove(file);

    ASSERT_EQ(Dims()->GetCount(), 2);
    const IBaseLineDimension3DPtr back = Dims()->GetItem(0);
    EXPECT_EQ(IModelObjectPtr(back)->GetObjectType(), o3d_OperationLinearDimension);
    EXPECT_NEAR(IDimensionTextPtr(back)->GetNominalValue(), 12.0, 1e-9);
    EXPECT_EQ(back->GetPlacement(), 7.5);
    EXPECT_TRUE(back->GetHidden());
    EXPECT_EQ(IDimensionTextPtr(back)->GetTolerance(), L"h14");
    const IVariablePtr variable = Symbols()->GetDimensionVariable(IDimension3DPtr(back));
    EXPECT_EQ(NameOf(variable), L"H1_2") << "the reverse side of the first feature";
    EXPECT_EQ(variable->GetExpression(), L"a+1");
    EXPECT_EQ(IModelObjectPtr(IFeaturePtr(back)->GetOwnerFeature())->GetObjectType(), o3d_bossExtrusion);

    const IBaseLineDimension3DPtr sketchDim = Dims()->GetItem(1);
    EXPECT_EQ(IModelObjectPtr(sketchDim)->GetObjectType(), o3d_SketchLinearDimension);
    EXPECT_NEAR(IDimensionTextPtr(sketchDim)->GetNominalValue(), 5.0, 1e-9);
    EXPECT_EQ(Text(IDimensionTextPtr(sketchDim)->GetUpperDeviation()), "+0,2");
    EXPECT_EQ(NameOf(Symbols()->GetDimensionVariable(IDimension3DPtr(sketchDim))), L"II3");
    EXPECT_TRUE(IModelObjectPtr(IFeaturePtr(sketchDim)->GetOwnerFeature()) ==
                IModelObjectPtr(Part().Sketches().at(0)));
    TervanAPIObjectList kept;
    ASSERT_TRUE(FDoc->GetUserDataStoragesMng()->GetUserDataStorages({})->OpenStorage(L"Kept")->GetObjects(
        L"Dims", kept));
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_TRUE(kept[0] == ITervanAPIObjectPtr(sketchDim));
    EXPECT_TRUE(kept[1] == ITervanAPIObjectPtr(back));

    // A damaged record is caught before anything is built.
    EXPECT_EQ(tvhost::CheckDocumentJson(root), "");
    root["model"]["generated"][0]["owner"] = nlohmann::json::object();
    EXPECT_NE(tvhost::CheckDocumentJson(root).find("one owner"), std::string::npos);
}

TEST_F(HostGeneratedDimensionsTest, APointsCoordinateDimensionsAreDrivenByItsFifthAndSixthVariables)
{
    const IPoint3DPtr point = Part().AuxGeometry().AddPoint();
    point->SetX(7);
    point->SetY(-9);
    point->SetZ(2);
    ASSERT_TRUE(IModelObjectPtr(point)->Update());
    ASSERT_TRUE(Symbols()->CreateGenerativeDimensions({IModelObjectPtr(point)}, false));
    ASSERT_EQ(Dims()->GetCount(), 2);
    const IFeaturePtr feature = IModelObjectPtr(point)->GetFeature();
    ASSERT_TRUE(feature);
    const std::vector<IVariablePtr> variables = feature->GetVariables(false, false);
    ASSERT_EQ(variables.size(), 6u);
    EXPECT_EQ(variables[4]->GetValue(), 7.0);
    EXPECT_EQ(variables[5]->GetValue(), -9.0);
    const std::vector<IFeaturePtr> related = feature->GetSubFeatures(0, true, true);
    ASSERT_EQ(related.size(), 2u);
    const IBaseLineDimension3DPtr x(related[0]), y(related[1]);
    ASSERT_TRUE(x && y);
    EXPECT_EQ(IModelObjectPtr(x)->GetObjectType(), o3d_baselineDimension3D);
    EXPECT_NEAR(IDimensionTextPtr(x)->GetNominalValue(), 7.0, 1e-9);
    EXPECT_NEAR(IDimensionTextPtr(y)->GetNominalValue(), 9.0, 1e-9);
    EXPECT_EQ(NameOf(Symbols()->GetDimensionVariable(IDimension3DPtr(x))), NameOf(variables[4]));
    EXPECT_EQ(NameOf(Symbols()->GetDimensionVariable(IDimension3DPtr(y))), NameOf(variables[5]));
    EXPECT_NE(NameOf(variables[4]), NameOf(variables[5]));
    EXPECT_TRUE(IModelObjectPtr(IFeaturePtr(x)->GetOwnerFeature()) == IModelObjectPtr(point));
    const IDimensionParamsPtr params(x);
    ASSERT_TRUE(params);
    params->SetShelfAngle(90.0);
    params->SetTextShift(-1);
    EXPECT_EQ(params->GetShelfAngle(), 90.0);
    EXPECT_EQ(params->GetTextShift(), -1);
}

// The facade's 3D dimensions against the stand-in: a baseline dimension between two faces of
// the current part measures them and becomes Obj3D and a member of the open 3D macro; without
// a part nothing happens. Generative dimensions are asked of the document's top part.

#include "Dimension3D.h"
#include "FacadeFixture.h"
#include "HostGeneratedDimensions.h"
#include "ModelEntities.h"
#include "TAVariable.h"
#include "TRegistrator.h"
#include "tvapi/Symbols3D.h"

using namespace tvapi;
using drApi::MA;
using model_entities::Entity;

class drModelerAPIDims3DTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
        Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    }
    IModelObjectPtr Face(double x0, double y0, double z0, double x1, double y1, double z1)
    {
        return Entity(IModelObjectPtr(Top().Bodies().at(0)), o3d_face, {x0, y0, z0, x1, y1, z1});
    }
};

TEST_F(drModelerAPIDims3DTest, BaselineDimensionBetweenTwoFacesIsTheLastObject)
{
    const IModelObjectPtr front = Face(0, 0, 0, 10, 0, 5), back = Face(0, 20, 0, 10, 20, 5);
    ASSERT_TRUE(front && back);
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    Journal().Clear();
    MA.drDimL3D(front, back);
    ASSERT_EQ(Top().Dimensions3D().size(), 1u);
    const tvhost::THostModelDimension& dim = *Top().Dimensions3D()[0];
    EXPECT_EQ(Journal().Calls("ILineDimensions3D::Add").at(0).Arguments.at(0), "80");
    EXPECT_TRUE(R().Obj3D == IModelObjectPtr(ILineDimension3DPtr(Top().Dimensions3D()[0])));
    EXPECT_TRUE(dim.Object(1) == front && dim.Object(2) == back);
    EXPECT_EQ(dim.Updates(), 1);
    EXPECT_NEAR(dim.Length(), 20.0, 1e-9);
    EXPECT_EQ(R().AMacroObject3D.Objects().size(), 1u);

    // Not measurable (no second object): made and current all the same.
    MA.drDimL3D(front, {});
    ASSERT_EQ(Top().Dimensions3D().size(), 2u);
    EXPECT_TRUE(R().Obj3D == IModelObjectPtr(ILineDimension3DPtr(Top().Dimensions3D()[1])));
}

TEST_F(drModelerAPIDims3DTest, NoPartOrNoNewDimensionLeavesObj3D)
{
    const IModelObjectPtr face = Face(0, 0, 0, 10, 0, 5);
    R().Obj3D = face;
    InjectFault("ILineDimensions3D::Add");
    MA.drDimL3D(face, face);
    EXPECT_TRUE(R().Obj3D == face);
    R().Part.Reset();
    MA.drDimL3D(face, face);
    EXPECT_TRUE(R().Obj3D == face);
    EXPECT_TRUE(Top().Dimensions3D().empty());
}

TEST_F(drModelerAPIDims3DTest, GenerativeDimensionsGoToTheTopPartOnly)
{
    tvhost::THostSketch& sketch = Top().AddSketch(L"");
    const IModelObjectPtr s(&sketch);
    Journal().Clear();
    MA.drGenerativeDimensions({});
    EXPECT_TRUE(Journal().Entries().empty());
    R().Part.Reset(); // the top part is asked, not the registry's
    MA.drGenerativeDimensions(s);
    const auto calls = Journal().Calls("ISymbols3DContainer::CreateGenerativeDimensions");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Arguments.at(1), "false");
    EXPECT_EQ(Top().Generative().size(), 1u);
    const ITervanDocumentPtr part = R().IDoc;
    R().IDoc = Open(tvDocumentDrawing);
    MA.drGenerativeDimensions(s);
    EXPECT_EQ(Journal().Count("ISymbols3DContainer::CreateGenerativeDimensions"), 1);
}

namespace {

// The recorded point of a detail at P's place, with the formulas of its X and Y.
TDimension3D PointRecord(const IModelObjectPtr& P, double x, double y)
{
    TDimension3D d;
    d.Type = TDimension3D::tdPoint3D;
    d.O.Set(x, y, 0);
    d.Point = P;
    d.Q = "h14";
    d.ExpressionX = "X1";
    d.ExpressionY = "Y1+5";
    return d;
}

} // namespace

TEST_F(drModelerAPIDims3DTest, LayoutMovesAndHidesThePointsCoordinateDimensions)
{
    const IPoint3DPtr point = Top().AuxGeometry().AddPoint();
    point->SetX(10);
    point->SetY(20);
    const IPoint3DPtr bare = Top().AuxGeometry().AddPoint(); // no dimensions, no variables
    MA.drGenerativeDimensions(IModelObjectPtr(point));
    ASSERT_EQ(Top().Generated()->size(), 2u);
    tvhost::THostGeneratedDimension& x = *Top().Generated()->at(0);
    tvhost::THostGeneratedDimension& y = *Top().Generated()->at(1);

    TADimension3D list(Registrator, nullptr, AVariable);
    TDimension3D ignored = PointRecord(IModelObjectPtr(point), 10, 20);
    ignored.Type = TDimension3D::tdLinear;
    list.APoint3D.Add(ignored);
    list.APoint3D.Add(PointRecord({}, 10, 20));
    list.APoint3D.Add(PointRecord(IModelObjectPtr(bare), 0, 0));
    list.APoint3D.Add(PointRecord(IModelObjectPtr(point), 10, 20));
    Journal().Clear();
    drApi::LayoutGeneratedDimensions(list, 100, 200, MA);

    EXPECT_EQ(x.Params().Real("Placement"), 200 - 20 - 30.0);
    EXPECT_EQ(y.Params().Real("Placement"), 100 - 10 - 30.0);
    EXPECT_TRUE(x.Hidden() && y.Hidden());
    EXPECT_EQ(x.Variable()->GetExpression(), L"X1");
    EXPECT_EQ(y.Variable()->GetExpression(), L"Y1+5");
    EXPECT_EQ(x.Params().Text("Tolerance"), L"h14");
    EXPECT_TRUE(y.Params().Flag("ToleranceOn"));
    EXPECT_EQ(x.Params().Int("TextBase"), 3);
    EXPECT_EQ(x.Params().Int("TextPos"), 1);
    EXPECT_EQ(x.Params().Real("ShelfLength"), 5.0);
    EXPECT_EQ(x.Params().Real("ShelfAngle"), 90.0);
    EXPECT_EQ(x.Params().Int("TextShift"), -1);
    EXPECT_EQ(x.Updates(), 1);

    // Per dimension: text, switch, the five parameters, hiding, then the update.
    std::vector<std::string> order;
    for (const tvhost::TJournalEntry& e : Journal().Entries())
        if (e.Operation.rfind("IDimensionText::Set", 0) == 0 ||
            e.Operation.rfind("IDimensionParams::", 0) == 0 || e.Operation == "IModelObject::SetHidden" ||
            e.Operation == "IModelObject::Update")
            order.push_back(e.Text());
    const std::vector<std::string> once = {"IDimensionText::SetTolerance(h14)",
                                           "IDimensionText::SetToleranceOn(true)",
                                           "IDimensionParams::SetTextBase(3)",
                                           "IDimensionParams::SetTextPos(1)",
                                           "IDimensionParams::SetShelfLength(5)",
                                           "IDimensionParams::SetShelfAngle(90)",
                                           "IDimensionParams::SetTextShift(-1)",
                                           "IModelObject::SetHidden(true)",
                                           "IModelObject::Update()"};
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(order, twice);
    EXPECT_EQ(Journal().Count("IFeature::GetSubFeatures"), 2u) << "the bare point's feature is asked too";

    // Laid out again through the list the facade lends itself to: the same shift once more.
    ASSERT_EQ(ADimension3D.APoint3D.Count, 0);
    ADimension3D.APoint3D.Add(PointRecord(IModelObjectPtr(point), 10, 20));
    ADimension3D.drDimension(100, 200, &MA);
    EXPECT_EQ(x.Params().Real("Placement"), 2 * (200 - 20 - 30.0));
    ADimension3D.drDimension(100, 200, nullptr);
    const ITervanDocumentPtr part = R().IDoc;
    R().IDoc = Open(tvDocumentDrawing);
    ADimension3D.drDimension(100, 200, &MA);
    EXPECT_EQ(x.Params().Real("Placement"), 2 * (200 - 20 - 30.0)) << "no 3D document: nothing";
    R().IDoc = part;
    // The global list lets the point go before the host ends.
    ADimension3D.APoint3D[ADimension3D.APoint3D.Count - 1] = TDimension3D();
    ADimension3D.APoint3D.Count--;
}

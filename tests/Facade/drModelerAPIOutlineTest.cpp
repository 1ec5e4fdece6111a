// The dimensioned rectangle in a sketch, plain and parametric (construction objects, the
// constrained rectangle and its axes, the bound dimensions, the recorded 3D points), and the
// variables of the part the facade builds, one by one or all the registry holds.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Dimension3D.h"
#include "FacadeFixture.h"
#include "HostAssembly.h"
#include "HostSketch.h"
#include "TAVariable.h"
#include "tvapi/AuxiliaryGeometry.h"
#include "tvapi/DrawingPrimitives.h"

using drApi::MA;
using namespace tvapi;

namespace {

class TModelerApiOutlineTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
        Records = ADimension3D.Count;
        Points = ADimension3D.APoint3D.Count;
    }
    void TearDown() override
    {
        ADimension3D.IsParametric = false;
        R2().OnlySizes2D = false;
        for (TDimension3D& d : ADimension3D.APoint3D)
            d.Point.Reset();
        ADimension3D.APoint3D.Clear();
        ADimension3D.Clear();
        TPartFacadeFixture::TearDown();
    }
    static tvhost::THostSketch& Sketch() { return *tvhost::HostAs<tvhost::THostSketch>(R().Sketch); }
    // The sketch's lines as "x1 y1 x2 y2 style", in drawing order.
    static std::vector<std::string> Lines()
    {
        std::vector<std::string> all;
        for (const IDrawingObjectPtr& o : Sketch().Document().Drawing().ActiveView().Children())
            if (const ILineSegmentPtr l{o})
                all.push_back(Num(l->GetX1()) + " " + Num(l->GetY1()) + " " + Num(l->GetX2()) + " " +
                              Num(l->GetY2()) + " " + std::to_string(l->GetStyle()));
        return all;
    }
    static std::string Num(double v) { return std::to_string(static_cast<int>(v)); }
    static std::vector<std::string> Arguments(const char* op, std::size_t i = 0)
    {
        std::vector<std::string> all;
        for (const tvhost::TJournalEntry& e : Journal().Calls(op))
            all.push_back(e.Arguments.at(i));
        return all;
    }
    static tvhost::TJournal& Journal() { return tvhost::Journal(); }

    Integer Records = 0;
    Integer Points = 0;
};

} // namespace

TEST_F(TModelerApiOutlineTest, PlainOutlineIsTheCompositeRectangleInANewSketch)
{
    MA.drRectAngleAxleDim3D(o3d_planeXOY, 0, 0, 0, 40, 20, 1, "");
    ASSERT_TRUE(R().Sketch);
    EXPECT_EQ(Sketch().PlaneKind(), o3d_planeXOY);
    EXPECT_EQ(Sketch().Angle(), 0.0);
    EXPECT_TRUE(Sketch().Editing()); // left open for the caller
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 6u); // four sides and two axes
    EXPECT_EQ(lines[0].back(), '1');
    EXPECT_EQ(ADimension3D.Count, Records + 4); // the sides' linear records
    EXPECT_EQ(ADimension3D.Gabaryt.Right(), 40.0);
    EXPECT_EQ(ADimension3D.APoint3D.Count, Points);
    EXPECT_TRUE(Top().AuxGeometry().Points().empty());
    EXPECT_TRUE(Top().AuxGeometry().Segments().empty());
    EXPECT_EQ(tvhost::Journal().Count("IParametricConstraint::Create"), 0u);
}

TEST_F(TModelerApiOutlineTest, DegenerateOutlineMakesNothingInEitherForm)
{
    for (const bool parametric : {false, true}) {
        SCOPED_TRACE(parametric);
        ADimension3D.IsParametric = parametric;
        Journal().SetRecording(true);
        Journal().Clear();
        MA.drRectAngleAxleDim3D(o3d_planeXOY, 0, 5, 0, 5, 20, 1, "");
        MA.drRectAngleAxleDim3D(o3d_planeXOY, 0, 0, 7, 40, 7, 1, "");
        EXPECT_TRUE(Journal().Entries().empty());
        EXPECT_FALSE(R().Sketch);
        EXPECT_EQ(ADimension3D.APoint3D.Count, Points);
    }
}

TEST_F(TModelerApiOutlineTest, ParametricOutlineIsConstrainedBoundAndRecorded)
{
    ADimension3D.IsParametric = true;
    Journal().SetRecording(true);
    Journal().Clear();
    MA.drRectAngleAxleDim3D(o3d_planeXOZ, 0, 0, 0, 40, 20, 1, "H");

    // The 3D axes in the macro, styled 3, and the two hidden marker points.
    const IModelObjectPtr macro(IModelContainerPtr(R().Part)->GetMacroObjects3D()->GetItem(0));
    ASSERT_TRUE(macro);
    EXPECT_EQ(U(macro->GetName()), "Управление эскизом");
    const auto& segments = Top().AuxGeometry().Segments();
    ASSERT_EQ(segments.size(), 2u);
    double x = 0, y = 0, z = 0;
    ILineSegment3DPtr(segments[0])->GetPoint(false, x, y, z);
    EXPECT_EQ(x, 40.0); // along X whatever the sketch's plane
    ILineSegment3DPtr(segments[1])->GetPoint(false, x, y, z);
    EXPECT_EQ(y, 20.0);
    EXPECT_EQ(IModelCurve3DPtr(segments[1])->GetStyle(), 3);
    ASSERT_EQ(Top().AuxGeometry().Points().size(), 2u);
    EXPECT_TRUE(IPoint3DPtr(Top().AuxGeometry().Points()[1])->GetHidden());
    EXPECT_EQ(IPoint3DPtr(Top().AuxGeometry().Points()[1])->GetSymbol(), tvAsteriskPoint);

    // The points are recorded with their quality.
    ASSERT_EQ(ADimension3D.APoint3D.Count, Points + 2);
    const TDimension3D& second = ADimension3D.APoint3D[Points + 1];
    EXPECT_EQ(second.Type, TDimension3D::tdPoint3D);
    EXPECT_EQ(second.O.x, 40.0);
    EXPECT_EQ(second.O.y, 20.0);
    EXPECT_EQ(second.Q, TString("h14"));
    EXPECT_TRUE(second.Point == Top().AuxGeometry().Points()[1]);

    // The rectangle and the axes of the sketch, on the sketch's plane.
    EXPECT_EQ(Sketch().PlaneKind(), o3d_planeXOZ);
    const std::vector<std::string> sides = {"0 0 40 0 1", "40 0 40 20 1", "40 20 0 20 1",
                                            "0 20 0 0 1", "-3 0 43 0 3",  "0 -3 0 23 3"};
    EXPECT_EQ(Lines(), sides);
    EXPECT_EQ(Journal().Count("ISketch::AddProjection"), 2u);

    // Ten constraints in their order, then each dimension fixed and bound to a new variable.
    const std::vector<std::string> kinds = {"11", "11", "11", "11", "11", "11", "3",
                                            "4",  "3",  "4",  "14", "13", "14", "13"};
    EXPECT_EQ(Arguments("IParametricConstraint::SetConstraintType"), kinds);
    const std::vector<std::string> points = {"0", "0", "1", "1", "1", "1", "0", "0", "1", "1"};
    EXPECT_EQ(Arguments("IParametricConstraint::SetIndex"), points);
    // The markers lie at z = 0: on XOZ the second one projects to (40, 0), so its corner is
    // not found and its merge has no partner; the first corner and the four joints have one.
    EXPECT_EQ(Journal().Count("IParametricConstraint::SetPartner"), 5u);
    const std::vector<std::string> names = Arguments("IParametricConstraint::SetVariableName");
    ASSERT_EQ(names.size(), 2u);
    ASSERT_EQ(names[0].rfind("II", 0), 0u);
    EXPECT_EQ(std::stoi(names[1].substr(2)), std::stoi(names[0].substr(2)) + 1);
    EXPECT_EQ(Journal().Count("IParametricConstraint::SetExpression"), 0u);
    EXPECT_TRUE(Sketch().Editing());
}

TEST_F(TModelerApiOutlineTest, WithoutASketchTheOutlineEndsAfterTheConstructionObjects)
{
    ADimension3D.IsParametric = true;
    InjectFault("ISketches::Add");
    MA.drRectAngleAxleDim3D(o3d_planeXOY, 0, 0, 0, 40, 20, 1, "");
    EXPECT_FALSE(R().Sketch);
    EXPECT_EQ(Top().AuxGeometry().Segments().size(), 2u); // what the part got stays
    EXPECT_EQ(Top().AuxGeometry().Points().size(), 2u);
    EXPECT_EQ(ADimension3D.APoint3D.Count, Points + 2);
    EXPECT_EQ(tvhost::Journal().Count("IParametricConstraint::Create"), 0u);
    EXPECT_EQ(tvhost::Journal().Count("ISymbols2DContainer::GetLineDimensions"), 0u);
}

TEST_F(TModelerApiOutlineTest, OnlySizesDrawsJustTheBoundDimensions)
{
    ADimension3D.IsParametric = true;
    R2().OnlySizes2D = true;
    R().IDoc2D = Host().App().Documents().AddDocument(tvDocumentFragment, L"sizes.qfr");
    R().View = R().IDoc2D->GetViewsAndLayersManager()->GetViews()->GetActiveView();
    R().DrawingContainer = R().View;
    R().Symbols2DContainer = R().View;
    Journal().SetRecording(true);
    Journal().Clear();
    MA.drRectAngleAxleDim3D(o3d_planeXOY, 0, 40, 0, 0, 20, 1, "");
    EXPECT_FALSE(R().Sketch);
    EXPECT_TRUE(Top().AuxGeometry().Points().empty());
    EXPECT_EQ(Journal().Count("IMacroObjects3D::Add"), 0u);
    EXPECT_EQ(Arguments("IParametricConstraint::SetConstraintType"),
              (std::vector<std::string>{"14", "13", "14", "13"}));
    const auto& drawn =
        tvhost::HostAs<tvhost::THostDocument2D>(R().IDoc2D)->Drawing().ActiveView().Children();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(ILineDimensionPtr(drawn[0]));
}

TEST_F(TModelerApiOutlineTest, ModelVariablesAreAddedOnceAndThenSet)
{
    const IVariablePtr first = MA.drAddVariable("L", 40, "Длина");
    ASSERT_TRUE(first);
    const IVariablePtr again = MA.drAddVariable("L", 45, "ignored");
    EXPECT_TRUE(again == first);
    MA.drSetValue("X", 5);
    const auto& all = Top().Variables();
    ASSERT_EQ(all.size(), 2u);
    const auto& l = *tvhost::HostAs<tvhost::THostVariable>(all[0]);
    const auto& v = *tvhost::HostAs<tvhost::THostVariable>(all[1]);
    EXPECT_EQ(l.Value(), 45.0);
    EXPECT_EQ(U(l.Note()), "Длина");
    EXPECT_EQ(U(v.Name()), "X");
    EXPECT_EQ(v.Value(), 5.0);
    EXPECT_EQ(v.Note(), L"");

    R().IDoc3D.Reset();
    EXPECT_FALSE(MA.drAddVariable("Y", 1, ""));
    EXPECT_EQ(Top().Variables().size(), 2u);
}

TEST_F(TModelerApiOutlineTest, RegisteredVariablesArePublishedAndLinked)
{
    TAVariable registry;
    double width = 12.5;
    registry.AddVar("B", &width, "Ширина");
    registry.AddExp(3.0, "B/4");
    registry.drAddLinkedVariables(&MA, false);
    registry.drAddLinkedVariables(nullptr, true);
    EXPECT_TRUE(Top().Variables().empty());

    width = 14;
    registry.drAddLinkedVariables(&MA, true); // no link document: published only
    ASSERT_EQ(Top().Variables().size(), 2u);
    const auto& b = *tvhost::HostAs<tvhost::THostVariable>(Top().Variables()[0]);
    const auto& formula = *tvhost::HostAs<tvhost::THostVariable>(Top().Variables()[1]);
    EXPECT_EQ(b.Value(), 14.0);
    EXPECT_EQ(U(b.Note()), "Ширина");
    EXPECT_EQ(U(formula.Name()), "B/4");
    EXPECT_EQ(formula.Value(), 3.0);
    EXPECT_TRUE(b.LinkDocument().empty());

    registry.LinkDocName = "base.qas";
    width = 15;
    registry.drAddLinkedVariables(&MA, true);
    EXPECT_EQ(Top().Variables().size(), 2u);
    EXPECT_EQ(b.Value(), 15.0);
    EXPECT_EQ(b.LinkDocument(), L"base.qas");
    EXPECT_EQ(b.LinkVariable(), L"B");
    EXPECT_EQ(formula.LinkVariable(), L"B/4");
}

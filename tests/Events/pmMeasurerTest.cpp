// TpmMeasurer and cmMeasurer: the panel's controls, the pick filter of each kind, and the
// numbers it shows for edges, faces and threads of kernel parts.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HostDocuments.h"
#include "HostMeasure.h"
#include "HostPart.h"
#include "HostScript.h"
#include "ModelEntities.h"
#include "TestPanel.h"
#include "pmMeasurer.h"

namespace {

using model_entities::Entity;
using model_entities::EntityWhere;

// A thread that offers no parameters: the designation cannot be written.
class TBareThread final : public tvhost::THostModelObjectOf<tvapi::IThread> {
public:
    TBareThread() : THostModelObjectOf(tvapi::o3d_thread) {}
    double GetPitch() override { return 1.5; }
    void SetBaseObject(tvapi::IModelObjectPtr) override {}
    tvapi::IModelObjectPtr GetBaseObject() override { return {}; }
    void SetAutoDefinition(bool) override {}
    void SetFullLength(bool) override {}
    void SetLeftHand(bool) override {}
};

class TMeasurerTest : public TPanelFixture {
protected:
    void SetUp() override
    {
        TPanelFixture::SetUp();
        Document = Application()->GetDocuments()->Add(tvapi::tvDocumentPart, true);
        Top = drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentPart);
    }
    void TearDown() override
    {
        Body.Reset();
        Top.Reset();
        Document.Reset();
        drApi::MA.drEndGetPart(false);
        TPanelFixture::TearDown();
    }
    // The part gets a body of `shape`; its entities are found in Body.
    void AddBody(tvhost::TShape shape)
    {
        auto& part = dynamic_cast<tvhost::THostPart&>(*Top.Get());
        Body = tvapi::IModelObjectPtr(part.AddBody(std::move(shape)));
    }
    std::unique_ptr<TpmMeasurer> NewPanel(int kind) { return std::make_unique<TpmMeasurer>(kind); }
    static double Shown(const TpmMeasurer& p) { return HostOf(p.EVal).Real(); }
    static std::wstring Text(const TpmMeasurer& p) { return HostOf(p.EVal).Text(); }
    static bool Pick(TpmMeasurer& p, tvapi::IModelObjectPtr e) { return p.ESelect(e); }
    static bool CanPick(TpmMeasurer& p, tvapi::IModelObjectPtr e) { return p.ECanSelect(e); }

    tvapi::ITervanDocumentPtr Document;
    tvapi::IPartPtr Top;
    tvapi::IModelObjectPtr Body;
};

// The 10 x 20 x 5 box from the origin.
class TMeasurerBoxTest : public TMeasurerTest {
protected:
    void SetUp() override
    {
        TMeasurerTest::SetUp();
        AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
        Bottom = Entity(Body, tvapi::o3d_face, {0, 0, 0, 10, 20, 0});
        TopFace = Entity(Body, tvapi::o3d_face, {0, 0, 5, 10, 20, 5});
        LongEdge = Entity(Body, tvapi::o3d_edge, {0, 0, 0, 0, 20, 0});
        ASSERT_TRUE(Bottom && TopFace && LongEdge);
    }
    void TearDown() override
    {
        Bottom.Reset();
        TopFace.Reset();
        LongEdge.Reset();
        TMeasurerTest::TearDown();
    }
    tvapi::IModelObjectPtr Bottom, TopFace, LongEdge;
};

} // namespace

TEST_F(TMeasurerBoxTest, BuildsItsPanelWithTheFiveKindsAndTheFirstChecked)
{
    auto panel = NewPanel(3);
    EXPECT_EQ(Param(*panel).Caption(), L"Измерить");
    EXPECT_EQ(panel->ProcessHint, TString("Укажите объект"));
    EXPECT_EQ(panel->HelpContext, 38);
    EXPECT_EQ(Param(*panel).ToolBarKind(), pnEnterEscHelp);
    ASSERT_TRUE(panel->RBtyp);
    EXPECT_EQ(HostOf(panel->RBtyp).Caption(), L"Тип измерения");
    const auto& buttons = HostOf(panel->RBtyp).Buttons();
    ASSERT_EQ(buttons.size(), 5u);
    const wchar_t* tips[] = {L"Длина", L"Растояние", L"Диаметер", L"Угол", L"Резьба"};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(buttons[i].Id, i + 1);
        EXPECT_EQ(buttons[i].Image, 8041 + i);
        EXPECT_EQ(buttons[i].Tip, tips[i]);
        EXPECT_EQ(buttons[i].Checked, i == 0);
    }
    ASSERT_TRUE(panel->EVal);
    EXPECT_TRUE(HostOf(panel->EVal).Caption().empty());
    EXPECT_EQ(panel->typMeasurer, 3) << "the kind handed in, whatever the radio shows";
    EXPECT_TRUE(panel->Measurer) << "the part is the measurement container";
    EXPECT_TRUE(panel->IsAdvise);
}

TEST_F(TMeasurerBoxTest, LengthOfTheLongEdgeIsTwenty)
{
    auto panel = NewPanel(TpmMeasurer::tmLength);
    EXPECT_TRUE(CanPick(*panel, LongEdge));
    EXPECT_FALSE(CanPick(*panel, Bottom)) << "a face has no length";
    EXPECT_FALSE(CanPick(*panel, {}));
    EXPECT_FALSE(Pick(*panel, LongEdge)) << "a pick is never taken as the end of the process";
    EXPECT_NEAR(Shown(*panel), 20.0, 1e-9);
    const auto& chosen = dynamic_cast<tvhost::THostDocument3D&>(*Document.Get()).Choose().Chosen();
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_TRUE(chosen[0].first == LongEdge);
}

TEST_F(TMeasurerBoxTest, DistanceBetweenOppositeFacesIsFive)
{
    auto panel = NewPanel(TpmMeasurer::tmDistance);
    const tvapi::IModelObjectPtr vertex = model_entities::All(Body, tvapi::o3d_vertex).at(0);
    EXPECT_TRUE(CanPick(*panel, vertex));
    EXPECT_TRUE(CanPick(*panel, LongEdge));
    EXPECT_TRUE(CanPick(*panel, Bottom));
    Pick(*panel, Bottom);
    EXPECT_EQ(Shown(*panel), 0.0) << "nothing to measure from yet";
    Pick(*panel, TopFace);
    EXPECT_NEAR(Shown(*panel), 5.0, 1e-9);
    EXPECT_TRUE(panel->cSelect2 == Bottom);
    const auto& chosen = dynamic_cast<tvhost::THostDocument3D&>(*Document.Get()).Choose().Chosen();
    EXPECT_EQ(chosen.size(), 2u) << "both picks are shown";
    Pick(*panel, LongEdge);
    EXPECT_NEAR(Shown(*panel), 5.0, 1e-9) << "the edge on the bottom lies 5 below the top";
    EXPECT_EQ(Journal().Count("IDistanceMeasurements::Add"), 1u) << "one measurement, reused";
}

TEST_F(TMeasurerBoxTest, DistanceWithoutMeasurementsKeepsTheResult)
{
    auto panel = NewPanel(TpmMeasurer::tmDistance);
    HostOf(panel->EVal).SetRealValue(7.0);
    InjectFault("IMeasurementContainer::GetDistanceMeasurements");
    Pick(*panel, Bottom);
    EXPECT_EQ(Shown(*panel), 7.0);
    InjectFault("IDistanceMeasurements::Add");
    Pick(*panel, TopFace);
    EXPECT_EQ(Shown(*panel), 7.0) << "no measurement made";
}

TEST_F(TMeasurerBoxTest, EscLeavesABlankAndEnterKeepsTheResult)
{
    auto panel = NewPanel(TpmMeasurer::tmLength);
    Pick(*panel, LongEdge);
    const std::wstring shown = Text(*panel);
    EXPECT_TRUE(panel->ButtonClick(1));
    EXPECT_EQ(Text(*panel), shown);
    EXPECT_FALSE(panel->ButtonClick(5));
    EXPECT_TRUE(panel->ButtonClick(2));
    EXPECT_EQ(Text(*panel), L" ");
}

TEST_F(TMeasurerBoxTest, KindSwitchForgetsTheLatestPickAndUnchoosesAll)
{
    auto panel = NewPanel(TpmMeasurer::tmLength);
    Pick(*panel, LongEdge);
    auto& choose = dynamic_cast<tvhost::THostDocument3D&>(*Document.Get()).Choose();
    ASSERT_FALSE(choose.Chosen().empty());
    EXPECT_TRUE(panel->ControlCommand(tvapi::IPropertyControlPtr(panel->EVal), 4))
        << "any control asks a redraw";
    EXPECT_EQ(panel->typMeasurer, TpmMeasurer::tmLength) << "only the radio sets the kind";
    EXPECT_TRUE(panel->ControlCommand(tvapi::IPropertyControlPtr(panel->RBtyp), 2));
    EXPECT_EQ(panel->typMeasurer, TpmMeasurer::tmDistance);
    EXPECT_FALSE(panel->cSelect);
    EXPECT_TRUE(choose.Chosen().empty());
    EXPECT_FALSE(CanPick(*panel, tvapi::IModelObjectPtr())) << "an empty object is never offered";
}

TEST_F(TMeasurerBoxTest, KindsOutsideOneToFiveAcceptNothing)
{
    auto panel = NewPanel(0);
    EXPECT_FALSE(CanPick(*panel, LongEdge));
    panel->typMeasurer = 6;
    EXPECT_FALSE(CanPick(*panel, Bottom));
    HostOf(panel->EVal).SetRealValue(3.0);
    Pick(*panel, LongEdge);
    EXPECT_EQ(Shown(*panel), 3.0);
}

TEST_F(TMeasurerTest, CylinderOfRadiusFourHasDiameterEight)
{
    AddBody(tvhost::MakeCylinder({0, 0, 0}, {0, 0, 1}, 4, 10));
    const auto isCylinder = [](const tvapi::IModelObjectPtr& e) {
        const tvapi::IFaceShapePtr f(e);
        return f && f->IsCylinder();
    };
    const auto isCircle = [](const tvapi::IModelObjectPtr& e) {
        const tvapi::IEdgePtr edge(e);
        return edge && !edge->IsStraight() && edge->GetCurve3D();
    };
    const tvapi::IModelObjectPtr side = EntityWhere(Body, tvapi::o3d_face, isCylinder);
    const tvapi::IModelObjectPtr circle = EntityWhere(Body, tvapi::o3d_edge, isCircle);
    const tvapi::IModelObjectPtr seam =
        EntityWhere(Body, tvapi::o3d_edge,
                    [](const tvapi::IModelObjectPtr& e) { return tvapi::IEdgePtr(e)->IsStraight(); });
    const tvapi::IModelObjectPtr cap = Entity(Body, tvapi::o3d_face, {-4, -4, 10, 4, 4, 10});
    ASSERT_TRUE(side && circle && seam && cap);
    auto panel = NewPanel(TpmMeasurer::tmDiameter);
    EXPECT_TRUE(CanPick(*panel, side));
    EXPECT_TRUE(CanPick(*panel, circle));
    EXPECT_FALSE(CanPick(*panel, seam)) << "a straight edge has no diameter";
    EXPECT_FALSE(CanPick(*panel, cap)) << "nor has a plane";
    Pick(*panel, side);
    EXPECT_NEAR(Shown(*panel), 8.0, 1e-9);
    HostOf(panel->EVal).SetRealValue(0.0);
    Pick(*panel, circle);
    EXPECT_NEAR(Shown(*panel), 8.0, 1e-9);
    HostOf(panel->EVal).SetRealValue(1.0);
    InjectFault("IMathCurve3DShape::GetCurveType");
    Pick(*panel, circle);
    EXPECT_EQ(Shown(*panel), 1.0) << "a curve that is no arc leaves the result";
}

TEST_F(TMeasurerTest, TwoFacesOfAThirtyDegreeWedgeGiveThirty)
{
    AddBody(tvhost::MakeWedge(30, 10, 4));
    const tvapi::IModelObjectPtr floor = Entity(Body, tvapi::o3d_face, {0, 0, 0, 10, 4, 0});
    const tvapi::IModelObjectPtr slope =
        EntityWhere(Body, tvapi::o3d_face, [](const tvapi::IModelObjectPtr& e) {
            const auto b = model_entities::BoxOf(e);
            return b[2] < 1e-9 && b[5] > 5.7 && b[3] - b[0] > 9.9; // from the floor up to the end
        });
    const tvapi::IModelObjectPtr foot = Entity(Body, tvapi::o3d_edge, {10, 0, 0, 10, 4, 0});
    ASSERT_TRUE(floor && slope && foot);
    auto panel = NewPanel(TpmMeasurer::tmAngle);
    EXPECT_TRUE(CanPick(*panel, floor));
    EXPECT_TRUE(CanPick(*panel, foot));
    EXPECT_FALSE(CanPick(*panel, model_entities::All(Body, tvapi::o3d_vertex).at(0)));
    Pick(*panel, floor);
    EXPECT_EQ(Shown(*panel), 0.0) << "the first pick pairs with nothing";
    Pick(*panel, slope);
    EXPECT_NEAR(Shown(*panel), 30.0, 1e-9);
    EXPECT_TRUE(panel->cSelect2 == floor);
    panel->ControlCommand(tvapi::IPropertyControlPtr(panel->RBtyp), TpmMeasurer::tmAngle);
    HostOf(panel->EVal).SetRealValue(5.0);
    Pick(*panel, floor);
    EXPECT_EQ(Shown(*panel), 0.0) << "after a kind switch the pick pairs with nothing again";
}

TEST_F(TMeasurerTest, ThreadOfEightByOneQuarterIsWrittenAsItsDesignation)
{
    auto panel = NewPanel(TpmMeasurer::tmThread);
    const tvapi::IModelObjectPtr thread(tvhost::New<tvhost::THostThread>(8.0, 1.25));
    EXPECT_TRUE(CanPick(*panel, thread));
    AddBody(tvhost::MakeBox({0, 0, 0}, 1, 1, 1));
    EXPECT_FALSE(CanPick(*panel, model_entities::All(Body, tvapi::o3d_edge).at(0)));
    EXPECT_FALSE(Pick(*panel, thread));
    EXPECT_EQ(Text(*panel), L"M   8.00*   1.25");
    EXPECT_EQ(Text(*panel).size(), 16u);
    const auto& chosen = dynamic_cast<tvhost::THostDocument3D&>(*Document.Get()).Choose().Chosen();
    EXPECT_TRUE(chosen.empty()) << "a thread is not chosen";
    const tvapi::IModelObjectPtr bare(tvhost::New<TBareThread>());
    Pick(*panel, bare);
    EXPECT_EQ(Text(*panel), L"M   8.00*   1.25") << "without parameters the text stays";
    const tvapi::IModelObjectPtr wide(tvhost::New<tvhost::THostThread>(12.0, 1.75));
    Pick(*panel, wide);
    EXPECT_EQ(Text(*panel), L"M  12.00*   1.75");
}

TEST_F(TMeasurerTest, CommandInADrawingGivesNothingAndNoPanel)
{
    Application()->GetDocuments()->Add(tvapi::tvDocumentDrawing, true);
    EXPECT_EQ(cmMeasurer(1), TString(""));
    EXPECT_EQ(Journal().Count("IProcessFactory::CreateProcess3D"), 0u);
}

TEST_F(TMeasurerTest, CommandCancelledReturnsABlank)
{
    tvhost::TScriptAction esc;
    esc.Kind = tvhost::TScriptAction::skButton;
    esc.N = 2;
    tvhost::Script().Push(esc);
    EXPECT_EQ(cmMeasurer(1), TString(" "));
    EXPECT_EQ(Journal().Count("IProcessFactory::CreateProcess3D"), 1u);
    EXPECT_EQ(TBaseManager::CurrentProcessManager, nullptr) << "the panel is gone";
}

// A thread the facade put on a real bore, picked by a script line as a user picks it: the
// panel writes the size and coarse pitch the stand-in took from the face.
TEST_F(TMeasurerTest, ThreadOnARealBoreIsPickedAndWritten)
{
    AddBody(tvhost::MakeCylinder({0, 0, 0}, {0, 0, 1}, 5, 20));
    for (const tvapi::IModelObjectPtr& face : model_entities::All(Body, tvapi::o3d_face))
        if (tvapi::IFaceShapePtr(face)->IsCylinder()) drApi::MA.drThread(face);
    ASSERT_TRUE(drApi::MA.R3->Obj3D) << "the thread is made";
    std::string error;
    ASSERT_TRUE(tvhost::Script().Load("move 1 1\nentity thread 1\nok\n", error)) << error;
    EXPECT_EQ(cmMeasurer(TpmMeasurer::tmThread), TString("M  10.00*   1.50"));
    ASSERT_FALSE(tvhost::Script().Load("entity thread 0\n", error));
}

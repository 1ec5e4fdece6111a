// TpmInsertModel and cmInsertModel: the panel, the mate entities of a model, the mates of
// the process at its start and at each pick, and the component Enter inserts and mates.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "HostArgs.h"
#include "HostDocuments.h"
#include "HostPart.h"
#include "HostScript.h"
#include "HostText.h"
#include "ModelEntities.h"
#include "TestPanel.h"
#include "pmInsertModel.h"

namespace {

using model_entities::Entity;
using model_entities::EntityWhere;

tvhost::THostMate& MateOf(const tvhost::THostMatePtr& m)
{
    return *m.Get();
}

class TInsertModelTest : public TPanelFixture {
protected:
    void SetUp() override
    {
        TPanelFixture::SetUp();
        // The model: a 10 x 20 x 5 box saved as a part file.
        const tvapi::ITervanDocumentPtr part = Host().App().Documents().AddDocument(tvapi::tvDocumentPart);
        tvhost::HostAs<tvhost::THostDocument3D>(part)->TopPart().AddBody(
            tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
        ASSERT_TRUE(part->SaveAs(tvhost::FromUtf8(File).c_str()));
        part->Close(tvapi::kdDoNotSaveChanges);
    }
    void TearDown() override
    {
        Floor.Reset();
        Boss.Reset();
        Corner.Reset();
        Assembly.Reset();
        drApi::MA.drEndGetPart(false);
        std::filesystem::remove(File);
        TPanelFixture::TearDown();
    }
    // An assembly whose top part has a floor slab (top face z = 0) and a boss of radius 3.
    void OpenAssembly()
    {
        Assembly = Host().App().Documents().AddDocument(tvapi::tvDocumentAssembly, L"stand.qas");
        auto& top = tvhost::HostAs<tvhost::THostDocument3D>(Assembly)->TopPart();
        const tvapi::IModelObjectPtr slab(top.AddBody(tvhost::MakeBox({-50, -50, -10}, 100, 100, 10)));
        const tvapi::IModelObjectPtr boss(top.AddBody(tvhost::MakeCylinder({30, 30, 0}, {0, 0, 1}, 3, 8)));
        Floor = Entity(slab, tvapi::o3d_face, {-50, -50, 0, 50, 50, 0});
        Boss = EntityWhere(boss, tvapi::o3d_face, [](const tvapi::IModelObjectPtr& e) {
            const tvapi::IFaceShapePtr f(e);
            return f && f->IsCylinder();
        });
        Corner = model_entities::All(slab, tvapi::o3d_vertex).at(0);
    }
    // The panel as cmInsertModel builds it, with the model as phantom and the run started.
    std::unique_ptr<TpmInsertModel> StartedPanel(tvapi::IPartPtr edit = {})
    {
        drApi::MA.drGetPart(drApi::pNew_Part, tvapi::tvDocumentAssembly);
        auto panel = std::make_unique<TpmInsertModel>(Path, edit);
        EXPECT_TRUE(panel->SetPhantom(Path));
        panel->UpdateRun();
        bool enable = true;
        int checked = 0;
        EXPECT_FALSE(panel->ButtonUpdate(1, enable, checked));
        return panel;
    }
    tvhost::THostProcess3D& ProcessOf(const TpmInsertModel& p)
    {
        return As<tvhost::THostProcess3D>(p.Process3D);
    }
    const tvhost::TMateList& AssemblyMates()
    {
        return tvhost::HostAs<tvhost::THostDocument3D>(Assembly)->Mates();
    }
    static bool Pick(TpmInsertModel& p, tvapi::IModelObjectPtr e) { return p.ESelect(e); }
    // The newest line of the panel's status bar, where a running panel's messages go.
    static TString LastStatus(TpmInsertModel& p)
    {
        auto& lines = p.StatusBar.M;
        return lines.Count > 0 ? lines[lines.Count - 1].T : TString();
    }
    static bool CanPick(TpmInsertModel& p, tvapi::IModelObjectPtr e) { return p.ECanSelect(e); }

    // CTest runs the cases in parallel processes: each has files of its own.
    static std::string Unique(const char* name)
    {
        return ::testing::TempDir() + "insert38_" + std::to_string(::getpid()) + "_" + name;
    }
    const std::string File = Unique("model.qpt");
    const TString Path = TString(File.c_str());
    tvapi::ITervanDocumentPtr Assembly;
    tvapi::IModelObjectPtr Floor, Boss, Corner;
};

} // namespace

TEST_F(TInsertModelTest, OnlyAnAssemblyTakesAModel)
{
    Host().App().Documents().AddDocument(tvapi::tvDocumentPart);
    tvapi::IPartPtr none;
    EXPECT_FALSE(cmInsertModel(Path, none, nullptr));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0], "Вставка возможна только в сборку");
    EXPECT_EQ(Journal().Count("IProcessFactory::CreateProcess3D"), 0u);
}

TEST_F(TInsertModelTest, AMissingFileOrAFolderIsReportedWithItsPath)
{
    OpenAssembly();
    tvapi::IPartPtr none;
    const std::string absent = ::testing::TempDir() + "insert38_absent.qpt";
    EXPECT_FALSE(cmInsertModel(TString(absent.c_str()), none, nullptr));
    const std::string folder = ::testing::TempDir();
    EXPECT_FALSE(cmInsertModel(TString(folder.c_str()), none, nullptr));
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0], "Отсутствует файл : " + absent);
    EXPECT_EQ(Boxes()[1], "Отсутствует файл : " + folder);
    EXPECT_EQ(Journal().Count("IProcessFactory::CreateProcess3D"), 0u);
}

TEST_F(TInsertModelTest, BuildsTheDirectionRadioAndTheReadOnlyPathField)
{
    OpenAssembly();
    auto panel = StartedPanel();
    EXPECT_EQ(Param(*panel).Caption(), L"Вставить модель");
    EXPECT_EQ(panel->HelpContext, 38);
    ASSERT_TRUE(panel->bDirect && panel->eName);
    EXPECT_EQ(HostOf(panel->bDirect).Caption(), L"Направление ");
    const auto& buttons = HostOf(panel->bDirect).Buttons();
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0].Image, 8046);
    EXPECT_EQ(buttons[0].Tip, L"Прямое");
    EXPECT_TRUE(buttons[0].Checked);
    EXPECT_EQ(buttons[1].Image, 8047);
    EXPECT_EQ(buttons[1].Tip, L"Обратное");
    EXPECT_EQ(HostOf(panel->eName).Caption(), L" Деталь");
    EXPECT_TRUE(HostOf(panel->eName).ReadOnly());
    EXPECT_EQ(HostOf(panel->eName).Width(), 7 * static_cast<int>(File.size()));
    EXPECT_EQ(HostOf(panel->eName).Text(), tvhost::FromUtf8(File));
    EXPECT_TRUE(panel->MakeMate);
    EXPECT_TRUE(panel->Activate);
    EXPECT_EQ(panel->tDoc, tvapi::tvDocumentAssembly);
}

TEST_F(TInsertModelTest, AModelWithoutNamesUsesTheDefaultZAxisAndXYPlane)
{
    OpenAssembly();
    auto panel = StartedPanel();
    const tvapi::IAuxiliaryGeomContainerPtr phantom(panel->Phantom);
    ASSERT_TRUE(phantom);
    EXPECT_TRUE(panel->Axes == phantom->GetDefaultObject(tvapi::o3d_axisOZ));
    EXPECT_TRUE(panel->Plane == phantom->GetDefaultObject(tvapi::o3d_planeXOY));
    EXPECT_TRUE(ProcessOf(*panel).Mates().empty()) << "no template part: the phantom starts unmated";
    EXPECT_EQ(ProcessOf(*panel).Updates(), 1);
}

TEST_F(TInsertModelTest, NamedMateEntitiesWinOverTheDefaults)
{
    const tvhost::THostPartPtr part = tvhost::New<tvhost::THostPart>();
    tvapi::IPartPtr p(part);
    const tvapi::IModelObjectPtr axis = part->AuxGeometry().AddAxis(tvapi::o3d_axis2Planes);
    const tvapi::IModelObjectPtr plane = part->AuxGeometry().AddPlane(tvapi::o3d_planeOffset);
    const tvapi::IAuxiliaryGeomContainerPtr aux(p);
    OpenAssembly();
    auto panel = StartedPanel();

    axis->SetName(L"Ось базирования 1");
    panel->GetMateConstraintBaseEntity(p);
    EXPECT_TRUE(panel->Axes == axis);
    EXPECT_TRUE(panel->Plane == aux->GetDefaultObject(tvapi::o3d_planeXOZ)) << "the base axis lies in XZ";

    axis->SetName(L"MateAxes");
    panel->GetMateConstraintBaseEntity(p);
    EXPECT_TRUE(panel->Axes == axis);
    EXPECT_TRUE(panel->Plane == aux->GetDefaultObject(tvapi::o3d_planeXOY));

    plane->SetName(L"MatePlane");
    panel->GetMateConstraintBaseEntity(p);
    EXPECT_TRUE(panel->Plane == plane);

    tvapi::IPartPtr empty;
    panel->GetMateConstraintBaseEntity(empty);
    EXPECT_TRUE(panel->Axes == axis) << "an empty part changes nothing";
}

TEST_F(TInsertModelTest, PicksMateThePhantomAndAVertexMateIsNotFixed)
{
    OpenAssembly();
    ASSERT_TRUE(Floor && Boss && Corner);
    auto panel = StartedPanel();
    EXPECT_TRUE(CanPick(*panel, Floor));
    EXPECT_TRUE(CanPick(*panel, Boss));
    EXPECT_TRUE(CanPick(*panel, Corner));
    EXPECT_FALSE(CanPick(*panel, {}));
    EXPECT_FALSE(CanPick(
        *panel, EntityWhere(tvapi::IModelObjectPtr(
                                tvhost::HostAs<tvhost::THostDocument3D>(Assembly)->TopPart().Bodies().at(0)),
                            tvapi::o3d_edge, [](const tvapi::IModelObjectPtr&) { return true; })))
        << "an edge makes no mate";

    EXPECT_TRUE(Pick(*panel, Corner));
    EXPECT_TRUE(Pick(*panel, Floor));
    EXPECT_TRUE(Pick(*panel, Boss));
    const auto& mates = ProcessOf(*panel).Mates();
    ASSERT_EQ(mates.size(), 3u);
    EXPECT_EQ(MateOf(mates[0]).Type(), tvapi::mc_Coincidence);
    EXPECT_TRUE(MateOf(mates[0]).Object(1) == panel->Axes);
    EXPECT_TRUE(MateOf(mates[0]).Object(2) == Corner);
    EXPECT_EQ(MateOf(mates[0]).Fixed(), 1) << "a vertex pick is not fixed";
    EXPECT_TRUE(MateOf(mates[1]).Object(1) == panel->Plane);
    EXPECT_EQ(MateOf(mates[1]).Fixed(), 2);
    EXPECT_EQ(MateOf(mates[2]).Type(), tvapi::mc_Concentric);
    EXPECT_EQ(MateOf(mates[2]).Fixed(), 2);
    EXPECT_EQ(MateOf(mates[2]).Direction(), tvapi::tvMCAlignmentCooriented);
    const auto& handed = ProcessOf(*panel).MateObjects();
    ASSERT_EQ(handed.size(), 3u);
    EXPECT_FALSE(handed[0]);
    EXPECT_TRUE(handed[1] == Boss) << "plane, axis, point: only the axis was picked last";
    EXPECT_FALSE(handed[2]);
    EXPECT_TRUE(Pick(*panel, {}));
    EXPECT_EQ(mates.size(), 3u);
}

TEST_F(TInsertModelTest, DirectionChangesOnlyLaterMatesAndNotBeforeTheProcessHasMates)
{
    OpenAssembly();
    drApi::MA.drGetPart(drApi::pNew_Part, tvapi::tvDocumentAssembly);
    tvapi::IPartPtr none;
    TpmInsertModel early(Path, none);
    EXPECT_TRUE(early.ControlCommand(tvapi::IPropertyControlPtr(early.bDirect), 2));
    EXPECT_EQ(early.Direction, tvapi::tvMCAlignmentCooriented) << "no process mates yet";

    auto panel = StartedPanel();
    Pick(*panel, Floor);
    EXPECT_TRUE(panel->ControlCommand(tvapi::IPropertyControlPtr(panel->bDirect), 2));
    EXPECT_EQ(panel->Direction, tvapi::tvMCAlignmentOpposite);
    Pick(*panel, Floor);
    const auto& mates = ProcessOf(*panel).Mates();
    ASSERT_EQ(mates.size(), 2u) << "two plane mates stay in the process";
    EXPECT_EQ(MateOf(mates[0]).Direction(), tvapi::tvMCAlignmentCooriented);
    EXPECT_EQ(MateOf(mates[1]).Direction(), tvapi::tvMCAlignmentOpposite);
    EXPECT_TRUE(panel->ControlCommand(tvapi::IPropertyControlPtr(panel->eName), 2));
    EXPECT_EQ(panel->Direction, tvapi::tvMCAlignmentOpposite);
    EXPECT_TRUE(panel->ControlCommand(tvapi::IPropertyControlPtr(panel->bDirect), 1));
    EXPECT_EQ(panel->Direction, tvapi::tvMCAlignmentCooriented);
}

TEST_F(TInsertModelTest, EnterInsertsPlacesAndMatesTheComponent)
{
    OpenAssembly();
    auto panel = StartedPanel();
    Pick(*panel, Corner);
    Pick(*panel, Floor);
    Pick(*panel, Boss);
    ProcessOf(*panel).PhantomFrame() = tvhost::TFrame::Of({30, 30, 0}, {1, 0, 0}, {0, 1, 0});
    EXPECT_TRUE(panel->ButtonClick(1));
    ASSERT_TRUE(panel->Detail);
    auto& top = tvhost::HostAs<tvhost::THostDocument3D>(Assembly)->TopPart();
    ASSERT_EQ(top.Components().size(), 1u);
    EXPECT_TRUE(panel->Detail == tvapi::IPartPtr(top.Components()[0]));
    EXPECT_EQ(top.Components()[0]->Frame().Origin, (tvhost::TXyz{30, 30, 0})) << "at the phantom's placement";
    const tvapi::IAuxiliaryGeomContainerPtr component(panel->Detail);
    const auto& mates = AssemblyMates();
    ASSERT_EQ(mates.size(), 3u) << "plane, point, axis";
    EXPECT_TRUE(MateOf(mates[0]).Object(1) == Floor);
    EXPECT_TRUE(MateOf(mates[0]).Object(2) == component->GetDefaultObject(tvapi::o3d_planeXOY));
    EXPECT_TRUE(MateOf(mates[1]).Object(1) == Corner);
    EXPECT_TRUE(MateOf(mates[1]).Object(2) == component->GetDefaultObject(tvapi::o3d_axisOZ));
    EXPECT_EQ(MateOf(mates[1]).Fixed(), 2);
    EXPECT_EQ(MateOf(mates[2]).Type(), tvapi::mc_Concentric);
    EXPECT_EQ(MateOf(mates[2]).Direction(), tvapi::tvMCAlignmentClosest);
    EXPECT_TRUE(MateOf(mates[2]).Object(1) == Boss);
}

TEST_F(TInsertModelTest, TemplatePartMatesStartThePhantomAndReachTheAssembly)
{
    OpenAssembly();
    drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentAssembly);
    drApi::MA.drCreatePartFromFile(Path, true);
    tvapi::IPartPtr templ = drApi::MA.GetPart();
    const tvapi::IAuxiliaryGeomContainerPtr aux(templ);
    ASSERT_TRUE(aux);
    drApi::MA.drMate(tvapi::mc_Coincidence, Floor, aux->GetDefaultObject(tvapi::o3d_planeXOY), 1, 1, 0.0, "");
    drApi::MA.drMate(tvapi::mc_Concentric, aux->GetDefaultObject(tvapi::o3d_axisOZ), Boss, 1, 1, 0.0, "");
    drApi::MA.drMate(tvapi::mc_Coincidence, Corner, aux->GetDefaultObject(tvapi::o3d_axisOZ), 1, 1, 0.0, "");
    auto panel = StartedPanel(templ);
    EXPECT_TRUE(panel->SelPlane == Floor);
    EXPECT_TRUE(panel->SelAxes == Boss);
    EXPECT_TRUE(panel->SelPoint == Corner);
    const tvapi::IAuxiliaryGeomContainerPtr phantom(panel->Phantom);
    EXPECT_TRUE(panel->Axes == phantom->GetDefaultObject(tvapi::o3d_axisOZ)) << "the phantom's own axis";
    const auto& mates = ProcessOf(*panel).Mates();
    ASSERT_EQ(mates.size(), 2u) << "no starting mate for the point";
    EXPECT_TRUE(MateOf(mates[0]).Object(1) == panel->Plane);
    EXPECT_TRUE(MateOf(mates[0]).Object(2) == Floor);
    EXPECT_EQ(MateOf(mates[1]).Type(), tvapi::mc_Concentric);
    bool enable = true;
    int checked = 0;
    panel->ButtonUpdate(1, enable, checked);
    EXPECT_EQ(mates.size(), 2u) << "the starting mates are made once";
    const std::size_t before = AssemblyMates().size();
    panel->ButtonClick(1);
    EXPECT_EQ(AssemblyMates().size(), before + 3) << "the point mate is made on Enter";
}

TEST_F(TInsertModelTest, EnterWithAFileGoneInsertsNothingAndSaysWhy)
{
    OpenAssembly();
    auto panel = StartedPanel();
    Pick(*panel, Floor);
    std::filesystem::remove(File);
    EXPECT_TRUE(panel->ButtonClick(1));
    EXPECT_FALSE(panel->Detail);
    EXPECT_TRUE(tvhost::HostAs<tvhost::THostDocument3D>(Assembly)->TopPart().Components().empty());
    EXPECT_TRUE(AssemblyMates().empty());
    EXPECT_EQ(LastStatus(*panel), TString(("Отсутствует файл : " + File).c_str()));
}

TEST_F(TInsertModelTest, EnterWhenTheHostMakesNoComponentLeavesTheTopPartAlone)
{
    OpenAssembly();
    auto panel = StartedPanel();
    Pick(*panel, Floor);
    const tvapi::IPartPtr top = drApi::MA.GetPart();
    InjectFault("IParts::AddFromFile");
    EXPECT_TRUE(panel->ButtonClick(1));
    EXPECT_FALSE(panel->Detail) << "the top part is not taken for the new component";
    EXPECT_TRUE(AssemblyMates().empty());
    EXPECT_EQ(tvhost::HostAs<tvhost::THostPart>(top)->Frame().Origin, (tvhost::TXyz{0, 0, 0}))
        << "not placed";
    EXPECT_EQ(LastStatus(*panel), TString(("Не удалось вставить модель : " + File).c_str()));
}

TEST_F(TInsertModelTest, CommandWithoutMatesOrByEscape)
{
    OpenAssembly();
    tvapi::IPartPtr none;
    tvhost::TScriptAction esc;
    esc.Kind = tvhost::TScriptAction::skButton;
    esc.N = 2;
    tvhost::Script().Push(esc);
    EXPECT_FALSE(cmInsertModel(Path, none, nullptr)) << "Esc inserts nothing";
    EXPECT_TRUE(tvhost::HostAs<tvhost::THostDocument3D>(Assembly)->TopPart().Components().empty());

    tvhost::TScriptAction ok = esc;
    ok.N = 1;
    tvhost::Script().Push(ok);
    const tvapi::IPartPtr made = cmInsertModel(Path, none, [](TpmInsertModel& p) { p.MakeMate = false; });
    ASSERT_TRUE(made);
    EXPECT_EQ(tvhost::HostAs<tvhost::THostDocument3D>(Assembly)->TopPart().Components().size(), 1u);
    EXPECT_TRUE(AssemblyMates().empty());
    EXPECT_EQ(TBaseManager::CurrentProcessManager, nullptr);
}

TEST_F(TInsertModelTest, ButtonThirtyTwoAsksTheHostToEnd)
{
    OpenAssembly();
    auto panel = StartedPanel();
    EXPECT_TRUE(panel->ButtonClick(32));
    EXPECT_EQ(panel->ExitCode, 2);
    EXPECT_EQ(Journal().Calls("IProcessFactory::UpdateCommandBars").back().Arguments.at(0), "1");
    EXPECT_TRUE(panel->ButtonClick(2));
    EXPECT_FALSE(panel->ButtonClick(7));
    EXPECT_FALSE(panel->Detail);
}

TEST_F(TInsertModelTest, SavedAssemblyReopensWithTheComponentAndItsMates)
{
    OpenAssembly();
    auto panel = StartedPanel();
    Pick(*panel, Corner);
    Pick(*panel, Floor);
    Pick(*panel, Boss);
    panel->ButtonClick(1);
    ASSERT_EQ(AssemblyMates().size(), 3u);
    panel.reset();
    drApi::MA.drEndGetPart(false);
    const std::string saved = Unique("stand.qas");
    ASSERT_TRUE(Assembly->SaveAs(tvhost::FromUtf8(saved).c_str()));
    Floor.Reset();
    Boss.Reset();
    Corner.Reset();
    Assembly->Close(tvapi::kdDoNotSaveChanges);
    Assembly = Host().App().Documents().OpenFile(tvhost::FromUtf8(saved));
    std::filesystem::remove(saved);
    ASSERT_TRUE(Assembly) << Host().App().Documents().OpenError();
    auto& top = tvhost::HostAs<tvhost::THostDocument3D>(Assembly)->TopPart();
    ASSERT_EQ(top.Components().size(), 1u);
    const tvapi::IAuxiliaryGeomContainerPtr component{tvapi::IPartPtr(top.Components()[0])};
    const auto& mates = AssemblyMates();
    ASSERT_EQ(mates.size(), 3u);
    const tvapi::IModelObjectPtr slab(top.Bodies().at(0));
    EXPECT_TRUE(MateOf(mates[0]).Object(1) == Entity(slab, tvapi::o3d_face, {-50, -50, 0, 50, 50, 0}));
    EXPECT_TRUE(MateOf(mates[0]).Object(2) == component->GetDefaultObject(tvapi::o3d_planeXOY));
    EXPECT_TRUE(MateOf(mates[1]).Object(1) == model_entities::All(slab, tvapi::o3d_vertex).at(0));
    EXPECT_TRUE(MateOf(mates[1]).Object(2) == component->GetDefaultObject(tvapi::o3d_axisOZ));
    EXPECT_EQ(MateOf(mates[2]).Type(), tvapi::mc_Concentric);
    EXPECT_EQ(MateOf(mates[2]).Direction(), tvapi::tvMCAlignmentClosest);
    EXPECT_EQ(MateOf(mates[2]).Fixed(), 2);
    EXPECT_TRUE(MateOf(mates[2]).Object(1));
}

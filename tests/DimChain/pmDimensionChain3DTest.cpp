// The assembly chain panel in the stand-in host: its controls as built, the chain search from a
// selected closing dimension over a pool of plane links (design and check), the repeated search,
// the grid's commands, row clicks on old and new hosts, chain removal, the report and OK.

#include "pmDimensionChain3D.h"

#include "FacadeChainHost.h"
#include "Panel3DFixture.h"

#include <cstring>

using tvhost::THostPropertyControl;
namespace fs = std::filesystem;

TEST_F(TpmDimensionChain3DTest, PanelIsBuiltWithItsGridButtonsAndThePoolAsChainOne)
{
    Open();
    EXPECT_EQ(U(Param().Caption()), "Размерная цепь");
    ASSERT_EQ(Param().Tabs().Tabs().size(), 2u);
    EXPECT_EQ(U(Param().Tabs().Tabs()[0]->Name()), "Параметры");
    EXPECT_EQ(U(Param().Tabs().Tabs()[1]->Name()), "Настройки");
    EXPECT_EQ(Grid().Columns(), 13);
    EXPECT_EQ(Grid().Rows(), 56);
    const std::vector<int> widths = {48, 24, 72, 60, 60, 24, 60, 60, 60, 60, 132, 60, 60};
    const std::vector<std::string> titles = {"Цепь", "Н",    "Ном.", "ВО",         "НО",    "П", "У.ВО",
                                             "У.НО", "Д.ВО", "Д.НО", "Примечание", "dl/dT", "dT"};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(Grid().ColumnWidth(i), widths[i]) << i;
        EXPECT_EQ(Cell(0, i), titles[i]) << i;
    }
    ASSERT_TRUE(Grid().ToolBar());
    const auto& tools = Grid().ToolBar()->Buttons();
    ASSERT_EQ(tools.size(), 4u);
    EXPECT_EQ(tools[1].Image, 57384); // the builders show an icon by its size
    EXPECT_EQ(U(tools[2].Tip), "Наложить угловые отклонения");
    EXPECT_EQ(U(Ctl(tvapi::IPropertyControlPtr(Panel->bAddDimChain2)).Buttons().at(0).Tip),
              "Проверить собираемость цепи");
    EXPECT_EQ(U(Ctl(tvapi::IPropertyControlPtr(Panel->bSaveInText)).Buttons().at(0).Tip), "Сохранить отчет");
    EXPECT_EQ(Ctl(tvapi::IPropertyControlPtr(Panel->bSaveInText)).Buttons().at(0).Image, 57513);
    // Nothing stored: the pool's chain alone, current.
    EXPECT_EQ(Chains(), 1);
    EXPECT_EQ(Panel->DimensionChains.Current, 0);
    EXPECT_EQ(Control("Текущая")->Int(), 1);
    EXPECT_EQ(U(Control("Всего")->Text()), "1");
    EXPECT_FALSE(Control("Распознаная")->Visible());
    EXPECT_FALSE(Control("Коэффициент риска")->Visible());
    ASSERT_TRUE(Panel->Process3D);
    EXPECT_EQ(U(dynamic_cast<tvhost::THostProcess3D&>(*Panel->Process3D).Prompt()), "Выберите размер");
    EXPECT_EQ(Panel->State, TpmDimensionChain3D::stBase);
}

TEST_F(TpmDimensionChain3DTest, SearchFindsTheChainsOfTheClosingDimensionAndShowsTheChosenOne)
{
    Open();
    Pool();
    Journal().Clear();
    FacadeChainHost().ClearSelection();
    Press(Panel->bAddDimChain);
    EXPECT_EQ(Statuses(),
              (std::vector<std::string>{"Создание цепи невозможно! Выделите замыкающий размер!"}));
    EXPECT_EQ(Chains(), 1);

    Journal().Clear();
    SelectClosing();
    Press(Panel->bAddDimChain);
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"Распознаны 2 цепи"}));
    ASSERT_EQ(Chains(), 2);
    EXPECT_EQ(Panel->DimensionChains.Current, 1);
    EXPECT_EQ(Links(ChainAt(1)), PoolLinks({0, 1, 4}));
    const TDimension& closing = ChainAt(1).Dimensions[2];
    EXPECT_TRUE(ChainAt(1).Closed);
    EXPECT_NEAR(closing.QHigh, 0.15, 1e-9); // design: the closing link takes the calculated deviations
    EXPECT_NEAR(closing.QLow, -0.1, 1e-9);
    EXPECT_EQ(closing.Comment, TString(""));
    EXPECT_TRUE(Control("Распознаная")->Visible());
    EXPECT_EQ(Control("Распознаная")->Range(), (std::pair<double, double>{1, 2}));
    EXPECT_EQ(Control("Текущая")->Int(), 2);
    EXPECT_EQ(U(Control("Всего")->Text()), "2");
    EXPECT_EQ(Cell(3, 0).substr(0, 5), "02.02");

    // The second chain found replaces the last chain; the spin keeps its range.
    Control("Распознаная")->SetValue(2);
    Panel->ChangeControlValue(tvapi::IPropertyControlPtr(Panel->eDetectDimensionChain));
    ASSERT_EQ(Chains(), 2);
    EXPECT_EQ(Links(ChainAt(1)), PoolLinks({2, 3, 4}));
    EXPECT_NEAR(ChainAt(1).Dimensions[2].QHigh, 0.2, 1e-9);
    EXPECT_NEAR(ChainAt(1).Dimensions[2].QLow, -0.2, 1e-9);
    EXPECT_EQ(Control("Распознаная")->Range(), (std::pair<double, double>{1, 2}));
    EXPECT_TRUE(Control("Распознаная")->Visible());

    // A closing dimension that is not gathered ends the search without a chain.
    FacadeChainHost().ClearSelection();
    drApi::Selector->Select(tvapi::ITervanAPIObjectPtr(Object()));
    Journal().Clear();
    Press(Panel->bAddDimChain);
    EXPECT_EQ(Chains(), 2);
    EXPECT_TRUE(Statuses().empty());
}

// The method chosen for the chain shown is the one the next search calculates with, and the
// chain that a repeated search replaces keeps its method: the figures are the method's, and
// the report's labels describe them.
TEST_F(TpmDimensionChain3DTest, TheChosenMethodIsUsedByTheNextSearchAndTheReportSaysSo)
{
    Open();
    Pool();
    SelectClosing();
    Press(Panel->bAddDimChain);
    ASSERT_EQ(Chains(), 2);
    Choose("Способ расчета", L"Нормальное распределение");
    Choose("Коэффициент риска", L"0.27");
    // The second chain found (C, D) replaces the first: its slot keeps the normal method.
    // C 20 +0.2/0 and D 10 0/-0.2: the spread 3 sqrt((0.2^2 + 0.2^2) / 9) about 0.
    Detect(2);
    ASSERT_EQ(Chains(), 2);
    EXPECT_EQ(Links(ChainAt(1)), PoolLinks({2, 3, 4}));
    EXPECT_EQ(ChainAt(1).MethodCalculating, mcNormalDistribution);
    EXPECT_DOUBLE_EQ(ChainAt(1).RiskFactor, 3.0);
    const double half = 3.0 * std::sqrt(0.08 / 9.0) / 2.0;
    EXPECT_NEAR(ChainAt(1).Dimensions[2].QHigh, half, 1e-9);
    EXPECT_NEAR(ChainAt(1).Dimensions[2].QLow, -half, 1e-9);
    EXPECT_EQ(U(Control("Способ расчета")->GetCurrentText()), "Нормальное распределение");

    // A new search takes the method chosen for the chain shown: A 10 ±0.1 and B 20 +0.05/0.
    SelectClosing();
    Detect(1);
    ASSERT_EQ(Chains(), 2);
    SelectClosing();
    Press(Panel->bAddDimChain);
    ASSERT_EQ(Chains(), 3);
    EXPECT_EQ(ChainAt(2).MethodCalculating, mcNormalDistribution);
    const double spread = 3.0 * std::sqrt((0.04 + 0.0025) / 9.0) / 2.0;
    EXPECT_NEAR(ChainAt(2).Dimensions[2].QHigh, 0.025 + spread, 1e-9);
    EXPECT_NEAR(ChainAt(2).Dimensions[2].QLow, 0.025 - spread, 1e-9);

    // The report prints the settings the figures were calculated with. The method changed
    // after the last search calculates the chain shown again: the report says "Равная".
    Choose("Способ расчета", L"Равная вероятность");
    std::string report;
    {
        const fs::path file = fs::path(::testing::TempDir()) / "chain-method.txt";
        ASSERT_TRUE(Panel->DimensionChains.toTextFile(file.wstring()));
        std::ifstream in(file, std::ios::binary);
        report.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::string normal = TString("Метод расчета : Нормальное распределение").PChar(); // the 8-bit page
    std::size_t at = 0, found = 0;
    while ((at = report.find(normal, at)) != std::string::npos) {
        ++found;
        at += normal.size();
    }
    EXPECT_EQ(found, 1u) << report;
    EXPECT_NE(report.find(TString("Равная").PChar()), std::string::npos) << report;
    EXPECT_NE(report.find("   3.00"), std::string::npos) << report;
}

TEST_F(TpmDimensionChain3DTest, CheckNotesTheLoopAndALengthThatDiffersFromTheNominal)
{
    Open();
    Pool();
    Panel->AllDimension3D.Dimensions[4].Nominal = 30.2; // the model measures 30
    SelectClosing();
    Press(Panel->bAddDimChain2);
    ASSERT_EQ(Chains(), 2);
    const TDimension& closing = ChainAt(1).Dimensions[2];
    EXPECT_EQ(closing.QHigh, 0.0); // check mode keeps the closing link's own deviations
    EXPECT_EQ(closing.QLow, 0.0);
    EXPECT_EQ(ChainAt(1).ShownNote(2), TString("(*dT=  30.200  30.000 {   0.150  -0.100 }"));

    // A search that finds nothing says so, hides the spin and keeps the last chain.
    TDimensionChain& pool = Panel->AllDimension3D;
    pool.Dimensions[4].IP2 = 7;
    FacadeChainHost().ClearSelection(); // the chain shown is selected: its first link would be taken
    SelectClosing();
    Journal().Clear();
    Press(Panel->bAddDimChain);
    EXPECT_EQ(Statuses(),
              (std::vector<std::string>{"Распознаны 0 цепи", "Не удалось найти размерную цепь!"}));
    EXPECT_EQ(Chains(), 2);
    EXPECT_EQ(ChainAt(1).Count(), 3);
    EXPECT_FALSE(Control("Распознаная")->Visible());
}

TEST_F(TpmDimensionChain3DTest, ClosingDirectionTakesItsCanonicalSense)
{
    for (const auto& [in, out] : std::vector<std::pair<TVector3D, TVector3D>>{{{0, -1, 5}, {0, 1, -5}},
                                                                              {{3, 0, -1}, {3, 0, -1}},
                                                                              {{-3, 0, 1}, {3, 0, -1}},
                                                                              {{-1, 2, 3}, {1, -2, -3}},
                                                                              {{0, 0, -5}, {0, 0, 5}}}) {
        TVector3D v = in;
        OrientModelVector(v);
        EXPECT_EQ(v.x, out.x);
        EXPECT_EQ(v.y, out.y);
        EXPECT_EQ(v.z, out.z);
    }
}

TEST_F(TpmDimensionChain3DTest, GridCommandsNeedACurrentLinkAndActOnIt)
{
    Open();
    Pool();
    SelectClosing();
    Press(Panel->bAddDimChain);
    Journal().Clear();
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->grListDimChain), 1);
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"Не определено текущее звено цепи"}));

    // A click on row 2 makes the second link current and shows its dimension alone.
    Panel->SelectItem(tvapi::IPropertyControlPtr(Panel->grListDimChain), 2, true);
    EXPECT_EQ(Panel->DimensionChains.CurrentDim, 1);
    ASSERT_EQ(drApi::Selector->GetCount(), 1);
    EXPECT_EQ(drApi::Selector->Get7(0), ChainAt(1).Dimensions[1].MO);
    Journal().Clear();
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->grListDimChain), 1);
    EXPECT_EQ(Statuses(),
              (std::vector<std::string>{
                  "Приведение возможно для радиальных(диаметральных) или угловых отклонений размеров"}));
    Journal().Clear();
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->grListDimChain), 2);
    EXPECT_EQ(Statuses(), (std::vector<std::string>{
                              "Приведение возможно для радиальных,диаметральных или линейных размеров"}));

    // A diametral link converts to its radius and back.
    TDimension& L = ChainAt(1).Dimensions[1];
    L.Type = tvapi::tvDrDDimension;
    L.V2 = TVector2D(20, 0);
    L.QHigh = 0.2;
    L.QLow = -0.1;
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->grListDimChain), 1);
    EXPECT_EQ(L.V2.x, 10.0);
    EXPECT_EQ(L.QHigh, 0.1);
    EXPECT_EQ(L.QLow, -0.05);
    EXPECT_EQ(L.KTransformation, 0.5);
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->grListDimChain), 1);
    EXPECT_EQ(L.V2.x, 20.0);
    EXPECT_EQ(L.KTransformation, 2.0);

    // Moving up the first link or down onto the closing link does nothing. A link gathered
    // from the assembly has no drawing object to be removed by: removal leaves the chain, its
    // closure and its rows as they were, and only ends the command.
    Panel->SelectItem(tvapi::IPropertyControlPtr(Panel->grListDimChain), 1, true);
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->grListDimChain), 6);
    EXPECT_EQ(Links(ChainAt(1)), PoolLinks({0, 1, 4}));
    Panel->SelectItem(tvapi::IPropertyControlPtr(Panel->grListDimChain), 2, true);
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->grListDimChain), 7);
    EXPECT_EQ(Links(ChainAt(1)), PoolLinks({0, 1, 4}));
    Panel->State = TpmDimensionChain3D::stProjection;
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->grListDimChain), 4);
    EXPECT_EQ(Links(ChainAt(1)), PoolLinks({0, 1, 4}));
    EXPECT_TRUE(ChainAt(1).Closed);
    EXPECT_EQ(Cell(2, 0), "02.01");
    EXPECT_EQ(Cell(3, 0), "02.02*");
    EXPECT_EQ(Cell(3, 5), "-");
    EXPECT_EQ(Panel->DimensionChains.CurrentDim, -1);
    EXPECT_EQ(Panel->State, TpmDimensionChain3D::stBase);
    EXPECT_EQ(U(dynamic_cast<tvhost::THostProcess3D&>(*Panel->Process3D).Prompt()), "Укажите размер");
}

TEST_F(TpmDimensionChain3DTest, RowClicksUnlockTheUsersColumnsOnlyOnOlderHosts)
{
    for (const int major : {16, 17}) {
        Host().App().SetVersion(major, 0, 0, 0);
        Open();
        Pool();
        Journal().Clear();
        const tvapi::IPropertyControlPtr grid(Panel->grListDimChain);
        // The grid starts editable: the user's columns change nothing, "Ном." locks it once,
        // "Примечание" unlocks it again.
        Panel->SelectItem(grid, 10 * 256 + 1, true);
        Panel->SelectItem(grid, 11 * 256 + 2, true);
        Panel->SelectItem(grid, 2 * 256 + 1, true);
        Panel->SelectItem(grid, 2 * 256 + 2, true);
        Panel->SelectItem(grid, 10 * 256 + 3, true);
        std::string states;
        for (const auto& e : Journal().Calls("IPropertyEdit::SetReadOnly"))
            states += e.Arguments.at(0);
        EXPECT_EQ(states, major == 16 ? "truefalse" : "") << major;
        EXPECT_EQ(Panel->DimensionChains.CurrentDim, 2);
        EXPECT_FALSE(Panel->SelectItem(grid, 0, true)); // the title row: the selection cleared
        EXPECT_EQ(drApi::Selector->GetCount(), 0);
        EXPECT_EQ(Panel->DimensionChains.CurrentDim, 2);
        Panel.reset();
    }
}

// The grid's read-only state is the grid's own: set elsewhere, a click on a column the user
// types into still unlocks it.
TEST_F(TpmDimensionChain3DTest, RowClicksAskTheGridForItsReadOnlyState)
{
    Host().App().SetVersion(16, 0, 0, 0);
    Open();
    Pool();
    const tvapi::IPropertyControlPtr grid(Panel->grListDimChain);
    Grid().SetReadOnly(true);
    Journal().Clear();
    Panel->SelectItem(grid, 10 * 256 + 1, true);
    const auto calls = Journal().Calls("IPropertyEdit::SetReadOnly");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].Arguments.at(0), "false");
    EXPECT_FALSE(Grid().ReadOnly());
}

TEST_F(TpmDimensionChain3DTest, ThePoolsChainStaysWhileOthersExistAndReportNeedsASavedDocument)
{
    Open();
    Pool();
    SelectClosing();
    Press(Panel->bAddDimChain);
    Press(Panel->bAddDimChain2);
    ASSERT_EQ(Chains(), 3);
    Panel->DimensionChains.Current = 0;
    Journal().Clear();
    Press(Panel->bRemoveDimChain);
    EXPECT_EQ(Chains(), 3);
    EXPECT_EQ(Statuses(), (std::vector<std::string>{
                              "Первая цепь хранит размеры сборки: удалите сначала остальные цепи"}));
    Panel->DimensionChains.Current = 1;
    Press(Panel->bRemoveDimChain);
    EXPECT_EQ(Chains(), 2);
    EXPECT_EQ(Panel->DimensionChains.Current, 0);
    EXPECT_EQ(Control("Текущая")->Int(), 1);

    Journal().Clear();
    Press(Panel->bSaveInText);
    EXPECT_EQ(Statuses(),
              (std::vector<std::string>{"Создание отчета невозможно! Сохраните сначала чертеж!"}));
}

TEST_F(TpmDimensionChain3DGatherTest, DimensionsOfPartsAtEveryDepthArePlacedInTheAssembly)
{
    // The plate where the assembly is, the bushing moved, the shaft turned upright, and the
    // plate again inside a sub-assembly moved up: a part reached twice is gathered twice.
    Add(Top(), BoxPart(L"Плита", 100, 60, 12.5, 2, 0, 12.5, 0.1, -0.1), Frame({0, 0, 0}));
    Add(Top(), BoxPart(L"Втулка", 20, 20, 17.5, 2, 0, 17.5, 0.05, 0), Frame({30, 30, 12.5}));
    Add(Top(), BoxPart(L"Вал", 30, 10, 10, 0, 0, 30), Frame({80, 30, 0}, {0, 0, 1}, {0, 1, 0}));
    tvhost::THostPartPtr sub = tvhost::New<tvhost::THostPart>();
    Add(*sub, BoxPart(L"Плита", 100, 60, 12.5, 2, 0, 12.5), Frame({0, 0, 5}));
    Add(Top(), sub, Frame({0, 0, 100}));
    Open();
    const TDimensionChain& pool = Panel->AllDimension3D;
    ASSERT_EQ(pool.Count(), 4);
    EXPECT_EQ(pool.Dimensions[0].Comment, TString("0 0 1 Плита"));
    EXPECT_NEAR(pool.Dimensions[0].V3.z, 12.5, 1e-9);
    EXPECT_NEAR(pool.Dimensions[0].QHigh, 0.1, 1e-12);
    EXPECT_NEAR(pool.Dimensions[0].QLow, -0.1, 1e-12);
    EXPECT_NEAR(pool.Dimensions[0].Nominal, 12.5, 1e-9);
    // The bushing stands on the plate: its bottom is the plate's top plane.
    EXPECT_EQ(pool.Dimensions[1].IP1, 1);
    EXPECT_EQ(pool.Dimensions[1].IP2, 2);
    EXPECT_NEAR(pool.Dimensions[1].PL2.O.z, 30.0, 1e-9);
    // The shaft's ends lie in the planes z = 0 and z = 30.
    EXPECT_EQ(pool.Dimensions[2].IP1, 0);
    EXPECT_EQ(pool.Dimensions[2].IP2, 2);
    EXPECT_NEAR(pool.Dimensions[2].V3.z, 30.0, 1e-9);
    EXPECT_EQ(pool.Dimensions[2].ID, 0);
    // Nested: the frames of the sub-assembly and of its component both count.
    EXPECT_NEAR(pool.Dimensions[3].PL1.O.z, 105.0, 1e-9);
    EXPECT_NEAR(pool.Dimensions[3].PL2.O.z, 117.5, 1e-9);
    EXPECT_EQ(ChainAt(0).Count(), 4); // the pool is chain 1
    EXPECT_FALSE(ChainAt(0).Closed);

    // The pool's links are shown selected; a pick of the shaft's length replaces them, and it
    // closes the plate and the bushing.
    EXPECT_EQ(drApi::Selector->GetCount(), 4);
    EXPECT_TRUE(Panel->Select(tvapi::ITervanAPIObjectPtr(pool.Dimensions[2].MO)));
    ASSERT_EQ(drApi::Selector->GetCount(), 1);
    Journal().Clear();
    Press(Panel->bAddDimChain);
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"Распознаны 1 цепи"}));
    ASSERT_EQ(Chains(), 2);
    EXPECT_EQ(Links(ChainAt(1)), PoolLinks({0, 1, 2}));
    EXPECT_TRUE(ChainAt(1).Closed);
    EXPECT_NEAR(ChainAt(1).Dimensions[2].QHigh, 0.15, 1e-9);
    EXPECT_NEAR(ChainAt(1).Dimensions[2].QLow, -0.1, 1e-9);
}

// Plate, bushing and shaft alone: the gathered dimensions close (12.5 + 17.5 = 30). Chain 1,
// the pool, holds the shaft's figures as the search calculates them (+0.15/-0.1), which the
// grid and the report print; the pool and the shaft's own texts stay as the parts give them.
TEST_F(TpmDimensionChain3DGatherTest, APoolThatClosesIsCalculatedLikeAnyChain)
{
    Add(Top(), BoxPart(L"Плита", 100, 60, 12.5, 2, 0, 12.5, 0.1, -0.1), Frame({0, 0, 0}));
    Add(Top(), BoxPart(L"Втулка", 20, 20, 17.5, 2, 0, 17.5, 0.05, 0), Frame({30, 30, 12.5}));
    Add(Top(), BoxPart(L"Вал", 30, 10, 10, 0, 0, 30), Frame({80, 30, 0}, {0, 0, 1}, {0, 1, 0}));
    Open();
    ASSERT_EQ(Panel->AllDimension3D.Count(), 3);
    const TDimension& gathered = Panel->AllDimension3D.Dimensions[2];
    EXPECT_EQ(gathered.QHigh, 0.0);
    const tvapi::IDimensionTextPtr shaft(gathered.MO);
    EXPECT_EQ(shaft->GetUpperDeviation()->GetStr(), std::wstring(L""));
    ASSERT_TRUE(ChainAt(0).Closed);
    EXPECT_NEAR(ChainAt(0).Dimensions[2].QHigh, 0.15, 1e-9);
    EXPECT_NEAR(ChainAt(0).Dimensions[2].QLow, -0.1, 1e-9);
}

TEST_F(TpmDimensionChain3DGatherTest, AThrowKeepsEarlierLinksAndGoesOnWithTheNextPartAndNothingIsLeftHeld)
{
    Add(Top(), BoxPart(L"A", 10, 10, 10, 2, 0, 10), Frame({0, 0, 0}));
    tvhost::THostPartPtr b = BoxPart(L"B", 10, 10, 10, 2, 0, 10);
    const tvapi::IBaseLineDimension3DPtr second = tvapi::ISymbols3DContainerPtr(tvapi::IPartPtr(b.Get()))
                                                      ->GetLineDimensions3D()
                                                      ->Add(tvapi::o3d_lineDimension3D);
    second->SetObject1(FaceAt(*b, 0, 0));
    second->SetObject2(FaceAt(*b, 0, 10));
    tvapi::IModelObjectPtr(second)->Update();
    Add(Top(), b, Frame({0, 0, 10}));
    Add(Top(), BoxPart(L"C", 10, 10, 10, 2, 0, 10), Frame({0, 0, 20}));
    const long held = tvhost::RefCountOf(second);
    Journal().Clear();
    InjectFault("IBaseLineDimension3D::GetObject1", tvhost::fkThrow); // the first dimension of A
    Open();
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"Ошибка полученя размеров"}));
    // A's dimension threw before its link was made: A adds nothing, B and C are whole.
    ASSERT_EQ(Panel->AllDimension3D.Count(), 3);
    for (const TDimension& L : Panel->AllDimension3D.Dimensions)
        EXPECT_GE(L.IP1, 0);
    EXPECT_NEAR(Panel->AllDimension3D.Dimensions[2].PL1.O.z, 20.0, 1e-9);
    Panel.reset();
    EXPECT_EQ(tvhost::RefCountOf(second), held);
}

// A sketch's horizontal dimension from (10, 0) to (40, 5), driven by a variable, in an unmoved
// part: one link from (10, 0, 0) measuring (30, 0, 0), with its deviations; the sketch is
// closed again.
TEST_F(TpmDimensionChain3DGatherTest, SketchDimensionGivesItsLinkFromTheMatchingSketchDimension)
{
    tvhost::THostPartPtr part = tvhost::New<tvhost::THostPart>();
    part->SetNameDirect(L"Эскиз");
    tvhost::THostSketch& s = part->AddSketch(L"");
    s.SetPlane(part->GetDefaultObject(tvapi::o3d_planeXOY));
    feature_test::LinearDimension(s, 10, 0, 40, 5, tvapi::tvLinDHorizontal, L"L1", 0.1, -0.05);
    ASSERT_TRUE(tvapi::ISymbols3DContainerPtr(tvapi::IPartPtr(part.Get()))
                    ->CreateGenerativeDimensions({tvapi::IModelObjectPtr(&s)}, false));
    Add(Top(), part, Frame({0, 0, 0}));
    Open();
    const TDimensionChain& pool = Panel->AllDimension3D;
    ASSERT_EQ(pool.Count(), 1);
    const TDimension& L = pool.Dimensions[0];
    EXPECT_EQ(L.TMO, tvapi::o3d_SketchLinearDimension);
    EXPECT_NEAR(L.PL1.O.x, 10, 1e-9);
    EXPECT_NEAR(L.V3.x, 30, 1e-9);
    EXPECT_NEAR(L.V3.y, 0, 1e-9);
    EXPECT_NEAR(L.QHigh, 0.1, 1e-12);
    EXPECT_NEAR(L.QLow, -0.05, 1e-12);
    EXPECT_EQ(L.Comment, TString("0 0 1 Эскиз"));
    EXPECT_EQ(Journal().Count("ISketch::BeginEdit"), 1u);
    EXPECT_EQ(Journal().Count("ISketch::EndEdit"), 1u);
}

// An extrusion of a 10 x 5 outline, 20 deep, in a part turned so that its Z runs along -X and
// moved 5 along X: its depth dimension gives one link across the start and end edges, in the
// assembly's planes x = 5 and x = -15; the pool shown selected is that one dimension.
TEST_F(TpmDimensionChain3DGatherTest, ExtrusionDepthGivesItsLinkBetweenItsEdgesInTheAssembly)
{
    tvhost::THostPartPtr part = tvhost::New<tvhost::THostPart>();
    part->SetNameDirect(L"Выдавливание");
    tvhost::THostSketch& s = part->AddSketch(L"");
    s.SetPlane(part->GetDefaultObject(tvapi::o3d_planeXOY));
    feature_test::Rect(s, 0, 0, 10, 5);
    const tvapi::IExtrusionPtr boss = feature_test::Extrusion(
        tvapi::IPartPtr(part.Get()), s, tvapi::o3d_bossExtrusion, tvapi::dtNormal, 20, 0);
    ASSERT_TRUE(tvapi::IModelObjectPtr(boss)->Update());
    const tvapi::ISymbols3DContainerPtr symbols(tvapi::IPartPtr(part.Get()));
    ASSERT_TRUE(symbols->CreateGenerativeDimensions({tvapi::IModelObjectPtr(boss)}, true));
    ASSERT_EQ(symbols->GetLineDimensions3D()->GetCount(), 1);
    tvapi::IDimensionTextPtr(symbols->GetLineDimensions3D()->GetItem(0))->SetDeviations(0.2, 0);
    Add(Top(), part, Frame({5, 0, 0}, {0, 0, 1}, {0, 1, 0}));
    Open();
    const TDimensionChain& pool = Panel->AllDimension3D;
    ASSERT_EQ(pool.Count(), 1);
    const TDimension& L = pool.Dimensions[0];
    EXPECT_EQ(L.TMO, tvapi::o3d_OperationLinearDimension);
    EXPECT_NEAR(L.Nominal, 20, 1e-9);
    EXPECT_NEAR(L.QHigh, 0.2, 1e-12);
    EXPECT_NEAR(L.V3.x, 20, 1e-9);
    EXPECT_NEAR(L.V3.y, 0, 1e-9);
    EXPECT_NEAR(L.V3.z, 0, 1e-9);
    EXPECT_NEAR(L.PL1.O.x, 5, 1e-9);
    EXPECT_NEAR(L.PL2.O.x, -15, 1e-9);
    EXPECT_EQ(L.Comment, TString("0 0 1 Выдавливание"));
    EXPECT_TRUE(L.MO == tvapi::IModelObjectPtr(symbols->GetLineDimensions3D()->GetItem(0)));
    EXPECT_EQ(drApi::Selector->GetCount(), 1);
}

// The bushing's height is a sketch dimension, its part turned upside down: its link measures
// along -Z until made canonical, and it must still add to the shaft's length as the plate does;
// the closing deviations are those of the plate's and the bushing's together.
TEST_F(TpmDimensionChain3DGatherTest, ALinkTurnedUpsideDownAddsAsOneStandingUp)
{
    Add(Top(), BoxPart(L"Плита", 100, 60, 12.5, 2, 0, 12.5, 0.1, -0.1), Frame({0, 0, 0}));
    tvhost::THostPartPtr bushing = tvhost::New<tvhost::THostPart>();
    bushing->SetNameDirect(L"Втулка");
    tvhost::THostSketch& s = bushing->AddSketch(L"");
    s.SetPlane(bushing->GetDefaultObject(tvapi::o3d_planeXOY));
    feature_test::LinearDimension(s, 0, 0, 17.5, 0, tvapi::tvLinDHorizontal, L"L1", 0.05, 0);
    ASSERT_TRUE(tvapi::ISymbols3DContainerPtr(tvapi::IPartPtr(bushing.Get()))
                    ->CreateGenerativeDimensions({tvapi::IModelObjectPtr(&s)}, false));
    // Its sketch's X axis runs down from z = 30 to the plate's top.
    Add(Top(), bushing, Frame({30, 30, 30}, {0, 0, -1}, {0, 1, 0}));
    Add(Top(), BoxPart(L"Вал", 30, 10, 10, 0, 0, 30), Frame({80, 30, 0}, {0, 0, 1}, {0, 1, 0}));
    Open();
    const TDimensionChain& pool = Panel->AllDimension3D;
    ASSERT_EQ(pool.Count(), 3);
    EXPECT_NEAR(pool.Dimensions[1].V3.z, 17.5, 1e-9);
    EXPECT_TRUE(Panel->Select(tvapi::ITervanAPIObjectPtr(pool.Dimensions[2].MO)));
    Press(Panel->bAddDimChain);
    ASSERT_EQ(Chains(), 2);
    ASSERT_TRUE(ChainAt(1).Closed);
    EXPECT_NEAR(ChainAt(1).Dimensions[2].QHigh, 0.15, 1e-9);
    EXPECT_NEAR(ChainAt(1).Dimensions[2].QLow, -0.1, 1e-9);
}

// The bushing removed: the user is told, the bushing's link is dropped and its chain shown
// open; the plate's link and the shaft's closing length stay bound, and the closing row still
// starts a search, which finds no chain without the bushing.
TEST_F(TpmDimensionChain3DStoredTest, ARemovedComponentLeavesTheOtherLinksBound)
{
    Reopen("removed.qas", [](nlohmann::json& components) { components.erase(1); });
    Journal().Clear();
    Open();
    EXPECT_EQ(Statuses(),
              (std::vector<std::string>{"Сборка изменилась! Отсутствуют элементы размерной цепи"}));
    ASSERT_EQ(Chains(), 2);
    ASSERT_EQ(Panel->AllDimension3D.Count(), 3);
    const std::vector<tvapi::IModelObjectPtr> kept = PoolLinks({0, 2});
    EXPECT_EQ(Links(ChainAt(1)), kept);
    EXPECT_FALSE(ChainAt(1).Closed);
    EXPECT_EQ(Cell(2, 0), "02.01");
    CheckFromTheClosingRow(2);
    EXPECT_EQ(Statuses(),
              (std::vector<std::string>{"Распознаны 0 цепи", "Не удалось найти размерную цепь!"}));

    // Stored again, the chain keeps its two links.
    Panel->ButtonClick(1);
    Panel.reset();
    ASSERT_TRUE(R().IDoc->SaveAs((FDir / "removed.qas").wstring().c_str()));
    Reopen("removed.qas");
    Open();
    EXPECT_EQ(Links(ChainAt(1)), PoolLinks({0, 2}));
}

// The components in reverse order: every link is bound to the same dimension as before, and
// the closing row finds the chain again.
TEST_F(TpmDimensionChain3DStoredTest, ReorderedComponentsKeepEveryLinkOnItsDimension)
{
    Reopen("reordered.qas",
           [](nlohmann::json& components) { std::reverse(components.begin(), components.end()); });
    Journal().Clear();
    Open();
    EXPECT_TRUE(Statuses().empty());
    ASSERT_EQ(Chains(), 2);
    // The pool now starts with the shaft: its depth, its length, then the bushing and the plate.
    EXPECT_EQ(Links(ChainAt(1)), PoolLinks({3, 2, 1}));
    EXPECT_NEAR(tvapi::IDimensionTextPtr(ChainAt(1).Dimensions[0].MO)->GetNominalValue(), 12.5, 1e-9);
    CheckFromTheClosingRow();
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"Распознаны 1 цепи"}));
    ASSERT_EQ(Chains(), 3);
    EXPECT_EQ(Links(ChainAt(2)), PoolLinks({3, 2, 1}));
}

// A chain checked from the stored chain's closing row (plate 12.5 +-0.1, bushing 17.5 +0.05/0:
// min-max { 0.150 -0.100 }) is checked again with the normal method and the risk chosen after
// it, before or after the assembly was reopened; its figures then come from that method.
struct TCheckCase {
    const char* Name;
    bool Reopened;    // OK and reopened between the method and the risk
    const char* Risk; // none: the risk of 1
    const char* Note;
};

class TCheckFollowsTest : public TpmDimensionChain3DStoredTest,
                          public testing::WithParamInterface<TCheckCase> {
protected:
    // The check's note at the end of the closing link's note.
    static std::string CheckNote(const TDimensionChain& C)
    {
        const std::string note = C.ShownNote(C.Count() - 1).PChar();
        return note.substr(std::min(note.find(" {"), note.size()));
    }
};
TEST_P(TCheckFollowsTest, ChecksAgainWithTheMethodAndRiskChosen)
{
    const TCheckCase& t = GetParam();
    Open();
    CheckFromTheClosingRow();
    ASSERT_EQ(Chains(), 3);
    ASSERT_EQ(CheckNote(ChainAt(2)), " {   0.150  -0.100 }");
    Choose("Способ расчета", L"Нормальное распределение");
    if (t.Reopened) {
        Panel->ButtonClick(1);
        Panel.reset();
        Open();
        ASSERT_EQ(Panel->DimensionChains.Current, 2);
    }
    if (t.Risk) Choose("Коэффициент риска", tvhost::FromUtf8(t.Risk).c_str());
    const TDimensionChain& C = ChainAt(2);
    EXPECT_TRUE(C.Checked);
    EXPECT_EQ(CheckNote(C), t.Note);
    EXPECT_EQ(C.Dimensions[2].QHigh, 0.0); // a check keeps the closing link's own deviations
    EXPECT_EQ(C.FigureSettings().Method, mcNormalDistribution);
}

// Normal: S = (0.2^2 + 0.05^2) / 9, middle 0.025, half sqrt(S) times the risk (1, then 3).
INSTANTIATE_TEST_SUITE_P(
    Choices, TCheckFollowsTest,
    testing::Values(TCheckCase{"Method", false, nullptr, " {   0.059  -0.009 }"},
                    TCheckCase{"MethodAndRisk", false, "0.27", " {   0.128  -0.078 }"},
                    TCheckCase{"RiskAfterReopening", true, "0.27", " {   0.128  -0.078 }"}),
    [](const testing::TestParamInfo<TCheckCase>& p) { return std::string(p.param.Name); });

// The stored set damaged in each way the reader refuses: told on opening, left as it is by OK
// though the panel holds the pool (and all it found), and told again on the next opening.
struct TDamageCase {
    const char* Name;
    void (*Damage)(std::vector<Byte>& Bytes);
};
void PrintTo(const TDamageCase& c, std::ostream* os)
{
    *os << c.Name;
}

namespace {
constexpr std::size_t CountAt = 256 + 8; // behind the header and the attribute type

// V written at At, past the end of the bytes too.
template <class T> void Put(std::vector<Byte>& Bytes, std::size_t At, T V)
{
    Bytes.resize(std::max(Bytes.size(), At + sizeof V));
    std::memcpy(Bytes.data() + At, &V, sizeof V);
}
} // namespace

class TDamagedStoreTest : public TpmDimensionChain3DStoredTest,
                          public testing::WithParamInterface<TDamageCase> {};
TEST_P(TDamagedStoreTest, IsToldAndNeverStoredOver)
{
    const TString item("DimChains");
    std::vector<Byte> bytes;
    ASSERT_TRUE(drApi::MA.drGetUserData(R().IDoc, item, bytes, {}));
    std::int32_t chains = 0;
    std::memcpy(&chains, bytes.data() + CountAt, sizeof chains);
    ASSERT_EQ(chains, 2); // the pool and the chain found
    GetParam().Damage(bytes);
    ASSERT_TRUE(drApi::MA.drSetUserData(R().IDoc, item, bytes, false, {}));
    const std::vector<std::string> told = {"Сохраненные размерные цепи повреждены и не прочитаны"};
    for (const char* name : {"damaged.qas", "damaged-again.qas"}) {
        Journal().Clear();
        Open();
        EXPECT_EQ(Statuses(), told) << name;
        Panel->ButtonClick(1);
        EXPECT_EQ(Panel->ExitCode, 1);
        Panel.reset();
        std::vector<Byte> kept;
        ASSERT_TRUE(drApi::MA.drGetUserData(R().IDoc, item, kept, {}));
        EXPECT_TRUE(kept == bytes) << name << ": " << kept.size() << " bytes stored";
        ASSERT_TRUE(R().IDoc->SaveAs((FDir / name).wstring().c_str()));
        Reopen(name);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TDamagedStoreTest,
    testing::Values(TDamageCase{"CutInTheChains", [](std::vector<Byte>& b) { b.resize(b.size() / 2); }},
                    TDamageCase{"CutInTheHeader", [](std::vector<Byte>& b) { b.resize(100); }},
                    TDamageCase{"NegativeCount", [](std::vector<Byte>& b) { Put(b, CountAt, -1); }},
                    TDamageCase{"CountsDisagree", [](std::vector<Byte>& b) { Put(b, CountAt, 1); }},
                    TDamageCase{"HugeCount", [](std::vector<Byte>& b) { Put(b, CountAt, 1 << 30); }},
                    TDamageCase{"CheckedFlagTwo",
                                [](std::vector<Byte>& b) {
                                    for (const int v : {0x444B4843, 0, 2}) // "CHKD", a flag per chain
                                        Put(b, b.size(), v);
                                }},
                    TDamageCase{"CheckedFlagsCut",
                                [](std::vector<Byte>& b) {
                                    for (const int v : {0x444B4843, 1})
                                        Put(b, b.size(), v);
                                }},
                    // The last chain ends the set with its method, Lambda and risk.
                    TDamageCase{"MethodSeven", [](std::vector<Byte>& b) { Put(b, b.size() - 20, 7); }},
                    TDamageCase{"RiskNegative", [](std::vector<Byte>& b) { Put(b, b.size() - 8, -1.0); }},
                    TDamageCase{"UnknownTag", [](std::vector<Byte>& b) { Put(b, b.size(), 0x58585858); }},
                    TDamageCase{"ByteLeftOver", [](std::vector<Byte>& b) { b.push_back(0); }},
                    TDamageCase{"DamagedMark", [](std::vector<Byte>& b) { b[0] ^= 0xFF; }}),
    [](const testing::TestParamInfo<TDamageCase>& p) { return std::string(p.param.Name); });

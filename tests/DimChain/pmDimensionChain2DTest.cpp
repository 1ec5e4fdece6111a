// The drawing chain panel in the stand-in host: its controls as built, picks that close the
// collinear chain of the sample (A 40 ±0.1 less B 10 +0.05/0 gives C 30 +0.1/-0.15), the
// two-object picks, the grid tool bar, grid edits, settings, chain switches, and the command's
// run loop with its messages.

#include "pmDimensionChain2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "FacadeChainHost.h"
#include "Panel2DFixture.h"
#include "pmCommands.h"

using tvhost::THostPropertyControl;

TEST_F(TpmDimensionChain2DTest, PanelIsBuiltWithItsCaptionsGridToolBarAndHiddenControls)
{
    Open();
    EXPECT_EQ(U(Param().Caption()), "Размерная цепь");
    EXPECT_EQ(Prompt(), "Выберите размер");
    ASSERT_EQ(Param().Tabs().Tabs().size(), 2u);
    EXPECT_EQ(U(Param().Tabs().Tabs()[0]->Name()), "Параметры");
    EXPECT_EQ(U(Param().Tabs().Tabs()[1]->Name()), "Настройки");
    EXPECT_EQ(Grid().Columns(), 13);
    EXPECT_EQ(Grid().Rows(), 56);
    const std::vector<int> widths = {48, 24, 72, 60, 60, 24, 60, 60, 60, 60, 180, 60, 60};
    const std::vector<std::string> headers = {"Цепь", "Н",    "Ном.", "ВО",         "НО",    "П", "У.ВО",
                                              "У.НО", "Д.ВО", "Д.НО", "Примечание", "dl/dT", "dT"};
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(Grid().ColumnWidth(i), widths[i]) << i;
        EXPECT_EQ(Cell(0, i), headers[i]) << i;
    }
    EXPECT_EQ(Cell(1, 0), "");
    ASSERT_TRUE(Grid().ToolBar());
    const auto& tools = Grid().ToolBar()->Buttons();
    ASSERT_EQ(tools.size(), 4u);
    EXPECT_EQ(U(tools[0].Tip), "Преобразовать в (радиус,диаметр, противоположное направление)");
    EXPECT_EQ(tools[0].Image, 58345);
    EXPECT_EQ(U(tools[3].Tip), "Удалить размер");
    EXPECT_EQ(U(Control("Звенья")->Caption()), "Звенья");
    EXPECT_EQ(Control("Текущая")->Int(), 1);
    EXPECT_EQ(Control("Текущая")->Range(), (std::pair<double, double>{1, 1}));
    EXPECT_EQ(U(Control("Всего")->Text()), "1");
    EXPECT_FALSE(Control("Распознаная")->Visible());
    EXPECT_FALSE(Control("Коэффициент риска")->Visible()); // a new chain calculates by min-max
    EXPECT_FALSE(Host(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim)).Visible());
    EXPECT_FALSE(Host(tvapi::IPropertyControlPtr(Panel->sbDimChain)).Visible());
}

TEST_F(TpmDimensionChain2DTest, PickingTheClosingDimensionCalculatesItAndWritesItsDeviations)
{
    DrawChain();
    Open();
    PickChain();
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"  0,100", "Цепь замкнулась"}));
    EXPECT_EQ(Upper(C), L"  0,100");
    EXPECT_EQ(Lower(C), L" -0,150");
    EXPECT_EQ(Cell(1, 0), "01.00");
    EXPECT_EQ(Cell(1, 1), "+");
    EXPECT_EQ(Cell(1, 2), "  40.00");
    EXPECT_EQ(Cell(3, 0), "01.02*");
    EXPECT_TRUE(Panel->SlideGroup);

    // Closed: another dimension is refused, a link of the chain is removed.
    const tvapi::IDrawingObjectPtr other = Dim(0, -15, 80, -12, -28);
    Pick(40, -28);
    EXPECT_EQ(Statuses().back(), "Невозможно добавить к замкнутой цепи");
    Pick(35, 34);
    EXPECT_EQ(Panel->Chain().Count(), 2);
    EXPECT_FALSE(Panel->Chain().Closed);
    EXPECT_EQ(Prompt(), "Укажите размер");
}

TEST_F(TpmDimensionChain2DTest, RecognitionOnThousandsOfSharedExtensionLinesStopsAtItsCap)
{
    // 800 steps of a shaft stacked on the same four extension lines: the paths from a closing
    // dimension multiply with every step, and a search without a bound does not end.
    constexpr int Steps = 800;
    for (int g = 0; g < Steps; ++g) {
        const double y = 100.0 * g;
        const tvapi::IDrawingObjectPtr c = Dim(0, 15 + y, 30, 20 + y, 28 + y);
        Dim(0, 15 + y, 40, 20 + y, 44 + y, 0.1, -0.1);
        Dim(30, 20 + y, 40, 20 + y, 34 + y, 0.05, 0.0);
        Dim(0, 15 + y, 80, 12 + y, 12 + y);
        Dim(40, 20 + y, 80, 12 + y, 2 + y);
        if (g == Steps / 2) C = c;
    }
    Open();
    Pick(15, 28 + 100.0 * (Steps / 2));
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
    const std::vector<std::string> said = Statuses();
    ASSERT_GE(said.size(), 3u); // the closing dimension's text read back comes last
    EXPECT_EQ(said[said.size() - 2], "Поиск остановлен: просмотрено 100000 путей");
    EXPECT_EQ(said[said.size() - 3].rfind("Распознаны ", 0), 0u) << said[said.size() - 3];
    ASSERT_GE(Panel->Chain().Count(), 2);
    EXPECT_TRUE(Panel->Chain().Dimensions[Panel->Chain().Count() - 1].Obj == C);
    EXPECT_TRUE(Panel->Chain().Closed);
}

// A derived link (a radius of a diametral dimension, with no dimension of its own) starts a
// recognition as any other link: here the radius 0..10 closes with 0..30 less 10..30.
TEST_F(TpmDimensionChain2DTest, RecognitionStartsFromADerivedLink)
{
    const tvapi::IDrawingObjectPtr circle = Circle(true, 0, 0, 10);
    const tvapi::IDrawingObjectPtr along = Segment(0, -30, 1, -30);
    A = Dim(0, 15, 30, 20, 44);
    B = Dim(10, 15, 30, 20, 34);
    Open();
    TDimension source, radius;
    source.SetDDim(FacadeChainHost(), circle, {});
    ASSERT_TRUE(radius.SetDerivative(FacadeChainHost(), source, 1, along));
    Panel->Chain().Dimensions.Add(radius);
    Panel->DimensionChains.CurrentDim = 0;
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->bAddDimChainForDim), 1);
    const TDimensionChain& found = Panel->Chain();
    ASSERT_EQ(found.Count(), 3);
    EXPECT_TRUE(found.Closed);
    EXPECT_TRUE(found.Dimensions[2].IsSameObject(radius));
    EXPECT_TRUE((found.Dimensions[0].Obj == A && found.Dimensions[1].Obj == B) ||
                (found.Dimensions[0].Obj == B && found.Dimensions[1].Obj == A));
    EXPECT_EQ(Cell(3, 0), "01.02*");
}

TEST_F(TpmDimensionChain2DTest, CircularPickAwaitsItsDirectionAndAnEmptyClickAbandonsIt)
{
    const tvapi::IDrawingObjectPtr radial = Circle(false, 130, 0, 5, 0.05, -0.05);
    tvapi::IRadialDimensionPtr(radial)->SetAngle(0);
    const tvapi::IDrawingObjectPtr axis = Segment(100, 20, 160, 20);
    Open();
    Pick(133, 0);
    EXPECT_EQ(Panel->State, TpmDimensionChain2D::stDirection);
    EXPECT_EQ(Prompt(), "Укажите объект задающий направление");
    Panel->PlacementChanged(60, -60, 0, false);
    EXPECT_EQ(Panel->State, TpmDimensionChain2D::stBase);
    EXPECT_EQ(Prompt(), "Укажите размер");
    EXPECT_FALSE(Panel->WaitAuxiliary);

    Pick(133, 0);
    Pick(150, 20);
    ASSERT_EQ(Panel->Chain().Count(), 1);
    const TDimension before = Panel->Chain().Dimensions[0];
    Panel->SelectItem(tvapi::IPropertyControlPtr(Panel->grListDimChain), 0 * 256 + 1, true);
    const tvapi::IPropertyControlPtr grid(Panel->grListDimChain);
    Panel->ControlCommand(grid, 1);
    const TDimension& L = Panel->Chain().Dimensions[0];
    EXPECT_DOUBLE_EQ(L.QHigh, 2 * before.QHigh); // radius to diameter
    EXPECT_EQ(Cell(1, rNominal) + Cell(1, rQLow), "  10.00 -0.100");
    EXPECT_DOUBLE_EQ(L.V2.Len(), 2 * before.V2.Len());
    Panel->ControlCommand(grid, 1);
    EXPECT_DOUBLE_EQ(L.QHigh, before.QHigh);
    EXPECT_DOUBLE_EQ(L.QLow, before.QLow);
    EXPECT_DOUBLE_EQ(L.V2.Len(), before.V2.Len());
}

TEST_F(TpmDimensionChain2DTest, GridEditsSettingsAndToolBarWithoutACurrentLink)
{
    DrawChain();
    Open();
    const tvapi::IPropertyControlPtr grid(Panel->grListDimChain);
    Panel->ControlCommand(grid, 4);
    EXPECT_EQ(Statuses().back(), "Не определено текущее звено цепи");
    PickChain();
    Grid().SetCurrentCell(1, 9);
    Grid().SetCellText(1, 9, L"0,05");
    Panel->ChangeControlValue(grid);
    EXPECT_DOUBLE_EQ(Panel->Chain().Dimensions[0].EQLow, 0.05);
    EXPECT_EQ(Cell(1, 9), "  0.050");
    Grid().SetCurrentCell(4, 9); // past the last link: nothing
    Grid().SetCellText(4, 9, L"7");
    Panel->ChangeControlValue(grid);
    EXPECT_EQ(Cell(4, 9), "7");

    THostPropertyControl& method = *Control("Способ расчета");
    ASSERT_TRUE(method.UserSet(L"Нормальное распределение"));
    Panel->ChangeControlValue(tvapi::IPropertyControlPtr(static_cast<tvapi::IPropertyList*>(&method)));
    EXPECT_EQ(Panel->Chain().MethodCalculating, mcNormalDistribution);
    EXPECT_DOUBLE_EQ(Panel->Chain().Lambda, 1.0 / 9.0);
    EXPECT_TRUE(Control("Коэффициент риска")->Visible());
    ASSERT_TRUE(method.UserSet(L"Минимум Максимум"));
    Panel->ChangeControlValue(tvapi::IPropertyControlPtr(static_cast<tvapi::IPropertyList*>(&method)));
    EXPECT_DOUBLE_EQ(Panel->Chain().Lambda, 1.0);
    EXPECT_FALSE(Control("Коэффициент риска")->Visible());
}

// The angular dimension picked for the linked A: A takes its deviations in place, and the grid
// is redrawn with them at once.
TEST_F(TpmDimensionChain2DTest, AngularDimensionPickedForALinkIsShownAtOnce)
{
    DrawChain();
    const tvapi::IAngleDimensionPtr angle(Angle(0, 30, 0.5, -0.5));
    angle->SetXc(60);
    angle->SetYc(-40);
    angle->SetDistance(10);
    Open();
    Pick(20, 44);
    Pick(35, 34);
    const int redraws = Grid().Redraws();
    Pick(60 + 10 * std::cos(0.2618), -40 + 10 * std::sin(0.2618));
    ASSERT_EQ(Panel->State, TpmDimensionChain2D::stAngle);
    Pick(20, 44);
    EXPECT_EQ(Panel->Chain().Count(), 2);
    EXPECT_EQ(Cell(1, 6), "30'");
    EXPECT_EQ(Cell(1, 7), "-30'");
    EXPECT_GT(Grid().Redraws(), redraws);
}

// Stored chains that cannot be read - cut, cut below the header behind the stream's mark, or
// with a method, Lambda or risk factor no calculation can use - are told on opening and kept
// over an OK; a chain the user builds is stored over them.
TEST_F(TpmDimensionChain2DTest, DamagedStoredChainsAreToldAndKeptWhateverIsBuilt)
{
    std::vector<Byte> valid; // one empty chain: its method at byte 305, Lambda 309, risk 317
    TDimensionChains().to(valid);
    ASSERT_EQ(valid.size(), 325u);
    const auto with = [&](std::size_t at, auto value) {
        std::vector<Byte> v = valid;
        std::memcpy(v.data() + at, &value, sizeof value);
        return v;
    };
    const std::vector<std::vector<Byte>> damaged = {{valid.begin(), valid.begin() + 100},
                                                    {valid.begin(), valid.begin() + 300},
                                                    with(305, std::int32_t(7)),
                                                    with(309, std::nan("")),
                                                    with(309, 1e300),
                                                    with(317, HUGE_VAL),
                                                    with(317, -1.0)};
    const auto stored = [&] {
        std::vector<Byte> bytes;
        EXPECT_TRUE(drApi::MA.drGetUserData(R().IDoc, TString("DimChains"), bytes, {}));
        return bytes;
    };
    std::string error;
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(drApi::MA.drSetUserData(R().IDoc, TString("DimChains"), damaged[i], false, {}));
        ASSERT_TRUE(tvhost::Script().Load("ok\n", error));
        Journal().Clear();
        EXPECT_TRUE(DimensionChain());
        EXPECT_EQ(Statuses(),
                  (std::vector<std::string>{"Сохраненные размерные цепи повреждены и не прочитаны"}));
        EXPECT_EQ(stored(), damaged[i]);
    }
    // A chain built over them is not stored either, and the next opening tells them again.
    DrawChain();
    ASSERT_TRUE(tvhost::Script().Load("move 20 44\nclick 20 44\nmove 15 28\nclick 15 28\nok\n", error));
    Journal().Clear();
    EXPECT_TRUE(DimensionChain());
    const std::vector<std::string> shown = Statuses();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), "В документ записана размерная цепь"), 0);
    EXPECT_EQ(stored(), damaged.back());
    ASSERT_TRUE(tvhost::Script().Load("ok\n", error));
    Journal().Clear();
    EXPECT_TRUE(DimensionChain());
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"Сохраненные размерные цепи повреждены и не прочитаны"}));
}

TEST_F(TpmDimensionChain2DTest, NewChainsStartEmptyAndEverySwitchForgetsTheCurrentLink)
{
    DrawChain();
    Open();
    PickChain();
    EXPECT_EQ(Panel->DimensionChains.CurrentDim, 2);
    const tvapi::IPropertyControlPtr add(Panel->bAddDimChain), remove(Panel->bRemoveDimChain);
    Panel->ControlCommand(add, 1);
    EXPECT_EQ(Panel->DimensionChains.Current, 1);
    EXPECT_EQ(Panel->Chain().Count(), 0);
    EXPECT_EQ(Panel->CurrentLink(), nullptr);
    EXPECT_EQ(U(Control("Всего")->Text()), "2");
    Panel->ControlCommand(tvapi::IPropertyControlPtr(Panel->grListDimChain), 1);
    EXPECT_EQ(Statuses().back(), "Не определено текущее звено цепи");

    // Removing chain 0 of two, then adding again: the slot left behind is not reused as it was.
    Control("Текущая")->UserSet(L"1");
    Panel->ChangeControlValue(
        tvapi::IPropertyControlPtr(static_cast<tvapi::IPropertySpinEdit*>(Control("Текущая"))));
    EXPECT_EQ(Panel->Chain().Count(), 3);
    Panel->ControlCommand(remove, 1);
    EXPECT_EQ(Panel->DimensionChains.DimChains.Count, 1);
    Panel->ControlCommand(add, 1);
    EXPECT_EQ(Panel->Chain().Count(), 0);
    EXPECT_EQ(Cell(1, 0), "");
}

// Adding chains moves the chain array; the settings lists still reach the current chain.
TEST_F(TpmDimensionChain2DTest, SettingsReachTheCurrentChainAfterTheChainsGrew)
{
    Open();
    const tvapi::IPropertyControlPtr add(Panel->bAddDimChain);
    for (int i = 0; i < 6; ++i)
        Panel->ControlCommand(add, 1);
    ASSERT_EQ(Panel->DimensionChains.Current, 6);
    Choose("Способ расчета", L"Нормальное распределение");
    Choose("Коэффициент риска", L"0.27");
    EXPECT_EQ(Panel->Chain().MethodCalculating, mcNormalDistribution);
    EXPECT_DOUBLE_EQ(Panel->Chain().RiskFactor, 3.0);
    EXPECT_EQ(Panel->DimensionChains.DimChains[0].MethodCalculating, mcMinMax);
    EXPECT_DOUBLE_EQ(Panel->DimensionChains.DimChains[0].RiskFactor, 1.0);
    Choose("Способ расчета", L"Минимум Максимум"); // resets the factor, and the list shows it
    EXPECT_DOUBLE_EQ(Panel->Chain().RiskFactor, 1.0);
    EXPECT_DOUBLE_EQ(*Panel->RiskFactor.PReal, 1.0);
}

TEST_F(TpmDimensionChain2DTest, CancelDuringAPickAsksForARestart)
{
    const tvapi::IDrawingObjectPtr radial = Circle(false, 130, 0, 5);
    Open();
    Pick(133, 0);
    EXPECT_FALSE(Panel->ButtonClick(2));
    EXPECT_EQ(Panel->ExitCode, 2);
    EXPECT_EQ(Panel->State, TpmDimensionChain2D::stBase);
    EXPECT_TRUE(Panel->ButtonClick(2)); // nothing pending now: the run ends, the code stays
    EXPECT_EQ(Panel->ExitCode, 2);
}

// Two restarts, then OK: three runs of the same panel, the success message once. A cancel, or
// a run the host fails, gives no message.
TEST_F(TpmDimensionChain2DTest, CommandRunsThePanelAgainWhileItAsksForARestart)
{
    const tvapi::IDrawingObjectPtr radial = Circle(false, 130, 0, 5);
    std::string error;
    ASSERT_TRUE(tvhost::Script().Load("move 133 0\nclick 133 0\ncancel\ncancel\n"
                                      "move 133 0\nclick 133 0\ncancel\ncancel\nok\n",
                                      error));
    EXPECT_TRUE(DimensionChain());
    EXPECT_EQ(pmDimensionChain2D, nullptr);
    EXPECT_EQ(Journal().Count("IProcess::Run"), 3u);
    const std::vector<std::string> statuses = Statuses();
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), "В документ записана размерная цепь"), 1);

    ASSERT_TRUE(tvhost::Script().Load("cancel\n", error));
    for (bool fails : {false, true}) {
        if (fails) InjectFault("IProcess::Run", tvhost::fkThrow);
        Journal().Clear();
        EXPECT_TRUE(DimensionChain());
        EXPECT_EQ(pmDimensionChain2D, nullptr);
        EXPECT_TRUE(Statuses().empty());
        EXPECT_EQ(Journal().Count("IApplication::ShowMessageBox"), 0u);
    }
}

TEST_F(TpmDimensionChain2DTest, OtherDocumentsGetTheirMessagesAndNoPanel)
{
    const std::pair<tvapi::DocumentTypeEnum, const char*> cases[] = {
        {tvapi::tvDocumentTextual, "Документ не является Чертежом/Моделью"},
        {tvapi::tvDocumentPart, "Документ не является Моделью/Сборкой"}};
    for (const auto& [type, message] : cases) {
        SCOPED_TRACE(message);
        TFacadeFixture::Open(type);
        Journal().Clear();
        EXPECT_FALSE(DimensionChain());
        const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].Arguments.at(0), message);
        EXPECT_EQ(Journal().Count("IProcess::Run"), 0u);
    }
}

// A library with property panels, for the scripted runs of the tvhost command. Command 1
// builds a panel with the framework's builders and bindings and runs the host process (which
// plays the script); command 2 runs a 3D panel with one hot point bound to its X and Y, whose
// picked marker opens the point's editor in the view; commands 3 and 4 run the measure and
// insert-model panels and command 5 counts an assembly's components and mates. Each tells the
// user how the run ended and what the variables hold.
#include <cstdio>
#include <filesystem>
#include <string>

#include "TAdapter.h"
#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"
#include "pmInsertModel.h"
#include "pmMeasurer.h"
#include "tvapi/Application.h"
#include "tvapi/LibraryActions.h"

namespace {

tvapi::IApplication* GApp = nullptr;
constexpr unsigned int HotPointCommand = 2;
constexpr unsigned int MeasureCommand = 3; // the measure panel on the open part
constexpr unsigned int InsertCommand = 4;  // brick.qpt beside the open assembly inserted into it
constexpr unsigned int CountCommand = 5;   // the components and mates of the open assembly

class TDemoPanel : public TBaseManager {
public:
    double Length = 12.5;
    int Links = 2;
    bool Report = true;
    TEnum Method{"Метод", 0, {"Минимум Максимум", "Равная вероятность"}};
    tvapi::IPropertyGridPtr Grid;

    TDemoPanel()
    {
        const tvapi::IProcessFactoryPtr factory{tvapi::IApplicationPtr(GApp)};
        if (!factory || !ProcessParam) return;
        ProcessParam->SetCaption(L"Размерная цепь");
        PropertyTabs = ProcessParam->GetPropertyTabs();
        Process = factory->CreateProcess2D(ProcessParam);
        AddTab("Параметры");
        AddEditValue("Длина", "", Length, false);
        AddEditValue("Звеньев", "", Links, 1, 5, false);
        AddEditValue("Отчёт", "", Report, false);
        AddEditValue("Метод", "", Method);
        Grid = AddGrid("Звенья", "", 2, 6, false, 1, 1);
        FillGrid();
        // Disabled for good: a script's press on a button no user can press.
        if (Grid) {
            AddPushButtonTo(Grid->GetToolBar(), 0, {{1, 0, "Удалить звено"}});
            Grid->GetToolBar()->SetButtonEnabled(1, false);
        }
        SetPrompt("Укажите размер");
    }
    ~TDemoPanel() override { Grid.Reset(); }

    bool ButtonClick(int id) override
    {
        if (id != 1 && id != 2) return false;
        Stop(id == 1 ? 0 : 1);
        return true;
    }
    // A change of the link count rebuilds the table.
    bool ChangeValue(void* Pointer, int) override
    {
        if (Pointer == &Links) FillGrid();
        return false;
    }

private:
    void FillGrid()
    {
        if (!Grid) return;
        Grid->SetRowCount(Links + 1);
        Grid->SetCellText(0, 0, L"N");
        Grid->SetCellText(0, 1, L"Размер");
        for (int r = 1; r <= Links; ++r)
            Grid->SetCellText(r, 0, std::to_wstring(r).c_str());
    }
};

class THotPointPanel : public TBaseManager3D {
public:
    double X = 10.0;
    double Y = 20.0;
    THotPointsData Points;

    THotPointPanel() : TBaseManager3D("Точка вставки", "Укажите точку", pnEnterEscHelp, 38, "Параметры")
    {
        AddEditValue("X", "", X, false);
        AddEditValue("Y", "", Y, false);
        Points.Add2D(X, Y, 0.0);
        Points[0].Caption = "Точка вставки";
        Points[0][0].Comment = "X";
        Points[0][1].Comment = "Y";
        AHotPoint = &Points;
        Advise();
        RedrawPhantom(); // the marker
    }
    ~THotPointPanel() override
    {
        AHotPoint = nullptr;
        for (THotPointData& p : Points)
            p.Obj.Reset();
    }

    bool ButtonClick(int id) override
    {
        if (id != 1 && id != 2) return false;
        Stop(id == 1 ? 0 : 1);
        return true;
    }
};

void Tell(const std::wstring& text)
{
    GApp->ShowMessageBox(text.c_str(), L"panel", tvapi::tvMessageInformation, tvapi::tvButtonSetOk, 0);
}

std::wstring Number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", v);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

void RunDemo()
{
    TDemoPanel panel;
    panel.Advise();
    const int result = panel.Process ? panel.Process->Run(true, false) : 0;
    Tell(L"run " + std::to_wstring(result) + L", exit code " + std::to_wstring(panel.ExitCode) +
         L", length " + Number(panel.Length) + L", links " + std::to_wstring(panel.Links) + L", method " +
         std::to_wstring(*panel.Method.PInt) + L", report " + (panel.Report ? L"yes" : L"no"));
}

void RunHotPoint()
{
    THotPointPanel panel;
    const bool result = panel.Run(true, false);
    Tell(L"run " + std::wstring(result ? L"true" : L"false") + L", exit code " +
         std::to_wstring(panel.ExitCode) + L", x " + Number(panel.X) + L", y " + Number(panel.Y));
}

void RunMeasure()
{
    Tell(L"result \"" + Wide(cmMeasurer(1)) + L"\"");
}

void RunInsert()
{
    const tvapi::ITervanDocumentPtr doc = GApp->GetActiveDocument();
    const std::filesystem::path model =
        std::filesystem::path(doc ? doc->GetFileName() : std::wstring()).parent_path() / "brick.qpt";
    tvapi::IPartPtr none;
    const tvapi::IPartPtr made = cmInsertModel(TString(model.wstring()), none, nullptr);
    const tvapi::ITervanDocument3DPtr doc3D(doc);
    const tvapi::IMateConstraints3DPtr mates =
        doc3D ? doc3D->GetMateConstraints() : tvapi::IMateConstraints3DPtr();
    Tell(std::wstring(made ? L"inserted" : L"nothing inserted") + L", mates " +
         std::to_wstring(mates ? mates->GetCount() : 0));
}

void RunCount()
{
    const tvapi::ITervanDocument3DPtr doc(GApp->GetActiveDocument());
    const tvapi::IPartPtr top = doc ? doc->GetTopPart() : tvapi::IPartPtr();
    const tvapi::IPartsPtr parts = top ? top->GetParts() : tvapi::IPartsPtr();
    const tvapi::IMateConstraints3DPtr mates =
        doc ? doc->GetMateConstraints() : tvapi::IMateConstraints3DPtr();
    Tell(L"components " + std::to_wstring(parts ? parts->GetCount() : 0) + L", mates " +
         std::to_wstring(mates ? mates->GetCount() : 0));
}

void RunCommand(unsigned int command, tvapi::tvRunCommandModeEnum)
{
    try {
        if (command == HotPointCommand)
            RunHotPoint();
        else if (command == MeasureCommand)
            RunMeasure();
        else if (command == InsertCommand)
            RunInsert();
        else if (command == CountCommand)
            RunCount();
        else
            RunDemo();
    } catch (...) {
        Tell(L"the panel failed");
    }
    drApi::MA.R3->IDoc.Reset();
    drApi::MA.R3->IDoc2D.Reset();
    drApi::MA.R3->IDoc3D.Reset();
    drApi::MA.R3->ITessellationMng.Reset();
}

void CommandState(int, bool& enable, int&, std::wstring&)
{
    enable = true;
}

} // namespace

extern "C" __attribute__((visibility("default"))) bool
LoadTervanLibrary(tvapi::IApplication& app, tvapi::ITervanLibraryActions& actions)
{
    GApp = &app;
    drApi::MA.R3->Tervan7 = &app;
    actions.RegisterRunCommand(RunCommand);
    actions.RegisterCommandState(CommandState);
    actions.RegisterLibraryId([] { return 2000; });
    return true;
}

extern "C" __attribute__((visibility("default"))) void UnloadTervanLibrary()
{
    drApi::MA.Done();
    GApp = nullptr;
}

// A library with one 3D panel and one hot point, for the scripted runs of the tvhost command:
// the hot point bound to the panel's X and Y shows its marker; picking the marker opens the
// point's editor in the view, where the user types a value. The command tells the user how
// the run ended and what the variables hold.
#include <cstdio>
#include <string>

#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"
#include "tvapi/Application.h"
#include "tvapi/LibraryActions.h"

namespace {

tvapi::IApplication* GApp = nullptr;

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

void RunCommand(unsigned int, tvapi::tvRunCommandModeEnum)
{
    try {
        drApi::MA.R3->Tervan7 = GApp;
        THotPointPanel panel;
        const bool result = panel.Run(true, false);
        Tell(L"run " + std::wstring(result ? L"true" : L"false") + L", exit code " +
             std::to_wstring(panel.ExitCode) + L", x " + Number(panel.X) + L", y " + Number(panel.Y));
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

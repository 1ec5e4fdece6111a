// ==== drApi::TModelerApi (drModelerAPI.h), part: boxes, help, resource strings, progress ========
// Host message boxes, help, resource strings and progress of the facade. The suppression
// mode is switched for the span of a box by a scope guard, so a throwing host still gets
// its mode back.

#include "drModelerAPI.h"

#include "Messager.h"
#include "tvapi/Application.h"
#include "tvapi/Dictionary.h"
#include "tvapi/Libraries.h"

#include <string>

namespace drApi {

namespace {

constexpr int InformationFlags = 0; // the host's final box argument for information boxes
constexpr int QuestionFlags = 1;    // and for questions and warnings

// Puts the remembered suppression mode back when the box is over, however it ends.
class TRestoreHideMessage {
public:
    TRestoreHideMessage(tvapi::IApplication& app, tvapi::tvHideMessageEnum mode) : FApp(app), FMode(mode) {}
    ~TRestoreHideMessage()
    {
        try {
            FApp.SetHideMessage(FMode);
        } catch (...) {
            // A destructor must not throw; the host keeps whatever mode it has.
        }
    }
    TRestoreHideMessage(const TRestoreHideMessage&) = delete;
    TRestoreHideMessage& operator=(const TRestoreHideMessage&) = delete;

private:
    tvapi::IApplication& FApp;
    tvapi::tvHideMessageEnum FMode;
};

tvapi::tvMessageButtonEnum ShownBox(tvapi::IApplication& app, const TString& text, const TString& caption,
                                    tvapi::tvMessageTypeEnum type, tvapi::tvMessageButtonSetEnum buttons,
                                    int flags)
{
    const tvapi::tvHideMessageEnum saved = app.GetHideMessage();
    app.SetHideMessage(tvapi::tvShowMessage);
    const TRestoreHideMessage restore(app, saved);
    const std::wstring wText = Wide(text);
    const std::wstring wCaption = Wide(caption);
    return app.ShowMessageBox(wText.c_str(), wCaption.c_str(), type, buttons, flags);
}

} // namespace

void TModelerApi::LiftBox(const TString& Text)
{
    tvapi::IApplication* app = Application();
    if (!app) return;
    ShownBox(*app, Text, R3->FileName, tvapi::tvMessageInformation, tvapi::tvButtonSetOk, InformationFlags);
}

Boolean TModelerApi::QuestionBox(const TString& Text, const TString&)
{
    tvapi::IApplication* app = Application();
    if (!app) return false;
    return ShownBox(*app, Text, R3->FileName, tvapi::tvMessageQuestion, tvapi::tvButtonSetYesNo,
                    QuestionFlags) == tvapi::tvButtonYes;
}

void TModelerApi::WarningBox(const TString& Text, const TString&)
{
    tvapi::IApplication* app = Application();
    if (!app) return;
    const std::wstring wText = Wide(Text);
    const std::wstring wCaption = Wide(R3->FileName);
    app->ShowMessageBox(wText.c_str(), wCaption.c_str(), tvapi::tvMessageWarning, tvapi::tvButtonSetOk,
                        QuestionFlags);
}

void TModelerApi::OpenHelp(const TString&, int TypeHelp, int Id)
{
    if (R3->Library) R3->Library->ShowHelp(Id, TypeHelp);
}

std::wstring TModelerApi::LoadResourceString(tvapi::ResourceModule RM, int strId)
{
    const tvapi::IProceduresLibraryPtr& library = MA.R3->Library;
    if (!library) return {};
    const tvapi::ITervanDictionaryPtr dictionary = library->GetDictionary();
    if (!dictionary) return {};
    return dictionary->GetResourceString(RM, strId);
}

void TModelerApi::NextProgress(const TString& Message)
{
    if (TRunningProcess* panel = Messager.Process()) panel->NextProgress(Message);
}

void TModelerApi::UpdateProgress(const TString& Message)
{
    if (TRunningProcess* panel = Messager.Process()) panel->UpdateProgress(Message);
}

} // namespace drApi

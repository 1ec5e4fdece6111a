// Host message boxes of the facade: the suppression mode is switched for the span of the
// box by a scope guard, so a throwing host still gets its mode back.

#include "drModelerAPI.h"

#include "tvapi/Application.h"

#include <string>

namespace drApi {

namespace {

constexpr int InformationFlags = 0;  // the host's final box argument for information boxes
constexpr int QuestionFlags = 1;     // and for questions

std::wstring Wide(const TString& s)
{
    std::wstring w(static_cast<std::size_t>(s.Length()) + 1, L'\0');
    s.toWideChar(w.data());
    w.resize(static_cast<std::size_t>(s.Length()));
    return w;
}

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
    if (!app)
        return;
    ShownBox(*app, Text, R3->FileName, tvapi::tvMessageInformation, tvapi::tvButtonSetOk, InformationFlags);
}

Boolean TModelerApi::QuestionBox(const TString& Text, const TString&)
{
    tvapi::IApplication* app = Application();
    if (!app)
        return false;
    return ShownBox(*app, Text, R3->FileName, tvapi::tvMessageQuestion, tvapi::tvButtonSetYesNo,
                    QuestionFlags) == tvapi::tvButtonYes;
}

} // namespace drApi

// The application object of the stand-in host.
#include "HostApplication.h"

#include <string>

#include "HostText.h"

namespace tvhost {

THostApplication::THostApplication() : FDictionary(New<THostDictionary>()) {}

tvapi::tvHideMessageEnum THostApplication::GetHideMessage() {
    if (!Enter("IApplication::GetHideMessage")) return tvapi::tvShowMessage;
    return FHideMessage;
}

void THostApplication::SetHideMessage(tvapi::tvHideMessageEnum mode) {
    if (!Enter("IApplication::SetHideMessage", {std::to_string(mode)})) return;
    FHideMessage = mode;
}

tvapi::tvMessageButtonEnum THostApplication::ShowMessageBox(const wchar_t* text, const wchar_t* caption,
                                                            tvapi::tvMessageTypeEnum type,
                                                            tvapi::tvMessageButtonSetEnum buttons,
                                                            int flags) {
    if (!Enter("IApplication::ShowMessageBox",
               {ToUtf8(text), ToUtf8(caption), std::to_string(type), std::to_string(buttons),
                std::to_string(flags), std::to_string(FHideMessage)}))
        return tvapi::tvMessageButtonEnum{};
    if (FAnswers.empty()) return static_cast<tvapi::tvMessageButtonEnum>(DefaultAnswer);
    const int answer = FAnswers.front();
    FAnswers.pop_front();
    return static_cast<tvapi::tvMessageButtonEnum>(answer);
}

tvapi::ITervanDictionaryPtr THostApplication::GetDictionary() {
    if (!Enter("IApplication::GetDictionary")) return {};
    return tvapi::ITervanDictionaryPtr(FDictionary);
}

void THostApplication::PushAnswer(int answer) {
    FAnswers.push_back(answer);
}

} // namespace tvhost

// The application object of the stand-in host.
#include "HostApplication.h"

#include <ostream>
#include <string>

#include "HostText.h"

namespace tvhost {

namespace {

THostApplication* GCurrent = nullptr;

const char* BoxKind(tvapi::tvMessageTypeEnum type)
{
    switch (type) {
    case tvapi::tvMessageQuestion:
        return "question";
    case tvapi::tvMessageWarning:
        return "warning";
    case tvapi::tvMessageInformation:
        return "information";
    default:
        return "message";
    }
}

// The service in `slot`, made on first use.
template <class T> T& Made(tvapi::Ptr<T>& slot)
{
    if (!slot) slot = New<T>();
    return *slot;
}

} // namespace

THostApplication::THostApplication() : FDictionary(New<THostDictionary>())
{
    GCurrent = this;
}

THostApplication::~THostApplication()
{
    if (GCurrent == this) GCurrent = nullptr;
    EndSession();
}

THostApplication* THostApplication::Current() noexcept
{
    return GCurrent;
}

tvapi::tvHideMessageEnum THostApplication::GetHideMessage()
{
    if (!Enter("IApplication::GetHideMessage")) return tvapi::tvShowMessage;
    return FHideMessage;
}

void THostApplication::SetHideMessage(tvapi::tvHideMessageEnum mode)
{
    if (!Enter("IApplication::SetHideMessage", {std::to_string(mode)})) return;
    FHideMessage = mode;
}

tvapi::tvMessageButtonEnum THostApplication::ShowMessageBox(const wchar_t* text, const wchar_t* caption,
                                                            tvapi::tvMessageTypeEnum type,
                                                            tvapi::tvMessageButtonSetEnum buttons, int flags)
{
    if (!Enter("IApplication::ShowMessageBox",
               {ToUtf8(text), ToUtf8(caption), std::to_string(type), std::to_string(buttons),
                std::to_string(flags), std::to_string(FHideMessage)}))
        return tvapi::tvMessageButtonEnum{};
    if (FBoxOut) {
        *FBoxOut << "box " << BoxKind(type) << " \"" << ToUtf8(caption) << "\": " << ToUtf8(text);
        if (FHideMessage != tvapi::tvShowMessage) *FBoxOut << " [hide mode " << FHideMessage << "]";
        *FBoxOut << '\n';
    }
    if (FAnswers.empty()) return static_cast<tvapi::tvMessageButtonEnum>(DefaultAnswer);
    const int answer = FAnswers.front();
    FAnswers.pop_front();
    return static_cast<tvapi::tvMessageButtonEnum>(answer);
}

tvapi::ITervanDictionaryPtr THostApplication::GetDictionary()
{
    if (!Enter("IApplication::GetDictionary")) return {};
    return tvapi::ITervanDictionaryPtr(FDictionary);
}

tvapi::IApplicationServicesPtr THostApplication::GetApplicationServices()
{
    if (!Enter("IApplication::GetApplicationServices")) return {};
    return tvapi::IApplicationServicesPtr(&Services());
}

tvapi::ISystemSettingsPtr THostApplication::GetSystemSettings()
{
    if (!Enter("IApplication::GetSystemSettings")) return {};
    return tvapi::ISystemSettingsPtr(&Settings());
}

tvapi::ITervanErrorPtr THostApplication::GetTervanError()
{
    if (!Enter("IApplication::GetTervanError")) return {};
    return tvapi::ITervanErrorPtr(&Error());
}

tvapi::ILibraryManagerPtr THostApplication::GetLibraryManager()
{
    if (!Enter("IApplication::GetLibraryManager")) return {};
    return tvapi::ILibraryManagerPtr(&LibraryManager());
}

tvapi::IProgressBarPtr THostApplication::GetProgressBar()
{
    if (!Enter("IApplication::GetProgressBar")) return {};
    return tvapi::IProgressBarPtr(&Progress());
}

bool THostApplication::GetVersion(int* major, int* minor, int* release, int* build)
{
    if (!Enter("IApplication::GetVersion")) return false;
    int* const out[4] = {major, minor, release, build};
    for (int i = 0; i < 4; ++i)
        if (out[i]) *out[i] = FVersion[i];
    return true;
}

tvapi::IDocumentsPtr THostApplication::GetDocuments()
{
    if (!Enter("IApplication::GetDocuments")) return {};
    return tvapi::IDocumentsPtr(&Documents());
}

tvapi::ITervanDocumentPtr THostApplication::GetActiveDocument()
{
    if (!Enter("IApplication::GetActiveDocument")) return {};
    return FDocuments ? FDocuments->Active() : tvapi::ITervanDocumentPtr();
}

THostApplicationServices& THostApplication::Services()
{
    return Made(FServices);
}

THostSystemSettings& THostApplication::Settings()
{
    return Made(FSettings);
}

THostTervanError& THostApplication::Error()
{
    return Made(FError);
}

THostLibraryManager& THostApplication::LibraryManager()
{
    return Made(FLibraryManager);
}

THostProgressBar& THostApplication::Progress()
{
    return Made(FProgress);
}

THostDocuments& THostApplication::Documents()
{
    return Made(FDocuments);
}

THostTransferService& THostApplication::Transfer()
{
    return Made(FTransfer);
}

void THostApplication::SetVersion(int major, int minor, int release, int build) noexcept
{
    FVersion[0] = major;
    FVersion[1] = minor;
    FVersion[2] = release;
    FVersion[3] = build;
}

void THostApplication::EndSession() noexcept
{
    if (FDocuments) FDocuments->CloseAll();
    if (FTransfer) FTransfer->Clear();
    if (FPanels) FPanels->Clear();
}

void THostApplication::PushAnswer(int answer)
{
    FAnswers.push_back(answer);
}

} // namespace tvhost

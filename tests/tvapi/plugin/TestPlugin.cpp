// A minimal library for the end-to-end test of the tvhost command. It starts up as a
// library does (finds its own file, reads the host version, settings and registration,
// hands over its callbacks) and its command tells the user the kind of the active document.
// Command 99 makes it forget to give back what it holds at unload, as a faulty library would.
#include <string>

#include "tvapi/Application.h"
#include "tvapi/LibraryActions.h"
#include "tvapi/TransferService.h"

namespace {

tvapi::IApplication* GApp = nullptr;
std::wstring GCaption;
// Held from load to unload.
tvapi::ITervanErrorPtr GError;
constexpr unsigned int KeepAtUnloadCommand = 99;
bool GKeepAtUnload = false;

const wchar_t* DocumentKind(tvapi::DocumentTypeEnum type)
{
    switch (type) {
    case tvapi::tvDocumentDrawing:
        return L"drawing";
    case tvapi::tvDocumentFragment:
        return L"fragment";
    case tvapi::tvDocumentSpecification:
        return L"specification";
    case tvapi::tvDocumentPart:
        return L"part";
    case tvapi::tvDocumentAssembly:
        return L"assembly";
    case tvapi::tvDocumentTextual:
        return L"textual";
    case tvapi::tvDocumentTechnologyAssembly:
        return L"technology assembly";
    case tvapi::tvDocumentUnknown:
        break;
    }
    return L"unknown";
}

// Shows `text` in an information box, whatever the suppression mode in force.
void Tell(const std::wstring& text)
{
    const tvapi::tvHideMessageEnum saved = GApp->GetHideMessage();
    GApp->SetHideMessage(tvapi::tvShowMessage);
    GApp->ShowMessageBox(text.c_str(), GCaption.c_str(), tvapi::tvMessageInformation, tvapi::tvButtonSetOk,
                         0);
    GApp->SetHideMessage(saved);
}

// The name between the last "/" and the last ".".
std::wstring BareName(const std::wstring& path)
{
    const std::size_t slash = path.rfind(L'/');
    const std::size_t start = slash == std::wstring::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind(L'.');
    return path.substr(start, dot == std::wstring::npos || dot < start ? std::wstring::npos : dot - start);
}

std::wstring FontOf(const std::wstring& path)
{
    const tvapi::ILibraryManagerPtr manager = GApp->GetLibraryManager();
    const tvapi::IProceduresLibrariesPtr libraries = manager ? manager->GetProceduresLibraries() : nullptr;
    const tvapi::IProceduresLibraryPtr library =
        libraries ? libraries->FindByFileName(path.c_str()) : nullptr;
    return library ? library->GetFontName() : L"none (unregistered)";
}

// Whether the exported transfer service gives back the object it gave a reference for.
bool TransferWorks()
{
    const tvapi::ITransferServicePtr service = GetTransferService();
    const tvapi::IAPIObjectPtr error(GError);
    const int reference = service ? service->GetReference(error) : 0;
    return reference != 0 && service->GetAPIObject(reference, 0) == error;
}

void RunCommand(unsigned int command, tvapi::tvRunCommandModeEnum)
{
    const tvapi::tvHideMessageEnum saved = GApp->GetHideMessage();
    GApp->SetHideMessage(tvapi::tvHideMessageAll);
    std::wstring text = L"command " + std::to_wstring(command) + L": ";
    const tvapi::ITervanDocumentPtr doc = GApp->GetActiveDocument();
    if (!doc)
        text += L"no document";
    else
        text += DocumentKind(doc->GetDocumentType());
    const tvapi::ITervanDocument3DPtr doc3d = doc;
    if (doc3d) text += L", top part " + std::wstring(doc3d->GetTopPart() ? L"found" : L"missing");
    Tell(text);
    if (GError) GError->ClearLastError();
    GApp->SetHideMessage(saved);
    GKeepAtUnload = command == KeepAtUnloadCommand;
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
    const tvapi::IApplicationServicesPtr services = app.GetApplicationServices();
    const std::wstring path = services ? services->GetModuleFileName(&GApp) : L"";
    GCaption = BareName(path);
    int version[4] = {};
    app.GetVersion(&version[0], &version[1], &version[2], &version[3]);
    GError = app.GetTervanError();
    const tvapi::ISystemSettingsPtr settings = app.GetSystemSettings();
    const std::wstring state = settings ? settings->GetSystemPath(tvapi::tvConfigurations) : L"";
    Tell(L"started, host " + std::to_wstring(version[0]) + L"." + std::to_wstring(version[1]) + L"." +
         std::to_wstring(version[2]) + L"." + std::to_wstring(version[3]) + L", font " + FontOf(path) +
         L", state " + state + L", transfer " + (TransferWorks() ? L"ok" : L"failed"));
    actions.RegisterRunCommand(RunCommand);
    actions.RegisterCommandState(CommandState);
    actions.RegisterLibraryId([] { return 2000; });
    return true;
}

extern "C" __attribute__((visibility("default"))) void UnloadTervanLibrary()
{
    if (GKeepAtUnload) return;
    GError.Reset();
    GApp = nullptr;
}

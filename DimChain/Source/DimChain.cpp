// The library entry points and command callbacks. Those that reach the host run their body
// through Guarded, so that no exception gets back into the host: a failure is shown to the
// user and answered with the callback's failure result.

#include "DimChain.h"

#include "ControlModel.h"
#include "Dictionary.h"
#include "Messager.h"
#include "drModelerAPI.h"
#include "pmCommands.h"
#include "tvapi/Application.h"

#include <optional>

namespace {

// The text shown when a callback fails.
constexpr char FailureText[] = "Неизвестная ошибка";

void ReportFailure()
{
    try {
        Messager.LiftBox(DC(TString(FailureText)), TMessager::toAlways);
    } catch (...) {
        // Nothing is left to report with.
    }
}

// Runs Body; when it throws, reports and gives Failure instead.
template <class Body, class Result> Result Guarded(Body&& body, Result failure) noexcept
{
    try {
        return body();
    } catch (...) {
        ReportFailure();
        return failure;
    }
}

// Calls Step, remembering in Failed that it threw; the steps that follow still run.
template <class Step> void Attempt(Step&& step, bool& failed) noexcept
{
    try {
        step();
    } catch (...) {
        failed = true;
    }
}

// Puts back, when the scope ends however it ends, the host's message-suppression mode it
// found; a mode it could not read is left alone. A failing host call is noted in Failed.
class TRestoreHideMessage {
public:
    TRestoreHideMessage(tvapi::IApplication& app, bool& failed) : FApp(app), FFailed(failed)
    {
        Attempt([&] { FSaved = app.GetHideMessage(); }, failed);
    }
    ~TRestoreHideMessage()
    {
        if (FSaved) Attempt([&] { FApp.SetHideMessage(*FSaved); }, FFailed);
    }
    TRestoreHideMessage(const TRestoreHideMessage&) = delete;
    TRestoreHideMessage& operator=(const TRestoreHideMessage&) = delete;

    bool Known() const { return FSaved.has_value(); }

private:
    tvapi::IApplication& FApp;
    bool& FFailed;
    std::optional<tvapi::tvHideMessageEnum> FSaved;
};

// The command in mode "hide all", then part access ended and the host's error cleared; each
// step runs whatever happened before it.
void RunBracketed(tvapi::IApplication& app, bool& failed)
{
    const TRestoreHideMessage restore(app, failed);
    if (restore.Known())
        Attempt(
            [&] {
                app.SetHideMessage(tvapi::tvHideMessageAll);
                DimensionChain();
            },
            failed);
    Attempt([] { drApi::MA.drEndGetPart(false); }, failed);
    Attempt(
        [] {
            if (const tvapi::ITervanErrorPtr& error = drApi::MA.R3->TervanError) error->ClearLastError();
        },
        failed);
}

// A failure anywhere in the bracket is shown once, after the mode is back.
void RunCommandBody(tvapi::IApplication& app)
{
    bool failed = false;
    RunBracketed(app, failed);
    if (failed) ReportFailure();
}

} // namespace

void RunCommand(unsigned int, tvapi::tvRunCommandModeEnum)
{
    Guarded(
        [] {
            if (tvapi::IApplication* app = drApi::MA.Application()) RunCommandBody(*app);
            return true;
        },
        false);
}

int LibCommandState(int, bool& enable, int&, std::wstring&)
{
    enable = true;
    return 1;
}

unsigned int LIBRARYID()
{
    return DimChainLibraryId;
}

extern "C" bool LoadTervanLibrary(tvapi::IApplication& app, tvapi::ITervanLibraryActions& LA)
{
    Guarded(
        [&] {
            drApi::LibraryControlModel = &ControlModel;
            const TString name(LibraryName);
            const TString font(LibraryFont);
            drApi::MA.Init(app, name, font);
            return true;
        },
        false);
    const bool registered = Guarded(
        [&] {
            const bool runner = LA.RegisterRunCommand(tvapi::RunCommandFunction(RunCommand));
            const bool state = LA.RegisterCommandState(tvapi::LibCommandStateFunction(LibCommandState));
            const bool id = LA.RegisterLibraryId(tvapi::LibraryIdFunction(LIBRARYID));
            return runner && state && id;
        },
        false);
    // A host that refused the library may close it without unloading it: keep nothing of it.
    if (!registered) UnloadTervanLibrary();
    return registered;
}

extern "C" void UnloadTervanLibrary()
{
    Guarded(
        [] {
            drApi::MA.Done();
            return true;
        },
        false);
}

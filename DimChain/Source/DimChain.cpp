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

// The command body with its bracket. Every step after the command runs whatever happened
// before it; a failure anywhere is shown once, after the mode is back.
void RunCommandBody(tvapi::IApplication& app)
{
    bool failed = false;
    tvapi::tvHideMessageEnum saved = tvapi::tvShowMessage;
    bool known = false;
    Attempt(
        [&] {
            saved = app.GetHideMessage();
            known = true;
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
    if (known) Attempt([&] { app.SetHideMessage(saved); }, failed);
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
    return Guarded(
        [&] {
            LA.RegisterRunCommand(tvapi::RunCommandFunction(RunCommand));
            LA.RegisterCommandState(tvapi::LibCommandStateFunction(LibCommandState));
            LA.RegisterLibraryId(tvapi::LibraryIdFunction(LIBRARYID));
            return true;
        },
        false);
}

extern "C" void UnloadTervanLibrary() {}

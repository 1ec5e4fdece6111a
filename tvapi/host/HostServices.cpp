// Services of the stand-in application.
#include "HostServices.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

#include "HostText.h"

namespace tvhost {

namespace {

// The loader's name of the module holding `address`, made absolute (a module loaded by a
// relative path is reported as that path) and not simplified, so that a folder beside it is
// found where the system finds it; empty when no module holds it.
std::wstring LoaderModulePath(const void* address)
{
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname || !*info.dli_fname) return {};
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(info.dli_fname, error);
    if (error) path = info.dli_fname;
    return FromUtf8(path.string());
}

} // namespace

std::wstring THostApplicationServices::GetModuleFileName(tvapi::ResourceModule module)
{
    if (!Enter("IApplicationServices::GetModuleFileName", {module ? "address" : "null"})) return {};
    if (!module) return {};
    if (!FModuleOverride.empty()) return FModuleOverride;
    return LoaderModulePath(module);
}

THostSystemSettings::THostSystemSettings()
{
    FPaths[tvapi::tvConfigurations] = DefaultConfigurations;
    FPaths[tvapi::tvTemporaryFiles] = DefaultTemporaryFiles;
}

std::wstring THostSystemSettings::GetSystemPath(tvapi::tvSystemPathTypeEnum kind)
{
    if (!Enter("ISystemSettings::GetSystemPath", {std::to_string(kind)})) return {};
    const auto it = FPaths.find(kind);
    return it != FPaths.end() ? it->second : std::wstring();
}

void THostSystemSettings::SetSystemPath(tvapi::tvSystemPathTypeEnum kind, std::wstring path)
{
    if (path.empty())
        FPaths.erase(kind);
    else
        FPaths[kind] = std::move(path);
}

int THostTervanError::ClearLastError()
{
    ++FClearCalls;
    if (!Enter("ITervanError::ClearLastError")) return 0;
    return std::exchange(FLastError, 0);
}

bool THostProgressBar::Start(int minimum, int maximum)
{
    if (!Enter("IProgressBar::Start", {std::to_string(minimum), std::to_string(maximum)})) return false;
    FRunning = true;
    FMinimum = std::min(minimum, maximum);
    FMaximum = std::max(minimum, maximum);
    FPosition = FMinimum;
    return true;
}

bool THostProgressBar::SetPosition(int position)
{
    if (!Enter("IProgressBar::SetPosition", {std::to_string(position)})) return false;
    FPosition = FRunning ? std::clamp(position, FMinimum, FMaximum) : position;
    return true;
}

bool THostProgressBar::Stop()
{
    if (!Enter("IProgressBar::Stop") || !FRunning) return false;
    FRunning = false;
    return true;
}

} // namespace tvhost

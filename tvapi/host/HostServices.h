#pragma once
// Services of the stand-in application: module lookup (from the dynamic loader, or a path a
// test sets so a statically linked test can pose as a plug-in), system folders, the error
// state with a count of its clearings, and the progress bar with its position.

#include <cstddef>
#include <map>
#include <string>

#include "HostObject.h"
#include "tvapi/ApplicationServices.h"

namespace tvhost {

class THostApplicationServices final : public THostObjectOf<tvapi::IApplicationServices> {
public:
    // Journaled as "IApplicationServices::GetModuleFileName" with "null" or "address" (an
    // address would make the journal differ between runs). The path is absolute.
    std::wstring GetModuleFileName(tvapi::ResourceModule module) override;

    // Test side, not journaled.
    // Every lookup of a non-null address answers `path` until cleared.
    void SetModuleFileName(std::wstring path) { FModuleOverride = std::move(path); }
    void ClearModuleFileName() noexcept { FModuleOverride.clear(); }

private:
    std::wstring FModuleOverride;
};

class THostSystemSettings final : public THostObjectOf<tvapi::ISystemSettings> {
public:
    static constexpr const wchar_t* DefaultConfigurations = L"/tmp/tvhost/Configurations";
    static constexpr const wchar_t* DefaultTemporaryFiles = L"/tmp/tvhost/Temp";

    THostSystemSettings();

    // Journaled as "ISystemSettings::GetSystemPath" with the kind.
    std::wstring GetSystemPath(tvapi::tvSystemPathTypeEnum kind) override;

    // Journaled as "ISystemSettings::<operation>" (HostLocalSystems.cpp).
    bool GetQuietCreation() override;
    void SetQuietCreation(bool quiet) override;

    // Test side: sets a folder; an empty path makes the kind unknown.
    void SetSystemPath(tvapi::tvSystemPathTypeEnum kind, std::wstring path);
    bool QuietCreation() const noexcept { return FQuietCreation; }

private:
    std::map<int, std::wstring> FPaths;
    bool FQuietCreation = false;
};

class THostTervanError final : public THostObjectOf<tvapi::ITervanError> {
public:
    // Journaled as "ITervanError::ClearLastError"; a failing call gives 0 and clears nothing.
    int ClearLastError() override;

    // Test side, not journaled.
    void SetLastError(int code) noexcept { FLastError = code; }
    int LastError() const noexcept { return FLastError; }
    // Calls of ClearLastError since creation, failed ones included.
    std::size_t ClearCalls() const noexcept { return FClearCalls; }

private:
    int FLastError = 0;
    std::size_t FClearCalls = 0;
};

class THostProgressBar final : public THostObjectOf<tvapi::IProgressBar> {
public:
    // Journaled as "IProgressBar::<operation>" with their arguments.
    bool Start(int minimum, int maximum) override;
    bool SetPosition(int position) override;
    bool Stop() override;

    // Test side, not journaled.
    bool IsRunning() const noexcept { return FRunning; }
    int Minimum() const noexcept { return FMinimum; }
    int Maximum() const noexcept { return FMaximum; }
    int Position() const noexcept { return FPosition; }

private:
    bool FRunning = false;
    int FMinimum = 0;
    int FMaximum = 0;
    int FPosition = 0;
};

using THostApplicationServicesPtr = tvapi::Ptr<THostApplicationServices>;
using THostSystemSettingsPtr = tvapi::Ptr<THostSystemSettings>;
using THostTervanErrorPtr = tvapi::Ptr<THostTervanError>;
using THostProgressBarPtr = tvapi::Ptr<THostProgressBar>;

} // namespace tvhost

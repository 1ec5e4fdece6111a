#pragma once
// Services of the host application a library uses at start-up and while it runs: lookup
// of loaded modules, system settings and folders, the host's error state and its progress
// bar. All are reached through the application (Application.h).

#include <string>

#include "tvapi/Base.h"

namespace tvapi {

// A loaded module named by any address inside it (a library passes the address of one of
// its own objects).
using ResourceModule = const void*;

// A module's resources. A library may hold one; nothing asks it for anything yet.
class IResourcesModule : public IAPIObject {
public:
    static constexpr char IID[] = "1FC33B02-BEDB-4219-B90D-34F161A66B2E";
    using Parent = IAPIObject;

protected:
    ~IResourcesModule() = default;
};

using IResourcesModulePtr = Ptr<IResourcesModule>;

class IApplicationServices : public IAPIObject {
public:
    static constexpr char IID[] = "BFCC6176-173B-4F99-9A39-1B042A158739";
    using Parent = IAPIObject;

    // Full path of the loaded module (program or shared object) that contains `module`;
    // empty when no loaded module contains that address.
    virtual std::wstring GetModuleFileName(ResourceModule module) = 0;

protected:
    ~IApplicationServices() = default;
};

using IApplicationServicesPtr = Ptr<IApplicationServices>;

// System folders the host keeps.
enum tvSystemPathTypeEnum : int {
    tvTemporaryFiles = 2, // scratch files
    tvConfigurations = 3, // settings and states that outlive a session
};

class ISystemSettings : public IAPIObject {
public:
    static constexpr char IID[] = "7A4BA212-88CC-4B08-BCC4-ACA20060D2FB";
    using Parent = IAPIObject;

    // The folder of `kind`, without a trailing separator; empty for a kind the host lacks.
    virtual std::wstring GetSystemPath(tvSystemPathTypeEnum kind) = 0;
    // Whether new model objects are made without their property panel; false at start.
    virtual bool GetQuietCreation() = 0;
    virtual void SetQuietCreation(bool quiet) = 0;

protected:
    ~ISystemSettings() = default;
};

using ISystemSettingsPtr = Ptr<ISystemSettings>;

// The host's error state: an operation the host refuses leaves an error code pending.
class ITervanError : public IAPIObject {
public:
    static constexpr char IID[] = "EB20E297-753E-4FA9-91C5-1655598B53EA";
    using Parent = IAPIObject;

    // Gives the pending error code (0 when none) and clears it.
    virtual int ClearLastError() = 0;

protected:
    ~ITervanError() = default;
};

using ITervanErrorPtr = Ptr<ITervanError>;

// The progress bar of the host's status line.
class IProgressBar : public IAPIObject {
public:
    static constexpr char IID[] = "7E251A97-A3AB-457E-8BD6-0B69591120CE";
    using Parent = IAPIObject;

    // Shows the bar for positions from `minimum` to `maximum`, at `minimum`.
    virtual bool Start(int minimum, int maximum) = 0;
    // Moves the bar; while it is shown, a position outside its range is clamped to it.
    virtual bool SetPosition(int position) = 0;
    // Hides the bar. False while not started.
    virtual bool Stop() = 0;

protected:
    ~IProgressBar() = default;
};

using IProgressBarPtr = Ptr<IProgressBar>;

} // namespace tvapi

#pragma once
// The stand-in host's library-actions object: keeps the command callbacks a library
// registers at load, and lets the host (the tvhost command, tests) call them.

#include <optional>
#include <string>
#include <vector>

#include "HostObject.h"
#include "tvapi/LibraryActions.h"

namespace tvhost {

class THostLibraryActions final : public THostObjectOf<tvapi::ITervanLibraryActions> {
public:
    // Which callback a registration handed over.
    enum TCallbackKind : int { ckRunCommand = 1, ckCommandState = 2, ckLibraryId = 3 };

    // Journaled as "ITervanLibraryActions::<operation>" (no arguments: a function has no
    // text). A kept registration is entered in Registrations().
    bool RegisterRunCommand(const tvapi::RunCommandFunction& runner) override;
    bool RegisterCommandState(const tvapi::LibCommandStateFunction& state) override;
    bool RegisterLibraryId(const tvapi::LibraryIdFunction& id) override;

    // Host side, not journaled. Each call gives false (or nothing) when the callback has
    // not been registered; exceptions of the callback pass through.
    bool RunCommand(unsigned int command, tvapi::tvRunCommandModeEnum mode) const;
    bool CommandState(int command, bool& enable, int& checked, std::wstring& reason) const;
    std::optional<int> LibraryId() const;

    // The kept registrations, in the order they were made.
    const std::vector<TCallbackKind>& Registrations() const noexcept { return FRegistrations; }
    // Drops the callbacks: the code behind them goes away when the library is unloaded.
    void Clear() noexcept;

private:
    tvapi::RunCommandFunction FRunCommand;
    tvapi::LibCommandStateFunction FCommandState;
    tvapi::LibraryIdFunction FLibraryId;
    std::vector<TCallbackKind> FRegistrations;
};

using THostLibraryActionsPtr = tvapi::Ptr<THostLibraryActions>;

} // namespace tvhost

// The stand-in host's library-actions object.
#include "HostLibraryActions.h"

namespace tvhost {

bool THostLibraryActions::RegisterRunCommand(const tvapi::RunCommandFunction& runner)
{
    if (!Enter("ITervanLibraryActions::RegisterRunCommand") || !runner) return false;
    FRunCommand = runner;
    FRegistrations.push_back(ckRunCommand);
    return true;
}

bool THostLibraryActions::RegisterCommandState(const tvapi::LibCommandStateFunction& state)
{
    if (!Enter("ITervanLibraryActions::RegisterCommandState") || !state) return false;
    FCommandState = state;
    FRegistrations.push_back(ckCommandState);
    return true;
}

bool THostLibraryActions::RegisterLibraryId(const tvapi::LibraryIdFunction& id)
{
    if (!Enter("ITervanLibraryActions::RegisterLibraryId") || !id) return false;
    FLibraryId = id;
    FRegistrations.push_back(ckLibraryId);
    return true;
}

bool THostLibraryActions::RunCommand(unsigned int command, tvapi::tvRunCommandModeEnum mode) const
{
    if (!FRunCommand) return false;
    FRunCommand(command, mode);
    return true;
}

bool THostLibraryActions::CommandState(int command, bool& enable, int& checked, std::wstring& reason) const
{
    if (!FCommandState) return false;
    FCommandState(command, enable, checked, reason);
    return true;
}

std::optional<int> THostLibraryActions::LibraryId() const
{
    if (!FLibraryId) return std::nullopt;
    return FLibraryId();
}

void THostLibraryActions::Clear() noexcept
{
    FRunCommand = nullptr;
    FCommandState = nullptr;
    FLibraryId = nullptr;
}

} // namespace tvhost

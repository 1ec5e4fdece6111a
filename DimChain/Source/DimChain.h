#pragma once
// The host's way into the library: the two exported entry points and the command callbacks
// that LoadTervanLibrary hands to the host. No exception leaves any of them.

#include <string>

#include "tvapi/LibraryActions.h"

#define DIMCHAIN_EXPORT __attribute__((visibility("default")))

extern "C" {
// Starts the facade inside the host and registers the callbacks, in the order command
// runner, state query, identifier. True even when the host does not know the library file
// or start-up failed (that is reported); false when the host refused or failed to take a
// callback, and then the facade holds nothing of the host any more.
DIMCHAIN_EXPORT bool LoadTervanLibrary(tvapi::IApplication& app, tvapi::ITervanLibraryActions& LA);
// Ends the facade's time in the host: every host reference the library holds is given
// back before the host closes the module, and a later LoadTervanLibrary starts afresh.
DIMCHAIN_EXPORT void UnloadTervanLibrary();
}

// The library's text and font names handed to the facade at start-up.
inline constexpr char LibraryName[] = "ZelDimChain.plx";
inline constexpr char LibraryFont[] = "#Stamp-Regular";
// What LIBRARYID answers.
inline constexpr unsigned int DimChainLibraryId = 2000;

// Runs the dimension-chain command whatever comm and mode say. While it runs the host's
// message-suppression mode is "hide all"; afterwards part access is ended, the host's
// pending error cleared once and the mode restored. A failure is reported in a message box.
void RunCommand(unsigned int comm, tvapi::tvRunCommandModeEnum mode);
// Every command is enabled: enable becomes true, checked and reasonStr stay. Returns 1.
int LibCommandState(int comm, bool& enable, int& checked, std::wstring& reasonStr);
unsigned int LIBRARYID();

#pragma once
// One run of the tvhost command: starts the stand-in host, loads a library into it as the
// real host does (dlopen, LoadTervanLibrary), runs its command and prints what the library
// showed the user.

#include <iosfwd>

#include "Options.h"

namespace tvrun {

// Exit codes of the command.
enum TExitCode : int {
    ecSuccess = 0,
    ecLoadFailed = 1,  // the library could not be loaded, refused to load or registered no command
    ecUsage = 2,       // bad command line
    ecRunFailed = 3,   // the document could not be set up, or the command threw
    ecLeaked = 4,      // host objects outlived the host: the library kept references after unloading
    ecUnreachable = 5, // the script asked what no user can do (a control, button or cell the panel hides,
                       // locks or does not have); those lines were refused, the rest played
};

// Runs the session; messages go to `out`, failures of the host to `err`.
TExitCode RunSession(const TOptions& options, std::ostream& out, std::ostream& err);

} // namespace tvrun

#pragma once
// Command line of the tvhost command: what to load, which document to start with, the
// command to run and the scripted answers of message boxes.

#include <optional>
#include <string>
#include <vector>

#include "tvapi/Document.h"

namespace tvrun {

struct TOptions {
    std::string Plugin;                                 // shared object to load
    std::optional<std::string> Open;                    // document file to open first
    std::optional<tvapi::DocumentTypeEnum> NewDocument; // new document to start with
    unsigned int Command = 1;                           // command id handed to the runner
    std::vector<int> Answers;                           // message-box answers, in order
    std::optional<std::string> Script;                  // user actions that a process's Run plays
    bool Registered = true;                             // the host knows the library
    bool PrintJournal = false;                          // journal every host call, print it at the end
    std::optional<std::string> Save;                    // where the active document goes after the command
    std::optional<std::string> Png;                     // the picture of the view when the script ends
    int HostVersion = 17;                               // the major version the host reports
};

// Parses "run --plugin PATH [options]" (argv without the program name). On failure gives
// nothing and puts the reason into `error`.
std::optional<TOptions> ParseOptions(const std::vector<std::string>& args, std::string& error);

// The usage text.
const char* Usage();

} // namespace tvrun

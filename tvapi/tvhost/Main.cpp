// The tvhost command: loads a library into the stand-in host and runs its command.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "Export.h"
#include "Options.h"
#include "Session.h"

int main(int argc, char** argv)
{
    // Past a file-size limit a write fails with "File too large" and the save says so, rather
    // than the signal ending the program mid-write.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "export") return tvrun::RunExport(args, std::cout, std::cerr);
    std::string error;
    const auto options = tvrun::ParseOptions(args, error);
    if (!options) {
        std::cerr << "tvhost: " << error << '\n' << tvrun::Usage();
        return tvrun::ecUsage;
    }
    return tvrun::RunSession(*options, std::cout, std::cerr);
}

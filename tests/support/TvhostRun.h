#pragma once
// Runs the built tvhost command as a user would, with its output (stdout and stderr together)
// and exit code; `prepare` runs in the child before the command starts (limits, signals).

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

namespace tvhostrun {

struct TRun {
    int Code = -1;   // the exit code; -1 when the command was killed or never ran
    std::string Out; // stdout and stderr together
};

inline TRun Tvhost(std::vector<std::string> args, const std::function<void()>& prepare = {})
{
    args.insert(args.begin(), DC_BINARY_DIR "/tvhost");
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], 1);
        ::dup2(pipeFds[1], 2);
        ::close(pipeFds[0]);
        if (prepare) prepare();
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    TRun run;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        run.Out.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace tvhostrun

#pragma once
// Special files for the tests of careful file access, made in the test's own folder: FIFOs,
// device nodes with chosen numbers, links. Never the machine's own /dev nodes.

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace specialfiles {

// A fresh folder under the system's temporary folder, removed with the object.
class TFolder {
public:
    TFolder()
    {
        std::string pattern = std::filesystem::temp_directory_path().string() + "/specialXXXXXX";
        FPath = ::mkdtemp(pattern.data()) ? pattern + "/" : std::string();
    }
    ~TFolder()
    {
        std::error_code ignored;
        if (!FPath.empty()) std::filesystem::remove_all(FPath, ignored);
    }
    TFolder(const TFolder&) = delete;
    TFolder& operator=(const TFolder&) = delete;

    std::string operator/(const std::string& name) const { return FPath + name; }
    const std::string& Path() const { return FPath; }
    // Entries of the folder, to see that nothing was left behind.
    long Count() const
    {
        return static_cast<long>(
            std::distance(std::filesystem::directory_iterator(FPath), std::filesystem::directory_iterator()));
    }

private:
    std::string FPath;
};

// A character device node with the numbers given; false when the system does not allow it
// (the test then skips).
inline bool MakeCharDevice(const std::string& path, unsigned major, unsigned minor)
{
    return ::mknod(path.c_str(), S_IFCHR | 0666, ::makedev(major, minor)) == 0;
}

inline bool MakeFifo(const std::string& path)
{
    return ::mkfifo(path.c_str(), 0666) == 0;
}

inline std::string Bytes(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// The kind of what stands at `path`, links not followed.
inline std::filesystem::file_type Kind(const std::string& path)
{
    return std::filesystem::symlink_status(path).type();
}

// While it lives, the files of this process may grow to `limit` bytes only, as on a disk that is
// nearly full: a write past it fails with EFBIG (the signal is ignored meanwhile). For a test
// that reads its own journal afterwards; the limit and the signal's handling come back with it.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &FWas);
        FHandler = ::signal(SIGXFSZ, SIG_IGN);
        const rlimit cut{limit < FWas.rlim_max ? limit : FWas.rlim_max, FWas.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &cut);
    }
    ~TFileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &FWas);
        ::signal(SIGXFSZ, FHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit FWas{};
    void (*FHandler)(int) = SIG_DFL;
};

// Runs `body` in a child process whose files may grow to `limit` bytes only, as on a disk that
// fills up half-way through a write: its exit code, -1 when it did not exit.
inline int WithFileSizeLimit(rlim_t limit, const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
        const rlimit cut{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &cut);
        ::_exit(body());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace specialfiles

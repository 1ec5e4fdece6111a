// Checked opening for reads and atomic replacement for writes, on POSIX descriptors.
#include "FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

namespace {

constexpr int MaxLinkHops = 40; // as the system's own limit on a path's links

// Closes a descriptor when the holder goes.
class TDescriptor {
public:
    explicit TDescriptor(int fd) noexcept : FFd(fd) {}
    ~TDescriptor()
    {
        if (FFd >= 0) ::close(FFd);
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;

    int Get() const noexcept { return FFd; }
    int Release() noexcept
    {
        const int fd = FFd;
        FFd = -1;
        return fd;
    }

private:
    int FFd;
};

// What a file that is no regular file is, for messages.
const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    return "no regular file";
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file `path` names once its links are followed. A name that cannot be looked at ends the
// walk: the file is new, or the write that follows says why it cannot be made.
bool FollowLinks(std::string& path, std::string& error)
{
    for (int hop = 0;; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        if (hop == MaxLinkHops) {
            error = "cannot write " + path + ": " + std::strerror(ELOOP);
            return false;
        }
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        if (n < 0 || n == static_cast<ssize_t>(sizeof target)) {
            error = "cannot follow the link " + path + ": " + std::strerror(n < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        const std::string link(target, static_cast<std::size_t>(n));
        path = !link.empty() && link.front() == '/' ? link : FolderOf(path) + "/" + link;
    }
}

int CreateTemporary(const std::string& path, std::string& temp)
{
    static std::atomic<unsigned> counter{0};
    const std::string folder = FolderOf(path) + "/";
    const std::string base = path.substr(path.rfind('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp =
            folder + "." + base + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Writes all of `bytes`; false with errno set when a write fails or writes nothing.
bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Fills, syncs and closes the temporary file `fd`; false with errno set.
bool FillTemporary(TDescriptor& fd, const struct stat* old, std::string_view bytes)
{
    if (old && ::fchmod(fd.Get(), old->st_mode & 07777) != 0) return false;
    if (!WriteAll(fd.Get(), bytes) || ::fsync(fd.Get()) != 0) return false;
    return ::close(fd.Release()) == 0;
}

} // namespace

int OpenRegularFile(const std::string& SystemName, int& Code, std::string& Reason)
{
    // Non-blocking, so that a FIFO without a writer cannot hold the open.
    TDescriptor fd(::open(SystemName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0) {
        Code = errno;
        Reason = std::strerror(Code);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        Code = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        Reason = std::string("is ") + KindOf(info.st_mode) + ", not a regular file";
        return -1;
    }
    if (info.st_size > MaxReadBytes) {
        Code = EFBIG;
        Reason = "is larger than the 256 MiB a read may take";
        return -1;
    }
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        Code = errno;
        Reason = std::strerror(Code);
        return -1;
    }
    return fd.Release();
}

bool WriteFileAtomically(const std::string& SystemName, std::string_view Bytes, std::string& Error)
{
    std::string path = SystemName;
    if (path.empty()) {
        Error = "no file name";
        return false;
    }
    if (!FollowLinks(path, Error)) return false;
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        Error = "will not replace " + path + ": it is " + KindOf(old.st_mode) + ", not a regular file";
        return false;
    }
    std::string temp;
    TDescriptor fd(CreateTemporary(path, temp));
    if (fd.Get() < 0) {
        Error = "cannot create a file in the folder of " + path + ": " + std::strerror(errno);
        return false;
    }
    if (FillTemporary(fd, exists ? &old : nullptr, Bytes) && ::rename(temp.c_str(), path.c_str()) == 0) {
        const TDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder.Get() >= 0) ::fsync(folder.Get()); // the rename made durable; no failure of the write
        return true;
    }
    Error = "cannot write " + path + ": " + std::strerror(errno);
    ::unlink(temp.c_str());
    return false;
}

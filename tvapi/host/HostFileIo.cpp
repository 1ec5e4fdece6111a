// Whole-file reads and atomic writes of the stand-in host.
#include "HostFileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

namespace tvhost {

namespace {

TWriteChunkHook& ChunkHook()
{
    static TWriteChunkHook hook;
    return hook;
}

std::string Reason(int error)
{
    return std::strerror(error);
}

const char* const TooLarge = "is larger than the 256 MiB limit of a read";

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
    // Closes now; false with errno set when the close reports a failed write.
    bool Close() noexcept
    {
        const int fd = FFd;
        FFd = -1;
        return ::close(fd) == 0;
    }

private:
    int FFd;
};

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr int MaxLinkHops = 40; // as the system's own limit on a path's links

const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    return "no regular file";
}

// The file `path` names once its links are followed. A name that cannot be looked at ends the
// walk: the file is new, or the write that follows says why it cannot be made.
bool FollowLinks(std::string& path, std::string& error)
{
    for (int hop = 0;; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
        if (hop == MaxLinkHops) {
            error = "cannot write " + path + ": " + Reason(ELOOP);
            return false;
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || n == static_cast<ssize_t>(target.size())) {
            error = "cannot follow the link " + path + ": " + Reason(n < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        target.resize(static_cast<std::size_t>(n));
        path = !target.empty() && target.front() == '/' ? target : FolderOf(path) + "/" + target;
    }
}

// Opens `path` for reading if it is a regular file within the limit; -1 with `error` set.
int OpenRegular(const std::string& path, std::string& error)
{
    // Non-blocking, so that a FIFO without a writer cannot hold the open.
    TDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0) {
        error = Reason(errno);
        return -1;
    }
    if (!S_ISREG(info.st_mode)) {
        error = std::string("is ") + KindOf(info.st_mode);
        return -1;
    }
    if (info.st_size > MaxReadBytes) {
        error = TooLarge;
        return -1;
    }
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        error = Reason(errno);
        return -1;
    }
    return fd.Release();
}

// A new temporary file beside `path`; its name goes to `temp`. -1 with errno set on failure.
int CreateTemporary(const std::string& path, std::string& temp)
{
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
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
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t chunk = std::min(WriteChunkSize, bytes.size() - done);
        const ssize_t n = ::write(fd, bytes.data() + done, chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
        if (ChunkHook()) ChunkHook()(done);
    }
    return true;
}

// Writes, syncs and closes the temporary file; false with `error` set.
bool FillTemporary(TDescriptor& fd, const std::string& path, std::string_view bytes, std::string& error)
{
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode) &&
        ::fchmod(fd.Get(), old.st_mode & 07777) != 0) {
        error = "cannot keep the mode of " + path + ": " + Reason(errno);
        return false;
    }
    if (!WriteAll(fd.Get(), bytes)) {
        error = "write to " + path + " failed: " + Reason(errno);
        return false;
    }
    if (::fsync(fd.Get()) != 0) {
        error = "write to " + path + " failed: cannot flush to the disk: " + Reason(errno);
        return false;
    }
    if (!fd.Close()) {
        error = "write to " + path + " failed: " + Reason(errno);
        return false;
    }
    return true;
}

// Makes the rename itself durable; a folder that cannot be synced is no failure of the write.
void SyncFolder(const std::string& path)
{
    const TDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

} // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error)
{
    const TDescriptor fd(OpenRegular(path, error));
    if (fd.Get() < 0) return false;
    bytes.clear();
    char buffer[WriteChunkSize];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = Reason(errno);
            return false;
        }
        if (n == 0) return true;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (static_cast<std::int64_t>(bytes.size()) > MaxReadBytes) { // grew while being read
            error = TooLarge;
            return false;
        }
    }
}

bool CheckReadable(const std::string& path, std::string& error)
{
    return TDescriptor(OpenRegular(path, error)).Get() >= 0;
}

bool WriteFileAtomically(const std::string& target, std::string_view bytes, std::string& error)
{
    std::string path = target;
    if (path.empty()) {
        error = "no file name";
        return false;
    }
    if (!FollowLinks(path, error)) return false;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && !S_ISREG(old.st_mode)) {
        error = "will not replace " + path + ": it is " + KindOf(old.st_mode);
        return false;
    }
    std::string temp;
    TDescriptor fd(CreateTemporary(path, temp));
    if (fd.Get() < 0) {
        error = "cannot create a file in the folder of " + path + ": " + Reason(errno);
        return false;
    }
    const bool filled = FillTemporary(fd, path, bytes, error);
    if (filled && ::rename(temp.c_str(), path.c_str()) == 0) {
        SyncFolder(path);
        return true;
    }
    if (filled) error = "cannot replace " + path + ": " + Reason(errno);
    ::unlink(temp.c_str());
    return false;
}

void SetWriteChunkHook(TWriteChunkHook hook)
{
    ChunkHook() = std::move(hook);
}

} // namespace tvhost

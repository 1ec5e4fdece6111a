// Checked opening for reads and atomic replacement for writes, on POSIX descriptors.
#include "PosixFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>

namespace posixfile {

namespace {

constexpr int MaxLinkHops = 40;        // as the system's own limit on a path's links
constexpr int TemporaryAttempts = 100; // names tried before a temporary file is given up

// The bytes of `path` that are looked up from `base`'s folder.
const char* At(const std::string& path, const TBase& base)
{
    return path.c_str() + std::min(base.Skip, path.size());
}

// Whether a link at a name is followed: never under a folder held open.
bool Follows(bool followLinks, const TBase& base)
{
    return followLinks && base.Folder == AT_FDCWD;
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
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || n == static_cast<ssize_t>(target.size())) {
            error = "cannot follow the link " + path + ": " + std::strerror(n < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        target.resize(static_cast<std::size_t>(n));
        path = !target.empty() && target.front() == '/' ? target : FolderOf(path) + "/" + target;
    }
}

// Whether `path` is a symbolic link, with `error` saying so when it is.
bool IsLink(const std::string& path, std::string& error, const TBase& base)
{
    struct stat info {};
    if (::fstatat(base.Folder, At(path, base), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISLNK(info.st_mode))
        return false;
    error = "will not write through the link " + path;
    errno = ELOOP;
    return true;
}

// Whether byte `c` continues a UTF-8 character rather than starting one.
bool ContinuesCharacter(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The temporary name ".BASE.SUFFIX" for `base`, BASE cut so that a target whose own name is as
// long as a name may be still gets a temporary file beside it: the suffix alone keeps the name
// unique. The cut falls before a whole character, so a name in UTF-8 stays UTF-8.
std::string TemporaryName(const std::string& base, const std::string& suffix)
{
    std::size_t room = NAME_MAX - std::min<std::size_t>(NAME_MAX, suffix.size() + 2);
    if (room < base.size())
        while (room > 0 && ContinuesCharacter(base[room]))
            --room;
    return "." + base.substr(0, room) + "." + suffix;
}

// A new temporary file beside `path`; its name goes to `temp`. -1 with errno set on failure.
int CreateTemporary(const std::string& path, std::string& temp, const TBase& at)
{
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    for (int attempt = 0; attempt < TemporaryAttempts; ++attempt) {
        temp = folder +
               TemporaryName(base, std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp");
        const int fd = ::openat(at.Folder, At(temp, at), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Writes all of `bytes` in chunks; false with errno set when a write fails or writes nothing.
bool WriteAll(int fd, std::string_view bytes, std::size_t chunk, const TChunkHook& hook)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, std::min(chunk, bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
        if (hook) hook(done);
    }
    return true;
}

// Writes, syncs and closes the temporary file: the step that failed (errno set), or Done.
TWriteStage FillTemporary(TDescriptor& fd, std::string_view bytes, std::size_t chunk, const TChunkHook& hook)
{
    if (!WriteAll(fd.Get(), bytes, chunk, hook)) return TWriteStage::Write;
    if (::fsync(fd.Get()) != 0) return TWriteStage::Flush;
    return fd.Close() ? TWriteStage::Done : TWriteStage::Close;
}

// Makes the rename itself durable; a folder that cannot be synced is no failure of the write.
void SyncFolder(const std::string& path, const TBase& base)
{
    const TDescriptor folder(
        ::openat(base.Folder, FolderOf(At(path, base)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

TWritten Failed(TWritten written, TWriteStage stage)
{
    written.Stage = stage;
    written.Code = errno;
    return written;
}

} // namespace

const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    return "no regular file";
}

TOpened OpenRegular(const std::string& path, std::int64_t limit, const TBase& base)
{
    // Non-blocking, so that a FIFO without a writer cannot hold the open.
    TDescriptor fd(
        ::openat(base.Folder, At(path, base),
                 O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | (Follows(true, base) ? 0 : O_NOFOLLOW)));
    struct stat info {};
    TOpened opened;
    if (fd.Get() < 0 || ::fstat(fd.Get(), &info) != 0) {
        opened.Failure = TOpenFailure::System;
        opened.Code = errno;
    } else if (!S_ISREG(info.st_mode)) {
        opened.Failure = TOpenFailure::NotRegular;
        opened.Code = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        opened.Mode = info.st_mode;
    } else if (info.st_size > limit) {
        opened.Failure = TOpenFailure::TooLarge;
        opened.Code = EFBIG;
    } else {
        const int flags = ::fcntl(fd.Get(), F_GETFL);
        if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
            opened.Failure = TOpenFailure::System;
            opened.Code = errno;
        } else {
            opened.Fd = fd.Release();
        }
    }
    return opened;
}

TTemporary MakeTemporaryFor(const std::string& target, bool followLinks, const TBase& base)
{
    TTemporary temp;
    temp.Base = base;
    TWritten& written = temp.Written;
    written.Path = target;
    if (target.empty()) {
        written = Failed(written, TWriteStage::NoName);
        return temp;
    }
    if (Follows(followLinks, base) ? !FollowLinks(written.Path, written.Text)
                                   : IsLink(written.Path, written.Text, base)) {
        written = Failed(written, TWriteStage::Link);
        return temp;
    }
    struct stat old {};
    const bool exists = ::fstatat(base.Folder, At(written.Path, base), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        written.Mode = old.st_mode;
        written = Failed(written, TWriteStage::NotRegular);
        return temp;
    }
    TDescriptor fd(CreateTemporary(written.Path, temp.Path, base));
    if (fd.Get() < 0) {
        written = Failed(written, TWriteStage::Create);
    } else if (exists && ::fchmod(fd.Get(), old.st_mode & 07777) != 0) {
        written = Failed(written, TWriteStage::Mode);
        ::unlinkat(base.Folder, At(temp.Path, base), 0);
    } else {
        temp.Fd = fd.Release();
    }
    return temp;
}

TWritten PutInPlace(const TTemporary& temp, TWriteStage stage)
{
    TWritten written = temp.Written;
    const TBase& base = temp.Base;
    if (stage == TWriteStage::Done &&
        ::renameat(base.Folder, At(temp.Path, base), base.Folder, At(written.Path, base)) == 0) {
        SyncFolder(written.Path, base);
        return written;
    }
    if (stage == TWriteStage::Done) stage = TWriteStage::Rename;
    written = Failed(written, stage);
    ::unlinkat(base.Folder, At(temp.Path, base), 0);
    return written;
}

TWritten ReplaceFile(const std::string& target, std::string_view bytes, std::size_t chunk,
                     const TChunkHook& hook, bool followLinks, const TBase& base)
{
    const TTemporary temp = MakeTemporaryFor(target, followLinks, base);
    if (temp.Fd < 0) return temp.Written;
    TDescriptor fd(temp.Fd);
    const TWriteStage stage = FillTemporary(fd, bytes, chunk, hook);
    const int code = errno;
    TWritten written = PutInPlace(temp, stage);
    if (stage != TWriteStage::Done) written.Code = code; // the unlink does not hide the failure
    return written;
}

} // namespace posixfile

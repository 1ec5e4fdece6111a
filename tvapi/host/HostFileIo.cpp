// Whole-file reads and atomic writes of the stand-in host, worded for its messages; the POSIX
// work is the shared file layer's (PosixFile.h).
#include "HostFileIo.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "PosixFile.h"

namespace tvhost {

namespace {

TWriteChunkHook& ChunkHook()
{
    static TWriteChunkHook hook;
    return hook;
}

bool& FollowsLinks()
{
    static bool follows = true;
    return follows;
}

// The folder held by HoldFolder: its name, with the slash that ends it, and its descriptor.
struct THeld {
    std::string Name;
    int Fd = -1;
};

THeld& Held()
{
    static THeld held;
    return held;
}

// Where `path` is looked up: from the held folder when it names a file in it, else as given.
// False for a path outside a folder that is held.
bool BaseOf(const std::string& path, posixfile::TBase& base)
{
    const THeld& held = Held();
    base = {};
    if (held.Name.empty()) return true;
    if (path.size() <= held.Name.size() || path.compare(0, held.Name.size(), held.Name) != 0) return false;
    const std::string_view name = std::string_view(path).substr(held.Name.size());
    if (name.find('/') != std::string_view::npos || name == "." || name == "..") return false;
    base = {held.Fd, held.Name.size()};
    return true;
}

std::string Reason(int error)
{
    return std::strerror(error);
}

const char* const TooLarge = "is larger than the 256 MiB limit of a read";

// Opens `path` for reading if it is a regular file within the limit; -1 with `error` set.
int OpenRegular(const std::string& path, std::string& error)
{
    posixfile::TBase base;
    // A file outside the held folder is read as before: only writes are kept inside.
    BaseOf(path, base);
    const posixfile::TOpened opened = posixfile::OpenRegular(path, MaxReadBytes, base);
    switch (opened.Failure) {
    case posixfile::TOpenFailure::None:
        break;
    case posixfile::TOpenFailure::System:
        error = Reason(opened.Code);
        break;
    case posixfile::TOpenFailure::NotRegular:
        error = std::string("is ") + posixfile::KindOf(opened.Mode);
        break;
    case posixfile::TOpenFailure::TooLarge:
        error = TooLarge;
        break;
    }
    return opened.Fd;
}

// The message of a replacement that stopped at `written`'s step.
std::string WriteError(const posixfile::TWritten& written)
{
    const std::string& path = written.Path;
    const std::string why = Reason(written.Code);
    switch (written.Stage) {
    case posixfile::TWriteStage::Done:
        return {};
    case posixfile::TWriteStage::NoName:
        return "no file name";
    case posixfile::TWriteStage::Link:
        return written.Text;
    case posixfile::TWriteStage::NotRegular:
        return "will not replace " + path + ": it is " + posixfile::KindOf(written.Mode);
    case posixfile::TWriteStage::Create:
        return "cannot create a file in the folder of " + path + ": " + why;
    case posixfile::TWriteStage::Mode:
        return "cannot keep the mode of " + path + ": " + why;
    case posixfile::TWriteStage::Flush:
        return "write to " + path + " failed: cannot flush to the disk: " + why;
    case posixfile::TWriteStage::Write:
    case posixfile::TWriteStage::Close:
        return "write to " + path + " failed: " + why;
    case posixfile::TWriteStage::Rename:
        return "cannot replace " + path + ": " + why;
    }
    return {};
}

} // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error)
{
    const posixfile::TDescriptor fd(OpenRegular(path, error));
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
    return posixfile::TDescriptor(OpenRegular(path, error)).Get() >= 0;
}

bool WriteFileAtomically(const std::string& target, std::string_view bytes, std::string& error)
{
    posixfile::TBase base;
    if (!BaseOf(target, base)) {
        error = "will not write " + target + ": it is outside the folder " + Held().Name;
        return false;
    }
    const posixfile::TWritten written =
        posixfile::ReplaceFile(target, bytes, WriteChunkSize, ChunkHook(), FollowsLinks(), base);
    if (written.Stage == posixfile::TWriteStage::Done) return true;
    error = WriteError(written);
    return false;
}

void SetWriteChunkHook(TWriteChunkHook hook)
{
    ChunkHook() = std::move(hook);
}

void SetWritesFollowLinks(bool follow)
{
    FollowsLinks() = follow;
}

void HoldFolder(const std::string& folder, int fd)
{
    Held() = folder.empty() ? THeld{} : THeld{folder, fd};
}

} // namespace tvhost

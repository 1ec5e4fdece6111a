#pragma once
// The POSIX part of careful file access, built into both the stand-in host and the library's
// foundation (it knows neither): reads open regular files only and never wait on a FIFO; a
// write replaces its file atomically. Each caller words its own messages from what is given
// back here: the step that failed and the system's error.

#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace posixfile {

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
    bool Close() noexcept { return ::close(Release()) == 0; }

private:
    int FFd;
};

// Where names are looked up: from the process's own folder, or from a folder held open, to
// which a name's bytes past `Skip` are relative (the bytes before, the folder's name, go only
// into messages). A name under a held folder is never followed through a link.
struct TBase {
    int Folder = AT_FDCWD;
    std::size_t Skip = 0;
};

// Why an open for reading failed.
enum class TOpenFailure { None, System, NotRegular, TooLarge };

struct TOpened {
    int Fd = -1; // open, blocking again; -1 on failure
    TOpenFailure Failure = TOpenFailure::None;
    int Code = 0;    // errno for System, EISDIR or EINVAL for NotRegular, EFBIG for TooLarge
    mode_t Mode = 0; // what the file is, for NotRegular
};

// Opens the regular file `path` for reading when it holds at most `limit` bytes. A FIFO is
// refused at once, even with no writer. The caller owns the descriptor.
TOpened OpenRegular(const std::string& path, std::int64_t limit, const TBase& base = {});

// What a file that is no regular file is, for messages: "a directory", "a FIFO" ...
const char* KindOf(mode_t mode);

// The step at which a replacement stopped.
enum class TWriteStage { Done, NoName, Link, NotRegular, Create, Mode, Write, Flush, Close, Rename };

struct TWritten {
    TWriteStage Stage = TWriteStage::Done;
    std::string Path; // the file replaced once its links are followed
    int Code = 0;     // the system's error of the failed step
    mode_t Mode = 0;  // what the target is, for NotRegular
    std::string Text; // for Link: what stopped the walk, with the link's name
};

// A temporary file beside a target, written by the caller and then put in place whole.
struct TTemporary {
    int Fd = -1;      // open for writing, owned by the caller; -1 when it could not be made
    std::string Path; // the temporary file
    TWritten Written; // the target once its links are followed; for Fd -1, why not
    TBase Base;       // where both names are looked up
};

// Makes the temporary file for replacing `target` as ReplaceFile does (links followed or, with
// `followLinks` false, refused; a target that is no regular file refused before anything is
// created), with the mode of the file it will replace.
TTemporary MakeTemporaryFor(const std::string& target, bool followLinks = true, const TBase& base = {});

// Renames the temporary file, written, synced and closed by the caller, over its target and
// syncs the folder when `stage` is Done; otherwise (or when the rename fails) removes it and
// leaves the target as it was. What the replacement came to.
TWritten PutInPlace(const TTemporary& temp, TWriteStage stage);

// Called after each chunk put into the temporary file, with the bytes written so far.
using TChunkHook = std::function<void(std::size_t written)>;

// Replaces `target` by `bytes`: written in chunks of at most `chunk` bytes to a temporary
// file in the same folder, flushed to the disk, then renamed over the file and the folder
// synced. A symbolic link (a chain of them, a relative one read from its own folder) is
// followed and the file it points to replaced; the link stays. A target that exists and is
// no regular file is refused before anything is created. On any failure the old file is
// untouched and no temporary file stays. A replaced file keeps its mode; a new one gets 0666
// less the umask. With `followLinks` false a target that is a link is refused (stage Link) and
// the rename replaces only what stands at the name itself. Both files are named from `base`.
TWritten ReplaceFile(const std::string& target, std::string_view bytes, std::size_t chunk,
                     const TChunkHook& hook, bool followLinks = true, const TBase& base = {});

} // namespace posixfile

#pragma once
// Careful file access under the byte streams and the reports: reads take regular files only,
// never wait on a FIFO and stop at a size limit; writes replace their file atomically and
// never a device, a FIFO or a link. Names are the file system's bytes (SystemFileName).

#include <cstdint>
#include <string>
#include <string_view>

// The most a read takes: larger files are refused, not read in part.
inline constexpr std::int64_t MaxReadBytes = std::int64_t(256) << 20;

// Opens the regular file `SystemName` for reading and gives its descriptor, blocking again.
// -1 when it cannot be opened (Code the system error, Reason its text), is no regular file
// (Code EISDIR for a directory, EINVAL otherwise, Reason saying what it is) or holds more
// than MaxReadBytes (Code EFBIG, Reason stating the limit). A FIFO is refused at once, even
// with no writer.
int OpenRegularFile(const std::string& SystemName, int& Code, std::string& Reason);

// Replaces the file `SystemName` by `Bytes`: written to a temporary file in the same folder,
// flushed to the disk, then renamed over the file. A symbolic link (a chain of them, a
// relative one read from its own folder) is followed and the file it points to replaced; the
// link stays. A target that exists and is no regular file is refused before anything is
// created. On any failure (no folder, no room, a file-size limit) the old file is untouched,
// no temporary file stays and false is returned with `Error` saying why. A replaced file
// keeps its mode; a new one gets 0666 less the umask. With FollowLinks false a name that is a
// link is refused, so that a file of the library's own naming is never written through one.
bool WriteFileAtomically(const std::string& SystemName, std::string_view Bytes, std::string& Error,
                         bool FollowLinks = true);

// A file written piece by piece (a byte stream's) that replaces its target only once whole, as
// WriteFileAtomically does: Open makes the temporary file beside the target, Finish puts it in
// place or, when the writes failed, removes it. The target is untouched until then.
class TFileReplacement {
public:
    TFileReplacement() = default;
    ~TFileReplacement(); // an unfinished replacement is abandoned
    TFileReplacement(const TFileReplacement&) = delete;
    TFileReplacement& operator=(const TFileReplacement&) = delete;

    // The temporary file's descriptor, open for writing and the caller's to close; -1 with
    // Error saying why (a target that is no regular file, a folder that takes no file).
    int Open(const std::string& SystemName, std::string& Error);
    // After the caller synced and closed the descriptor: puts the file in place when Whole,
    // else removes it. False, with Error, when the target was not replaced.
    bool Finish(bool Whole, std::string& Error);
    bool Pending() const { return !FTemporary.empty(); }

private:
    std::string FTemporary, FTarget;
};

// What stands at a name, its own link not followed (WhatNameHolds).
enum class TNameHolds {
    Nothing,   // nothing, or nothing that can be looked at: a write there says why it fails
    OwnFile,   // a regular file that begins with the prefix asked about, or an empty one
    OtherFile, // a regular file of other content
    NoFile,    // a link, a directory, a device, a FIFO, a socket
};
// Looks at `SystemName` without waiting on it (a FIFO is never opened) and reads no more
// than Prefix's length.
TNameHolds WhatNameHolds(const std::string& SystemName, std::string_view Prefix);

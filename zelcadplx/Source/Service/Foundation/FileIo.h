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
// keeps its mode; a new one gets 0666 less the umask.
bool WriteFileAtomically(const std::string& SystemName, std::string_view Bytes, std::string& Error);

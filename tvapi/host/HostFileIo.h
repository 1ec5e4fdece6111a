#pragma once
// Whole-file reads and writes of the stand-in host. A write goes to a temporary file in the
// target's folder, is flushed to the disk and then renamed over the target, so the old file
// stays as it was until the new one is complete. Nothing here replaces or reads a device, a
// FIFO or a folder, or replaces a link standing at its name as it starts. Paths are bytes,
// passed to the system as given.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tvhost {

// The most a read takes; a larger file is refused whole.
inline constexpr std::int64_t MaxReadBytes = std::int64_t(256) << 20;

// Reads the regular file `path` into `bytes`; false with `error` saying why: the system's
// reason ("No such file or directory"), what the file is when it is no regular file ("is a
// directory", "is a FIFO", "is a character device"; a FIFO is refused at once, even with no
// writer) or "is larger than the 256 MiB limit of a read".
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error);

// True when `path` is a regular file that ReadFileBytes would take; false with `error` as it
// would give. For readers that stream the file themselves.
bool CheckReadable(const std::string& path, std::string& error);

// Replaces the file `path` by `bytes` atomically: on any failure (no folder, no room, a
// file-size limit, a rename refused) the old file is untouched, the temporary file removed
// and false returned with `error` saying what failed and why. A symbolic link (a chain of
// them; a relative one read from its own folder) is followed and the file it points to is
// replaced beside itself; the link stays (unless SetWritesFollowLinks turned that off). A
// target that exists and is no regular file is refused ("will not replace P: it is a FIFO")
// before anything is created. A new file gets the usual mode (0666 less the umask); a replaced
// file keeps its mode.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

// Whether WriteFileAtomically follows a link at its target, for the whole process: true until
// turned off, as a user's document may be a link. A program that writes only names of its own
// turns it off: a link standing at a name is then refused ("will not write through the link
// P"), and one that appears during a write is replaced by the rename, never written through.
void SetWritesFollowLinks(bool follow);

// A program that writes only into a folder of its own holds it while it works: `folder` is the
// name its files are given under ("OUT/"; each file is `folder` followed by a name without a
// slash) and `fd` a descriptor of the folder, opened as it was checked and kept open by the
// caller. Reads and writes of those files then go through `fd` and follow no link at their
// names, so that the folder moved away or swapped for a link is never written through; a write
// of any other name is refused ("will not write P: it is outside the folder OUT/"). An empty
// `folder` lets go, and files are named from the process's own folder again.
void HoldFolder(const std::string& folder, int fd);

// Test hook: called after each chunk a write has put into its temporary file, with the
// bytes written so far; empty by default.
using TWriteChunkHook = std::function<void(std::size_t written)>;
void SetWriteChunkHook(TWriteChunkHook hook);

// Bytes handed to one write call: large files reach the disk in several.
inline constexpr std::size_t WriteChunkSize = 64 * 1024;

} // namespace tvhost

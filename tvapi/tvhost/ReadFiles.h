#pragma once
// What a tvhost command reads, which nothing it writes may replace: its own program and the host
// library it runs on, the library it runs, the script it plays, the documents open in its host
// and the parts their models are made of, and the files it holds open. Files are compared by device and
// inode, so that a link or a second name of a file counts as the file.

#include <sys/types.h>

#include <optional>
#include <string>

namespace tvhost {
class TDocumentCore;
class THostDocuments;
} // namespace tvhost

namespace tvrun {

// What reads a file, as the refusal to write over it tells.
enum class TReadKind { rkNone, rkProgram, rkLibrary, rkScript, rkDocument, rkComponent, rkHeldOpen };

struct TReadBy {
    TReadKind Kind = TReadKind::rkNone;
    std::string Why;       // "it is the library being run"; empty for rkNone
    std::string Component; // rkComponent: the part's file as its assembly names it
};

// The files a command reads (names as bytes, as given).
struct TReadFiles {
    std::string Library;                               // empty: none
    std::optional<std::string> Script;                 // the script played
    std::optional<std::string> Opened;                 // the document opened from the command line
    const tvhost::THostDocuments* Documents = nullptr; // open now, with their parts
};

// A file as the system knows it, whatever its name.
struct TFileId {
    dev_t Device = 0;
    ino_t Inode = 0;
};

// What reads the file `file` (none: there is no regular file); rkNone when nothing does. A
// document being saved (`writing`) may be saved over its own file, and refuses its own parts
// itself.
TReadBy ReaderOf(const std::optional<TFileId>& file, const TReadFiles& read,
                 const tvhost::TDocumentCore* writing = nullptr);

} // namespace tvrun

#pragma once
// A file a tvhost command writes (`--save`, `--png`, `export`'s output) with its folder resolved
// once: the folder is opened as the name finds it, the check of what stands at the name and the
// write both go through that folder, so that the folder moved away or its name turned into a
// link in between redirects neither.

#include <optional>
#include <string>

#include "ReadFiles.h"

namespace tvrun {

class TOutput {
public:
    // `file` as given; a link standing at the name is followed first (a user's document may be
    // one), then the folder of the file it leads to is opened (search permission is enough). A
    // folder that cannot be opened is refused: Opened() is false and Error() says why, and
    // nothing is checked or written by name.
    explicit TOutput(const std::string& file);
    ~TOutput();
    TOutput(const TOutput&) = delete;
    TOutput& operator=(const TOutput&) = delete;

    bool Opened() const noexcept { return FFd >= 0; }
    // Why the folder could not be opened: "cannot open the folder OUT/: No such file or directory".
    const std::string& Error() const noexcept { return FError; }
    // The regular file standing at the name in the open folder (a link there followed); none
    // when there is none.
    std::optional<TFileId> Checked() const;
    // From here until the output goes, writes of Name() go through the open folder alone and
    // follow no link at the name.
    void Hold();
    // The name to write: the folder's name as found, with the file's own name after it.
    const std::string& Name() const noexcept { return FName; }

private:
    std::string FName;
    std::string FFolder; // with the slash that ends it
    std::string FError;
    int FFd = -1;
    bool FHeld = false;
};

} // namespace tvrun

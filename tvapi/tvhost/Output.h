#pragma once
// A file a tvhost command writes (`--save`, `--png`, `export`'s output) with its folder resolved
// once: the folder is opened as the name finds it, the check of what stands at the name and the
// write both go through that folder, so that the folder moved away or its name turned into a
// link in between redirects neither.

#include <string>

namespace tvrun {

class TOutput {
public:
    // `file` as given; a link standing at the name is followed first (a user's document may be
    // one), then the folder of the file it leads to is opened. A folder that cannot be opened
    // holds nothing: the name is then checked and written as given, and the write says why it
    // fails.
    explicit TOutput(const std::string& file);
    ~TOutput();
    TOutput(const TOutput&) = delete;
    TOutput& operator=(const TOutput&) = delete;

    // The name to check what stands at the file by: through the open folder when there is one.
    std::string Checked() const;
    // From here until the output goes, writes of Name() go through the open folder alone and
    // follow no link at the name. Test hook: with TVHOST_TEST_SWAP_FOLDER set, the folder's name
    // is first moved to NAME.was and a link to that variable's value put in its place, as a
    // racing user would between the check and the write.
    void Hold();
    // The name to write: the folder's name as found, with the file's own name after it.
    const std::string& Name() const { return FName; }

private:
    std::string FName;
    std::string FFolder; // with the slash that ends it
    int FFd = -1;
    bool FHeld = false;
};

} // namespace tvrun

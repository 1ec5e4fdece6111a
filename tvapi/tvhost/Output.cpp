// An output file written through its folder, opened once.
#include "Output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "HostFileIo.h"

#ifdef TVHOST_TEST_SWAP
#include <cstdio>
#include <cstdlib>
#endif

namespace tvrun {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int MaxLinks = 40;

// The name a chain of links standing at `file` ends at; `file` itself when none stands there.
std::string Followed(std::string file)
{
    for (int i = 0; i < MaxLinks; ++i) {
        struct stat st {};
        if (::lstat(file.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return file;
        std::vector<char> target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = ::readlink(file.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return file;
        const std::string to(target.data(), static_cast<std::size_t>(n));
        const std::size_t slash = file.rfind('/');
        file = to.front() == '/' || slash == std::string::npos ? to : file.substr(0, slash + 1) + to;
    }
    return file;
}

#ifdef TVHOST_TEST_SWAP
// The test build's hook: at the step TVHOST_TEST_SWAP_STEP of an output (0 before its folder is
// opened, 1 after, 2 after the check, 3 and on after each chunk written), the folder's name is
// moved to NAME.was, when there is one, and a link to TVHOST_TEST_SWAP_FOLDER put in its place,
// as a racing user would.
void Step(const std::string& folder)
{
    static int step = 0;
    const char* to = std::getenv("TVHOST_TEST_SWAP_FOLDER");
    const char* at = std::getenv("TVHOST_TEST_SWAP_STEP");
    if (!to || !at || std::atoi(at) != step++) return;
    const std::string name = folder.substr(0, folder.size() - 1);
    (void)::rename(name.c_str(), (name + ".was").c_str());
    if (::symlink(to, name.c_str()) == 0) std::fprintf(stderr, "tvhost: test: swapped %s\n", name.c_str());
}
#else
void Step(const std::string&) {}
#endif

} // namespace

TOutput::TOutput(const std::string& file) : FName(file)
{
    const std::string name = Followed(file);
    const std::size_t slash = name.rfind('/');
    FFolder = slash == std::string::npos ? "./" : name.substr(0, slash + 1);
    const std::string leaf = slash == std::string::npos ? name : name.substr(slash + 1);
    if (leaf.empty() || leaf == "." || leaf == "..") {
        FError = "it names a folder, not a file";
        return;
    }
    Step(FFolder);
    // O_PATH needs no read permission: a folder the user may only search is written into as well.
    FFd = ::open(FFolder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    const int error = errno;
    Step(FFolder);
    if (FFd < 0)
        FError = "cannot open the folder " + FFolder + ": " + std::strerror(error);
    else
        FName = FFolder + leaf;
}

TOutput::~TOutput()
{
    if (FHeld) {
        tvhost::HoldFolder({}, -1);
#ifdef TVHOST_TEST_SWAP
        tvhost::SetWriteChunkHook({});
#endif
    }
    if (FFd >= 0) ::close(FFd);
}

std::optional<TFileId> TOutput::Checked() const
{
    struct stat st {};
    if (FFd < 0 || ::fstatat(FFd, FName.c_str() + FFolder.size(), &st, 0) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return TFileId{st.st_dev, st.st_ino};
}

void TOutput::Hold()
{
    if (FFd < 0 || FHeld) return;
    Step(FFolder);
#ifdef TVHOST_TEST_SWAP
    tvhost::SetWriteChunkHook([folder = FFolder](std::size_t) { Step(folder); });
#endif
    tvhost::HoldFolder(FFolder, FFd);
    FHeld = true;
}

} // namespace tvrun

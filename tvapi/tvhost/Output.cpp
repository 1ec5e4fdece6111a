// An output file written through its folder, opened once.
#include "Output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "HostFileIo.h"

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

} // namespace

TOutput::TOutput(const std::string& file) : FName(file)
{
    const std::string name = Followed(file);
    const std::size_t slash = name.rfind('/');
    FFolder = slash == std::string::npos ? "./" : name.substr(0, slash + 1);
    const std::string leaf = slash == std::string::npos ? name : name.substr(slash + 1);
    if (leaf.empty() || leaf == "." || leaf == "..") return;
    FFd = ::open(FFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (FFd >= 0) FName = FFolder + leaf;
}

TOutput::~TOutput()
{
    if (FHeld) tvhost::HoldFolder({}, -1);
    if (FFd >= 0) ::close(FFd);
}

std::string TOutput::Checked() const
{
    if (FFd < 0) return FName;
    return "/proc/self/fd/" + std::to_string(FFd) + "/" + FName.substr(FFolder.size());
}

void TOutput::Hold()
{
    if (FFd < 0 || FHeld) return;
    if (const char* to = std::getenv("TVHOST_TEST_SWAP_FOLDER")) {
        const std::string folder = FFolder.substr(0, FFolder.size() - 1);
        if (::rename(folder.c_str(), (folder + ".was").c_str()) == 0) (void)!::symlink(to, folder.c_str());
    }
    tvhost::HoldFolder(FFolder, FFd);
    FHeld = true;
}

} // namespace tvrun

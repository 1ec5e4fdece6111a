// The gallery built while links appear in its folder at every name it has still to write: each
// link met is named and left as it is, the build fails, and nothing is written where they point.
// The gallery's folder itself moved away or swapped for a link as it builds: named, the build
// fails, nothing outside the folder changes.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

struct TLinkCase {
    std::string Name;
    bool ToOneFile; // every link to one file outside, else each to a name outside that is free
};

void PrintTo(const TLinkCase& c, std::ostream* os)
{
    *os << c.Name;
}

class GalleryLinksTest : public testing::TestWithParam<TLinkCase> {};

std::string Read(const fs::path& file)
{
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A folder of this run's own: other runs on the machine may build the same cases at once.
fs::path WorkFolder(const std::string& name)
{
    return fs::path(testing::TempDir()) / (name + "-" + std::to_string(::getpid()));
}

// Whether an entry named `name` (any, when empty) was put in the watched folder within two minutes.
bool Appeared(int watch, const std::string& name)
{
    alignas(inotify_event) char buffer[sizeof(inotify_event) + NAME_MAX + 1];
    for (pollfd event{watch, POLLIN, 0}; ::poll(&event, 1, 120000) == 1;) {
        const ssize_t n = ::read(watch, buffer, sizeof buffer);
        for (ssize_t at = 0; at < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buffer + at);
            if (name.empty() || (e->len > 0 && name == e->name && (e->mask & IN_MOVED_TO))) return true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
        }
    }
    return false;
}

// Builds the gallery into `out`, its output to `log`, held (stopped) while `act` runs once `at`
// is put in its folder (its first entry when empty): after it looked at the folder, whatever the
// machine's speed. The build's exit status; -1 when it was never held.
int BuildHeldAt(const fs::path& out, const fs::path& log, const std::string& at,
                const std::function<void()>& act)
{
    const int watch = ::inotify_init1(IN_CLOEXEC);
    if (::inotify_add_watch(watch, out.c_str(), IN_CREATE | IN_MOVED_TO) < 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, 1);
        ::dup2(fd, 2);
        ::execl(DC_BINARY_DIR "/dimchain-gallery", "dimchain-gallery", "build", DC_SOURCE_DIR "/samples",
                out.c_str(), "1", nullptr);
        ::_exit(127);
    }
    const bool started = Appeared(watch, at);
    ::kill(pid, SIGSTOP);
    int status = 0;
    ::waitpid(pid, &status, WUNTRACED);
    ::close(watch);
    act();
    ::kill(pid, SIGCONT);
    ::waitpid(pid, &status, 0);
    return started ? status : -1;
}

TEST_P(GalleryLinksTest, LinksAppearingAsItBuildsAreNamedAndNeverFollowed)
{
    const fs::path work = WorkFolder("gallery-links-" + GetParam().Name);
    const fs::path out = work / "out", outside = work / "outside", log = work / "log";
    fs::remove_all(work);
    fs::create_directories(out);
    fs::create_directories(outside);
    std::ofstream(outside / "target") << "kept\n";
    std::vector<std::string> links{"gallery.tsv", "index.html"};
    for (int n = 1; n < 1000; ++n)
        for (const char* kind : {".qdr", ".qpt"})
            links.push_back("G" + std::to_string(n) + kind);
    std::vector<std::string> made;
    const int status = BuildHeldAt(out, log, {}, [&] {
        for (const std::string& name : links)
            if (::symlink((outside / (GetParam().ToOneFile ? "target" : name)).c_str(),
                          (out / name).c_str()) == 0)
                made.push_back(name);
    });
    ASSERT_NE(status, -1);
    const std::string said = Read(log);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << said;
    // Each refused save is told once, with its file: not again as a save with no name.
    EXPECT_EQ(said.find("no file name"), std::string::npos) << said;
    // The links that stood as the saves began are named and stay; one that a save held at the
    // stop met only at its rename was replaced.
    EXPECT_NE(said.find("will not write through the link " + (out / "G30.qpt").string()), std::string::npos)
        << said;
    EXPECT_GT(made.size(), links.size() / 2);
    EXPECT_LE(std::count_if(made.begin(), made.end(),
                            [&](const std::string& n) { return !fs::is_symlink(out / n); }),
              1);
    std::vector<std::string> beyond;
    for (const fs::directory_entry& entry : fs::directory_iterator(outside))
        beyond.push_back(entry.path().filename().string());
    EXPECT_EQ(beyond, std::vector<std::string>{"target"});
    EXPECT_TRUE(Read(outside / "target") == "kept\n") << "the file outside was written";
    fs::remove_all(work);
}

INSTANTIATE_TEST_SUITE_P(AsItBuilds, GalleryLinksTest,
                         testing::Values(TLinkCase{"ToOneFileOutside", true},
                                         TLinkCase{"ToFreeNamesOutside", false}),
                         [](const testing::TestParamInfo<TLinkCase>& p) { return p.param.Name; });

struct TFolderCase {
    std::string Name;
    bool Link;      // swapped for a link to another folder, else moved away
    std::string At; // the file put in the folder as it happens; its first entry when empty
};

void PrintTo(const TFolderCase& c, std::ostream* os)
{
    *os << c.Name;
}

class GalleryFolderTest : public testing::TestWithParam<TFolderCase> {};

TEST_P(GalleryFolderTest, FolderLeavingAsItBuildsIsNamedAndNothingOutsideChanges)
{
    const TFolderCase& c = GetParam();
    const fs::path work = WorkFolder("gallery-folder-" + c.Name);
    const fs::path out = work / "out", moved = work / "moved", other = work / "other", log = work / "log";
    fs::remove_all(work);
    fs::create_directories(out);
    fs::create_directories(other);
    const std::vector<std::string> mine{"G10.qpt", "G200.qpt", "gallery.tsv", "index.html"};
    for (const std::string& name : mine)
        std::ofstream(other / name) << "mine\n";
    const int status = BuildHeldAt(out, log, c.At, [&] {
        fs::rename(out, moved);
        if (c.Link) fs::create_directory_symlink(other, out);
    });
    ASSERT_NE(status, -1);
    const std::string said = Read(log);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << said;
    EXPECT_NE(said.find("gallery: the folder " + out.string() +
                        (c.Link ? " was swapped for a link" : " was moved away") + " while it was built\n"),
              std::string::npos)
        << said;
    std::vector<std::string> there, beside;
    for (const fs::directory_entry& entry : fs::directory_iterator(other)) {
        there.push_back(entry.path().filename().string());
        EXPECT_TRUE(Read(entry.path()) == "mine\n") << entry.path() << " was written";
    }
    std::sort(there.begin(), there.end());
    EXPECT_EQ(there, mine);
    for (const fs::directory_entry& entry : fs::directory_iterator(work))
        beside.push_back(entry.path().filename().string());
    std::sort(beside.begin(), beside.end());
    const std::vector<std::string> left = c.Link ? std::vector<std::string>{"log", "moved", "other", "out"}
                                                 : std::vector<std::string>{"log", "moved", "other"};
    EXPECT_EQ(beside, left);
    fs::remove_all(work);
}

INSTANTIATE_TEST_SUITE_P(AsItBuilds, GalleryFolderTest,
                         testing::Values(TFolderCase{"MovedAwayAtItsFirstFile", false, ""},
                                         TFolderCase{"MovedAwayLater", false, "G100.qpt"},
                                         TFolderCase{"SwappedForALinkAtItsFirstFile", true, ""},
                                         TFolderCase{"SwappedForALinkLater", true, "G100.qpt"}),
                         [](const testing::TestParamInfo<TFolderCase>& p) { return p.param.Name; });

} // namespace

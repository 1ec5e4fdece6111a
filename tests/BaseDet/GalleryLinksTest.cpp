// The gallery built while links appear in its folder at every name it has still to write: each
// link met is named and left as it is, the build fails, and nothing is written where they point.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
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

TEST_P(GalleryLinksTest, LinksAppearingAsItBuildsAreNamedAndNeverFollowed)
{
    const fs::path work = fs::path(testing::TempDir()) / ("gallery-links-" + GetParam().Name);
    const fs::path out = work / "out", outside = work / "outside", log = work / "log";
    fs::remove_all(work);
    fs::create_directories(out);
    fs::create_directories(outside);
    std::ofstream(outside / "target") << "kept\n";
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ASSERT_GE(::inotify_add_watch(watch, out.c_str(), IN_CREATE | IN_MOVED_TO), 0);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, 1);
        ::dup2(fd, 2);
        ::execl(DC_BINARY_DIR "/dimchain-gallery", "dimchain-gallery", "build", DC_SOURCE_DIR "/samples",
                out.c_str(), "1", nullptr);
        ::_exit(127);
    }
    // The build is held at the first entry it makes in its folder, after it looked at the folder,
    // while the links are made: they appear as it builds, whatever the machine's speed.
    pollfd event{watch, POLLIN, 0};
    const bool started = ::poll(&event, 1, 120000) == 1;
    ::kill(pid, SIGSTOP);
    int status = 0;
    ::waitpid(pid, &status, WUNTRACED);
    ::close(watch);
    std::vector<std::string> links{"gallery.tsv", "index.html"};
    for (int n = 1; n < 1000; ++n)
        for (const char* kind : {".qdr", ".qpt"})
            links.push_back("G" + std::to_string(n) + kind);
    std::vector<std::string> made;
    for (const std::string& name : links)
        if (::symlink((outside / (GetParam().ToOneFile ? "target" : name)).c_str(), (out / name).c_str()) ==
            0)
            made.push_back(name);
    ::kill(pid, SIGCONT);
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(started);
    const std::string said = Read(log);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << said;
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

} // namespace

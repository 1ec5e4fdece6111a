// File names: splitting with either separator, counting levels, rebasing, and the file
// checks on real files, Cyrillic names included.

#include "TFileName.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string TempDir()
{
    const auto dir = std::filesystem::temp_directory_path() / ("tfilename_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

struct SplitCase {
    const char* name;
    const char* whole;
    const char* file;
    const char* levels[4];  // Path(0) .. Path(3)
    int countFrom0;
    int countFrom3;
};

class TFileNameSplitTest : public testing::TestWithParam<SplitCase> {};

} // namespace

TEST_P(TFileNameSplitTest, NamePathAndLevels)
{
    const SplitCase& c = GetParam();
    const TFileName f(c.whole);
    EXPECT_EQ(f.Name(), TString(c.file));
    for (int level = 0; level < 4; ++level) {
        SCOPED_TRACE(level);
        EXPECT_EQ(f.Path(level), TString(c.levels[level]));
    }
    EXPECT_EQ(f.CountDirectotyDn(0), c.countFrom0);
    EXPECT_EQ(f.CountDirectotyDn(3), c.countFrom3);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TFileNameSplitTest,
    testing::Values(SplitCase{"Backslash", "C:\\a\\b\\f.txt", "f.txt", {"C:\\a\\b\\", "C:\\a\\", "C:\\", ""}, 3, 2},
                    SplitCase{"Slash", "/a/b/f.txt", "f.txt", {"/a/b/", "/a/", "/", ""}, 3, 1},
                    SplitCase{"Mixed", "/a\\b/f.txt", "f.txt", {"/a\\b/", "/a\\", "/", ""}, 3, 1},
                    SplitCase{"Bare", "f.txt", "f.txt", {"f.txt", "f.txt", "f.txt", "f.txt"}, 0, 0}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(TFileNameTest, RelativeMovesTheNameBelowTheNewDirectory)
{
    const TFileName file("/old/proj/parts/p1.dat");
    EXPECT_EQ(file.Relative(TFileName("/new/home/lib.cfg"), TFileName("/old/proj/lib.cfg")),
              TString("/new/home/parts/p1.dat"));
    EXPECT_EQ(TFileName("/old/top.dat").Relative(TFileName("/n1/n2/lib.cfg"), TFileName("/old/proj/lib.cfg")),
              TString("/n1/top.dat")) << "one level above the old directory";
    // A directory name shared only in part does not count as shared.
    EXPECT_EQ(TFileName("/old/projX/a.dat").Relative(TFileName("/new/lib.cfg"), TFileName("/old/proj/lib.cfg")),
              TString("/projX/a.dat"));
    EXPECT_EQ(file.Relative(TFileName("/x/y.cfg"), TFileName("")), file);
    EXPECT_EQ(file.Relative(TFileName("/same.cfg"), TFileName("/same.cfg")), file);
}

TEST(TFileNameTest, FileChecksOnRealFiles)
{
    const std::string dir = TempDir();
    EXPECT_FALSE(FileExists(TString(dir.c_str()))) << "a directory is not a file";
    const std::string plain = dir + "plain.txt";
    std::FILE* f = std::fopen(plain.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    const TFileName name(plain.c_str());
    EXPECT_TRUE(name.FileExists());
    EXPECT_TRUE(name.DeleteFile(TString("ignored")));
    EXPECT_FALSE(name.FileExists());
    EXPECT_FALSE(DeleteFile(name));

    // Windows-1251 text reaches the file system as UTF-8.
    const TString cyr(TString(dir.c_str()) + TString("Узел.txt"));
    EXPECT_EQ(SystemFileName(cyr), dir + "Узел.txt");
    std::FILE* g = std::fopen((dir + "Узел.txt").c_str(), "wb");
    ASSERT_NE(g, nullptr);
    std::fclose(g);
    EXPECT_TRUE(FileExists(cyr));
    EXPECT_TRUE(DeleteFile(cyr));
}

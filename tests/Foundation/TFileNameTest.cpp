// File names: splitting with either separator, counting levels, rebasing, and the file
// checks on real files, Cyrillic names included.

#include "TFileName.h"

#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <string>

TEST(TFileNameTest, NamePathAndLevels)
{
    struct SplitCase {
        const char* whole;
        const char* file;
        const char* levels[4];  // Path(0) .. Path(3)
        int countFrom0, countFrom3;
    };
    const SplitCase cases[] = {{"C:\\a\\b\\f.txt", "f.txt", {"C:\\a\\b\\", "C:\\a\\", "C:\\", ""}, 3, 2},
                               {"/a\\b/f.txt", "f.txt", {"/a\\b/", "/a\\", "/", ""}, 3, 1},
                               {"f.txt", "f.txt", {"f.txt", "f.txt", "f.txt", "f.txt"}, 0, 0}};
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.whole);
        const TFileName f(c.whole);
        EXPECT_EQ(f.Name(), TString(c.file));
        for (int level = 0; level < 4; ++level) EXPECT_EQ(f.Path(level), TString(c.levels[level])) << level;
        EXPECT_EQ(f.CountDirectotyDn(0), c.countFrom0);
        EXPECT_EQ(f.CountDirectotyDn(3), c.countFrom3);
    }
}

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
}

TEST(TFileNameTest, FileChecksOnRealFiles)
{
    const std::string path = streamtest::TempPath("Узел.txt");
    const std::string dir = path.substr(0, path.size() - std::string("Узел.txt").size());
    EXPECT_FALSE(FileExists(TString(dir.c_str()))) << "a directory is not a file";
    // Windows-1251 text reaches the file system as UTF-8.
    const TString cyr(path.c_str());
    EXPECT_EQ(SystemFileName(cyr), path);
    EXPECT_FALSE(FileExists(cyr));
    streamtest::PutFile(path, {1});
    EXPECT_TRUE(FileExists(cyr));
    EXPECT_TRUE(DeleteFile(cyr));
    EXPECT_FALSE(TFileName(path.c_str()).FileExists());
}

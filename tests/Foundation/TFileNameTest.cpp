// File names: splitting with either separator and counting levels.

#include "TFileName.h"

#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <string>

TEST(TFileNameTest, NamePathAndLevels)
{
    struct SplitCase {
        const char* whole;
        const char* file;
        const char* levels[4]; // Path(0) .. Path(3)
        int countFrom0, countFrom3;
    };
    const SplitCase cases[] = {{"C:\\a\\b\\f.txt", "f.txt", {"C:\\a\\b\\", "C:\\a\\", "C:\\", ""}, 3, 2},
                               {"/a\\b/f.txt", "f.txt", {"/a\\b/", "/a\\", "/", ""}, 3, 1},
                               {"f.txt", "f.txt", {"f.txt", "f.txt", "f.txt", "f.txt"}, 0, 0}};
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.whole);
        const TFileName f(c.whole);
        EXPECT_EQ(f.Name(), TString(c.file));
        for (int level = 0; level < 4; ++level)
            EXPECT_EQ(f.Path(level), TString(c.levels[level])) << level;
        EXPECT_EQ(f.CountDirectotyDn(0), c.countFrom0);
        EXPECT_EQ(f.CountDirectotyDn(3), c.countFrom3);
    }
}

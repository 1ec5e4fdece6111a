#include "TextFile.h"

#include "MessageSinks.h"

#include "FoundationTestUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

using foundationtest::Wide;
using foundationtest::WriteFile;

template <class TFile> std::u16string Drain(TFile& F)
{
    std::u16string out;
    for (auto c = F.GetWChar(); c != 0; c = F.GetWChar())
        out += c;
    return out;
}

std::string Drain(TCTextFile& F)
{
    std::string out;
    for (char c = F.GetChar(); c != 0; c = F.GetChar())
        out += c;
    return out;
}

class TTextFileTest : public testing::Test {
protected:
    testsinks::TRecordingHost Host;
};

TEST_F(TTextFileTest, WideCommentAndLineBreakBecomeOneBlankEach)
{
    const std::string dir = WriteFile("comment.tb", Wide(u"# a //note\r\n12 /x \t3"));
    TWideTextFile f;
    ASSERT_TRUE(f.Init(dir.c_str(), "comment.tb"));
    EXPECT_EQ(Drain(f), u"# a  12 /x  3");
    EXPECT_EQ(f.GetWChar(), 0);
    EXPECT_TRUE(Host.Boxes.empty());
}

TEST_F(TTextFileTest, EightBitFileGivesTheSameFlowAndKeepsHighLetters)
{
    const std::string dir = WriteFile("comment.txt", "# a //note\r\n12 /x \xC0\t3");
    TCTextFile f;
    ASSERT_TRUE(f.Init(dir.c_str(), "comment.txt"));
    EXPECT_EQ(Drain(f), "# a  12 /x \xC0 3");
}

TEST_F(TTextFileTest, NumbersAndQuotedTextsInBothEncodings)
{
    const std::string text = "  12; 1,5 7\t8 , \"Plate 1\" ;rest";
    std::u16string wide(text.begin(), text.end());
    const std::string dir = WriteFile("numbers.tb", Wide(wide));
    WriteFile("numbers.txt", text);
    const auto scan = [](auto& f) {
        EXPECT_EQ(f.GetInt(), 12);
        EXPECT_EQ(f.GetReal(), 1.5);
        EXPECT_EQ(f.GetInt(), 7);
        EXPECT_EQ(f.GetInt(), 8);
        EXPECT_STREQ(f.GetStr().PChar(), "Plate 1");
        EXPECT_STREQ(f.SkipDelimiterStrToDelimiter().PChar(), "rest");
    };
    TWideTextFile w;
    TCTextFile c;
    ASSERT_TRUE(w.Init(dir.c_str(), "numbers.tb"));
    ASSERT_TRUE(c.Init(dir.c_str(), "numbers.txt"));
    scan(w);
    scan(c);
    EXPECT_EQ(w.GetInt(), 0);
    EXPECT_STREQ(c.GetStr().PChar(), "");
}

TEST_F(TTextFileTest, WideLettersBecomeWindows1251)
{
    const std::string dir = WriteFile("cyr.tb", Wide(u"\"Винт\" \u4E00"));
    TWideTextFile f;
    ASSERT_TRUE(f.Init(dir.c_str(), "cyr.tb"));
    EXPECT_STREQ(f.GetStr().PChar(), TString("Винт").PChar());
    f.SkipDelimiter();
    EXPECT_STREQ(f.StrTo(u' ').PChar(), "?");
}

TEST_F(TTextFileTest, ScansEndAtTheEndOfTheFileEvenInsideAWideCharacter)
{
    const std::string dir = WriteFile("short.tb", Wide(u"aaa"));
    TWideTextFile f;
    ASSERT_TRUE(f.Init(dir.c_str(), "short.tb"));
    f.Skip(u'a');
    f.Skip(0);
    f.SkipTo(u'#');
    EXPECT_STREQ(f.StrTo(u'"').PChar(), "");
    EXPECT_EQ(f.NextWChar(), 0);

    std::string bytes = Wide(u"12 3"); // cut inside a wide character: ends cleanly
    bytes += 'x';
    WriteFile("cut.tb", bytes);
    TWideTextFile cut;
    ASSERT_TRUE(cut.Init(dir.c_str(), "cut.tb"));
    EXPECT_EQ(Drain(cut), u"12 3x");
}

TEST_F(TTextFileTest, SecondInitTakesTheNamesButOpensNothing)
{
    const std::string dir = WriteFile("first.tb", Wide(u"x"));
    TWideTextFile f;
    ASSERT_TRUE(f.Init(dir.c_str(), "first.tb"));
    EXPECT_TRUE(f.Init(dir.c_str(), "missing.tb"));
    EXPECT_STREQ(f.NameTextBase.PChar(), "missing.tb");
    EXPECT_EQ(f.GetWChar(), u'x');
    EXPECT_TRUE(Host.Boxes.empty());
}

TEST_F(TTextFileTest, MissingFileIsShownAndGivesOnlyZeros)
{
    TWideTextFile f;
    EXPECT_STREQ(f.NameTextBase.PChar(), "ZelCoupling.tb");
    const std::string dir = testing::TempDir();
    EXPECT_FALSE(f.Init(dir.c_str(), "no-such.tb"));
    ASSERT_EQ(Host.Boxes.size(), 2u);
    EXPECT_EQ(Host.Boxes[1], TString("Отсутствует файл ").PChar() + dir + "no-such.tb");
    EXPECT_EQ(f.GetWChar(), 0);
    EXPECT_EQ(f.GetInt(), 0);
    EXPECT_STREQ(f.GetStr().PChar(), "");
}

} // namespace

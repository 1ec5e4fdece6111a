// Saves and SVG exports replace their file only when the new one is complete: with no
// folder, a read-only folder, a file-size limit hit part way or a kill during the write,
// the old file keeps its bytes and the caller learns of the failure.

#include "HostFileIo.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostDocumentFile.h"
#include "HostFixture.h"
#include "HostKernel.h"
#include "HostSvg.h"
#include "HostText.h"
#include "SpecialFiles.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

class FileSaveTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        FDir = ::testing::TempDir() + "save-" + std::to_string(::getpid()) + "/";
        fs::remove_all(FDir);
        fs::create_directories(FDir);
        FOld = FDir + "doc.qdr";
        std::ofstream(FOld, std::ios::binary) << "old contents\n";
        FSheet = drawing_test::NewSheet(Host().App().Documents());
    }
    void TearDown() override
    {
        tvhost::SetWriteChunkHook({});
        FSheet = {};
        fs::permissions(FDir, fs::perms::owner_all);
        fs::remove_all(FDir);
        HostFixture::TearDown();
    }
    // A drawing whose file takes several write chunks.
    void MakeLarge()
    {
        for (int i = 0; i < 2000; ++i)
            drawing_test::Segment(FSheet, i, 0, i, 10, tvapi::tvCSNormal);
    }
    // Runs `save` in a child process prepared by `prepare`; the child's exit code is 0 when
    // the save answered false, 1 when it answered true. Gives the wait status.
    template <class P, class S> int InChild(P prepare, S save)
    {
        const pid_t pid = ::fork();
        if (pid == 0) {
            prepare();
            ::_exit(save() ? 1 : 0);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        return status;
    }
    // The old file has its bytes and no temporary file is left beside it.
    void ExpectOldKept()
    {
        EXPECT_EQ(Bytes(FOld), "old contents\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 1);
    }
    bool SaveAs(const std::string& path)
    {
        return FSheet.Doc->SaveAs(tvhost::FileNameFromBytes(path).c_str());
    }

public:
    tvhost::TDocumentCore& Core() { return *dynamic_cast<tvhost::TDocumentCore*>(FSheet.Doc.Get()); }
    bool Save(const std::string& path, std::string& error)
    {
        const bool saved = SaveAs(path);
        error = Core().SaveError();
        return saved;
    }

protected:
    std::string FDir, FOld;
    drawing_test::TSheet FSheet;
};

TEST_F(FileSaveTest, MissingFolderFailsAndSaysWhy)
{
    EXPECT_FALSE(SaveAs(FDir + "missing/doc.qdr"));
    EXPECT_EQ(Core().SaveError(),
              "cannot create a file in the folder of " + FDir + "missing/doc.qdr: No such file or directory");
    EXPECT_TRUE(FSheet.Doc->GetFileName().empty());
}

// A path through a regular file stops root as well as anyone.
TEST_F(FileSaveTest, FolderThatIsAFileFails)
{
    EXPECT_FALSE(SaveAs(FOld + "/doc.qdr"));
    EXPECT_NE(Core().SaveError().find("Not a directory"), std::string::npos);
    ExpectOldKept();
}

// Root passes any folder mode, so the child gives up root first.
TEST_F(FileSaveTest, ReadOnlyFolderKeepsTheOldFile)
{
    fs::permissions(FDir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const int status = InChild(
        [] {
            if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(2);
        },
        [&] { return SaveAs(FOld); });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ExpectOldKept();
}

TEST_F(FileSaveTest, FileSizeLimitPartWayKeepsTheOldFile)
{
    MakeLarge();
    const int status = InChild(
        [] {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{tvhost::WriteChunkSize + 1000, tvhost::WriteChunkSize + 1000};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        },
        [&] { return SaveAs(FOld) || Core().SaveError().find("File too large") == std::string::npos; });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ExpectOldKept();
}

TEST_F(FileSaveTest, KillDuringTheWriteKeepsTheOldFile)
{
    MakeLarge();
    const int status = InChild([] { tvhost::SetWriteChunkHook([](std::size_t) { ::raise(SIGKILL); }); },
                               [&] { return SaveAs(FOld); });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(Bytes(FOld), "old contents\n");
}

TEST_F(FileSaveTest, CompleteSaveReplacesAndKeepsTheMode)
{
    fs::permissions(FOld, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    MakeLarge();
    std::size_t chunks = 0;
    tvhost::SetWriteChunkHook([&](std::size_t) { ++chunks; });
    ASSERT_TRUE(SaveAs(FOld)) << Core().SaveError();
    EXPECT_GT(chunks, 1u);
    EXPECT_EQ(Bytes(FOld), tvhost::DocumentJson(Core()).dump(1) + "\n");
    EXPECT_EQ(fs::status(FOld).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 1);
}

// A failed save on closing keeps the document open; the caller hears false.
TEST_F(FileSaveTest, CloseWithFailedSaveAnswersFalseAndKeepsTheDocument)
{
    ASSERT_TRUE(SaveAs(FOld));
    const std::string saved = Bytes(FOld);
    Core().SetFileName(tvhost::FileNameFromBytes(FOld + "/not-a-folder.qdr"));
    EXPECT_FALSE(FSheet.Doc->Close(tvapi::kdSaveChanges));
    EXPECT_TRUE(Core().IsOpen());
    EXPECT_EQ(Host().App().Documents().Count(), 1u);
    EXPECT_EQ(Bytes(FOld), saved);
    Core().SetFileName(tvhost::FileNameFromBytes(FOld));
    EXPECT_TRUE(FSheet.Doc->Close(tvapi::kdSaveChanges));
    EXPECT_FALSE(Core().IsOpen());
}

TEST_F(FileSaveTest, FailedSvgExportKeepsTheOldPicture)
{
    std::string error;
    EXPECT_FALSE(tvhost::WriteSvgFile(Core(), tvhost::FileNameFromBytes(FOld + "/x.svg"), error));
    EXPECT_NE(error.find("Not a directory"), std::string::npos);
    MakeLarge();
    const int status =
        InChild([] { tvhost::SetWriteChunkHook([](std::size_t) { ::raise(SIGKILL); }); },
                [&] { return tvhost::WriteSvgFile(Core(), tvhost::FileNameFromBytes(FOld), error); });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(Bytes(FOld), "old contents\n");
}

// A name that is no UTF-8 is used byte for byte.
TEST_F(FileSaveTest, NameWithByteFFIsSavedAndOpenedAsGiven)
{
    const std::string name = FDir + "a\xFF\xC3.qdr";
    ASSERT_TRUE(SaveAs(name)) << Core().SaveError();
    EXPECT_TRUE(fs::exists(fs::path(name)));
    EXPECT_EQ(tvhost::FileNameBytes(FSheet.Doc->GetFileName()), name);
    ASSERT_TRUE(FSheet.Doc->Close(tvapi::kdDoNotSaveChanges));
    tvhost::THostDocuments& documents = Host().App().Documents();
    EXPECT_TRUE(documents.OpenFile(tvhost::FileNameFromBytes(name))) << documents.OpenError();
}

// Every writer of the host: a document save, an SVG picture and a STEP model.
struct TWriter {
    const char* Name;
    std::function<bool(FileSaveTest&, const std::string&, std::string&)> Write;
};

std::vector<TWriter> Writers()
{
    return {
        {"document", [](FileSaveTest& t, const std::string& p, std::string& e) { return t.Save(p, e); }},
        {"svg",
         [](FileSaveTest& t, const std::string& p, std::string& e) {
             return tvhost::WriteSvgFile(t.Core(), tvhost::FileNameFromBytes(p), e);
         }},
        {"step",
         [](FileSaveTest&, const std::string& p, std::string& e) {
             return tvhost::WriteStepFile({tvhost::MakeBox({0, 0, 0}, 1, 2, 3)}, p, e);
         }},
    };
}

// A chain of relative links: "a" -> "sub/b" (read in the folder of "a") -> "../doc.qdr".
TEST_F(FileSaveTest, WritesThroughLinksReplaceTheTargetAndKeepTheLinks)
{
    fs::create_directory(FDir + "sub");
    fs::create_symlink("sub/b", FDir + "a");
    fs::create_symlink("../doc.qdr", FDir + "sub/b");
    for (const TWriter& writer : Writers()) {
        SCOPED_TRACE(writer.Name);
        std::ofstream(FOld, std::ios::binary) << "old contents\n";
        std::string error;
        ASSERT_TRUE(writer.Write(*this, FDir + "a", error)) << error;
        EXPECT_EQ(fs::symlink_status(FDir + "a").type(), fs::file_type::symlink);
        EXPECT_EQ(fs::symlink_status(FDir + "sub/b").type(), fs::file_type::symlink);
        EXPECT_NE(Bytes(FOld), "old contents\n");
        EXPECT_GT(Bytes(FOld).size(), 100u);
        EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 3);
    }
}

// A name as long as the system allows (255 bytes, some of them in two-byte letters) is written
// whole by every writer, and nothing else stays beside it.
TEST_F(FileSaveTest, LongestLegalNameIsWritten)
{
    std::string longest(235, 'a');
    for (int i = 0; i < 8; ++i)
        longest += "\xC3\xA9";
    longest += ".qdr";
    fs::remove(FOld);
    ASSERT_EQ(longest.size(), 255u);
    for (const TWriter& writer : Writers()) {
        SCOPED_TRACE(writer.Name);
        std::string error;
        ASSERT_TRUE(writer.Write(*this, FDir + longest, error)) << error;
        EXPECT_GT(Bytes(FDir + longest).size(), 100u);
        EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 1);
    }
}

// A save killed mid-way leaves its temporary file, whose name, cut short for a 253- or 255-byte
// target in three-byte characters, ends before a whole character.
class TemporaryNameTest : public FileSaveTest, public ::testing::WithParamInterface<int> {};
TEST_P(TemporaryNameTest, CutKeepsTheNameUtf8)
{
    const std::string name =
        std::string(GetParam() % 3, 'a') + tvhost::ToUtf8(std::wstring(GetParam() / 3, L'\u65E5'));
    MakeLarge();
    InChild([] { tvhost::SetWriteChunkHook([](std::size_t) { ::raise(SIGKILL); }); },
            [&] { return SaveAs(FDir + name); });
    EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 2);
    for (const fs::path& p : fs::directory_iterator(FDir))
        EXPECT_EQ(tvhost::ToUtf8(tvhost::FromUtf8(p.filename().string())), p.filename().string());
}
INSTANTIATE_TEST_SUITE_P(Lengths, TemporaryNameTest, ::testing::Values(253, 255),
                         [](const auto& p) { return std::to_string(p.param) + "Bytes"; });

TEST_F(FileSaveTest, TargetsThatAreNoRegularFileAreRefusedAndKept)
{
    specialfiles::MakeFifo(FDir + "fifo");
    fs::create_directory(FDir + "folder");
    fs::create_symlink("fifo", FDir + "link");
    const bool device = specialfiles::MakeCharDevice(FDir + "full", 1, 7);
    const std::pair<std::string, std::string> targets[] = {
        {"fifo", "a FIFO"}, {"folder", "a directory"}, {"link", "a FIFO"}, {"full", "a character device"}};
    for (const TWriter& writer : Writers())
        for (const auto& [name, kind] : targets) {
            SCOPED_TRACE(std::string(writer.Name) + " onto " + name);
            if (name == "full" && !device) continue;
            const fs::file_type before = fs::symlink_status(FDir + name).type();
            std::string error;
            EXPECT_FALSE(writer.Write(*this, FDir + name, error));
            const std::string shown = name == "link" ? "fifo" : name;
            EXPECT_EQ(error, "will not replace " + FDir + shown + ": it is " + kind);
            EXPECT_EQ(fs::symlink_status(FDir + name).type(), before);
        }
    EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), device ? 5 : 4);
    if (!device) GTEST_SKIP() << "no right to make a device node";
}

TEST(FileNameTest, BytesRoundTripThroughWideText)
{
    for (const std::string name : {"plain.qdr", "\xFF", "a\xC3", "\xC3\xA9t\xC3\xA9", "\xED\xB2\x80",
                                   "\xF4\x90\x80\x80", "\xC0\xAF", "\xE2\x82"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(tvhost::FileNameBytes(tvhost::FileNameFromBytes(name)), name);
    }
    EXPECT_EQ(tvhost::FileNameFromBytes("\xC3\xA9"), L"\u00E9");
    EXPECT_EQ(tvhost::FileNameFromBytes("a\xFF"), std::wstring(L"a") + wchar_t(0xDCFF));
}

} // namespace

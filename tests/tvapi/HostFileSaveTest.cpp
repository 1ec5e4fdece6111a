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
#include <sstream>

#include <gtest/gtest.h>

#include "Drawing2DTestUtil.h"
#include "HostDocumentFile.h"
#include "HostFixture.h"
#include "HostSvg.h"
#include "HostText.h"

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
    tvhost::TDocumentCore& Core() { return *dynamic_cast<tvhost::TDocumentCore*>(FSheet.Doc.Get()); }
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

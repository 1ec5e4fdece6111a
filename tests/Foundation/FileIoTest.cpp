// Careful file access: a write through links replaces the file they point to and keeps them;
// devices, FIFOs and folders are neither replaced nor read; a read never waits on a FIFO and
// stops at its size limit; the streams and parameter files say why a file was not read.

#include "FileIo.h"

#include "KmfData.h"
#include "MessageSinks.h"
#include "SpecialFiles.h"
#include "TMemory.h"
#include "TextFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace {

namespace fs = std::filesystem;
using specialfiles::Bytes;
using specialfiles::Kind;
using specialfiles::TFolder;

TEST(FileIoTest, WriteThroughAChainOfRelativeLinksReplacesTheirTarget)
{
    const TFolder dir;
    fs::create_directory(dir / "sub");
    std::ofstream(dir / "real.txt") << "old";
    fs::permissions(dir / "real.txt", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("sub/second", dir / "first");       // read from the folder of "first"
    fs::create_symlink("../real.txt", dir / "sub/second"); // and this one from "sub"
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(dir / "first", "new", error)) << error;
    EXPECT_EQ(Bytes(dir / "real.txt"), "new");
    EXPECT_EQ(Kind(dir / "first"), fs::file_type::symlink);
    EXPECT_EQ(Kind(dir / "sub/second"), fs::file_type::symlink);
    EXPECT_EQ(fs::status(dir / "real.txt").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(dir.Count(), 3); // no temporary file left

    fs::create_symlink("loop", dir / "loop");
    EXPECT_FALSE(WriteFileAtomically(dir / "loop", "x", error));
    EXPECT_NE(error.find("symbolic links"), std::string::npos) << error;
}

TEST(FileIoTest, TargetsThatAreNoRegularFileAreRefusedAndKept)
{
    const TFolder dir;
    ASSERT_TRUE(specialfiles::MakeFifo(dir / "fifo"));
    fs::create_directory(dir / "folder");
    fs::create_symlink("fifo", dir / "link-to-fifo");
    const bool device = specialfiles::MakeCharDevice(dir / "full", 1, 7);
    const std::pair<const char*, const char*> cases[] = {
        {"fifo", "it is a FIFO"},
        {"folder", "it is a directory"},
        {"link-to-fifo", "it is a FIFO"},
        {"full", "it is a character device"},
    };
    for (const auto& [name, said] : cases) {
        SCOPED_TRACE(name);
        if (!device && std::string(name) == "full") continue;
        const fs::file_type before = Kind(dir / name);
        std::string error;
        EXPECT_FALSE(WriteFileAtomically(dir / name, "picture", error));
        EXPECT_NE(error.find(said), std::string::npos) << error;
        EXPECT_EQ(Kind(dir / name), before);
    }
    EXPECT_EQ(dir.Count(), device ? 4 : 3);
    if (!device) GTEST_SKIP() << "no right to make a device node";
}

// A file the library writes itself, of 5,000 bytes or more: a failure half-way (the disk full,
// here a file-size limit) leaves the old file whole and no temporary file; a write that
// succeeds replaces it.
struct TLibraryWrite {
    const char* Name;
    std::function<bool(const std::string& path)> Write; // false when the writer saw a failure
};
void PrintTo(const TLibraryWrite& c, std::ostream* os)
{
    *os << c.Name;
}

TMemory Block()
{
    TMemory m;
    m.New(5000);
    for (int i = 0; i < m.Size; ++i)
        m.Pointer[i] = static_cast<Byte>(i * 7);
    return m;
}

const TLibraryWrite LibraryWrites[] = {
    {"ByteStream",
     [](const std::string& path) {
         TKmfData w;
         if (!w.MakeForWrite(TString(path.c_str()), false)) return false;
         const TMemory m = Block();
         w.Write(m.Pointer, static_cast<unsigned int>(m.Size));
         return w.Close();
     }},
    {"MemoryBlock",
     [](const std::string& path) {
         Block().toFile(TString(path.c_str()));
         return true;
     }},
    {"MemoryTable",
     [](const std::string& path) {
         Block().toTextFile(TString(path.c_str()));
         return true;
     }},
};

class LibraryWriteTest : public ::testing::TestWithParam<TLibraryWrite> {};

TEST_P(LibraryWriteTest, FailureHalfWayKeepsTheOldFile)
{
    const TFolder dir;
    const std::string path = dir / "data";
    std::ofstream(path) << "old";
    EXPECT_NE(specialfiles::WithFileSizeLimit(1000, [&] { return GetParam().Write(path) ? 0 : 1; }), -1);
    EXPECT_EQ(Bytes(path), "old");
    EXPECT_EQ(dir.Count(), 1) << "no temporary file stays";

    ASSERT_TRUE(GetParam().Write(path));
    EXPECT_GE(Bytes(path).size(), 5000u);
    EXPECT_EQ(dir.Count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Writers, LibraryWriteTest, ::testing::ValuesIn(LibraryWrites),
                         [](const ::testing::TestParamInfo<TLibraryWrite>& p) { return p.param.Name; });

// A FIFO with no writer, a node with /dev/zero's numbers, a folder and a file past the limit
// end a read at once: the stream says why, and a parameter file counts as a bad one.
TEST(FileIoTest, ReadsTakeRegularFilesWithinTheLimitOnly)
{
    testsinks::TRecordingHost host;
    const TFolder dir;
    ASSERT_TRUE(specialfiles::MakeFifo(dir / "fifo.tb"));
    fs::create_directory(dir / "folder");
    std::ofstream(dir / "big").close();
    fs::resize_file(dir / "big", MaxReadBytes + 1); // sparse: costs no disk
    const bool device = specialfiles::MakeCharDevice(dir / "zero", 1, 5);
    const std::string opening = TString("Ошибка открытия файла ").PChar();
    const std::pair<const char*, std::string> refused[] = {
        {"fifo.tb", " 22 is a FIFO, not a regular file"},
        {"folder", " 21 is a directory, not a regular file"},
        {"big", " 27 is larger than the 256 MiB a read may take"},
        {"zero", " 22 is a character device, not a regular file"},
    };
    ::alarm(20); // a read that waits or never ends fails the test instead of hanging it
    for (const auto& [name, why] : refused) {
        SCOPED_TRACE(name);
        if (!device && std::string(name) == "zero") continue;
        host.Boxes.clear();
        TKmfData stream;
        EXPECT_FALSE(stream.MakeForRead(TString((dir / name).c_str()), true));
        EXPECT_EQ(host.Boxes, std::vector<std::string>{opening + dir / name + why});
    }
    host.Boxes.clear();
    TWideTextFile fifo;
    EXPECT_FALSE(fifo.Init(dir.Path().c_str(), "fifo.tb"));
    ::alarm(0);
    ASSERT_EQ(host.Boxes.size(), 2u);
    EXPECT_EQ(host.Boxes[1], TString("Плохой файл параметров ").PChar() + dir / "fifo.tb");

    fs::resize_file(dir / "big", MaxReadBytes);
    int code = 0;
    std::string reason;
    const int fd = OpenRegularFile(dir / "big", code, reason);
    ASSERT_GE(fd, 0) << reason;
    EXPECT_EQ(::fcntl(fd, F_GETFL) & O_NONBLOCK, 0); // reads block again as usual
    ::close(fd);
    if (!device) GTEST_SKIP() << "no right to make a device node";
}

} // namespace

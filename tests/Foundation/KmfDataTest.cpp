// TKmfData: byte layouts of the header and the values, reading past the data, memory-mode
// growth, file mode across the 16 MiB window, the handling of damaged lengths, and the file's
// failures and closing.

#include "KmfData.h"

#include "SpecialFiles.h"
#include "StreamTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>

using namespace streamtest;

TEST(TKmfDataTest, HeaderAndValuesAreRawLittleEndianBytes)
{
    TKmfData s;
    Bytes blob;
    s.to(blob);
    ASSERT_EQ(blob.size(), 256u);
    EXPECT_EQ(Bytes(blob.begin(), blob.begin() + 8), (Bytes{0xDD, 0xDE, 0x7E, 0x01, 0x61, 0, 0, 0}));
    EXPECT_EQ(std::count(blob.begin() + 8, blob.end(), 0), 248);

    s.Write(1);
    s.Write(1.0);
    s.Write(TString("ab"));
    EXPECT_EQ(DataOf(s), (Bytes{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 2, 0, 0, 0, 0x61, 0x62, 0}));
    TKmfData t;
    t << TString("") << true << static_cast<Byte>(0xAB) << L'\x42A';
    t.Write(u'\x0416');
    t << 0xFFFFFFFEu << Bytes{7, 8};
    EXPECT_EQ(DataOf(t),
              Cat(Bytes{0, 0, 0, 0, 0, 1, 0xAB, 0x2A, 0x04, 0, 0, 0x16, 0x04}, Cat(Ints({-2, 2}), {7, 8})));
}

TEST(TKmfDataTest, ReadingPastTheDataGivesZerosAndSetsTheFlag)
{
    TKmfData s;
    Load(s, {0x05, 0x01});
    EXPECT_EQ(s.ReadInteger(), 261);
    EXPECT_TRUE(s.ErrorReadFromFileToBufer);
    EXPECT_EQ(s.ReadReal(), 0.0);
    // A stream that read past one blob reads the next one from its first byte.
    Load(s, {0x07, 0x00, 0x00, 0x00});
    EXPECT_FALSE(s.ErrorReadFromFileToBufer);
    EXPECT_EQ(s.ReadInteger(), 7);
}

TEST(TKmfDataTest, MemoryModeGrowsPastTheWindowInsteadOfOverwriting)
{
    const UInteger n = TKmfData::SizeDataBufer / 4 + 100;
    TKmfData w;
    for (UInteger i = 0; i < n; ++i)
        w.Write(static_cast<int>(i * 2654435761u));
    EXPECT_EQ(w.SizeData(), int(256 + 4 * n));
    TKmfData r;
    r.from(Blob(97, DataOf(w)));
    UInteger bad = 0;
    for (UInteger i = 0; i < n; ++i)
        bad += r.ReadInteger() != static_cast<int>(i * 2654435761u);
    EXPECT_EQ(bad, 0u);
}

// Reads interleaved with writes that move the growing buffer: the read position moves with it.
TEST(TKmfDataTest, ReadsBetweenWritesFollowTheGrowingBuffer)
{
    TKmfData s;
    int written = 0, read = 0, bad = 0;
    for (int round = 0; round < 12; ++round) {
        for (int k = 0; k < 1000 << (round / 3); ++k) {
            s.Write(written);
            s.Write(written * 0.5);
            s.WriteByte(static_cast<Byte>(written++));
        }
        for (int k = 0; k < 700 << (round / 3); ++k, ++read)
            bad += s.ReadInteger() != read || s.ReadReal() != read * 0.5 || s.ReadByte() != Byte(read);
    }
    EXPECT_EQ(s.SizeData(), 256 + 13 * written);
    while (read < written && bad == 0) {
        bad += s.ReadInteger() != read || s.ReadReal() != read * 0.5 || s.ReadByte() != Byte(read);
        ++read;
    }
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(read, written);
    EXPECT_FALSE(s.ErrorReadFromFileToBufer);
    EXPECT_EQ(s.ReadByte(), 0);
    EXPECT_TRUE(s.ErrorReadFromFileToBufer);
}

TEST(TKmfDataTest, DamagedLengthsYieldEmptyValuesAndTheFlag)
{
    struct Case {
        const char* what;
        Bytes data;
        bool vectorWhole;
    }; // a vector has no terminator to miss
    const Case cases[] = {
        {"negative", Cat(Ints({-1}), {'a', 0}), false},
        {"beyond the data", Cat(Ints({16}), {'a', 'b', 0}), false},
        {"huge", Cat(Ints({0x7FFFFFFF}), {'a', 0}), false},
        {"terminator missing", Cat(Ints({2}), {'a', 'b'}), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TKmfData s;
        Load(s, c.data);
        TString t("old");
        s >> t;
        EXPECT_TRUE(t.Empty());
        EXPECT_TRUE(s.ErrorReadFromFileToBufer);
        EXPECT_EQ(s.ReadInteger(), 0) << "the rest of a damaged stream reads as zeros";
        TKmfData v;
        Load(v, c.data);
        Bytes vec{1, 2, 3};
        v >> vec;
        EXPECT_EQ(vec, c.vectorWhole ? Bytes({'a', 'b'}) : Bytes());
    }
}

TEST(TKmfDataFileTest, ValuesSurviveAcrossTheWindowBoundary)
{
    const std::string header = TempPath("header.kmf");
    TKmfData h;
    ASSERT_TRUE(h.MakeForWrite(TString(header.c_str()), false));
    EXPECT_TRUE(h.Close());
    EXPECT_EQ(FileBytes(header), Blob(97, {}));
    const std::string path = TempPath("window.kmf");
    const UInteger filler = TKmfData::SizeDataBufer - 3; // the double straddles the window edge
    Bytes pad(filler);
    for (UInteger i = 0; i < filler; ++i)
        pad[i] = static_cast<Byte>(i * 7);
    TKmfData w;
    ASSERT_TRUE(w.MakeForWrite(TString(path.c_str()), false));
    w.Write(pad.data(), filler);
    w << 3.25 << 77 << TString("окно");
    EXPECT_TRUE(w.Close());
    EXPECT_EQ(std::filesystem::file_size(path), 256u + filler + 8 + 4 + 4 + 5);

    TKmfData r;
    ASSERT_TRUE(r.MakeForRead(TString(path.c_str()), false));
    Bytes back(filler);
    EXPECT_EQ(r.Read(back.data(), filler), filler);
    EXPECT_EQ(back, pad);
    double d = 0;
    int i = 0;
    TString t;
    r >> d >> i >> t;
    EXPECT_EQ(d, 3.25);
    EXPECT_EQ(i, 77);
    EXPECT_EQ(t, TString("окно"));
    EXPECT_TRUE(r.EndOfFile());
    EXPECT_EQ(r.ReadInteger(), 0);
    EXPECT_FALSE(r.ErrorReadFromFileToBufer) << "the end of a file is not an error";
    r.Seek(256);
    EXPECT_EQ(r.ReadByte(), 0);
    EXPECT_EQ(r.ReadByte(), 7) << "Seek(256) rereads the data from its first byte";
    EXPECT_TRUE(r.Close()) << "reading up to the end is no failure";
}

namespace {

// Open descriptors of this process.
int OpenFiles()
{
    return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                          std::filesystem::directory_iterator()));
}

} // namespace

// A write that falls short (the disk full, here a file-size limit) is reported by Close, and the
// file the stream was made for stays as it was; a FIFO or folder is no target at all.
TEST(TKmfDataFileTest, ShortWriteIsReportedByCloseAndKeepsTheOldFile)
{
    const specialfiles::TFolder dir;
    const std::string path = dir / "short.kmf";
    // A few bytes fail only when the C library flushes them at close; a full window fails
    // at its own write.
    for (const UInteger n : {UInteger(12), TKmfData::SizeDataBufer + 4}) {
        SCOPED_TRACE(n);
        PutFile(path, Ints({1, 2}));
        const int code = specialfiles::WithFileSizeLimit(10, [&] {
            TKmfData w;
            if (!w.MakeForWrite(TString(path.c_str()), true)) return 2;
            const Bytes data(n, 0x5A);
            w.Write(data.data(), n);
            if (w.Close()) return 3;
            if (w.Active()) return 4;
            return w.Close() ? 0 : 5; // a closed stream has nothing more to report
        });
        EXPECT_EQ(code, 0);
        EXPECT_EQ(FileBytes(path), Ints({1, 2})) << "the old file is kept whole";
        EXPECT_EQ(dir.Count(), 1) << "no temporary file stays";
    }
    ASSERT_TRUE(specialfiles::MakeFifo(dir / "fifo"));
    std::filesystem::create_directory(dir / "folder");
    for (const char* name : {"fifo", "folder"}) {
        TKmfData w;
        EXPECT_FALSE(w.MakeForWrite(TString((dir / name).c_str()), true)) << name;
        EXPECT_FALSE(w.Active());
    }
    EXPECT_EQ(dir.Count(), 3);
}

TEST(TKmfDataFileTest, ReadCutShortByATruncatedFileIsReportedByClose)
{
    const std::string path = TempPath("cut.kmf");
    PutFile(path, Blob(97, Cat(Ints({11, 22}), {0x21, 0x43})));
    TKmfData r;
    ASSERT_TRUE(r.MakeForRead(TString(path.c_str()), false));
    EXPECT_EQ(r.ReadInteger(), 11);
    EXPECT_EQ(r.ReadInteger(), 22);
    EXPECT_FALSE(r.ErrorReadFromFileToBufer);
    EXPECT_EQ(r.ReadInteger(), 0x4321) << "the missing bytes read as 0";
    EXPECT_TRUE(r.ErrorReadFromFileToBufer);
    EXPECT_FALSE(r.Close());

    // A header cut after its magic is accepted as before, and reported.
    Bytes header = Blob(97, {});
    header.resize(100);
    PutFile(path, header);
    TKmfData h;
    ASSERT_TRUE(h.MakeForRead(TString(path.c_str()), false));
    EXPECT_EQ(h.Version(), 97);
    EXPECT_FALSE(h.Close());

    // A new file on the same stream starts without the old failure.
    PutFile(path, Blob(97, Ints({5})));
    ASSERT_TRUE(h.MakeForRead(TString(path.c_str()), false));
    EXPECT_EQ(h.ReadInteger(), 5);
    EXPECT_TRUE(h.Close());
}

TEST(TKmfDataFileTest, DestructorClosesTheFileAndWritesWhatIsPending)
{
    const std::string path = TempPath("unclosed.kmf");
    const int before = OpenFiles();
    {
        TKmfData w;
        ASSERT_TRUE(w.MakeForWrite(TString(path.c_str()), false));
        w << 7 << 2.5;
        EXPECT_EQ(OpenFiles(), before + 1);
    }
    EXPECT_EQ(OpenFiles(), before);
    EXPECT_EQ(FileBytes(path), Blob(97, Cat(Ints({7}), {0, 0, 0, 0, 0, 0, 4, 0x40})));
    {
        TKmfData r;
        ASSERT_TRUE(r.MakeForRead(TString(path.c_str()), false));
        EXPECT_EQ(r.ReadInteger(), 7);
    }
    EXPECT_EQ(OpenFiles(), before);
}

// Reads of a file made for writing take only the bytes still pending: once the buffer went
// to the file, a read position left inside it must not read the written bytes again.
TEST(TKmfDataFileTest, ReadsOfAWrittenFileTakeOnlyPendingBytes)
{
    const std::string path = TempPath("pending.kmf");
    TKmfData w;
    ASSERT_TRUE(w.MakeForWrite(TString(path.c_str()), true));
    w << 1 << 2;
    EXPECT_EQ(w.ReadInteger(), 1);
    w.WriteBuferToFile();
    EXPECT_EQ(w.ReadInteger(), 0) << "2 went to the file with the buffer";
    EXPECT_EQ(w.ReadReal(), 0.0);
    w << 3;
    EXPECT_EQ(w.ReadInteger(), 3);
    EXPECT_EQ(w.ReadInteger(), 0);
    EXPECT_TRUE(w.Close());
    EXPECT_EQ(FileBytes(path), Ints({1, 2, 3}));
}

// TDictionary and DC: the ".dic" file read and written byte for byte, lookup and collection
// of missing words, harvesting DC("...") calls, the result ring, and the host dictionary.

#include "Dictionary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include "HostFixture.h"
#include "MessageSinks.h"

#include "FoundationTestUtil.h"

namespace {

using foundationtest::Cp;
using streamtest::Text;

namespace fs = std::filesystem;
using TPairs = std::vector<std::pair<std::wstring, std::wstring>>;
using TTable = std::vector<std::pair<std::string, std::string>>;

// The first n pairs of the table as 8-bit texts.
TTable Table(const TDictionary& d, Integer n)
{
    TTable t;
    for (Integer i = 0; i < n; ++i)
        t.emplace_back(Text(d.Words[i][0]), Text(d.Words[i][1]));
    return t;
}

fs::path MakeTempDir()
{
    static int serial = 0;
    const fs::path dir = fs::temp_directory_path() /
                         ("dictionary_" + std::to_string(getpid()) + "_" + std::to_string(++serial));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

// 4-byte little-endian units, written and read independently of the byte stream.
void WriteUtf32(const fs::path& path, const std::wstring& text)
{
    std::string bytes;
    for (const wchar_t c : text)
        for (int k = 0; k < 4; ++k)
            bytes += static_cast<char>(static_cast<std::uint32_t>(c) >> (8 * k));
    std::FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::wstring ReadUtf32(const fs::path& path)
{
    std::wstring text;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    for (unsigned char b[4]; f && std::fread(b, 1, 4, f) == 4;)
        text.push_back(static_cast<wchar_t>(b[0] | b[1] << 8 | b[2] << 16 | std::uint32_t(b[3]) << 24));
    if (f) std::fclose(f);
    return text;
}

// The file form: a byte-order mark, then "key"="value" CR LF per pair.
std::wstring DicText(const TPairs& pairs)
{
    std::wstring text = L"\xFEFF";
    for (const auto& [key, value] : pairs)
        text += L"\"" + key + L"\"=\"" + value + L"\"\r\n";
    return text;
}

// A library folder holding the dictionary folder "ZelDimChain" with one file in it.
struct TLibrary {
    fs::path Root = MakeTempDir();
    fs::path Folder = Root / "ZelDimChain";
    TString Path = TString((Root.string() + "/").c_str());

    explicit TLibrary(const std::wstring& dic)
    {
        fs::create_directories(Folder);
        WriteUtf32(Folder / "words.dic", dic);
    }
    ~TLibrary() { fs::remove_all(Root); }
};

std::unique_ptr<TDictionary> Loaded(const TLibrary& lib)
{
    auto d = std::make_unique<TDictionary>();
    d->Init("ZelDimChain", lib.Path, lib.Path);
    return d;
}

} // namespace

TEST(TDictionaryTest, ReadsSortsAndTranslatesCollectingUnknownWords)
{
    const TLibrary lib(DicText({{L"b", L"бэ"}, {L"a", L"ая"}}));
    TDictionary d;
    ASSERT_TRUE(d.Init("ZelDimChain", lib.Path, lib.Path));
    EXPECT_EQ(Text(d.NameDictionary), "words.dic");
    EXPECT_EQ(Table(d, d.CountWords), (TTable{{"a", Cp("ая")}, {"b", Cp("бэ")}}));
    d.Save(); // nothing collected: no file
    EXPECT_FALSE(fs::exists(lib.Root / "ZelmouldNew.dic"));
    EXPECT_EQ(Text(d.DC("b")), Cp("бэ"));
    const TString c("c");
    EXPECT_EQ(&d.DC(c), &c); // an unknown word answers with itself and is collected, once
    d.DC(c);
    EXPECT_EQ(Table(d, d.AllWords), (TTable{{"a", Cp("ая")}, {"b", Cp("бэ")}, {"c", ""}}));
    const TString empty;
    EXPECT_EQ(&d.DC(empty), &empty);
    EXPECT_EQ(d.AllWords, 3);
}

TEST(TDictionaryTest, ReadingStopsAtTheTableSize)
{
    TPairs pairs;
    for (int i = 0; i < TDictionary::MaxCountWords + 5; ++i)
        pairs.emplace_back(L"k" + std::to_wstring(100000 + i), L"v");
    const TLibrary lib(DicText(pairs));
    const auto d = Loaded(lib);
    EXPECT_EQ(d->CountWords, TDictionary::MaxCountWords);
    EXPECT_EQ(Text(d->Words[TDictionary::MaxCountWords - 1][0]), "k101999");
    EXPECT_EQ(Text(d->DC("unknown")), "unknown");
    EXPECT_EQ(d->AllWords, TDictionary::MaxCountWords); // a full table collects nothing more
}

TEST(TDictionaryTest, UpdateHarvestsDcCallsSavesThemAndTheFileReadsBackTheSame)
{
    const TLibrary lib(DicText({{L"d", L"дэ"}, {L"b", L"бэ"}, {L"c", L"цэ"}, {L"a", L"ая"}}));
    const auto d = Loaded(lib);
    const fs::path source = lib.Root / "Panel.cpp";
    WriteUtf32(source, L"Messager.LiftBox(DC(\"Нет файла\"), toAlways);\r\n"
                       L"x = DC(\"a\") + DC(\"0\"); y = DC(\"Нет файла\"); DC (\"skipped\"); DC(\"\");");
    d->Update(TString(source.c_str()));

    // Pairs read come first in key order, then the collected words in the order found.
    const std::wstring expected = DicText(
        {{L"a", L"ая"}, {L"b", L"бэ"}, {L"c", L"цэ"}, {L"d", L"дэ"}, {L"Нет файла", L""}, {L"0", L""}});
    const fs::path saved = lib.Root / "ZelmouldNew.dic";
    EXPECT_EQ(ReadUtf32(saved), expected);
    EXPECT_EQ(d->CountWords, 6);
    // The collected words joined the sorted part, so every key is still found.
    for (Integer i = 1; i < d->CountWords; ++i)
        EXPECT_FALSE(d->Words[i][0] < d->Words[i - 1][0]) << "pair " << i << " out of order";
    EXPECT_EQ(Text(d->DC("d")), Cp("дэ"));
    EXPECT_EQ(Text(d->DC("0")), "0");
    EXPECT_EQ(d->AllWords, 6); // known now, not collected twice
    fs::remove(saved);
    d->Save(); // nothing new: no file
    EXPECT_FALSE(fs::exists(saved));

    const TLibrary again(expected);
    const auto reloaded = Loaded(again);
    EXPECT_EQ(Table(*reloaded, reloaded->CountWords), Table(*d, d->CountWords));
}

TEST(DCTest, WithoutHostGivesACopyFromARingOf64)
{
    const testsinks::TRecordingHost noApplication; // a host that is not reached
    const TString source("Ошибка открытия файла");
    const TString& first = DC(source);
    EXPECT_NE(&first, &source);
    const TString& second = DC("second");
    for (int i = 2; i < TDictionary::CountBufer; ++i)
        DC(TString(Integer(i)));
    EXPECT_EQ(Text(first), Text(source)); // 63 calls later it still holds
    const TString& again = DC("sixty-fifth");
    EXPECT_EQ(&again, &first); // the 65th call reuses the first string
    EXPECT_EQ(Text(first), "sixty-fifth");
    EXPECT_EQ(Text(second), "second");
}

class DCHostTest : public HostFixture {};

TEST_F(DCHostTest, TranslatesThroughTheHostDictionaryAndKeepsTheSourceOnFailure)
{
    const tvapi::IApplicationPtr app = Application();
    const testsinks::TRecordingHost host(app.Get());
    Host().Dictionary().SetTranslation(L"Да", L"Yes");
    Host().Dictionary().SetTranslation(L"Cancel", L"Отмена");
    EXPECT_EQ(Text(DC("Да")), "Yes");
    EXPECT_EQ(Text(DC("Cancel")), Cp("Отмена"));
    EXPECT_EQ(Text(DC("unknown")), "unknown"); // the host gives it back
    EXPECT_EQ(
        Journal().Lines(),
        (std::vector<std::string>{"IApplication::GetDictionary()", "ITervanDictionary::Translate(Да)",
                                  "IApplication::GetDictionary()", "ITervanDictionary::Translate(Cancel)",
                                  "IApplication::GetDictionary()", "ITervanDictionary::Translate(unknown)"}));
    const std::pair<const char*, tvhost::TFaultKind> faults[] = {
        {"IApplication::GetDictionary", tvhost::fkFail},
        {"ITervanDictionary::Translate", tvhost::fkFail},
        {"ITervanDictionary::Translate", tvhost::fkThrow},
        {"IApplication::GetDictionary", tvhost::fkThrow}};
    for (const auto& [op, kind] : faults) {
        SCOPED_TRACE(op);
        InjectFault(op, kind);
        EXPECT_EQ(Text(DC("Да")), Cp("Да"));
    }
    EXPECT_EQ(Text(DC("Да")), "Yes"); // faults are one-shot
}

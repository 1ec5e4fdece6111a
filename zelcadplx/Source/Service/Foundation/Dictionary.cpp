// DC through the host's dictionary, and the library's own table: reading and writing
// the ".dic" file of 4-byte units, lookup, collection of missing words.

#include "Dictionary.h"

#include "LoadOrder.h"

#include "KmfData.h"
#include "Messager.h"
#include "TFileName.h"
#include "tvapi/Application.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

constexpr wchar_t Quote = L'"';
constexpr wchar_t EqualSign = L'=';
constexpr wchar_t ByteOrderMark = 0xFEFF;
constexpr wchar_t WideCR = 13;
constexpr wchar_t WideLF = 10;
constexpr const char* DictionaryExtension = ".dic";
constexpr const char* CollectedName = "ZelmouldNew.dic";
constexpr const char* CallMarker = "DC(\"";

// Replaces the text in Slot by the host's translation. Keeps it when the host has no
// dictionary, gives back nothing for a text, or fails: a text untranslated beats a lost one.
void TranslateByHost(tvapi::IApplication& App, TString& Slot)
{
    if (Slot.Empty()) return;
    try {
        const tvapi::ITervanDictionaryPtr dictionary = App.GetDictionary();
        if (!dictionary) return;
        const std::wstring translated = dictionary->Translate(Slot.toWideChar());
        if (!translated.empty()) Slot = translated;
    } catch (...) {
        // The source text stays.
    }
}

// The separator the library's folder ends with; '/' when it ends with none.
TChar SeparatorOf(const Str& Folder)
{
    const TChar last = Folder.At(Folder.Length() - 1);
    return last == '\\' ? '\\' : '/';
}

} // namespace

[[gnu::init_priority(loadorder::Dictionary)]] TDictionary Dictionary;

const TString& DC(const TString& Source)
{
    TString& slot = Dictionary.GetStr();
    slot = Source;
    const TMessageHost* host = TMessager::Instance().Host();
    if (tvapi::IApplication* app = host ? host->HostApplication() : nullptr) TranslateByHost(*app, slot);
    return slot;
}

TDictionary::TDictionary() : NameDictionary("Zelmould.dic") {}

Str& TDictionary::GetStr()
{
    Str& s = Bufer[IBufer];
    IBufer = (IBufer + 1) % CountBufer;
    s.SetSize(BuferRoom);
    return s;
}

Boolean TDictionary::Init(const Str& NameDic, const Str& iExecutePath, const Str& iStatePath)
{
    const Str folder = iExecutePath + NameDic;
    NameDictionary = NameDic;
    ExecutePath = iExecutePath;
    StatePath = iStatePath;
    if (Activate) return Active;
    Activate = true;
    if (!Find(folder)) return Active;
    Str file = folder;
    file += SeparatorOf(ExecutePath);
    file += NameDictionary;
    ReadPairs(file);
    if (Active) {
        AllWords = CountWords;
        Sorting();
    }
    return Active;
}

void TDictionary::ReadPairs(const Str& FileName)
{
    TKmfData stream;
    if (!stream.MakeForRead(FileName, true)) return;
    Integer count = 0;
    stream.SkipTo(Quote);
    while (count < MaxCountWords && !stream.EndOfFile()) {
        stream.StrTo(Quote, Words[count][0]);
        stream.SkipTo(Quote);
        stream.StrTo(Quote, Words[count][1]);
        ++count;
        stream.SkipTo(Quote);
    }
    stream.Close();
    CountWords = count;
    Active = count > 0;
}

Boolean TDictionary::Find(const Str& iExecutePathName)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(SystemFileName(iExecutePathName), ec);
    std::vector<std::string> names;
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        std::error_code kindError;
        if (it->is_regular_file(kindError) && it->path().extension() == DictionaryExtension)
            names.push_back(it->path().filename().string());
    }
    if (names.empty()) return false;
    // Listing order belongs to the file system; by name the choice is the same everywhere.
    std::sort(names.begin(), names.end());
    NameDictionary = TString(names.front().c_str());
    return true;
}

Boolean TDictionary::Sorting()
{
    Boolean moved = false;
    for (Integer i = 0; i + 1 < CountWords; ++i) {
        Integer least = i;
        for (Integer j = i + 1; j < CountWords; ++j)
            if (Words[j][0] < Words[least][0]) least = j;
        if (least == i) continue;
        Words[i][0].Swap(Words[least][0]);
        Words[i][1].Swap(Words[least][1]);
        moved = true;
    }
    return moved;
}

const Str& TDictionary::DC(const Str& Source)
{
    if (!Active || Source.Empty()) return Source;
    Integer lo = 0;
    Integer hi = CountWords;
    while (lo < hi) {
        const Integer mid = lo + (hi - lo) / 2;
        if (Words[mid][0] < Source)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo < CountWords && Words[lo][0] == Source) return Words[lo][1].Empty() ? Source : Words[lo][1];
    Add(Source);
    return Source;
}

Integer TDictionary::IndexOfKey(const Str& Key, Integer Count) const
{
    for (Integer i = 0; i < Count; ++i)
        if (Words[i][0] == Key) return i;
    return -1;
}

void TDictionary::Add(const Str& Source)
{
    if (Source.Empty() || AllWords >= MaxCountWords || IndexOfKey(Source, AllWords) >= 0) return;
    Words[AllWords][0] = Source;
    Words[AllWords][1].Clear();
    ++AllWords;
}

void TDictionary::Update(const Str& SourceFile)
{
    if (!Activate) return;
    TKmfData stream;
    if (stream.MakeForRead(SourceFile, true)) {
        TString marker(CallMarker);
        TString word;
        while (stream.FindStr(marker)) {
            stream.StrTo(Quote, word);
            Add(word);
        }
        stream.Close();
    }
    Save();
}

void TDictionary::Save()
{
    const Boolean moved = Sorting();
    if (!moved && CountWords == AllWords) return;
    CountWords = AllWords;
    WritePairs(ExecutePath + TString(CollectedName));
    // The collected words join the sorted part only now, after the file keeps their order.
    Sorting();
}

void TDictionary::WritePairs(const Str& FileName)
{
    TKmfData stream;
    if (!stream.MakeForWrite(FileName, true)) return;
    stream << ByteOrderMark;
    for (Integer i = 0; i < AllWords; ++i) {
        stream << Quote << Words[i][0].toWideChar() << Quote << EqualSign;
        stream << Quote << Words[i][1].toWideChar() << Quote << WideCR << WideLF;
    }
    stream.Close();
}

#pragma once
// Translation of user-visible texts. DC asks the host's dictionary for a text's translation;
// TDictionary keeps the library's own table from a ".dic" file (UTF-32LE, quoted pairs),
// collects the texts it lacks and saves the table with them as "ZelmouldNew.dic".

#include "DString.h"

// The translation of Source into the host's language, or a copy of Source without a host.
// The result is a string of the ring of the global Dictionary: it stays valid until 64
// further calls of DC. Host failures give the copy too.
const TString& DC(const TString& Source);

class TDictionary {
public:
    static constexpr Integer MaxCountWords = 2000; // pairs the table holds
    static constexpr Integer CountBufer = 64;      // strings of the DC ring
    static constexpr Integer BuferRoom = 1024;     // characters each ring string is grown to

    Str NameDictionary;       // "Zelmould.dic" until Init, then the name given, then the file found
    Str ExecutePath;          // folder of the library, with its trailing separator
    Str StatePath;            // folder for state files
    Boolean Active = false;   // a dictionary file gave at least one pair
    Boolean Activate = false; // Init has run; a second Init reads nothing
    // The pairs: [i][0] the source text, [i][1] its translation. The first CountWords pairs are
    // sorted by key; pairs CountWords .. AllWords - 1 are words collected since, untranslated.
    Str Words[MaxCountWords][2];
    Integer CountWords = 0;
    Integer AllWords = 0;
    Str Bufer[CountBufer]; // the DC ring
    Integer IBufer = 0;    // next ring string, 0 .. CountBufer - 1

    TDictionary();
    ~TDictionary() = default;
    TDictionary(const TDictionary&) = delete;
    TDictionary& operator=(const TDictionary&) = delete;

    // Reads the first ".dic" file of the folder ExecutePath + NameDic (a folder named like
    // the library, beside it). True when it gave at least one pair. Runs once: a later call
    // only takes the three texts and returns the first result.
    Boolean Init(const Str& NameDic, const Str& iExecutePath, const Str& iStatePath);
    // Looks for ".dic" files in the folder iExecutePathName; the first by name becomes
    // NameDictionary. False for a folder without one, or a name that is no readable folder.
    Boolean Find(const Str& iExecutePathName);
    // Sorts the first CountWords pairs by key (unsigned bytes); true when a pair moved.
    Boolean Sorting();
    // Source's translation from the table. Source itself when the table is inactive, Source
    // is empty, the key is unknown (Source is then collected) or its translation is empty.
    const Str& DC(const Str& Source);
    // Collects Source with an empty translation unless it is a key already or the table is full.
    void Add(const Str& Source);
    // Collects the texts of the DC("...") calls of a UTF-32LE source file, then saves.
    // Nothing before Init.
    void Update(const Str& SourceFile);
    // Writes the table to ExecutePath + "ZelmouldNew.dic" when words were collected or pairs
    // moved: the pairs read first in key order, then the collected words in their order.
    // Afterwards every pair is in the sorted part, so all of them are found. A file that
    // cannot be created is skipped silently.
    void Save();

    TString DC(const TChar* Source) { return DC(TString(Source)); } // Source: UTF-8 text
    Boolean IsActive() const { return Active; }
    Boolean IsActivate() const { return Activate; }
    // The next string of the DC ring, grown to BuferRoom characters.
    Str& GetStr();

private:
    Integer IndexOfKey(const Str& Key, Integer Count) const; // linear; -1 when absent
    void ReadPairs(const Str& FileName);
    void WritePairs(const Str& FileName);
};

// The library's dictionary, alive from load to unload.
extern TDictionary Dictionary;

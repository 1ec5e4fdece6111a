// The stand-in dictionary: texts come back unchanged unless a translation was entered.
#include "HostDictionary.h"

#include <gtest/gtest.h>

#include "HostFixture.h"

class THostDictionaryTest : public HostFixture {};

TEST_F(THostDictionaryTest, GivesTextsBackUnlessTranslated)
{
    const tvapi::ITervanDictionaryPtr dictionary = Application()->GetDictionary();
    ASSERT_TRUE(dictionary);
    tvhost::THostDictionary& host = Host().Dictionary();
    host.SetTranslation(L"Цепь размеров", L"Dimension chain");
    host.SetTranslation(L"", L"empty");
    EXPECT_EQ(dictionary->Translate(L"Цепь размеров"), L"Dimension chain");
    EXPECT_EQ(dictionary->Translate(L"Цепь"), L"Цепь");  // a prefix is no key
    EXPECT_EQ(dictionary->Translate(nullptr), L"empty"); // null reads as the empty text
    host.ClearTranslations();
    EXPECT_EQ(dictionary->Translate(L"Цепь размеров"), L"Цепь размеров");
    const auto calls = Journal().Calls("ITervanDictionary::Translate");
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[2].Text(), "ITervanDictionary::Translate()");

    InjectFault("ITervanDictionary::Translate");
    EXPECT_EQ(dictionary->Translate(L"Да"), L"");
    EXPECT_EQ(dictionary->Translate(L"Да"), L"Да");
    EXPECT_EQ(host.TranslateCalls(), 6u); // the failed call is counted too
}

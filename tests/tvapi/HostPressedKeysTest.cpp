// The stand-in host's pressed-keys object: its reading of buttons and keys, journal and faults.
#include "HostPressedKeys.h"
#include "HostFixture.h"
#include "tvapi/Selection.h"

#include <gtest/gtest.h>

using namespace tvhost;

class HostPressedKeysTest : public HostFixture {};

TEST_F(HostPressedKeysTest, ButtonsAndKeysAnswerTheThreeQuestions)
{
    struct Case {
        unsigned keys;
        bool commandSwitch, pick, drag;
    };
    const Case cases[] = {
        {0, false, false, false},
        {kbLeftButton, false, true, false},
        {kbLeftButton | kbControl, false, false, true},
        {kbLeftButton | kbShift, false, true, false},
        {kbMiddleButton, false, false, true},
        {kbRightButton, true, false, false},
        {kbControl, false, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.keys);
        tvapi::IPressedKeysPtr keys(New<THostPressedKeys>(k.keys));
        EXPECT_EQ(keys->IsCommandSwitch(), k.commandSwitch);
        EXPECT_EQ(keys->IsPick(), k.pick);
        EXPECT_EQ(keys->IsDrag(), k.drag);
    }
}

TEST_F(HostPressedKeysTest, QueriesAreJournaledAndFailAsNo)
{
    THostPressedKeysPtr keys = New<THostPressedKeys>(kbMiddleButton);
    InjectFault("IPressedKeys::IsDrag");
    EXPECT_FALSE(keys->IsDrag());
    EXPECT_TRUE(keys->IsDrag());
    EXPECT_EQ(Journal().Count("IPressedKeys::IsDrag"), 2u);
    keys->SetKeys(kbRightButton);
    EXPECT_TRUE(keys->IsCommandSwitch());
    tvapi::IAPIObjectPtr base(keys);
    EXPECT_TRUE(tvapi::IPressedKeysPtr(base));       // answers its own interface
    EXPECT_FALSE(tvapi::ISelectionManagerPtr(base)); // and no other
}

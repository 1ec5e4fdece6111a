// The call journal and one-shot faults of the stand-in host.
#include "HostJournal.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostFaults.h"

TEST(TJournalTest, KeepsCallsInOrderWithTheirArguments)
{
    tvhost::TJournal journal;
    journal.Add("A::F", {"0"});
    EXPECT_TRUE(journal.Entries().empty()) << "kept before recording was asked for";
    journal.SetRecording(true);
    journal.Add("A::F", {"1", "x y"});
    journal.Add("B::G", {});
    journal.Add("A::F", {"2"});

    EXPECT_EQ(journal.Lines(), (std::vector<std::string>{"A::F(1, x y)", "B::G()", "A::F(2)"}));
    EXPECT_EQ(journal.Count("A::F"), 2u);
    EXPECT_EQ(journal.Count("A::"), 0u); // names match whole
    const auto calls = journal.Calls("A::F");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].Arguments, (std::vector<std::string>{"1", "x y"}));
    journal.Clear();
    EXPECT_TRUE(journal.Entries().empty());
}

TEST(TFaultsTest, AFaultFiresOnceForItsOperationOnly)
{
    tvhost::TFaults faults;
    faults.Arm("A::F", tvhost::fkFail);
    faults.Arm("B::G", tvhost::fkFail);
    faults.Arm("B::G", tvhost::fkThrow); // re-arming replaces
    EXPECT_EQ(faults.Take("C::H"), tvhost::fkNone);
    EXPECT_EQ(faults.Take("A::F"), tvhost::fkFail);
    EXPECT_EQ(faults.Take("A::F"), tvhost::fkNone);
    EXPECT_EQ(faults.Take("B::G"), tvhost::fkThrow);
    faults.Arm("A::F", tvhost::fkThrow);
    faults.Arm("A::F", tvhost::fkNone); // disarms
    EXPECT_FALSE(faults.IsArmed("A::F"));
    faults.Arm("A::F", tvhost::fkFail);
    faults.Clear();
    EXPECT_EQ(faults.Take("A::F"), tvhost::fkNone);
}

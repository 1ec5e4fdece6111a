// The stand-in library-actions object: callbacks kept in registration order, called with
// the host's arguments, replaced on a second registration and dropped on Clear.
#include "HostLibraryActions.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostFixture.h"

class THostLibraryActionsTest : public HostFixture {};

using TKinds = std::vector<tvhost::THostLibraryActions::TCallbackKind>;

TEST_F(THostLibraryActionsTest, CallbacksAreKeptInOrderAndCalledWithTheHostsArguments)
{
    const tvhost::THostLibraryActionsPtr host = tvhost::New<tvhost::THostLibraryActions>();
    tvapi::ITervanLibraryActions& actions = *host;
    std::vector<std::string> calls;
    {
        // The library's function objects are temporaries: the host must keep copies.
        const tvapi::RunCommandFunction runner = [&](unsigned int c, tvapi::tvRunCommandModeEnum m) {
            calls.push_back("run " + std::to_string(c) + " " + std::to_string(m));
        };
        EXPECT_TRUE(actions.RegisterRunCommand(runner));
        EXPECT_TRUE(
            actions.RegisterCommandState([](int, bool& enable, int&, std::wstring&) { enable = true; }));
        EXPECT_TRUE(actions.RegisterLibraryId([] { return 2000; }));
    }
    EXPECT_EQ(host->Registrations(),
              (TKinds{tvhost::THostLibraryActions::ckRunCommand, tvhost::THostLibraryActions::ckCommandState,
                      tvhost::THostLibraryActions::ckLibraryId}));
    EXPECT_TRUE(host->RunCommand(7, tvapi::tvRumModeLibraryDemo));
    EXPECT_EQ(calls, std::vector<std::string>{"run 7 2"});

    bool enable = false;
    int checked = 7;
    std::wstring reason = L"занято";
    EXPECT_TRUE(host->CommandState(3, enable, checked, reason));
    EXPECT_TRUE(enable);
    EXPECT_EQ(checked, 7);
    EXPECT_EQ(reason, L"занято");
    EXPECT_EQ(host->LibraryId(), 2000);

    const std::vector<std::string> journal = {"ITervanLibraryActions::RegisterRunCommand()",
                                              "ITervanLibraryActions::RegisterCommandState()",
                                              "ITervanLibraryActions::RegisterLibraryId()"};
    EXPECT_EQ(Journal().Lines(), journal);
}

TEST_F(THostLibraryActionsTest, EmptyOrFailedRegistrationsAreNotKeptAndClearDropsAll)
{
    const tvhost::THostLibraryActionsPtr host = tvhost::New<tvhost::THostLibraryActions>();
    EXPECT_FALSE(host->RunCommand(1, tvapi::tvRumModeNormal));
    EXPECT_FALSE(host->LibraryId());
    EXPECT_FALSE(host->RegisterLibraryId(nullptr));
    InjectFault("ITervanLibraryActions::RegisterLibraryId");
    EXPECT_FALSE(host->RegisterLibraryId([] { return 1; }));
    EXPECT_FALSE(host->LibraryId());
    EXPECT_TRUE(host->Registrations().empty());

    // A second registration replaces the first, as after an unload and a new load.
    EXPECT_TRUE(host->RegisterLibraryId([] { return 1; }));
    EXPECT_TRUE(host->RegisterLibraryId([] { return 2; }));
    EXPECT_EQ(host->LibraryId(), 2);
    EXPECT_EQ(host->Registrations().size(), 2u);

    host->Clear();
    EXPECT_FALSE(host->LibraryId());
    bool enable = false;
    int checked = 0;
    std::wstring reason;
    EXPECT_FALSE(host->CommandState(1, enable, checked, reason));
}

// The entry points and callbacks: what LoadTervanLibrary hands the host, and the bracket
// RunCommand puts around the command (suppression mode, part access, error state), also
// when the command throws.

#include "DimChain.h"

#include <climits>

#include <gtest/gtest.h>

#include "HostLibraryActions.h"
#include "PluginFixture.h"

namespace {

// An error interface that notes, at each call, the suppression mode and whether part
// access is still open.
struct TErrorProbe final : tvhost::THostObjectOf<tvapi::ITervanError> {
    explicit TErrorProbe(tvhost::THostApplication& app) : App(app) {}
    int ClearLastError() override
    {
        Seen.push_back(std::to_string(App.HideMessage()) +
                       (drApi::MA.R3->IDoc || drApi::MA.R3->Part ? " open" : ""));
        return 0;
    }
    tvhost::THostApplication& App;
    std::vector<std::string> Seen;
};

using tvhost::THostLibraryActions;

} // namespace

// Also for a library the host does not know, and when start-up throws half-way: that is
// reported, and the callbacks are still handed over.
TEST_F(TPluginFixture, LoadRegistersRunnerStateAndIdentifierEvenForAnUnknownLibrary)
{
    for (const char* fault : {static_cast<const char*>(nullptr), "IApplication::GetVersion"}) {
        SCOPED_TRACE(fault ? fault : "none");
        if (fault) InjectFault(fault, tvhost::fkThrow);
        Journal().Clear();
        const tvhost::THostLibraryActionsPtr actions = tvhost::New<THostLibraryActions>();
        EXPECT_TRUE(LoadTervanLibrary(Host().App(), *actions));
        EXPECT_EQ(actions->Registrations(),
                  (std::vector<THostLibraryActions::TCallbackKind>{THostLibraryActions::ckRunCommand,
                                                                   THostLibraryActions::ckCommandState,
                                                                   THostLibraryActions::ckLibraryId}));
        EXPECT_EQ(Boxes(), std::vector<std::string>{fault ? "Неизвестная ошибка"
                                                          : "Не подключена библиотека libDimChain"});
        EXPECT_EQ(actions->LibraryId(), 2000);
        actions->Clear();
    }
    bool enable = false;
    int checked = 7;
    std::wstring reason = L"x";
    EXPECT_EQ(LibCommandState(-3, enable, checked, reason), 1);
    EXPECT_TRUE(enable);
    EXPECT_EQ(checked, 7);
    EXPECT_EQ(reason, L"x");
}

// Load, a command in an open drawing, unload, twice: the second load starts afresh, and
// after the unload no host object outlives the host.
TEST_F(TPluginFixture, UnloadGivesBackEveryHostReferenceAndALaterLoadStartsAfresh)
{
    Host().App().Libraries().Add(L"/opt/x/libDimChain.plx", L"DejaVu Sans");
    Host().App().Documents().AddDocument(tvapi::tvDocumentDrawing);
    tvhost::THostLibraryActionsPtr actions = tvhost::New<THostLibraryActions>();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(LoadTervanLibrary(Host().App(), *actions));
        EXPECT_TRUE(drApi::MA.R3->Library);
        EXPECT_TRUE(drApi::MA.R3->IDoc);
        EXPECT_TRUE(actions->RunCommand(1, tvapi::tvRumModeNormal));
        UnloadTervanLibrary();
        EXPECT_EQ(drApi::MA.Application(), nullptr);
        EXPECT_EQ(drApi::LibraryControlModel, nullptr);
        EXPECT_FALSE(drApi::MA.R3->Library);
    }
    EXPECT_TRUE(Boxes().empty());
    actions->Clear();
    actions.Reset();
    EndHost();
    EXPECT_EQ(tvhost::THostObject::LiveObjects(), LiveAtStart());
}

// The host does not take the command runner: the load fails, a throw is reported, and the
// facade keeps nothing of the host.
TEST_F(TPluginFixture, LoadAnswersFalseWhenTheHostRefusesOrFailsToTakeACallback)
{
    Host().App().Libraries().Add(L"/opt/x/libDimChain.plx", L"DejaVu Sans");
    tvhost::THostLibraryActionsPtr actions = tvhost::New<THostLibraryActions>();
    for (const tvhost::TFaultKind kind : {tvhost::fkFail, tvhost::fkThrow}) {
        SCOPED_TRACE(kind);
        InjectFault("ITervanLibraryActions::RegisterRunCommand", kind);
        EXPECT_FALSE(LoadTervanLibrary(Host().App(), *actions));
        EXPECT_EQ(drApi::MA.Application(), nullptr);
        EXPECT_FALSE(drApi::MA.R3->Library);
        actions->Clear();
    }
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Неизвестная ошибка"}));
    actions.Reset();
    EndHost();
    EXPECT_EQ(tvhost::THostObject::LiveObjects(), LiveAtStart());
}

const char* const Unknown = "Неизвестная ошибка";
const char* const NoDrawing = "Документ не активирован или не является Чертежом/Фрагментом";

struct TRunCase {
    const char* Name;
    unsigned int Command;
    tvapi::tvRunCommandModeEnum Mode;
    tvapi::DocumentTypeEnum Document; // tvDocumentUnknown: none open
    const char* Fault;                // operation that throws, or null
    const char* Box;                  // the one box shown, or null
    const char* Modes;                // the suppression modes the library sets, in order
    const char* ModeAtClear;          // the mode in which the host's error is cleared
};

void PrintTo(const TRunCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TRunCommandTable : public TPluginFixture, public ::testing::WithParamInterface<TRunCase> {};

TEST_P(TRunCommandTable, RestoresTheModeAndClearsTheErrorOnceAfterPartAccessEnds)
{
    const TRunCase& c = GetParam();
    drApi::MA.R3->Tervan7 = &Host().App();
    const tvapi::Ptr<TErrorProbe> probe = tvhost::New<TErrorProbe>(Host().App());
    drApi::MA.R3->TervanError = probe;
    if (c.Document != tvapi::tvDocumentUnknown) Host().App().Documents().AddDocument(c.Document);
    Host().App().SetHideMessage(static_cast<tvapi::tvHideMessageEnum>(5));
    if (c.Fault) InjectFault(c.Fault, tvhost::fkThrow);
    Journal().Clear();

    EXPECT_NO_THROW(RunCommand(c.Command, c.Mode));

    EXPECT_EQ(Boxes(), c.Box ? std::vector<std::string>{c.Box} : std::vector<std::string>{});
    std::string set;
    for (const auto& e : Journal().Calls("IApplication::SetHideMessage"))
        set += e.Arguments.at(0);
    EXPECT_EQ(set, c.Modes);
    EXPECT_EQ(Host().App().HideMessage(), 5);
    EXPECT_EQ(probe->Seen, std::vector<std::string>{c.ModeAtClear}) << "once, after part access ended";
}

using enum tvapi::tvRunCommandModeEnum;
using enum tvapi::DocumentTypeEnum;

INSTANTIATE_TEST_SUITE_P(
    TDimChainTest, TRunCommandTable,
    ::testing::Values(
        TRunCase{"NoDocument", 0, tvRumModeNormal, tvDocumentUnknown, nullptr, NoDrawing, "2025", "2"},
        TRunCase{"Specification", UINT_MAX, tvRumModeTervanDemo, tvDocumentSpecification, nullptr,
                 "Документ не является Чертежом/Моделью", "2025", "2"},
        TRunCase{"Assembly", 7, tvRumModeLibraryDemo, tvDocumentAssembly, nullptr, nullptr, "25", "2"},
        TRunCase{"CommandThrows", 1, tvRumModeNormal, tvDocumentAssembly, "ITervanDocument3D::GetTopPart",
                 Unknown, "2505", "2"},
        // The mode cannot be read: the command does not run and no mode is set but the box's.
        TRunCase{"ReadingTheModeThrows", 1, tvRumModeNormal, tvDocumentDrawing,
                 "IApplication::GetHideMessage", Unknown, "05", "5"},
        // Hiding fails: the command does not run, the mode found is put back all the same.
        TRunCase{"HidingThrows", 1, tvRumModeNormal, tvDocumentDrawing, "IApplication::SetHideMessage",
                 Unknown, "2505", "5"}),
    [](const ::testing::TestParamInfo<TRunCase>& c) { return std::string(c.param.Name); });

// An error interface whose clearing makes the host's next mode change throw: the restore.
struct TRestoreBreaker final : tvhost::THostObjectOf<tvapi::ITervanError> {
    explicit TRestoreBreaker(tvhost::THost& host) : Host(host) {}
    int ClearLastError() override
    {
        Host.Faults().Arm("IApplication::SetHideMessage", tvhost::fkThrow);
        return 0;
    }
    tvhost::THost& Host;
};

TEST_F(TPluginFixture, AThrowingRestoreIsReportedAndLeavesTheHostsMode)
{
    drApi::MA.R3->Tervan7 = &Host().App();
    drApi::MA.R3->TervanError = tvhost::New<TRestoreBreaker>(Host());
    Host().App().SetHideMessage(static_cast<tvapi::tvHideMessageEnum>(5));
    EXPECT_NO_THROW(RunCommand(1, tvapi::tvRumModeNormal));
    EXPECT_EQ(Boxes(), (std::vector<std::string>{NoDrawing, Unknown}));
    EXPECT_EQ(Host().App().HideMessage(), tvapi::tvHideMessageAll) << "the host refused the restore";
}

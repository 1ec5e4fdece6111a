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

TEST_F(TPluginFixture, LoadRegistersRunnerStateAndIdentifierEvenForAnUnknownLibrary)
{
    const tvhost::THostLibraryActionsPtr actions = tvhost::New<THostLibraryActions>();
    EXPECT_TRUE(LoadTervanLibrary(Host().App(), *actions));
    EXPECT_EQ(actions->Registrations(),
              (std::vector<THostLibraryActions::TCallbackKind>{THostLibraryActions::ckRunCommand,
                                                               THostLibraryActions::ckCommandState,
                                                               THostLibraryActions::ckLibraryId}));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Не подключена библиотека libDimChain"});
    EXPECT_EQ(actions->LibraryId(), 2000);
    bool enable = false;
    int checked = 7;
    std::wstring reason = L"x";
    EXPECT_EQ(LibCommandState(-3, enable, checked, reason), 1);
    EXPECT_TRUE(enable && checked == 7 && reason == L"x");
    actions->Clear();
}

struct TRunCase {
    unsigned int Command;
    tvapi::tvRunCommandModeEnum Mode;
    tvapi::DocumentTypeEnum Document; // tvDocumentUnknown: none open
    const char* Fault;                // operation that throws, or null
    std::vector<std::string> Boxes;
    std::vector<std::string> Modes; // the suppression modes the library sets, in order
};

class TRunCommandTable : public TPluginFixture, public ::testing::WithParamInterface<TRunCase> {};

TEST_P(TRunCommandTable, RestoresTheModeAndClearsTheErrorOnceAfterPartAccessEnds)
{
    const TRunCase& c = GetParam();
    drApi::MA.R3->Tervan7 = &Host().App();
    const tvapi::Ptr<TErrorProbe> probe = tvhost::New<TErrorProbe>(Host().App());
    drApi::MA.R3->TervanError = probe;
    if (c.Document != tvapi::tvDocumentUnknown) Host().App().Documents().AddDocument(c.Document);
    if (c.Fault) InjectFault(c.Fault, tvhost::fkThrow);
    Host().App().SetHideMessage(static_cast<tvapi::tvHideMessageEnum>(5));
    Journal().Clear();

    EXPECT_NO_THROW(RunCommand(c.Command, c.Mode));

    EXPECT_EQ(Boxes(), c.Boxes);
    std::vector<std::string> set;
    for (const auto& e : Journal().Calls("IApplication::SetHideMessage"))
        set.push_back(e.Arguments.at(0));
    EXPECT_EQ(set, c.Modes);
    EXPECT_EQ(Host().App().HideMessage(), 5);
    EXPECT_EQ(probe->Seen, std::vector<std::string>{"2"}) << "once, in mode 2, after part access ended";
}

INSTANTIATE_TEST_SUITE_P(
    TDimChainTest, TRunCommandTable,
    ::testing::Values(TRunCase{0,
                               tvapi::tvRumModeNormal,
                               tvapi::tvDocumentUnknown,
                               nullptr,
                               {"Документ не активирован или не является Чертежом/Фрагментом"},
                               {"2", "0", "2", "5"}},
                      TRunCase{UINT_MAX,
                               tvapi::tvRumModeTervanDemo,
                               tvapi::tvDocumentSpecification,
                               nullptr,
                               {"Документ не является Чертежом/Моделью"},
                               {"2", "0", "2", "5"}},
                      TRunCase{
                          7, tvapi::tvRumModeLibraryDemo, tvapi::tvDocumentAssembly, nullptr, {}, {"2", "5"}},
                      TRunCase{1,
                               tvapi::tvRumModeNormal,
                               tvapi::tvDocumentAssembly,
                               "ITervanDocument3D::GetTopPart",
                               {"Неизвестная ошибка"},
                               {"2", "5", "0", "5"}}));

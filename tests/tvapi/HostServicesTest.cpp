// Services of the stand-in application: module lookup through the loader and its test
// override, system folders and the error state.
#include "HostServices.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "HostJournal.h"
#include "HostText.h"

class THostServicesTest : public HostFixture {};

namespace {

int AFunctionOfTheTests()
{
    return 1;
}

std::filesystem::path PathOf(const std::wstring& text)
{
    return std::filesystem::path(tvhost::ToUtf8(text));
}

} // namespace

TEST_F(THostServicesTest, ModuleFileNameComesFromTheLoader)
{
    const tvapi::IApplicationServicesPtr services = Application()->GetApplicationServices();
    ASSERT_TRUE(services);
    const std::wstring self =
        services->GetModuleFileName(reinterpret_cast<const void*>(&AFunctionOfTheTests));
    ASSERT_FALSE(self.empty());
    EXPECT_TRUE(PathOf(self).is_absolute());
    EXPECT_EQ(std::filesystem::canonical(PathOf(self)), std::filesystem::canonical("/proc/self/exe"));

    // An address inside the host library names the library, not the program.
    const std::wstring host = services->GetModuleFileName(reinterpret_cast<const void*>(&tvhost::Journal));
    EXPECT_EQ(PathOf(host).filename(), "libtvhost.so");

    // Neither the heap nor a null address lies in a module.
    const auto heap = std::make_unique<int>(5);
    EXPECT_EQ(services->GetModuleFileName(heap.get()), L"");
    EXPECT_EQ(services->GetModuleFileName(nullptr), L"");
}

TEST_F(THostServicesTest, OverrideLetsATestPoseAsAPlugIn)
{
    const tvapi::IApplicationServicesPtr services = Application()->GetApplicationServices();
    Host().App().Services().SetModuleFileName(L"/opt/x/libDimChain.plx");
    const auto* address = reinterpret_cast<const void*>(&AFunctionOfTheTests);
    EXPECT_EQ(services->GetModuleFileName(address), L"/opt/x/libDimChain.plx");
    EXPECT_EQ(services->GetModuleFileName(nullptr), L"");
    Host().App().Services().ClearModuleFileName();
    EXPECT_NE(services->GetModuleFileName(address), L"/opt/x/libDimChain.plx");

    InjectFault("IApplicationServices::GetModuleFileName");
    EXPECT_EQ(services->GetModuleFileName(address), L"");
    InjectFault("IApplicationServices::GetModuleFileName", tvhost::fkThrow);
    EXPECT_THROW(services->GetModuleFileName(address), tvhost::TInjectedFault);
}

TEST_F(THostServicesTest, SystemFoldersHaveDefaultsAndCanBeSetOrRemoved)
{
    const tvapi::ISystemSettingsPtr settings = Application()->GetSystemSettings();
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->GetSystemPath(tvapi::tvConfigurations),
              tvhost::THostSystemSettings::DefaultConfigurations);
    EXPECT_EQ(settings->GetSystemPath(tvapi::tvTemporaryFiles),
              tvhost::THostSystemSettings::DefaultTemporaryFiles);
    EXPECT_EQ(settings->GetSystemPath(static_cast<tvapi::tvSystemPathTypeEnum>(9)), L"");

    Host().App().Settings().SetSystemPath(tvapi::tvConfigurations, L"/home/u/Конфигурации");
    EXPECT_EQ(settings->GetSystemPath(tvapi::tvConfigurations), L"/home/u/Конфигурации");
    Host().App().Settings().SetSystemPath(tvapi::tvTemporaryFiles, L"");
    EXPECT_EQ(settings->GetSystemPath(tvapi::tvTemporaryFiles), L"");

    InjectFault("ISystemSettings::GetSystemPath");
    EXPECT_EQ(settings->GetSystemPath(tvapi::tvConfigurations), L"");
    EXPECT_EQ(settings->GetSystemPath(tvapi::tvConfigurations), L"/home/u/Конфигурации");
    EXPECT_EQ(Journal().Calls("ISystemSettings::GetSystemPath").front().Arguments,
              std::vector<std::string>{"3"});
}

TEST_F(THostServicesTest, ErrorCodeIsGivenOnceAndEveryCallIsCounted)
{
    const tvapi::ITervanErrorPtr error = Application()->GetTervanError();
    ASSERT_TRUE(error);
    tvhost::THostTervanError& host = Host().App().Error();
    EXPECT_EQ(error->ClearLastError(), 0);
    host.SetLastError(12);
    InjectFault("ITervanError::ClearLastError");
    EXPECT_EQ(error->ClearLastError(), 0); // a failed call leaves the error pending
    EXPECT_EQ(host.LastError(), 12);
    EXPECT_EQ(error->ClearLastError(), 12);
    EXPECT_EQ(host.LastError(), 0);
    EXPECT_EQ(error->ClearLastError(), 0);
    EXPECT_EQ(host.ClearCalls(), 4u);
    EXPECT_EQ(Journal().Count("ITervanError::ClearLastError"), 4u);
}

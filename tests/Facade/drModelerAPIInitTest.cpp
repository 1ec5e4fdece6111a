// Start-up of the facade: the split of the library's own path, the control model's folders,
// the report of an unknown library, what a second start-up keeps, and a host without
// system settings.

#include <gtest/gtest.h>

#include "PluginFixture.h"
#include "TControlModel.h"

namespace {

std::string Text(const TString& s)
{
    return std::string(s.PChar(), static_cast<std::size_t>(s.Length()));
}

} // namespace

class TInitTest : public TPluginFixture {
protected:
    void Init(const char* name = "ZelDimChain.plx")
    {
        drApi::LibraryControlModel = &Model;
        drApi::MA.Init(Host().App(), TString(name), TString("#Stamp-Regular"));
        drApi::LibraryControlModel = nullptr;
    }
    static drApi::TRegistryApi& R() { return *drApi::MA.R3; }
    TControlModel Model{"DimChain.dss", "DimChain.chm"};
};

TEST_F(TInitTest, SplitsThePathFillsTheFoldersAndKeepsFontAndEntryOnASecondInit)
{
    Init();
    EXPECT_EQ(Text(R().FileName) + "|" + Text(R().ModuleName) + "|" + Text(R().Path),
              "libDimChain|DimChain|/opt/x/");
    EXPECT_EQ(Text(Model.HelpFile), "/opt/x/DimChain.chm");
    EXPECT_EQ(Text(Model.StatePathName), "/tmp/tvhost/Configurations/DimChain.dss");
    EXPECT_EQ(Text(Model.Path), "/tmp/tvhost/Temp/");
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Не подключена библиотека libDimChain"});
    EXPECT_EQ(Text(R().LibFont), "#Stamp-Regular");

    // Registered now, under a mixed-separator path: the split follows, font and entry do not.
    const wchar_t* mixed = L"C:/a\\b.c\\libX.v2.plx";
    Host().App().Services().SetModuleFileName(mixed);
    Host().App().Libraries().Add(mixed, L"DejaVu Sans");
    Init("anything");
    EXPECT_EQ(Text(R().FileName) + "|" + Text(R().ModuleName) + "|" + Text(R().Path),
              "libX.v2|X.v2|C:/a\\b.c\\");
    EXPECT_TRUE(Text(R().LibFont) == "#Stamp-Regular" && !R().Library);
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(TInitTest, WithoutSystemSettingsOrAFolderTheFoldersStayUnset)
{
    Host().App().Settings().SetSystemPath(tvapi::tvTemporaryFiles, L"");
    Init();
    EXPECT_EQ(Text(Model.Path), "") << "an unknown folder must not become the root";
    Model.StatePath.Clear();
    InjectFault("IApplication::GetSystemSettings");
    Init();
    EXPECT_TRUE(!R().SystemSettings && Model.StatePath.Empty());
    EXPECT_EQ(Text(Model.ExecutePath), "/opt/x/");
}

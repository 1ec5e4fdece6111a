// Start-up of the facade: the split of the library's own path, the control model's folders,
// the report of an unknown library, what a second start-up keeps, and a host without
// system settings.

#include <gtest/gtest.h>

#include "PluginFixture.h"
#include "StreamTestUtil.h"
#include "TControlModel.h"
#include "TextBase.h"
#include "drSelectorAPI.h"

using streamtest::Text;

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
    EXPECT_EQ(Text(R().LibFont), "#Stamp-Regular");
    EXPECT_FALSE(R().Library);
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
    EXPECT_FALSE(R().SystemSettings);
    EXPECT_TRUE(Model.StatePath.Empty());
    EXPECT_EQ(Text(Model.ExecutePath), "/opt/x/");
}

// Done after drawing in an open group with placements pushed and constraint records filled:
// every host object is given back, the stacks are empty, and Init starts the facade again.
TEST_F(TInitTest, DoneGivesBackEveryHostReferenceAndInitStartsAgain)
{
    Host().App().Libraries().Add(L"/opt/x/libDimChain.plx", L"DejaVu Sans");
    Host().App().Documents().AddDocument(tvapi::tvDocumentDrawing);
    Init();
    drApi::Selector->Begin();
    R().IDoc2D = R().IDoc;
    R().DrawingContainer = R().IDoc2D->GetViewsAndLayersManager()->GetViews()->GetActiveView();
    drApi::MA.drGroup(false);
    drApi::Transf2D->drMtr(5.0, 0.0, 0.0, 1.0, false);
    drApi::MA.drLine(0.0, 0.0, 10.0, 0.0, 1);
    ASSERT_TRUE(drApi::MA.R2->CurDrawingObject);
    ASSERT_EQ(drApi::MA.R2->AGroup.Count, 1);
    drApi::MA.Constraint.FArray[0].R1 = drApi::MA.R2->CurDrawingObject;
    drApi::MA.Constraint.FArray[drApi::MA.Constraint.FSize - 1].R2 = drApi::MA.R2->CurDrawingObject;
    drApi::MA.Constraint.Resize(1);
    drApi::LibraryControlModel = &Model;

    drApi::MA.Done();

    EXPECT_EQ(drApi::MA.Application(), nullptr);
    EXPECT_EQ(drApi::LibraryControlModel, nullptr);
    EXPECT_FALSE(drApi::Selector->Selection7);
    EXPECT_FALSE(drApi::Selector->Choose7);
    EXPECT_FALSE(drApi::MA.R2->CurDrawingObject);
    EXPECT_EQ(drApi::MA.R2->AGroup.Count, 0);
    EXPECT_EQ(drApi::MA.Constraint.Count, 0);
    EXPECT_EQ(drApi::Transf2D->AMtr.Count, 0);
    EXPECT_TRUE(R().FileName.Empty());
    EndHost();
    EXPECT_EQ(tvhost::THostObject::LiveObjects(), LiveAtStart()) << "nothing outlives the host";
}

TEST_F(TInitTest, InitAfterDoneStartsAfresh)
{
    Init();
    drApi::MA.Done();
    Host().App().Services().SetModuleFileName(L"/opt/y/libOther.plx");
    Init();
    EXPECT_EQ(drApi::MA.Application(), &Host().App());
    EXPECT_EQ(Text(R().FileName) + "|" + Text(R().Path), "libOther|/opt/y/");
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Не подключена библиотека libDimChain",
                                                 "Не подключена библиотека libOther"}))
        << "the library's entry is looked up again";
}

TEST_F(TInitTest, FindsTheElementLibraryBesideTheLibraryAndNamesItsElements)
{
    Host().App().Services().SetModuleFileName(L"" DC_BINARY_DIR "/libDimChain.plx");
    Init();
    EXPECT_EQ(Text(ABaseDetail.Path), DC_BINARY_DIR "/");
    EXPECT_TRUE(ABaseDetail.Active);
    EXPECT_EQ(Text(ABaseDetail.Name(TBaseDetail{7, 3, -1})), "M8x30");
    EXPECT_EQ(Boxes().size(), 1u) << "only the unknown library is reported";
}

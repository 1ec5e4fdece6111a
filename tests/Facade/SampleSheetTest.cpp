// The sample sheet: a bushing drawn through the facade as a designer draws a part drawing -
// a sheet begun as A1 and fitted on closing to its drawing (A3 landscape), its title block
// filled from the detail, the main view with a section cut line, roughness, a form tolerance
// and a base, the section A-A in a second view, the general roughness and two technical
// requirements - saved, opened again with the same content and pictured as SVG. The files it
// writes must equal those under samples/.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FacadeFixture.h"
#include "HostText.h"
#include "SampleFiles.h"
#include "TControlModel.h"

namespace {

constexpr int Normal = tvapi::tvCSNormal;
constexpr int Thin = tvapi::tvCSThin;
constexpr int Axial = tvapi::tvCSAxial;
constexpr int Arrow = 1;
constexpr int A1 = 1;
constexpr int Landscape = 1;

// The bushing along X: outer diameter 40 over 60, bore 20, chamfers 1.5 at both ends.
void MainView(drApi::TModelerApi& m)
{
    m.drView(1, 180, 330, 0, 2, "");
    for (double s : {1.0, -1.0}) {
        m.drLine(0, s * 18.5, 1.5, s * 20, Normal);
        m.drLine(1.5, s * 20, 58.5, s * 20, Normal);
        m.drLine(58.5, s * 20, 60, s * 18.5, Normal);
        m.drLine(0, s * 10, 60, s * 10, tvapi::tvCSDashed);
    }
    m.drLine(0, -18.5, 0, 18.5, Normal);
    m.drLine(60, -18.5, 60, 18.5, Normal);
    m.drLine(-5, 0, 65, 0, Axial);
    m.NewCut();
    m.ACT(30, 26);
    m.ACT(30, -26);
    m.DrawCut("А", 1);
    // The overall length runs above the cut's letter and the roughness value, the form
    // tolerance's frame above it.
    m.drLine(0, 20, 0, 35, Thin);
    m.drLine(60, 20, 60, 35, Thin);
    m.drDimL(60, "", 0, 13, 0, 0, 0, 0, 0, 20, Arrow, 1, 60, 20, Arrow, 1, "", "", "");
    m.drRough(15, 20, 90, tvapi::tvDeleteMaterial, "Ra 1,6", "", "");
    m.drForm(45, 41, 0, 7, "0,01", "Б");
    m.drSupportForm(45, 20, 0, 0);
    m.drEndObj();
    m.drBase(60, -8, 6, 0, "Б");
    m.drCloseView();
}

// The section A-A: the ring hatched between its two circles.
void SectionView(drApi::TModelerApi& m)
{
    m.drView(2, 420, 330, 0, 2, "А-А");
    m.drLine(-25, 0, 25, 0, Axial);
    m.drLine(0, -25, 0, 25, Axial);
    m.drHatch(0, 45.0, 2.0);
    m.drCircle(0, 0, 20, Normal);
    m.drCircle(0, 0, 10, Normal);
    m.drEndObj();
    m.drDimD(40, "h9", 45, 0, 0, 0, 0, 0, "", "", "");
    m.drRough(-8, 20, 90, tvapi::tvDeleteMaterial, "Ra 0,8", "", "");
}

} // namespace

class TSampleSheetTest : public TFacadeFixture {
protected:
    TControlModel CM{"DimChain.dss", "DimChain.chm"};

    void TearDown() override
    {
        drApi::LibraryControlModel = nullptr;
        TFacadeFixture::TearDown();
    }
};

TEST_F(TSampleSheetTest, BushingSheetIsSavedReopenedAndPictured)
{
    std::filesystem::remove(sample::Dir() / "sheet.qdr");

    drApi::TModelerApi& m = drApi::MA;
    CM.SP.sDesign = "Иванов";
    CM.SP.sChecked = "Петров";
    drApi::LibraryControlModel = &CM;
    TDetailInfo& di = R2().DI;
    di.comment = "Втулка";
    di.designation = "ДЧ.01.001";
    di.material = "Сталь 45 ГОСТ 1050-88";
    di.Scale = 2.0;
    di.Weight = 0.296;

    TString name((sample::Dir() / "sheet").string().c_str()), comment("Втулка");
    m.drCreateLeaf(name, tvapi::tvDocumentDrawing, A1, Landscape, 1, 1, comment, true);
    ASSERT_TRUE(R().IDoc);
    const tvapi::ITervanDocumentPtr made = R().IDoc;
    m.drShtamp();
    m.drSRough(1, true, "Ra 6,3");
    MainView(m);
    SectionView(m);
    m.drCloseViewTDemCloseLeaf("Твердость 40...45 HRC",
                               "Неуказанные предельные отклонения размеров по H14, h14", "", "");
    EXPECT_FALSE(R().IDoc); // closed and saved

    std::string picture;
    const tvapi::ITervanDocumentPtr reopened =
        sample::ReopenAndPicture(Host().App().Documents(), "sheet", made, picture);
    ASSERT_TRUE(reopened);

    // What a reader of the sheet sees: the title block, the requirements and the signs.
    tvhost::TDocumentData& data = sample::Core(reopened).Data();
    const tvhost::THostStamp& stamp = data.Sheets.Items.at(0)->Stamp();
    EXPECT_EQ(tvhost::ToUtf8(stamp.CellStr(tvapi::tvStScale)), "2:1");
    EXPECT_EQ(tvhost::ToUtf8(stamp.CellStr(tvapi::tvStMass)), "  0.296");
    EXPECT_EQ(tvhost::ToUtf8(stamp.CellStr(tvapi::tvStAuthor)), "Иванов");
    ASSERT_TRUE(data.Notes.Demand);
    EXPECT_EQ(tvhost::ToUtf8(data.Notes.Demand->Lines()),
              "1.Твердость 40...45 HRC\n2.Неуказанные предельные отклонения размеров по H14, h14");
    tvhost::TDrawing2D& drawing = *sample::Core(reopened).Drawing2D();
    ASSERT_EQ(drawing.Views().size(), 3u); // the system view and the two drawn
    for (const auto& [view, kind] : {std::pair{1, tvapi::tvDrCutLine},
                                     {1, tvapi::tvDrRough},
                                     {1, tvapi::tvDrTolerance},
                                     {1, tvapi::tvDrBase},
                                     {2, tvapi::tvDrHatch},
                                     {2, tvapi::tvDrDDimension}})
        EXPECT_EQ(drawing.Views()[view]->Objects(kind).size(), 1u) << view << " " << kind;

    for (const char* part : {"class=\"sheet\"", "class=\"stamp\"", "class=\"technical-demand\"",
                             "class=\"tolerance\"", "Втулка", "ДЧ.01.001"}) {
        SCOPED_TRACE(part);
        EXPECT_NE(picture.find(part), std::string::npos);
    }

    sample::ExpectCommitted("sheet");
}

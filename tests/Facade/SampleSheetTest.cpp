// The sample sheet: a bushing drawn through the facade as a designer draws a part drawing -
// an A1 sheet with its title block filled from the detail, the main view with a section cut
// line, roughness, a form tolerance and a base, the section A-A in a second view, the general
// roughness and two technical requirements - saved, opened again with the same content and
// pictured as SVG. The files it writes must equal those under samples/.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "FacadeFixture.h"
#include "HostDocumentFile.h"
#include "HostSvg.h"
#include "HostText.h"
#include "TControlModel.h"

namespace {

namespace fs = std::filesystem;

constexpr int Normal = tvapi::tvCSNormal;
constexpr int Thin = tvapi::tvCSThin;
constexpr int Axial = tvapi::tvCSAxial;
constexpr int Arrow = 1;
constexpr int A1 = 1;
constexpr int Landscape = 1;

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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
    m.drLine(0, 20, 0, 32, Thin);
    m.drLine(60, 20, 60, 32, Thin);
    m.drDimL(60, "", 1, 0, 0, 0, 0, 0, 0, 30, Arrow, 1, 60, 30, Arrow, 1, "", "", "");
    m.drRough(15, 20, 0, tvapi::tvDeleteMaterial, "Ra 1,6", "", "");
    m.drForm(45, 32, 0, 7, "0,01", "Б");
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
    m.drRough(-8, 20, 0, tvapi::tvDeleteMaterial, "Ra 0,8", "", "");
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
    static tvhost::TDocumentCore& DocCore(const tvapi::ITervanDocumentPtr& doc)
    {
        return dynamic_cast<tvhost::TDocumentCore&>(*doc);
    }
};

TEST_F(TSampleSheetTest, BushingSheetIsSavedReopenedAndPictured)
{
    const fs::path dir = fs::path(DC_BINARY_DIR) / "samples";
    fs::create_directories(dir);
    const fs::path file = dir / "sheet.qdr", copy = dir / "sheet-reopened.qdr", svg = dir / "sheet.svg";
    fs::remove(file);

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

    TString name((dir / "sheet").string().c_str()), comment("Втулка");
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

    const tvapi::ITervanDocumentPtr reopened = Host().App().Documents().OpenFile(file.wstring());
    ASSERT_TRUE(reopened) << Host().App().Documents().OpenError();
    EXPECT_EQ(tvhost::DocumentJson(DocCore(reopened)), tvhost::DocumentJson(DocCore(made)));
    ASSERT_TRUE(reopened->SaveAs(copy.wstring().c_str()));
    EXPECT_EQ(Bytes(copy), Bytes(file));

    // What a reader of the sheet sees: the title block, the requirements and the signs.
    tvhost::TDocumentData& data = DocCore(reopened).Data();
    const tvhost::THostStamp& stamp = data.Sheets.Items.at(0)->Stamp();
    EXPECT_EQ(tvhost::ToUtf8(stamp.CellStr(tvapi::tvStScale)), "2:1");
    EXPECT_EQ(tvhost::ToUtf8(stamp.CellStr(tvapi::tvStMass)), "  0.296");
    EXPECT_EQ(tvhost::ToUtf8(stamp.CellStr(tvapi::tvStAuthor)), "Иванов");
    ASSERT_TRUE(data.Notes.Demand);
    EXPECT_EQ(tvhost::ToUtf8(data.Notes.Demand->Lines()),
              "1.Твердость 40...45 HRC\n2.Неуказанные предельные отклонения размеров по H14, h14");
    tvhost::TDrawing2D& drawing = *DocCore(reopened).Drawing2D();
    ASSERT_EQ(drawing.Views().size(), 3u); // the system view and the two drawn
    const auto kinds = [&](std::size_t view, tvapi::DrawingObjectTypeEnum kind) {
        return drawing.Views()[view]->Objects(kind).size();
    };
    EXPECT_EQ(kinds(1, tvapi::tvDrCutLine), 1u);
    EXPECT_EQ(kinds(1, tvapi::tvDrRough), 1u);
    EXPECT_EQ(kinds(1, tvapi::tvDrTolerance), 1u);
    EXPECT_EQ(kinds(1, tvapi::tvDrBase), 1u);
    EXPECT_EQ(kinds(2, tvapi::tvDrHatch), 1u);
    EXPECT_EQ(kinds(2, tvapi::tvDrDDimension), 1u);

    std::string error;
    ASSERT_TRUE(tvhost::WriteSvgFile(DocCore(reopened), svg.wstring(), error)) << error;
    const std::string picture = Bytes(svg);
    for (const char* part : {"class=\"sheet\"", "class=\"stamp\"", "class=\"technical-demand\"",
                             "class=\"tolerance\"", "Втулка", "ДЧ.01.001"}) {
        SCOPED_TRACE(part);
        EXPECT_NE(picture.find(part), std::string::npos);
    }

    // The committed sample is what this test makes; copy the files above over it when the
    // sheet changes on purpose.
    const fs::path committed = fs::path(DC_SOURCE_DIR) / "samples";
    for (const char* sample : {"sheet.qdr", "sheet.svg"}) {
        SCOPED_TRACE(sample);
        ASSERT_TRUE(fs::exists(committed / sample));
        EXPECT_TRUE(Bytes(committed / sample) == Bytes(dir / sample));
    }
}

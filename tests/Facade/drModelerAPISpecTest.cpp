// The facade's specifications against the stand-in host: the document is created under
// "Name.qsp" with its description, rows get their columns and documents, and all of it comes
// back from the file.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "Contour.h"
#include "FacadeFixture.h"
#include "HostSpecification.h"
#include "HostText.h"

namespace {

namespace fs = std::filesystem;

class TSpecTest : public TFacadeFixture {
protected:
    static std::string Path(const std::string& name) { return ::testing::TempDir() + name; }
    void Create(const std::string& name) { drApi::MA.drCreateLeafSpw(TString(Path(name).c_str()), "Сборка"); }
    tvhost::TSpecification& Spec()
    {
        return dynamic_cast<tvhost::TDocumentCore&>(*R().IDoc).Data().Specification;
    }
    tvhost::THostSpecObject& Row(std::size_t i) { return *Spec().Descriptions.at(0)->Objects().at(i); }
    static void Touch(const std::string& file) { std::ofstream(file) << "x"; }
};

} // namespace

TEST_F(TSpecTest, CreateLeafSpwMakesASavedSpecificationWithItsDescription)
{
    Create("list");
    ASSERT_TRUE(R().IDoc);
    EXPECT_EQ(R().IDoc->GetDocumentType(), tvapi::tvDocumentSpecification);
    EXPECT_TRUE(tvapi::ISpecificationDocumentPtr(R().IDoc));
    EXPECT_EQ(U(R().IDoc->GetFileName()), Path("list.qsp"));
    EXPECT_TRUE(fs::exists(Path("list.qsp")));
    EXPECT_EQ(U(R().IDoc->GetComment()), "Сборка");
    ASSERT_EQ(Spec().Descriptions.size(), 1u);
    EXPECT_EQ(U(Spec().Descriptions[0]->Name()), Path("list.qsp"));
    EXPECT_EQ(Host().Journal().Count("IDocuments::Create"), 1u);
    EXPECT_EQ(Host().Journal().Count("IDocuments::Add"), 0u);

    const tvapi::ITervanDocumentPtr first = R().IDoc;
    Create("list"); // the open one is closed unsaved and made anew
    EXPECT_FALSE(dynamic_cast<tvhost::TDocumentCore&>(*first).IsOpen());
    EXPECT_NE(R().IDoc.Get(), first.Get());
}

TEST_F(TSpecTest, RowsTakeTheirColumnsAndTheDocumentsThatExist)
{
    Create("rows");
    Touch(Path("det.qpt"));
    fs::remove(Path("det.qdr"));
    fs::remove(Path("det.qas"));
    drApi::MA.drSpcObject(Quor::tDetail, TString(Path("det").c_str()), 0, 12);
    EXPECT_EQ(U(Row(0).Column(tvapi::tvSColumnPosition)), "0");
    EXPECT_EQ(U(Row(0).Column(tvapi::tvSColumnCount)), "12");
    EXPECT_EQ(Row(0).Section(), Quor::tDetail);
    EXPECT_EQ(Row(0).AttributeType(), 81764182256u);
    ASSERT_EQ(Row(0).Attached().size(), 1u);
    EXPECT_EQ(U(Row(0).Attached()[0]), Path("det.qpt"));
    EXPECT_EQ(R2().CurDrawingObject.Get(), tvapi::IDrawingObjectPtr(R().Obj).Get());
    EXPECT_EQ(Row(0).Updates(), 1);

    Touch(Path("det.qdr"));
    Touch(Path("det.qas"));
    drApi::MA.drSpcObject(Quor::tSborka, TString(Path("det").c_str()), 3, 1);
    ASSERT_EQ(Row(1).Attached().size(), 3u);
    EXPECT_EQ(U(Row(1).Attached()[0]), Path("det.qdr"));
    EXPECT_EQ(U(Row(1).Attached()[1]), Path("det.qpt"));
    EXPECT_EQ(U(Row(1).Attached()[2]), Path("det.qas"));
    drApi::MA.drSpcObject(Quor::tStandart, TString(Path("det").c_str()), 4, 2);
    EXPECT_TRUE(Row(2).Attached().empty());

    Str name("Винт М6");
    drApi::MA.drSpcObj(name, Quor::tStandart, nullptr);
    EXPECT_EQ(U(Row(3).Column(tvapi::tvSColumnName)), "Винт М6");
    EXPECT_EQ(U(Row(3).Column(tvapi::tvSColumnCount)), "1");
    EXPECT_EQ(Spec().Descriptions.size(), 1u); // found, not added again

    drApi::MA.drCloseLeafSpw(false);
    EXPECT_TRUE(R().IDoc); // saved and still current
    const tvapi::ITervanDocumentPtr reopened =
        Host().App().Documents().OpenFile(tvhost::FromUtf8(Path("rows.qsp")));
    ASSERT_TRUE(reopened);
    EXPECT_FALSE(reopened.Get() == R().IDoc.Get());
    auto& again = dynamic_cast<tvhost::TDocumentCore&>(*reopened).Data().Specification;
    ASSERT_EQ(again.Descriptions.size(), 1u);
    ASSERT_EQ(again.Descriptions[0]->Objects().size(), 4u);
    EXPECT_EQ(U(again.Descriptions[0]->Objects()[1]->Attached()[2]), Path("det.qas"));
    EXPECT_EQ(U(again.Descriptions[0]->Objects()[3]->Column(tvapi::tvSColumnName)), "Винт М6");
    EXPECT_EQ(U(again.Comment), "Сборка");
}

TEST_F(TSpecTest, RowsWithoutADocumentMakeNothingAndEmptyTheCurrentObject)
{
    R2().CurDrawingObject = tvapi::IDrawingObjectPtr();
    Str name("x");
    drApi::MA.drSpcObj(name, Quor::tDetail, nullptr);
    drApi::MA.drSpcObject(Quor::tDetail, "x", 1, 1);
    drApi::MA.drSpcObj3D(Quor::tDetail, "note", nullptr);
    EXPECT_FALSE(R2().CurDrawingObject);
    EXPECT_EQ(Host().Journal().Count("ISpecificationDescriptions::Find"), 0u);
    TContour c;
    drApi::MA.SetOutput(&c);
    drApi::MA.drCreateLeafSpw(TString(Path("none").c_str()), "");
    drApi::MA.SetOutput(nullptr);
    EXPECT_FALSE(R().IDoc);
    EXPECT_FALSE(fs::exists(Path("none.qsp")));
}

TEST_F(TSpecTest, ARowForAPartTakesItsNameAndMarking)
{
    Create("parts");
    const tvapi::ITervanDocumentPtr part = Open(tvapi::tvDocumentPart);
    R().IDoc3D = part;
    const tvapi::IPartPtr top = R().IDoc3D->GetTopPart();
    top->SetName(L"Втулка");
    top->SetMarking(L"ДЧ.01.001");
    drApi::MA.drSpcObj3D(Quor::tDetail, "Сталь 45", top);
    EXPECT_EQ(U(Row(0).Column(tvapi::tvSColumnName)), "Втулка");
    EXPECT_EQ(U(Row(0).Column(tvapi::tvSColumnMark)), "ДЧ.01.001");
    EXPECT_EQ(U(Row(0).Column(tvapi::tvSColumnNote)), "Сталь 45");
    EXPECT_EQ(Row(0).Geometry().size(), 1u);
    R().IDoc3D.Reset();
}

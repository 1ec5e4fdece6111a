// The facade's model files against the stand-in host: GetMassFile reads the mass from an open
// part or assembly, which stays open, or opens the file invisibly and closes it unsaved; parts
// and assemblies are created, saved, closed, opened and activated.

#include <array>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostDocuments.h"
#include "HostKernel.h"
#include "HostText.h"

using drApi::MA;
using namespace tvapi;

class TModelerApiDoc3DTest : public TFacadeFixture {
protected:
    // A saved document of type t under `name` in the temporary folder; a part weighs `mass`.
    ITervanDocumentPtr Saved(DocumentTypeEnum t, const std::string& name, double mass)
    {
        ITervanDocumentPtr doc = Host().App().Documents().AddDocument(t);
        if (auto* model = tvhost::HostAs<tvhost::THostDocument3D>(doc)) model->TopPart().SetMass(mass);
        EXPECT_TRUE(doc->SaveAs(tvhost::FromUtf8(::testing::TempDir() + name).c_str()));
        return doc;
    }
    static TString Path(const std::string& name) { return TString((::testing::TempDir() + name).c_str()); }
};

TEST_F(TModelerApiDoc3DTest, OpenModelsAreReadInPlaceOthersOpenedInvisiblyAndClosedUnsaved)
{
    Saved(tvDocumentPart, "m1.qpt", 1.25)->Close(kdDoNotSaveChanges);
    const ITervanDocumentPtr assembly = Saved(tvDocumentAssembly, "m2.qas", 8.0);
    tvhost::HostAs<tvhost::THostDocument3D>(assembly)->TopPart().SetMass(9.0); // unsaved
    EXPECT_EQ(MA.GetMassFile(Path("m2.qas")), 9.0);
    EXPECT_FALSE(R().IDoc);
    EXPECT_EQ(Journal().Count("IDocuments::Open"), 0);

    // The caller's document, 3D document and part come back after the file's was opened.
    R().IDoc = assembly;
    R().IDoc3D = assembly;
    R().Part = R().IDoc3D->GetTopPart();
    const IPartPtr part = R().Part;
    EXPECT_EQ(MA.GetMassFile(Path("m1.qpt")), 1.25);
    EXPECT_EQ(Journal().Calls("IDocuments::Open").at(0).Arguments.at(1), "false"); // not shown
    EXPECT_TRUE(R().IDoc == assembly && R().IDoc3D == ITervanDocument3DPtr(assembly) && R().Part == part);
    // Closed unsaved; the assembly stays open.
    EXPECT_EQ(Host().App().Documents().Count(), 1u);
    EXPECT_EQ(MA.GetMassFile(Path("m1.qpt")), 1.25) << "the same mass again";
}

TEST_F(TModelerApiDoc3DTest, MissingFilesFoldersAndFilesWithoutAPartWeighNothing)
{
    std::filesystem::create_directories(::testing::TempDir() + "m3.qpt");
    Journal().Clear();
    EXPECT_EQ(MA.GetMassFile(Path("m3.qpt")) + MA.GetMassFile(Path("absent.qpt")), 0.0);
    EXPECT_TRUE(Journal().Entries().empty()); // the host is not asked
    Saved(tvDocumentDrawing, "m4.qpt", 0)->Close(kdDoNotSaveChanges);
    EXPECT_EQ(MA.GetMassFile(Path("m4.qpt")), 0.0);
    EXPECT_FALSE(R().IDoc);
    EXPECT_FALSE(R().IDoc3D);
    EXPECT_EQ(Host().App().Documents().Count(), 0u) << "a file without a part is closed too";
}

TEST_F(TModelerApiDoc3DTest, CreatedOverAnOpenSameNamedPartSavedAndClosed)
{
    const TString file = Path("made.qpt");
    const ITervanDocumentPtr old = Saved(tvDocumentPart, "made.qpt", 0.5);
    EXPECT_TRUE(MA.drCreate3D(true, true, file, "x", "y"));
    EXPECT_FALSE(tvhost::HostAs<tvhost::THostDocument3D>(old)->IsOpen());
    EXPECT_EQ(tvhost::HostAs<tvhost::THostDocument3D>(old)->ClosedWith(), kdDoNotSaveChanges);
    const ITervanDocumentPtr held = R().IDoc; // looked at after the facade lets it go
    auto* made = tvhost::HostAs<tvhost::THostDocument3D>(held);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->Type(), tvDocumentPart);
    EXPECT_EQ(tvhost::ToUtf8(made->FileName()), ::testing::TempDir() + "made.qpt");
    EXPECT_EQ(made->TopPart().Name(), L"x");
    EXPECT_EQ(made->TopPart().Marking(), L"y");
    EXPECT_EQ(made->TopPart().Updates(), 1);
    EXPECT_EQ(made->Hidden(), (std::array<bool, 4>{true, true, true, true}));
    EXPECT_TRUE(R().Part == R().IDoc3D->GetTopPart());

    MA.drSave3D(false, true);
    EXPECT_TRUE(R().IDoc && R().IDoc3D && R().Part);
    R().Obj3D = IModelObjectPtr(R().Part);
    MA.drSave3D(true, false);
    EXPECT_FALSE(R().IDoc || R().IDoc3D || R().Part || R().Obj || R().Obj3D);
    EXPECT_FALSE(made->IsOpen());
    EXPECT_EQ(made->ClosedWith(), kdSaveChanges);
    EXPECT_EQ(made->Rebuilds(), 1);
    MA.drSave3D(true, false); // nothing held: nothing done
    MA.drSave3DAs(file, "z");

    // Opened again, then only activated while it is open.
    EXPECT_TRUE(MA.ActivateADocument3D(file, true));
    const ITervanDocumentPtr opened = R().IDoc;
    EXPECT_EQ(tvhost::HostAs<tvhost::THostDocument3D>(opened)->TopPart().Name(), L"x");
    Host().App().Documents().AddDocument(tvDocumentDrawing);
    R().IDoc.Reset();
    EXPECT_TRUE(MA.ActivateADocument3D(file, true));
    EXPECT_FALSE(R().IDoc);
    EXPECT_TRUE(Host().App().Documents().Active() == opened);

    EXPECT_TRUE(MA.drCreate3D(true, false, Path("made.qas"), "A", "B"));
    EXPECT_EQ(tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc)->Type(), tvDocumentAssembly);
    MA.drSave3DAs(Path("renamed.qas"), "C");
    EXPECT_EQ(tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc)->TopPart().Name(), L"C");
    EXPECT_TRUE(std::filesystem::exists(::testing::TempDir() + "renamed.qas"));
}

// The document's material sets the part's density: a 10 x 20 x 5 box of 7800 kg/m³ weighs
// 7.8 g once saved, opened by GetMassFile and closed again.
TEST_F(TModelerApiDoc3DTest, MaterialDensityGivesTheMassOfTheSavedPart)
{
    const ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvDocumentPart);
    tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    R().IDoc = doc;
    MA.drSetMaterial(1, "Сталь 45", "Material:V0123456789ABCDEF0123456789ABCDEF", 7800.0);
    EXPECT_NEAR(tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart().Mass(), 0.0078, 1e-12);
    ASSERT_TRUE(doc->SaveAs(tvhost::FromUtf8(::testing::TempDir() + "box7800.qpt").c_str()));
    doc->Close(kdDoNotSaveChanges);
    const ITervanDocumentPtr drawing = Open(tvDocumentDrawing);
    R().IDoc = drawing;
    R().IDoc3D.Reset();
    R().Part.Reset();
    EXPECT_NEAR(MA.GetMassFile(Path("box7800.qpt")), 0.0078, 1e-12); // kg
    EXPECT_TRUE(R().IDoc == drawing);
    EXPECT_FALSE(R().IDoc3D || R().Part);
    EXPECT_EQ(Host().App().Documents().Count(), 1u);
}

// Only a document the mass reading opened itself is closed: not one the host hands back because
// it is open under that name already (here as a drawing), nor the caller's own when there is no
// application to open anything with.
TEST_F(TModelerApiDoc3DTest, DocumentsItDidNotOpenStayOpen)
{
    Saved(tvDocumentPart, "m5.qpt", 2.0)->Close(kdDoNotSaveChanges);
    const ITervanDocumentPtr drawing = Host().App().Documents().AddDocument(
        tvDocumentDrawing, tvhost::FromUtf8(::testing::TempDir() + "m5.qpt"));
    EXPECT_EQ(MA.GetMassFile(Path("m5.qpt")), 0.0);
    EXPECT_TRUE(tvhost::HostAs<tvhost::THostDocument2D>(drawing)->IsOpen()) << "the user's drawing";

    const ITervanDocumentPtr own = Saved(tvDocumentPart, "m6.qpt", 3.0);
    R().IDoc = own;
    R().Tervan7 = nullptr;
    EXPECT_EQ(MA.GetMassFile(Path("m5.qpt")), 0.0);
    EXPECT_TRUE(tvhost::HostAs<tvhost::THostDocument3D>(own)->IsOpen()) << "the caller's document";
    EXPECT_TRUE(R().IDoc == own);
    R().Tervan7 = FApp.Get();
    EXPECT_EQ(Host().App().Documents().Count(), 2u);
}

// A part whose save fails, at its creation or at its end, is not built: the facade answers it
// refused and tells the failure first in one box with what was told while the part was built.
struct TFailedSaveSite {
    const char* Label;
    const char* Fault;
};

class TModelerApiFailedSaveTest : public TFacadeFixture,
                                  public testing::WithParamInterface<TFailedSaveSite> {};

TEST_P(TModelerApiFailedSaveTest, RefusedWithTheFailureFirstInOneBox)
{
    const std::string file = ::testing::TempDir() + "failed_" + GetParam().Label + ".qpt";
    InjectFault(GetParam().Fault, tvhost::fkFail);
    ASSERT_TRUE(MA.drCreate3D(true, true, TString(file.c_str()), "x", "y"));
    MA.LiftBox("told while built");
    tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc)->TopPart().AddBody(tvhost::MakeBox({0, 0, 0}, 1, 1, 1));
    MA.drExpect3D(1, "size");
    ScriptAnswers({tvButtonOk});
    MA.drSave3D(true, false);
    EXPECT_TRUE(MA.drRefused3D());
    EXPECT_FALSE(std::filesystem::exists(file));
    const auto boxes = Journal().Calls("IApplication::ShowMessageBox");
    ASSERT_EQ(boxes.size(), 1u);
    const std::string& told = boxes[0].Arguments[0];
    EXPECT_EQ(told.rfind("Не удалось сохранить файл " + file, 0), 0u) << told;
    EXPECT_EQ(told.substr(told.size() - 17), "\ntold while built") << told;
}

INSTANTIATE_TEST_SUITE_P(Sites, TModelerApiFailedSaveTest,
                         testing::Values(TFailedSaveSite{"AtCreation", "ITervanDocument::SaveAs"},
                                         TFailedSaveSite{"AtTheEnd", "ITervanDocument::Close"}),
                         [](const testing::TestParamInfo<TFailedSaveSite>& i) {
                             return std::string(i.param.Label);
                         });

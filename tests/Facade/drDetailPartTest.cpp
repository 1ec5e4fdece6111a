// Details inserted by number: the list of inserted parts with its copy numbers, the mates that
// tie them to the assembly's origin planes (kinds, order, directions, expressions, the axis
// tolerance), the new documents of numbered details and their end, and the facade's start-up
// tables. Everything runs against the stand-in host with a control model of the test's own.

#include "drDetailPart.h"

#include <filesystem>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "Dimension3D.h"
#include "FacadeFixture.h"
#include "HostAssembly.h"
#include "HostPart.h"
#include "TAVariable.h"
#include "TControlModel.h"
#include "drContourAPI.h"

using drApi::ADP;
using drApi::MA;
using namespace tvapi;

namespace {

// The product (0) and details 1 to 3, only 3 present (numbered 7), whose part file is a 10 x 20 x 5 box.
class TDetailPartTest : public TFacadeFixture {
protected:
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        Folder = std::filesystem::path(::testing::TempDir()) /
                 ("details-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(Folder);
        CM.SetDetails(Rows, 4);
        CM.SetExistDet(3, 7);
        CM.prFileName = TString((Folder / "D").string().c_str());
        drApi::LibraryControlModel = &CM;
        const ITervanDocumentPtr part = Host().App().Documents().AddDocument(tvDocumentPart);
        tvhost::HostAs<tvhost::THostDocument3D>(part)->TopPart().AddBody(
            tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
        ASSERT_TRUE(part->SaveAs(tvhost::FromUtf8((Folder / "D7.qpt").string()).c_str()));
        part->Close(kdDoNotSaveChanges);
    }
    void TearDown() override
    {
        drApi::LibraryControlModel = nullptr;
        TFacadeFixture::TearDown();
        std::filesystem::remove_all(Folder);
    }
    // A new assembly as the facade's document.
    void NewAssembly()
    {
        R().IDoc = Host().App().Documents().AddDocument(tvDocumentAssembly, L"a.qas");
        R().IDoc3D = R().IDoc;
    }
    tvhost::THostDocument3D& Document() { return *tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc); }
    static tvhost::THostPart& PartOf(const IPartPtr& p) { return *tvhost::HostAs<tvhost::THostPart>(p); }

    TControlModel::dcDetail Rows[4] = {{0, "Сборка", 0, 0, 1, nullptr, {}},
                                       {1, "Pin", 0, 0, 1, nullptr, {}},
                                       {2, "Ring", 0, 0, 1, nullptr, {}},
                                       {3, "Plate", 0, 0, 1, nullptr, {}}};
    TControlModel CM{"DimChain.dss", "DimChain.chm"};
    std::filesystem::path Folder;
};

// The kind, the two objects' kinds and part numbers, direction, value and expression of each
// mate of the assembly, as "kind dir value expr".
std::vector<std::string> MatesOf(const tvhost::THostDocument3D& d)
{
    std::vector<std::string> all;
    for (const tvhost::THostMatePtr& m : d.Mates()) {
        const IModelObjectPtr own = m->Object(2);
        std::string line = std::to_string(m->Type()) + " " + std::to_string(own->GetObjectType()) + " " +
                           std::to_string(m->Direction()) + " " + std::to_string(m->Value());
        if (m->Variable()) line += " " + tvhost::ToUtf8(m->Variable()->Expression());
        all.push_back(line);
    }
    return all;
}

} // namespace

TEST_F(TDetailPartTest, StartUpTablesAndKindOfModeller)
{
    EXPECT_EQ(ADP.Count, 0);
    EXPECT_GE(ADP.Size(), drApi::TADetailPart::Room);
    EXPECT_EQ(ADP.Capacity(), 256);
    const drApi::TDetailPart fresh;
    EXPECT_EQ(fresh.Detail, -1);
    EXPECT_FALSE(fresh.ActiveMate);
    EXPECT_EQ(fresh.VX, nullptr);
    EXPECT_EQ(drApi::ParametricData.Count, 0);
    EXPECT_EQ(drApi::ParametricData.Size(), 16);
    EXPECT_EQ(drApi::ParametricData.paramLength, -1.0);
    EXPECT_EQ(drApi::ParametricData.metricLength, -1.0);
    EXPECT_GT(drApi::ParametricData.Gabaryt.Left(), drApi::ParametricData.Gabaryt.Right()); // empty box
    EXPECT_EQ(MA.Is(), mAPI);
    EXPECT_EQ(static_cast<TModeler3D&>(MA).Is(), mAPI);
}

TEST_F(TDetailPartTest, SameDetailThreeTimesIsNumberedAndFound)
{
    NewAssembly();
    MA.AddDetail(0, 0, 0, 3, 0, false);
    MA.AddDetailAxle(5, 0, 0, 3, 0, 0, 1, 0, -1, 0, 0);
    MA.AddDetailIf(9, 0, 0, 3, 0, false); // U false: nothing
    MA.AddDetailIf(9, 0, 0, 3, 0, true);
    MA.AddDetail(0, 0, 0, 4, 0, false); // unknown detail
    MA.AddDetail(0, 0, 0, 3, 1, false); // no file D7-1.qpt
    ASSERT_EQ(ADP.Count, 3);
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(ADP[static_cast<Integer>(i)].Copy, i);
        EXPECT_EQ(ADP[static_cast<Integer>(i)].Detail, 3);
    }
    EXPECT_EQ(Document().TopPart().Components().size(), 3u);
    EXPECT_TRUE(ADP.PfA(3, 0, 2) == ADP[2].Part);
    EXPECT_TRUE(ADP.PfA(3, 0, 2) == MA.GetPart()); // the last inserted is current
    EXPECT_FALSE(ADP.PfA(3, 0, 3));
    EXPECT_FALSE(ADP.PfA(3, 1, 0));
    const tvhost::THostPlacement& turned = PartOf(ADP[1].Part).Placement();
    EXPECT_EQ(turned.Origin(), (tvhost::TXyz{5, 0, 0}));
    EXPECT_EQ(turned.X(), (tvhost::TXyz{0, 1, 0}));
    EXPECT_EQ(turned.Y(), (tvhost::TXyz{-1, 0, 0}));
    EXPECT_TRUE(ADP.DE(3, 0, 1, o3d_planeXOZ) == PartOf(ADP[1].Part).AuxGeometry().Default(o3d_planeXOZ));
    EXPECT_TRUE(ADP.DE(3, 0, o3d_axisOZ) == PartOf(ADP[0].Part).AuxGeometry().Default(o3d_axisOZ));
    EXPECT_FALSE(ADP.DE(5, 0, o3d_planeXOZ));
}

TEST_F(TDetailPartTest, MatesComeCoincidencesFirstWithTheirDirectionsAndExpressions)
{
    NewAssembly();
    for (int i = 0; i < 4; ++i)
        MA.AddDetail(0, 0, 0, 3, 0, false);
    double* x = AVariable.AddExp(25.0, "L");
    double* y = AVariable.AddExp(4.0, "H/2");
    const double zero = 0.0, seven = 7.0;
    ADP[0].SetPosition(zero, zero, seven, TVector3D(1, 0, 0), TVector3D(0, -1, 0));
    ADP[1].SetPosition(*x, *y, zero, TVector3D(-1, 0, 0), TVector3D(0, 1 + 0.9e-5, 0));
    ADP[2].SetPosition(0, 5, 0, TVector3D(1, 0, 0), TVector3D(0, 1, 0)); // not at X = Y = 0
    ADP[3].SetPosition(0, 0, 0, TVector3D(0.7, 0.7, 0), TVector3D(0, 1, 0));
    EXPECT_EQ(ADP[1].VX->Comment, TString("L"));
    EXPECT_EQ(ADP[0].VX, nullptr);
    ADP[0].ActiveMate = ADP[1].ActiveMate = ADP[2].ActiveMate = ADP[3].ActiveMate = true;
    ADP.drAllMates();
    const std::string xc = std::to_string(mc_Coincidence) + " ", xd = std::to_string(mc_Distance) + " ";
    const std::string yoz = std::to_string(o3d_planeYOZ) + " ", xoz = std::to_string(o3d_planeXOZ) + " ";
    const std::vector<std::string> expected = {
        xc + yoz + "1 0.000000", xc + xoz + "-1 0.000000", // entry 0: +X, -Y
        xc + xoz + "1 0.000000",                           // entry 3: Y only, its X is no base axis
        xd + yoz + "-1 25.000000 -(L)", xd + xoz + "1 4.000000 H/2"};
    EXPECT_EQ(MatesOf(Document()), expected);

    // Just past the tolerance the axis is no base axis.
    ADP[1].AY = TVector3D(0, 1 + 2e-5, 0);
    ADP[0].ActiveMate = ADP[2].ActiveMate = ADP[3].ActiveMate = false;
    ADP.drAllMates();
    EXPECT_EQ(MatesOf(Document()).size(), expected.size() + 1);
    // Without a document nothing is mated.
    R().IDoc3D.Reset();
    ADP.drAllMates();
    EXPECT_EQ(MatesOf(Document()).size(), expected.size() + 1);
}

TEST_F(TDetailPartTest, PartTwiceWithDistanceMateKeepsFramesAndMassWhenReopened)
{
    NewAssembly();
    MA.AddDetail(0, 0, 0, 3, 0, false);
    MA.AddDetail(0, 0, 0, 3, 0, false);
    double* x = AVariable.AddExp(25.0, "A");
    ADP[0].SetPosition(0, 0, 0, TVector3D(1, 0, 0), TVector3D(0, 1, 0));
    ADP[1].SetPosition(*x, 0, 0, TVector3D(1, 0, 0), TVector3D(0, 0, 1));
    ADP[0].ActiveMate = ADP[1].ActiveMate = true;
    // The assembly publishes the variable; the mate's "-(A)" runs along YOZ's normal, -X.
    ASSERT_TRUE(R().IDoc3D->GetTopPart()->AddVariable(L"A", 25.0, L""));
    ADP.drAllMates();
    ASSERT_EQ(Document().Mates().size(), 3u);
    EXPECT_EQ(PartOf(ADP[1].Part).Frame().Origin[0], 25.0); // the distance mate moved it
    EXPECT_EQ(PartOf(ADP[0].Part).Frame().Origin[0], 0.0);
    const double mass = PartOf(ADP[0].Part).Mass();
    const std::string file = (Folder / "pair.qas").string();
    ASSERT_TRUE(R().IDoc->SaveAs(tvhost::FromUtf8(file).c_str()));
    for (drApi::TDetailPart& e : ADP)
        e.Part.Reset();
    ADP.Clear();
    R().IDoc->Close(kdDoNotSaveChanges);
    R().IDoc.Reset();
    R().IDoc3D.Reset();
    R().Part.Reset();
    R().Obj3D.Reset();

    const ITervanDocumentPtr again =
        Host().App().Documents().Open(tvhost::FromUtf8(file).c_str(), false, false);
    ASSERT_TRUE(again);
    tvhost::THostDocument3D& reopened = *tvhost::HostAs<tvhost::THostDocument3D>(again);
    const tvhost::TComponents& parts = reopened.TopPart().Components();
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_NEAR(parts[1]->Frame().Origin[0] - parts[0]->Frame().Origin[0], 25.0, 1e-12);
    ASSERT_EQ(reopened.Mates().size(), 3u);
    EXPECT_EQ(reopened.Mates()[2]->Type(), mc_Distance);
    EXPECT_EQ(reopened.Mates()[2]->Value(), -25.0);
    EXPECT_EQ(reopened.Mates()[2]->ExpressionText(), L"-(A)");
    EXPECT_TRUE(reopened.Mates()[2]->Object(2) == parts[1]->AuxGeometry().Default(o3d_planeYOZ));
    EXPECT_NEAR(reopened.TopPart().Mass(), 2 * mass, 1e-15);
    again->Close(kdDoNotSaveChanges);
}

TEST_F(TDetailPartTest, NewPartDocumentOfANumberedDetail)
{
    TDimension3D point;
    point.Type = TDimension3D::tdPoint3D;
    ADimension3D.APoint3D.Add(point);
    R().CountDrawing = 4;
    EXPECT_FALSE(MA.drCreate3DNewPart(4, 0, true, true)); // unknown: nothing made
    EXPECT_EQ(R().CountDrawing, 4);
    EXPECT_EQ(ADimension3D.APoint3D.Count, 1);
    EXPECT_FALSE(R().IDoc);

    ASSERT_TRUE(MA.drCreate3DNewPart(3, 2, true, false));
    EXPECT_EQ(tvhost::ToUtf8(R().IDoc->GetFileName()), (Folder / "D7-2.qas").string());
    EXPECT_EQ(R().IDoc->GetDocumentType(), tvDocumentAssembly);
    EXPECT_EQ(R2().DI.cDetail, 3);
    EXPECT_EQ(R2().DI.cSuffics, 2);
    EXPECT_EQ(U(TString(R().Part->GetName())), "Plate");
    EXPECT_EQ(ADimension3D.APoint3D.Count, 0);
    EXPECT_EQ(R().CountDrawing, 5);

    ASSERT_TRUE(MA.drCreate3DNewPartPlane(3, 0, true, o3d_planeXOZ, 5.0));
    EXPECT_EQ(tvhost::ToUtf8(R().IDoc->GetFileName()), (Folder / "D7.qpt").string());
    ASSERT_TRUE(R().Sketch);
    EXPECT_EQ(tvhost::HostAs<tvhost::THostSketch>(R().Sketch)->Frame().Origin[1], 5.0); // along +Y
    EXPECT_FALSE(MA.drCreate3DNewPartPlane(9, 0, true, o3d_planeXOZ, 5.0));
    // The modeller's three-argument form is the default one.
    EXPECT_FALSE(static_cast<TModeler3D&>(MA).drCreate3DNewPart(3, 0, true));
}

TEST_F(TDetailPartTest, CloseSavesWritesTheNoteRowAndClosesInOrder)
{
    // Without any document every call is left out.
    MA.drClose3D(true, Quor::tSborka);
    ASSERT_TRUE(MA.drCreate3DNewPart(3, 0, true, true));
    R2().DI.Note = TString("Note 1");
    const ITervanDocumentPtr document = R().IDoc;
    Journal().SetRecording(true);
    Journal().Clear();
    MA.drClose3D(true, Quor::tStandart);
    const std::vector<std::string> lines = Journal().Lines();
    auto at = [&](const std::string& op) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].rfind(op, 0) == 0) return static_cast<int>(i);
        return -1;
    };
    EXPECT_LT(at("ITervanDocument::Activate"), at("ITervanDocument3D::RebuildDocument(true)"));
    EXPECT_LT(at("ITervanDocument3D::RebuildDocument(true)"), at("ISpecificationColumns"));
    EXPECT_LT(at("ISpecificationColumns"), at("ITervanDocument::Save"));
    EXPECT_LT(at("ITervanDocument::Save"), at("ITervanDocument::Close(0)"));
    EXPECT_GE(at("ITervanDocument::Activate"), 0);
    EXPECT_TRUE(std::filesystem::exists(Folder / "D7.qpt"));

    // Not saved: only closed, no row.
    ASSERT_TRUE(MA.drCreate3DNewPart(3, 0, true, true));
    Journal().Clear();
    MA.drClose3D(false, Quor::tStandart);
    EXPECT_EQ(Journal().Count("ITervanDocument::Save"), 0u);
    EXPECT_EQ(Journal().Count("ISpecificationBaseObject::SetGeometry"), 0u);
    EXPECT_EQ(Journal().Count("ITervanDocument::Close"), 1u);
}

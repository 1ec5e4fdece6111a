// Tests of the library control model: the detail table sorted by kind, file names and
// designations, the current-detail record, the walks over the details, and the stream form
// with its version gate. Kinds outside the table must never be read.

#include "TControlModel.h"

#include <filesystem>
#include <stdexcept>
#include <tuple>

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostText.h"
#include "RecordingModeler.h"
#include "StreamTestUtil.h"
#include "TDetail.h"
#include "drMaterial.h"

using streamtest::Bytes;
using Texts = std::vector<std::string>;

namespace {

// A detail that notes its visits in a shared journal and then throws.
struct TVisitDetail : TDetail {
    Texts* Journal;
    TVisitDetail(TDcDetail id, TModeler3D* M, Texts* j) : TDetail(id, M, TConstruktor::Empty()), Journal(j) {}
    void dr2D() const override
    {
        Journal->push_back("2D " + std::to_string(Id)), throw std::runtime_error("x");
    }
    void dr3D(const Integer N) const override
    {
        Journal->push_back("3D " + std::to_string(Id) + "/" + std::to_string(N)), throw 1;
    }
};

// The product and four details, handed over out of kind order; file prefix "M". The facade is
// attached to the stand-in host, where model files are weighed.
class TControlModelTest : public TFacadeFixture {
protected:
    TControlModel::dcDetail Rows[5] = {{3, "Plate", 12, 0, 1, nullptr, {}},
                                       {0, "Сборка", 0, 0, 1, nullptr, {}},
                                       {4, "Ring", 3, 0, 1, nullptr, {}},
                                       {1, "Plate", 1, 0, 1, nullptr, {}},
                                       {2, "Pin", 5, 0, 1, nullptr, {}}};
    TControlModel CM{"DimChain.dss", "DimChain.chm"};
    TRecordingModeler M;
    Texts Journal;

    void SetUp() override
    {
        TFacadeFixture::SetUp();
        CM.SetDetails(Rows, 5);
        CM.prFileName = TString("M");
    }
};

} // namespace

TEST_F(TControlModelTest, FileNamesAndNamesFollowTheSortedRows)
{
    CM.SetExistDet(3, 7);
    CM.SetExistDet(1, 120);
    EXPECT_EQ(U(CM.sfDetail3D(3, 2)), "M7-2.qpt");
    EXPECT_EQ(U(CM.sfDetail3D(0, 0)) + " " + U(CM.sfDetail2D(3, 0)) + " " + U(CM.sfDetail(1, 10)),
              "M0.qas M7.qdr M120-10");
    EXPECT_EQ(U(CM.NameDet(4, 0)) + "|" + U(CM.NameDet(1, 2)) + "|" + std::to_string(CM.MaterialDet(2)),
              "Ring|Plate 2|5");
}

TEST_F(TControlModelTest, KindsOutsideTheTableGiveFalseZeroOrEmptyAndChangeNothing)
{
    M.R2->DI.fileName = TString("keep");
    for (TDcDetail k : {-1, 5, 1000}) {
        SCOPED_TRACE(k);
        CM.SetExistDet(k, 9);
        CM.SetCodeDet(k, 77, 0, 0);
        CM.GetCodeDet(k).ID = 77; // a scratch code, reset on the next call
        EXPECT_EQ(CM.GetCodeDet(k), (TBaseDetail{0, -1, -1}));
        EXPECT_FALSE(CM.ExistDet(k));
        EXPECT_EQ(CM.NumberDet(k), 0);
        EXPECT_EQ(CM.MaterialDet(k), 0);
        EXPECT_TRUE(CM.sfDetail3D(k, 1).Empty());
        EXPECT_TRUE(CM.NameDet(k, 0).Empty());
        EXPECT_TRUE(CM.MarkingDet(k, 0).Empty());
        EXPECT_FALSE(CM.SetCurrent(M, k, 0));
    }
    EXPECT_FALSE(CM.SetCurrent(M, 1, 0)); // in the table but absent
    EXPECT_EQ(U(M.R2->DI.fileName), "keep");
    EXPECT_EQ(Host().Journal().Count("IDocuments::Open"), 0u); // no model file was weighed
    EXPECT_EQ(CM.DetailByNumber(9), -1);
    for (const auto& r : Rows)
        EXPECT_NE(r.DC.ID, 77);
    TControlModel bare("a", "b");
    bare.SetDetails(nullptr, 3); // a null table with a count is no table
    EXPECT_EQ(bare.CountDetail, 0);
    EXPECT_TRUE(bare.ExistDet(0));
    EXPECT_FALSE(bare.ExistDet(1));
}

TEST_F(TControlModelTest, SetCurrentFillsTheRecordOfAPresentDetail)
{
    CM.SetExistDet(3, 7);
    CM.NameMarking = TString("ABC.01");
    const std::string folder = ::testing::TempDir();
    CM.prFileName = TString((folder + "M").c_str());
    const tvapi::ITervanDocumentPtr part = Host().App().Documents().AddDocument(tvapi::tvDocumentPart);
    tvhost::HostAs<tvhost::THostDocument3D>(part)->TopPart().SetMass(1.25); // weighed while open
    ASSERT_TRUE(part->SaveAs(tvhost::FromUtf8(folder + "M7-2.qpt").c_str()));
    std::filesystem::remove(folder + "M0.qas");
    TDetailInfo& DI = M.R2->DI;

    ASSERT_TRUE(CM.SetCurrent(M, 3, 2));
    EXPECT_EQ(std::make_tuple(DI.cDetail, DI.cSuffics, DI.Weight), std::make_tuple(3, 2, 1.25));
    EXPECT_EQ(U(DI.comment) + "|" + U(DI.designation) + "|" + U(DI.fileName),
              "Plate2|ABC.01-7-2|" + folder + "M7-2"); // the copy number follows without a blank
    // A0 landscape: corner (40, 840 - 30), moved by (65, -70).
    EXPECT_EQ(DI.material, AMaterial[12].Name);
    EXPECT_EQ(DI.Left, 105.0);
    EXPECT_EQ(DI.Top, 740.0);
    ASSERT_TRUE(CM.SetCurrent(M, 0, 0)); // the product is always present; its file is missing
    EXPECT_EQ(U(DI.fileName) + " " + U(DI.comment) + std::to_string(DI.Weight), folder + "M0 Сборка0.000000");
}

// Every detail throws; the walk goes on all the same.
TEST_F(TControlModelTest, MakeWalksPresentDetailsDownwardAndSurvivesAThrow)
{
    TVisitDetail d0(0, &M, &Journal), d1(1, &M, &Journal), d2(2, &M, &Journal), d3(3, &M, &Journal);
    std::tie(Rows[0].PD, Rows[1].PD, Rows[2].PD, Rows[3].PD) = std::make_tuple(&d0, &d1, &d2, &d3);
    for (TDcDetail k : {0, 1, 3, 4})
        CM.SetExistDet(k, k + 10);
    CM.Make2D(M);
    CM.Make3D(M, 100, false);
    CM.Make3D(M, 2, true);
    CM.Make3D(M, -5, false);
    // Row 2 absent, row 0 never drawn, row 4 without a detail.
    EXPECT_EQ(Journal, (Texts{"2D 3", "2D 1", "3D 3/10", "3D 1/10", "3D 1/10"}));
}

TEST_F(TControlModelTest, StreamLaysOutMarkingThenSignaturesAndRoundTrips)
{
    CM.NameMarking = TString("AB");
    CM.SP.sChecked = TString("X");
    CM.SP.sHasRatified = TString("Я"); // one byte in Windows-1251: DF
    TKmfData s;
    CM.Write(s);
    // Marking, then plant, designer (empty), checker, two empty signatures, the approver.
    Bytes expected = {2, 0, 0, 0, 'A', 'B', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 'X', 0};
    expected = streamtest::Cat(expected, Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0xDF, 0});
    EXPECT_EQ(streamtest::DataOf(s), expected);
    Bytes blob;
    CM.to(blob);
    EXPECT_EQ(blob, streamtest::Blob(97, expected));

    CM.NameMarking = TString("ДЧ.100");
    CM.SP.sPlant = TString("Завод");
    CM.to(blob);
    TControlModel other("x", "y");
    other.SP.sDesign = TString("stale");
    other.from(blob); // reads through Read
    EXPECT_EQ(U(other.NameMarking) + U(other.SP.sPlant) + U(other.SP.sChecked) + U(other.SP.sHasRatified),
              "ДЧ.100ЗаводXЯ");
    EXPECT_TRUE(other.SP.sDesign.Empty());
    EXPECT_TRUE(other.prFileName.Empty()); // the file prefix is not stored
    TKmfData old, in;                      // streams before version 33 carry no marking: it stays
    CM.SP.toStream(old);
    in.from(streamtest::Blob(32, streamtest::DataOf(old)));
    other.Read(in);
    EXPECT_EQ(U(other.NameMarking) + U(other.SP.sPlant), "ДЧ.100Завод");
}

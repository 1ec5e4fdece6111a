// Tests of the library control model: the detail table and its ordering, file names, names
// and designations, the current-detail record, the walks over the details, and the stream
// form with its version gate. Kinds outside the table must never be read.

#include "TControlModel.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostDocuments.h"
#include "HostText.h"
#include "KmfData.h"
#include "RecordingModeler.h"
#include "StreamTestUtil.h"
#include "TDetail.h"
#include "drMaterial.h"

using streamtest::Bytes;
using Texts = std::vector<std::string>;

namespace {

std::string U(const TString& s) {
    std::vector<char8_t> out(2 * static_cast<std::size_t>(s.Length()) + 1);
    const Integer n = TString::toUTF8(s.PChar(), out.data());
    return std::string(reinterpret_cast<const char*>(out.data()), static_cast<std::size_t>(n));
}

// Loads the element library for one scope, as far as its flag tells; it holds no element.
struct TActiveElementLibrary {
    TActiveElementLibrary() { ABaseDetail.Active = true; }
    ~TActiveElementLibrary() { ABaseDetail.Active = false; }
};

// A detail that notes its visits in a shared journal and may throw.
struct TVisitDetail : TDetail {
    Texts* Journal;
    bool Throw = false;
    TVisitDetail(TDcDetail id, TModeler3D* M, Texts* j) : TDetail(id, M, TConstruktor::Empty()), Journal(j) {}
    void dr2D() const override {
        Journal->push_back("2D " + std::to_string(Id));
        if (Throw) throw std::runtime_error("draw");
    }
    void dr3D(const Integer N) const override {
        Journal->push_back("3D " + std::to_string(Id) + "/" + std::to_string(N));
        if (Throw) throw 1;
    }
};

// The product and four details, handed over in kind order; file prefix "M". The facade is
// attached to the stand-in host, where model files are weighed.
class TControlModelTest : public TFacadeFixture {
protected:
    TControlModel::dcDetail Rows[5] = {{0, "Сборка", 0, 0, 1, nullptr, {}},
                                       {1, "Plate", 1, 0, 1, nullptr, {}},
                                       {2, "Pin", 5, 0, 1, nullptr, {}},
                                       {3, "Plate", 12, 0, 1, nullptr, {}},
                                       {4, "Ring", 3, 0, 1, nullptr, {}}};
    TControlModel CM{"DimChain.dss", "DimChain.chm"};
    TRecordingModeler M;
    Texts Journal;

    void SetUp() override {
        TFacadeFixture::SetUp();
        CM.SetDetails(Rows, 5);
        CM.prFileName = TString("M");
    }
};

} // namespace

TEST(TControlModelBareTest, WithoutATableOnlyTheProductExistsAndNothingIsRead) {
    TControlModel cm("DimChain.dss", "DimChain.chm");
    TRecordingModeler M;
    EXPECT_TRUE(cm.ExistDet(0) && cm.ExistDetail(0) && !cm.ExistDet(1));
    EXPECT_EQ(std::make_tuple(cm.NumberDet(0), cm.MaterialDet(0), cm.DetailByNumber(0)),
              std::make_tuple(0, 0, -1));
    EXPECT_TRUE(cm.sfDetail3D(0, 0).Empty() && cm.NameDet(0, 0).Empty() && cm.MarkingDet(0, 0).Empty());
    cm.SetExistDet(0, 5);
    cm.SetCodeDet(0, 1, 2, 3);
    EXPECT_FALSE(cm.SetCurrent(M, 0, 0));
    cm.Make2D(M);
    cm.Make3D(M, 3, false);
    EXPECT_TRUE(M.Calls.empty());
    cm.SetDetails(nullptr, 3); // a null table with a count is no table
    EXPECT_EQ(cm.CountDetail, 0);
}

TEST(TControlModelBareTest, SetDetailsSortsWholeRowsByKindAndMarksThemAbsent) {
    int a = 0;
    auto* pd = reinterpret_cast<TDetail*>(&a);
    TControlModel::dcDetail rows[3] = {{2, "two", 12, 0.5, 2.0, pd, {7, 1, 2}},
                                       {0, "zero", 0, 0, 0, nullptr, {}},
                                       {1, "one", 1, 0, 0, nullptr, {}}};
    TControlModel cm("a", "b");
    cm.SetDetails(rows, 3);
    EXPECT_EQ(cm.CountDetail, 3);
    EXPECT_EQ(U(rows[0].Name) + U(rows[1].Name) + U(rows[2].Name), "zeroonetwo");
    EXPECT_EQ(rows[0].Number + rows[1].Number + rows[2].Number, 0);
    const auto& r = rows[2]; // every field travelled with the name
    EXPECT_EQ(std::make_tuple(r.Material, r.Shoroh, r.Scale2, r.PD, r.DC),
              std::make_tuple(12, 0.5, 2.0, pd, TBaseDetail{7, 1, 2}));
}

TEST_F(TControlModelTest, PresenceNumbersCodesAndOutOfRangeKinds) {
    CM.SetExistDet(3, 7);
    CM.SetExistDet(4, -2);
    EXPECT_TRUE(CM.ExistDet(3) && !CM.ExistDet(4)); // a negative number is not present
    // DetailByNumber(0): the first row carrying 0.
    EXPECT_EQ(std::make_tuple(CM.NumberDet(3), CM.DetailByNumber(7), CM.DetailByNumber(0), CM.MaterialDet(2)),
              std::make_tuple(7, 3, 0, 5));
    CM.SetCodeDet(2, TBaseDetail{40, 1, -1});
    CM.SetCodeDet(3, 41, 2, 3);
    CM.GetCodeDet(4).ID = 42;
    EXPECT_EQ(std::make_tuple(CM.GetCodeDet(2), Rows[3].DC, Rows[4].DC.ID),
              std::make_tuple(TBaseDetail{40, 1, -1}, TBaseDetail{41, 2, 3}, 42));

    for (TDcDetail k : {-1, 5, 1000}) {
        SCOPED_TRACE(k);
        CM.SetExistDet(k, 9);
        CM.SetCodeDet(k, 77, 0, 0);
        CM.GetCodeDet(k).ID = 77; // a scratch code, reset on the next call
        EXPECT_EQ(CM.GetCodeDet(k), (TBaseDetail{0, -1, -1}));
        EXPECT_TRUE(!CM.ExistDet(k) && CM.NumberDet(k) == 0 && CM.MaterialDet(k) == 0);
    }
    EXPECT_EQ(CM.DetailByNumber(9), -1);
    for (const auto& r : Rows)
        EXPECT_NE(r.DC.ID, 77);
}

TEST_F(TControlModelTest, FileNamesFollowPrefixNumberAndCopy) {
    CM.SetExistDet(3, 7);
    CM.SetExistDet(1, 120);
    EXPECT_EQ(U(CM.sfDetail3D(3, 2)), "M7-2.qpt");
    EXPECT_EQ(U(CM.sfDetail3D(0, 0)) + " " + U(CM.sfDetail2D(3, 0)) + " " + U(CM.sfDetail(1, 10)),
              "M0.qas M7.qdr M120-10");
    for (TDcDetail k : {-1, 5}) {
        SCOPED_TRACE(k);
        EXPECT_TRUE(CM.sfDetail(k, 0).Empty() && CM.sfDetail2D(k, 0).Empty() && CM.sfDetail3D(k, 1).Empty());
    }
}

TEST_F(TControlModelTest, NamesAndDesignations) {
    EXPECT_EQ(U(CM.NameDet(1, 0)), "Plate");
    EXPECT_EQ(U(CM.NameDet(1, 2)), "Plate 2");
    EXPECT_TRUE(CM.NameDet(-1, 0).Empty() && CM.NameDet(5, 0).Empty());

    CM.SetExistDet(2, 12);
    EXPECT_TRUE(CM.MarkingDet(2, 2).Empty()); // no marking, no standard element
    CM.NameMarking = TString("ABC.01");
    EXPECT_EQ(U(CM.MarkingDet(2, 0)), "ABC.01-12");
    CM.SetCodeDet(2, 40, 1, -1);
    EXPECT_EQ(U(CM.MarkingDet(2, 2)), "ABC.01-12-2"); // no element library loaded
    EXPECT_TRUE(CM.NoteDet(2).Empty());

    // A library without element 40 names it with nothing, between the brackets all the same.
    TActiveElementLibrary library;
    EXPECT_EQ(U(CM.MarkingDet(2, 2)), "ABC.01-12-2 (  ) ");
    EXPECT_EQ(U(CM.MarkingDet(1, 0)), "ABC.01-0"); // not a standard element
    CM.NameMarking.Clear();
    EXPECT_EQ(U(CM.MarkingDet(2, 2)), " (  ) ");
    EXPECT_TRUE(CM.NoteDet(2).Empty() && CM.NoteDet(7).Empty() && CM.MarkingDet(7, 0).Empty());
}

TEST_F(TControlModelTest, SetCurrentFillsTheRecordOfAPresentDetail) {
    CM.SetExistDet(3, 7);
    CM.NameMarking = TString("ABC.01");
    const std::string folder = ::testing::TempDir();
    CM.prFileName = TString((folder + "M").c_str());
    const tvapi::ITervanDocumentPtr part = Host().App().Documents().AddDocument(tvapi::tvDocumentPart);
    tvhost::HostAs<tvhost::THostDocument3D>(part)->TopPart().SetMass(1.25); // weighed while open
    ASSERT_TRUE(part->SaveAs(tvhost::FromUtf8(folder + "M7-2.qpt").c_str()));
    std::filesystem::remove(folder + "M0.qas");
    TDetailInfo& DI = M.R2->DI;
    DI.Note = TString("note");
    DI.Scale = 0.5;

    ASSERT_TRUE(CM.SetCurrent(M, 3, 2));
    EXPECT_EQ(std::make_tuple(DI.cDetail, DI.cSuffics, DI.Weight), std::make_tuple(3, 2, 1.25));
    EXPECT_EQ(U(DI.comment), "Plate2"); // the copy number follows without a blank
    EXPECT_EQ(U(DI.designation), "ABC.01-7-2");
    EXPECT_EQ(U(DI.fileName), folder + "M7-2");
    EXPECT_TRUE(DI.material == AMaterial[12].Name);
    // A0 landscape: corner (40, 840 - 30), moved by (65, -70).
    EXPECT_EQ(std::make_pair(DI.Left, DI.Top), std::make_pair(105.0, 740.0));
    EXPECT_EQ(U(DI.Note) + std::to_string(DI.Scale), "note0.500000"); // untouched

    ASSERT_TRUE(CM.SetCurrent(M, 0, 0)); // the product is always present; its file is missing
    EXPECT_EQ(U(DI.fileName) + " " + U(DI.comment), folder + "M0 Сборка");
    EXPECT_EQ(DI.Weight, 0.0);
}

TEST_F(TControlModelTest, SetCurrentRefusesAbsentAndUnknownDetailsWithoutTouchingTheRecord) {
    M.R2->DI.fileName = TString("keep");
    for (TDcDetail k : {1, 4, -1, 5})
        EXPECT_FALSE(CM.SetCurrent(M, k, 0)) << k;
    EXPECT_EQ(U(M.R2->DI.fileName), "keep");
    EXPECT_EQ(Host().Journal().Count("IDocuments::Open"), 0u); // no model file was weighed

    Rows[1].Material = 99; // outside the material table: no name
    CM.SetExistDet(1, 1);
    ASSERT_TRUE(CM.SetCurrent(M, 1, 0));
    EXPECT_TRUE(M.R2->DI.material.Empty());
}

TEST_F(TControlModelTest, MakeWalksPresentDetailsDownwardAndSurvivesAThrow) {
    TVisitDetail d0(0, &M, &Journal), d1(1, &M, &Journal), d2(2, &M, &Journal), d3(3, &M, &Journal);
    d3.Throw = true;
    std::tie(Rows[0].PD, Rows[1].PD, Rows[2].PD, Rows[3].PD) =
        std::make_tuple(&d0, &d1, &d2, &d3); // not row 4
    for (TDcDetail k : {0, 1, 3, 4})
        CM.SetExistDet(k, k + 10);
    M.SetOnlySizes2D(true);
    CM.Make2D(M);
    EXPECT_FALSE(M.IsOnlySizes2D());
    EXPECT_EQ(Journal, (Texts{"2D 3", "2D 1"})); // row 2 absent, row 0 never drawn

    Journal.clear();
    CM.SetExistDet(2, 12);
    d2.Throw = true;
    CM.Make3D(M, 100, false);
    CM.Make3D(M, 2, true);
    CM.Make3D(M, 0, false);
    CM.Make3D(M, -5, false);
    EXPECT_EQ(Journal, (Texts{"3D 3/10", "3D 2/10", "3D 1/10", "3D 2/10", "3D 1/10"}));
}

TEST_F(TControlModelTest, StreamLaysOutMarkingThenSignaturesAndRoundTrips) {
    CM.NameMarking = TString("AB");
    CM.SP.sChecked = TString("X");
    TKmfData s;
    CM.Write(s);
    Bytes expected = {2, 0, 0, 0, 'A', 'B', 0};
    expected = streamtest::Cat(expected, Bytes(10, 0)); // plant, designer: empty
    expected = streamtest::Cat(expected, Bytes{1, 0, 0, 0, 'X', 0});
    expected = streamtest::Cat(expected, Bytes(15, 0)); // three empty signatures
    EXPECT_EQ(streamtest::DataOf(s), expected);
    Bytes blob;
    CM.to(blob);
    EXPECT_EQ(blob, streamtest::Blob(97, expected));

    CM.NameMarking = TString("ДЧ.100");
    CM.SP.sPlant = TString("Завод");
    CM.to(blob);
    TControlModel other("x", "y");
    other.SP.sDesign = TString("stale");
    other.from(blob);
    EXPECT_EQ(U(other.NameMarking) + U(other.SP.sPlant) + U(other.SP.sChecked), "ДЧ.100ЗаводX");
    EXPECT_TRUE(other.SP.sDesign.Empty());
    EXPECT_TRUE(other.prFileName.Empty()); // not stored
}

TEST(TControlModelBareTest, OnlyStreamsFromVersion33CarryTheMarking) {
    TStampParam sp;
    sp.sDesign = TString("Петров");
    TKmfData signatures, v33;
    sp.toStream(signatures);
    v33 << TString("N");
    sp.toStream(v33);
    const Bytes data = streamtest::DataOf(signatures);

    // Version 32, and bytes without the stream magic (version 0): the marking stays.
    const std::pair<Bytes, const char*> cases[] = {{streamtest::Blob(32, data), "kept"},
                                                   {data, "kept"},
                                                   {streamtest::Blob(33, streamtest::DataOf(v33)), "N"}};
    for (const auto& [blob, marking] : cases) {
        SCOPED_TRACE(marking);
        TControlModel other("x", "y");
        other.NameMarking = TString("kept");
        other.from(blob);
        EXPECT_EQ(U(other.NameMarking), marking);
        EXPECT_EQ(U(other.SP.sDesign), "Петров");
    }
}

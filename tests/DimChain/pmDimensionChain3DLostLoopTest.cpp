// An assembly chain stored closed whose loop broke while the assembly was closed: the stack of a
// housing 100 +-0.1 holding bushing A 5 +-0.05, a shaft 88 +-0.08 and bushing B 5 +-0.05, its gap
// 2 closing them at +-0.28, stored; then bushing A moved 1 along the stack in the assembly's file.
// The opening tells it once and shows the chain open; it stores the chain open, so that after OK
// the next opening is quiet with the chain still open. A cancel gives back what was stored, and
// the next opening tells it again.

#include "Panel3DFixture.h"

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <tuple>

#include <nlohmann/json.hpp>

namespace lost_loop {

struct TLostCase {
    const char* Name;
    TChainLayout Layout;
    bool Ok; // the run after the opening ends with OK, else it is cancelled
};

void PrintTo(const TLostCase& c, std::ostream* os)
{
    *os << c.Name;
}

class TAssemblyLostLoopTest : public TpmDimensionChain3DTest, public testing::WithParamInterface<TLostCase> {
protected:
    void SetUp() override
    {
        TpmDimensionChain3DTest::SetUp();
        FDir = FreshFolder("lost-loop");
    }
    void TearDown() override
    {
        CloseDocument();
        TpmDimensionChain3DTest::TearDown();
        std::filesystem::remove_all(FDir);
    }
    // The parts, each saved as a file of its own (a box Length long along X, its dimension that
    // length), placed along the stack's axis from At.
    void Build()
    {
        const bool slanted = GetParam().Layout == SlantedAxis;
        const tvhost::TXyz X = slanted ? tvhost::TXyz{ChainSlant[0][2], ChainSlant[1][2], ChainSlant[2][2]}
                                       : tvhost::TXyz{1, 0, 0};
        const tvhost::TXyz Y = slanted ? tvhost::TXyz{ChainSlant[0][0], ChainSlant[1][0], ChainSlant[2][0]}
                                       : tvhost::TXyz{0, 1, 0};
        const tvapi::IPartsPtr parts = R().Part->GetParts();
        int k = 0;
        for (const auto& [at, length, hi, lo] : {std::tuple{0.0, 100.0, 0.1, -0.1},
                                                 {0.0, 5.0, 0.05, -0.05},
                                                 {5.0, 88.0, 0.08, -0.08},
                                                 {93.0, 5.0, 0.05, -0.05},
                                                 {98.0, 2.0, 0.0, 0.0}}) {
            const std::filesystem::path file = FDir / ("part" + std::to_string(k++) + ".qpt");
            const tvapi::ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvapi::tvDocumentPart);
            tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
            AddBox(part, length, 8, 8, 0, 0, length, hi, lo);
            ASSERT_TRUE(doc->SaveAs(file.wstring().c_str()));
            doc->Close(tvapi::kdDoNotSaveChanges);
            const tvapi::IPartPtr placed = parts->AddFromFile(file.wstring().c_str(), true, true);
            ASSERT_TRUE(placed);
            const tvapi::IPlacement3DPtr p = placed->GetPlacement();
            p->SetOrigin(X[0] * at, X[1] * at, X[2] * at);
            p->SetAxis(tvapi::o3d_axisOX, X[0], X[1], X[2]);
            p->SetAxis(tvapi::o3d_axisOY, Y[0], Y[1], Y[2]);
            placed->UpdatePlacement(true);
        }
    }
    // The assembly saved as File, closed and opened again, the panel opened over it.
    void SaveAndReopen(const char* File)
    {
        ASSERT_TRUE(R().IDoc->SaveAs((FDir / File).wstring().c_str()));
        R().IDoc->Close(tvapi::kdDoNotSaveChanges);
        Reopen(File);
    }
    void Reopen(const char* File)
    {
        R().IDoc = Host().App().Documents().OpenFile((FDir / File).wstring());
        ASSERT_TRUE(R().IDoc) << Host().App().Documents().OpenError();
        R().IDoc3D = R().IDoc;
        R().Part = R().IDoc3D->GetTopPart();
        drApi::Selector->Begin();
        Journal().Clear();
        Open();
    }
    // Bushing A (the second component) moved by 1 along the stack in the file.
    void MoveBushing(const char* File)
    {
        nlohmann::json root = nlohmann::json::parse(std::ifstream(FDir / File));
        nlohmann::json& origin = root["model"]["components"][1]["frame"][0];
        for (int i = 0; i < 3; ++i)
            origin[i] =
                origin[i].get<double>() + (GetParam().Layout == SlantedAxis ? ChainSlant[i][2] : i == 0);
        std::ofstream(FDir / File) << root.dump(1);
    }
    long Told(const char* Text)
    {
        const std::vector<std::string> said = Statuses();
        return std::count(said.begin(), said.end(), Text);
    }
    TDimensionChain& Last() { return ChainAt(Chains() - 1); }
    // Whether the document's stored set holds its last chain closed, its model-object list one
    // entry per link.
    bool StoredClosed()
    {
        TDimensionChains set;
        std::vector<Byte> bytes;
        std::vector<tvapi::ITervanAPIObjectPtr> objects;
        EXPECT_TRUE(drApi::MA.drGetUserData(R().IDoc, set.NameUserData, bytes, {}));
        EXPECT_TRUE(drApi::MA.drGetUserData(R().IDoc, set.NameUserDataMO, objects, {}));
        EXPECT_TRUE(set.from(bytes));
        std::size_t links = 0;
        for (const TDimensionChain& chain : set.DimChains)
            links += static_cast<std::size_t>(chain.Count());
        EXPECT_EQ(objects.size(), links);
        return set.DimChains.Count > 1 && set.DimChains[set.DimChains.Count - 1].Closed;
    }

    std::filesystem::path FDir;
};

TEST_P(TAssemblyLostLoopTest, IsToldOnceAndStoredOpen)
{
    Build();
    Open();
    ASSERT_EQ(Panel->AllDimension3D.Count(), 5);
    Panel->Select(tvapi::ITervanAPIObjectPtr(Panel->AllDimension3D.Dimensions[4].MO));
    Press(Panel->bAddDimChain);
    ASSERT_TRUE(Last().Closed);
    ASSERT_NEAR(Last().Dimensions[4].QHigh, 0.28, 1e-9);
    ASSERT_NEAR(Last().Dimensions[4].QLow, -0.28, 1e-9);
    Panel->ButtonClick(1);
    Panel.reset();
    ASSERT_TRUE(R().IDoc->SaveAs((FDir / "stack.qas").wstring().c_str()));
    R().IDoc->Close(tvapi::kdDoNotSaveChanges);
    MoveBushing("stack.qas");

    Reopen("stack.qas");
    EXPECT_EQ(Told("Изменился размер "), 1);
    EXPECT_FALSE(Last().Closed);
    EXPECT_FALSE(StoredClosed()) << "the opening stores it open";
    Panel->ButtonClick(GetParam().Ok ? 1 : 2);
    Panel.reset();
    EXPECT_EQ(StoredClosed(), !GetParam().Ok);

    SaveAndReopen("again.qas");
    EXPECT_EQ(Told("Изменился размер "), GetParam().Ok ? 0 : 1);
    EXPECT_FALSE(Last().Closed);
}

INSTANTIATE_TEST_SUITE_P(Stacks, TAssemblyLostLoopTest,
                         testing::Values(TLostCase{"AlongAxisOk", AlongAxis, true},
                                         TLostCase{"SlantedAxisOk", SlantedAxis, true},
                                         TLostCase{"AlongAxisCancelled", AlongAxis, false}),
                         [](const testing::TestParamInfo<TLostCase>& p) {
                             return std::string(p.param.Name);
                         });

} // namespace lost_loop

#pragma once
// The assembly chain panel opened over the stand-in host's assembly, as the panel tests drive it:
// a pool of plane links, parts built as boxes with a dimension between two faces and placed by
// a frame, and the sample assembly with a stored chain, reopened after its files changed.

#include "pmDimensionChain3D.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../Facade/FacadeFixture.h"
#include "../tvapi/FeatureTestUtil.h"
#include "FacadeChainHost.h"
#include "HostApplication.h"
#include "HostDocuments.h"
#include "HostKernel.h"
#include "HostMateFile.h"
#include "HostPart.h"
#include "HostProcess.h"
#include "HostPropertyManager.h"
#include "HostSketch.h"
#include "PanelProbe.h"
#include "drSelectorAPI.h"
#include "tvapi/Dimensions.h"
#include "tvapi/DrawingTexts.h"
#include "tvapi/ModelContainer.h"
#include "tvapi/Symbols3D.h"
#include "tvapi/Topology.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include <nlohmann/json.hpp>

class TpmDimensionChain3DTest : public TFacadeFixture {
protected:
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        R().IDoc = Host().App().Documents().AddDocument(tvapi::tvDocumentAssembly, L"");
        R().IDoc3D = R().IDoc;
        R().Part = R().IDoc3D->GetTopPart();
        drApi::Selector->Begin();
    }
    void TearDown() override
    {
        Panel.reset();
        Objects.clear();
        TFacadeFixture::TearDown();
    }
    void Open() { Panel = std::make_unique<TpmDimensionChain3D>(); }
    // A new empty folder Name-<pid> in the test's temporary folder.
    static std::filesystem::path FreshFolder(const std::string& Name)
    {
        const std::filesystem::path dir =
            std::filesystem::path(::testing::TempDir()) / (Name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        return dir;
    }
    // The panel and the active document closed, unsaved.
    void CloseDocument()
    {
        Panel.reset();
        if (R().IDoc) R().IDoc->Close(tvapi::kdDoNotSaveChanges);
        R().IDoc.Reset();
        R().IDoc3D.Reset();
        R().Part.Reset();
    }
    // A model object to stand for a gathered dimension.
    tvapi::IModelObjectPtr Object()
    {
        const tvapi::IModelContainerPtr container(R().Part);
        Objects.emplace_back(container->GetSketches()->Add());
        return Objects.back();
    }
    // A link between the planes z = Z1 and z = Z2 (numbered P1, P2).
    TDimension Link(int P1, int P2, double Z1, double Z2, double Hi = 0, double Lo = 0)
    {
        TDimension L = NewAssemblyLink(tvapi::o3d_lineDimension3D);
        L.IP1 = P1;
        L.IP2 = P2;
        L.V3 = TVector3D(0, 0, Z2 - Z1);
        OrientModelVector(L.V3);
        L.Nominal = L.V3.Len();
        L.QHigh = Hi;
        L.QLow = Lo;
        L.MO = Object();
        return L;
    }
    // The pool: A (0-1) 10, B (1-2) 20, C (0-3) 20, D (3-2) 10 and the closing 0-2 30 on z.
    void Pool()
    {
        TDimensionChain& pool = Panel->AllDimension3D;
        pool.Dimensions.Add(Link(0, 1, 0, 10, 0.1, -0.1));
        pool.Dimensions.Add(Link(1, 2, 10, 30, 0.05, 0));
        pool.Dimensions.Add(Link(0, 3, 0, 20, 0.2, 0));
        pool.Dimensions.Add(Link(3, 2, 20, 30, 0, -0.2));
        pool.Dimensions.Add(Link(0, 2, 0, 30));
        Panel->DimensionChains.DimChains[0] = pool;
    }
    void SelectClosing()
    {
        FacadeChainHost().ClearSelection();
        drApi::Selector->Select(tvapi::ITervanAPIObjectPtr(Panel->AllDimension3D.Dimensions[4].MO));
    }
    static tvhost::THostPropertyControl& Ctl(const tvapi::IPropertyControlPtr& c) { return HostControl(c); }
    tvhost::THostPropertyControl& Grid() { return Ctl(tvapi::IPropertyControlPtr(Panel->grListDimChain)); }
    tvhost::THostProcessParam& Param() { return HostParam(Panel->ProcessParam); }
    tvhost::THostPropertyControl* Control(const char* caption)
    {
        return Param().FindControl(tvhost::FromUtf8(caption));
    }
    std::vector<std::string> Statuses() { return StatusTexts(Journal()); }
    std::string Cell(int row, int column) { return U(Grid().Cell(row, column)); }
    void Press(const tvapi::IPropertyMultiButtonPtr& b)
    {
        Panel->ControlCommand(tvapi::IPropertyControlPtr(b), 1);
    }
    int Chains() { return Panel->DimensionChains.DimChains.Count; }
    // The user's choice in a list of the settings tab.
    void Choose(const char* Caption, const wchar_t* Text)
    {
        tvhost::THostPropertyControl& list = *Control(Caption);
        ASSERT_TRUE(list.UserSet(Text));
        Panel->ChangeControlValue(tvapi::IPropertyControlPtr(static_cast<tvapi::IPropertyList*>(&list)));
    }
    // The "Распознаная" spin set to Value by the user.
    void Detect(int Value)
    {
        Control("Распознаная")->SetValue(Value);
        Panel->ChangeControlValue(tvapi::IPropertyControlPtr(Panel->eDetectDimensionChain));
    }
    TDimensionChain& ChainAt(int i) { return Panel->DimensionChains.DimChains[i]; }
    std::vector<tvapi::IModelObjectPtr> Links(const TDimensionChain& C)
    {
        std::vector<tvapi::IModelObjectPtr> out;
        for (const TDimension& L : C.Dimensions)
            out.push_back(L.MO);
        return out;
    }
    std::vector<tvapi::IModelObjectPtr> PoolLinks(std::vector<int> at)
    {
        std::vector<tvapi::IModelObjectPtr> out;
        for (int i : at)
            out.push_back(Panel->AllDimension3D.Dimensions[i].MO);
        return out;
    }

    std::unique_ptr<TpmDimensionChain3D> Panel;
    std::vector<tvapi::IModelObjectPtr> Objects;
};

inline tvapi::IModelObjectPtr FaceAt(const tvhost::THostPart& part, int Axis, double At)
{
    for (const tvapi::IModelObjectPtr& face : tvhost::EntitiesOf(part, tvapi::o3d_face)) {
        double b[6] = {};
        tvapi::IFacePtr(face)->GetSurface()->GetGabarit(b[0], b[1], b[2], b[3], b[4], b[5]);
        if (std::fabs(b[Axis] - At) < 1e-7 && std::fabs(b[Axis + 3] - At) < 1e-7) return face;
    }
    return {};
}

// A box body given to Part, with a dimension between its faces at At1 and At2 along Axis.
inline void AddBox(tvhost::THostPart& Part, double dx, double dy, double dz, int Axis, double At1, double At2,
                   double Hi = 0, double Lo = 0)
{
    Part.AddBody(tvhost::MakeBox({0, 0, 0}, dx, dy, dz));
    const tvapi::IBaseLineDimension3DPtr d = tvapi::ISymbols3DContainerPtr(tvapi::IPartPtr(&Part))
                                                 ->GetLineDimensions3D()
                                                 ->Add(tvapi::o3d_lineDimension3D);
    d->SetObject1(FaceAt(Part, Axis, At1));
    d->SetObject2(FaceAt(Part, Axis, At2));
    tvapi::IModelObjectPtr(d)->Update();
    if (Hi != 0 || Lo != 0) tvapi::IDimensionTextPtr(d)->SetDeviations(Hi, Lo);
}

// A part with a box body and a dimension between its faces at At1 and At2 along Axis.
inline tvhost::THostPartPtr BoxPart(const wchar_t* Name, double dx, double dy, double dz, int Axis,
                                    double At1, double At2, double Hi = 0, double Lo = 0)
{
    tvhost::THostPartPtr part = tvhost::New<tvhost::THostPart>();
    part->SetNameDirect(Name);
    AddBox(*part, dx, dy, dz, Axis, At1, At2, Hi, Lo);
    return part;
}

inline tvhost::TFrame Frame(const tvhost::TXyz& O, const tvhost::TXyz& X = {1, 0, 0},
                            const tvhost::TXyz& Y = {0, 1, 0})
{
    return tvhost::TFrame::Of(O, X, Y);
}

// Where the parts of a chain stand: along an axis of the assembly, turned onto a slanted axis, or
// in a sub-assembly of their own turned and moved in the assembly.
enum TChainLayout { AlongAxis, SlantedAxis, TurnedSubAssembly };
inline const char* LayoutName(TChainLayout L)
{
    return L == AlongAxis ? "AlongAxis" : L == SlantedAxis ? "SlantedAxis" : "TurnedSubAssembly";
}
// A rotation taking Z onto (2, -1, 2) / 3, X onto (2, 2, -1) / 3.
inline constexpr double ChainSlant[3][3] = {
    {2 / 3., -1 / 3., 2 / 3.}, {2 / 3., 2 / 3., -1 / 3.}, {-1 / 3., 2 / 3., 2 / 3.}};
// The turned sub-assembly's place: its X along the assembly's Z, its Z along -X.
inline tvhost::TFrame SubAssemblyFrame()
{
    return tvhost::TFrame::Of({3, 2, 1}, {0, 0, 1}, {0, 1, 0});
}

class TpmDimensionChain3DGatherTest : public TpmDimensionChain3DTest {
public: // what a case's builder lays out
    tvhost::THostPart& Top() { return tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc)->TopPart(); }
    void Add(tvhost::THostPart& Parent, tvhost::THostPartPtr Part, const tvhost::TFrame& At)
    {
        Part->MoveTo(At);
        Parent.AddComponent(std::move(Part));
    }
};

// The sample assembly with a chain stored by the panel (the shaft's length closing the plate and
// the bushing), its file then changed as another program or a user would change it.
class TpmDimensionChain3DStoredTest : public TpmDimensionChain3DTest {
protected:
    // The sample assembly and its parts copied into a folder of the test's own.
    void CopySample()
    {
        FDir = FreshFolder("stored-chain");
        for (const char* name : {"chain.qas", "chain-plate.qpt", "chain-bushing.qpt", "chain-shaft.qpt"})
            std::filesystem::copy_file(std::filesystem::path(DC_SOURCE_DIR "/samples") / name, FDir / name);
    }
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        CopySample();
        LayOut();
        Reopen("chain.qas");
        Open();
        ASSERT_EQ(Panel->AllDimension3D.Count(), 4); // plate, bushing, shaft's depth and length
        Panel->Select(tvapi::ITervanAPIObjectPtr(Panel->AllDimension3D.Dimensions[3].MO));
        Press(Panel->bAddDimChain);
        ASSERT_EQ(Links(ChainAt(1)), PoolLinks({0, 1, 3}));
        // The shaft's length along the axis the layout gave it.
        const TVector3D& shaft = ChainAt(1).Dimensions[2].V3;
        const double axis[3] = {FLayout == SlantedAxis         ? ChainSlant[0][2]
                                : FLayout == TurnedSubAssembly ? -1
                                                               : 0,
                                FLayout == SlantedAxis ? ChainSlant[1][2] : 0,
                                FLayout == SlantedAxis ? ChainSlant[2][2] : FLayout == AlongAxis};
        ASSERT_NEAR(std::fabs(shaft.x * axis[0] + shaft.y * axis[1] + shaft.z * axis[2]), 30, 1e-9);
        Panel->ButtonClick(1);
        Panel.reset();
        ASSERT_TRUE(R().IDoc->SaveAs((FDir / "chain.qas").wstring().c_str()));
    }
    void TearDown() override
    {
        CloseDocument();
        TpmDimensionChain3DTest::TearDown();
        std::filesystem::remove_all(FDir);
    }
    static void Turn(nlohmann::json& V)
    {
        const double v[3] = {V[0].get<double>(), V[1].get<double>(), V[2].get<double>()};
        for (int i = 0; i < 3; ++i)
            V[i] = ChainSlant[i][0] * v[0] + ChainSlant[i][1] * v[1] + ChainSlant[i][2] * v[2];
    }
    void LayOut()
    {
        if (FLayout == AlongAxis) return;
        nlohmann::json root = nlohmann::json::parse(std::ifstream(FDir / "chain.qas"));
        nlohmann::json& components = root["model"]["components"];
        if (FLayout == SlantedAxis) {
            for (nlohmann::json& c : components)
                for (nlohmann::json& v : c["frame"])
                    Turn(v);
        } else {
            std::ofstream(FDir / "chain-sub.qas") << root.dump(1);
            components =
                nlohmann::json::array({{{"file", "chain-sub.qas"},
                                        {"external", true},
                                        {"frame", {{3, 2, 1}, {0, 0, 1}, {0, 1, 0}}}, // as SubAssemblyFrame
                                        {"id", 1}}});
        }
        std::ofstream(FDir / "chain.qas") << root.dump(1);
    }
    // A component's frame slid by D along the shaft, in the coordinates of the file holding it.
    void Slide(nlohmann::json& Frame, double D) const
    {
        for (int i = 0; i < 3; ++i)
            Frame[0][i] =
                Frame[0][i].get<double>() + D * (FLayout == SlantedAxis ? ChainSlant[i][2] : i == 2);
    }
    // The saved assembly with its parts changed by Change (in the sub-assembly's file when they
    // are in one), opened as the active document.
    void Reopen(const char* Name, const std::function<void(nlohmann::json&)>& Change = {})
    {
        if (Change) {
            const bool sub = FLayout == TurnedSubAssembly;
            nlohmann::json root =
                nlohmann::json::parse(std::ifstream(FDir / (sub ? "chain-sub.qas" : "chain.qas")));
            Change(root["model"]["components"]);
            std::ofstream(FDir / (sub ? "chain-sub.qas" : Name)) << root.dump(1);
            if (sub) Name = "chain.qas";
        }
        if (R().IDoc) R().IDoc->Close(tvapi::kdDoNotSaveChanges);
        R().IDoc = Host().App().Documents().OpenFile((FDir / Name).wstring());
        ASSERT_TRUE(R().IDoc) << Host().App().Documents().OpenError();
        R().IDoc3D = R().IDoc;
        R().Part = R().IDoc3D->GetTopPart();
        drApi::Selector->Begin();
    }
    // The stored set and its model-object list rewritten as Change leaves them.
    void RewriteStored(
        const std::function<void(TDimensionChains&, std::vector<tvapi::ITervanAPIObjectPtr>&)>& Change)
    {
        TDimensionChains set;
        tvapi::ITervanDocumentPtr doc = R().IDoc;
        std::vector<Byte> bytes;
        std::vector<tvapi::ITervanAPIObjectPtr> objects;
        ASSERT_TRUE(drApi::MA.drGetUserData(doc, set.NameUserData, bytes, {}));
        ASSERT_TRUE(drApi::MA.drGetUserData(doc, set.NameUserDataMO, objects, {}));
        ASSERT_TRUE(set.from(bytes));
        Change(set, objects);
        set.to(bytes);
        ASSERT_TRUE(drApi::MA.drSetUserData(doc, set.NameUserData, bytes, false, {}));
        ASSERT_TRUE(drApi::MA.drSetUserData(doc, set.NameUserDataMO, objects, false, {}));
    }
    // A click on the closing link's row (Row), then the check of the chain from it.
    void CheckFromTheClosingRow(int Row = 3)
    {
        Panel->SelectItem(tvapi::IPropertyControlPtr(Panel->grListDimChain), Row, true);
        Journal().Clear();
        Press(Panel->bAddDimChain2);
    }

    std::filesystem::path FDir;
    TChainLayout FLayout = AlongAxis; // set before SetUp
};

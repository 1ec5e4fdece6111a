// What a model file holds survives its reading: content the stand-in cannot keep as it stands
// (a model in a document of another type, a frame that spans no plane, a placement far past
// any part) refuses the file with its place, and what it keeps differently (a second name on
// an entity, a billet named beside its part) is kept or told. Every sample part and assembly
// opens, saves and opens again holding the same.

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "DamageFolder.h"
#include "HostMateFile.h"
#include "HostTopology.h"
#include "tvapi/SurfaceFeatures.h"

namespace {

using namespace damagetest;

// ---- content refused with its place, or kept and told ---------------------------------------

// A change made by `Damage` to the file `Open` of a folder holding brick.qpt (a box and a
// cylinder) and a.qas (brick.qpt once): refused with `Refusal`, or, for a null refusal, opened
// from another folder telling `Told` (null: nothing) and holding `Bodies` bodies.
struct TContentCase {
    const char* Name;
    const char* Open;
    std::function<void(json&)> Damage;
    const char* Refusal;
    const char* Told;
    std::size_t Bodies;
};
void PrintTo(const TContentCase& c, std::ostream* os)
{
    *os << c.Name;
}

void Frame(json& assembly, json frame)
{
    assembly["model"]["components"][0]["frame"] = std::move(frame);
}

const TContentCase ContentCases[] = {
    {"PartOfTypeSpecification", "brick.qpt", [](json& j) { j["type"] = 3; },
     "a document of type 3 has no model", nullptr, 0},
    {"PartOfTypeTextual", "brick.qpt", [](json& j) { j["type"] = 6; }, "a document of type 6 has no model",
     nullptr, 0},
    {"ComponentFrameOfZeroAxis", "a.qas",
     [](json& j) {
         Frame(j, {{0, 0, 0}, {0, 0, 0}, {0, 0, 1}});
     },
     "component brick.qpt: its frame's axes span no plane", nullptr, 0},
    {"ComponentFrameOfParallelAxes", "a.qas",
     [](json& j) {
         Frame(j, {{0, 0, 0}, {0, 0, 2}, {0, 0, 1}});
     },
     "component brick.qpt: its frame's axes span no plane", nullptr, 0},
    {"ComponentPlacedNearInfinity", "a.qas",
     [](json& j) {
         Frame(j, {{1e308, 0, 0}, {1, 0, 0}, {0, 1, 0}});
     },
     "component brick.qpt: its frame's origin lies farther than 1000000000000 mm", nullptr, 0},
    {"ComponentUprightKeepsItsFrame", "a.qas",
     [](json& j) {
         Frame(j, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}});
     },
     nullptr, nullptr, 0},
    {"TwoNamesOnOneFace", "brick.qpt",
     [](json& j) {
         j["model"]["names"] = {{{"kind", tvapi::o3d_face}, {"index", 0}, {"name", "first"}},
                                {{"kind", tvapi::o3d_face}, {"index", 0}, {"name", "second"}}};
     },
     nullptr, "1 second name of an entity", 2},
};

class ContentKeptOrRefusedTest : public TDamageFolder, public ::testing::WithParamInterface<TContentCase> {};

} // namespace

TEST_P(ContentKeptOrRefusedTest, RefusedWithItsPlaceOrKeptAndTold)
{
    const TContentCase& c = GetParam();
    fs::current_path(FDir);
    SaveGoodPart("brick.qpt");
    SaveAssembly("a.qas", {"brick.qpt"});
    json j = Read(c.Open);
    c.Damage(j);
    Save(c.Open, j);
    if (c.Refusal) {
        ExpectRefused(Path(c.Open), {c.Refusal});
        return;
    }
    fs::create_directory("elsewhere");
    fs::current_path("elsewhere");
    const TRun run = Tvhost({"export", "--dimensions", Path(c.Open)});
    EXPECT_EQ(run.Code, 0) << run.Out;
    const std::string told = c.Told ? "Left out of " + Path(c.Open) + ": " + c.Told : "Left out";
    EXPECT_EQ(run.Out.find(told) != std::string::npos, c.Told != nullptr) << run.Out;
    const tvapi::ITervanDocumentPtr doc = Host().App().Documents().OpenFile(Name(c.Open));
    ASSERT_TRUE(doc) << Host().App().Documents().OpenError();
    tvhost::THostPart& top = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
    if (c.Bodies) {
        EXPECT_EQ(top.Bodies().size(), c.Bodies);
        EXPECT_EQ(tvhost::EntityName(tvhost::EntitiesOf(top, tvapi::o3d_face).at(0).Get()), L"first");
    } else {
        // The component stands as its frame says: its 20 mm along Y now along Z.
        ASSERT_EQ(top.Components().size(), 1u);
        EXPECT_EQ(top.Components()[0]->Frame().Z, (tvhost::TXyz{0, -1, 0}));
    }
    ASSERT_TRUE(doc->SaveAs(Name("saved" + fs::path(c.Open).extension().string()).c_str()));
    doc->Close(tvapi::kdDoNotSaveChanges);
    if (c.Bodies) {
        EXPECT_EQ(Read("saved.qpt")["model"]["names"].size(), 1u) << "the kept name only";
    }
}

INSTANTIATE_TEST_SUITE_P(Contents, ContentKeptOrRefusedTest, ::testing::ValuesIn(ContentCases),
                         [](const ::testing::TestParamInfo<TContentCase>& p) { return p.param.Name; });

// A billet named relative to the folder its part was made in is read beside the part's file
// when the part builds it again, wherever the process stands.
TEST_F(TDamageFolder, BilletIsReadBesideItsPartFromAnyFolder)
{
    fs::current_path(FDir);
    SaveGoodPart("blank.qpt");
    const tvapi::ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvapi::tvDocumentPart);
    tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
    const tvapi::IBilletObsoletePtr billet = part.GetBilletsObsoletes()->Add(L"blank.qpt", false);
    ASSERT_TRUE(tvapi::IModelObjectPtr(billet)->Update());
    ASSERT_EQ(part.Bodies().size(), 2u);
    ASSERT_TRUE(doc->SaveAs(Name("with-billet.qpt").c_str()));
    doc->Close(tvapi::kdDoNotSaveChanges);
    // A file whose billet kept no bodies reads them from the billet's file again.
    json j = Read("with-billet.qpt");
    ASSERT_EQ(j["model"]["features"][0]["params"]["bodies"].size(), 2u);
    j["model"]["features"][0]["params"]["bodies"] = json::array();
    Save("with-billet.qpt", j);

    fs::create_directory("elsewhere");
    fs::current_path("elsewhere");
    const tvapi::ITervanDocumentPtr back = Host().App().Documents().OpenFile(Name("with-billet.qpt"));
    ASSERT_TRUE(back) << Host().App().Documents().OpenError();
    EXPECT_EQ(tvhost::HostAs<tvhost::THostDocument3D>(back)->TopPart().Bodies().size(), 2u);
    ASSERT_TRUE(back->SaveAs(Name("again.qpt").c_str()));
    back->Close(tvapi::kdDoNotSaveChanges);
    EXPECT_EQ(Read("again.qpt")["model"]["features"][0]["params"]["file"], "blank.qpt")
        << "the name as the user gave it";
}

// ---- every sample opens, saves and opens again holding the same ------------------------------

namespace {

// What a part holds, as one line per part: name, marking, bodies with their faces, edges and
// rounded volume, the names of its entities, features, sketches, 3D dimensions; then its
// components, each with its file, id and what it holds.
void Describe(tvhost::THostPart& part, const std::string& indent, std::vector<std::string>& out)
{
    std::string line = indent + tvhost::ToUtf8(part.Name()) + " [" + tvhost::ToUtf8(part.Marking()) +
                       "] faces " + std::to_string(tvhost::EntitiesOf(part, tvapi::o3d_face).size()) +
                       " edges " + std::to_string(tvhost::EntitiesOf(part, tvapi::o3d_edge).size());
    for (const tvhost::THostBodyPtr& body : part.Bodies())
        line += " body " + std::to_string(std::lround(tvhost::Volume(body->Shape())));
    for (const tvapi::tvObj3dTypeEnum kind : {tvapi::o3d_face, tvapi::o3d_edge, tvapi::o3d_vertex})
        for (const tvapi::IModelObjectPtr& e : tvhost::EntitiesOf(part, kind))
            if (const std::wstring name = tvhost::EntityName(e.Get()); !name.empty())
                line += " \"" + tvhost::ToUtf8(name) + "\"";
    line += " features " + std::to_string(part.Features().Features().size()) + " sketches " +
            std::to_string(part.Sketches().size()) + " dimensions " +
            std::to_string(part.Dimensions3D().size());
    out.push_back(line);
    for (const tvhost::THostPartPtr& c : part.Components()) {
        out.push_back(indent + "  component " + tvhost::ToUtf8(c->SourceFile()) + " #" +
                      std::to_string(c->ComponentId()));
        Describe(*c, indent + "    ", out);
    }
}

std::vector<std::string> Sample3DFiles()
{
    std::vector<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(DC_SOURCE_DIR "/samples"))
        if (e.path().extension() == ".qpt" || e.path().extension() == ".qas")
            names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SampleRoundTripTest : public TDamageFolder, public ::testing::WithParamInterface<std::string> {};

} // namespace

TEST_P(SampleRoundTripTest, OpensSavesAndOpensAgainHoldingTheSame)
{
    for (const std::string& name : Sample3DFiles())
        fs::copy_file(fs::path(DC_SOURCE_DIR "/samples") / name, FDir / name);
    const auto describe = [this](const std::string& file) {
        const tvapi::ITervanDocumentPtr doc = Host().App().Documents().OpenFile(Name(file));
        std::vector<std::string> lines;
        EXPECT_TRUE(doc) << file << ": " << Host().App().Documents().OpenError();
        if (!doc) return lines;
        EXPECT_EQ(Host().App().Documents().OpenNotices(), "") << file;
        Describe(tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart(), "", lines);
        lines.push_back("mates " + std::to_string(Read(file).value("mates", json::array()).size()));
        EXPECT_TRUE(doc->SaveAs(Name("saved-" + GetParam()).c_str()))
            << tvhost::HostAs<tvhost::THostDocument3D>(doc)->SaveError();
        doc->Close(tvapi::kdDoNotSaveChanges);
        return lines;
    };
    const std::vector<std::string> opened = describe(GetParam());
    ASSERT_FALSE(opened.empty());
    EXPECT_EQ(describe("saved-" + GetParam()), opened);
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleRoundTripTest, ::testing::ValuesIn(Sample3DFiles()),
                         [](const ::testing::TestParamInfo<std::string>& p) {
                             std::string name = p.param;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

// Components named relative to their assembly: read beside the assembly's file wherever the
// process stands, saved with the name they were given, and a missing one is refused with its name.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostKernel.h"
#include "HostPart.h"
#include "tvapi/Dimensions.h"
#include "tvapi/Dimensions3D.h"
#include "tvapi/Symbols3D.h"
#include "tvapi/UserData.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder named Prefix and the process id, holding the sample assembly and its parts.
fs::path SampleAssemblyCopy(const std::string& Prefix)
{
    const fs::path dir = fs::path(::testing::TempDir()) / (Prefix + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (const char* name : {"chain.qas", "chain-plate.qpt", "chain-bushing.qpt", "chain-shaft.qpt"})
        fs::copy_file(fs::path(DC_SOURCE_DIR "/samples") / name, dir / name);
    return dir;
}

} // namespace

TEST_F(HostFixture, ComponentsNamedRelativeToTheirAssemblyMoveWithIt)
{
    const fs::path dir = fs::path(::testing::TempDir()) / ("components-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "moved");
    tvhost::THostDocuments& documents = Host().App().Documents();
    const tvapi::ITervanDocumentPtr part = documents.AddDocument(tvapi::tvDocumentPart);
    tvhost::HostAs<tvhost::THostDocument3D>(part)->TopPart().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    ASSERT_TRUE(part->SaveAs((dir / "brick.qpt").wstring().c_str()));

    const fs::path before = fs::current_path();
    fs::current_path(dir);
    const tvapi::ITervanDocumentPtr unit = documents.AddDocument(tvapi::tvDocumentAssembly);
    const bool added =
        static_cast<bool>(tvhost::HostAs<tvhost::THostDocument3D>(unit)->TopPart().GetParts()->AddFromFile(
            L"brick.qpt", true, true));
    fs::current_path(before);
    ASSERT_TRUE(added);
    ASSERT_TRUE(unit->SaveAs((dir / "unit.qas").wstring().c_str()));

    // The pair moved to another folder opens there, from a process standing elsewhere.
    for (const char* name : {"brick.qpt", "unit.qas"})
        fs::rename(dir / name, dir / "moved" / name);
    const tvapi::ITervanDocumentPtr reopened = documents.OpenFile((dir / "moved" / "unit.qas").wstring());
    ASSERT_TRUE(reopened) << documents.OpenError();
    tvhost::THostPart& top = tvhost::HostAs<tvhost::THostDocument3D>(reopened)->TopPart();
    ASSERT_EQ(top.GetParts()->GetCount(), 1);
    ASSERT_TRUE(reopened->SaveAs((dir / "moved" / "again.qas").wstring().c_str()));
    EXPECT_TRUE(documents.OpenFile((dir / "moved" / "again.qas").wstring()));

    fs::remove(dir / "moved" / "brick.qpt");
    EXPECT_FALSE(documents.OpenFile((dir / "moved" / "unit.qas").wstring()));
    EXPECT_NE(documents.OpenError().find("brick.qpt"), std::string::npos) << documents.OpenError();
    fs::remove_all(dir);
}

// Model objects of an assembly's parts kept in its user data name the same objects when the
// file is opened again: a component's 3D dimension and the component itself come back as the
// reopened ones, in order; an object the file cannot name keeps its place as an empty entry.
TEST_F(HostFixture, StoredModelObjectsOfComponentsAreBoundOnReopen)
{
    const fs::path dir = SampleAssemblyCopy("model-refs-");
    tvhost::THostDocuments& documents = Host().App().Documents();
    const tvapi::ITervanDocumentPtr doc = documents.OpenFile((dir / "chain.qas").wstring());
    ASSERT_TRUE(doc) << documents.OpenError();
    tvhost::THostPart& top = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
    ASSERT_GE(top.Components().size(), 2u);
    ASSERT_FALSE(top.Components()[1]->Dimensions3D().empty());
    const tvapi::ITervanAPIObjectPtr dim(tvapi::IModelObjectPtr(top.Components()[1]->Dimensions3D()[0]));
    const tvapi::ITervanAPIObjectPtr part(tvapi::IModelObjectPtr(tvapi::IPartPtr(top.Components()[0])));
    const tvapi::ITervanAPIObjectPtr stranger(
        tvapi::IModelObjectPtr(tvhost::New<tvhost::THostModelObject>(tvapi::o3d_face)));
    const tvapi::IUserDataStoragePtr storage =
        doc->GetUserDataStoragesMng()->GetUserDataStorages({})->OpenStorage(L"Keep");
    storage->AddObjects(L"", {dim, stranger, part}, L"MO");
    const double nominal = tvapi::IDimensionTextPtr(dim)->GetNominalValue();
    ASSERT_TRUE(doc->SaveAs((dir / "again.qas").wstring().c_str()));
    ASSERT_TRUE(doc->Close(tvapi::kdDoNotSaveChanges));

    const tvapi::ITervanDocumentPtr reopened = documents.OpenFile((dir / "again.qas").wstring());
    ASSERT_TRUE(reopened) << documents.OpenError();
    tvhost::THostPart& again = tvhost::HostAs<tvhost::THostDocument3D>(reopened)->TopPart();
    tvapi::TervanAPIObjectList list;
    ASSERT_TRUE(
        reopened->GetUserDataStoragesMng()->GetUserDataStoragesOf(false)->FindStorage(L"Keep")->GetObjects(
            L"MO", list));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_TRUE(list[0] == tvapi::IModelObjectPtr(again.Components()[1]->Dimensions3D()[0]));
    EXPECT_FALSE(list[0] == dim);
    EXPECT_NEAR(tvapi::IDimensionTextPtr(list[0])->GetNominalValue(), nominal, 1e-9);
    EXPECT_FALSE(list[1]);
    EXPECT_TRUE(list[2] == tvapi::IPartPtr(again.Components()[0]));
    reopened->Close(tvapi::kdDoNotSaveChanges);
    fs::remove_all(dir);
}

// A reference names its part by component ids, which the assembly's file keeps with each
// component: reordered components are followed, a removed one leaves an empty entry in its
// place. A file written before components had ids names parts by their places, and still binds.
TEST_F(HostFixture, StoredModelObjectsFollowTheirComponentsThroughReorderRemovalAndOlderFiles)
{
    const fs::path dir = SampleAssemblyCopy("model-ids-");
    tvhost::THostDocuments& documents = Host().App().Documents();
    // Each component's first linear dimension (the shaft's is its extrusion's depth), and the
    // nominal that tells which part's it is.
    const auto stored = [&](const fs::path& file, std::vector<double>& nominals) {
        const tvapi::ITervanDocumentPtr doc = documents.OpenFile(file.wstring());
        ASSERT_TRUE(doc) << documents.OpenError();
        tvapi::TervanAPIObjectList list;
        ASSERT_TRUE(
            doc->GetUserDataStoragesMng()->GetUserDataStoragesOf(false)->FindStorage(L"Keep")->GetObjects(
                L"MO", list));
        nominals.clear();
        for (const tvapi::ITervanAPIObjectPtr& o : list)
            nominals.push_back(o ? tvapi::IDimensionTextPtr(o)->GetNominalValue() : -1.0);
        doc->Close(tvapi::kdDoNotSaveChanges);
    };
    {
        const tvapi::ITervanDocumentPtr doc = documents.OpenFile((dir / "chain.qas").wstring());
        ASSERT_TRUE(doc) << documents.OpenError();
        tvapi::TervanAPIObjectList dims;
        for (const tvhost::THostPartPtr& c :
             tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart().Components())
            dims.push_back(tvapi::ITervanAPIObjectPtr(tvapi::IModelObjectPtr(
                tvapi::ISymbols3DContainerPtr(tvapi::IPartPtr(c.Get()))->GetLineDimensions3D()->GetItem(0))));
        doc->GetUserDataStoragesMng()->GetUserDataStorages({})->OpenStorage(L"Keep")->AddObjects(L"", dims,
                                                                                                 L"MO");
        ASSERT_TRUE(doc->SaveAs((dir / "kept.qas").wstring().c_str()));
        doc->Close(tvapi::kdDoNotSaveChanges);
    }
    const auto edited = [&](const char* name, const std::function<void(nlohmann::json&)>& change) {
        nlohmann::json root = nlohmann::json::parse(std::ifstream(dir / "kept.qas"));
        change(root);
        std::ofstream(dir / name) << root.dump(1);
        return dir / name;
    };
    std::vector<double> nominals;
    stored(dir / "kept.qas", nominals);
    const std::vector<double> kept = {12.5, 17.5, 10.0};
    EXPECT_EQ(nominals, kept);
    stored(edited("reordered.qas",
                  [](nlohmann::json& root) {
                      auto& c = root["model"]["components"];
                      std::reverse(c.begin(), c.end());
                  }),
           nominals);
    EXPECT_EQ(nominals, kept);
    stored(edited("removed.qas", [](nlohmann::json& root) { root["model"]["components"].erase(1); }),
           nominals);
    EXPECT_EQ(nominals, (std::vector<double>{12.5, -1.0, 10.0}));
    // The older form: no ids with the components, parts named by their places.
    stored(edited("older.qas",
                  [](nlohmann::json& root) {
                      for (auto& c : root["model"]["components"])
                          c.erase("id");
                      for (auto& storage : root["userData"]["document"])
                          for (auto& item : storage["items"])
                              for (auto& ref : item.contains("models") ? item["models"] : item["key"]) {
                                  if (!ref.is_object()) continue;
                                  nlohmann::json places = nlohmann::json::array();
                                  for (const auto& id : ref["component"])
                                      places.push_back(id.get<int>() - 1);
                                  ref.erase("component");
                                  ref["part"] = places;
                              }
                  }),
           nominals);
    EXPECT_EQ(nominals, kept);
    fs::remove_all(dir);
}

// ---- component paths kept byte for byte --------------------------------------------------------

namespace {

// A brick saved as `Component` (bytes, relative to a fresh folder) and put into an assembly saved
// as `Assembly`: the save keeps the component's name byte for byte, or is refused with `Refusal`
// and writes nothing.
struct TComponentPath {
    const char* Name;
    const char* Component;
    const char* Assembly;
    const char* Refusal; // null: saved
};
void PrintTo(const TComponentPath& c, std::ostream* os)
{
    *os << c.Name;
}

const TComponentPath ComponentPaths[] = {
    {"NameWithAByteFF", "br\xFF.qpt", "unit.qas",
     "the component file br\\xFF.qpt is named by bytes that are not UTF-8"},
    {"NameInLatin1",
     "br\xE9"
     "ck.qpt",
     "unit.qas", "the component file br\\xE9ck.qpt is named by bytes that are not UTF-8"},
    {"FolderNotUtf8", "d\xC3/brick.qpt", "unit.qas",
     "the component file d\\xC3/brick.qpt is named by bytes that are not UTF-8"},
    {"AssemblyInTheSameFolderNotUtf8", "d\xC3/brick.qpt", "d\xC3/unit.qas", nullptr},
    {"NameInUtf8", "d/брусок é.qpt", "unit.qas", nullptr},
};

class ComponentPathTest : public HostFixture, public ::testing::WithParamInterface<TComponentPath> {};

} // namespace

TEST_P(ComponentPathTest, NameIsKeptByteForByteOrTheSaveIsRefused)
{
    const TComponentPath& c = GetParam();
    const fs::path dir = fs::path(::testing::TempDir()) / ("paths-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    const fs::path component = dir / c.Component, assembly = dir / c.Assembly;
    fs::create_directories(component.parent_path());
    tvhost::THostDocuments& documents = Host().App().Documents();
    const tvapi::ITervanDocumentPtr part = documents.AddDocument(tvapi::tvDocumentPart);
    tvhost::HostAs<tvhost::THostDocument3D>(part)->TopPart().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    ASSERT_TRUE(part->SaveAs(tvhost::FileNameFromBytes(component.string()).c_str()));
    part->Close(tvapi::kdDoNotSaveChanges);

    // Named as a user gives it, from the folder the process stands in.
    const tvapi::ITervanDocumentPtr unit = documents.AddDocument(tvapi::tvDocumentAssembly);
    auto* model = tvhost::HostAs<tvhost::THostDocument3D>(unit);
    const fs::path start = fs::current_path();
    fs::current_path(dir);
    const bool added = static_cast<bool>(
        model->TopPart().GetParts()->AddFromFile(tvhost::FileNameFromBytes(c.Component).c_str(), true, true));
    fs::current_path(start);
    ASSERT_TRUE(added);
    const bool saved = unit->SaveAs(tvhost::FileNameFromBytes(assembly.string()).c_str());
    const std::string refusal = model->SaveError();
    unit->Close(tvapi::kdDoNotSaveChanges);
    if (c.Refusal) {
        EXPECT_FALSE(saved);
        EXPECT_NE(refusal.find(c.Refusal), std::string::npos) << refusal;
        EXPECT_FALSE(fs::exists(assembly));
    } else {
        ASSERT_TRUE(saved) << refusal;
        const tvapi::ITervanDocumentPtr back =
            documents.OpenFile(tvhost::FileNameFromBytes(assembly.string()), false);
        ASSERT_TRUE(back) << documents.OpenError();
        const tvhost::THostPart& top = tvhost::HostAs<tvhost::THostDocument3D>(back)->TopPart();
        ASSERT_EQ(top.Components().size(), 1u);
        EXPECT_EQ(
            tvhost::FileNameBytes(top.Components()[0]->ReadFrom()),
            tvhost::FileNameBytes(tvhost::AbsoluteFileName(tvhost::FileNameFromBytes(component.string()))));
        back->Close(tvapi::kdDoNotSaveChanges);
    }
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Paths, ComponentPathTest, ::testing::ValuesIn(ComponentPaths),
                         [](const ::testing::TestParamInfo<TComponentPath>& p) { return p.param.Name; });

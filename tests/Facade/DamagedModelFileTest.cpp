// Damaged part and assembly files played as a user meets them: through the tvhost command
// (export) and through the facade (drOpen3D, GetMassFile). Each damaged file is made in the
// test from a good saved one; each ends with a message that names what is wrong and an exit
// status, within seconds, and leaves the file as it was. One parameterised test per class of
// damage: B-rep text the kernel must not be given, files that include themselves, and records
// the host can no longer take, which the open tells once and the next save does not lose more of.

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "DamageFolder.h"
#include "FacadeFixture.h"
#include "HostDocumentFile.h"
#include "HostKernel.h"
#include "TvhostRun.h"

namespace {

using namespace damagetest;

// ---- B-rep text -----------------------------------------------------------------------------

// A damage of a body's B-rep text: the change, made to body `body` of the good part, and what
// the refusal names.
struct TBRepDamage {
    const char* Name;
    int Body;
    std::function<bool(std::string&)> Damage;
    const char* Why;
};
void PrintTo(const TBRepDamage& c, std::ostream* os)
{
    *os << c.Name;
}

class DamagedBRepTextTest : public TDamageFolder, public ::testing::WithParamInterface<TBRepDamage> {};

TEST_P(DamagedBRepTextTest, RefusedWithAMessageAndTheFileUntouched)
{
    SaveGoodPart("good.qpt");
    json part = Read("good.qpt");
    std::string brep = part["model"]["bodies"][GetParam().Body]["brep"].get<std::string>();
    ASSERT_TRUE(GetParam().Damage(brep)) << "the damage finds what it changes";
    part["model"]["bodies"][GetParam().Body]["brep"] = brep;
    Save("damaged.qpt", part);
    ExpectRefused(Path("damaged.qpt"),
                  {"body " + std::to_string(GetParam().Body + 1) + ": ", GetParam().Why});
}

std::string NestedCurve(int depth)
{
    std::string curve = "1 0 0 1 0";
    for (int i = 0; i < depth; ++i)
        curve = "8 0 1 " + curve;
    return curve;
}

const TBRepDamage BRepDamages[] = {
    // A byte changed in an edge's curve on a surface: the kernel's reader read for ever.
    {"OneByteInAnEdgeSpins", 0,
     [](std::string& t) { return ReplaceFirst(t, "\n2  (\\d+) (\\d+) ", "\n2  $1`$2 "); },
     "is not a whole number"},
    {"HugeCurveCount", 0, [](std::string& t) { return ReplaceFirst(t, "Curves \\d+", "Curves 999999999"); },
     "curve count 999999999 claims more than the"},
    {"HugeCount2DCurves", 0,
     [](std::string& t) { return ReplaceFirst(t, "Curve2ds \\d+", "Curve2ds 2147483647"); },
     "2D curve count 2147483647 claims more than the"},
    {"CountBeyondAWholeNumber", 0,
     [](std::string& t) { return ReplaceFirst(t, "Surfaces \\d+", "Surfaces 99999999999"); },
     "is not a whole number"},
    {"HugeShapeCount", 0,
     [](std::string& t) { return ReplaceFirst(t, "TShapes \\d+", "TShapes 2000000000"); },
     "shape count 2000000000 claims more than the"},
    {"HugeBezierDegree", 0,
     [](std::string& t) { return ReplaceFirst(t, "Curves (\\d+)\n1 ", "Curves $1\n6 0 2000000000 "); },
     "degree 2000000000 is outside"},
    {"FaceSurfaceOutOfRange", 0,
     [](std::string& t) { return ReplaceFirst(t, "Fa\n0  1e-07 \\d+ 0", "Fa\n0  1e-07 77 0"); },
     "surface 77 is outside"},
    {"VertexAtNaN", 0,
     [](std::string& t) { return ReplaceFirst(t, "Ve\n1e-07\n[^\n]*", "Ve\n1e-07\nnan 0 5"); },
     "\"nan\" is not a finite number"},
    {"VertexAtInfinity", 0,
     [](std::string& t) { return ReplaceFirst(t, "Ve\n1e-07\n[^\n]*", "Ve\n1e-07\n1e999 0 5"); },
     "\"1e999\" is not a finite number"},
    {"CoordinateNotANumber", 0,
     [](std::string& t) { return ReplaceFirst(t, "Ve\n1e-07\n[^\n]*", "Ve\n1e-07\n0 x 5"); },
     "\"x\" is not a number"},
    {"Truncated", 0, [](std::string& t) { return !(t = t.substr(0, t.size() / 2)).empty(); },
     "its B-rep text, line "},
    {"SubShapeNamedBeforeItIsRead", 0,
     [](std::string& t) { return ReplaceFirst(t, "\n(-\\d+ 0 )\\+\\d+ 0 \\*", "\n$1+99 0 *"); },
     "names no shape read before it"},
    {"LocationOutOfRange", 0, [](std::string& t) { return ReplaceFirst(t, "\\+(\\d+) 0 \\*", "+$1 7 *"); },
     "location 7 is outside"},
    {"UnknownCurveKind", 0,
     [](std::string& t) { return ReplaceFirst(t, "Curves (\\d+)\n1 ", "Curves $1\n42 "); },
     "curve kind 42 is outside"},
    {"CurvesNestedDeep", 0,
     [](std::string& t) {
         return ReplaceFirst(t, "Curve2ds (\\d+)\n1 0 0 1 0", "Curve2ds $1\n" + NestedCurve(40));
     },
     "curves nested deeper"},
    {"WordLongerThanTheReadersBuffer", 0,
     [](std::string& t) { return ReplaceFirst(t, "Curve2ds", std::string(300, 'C')); },
     "a word of 300 characters"},
    {"ShellHoldsAVertex", 0,
     [](std::string& t) {
         return ReplaceFirst(t, "Sh\n\n(\\d+)\n", "Sh\n\n$1\n+" + std::string("34") + " 0 ");
     },
     "a shape Sh holds a shape Ve"},
    {"NoVersionLine", 0,
     [](std::string& t) { return ReplaceFirst(t, "CASCADE Topology V3", "CASCADE Topology V9"); },
     "no version line"},
    {"ClosedEdgeContinuityDamaged", 1,
     [](std::string& t) { return ReplaceFirst(t, "(\n3  \\d+ \\d+)CN", "$1QQ"); }, "\"QQ\" is no continuity"},
    // Curves the kernel cannot make: the edge keeps only its curves on faces.
    {"LineOfNoDirection", 0,
     [](std::string& t) { return ReplaceFirst(t, "Curves (\\d+)\n1 [^\n]*", "Curves $1\n1 0 0 0 0 0 0"); },
     "an edge has no curve"},
    {"BSplineOfInconsistentMultiplicities", 0,
     [](std::string& t) {
         return ReplaceFirst(t, "Curves (\\d+)\n1 [^\n]*", "Curves $1\n7 0 0 1 2 2 0 0 0 10 0 0 0 1 10 1");
     },
     "an edge has no curve"},
    {"EllipseOfMinorAboveMajor", 0,
     [](std::string& t) {
         return ReplaceFirst(t, "Curves (\\d+)\n1 [^\n]*", "Curves $1\n5 0 0 0 0 0 1 1 0 0 0 1 0 2 5");
     },
     "a solid is not valid"}, // this kernel reads such an ellipse, off its edge's vertices
    // Well-formed text of a solid that lost a face: the kernel reads it, the check refuses it.
    {"SolidWithAnOpenShell", 0,
     [](std::string& t) { return ReplaceFirst(t, "(Sh\n\n\\d+\n)[-+]\\d+ 0 ", "$1"); },
     "a solid is not valid"},
};

INSTANTIATE_TEST_SUITE_P(Damages, DamagedBRepTextTest, ::testing::ValuesIn(BRepDamages),
                         [](const ::testing::TestParamInfo<TBRepDamage>& param) { return param.param.Name; });

// ---- files that include themselves ----------------------------------------------------------

// A model file that includes itself, made from good files of the folder by `make`, opened as
// `open`.
struct TCycle {
    const char* Name;
    const char* Open;
    std::function<void(TDamageFolder&)> Make;
    const char* Why;
};
void PrintTo(const TCycle& c, std::ostream* os)
{
    *os << c.Name;
}

class SelfIncludingFileTest : public TDamageFolder, public ::testing::WithParamInterface<TCycle> {
public:
    using TDamageFolder::Path;
    using TDamageFolder::Read;
    using TDamageFolder::Save;
    using TDamageFolder::SaveAssembly;
    using TDamageFolder::SaveGoodPart;
};

void RenameComponent(json& assembly, const std::string& from, const std::string& to)
{
    for (json& c : assembly["model"]["components"])
        if (c["file"] == from) c["file"] = to;
}

const TCycle Cycles[] = {
    {"AssemblyHoldsItself", "a.qas",
     [](TDamageFolder& f) {
         auto& t = static_cast<SelfIncludingFileTest&>(f);
         t.SaveGoodPart("brick.qpt");
         t.SaveAssembly("a.qas", {"brick.qpt"});
         json a = t.Read("a.qas");
         RenameComponent(a, "brick.qpt", "a.qas");
         t.Save("a.qas", a);
     },
     "it includes itself (a.qas -> a.qas)"},
    {"TwoAssembliesHoldEachOther", "a.qas",
     [](TDamageFolder& f) {
         auto& t = static_cast<SelfIncludingFileTest&>(f);
         t.SaveGoodPart("brick.qpt");
         t.SaveAssembly("b.qas", {"brick.qpt"});
         t.SaveAssembly("a.qas", {"b.qas"});
         json b = t.Read("b.qas");
         RenameComponent(b, "brick.qpt", "a.qas");
         t.Save("b.qas", b);
     },
     "it includes itself (a.qas -> b.qas -> a.qas)"},
    {"ChainDeeperThanTheLimit", "c0.qas",
     [](TDamageFolder& f) {
         auto& t = static_cast<SelfIncludingFileTest&>(f);
         t.SaveGoodPart("c9.qpt");
         t.SaveAssembly("c8.qas", {"c9.qpt"});
         json a = t.Read("c8.qas");
         for (int i = 7; i >= 0; --i) {
             RenameComponent(a, a["model"]["components"][0]["file"], "c" + std::to_string(i + 1) + ".qas");
             t.Save("c" + std::to_string(i) + ".qas", a);
         }
     },
     "model files nest deeper than 8"},
};

TEST_P(SelfIncludingFileTest, RefusedWithTheChainAndTheFileUntouched)
{
    fs::current_path(FDir); // names as a user gives them
    GetParam().Make(*this);
    ExpectRefused(GetParam().Open, {GetParam().Why});
}

INSTANTIATE_TEST_SUITE_P(Cycles, SelfIncludingFileTest, ::testing::ValuesIn(Cycles),
                         [](const ::testing::TestParamInfo<TCycle>& param) { return param.param.Name; });

} // namespace

// ---- saves: every file saved opens again, or the save is refused -----------------------------

namespace {

const std::string TestPlugin = DC_BINARY_DIR "/libtvhost_testplugin.so";

// A kind of target a save or export is aimed at, in a folder holding d/brick.qpt and
// d/stand.qas (brick.qpt its component) with the process standing in the folder. `Save`
// saves and gives the file it wrote, or "" when the save was refused, with `refusal` what the
// user was told; the test then opens what was written, and finds the files it refused to
// write over untouched.
struct TSaveTarget {
    const char* Name;
    std::function<std::string(TDamageFolder&, std::string& refusal)> Save;
    const char* Refusal; // what a refusal says; null when the save is made
};
void PrintTo(const TSaveTarget& c, std::ostream* os)
{
    *os << c.Name;
}

class SaveThenReopenTest : public TDamageFolder, public ::testing::WithParamInterface<TSaveTarget> {
public:
    using TDamageFolder::Name;
    using TDamageFolder::Path;
    using TDamageFolder::Read;
    using TDamageFolder::Save;
    using TDamageFolder::SaveAssembly;
    using TDamageFolder::SaveGoodPart;
    tvhost::THost& TheHost() { return Host(); }
};

std::string SavedOrRefused(const TRun& run, const std::string& file, std::string& refusal)
{
    if (run.Code == 0) return file;
    refusal = run.Out;
    return {};
}

// d/brick.qpt inserted into d/stand.qas opened in the test's host, and the assembly saved: its
// name, or "" with `refusal` saying why.
std::string InsertBrickAndSave(SaveThenReopenTest& t, std::string& refusal)
{
    const tvapi::ITervanDocumentPtr doc =
        t.TheHost().App().Documents().Open(tvhost::FromUtf8("d/stand.qas").c_str(), true, false);
    if (!doc) return std::string();
    tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart().GetParts()->AddFromFile(L"d/brick.qpt", false,
                                                                                    true);
    const bool saved = doc->Save();
    refusal = tvhost::HostAs<tvhost::THostDocument3D>(doc)->SaveError();
    doc->Close(tvapi::kdDoNotSaveChanges);
    return saved ? std::string("d/stand.qas") : std::string();
}

// A part with an extrusion of a 10 x 10 square whose depth is not a number (or `depth`), made
// through the facade.
void NaNExtrusion(const tvapi::ITervanDocumentPtr& doc, double depth = std::nan(""))
{
    drApi::MA.R3->IDoc = doc;
    drApi::MA.R3->IDoc3D = doc;
    drApi::MA.R3->Part = drApi::MA.R3->IDoc3D->GetTopPart();
    drApi::MA.drCreateEskis(0.0, "");
    drApi::MA.drLine(0, 0, 10, 0, tvapi::tvCSNormal);
    drApi::MA.drLine(10, 0, 10, 10, tvapi::tvCSNormal);
    drApi::MA.drLine(10, 10, 0, 10, tvapi::tvCSNormal);
    drApi::MA.drLine(0, 10, 0, 0, tvapi::tvCSNormal);
    drApi::MA.drExtrusion(tvapi::dtNormal, tvapi::etBlind, depth, 0, true, tvapi::tvOperationNewBody);
}

const TSaveTarget SaveTargets[] = {
    {"AssemblySavedIntoAnotherFolder",
     [](TDamageFolder&, std::string& refusal) {
         fs::create_directories("sub");
         return SavedOrRefused(
             Tvhost({"run", "--plugin", TestPlugin, "--open", "d/stand.qas", "--save", "sub/x.qas"}),
             "sub/x.qas", refusal);
     },
     nullptr},
    {"PartInsertedFromAnotherFolder",
     [](TDamageFolder& f, std::string& refusal) {
         return InsertBrickAndSave(static_cast<SaveThenReopenTest&>(f), refusal);
     },
     nullptr},
    {"AssemblySavedOverItsComponent",
     [](TDamageFolder&, std::string& refusal) {
         return SavedOrRefused(
             Tvhost({"run", "--plugin", TestPlugin, "--open", "d/stand.qas", "--save", "d/brick.qpt"}),
             "d/brick.qpt", refusal);
     },
     "tvhost: cannot save d/brick.qpt: will not write over brick.qpt, a component of the assembly"},
    {"AssemblySavedOverItsComponentThroughALink",
     [](TDamageFolder&, std::string& refusal) {
         fs::create_symlink("d/brick.qpt", "link.qpt");
         return SavedOrRefused(
             Tvhost({"run", "--plugin", TestPlugin, "--open", "d/stand.qas", "--save", "link.qpt"}),
             "link.qpt", refusal);
     },
     "will not write over brick.qpt, a component of the assembly"},
    {"PictureExportedOverAComponent",
     [](TDamageFolder&, std::string& refusal) {
         return SavedOrRefused(Tvhost({"export", "--svg", "d/stand.qas", "d/brick.qpt"}), "d/brick.qpt",
                               refusal);
     },
     "tvhost: will not export d/stand.qas onto d/brick.qpt, its component brick.qpt"},
    {"StepExportedOverAComponent",
     [](TDamageFolder&, std::string& refusal) {
         return SavedOrRefused(Tvhost({"export", "--step", "d/stand.qas", "./d/brick.qpt"}), "d/brick.qpt",
                               refusal);
     },
     "tvhost: will not export d/stand.qas onto ./d/brick.qpt, its component brick.qpt"},
    {"ComponentAddedBesideTheHighestId",
     [](TDamageFolder& f, std::string& refusal) {
         auto& t = static_cast<SaveThenReopenTest&>(f);
         json stand = t.Read("d/stand.qas");
         stand["model"]["components"][0]["id"] = 2147483647;
         t.Save("d/stand.qas", stand);
         const std::string saved = InsertBrickAndSave(t, refusal);
         const json ids = {t.Read("d/stand.qas")["model"]["components"][0]["id"],
                           t.Read("d/stand.qas")["model"]["components"][1]["id"]};
         EXPECT_EQ(ids, json({2147483647, 1}));
         return saved;
     },
     nullptr},
    {"PartWithNaNSizes",
     [](TDamageFolder& f, std::string& refusal) {
         auto& t = static_cast<SaveThenReopenTest&>(f);
         const tvapi::ITervanDocumentPtr doc =
             t.TheHost().App().Documents().AddDocument(tvapi::tvDocumentPart);
         NaNExtrusion(doc);
         const bool saved = doc->SaveAs(L"nan.qpt");
         refusal = tvhost::HostAs<tvhost::THostDocument3D>(doc)->SaveError();
         drApi::MA.Done();
         doc->Close(tvapi::kdDoNotSaveChanges);
         return saved ? std::string("nan.qpt") : std::string();
     },
     nullptr},
    {"VariableOfNaNValue",
     [](TDamageFolder& f, std::string& refusal) {
         auto& t = static_cast<SaveThenReopenTest&>(f);
         const tvapi::ITervanDocumentPtr doc =
             t.TheHost().App().Documents().AddDocument(tvapi::tvDocumentPart);
         tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart().AddVariable(L"v", std::nan(""), L"");
         const bool saved = doc->SaveAs(L"d/brick.qpt");
         refusal = tvhost::HostAs<tvhost::THostDocument3D>(doc)->SaveError();
         doc->Close(tvapi::kdDoNotSaveChanges);
         return saved ? std::string("d/brick.qpt") : std::string();
     },
     "cannot write the document: model.variables[0].value is not a finite number"},
};

TEST_P(SaveThenReopenTest, SavedFilesOpenAndRefusedSavesLeaveTheFilesAsTheyWere)
{
    fs::current_path(FDir);
    fs::create_directories("d");
    SaveGoodPart("d/brick.qpt");
    SaveAssembly("d/stand.qas", {"d/brick.qpt"});
    ASSERT_EQ(Read("d/stand.qas")["model"]["components"][0]["file"], "brick.qpt") << "named from its folder";
    const std::string brick = FileBytes("d/brick.qpt"), stand = FileBytes("d/stand.qas");
    std::string refusal;
    const std::string saved = GetParam().Save(*this, refusal);
    if (GetParam().Refusal) {
        EXPECT_EQ(saved, "");
        EXPECT_NE(refusal.find(GetParam().Refusal), std::string::npos) << refusal;
        EXPECT_EQ(FileBytes("d/brick.qpt"), brick);
        EXPECT_EQ(FileBytes("d/stand.qas"), stand);
    } else {
        ASSERT_NE(saved, "") << refusal;
        EXPECT_EQ(FileBytes(saved).find("null"), std::string::npos) << "no value a reader refuses";
        const TRun run = Tvhost({"export", "--step", saved, Path("out.step")});
        // A part left without a shape is refused as its picture is; nothing else stops the export.
        EXPECT_TRUE(run.Code == 0 || run.Out.find("the part has no shape") != std::string::npos) << run.Out;
        std::string error;
        EXPECT_TRUE(tvhost::ReadPartFile(tvhost::FromUtf8(saved), error)) << error;
    }
    // The assembly opens as it did.
    const TRun stillOpens = Tvhost({"export", "--step", "d/stand.qas", Path("stand.step")});
    EXPECT_EQ(stillOpens.Code, 0) << stillOpens.Out;
}

INSTANTIATE_TEST_SUITE_P(Targets, SaveThenReopenTest, ::testing::ValuesIn(SaveTargets),
                         [](const ::testing::TestParamInfo<TSaveTarget>& param) { return param.param.Name; });

// A part built with a size that is not a number keeps its feature, failed and saying why, in
// a file that opens; the feature goes on failing until its sizes change.
TEST_F(TDamageFolder, FeatureOfNaNSizeFailsIsKeptAndComesBackFailed)
{
    const tvapi::ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvapi::tvDocumentPart);
    NaNExtrusion(doc);
    tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
    const std::vector<tvapi::IModelObjectPtr> features = part.Features().Features();
    ASSERT_EQ(features.size(), 1u);
    EXPECT_TRUE(drApi::MA.ErrorEntity(features[0]));
    EXPECT_EQ(part.Features().ErrorOf(features[0].Get()), "a size is not a finite number");
    ASSERT_TRUE(doc->SaveAs(Name("nan.qpt").c_str()));
    drApi::MA.Done();
    doc->Close(tvapi::kdDoNotSaveChanges);

    const tvapi::ITervanDocumentPtr back = Host().App().Documents().OpenFile(Name("nan.qpt"));
    ASSERT_TRUE(back) << Host().App().Documents().OpenError();
    tvhost::THostPart& read = tvhost::HostAs<tvhost::THostDocument3D>(back)->TopPart();
    const tvapi::IModelObjectPtr feature = read.Features().Features().at(0);
    EXPECT_EQ(read.Features().ErrorOf(feature.Get()), "a size is not a finite number");
    EXPECT_EQ(tvapi::IFeaturePtr(feature)->GetValid(), 0);
    EXPECT_TRUE(read.Bodies().empty());
    // A real depth builds it.
    tvapi::IExtrusionPtr(feature)->SetSideParameters(true, tvapi::etBlind, 5, 0, false, {});
    EXPECT_TRUE(feature->Update());
    EXPECT_EQ(read.Bodies().size(), 1u);
}

} // namespace

// ---- what an open cannot keep is told once ----------------------------------------------------

namespace {

// `Record` added to the list `List` (a JSON pointer) of `Damaged`, one of the test's files; `Open`
// opened says `Told` was left out (null: nothing), and each file saved from it keeps `Kept`.
struct TLeftOutCase {
    const char* Name;
    const char* Open;
    const char* Damaged;
    const char* List;
    json Record;
    const char* Told;
    std::size_t Kept;
};
void PrintTo(const TLeftOutCase& c, std::ostream* os)
{
    *os << c.Name;
}

json DimensionRecord(int kind, json more)
{
    more.update(json::parse(R"({"name": "d", "autoNominal": true, "tolerance": "", "toleranceOn": false,
                                "placement": 0, "hidden": false, "texts": {}})"));
    more["kind"] = kind;
    return more;
}
const json NameOfFace999 = {{"kind", tvapi::o3d_face}, {"index", 999}, {"name", "gone"}};
const json Face999 = {{"part", -1}, {"kind", tvapi::o3d_face}, {"index", 999}};
// The first face of part `part` (-1 the top part, components from 0).
json PartFace(std::int64_t part)
{
    return {{"part", part}, {"kind", tvapi::o3d_face}, {"index", 0}};
}
const json MateOfKind99 = json::parse(R"({"type": 99, "objects": [null, null], "fixed": 0, "direction": 0,
                                          "value": 0})");
json MateOfKind(int kind, json objects)
{
    json mate = MateOfKind99;
    mate["type"] = kind;
    mate["objects"] = std::move(objects);
    return mate;
}

const TLeftOutCase LeftOutCases[] = {
    {"NameOnAMissingEntity", "brick.qpt", "brick.qpt", "/model/names", NameOfFace999,
     "1 name on an entity that no longer exists", 0},
    {"NameInAComponentOnAMissingEntity", "a.qas", "brick.qpt", "/model/names", NameOfFace999,
     "1 name on an entity that no longer exists (in brick.qpt)", 0},
    {"MateOfUnknownKind", "a.qas", "a.qas", "/mates", MateOfKind99, "1 mate of unknown kind 99", 0},
    {"MateOnAMissingEntity", "a.qas", "a.qas", "/mates",
     MateOfKind(tvapi::mc_Coincidence, {Face999, nullptr}),
     "1 mate on an entity that no longer exists, kept without it", 1},
    {"MateOnTheHighestPartNumber", "a.qas", "a.qas", "/mates",
     MateOfKind(tvapi::mc_Coincidence, {PartFace(2147483647), nullptr}),
     "1 mate on an entity that no longer exists, kept without it", 1},
    {"MateOnTheLowestPartNumber", "a.qas", "a.qas", "/mates",
     MateOfKind(tvapi::mc_Coincidence, {PartFace(-2147483647 - 1), nullptr}),
     "1 mate on an entity that no longer exists, kept without it", 1},
    {"DimensionOnTheHighestPartNumber", "brick.qpt", "brick.qpt", "/model/dimensions3D",
     DimensionRecord(tvapi::o3d_lineDimension3D,
                     {{"objects", {PartFace(2147483647), nullptr}}, {"length", 5.0}}),
     "1 3D dimension on an entity that no longer exists, kept without it", 1},
    {"DimensionOnAMissingEntity", "brick.qpt", "brick.qpt", "/model/dimensions3D",
     DimensionRecord(tvapi::o3d_lineDimension3D, {{"objects", {Face999, nullptr}}, {"length", 5.0}}),
     "1 3D dimension on an entity that no longer exists, kept without it", 1},
    {"GeneratedOfAMissingFeature", "brick.qpt", "brick.qpt", "/model/generated",
     DimensionRecord(tvapi::o3d_OperationLinearDimension,
                     {{"owner", {{"feature", 3}}}, {"key", "0"}, {"expression", ""}}),
     "1 generated dimension of a feature that no longer exists", 0},
    {"GeneratedOfAFailedExtrusion", "f.qpt", nullptr, "/model/generated", {}, nullptr, 1},
};

class LeftOutOnOpenTest : public TDamageFolder, public ::testing::WithParamInterface<TLeftOutCase> {};

TEST_P(LeftOutOnOpenTest, ToldInOneBoxOnceAndNothingMoreLostBySaves)
{
    fs::current_path(FDir);
    SaveGoodPart("brick.qpt");
    SaveAssembly("a.qas", {"brick.qpt"});
    // The extrusion's depth is shown, then made not a number: it fails, and is kept so.
    const tvapi::ITervanDocumentPtr made = Host().App().Documents().AddDocument(tvapi::tvDocumentPart);
    NaNExtrusion(made, 5);
    tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(made)->TopPart();
    const tvapi::IModelObjectPtr feature = part.Features().Features().at(0);
    ASSERT_TRUE(part.CreateGenerativeDimensions({feature}, false));
    tvapi::IExtrusionPtr(feature)->SetSideParameters(true, tvapi::etBlind, std::nan(""), 0, false, {});
    EXPECT_FALSE(feature->Update());
    ASSERT_TRUE(made->SaveAs(L"f.qpt"));
    made->Close(tvapi::kdDoNotSaveChanges);

    const TLeftOutCase& c = GetParam();
    if (c.Damaged) {
        json j = Read(c.Damaged);
        j[json::json_pointer(c.List)].push_back(c.Record);
        Save(c.Damaged, j);
    }
    const std::string file = c.Open, before = FileBytes(file);
    const auto told = [&](const std::string& opened) {
        // A component's again: saving its assembly leaves its file as it is.
        const bool tells = c.Told && (opened == file || c.Damaged != file);
        return tells ? "Left out of " + opened + ": " + c.Told : std::string();
    };
    const auto box = [](const std::string& text) {
        return text.empty() ? text : "box warning \"Open\": " + text + "\n";
    };
    const TRun run = Tvhost({"export", "--dimensions", file});
    EXPECT_NE(run.Out.find(box(told(file))), std::string::npos) << run.Out;

    std::ostringstream boxes;
    Host().App().SetBoxOutput(&boxes);
    if (c.Damaged && c.Damaged == file && fs::path(file).extension() == ".qpt") {
        // A part read alone, inserted into an assembly, tells the same.
        const tvapi::ITervanDocumentPtr doc = Host().App().Documents().AddDocument(tvapi::tvDocumentAssembly);
        EXPECT_TRUE(tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart().GetParts()->AddFromFile(
            tvhost::FromUtf8(file).c_str(), false, true));
        EXPECT_EQ(boxes.str(), box(told(file)));
        boxes.str("");
        doc->Close(tvapi::kdDoNotSaveChanges);
    }
    for (std::string opened = file; const char* saved : {"saved1", "saved2"}) {
        SCOPED_TRACE(opened);
        ASSERT_TRUE(drApi::MA.drOpen3D(TString(opened.c_str()), true));
        EXPECT_EQ(Host().App().Documents().OpenNotices(), told(opened));
        EXPECT_EQ(boxes.str(), box(told(opened)));
        boxes.str("");
        opened = saved + fs::path(file).extension().string();
        ASSERT_TRUE(R().IDoc->SaveAs(tvhost::FromUtf8(opened).c_str()));
        R().IDoc->Close(tvapi::kdDoNotSaveChanges);
        EXPECT_EQ(Read(opened).value(json::json_pointer(c.List), json::array()).size(), c.Kept);
    }
    EXPECT_EQ(FileBytes(file), before) << "the file opened is left as it was";
    Host().App().SetBoxOutput(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Records, LeftOutOnOpenTest, ::testing::ValuesIn(LeftOutCases),
                         [](const ::testing::TestParamInfo<TLeftOutCase>& p) { return p.param.Name; });

} // namespace

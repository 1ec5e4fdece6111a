// The tvhost command's export as a user meets it: names passed through as bytes, no export
// onto the input, messages that say why a file could not be read or written, and parts and
// assemblies written as STEP or drawn as SVG, a part's bodies as its features build them.

#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

#include <gtest/gtest.h>

#include "FeatureTestUtil.h"
#include "Host.h"
#include "HostDocuments.h"
#include "HostFileIo.h"
#include "HostText.h"
#include "SpecialFiles.h"
#include "TvhostRun.h"

namespace {

namespace fs = std::filesystem;

using tvhostrun::TRun;
using tvhostrun::Tvhost;

std::string Bytes(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

class TvhostExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FDir = ::testing::TempDir() + "export-" + std::to_string(::getpid()) + "/";
        fs::remove_all(FDir);
        fs::create_directories(FDir + "sub");
        FDoc = FDir + "shaft\xFF.qdr";
        fs::copy_file(DC_SOURCE_DIR "/samples/shaft.qdr", fs::path(FDoc));
    }
    void TearDown() override { fs::remove_all(FDir); }

    std::string FDir, FDoc;
};

TEST_F(TvhostExportTest, NamesPassThroughAsBytes)
{
    const std::string svg = FDir + "out\xFE.svg";
    const TRun run = Tvhost({"export", "--svg", FDoc, svg});
    EXPECT_EQ(run.Code, 0) << run.Out;
    EXPECT_EQ(run.Out, "tvhost: wrote " + svg + "\n");
    EXPECT_EQ(Bytes(svg), Bytes(DC_SOURCE_DIR "/samples/shaft.svg"));
}

// A part is drawn as its hidden-line projection: solid visible edges, dashed hidden ones.
TEST_F(TvhostExportTest, PartIsDrawnAsItsHiddenLineProjection)
{
    const std::string svg = FDir + "brick.svg";
    const TRun run = Tvhost({"export", "--svg", DC_SOURCE_DIR "/samples/brick.qpt", svg});
    EXPECT_EQ(run.Code, 0) << run.Out;
    const std::string picture = Bytes(svg);
    EXPECT_EQ(picture.rfind("<svg ", 0), 0u);
    EXPECT_NE(picture.find("<polyline fill=\"none\" stroke=\"black\""), std::string::npos);
    EXPECT_NE(picture.find("stroke-dasharray"), std::string::npos);
    const TRun empty = Tvhost({"export", "--svg", DC_SOURCE_DIR "/samples/block.qpt", svg});
    EXPECT_EQ(empty.Code, 3);
    EXPECT_EQ(empty.Out, "tvhost: cannot write " + svg + ": the part has no shape\n");
}

TEST_F(TvhostExportTest, ExportOntoTheInputIsRefused)
{
    const std::string before = Bytes(FDoc);
    for (const std::string& out : {FDoc, FDir + "sub/../shaft\xFF.qdr"}) {
        SCOPED_TRACE(out);
        const TRun run = Tvhost({"export", "--svg", FDoc, out});
        EXPECT_EQ(run.Code, 2);
        EXPECT_EQ(run.Out, "tvhost: will not export " + FDoc + " onto itself\n");
    }
    fs::create_hard_link(fs::path(FDoc), FDir + "link.qdr");
    EXPECT_EQ(Tvhost({"export", "--svg", FDoc, FDir + "link.qdr"}).Code, 2);
    EXPECT_EQ(Bytes(FDoc), before);
}

TEST_F(TvhostExportTest, FailuresSayWhy)
{
    TRun run = Tvhost({"export", "--svg", FDir, FDir + "a.svg"});
    EXPECT_EQ(run.Code, 3);
    EXPECT_EQ(run.Out, "tvhost: cannot read " + FDir + ": cannot open: is a directory\n");
    std::ofstream(FDir + "bad.qdr") << R"({"format": "tvhost document", "version": "1", "type": 1})";
    run = Tvhost({"export", "--svg", FDir + "bad.qdr", FDir + "a.svg"});
    EXPECT_EQ(run.Out, "tvhost: cannot read " + FDir + "bad.qdr: version: expected an integer\n");
    run = Tvhost({"export", "--svg", FDoc, FDir + "missing/a.svg"});
    EXPECT_EQ(run.Code, 3);
    EXPECT_EQ(run.Out, "tvhost: cannot write " + FDir + "missing/a.svg: cannot open the folder " + FDir +
                           "missing/: No such file or directory\n");
    run = Tvhost({"run", "--plugin", DC_BINARY_DIR "/libtvhost_testplugin.so", "--open", FDir + "bad.qdr"});
    EXPECT_EQ(run.Code, 3);
    EXPECT_EQ(run.Out, "tvhost: cannot open " + FDir + "bad.qdr: version: expected an integer\n");
}

// Special files as the user may name them: nothing waits, nothing but the link's target is
// replaced, and the message says what the file is.
TEST_F(TvhostExportTest, SpecialFilesAreRefusedAtOnceAndLinksKept)
{
    ASSERT_TRUE(specialfiles::MakeFifo(FDir + "fifo"));
    const bool device = specialfiles::MakeCharDevice(FDir + "zero", 1, 5);
    ::alarm(60); // a run that waits fails the test instead of hanging it
    TRun run = Tvhost({"export", "--svg", FDoc, FDir + "fifo"});
    EXPECT_EQ(run.Code, 3);
    EXPECT_EQ(run.Out,
              "tvhost: cannot write " + FDir + "fifo: will not replace " + FDir + "fifo: it is a FIFO\n");
    EXPECT_EQ(specialfiles::Kind(FDir + "fifo"), fs::file_type::fifo);
    run = Tvhost({"export", "--svg", FDir + "fifo", FDir + "a.svg"});
    EXPECT_EQ(run.Out, "tvhost: cannot read " + FDir + "fifo: cannot open: is a FIFO\n");
    run = Tvhost({"run", "--plugin", DC_BINARY_DIR "/libtvhost_testplugin.so", "--script", FDir + "fifo"});
    EXPECT_EQ(run.Code, 2);
    EXPECT_EQ(run.Out, "tvhost: cannot read the script " + FDir + "fifo: is a FIFO\n");
    if (device) {
        run = Tvhost({"export", "--svg", FDir + "zero", FDir + "a.svg"});
        EXPECT_EQ(run.Out, "tvhost: cannot read " + FDir + "zero: cannot open: is a character device\n");
    }
    std::ofstream(FDir + "big.qdr").close();
    fs::resize_file(FDir + "big.qdr", tvhost::MaxReadBytes + 1); // sparse: costs no disk
    run = Tvhost({"export", "--svg", FDir + "big.qdr", FDir + "a.svg"});
    EXPECT_EQ(run.Out, "tvhost: cannot read " + FDir +
                           "big.qdr: cannot open: is larger than the 256 MiB limit of a read\n");
    ::alarm(0);
    EXPECT_FALSE(fs::exists(FDir + "a.svg"));

    std::ofstream(FDir + "sub/picture.svg") << "old";
    fs::create_symlink("sub/picture.svg", FDir + "link.svg");
    EXPECT_EQ(Tvhost({"export", "--svg", FDoc, FDir + "link.svg"}).Code, 0);
    EXPECT_EQ(specialfiles::Kind(FDir + "link.svg"), fs::file_type::symlink);
    EXPECT_EQ(Bytes(FDir + "sub/picture.svg"), Bytes(DC_SOURCE_DIR "/samples/shaft.svg"));
    if (!device) GTEST_SKIP() << "no right to make a device node";
}

TEST_F(TvhostExportTest, PartsAndAssembliesAsStep)
{
    {
        tvhost::THost host;
        tvhost::THostDocuments& documents = host.App().Documents();
        const tvapi::ITervanDocumentPtr part = documents.AddDocument(tvapi::tvDocumentPart);
        tvhost::HostAs<tvhost::THostDocument3D>(part)->TopPart().AddBody(
            tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
        ASSERT_TRUE(part->SaveAs(tvhost::FromUtf8(FDir + "brick.qpt").c_str()));
        const tvapi::ITervanDocumentPtr pair = documents.AddDocument(tvapi::tvDocumentAssembly);
        const tvapi::IPartsPtr parts = tvhost::HostAs<tvhost::THostDocument3D>(pair)->TopPart().GetParts();
        for (int i = 0; i < 2; ++i)
            ASSERT_TRUE(parts->AddFromFile(tvhost::FromUtf8(FDir + "brick.qpt").c_str(), true, true));
        ASSERT_TRUE(pair->SaveAs(tvhost::FromUtf8(FDir + "pair.qas").c_str()));
    }
    TRun run = Tvhost({"export", "--step", FDir + "brick.qpt", FDir + "brick.step"});
    EXPECT_EQ(run.Code, 0);
    EXPECT_EQ(run.Out, "tvhost: wrote " + FDir + "brick.step\n"); // nothing of the kernel's own
    const std::string brick = Bytes(FDir + "brick.step");
    EXPECT_EQ(brick.rfind("ISO-10303-21;", 0), 0u);
    run = Tvhost({"export", "--step", FDir + "pair.qas", FDir + "pair.step"});
    EXPECT_EQ(run.Code, 0) << run.Out;
    const std::string pair = Bytes(FDir + "pair.step");
    const auto solids = [](const std::string& text) {
        std::size_t n = 0;
        for (std::size_t at = text.find("MANIFOLD_SOLID_BREP"); at != std::string::npos;
             at = text.find("MANIFOLD_SOLID_BREP", at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(solids(brick), 1u);
    EXPECT_EQ(solids(pair), 2u);
    run = Tvhost({"export", "--step", FDoc, FDir + "shaft.step"});
    EXPECT_EQ(run.Code, 3);
    EXPECT_EQ(run.Out, "tvhost: " + FDoc + " is no part or assembly\n");
}

// The part file keeps base bodies and features; the export writes the bodies they build: a
// plate with a round hole through it.
TEST_F(TvhostExportTest, PartWithFeaturesExportsTheBuiltBodies)
{
    {
        tvhost::THost host;
        const tvapi::ITervanDocumentPtr doc = host.App().Documents().AddDocument(tvapi::tvDocumentPart);
        tvhost::THostPart& part = tvhost::HostAs<tvhost::THostDocument3D>(doc)->TopPart();
        const tvapi::IModelContainerPtr container{tvapi::IPartPtr(&part)};
        tvhost::THostSketch& plate = part.AddSketch(L"");
        feature_test::Rect(plate, 0, 0, 20, 20);
        tvhost::THostSketch& hole = part.AddSketch(L"");
        feature_test::Circle(hole, 10, 10, 3);
        for (tvhost::THostSketch* s : {&plate, &hole}) {
            const tvapi::IExtrusionPtr e = container->GetExtrusions()->Add(
                s == &plate ? tvapi::o3d_bossExtrusion : tvapi::o3d_cutExtrusion);
            e->SetProfile({tvapi::IModelObjectPtr(s)});
            e->SetSideParameters(true, tvapi::etBlind, 4, 0, false, {});
            ASSERT_TRUE(tvapi::IModelObjectPtr(e)->Update());
        }
        ASSERT_TRUE(doc->SaveAs(tvhost::FromUtf8(FDir + "plate.qpt").c_str()));
    }
    const TRun run = Tvhost({"export", "--step", FDir + "plate.qpt", FDir + "plate.step"});
    EXPECT_EQ(run.Code, 0) << run.Out;
    const std::string step = Bytes(FDir + "plate.step");
    EXPECT_NE(step.find("MANIFOLD_SOLID_BREP"), std::string::npos);
    EXPECT_NE(step.find("CYLINDRICAL_SURFACE"), std::string::npos);
}

} // namespace

// ---- what a failed export or read says ---------------------------------------------------------

namespace {

// An export as a user runs it, its input made by `Make` in the test's folder (D), and what it
// must and must not say.
struct TExportMessage {
    const char* Name;
    std::function<std::vector<std::string>(const std::string& D)> Make; // the export's arguments
    int Code;
    const char* Says;
    const char* Never;
};
void PrintTo(const TExportMessage& c, std::ostream* os)
{
    *os << c.Name;
}

// The sample shaft (a sketch extruded) with `from` replaced by `to` in its file.
std::string ChangedShaft(const std::string& D, const std::string& from, const std::string& to)
{
    std::string text = Bytes(DC_SOURCE_DIR "/samples/chain-shaft.qpt");
    const std::size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    std::ofstream(D + "changed.qpt", std::ios::binary) << text;
    return D + "changed.qpt";
}

const TExportMessage ExportMessages[] = {
    {"StepOntoANameThatIsNoUtf8",
     [](const std::string& D) {
         return std::vector<std::string>{DC_SOURCE_DIR "/samples/brick.qpt", D + "out\xFF.step"};
     },
     0, "tvhost: wrote ", "kernel"},
    {"StepOntoANameTooLong",
     [](const std::string& D) {
         return std::vector<std::string>{DC_SOURCE_DIR "/samples/brick.qpt",
                                         D + std::string(300, 'a') + ".step"};
     },
     3, "File name too long", "kernel"},
    {"StepOfAPartWithNoShape",
     [](const std::string& D) {
         return std::vector<std::string>{DC_SOURCE_DIR "/samples/block.qpt", D + "out.step"};
     },
     3, "the part has no shape", "wrote"},
    {"FeatureWithoutItsProfile",
     [](const std::string& D) {
         return std::vector<std::string>{ChangedShaft(D, "\"profile\"", "\"profile-gone\""), D + "out.step"};
     },
     3, "feature 1 \"\" (model.features[0].params): a parameter is missing (key 'profile' not found)",
     "json.exception"},
    {"NumberOutOfRange",
     [](const std::string& D) {
         return std::vector<std::string>{ChangedShaft(D, "\"density\": 7.85e-06", "\"density\": 1e400"),
                                         D + "out.step"};
     },
     3, "not JSON at line 11, column 18: model.density: number overflow parsing '1e400'", "json.exception"},
};

class ExportMessageTest : public TvhostExportTest, public ::testing::WithParamInterface<TExportMessage> {};

} // namespace

TEST_P(ExportMessageTest, SaysWhatAndWhere)
{
    std::vector<std::string> args{"export", "--step"};
    for (const std::string& a : GetParam().Make(FDir))
        args.push_back(a);
    const TRun run = Tvhost(args);
    EXPECT_EQ(run.Code, GetParam().Code) << run.Out;
    EXPECT_NE(run.Out.find(GetParam().Says), std::string::npos) << run.Out;
    EXPECT_EQ(run.Out.find(GetParam().Never), std::string::npos) << run.Out;
}

INSTANTIATE_TEST_SUITE_P(Messages, ExportMessageTest, ::testing::ValuesIn(ExportMessages),
                         [](const ::testing::TestParamInfo<TExportMessage>& p) { return p.param.Name; });

// Past a real file-size limit a save fails with its reason, the old file whole, no temporary left.
using TArgs = std::vector<std::string>;
class FileSizeLimitTest : public TvhostExportTest, public ::testing::WithParamInterface<TArgs> {};
TEST_P(FileSizeLimitTest, SaveFailsAndKeepsTheOldFile)
{
    const std::string sub = FDir + "sub", out = sub + "/out";
    std::ofstream(out) << "old\n";
    TArgs args = GetParam();
    args.push_back(out);
    const TRun run = Tvhost(args, [&] {
        ::setenv("TMPDIR", sub.c_str(), 1); // the STEP export's temporary folder counted with the file
        const rlimit limit{2000, 2000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_EQ(run.Code, 3);
    EXPECT_NE(run.Out.find("File too large"), std::string::npos) << run.Out;
    EXPECT_EQ(Bytes(out), "old\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(sub), fs::directory_iterator()), 1);
}
INSTANTIATE_TEST_SUITE_P(Saves, FileSizeLimitTest,
                         ::testing::Values(TArgs{"run", "--plugin", DC_BINARY_DIR "/libDimChain.plx",
                                                 "--open", DC_SOURCE_DIR "/samples/shaft.qdr", "--save"},
                                           TArgs{"export", "--step", DC_SOURCE_DIR "/samples/brick.qpt"}),
                         [](const auto& p) { return p.param.front(); });

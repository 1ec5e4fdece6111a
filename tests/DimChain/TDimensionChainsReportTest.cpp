// The chain report: the example chain byte for byte against the committed file, the layout
// of the other cases, the report's name beside the document and what the user is told.

#include "TDimensionChains.h"

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>

#include <gtest/gtest.h>

#include "ChainSetFixture.h"
#include "HostText.h"
#include "SpecialFiles.h"
#include "TvhostRun.h"

namespace {

std::string ReadFile(const std::string& name)
{
    std::ifstream f(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// The report's lines, CR LF taken off (a line without it is kept with a "?" mark).
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 2;
    }
    if (from < text.size()) lines.push_back("?" + text.substr(from));
    return lines;
}

std::wstring WideUtf8(const std::string& utf8)
{
    return tvhost::FromUtf8(utf8);
}

const char* const HeaderLine =
    "Цепь    Н       Ном.    ВО      НО      П   У.ВО     У.НО       Д.ВО    Д.НО    "
    "dl/dT   dT    Примечание";

std::string Cp1251(const char* utf8)
{
    return TString(utf8).PChar();
}

class TDimensionChainsReportTest : public TChainSetFixture {
protected:
    std::string Report(const TDimensionChains& S)
    {
        const std::string name = FDir + "/report.txt";
        EXPECT_TRUE(S.toTextFile(WideUtf8(name)));
        return ReadFile(name);
    }
};

} // namespace

TEST_F(TDimensionChainsReportTest, ExampleChainGivesTheCommittedReport)
{
    TDimensionChains S;
    Example(S);
    const std::string expected = ReadFile(DC_SOURCE_DIR "/tests/DimChain/data/ChainReport.txt");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(Report(S), expected);
    EXPECT_EQ(Lines(expected).at(0).size(), 104u); // one byte a character in the 8-bit code page
}

TEST_F(TDimensionChainsReportTest, ChainsLinksAndLettersAreLaidOutByTheirFields)
{
    TDimensionChains S;
    S.DimChains.Resize(2);
    TDimensionChain& open = S.DimChains[1];
    open.MethodCalculating = static_cast<TMethodCalculating>(7); // no such method
    open.RiskFactor = 3.3;
    for (tvapi::DrawingObjectTypeEnum type :
         {tvapi::tvDrDDimension, tvapi::tvDrRDimension, tvapi::tvDrADimension, tvapi::tvDrLDimension}) {
        TDimension& L = open.Dimensions.Add();
        L = TDimension();
        L.Type = type;
        L.Transformation = true;
        L.V2 = TVector2D(3.0, 4.0);
        L.AQHigh = type == tvapi::tvDrADimension ? 0.5 : 0.0;
        L.ANominal = type == tvapi::tvDrADimension ? 36.87 : 0.0; // an angle shows its degrees
        L.Comment = "примечание";
    }
    const std::vector<std::string> lines = Lines(Report(S));
    ASSERT_EQ(lines.size(), 4u + 3u + 4u);
    EXPECT_EQ(lines[1], std::string(104, '-') + " ");
    EXPECT_EQ(lines[2], Cp1251("Метод расчета : Минимум Максимум"));
    EXPECT_EQ(lines[3], Cp1251("Риск фактор   :    1.00"));
    EXPECT_EQ(lines[5], Cp1251("Метод расчета : "));
    EXPECT_EQ(lines[6], Cp1251("Риск фактор   :    3.30"));
    const std::string tail = "  0.000\t  0.000\t  0.000\t  0.000\t" + Cp1251("примечание");
    EXPECT_EQ(lines[7], "02.00\t-\t   5.00\t  0.000\t  0.000\tD\t\t\t" + tail);
    EXPECT_EQ(lines[8], "02.01\t-\t   5.00\t  0.000\t  0.000\tR\t\t\t" + tail);
    EXPECT_EQ(lines[9], "02.02\t-\t  36.87\t  0.000\t  0.000\tA\t30'\t\t" + tail);
    EXPECT_EQ(lines[10], "02.03\t-\t   5.00\t  0.000\t  0.000\t\t\t\t" + tail);
}

TEST_F(TDimensionChainsReportTest, ReportIsNamedAfterTheDocumentOrRefused)
{
    const std::pair<const char*, const char*> names[] = {
        {"/a/shaft.old.qdr", "/a/shaft.old.txt"},
        {"/a/x.", "/a/x.txt"},
        {"/a.b/shaft", ""},
        {"shaft", ""},
        {"", ""},
        {"/日本/é.qdr", "/日本/é.txt"},
    };
    for (const auto& [document, report] : names) {
        SCOPED_TRACE(document);
        EXPECT_EQ(TDimensionChains::ReportFileName(WideUtf8(document)), WideUtf8(report));
    }
    // The assembly's report: a file's own name without an extension gets ".txt" added.
    const std::pair<const char*, const char*> bare[] = {
        {"/a.b/shaft", "/a.b/shaft.txt"}, {"/data/Узел.qas", "/data/Узел.txt"}, {"", ""}, {"/a/", ""}};
    for (const auto& [document, report] : bare) {
        SCOPED_TRACE(document);
        EXPECT_EQ(TDimensionChains::ReportFileName(WideUtf8(document), true), WideUtf8(report));
    }

    TDimensionChains S;
    Example(S);
    Journal().Clear();
    EXPECT_FALSE(S.SaveReport(L"/tmp/unsaved"));
    EXPECT_FALSE(S.SaveReport(WideUtf8(FDir + "/missing/chain.qdr")));
    EXPECT_TRUE(S.SaveReport(WideUtf8(FDir + "/chain.qdr")));
    EXPECT_EQ(Boxes(),
              (std::vector<std::string>{"Создание отчета невозможно! Сохраните сначала чертеж!",
                                        "Не удалось записать файл отчета " + FDir +
                                            "/missing/chain.txt: cannot create a file in the folder of " +
                                            FDir + "/missing/chain.txt: No such file or directory",
                                        "Создан файл отчета " + FDir + "/chain.txt"}));
    EXPECT_EQ(ReadFile(FDir + "/chain.txt"), ReadFile(DC_SOURCE_DIR "/tests/DimChain/data/ChainReport.txt"));
    // A name that is no UTF-8 keeps its bytes, as the host passes them.
    EXPECT_TRUE(S.SaveReport(tvhost::FileNameFromBytes(FDir + "/a\xFF.qdr")));
    EXPECT_EQ(ReadFile(FDir + "/a\xFF.txt"), ReadFile(FDir + "/chain.txt"));
}

// The report as the user makes it: the sample's chain picked in the panel of a tvhost run, on a
// drawing whose folder and name the 8-bit code page lacks; then again with the disk's room cut
// short (a file-size limit on the run), which keeps the first report whole.
TEST(ChainReportRunTest, PanelWritesTheReportUnderAWideNameOrKeepsTheOldOne)
{
    const specialfiles::TFolder dir;
    const std::string folder = dir / "日本/";
    std::filesystem::create_directory(folder);
    std::filesystem::copy_file(DC_SOURCE_DIR "/samples/chain.qdr", folder + "é.qdr");
    const std::vector<std::string> args{"run",
                                        "--plugin",
                                        DC_BINARY_DIR "/libDimChain.plx",
                                        "--open",
                                        folder + "é.qdr",
                                        "--script",
                                        DC_SOURCE_DIR "/samples/chain-pick.script"};
    tvhostrun::TRun run = tvhostrun::Tvhost(args);
    EXPECT_EQ(run.Code, 0) << run.Out;
    EXPECT_NE(run.Out.find("status: Создан файл отчета "), std::string::npos) << run.Out;
    const std::string report = ReadFile(folder + "é.txt");
    EXPECT_EQ(report, ReadFile(DC_SOURCE_DIR "/samples/chain-pick.report.txt"));

    run = tvhostrun::Tvhost(args, [] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{200, 200};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_NE(run.Out.find("status: Не удалось записать файл отчета "), std::string::npos) << run.Out;
    EXPECT_EQ(run.Out.find("Создан файл отчета"), std::string::npos);
    EXPECT_EQ(ReadFile(folder + "é.txt"), report);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
}

// ---- where the assembly's report goes ------------------------------------------------------

namespace {

namespace fs = std::filesystem;

// What stands at the report's usual name (or the document) before the assembly chain command
// writes its report: made by `Prepare` in a folder holding a copy of the sample assembly
// chain.qas and its three parts. The report must land at `Report` and leave every other file
// (document, components, whatever a link points at) as it was.
struct TReportTarget {
    const char* Name;
    const char* Open; // the document opened
    std::function<void(const specialfiles::TFolder&)> Prepare;
    const char* Report;
};
void PrintTo(const TReportTarget& c, std::ostream* os)
{
    *os << c.Name;
}

// Every entry of the folder with its bytes ("->" and the target for a link, "special" for the rest).
std::map<std::string, std::string> Contents(const std::string& folder)
{
    std::map<std::string, std::string> contents;
    for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (e.is_symlink())
            contents[name] = "-> " + fs::read_symlink(e.path()).string();
        else
            contents[name] = e.is_regular_file() ? ReadFile(e.path().string()) : "special";
    }
    return contents;
}

void RenameComponent(const std::string& assembly, const std::string& from, const std::string& to)
{
    std::string text = ReadFile(assembly);
    const std::size_t at = text.find('"' + from + '"');
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at + 1, from.size(), to);
    std::ofstream(assembly, std::ios::binary | std::ios::trunc) << text;
    fs::rename(fs::path(assembly).parent_path() / from, fs::path(assembly).parent_path() / to);
}

const TReportTarget ReportTargets[] = {
    {"UsualNameIsFree", "chain.qas", [](const specialfiles::TFolder&) {}, "chain.txt"},
    {"EarlierReportIsReplaced", "chain.qas",
     [](const specialfiles::TFolder& d) { std::ofstream(d / "chain.txt") << TString(HeaderLine).PChar(); },
     "chain.txt"},
    {"AssemblySavedAsTxt", "chain.txt",
     [](const specialfiles::TFolder& d) { fs::rename(d / "chain.qas", d / "chain.txt"); },
     "chain.report.txt"},
    {"ComponentNamedLikeTheReport", "chain.qas",
     [](const specialfiles::TFolder& d) { RenameComponent(d / "chain.qas", "chain-plate.qpt", "chain.txt"); },
     "chain.report.txt"},
    {"LinkNamedLikeTheReport", "chain.qas",
     [](const specialfiles::TFolder& d) {
         std::ofstream(d / "notes") << "the user's notes";
         fs::create_symlink("notes", d / "chain.txt");
     },
     "chain.report.txt"},
    {"LinkToTheDocumentNamedLikeTheReport", "chain.qas",
     [](const specialfiles::TFolder& d) { fs::create_symlink("chain.qas", d / "chain.txt"); },
     "chain.report.txt"},
    {"FifoNamedLikeTheReport", "chain.qas",
     [](const specialfiles::TFolder& d) { ASSERT_TRUE(specialfiles::MakeFifo(d / "chain.txt")); },
     "chain.report.txt"},
    {"BothNamesTaken", "chain.txt",
     [](const specialfiles::TFolder& d) {
         fs::rename(d / "chain.qas", d / "chain.txt");
         fs::create_directory(d / "chain.report.txt");
     },
     "chain.report-2.txt"},
};

class ChainReportTargetTest : public ::testing::TestWithParam<TReportTarget> {};

} // namespace

TEST_P(ChainReportTargetTest, ReportTakesAFreeNameAndLeavesEveryOtherFileAsItWas)
{
    const specialfiles::TFolder dir;
    for (const char* file : {"chain.qas", "chain-plate.qpt", "chain-bushing.qpt", "chain-shaft.qpt"})
        fs::copy_file(std::string(DC_SOURCE_DIR "/samples/") + file, dir / file);
    GetParam().Prepare(dir);
    std::map<std::string, std::string> before = Contents(dir.Path());
    before.erase(GetParam().Report);

    const tvhostrun::TRun run = tvhostrun::Tvhost({"run", "--plugin", DC_BINARY_DIR "/libDimChain.plx",
                                                   "--open", dir / GetParam().Open, "--script",
                                                   DC_SOURCE_DIR "/samples/chain-assembly.script"});
    EXPECT_EQ(run.Code, 0) << run.Out;
    EXPECT_NE(run.Out.find("status: Создан файл отчета " + dir / GetParam().Report + "\n"), std::string::npos)
        << run.Out;
    std::map<std::string, std::string> after = Contents(dir.Path());
    const std::string report = after[GetParam().Report];
    EXPECT_EQ(report.rfind(TString(HeaderLine).PChar(), 0), 0u) << "a report at " << GetParam().Report;
    EXPECT_NE(report.find("\r\n01.00\t"), std::string::npos) << report;
    after.erase(GetParam().Report);
    EXPECT_EQ(after, before) << "no other file changed, none added";
}

INSTANTIATE_TEST_SUITE_P(Targets, ChainReportTargetTest, ::testing::ValuesIn(ReportTargets),
                         [](const ::testing::TestParamInfo<TReportTarget>& p) { return p.param.Name; });

TEST_F(TDimensionChainsReportTest, ModelLinksAreReportedWithTheirModelLengths)
{
    TDimensionChains S;
    TDimension L;
    L.TMO = tvapi::o3d_lineDimension3D;
    L.V3 = TVector3D(0, 0, 12.5);
    S.DimChains[0].Dimensions.Add(L);
    const std::vector<std::string> lines = Lines(Report(S));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(lines.back().find("  12.50"), std::string::npos) << lines.back();
}

// A method changed after the figures were calculated is stored beside them, so that the
// report made after reopening still names the method the figures come from.
TEST_F(TDimensionChainsReportTest, ChangedMethodIsStoredApartFromTheFiguresItDidNotMake)
{
    TDimensionChains S;
    Example(S);
    std::vector<Byte> plain;
    S.to(plain);
    S.DimChains[0].TakeSettings({mcNormalDistribution, 1.0 / 9.0, 3.0});
    std::vector<Byte> bytes;
    S.to(bytes);
    ASSERT_EQ(bytes.size(), plain.size() + 4 + 20);
    const Byte tail[24] = {'F', 'I', 'G',  'S',  0, 0, 0, 0, 0, 0, 0,    0,
                           0,   0,   0xF0, 0x3F, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    EXPECT_TRUE(std::equal(std::begin(tail), std::end(tail), bytes.end() - 24));

    TDimensionChains R;
    ASSERT_TRUE(R.from(bytes));
    EXPECT_EQ(R.DimChains[0].Settings(), S.DimChains[0].Settings());
    const std::vector<std::string> lines = Lines(Report(R));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[2], Cp1251("Метод расчета : Минимум Максимум"));
    EXPECT_EQ(lines[3], Cp1251("Риск фактор   :    1.00"));

    // A set stored before the settings were kept reads as before; a damaged tag or method does not.
    TDimensionChains Old;
    ASSERT_TRUE(Old.from(plain));
    EXPECT_FALSE(Old.DimChains[0].CalculatedWith);
    for (const std::size_t at : {bytes.size() - 24, bytes.size() - 20}) {
        std::vector<Byte> damaged = bytes;
        damaged[at] = 9;
        TDimensionChains D;
        EXPECT_FALSE(D.from(damaged)) << "byte " << at;
    }
}

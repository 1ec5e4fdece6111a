// Scripted runs of the tvhost command as a user meets them: a bad line is refused before
// anything runs, with its number and text, and a script's length costs no memory.

#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "SpecialFiles.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct TRun {
    int Code = -1;
    std::string Out;  // stdout and stderr together
    long PeakKb = -1; // the peak resident memory of the run
};

// Runs the built tvhost with `args`, its output going through `log`. Under AddressSanitizer
// freed blocks wait in a quarantine of up to 256 MB; a small one keeps the peak about live data.
TRun Tvhost(std::vector<std::string> args, const std::string& log,
            const std::string& program = DC_BINARY_DIR "/tvhost")
{
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::string asan = "ASAN_OPTIONS=quarantine_size_mb=1";
    std::vector<char*> env{asan.data()};
    for (char** e = environ; *e; ++e)
        if (std::string_view(*e).rfind("ASAN_OPTIONS=", 0) != 0)
            env.push_back(*e);
        else
            asan += std::string(":") + (*e + 13);
    env[0] = asan.data();
    env.push_back(nullptr);
    TRun run;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(fd, 1);
        ::dup2(fd, 2);
        ::execve(argv[0], argv.data(), env.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid) return run;
    run.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.PeakKb = usage.ru_maxrss;
    std::ostringstream text;
    text << std::ifstream(log).rdbuf();
    run.Out = text.str();
    return run;
}

class TvhostRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FDir = ::testing::TempDir() + "run-" + std::to_string(::getpid()) + "/";
        fs::remove_all(FDir);
        fs::create_directories(FDir);
        fs::copy_file(DC_SOURCE_DIR "/samples/chain.qdr", FDir + "chain.qdr");
    }
    void TearDown() override { fs::remove_all(FDir); }

    // Copies of the chain plug-in and its element library into `plug`, of the sample assembly
    // and its parts into `doc` (folders of the test's).
    void CopySamples(const std::string& plug, const std::string& doc)
    {
        for (const char* file : {"libDimChain.plx", "ZelCoupling.tb"})
            fs::copy_file(std::string(DC_BINARY_DIR "/") + file, plug + file);
        for (const char* file : {"chain.qas", "chain-plate.qpt", "chain-bushing.qpt", "chain-shaft.qpt"})
            fs::copy_file(std::string(DC_SOURCE_DIR "/samples/") + file, doc + file);
    }

    // Plays `script` in the chain panel of the plug-in on the sample chain drawing.
    TRun PlayChain(const std::string& script, std::vector<std::string> more = {})
    {
        std::ofstream(FDir + "play.script") << script;
        std::vector<std::string> args{
            "run",      "--plugin",          DC_BINARY_DIR "/libDimChain.plx", "--open", FDir + "chain.qdr",
            "--script", FDir + "play.script"};
        args.insert(args.end(), more.begin(), more.end());
        return Tvhost(args, FDir + "log");
    }

    std::string FDir;
};

TEST_F(TvhostRunTest, BadNumbersAreRefusedWithTheirLineBeforeTheRun)
{
    const struct {
        const char* Line;
        const char* Problem;
    } cases[] = {
        {"select 300 1", "row 300 is outside 0..255 in"},
        {"edit 1 -1 0,5", "column -1 is outside 0..255 in"},
        {"select 1 8388608", "column 8388608 is outside 0..255 in"}, // 8388608 * 256 overflows
        {"select 99999999999 0", "cannot read"},
        {"move nan 0", "cannot read"},
        {"click 1e300 -1e300", "x 1e+300 is outside -1000000..1000000 in"}, // overflowed the view's int
        {"move 0 -2147483649", "y -2.14748e+09 is outside -1000000..1000000 in"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line);
        const TRun run = PlayChain(std::string("show\n# a comment\n") + c.Line + "\ncancel\n");
        EXPECT_EQ(run.Code, 2);
        EXPECT_EQ(run.Out, "tvhost: " + FDir + "play.script: line 3: " + c.Problem + " \"" + c.Line + "\"\n");
    }
}

TEST_F(TvhostRunTest, TheJournalIsPrintedOnlyWhenAskedFor)
{
    const std::string journal = "journal: IApplication::GetVersion()\n"; // asked by the library
    TRun run = PlayChain("cancel\n");
    EXPECT_EQ(run.Code, 0) << run.Out;
    EXPECT_EQ(run.Out.find("journal: "), std::string::npos) << run.Out;
    run = PlayChain("cancel\n", {"--journal"});
    EXPECT_EQ(run.Code, 0) << run.Out;
    EXPECT_NE(run.Out.find(journal), std::string::npos) << run.Out;
}

// Each move looks for a dimension under the cursor, a few host calls that a journal would
// keep; the script ends as a cancel.
TEST_F(TvhostRunTest, PeakMemoryDoesNotGrowWithTheScript)
{
    const auto peak = [&](int moves) {
        std::string script;
        for (int i = 0; i < moves; ++i)
            script += "move " + std::to_string(i % 100) + " 44\n";
        const TRun run = PlayChain(script);
        EXPECT_EQ(run.Code, 0) << run.Out;
        return run.PeakKb;
    };
    const long small = peak(20000);
    const long large = peak(200000);
    EXPECT_LT(large, small + 8 * 1024)
        << "peak of 20000 moves " << small << " KB, of 200000 " << large << " KB";
}

} // namespace

// ---- values typed into a panel's fields, and where no user can type ----------------------------

namespace {

// Text typed into a number field of the panel plug-in's panels: the hot-point panel (command 2,
// X 10 and Y 20 on a part) or the demo panel (a drawing, "Звеньев" 2); or, where `Chain` is
// given, into the chain panel on the sample drawing after Chain's lines, at host version
// `Version`, then `Then`'s lines. An empty `Field`: `Typed` is the whole line (an `edit` or a
// `command`). `Shown` is the field's line (or the grid's row) once typed; `Box` what the
// hot-point panel reports at its end (empty: not that panel); `Told` what a line no user could
// play says, `Code` tvhost's status.
struct TTypedValue {
    const char* Name;
    const char* Field;
    const char* Typed;
    bool Refused;
    const char* Shown;
    const char* Box;
    const char* Told = "";
    int Code = 0;
    const char* Chain = nullptr;
    const char* Then = "";
    const char* Version = "17";
};
void PrintTo(const TTypedValue& c, std::ostream* os)
{
    *os << c.Name;
}

const TTypedValue TypedValues[] = {
    {"NotANumber", "Y", "nan", true, "  Y = 20\n", "x 10.000, y 20.000"},
    {"Infinity", "Y", "inf", true, "  Y = 20\n", "x 10.000, y 20.000"},
    {"MinusInfinity", "X", "-inf", true, "  X = 10\n", "x 10.000, y 20.000"},
    {"LettersAfterTheNumber", "Y", "5abc", true, "  Y = 20\n", "x 10.000, y 20.000"},
    {"BeyondTheLargestReal", "Y", "1e400", true, "  Y = 20\n", "x 10.000, y 20.000"},
    {"HexadecimalNumber", "Y", "0x10", true, "  Y = 20\n", "x 10.000, y 20.000"},
    {"Nothing", "Y", "\"\"", true, "  Y = 20\n", "x 10.000, y 20.000"},
    {"FiniteNumberWithBlanks", "Y", "\" 12.5 \"", false, "  Y =  12.5 \n", "x 10.000, y 12.500"},
    {"WholeNumberWithLetters", "Звеньев", "3abc", true, "  Звеньев = 2\n", ""},
    {"WholeNumberBeyondAnInt", "Звеньев", "99999999999", true, "  Звеньев = 2\n", ""},
    {"WholeNumber", "Звеньев", "3", false, "  Звеньев = 3\n", ""},
    {"TwoSigns", "Y", "+-5", true, "  Y = 20\n", "x 10.000, y 20.000"},
    {"OnePlusSign", "Y", "+12.5", false, "  Y = +12.5\n", "x 10.000, y 12.500"},
    {"SpinAtTheTopOfItsRange", "Звеньев", "5", false, "  Звеньев = 5\n", ""},
    {"SpinPastItsRange", "Звеньев", "6", true, "  Звеньев = 2\n", ""},
    {"SpinBelowItsRange", "Звеньев", "0", true, "  Звеньев = 2\n", ""},
    {"SpinAtTheLargestInt", "Звеньев", "2147483647", true, "  Звеньев = 2\n", ""},
    // Min-max hides the risk list; the normal method shows it as it was.
    {"ListThePanelHides", "Коэффициент риска", "0.27", false, "  Коэффициент риска = 32\n", "",
     "script line 1: no user can set \"Коэффициент риска\": the panel hides it\n", 5, "",
     "set \"Способ расчета\" \"Нормальное распределение\"\n"},
    // The click on "ВО" locks the grid before the typing.
    {"CellTheClickLocks", "", "edit 1 3 0,5", false, "    | 01.00 |  |   40.00 |   0.100 |  -0.100 |", "",
     "script line 3: no user can edit row 1, column 3: the panel has made it read-only\n", 5,
     "move 20 44\nclick 20 44\n", "", "16"},
    // The grid a click on "ВО" locked opens again on the edit's own click on "Д.ВО".
    {"CellTheEditsClickOpens", "", "edit 1 8 0,02", false, "|  |  |  |   0.020 |   0.000 |", "", "", 0,
     "move 20 44\nclick 20 44\nselect 1 3\n", "", "16"},
    // The title row stays; the first row past the chain, which a user can click, takes text.
    {"CellOfTheTitleRow", "", "edit 0 8 0,5", false, "| У.НО | Д.ВО | Д.НО |", "",
     "script line 3: no user can edit row 0, column 8: it is a title in the grid's fixed rows or columns\n",
     5, "move 20 44\nclick 20 44\n"},
    {"CellPastTheChain", "", "edit 2 8 0,5", false, "    |  |  |  |  |  |  |  |  | 0,5 |", "", "", 0,
     "move 20 44\nclick 20 44\n"},
    // With two links picked the panel hides the button that recognises the chains of one: B stays
    // the second link as picked.
    {"ButtonThePanelHides", "", "command \"Добавить новую размерную цепь для размера\" 1", false,
     "    | 01.01 |  |   10.00 |   0.050 |   0.000 |", "",
     "script line 5: no user can press button 1 of \"Добавить новую размерную цепь для размера\": the panel "
     "hides it\n",
     5, "move 20 44\nclick 20 44\nmove 35 34\nclick 35 34\n"},
    {"ButtonThePanelDisables", "", "command \"Удалить звено\" 1", false, "  Звеньев = 2\n", "",
     "script line 1: no user can press button 1 of \"Удалить звено\": the panel has disabled it\n", 5},
    {"MisspeltCaption", "Звенев", "3", false, "  Звеньев = 2\n", "",
     "script line 1: no user can set \"Звенев\": no such control\n", 5},
    {"MisspeltTip", "", "command \"Сохранить отчёт\" 1", false, "  Всего = 1\n", "",
     "script line 1: no user can press button 1 of \"Сохранить отчёт\": no such control\n", 5, ""},
    // A button, a cell or a panel button the panel does not have.
    {"ButtonNumberItDoesNotHave", "", "command \"Удалить текущую размерную цепь\" 2", false,
     "    | 01.00 |  |   40.00 |", "",
     "script line 3: no user can press button 2 of \"Удалить текущую размерную цепь\": it has no such "
     "button\n",
     5, "move 20 44\nclick 20 44\n"},
    // The grid's tool bar has buttons 1 to 4; the tip names its fourth.
    {"TipOfAnotherButtonOfTheControl", "", "command \"Удалить размер\" 1", false,
     "    | 01.00 |  |   40.00 |", "",
     "script line 3: no user can press button 1 of \"Удалить размер\": it has no such button\n", 5,
     "move 20 44\nclick 20 44\n"},
    {"ControlWithNoButton", "", "command \"Текущая\" 1", false, "  Текущая = 1\n", "",
     "script line 1: no user can press button 1 of \"Текущая\": it has no such button\n", 5, ""},
    {"CellPastTheLastColumn", "", "edit 1 13 x", false, "    | 01.00 |  |   40.00 |", "",
     "script line 3: no user can edit row 1, column 13: the grid has no such cell\n", 5,
     "move 20 44\nclick 20 44\n"},
    {"CellPastTheLastRow", "", "select 99 0", false, "    | 01.00 |  |   40.00 |", "",
     "script line 3: no user can select row 99, column 0: the grid has no such cell\n", 5,
     "move 20 44\nclick 20 44\n"},
    {"PanelButtonItDoesNotHave", "", "button 9", false, "  Всего = 1\n", "",
     "script line 1: no user can press the panel's button 9: it has no such button\n", 5, ""},
};

class TypedValueTest : public TvhostRunTest, public ::testing::WithParamInterface<TTypedValue> {};

} // namespace

TEST_P(TypedValueTest, TextThatIsNoFiniteNumberIsRefusedAndTheFieldKeepsItsValue)
{
    const TTypedValue& c = GetParam();
    const bool hotPoint = *c.Box != '\0';
    const std::string line =
        *c.Field ? "set \"" + std::string(c.Field) + "\" " + c.Typed : std::string(c.Typed);
    TRun run;
    if (c.Chain) {
        run = PlayChain(c.Chain + line + "\n" + c.Then + "show\n", {"--host-version", c.Version});
    } else {
        std::ofstream(FDir + "typed.script") << line << "\nshow\n";
        std::vector<std::string> args{"run", "--plugin", DC_BINARY_DIR "/libtvhost_panelplugin.so",
                                      "--script", FDir + "typed.script"};
        if (hotPoint)
            args.insert(args.end(), {"--command", "2", "--open", DC_SOURCE_DIR "/samples/block.qpt"});
        else
            args.insert(args.end(), {"--new", "drawing"});
        run = Tvhost(args, FDir + "log");
    }
    EXPECT_EQ(run.Code, c.Code) << run.Out;
    EXPECT_EQ(run.Out.find(*c.Told ? c.Told : "no user can") != std::string::npos, *c.Told != '\0')
        << run.Out;
    EXPECT_NE(run.Out.find(c.Shown), std::string::npos) << run.Out;
    EXPECT_EQ(run.Out.find("cannot set \"" + std::string(c.Field) + "\"") != std::string::npos, c.Refused)
        << run.Out;
    if (hotPoint) {
        EXPECT_NE(run.Out.find(c.Box), std::string::npos) << run.Out;
    }
}

INSTANTIATE_TEST_SUITE_P(Typed, TypedValueTest, ::testing::ValuesIn(TypedValues),
                         [](const ::testing::TestParamInfo<TTypedValue>& p) { return p.param.Name; });

// ---- what a run will not save over, and a library that is no regular file ----------------

namespace {

// A save target of the chain plug-in run from a folder of its own: `Target` names the file (or
// the link made to it as `Link`) that the run holds.
struct THeldTarget {
    const char* Name;
    const char* Target;
    const char* Link; // "" for the file itself, else "sym" or "hard"
    const char* Why;
};
void PrintTo(const THeldTarget& c, std::ostream* os)
{
    *os << c.Name;
}

const THeldTarget HeldTargets[] = {
    {"ThePlugin", "libDimChain.plx", "", "it is the library being run"},
    {"ALinkToThePlugin", "libDimChain.plx", "sym", "it is the library being run"},
    {"AHardLinkToTheElementLibrary", "ZelCoupling.tb", "hard", "the run has it open"},
    {"TheScript", "play.script", "", "it is the script being played"},
};

class HeldSaveTargetTest : public TvhostRunTest, public ::testing::WithParamInterface<THeldTarget> {};

} // namespace

TEST_P(HeldSaveTargetTest, IsRefusedAndStaysAsItWas)
{
    const THeldTarget& c = GetParam();
    for (const char* file : {"libDimChain.plx", "ZelCoupling.tb"})
        fs::copy_file(std::string(DC_BINARY_DIR "/") + file, FDir + file);
    std::ofstream(FDir + "play.script") << "cancel\n";
    std::string target = FDir + c.Target;
    if (*c.Link == 's') fs::create_symlink(target, FDir + "link"), target = FDir + "link";
    if (*c.Link == 'h') fs::create_hard_link(target, FDir + "link"), target = FDir + "link";
    const std::string before = specialfiles::Bytes(target);
    const TRun run = Tvhost({"run", "--plugin", FDir + "libDimChain.plx", "--open", FDir + "chain.qdr",
                             "--script", FDir + "play.script", "--save", target},
                            FDir + "log");
    EXPECT_EQ(run.Code, 3) << run.Out;
    EXPECT_NE(run.Out.find("tvhost: will not save over " + target + ": " + c.Why + "\n"), std::string::npos)
        << run.Out;
    EXPECT_TRUE(specialfiles::Bytes(target) == before) << "the file was written over";
}

INSTANTIATE_TEST_SUITE_P(Held, HeldSaveTargetTest, ::testing::ValuesIn(HeldTargets),
                         [](const ::testing::TestParamInfo<THeldTarget>& p) { return p.param.Name; });

namespace {

// A picture of the chain plug-in's run aimed at a file the run reads, or a hard link to it: on the
// drawing it is taken when the script ends, on the assembly after the command.
struct THeldPicture {
    const char* Name;
    const char* Doc;
    const char* Target;
    bool HardLink;
    const char* Why;
};
void PrintTo(const THeldPicture& c, std::ostream* os)
{
    *os << c.Name;
}

const THeldPicture HeldPictures[] = {
    {"ThePlugin", "chain.qdr", "libDimChain.plx", false, "it is the library being run"},
    {"AHardLinkToTheElementLibrary", "chain.qdr", "ZelCoupling.tb", true, "the run has it open"},
    {"TheScript", "chain.qdr", "play.script", false, "it is the script being played"},
    {"TheDrawingOpened", "chain.qdr", "chain.qdr", false, "it is a document the run opened"},
    {"AHardLinkToAPartOfTheAssemblyOpened", "chain.qas", "chain-shaft.qpt", true,
     "it is the component chain-shaft.qpt of an assembly the run opened"},
};

class HeldPictureTest : public TvhostRunTest, public ::testing::WithParamInterface<THeldPicture> {};

} // namespace

TEST_P(HeldPictureTest, IsRefusedAndStaysAsItWas)
{
    const THeldPicture& c = GetParam();
    CopySamples(FDir, FDir);
    std::ofstream(FDir + "play.script") << "cancel\n";
    std::string target = FDir + c.Target;
    if (c.HardLink) fs::create_hard_link(target, FDir + "link"), target = FDir + "link";
    const std::string before = specialfiles::Bytes(target);
    const TRun run = Tvhost({"run", "--plugin", FDir + "libDimChain.plx", "--open", FDir + c.Doc, "--script",
                             FDir + "play.script", "--png", target},
                            FDir + "log");
    if (run.Out.find("no offscreen view") != std::string::npos) GTEST_SKIP() << run.Out;
    EXPECT_EQ(run.Code, 3) << run.Out;
    EXPECT_NE(run.Out.find("tvhost: will not save the picture over " + target + ": " + c.Why + "\n"),
              std::string::npos)
        << run.Out;
    EXPECT_TRUE(specialfiles::Bytes(target) == before) << "the file was written over";
}

INSTANTIATE_TEST_SUITE_P(Held, HeldPictureTest, ::testing::ValuesIn(HeldPictures),
                         [](const ::testing::TestParamInfo<THeldPicture>& p) { return p.param.Name; });

namespace {

// A library given as what is no regular file: a FIFO (no writer ever comes), a link to a device.
class SpecialPluginTest : public TvhostRunTest, public ::testing::WithParamInterface<const char*> {};

} // namespace

TEST_P(SpecialPluginTest, IsRefusedAtOnce)
{
    const std::string plugin = FDir + "plugin.so";
    const bool fifo = std::string_view(GetParam()) == "Fifo";
    if (fifo)
        ASSERT_TRUE(specialfiles::MakeFifo(plugin));
    else
        fs::create_symlink("/dev/zero", plugin);
    ::alarm(60); // a run that waits fails the test instead of hanging it
    const TRun run = Tvhost({"run", "--plugin", plugin}, FDir + "log");
    ::alarm(0);
    EXPECT_EQ(run.Code, 1);
    EXPECT_EQ(run.Out,
              "tvhost: cannot load " + plugin + ": is a " + (fifo ? "FIFO" : "character device") + "\n");
}

INSTANTIATE_TEST_SUITE_P(Special, SpecialPluginTest, ::testing::Values("Fifo", "LinkToADevice"));

// ---- names followed as the system follows them --------------------------------------------

namespace {

// In a folder of its own, x/plug holds the chain plug-in and its element library, x/d the sample
// assembly and its parts, and s is a link to x/y: s/.. is x, as the system takes it, not the
// folder itself. An argument starting with "@" names a file from that folder. The run's code and
// a line it shows; a file it saved (opened again), or one it must leave as it was.
struct TFollowedPath {
    const char* Name;
    std::vector<std::string> Args;
    int Code;
    const char* Shown;
    const char* Reopened;
    const char* Kept;
};
void PrintTo(const TFollowedPath& c, std::ostream* os)
{
    *os << c.Name;
}

const TFollowedPath FollowedPaths[] = {
    // The plug-in is loaded from x/plug and finds its element library there.
    {"PluginThroughALinkAndUp",
     {"run", "--plugin", "@s/../plug/libDimChain.plx", "--open", "@x/d/chain.qas", "--save",
      "@x/plug/ZelCoupling.tb"},
     3,
     "the run has it open",
     "",
     "x/plug/ZelCoupling.tb"},
    {"AssemblyOpenedThroughALinkAndUp",
     {"run", "--plugin", "@x/plug/libDimChain.plx", "--open", "@s/../d/chain.qas", "--save", "@out.qas"},
     0,
     "tvhost: saved",
     "out.qas",
     ""},
    {"AssemblySavedThroughALinkAndUp",
     {"run", "--plugin", "@x/plug/libDimChain.plx", "--open", "@x/d/chain.qas", "--save", "@s/../d/new.qas"},
     0,
     "tvhost: saved",
     "x/d/new.qas",
     ""},
    {"AssemblyExportedThroughALinkAndUpOntoItsPart",
     {"export", "--svg", "@s/../d/chain.qas", "@x/d/chain-shaft.qpt"},
     2,
     "its component chain-shaft.qpt",
     "",
     "x/d/chain-shaft.qpt"},
};

class FollowedPathTest : public TvhostRunTest, public ::testing::WithParamInterface<TFollowedPath> {};

} // namespace

TEST_P(FollowedPathTest, NamesTheFileTheSystemFinds)
{
    const TFollowedPath& c = GetParam();
    fs::create_directories(FDir + "x/y");
    fs::create_directories(FDir + "x/plug");
    fs::create_directories(FDir + "x/d");
    fs::create_directory_symlink("x/y", FDir + "s");
    CopySamples(FDir + "x/plug/", FDir + "x/d/");
    std::vector<std::string> args = c.Args;
    for (std::string& a : args)
        if (a[0] == '@') a = FDir + a.substr(1);
    const std::string kept = *c.Kept ? specialfiles::Bytes(FDir + c.Kept) : "";
    const TRun run = Tvhost(args, FDir + "log");
    EXPECT_EQ(run.Code, c.Code) << run.Out;
    EXPECT_NE(run.Out.find(c.Shown), std::string::npos) << run.Out;
    if (*c.Kept) {
        EXPECT_TRUE(specialfiles::Bytes(FDir + c.Kept) == kept) << "the file was written over";
    }
    if (*c.Reopened) {
        const TRun reopened = Tvhost({"export", "--dimensions", FDir + c.Reopened}, FDir + "log");
        EXPECT_EQ(reopened.Code, 0) << reopened.Out;
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, FollowedPathTest, ::testing::ValuesIn(FollowedPaths),
                         [](const ::testing::TestParamInfo<TFollowedPath>& p) { return p.param.Name; });

// ---- an output's folder swapped for a link at each step of the write ---------------------

namespace {

// The run's plug-in in x/plug, the sample drawing in x/p, the output named in x/d (made when
// `Folder` is set). At step N of the output (its folder opened, checked, each chunk written),
// the test build moves x/d to x/d.was and puts a link to `SwapTo` in its place. Written by name
// again, the output would replace the file of that name there.
struct TSwapCase {
    const char* Name;
    std::vector<std::string> Args; // "@" names a file from the test's folder
    bool Folder;                   // whether x/d is there at the start
    const char* SwapTo;
    const char* Kept;    // what the run must leave as it was
    const char* Written; // where the output lands: the folder as it was opened
};
void PrintTo(const TSwapCase& c, std::ostream* os)
{
    *os << c.Name;
}

// The run that writes `output` (--save or --png) into x/d.
std::vector<std::string> RunArgs(const char* output)
{
    return {"run",
            "--plugin",
            "@x/plug/libDimChain.plx",
            "--open",
            "@x/p/chain.qdr",
            "--script",
            "@x/p/cancel.script",
            output,
            "@x/d/libDimChain.plx"};
}
const std::vector<std::string> SaveArgs = RunArgs("--save");
const std::vector<std::string> PictureArgs = RunArgs("--png");
const std::vector<std::string> ExportArgs{"export", "--svg", "@x/p/chain.qdr", "@x/d/chain.qdr"};

const TSwapCase SwapCases[] = {
    {"SaveOntoThePlugin", SaveArgs, true, "plug", "x/plug/libDimChain.plx", "x/d.was/libDimChain.plx"},
    {"SaveIntoAFolderNotThere", SaveArgs, false, "plug", "x/plug/libDimChain.plx", ""},
    {"PictureOntoThePlugin", PictureArgs, true, "plug", "x/plug/libDimChain.plx", "x/d.was/libDimChain.plx"},
    {"PictureIntoAFolderNotThere", PictureArgs, false, "plug", "x/plug/libDimChain.plx", ""},
    {"ExportOntoTheDrawing", ExportArgs, true, "p", "x/p/chain.qdr", "x/d.was/chain.qdr"},
    {"ExportIntoAFolderNotThere", ExportArgs, false, "p", "x/p/chain.qdr", ""},
};

class SwappedFolderTest : public TvhostRunTest, public ::testing::WithParamInterface<TSwapCase> {
protected:
    // Runs `program` with the swap asked for at `step`, x/d as the case starts it.
    TRun RunSwapped(const std::string& program, int step)
    {
        const TSwapCase& c = GetParam();
        fs::remove_all(FDir + "x/d");
        fs::remove_all(FDir + "x/d.was");
        if (c.Folder) fs::create_directories(FDir + "x/d");
        std::vector<std::string> args = c.Args;
        for (std::string& a : args)
            if (a[0] == '@') a = FDir + a.substr(1);
        ::setenv("TVHOST_TEST_SWAP_FOLDER", (FDir + "x/" + c.SwapTo).c_str(), 1);
        ::setenv("TVHOST_TEST_SWAP_STEP", std::to_string(step).c_str(), 1);
        const TRun run = Tvhost(args, FDir + "log", program);
        ::unsetenv("TVHOST_TEST_SWAP_FOLDER");
        ::unsetenv("TVHOST_TEST_SWAP_STEP");
        return run;
    }
};

} // namespace

TEST_P(SwappedFolderTest, NeverRedirectsTheWrite)
{
    const TSwapCase& c = GetParam();
    for (const char* folder : {"x/plug/", "x/p/"})
        fs::create_directories(FDir + folder);
    CopySamples(FDir + "x/plug/", FDir + "x/p/");
    fs::copy_file(FDir + "chain.qdr", FDir + "x/p/chain.qdr");
    std::ofstream(FDir + "x/p/cancel.script") << "cancel\n";
    const std::string kept = specialfiles::Bytes(FDir + c.Kept);
    int step = 0;
    for (;; ++step) {
        SCOPED_TRACE("swapped at step " + std::to_string(step));
        const TRun run = RunSwapped(DC_BINARY_DIR "/tvhost-test-swap", step);
        if (run.Out.find("no offscreen view") != std::string::npos) GTEST_SKIP() << run.Out;
        if (run.Out.find("tvhost: test: swapped") == std::string::npos || step > 200) break;
        ASSERT_TRUE(specialfiles::Bytes(FDir + c.Kept) == kept) << "the write went through the link\n"
                                                                << run.Out;
        if (step == 0) {
            // The link was there before the folder was opened: the check sees what it leads to.
            EXPECT_NE(run.Code, 0) << run.Out;
        } else if (c.Folder) {
            EXPECT_EQ(run.Code, 0) << run.Out;
            EXPECT_TRUE(fs::is_regular_file(FDir + c.Written)) << run.Out;
        } else {
            EXPECT_NE(run.Code, 0) << run.Out;
            EXPECT_NE(run.Out.find(": cannot open the folder " + FDir + "x/d/: No such file or directory\n"),
                      std::string::npos)
                << run.Out;
        }
    }
    // Opened, checked and at least one chunk written when the folder is there.
    EXPECT_GE(step, c.Folder ? 4 : 2);
    // The shipped program has no such hook: the user's folder stays as it is.
    const TRun shipped = RunSwapped(DC_BINARY_DIR "/tvhost", 2);
    EXPECT_FALSE(fs::is_symlink(FDir + "x/d")) << shipped.Out;
    EXPECT_FALSE(fs::exists(FDir + "x/d.was")) << shipped.Out;
    EXPECT_EQ(shipped.Code, c.Folder ? 0 : 3) << shipped.Out;
}

INSTANTIATE_TEST_SUITE_P(Swapped, SwappedFolderTest, ::testing::ValuesIn(SwapCases),
                         [](const ::testing::TestParamInfo<TSwapCase>& p) { return p.param.Name; });

// ---- the program and the host library a run is made of ------------------------------------

namespace {

// A copy of tvhost and of its host library in x/bin, run from there; the output names one of them.
struct TOwnFileCase {
    const char* Name;
    const char* Output; // "--save", "--png" or "export"
    const char* Target;
    const char* Said;
};
void PrintTo(const TOwnFileCase& c, std::ostream* os)
{
    *os << c.Name;
}

const TOwnFileCase OwnFiles[] = {
    {"SaveOntoTheProgram", "--save", "tvhost", "will not save over @: it is the program running"},
    {"SaveOntoTheHostLibrary", "--save", "libtvhost.so",
     "will not save over @: it is the host library in use"},
    {"PictureOntoTheHostLibrary", "--png", "libtvhost.so",
     "will not save the picture over @: it is the host library in use"},
    {"ExportOntoTheProgram", "export", "tvhost", "onto @: it is the program running"},
};

class OwnFileTest : public TvhostRunTest, public ::testing::WithParamInterface<TOwnFileCase> {};

} // namespace

TEST_P(OwnFileTest, IsRefusedAndStaysAsItWas)
{
    const TOwnFileCase& c = GetParam();
    const std::string bin = FDir + "bin/";
    fs::create_directories(bin);
    for (const char* file : {"tvhost", "libtvhost.so"})
        fs::copy_file(std::string(DC_BINARY_DIR "/") + file, bin + file);
    std::ofstream(FDir + "cancel.script") << "cancel\n";
    const std::string target = bin + c.Target;
    const std::string before = specialfiles::Bytes(target);
    std::vector<std::string> args{"export", "--svg", FDir + "chain.qdr", target};
    if (std::string_view(c.Output) != "export")
        args = {"run",
                "--plugin",
                DC_BINARY_DIR "/libDimChain.plx",
                "--open",
                FDir + "chain.qdr",
                "--script",
                FDir + "cancel.script",
                c.Output,
                target};
    const char* const was = std::getenv("LD_LIBRARY_PATH");
    const std::string path = was ? std::string(was) : std::string();
    ::setenv("LD_LIBRARY_PATH", bin.c_str(), 1); // the copy's library before the one it was linked with
    const TRun run = Tvhost(args, FDir + "log", bin + "tvhost");
    if (was)
        ::setenv("LD_LIBRARY_PATH", path.c_str(), 1);
    else
        ::unsetenv("LD_LIBRARY_PATH");
    if (run.Out.find("no offscreen view") != std::string::npos) GTEST_SKIP() << run.Out;
    std::string said = c.Said;
    said.replace(said.find('@'), 1, target);
    EXPECT_NE(run.Out.find(said), std::string::npos) << run.Out;
    EXPECT_NE(run.Code, 0);
    EXPECT_TRUE(specialfiles::Bytes(target) == before) << "the file was written over";
}

INSTANTIATE_TEST_SUITE_P(Own, OwnFileTest, ::testing::ValuesIn(OwnFiles),
                         [](const ::testing::TestParamInfo<TOwnFileCase>& p) { return p.param.Name; });

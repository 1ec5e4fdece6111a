// Processes of the stand-in host: Run plays the session's script into the property-manager,
// process and frame events, and ends when the process stops, on an OK or Cancel answered
// true, or (as a cancel) when the script runs out.

#include "HostProcess.h"

#include <gtest/gtest.h>

#include <cstring>
#include <istream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "HostFixture.h"
#include "HostScript.h"

using namespace tvapi;

class HostProcessTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        const IProcessFactoryPtr factory(Application());
        Param = factory->CreateProcessParam();
        Process = factory->CreateProcess2D(Param);
        Events = Param->GetEvents();
    }
    void TearDown() override
    {
        Events.Reset();
        Process.Reset();
        Param.Reset();
        HostFixture::TearDown();
    }
    void Load(const std::string& text)
    {
        std::string error;
        ASSERT_TRUE(tvhost::Script().Load(text, error)) << error;
    }

    IProcessParamPtr Param;
    IProcess2DPtr Process;
    IPropertiesManagerEventsPtr Events;
    std::vector<std::string> Calls;
};

TEST_F(HostProcessTest, OkAnsweredTrueEndsTheRunAndLeavesTheRest)
{
    Events->AdviseButtonClick(L"p", [&](int id) {
        Calls.push_back("button " + std::to_string(id));
        return id == 1;
    });
    // A script presses only the buttons the panel has.
    Param->AddButton(5, 0, L"five", L"");
    Load("button 5\ncancel  # refused\nok\nbutton 6\n");
    EXPECT_EQ(Process->Run(true, false), 1);
    EXPECT_EQ(Calls, (std::vector<std::string>{"button 5", "button 2", "button 1"}));
    EXPECT_EQ(tvhost::Script().Pending(), 1u);
}

TEST_F(HostProcessTest, AnEmptyScriptEndsAsACancel)
{
    Events->AdviseButtonClick(L"p", [&](int id) {
        Calls.push_back("button " + std::to_string(id));
        return false;
    });
    EXPECT_EQ(Process->Run(true, false), 0);
    EXPECT_EQ(Calls, std::vector<std::string>{"button 2"});
}

TEST_F(HostProcessTest, AStopDuringTheRunEndsIt)
{
    const IProcess2DEventsPtr events2D = Process->GetEvents2D();
    events2D->AdvisePlacementChanged(L"p", [&](double x, double y, double, bool dynamic) {
        Calls.push_back((dynamic ? "move " : "click ") + std::to_string(int(x)) + " " +
                        std::to_string(int(y)));
        if (!dynamic) {
            Process->Stop();
            Process->EndProcess();
        }
        return true;
    });
    Load("move 1 2\nclick 3 4\nmove 5 6\n");
    EXPECT_EQ(Process->Run(false, false), 0);
    EXPECT_EQ(Calls, (std::vector<std::string>{"move 1 2", "click 3 4"}));
    EXPECT_EQ(tvhost::Script().Pending(), 1u);
}

TEST_F(HostProcessTest, SetChangesTheControlAndReportsTheChange)
{
    const IPropertyControlsPtr controls = Param->GetPropertyTabs()->Add(L"T")->GetControls();
    const IPropertyEditPtr edit(controls->Add(tvControlEditReal));
    edit->SetCaption(L"Допуск");
    const IPropertyListPtr list(controls->Add(tvControlListStr));
    list->SetCaption(L"Метод");
    list->SetTextItems({L"a", L"b"});
    Events->AdviseChangeControlValue(L"p", [&](IPropertyControlPtr c) {
        if (IPropertyEditPtr e{c}) Calls.push_back("edit " + std::to_string(e->GetRealValue()));
        if (IPropertyListPtr l{c}) Calls.push_back("list " + std::to_string(l->GetCurrentIndex()));
    });
    Load("set \"Допуск\" 0.25\nset \"Метод\" b\nset \"Метод\" 0\nset \"Метод\" 5\n");
    std::ostringstream out;
    tvhost::Script().SetOutput(&out);
    Process->Run(true, false);
    tvhost::Script().SetOutput(nullptr);
    // A row's number is no label.
    EXPECT_EQ(Calls, (std::vector<std::string>{"edit 0.250000", "list 1"}));
    EXPECT_EQ(out.str(), "script line 3: cannot set \"Метод\"\nscript line 4: cannot set \"Метод\"\n");
}

// What the panel hides - a control, a tab, a point with its coordinates - no user can set: the
// line is refused and counted, the value stays; a shown control of the same caption is set.
TEST_F(HostProcessTest, SetReachesOnlyWhatThePanelShows)
{
    const IPropertyTabPtr hiddenTab = Param->GetPropertyTabs()->Add(L"H");
    hiddenTab->SetVisible(false);
    const IPropertyEditPtr inHiddenTab(hiddenTab->GetControls()->Add(tvControlEditReal));
    inHiddenTab->SetCaption(L"Шаг");
    const IPropertyControlsPtr controls = Param->GetPropertyTabs()->Add(L"T")->GetControls();
    const IPropertyPoint3DPtr point(controls->Add(tvControlPoint3D));
    point->GetEdit(0)->SetCaption(L"X");
    point->SetVisible(false);
    const IPropertyEditPtr hidden(controls->Add(tvControlEditReal)), shown(controls->Add(tvControlEditReal));
    hidden->SetCaption(L"Допуск");
    hidden->SetVisible(false);
    shown->SetCaption(L"Допуск");
    Load("set \"Шаг\" 1\nset \"X\" 2\nset \"Допуск\" 3\n");
    std::ostringstream out;
    tvhost::Script().SetOutput(&out);
    Process->Run(true, false);
    tvhost::Script().SetOutput(nullptr);
    EXPECT_EQ(out.str(), "script line 1: no user can set \"Шаг\": the panel hides it\n"
                         "script line 2: no user can set \"X\": the panel hides it\n");
    EXPECT_EQ(tvhost::Script().TakeUnreachable(), 2);
    EXPECT_EQ(inHiddenTab->GetRealValue(), 0.0);
    EXPECT_EQ(point->GetEdit(0)->GetRealValue(), 0.0);
    EXPECT_EQ(hidden->GetRealValue(), 0.0);
    EXPECT_EQ(shown->GetRealValue(), 3.0);
}

// A list of numbers and words as a script sets it: a label as it stands, or as the same number
// with a point or a comma; anything else, a row's number too, is refused and the list keeps
// its row.
struct TListSetCase {
    const char* Name;
    const char* Typed;
    int Row; // -1: refused
};
void PrintTo(const TListSetCase& c, std::ostream* os)
{
    *os << c.Name;
}
class HostListSetTest : public HostProcessTest, public ::testing::WithParamInterface<TListSetCase> {};

TEST_P(HostListSetTest, MatchesALabelOrIsRefused)
{
    const IPropertyListPtr list(Param->GetPropertyTabs()->Add(L"T")->GetControls()->Add(tvControlListStr));
    list->SetCaption(L"Риск");
    list->SetTextItems({L"2,1", L"0.27", L"1.0", L"Нет"});
    list->SetCurrentIndex(3);
    Load(std::string("set \"Риск\" ") + GetParam().Typed + "\n");
    std::ostringstream out;
    tvhost::Script().SetOutput(&out);
    Process->Run(true, false);
    tvhost::Script().SetOutput(nullptr);
    const int row = GetParam().Row;
    EXPECT_EQ(list->GetCurrentIndex(), row < 0 ? 3 : row);
    EXPECT_EQ(out.str(), row < 0 ? "script line 1: cannot set \"Риск\"\n" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Labels, HostListSetTest,
    ::testing::Values(TListSetCase{"LabelAsItStands", "0.27", 1}, TListSetCase{"LabelWithAComma", "0,27", 1},
                      TListSetCase{"WholeNumberOfALabel", "1", 2},
                      TListSetCase{"CommaLabelWithAPoint", "2.10", 0}, TListSetCase{"Word", "Нет", 3},
                      TListSetCase{"RowNumber", "0", -1}, TListSetCase{"NumberOfNoLabel", "5", -1},
                      TListSetCase{"NoNumber", "0,2,7", -1}),
    [](const ::testing::TestParamInfo<TListSetCase>& p) { return std::string(p.param.Name); });

TEST_F(HostProcessTest, GridSelectAndEditReachTheGrid)
{
    const IPropertyControlsPtr controls = Param->GetPropertyTabs()->Add(L"T")->GetControls();
    const IPropertyGridPtr grid(controls->Add(tvControlGrid));
    grid->SetColumnCount(3);
    grid->SetRowCount(3);
    Events->AdviseSelectItem(L"p", [&](IPropertyControlPtr, int index, bool) {
        Calls.push_back("select " + std::to_string(index));
    });
    Events->AdviseChangeControlValue(L"p", [&](IPropertyControlPtr c) {
        const IPropertyGridPtr g(c);
        Calls.push_back("edit " + std::to_string(g->GetCurrentRow()) + " " +
                        std::to_string(g->GetCurrentColumn()));
    });
    Load("select 1 2\nedit 2 1 0,5 мм\n");
    Process->Run(true, false);
    // An edit clicks its cell first, as a user does before typing: the panel may lock the grid
    // on that click.
    EXPECT_EQ(Calls, (std::vector<std::string>{"select 513", "select 258", "edit 2 1"}));
    EXPECT_EQ(grid->GetCellText(2, 1), L"0,5 мм");
}

TEST_F(HostProcessTest, CommandFindsTheControlByButtonTip)
{
    const IPropertyControlsPtr controls = Param->GetPropertyTabs()->Add(L"T")->GetControls();
    const IPropertyControlPtr edit = controls->Add(tvControlEditStr);
    edit->AddButton(4, 100, L"Очистить", L"");
    Events->AdviseControlCommand(L"p", [&](IPropertyControlPtr c, int button) {
        Calls.push_back(std::string(c == edit ? "edit" : "other") + " " + std::to_string(button));
    });
    Load("command \"Очистить\" 4\n");
    Process->Run(true, false);
    EXPECT_EQ(Calls, std::vector<std::string>{"edit 4"});
}

TEST_F(HostProcessTest, AnswersQueueForMessageBoxes)
{
    Load("answer 7\n");
    Process->Run(true, false);
    EXPECT_EQ(Host().App().PendingAnswers(), 1u);
}

TEST(TScriptTest, BadLinesAreRefusedWithTheirNumber)
{
    tvhost::TScript script;
    std::string error;
    EXPECT_FALSE(script.Load("ok\nmove 1\n", error));
    EXPECT_EQ(error, "line 2: cannot read \"move 1\"");
    EXPECT_TRUE(script.Empty()) << "a bad script queues nothing";
    EXPECT_FALSE(script.Load("set \"open 1\n", error));
    EXPECT_EQ(error, "line 1: unclosed quote");
    EXPECT_TRUE(script.Load("# only a comment\n\nshow\n", error));
    EXPECT_EQ(script.Pending(), 1u);
}

TEST(TScriptTest, AnOpenedScriptIsCheckedWholeThenPlaysInItsPlace)
{
    tvhost::TScript script;
    std::string error;
    EXPECT_FALSE(script.Open(std::make_unique<std::istringstream>("show\nselect 1 256\n"), error));
    EXPECT_EQ(error, "line 2: column 256 is outside 0..255 in \"select 1 256\"");
    EXPECT_TRUE(script.Empty());
    struct TPipe : std::streambuf { // cannot seek, as a FIFO
        explicit TPipe(char* text) { setg(text, text, text + std::strlen(text)); }
    };
    char show[] = "show\n";
    TPipe pipe(show);
    EXPECT_FALSE(script.Open(std::make_unique<std::istream>(&pipe), error));
    EXPECT_EQ(error, "cannot be read twice: not a regular file");
    ASSERT_TRUE(script.Load("answer 1\n", error));
    ASSERT_TRUE(script.Open(std::make_unique<std::istringstream>("answer 2\n\nanswer 3\n"), error));
    ASSERT_TRUE(script.Load("answer 4\n", error));
    std::vector<std::string> played; // answer, then line
    while (const auto a = script.Take())
        played.push_back(std::to_string(a->N) + "@" + std::to_string(a->Line));
    EXPECT_EQ(played, (std::vector<std::string>{"1@1", "2@1", "3@3", "4@1"}));
}

TEST_F(HostProcessTest, TheFrameOfADocumentIsOneObject)
{
    const ITervanDocumentPtr doc = Application()->GetDocuments()->Add(tvDocumentDrawing, true);
    const IProcessFactoryPtr factory(Application());
    const IDocumentFramePtr a = factory->GetDocumentFrame(doc);
    const IDocumentFramePtr b = factory->GetDocumentFrame(doc);
    EXPECT_TRUE(a);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(factory->GetDocumentFrame({}));
}

// Moves reach a 2D process only while dynamic placement is on; clicks always do.
TEST_F(HostProcessTest, MovesAreReportedOnlyWithDynamicPlacement)
{
    const IProcess2DPtr& process = Process;
    std::vector<std::string> placements;
    process->GetEvents2D()->AdvisePlacementChanged(L"t", [&](double x, double, double, bool dynamic) {
        placements.push_back(std::string(dynamic ? "move " : "click ") + std::to_string(int(x)));
        return true;
    });
    process->SetDynamicPlacement(false);
    Load("move 1 0\nclick 2 0\n");
    process->Run(true, false);
    process->SetDynamicPlacement(true);
    Load("move 3 0\n");
    process->Run(true, false);
    EXPECT_EQ(placements, (std::vector<std::string>{"click 2", "move 3"}));
    process->GetEvents2D()->Unadvise(L"t");
}

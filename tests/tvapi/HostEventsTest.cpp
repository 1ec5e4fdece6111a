// Event sources of the stand-in host: one callback per event and name, replacement on
// re-registration, idempotent unsubscription and dispatch that survives handlers which
// unsubscribe themselves or others.

#include "HostEvents.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostFixture.h"
#include "HostProcess.h"

using tvapi::IPressedKeysPtr;

class HostEventsTest : public HostFixture {};

TEST_F(HostEventsTest, ReRegisteringUnderANameReplacesItsCallback)
{
    auto events = tvhost::New<tvhost::THostFrameEvents>();
    std::vector<std::string> calls;
    events->AdviseMouseMove(L"a", [&](IPressedKeysPtr, int x, int) {
        calls.push_back("first " + std::to_string(x));
        return false;
    });
    events->AdviseMouseMove(L"a", [&](IPressedKeysPtr, int x, int) {
        calls.push_back("second " + std::to_string(x));
        return true;
    });
    EXPECT_EQ(events->Subscribers<tvhost::THostFrameEvents::eMouseMove>(), 1u);
    EXPECT_TRUE(events->MouseMove({}, 7, 0));
    EXPECT_EQ(calls, std::vector<std::string>{"second 7"});
}

TEST_F(HostEventsTest, UnadviseDropsOnlyThatNameAndMayBeRepeated)
{
    auto events = tvhost::New<tvhost::THostPropertiesManagerEvents>();
    int a = 0;
    int b = 0;
    events->AdviseButtonClick(L"a", [&](int) { return ++a > 0; });
    events->AdviseChangeControlValue(L"a", [&](tvapi::IPropertyControlPtr) { ++a; });
    events->AdviseButtonClick(L"b", [&](int) { return ++b < 0; });
    EXPECT_EQ(events->EventsOf(L"a"), (std::vector<int>{0, 1}));
    events->Unadvise(L"a");
    events->Unadvise(L"a");
    events->Unadvise(L"nobody");
    EXPECT_TRUE(events->EventsOf(L"a").empty());
    EXPECT_FALSE(events->ButtonClick(1)) << "only b answers, and b answers false";
    events->ChangeControlValue({});
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(Journal().Count("IPropertiesManagerEvents::Unadvise"), 3u);
}

TEST_F(HostEventsTest, AnEventWithoutSubscribersAnswersFalse)
{
    auto events = tvhost::New<tvhost::THostApplicationEvents>();
    int key = 65;
    EXPECT_FALSE(events->KeyDown(key, 0, {}));
    events->AdviseKeyDown(L"k", [](int& code, int, IPressedKeysPtr) {
        code = 13; // handlers may rewrite the key
        return true;
    });
    EXPECT_TRUE(events->KeyDown(key, 0, {}));
    EXPECT_EQ(key, 13);
}

// A handler that unsubscribes another name during dispatch: the other is not called any more,
// though the dispatch runs over the list as it was.
TEST_F(HostEventsTest, AHandlerMayUnsubscribeDuringDispatch)
{
    auto events = tvhost::New<tvhost::THostProcess2DEvents>();
    std::vector<std::string> calls;
    events->AdvisePlacementChanged(L"first", [&](double, double, double, bool) {
        calls.push_back("first");
        events->Unadvise(L"first");
        events->Unadvise(L"second");
        return true;
    });
    events->AdvisePlacementChanged(L"second", [&](double, double, double, bool) {
        calls.push_back("second");
        return true;
    });
    events->AdvisePlacementChanged(L"third", [&](double x, double, double, bool dynamic) {
        calls.push_back("third " + std::to_string(int(x)) + (dynamic ? " dynamic" : ""));
        return false;
    });
    EXPECT_FALSE(events->PlacementChanged(3, 4, 0, true)) << "the last callback answers";
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "third 3 dynamic"}));
    EXPECT_EQ(events->Subscriptions(), 1u);
}

TEST_F(HostEventsTest, RegistrationsAreJournaledWithTheirNames)
{
    auto events = tvhost::New<tvhost::THostProcess3DEvents>();
    events->AdvisePlacementChanged(L"R", [](tvapi::ITervanAPIObjectPtr) { return true; });
    events->AdviseFilterObjects(L"R", [](tvapi::ITervanAPIObjectPtr) { return true; });
    const auto lines = Journal().Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "IProcess3DEvents::AdvisePlacementChanged(R)");
    EXPECT_EQ(lines[1], "IProcess3DEvents::AdviseFilterObjects(R)");
}

TEST_F(HostEventsTest, AFailingRegistrationKeepsNothing)
{
    auto events = tvhost::New<tvhost::THostManipulatorsEvents>();
    InjectFault("IProcess3DManipulatorsEvents::AdviseEndDragManipulator");
    events->AdviseEndDragManipulator(L"m", [](int, tvapi::tvManipulatorPrimitiveEnum) { return true; });
    EXPECT_EQ(events->Subscriptions(), 0u);
    EXPECT_FALSE(events->EndDragManipulator(1, tvapi::tvMPAxisX));
}

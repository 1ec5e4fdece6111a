// The stand-in host fixture.
#include "HostFixture.h"

#include "HostScript.h"

void HostFixture::SetUp()
{
    FLiveAtStart = tvhost::THostObject::LiveObjects();
    FHost = std::make_unique<tvhost::THost>();
    FHost->Journal().SetRecording(true); // the tests read it
}

void HostFixture::TearDown()
{
    // A script line that asked what no user can do was refused: a test that means it takes the count.
    EXPECT_EQ(tvhost::Script().TakeUnreachable(), 0) << "a script asked what no user can do";
    FHost.reset();
    EXPECT_EQ(tvhost::THostObject::LiveObjects(), FLiveAtStart) << "host objects outlived the test";
}

void HostFixture::ScriptAnswers(std::initializer_list<int> answers)
{
    for (int answer : answers)
        FHost->App().PushAnswer(answer);
}

void HostFixture::InjectFault(std::string_view op, tvhost::TFaultKind kind)
{
    FHost->Faults().Arm(op, kind);
}

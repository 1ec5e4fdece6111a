// The stand-in host fixture.
#include "HostFixture.h"

void HostFixture::SetUp()
{
    FLiveAtStart = tvhost::THostObject::LiveObjects();
    FHost = std::make_unique<tvhost::THost>();
    FHost->Journal().SetRecording(true); // the tests read it
}

void HostFixture::TearDown()
{
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

// The host fixture notices host objects that outlive a test.
#include "HostFixture.h"

#include <gtest/gtest-spi.h>

namespace {

class ProbeFixture : public HostFixture {
public:
    void TestBody() override {}
    using HostFixture::Application;
    using HostFixture::SetUp;
    using HostFixture::TearDown;
};

tvapi::IApplicationPtr Leaked;

} // namespace

TEST(HostFixtureTest, TearDownFailsWhileAHostObjectLives)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ProbeFixture probe;
            probe.SetUp();
            Leaked = probe.Application();
            probe.TearDown();
        },
        "host objects outlived the test");
    Leaked.Reset();
    EXPECT_EQ(tvhost::THostObject::LiveObjects(), 0);

    ProbeFixture clean;
    clean.SetUp();
    EXPECT_TRUE(clean.Application());
    clean.TearDown();
}

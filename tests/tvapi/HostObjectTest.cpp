// The host object base: interface queries answer the role's interfaces only, with a
// reference for the caller; ids follow creation order; the live count follows lifetimes.
#include "HostObject.h"

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "TestShapes.h"
#include "tvapi/Application.h"
#include "tvapi/Dictionary.h"

using namespace shapes;
using tvhost::New;
using tvhost::RefCountOf;
using tvhost::THostObject;

class THostObjectTest : public HostFixture {};

TEST_F(THostObjectTest, QueryAnswersTheInterfacesOfTheRoleAndTheirParents)
{
    auto disk = New<TDisk>(1.0);
    auto box = New<TBox>(1.0, 2.0);
    struct Case {
        const char* Iid;
        bool DiskAnswers, BoxAnswers;
    };
    const Case cases[] = {{tvapi::IAPIObject::IID, true, true}, {IShape::IID, true, true},
                          {ICircle::IID, true, false},          {tvapi::IApplication::IID, false, false},
                          {"not an id", false, false},          {nullptr, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Iid ? c.Iid : "null");
        const tvapi::IAPIObjectPtr fromDisk =
            tvapi::IAPIObjectPtr::Adopt(static_cast<tvapi::IAPIObject*>(disk->QueryInterface(c.Iid)));
        const tvapi::IAPIObjectPtr fromBox =
            tvapi::IAPIObjectPtr::Adopt(static_cast<tvapi::IAPIObject*>(box->QueryInterface(c.Iid)));
        EXPECT_EQ(static_cast<bool>(fromDisk), c.DiskAnswers);
        EXPECT_EQ(static_cast<bool>(fromBox), c.BoxAnswers);
        EXPECT_EQ(RefCountOf(disk), c.DiskAnswers ? 2 : 1);
        EXPECT_EQ(RefCountOf(box), c.BoxAnswers ? 2 : 1);
    }
    // The address given is that of the interface asked for.
    void* circle = disk->QueryInterface(ICircle::IID);
    void* label = disk->QueryInterface(ILabel::IID);
    EXPECT_EQ(circle, static_cast<ICircle*>(disk.Get()));
    EXPECT_EQ(label, static_cast<ILabel*>(disk.Get()));
    EXPECT_NE(circle, label);
    EXPECT_EQ(RefCountOf(disk), 3);
    disk->Release();
    disk->Release();
}

TEST(THostObjectSessionTest, IdsRestartOnlyWhenNothingLives)
{
    ASSERT_EQ(THostObject::LiveObjects(), 0);
    {
        tvhost::THost host;
        EXPECT_EQ(host.App().Id(), 1u);
        EXPECT_FALSE(THostObject::RestartIds());
    }
    EXPECT_EQ(THostObject::LiveObjects(), 0);
    EXPECT_TRUE(THostObject::RestartIds());

    // An object kept past its host's end keeps the next host's ids from restarting.
    tvapi::IApplicationPtr kept;
    {
        tvhost::THost first;
        kept = first.Application();
    }
    tvhost::THost second;
    EXPECT_EQ(second.App().Id(), 3u);
    EXPECT_NE(tvhost::HostObjectOf(kept.Get())->Id(), second.App().Id());
}

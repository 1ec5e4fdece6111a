// The stand-in transfer service: references from 1 in the order asked, one per object
// whatever interface it is asked through, the way back, and the exported host function.
#include "HostTransfer.h"

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "TestShapes.h"

using tvhost::RefCountOf;

class THostTransferTest : public HostFixture {};

TEST_F(THostTransferTest, ReferencesNameOneObjectEachBothWays)
{
    const tvapi::ITransferServicePtr service = GetTransferService();
    ASSERT_TRUE(service);
    const shapes::ICirclePtr disk = tvhost::New<shapes::TDisk>(2.0);
    const shapes::IShapePtr box = tvhost::New<shapes::TBox>(1.0, 2.0);
    EXPECT_EQ(service->GetReference(tvapi::IAPIObjectPtr(box)), 1);
    EXPECT_EQ(service->GetReference(tvapi::IAPIObjectPtr(disk)), 2);
    // The disk asked through another of its interfaces is the same object.
    EXPECT_EQ(service->GetReference(tvapi::IAPIObjectPtr(shapes::ILabelPtr(disk))), 2);
    EXPECT_EQ(service->GetReference(nullptr), 0);

    EXPECT_TRUE(service->GetAPIObject(2, 0) == disk);
    EXPECT_TRUE(service->GetAPIObject(1, 7) == box);
    EXPECT_FALSE(service->GetAPIObject(0, 0));
    EXPECT_FALSE(service->GetAPIObject(3, 0));
    EXPECT_FALSE(service->GetAPIObject(-1, 0));
    EXPECT_EQ(RefCountOf(disk), 2); // ours and the service's
}

TEST_F(THostTransferTest, ServiceIsTheApplicationsAndKeepsObjectsUntilTheSessionEnds)
{
    const tvapi::ITransferServicePtr service = GetTransferService();
    EXPECT_TRUE(service == GetTransferService());
    EXPECT_EQ(service.Get(), static_cast<tvapi::ITransferService*>(&Host().App().Transfer()));
    {
        const shapes::IShapePtr box = tvhost::New<shapes::TBox>(1.0, 1.0);
        service->GetReference(tvapi::IAPIObjectPtr(box));
    }
    EXPECT_TRUE(shapes::IShapePtr(service->GetAPIObject(1, 0)));
    // Even the application itself: the session's end breaks that circle (TearDown checks).
    EXPECT_EQ(service->GetReference(tvapi::IAPIObjectPtr(Application())), 2);
    EXPECT_EQ(Journal().Count("GetTransferService"), 2u);

    InjectFault("GetTransferService");
    EXPECT_FALSE(GetTransferService());
    InjectFault("ITransferService::GetReference");
    EXPECT_EQ(service->GetReference(tvapi::IAPIObjectPtr(Application())), 0);
}

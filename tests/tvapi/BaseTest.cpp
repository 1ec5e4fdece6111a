// The counted interface pointer: references stay balanced through copies, moves,
// assignments and conversions; identity goes through IAPIObject.
#include "tvapi/Base.h"

#include <utility>

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "TestShapes.h"

using namespace shapes;
using tvhost::New;
using tvhost::RefCountOf;
using tvhost::THostObject;

class PtrTest : public HostFixture {};

TEST_F(PtrTest, CopiesMovesAndAssignmentsKeepTheCountsBalanced)
{
    const long live = THostObject::LiveObjects();
    ICirclePtr a(New<TDisk>(1.0));
    ICircle* disk = a.Get();
    {
        ICirclePtr b = a;
        ICirclePtr c(b);
        EXPECT_EQ(RefCountOf(a), 3);
    }
    EXPECT_EQ(RefCountOf(a), 1);
    ICirclePtr& alias = a;
    a = alias; // the only reference assigned to itself must survive
    a = std::move(alias);
    ASSERT_EQ(a.Get(), disk);
    EXPECT_EQ(RefCountOf(a), 1);

    ICirclePtr moved = std::move(a);
    EXPECT_FALSE(a);
    EXPECT_EQ(RefCountOf(moved), 1);
    ICirclePtr other(New<TDisk>(2.0));
    EXPECT_EQ(THostObject::LiveObjects(), live + 2);
    other = std::move(moved); // the object `other` held loses its only reference
    EXPECT_EQ(other.Get(), disk);
    EXPECT_EQ(RefCountOf(other), 1);
    EXPECT_EQ(THostObject::LiveObjects(), live + 1);

    ICirclePtr second(New<TDisk>(2.0));
    other = second;
    EXPECT_EQ(THostObject::LiveObjects(), live + 1);
    EXPECT_EQ(RefCountOf(second), 2);
    IShapePtr shape = other; // through ICircle's parent IShape
    shape = second;
    EXPECT_EQ(RefCountOf(second), 3);
    EXPECT_EQ(static_cast<IShape*>(second.Get()), shape.Get());

    ICircle* raw = second.Detach();
    EXPECT_FALSE(second);
    second = ICirclePtr::Adopt(raw);
    EXPECT_EQ(RefCountOf(second), 3);
    other = nullptr;
    shape = other;
    second = other;
    EXPECT_EQ(THostObject::LiveObjects(), live);
}

TEST_F(PtrTest, ConversionGivesOfferedInterfacesAndRefusesOthers)
{
    ICirclePtr disk(New<TDisk>(2.0));
    const long id = static_cast<long>(tvhost::HostObjectOf(disk.Get())->Id());
    {
        ILabelPtr label = disk;
        ASSERT_TRUE(label);
        EXPECT_EQ(label->Number(), id);
        IShapePtr shape = label;
        ASSERT_TRUE(shape);
        EXPECT_DOUBLE_EQ(shape->Area(), std::numbers::pi * 4.0);
        EXPECT_EQ(RefCountOf(disk), 3);
    }
    EXPECT_EQ(RefCountOf(disk), 1);

    IShapePtr box(New<TBox>(2.0, 3.0));
    ICirclePtr circle = box;
    EXPECT_FALSE(circle);
    EXPECT_EQ(RefCountOf(box), 1);
    disk = box; // refused: the disk is released and nothing is held
    EXPECT_FALSE(disk);
    EXPECT_FALSE(ICirclePtr(IShapePtr()));
    EXPECT_EQ(THostObject::LiveObjects(), LiveAtStart() + 3); // application, dictionary, box
}

TEST_F(PtrTest, IdentityGoesThroughTheBaseInterface)
{
    ICirclePtr disk(New<TDisk>(1.0));
    ILabelPtr label = disk;
    ICirclePtr otherDisk(New<TDisk>(1.0));
    ASSERT_NE(static_cast<const void*>(disk.Get()), static_cast<const void*>(label.Get()));
    EXPECT_TRUE(disk == label);
    EXPECT_TRUE(label == disk);
    EXPECT_TRUE(disk != otherDisk);
    EXPECT_TRUE(ICirclePtr() == ILabelPtr());
    EXPECT_FALSE(label == ICirclePtr());
    EXPECT_TRUE(disk != nullptr);
    // Both views of one object give one IAPIObject address.
    EXPECT_EQ(tvapi::IAPIObjectPtr(disk).Get(), tvapi::IAPIObjectPtr(label).Get());
    EXPECT_EQ(RefCountOf(disk), 2);
}

TEST(InterfaceIdTest, OnlyGuidTextsAreIds)
{
    const std::pair<const char*, bool> cases[] = {
        {"2c44d0e3-869a-4dda-aa0c-46a473d1a02b", true},
        {"2C44D0E3-869A-4DDA-AA0C-46A473D1A02", false},   // 35 characters
        {"2C44D0E3-869A-4DDA-AA0C-46A473D1A02BB", false}, // 37 characters
        {"2C44D0E3869A-4DDA-AA0C-46A473D1A02B-", false},  // dash moved
        {"2C44D0E3-869A-4DDA-AA0C-46A473D1A0ZB", false},  // not hexadecimal
        {"", false},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(tvapi::IsInterfaceId(text), expected) << text;
}

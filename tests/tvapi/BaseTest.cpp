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

TEST_F(PtrTest, CopyAddsAReferenceAndDestructionReleasesIt) {
    const long live = THostObject::LiveObjects();
    {
        ICirclePtr a(New<TDisk>(1.0));
        EXPECT_EQ(RefCountOf(a), 1);
        EXPECT_EQ(THostObject::LiveObjects(), live + 1);
        {
            ICirclePtr b = a;
            ICirclePtr c(b);
            EXPECT_EQ(RefCountOf(a), 3);
            EXPECT_EQ(b.Get(), a.Get());
        }
        EXPECT_EQ(RefCountOf(a), 1);
    }
    EXPECT_EQ(THostObject::LiveObjects(), live);
}

TEST_F(PtrTest, MoveHandsTheReferenceOverWithoutCounting) {
    const long live = THostObject::LiveObjects();
    ICirclePtr a(New<TDisk>(1.0));
    ICircle* disk = a.Get();
    ICirclePtr b = std::move(a);
    EXPECT_FALSE(a);
    EXPECT_EQ(b.Get(), disk);
    EXPECT_EQ(RefCountOf(b), 1);

    ICirclePtr other(New<TDisk>(2.0));
    EXPECT_EQ(THostObject::LiveObjects(), live + 2);
    other = std::move(b); // the object `other` held loses its only reference
    EXPECT_FALSE(b);
    EXPECT_EQ(other.Get(), disk);
    EXPECT_EQ(RefCountOf(other), 1);
    EXPECT_EQ(THostObject::LiveObjects(), live + 1);

    ICirclePtr& alias = other;
    other = std::move(alias);
    EXPECT_EQ(other.Get(), disk);
    EXPECT_EQ(RefCountOf(other), 1);
}

TEST_F(PtrTest, AssignmentReleasesTheOldObjectAndHoldsTheNew) {
    const long live = THostObject::LiveObjects();
    ICirclePtr a(New<TDisk>(1.0));
    ICirclePtr b(New<TDisk>(2.0));
    a = b;
    EXPECT_EQ(THostObject::LiveObjects(), live + 1);
    EXPECT_EQ(RefCountOf(b), 2);
    EXPECT_DOUBLE_EQ(a->Radius(), 2.0);

    a = nullptr;
    EXPECT_FALSE(a);
    EXPECT_EQ(RefCountOf(b), 1);
    b = a;
    EXPECT_EQ(THostObject::LiveObjects(), live);
}

TEST_F(PtrTest, AssigningTheSameObjectChangesNothing) {
    ICirclePtr a(New<TDisk>(1.0));
    ICircle* disk = a.Get();

    // The only reference assigned to itself must survive.
    ICirclePtr& alias = a;
    a = alias;
    ASSERT_EQ(a.Get(), disk);
    EXPECT_EQ(RefCountOf(a), 1);

    ICirclePtr b = a;
    a = b;
    EXPECT_EQ(RefCountOf(a), 2);

    IShapePtr shape = a; // through ICircle's parent IShape
    EXPECT_EQ(RefCountOf(a), 3);
    shape = a;
    shape = b;
    EXPECT_EQ(RefCountOf(a), 3);
    EXPECT_EQ(static_cast<IShape*>(disk), shape.Get());
}

TEST_F(PtrTest, ConversionAskedForAnOfferedInterfaceGivesIt) {
    ICirclePtr disk(New<TDisk>(2.0));
    const long id = static_cast<long>(tvhost::HostObjectOf(disk.Get())->Id());
    {
        ILabelPtr label = disk;
        ASSERT_TRUE(label);
        EXPECT_EQ(label->Number(), id);
        IShapePtr shape = label;
        ASSERT_TRUE(shape);
        EXPECT_DOUBLE_EQ(shape->Area(), std::numbers::pi * 4.0);
        tvapi::IAPIObjectPtr base = shape;
        ASSERT_TRUE(base);
        EXPECT_EQ(RefCountOf(disk), 4);
    }
    EXPECT_EQ(RefCountOf(disk), 1);
}

TEST_F(PtrTest, ConversionRefusedGivesAnEmptyPointerAndNoReference) {
    IShapePtr box(New<TBox>(2.0, 3.0));
    ICirclePtr circle = box;
    ILabelPtr label = box;
    EXPECT_FALSE(circle);
    EXPECT_FALSE(label);
    EXPECT_EQ(RefCountOf(box), 1);

    ICirclePtr holder(New<TDisk>(1.0));
    holder = box; // refused: the disk is released and nothing is held
    EXPECT_FALSE(holder);

    const IShapePtr empty;
    const ICirclePtr fromEmpty = empty;
    EXPECT_FALSE(fromEmpty);
    EXPECT_EQ(THostObject::LiveObjects(), LiveAtStart() + 3); // application, dictionary, box
}

TEST_F(PtrTest, DetachAndAdoptPassOneReference) {
    ICirclePtr a(New<TDisk>(1.0));
    ICircle* raw = a.Detach();
    EXPECT_FALSE(a);
    ICirclePtr b = ICirclePtr::Adopt(raw);
    EXPECT_EQ(RefCountOf(b), 1);
    EXPECT_EQ(b.Get(), raw);
}

TEST_F(PtrTest, IdentityGoesThroughTheBaseInterface) {
    ICirclePtr disk(New<TDisk>(1.0));
    ILabelPtr label = disk;
    ICirclePtr otherDisk(New<TDisk>(1.0));
    ASSERT_NE(static_cast<const void*>(disk.Get()), static_cast<const void*>(label.Get()));

    EXPECT_TRUE(disk == label);
    EXPECT_TRUE(label == disk);
    EXPECT_FALSE(disk == otherDisk);
    EXPECT_TRUE(disk != otherDisk);

    const ICirclePtr empty;
    const ILabelPtr emptyLabel;
    EXPECT_TRUE(empty == emptyLabel);
    EXPECT_FALSE(empty == disk);
    EXPECT_FALSE(label == empty);
    EXPECT_TRUE(empty == nullptr);
    EXPECT_TRUE(disk != nullptr);

    // Both views of one object give one IAPIObject address.
    const tvapi::IAPIObjectPtr a = disk;
    const tvapi::IAPIObjectPtr b = label;
    EXPECT_EQ(a.Get(), b.Get());
    EXPECT_EQ(RefCountOf(disk), 4);
}

TEST(InterfaceIdTest, OnlyGuidTextsAreIds) {
    struct Case {
        const char* Text;
        bool Expected;
    };
    const Case cases[] = {
        {"2C44D0E3-869A-4DDA-AA0C-46A473D1A02B", true},
        {"2c44d0e3-869a-4dda-aa0c-46a473d1a02b", true},
        {"2C44D0E3-869A-4DDA-AA0C-46A473D1A02", false},   // 35 characters
        {"2C44D0E3-869A-4DDA-AA0C-46A473D1A02BB", false}, // 37 characters
        {"2C44D0E3869A-4DDA-AA0C-46A473D1A02B-", false},  // dash moved
        {"2C44D0E3-869A-4DDA-AA0C-46A473D1A0ZB", false},  // not hexadecimal
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(tvapi::IsInterfaceId(c.Text), c.Expected);
    }
}

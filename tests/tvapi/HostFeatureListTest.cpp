// The stand-in part's feature list: one kernel build per feature added at the end, a full
// build when an earlier feature changes, Booleans of the part's own and another part's
// bodies, and collections that outlive their part.

#include "FeatureTestUtil.h"

using namespace tvapi;
using namespace feature_test;

class HostFeatureListTest : public feature_test::TPartFixture {
protected:
    // A 100 x 100 x 10 plate, then `surfaces` surface extrusions of a square beside it (the
    // kernel's cheapest features).
    void Plate(int surfaces)
    {
        tvhost::THostSketch& plate = Sketch();
        Rect(plate, 0, 0, 100, 100);
        IModelObjectPtr(Extrusion(plate, o3d_bossExtrusion, dtNormal, 10, 0))->Update();
        tvhost::THostSketch& square = Sketch();
        Rect(square, 200, 0, 201, 1);
        for (int i = 0; i < surfaces; ++i)
            EXPECT_TRUE(IModelObjectPtr(Extrusion(square, o3d_ExtrusionSurface, dtNormal, 1, 0))->Update());
    }
    // A 1 x 1 square hole 1 deep into the plate's bottom, the i-th of a row.
    IExtrusionPtr AddCut(int i)
    {
        tvhost::THostSketch& hole = Sketch();
        const double u = 1 + (i % 49) * 2, v = 1 + (i / 49) * 2;
        Rect(hole, u, v, u + 1, v + 1);
        const IExtrusionPtr cut = Extrusion(hole, o3d_cutExtrusion, dtNormal, 1, 0);
        EXPECT_TRUE(IModelObjectPtr(cut)->Update());
        return cut;
    }
    long Evaluations() { return Part().Features().Evaluations(); }
};

// Every feature added at the end costs the kernel one build, however long the list.
TEST_F(HostFeatureListTest, FeatureAddedAtTheEndIsTheOnlyOneBuilt)
{
    for (const int count : {10, 200}) {
        SCOPED_TRACE(count);
        FDoc = Host().App().Documents().AddDocument(tvDocumentPart, L"cuts.qpt");
        FPart = IPartPtr(&Part());
        Plate(count - 2);
        AddCut(0);
        EXPECT_EQ(Evaluations(), count);
        AddCut(1);
        EXPECT_EQ(Evaluations(), count + 1);
        ExpectVolume(Volume(), 100.0 * 100 * 10 - 2);
        EXPECT_EQ(Part().Features().Built().Surfaces.size(), static_cast<std::size_t>(count - 2));
    }
}

// Updating a feature before the end builds the whole list again, with the same result.
TEST_F(HostFeatureListTest, UpdatingAnEarlierFeatureBuildsEverythingAgain)
{
    Plate(0);
    const IExtrusionPtr first = AddCut(0);
    AddCut(1);
    ASSERT_EQ(Evaluations(), 3);
    EXPECT_TRUE(IModelObjectPtr(first)->Update());
    EXPECT_EQ(Evaluations(), 6);
    ExpectVolume(Volume(), 100000.0 - 2);

    // A feature made but never updated does not count, and one after it is built alone.
    tvhost::THostSketch& unused = Sketch();
    Rect(unused, 50, 50, 60, 60);
    const IExtrusionPtr pending = Extrusion(unused, o3d_cutExtrusion, dtReverse, 0, 5);
    AddCut(2);
    EXPECT_EQ(Evaluations(), 7);
    ExpectVolume(Volume(), 100000.0 - 3);
}

// Bodies changed outside the features are what the next feature builds on.
TEST_F(HostFeatureListTest, NextFeatureBuildsOnBodiesReshapedOutsideTheList)
{
    Plate(0);
    Part().Features().Reshaped({tvhost::MakeBox({0, 0, 0}, 100, 100, 5)});
    AddCut(0);
    ASSERT_EQ(Part().Bodies().size(), 1u);
    ExpectVolume(Volume(), 100.0 * 100 * 5 - 1);
}

// A cut with nothing to cut fails; a boss on no body makes the first one.
TEST_F(HostFeatureListTest, CutWithoutABodyFails)
{
    tvhost::THostSketch& s = Sketch();
    Rect(s, 0, 0, 1, 1);
    const IExtrusionPtr cut = Extrusion(s, o3d_cutExtrusion, dtNormal, 1, 0);
    EXPECT_FALSE(IModelObjectPtr(cut)->Update());
    EXPECT_EQ(ErrorOf(cut), "there is no body to cut");
}

class HostBooleanTest : public feature_test::TPartFixture {
protected:
    // Two boxes 10 x 10 x 10 overlapping by half along X.
    static tvhost::TShape BoxA() { return tvhost::MakeBox({0, 0, 0}, 10, 10, 10); }
    static tvhost::TShape BoxB() { return tvhost::MakeBox({5, 0, 0}, 10, 10, 10); }
    IBooleanPtr Boolean(tvBooleanType type, IModelObjectPtr a, IModelObjectPtr b)
    {
        const IBooleanPtr boolean = Container()->GetBooleans()->Add();
        boolean->SetBodies({a, b});
        boolean->SetBooleanType(type);
        return boolean;
    }
    IModelObjectPtr Body(tvhost::THostPart& part, std::size_t i)
    {
        return IModelObjectPtr(part.Bodies().at(i));
    }
};

// Difference, union and common of two boxes of the part: the result takes the first box's
// place and the second goes.
TEST_F(HostBooleanTest, OwnBodiesCombineIntoOne)
{
    struct TCase {
        tvBooleanType Type;
        double Volume;
    };
    for (const TCase c : {TCase{tvDifference, 500}, TCase{tvUnion, 1500}, TCase{tvIntersect, 500}}) {
        SCOPED_TRACE(c.Type);
        FDoc = Host().App().Documents().AddDocument(tvDocumentPart, L"boxes.qpt");
        FPart = IPartPtr(&Part());
        Part().AddBody(BoxA());
        Part().AddBody(BoxB());
        const IBooleanPtr boolean = Boolean(c.Type, Body(Part(), 0), Body(Part(), 1));
        EXPECT_TRUE(IModelObjectPtr(boolean)->Update());
        ASSERT_EQ(Part().Bodies().size(), 1u);
        ExpectVolume(Volume(), c.Volume);
        ExpectBodiesValid();
    }
}

// Another part's body takes part as it is; the part's own body keeps its place.
TEST_F(HostBooleanTest, AnotherPartsBodyIsTakenAsItIs)
{
    const ITervanDocumentPtr other = Host().App().Documents().AddDocument(tvDocumentPart, L"other.qpt");
    tvhost::THostPart& tool = tvhost::HostAs<tvhost::THostDocument3D>(other)->TopPart();
    tool.AddBody(BoxB());
    Part().AddBody(BoxA());
    EXPECT_TRUE(IModelObjectPtr(Boolean(tvDifference, Body(Part(), 0), Body(tool, 0)))->Update());
    ASSERT_EQ(Part().Bodies().size(), 1u);
    ExpectVolume(Volume(), 500);
    EXPECT_EQ(tool.Bodies().size(), 1u);
}

// Without an operation, or with one body, the Boolean fails and changes nothing.
TEST_F(HostBooleanTest, BooleanWithoutTypeOrSecondBodyFails)
{
    Part().AddBody(BoxA());
    Part().AddBody(BoxB());
    const IBooleanPtr noType = Boolean(tvBooleanUnknown, Body(Part(), 0), Body(Part(), 1));
    EXPECT_FALSE(IModelObjectPtr(noType)->Update());
    const IBooleanPtr one = Container()->GetBooleans()->Add();
    one->SetBodies({Body(Part(), 0)});
    one->SetBooleanType(tvUnion);
    EXPECT_FALSE(IModelObjectPtr(one)->Update());
    EXPECT_EQ(Part().Bodies().size(), 2u);
    ExpectVolume(Volume(), 2000);
    EXPECT_EQ(Container()->GetBooleans()->GetCount(), 2);
}

// Macros and user objects are kept in order, never built; a collection left after its part
// is gone adds nothing.
TEST_F(HostFeatureListTest, MacrosAndUserObjectsAreKeptAndCollectionsOutliveThePart)
{
    const IMacroObjects3DPtr macros = Container()->GetMacroObjects3D();
    const IUserObjects3DPtr users = Container()->GetUserObjects3D();
    const IMacroObject3DPtr macro = macros->Add();
    EXPECT_TRUE(IModelObjectPtr(macro)->Update());
    EXPECT_FALSE(users->Add(o3d_bossExtrusion));
    const IUserObject3DPtr user = users->Add(o3d_UserWireFrame3D);
    ASSERT_TRUE(user);
    EXPECT_EQ(IModelObjectPtr(user)->GetObjectType(), o3d_UserWireFrame3D);
    EXPECT_TRUE(IUserParametersPtr(user));
    EXPECT_EQ(macros->GetCount(), 1);
    EXPECT_EQ(users->GetCount(), 1);
    EXPECT_EQ(Evaluations(), 0);

    const IExtrusionsPtr extrusions = Container()->GetExtrusions();
    FPart.Reset();
    FDoc->Close(kdDoNotSaveChanges);
    FDoc.Reset();
    EXPECT_EQ(macros->GetCount(), 0);
    EXPECT_FALSE(macros->Add());
    EXPECT_FALSE(extrusions->Add(o3d_bossExtrusion));
}

// The facade's Booleans against the stand-in: the operands in order and the kind handed to
// the host, the volumes of difference, union and common of two overlapping boxes, and the
// stops that leave the part and Obj3D untouched.

#include "FacadeFixture.h"

#include "HostKernelFeatures.h"
#include "tvapi/ModelContainer.h"

using namespace tvapi;
using drApi::MA;

class drModelerAPIBooleanTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
        FOther = Host().App().Documents().AddDocument(tvDocumentPart, L"other.qpt");
        R().IDoc = FDoc; // the part's document stays the active one
    }
    void TearDown() override
    {
        FDoc.Reset();
        FOther.Reset();
        TPartFacadeFixture::TearDown();
    }
    // The other part: box B at x 5..15, and a second box far off.
    tvhost::THostPart& Other() { return tvhost::HostAs<tvhost::THostDocument3D>(FOther)->TopPart(); }
    IPartPtr OtherPart() { return IPartPtr(&Other()); }
    void Boxes()
    {
        Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 10, 10));
        Other().AddBody(tvhost::MakeBox({100, 0, 0}, 1, 1, 1));
        Other().AddBody(tvhost::MakeBox({5, 0, 0}, 10, 10, 10));
    }
    double Volume()
    {
        double v = 0;
        for (const tvhost::TShape& shape : Top().LocalShapes())
            v += tvhost::Volume(shape);
        return v;
    }
    void OpenPart()
    {
        TPartFacadeFixture::OpenPart();
        FDoc = R().IDoc;
    }

    ITervanDocumentPtr FDoc;
    ITervanDocumentPtr FOther;
};

// drBoolean(difference, A, 0, B, 1): the first body of A and the second of B, in that order,
// then the kind 2; the box keeps its other half.
TEST_F(drModelerAPIBooleanTest, DifferenceTakesTheBodiesInOrderThenTheKind)
{
    Boxes();
    const std::string first = tvhost::ObjectArg(IModelObjectPtr(Top().Bodies()[0]).Get());
    const std::string second = tvhost::ObjectArg(IModelObjectPtr(Other().Bodies()[1]).Get());
    Journal().Clear();
    MA.drBoolean(tvDifference, R().Part, 0, OtherPart(), 1);
    std::vector<std::string> calls;
    for (const std::string& line : Journal().Lines())
        if (line.rfind("IBoolean::", 0) == 0) calls.push_back(line);
    EXPECT_EQ(calls, (std::vector<std::string>{"IBoolean::SetBodies([" + first + ", " + second + "])",
                                               "IBoolean::SetBooleanType(2)"}));
    ASSERT_TRUE(R().Obj3D);
    EXPECT_FALSE(MA.ErrorEntity(R().Obj3D));
    EXPECT_NEAR(Volume(), 500.0, 1e-9 * 500);
}

// Union and common of the two boxes, each body valid.
TEST_F(drModelerAPIBooleanTest, UnionAndCommonOfOverlappingBoxes)
{
    struct TCase {
        tvBooleanType Op;
        double Volume;
    };
    for (const TCase c : {TCase{tvUnion, 1500.0}, TCase{tvIntersect, 500.0}}) {
        SCOPED_TRACE(c.Op);
        OpenPart();
        Boxes();
        MA.drBoolean(c.Op, R().Part, 0, OtherPart(), 1);
        EXPECT_NEAR(Volume(), c.Volume, 1e-9 * c.Volume);
        for (const tvhost::TShape& shape : Top().LocalShapes())
            EXPECT_TRUE(tvhost::IsValidShape(shape));
    }
}

// Without a part, with an index outside a part's bodies or an operand that is no feature,
// nothing is added and Obj3D keeps what it had; an open sketch stays open.
TEST_F(drModelerAPIBooleanTest, MissingPartOrOperandAddsNothing)
{
    Boxes();
    MA.drCreateEskis(0.0, "");
    const IModelObjectPtr before = R().Obj3D;
    const IPartPtr part = R().Part;
    R().Part.Reset();
    MA.drBoolean(tvUnion, part, 0, OtherPart(), 1);
    R().Part = part;
    MA.drBoolean(tvUnion, part, 1, OtherPart(), 1);
    MA.drBoolean(tvUnion, part, 0, OtherPart(), 2);
    MA.drBoolean(tvUnion, part, -1, OtherPart(), 0);
    MA.drBoolean(tvUnion, part, 0, {}, 0);
    EXPECT_EQ(R().Obj3D.Get(), before.Get());
    EXPECT_EQ(Journal().Count("IBooleans::Add"), 0u);
    EXPECT_EQ(IModelContainerPtr(part)->GetBooleans()->GetCount(), 0);
    EXPECT_TRUE(R().IDoc2D);

    InjectFault("IBooleans::Add");
    MA.drBoolean(tvUnion, part, 0, OtherPart(), 1);
    EXPECT_EQ(R().Obj3D.Get(), before.Get());
}

// A Boolean whose rebuild fails is still the last object (and a macro member).
TEST_F(drModelerAPIBooleanTest, FailedBooleanIsStillStoredAndRecorded)
{
    Boxes();
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    MA.drBoolean(tvBooleanUnknown, R().Part, 0, OtherPart(), 1);
    ASSERT_TRUE(R().Obj3D);
    EXPECT_TRUE(MA.ErrorEntity(R().Obj3D));
    EXPECT_NEAR(Volume(), 1000.0, 1e-6);
    const std::vector<IModelObjectPtr> recorded = R().AMacroObject3D.Objects();
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].Get(), R().Obj3D.Get());
}

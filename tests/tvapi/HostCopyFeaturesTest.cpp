// Copies of bodies in a stand-in part: the part's own bodies and another document's, carried
// onto a local coordinate system as new bodies (the body count doubles, volumes stay, the box
// lands where the system says), following the system when the part is built again, and
// failing without bodies, a usable system, or with objects not of the source named.

#include "FeatureTestUtil.h"

#include "HostArgs.h"
#include "tvapi/AuxiliaryObjects.h"
#include "tvapi/Documents.h"

using namespace tvapi;
using namespace feature_test;

namespace {

// Rows X, Y, Z, origin: a quarter turn about Z, then 100 along X.
const std::vector<double> TurnAndShift{0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 100, 0, 0, 1};

} // namespace

class HostCopyFeaturesTest : public feature_test::TPartFixture {
protected:
    ILocalCoordinateSystemPtr System(const std::vector<double>& matrix)
    {
        const ILocalCoordinateSystemPtr lcs =
            IAuxiliaryGeomContainerPtr(FPart)->GetLocalCoordinateSystems()->Add();
        EXPECT_TRUE(lcs->SetMatrix3D(matrix));
        IModelObjectPtr(lcs)->Update();
        return lcs;
    }
    ICopyGeometryPtr Copy(const std::vector<IModelObjectPtr>& bodies, const ILocalCoordinateSystemPtr& lcs)
    {
        const ICopyGeometryPtr copy = Container()->GetCopiesGeometry()->Add();
        copy->SetObjects(bodies);
        copy->SetLocalCoordinateSystem(lcs);
        return copy;
    }
    IModelObjectPtr Body(tvhost::THostPart& part, std::size_t i)
    {
        return IModelObjectPtr(part.Bodies().at(i));
    }
    std::vector<double> Volumes()
    {
        std::vector<double> volumes;
        for (const tvhost::TShape& shape : Part().LocalShapes())
            volumes.push_back(tvhost::Volume(shape));
        return volumes;
    }
    static void ExpectBox(const tvhost::TShape& shape, const std::array<double, 6>& expected)
    {
        const std::array<double, 6> box = tvhost::BoxOf(shape);
        for (std::size_t i = 0; i < box.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_NEAR(box[i], expected[i], 1e-6);
        }
    }
};

// A box and a cylinder copied onto a turned and shifted system: four bodies, the copies of the
// same volumes where the system carries the originals; moving the system moves the copies.
TEST_F(HostCopyFeaturesTest, CopyOfOwnBodiesDoublesTheBodyCountAtTheSystem)
{
    Part().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    Part().AddBody(tvhost::MakeCylinder({50, 50, 0}, {0, 0, 1}, 2, 10));
    const ILocalCoordinateSystemPtr lcs = System(TurnAndShift);
    const ICopyGeometryPtr copy = Copy({Body(Part(), 0), Body(Part(), 1)}, lcs);
    ASSERT_TRUE(IModelObjectPtr(copy)->Update());

    const double cylinder = std::numbers::pi * 4 * 10;
    const std::vector<double> volumes = Volumes();
    ASSERT_EQ(volumes.size(), 4u);
    ExpectVolume(volumes[0], 1000);
    ExpectVolume(volumes[1], cylinder);
    ExpectVolume(volumes[2], 1000);
    ExpectVolume(volumes[3], cylinder);
    ExpectBox(Part().LocalShapes()[2], {80, 0, 0, 100, 10, 5}); // (x, y, z) goes to (100 - y, x, z)
    ExpectBox(Part().LocalShapes()[3], {48, 48, 0, 52, 52, 10});
    ExpectBodiesValid();
    EXPECT_EQ(IFeaturePtr(copy)->GetValid(), 1);
    EXPECT_EQ(Container()->GetCopiesGeometry()->GetCount(), 1);

    lcs->SetMatrix3D({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 100, 1});
    Part().Features().RebuildAll();
    ASSERT_EQ(Part().Bodies().size(), 4u);
    ExpectBox(Part().LocalShapes()[2], {0, 0, 100, 10, 20, 105});
}

// Bodies of another document are copied as they were given; the source part may be named.
TEST_F(HostCopyFeaturesTest, CopyFromAnotherDocumentTakesItsBodies)
{
    const ITervanDocumentPtr other = Host().App().Documents().AddDocument(tvDocumentPart, L"other.qpt");
    tvhost::THostPart& source = tvhost::HostAs<tvhost::THostDocument3D>(other)->TopPart();
    source.AddBody(tvhost::MakeBox({0, 0, 0}, 2, 3, 4));
    Part().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 10, 10));
    const ILocalCoordinateSystemPtr lcs = System(TurnAndShift);
    for (const bool namedPart : {false, true}) {
        SCOPED_TRACE(namedPart);
        const ICopyGeometryPtr copy = Container()->GetCopiesGeometry()->Add();
        copy->SetSource(ITervanDocument3DPtr(other), namedPart ? IPartPtr(&source) : IPartPtr(),
                        {Body(source, 0)});
        copy->SetLocalCoordinateSystem(lcs);
        EXPECT_TRUE(IModelObjectPtr(copy)->Update());
    }
    const std::vector<double> volumes = Volumes();
    ASSERT_EQ(volumes.size(), 3u);
    ExpectVolume(volumes[1], 24);
    ExpectVolume(volumes[2], 24);
    ExpectBox(Part().LocalShapes()[1], {97, 0, 0, 100, 2, 4});
    EXPECT_EQ(source.Bodies().size(), 1u);

    // The part's own body is no body of the other document.
    const ICopyGeometryPtr stranger = Container()->GetCopiesGeometry()->Add();
    stranger->SetSource(ITervanDocument3DPtr(other), {}, {Body(Part(), 0)});
    stranger->SetLocalCoordinateSystem(lcs);
    EXPECT_FALSE(IModelObjectPtr(stranger)->Update());
    EXPECT_EQ(ErrorOf(stranger), "an object of the copy is not a body of its source");
    EXPECT_EQ(Part().Bodies().size(), 3u);
}

// No bodies, an object that is no body, no system, a system of parallel axes, no source
// document: the copy fails, its reason said, and the bodies stay as they were.
TEST_F(HostCopyFeaturesTest, CopyThatCannotBeBuiltKeepsTheBodies)
{
    Part().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 10, 10));
    const ILocalCoordinateSystemPtr lcs = System(TurnAndShift);
    const ILocalCoordinateSystemPtr flat = System({1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    const IModelObjectPtr sketch(&Sketch());
    struct TCase {
        const char* Name;
        std::vector<IModelObjectPtr> Objects;
        ILocalCoordinateSystemPtr System;
        const char* Error;
    };
    const std::vector<TCase> cases{
        {"no bodies", {}, lcs, "the copy has no bodies"},
        {"a sketch", {sketch}, lcs, "an object of the copy is not a body of its source"},
        {"no system", {Body(Part(), 0)}, {}, "the copy has no local coordinate system to be placed by"},
        {"parallel axes", {Body(Part(), 0)}, flat, "the copy has no local coordinate system to be placed by"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const ICopyGeometryPtr copy = Copy(c.Objects, c.System);
        EXPECT_FALSE(IModelObjectPtr(copy)->Update());
        EXPECT_EQ(ErrorOf(copy), c.Error);
        EXPECT_EQ(IFeaturePtr(copy)->GetValid(), 0);
        EXPECT_EQ(Part().Bodies().size(), 1u);
    }
    const ICopyGeometryPtr noDocument = Container()->GetCopiesGeometry()->Add();
    noDocument->SetSource({}, {}, {Body(Part(), 0)});
    noDocument->SetLocalCoordinateSystem(lcs);
    EXPECT_FALSE(IModelObjectPtr(noDocument)->Update());
    ExpectVolume(Volume(), 1000);
}

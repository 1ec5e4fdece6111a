// The facade's operations on faces and surfaces and its billets against the stand-in kernel:
// thin-wall settings by the sign of the thickness, a thickened face's volume, the outline of a
// cylinder and the split along it, a trim whose second update counts, the stops that make no
// host call, and a part file inserted as a billet.

#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostFaceOperations.h"
#include "HostJournal.h"
#include "HostKernelFeatures.h"
#include "HostPart.h"
#include "tvapi/ModelContainer.h"
#include "tvapi/SurfaceFeatures.h"

using drApi::MA;
using namespace tvapi;

class drModelerAPIFacesTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
    }
    IModelObjectPtr Body(std::size_t i = 0) { return IModelObjectPtr(Top().Bodies().at(i)); }
    std::vector<IModelObjectPtr> Faces(std::size_t body = 0) { return ObjectsOf(Body(body), o3d_face); }
    // The face of body 0 whose box lies within `z0`..`z1`, or the first not planar.
    IModelObjectPtr FaceBetween(double z0, double z1)
    {
        for (const IModelObjectPtr& f : Faces()) {
            double x0, y0, a, x1, y1, b;
            IFacePtr(f)->GetSurface()->GetGabarit(x0, y0, a, x1, y1, b);
            if (a > z0 && b < z1) return f;
        }
        return {};
    }
    IModelObjectPtr CylinderSide()
    {
        for (const IModelObjectPtr& f : Faces()) {
            double x0, y0, a, x1, y1, b;
            IFacePtr(f)->GetSurface()->GetGabarit(x0, y0, a, x1, y1, b);
            if (b - a > 1.0 && y1 - y0 > 1.0) return f; // the curved side
        }
        return {};
    }
    double VolumeOf(std::size_t body) { return tvhost::Volume(Top().LocalShapes().at(body)); }
    std::vector<std::string> CallsOf(const std::string& prefix)
    {
        std::vector<std::string> calls;
        for (const std::string& line : Journal().Lines())
            if (line.rfind(prefix, 0) == 0) calls.push_back(line);
        return calls;
    }
    std::filesystem::path Temp(const std::string& name)
    {
        return std::filesystem::path(::testing::TempDir()) /
               ("faces-" + std::to_string(::getpid()) + "-" + name);
    }
};

// The sign of T picks the wall direction; both sides get |T|.
TEST_F(drModelerAPIFacesTest, FaceThicknessSetsTheWallBySign)
{
    Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 10, 5));
    const drApi::TVOfMO top{FaceBetween(4.9, 5.1)};
    const struct {
        double T;
        const char* flag;
        const char* thickness;
    } cases[] = {{-2, "true", "2"}, {0, "true", "0"}, {3, "false", "3"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.T);
        Journal().Clear();
        MA.drFaceThickness(top, c.T);
        const std::vector<std::string> calls = CallsOf("IThinParameters::");
        ASSERT_EQ(calls.size(), 3u);
        EXPECT_EQ(calls[0], std::string("IThinParameters::SetThinWallDirection(") + c.flag + ")");
        EXPECT_EQ(calls[1], std::string("IThinParameters::SetThickness(true, ") + c.thickness + ")");
        EXPECT_EQ(calls[2], std::string("IThinParameters::SetThickness(false, ") + c.thickness + ")");
    }
}

// The top of a 10 x 10 box thickened by 2 outward is a new body of 200 mm³, Obj3D and a macro
// member; the box keeps its volume.
TEST_F(drModelerAPIFacesTest, ThickenedFaceIsANewBodyOfItsArea)
{
    Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 10, 5));
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    MA.drFaceThickness({FaceBetween(4.9, 5.1)}, 2);
    ASSERT_TRUE(ISurfaceThickeningPtr(R().Obj3D));
    ASSERT_EQ(Top().Bodies().size(), 2u);
    EXPECT_NEAR(VolumeOf(0), 500, 1e-6);
    EXPECT_NEAR(VolumeOf(1), 200, 1e-6);
    EXPECT_EQ(R().AMacroObject3D.Objects().size(), 1u);
}

// Operations on an empty list of faces or edges ask the host nothing and keep Obj3D.
TEST_F(drModelerAPIFacesTest, EmptyListsMakeNoHostCall)
{
    Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 10, 5));
    R().Obj3D = Body();
    Journal().Clear();
    TVector3D v(0, 0, 1);
    MA.drFaceRemove({});
    MA.drFaceSewer({}, true);
    MA.drFaceThickness({}, 2);
    MA.drCurveOutLine({}, v);
    MA.drContour3D({});
    EXPECT_TRUE(Journal().Lines().empty());
    EXPECT_TRUE(R().Obj3D == Body());
}

// Half a cylinder (y >= 0) seen along X: its outline is the line at the top of the arc, built
// with the coefficients given, and the split along it turns the curved face into two faces;
// the volume stays.
TEST_F(drModelerAPIFacesTest, SplitAlongTheOutlineAddsOneFace)
{
    const tvhost::TShape half =
        tvhost::Combined(tvhost::TBooleanKind::bkCommon, tvhost::MakeCylinder({0, 0, 0}, {0, 0, 1}, 5, 10),
                         tvhost::MakeBox({-6, 0, -1}, 12, 6, 12));
    Top().AddBody(half);
    ASSERT_EQ(Faces().size(), 4u);
    TVector3D v(1, 0, 0);
    Journal().Clear();
    MA.drSplitFaceOutLine(IFacePtr(CylinderSide()), v);
    const std::vector<std::string> vector = CallsOf("IVector3D");
    ASSERT_EQ(vector.size(), 5u);
    EXPECT_EQ(vector[0], "IVector3D::SetParametersType(4)");
    EXPECT_EQ(vector[2], "IVector3DByCoefficientsParameters::SetX(1)");
    EXPECT_EQ(vector[4], "IVector3DByCoefficientsParameters::SetZ(0)");
    EXPECT_TRUE(IFaceSplitPtr(R().Obj3D));
    EXPECT_EQ(Faces().size(), 5u);
    EXPECT_NEAR(VolumeOf(0), tvhost::Volume(half), 1e-6);
}

// An outline curve left in Obj3D by an earlier call never splits a face whose own outline the
// host does not make; seen along its axis a cylinder has no outline, and nothing is split.
TEST_F(drModelerAPIFacesTest, SplitNeverUsesAnEarlierOutline)
{
    Top().AddBody(tvhost::MakeCylinder({0, 0, 0}, {0, 0, 1}, 5, 10));
    TVector3D across(1, 0, 0), along(0, 0, 1);
    MA.drCurveOutLine({CylinderSide()}, across);
    ASSERT_TRUE(ICurveOutLinePtr(R().Obj3D));
    InjectFault("ICurveOutLines::Add");
    MA.drSplitFaceOutLine(IFacePtr(CylinderSide()), across);
    EXPECT_FALSE(R().Obj3D);
    EXPECT_EQ(Faces().size(), 3u);
    MA.drSplitFaceOutLine(IFacePtr(CylinderSide()), along);
    EXPECT_FALSE(R().Obj3D);
    EXPECT_EQ(Faces().size(), 3u);
}

// Without a direction vector or its coefficients the outline stops before its update, Obj3D
// as it was.
TEST_F(drModelerAPIFacesTest, OutlineWithoutDirectionStopsQuietly)
{
    Top().AddBody(tvhost::MakeCylinder({0, 0, 0}, {0, 0, 1}, 5, 10));
    TVector3D v(1, 0, 0);
    for (const char* op : {"ICurveOutLine::GetDirectionVector", "IVector3D::GetParameters"}) {
        SCOPED_TRACE(op);
        R().Obj3D = Body();
        InjectFault(op);
        Journal().Clear();
        MA.drCurveOutLine({CylinderSide()}, v);
        EXPECT_TRUE(R().Obj3D == Body());
        EXPECT_EQ(Journal().Count("IModelObject::Update"), 0u);
    }
}

// A 10 x 10 face from x = -2 trimmed by YOZ, whose normal is -X: 20 mm² on the side of the
// plane's normal, 80 on the other; a first update that fails does not count.
TEST_F(drModelerAPIFacesTest, TrimKeepsTheSideItsSenseChooses)
{
    Top().AddBody(tvhost::MakeBox({-2, 0, 0}, 10, 10, 5));
    const drApi::TVOfMO top{FaceBetween(4.9, 5.1)};
    const drApi::TVOfMO plane{MA.drDefault(o3d_planeYOZ)};
    MA.drTrimmSurface(top, plane, true);
    ASSERT_TRUE(ITrimmedSurfacePtr(R().Obj3D));
    EXPECT_NEAR(tvhost::Area(Top().Features().Built().Surfaces.back()), 20, 1e-6);
    InjectFault("IModelObject::Update");
    MA.drTrimmSurface(top, plane, false);
    ASSERT_TRUE(ITrimmedSurfacePtr(R().Obj3D));
    EXPECT_NEAR(tvhost::Area(Top().Features().Built().Surfaces.back()), 80, 1e-6);
    const IModelObjectPtr before = R().Obj3D;
    MA.drTrimmSurface(top, {Body()}, true); // a body is no trimming plane
    EXPECT_FALSE(R().Obj3D);
    R().Obj3D = before;
    InjectFault("ISurfaceContainer::GetTrimmedSurfaces");
    MA.drTrimmSurface(top, plane, true);
    EXPECT_TRUE(R().Obj3D == before);
}

// The stand-in has no offset surfaces, sewers or scalings: the offset still empties Obj3D,
// the others keep it; sewing every face asks for the part's faces.
TEST_F(drModelerAPIFacesTest, OperationsTheHostLacksStopQuietly)
{
    Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 10, 5));
    R().Obj3D = Body();
    MA.drScalings3D(ITervanAPIObjectPtr(Body()), 2.0, {});
    MA.drAllSurfaceSewer();
    MA.drFaceRemove({FaceBetween(4.9, 5.1)});
    EXPECT_TRUE(R().Obj3D == Body());
    EXPECT_EQ(Journal().Count("ISurfaceContainer::GetSurfaceSewers"), 1u);
    EXPECT_EQ(Journal().Calls("IFeature::GetModelObjects").at(0).Arguments.at(0), "6");
    MA.drEquidistSurface({Body()}, true, 1.0);
    EXPECT_FALSE(R().Obj3D);
}

// A saved part inserted as a billet: its body comes into the part, mirrored in YOZ when asked;
// a missing file asks the host nothing and leaves Obj3D empty.
TEST_F(drModelerAPIFacesTest, PartFileInsertedAsBillet)
{
    const std::filesystem::path file = Temp("blank.qpt");
    {
        const ITervanDocumentPtr blank = Host().App().Documents().AddDocument(tvDocumentPart, L"blank.qpt");
        tvhost::HostAs<tvhost::THostDocument3D>(blank)->TopPart().AddBody(
            tvhost::MakeBox({1, 0, 0}, 10, 20, 5));
        ASSERT_TRUE(blank->SaveAs(file.wstring().c_str()));
        blank->Close(kdDoNotSaveChanges);
    }
    TString name(file.string().c_str());
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    MA.drPutStorage(name, false, false);
    ASSERT_TRUE(IBilletObsoletePtr(R().Obj3D));
    MA.drPutStorage(name, true, true);
    ASSERT_TRUE(IBilletObsoletePtr(R().Obj3D));
    const IModelObjectPtr second = R().Obj3D;
    for (const char* op : {"IModelContainer::GetBilletsObsoletes", "IBilletsObsoletes::Add"}) {
        SCOPED_TRACE(op);
        R().Obj3D = second;
        InjectFault(op);
        MA.drPutStorage(name, false, false);
        EXPECT_FALSE(R().Obj3D);
    }
    std::filesystem::remove(file);
    ASSERT_EQ(Top().Bodies().size(), 2u);
    EXPECT_NEAR(VolumeOf(0), 1000, 1e-6);
    double x0, y0, z0, x1, y1, z1;
    IFacePtr(Faces(1).at(0))->GetSurface()->GetGabarit(x0, y0, z0, x1, y1, z1);
    EXPECT_LE(x1, -1 + 1e-6); // the mirrored copy lies at x <= -1
    EXPECT_NEAR(VolumeOf(1), 1000, 1e-6);
    EXPECT_EQ(R().AMacroObject3D.Objects().size(), 2u);

    Journal().Clear();
    MA.drPutStorage(name, false, false); // the file is gone
    EXPECT_FALSE(R().Obj3D);
    EXPECT_TRUE(Journal().Lines().empty());
    EXPECT_EQ(Top().Bodies().size(), 2u);
}

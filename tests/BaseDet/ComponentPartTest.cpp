// Components built on the stand-in host: the pin's part has the volume and box of its
// profile, the stop pin's sheet holds its dimensions, every part is a valid solid.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ComponentHostFixture.h"
#include "HostFixture.h"
#include "HostTopology.h"
#include "MathDetailsl.h"
#include "TextBase.h"

namespace {

using TComponentPartTest = TComponentHostFixture;

TEST_F(TComponentPartTest, PinPartHasTheVolumeAndBoxOfItsProfile)
{
    const TDcDetail id = Model->RowOf("pin");
    Model->Present(id, 12);
    TPin p(id, &drApi::MA, nullptr);
    ASSERT_NE(p.Set(31, 3.0, 20.0), 0);
    p.dr3D(0);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    const double r = 3, l = 20, f = 1, pi = std::numbers::pi;
    const double frustum = pi * f / 3 * (r * r + r * (r - f) + (r - f) * (r - f));
    EXPECT_NEAR(tvhost::Volume(shapes[0]), pi * r * r * (l - 2 * f) + 2 * frustum, 1e-6);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
    std::array<double, 3> size{box[3] - box[0], box[4] - box[1], box[5] - box[2]};
    std::sort(size.begin(), size.end());
    EXPECT_NEAR(size[0], 2 * r, 1e-6);
    EXPECT_NEAR(size[1], 2 * r, 1e-6);
    EXPECT_NEAR(size[2], l, 1e-6);
    Kept.Reset();
}

TEST_F(TComponentPartTest, StopPinSheetAndPartAreMadeForItsDetail)
{
    const TDcDetail id = Model->RowOf("stoppin");
    Model->Present(id, 30);
    TStopPin s(id, &drApi::MA, nullptr);
    s.Radius = 5, s.CollarRadius = 8, s.CollarHeight = 6, s.Len = 30, s.Design = true;
    s.dr3D(0);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    EXPECT_GT(tvhost::Volume(shapes[0]), std::numbers::pi * 25 * 24); // the pin alone, less its groove
    EXPECT_LT(tvhost::Volume(shapes[0]), std::numbers::pi * 64 * 30);
    Kept.Reset();
    s.dr2D();
    tvhost::THostDocument2D* drawing = OpenSheet(id);
    ASSERT_NE(drawing, nullptr);
    EXPECT_EQ(Dimensions(*drawing), 8); // five of the pin, three of the enlarged groove
    // A detail that names no scale is drawn full size, not folded to a point.
    ASSERT_FALSE(drawing->Drawing().Views().empty());
    EXPECT_EQ(drawing->Drawing().Views().back()->GetScale(), 1.0);
}

// The cap screw stands on YOZ with its axis along the model's Z, the head above the origin; its
// socket is cut from the head's end face: a hexagonal floor as deep as the standard's key goes
// (the profile's drilled point takes the middle out of it).
TEST_F(TComponentPartTest, CapScrewSocketGoesIntoTheHeadEndFace)
{
    const TDcDetail id = Model->RowOf("capscrew");
    Model->Present(id, 14);
    TScrew s(id, &drApi::MA, nullptr);
    s.Radius = 4, s.HeadRadius = 6.5, s.HeadLen = 8, s.Len = 28;
    s.dr3D(0);
    const std::vector<tvhost::TShape> shapes = Shapes(id);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    const std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
    EXPECT_NEAR(box[2], -20, 1e-6); // 28 long in all
    EXPECT_NEAR(box[5], 8, 1e-6);
    EXPECT_NEAR(box[3] - box[0], 13, 1e-6);
    const double across = 6, floor = 8 - 4; // the M8 key of the standard, 4 deep
    double floorArea = 0;
    const tvhost::THostBodyPtr body = tvhost::MakeBody(shapes[0]);
    for (const tvapi::IModelObjectPtr& f : ObjectsOf(tvapi::IModelObjectPtr(body), tvapi::o3d_face)) {
        double x0, y0, z0, x1, y1, z1;
        tvapi::IFacePtr(f)->GetSurface()->GetGabarit(x0, y0, z0, x1, y1, z1);
        if (std::abs(z0 - floor) < 1e-6 && std::abs(z1 - floor) < 1e-6)
            floorArea += tvapi::IFacePtr(f)->GetArea(1);
    }
    // The drilled socket is as wide as the key across flats: the floor is the hexagon's corners.
    const double hexagon = std::sqrt(3.0) / 2 * across * across;
    EXPECT_NEAR(floorArea, hexagon - 3.141592653589793 * across * across / 4, 1e-3);
    Kept.Reset();
}

// The toolbox's nut stands on XOY with its axis along X; its flats, sketched on YOZ, are cut
// along +X through it: across flats it is S wide, across corners 2E. The screw's head flats
// are cut the other way, through the head that lies before the bearing face.
TEST_F(TComponentPartTest, ToolboxNutAndScrewHaveTheirHexagonFlats)
{
    const TString nut((Dir.string() + "/nut.qpt").c_str());
    TCommonGeometry(drApi::MA).dr3D_Nut(8, 13, 6.5, nut);
    tvhost::THostDocument3D* doc = Open(nut);
    ASSERT_NE(doc, nullptr);
    std::vector<tvhost::TShape> shapes = doc->TopPart().PlacedShapes();
    ASSERT_EQ(shapes.size(), 1u);
    const double corners = 13 / std::sqrt(3.0);
    std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
    EXPECT_NEAR(box[3] - box[0], 6.5, 1e-6);
    EXPECT_NEAR(std::min(box[4] - box[1], box[5] - box[2]), 13, 1e-6);
    EXPECT_NEAR(std::max(box[4] - box[1], box[5] - box[2]), 2 * corners, 1e-3);
    Kept.Reset();

    const TString screw((Dir.string() + "/screw.qpt").c_str());
    TCommonGeometry(drApi::MA).dr3D_Screw(8, 30, 20, 13, 5.5, screw);
    doc = Open(screw);
    ASSERT_NE(doc, nullptr);
    shapes = doc->TopPart().PlacedShapes();
    ASSERT_EQ(shapes.size(), 1u);
    box = tvhost::BoxOf(shapes[0]);
    EXPECT_NEAR(box[0], -5.5, 1e-6); // the head before the bearing face
    EXPECT_NEAR(std::min(box[4] - box[1], box[5] - box[2]), 13, 1e-6);
    Kept.Reset();
}

// The washer of the toolbox: the ring (0, 5.5) - (0, 11.8) - (0.2, 12) - (2.8, 12) - (3, 11.8) -
// (3, 5.5) revolved, i.e. a tube less the two chamfer rings (Pappus).
TEST_F(TComponentPartTest, ToolboxWasherIsTheRevolvedRing)
{
    const TString file((Dir.string() + "/washer.qpt").c_str());
    TCommonGeometry(drApi::MA).dr3D_Shajba(file, "Шайба", "", 12, 5.5, 3, 0.2);
    tvhost::THostDocument3D* washer = Open(file);
    ASSERT_NE(washer, nullptr);
    const std::vector<tvhost::TShape> shapes = washer->TopPart().PlacedShapes();
    ASSERT_EQ(shapes.size(), 1u);
    const double pi = std::numbers::pi, f = 0.2;
    const double chamfer = 2 * pi * (12 - f / 3) * (f * f / 2);
    EXPECT_NEAR(tvhost::Volume(shapes[0]), pi * (12 * 12 - 5.5 * 5.5) * 3 - 2 * chamfer, 1e-6);
    EXPECT_TRUE(tvhost::IsValidShape(shapes[0]));
    Kept.Reset();
}

} // namespace

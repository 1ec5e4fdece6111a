// Recording into a graphic image: colours, element records, the capacity and the 3D flag.
// Nothing here needs an OpenGL context; replay is tested in GImageGLTest.cpp.
#include "GImage.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace {

// Images are large (room for every element is reserved up front): one per test, on the heap.
std::unique_ptr<TGImage> NewImage() {
    return std::make_unique<TGImage>(nullptr, nullptr);
}

} // namespace

TEST(TGImageTest, ColoursKeepRedInTheLowestByte) {
    struct Case {
        TColor c;
        Byte r, g, b;
    };
    const Case cases[] = {{clRed, 255, 0, 0},    {clLime, 0, 255, 0},       {clBlue, 0, 0, 255},
                          {clMaroon, 128, 0, 0}, {clNavy, 0, 0, 128},       {clYellow, 255, 255, 0},
                          {clAqua, 0, 255, 255}, {clSilver, 192, 192, 192}, {clDkGray, 128, 128, 128}};
    for (const Case& k : cases)
        EXPECT_EQ(std::make_tuple(k.c.Red(), k.c.Green(), k.c.Blue()), std::make_tuple(k.r, k.g, k.b))
            << k.c.Color;
    EXPECT_EQ(clNone.Color, 0x1FFFFFFFu);
    EXPECT_EQ(clDefault.Color, 0x20000000u);
    EXPECT_EQ(UpBkColor.Color, 0xFFFFFFFEu);
}

TEST(TGImageTest, DegenerateShapesRecordNothing) {
    auto image = NewImage();
    image->drCircle(1, 2, 0);
    image->drArc(1, 2, 0, 10, 20);
    image->drRectAngle(5, 0, 5, 10);
    image->drRectAngle(0, 3, 10, 3);
    image->drText(0, 0, 0, 5, TString(""));
    EXPECT_EQ(image->CountLElement, 0);
    image->drCircle(1, 2, 3);
    image->drRectAngle(0, 0, 1, 1);
    EXPECT_EQ(image->CountLElement, 2);
}

TEST(TGImageTest, RecordersFillTheirElements) {
    auto image = NewImage();
    image->drArc(0, 0, -5, 10, 80);
    image->drColorStyle(clRed, psSolid);
    image->drMtr(1, 2, 30, 4);
    image->drMtr3D(1, 2, 3, 4);
    image->drLine(1, 2, 3, 4);
    image->drBegin(7u);
    image->drPushState(true);
    image->drSetScreenPlane(-1, 1, -2, 2, -3, 3);
    ASSERT_EQ(image->CountLElement, 8);

    const TGImage::TGElement &arc = image->Element(0), &style = image->Element(1), &mtr = image->Element(2),
                             &mtr3 = image->Element(3), &line = image->Element(4);
    // A negative radius swaps the angles.
    EXPECT_EQ(std::make_tuple(arc.TE, arc.R, arc.Sa, arc.Ea),
              std::make_tuple(TGImage::eArc, 5.0, 80.0, 10.0));
    EXPECT_EQ(std::make_tuple(style.TE, style.cR, style.cG, style.cB, style.St),
              std::make_tuple(TGImage::eColorStyle, 255, 0, 0, psSolid));
    EXPECT_EQ(std::make_tuple(mtr.TE, mtr.X, mtr.Y, mtr.A, mtr.Sc),
              std::make_tuple(TGImage::eMtr, 1.0, 2.0, 30.0, 4.0));
    EXPECT_EQ(std::make_tuple(mtr3.TE, mtr3.A, mtr3.Sc),
              std::make_tuple(TGImage::eMtr3D, 3.0, 4.0)); // A: the z move
    EXPECT_EQ(std::make_tuple(line.TE, line.x2, line.y2), std::make_tuple(TGImage::eLine, 3.0, 4.0));
    EXPECT_EQ(image->Element(5).Tcode, 7u);
    EXPECT_TRUE(image->Element(6).LoadIdentity);
    EXPECT_DOUBLE_EQ(image->Element(7).zFar, 3.0);
}

TEST(TGImageTest, TextElementOwnsItsOwnCopy) {
    auto image = NewImage();
    TString text("Размер");
    image->drText(1, 2, 45, 5, text);
    text.Add(TString("!!!"));
    ASSERT_EQ(image->CountLElement, 1);
    const TGImage::TGElement& e = image->Element(0);
    ASSERT_NE(e.S, nullptr);
    EXPECT_NE(e.S, &text);
    EXPECT_TRUE(*e.S == TString("Размер"));
    EXPECT_EQ(std::make_pair(e.Angle, e.ht), std::make_pair(45.0, 5.0));
}

TEST(TGImageTest, FullImageDropsFurtherElements) {
    auto image = NewImage();
    ASSERT_EQ(TGImage::MaxCountLElements, 524288);
    EXPECT_EQ(image->LElements.Size(), TGImage::MaxCountLElements); // reserved up front
    for (Integer i = 0; i < TGImage::MaxCountLElements; ++i)
        image->drPoint(i, 0);
    ASSERT_EQ(image->CountLElement, TGImage::MaxCountLElements);
    image->drPoint(-1, -1);
    image->drText(0, 0, 0, 1, TString("dropped"));
    image->drDeleteMtr();
    EXPECT_EQ(image->CountLElement, TGImage::MaxCountLElements);
    EXPECT_EQ(image->LElements.Size(), TGImage::MaxCountLElements); // never grown
    const TGImage::TGElement& last = image->Element(TGImage::MaxCountLElements - 1);
    EXPECT_EQ(std::make_pair(last.TE, last.x1),
              std::make_pair(TGImage::ePoint, TGImage::MaxCountLElements - 1.0));
}

TEST(TGImageTest, Set3DDecidesIsSet3D) {
    auto image = NewImage();
    EXPECT_TRUE(image->V3D);
    image->Set3D(false, 0.1, 0.2, 0.3, 0.4);
    EXPECT_FALSE(image->IsSet3D() || image->V3D);
    EXPECT_EQ(std::make_pair(image->ClearGreen, image->ClearAlpha), std::make_pair(0.2, 0.4));
    image->Set3D(true, 1, 1, 1, 1);
    EXPECT_TRUE(image->IsSet3D());
    EXPECT_EQ(std::make_pair(image->XRot, image->YRot), std::make_pair(30.0, -20.0));
    image->YRot = 0.0;
    EXPECT_TRUE(image->IsSet3D()); // either angle alone counts
}

// Recording into a graphic image: colours, the text element's own copy and the capacity.
// Nothing here needs an OpenGL context; replay is tested in GImageGLTest.cpp.
#include "GImage.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

TEST(TGImageTest, ColoursKeepRedInTheLowestByte)
{
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

TEST(TGImageTest, TextElementOwnsItsOwnCopy)
{
    // Images are large (room for every element is reserved up front): one per test, on the heap.
    auto image = std::make_unique<TGImage>(nullptr, nullptr);
    TString text("Размер");
    image->drText(1, 2, 45, 5, text);
    text.Add(TString("!!!"));
    ASSERT_EQ(image->CountLElement, 1);
    const TGImage::TGElement& e = image->Element(0);
    ASSERT_NE(e.S, nullptr);
    EXPECT_NE(e.S, &text);
    EXPECT_TRUE(*e.S == TString("Размер"));
    ASSERT_EQ(image->Texts.size(), 1u);
    EXPECT_EQ(e.S, image->Texts.front().get()) << "the image owns the copy";
    EXPECT_EQ(e.Angle, 45.0);
    EXPECT_EQ(e.ht, 5.0);
}

TEST(TGImageTest, FullImageDropsFurtherElements)
{
    auto image = std::make_unique<TGImage>(nullptr, nullptr);
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

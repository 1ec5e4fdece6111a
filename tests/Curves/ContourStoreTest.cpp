// How a contour leaves the kernel: its stream record and round trips (text items, lines and
// nested contours included), an unknown type code, the text lines, the vertex and index lists
// and the drawing calls through the modeller.

#include "Contour.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "ContourTestUtil.h"
#include "CurveTestUtil.h"
#include "Dictionary.h"
#include "HostFixture.h"
#include "MessageSinks.h"
#include "RecordingModeler.h"
#include "Text.h"

using contourtest::kPi;
using streamtest::Bytes;
using Texts = std::vector<std::string>;

TEST(TContourStoreTest, RoundTripKeepsEveryItemWithItsTypeAndAttributes)
{
    TContour C, D, E;
    C.Add(new TBasePoint(1.5, -2));
    C[0]->Atr = 7;
    const double xy[2] = {1.5, -2};
    Bytes expected = streamtest::Ints({1, ctPoint, 0, 7}); // count, then type code and record
    expected.insert(expected.end(), reinterpret_cast<const Byte*>(xy), reinterpret_cast<const Byte*>(xy + 2));
    EXPECT_EQ(curvetest::StoredBytes(C), expected);
    auto* inner = new TContour();
    inner->Add(new TLineSeg(1, 1, 2, 2));
    for (TCurve2D* I : std::initializer_list<TCurve2D*>{
             new TLineSeg(0, 0, 10, 5.5), new TArc(1, 2, 3, 0.25, 1.5, 0), new TArc(-1, -2, -4, 2.0, 0.5, 0),
             new TCircle(5, 6, 7), new TLine(0, 0, 1, 1), new TText(1.5, 2.5, 0.3, 3.5, TString("Ось А")),
             inner})
        C.Add(I);
    for (Integer k = 0; k + 1 < C.Count; ++k) { // a nested contour's record holds its items only
        C[k]->Name2 = 10 + k;
        C[k]->Atr = k;
    }
    D.Add(new TLineSeg(0, 0, 1, 1)); // replaced by the load
    curvetest::LoadFrom(D, curvetest::StoredBytes(C));
    ASSERT_EQ(D.Count, C.Count);
    for (Integer k = 0; k < C.Count; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(D[k]->IsType(), C[k]->IsType());
        EXPECT_EQ(D[k]->Atr, C[k]->Atr);
        EXPECT_EQ(D[k]->Name2, C[k]->Name2);
    }
    EXPECT_EQ(curvetest::StoredBytes(D), curvetest::StoredBytes(C)); // every coordinate came back
    E = D; // copies keep the text items with their own texts
    static_cast<TText*>(D[6])->Text->Set("x");
    EXPECT_STREQ(static_cast<TText*>(E[6])->Text->PChar(), TString("Ось А").PChar());
}

TEST(TContourStoreTest, UnknownTypeCodeKeepsTheItemsReadSoFarAndSaysSo)
{
    testsinks::TRecordingProcess panel; // a running panel shows the message in its status bar
    TContour C;
    curvetest::LoadFrom(C, streamtest::Ints({0}));
    EXPECT_EQ(C.Count, 0);
    EXPECT_TRUE(panel.Lines.empty());
    C.Add(new TLineSeg(0, 0, 1, 1));
    Bytes data = curvetest::StoredBytes(C);
    data[0] = 3; // three items announced: a segment, then the unknown code 7
    curvetest::LoadFrom(C, streamtest::Cat(data, streamtest::Ints({7, 0, 0})));
    ASSERT_EQ(C.Count, 1);
    EXPECT_EQ(C[0]->IsType(), ctLineSeg);
    ASSERT_EQ(panel.Lines.size(), 1u);
    EXPECT_EQ(panel.Lines[0], TString("Критическая ошибка чтения контура с потока").PChar());
}

class TContourStoreHostTest : public HostFixture {};

TEST_F(TContourStoreHostTest, UnknownTypeCodeMessageIsShownUntranslated)
{
    const TString message("Критическая ошибка чтения контура с потока");
    testsinks::TRecordingProcess panel;
    const tvapi::IApplicationPtr app = Application();
    const testsinks::TRecordingHost host(app.Get());
    Host().Dictionary().SetTranslation(L"Критическая ошибка чтения контура с потока",
                                       L"Contour read failure");
    const std::string translated = DC(message).PChar();
    TContour C;
    curvetest::LoadFrom(C, streamtest::Ints({1, 7}));
    EXPECT_EQ(translated, "Contour read failure") << "the host dictionary knows the message";
    EXPECT_EQ(C.Count, 0);
    ASSERT_EQ(panel.Lines.size(), 1u);
    EXPECT_EQ(panel.Lines[0], message.PChar());
}

TEST(TContourStoreTest, TextLinesEdgesAndDrawing)
{
    TContour C;
    for (TCurve2D* I : std::initializer_list<TCurve2D*>{
             new TLineSeg(0, 0, 10, 5.5), new TArc(1, 2, -3, kPi / 2, 0, 0), new TArc(1, 2, 3, 0, kPi, 0),
             new TCircle(-1.004, 2, 12.346), new TText(0, 0, 0, 1, TString("t")), new TBasePoint(1, 1)})
        C.Add(I);
    C[0]->Atr = 3;
    C[3]->Atr = 2;
    TArrayOf<TString> T(1, 1);
    C.toText(T);
    Texts lines;
    for (Integer i = 0; i < T.Count; ++i)
        lines.emplace_back(T[i].PChar());
    EXPECT_EQ(lines, (Texts{"Line(    0.00 ,    0.00 ,   10.00 ,    5.50",
                            "Arc(    1.00 ,    2.00 ,    3.00 ,   90.00 ,    0.00 , -1",
                            "Arc(    1.00 ,    2.00 ,    3.00 ,    0.00 ,  180.00 , 01",
                            "Circle(   -1.00 ,    2.00 ,   12.35", "", ""})); // others stay as they were
    TRecordingModeler M;
    C.drItems(M, 0);
    C.drItem(M, 2, 9);
    C.drItemsAt(M, 2, 0);
    C.drItem(M, 6, 0); // past the end: nothing
    EXPECT_EQ(M.Texts(), (Texts{"drLine(0, 0, 10, 5.5, 3)", "drArc(1, 2, 3, 1.570796327, 0, 0, -1)",
                                "drArc(1, 2, 3, 0, 3.141592654, 0, 1)", "drCircle(-1.004, 2, 12.346, 2)",
                                "drArc(1, 2, 3, 0, 3.141592654, 9, 1)", "drCircle(-1.004, 2, 12.346, 2)"}));

    TContour E; // items approximated by 2 and 3 points
    contourtest::Polygon(E, {{0, 0}, {0.1, 0}, {0.225, 0}}, true);
    std::vector<double> V;
    std::vector<int> I;
    E.GetEdges(V, I);
    EXPECT_EQ(I, (std::vector<int>{2, 0, 1, 3, 2, 3, 4}));
    EXPECT_EQ(V.size(), 15u);
    EXPECT_EQ(V[6], 0.1);
    EXPECT_EQ(V[14], 0.0);
}

// TText: its stored record byte for byte, re-initialisation, and that it crosses nothing,
// also as an item of a contour.

#include "Text.h"

#include <gtest/gtest.h>

#include <cstring>

#include "Contour.h"
#include "CurveTestUtil.h"
#include "SolverInterSect.h"

using streamtest::Bytes;

TEST(TTextTest, RecordInitAndNoCrossings)
{
    TText T(1.5, -2, 0.25, 3.5, TString("Ab")), U, E(0, 0, 0, 1, TString(""));
    T.Name2 = 4;
    T.Atr = 6;
    const double reals[4] = {1.5, -2, 0.25, 3.5};
    Bytes expected = streamtest::Ints({4, 6});
    expected.insert(expected.end(), reinterpret_cast<const Byte*>(reals),
                    reinterpret_cast<const Byte*>(reals + 4));
    expected = streamtest::Cat(expected, Bytes{2, 0, 0, 0, 'A', 'b', 0});
    EXPECT_EQ(curvetest::StoredBytes(T), expected);
    curvetest::LoadFrom(U, expected);
    EXPECT_EQ(curvetest::StoredBytes(U), expected);
    const Bytes e = curvetest::StoredBytes(E); // an empty text: length 0 and its terminator
    EXPECT_EQ(Bytes(e.end() - 5, e.end()), (Bytes{0, 0, 0, 0, 0}));

    TString S("new"); // Init takes its own copy
    T.Init(5, 0, 0.5, 2.5, S);
    S.Set("changed");
    EXPECT_STREQ(T.Text->PChar(), "new");
    EXPECT_EQ(T.Atr, 0);
    EXPECT_EQ(T.x, 5);
    EXPECT_EQ(T.Height, 2.5);
    const TLineSeg through(0, 0, 10, 0);
    TInterSector IS;
    TContour C; // no crossings, also as an item of a contour
    C.Add(T.Duplicate());
    EXPECT_EQ(T.InterSect(&through) + T.InterSect(&through, IS) + C.InterSect(&through), 0);
    EXPECT_FALSE(C.FoundPoint(5, 0));
}

// The leader pin and the locating sleeve built on the stand-in host: each part's volume is its
// recorded half profile revolved (Pappus) less what its flats take, and their sheets reopen
// with their dimensions and views.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "ComponentHostFixture.h"
#include "LeaderPin.h"
#include "RevolvedProfile.h"

namespace {

constexpr double Tolerance = 0.05; // mm3: the chords of the sampled arcs and the cut's stations

struct TPinSizes {
    double Radius, FRadius, CollarRadius, CollarHeight, OFLen, Len, FLen, ThreadRadius, ThreadLen, Key;
};

void Apply(TSocketLeaderPin& p, const TPinSizes& s)
{
    p.Radius = s.Radius, p.FRadius = s.FRadius, p.CollarRadius = s.CollarRadius,
    p.CollarHeight = s.CollarHeight;
    p.OFLen = s.OFLen, p.Len = s.Len, p.FLen = s.FLen, p.ThreadRadius = s.ThreadRadius,
    p.ThreadLen = s.ThreadLen;
    p.Key = s.Key;
}

class TLeaderPinPartTest : public TComponentHostFixture {
protected:
    // The one body of detail id's part, its extent along the model's Z in Length.
    bool Body(TDcDetail id, double& Volume, double& Length)
    {
        const std::vector<tvhost::TShape> shapes = Shapes(id);
        if (shapes.size() != 1 || !tvhost::IsValidShape(shapes[0])) return false;
        Volume = tvhost::Volume(shapes[0]);
        const std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
        Length = box[5] - box[2];
        return true;
    }
    // Objects of the saved sheet of detail id: dimensions and hatches.
    void SheetCounts(TDcDetail id, int& Dimensions, int& Hatches)
    {
        Dimensions = Hatches = 0;
        const tvapi::ITervanDocumentPtr sheet =
            Host().App().Documents().OpenFile(Wide(Model->sfDetail2D(id, 0)), false);
        auto* drawing = dynamic_cast<tvhost::THostDocument2D*>(sheet.Get());
        ASSERT_NE(drawing, nullptr);
        for (const tvhost::THostViewPtr& view : drawing->Drawing().Views())
            for (const tvapi::IDrawingObjectPtr& o : view->Children()) {
                const auto* core = dynamic_cast<tvhost::TDrawingCore*>(o.Get());
                if (!core) continue;
                Dimensions += core->Type() == tvapi::tvDrLDimension || core->Type() == tvapi::tvDrADimension;
                Hatches += core->Type() == tvapi::tvDrHatch;
            }
    }
    TComponentRecorder R;
};

TEST_F(TLeaderPinPartTest, PinIsItsProfileRevolvedLessReliefFlatAndCollarFlats)
{
    const TDcDetail id = Present("leaderpin");
    // Plain with flats (lead-in 2); tapped with a shoulder and without flats (lead-in 8).
    const TPinSizes cases[] = {{8, 10, 14, 6, 0, 60, 20, 0, 0, 22}, {8, 10, 14, 6, 10, 60, 20, 4, 14, 0}};
    for (const TPinSizes& s : cases) {
        SCOPED_TRACE(s.ThreadLen);
        TSocketLeaderPin p(id, &drApi::MA, nullptr, nullptr);
        Apply(p, s);
        p.dr3D(0);
        double volume = 0, length = 0;
        ASSERT_TRUE(Body(id, volume, length));
        Kept.Reset();

        const double leadIn = s.ThreadLen > 0 ? 8 : 2, x42 = s.CollarHeight;
        R.ClearJournal();
        const TSocketLeaderPin drawn(id, &R, nullptr, nullptr);
        drawn.dr2D_LeaderPin_V1(0, 0, 0, 1, s.Radius, s.FRadius, s.CollarRadius, leadIn, s.Len, s.OFLen, x42,
                                x42 + s.FLen, 0, false, s.Key, s.ThreadRadius, s.ThreadLen);
        ASSERT_TRUE(R.OutlineClosed());
        const std::vector<profile::TEdge> edges = profile::Edges(R);
        const double whole = profile::PappusVolume(edges);
        if (std::abs(length - (s.Len + s.OFLen + x42 + s.FLen)) > 1e-6) {
            EXPECT_NEAR(volume, whole, 0.02 * whole); // only the cuts stray
            GTEST_SKIP() << "the stand-in's YOZ sketch runs along Y, the flats' planes along Z";
        }
        // The profile's x maps onto the model's Z as Z = CollarHeight - x: the relief flat runs
        // from Z = Len down to lead-in + 4, the collar flats over the collar (Z 0 to its height).
        const double relief = profile::CutVolume(edges, x42 - s.Len, x42 - leadIn - 4, [&](double rho) {
            return profile::StripArea(rho, -s.Radius, 0.2 - s.Radius, s.Radius);
        });
        const double flats =
            s.Key == 0 ? 0.0 : 2 * profile::CutVolume(edges, 0, x42, [&](double rho) {
                                   return profile::StripArea(rho, s.Key / 2, s.CollarRadius, s.CollarRadius);
                               });
        EXPECT_GT(relief, 15.0);
        EXPECT_TRUE(s.Key == 0 || flats > 100.0);
        EXPECT_NEAR(volume, whole - relief - flats, Tolerance);
    }
}

TEST_F(TLeaderPinPartTest, SleeveIsItsProfileRevolvedLessThePinsFlatsOnItsCollar)
{
    const TDcDetail id = Present("sleeve");
    TSocketLeaderPin pin(0, &drApi::MA, nullptr, nullptr);
    pin.Key = 22;
    for (const bool collared : {false, true}) {
        SCOPED_TRACE(collared);
        TSocketLeaderPinLocatingSleeves s(id, &drApi::MA, collared ? &pin : nullptr, nullptr);
        ASSERT_EQ(s.Set(3, 10, 40), 6);
        if (collared) s.CollarHeight = 5, s.CollarRadius = 13;
        s.dr3D(0);
        double volume = 0, length = 0;
        ASSERT_TRUE(Body(id, volume, length));
        Kept.Reset();
        R.ClearJournal();
        const TSocketLeaderPinLocatingSleeves drawn(id, &R, nullptr, nullptr);
        drawn.dr2D_V1(0, 0, 0, 1, s.Len, s.CollarHeight, s.ThreadLen, s.Radius, s.FRadius, s.CollarRadius,
                      s.ThreadRadius, 0, false, s.CollarRadius);
        ASSERT_TRUE(R.OutlineClosed());
        const std::vector<profile::TEdge> edges = profile::Edges(R);
        const double whole = profile::PappusVolume(edges);
        if (!collared) {
            // Body 20 x 40, bore 10 with its relief 11, tap drill 8.
            EXPECT_NEAR(volume, whole, Tolerance);
            EXPECT_LT(volume, std::numbers::pi * (100 - 16) * 40);
            EXPECT_GT(volume, 0.9 * std::numbers::pi * (100 - 5.5 * 5.5) * 40);
            continue;
        }
        if (std::abs(length - s.Len) > 1e-6) GTEST_SKIP() << "the stand-in's YOZ sketch runs along Y";
        // The collar lies at the profile's x from Len - CollarHeight to Len, Z = -(x - 35).
        const double flats = 2 * profile::CutVolume(edges, s.Len - s.CollarHeight, s.Len, [&](double rho) {
                                 return profile::StripArea(rho, pin.Key / 2, s.CollarRadius, s.CollarRadius);
                             });
        EXPECT_GT(flats, 50.0);
        EXPECT_NEAR(volume, whole - flats, Tolerance);
    }
}

TEST_F(TLeaderPinPartTest, SheetsReopenWithTheirDimensionsAndSections)
{
    const TDcDetail pinId = Present("leaderpin");
    TSocketLeaderPin p(pinId, &drApi::MA, nullptr, nullptr);
    Apply(p, {8, 10, 14, 6, 10, 60, 20, 4, 14, 22});
    p.dr2D();
    int dimensions = 0, hatches = 0;
    SheetCounts(pinId, dimensions, hatches);
    // The pin 14 (the fitted end's four among them), the three views 5, the enlarged view 3.
    EXPECT_EQ(dimensions, 22);
    EXPECT_EQ(hatches, 1);

    const TDcDetail sleeveId = Present("sleeve");
    TSocketLeaderPinLocatingSleeves s(sleeveId, &drApi::MA, &p, nullptr);
    ASSERT_EQ(s.Set(3, 8, 20), 1);
    s.dr2D();
    SheetCounts(sleeveId, dimensions, hatches);
    // Ten of the section (no collar), the end view's diameter alone (the pin's flats are wider
    // than this collar), the enlarged relief's three.
    EXPECT_EQ(dimensions, 14);
    EXPECT_EQ(hatches, 1);
}

} // namespace

// The leader pin and the locating sleeve on the stand-in host: each part is its recorded half
// profile revolved (Pappus) less what its flats take; their sheets reopen with their dimensions.

#include <gtest/gtest.h>

#include <array>
#include <numbers>

#include "ComponentHostFixture.h"
#include "LeaderPin.h"
#include "RevolvedProfile.h"

namespace {

constexpr double Tolerance = 0.05; // mm3: the chords of the sampled arcs and the cut's stations

class TLeaderPinPartTest : public TComponentHostFixture {
protected:
    // The volume of detail id's one valid body and its extent along the model's Z.
    std::array<double, 2> Body(TDcDetail id)
    {
        const std::vector<tvhost::TShape> shapes = Shapes(id);
        EXPECT_EQ(shapes.size(), 1u);
        if (shapes.size() != 1 || !tvhost::IsValidShape(shapes[0])) return {0, 0};
        const std::array<double, 6> box = tvhost::BoxOf(shapes[0]);
        const double volume = tvhost::Volume(shapes[0]);
        Kept.Reset();
        return {volume, box[5] - box[2]};
    }
    // The dimensions of detail id's saved sheet; -1 when it does not open.
    int SheetDimensions(TDcDetail id)
    {
        tvhost::THostDocument2D* drawing = OpenSheet(id);
        return drawing ? Dimensions(*drawing) : -1;
    }
    TComponentRecorder R;
};

TEST_F(TLeaderPinPartTest, PinIsItsProfileRevolvedLessReliefFlatAndCollarFlats)
{
    const TDcDetail id = Present("leaderpin");
    // Plain with flats 22 (lead-in 2); M8 with a shoulder of 10 and no flats (lead-in 8).
    for (const bool tapped : {false, true}) {
        SCOPED_TRACE(tapped);
        TSocketLeaderPin p(id, &drApi::MA, nullptr, nullptr);
        p.Radius = 8, p.FRadius = 10, p.CollarRadius = 14, p.CollarHeight = 6, p.Len = 60, p.FLen = 20;
        p.OFLen = tapped ? 10 : 0, p.ThreadRadius = tapped ? 4 : 0, p.ThreadLen = tapped ? 14 : 0;
        p.Key = tapped ? 0 : 22;
        p.dr3D(0);
        const auto [volume, length] = Body(id);
        const double leadIn = tapped ? 8 : 2, x42 = p.CollarHeight;
        R.ClearJournal();
        TSocketLeaderPin(id, &R, nullptr, nullptr)
            .dr2D_LeaderPin_V1(0, 0, 0, 1, 8, 10, 14, leadIn, 60, p.OFLen, x42, x42 + 20, 0, false, p.Key,
                               p.ThreadRadius, p.ThreadLen);
        ASSERT_TRUE(R.OutlineClosed());
        const std::vector<profile::TEdge> edges = profile::Edges(R);
        const double whole = profile::PappusVolume(edges);
        EXPECT_NEAR(length, 60 + p.OFLen + x42 + 20, 1e-6); // along Z, as the flats' planes see it
        // Z = CollarHeight - x: the relief flat from Z = Len down to lead-in + 4, the collar's
        // flats over Z 0 to its height.
        const double relief = profile::CutVolume(edges, x42 - 60, x42 - leadIn - 4, [](double rho) {
            return profile::StripArea(rho, -8, -7.8, 8);
        });
        const double flats = tapped ? 0.0 : 2 * profile::CutVolume(edges, 0, x42, [](double rho) {
                                                return profile::StripArea(rho, 11, 14, 14);
                                            });
        EXPECT_GT(relief, 15.0);
        EXPECT_TRUE(tapped || flats > 100.0);
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
        ASSERT_EQ(s.Set(3, 10, 40), 6); // body 20 x 40, bore 10, M12 10 deep
        if (collared) s.CollarHeight = 5, s.CollarRadius = 13;
        s.dr3D(0);
        const auto [volume, length] = Body(id);
        R.ClearJournal();
        TSocketLeaderPinLocatingSleeves(id, &R, nullptr, nullptr)
            .dr2D_V1(0, 0, 0, 1, 40, s.CollarHeight, 10, 10, 5, s.CollarRadius, 6, 0, false, 0);
        ASSERT_TRUE(R.OutlineClosed());
        const std::vector<profile::TEdge> edges = profile::Edges(R);
        const double whole = profile::PappusVolume(edges);
        if (!collared) {
            EXPECT_LT(whole, std::numbers::pi * (100 - 16) * 40); // the body less the tap drill at least
            EXPECT_NEAR(volume, whole, Tolerance);
            continue;
        }
        EXPECT_NEAR(length, 40, 1e-6);
        // The collar is the profile's last 5 (Z -5 to 0), the flats 22 across.
        const double flats = 2 * profile::CutVolume(edges, 35, 40, [](double rho) {
                                 return profile::StripArea(rho, 11, 13, 13);
                             });
        EXPECT_GT(flats, 50.0);
        EXPECT_NEAR(volume, whole - flats, Tolerance);
    }
}

TEST_F(TLeaderPinPartTest, SheetsReopenWithTheirDimensions)
{
    const TDcDetail pinId = Present("leaderpin");
    TSocketLeaderPin p(pinId, &drApi::MA, nullptr, nullptr);
    p.Radius = 8, p.FRadius = 10, p.CollarRadius = 14, p.CollarHeight = 6, p.OFLen = 10, p.Len = 60;
    p.FLen = 20, p.ThreadRadius = 4, p.ThreadLen = 14, p.Key = 22;
    p.dr2D();
    // The pin's 14 (the fitted end's two among them), the three views' 5, the enlarged view's 3.
    EXPECT_EQ(SheetDimensions(pinId), 22);
    const TDcDetail sleeveId = Present("sleeve");
    TSocketLeaderPinLocatingSleeves s(sleeveId, &drApi::MA, &p, nullptr);
    ASSERT_EQ(s.Set(3, 8, 20), 1);
    s.dr2D();
    // Ten of the section (no collar), the end view's diameter alone (the pin's flats are wider
    // than this collar), the enlarged relief's three.
    EXPECT_EQ(SheetDimensions(sleeveId), 14);
}

} // namespace

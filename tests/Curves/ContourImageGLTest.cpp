// Contours recorded into a graphic image: a replay in feedback mode draws the segments, arcs and
// circles the modeller is asked for.
#include "Arc.h"
#include "Contour.h"
#include "GImage.h"
#include "LineSeg.h"

#include "GLContext.h"
#include "RecordingModeler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double kPi = TMathDef::C_PI;
constexpr double kPixel = 1e-3; // feedback coordinates are floats in window pixels
constexpr double kAngle = 1e-4; // angular slack of a sampled point at the arc's ends

class TContourImageGLTest : public GLFixture {
protected:
    std::unique_ptr<TGImage> image = std::make_unique<TGImage>(nullptr, nullptr);
};

std::vector<double> Numbers(const TRecordedCall& c)
{
    std::vector<double> v;
    for (const std::string& a : c.Args)
        v.push_back(std::stod(a));
    return v;
}

double Dist(const TFeedbackVertex& p, double x, double y)
{
    return std::hypot(p.x - x, p.y - y);
}
double Dist(const TFeedbackVertex& p, const TFeedbackVertex& q)
{
    return Dist(p, q.x, q.y);
}

// How far p lies round the centre (x, y) from the angle t1 in the direction sense, in [0, 2 pi);
// the start itself, reached after a whole turn, counts as 0.
double Turn(const TFeedbackVertex& p, double x, double y, double t1, double sense)
{
    double d = std::fmod(sense * (std::atan2(p.y - y, p.x - x) - t1), 2 * kPi);
    d = d < 0 ? d + 2 * kPi : d;
    return d > 2 * kPi - kAngle ? 0 : d;
}

} // namespace

TEST_F(TContourImageGLTest, ReplayDrawsTheSegmentsArcsAndCirclesOfTheModeller)
{
    TContour C;
    C.Add(new TLineSeg(10, 10, 60, 10));
    C.Add(new TArc(60, 30, 20, -kPi / 2, kPi / 2, 1)); // counter-clockwise
    C.Add(new TLineSeg(60, 50, 30, 50));
    C.Add(new TArc(30, 65, -15, -kPi / 2, kPi, 2)); // clockwise, from the bottom to the left
    C.Add(new TBasePoint(5, 5));
    C.Add(new TCircle(95, 95, 25));
    C[5]->Atr = 4;
    TRecordingModeler M;
    C.drItems(M, 0);
    ASSERT_EQ(M.Names(), std::vector<std::string>({"drLine", "drArc", "drLine", "drArc", "drCircle"}));
    C.GIdrItems(*image, 0);
    const TFeedback f = CaptureFeedback([this] { image->DrawElements(); });

    std::size_t next = 0; // the feedback segments are consumed in drawing order
    for (const TRecordedCall& call : M.Calls) {
        SCOPED_TRACE(call.Text());
        const std::vector<double> v = Numbers(call);
        if (call.Name == "drLine") {
            ASSERT_LT(next, f.lines.size());
            const auto& l = f.lines[next++];
            EXPECT_LT(Dist(l[0], v[0], v[1]) + Dist(l[1], v[2], v[3]), kPixel);
            continue;
        }
        // A circle of 16 n + 16 pieces, an arc of 8 n + 16, n = floor(R / 10), in one chain.
        const bool arc = call.Name == "drArc";
        const double x = v[0], y = v[1], R = v[2], t1 = arc ? v[3] : 0, t2 = arc ? v[4] : 0,
                     sense = arc ? v[6] : 1;
        const std::size_t n = static_cast<std::size_t>(R / 10) * (arc ? 8 : 16) + 16;
        ASSERT_LE(next + n, f.lines.size());
        const auto first = f.lines.begin() + next, last = first + (n - 1);
        next += n;
        for (auto l = first; l <= last; ++l) {
            EXPECT_NEAR(Dist((*l)[0], x, y), R, kPixel);
            EXPECT_TRUE(l == last || Dist((*l)[1], (*(l + 1))[0]) < kPixel);
            EXPECT_TRUE(!arc || Turn((*l)[1], x, y, t1, sense) <= std::fabs(t2 - t1) + kAngle);
        }
        if (!arc) {
            EXPECT_LT(Dist((*last)[1], (*first)[0]), kPixel); // closed
            continue;
        }
        // The image runs every arc counter-clockwise: a clockwise one from its end to its start.
        const double from = sense > 0 ? t1 : t2, to = sense > 0 ? t2 : t1;
        EXPECT_LT(Dist((*first)[0], x + R * std::cos(from), y + R * std::sin(from)), kPixel);
        EXPECT_LT(Dist((*last)[1], x + R * std::cos(to), y + R * std::sin(to)), kPixel);
    }
    EXPECT_EQ(next, f.lines.size());
}

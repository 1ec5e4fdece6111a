// Face views of spur gear rims, external and internal. One tooth pitch is built from circle
// intersections: each flank is a single arc whose centre lies on a construction circle 1 mm
// off the root circle, through the pitch point; the pitch is then drawn once per tooth.

#include "MathDetailsl.h"

#include <cmath>
#include <numbers>

#include "ContDrawing.h"

namespace {

constexpr Real MinTeeth = 3;
constexpr Real MaxTeeth = 1000;
constexpr Real GrooveRadius = 0.25;
constexpr Real MarkRadius = 1.0;
constexpr Real DegPerRad = 180.0 / std::numbers::pi;

struct TXY {
    Real x = 0, y = 0;
};

// The half of a circle a construction arc keeps: the side left or right of its centre
// (angles pi/2 to 3pi/2 keep the left half, 3pi/2 to pi/2 the right one).
enum class THalf { Left, Right };

// Where the circle (c, r) crosses the half `half` of the circle (hc, hr): the last of the
// crossings that lie on that half. When there is none, `p` keeps its value, so a wheel whose
// construction circles miss draws a degenerate tooth instead of failing.
void Cross(TXY c, Real r, TXY hc, Real hr, THalf half, TXY& p)
{
    const Real dx = hc.x - c.x, dy = hc.y - c.y;
    const Real d = std::hypot(dx, dy);
    if (d <= 0 || d > r + hr || d < std::abs(r - hr)) return;
    const Real a = (r * r - hr * hr + d * d) / (2 * d);
    const Real h = std::sqrt(std::max(0.0, r * r - a * a));
    const TXY m{c.x + a * dx / d, c.y + a * dy / d};
    for (const Real s : {1.0, -1.0}) {
        const TXY q{m.x - s * h * dy / d, m.y + s * h * dx / d};
        if ((half == THalf::Left) == (q.x <= hc.x)) p = q;
    }
}

TXY Polar(Real r, Real deg)
{
    return {r * std::cos(deg / DegPerRad), r * std::sin(deg / DegPerRad)};
}

Real Direction(TXY p)
{
    return std::atan2(p.y, p.x) * DegPerRad;
}

} // namespace

void TCommonGeometry::dr2D_GearsWheel_Ext_V2(R mx, R my, R ma, R mm, R m, R z, R c, Integer, Boolean) const
{
    GearsWheel(mx, my, ma, mm, m, z, c, false);
}

void TCommonGeometry::dr2D_GearsWheel_Int_V2(R mx, R my, R ma, R mm, R m, R z, R c, Integer, Boolean) const
{
    GearsWheel(mx, my, ma, mm, m, z, c, true);
}

void TCommonGeometry::GearsWheel(R mx, R my, R ma, R mm, R m, R z, R c, Boolean Internal) const
{
    if (!(std::isfinite(m) && m > 0 && z >= MinTeeth && z <= MaxTeeth && std::isfinite(c))) return;
    const Real side = Internal ? -1.0 : 1.0; // the internal wheel mirrors radii and sides
    const Real r = m * z / 2;
    const Real ra = m * (z + 2 * side) / 2;
    const Real rf = m * (z - side * (2 + c)) / 2;
    const Real rc = rf + side;
    const Real tau = 360.0 / z;
    const THalf toward = Internal ? THalf::Right : THalf::Left; // the flank F1 faces the y axis
    const THalf away = Internal ? THalf::Left : THalf::Right;
    const TXY O{0, 0}, P{0, r}, P2 = Polar(r, 90.0 - side * tau / 2);

    TXY T, T2, Q1, A1, Q2, A2;
    // T: on the construction circle and the circle on the diameter from P outwards or inwards.
    Cross(O, rc, TXY{0, Internal ? 1.5 * r : r / 2}, r / 2, Internal ? THalf::Left : THalf::Right, T);
    const Real rho = std::hypot(P.x - T.x, P.y - T.y);
    Cross(O, rc, T, rho, toward, Q1);
    Cross(O, ra, T, rho, toward, A1);
    Cross(O, rc, P2, rho, toward, T2);
    Cross(O, rc, T2, rho, away, Q2);
    Cross(O, ra, T2, rho, away, A2);
    const Real beta1 = Direction(Q2), beta2 = Direction(Q1) - side * tau;
    const TXY R1 = Polar(rf, beta1), R2 = Polar(rf, beta2), Q1next = Polar(rc, beta2);

    drMtr(mx, my, ma, mm);
    TContDrawing C(M2());
    C.Make(Q1.x, Q1.y,
           dA(T.x, T.y, -side * rho, A1.x, A1.y,
              dA(0, 0, -side * ra, A2.x, A2.y,
                 dA(T2.x, T2.y, -side * rho, Q2.x, Q2.y,
                    dCVR(R1.x, R1.y, R2.x, R2.y, Q1next.x, Q1next.y, GrooveRadius, nullptr)))));
    for (Integer k = 0; k < z; ++k) {
        drMtr(0, 0, -k * tau, 1.0);
        C.dr2D(1);
        drDeleteMtr();
    }
    if (Internal) {
        M2->drCircleAxle(P.x, P.y, MarkRadius, 3);
        M2->drCircleAxle(T.x, T.y, MarkRadius, 3);
    }
    drDeleteMtr();
}

// The base-detail builder's sizes, kind by kind, as its profiles read them.

#include "BaseDetailSizes.h"

#include <cmath>
#include <initializer_list>
#include <utility>

#include "MathDetail2.h"
#include "MathDetailsl.h"
#include "Mathemat.h"

namespace {

constexpr double SocketCos30 = 0.8660254037844387; // a hexagon across flats over across corners

using TIndices = std::initializer_list<int>;
using TPairs = std::initializer_list<std::pair<int, int>>;

// What a kind reads: diameters and lengths above 0, other sizes 0 or more, and pairs (a, b)
// where the diameter P[a] must be wider than P[b].
struct TKindSizes {
    TIndices Diameters, Lengths, Sizes;
    TPairs Wider;
};

TBaseRefusal Check(const double* P, const TKindSizes& k)
{
    for (const int i : k.Diameters)
        if (!(P[i] > 0) || !std::isfinite(P[i])) return {"диаметр", P[i]};
    for (const int i : k.Lengths)
        if (!(P[i] > 0) || !std::isfinite(P[i])) return {"длина", P[i]};
    for (const int i : k.Sizes)
        if (!(P[i] >= 0) || !std::isfinite(P[i])) return {"размер", P[i]};
    for (const auto& [a, b] : k.Wider)
        if (!(P[a] > P[b])) return {"диаметр", P[a]};
    return {};
}

// The cap screws' head (diameter D, height K over shank d, under-head length L), socket (S
// across flats, t deep with its drill point) inside the head, and the fillet r under it.
TBaseRefusal CapScrewRefusal(double d, double D, double K, double L, double S, double t, double r)
{
    if (!(d > 0) || !std::isfinite(d)) return {"диаметр резьбы", d};
    if (!(D > d) || !std::isfinite(D)) return {"диаметр головки", D};
    if (!(K > 0) || !std::isfinite(K)) return {"высота головки", K};
    if (!(L > 0) || !std::isfinite(L)) return {"длина", L};
    if (S < 0 || !(S / SocketCos30 < D)) return {"размер под ключ", S};
    if (t < 0 || !(t + S / 2 * TanDrillPoint < K)) return {"глубина шестигранника", t};
    if (!(r >= 0) || !(r < (D - d) / 2)) return {"радиус", r};
    return {};
}

// A plug's cylinder of radius Rad and length Len, chamfered at both ends: each chamfer leaves the
// end face (and so the axis), and the two leave the cylinder between them.
TBaseRefusal PlugRefusal(double Rad, double Len)
{
    if (Rad - PlugChamfer <= TMathDef::metricPrecision) return {"радиус", Rad};
    if (Len - 2 * PlugChamfer <= TMathDef::metricPrecision) return {"длина", Len};
    return {};
}

// Whether a hexagon socket S across flats lies inside an end face of radius Face.
bool SocketInside(double S, double Face)
{
    return S / SocketCos30 < 2 * Face;
}

// The set screws' shank of radius r chamfered at its end, L long under a head K high that the
// thread leaves 2 short of.
TBaseRefusal SetScrewEndRefusal(double r, double L, double K)
{
    if (r - PlugChamfer <= TMathDef::metricPrecision) return {"диаметр", 2 * r};
    if (L - K - 2 - PlugChamfer <= TMathDef::metricPrecision) return {"длина", L};
    return {};
}

// The sprue bushing's collar (diameter P[2]) stands out of its shank.
TBaseRefusal SprueRefusal(const double* P, bool Seat, const TKindSizes& k)
{
    if (const TBaseRefusal r = Check(P, k); r.What) return r;
    if (!(P[2] / 2 > TInjectPlug::ShankRadius(P[5] / 2, P[6] + P[3], Seat ? SprueSeatDepth : 0)))
        return {"диаметр", P[2]};
    return {};
}

TBaseRefusal LeaderPinRefusal(int Kind, const double* P)
{
    switch (Kind) {
    case 5:
        return Check(P, {{1, 2, 3}, {4, 5, 6, 8}, {7}, {}});
    case 6:
        return Check(P, {{1, 2, 3}, {4, 5, 6, 7}, {}, {}});
    case 7:
        return Check(P, {{1, 2}, {3, 4, 5}, {}, {}});
    case 8:
        return Check(P, {{1}, {2, 3}, {}, {}});
    case 29:
        return Check(P, {{1, 2, 3}, {4, 5, 6, 7}, {}, {}});
    case 30:
        return Check(P, {{1, 2, 3}, {4, 5, 6, 7, 8}, {}, {}});
    default: // 50
        return Check(P, {{3}, {4, 5}, {}, {}});
    }
}

TBaseRefusal BushingRefusal(int Kind, const double* P)
{
    switch (Kind) {
    case 2:
    case 4:
        return Check(P, {{1, 2, 3}, {7}, {4, 5, 6}, {{2, 1}}});
    case 10:
        return Check(P, {{1, 2, 3}, {4, 5}, {}, {{2, 1}}});
    case 11:
        return Check(P, {{1, 2, 3}, {4, 5, 6}, {}, {{2, 1}}});
    case 43:
    case 51:
        return Check(P, {{3, 4}, {5}, {}, {{4, 3}}});
    default: // 52
        return Check(P, {{3, 5}, {7}, {9}, {{5, 3}}});
    }
}

TBaseRefusal MouldPartRefusal(int Kind, const double* P)
{
    switch (Kind) {
    case 3:
        return Check(P, {{3, 4, 5}, {6}, {1}, {{5, 3}, {5, 4}}});
    case 12:
        if (!(P[1] > 0) || !std::isfinite(P[1])) return {"диаметр", P[1]};
        if (!(P[2] > P[1]) || !std::isfinite(P[2])) return {"диаметр головки", P[2]};
        if (!(P[3] > 0) || !std::isfinite(P[3])) return {"высота головки", P[3]};
        if (!(P[5] > P[3]) || !std::isfinite(P[5])) return {"длина", P[5]};
        return Check(P, {{}, {}, {4}, {}});
    case 13:
        return Check(P, {{1, 2, 3, 4}, {5, 6, 7}, {}, {}});
    case 14:
    case 16:
        return SprueRefusal(P, false, {{2, 5}, {3, 6}, {7}, {{2, 5}}});
    case 15:
    case 17:
        return SprueRefusal(P, true, {{2, 5}, {3, 6, 8}, {7}, {{2, 5}}});
    case 18:
    case 19:
        return Check(P, {{1, 3, 7}, {2, 4, 5, 6}, {}, {{3, 1}, {7, 1}}});
    case 20:
        return Check(P, {{1, 2}, {3, 4, 5, 6, 7}, {}, {}});
    case 21:
        return Check(P, {{1, 3}, {2, 4, 5}, {}, {{1, 3}}});
    case 23:
        return Check(P, {{1, 2}, {3, 4}, {5}, {}});
    case 24:
        return Check(P, {{1, 2}, {3}, {}, {{1, 2}}});
    default: // 27
        return Check(P, {{1, 2, 3}, {4, 5}, {}, {}});
    }
}

TBaseRefusal FastenerRefusal(int Kind, const double* P)
{
    switch (Kind) {
    case 22:
        if (const TBaseRefusal r = Check(P, {{1, 3}, {2, 4}, {5}, {{3, 1}}}); r.What) return r;
        // The socket is cut 1 short of the head's height, inside its top face.
        if (P[4] - 1 <= TMathDef::metricPrecision) return {"высота головки", P[4]};
        if (!SocketInside(P[5], P[3] / 2)) return {"размер под ключ", P[5]};
        return SetScrewEndRefusal(P[1] / 2, P[2], P[4]);
    case 25:
        // Chamfered 1 at the socket's end and P[3] at the other.
        if (const TBaseRefusal r = Check(P, {{1}, {4}, {2, 3}, {}}); r.What) return r;
        if (P[1] / 2 - PlugChamfer <= TMathDef::metricPrecision) return {"диаметр", P[1]};
        if (!(P[3] < P[1] / 2)) return {"фаска", P[3]};
        if (P[4] - P[3] - PlugChamfer <= TMathDef::metricPrecision) return {"длина", P[4]};
        if (!SocketInside(P[2], P[1] / 2 - PlugChamfer)) return {"размер под ключ", P[2]};
        return {};
    case 26:
        return CapScrewRefusal(P[1], P[2], P[4], P[8], P[3], P[5], P[7]);
    case 31:
        if (const TBaseRefusal r = Check(P, {{1}, {2}, {}, {}}); r.What) return r;
        if (P[3] < 0 || !(P[3] < P[1] / 2) || !(2 * P[3] < P[2])) return {"фаска", P[3]};
        return {};
    case 32:
        return Check(P, {{2, 8}, {1, 5}, {3, 11}, {{8, 2}}});
    case 33:
        return CapScrewRefusal(P[1], P[5], P[6], P[2], P[7], P[10], P[12]);
    case 34:
        if (const TBaseRefusal r = CapScrewRefusal(P[1], P[5], P[6], P[2], 0, 0, 0); r.What) return r;
        // A slot as deep as the head or deeper cuts it through, and on a shank no wider than the
        // slot nothing holds what is left of the head: a headless stub, or pieces apart.
        if (P[6] - ScrewSlotDepth <= TMathDef::metricPrecision &&
            P[1] - ScrewSlotWidth <= TMathDef::metricPrecision)
            return {"высота головки", P[6]};
        // A head no wider than the slot is cut away across its whole width.
        if (P[5] - ScrewSlotWidth <= TMathDef::metricPrecision) return {"диаметр головки", P[5]};
        // Nor may it reach past the head into the shank.
        if (P[6] - ScrewSlotDepth < -TMathDef::metricPrecision) return {"высота головки", P[6]};
        return {};
    case 35:
        if (const TBaseRefusal r = Check(P, {{1, 5}, {2, 6}, {11, 12}, {{5, 1}}}); r.What) return r;
        // Arms no longer than they are wide make no cross: no recess at all.
        if (P[11] - RecessArmWidth <= TMathDef::metricPrecision) return {"размер", P[11]};
        return SetScrewEndRefusal(P[1] / 2, P[2], P[6]);
    case 37:
        if (const TBaseRefusal r = Check(P, {{0}, {2}, {1}, {}}); r.What) return r;
        if (const TBaseRefusal r = PlugRefusal(P[0], P[2]); r.What) return r;
        // The socket's corners stay inside the end face the chamfer leaves.
        if (!SocketInside(P[1], P[0] - PlugChamfer)) return {"размер под ключ", P[1]};
        return {};
    default: // 38
        if (const TBaseRefusal r = Check(P, {{0, 2}, {1}, {3}, {}}); r.What) return r;
        // The tang's ends lie on the head's circle (radius P[2]) only while it is narrower than
        // the head; a wider one would stand beside a head cut in two.
        if (!(P[3] < 2 * P[2])) return {"ширина", P[3]};
        return PlugRefusal(P[2], P[0]);
    }
}

} // namespace

TBaseRefusal BaseDetailRefusal(int MakeId, const double* P)
{
    switch (MakeId) {
    case 5:
    case 6:
    case 7:
    case 8:
    case 29:
    case 30:
    case 50:
        return LeaderPinRefusal(MakeId, P);
    case 2:
    case 4:
    case 10:
    case 11:
    case 43:
    case 51:
    case 52:
        return BushingRefusal(MakeId, P);
    case 3:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
    case 23:
    case 24:
    case 27:
        return MouldPartRefusal(MakeId, P);
    case 22:
    case 25:
    case 26:
    case 31:
    case 32:
    case 33:
    case 34:
    case 35:
    case 37:
    case 38:
        return FastenerRefusal(MakeId, P);
    default: // 28, 36 and the kinds without a profile
        return {};
    }
}

int BaseDetailLastSize(int MakeId)
{
    switch (MakeId) {
    case 28:
    case 37:
        return 2;
    case 8:
    case 24:
    case 31:
    case 38:
        return 3;
    case 25:
        return 4;
    case 7:
    case 10:
    case 12:
    case 21:
    case 22:
    case 23:
    case 27:
    case 43:
    case 50:
    case 51:
        return 5;
    case 3:
    case 11:
        return 6;
    case 2:
    case 4:
    case 6:
    case 13:
    case 14:
    case 16:
    case 18:
    case 19:
    case 20:
    case 29:
    case 34:
        return 7;
    case 5:
    case 15:
    case 17:
    case 26:
    case 30:
        return 8;
    case 52:
        return 9;
    case 32:
        return 11;
    case 33:
    case 35:
        return 12;
    default:
        return -1;
    }
}

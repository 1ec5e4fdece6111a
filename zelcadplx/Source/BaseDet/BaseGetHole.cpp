// The hole of a base detail by its detail number and the hole kind asked for.
#include "BaseGetHole.h"

#include <cmath>

#include "THoleData.h"

namespace {

constexpr double Clearance = 0.5;            // radial play of a clearance hole
constexpr double Cos30 = 0.8660254037844387; // across flats to across corners of a hexagon
constexpr double HexSeat = 1.5;              // a hexagon head's seat, times its corner radius
constexpr double HeadSeatPlay = 1.0;         // radial play of a round head's seat

bool HasHole(int MakeId)
{
    switch (MakeId) {
    case 22:
    case 23:
    case 25:
    case 26:
    case 31:
    case 32:
    case 33:
    case 34:
    case 35:
        return true;
    default:
        return false;
    }
}

// The countersunk seat of a set screw: a step of depth h and radius d + s narrowing at 45
// degrees to a bore of radius d + play, D deep below the seat's cone.
void Countersink(THoleData& HD, double d, double s, double h, double D, double play)
{
    HD.Set(0.0, h, d + s, s - play, D - h + play, d + play, 0.0, 0.0, 0.0, 0.0);
}

// A clearance hole with a seat of radius seatR for a head sunk h deep (DH < 0), else a plain
// clearance hole of radius r.
void Seat(THoleData& HD, double seatR, double r, double h, double D)
{
    if (HD.DH < 0.0)
        HD.Set2C(seatR, h, r, D - h);
    else
        HD.Set1C(r, D);
}

} // namespace

Boolean drBaseGetHole(int MakeId, const double* P, THoleData* HD)
{
    if (!HasHole(MakeId)) return false;
    if (!P || !HD || !HD->Cfg.PInt) return true;
    const int c = *HD->Cfg.PInt;
    if (c < 1 || c > 3) return true;
    const double d = P[1] / 2, h = std::fabs(HD->DH), D = HD->Depth;
    switch (MakeId) {
    case 22:
    case 35:
        // The screw's head lies below the face: every hole kind takes its seat, over a bore of
        // the kind's own size.
        if (c == 3) Countersink(*HD, d, MakeId == 22 ? P[4] : P[6], h, MakeId == 22 ? P[2] : D, 0.0);
        if (c != 3) Countersink(*HD, d, MakeId == 22 ? P[4] : P[6], h, D, Clearance);
        break;
    case 26:
        if (c == 3) HD->Set1C(d, P[8]);
        if (c == 2) HD->Set1C(d + Clearance, D);
        if (c == 1) Seat(*HD, P[2] / 2 + HeadSeatPlay, d + Clearance, h, D);
        break;
    case 31:
        HD->Set1C(d, D); // a pin sits in a hole of its own size
        break;
    case 32:
        if (c == 3) HD->Set1C(P[2] / 2, D);
        if (c == 2) HD->Set1C(P[2] / 2 + Clearance, D);
        if (c == 1) Seat(*HD, P[8] * 0.5 / Cos30 * HexSeat, P[2] / 2 + Clearance, h, D);
        break;
    case 33:
    case 34:
        if (c == 3) HD->Set1C(d, D);
        if (c == 2) HD->Set1C(d + Clearance, D);
        if (c == 1) Seat(*HD, P[5] / 2 + HeadSeatPlay, d + Clearance, h, D);
        break;
    default: // 23, 25: nothing to write
        break;
    }
    return true;
}

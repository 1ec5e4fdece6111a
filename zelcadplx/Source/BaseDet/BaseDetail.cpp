// The base-detail builder. Every profile is drawn in a sketch on YOZ, so the part's axis is
// the model's Z and a profile's x runs along -Z; the features after the revolution are placed
// and directed so that they take material where the component has them (see the notes at the
// kinds whose plane or direction had to follow the host's sketch rules).

#include "BaseDetail.h"

#include <cmath>

#include "BaseDetailSizes.h"
#include "ContDrawing.h"
#include "Fitting.h"
#include "LeaderPin.h"
#include "MathDetail2.h"
#include "MathDetailsl.h"
#include "Messager.h"
#include "drModeler3D.h"

namespace {

using tvapi::dtBoth;
using tvapi::dtNormal;
using tvapi::dtReverse;
using tvapi::etBlind;
using tvapi::o3d_planeXOY;
using tvapi::o3d_planeXOZ;
using tvapi::o3d_planeYOZ;

constexpr double Tan5 = 0.08748866352592401;

// A closed regular hexagon S across flats about the sketch origin.
void Hexagon(TModeler3D& M, double S)
{
    TSetScrew(0, &M, TConstruktor::Empty()).drHexAngle(S, 1);
}

void Feature(TModeler3D& M, tvapi::tvObj3dTypeEnum Plane, double Distance)
{
    M.drPlaneEskis(Plane, Distance, 0.0, "");
}

void Cut(TModeler3D& M, tvapi::tvDirectionTypeEnum Napr, double Depth)
{
    M.drCutExtrusion(Napr, etBlind, Depth, 0.0);
}

// The leader-pin bushing's kinds.
void LeaderPinBushing(TModeler3D& M, int Kind, const double* P, bool IsSize)
{
    double r = P[1] / 2, r1 = P[2] / 2, r2 = P[3] / 2, F = 0, S = 0, L = 0, sl = 0;
    switch (Kind) {
    case 2:
    case 4:
        F = P[5], S = P[4], L = P[7], sl = P[6];
        break;
    case 10:
        F = P[4] - 6, S = 6, L = P[5], sl = P[4] + P[5];
        break;
    case 11:
        F = P[5] - P[4], S = P[4], L = P[6], sl = P[5] + P[6];
        break;
    case 43:
    case 51:
        r = P[3] / 2, r1 = r2 = P[4] / 2, L = P[5], sl = L;
        break; // a plain bore: guided all along
    default:
        r = P[3] / 2, r1 = r2 = P[5] / 2, L = P[7], sl = P[7] - P[9];
        break; // 52
    }
    TDirectPlug(0, &M, TConstruktor::Empty())
        .dr2D_LeaderPinBushing_V1(0, 0, 0, 1, r, r1, r2, F, S, L, sl, 0, IsSize, 0);
}

// The leader pin's kinds.
void LeaderPin(TModeler3D& M, int Kind, const double* P, bool IsSize)
{
    double r42 = P[1] / 2, r41 = P[2] / 2, r43 = P[3] / 2, x40 = 0, ix41 = 0, x46 = 0, x42 = 0, ix43 = 0;
    switch (Kind) {
    case 5:
        x40 = P[6], ix41 = P[8], x46 = P[7], x42 = P[4], ix43 = P[4] + P[5];
        break;
    case 6:
        x40 = P[5], ix41 = P[7], x46 = P[6] - P[4], x42 = P[4], ix43 = P[4];
        break;
    case 7:
        r41 = P[1] / 2, r43 = P[2] / 2, x40 = P[3], ix41 = P[5], x42 = P[4];
        break;
    case 8:
        r41 = r43 = P[1] / 2 + 0.3, x40 = P[2], ix41 = P[3], x42 = 4, ix43 = 6.5;
        break;
    case 29:
        x40 = P[5], ix41 = P[7] - P[6], x46 = P[6], x42 = P[4], ix43 = P[4];
        break;
    case 30:
        x40 = P[6], ix41 = P[8] - P[7], x46 = P[7], x42 = P[4], ix43 = P[4] + P[5];
        break;
    default:
        r42 = r41 = r43 = P[3] / 2, x40 = P[5], ix41 = P[4], x46 = P[3] - 0.5;
        break; // 50
    }
    TSocketLeaderPin(0, &M, nullptr, nullptr)
        .dr2D_LeaderPin_V1(0, 0, 0, 1, r42, r41, r43, x40, ix41, x46, x42, ix43, 0, IsSize, 0, 0, 0);
}

void SprueBushing(TModeler3D& M, int Kind, const double* P, bool IsSize)
{
    const bool seat = Kind == 15 || Kind == 17;
    TInjectPlug(0, &M, TConstruktor::Empty())
        .dr2D_V1(0, 0, 0, 1, seat ? P[8] : 0, P[5] / 2, P[2] / 2, P[2] / 2, P[6], P[6] + P[3], P[3],
                 seat ? SprueSeatDepth : 0, 0, IsSize, P[7]);
}

void LocatingRing(TModeler3D& M, int Kind, const double* P, bool IsSize)
{
    TLocatingRing ring(0, 0, &M, nullptr, nullptr);
    if (Kind == 21)
        ring.dr2D_LocatingRing_V1(0, 0, 0, 1, P[1] / 2, P[1] / 2, P[3] / 2, P[4], P[5], 0, P[2], 0, 0, 0, 0,
                                  0, 0, IsSize);
    else
        ring.dr2D_LocatingRing_V1(0, 0, 0, 1, P[7] / 2, P[3] / 2, P[1] / 2, P[6], P[5], P[2], P[4], 0, 0, 0,
                                  0, 0, 0, IsSize);
}

// The cap screw profile of kinds 26, 33 and 34, placed so that the head's top face lies K
// above the sketch's origin; each kind's length is the length under the head.
void CapScrew(TModeler3D& M, int Kind, const double* P, bool IsSize)
{
    const TCommonGeometry G(M);
    if (Kind == 26)
        G.dr2D_SocketHeadCapScrew_V1(-P[4], 0, 0, 1, P[1] / 2, P[2] / 2, P[3], P[4], P[5], P[4] + P[8], P[6],
                                     P[7], 0, IsSize);
    else if (Kind == 33)
        G.dr2D_SocketHeadCapScrew_V1(-P[6], 0, 0, 1, P[1] / 2, P[5] / 2, P[7], P[6], P[10], P[6] + P[2], P[3],
                                     P[12], 0, IsSize);
    else
        G.dr2D_SocketHeadCapScrew_V1(-P[6], 0, 0, 1, P[1] / 2, P[5] / 2, 0, P[6], 0, P[6] + P[2], P[7], 0.5,
                                     0, IsSize);
}

// The outline of kinds 37 and 38: a rectangle from the axis to radius Rad over length Len,
// chamfered 1 at both outer corners, the whole turned so that its axis runs along the model's Y.
void PlugOutline(TModeler3D& M, double Len, double Rad, double E)
{
    const double c = PlugChamfer;
    M.drMtr(0, 0, -90, 1);
    M.drLine(-3, 0, E + 3, 0, 3);
    TContDrawing C(M);
    C.Make(0, 0,
           dP(0, Rad - c, dPx(c, Rad, dPx(Len - c, Rad, dP(Len, Rad - c, dP(Len, 0, dPt0(0, 0, nullptr)))))));
    C.dr2D(0);
    C.Free();
    M.drDeleteMtr();
}

// The profile of a kind with one; false for a kind without.
bool Profile(TModeler3D& M, int Kind, const double* P, bool IsSize)
{
    switch (Kind) {
    case 2:
    case 4:
    case 10:
    case 11:
    case 43:
    case 51:
    case 52:
        LeaderPinBushing(M, Kind, P, IsSize);
        return true;
    case 3:
        TSocketLeaderPinLocatingSleeves(0, &M, nullptr, nullptr)
            .dr2D_V1(0, 0, 0, 1, P[6], 0, P[1], P[5] / 2, P[3] / 2, P[3] / 2 + 0.5, P[4] / 2, 0, IsSize, 0);
        return true;
    case 5:
    case 6:
    case 7:
    case 8:
    case 29:
    case 30:
    case 50:
        LeaderPin(M, Kind, P, IsSize);
        return true;
    case 12:
        TEjectorPin(0, &M, TConstruktor::Empty())
            .dr2D_V1(0, 0, 0, 1, P[1] / 2, P[2] / 2, P[3], P[4], P[5], 0, IsSize);
        return true;
    case 13:
        TEjectorPlug(0, &M, TConstruktor::Empty())
            .dr2D_V1(0, 0, 0, 1, P[3] / 2, P[2] / 2, P[4] / 2, P[4] / 2 + P[5] / 2 * Tan5, P[1] / 2,
                     P[7] - P[6], P[5], 6, P[7], 0, IsSize);
        return true;
    case 14:
    case 15:
    case 16:
    case 17:
        SprueBushing(M, Kind, P, IsSize);
        return true;
    case 18:
    case 19:
    case 21:
        LocatingRing(M, Kind, P, IsSize);
        return true;
    case 20:
        TMTail(0, &M, TConstruktor::Empty())
            .dr2D_EjectorRod_V1(0, 0, 0, 1, P[1] / 2, P[2] / 2, P[4], P[5], P[6], P[3], P[7], 0, IsSize);
        return true;
    case 22:
        // Only the upper half: both halves closed would lie on both sides of the axis.
        TSetScrew(0, &M, TConstruktor::Empty())
            .dr2D_V1(0, 0, 0, 1, P[1] / 2, P[3] / 2, P[2], P[4], P[5], 10, IsSize);
        return true;
    case 23:
        TStopPin(0, &M, nullptr)
            .dr2D_GrybkovaOpora_V1(0, 0, 0, 180, 1, P[1] / 2, P[2] / 2, P[4], P[3], P[5], 0, IsSize);
        return true;
    case 24:
        TTubeDowel(0, &M, TConstruktor::Empty())
            .dr2D_VtulkaCentruucha_V1(0, 0, 0, 1, P[1] / 2, P[2] / 2, P[3], 0, IsSize);
        return true;
    case 25:
        TCommonGeometry(M).dr2D_HexagonSocketSetScrew_V1(0, 0, 0, 1, P[1] / 2, P[2], P[3], P[4], 0, IsSize);
        return true;
    case 26:
    case 33:
    case 34:
        CapScrew(M, Kind, P, IsSize);
        return true;
    case 27:
        TSupportWasher(0, &M, nullptr)
            .dr2D_ShajbaOporna_V1(0, 0, 0, 1, 0, P[4], P[5], P[1] / 2, P[2] / 2, P[3] / 2, P[1] / 2, 0,
                                  IsSize);
        return true;
    case 28:
        return true; // the empty profile sketch is revolved
    case 31:
        TCommonGeometry(M).dr2D_Shtift_V1(0, 0, 0, 1, P[1] / 2, P[2], 0, IsSize, P[3]);
        return true;
    case 32:
        TCommonGeometry(M).dr2D_Bolt7805_V1(0, 0, 0, 1, P[2] / 2, P[1], P[3], P[5], P[8], 0, IsSize, P[11]);
        return true;
    case 35:
        TSetScrew(0, &M, TConstruktor::Empty())
            .dr2D_V1(0, 0, 0, 1, P[1] / 2, P[5] / 2, P[2], P[6], 0, 10, IsSize);
        return true;
    case 36:
        TFitting(0, &M).dr2D_Shtucer_V1(0, 0, -90, 1, 7, 6, 4.4, 3, 45, 0, false);
        return true;
    case 37:
        PlugOutline(M, P[2], P[0], P[2]);
        return true;
    case 38:
        PlugOutline(M, P[0], P[2], P[0] + P[1]);
        return true;
    default:
        return false;
    }
}

// The feature after the revolution, for the kinds that have one.
void AfterRevolution(TModeler3D& M, int Kind, const double* P)
{
    switch (Kind) {
    case 20:
        Feature(M, o3d_planeYOZ, -P[1] / 2);
        TMTail(0, &M, TConstruktor::Empty())
            .dr2D_EjectorRod_V3(0, 0, 0, 1, P[1] / 2, P[2] / 2, P[4], P[5], P[6], P[3], P[7], 0, false);
        Cut(M, dtReverse, P[1]);
        break;
    case 22:
        // The socket is at the sketch's plane and the screw lies below it (-Z): cut downwards.
        Feature(M, o3d_planeXOY, 0);
        Hexagon(M, P[5]);
        Cut(M, dtReverse, P[4] - 1);
        break;
    case 25:
        Feature(M, o3d_planeXOY, 0);
        Hexagon(M, P[2]);
        Cut(M, dtReverse, P[2]);
        break;
    case 26:
        // The head's top face stands at +K, as for kind 33; the socket is cut down from there.
        Feature(M, o3d_planeXOY, P[4]);
        Hexagon(M, P[3]);
        Cut(M, dtReverse, P[5]);
        M.drColor3D(0xC80000, 0.8, 0.6, 0.95, 0.95, 1.0, 0.8);
        break;
    case 28:
        Feature(M, o3d_planeXOZ, P[2] / 2);
        Cut(M, dtNormal, P[2]);
        break;
    case 32: {
        // The head lies above the bearing face (+Z): what surrounds the hexagon is cut upwards.
        Feature(M, o3d_planeXOY, 0);
        TCommonGeometry(M).dr2D_Nut_V3(0, 0, 0, 1, P[2], P[8], P[5], 0, false);
        const double w = 2 * P[8];
        M.drRectAngle(-w, -w, w, w, 1);
        Cut(M, dtNormal, P[5]);
        break;
    }
    case 33:
        Feature(M, o3d_planeXOY, P[6]);
        Hexagon(M, P[7]);
        Cut(M, dtReverse, P[10]);
        break;
    case 34:
        // The plane touches the head at +R; the slot is cut back through the head (-Y).
        Feature(M, o3d_planeXOZ, P[5] / 2);
        M.drRectAngle(-ScrewSlotWidth / 2, -P[6], ScrewSlotWidth / 2, ScrewSlotDepth - P[6], 1);
        Cut(M, dtNormal, P[5]);
        break;
    case 35: {
        const double h = P[11] / 2, a = RecessArmWidth / 2;
        Feature(M, o3d_planeXOY, 0);
        const double cross[][2] = {{-h, a}, {-a, a}, {-a, h}, {a, h},   {a, a},   {h, a},
                                   {h, -a}, {a, -a}, {a, -h}, {-a, -h}, {-a, -a}, {-h, -a}};
        TContDrawing::TNode* nodes = nullptr;
        for (int i = 11; i >= 0; --i)
            nodes = dP(cross[i][0], cross[i][1], nodes);
        TContDrawing C(M);
        C.Make(-h, -a, nodes);
        C.dr2D(1);
        C.Free();
        Cut(M, dtBoth, P[12]);
        break;
    }
    case 36:
        Feature(M, o3d_planeXOZ, 0);
        TFitting(0, &M).drShtucerVo(0, 0, -90, 1, 7, 6, 4.4, 3, 45);
        Cut(M, dtNormal, 48);
        break;
    case 37:
        Feature(M, o3d_planeXOZ, 0);
        Hexagon(M, P[1]);
        Cut(M, dtReverse, P[2] / 2);
        break;
    case 38: {
        // The tang stands on the outline's far end face (+P[0] along Y) and grows away from it.
        const double s = std::sqrt(std::abs(P[2] * P[2] - P[3] * P[3] / 4));
        Feature(M, o3d_planeXOZ, P[0]);
        M.drRectAngle(P[3] / 2, s, -P[3] / 2, -s, 1);
        M.drBaseExtrusion(dtReverse, etBlind, P[1], 0.0);
        break;
    }
    default:
        break;
    }
}

// The part's name and the sizes its kind reads, as a refusal names them.
TString SizeText(const TString& Name, int Kind, const double* P)
{
    TString text = Name + " (" + TString(Kind) + ":";
    for (int i = Kind == 37 || Kind == 38 ? 0 : 1; i <= BaseDetailLastSize(Kind); ++i)
        text = text + " " + TString(P[i], 2, true, 0);
    return text + ")";
}

} // namespace

bool drBaseDetail(TModeler3D& M, TString& Path, TString& Name, TString& Marking, int MakeId, int, double* P,
                  bool IsSize)
{
    const TString FileName = Path + Name + TString(".qpt");
    M.R2->DI.cDetail = 95;
    M.R2->DI.cSuffics = MakeId;
    if (const TBaseRefusal r = BaseDetailRefusal(MakeId, P); r.What) {
        Messager.LiftBox(DC("Деталь не построена") + ": " + DC(r.What) + " " + TString(r.Value, 2, true, 0),
                         TMessager::toApi);
        return false;
    }
    // Without a part of its own the save would close whatever document is current.
    if (!M.drCreate3D(true, true, FileName, Name, Marking)) return false;
    M.drPlaneEskis(o3d_planeYOZ, 0.0, 0.0, "");
    if (Profile(M, MakeId, P, IsSize)) {
        M.drBaseRotate(0, 360.0);
        AfterRevolution(M, MakeId, P);
    }
    // Kind 28 revolves an empty sketch and a kind without a profile none: neither makes a body,
    // and both are refused.
    M.drExpect3D(1, SizeText(Name, MakeId, P));
    M.drSave3D(true, false);
    return !M.drRefused3D();
}

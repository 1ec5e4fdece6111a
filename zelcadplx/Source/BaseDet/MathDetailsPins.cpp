// The pins and screws set at the four corners of a rectangle of the mould plan: the
// cylindrical pin, the cap screw and the stop pin, with the set screw and repair bolt records.

#include "MathDetailsl.h"

#include <algorithm>
#include <cmath>

#include "ContDrawing.h"
#include "KmfData.h"
#include "Mathemat.h"
#include "MetricFigures.h"

namespace {

constexpr Integer CapScrewTable = 33;
constexpr Integer SocketScrewTable = 26;
constexpr Integer CatalogueType = 25;
constexpr Real ComponentChamfer = 1.0;

// A size in a part name: two decimals, a decimal point, seven characters.
TString Size2(Real v)
{
    return TString(v, 2, true, 7);
}

void CopyCorners(TRect2D& To, const TRect2D& From)
{
    To.LD = From.LD;
    To.RU = From.RU;
}

} // namespace

// ---- Cylindrical pin ------------------------------------------------------------------------

TPin::TPin(TDcDetail iId, TModeler3D* M, TConstruktor* C) : TDetail(iId, M, C) {}

TPin& TPin::operator=(const TPin& P)
{
    CopyCorners(*this, P);
    Radius = P.Radius;
    Len = P.Len;
    Code = P.Code;
    Design = P.Design;
    return *this;
}

Integer TPin::Set(Integer type, Real const& r, Real const& l)
{
    if (type != Type) return 0;
    const Integer row = SelectRow(*this, type, true, 1, 2 * r, 2, l, 0, 0.0);
    TellOutsideTable(type, row, {{1, 2 * r}, {2, l}});
    if (row == 0) return 0;
    Radius = TablePar(type, row, 1) / 2;
    Len = TablePar(type, row, 2);
    return row;
}

void TPin::Show(TGImage& Image, const TColor& Color) const
{
    ShowCorners(*this, *this, Image, Color, Radius);
}

TString TPin::Name() const
{
    return TString("Штифт ") + Size2(2 * Radius) + "m6*" + Size2(Len) + " ГОСТ 3128-70";
}

void TPin::dr3D(const Integer) const
{
    TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    TCommonGeometry(M2()).dr2D_Shtift_V1(0, 0, 0, 1.0, Radius, Len, 0, false, ComponentChamfer);
    part.Revolve();
    part.SaveInCatalogue(Name(), "", CatalogueType);
}

void TPin::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {RU.x, RU.y, LD.x, LD.y, Radius, Len});
}

void TPin::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(RU.x)(RU.y)(LD.x)(LD.y)(Radius);
    const Boolean hasLen = r.Version() >= VersionLen;
    if (hasLen) r(Len);
    if (r.Commit() && !hasLen) Len = 0.0;
}

void TCommonGeometry::dr2D_Shtift_V1(R mx, R my, R ma, R ms, R r, R l, Integer tl, Boolean, R f) const
{
    if (std::abs(l) <= TMathDef::metricPrecision) return;
    TContDrawing C(M2());
    drMtr(mx, my, ma, ms);
    C.Make(0, 0,
           dP(0, r - f,
              dPx(f, r,
                  dPx(l - f, r,
                      dP(l, r - f, dP(l, 0, dPt0(0, 0, dTL(3, dPM(-2, 0, dP(l + 2, 0, nullptr))))))))));
    C.drContBlock(tl, true, true, false);
    drDeleteMtr();
}

// ---- Cap screw ---------------------------------------------------------------------------------

TScrew::TScrew(TDcDetail iId, TModeler3D* M, TConstruktor* C) : TDetail(iId, M, C) {}

TScrew& TScrew::operator=(const TScrew& P)
{
    CopyCorners(*this, P);
    Radius = P.Radius;
    HeadRadius = P.HeadRadius;
    HeadLen = P.HeadLen;
    Len = P.Len;
    return *this;
}

Integer TScrew::Set(Integer type, Real const& r, Real const& l)
{
    if (type != CapScrewTable && type != SocketScrewTable) return 0;
    const Boolean cap = type == CapScrewTable;
    const Integer row =
        cap ? SelectRow(*this, type, true, Zn(r), 2 * std::abs(r), 2 * Zn(l), std::abs(l), 0, 0.0)
            : SelectRow(*this, type, true, 1, 2 * r, 8, l, 0, 0.0);
    if (cap)
        TellOutsideTable(type, row, {{Zn(r), 2 * std::abs(r)}, {2 * Zn(l), std::abs(l)}});
    else
        TellOutsideTable(type, row, {{1, 2 * r}, {8, l}});
    if (row == 0) return 0;
    Radius = TablePar(type, row, 1) / 2;
    if (cap) {
        HeadRadius = TablePar(type, row, 5) / 2;
        HeadLen = TablePar(type, row, 6);
        Len = TablePar(type, row, 2) + HeadLen;
    } else {
        HeadRadius = TablePar(type, row, 2) / 2;
        HeadLen = TablePar(type, row, 4);
        Len = TablePar(type, row, 8) + HeadLen; // the table's length is under the head
    }
    return row;
}

void TScrew::Show(TGImage& Image, const TColor& Color) const
{
    ShowCorners(*this, *this, Image, Color, Radius);
}

// The designation gives the nominal length, the length under the head.
TString TScrew::Name() const
{
    return TString("Винт М") + Size2(2 * Radius) + "*" + Size2(Len - HeadLen) + " ГОСТ7805-70";
}

TString TScrew::Note() const
{
    return TString("SM-") + TString(Integer(2 * Radius), 2) + TString(Integer(Len - HeadLen), 2);
}

TScrew::TSocket TScrew::Socket() const
{
    const TMetricFigures standard = MetricFigures(2 * Radius);
    TSocket s{standard.Socket, standard.SocketDepth};
    // The row the screw was set from gives its socket, while the sizes are still that row's.
    const Integer type = Code / 1000, row = Code % 1000;
    const Boolean ownRow = (type == CapScrewTable || type == SocketScrewTable) &&
                           std::abs(TablePar(type, row, 1) - 2 * Radius) <= TMathDef::metricPrecision;
    if (ownRow && TablePar(type, row, type == CapScrewTable ? 7 : 3) > 0)
        s.Across = TablePar(type, row, type == CapScrewTable ? 7 : 3);
    if (ownRow && type == SocketScrewTable && TablePar(type, row, 5) > 0) s.Depth = TablePar(type, row, 5);
    // A figure neither the row nor the standard gives stays NaN.
    if (std::isnan(s.Across) || std::isnan(s.Depth)) return s;
    s.Depth = CapScrewSocketDepth(s.Across, s.Depth, HeadLen, standard.HeadK);
    return s;
}

Real CapScrewSocketDepth(Real Across, Real Depth, Real K, Real StandardK)
{
    if (std::isnan(Depth)) return Depth;
    // The standard's head holds its socket with room under the drill point; a lower one would
    // be cut through into the shank, so its socket ends a quarter of the head above it.
    const Real floor = K >= StandardK - TMathDef::metricPrecision ? K : 0.75 * K;
    return std::max(0.0, std::min(Depth, floor - Across / 2 * TanDrillPoint));
}

void TScrew::dr3D(const Integer) const
{
    TPartBracket part(M2(), Id, {2 * Radius, Len - HeadLen});
    if (!part) return;
    const TSocket socket = Socket();
    // No socket to cut: the part is left without a solid, and so refused, with the reason.
    if (std::isnan(socket.Across) || std::isnan(socket.Depth)) return TellNoCapScrewFigures(2 * Radius);
    TCommonGeometry(M2()).dr2D_SocketHeadCapScrew_V1(-HeadLen, 0, 0, 1, Radius, HeadRadius, socket.Across,
                                                     HeadLen, socket.Depth, Len, std::min(20.0, Len), 0.25, 0,
                                                     false);
    part.Revolve();
    M2->drPlaneEskis(tvapi::o3d_planeXOY, HeadLen, 0.0, "");
    TSetScrew(0, M2, TConstruktor::Empty()).drHexAngle(socket.Across, 1);
    M2->drCutExtrusion(tvapi::dtReverse, tvapi::etBlind, socket.Depth, 0.0);
    part.SaveInCatalogue(Name(), Note(), CatalogueType);
}

void TScrew::toStream(TKmfData& S) const
{
    WriteHead(S, *this);
    WriteReals(S, {RU.x, RU.y, LD.x, LD.y, Radius, HeadRadius, HeadLen, Len});
}

void TScrew::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(Code)(RU.x)(RU.y)(LD.x)(LD.y)(Radius)(HeadRadius)(HeadLen)(Len);
    r.Commit();
}

void TCommonGeometry::dr2D_SocketHeadCapScrew_V1(R mx, R my, R ma, R mm, R sR, R R_, R iS, R K, R t, R L,
                                                 R isl, R r1, Integer tl, Boolean) const
{
    drMtr(mx, my, ma, mm);
    drLine(-3, 0, L + 3, 0, 3);
    const Real h = iS / 2;
    // The thread starts no nearer the head than 1 mm past its underside: a thread as long as
    // the shank would turn the outline back under the head.
    const Real e = std::min(std::max(isl, 1.0), std::max(L - K - 1, 1.0));
    const Real xc = t + h * 0.5773502691896257;
    // The head's edge and the end are chamfered 1 mm, the thread's root as deep; on the smallest
    // threads that would leave no top face around the socket or no end face, and such a chamfer
    // is one pitch instead.
    const TMetricThread* thread = MetricThread(2 * sR);
    const auto chamfer = [thread](Real face) {
        return thread && face - ComponentChamfer <= TMathDef::metricPrecision ? thread->Pitch
                                                                              : ComponentChamfer;
    };
    const Real fh = chamfer(R_ - h), f = chamfer(sR);
    TContDrawing C(M2());
    C.Make(xc, 0,
           dP(t, h,
              dPx(0, h,
                  dFsk(0, R_, K, R_, fh,
                       dCLL(K, sR, L - e - 1, sR, r1,
                            dPx(L - e, sR,
                                dPx(L - f, sR,
                                    dP(L, sR - f, dPnm(L - e, sR - f, dP(L, 0, dPt0(xc, 0, nullptr)))))))))));
    C.dr2D(tl);
    if (tl != 0) C.dr2DMY(tl);
    drDeleteMtr();
}

// ---- Set screw and repair bolt records ------------------------------------------------------------

void TSetScrew::drHexAngle(Real const& S_, Integer tl) const
{
    const Real a = S_ / 2;
    const Real Rh = a / 0.8660254037844387;
    const Real b = a * 0.5773502691896257;
    TContDrawing C(M2());
    C.Make(0, Rh, dP(a, b, dP(a, -b, dP(0, -Rh, dP(-a, -b, dP(-a, b, dP(0, Rh, nullptr)))))));
    C.dr2D(tl);
}

void TSetScrew::toStream(TKmfData& St) const
{
    WriteHead(St, *this);
    WriteReals(St, {r, R, L, K, S});
}

void TSetScrew::fromStream(TKmfData& St)
{
    TRecordReader rd(St);
    rd(Design)(Code)(r)(R)(L)(K)(S);
    rd.Commit();
}

void TRepairBolt::toStream(TKmfData& S) const
{
    S << Design;
    WriteReals(S, {X, Depth, Len, Radius, UpperLen, UpperRadius});
}

void TRepairBolt::fromStream(TKmfData& S)
{
    TRecordReader r(S);
    r(Design)(X)(Depth)(Len)(Radius)(UpperLen)(UpperRadius);
    r.Commit();
}

#pragma once
// The records of the mould parts of the ejection, locating and guiding systems: their fields,
// stream records with version gates, plan symbols and plan extents. Sizes are radii and
// lengths in millimetres, set by the mould construction or read back from a stream.
// Their drawings, sheets and parts, a source each: MathDetail2Ejectors.cpp (ejector channel,
// back ejector), MathDetail2Pillar.cpp (the back ejector's pillar), MathDetail2ReTraction.cpp,
// DirectColumn.cpp, WasherEjectorChannel.cpp, EjectorRod.cpp and EjectorRodViews.cpp (TMTail),
// EjectorPlug.cpp, MouldRings.cpp (tube dowel, support washer), InjectPlug.cpp, ColumnTail.cpp,
// CirclePlane.cpp, LocatingRing.cpp, EjectorPin.cpp; the guide bush's in LeaderPinBushing.cpp.

#include "MathDetailsl.h"

// Four return pins with collar and support pillar at the corners of a rectangle.
class TBackEjector : public TDetail, public TRect2D {
public:
    static constexpr Integer VersionLenOpora = 92;
    static constexpr Real OldLenOpora = 20.0;

    Real Radius = 0.0, CollarHeight = 0.0, CollarRadius = 0.0, FitRadius = 0.0, FitLen = 0.0, Len = 0.0,
         LenOpora = 0.0;

    TBackEjector(TDcDetail iId, TModeler3D* M, TConstruktor& C, TDcDetail iId2);
    using TDetail::Show;
    void Show(TGImage& Image, TColor Color) const;
    // Grows R to hold the group widened by Radius + d; nothing while not designed.
    void AddGabIn(TRect2D& R, const Real& d) const;
    // One pin at (mx, my) turned by ma degrees and scaled by ms, its collar's back face at the
    // origin; tl and isSize as the toolbox's ejector pin. Nothing while the pins are absent.
    void dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                 Boolean isSize) const;
    // The pin's sheet.
    void dr2D() const override;
    // The pin's part, then the pillar's, even when the pin's part is refused.
    void dr3D(const Integer NumberOfTread) const override;
    // The support pillar: head r59 over x = 0 .. x28, shank r17 to y77, an undercut 1 deep and 3
    // long behind the head; tl 0 the closed half profile of a sketch, else both halves in
    // style tl; isSize the marker "A", dimensions and roughness marks. Nothing while the
    // pillar (Id2) is absent or the set has none.
    void dr2D_Opora_V1(Real const& mx, Real const& my, Real const& ma, Real const& mm, Real const& r59,
                       Real const& r17, Real const& x28, Real const& y77, Integer tl, Boolean isSize) const;
    // The pillar's sheet with the undercut's enlarged view, and its part.
    void dr2D_Opora() const;
    void dr3D_Opora() const;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Four guide bushes at the corners of a rectangle; in x the mould is symmetric about 0.
class TDirectPlug : public TDetail, public TRect2D {
public:
    Real Radius = 0.0, CollarHeight = 0.0, CollarRadius = 0.0, ColumnRadius = 0.0, OustingLen = 0.0,
         Len = 0.0;

    TDirectPlug(TDcDetail iId, TModeler3D* M, TConstruktor& C);
    using TDetail::Show;
    void Show(TGImage& Image, TColor Color) const;
    // Grows R to hold every bush and its mirror image in x, widened by Radius + d.
    void AddGabIn(TRect2D& R, const Real& d) const;
    // A flanged bushing in section, x along the axis from the collar's outer face: bore r,
    // body r1, collar r2 over 0..S, an extension over -F..0, the right end at L, the guiding
    // bore sl long from the right end (the rest relieved by 0.5), a V groove at Xk (0: none).
    // Reads nothing of the record but its modeller.
    void dr2D_LeaderPinBushing_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms,
                                  Real const& r, Real const& r1, Real const& r2, Real const& F, Real const& S,
                                  Real const& L, Real const& sl, Integer tl, Boolean isSize,
                                  Real const& Xk) const;
    // One bush: its sheet with the enlarged groove view, or its revolved part.
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Guide pillar.
class TDirectColumn : public TDetail {
public:
    static constexpr Integer VersionSupportLen = 93;

    Real Radius = 0.0, TailRadius = 0.0, TailLen = 0.0, Len = 0.0, SupportLen = 0.0;

    TDirectColumn(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}
    // The pillar as its record gives it (Code 0), without dimensions whatever isSize says. A
    // pillar from the outside maker's catalogue (Code not 0) is drawn as the leader pin's
    // profile with the pillar's sizes. Nothing while the control model holds no detail Id.
    void dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                 Boolean isSize) const;
    // The pillar's own profile: the working part r63 from x = 0 to x56, the right end r19 up to
    // its face at x79 and, when x80 > x79, a left end r19 down to x79 - x80; 1.6 chamfers on
    // the end faces and a 3 x 0.3 relief groove at each shoulder. Nothing while the control
    // model holds no detail Id.
    void dr2D_KolonkaMehSt_V1(double mx, double my, double ma, double mm, double r63, double r19, double x80,
                              double x79, double x56, int tl, bool isSize) const;
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Washer of the ejector channel.
class TWasherEjectorChannel : public TDetail {
public:
    Real Height = 0.0, Radius = 0.0;

    TWasherEjectorChannel(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}
    // The washer of outer radius r60 and thickness x30, its right face on (mx, my), the axis
    // along x; tl 0 the closed upper half for a revolve sketch, otherwise the full section
    // hatched; isSize the two sizes and roughness marks.
    void dr2D_Shajba_V1(const Real& mx, const Real& my, const Real& ma, const Real& mm, const Real& r60,
                        const Real& x30, int tl, bool isSize) const;
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Ejector rod; the drawing dimensions after CollarRadius are not stored.
class TMTail : public TDetail {
public:
    Real Radius = 0.0, Len = 0.0, ThreadLen = 0.0, ThreadRadius = 0.0, ThreadStep = 0.0, CollarHeight = 0.0,
         CollarRadius = 0.0;
    Real R61 = 0.0, X88 = 0.0, X89 = 0.0, X90 = 0.0, R97 = 0.0, R98 = 0.0, Y3 = 0.0, Y4 = 0.0;

    TMTail(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}

    using R = Real const&;
    // Side view of the rod of its own design: x = 0 where the thread starts, the threaded end
    // at x74, the collar end at x74 - x76. tl's tens digit 1, 2 or 3 first lays the outline in a
    // temporary group and draws the upper, the lower or (any other digit) both halves; ThreadStep
    // names the thread.
    void dr2D_V1(R mx, R my, R ma, R ms, R r74, R x90, R x89, R x88, R r61, R r62, R r30, R x76, R x74, R x75,
                 R y3, R y4, R r98, R r97, Integer tl, Boolean isSize) const;
    // End view from the collar end: the collar, its flats x75 apart and the cross hole.
    void dr2D_V2(R mx, R my, R ma, R ms, R r74, R x90, R x89, R x88, R r61, R r62, R r30, R x76, R x74, R x75,
                 R y3, R y4, R r98, R r97, Integer tl, Boolean isSize) const;
    // The two segments of the collar that the flats remove; reads r74 and x75.
    void dr2D_Hvostovyk_Vo(R mx, R my, R ma, R ms, R r74, R x90, R x89, R x88, R r61, R r62, R r30, R x76,
                           R x74, R x75) const;
    // Catalogue rod of radius r and length L with a tapped hole of major radius r1 in each end,
    // l1 deep at x = 0 and l2 deep at x = L; s and l3 are not read; isSize is not used.
    void dr2D_EjectorRod_V1(R mx, R my, R ma, R mm, R r, R r1, R l1, R l2, R l3, R s, R L, Integer tl,
                            Boolean isSize) const;
    // The catalogue rod's two strips beyond its flats s apart, ending l3 before x = L.
    void dr2D_EjectorRod_V3(R mx, R my, R ma, R mm, R r, R r1, R l1, R l2, R l3, R s, R L, Integer tl,
                            Boolean isSize) const;
    // Code 0 is the rod of its own design, any other Code the catalogue rod.
    void dr2D() const override;
    // The rod in the current drawing, while its detail is present; tl is not used.
    void dr2D_VZ(R mx, R my, R ma, R ms, Integer tl) const;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;

private:
    // The two drawings with the record's sizes: A for Code 0, B for the catalogue rod.
    void DrawOwn(Real mx, Real my, Real ma, Real ms, Integer tl, Boolean isSize, Boolean EndView) const;
    void DrawCatalogue(Real mx, Real my, Real ma, Real ms, Real s, Integer tl, Boolean isSize) const;
};

// Ejector plug.
class TEjectorPlug : public TDetail {
public:
    Real Radius = 0.0, Len = 0.0, ConeLen = 0.0, CollarHeight = 0.0, CollarRadius = 0.0, ECRadius = 0.0,
         EC2Radius = 0.0, EC2Len = 0.0;

    TEjectorPlug(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}

    // Half section, collar face at x = 0: collar r70 over x27, relief groove, body r22 to x59,
    // a seat x9 long opening 1 degree from r66 at the end face, bores r71 and r68 (this one x68
    // from the collar face). View mode draws both halves hatched; sketch mode one closed ring.
    void dr2D_V1(Real mx, Real my, Real ma, Real ms, Real r70, Real r68, Real r71, Real r66, Real r22,
                 Real x68, Real x9, Real x27, Real x59, Integer tl, Boolean isSize) const;
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Spring ejector channel; its plug is its companion.
class TEjectorChannel : public TDetail {
public:
    Real Radius = 0.0, Len = 0.0, FreeRadius = 0.0, SpringRadius = 0.0, SpringLen = 0.0, FitRadius = 0.0,
         FitLen = 0.0, CollarRadius = 0.0, CollarHeight = 0.0, GradeLen = 0.0, GradeHeight = 0.0;

    TEjectorChannel(TDcDetail iId, TModeler3D* M, TConstruktor& C, TEjectorPlug* Plug);
    // The ejector at (mx, my) turned by ma degrees and scaled by ms, its collar's back face at
    // the origin, notched as long as the plug's cone; tl and isSize as the toolbox's ejector
    // pin. Nothing without the plug or while the detail is absent.
    void dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                 Boolean isSize) const;
    void dr2D() const override;
    // The revolved pin; a positive GradeHeight cuts the notch as a wedge running out at the
    // end face.
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Centring tube dowel.
class TTubeDowel : public TDetail {
public:
    Real Radius = 0.0, Len = 0.0, ECRadius = 0.0;

    TTubeDowel(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}
    // Hollow dowel of outer radius r1, bore ir50 and length x53, chamfered 1 at both ends, in
    // hatched section; tl's tens digit 1 draws the upper half, 2 the lower, otherwise both
    // (tl 0: the closed upper half of a revolve sketch). The record has no sheet or part.
    void dr2D_VtulkaCentruucha_V1(const Real& mx, const Real& my, const Real& ma, const Real& mm,
                                  const Real& r1, const Real& ir50, const Real& x53, Integer tl,
                                  Boolean isSize) const;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Sprue bushing; LenDelta, declared second, is stored last.
class TInjectPlug : public TDetail {
public:
    static constexpr Integer VersionLenDelta = 17;

    Real FitLen = 0.0, LenDelta = 0.0, Len = 0.0, SphereRadius = 0.0, SphereLen = 0.0, MFitRadius = 0.0,
         BFitRadius = 0.0, TPARadius = 0.0, CollarHeight = 0.0, CollarRadius = 0.0;

    TInjectPlug(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}
    // Section with the top face (the nozzle's seat, radius r73, depth x71, orifice r57) at
    // local x = 0 and the parting-plane end at -x70; (mx, my) is the centre of the collar's
    // lower face (collar r56 over x3, shank x69 long, fit r5 above the collar). A is the
    // channel's included angle in degrees. tl 0 draws the closed upper half of a revolve,
    // tl 1 the hatched section; tens 1 or 2 one half only.
    void dr2D_V1(double mx, double my, double ma, double mm, double r73, double r57, double r56, double r5,
                 double x69, double x70, double x3, double x71, int tl, bool isSize, double A) const;
    // The shank's radius dr2D_V1 draws for orifice r57, length x70 and seat depth x71: never
    // below 8, and wider where the channel needs its wall.
    static Real ShankRadius(Real r57, Real x70, Real x71);
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Support washer with its bolt.
class TSupportWasher : public TDetail {
public:
    Real Len = 0.0, Radius = 0.0, CollarRadius = 0.0, CollarHeight = 0.0, BoltHeadLen = 0.0,
         BoltHeadRadius = 0.0, BoltRadius = 0.0;

    TSupportWasher(TDcDetail iId, TModeler3D* M, TConstruktor* C) : TDetail(iId, M, C) {}
    // The washer in section, its collar's shoulder at (mx, my): collar r35 over x34, body r1
    // to x36 with a relief groove at the shoulder when r1 differs from r35, bolt hole r37 and
    // counterbore r36 x35 deep from the collar's face. tl as the tube dowel's.
    void dr2D_ShajbaOporna_V1(Real const& mx, Real const& my, Real const& ma, Real const& mm, Real const& x34,
                              Real const& x35, Real const& x36, Real const& r35, Real const& r36,
                              Real const& r37, Real const& r1, Integer tl, Boolean isSize) const;
    // Its sheet (the hatched section and the hardness, no dimensions) and its revolved part.
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Retraction part, centred on the plan origin.
class TReTraction : public TDetail {
public:
    Real Radius = 0.0, Len = 0.0, FitLen = 0.0, Fit2Len = 0.0, CollarHeight = 0.0, CollarRadius = 0.0;

    TReTraction(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}
    void Show(TGImage& Image, const TColor& Color) const override;
    // The pin at (mx, my) turned by ma degrees and scaled by ms, the collar's outer face at the
    // origin: collar, shank with two fits and the grip (neck, ridge, tip) past Fit2Len; tl
    // the outline's block mode; isSize the marker, dimensions, marks and the grip's view at
    // 4:1. Nothing while the detail is absent.
    void dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                 Boolean isSize) const;
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Pillar tails on a circle about the plan origin; angles in degrees.
class TColumnTail : public TDetail {
public:
    Integer Count = 0; // stored as read; loops take at most five
    Real PlaceRadius = 0.0;
    Real Angle[MaxStoredCount] = {};
    Real Radius = 0.0, Key = 0.0, Len = 0.0, ThreadLen = 0.0, ThreadRadius = 0.0;

    // The tapped hole in the flatted end is always M8.
    static constexpr Real rM8 = 4.0;

    TColumnTail(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}
    // One tail: body r79 over y64 left of the shoulder (x = 0), thread r80 to the right up to
    // y65 - y64, flats y63 across on the body's last 15; tl 0 the closed half profile with the
    // body at full radius, otherwise the view; isSize its sizes, the mark "A" and the end view.
    void dr2D_V1(const Real& mx, const Real& my, const Real& ma, const Real& ms, const Real& r79,
                 const Real& r80, const Real& y64, const Real& y65, const Real& y63, int tl,
                 bool isSize) const;
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void Show(TGImage& Image, const TColor& Color) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Round plate with two companions.
class TCirclePlane : public TDetail {
public:
    Real Thickness = 0.0, Radius = 0.0, BoltRadius = 0.0, BoltHeadRadius = 0.0, BoltHeadLen = 0.0;

    TCirclePlane(TDcDetail iId, TModeler3D* M, TConstruktor& C, const TDetail* C1, const TDetail* C2);
    // Half section, axis along x from the left face: outer radius r85, bolt circle r78, threaded
    // bore r30, counterbores r84 x y69 deep, bolt holes r83, thickness y66. tl 0 the closed half
    // profile for a revolve sketch; tens digit 1 or 2 both halves hatched without holes.
    void dr2D_V1(const Real& mx, const Real& my, const Real& ma, const Real& ms, const Real& r85,
                 const Real& r78, const Real& r30, const Real& r84, const Real& r83, const Real& y66,
                 const Real& y69, int tl, bool isSize) const;
    // Plan view about the plate's centre, holes at the tail set's angles 1 to 4; nothing
    // without both companions. y66 and y69 are not read.
    void dr2D_V2(const Real& mx, const Real& my, const Real& ma, const Real& ms, const Real& r85,
                 const Real& r78, const Real& r30, const Real& r84, const Real& r83, const Real& y66,
                 const Real& y69, int tl, bool isSize) const;
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    // The companions when they are the column-tail set and the rod; null otherwise.
    const TColumnTail* Tails() const;
    const TMTail* Rod() const;
    // The drill radius of the centre bore's thread r30: the tap drill at the rod's pitch (the
    // coarse pitch without a rod).
    Real TapRadius(Real r30) const;
    void Show(TGImage&, const TColor&) const override {}
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Locating ring; its column tails are its companion.
class TLocatingRing : public TDetail {
public:
    Real Thickness = 0.0, Radius = 0.0, BaseRadius = 0.0, BaseThickness = 0.0, InRadius = 0.0,
         InThickness = 0.0, InAngle = 0.0, FixRadius = 0.0, PinRadius = 0.0, PinAngle = 0.0,
         FixBoltRadius = 0.0, FixBoltHeadRadius = 0.0, FixBoltHeadLen = 0.0;
    Integer CountFix = 0; // stored as read; loops take at most five
    Real FixAngle[MaxStoredCount] = {};

    TLocatingRing(TDcDetail iId, TDcDetail iId2, TModeler3D* M, TConstruktor* C, TColumnTail* Tail);
    void Show(TGImage& Image, const TColor& Color) const override;
    // Section with x along the axis from the spigot face (x = 0) to the nozzle side (x = T), y
    // radial: outer radius RTpa, spigot RBase over sh, bore iR, cylindrical for t and then
    // flared at a degrees (90: straight), bolts on the circle r10 in clearance holes r52 with
    // counterbores r53 x66 deep from the nozzle side. tl 0 gives the upper half for a revolve;
    // tens 1, 2 or 3 hatch the upper, lower or both halves with a bolt hole cut out of each.
    // r8 is not drawn.
    void dr2D_LocatingRing_V1(const double& mx, const double& my, const double& ma, const double& mm,
                              const double& RBase, const double& RTpa, const double& iR, const double& t,
                              const double& a, const double& sh, const double& T, const double& r10,
                              const double& r52, const double& r53, const double& r8, const double& x66,
                              int tl, bool isSize) const;
    // Plan view of detail Det: the ring with its bore (Id), or the plate without it but with the
    // column tails' four holes (any other Det). Nothing without a column tail companion.
    void dr2D_V2(const double& mx, const double& my, const double& ma, const double& mm, int Det, int tl,
                 bool isSize) const;
    // Sketch contours of detail Det's part: nCont 1 the plate's revolve profile, 2 the through
    // holes in plan, 3 the counterbores in plan. The through holes need the companion.
    void dr2D_Vo(const double& mx, const double& my, const double& ma, const double& ms, int Det,
                 int nCont) const;
    // A sheet and a part for the ring (Id), then for the plate (Id2); a refused one does not
    // stop the other.
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Ejector pin.
class TEjectorPin : public TDetail {
public:
    Real d = 0.0, D = 0.0, k = 0.0, R = 0.0, Len = 0.0;

    TEjectorPin(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}
    // The ejector pin has neither a sheet nor a part of its own.
    void dr2D() const override {}
    void dr3D(const Integer) const override {}

    // Radii d (shank) and D (head), head k thick, fillet R under it, length L; the placement
    // origin lies on the head's underside, the head face k before it.
    void dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Real const& d_,
                 Real const& D_, Real const& k_, Real const& R_, Real const& L, Integer tl,
                 Boolean isSize) const;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

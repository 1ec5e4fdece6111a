#pragma once
// The records of the mould parts of the ejection, locating and guiding systems: their fields,
// stream records with version gates, plan symbols and plan extents. Sizes are radii and
// lengths in millimetres, set by the mould construction or read back from a stream.

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
    // pillar from the outside maker's catalogue (Code not 0) takes the leader pin's profile,
    // not drawn yet: nothing is drawn for it. Nothing while the control model holds no detail
    // Id.
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
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Ejector plug.
class TEjectorPlug : public TDetail {
public:
    Real Radius = 0.0, Len = 0.0, ConeLen = 0.0, CollarHeight = 0.0, CollarRadius = 0.0, ECRadius = 0.0,
         EC2Radius = 0.0, EC2Len = 0.0;

    TEjectorPlug(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Spring ejector channel; its plug is its companion.
class TEjectorChannel : public TDetail {
public:
    Real Radius = 0.0, Len = 0.0, FreeRadius = 0.0, SpringRadius = 0.0, SpringLen = 0.0, FitRadius = 0.0,
         FitLen = 0.0, CollarRadius = 0.0, CollarHeight = 0.0, GradeLen = 0.0, GradeHeight = 0.0;

    TEjectorChannel(TDcDetail iId, TModeler3D* M, TConstruktor& C, TEjectorPlug* Plug);
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Centring tube dowel.
class TTubeDowel : public TDetail {
public:
    Real Radius = 0.0, Len = 0.0, ECRadius = 0.0;

    TTubeDowel(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}
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
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Retraction part, centred on the plan origin.
class TReTraction : public TDetail {
public:
    Real Radius = 0.0, Len = 0.0, FitLen = 0.0, Fit2Len = 0.0, CollarHeight = 0.0, CollarRadius = 0.0;

    TReTraction(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}
    void Show(TGImage& Image, const TColor& Color) const override;
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

    TColumnTail(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}
    void Show(TGImage& Image, const TColor& Color) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// Round plate with two companions.
class TCirclePlane : public TDetail {
public:
    Real Thickness = 0.0, Radius = 0.0, BoltRadius = 0.0, BoltHeadRadius = 0.0, BoltHeadLen = 0.0;

    TCirclePlane(TDcDetail iId, TModeler3D* M, TConstruktor& C, const TDetail* C1, const TDetail* C2);
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
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

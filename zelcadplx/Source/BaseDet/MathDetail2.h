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

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
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

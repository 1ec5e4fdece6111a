#pragma once
// The threaded fitting (nipple): a fine metric thread, a hexagon collar and a barbed shank with
// three saw-tooth ridges, bored through; and the threaded safety support, a stud with a head,
// two spanner flats and a thread. Neither reads a table; the records hold their own sizes.

#include "MathDetailsl.h"

class TFitting : public TDetail {
public:
    Real r1 = 7.0;         // half the width across flats of the hexagon
    Real r2 = 6.0;         // thread radius and the barbs' crest radius
    Real r3 = 4.4;         // the barbs' root radius
    Real r4 = 3.0;         // bore
    Real l = 45.0;         // overall length
    const Real L15 = 15.0; // thread length
    const Real l8 = 8.0;   // hexagon length
    const Real l6 = 6.0;   // barb pitch
    const Real r0 = 8.1;   // half the width across corners of the hexagon
    const Real f = 1.0;    // chamfer

    explicit TFitting(TDcDetail iId, TModeler3D* M);
    TFitting& operator=(const TFitting&) { return *this; }

    void Show(TGImage& Image, const TColor& Color) const override;
    // Profile with x = 0 at the thread-side face of the hexagon, the thread towards +x and the
    // barbs towards -x, the free end at 15 - l; with isSize the dimensions and the end view.
    void dr2D_Shtucer_V1(Real const& mx, Real const& my, Real const& ma, Real const& mm, Real const& r1_,
                         Real const& r2_, Real const& r3_, Real const& r4_, Real const& l_, Integer tl,
                         Boolean isSize) const;
    // The hexagon inside a clearance circle: what the 3D cut removes round the collar. Only r1_
    // is read.
    void drShtucerVo(Real const& mx, Real const& my, Real const& ma, Real const& mm, Real const& r1_,
                     Real const& r2_, Real const& r3_, Real const& r4_, Real const& l_) const;
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

class TProtectSupport : public TDetail {
public:
    Real ThreadLen = 0.0;
    Real Len = 0.0;
    Real ThreadRadius = 0.0;
    Real Radius = 0.0;   // head
    Real Key = 0.0;      // width across the flats
    Real LenToKey = 0.0; // head end face to the middle of the flats

    TProtectSupport(TDcDetail iId, TModeler3D* M, TConstruktor& C);

    void Show(TGImage&, const TColor&) const override {}
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

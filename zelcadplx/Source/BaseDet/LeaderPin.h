#pragma once
// The mould's leader pin (a turned pin with a collar, a lubricated working diameter ending in a
// 30 degree lead-in and a press-fit end, optionally tapped and with flats on the collar) and
// the locating sleeve that seats it (a bored sleeve with a tapped end, optionally collared and,
// beside a leader pin, flattened to the pin's width across flats). Sources: LeaderPin.cpp (record,
// part), LeaderPinDrawing.cpp (its drawings), LocatingSleeve.cpp (the sleeve).

#include "MathDetailsl.h"

// Four leader pins at the corners of a rectangle of the mould plan (table 5).
class TSocketLeaderPin : public TDetail, public TRect2D {
public:
    static constexpr Integer Type = 5;
    static constexpr Integer VersionKey = 49;

    Real Len = 0.0;          // working diameter, lead-in end to the press-fit shoulder
    Real FLen = 0.0;         // fitted end beyond the collar
    Real FRadius = 0.0;      // press-fit diameter (fitted end and shoulder)
    Real OFLen = 0.0;        // press-fit shoulder on the working side; 0 = none
    Real OFRadius = 0.0;     // the table's lookup diameter; drawn nowhere
    Real Radius = 0.0;       // working diameter
    Real CollarHeight = 0.0; // axial
    Real CollarRadius = 0.0;
    Real ThreadRadius = 0.0; // tapped hole in the fitted end; 0 = plain pin
    Real ThreadLen = 0.0;
    Real Key = 0.0; // width across the collar flats; 0 = no flats

    TSocketLeaderPin(TDcDetail iId, TModeler3D* M, const TDetail* iComplement, TConstruktor* K);
    // Copies the sizes only: neither the corners nor Design and Code.
    TSocketLeaderPin& operator=(const TSocketLeaderPin& P);

    // Type 5: the row of lookup diameter 2R, shoulder-and-collar length T1 and length T2 (at or
    // below T2, else at or above it). 0 for another type, nothing changed; 0 with Design cleared
    // when no row fits. FRadius and Key are left as they are.
    Integer Set(Integer DetId, Real const& R, Real const& T1, Real const& T2);
    void Show(TGImage& Image, const TColor& Color) const override;
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    // Without a complement the corners come first, as LD.x, RU.y, RU.x, LD.y; Key is read from
    // version 49 on and is 2 FRadius + 1 for older records.
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;

    // The pin with x = 0 at the collar's fitted-side face (x42 from its working-side face), the
    // working part towards -x, the fitted end towards +x. tl 0 gives the closed upper half for
    // a revolve; tens digit 1 the upper halves, 2 the lower ones, otherwise both with the
    // lubrication channel and the collar flats. isSize adds the dimensions and the marks of the
    // auxiliary views.
    void dr2D_LeaderPin_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Real const& r42,
                           Real const& r41, Real const& r43, Real const& x40, Real const& ix41,
                           Real const& x46, Real const& x42, Real const& ix43, Integer tl, Boolean isSize,
                           Real const& ix45, Real const& r44, Real const& x44) const;
    // The fitted end seen from its end ("Вид А") at (mx, my), the section through the relief flat
    // ("Б-Б") 100 + r43 below it at twice the scale and the lubrication groove ("Г(2:1)") beside
    // the section. Reads only r42, r41, r43, x45 and r44 of the sizes: flats x45 apart (none,
    // and no width across them, at x45 = 2 r43), the tapped hole only when r44 is not 0.
    void dr2D_KolonkaKriplennya_V2(Real mx, Real my, Real ma, Real ms, Real r42, Real r41, Real r43, Real x40,
                                   Real x41, Real x46, Real x42, Real x43, Integer tl, Boolean isSize,
                                   Real x45, Real r44, Real x44) const;
    // The arrow of the end view "A", beyond the fitted end face at x.
    void drViewArrowA(Real x) const;
    // Whether the part cuts flats Key apart on its collar (the collar is round otherwise).
    Boolean CollarFlats() const;
    // The record's pin with a lead-in of 8.
    void dr2D_VZ(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                 Boolean isSize) const;
};

// The locating sleeve of a leader pin (table 3); its complement, when a leader pin, gives the
// flats of the collar.
class TSocketLeaderPinLocatingSleeves : public TDetail {
public:
    static constexpr Integer Type = 3;

    Real Radius = 0.0; // body
    Real Len = 0.0;
    Real FLen = 0.0;    // kept equal to Len; drawn nowhere
    Real FRadius = 0.0; // plain bore
    Real CollarRadius = 0.0;
    Real CollarHeight = 0.0; // 0 = no collar
    Real ThreadLen = 0.0;    // threaded hole at the far end; 0 = none
    Real ThreadRadius = 0.0;

    TSocketLeaderPinLocatingSleeves(TDcDetail iId, TModeler3D* M, const TDetail* iComplement,
                                    TConstruktor* C);

    // Type 3: the row of outer diameter 2R and length T. 0 for another type, nothing changed; 0
    // with Design cleared when no row fits.
    Integer Set(Integer DetId, Real const& R, Real const& T);
    void dr2D() const override;
    void dr3D(const Integer NumberOfTread) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;

    // Half section with the collar's inner face (or the bore end) at (mx, my), the sleeve towards
    // -x: x51 long, collar x50 high of radius r43, tapped x52 deep at the far end (thread r44),
    // body r1, bore r42. tl 0 gives the closed upper half for a revolve; x45 only decides the
    // view arrow.
    void dr2D_V1(Real mx, Real my, Real ma, Real mm, Real x51, Real x50, Real x52, Real r1, Real r42,
                 Real r43, Real r44, Integer tl, Boolean isSize, Real x45) const;
    // End view "Вид А" from the collar end: the collar r43 with flats x45 apart (a full circle
    // when x45 is at least 2 r43), bore r42, thread r44, body r41.
    void dr2D_V2(Real const& mx, Real const& my, Real const& ma, Real const& mm, Real const& x45,
                 Real const& r41, Real const& r42, Real const& r43, Real const& r44, Integer tl,
                 Boolean isSize) const;
    // What the flats remove: the collar r43 with flats x45 apart inside the circle r43 + 2.
    // Nothing when x45 leaves no flats. r42 and isSize are not read.
    void dr2D_Vo(Real const& mx, Real const& my, Real const& ma, Real const& mm, Real const& x45,
                 Real const& r42, Real const& r43, Integer tl, Boolean isSize) const;

    // The leader pin this sleeve seats, or null.
    const TSocketLeaderPin* Pin() const;
    // The width across the collar flats the part is cut with, as the end view takes it: the
    // pin's Key, or the collar's diameter (no flats) without a collar, a pin with flats, or
    // flats narrower than the collar.
    Real FlatsWidth() const;
};

#pragma once
// THole3DParam: one stepped axial hole - an optional left step (counterbore), the main bore and
// an optional right step, joined by chamfers or conical transitions - as the standard
// components cut it into parts (THole3DParam3D.cpp) and draw it on sheets (THole3DParam2D.cpp).
// Radii, not diameters; lengths run along the axis from 0 at the end where the hole starts.

#include "BaseTypes.h"
#include "DString.h"
#include "TAdapter.h"
#include "TDetail.h"

class TKmfData;

class THole3DParam : public TWrapModeler {
public:
    // Flag bits of a drawing request (Typ): the halves of a section, the threaded portions.
    static constexpr Integer UpCut = 16;
    static constexpr Integer DnCut = 32;
    static constexpr Integer LThreaded = 1;
    static constexpr Integer CThreaded = 2;
    static constexpr Integer RThreaded = 4;
    // Bytes of the stream form: the configuration, then the ten lengths.
    static constexpr Integer StreamSize = 4 + 10 * 8;

    Integer Typ2D = 0; // 2D drawing type, handed on to the hole records
    // 0 none, 1 simple (main bore), 2 two-step (left step and main bore), 3 complex.
    TEnum Cfg;
    Real lF = 0.0; // 45-degree chamfer at the mouth of the left step
    Real lL = 0.0; // left step length, its chamfer included
    Real lR = 0.0; // left step radius
    Real F1 = 0.0; // transition into the main bore
    Real L = 0.0;  // main bore length, F1 and F2 included
    Real R = 0.0;  // main bore radius
    Real F2 = 0.0; // transition out of the main bore
    Real rL = 0.0; // right step length, its chamfer included
    Real rR = 0.0; // right step radius
    Real rF = 0.0; // 45-degree chamfer at the mouth of the right step
    Str Quality;   // tolerance text of the hole's placing dimensions
    // Ends of the last section outline (cHole): axial position and radius at each end. They
    // start at 0 so that no drawing reads an unset value; copies do not carry them.
    Real lx = 0.0;
    Real lr = 0.0;
    Real rx = 0.0;
    Real rr = 0.0;

    // Over a borrowed modeller.
    explicit THole3DParam(TModeler3D& iM);
    // Over iM (may be null for records that never draw), owned when Owner is set.
    THole3DParam(TModeler3D* iM, bool Owner);
    // Over H's modeller, borrowed; the shape as operator= copies it.
    THole3DParam(const THole3DParam& H);
    // Copies Typ2D, the configuration value, the ten lengths and Quality; the modeller, the
    // choice texts and the outline ends stay.
    THole3DParam& operator=(const THole3DParam& H);
    ~THole3DParam() = default;

    // The ten lengths in field order; the configuration becomes 3.
    void Set(const double& ilF, const double& ilL, const double& ilR, const double& iF1, const double& iL,
             const double& iR, const double& iF2, const double& irL, const double& irR, const double& irF);
    // Simple hole: radius iR, length iL, transitions 0.5, no steps; configuration 1.
    void Set1C(const double& iR, const double& iL);
    // Two-step hole: left step ilR x ilL with a 0.5 chamfer, main bore iR x iL ending in a 0.5
    // transition; configuration 2.
    void Set2C(const double& ilR, const double& ilL, const double& iR, const double& iL);
    // Turns the hole end for end.
    void Reverse();
    // Clears the lengths the configuration does not use: 0 all, 1 and any value but 2 and 3
    // the steps, 2 the right step; 3 nothing.
    void Prepare();

    // The configuration (int32), then the ten lengths (doubles): 84 bytes. A stream that ends
    // early leaves the record as it was.
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);

    // The end lines of the last section outline, in style 1: the lower half (DnCut) from
    // (lx, -lr) to the axis and from the axis to (rx, -rr), then the upper half (UpCut).
    void DrawLeftRight(int Typ);

    // ---- The 3D hole (THole3DParam3D.cpp) ------------------------------------------------------
    // Cuts the hole into the current part from (x, y, z) towards -Z as one 3D macro
    // "Отверстие": the half-section drawn on the plane parallel to YOZ through the axis and
    // turned through 360 degrees as a cut; then threads on the faces of the portions Typ marks
    // (LThreaded, CThreaded, RThreaded). Stores the arguments and configuration 3 first; a main
    // bore of length 2e-6 or less builds nothing.
    void dr3DHole(int Typ, const double& x, const double& y, const double& z, const double& ilF,
                  const double& ilL, const double& ilR, const double& iF1, const double& iL, const double& iR,
                  const double& iF2, const double& irL, const double& irR, const double& irF);
    // The same hole turned end for end, from the same start point.
    void dr3DHole_(int Typ, const double& X, const double& Y, const double& Z, const double& lF,
                   const double& lL, const double& lR, const double& F1, const double& L, const double& R,
                   const double& F2, const double& rL, const double& rR, const double& rF);

    // ---- The 2D drawings (THole3DParam2D.cpp) ----------------------------------------------------
    // The axial section at (x, y) turned by Angle (degrees), in one macro object: the outline,
    // the cross edges, thread lines and the axis. pSize and cSize draw nothing.
    void drHole(int Typ, const double& x, const double& y, const double& Angle, int pSize, int cSize,
                const double& lF, const double& ilL, const double& ilR, const double& F1, const double& iL,
                const double& iR, const double& F2, const double& irL, const double& irR, const double& rF);
    // Only the outline of the same section, closed at its ends (a hatch boundary); records its
    // ends in lx, lr, rx, rr.
    void cHole(int Typ, const double& x, const double& y, const double& Angle, int pSize, int cSize,
               const double& lF, const double& ilL, const double& ilR, const double& F1, const double& iL,
               const double& iR, const double& F2, const double& irL, const double& irR, const double& rF);
    // The view along the axis at (x, y): centre lines and the circles of steps and chamfers,
    // threads as thin three-quarter arcs. z, iL and QualSize draw nothing.
    void dr2DHole(int Typ, const double& x, const double& y, const double& z, const double& rF,
                  const double& rL, const double& irR, const double& F2, const double& iL, const double& iR,
                  const double& F1, const double& ilL, const double& ilR, const double& lF,
                  const TString& QualSize);

private:
    // The ten lengths, the configuration and the texts of another record.
    void CopyShape(const THole3DParam& H);
    // The 3D hole's steps: the sketch through the axis with the profile's placement; the
    // closed half-section with end radii r1 and r2, then its axis; the profile's right end
    // from position s; the threads.
    void Place(const double& x, const double& y, const double& z);
    void Profile(const double& r1, const double& r2);
    void RightEnd(double s, const double& Len, const double& r2);
    void Threads(int Typ, const double& x, const double& y, const double& z, const double& r1,
                 const double& r2);
};

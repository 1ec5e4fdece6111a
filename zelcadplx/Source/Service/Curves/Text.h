#pragma once
// TText: a text placed in the plane as a member of the curve family, so that a contour can
// carry labels among its curves and store them with them. Geometrically it is its anchor
// point; it takes part in no crossing.

#include "Elements.h"

#include <memory>

class TText : public TBasePoint {
public:
    std::unique_ptr<Str> Text; // owned; never null
    Real Angle = 0.0;          // rotation of the text
    Real Height = 0.0;

    TText() : Text(std::make_unique<Str>()) {}
    // Head fields at their defaults; Text is a copy of S's 8-bit text.
    TText(const double& InitX, const double& InitY, const double& iAngle, const double& iHeight,
          const TString& S);
    TText(const TText& T);
    TText& operator=(const TText&) = delete;

    // Anchor, Atr = 0, Angle, Height and a fresh copy of S (the old text is destroyed).
    void Init(const double& InitX, const double& InitY, const double& TAngle, const double& THeight,
              const TString& S);

    ~TText() override = default;
    int IsType() const override { return ctText; }
    // Record: the point's (head, x, y), then Angle, Height and the text in the stream's
    // string form (length, bytes, terminating 0).
    void Store(TKmfData& S) const override;
    void Load(TKmfData& S) override;
    // A copy with its own text, so that copied contours keep their labels.
    TCurve2D* Duplicate() const override;
    int InterSect(const TCurve2D*, TInterSector&) const override { return 0; }
    bool SelfIntersect(const TRegion1D&, TInterSector&, bool) const override { return false; }

    // A text crosses nothing.
    virtual int InterSect(const TCurve2D*) const { return 0; }
};

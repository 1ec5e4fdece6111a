#pragma once
// TDimension3D: one dimension that a parametric detail asks to be drawn (where it lies, which
// registered variable holds its value, which detail it belongs to); TADimension3D: the list
// of them with the layout's constants, the global ADimension3D.

#include "BaseTypes.h"
#include "DString.h"
#include "DetailCode.h"
#include "Mathemat3d.h"
#include "Rect2D.h"
#include "TArray.h"
#include "tvapi/ModelObjects.h"

class TAVariable;
class TModeler2D;
class TModeler3D;
class TRegistrator;

class TDimension3D {
public:
    enum TType : Integer {
        tdEmpty = 0,
        tdLinear = 1,
        tdAngleL = 2,
        tdRadial = 3,
        tdDiametr = 4,
        tdCount = 5,
        td2DFromZero = 6,
        td2DLinear = 7,
        tdCount2D = 8,
        tdPoint3D = 9,
        tdValid = 10,
    };

    TType Type = tdEmpty;
    TDetailCode Detail2;          // the detail the record belongs to
    Integer VId = 0;              // id of the registered variable shown; 0 = none
    double V = 0.0;               // the value
    TString Q;                    // quality (tolerance) text
    TPoint3D T;                   // text point
    TPoint3D O;                   // origin
    TVector3D AX;                 // measuring direction
    TVector3D AY;                 // offset direction
    tvapi::IModelObjectPtr Point; // the host's point of a 3D record; empty otherwise
    TString ExpressionX;
    TString ExpressionY;
    TPoint3D P11; // the ends of the measured segment
    TPoint3D P12;
    bool Exclude = false;
};

class TADimension3D : public TArrayOf<TDimension3D> {
public:
    static constexpr Integer Room = 256;
    static constexpr double DtSizeText = 7.0;
    static constexpr double DtSizeLine = 7.0;
    static constexpr double MinLenBetweenDim = 6.0;
    static constexpr double H_Font = 6.0;
    static constexpr double MinStepDimension = 0.05; // closer coordinates share a row

    TArrayOf<TDimension3D> ASizePoint; // size points of the ordinate dimensions
    TArrayOf<TDimension3D> APoint3D;   // recorded 3D points
    TDetailCode Det2;
    TPoint3D Origin;
    TRegistrator& Registrator;
    TReferenceOf<TModeler2D> M; // the modeller that draws; the facade lends itself
    TAVariable& Variables;
    TString defQuality;
    TRect2D Gabaryt; // the overall rectangle
    bool IsParametric = false;
    TString LinkDocName;

    TADimension3D(TRegistrator& iRegistrator, TModeler2D* iM, TAVariable& iVariables);
    ~TADimension3D() override = default;
    TADimension3D(const TADimension3D&) = delete;
    TADimension3D& operator=(const TADimension3D&) = delete;

    // Lays out the dimensions the host generated for the recorded 3D points, shifted by the
    // two layout positions; iM is the facade.
    virtual void drDimension(const double& LX, const double& LY, TModeler3D* iM) const;
};

// The dimensions to draw, alive from load to unload; built over Registrator and AVariable.
extern TADimension3D ADimension3D;

#pragma once
// TDimension3D: one dimension that a parametric detail asks to be drawn (where it lies, which
// registered variable holds its value, which detail it belongs to); TADimension3D: the list
// of them with the layout's constants, the global ADimension3D. The layout of the size
// points (rows, ordinate dimensions, overall sizes) is in Dimension3DLayout.cpp.

#include "BaseTypes.h"
#include "DString.h"
#include "DetailCode.h"
#include "Mathemat3d.h"
#include "Rect2D.h"
#include "TArray.h"
#include "tvapi/ModelObjects.h"

class TAVariable;
class TKmfData;
class TMtr3D;
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
    bool Exclude = false; // shares its row with the record before it (set by the sorts)

    // The text point T of a linear or radial record once its ends are mapped by Mtr: a linear
    // dimension line lies 25 along AY from the segment, a radial text V + 2 along AX from P11.
    // Other kinds are left alone.
    void Evaluate(const TMtr3D& Mtr);
    // Detail2, VId, V, Type, O, AX, AY, P11, P12; Q, T, the expressions and Exclude stay out.
    void toStream(TKmfData& stream) const;
    // Streams older than version 91 hold Detail2 as a decimal code dddd0ss, converted here.
    void fromStream(TKmfData& stream);
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

    // The overall sizes are dimensions of the active document's current view, which the
    // modeller interface does not carry: the facade lends this with itself. Arguments: the
    // modeller, value, tolerance text, offset (Dx, Dy) of the line, the measured ends.
    using TOverallDim = void (*)(TModeler2D& M, Real Value, const TString& Qual, Real Dx, Real Dy,
                                 const TPoint2D& A, const TPoint2D& B);
    TOverallDim OverallDim = nullptr;
    // The layout of the recorded 3D points through the host's generated dimensions belongs to
    // the facade, which lends it: the list, the two layout positions and the modeller given.
    using TLayout3D = void (*)(const TADimension3D& List, Real LX, Real LY, TModeler3D& M);
    TLayout3D Layout3D = nullptr;

    // A linear record of value V (by reference: its registered variable's id is kept, 0 for
    // none) measured from iO along iAX, its line offset along iAY; AddRDim a radial one.
    void AddLDim(const Real& V, const TPoint3D& iO, const TVector3D& iAX, const TVector3D& iAY,
                 TDetailCode Det);
    void AddRDim(const Real& V, const TPoint3D& iO, const TVector3D& iAX, const TVector3D& iAY,
                 TDetailCode Det);
    // Angular and diametral records are not laid out: both add nothing.
    void AddADim(const Real&, TPoint3D&, TPoint3D&, TPoint3D&, TDetailCode) {}
    void AddDDim(const Real&, const TPoint3D&, const TVector3D&, const TVector3D&, TDetailCode) {}
    // A size point (x, y) of the ordinate dimensions with its quality text.
    void Add2D(const Real& x, const Real& y, TDetailCode Det, const TString& Q);
    // A 3D point the detail made, with the formulas of the variables at ipX and ipY (empty
    // when none is bound there) and the tolerance text of its dimensions.
    void Add3D(const Real& ix, const Real& iy, tvapi::IModelObjectPtr iP, const Real* ipX, const Real* ipY,
               const TString& iQ);
    // Restarts the size points of a view: only the zero point of detail Det remains.
    void Clear2D(TDetailCode Det);
    // The non-zero variable ids of detail D's records, in list order; AVarID is emptied first.
    void GetLinkVars(const TDetailCode& D, TArrayOf<int>& AVarID) const;
    // The first record showing variable Id; null when none.
    TDimension3D* GetDim(Integer Id) const;

    // Size points from top to bottom (SortY) or right to left (SortX), a row from right to
    // left (top to bottom); a point within MinStepDimension of the one before is Excluded.
    // Direct does not change the order.
    void SortY(Integer Direct);
    void SortX(Integer Direct);
    // The layout through M: overall width and height of Gabaryt, the axes through the origin,
    // then ordinate dimensions of the size points above (drDimX) and right of it (drDimY).
    // Nothing without a modeller.
    void drDim(const Real& DtText);
    // Ordinate dimensions of the size points' y from the zero line at XBorder, their texts in
    // rows H_Font apart on the side Direct points to; drDimX likewise for x from YBorder.
    void drDimY(Integer Direct, const Real& XBorder, const Real& DtText);
    void drDimX(Integer Direct, const Real& YBorder, const Real& DtText);

    // Lays out the dimensions the host generated for the recorded 3D points, shifted by the
    // two layout positions; iM is the facade.
    virtual void drDimension(const double& LX, const double& LY, TModeler3D* iM) const;
};

// The dimensions to draw, alive from load to unload; built over Registrator and AVariable.
extern TADimension3D ADimension3D;

#pragma once
// The parametric detail: one component of a product that draws itself on a sheet, builds
// itself through the modeller, streams its parameters and hands design, placement and
// parameter requests to a builder (TConstruktor). TWrapModeler gives a detail its modeller.

#include "BaseTypes.h"
#include "DString.h"
#include "TArray.h"
#include "TextBase.h"
#include "drModeler3D.h"

class TColor;
class TGImage;
class TKmfData;
class TProtector;

using TDcDetail = Integer;

// Holds the modeller a detail draws and builds through; the modeller is borrowed unless the
// ownership flag says otherwise. The operations pass on to the modeller unchanged.
class TWrapModeler {
public:
    TReferenceOf<TModeler3D> M2;

    explicit TWrapModeler(TModeler3D& M) : M2(M) {}
    TWrapModeler(TModeler3D* M, const Boolean Owner) : M2(M, Owner) {}

    // The modeller's current-detail record.
    TDetailInfo& DI() const { return M2->R2->DI; }

    void drLine(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Integer Attr) const
    {
        M2->drLine(x1, y1, x2, y2, Attr);
    }
    void drArc(Real const& X, Real const& Y, Real const& R, Real const& x1, Real const& y1, Real const& x2,
               Real const& y2, Integer Napr, Integer Attr) const
    {
        M2->drArc(X, Y, R, x1, y1, x2, y2, Napr, Attr);
    }
    void drCircle(Real const& X, Real const& Y, Real const& R, Integer Attr) const
    {
        M2->drCircle(X, Y, R, Attr);
    }
    void drRectAngle(Real const& x1, Real const& y1, Real const& x2, Real const& y2, Integer Attr) const
    {
        M2->drRectAngle(x1, y1, x2, y2, Attr);
    }
    void drText(Real const& x, Real const& y, Real const& FStr, Real const& Hs, Real const& Ksu, Integer Fb,
                Str const& S) const
    {
        M2->drText(x, y, FStr, Hs, Ksu, Fb, S);
    }
    void drMtr(Real x, Real y, Real Angle, Real Scale) const { M2->drMtr(x, y, Angle, Scale); }
    void drDeleteMtr() const { M2->drDeleteMtr(); }
    void drMacro2D(Boolean AllLayer) const { M2->drMacro2D(AllLayer); }
    void drEndMacro() const { M2->drEndMacro(); }
    void drMacro3D(Str const& Name, Boolean MStaffVisible) const { M2->drMacro3D(Name, MStaffVisible); }
    void drEndMacro3D() const { M2->drEndMacro3D(); }
    void drPlaneEskis(tvapi::tvObj3dTypeEnum BasePlane, Real Distance, Real Angle, Str const& Name) const
    {
        M2->drPlaneEskis(BasePlane, Distance, Angle, Name);
    }
    void drCreateEskis(Real Angle) const { M2->drCreateEskis(Angle); }
    void drBaseExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth, Real const& Depth,
                         Real const& Angle) const
    {
        M2->drBaseExtrusion(Napr, TypDepth, Depth, Angle);
    }
    void drCutExtrusion(tvapi::tvDirectionTypeEnum Napr, tvapi::tvEndTypeEnum TypDepth, Real const& Depth,
                        Real const& Angle) const
    {
        M2->drCutExtrusion(Napr, TypDepth, Depth, Angle);
    }
    void drBaseRotate(Integer Napr, Real const& Angle) const { M2->drBaseRotate(Napr, Angle); }
    void drCutRotate(Integer Napr, Real const& Angle, TMark* M) const { M2->drCutRotate(Napr, Angle, M); }
    Boolean drCreate3DNewPart(Integer Detail, Integer subDetail, Boolean InVisible) const
    {
        return M2->drCreate3DNewPart(Detail, subDetail, InVisible);
    }
    void drClose3D(Boolean SaveDocument3D, Quor::TSectionSpc Section) const
    {
        M2->drClose3D(SaveDocument3D, Section);
    }
    Boolean drLeafStamp(Integer Detail, Integer subDetail, Boolean Invisible) const
    {
        return M2->drLeafStamp(Detail, subDetail, Invisible);
    }
    Boolean drView(Integer N, Real const& x, Real const& y) const { return M2->drView(N, x, y); }
    void drCloseView() const { M2->drCloseView(); }
    void drShtamp() const { M2->drShtamp(); }
    void drCloseLeaf() const { M2->drCloseLeaf(); }
};

// The builder a detail hands its design, placement, parameter and evaluation requests to;
// Object is the requesting detail. This base answers every request with "nothing done".
class TConstruktor {
public:
    virtual ~TConstruktor() = default;
    virtual Boolean Design(void* Object, void* Socket, Boolean Mode) const;
    virtual Boolean Place(void* Object, void* Socket, Boolean Mode) const;
    virtual Integer Set(void* Object, const Integer IT, const Real P1, const Real P2) const;
    virtual Integer Set(void* Object, const Integer IT, const Real P1, const Real P2, const Real P3) const;
    virtual void Evaluate(void* Object) const;

    // The single do-nothing builder, created on first use.
    static TConstruktor& Empty();
};

// The destructor is not virtual: a detail is destroyed through its own class.
class TDetail : public TWrapModeler {
public:
    enum TState : Integer {
        stUndefined = 0,
        stStandart = 1,
        stDefine = 2,
        stPlace = 4,
        stEvaluate = 8,
    };

    const TDcDetail Id;  // row of the control model's detail table
    const TDcDetail Id2; // second row for a detail of two rows; 0 = none
    TState State = stUndefined;
    TBaseDetail DC; // standard element the detail is
    Integer Number = 0;
    Boolean Design = false;               // the detail is shown and built only while set
    Integer Code = 0;                     // variant, chosen by the deriving class
    const TDetail* Complement = nullptr;  // companion detail, not owned
    const TDetail* Complement2 = nullptr; // second companion, not owned
    TConstruktor* PCon = nullptr;         // builder, not owned; none answers "nothing done"
    Boolean NeedPhantom = false;

    // Each borrows the modeller iM.
    TDetail(const TDcDetail iId, TModeler3D* iM, const TDetail* iComplement, const TDcDetail iId2,
            TConstruktor* C);
    TDetail(const TDcDetail iId, TModeler3D* iM, TConstruktor& C);
    TDetail(const TDcDetail iId, TModeler3D* iM, TConstruktor* C);
    // Copies every field of D, builder and companions shared, but works through iM.
    TDetail(const TDetail& D, TModeler3D* iM);

    virtual Integer CountTread3D() const;
    virtual void dr3D(const Integer NumberOfTread) const;
    virtual void dr2D() const;
    virtual void AddIn(TProtector& Protect);
    virtual void Show(TGImage& GI, const TColor& Color) const;
    // Slots below hand the request to PCon with the detail as Object; without a builder
    // they answer false, 0 or nothing.
    virtual Boolean toDesign(void* Socket, Boolean Mode);
    virtual Boolean toPlace(void* Socket, Boolean Mode);
    // Components hide these on purpose with a Set of their own that takes the sizes by
    // reference; a using would make their calls ambiguous.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverloaded-virtual"
    virtual Integer Set(const Integer IT, const Real P1, const Real P2, const Real P3);
    virtual Integer Set(const Integer IT, const Real P1, const Real P2);
#pragma GCC diagnostic pop
    virtual void Evaluate();
    virtual void toStream(TKmfData& stream) const;
    virtual void fromStream(TKmfData& stream);
};

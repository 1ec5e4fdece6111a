#pragma once
// TRecordingModeler: a modeller for tests. Every operation that TModeler2D/TModeler3D leave
// to an implementation is answered by journaling its name and arguments, in call order, so
// a test can compare what a drawing routine asked for with a hand-written expectation.
// Reals are written with 10 significant digits (-0 as 0), texts quoted in UTF-8, Booleans as
// true/false, enumerations as their values, interface pointers as obj/null.

#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

#include "drModeler3D.h"

// One journaled call.
struct TRecordedCall {
    std::string Name;              // operation name, e.g. "drLine"
    std::vector<std::string> Args; // arguments in order, formatted as above

    // "Name(a1, a2, ...)".
    std::string Text() const;
};

namespace recording {
std::string QuotedUtf8(const TString& s);
std::string RealText(double v);

// The text form of one argument, chosen by its type.
template <class T> std::string Arg(const T& v)
{
    if constexpr (std::is_same_v<T, bool>)
        return v ? "true" : "false";
    else if constexpr (std::is_enum_v<T>)
        return std::to_string(static_cast<long long>(v));
    else if constexpr (std::is_pointer_v<T>)
        return v ? "ptr" : "null";
    else if constexpr (std::is_integral_v<T>)
        return std::to_string(v);
    else if constexpr (std::is_floating_point_v<T>)
        return RealText(v);
    else if constexpr (std::is_same_v<T, TString>)
        return QuotedUtf8(v);
    else
        return v ? "obj" : "null"; // counted interface pointers
}
} // namespace recording

// Owns the constraint recorder so that it exists before the modeller is built over it.
struct TRecordingConstraint {
    TConstraint2D Constraint;
};

class TRecordingModeler : private TRecordingConstraint, public TModeler3D {
    using R = Real const&;
    using S = Str const&;
    using Obj = tvapi::IDrawingObjectPtr;
    using Dir = tvapi::tvDirectionTypeEnum;
    using End = tvapi::tvEndTypeEnum;
    // Journals `name` with every argument in its text form.
    template <class... A> void Rec(const char* name, const A&... a) { Record(name, {recording::Arg(a)...}); }

public:
    std::vector<TRecordedCall> Calls;
    // Answers of the recorded operations that return a Boolean or a Real.
    Boolean BooleanResult = true;
    Real RealResult = 0.0;

    TRecordingModeler() : TModeler3D(Constraint) {}
    TConstraint2D& Constraint2D() { return Constraint; }

    // The calls as texts (TRecordedCall::Text), in order.
    std::vector<std::string> Texts() const;
    // Only the names, in order.
    std::vector<std::string> Names() const;
    // Number of calls of the operation `name`.
    std::size_t CountOf(const std::string& name) const;
    void ClearJournal() { Calls.clear(); }
    // Appends a call; the overrides below use it, tests may mark points of a sequence with it.
    void Record(std::string name, std::vector<std::string> args);

    // ---- TModeler2D --------------------------------------------------------------------
    void drGlobalMtr(R x, R y, R z) override { Rec("drGlobalMtr", x, y, z); }
    void DrawCut(S s, Integer Direction) override { Rec("DrawCut", s, Direction); }
    void drGroup(Boolean Temporary) override { Rec("drGroup", Temporary); }
    void drEndGroup() override { Rec("drEndGroup"); }
    void drClearRegion(long Color) override { Rec("drClearRegion", Color); }
    void drColouring(long Color) override { Rec("drColouring", Color); }
    Real drCreateAttrStr(Real Id) override { return Rec("drCreateAttrStr", Id), RealResult; }
    void drMacro2D(Boolean AllLayer) override { Rec("drMacro2D", AllLayer); }
    void drEndMacro() override { Rec("drEndMacro"); }
    // A hatch also collects its outline as the modeller's own body does.
    void drHatch(Integer Tip, Real Fstr, Real Shag) override
    {
        Rec("drHatch", Tip, Fstr, Shag);
        TModeler3D::drHatch(Tip, Fstr, Shag);
    }
    void drEndObj() override
    {
        Rec("drEndObj");
        TModeler3D::drEndObj();
    }
    void drArc(R X, R Y, R r, R x1, R y1, R x2, R y2, Integer Napr, Integer Attr) override
    {
        Rec("drArc", X, Y, r, x1, y1, x2, y2, Napr, Attr);
    }
    void drArc(R X, R Y, R r, R t1, R t2, Integer Attr, Integer Napr) override
    {
        Rec("drArc", X, Y, r, t1, t2, Attr, Napr);
    }
    void drCircle(R X, R Y, R r, Integer Attr) override { Rec("drCircle", X, Y, r, Attr); }
    void drEllipse(R X, R Y, R A, R B, R Angle, Integer Attr) override
    {
        Rec("drEllipse", X, Y, A, B, Angle, Attr);
    }
    void drLine(R x1, R y1, R x2, R y2, Integer Attr) override { Rec("drLine", x1, y1, x2, y2, Attr); }
    void drRectAngleAxleDim3D(tvapi::tvObj3dTypeEnum P, R V, R X1, R Y1, R X2, R Y2, Integer At,
                              S S1) override
    {
        Rec("drRectAngleAxleDim3D", P, V, X1, Y1, X2, Y2, At, S1);
    }
    void drText(R x, R y, R FStr, R Hs, R Ksu, Integer Fb, S s) override
    {
        Rec("drText", x, y, FStr, Hs, Ksu, Fb, s);
    }
    void drPoint(R x, R y) override { Rec("drPoint", x, y); }
    void drPolyline3D(Boolean Closed) override { Rec("drPolyline3D", Closed); }
    void drCut(R Hs, R Ksu, R Fch, S s, R x1, R y1, Integer N1, R x2, R y2, Integer N2) override
    {
        Rec("drCut", Hs, Ksu, Fch, s, x1, y1, N1, x2, y2, N2);
    }
    void drShelf(tvapi::tvLeaderSignEnum Tipz, R x, R y, tvapi::tvShelfDirectionEnum Napr,
                 tvapi::tvArrowEnum Tips, R Hs1, R Ksu1, R Fch1, S S1, R Hs2, R Ksu2, R Fch2, S S2) override
    {
        Rec("drShelf", Tipz, x, y, Napr, Tips, Hs1, Ksu1, Fch1, S1, Hs2, Ksu2, Fch2, S2);
    }
    void drCreateLeaf(Str& Name, tvapi::DocumentTypeEnum tDoc, Integer iFormat, Integer Krat, Integer Tips,
                      Integer Pros, Str& Comment, Boolean Invisible) override
    {
        Rec("drCreateLeaf", Name, tDoc, iFormat, Krat, Tips, Pros, Comment, Invisible);
    }
    Boolean drView(Integer N, R x, R y) override { return Rec("drView", N, x, y), BooleanResult; }
    Boolean drLeafStamp(Integer D, Integer Sub, Boolean Inv) override
    {
        return Rec("drLeafStamp", D, Sub, Inv), BooleanResult;
    }
    Boolean drLeafStamp(Integer D, Integer Sub, R x, R y, Boolean Inv) override
    {
        return Rec("drLeafStamp", D, Sub, x, y, Inv), BooleanResult;
    }
    Boolean drLeafStampView1(Integer D, Integer Sub, R x, R y, Boolean Inv) override
    {
        return Rec("drLeafStampView1", D, Sub, x, y, Inv), BooleanResult;
    }
    void drSaveLeaf() override { Rec("drSaveLeaf"); }
    void drShtamp() override { Rec("drShtamp"); }
    void drCloseLeafSpw(Boolean Close) override { Rec("drCloseLeafSpw", Close); }
    void drCloseTDem() override { Rec("drCloseTDem"); }
    void drOpenTDem() override { Rec("drOpenTDem"); }
    void drStringObj(S s) override { Rec("drStringObj", s); }
    void drView(Integer N, R x, R y, R Alf, R Scale, S Comment) override
    {
        Rec("drView", N, x, y, Alf, Scale, Comment);
    }
    void drAStView7(Integer N, R x, R y, R Alf, R Scale, S Comment, S FName, S tView) override
    {
        Rec("drAStView7", N, x, y, Alf, Scale, Comment, FName, tView);
    }
    using TModeler2D::drAStView7;
    void drCloseView() override { Rec("drCloseView"); }
    void drCloseLeaf() override { Rec("drCloseLeaf"); }
    void drLayer(Integer NumerOfLayer) override { Rec("drLayer", NumerOfLayer); }
    void SetDimAssociateVariable(Obj Dim, S Expr) override { Rec("SetDimAssociateVariable", Dim, Expr); }
    void drDimL(R iVal, S Qual, R Dx, R Dy, Integer Pt, Integer Pn, R Fn, R Dln, R x1, R y1, Integer T1,
                Integer Po1, R x2, R y2, Integer T2, Integer Po2, S S1, S S2, S S3) override
    {
        Rec("drDimL", iVal, Qual, Dx, Dy, Pt, Pn, Fn, Dln, x1, y1, T1, Po1, x2, y2, T2, Po2, S1, S2, S3);
    }
    void drDimD(R Val, S Qual, R FBase, Integer Pt, Integer Pn, R x, R y, Integer t, S S1, S S2,
                S S3) override
    {
        Rec("drDimD", Val, Qual, FBase, Pt, Pn, x, y, t, S1, S2, S3);
    }
    void drDimR(R Val, S Qual, R FBase, R Drl, Integer Pt, Integer Pn, R xc, R yc, Integer t, Integer Po,
                S S1, S S2, S S3) override
    {
        Rec("drDimR", Val, Qual, FBase, Drl, Pt, Pn, xc, yc, t, Po, S1, S2, S3);
    }
    void drDimA(R Val, Integer Napr, R FBase, R Rr, Integer Pt, Integer Pn, R Fn, R Dln, R x1, R y1,
                Integer T1, Integer Po1, R x2, R y2, Integer T2, Integer Po2, S s, R xc, R yc) override
    {
        Rec("drDimA", Val, Napr, FBase, Rr, Pt, Pn, Fn, Dln, x1, y1, T1, Po1, x2, y2, T2, Po2, s, xc, yc);
    }
    void drRough(R x, R y, R Fi, tvapi::tvRoughSignEnum Tz, S S1, S S2, S S3) override
    {
        Rec("drRough", x, y, Fi, Tz, S1, S2, S3);
    }
    void drForm(R x, R y, Integer Tip, Integer S1, S S2, S S3) override
    {
        Rec("drForm", x, y, Tip, S1, S2, S3);
    }
    void drSupportForm(R x, R y, Integer Top, Integer Twx) override { Rec("drSupportForm", x, y, Top, Twx); }
    void drBase(R x, R y, R dx, R dy, S s) override { Rec("drBase", x, y, dx, dy, s); }
    void drWPointer(R x1, R y1, R x2, R y2, R Xt, R Yt, R Hs, R Ksu, R Fch, S s) override
    {
        Rec("drWPointer", x1, y1, x2, y2, Xt, Yt, Hs, Ksu, Fch, s);
    }
    void drSpcObject(Quor::TSectionSpc Type, S File, Integer Pos, Integer Count) override
    {
        Rec("drSpcObject", Type, File, Pos, Count);
    }
    void drConstraint(tvapi::tvConstraintTypeEnum T, Obj O1, Integer I1, Obj O2, Integer I2) override
    {
        Rec("drConstraint", T, O1, I1, O2, I2);
    }

    // ---- TModeler3D ---------------------------------------------------------------------
    void drPlaneEskis(tvapi::tvObj3dTypeEnum Plane, Real Distance, Real Angle, S Name) override
    {
        Rec("drPlaneEskis", Plane, Distance, Angle, Name);
    }
    void AddDetail(R x, R y, R z, Integer Code, Integer Suffics, Boolean ReverseZ) override
    {
        Rec("AddDetail", x, y, z, Code, Suffics, ReverseZ);
    }
    using TModeler3D::AddDetail;
    void AddDetailAxle(R x, R y, R z, Integer Code, Integer Suffics, R xDx, R xDy, R xDz, R yDx, R yDy,
                       R yDz) override
    {
        Rec("AddDetailAxle", x, y, z, Code, Suffics, xDx, xDy, xDz, yDx, yDy, yDz);
    }
    void drMacro3D(S Name, Boolean StaffVisible) override { Rec("drMacro3D", Name, StaffVisible); }
    void drEndMacro3D() override { Rec("drEndMacro3D"); }
    Boolean drCreate3D(Boolean Inv, Boolean isDetail, S FileName, S Name, S Marking) override
    {
        return Rec("drCreate3D", Inv, isDetail, FileName, Name, Marking), BooleanResult;
    }
    void drColor3D(Integer Color, R amb, R Diffuse, R spec, R shin, R transp, R emission) override
    {
        Rec("drColor3D", Color, amb, Diffuse, spec, shin, transp, emission);
    }
    void drClose3D(Boolean Save, Quor::TSectionSpc Section) override { Rec("drClose3D", Save, Section); }
    void drBaseExtrusion(Dir Napr, End TypDepth, R Depth, R Angle) override
    {
        Rec("drBaseExtrusion", Napr, TypDepth, Depth, Angle);
    }
    using TModeler3D::drBaseExtrusion;
    void drCutExtrusion(Dir Napr, End TypDepth, R Depth, R Angle) override
    {
        Rec("drCutExtrusion", Napr, TypDepth, Depth, Angle);
    }
    void drSurfaceExtrusion(Dir Napr, End TypDepth, R Depth, R Angle) override
    {
        Rec("drSurfaceExtrusion", Napr, TypDepth, Depth, Angle);
    }
    void drBaseRotate(Integer Napr, R Angle) override { Rec("drBaseRotate", Napr, Angle); }
    void drCutRotate(Integer Napr, R Angle, TMark* M) override { Rec("drCutRotate", Napr, Angle, M); }
    void drSurfaceRotate(Integer Napr, R Angle) override { Rec("drSurfaceRotate", Napr, Angle); }
};

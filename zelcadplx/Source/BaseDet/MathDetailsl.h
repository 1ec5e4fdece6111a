#pragma once
// The standard components of moulds and dies: the frame they share (stream records with their
// version gates, sizes from the element library, the plan symbol of four corners), the toolbox
// of parametric drawings TCommonGeometry, the pins and screws, and the requirement texts.
// Lengths are millimetres; records keep radii where the element library holds diameters.
// Sources: MathDetails.cpp (the frame and brackets), MathDetailsPins.cpp (pin, cap screw,
// set screw records), MathDetailsStopPin.cpp, SetScrew.cpp; the toolbox by concern in
// MathDetailsFasteners.cpp, MathDetailsCorner.cpp, MathDetailsGears.cpp, MathDetailsEjector.cpp
// and MathDetails3D.cpp (the fasteners' part documents).

#include <initializer_list>
#include <utility>
#include <vector>

#include "BaseTypes.h"
#include "DString.h"
#include "Rect2D.h"
#include "TDetail.h"

class TColor;
class TControlModel;
class TGImage;
class TKmfData;

// The control model the components record their codes in and test their details against:
// the library's own; null while no library has set one.
TControlModel* ComponentModel();
// True when Det is 0 or a detail present in the component model.
Boolean ComponentExists(TDcDetail Det);

// Reads a record's values in stream order and hands them to the record only when the stream
// gave every byte, so a cut stream leaves the record as it was.
class TRecordReader {
public:
    explicit TRecordReader(TKmfData& S);
    TRecordReader(const TRecordReader&) = delete;
    TRecordReader& operator=(const TRecordReader&) = delete;

    // The writer's version, for fields added later.
    Integer Version() const;
    TRecordReader& operator()(Boolean& V);
    TRecordReader& operator()(Integer& V);
    TRecordReader& operator()(Real& V);
    TRecordReader& operator()(Real* V, Integer Count);
    // Assigns every value read when nothing was missing; false otherwise.
    Boolean Commit();

private:
    TKmfData& FS;
    Boolean FFailed;
    std::vector<std::pair<Boolean*, Boolean>> FBooleans;
    std::vector<std::pair<Integer*, Integer>> FIntegers;
    std::vector<std::pair<Real*, Real>> FReals;
};

// The common head of a record: Design (1 byte), then Code (4 bytes).
void WriteHead(TKmfData& S, const TDetail& D);
void WriteReals(TKmfData& S, std::initializer_list<Real> Values);

// Stored counts bound loops over arrays of five: a damaged count reads as 0 to 5.
constexpr Integer MaxStoredCount = 5;
Integer ClampedCount(Integer Count);

// The plan symbol of a group of four: circles of radius r at the corners of Rect, while
// the detail is designed.
void ShowCorners(const TDetail& D, const TRect2D& Rect, TGImage& Image, const TColor& Color, Real r);

// The common steps of a component's Set: the row of table `type` that the keys select; with a
// row, Code = type * 1000 + row and the control model's entry Id gets {type, row, 0}; Design
// tells whether a row was found. Fields are filled by the caller from the returned row.
Integer SelectRow(TDetail& D, Integer type, Boolean Init, Integer IP1, Real P1, Integer IP2, Real P2,
                  Integer IP3, Real P3);
// A key of a table lookup: its column, signed as the lookup takes it (0: no key), and the value.
struct TTableKey {
    Integer Column;
    Real Value;
};
// Tells in a message box when the keys asked of table `type` lie outside it: which row stands in
// for them (the greatest row below a key above the table, the least above one below it), or, row
// 0, that none does. The row stays the caller's.
void TellOutsideTable(Integer type, Integer row, std::initializer_list<TTableKey> Keys);
// Column c of row `row` of table `type`, 0.0 outside the table.
Real TablePar(Integer type, Integer row, Integer c);

// Colour and optical values every component part gets.
void ColorComponent(TModeler3D& M);

// A component's part document: a new part of detail Id with its first sketch open on Plane
// (YOZ by default, so that a revolved half profile turns about the model's Z axis). When the
// bracket goes, however the scope is left, a part still open is coloured (unless made Plain)
// and closed into the document's section 0; an exception from the host while the scope is
// unwinding is swallowed.
class TPartBracket {
public:
    enum TFinish { Coloured, Plain };

    // Sizes, the component's main sizes, name it with the part's name when it is refused.
    TPartBracket(TModeler3D& M, TDcDetail Id, std::initializer_list<Real> Sizes,
                 tvapi::tvObj3dTypeEnum Plane = tvapi::o3d_planeYOZ, TFinish Finish = Coloured);
    ~TPartBracket() noexcept(false);
    TPartBracket(const TPartBracket&) = delete;
    TPartBracket& operator=(const TPartBracket&) = delete;

    // Whether the host made the part; nothing is closed when it did not.
    explicit operator bool() const { return FOpen; }
    // The part holds Bodies solids of its own when it is closed, not the one asked by default.
    void Expect(Integer Bodies) const;
    // Turns the profile drawn in the open sketch a whole turn about its axis line.
    void Revolve() const;
    // Colours the part, gives it Name and Note in the catalogue's section Type and saves it
    // without closing; the bracket then has nothing left to close.
    void SaveInCatalogue(const TString& Name, const TString& Note, Integer Type);

private:
    TModeler3D& FM;
    TFinish FFinish;
    Boolean FOpen;
    TString FSize;
    int FExceptions;
};

// A component's sheet: the sheet of detail Id with its title block and a view whose origin
// lies at (x, y). When the bracket goes, however the scope is left, the view and sheet are
// closed with the technical requirements given (up to four lines, empty for none); an
// exception from the host while the scope is unwinding is swallowed.
class TSheetBracket {
public:
    TSheetBracket(TModeler3D& M, TDcDetail Id, Real x, Real y, const TString& Demand1 = TString(),
                  const TString& Demand2 = TString(), const TString& Demand3 = TString(),
                  const TString& Demand4 = TString());
    ~TSheetBracket() noexcept(false);
    TSheetBracket(const TSheetBracket&) = delete;
    TSheetBracket& operator=(const TSheetBracket&) = delete;

    // Whether the host opened the sheet; nothing is closed when it did not.
    explicit operator bool() const { return FOpen; }

private:
    TModeler3D& FM;
    TString FDemands[4];
    Boolean FOpen;
    int FExceptions;
};

// The relief groove at the end of a ground diameter: 3 wide, 0.3 deep, radius 0.25.
struct TReliefGroove {
    static constexpr Real Width = 3.0;
    static constexpr Real Depth = 0.3;
    static constexpr Real Radius = 0.25;
    static constexpr Real Run = Width - Depth; // the flat bottom, up to the rounded flank
};
// tan 30 degrees: drill points end in 120-degree cones.
constexpr Real TanDrillPoint = 0.5773502691896257;
// The depth of a cap screw's hexagon socket Across wide, asked Depth deep (the standard's or its
// table row's), in a head K high where the standard's head is StandardK high: as asked wherever
// the head is at least the standard's, held only so that the drill point stays inside the head;
// a lower head gets a shallower socket, its drill point a quarter of the head above the
// underside. Never below 0; NaN stays NaN.
Real CapScrewSocketDepth(Real Across, Real Depth, Real K, Real StandardK);
// Half the chord at distance d from the centre of a circle of radius r; the absolute value
// keeps it real (and meaningless) when d exceeds r.
Real HalfChord(Real r, Real d);
// A roughness mark of sign type 0 at (x, y) turned by angle degrees, carrying only `text`.
void RoughMark(TModeler3D& M, Real x, Real y, Real angle, const char* text);

// The toolbox of parametric drawings. A routine draws at (mx, my) turned by ma degrees and
// scaled by ms, x along the part's axis and y radial; tl's units digit 0 draws the closed
// half outline of a revolve sketch, any other digit a view in that style, its tens digit the
// halves (2 mirrored, 3 both). Every routine leaves the placement stack as it found it.
class TCommonGeometry : public TDetail {
public:
    using R = Real const&;
    using S = TString const&;

    explicit TCommonGeometry(TModeler3D& M) : TDetail(0, &M, static_cast<TConstruktor*>(nullptr)) {}

    // Cylindrical pin of radius r and length l, chamfered f at both ends; IsSize is not used.
    void dr2D_Shtift_V1(R mx, R my, R ma, R ms, R r, R l, Integer tl, Boolean IsSize, R f) const;
    // Socket head cap screw: shank radius sR, head radius R, socket iS across flats, head
    // height K, socket wall t, length L from the head's top face, thread length isl, fillet r1.
    void dr2D_SocketHeadCapScrew_V1(R mx, R my, R ma, R mm, R sR, R R_, R iS, R K, R t, R L, R isl, R r1,
                                    Integer tl, Boolean isSize) const;
    // Enlarged view of a relief groove of width L, depth H and radius R at scale m, titled
    // Letter + "(" + m + ":1)".
    void drCVR_dV(R x, R y, R A, R m, R L, R H, R R_, S Letter, Boolean isSize) const;

    // Stepped ejector pin: working end r71 over its last 15 and a 16 taper from the shank r69,
    // collar r72 over x = 0 .. x63, fit r93 up to y92 (45-degree chamfer down to r69), spigot
    // r96 behind the collar, end face at x73, overall length y71; a notch x9 long and y78 deep
    // (none for y78 = 0) on the mirrored half. tl's tens digit 1 draws the plain half, 2 the
    // notched half, else both (a sketch, tl = 0, only the plain one); isSize adds the
    // dimensions, roughness marks and the framed hardened zone with its note.
    void dr2D_Shtovhach_V1(R mx, R my, R ma, R ms, R r71, R r69, R r72, R r93, R r96, R x73, R y92, R x63,
                           R y71, Real x9, R y78, Integer tl, Boolean isSize) const;

    // Side views of threaded fasteners (bearing face at x = 0, shank towards +x).
    void dr2D_Bolt7805_V1(R mx, R my, R ma, R ms, R r, R l, R l1, R HH, R HS, Integer tl, Boolean IsSize,
                          R iD2) const;
    void dr2D_Screw_V1(R mx, R my, R ma, R ms, R iM2, R L, R LM, R S_, R H, Integer tl, Boolean IsSize) const;
    void dr2D_Bolt11738_V1(R mx, R my, R ma, R ms, R r, R l, R l1, Integer tl, Boolean IsSize, Real iHR = 0.0,
                           Real iHL = 0.0) const;
    void dr2D_Vynt1491_V1(R mx, R my, R ma, R ms, R r, R l, R l1, Integer tl, Boolean IsSize) const;

    // Nuts and washers.
    void dr2D_Nut_V1(R mx, R my, R ma, R mm, R iMD, R S_, R H, Integer tl, Boolean IsSize) const;
    void dr2D_Nut_V2(R mx, R my, R ma, R mm, R M, R S_, R H, Integer tl, Boolean IsSize) const;
    void dr2D_Nut_V3(R mx, R my, R ma, R mm, R iMD, R S_, R H, Integer tl, Boolean IsSize) const;
    void dr2D_Gajka_V1(R mx, R my, R ma, R ms, R r, Integer tl, Boolean IsSize) const;
    void dr2D_Washer_V1(R mx, R my, R ma, R ms, R d, R D, R t, Integer tl, Boolean IsSize) const;
    void dr2D_Washer_V2(R mx, R my, R ma, R ms, R d, R D, R t, Integer tl, Boolean IsSize) const;
    void dr2D_Washer_V11(R mx, R my, R ma, R ms, R R_, R sr, R H, Integer tl, Boolean IsSize) const;

    // Section of an angle with legs B (along x) and b (along y), wall t, inner fillet R and
    // rounded leg ends r, as one macro object; IsSize adds the two leg dimensions.
    void dr2D_Corner_V1(R mx, R my, R ma, R ms, R B, R b, R t, R R_, R r, Integer tl, Boolean IsSize) const;
    // Collared bushing: bore r42, body r45, collar r48 over x12, length x59, a V groove ck deep
    // at y68 (at x59 - 5 and flat when ck is 0); the section is hatched; isSize is not used.
    void dr2D_Vtulka_V1(R mx, R my, R ma, R ms, R r42, R r45, R r48, R x12, R x59, Real y68, R ck, Integer tl,
                        Boolean isSize) const;
    // Face views of spur gear rims of module m with z teeth, root deepened by c modules; one
    // tooth pitch is drawn z times about the centre. Nothing for fewer than 3 or more than
    // 1,000 teeth or a module that is not positive. tl and isSize are not used.
    void dr2D_GearsWheel_Ext_V2(R mx, R my, R ma, R mm, R m, R z, R c, Integer tl, Boolean isSize) const;
    void dr2D_GearsWheel_Int_V2(R mx, R my, R ma, R mm, R m, R z, R c, Integer tl, Boolean isSize) const;

    // Headless set screw: thread radius r, socket iS across flats at x = 0, point chamfer sl,
    // length L; both halves; isSize is not used.
    void dr2D_HexagonSocketSetScrew_V1(R mx, R my, R ma, R mm, R r, R iS, R sl, R L, Integer tl,
                                       Boolean isSize) const;

    // Safety support: head r90 with end chamfer fD, thread r75, length y81, thread y80 (x = 0 at
    // the shoulder, the head towards -x), flats y79 across whose middle lies y82 from the head's
    // end face; with isSize the section through the flats and the dimensions.
    void dr2D_LapkaZapobizna_V1(R mx, R my, R ma, R mm, R r90, R r75, R y81, R y80, R y82, R y79, R fD,
                                Integer tl, Boolean isSize) const;
    // The two regions the flats remove, x across the flats and y along the axis; reads only r90
    // and y79.
    void dr2D_LapkaZapobizna_Vo(R mx, R my, R ma, R mm, R r90, R r75, R y81, R y80, R y82, R y79, R fD,
                                Integer tl, Boolean isSize) const;

    // Part documents of fasteners, saved and closed.
    void dr3D_ScrewGost11738(S FileName, S Name, S Marking, R d, R D, R S_, R K, R t, R L, R sl, R r1) const;
    void dr3D_PinGost(S FileName, S Name, S Marking, R D, R L, R f) const;
    void dr3D_Shajba(S FileName, S Name, S Marking, R D, R d, R L, R f) const;
    void dr3D_PlugGost(S FileName, S Name, S Marking, R D, R d, R L, R f) const;
    void dr3D_Nut(R iMD, R S_, R H, S FName) const;
    void dr3D_Washer(R d, R D, R t, S FName, Boolean IsGroove) const;
    // The ring section of a washer or bushing with its axis: outer radius D, bore d, length L,
    // chamfer f; the upper half (a sketch's), or both halves for a sheet.
    void DrawRing(R D, R d, R L, R f, Boolean BothHalves = false) const;
    void dr3D_Screw(R M, R L, R LM, R S_, R H, S FName) const;

private:
    // Both gear rims; Internal selects the ring gear's radii, sides and marks.
    void GearsWheel(R mx, R my, R ma, R mm, R m, R z, R c, Boolean Internal) const;
    // The revolved ring as a part named Kind + " " + D + "*" + L.
    void RingPart(S FileName, S Name, S Marking, R D, R d, R L, R f, const char* Kind) const;
};

// Four cylindrical dowel pins (m6) at the corners of a rectangle of the mould plan.
class TPin : public TDetail, public TRect2D {
public:
    static constexpr Integer Type = 31;
    static constexpr Integer VersionLen = 35;

    Real Radius = 0.0;
    Real Len = 0.0;

    TPin(TDcDetail iId, TModeler3D* M, TConstruktor* C);
    TPin& operator=(const TPin& P);

    // Type 31: the row of diameter 2r and length l; 0 for another type, nothing changed.
    Integer Set(Integer type, Real const& r, Real const& l);
    void Show(TGImage& Image, const TColor& Color) const override;
    void dr2D() const override {}
    void dr3D(const Integer) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
    // "Штифт " + diameter + "m6*" + length + " ГОСТ 3128-70".
    TString Name() const;
};

// Four socket head cap screws at the corners of a rectangle of the mould plan.
class TScrew : public TDetail, public TRect2D {
public:
    Real Radius = 0.0;
    Real HeadRadius = 0.0;
    Real HeadLen = 0.0;
    Real Len = 0.0; // head included

    TScrew(TDcDetail iId, TModeler3D* M, TConstruktor* C);
    TScrew& operator=(const TScrew& P);

    // Types 33 (signed keys: diameter, length under the head) and 26.
    Integer Set(Integer type, Real const& r, Real const& l);
    void Show(TGImage& Image, const TColor& Color) const override;
    void dr2D() const override {}
    void dr3D(const Integer) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
    TString Name() const; // "Винт М" + diameter + "*" + length under the head + " ГОСТ7805-70"
    TString Note() const; // "SM-" + diameter and length under the head, two digits each

    // The hexagon socket: across flats and depth from the screw's table row (the standard's
    // where the row has none); NaN where neither gives one, and the part is refused.
    struct TSocket {
        Real Across, Depth;
    };
    TSocket Socket() const;
};

// Four stop pins (collar, pin, relief groove at the shoulder); sizes set by the owner.
class TStopPin : public TDetail, public TRect2D {
public:
    static constexpr Integer VersionRect = 45;

    Real Radius = 0.0;
    Real CollarRadius = 0.0;
    Real CollarHeight = 0.0;
    Real Len = 0.0; // collar included

    TStopPin(TDcDetail iId, TModeler3D* M, TConstruktor* C);

    // Profile: collar radius r74 and height x81, pin radius r25, length x82, chamfers f; Det
    // not 0 draws only while that detail is present.
    void dr2D_GrybkovaOpora_V1(Integer Det, Real const& mx, Real const& my, Real const& ma, Real const& mm,
                               Real const& r74, Real const& r25, Real const& x81, Real const& x82,
                               Real const& f, Integer tl, Boolean isSize) const;
    void Show(TGImage& Image, const TColor& Color) const override;
    void dr2D() const override;
    void dr3D(const Integer) const override;
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

// A hexagon-socket screw record; its hexagon also cuts the cap screw's socket.
class TSetScrew : public TDetail {
public:
    Real r = 0.0; // shank radius
    Real R = 0.0; // head radius
    Real L = 0.0;
    Real K = 0.0; // head height
    Real S = 0.0; // socket across flats

    TSetScrew(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}

    // Hexagon S across flats about the origin, corners on the y axis.
    void drHexAngle(Real const& S_, Integer tl) const;
    // Both halves: thread radius sR, head R up to K (also the socket's depth to its drill
    // point), socket iS across flats, length L; tl's tens digit 1 draws the upper half only;
    // isSize is not used.
    void dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& mm, Real const& sR,
                 Real const& R_, Real const& L_, Real const& K_, Real const& iS, Integer tl,
                 Boolean isSize) const;
    void toStream(TKmfData& St) const override;
    void fromStream(TKmfData& St) override;
};

// A repair bolt set into a plate; its record holds no Code.
class TRepairBolt : public TDetail {
public:
    Real X = 0.0;
    Real Depth = 0.0;
    Real Len = 0.0;
    Real Radius = 0.0;
    Real UpperLen = 0.0;
    Real UpperRadius = 0.0;

    TRepairBolt(TDcDetail iId, TModeler3D* M, TConstruktor& C) : TDetail(iId, M, C) {}

    void Show(TGImage&, const TColor&) const override {}
    void toStream(TKmfData& S) const override;
    void fromStream(TKmfData& S) override;
};

#pragma once
// The stepped hole carried into space (THole3D: axis and origin) and into the base details
// (THoleData: which solid and insertion point it belongs to, its depths and source point),
// the list of such holes (TAHoleData) with its look-ups, and the configuration names.

#include "BaseTypes.h"
#include "DString.h"
#include "Mathemat3d.h"
#include "TArray.h"
#include "THole3DParam.h"
#include "tvapi/ModelObjects.h"

class TKmfData;

class THole3D : public THole3DParam {
public:
    static constexpr Integer StreamSize = THole3DParam::StreamSize + 6 * 8;

    TVector3D Axle;  // direction of the axis
    TPoint3D Origin; // origin of the hole
    Str Quality;     // a quality text of its own; neither copied nor stored

    // Over no modeller: a record that never draws.
    THole3D() : THole3DParam(nullptr, false) {}
    THole3D(const THole3D& H) : THole3DParam(H), Axle(H.Axle), Origin(H.Origin) {}
    // The hole's shape (as THole3DParam::operator=), Axle and Origin.
    THole3D& operator=(const THole3D& H);

    // The hole's stream form, then Axle and Origin (132 bytes); cut short, nothing changes.
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);
    // Clears the lengths the configuration does not use (Prepare); dV is not used.
    void dr3DfromType(const TVector3D& dV);
};

class THoleData : public THole3D {
public:
    Integer IndexInsertionPoint = -1; // insertion point the hole belongs to; -1 none
    Integer IndexSolid = -1;          // solid the hole belongs to; -1 none
    Integer IndexInRC = 0;
    Real DH = 0.0; // signed offset of the head seat; negative: its size is the seat's depth
    Real Depth = 0.0;
    Real DepthSE = 0.0;
    TPoint3D Source; // reference point, matched within 1e-5
    Str Name;        // name of the solid
    TVector3D dV;    // neither copied nor stored

    THoleData() = default;
    THoleData(const THoleData& P) : THole3D() { *this = P; }
    // What THole3D copies, then the indexes, depths, Source and Name.
    THoleData& operator=(const THoleData& P);

    // THole3D's form, then the indexes, depths, Source and Name; cut short, nothing changes.
    void toStream(TKmfData& stream) const;
    void fromStream(TKmfData& stream);
};

// Searches run from index 0 and answer the first match, -1 for none.
class TAHoleData : public TArrayOf<THoleData> {
public:
    static constexpr Integer Step = 16;
    static constexpr double SourceTolerance = 1e-5;

    TAHoleData() : TArrayOf<THoleData>(Step, Step) {}

    // Of solid IndexSolid at insertion point IndexIP; -1 for a negative argument.
    int IndexOf(int IndexSolid, int IndexIP) const;
    // The first of solid IndexSolid.
    int IndexOf(int IndexSolid) const;
    // Of solid IndexSolid whose Source lies within 1e-5 of P in each coordinate.
    int IndexOf(int IndexSolid, const TPoint3D& P) const;
    // Ascending by DH (selection sort; equal values may change order).
    void SortByDH();
    // The first hole of the solid named NameSolid.
    int FindFirstWithSolid(const TString& NameSolid) const;
    // Every other hole of record I's solid takes its shape (Typ2D, configuration, lengths,
    // Quality). Nothing for I outside the list.
    void CopyFromToAllHoleSolid(int I);
    // The distinct solid names in list order; "Нет отвестий" alone for an empty list.
    void GetHoleNameSolid(TArrayOf<TString>& ANameSolid) const;
};

// The configuration names by value 0 to 3, made when the library is loaded.
extern TAStr eHole3DType;

namespace drApi {
// A 3D line between the two objects in the current part (TModelerApi::drLine3D).
void drLine3D(tvapi::IModelObjectPtr P1, tvapi::IModelObjectPtr P2, const TString& Name, bool Hidden);
} // namespace drApi

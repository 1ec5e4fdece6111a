// Hole records: THole3D, THoleData and the list TAHoleData; the configuration names; the 3D
// line between two model objects that the parametric hole asks for.
#include "THoleData.h"

#include <cmath>

#include "KmfData.h"
#include "LoadOrder.h"
#include "drModelerAPI.h"

[[gnu::init_priority(loadorder::HoleTypes)]] TAStr eHole3DType{"Отсутствует", "Простое", "Двуступенчатое",
                                                               "Сложное"};

// ---- THole3D ---------------------------------------------------------------------------------

THole3D& THole3D::operator=(const THole3D& H)
{
    if (&H == this) return *this;
    THole3DParam::operator=(H);
    Axle = H.Axle;
    Origin = H.Origin;
    return *this;
}

void THole3D::toStream(TKmfData& stream) const
{
    THole3DParam::toStream(stream);
    stream << Axle << Origin;
}

void THole3D::fromStream(TKmfData& stream)
{
    if (stream.BytesLeft() < StreamSize) {
        stream.CheckCount(1, StreamSize); // marks the stream damaged, as a cut read does
        return;
    }
    THole3DParam::fromStream(stream);
    stream >> Axle >> Origin;
}

void THole3D::dr3DfromType(const TVector3D&)
{
    Prepare();
}

// ---- THoleData -------------------------------------------------------------------------------

THoleData& THoleData::operator=(const THoleData& P)
{
    if (&P == this) return *this;
    THole3D::operator=(P);
    IndexInsertionPoint = P.IndexInsertionPoint;
    IndexSolid = P.IndexSolid;
    IndexInRC = P.IndexInRC;
    DH = P.DH;
    Depth = P.Depth;
    DepthSE = P.DepthSE;
    Source = P.Source;
    Name = P.Name;
    return *this;
}

void THoleData::toStream(TKmfData& stream) const
{
    THole3D::toStream(stream);
    stream << IndexInsertionPoint << IndexSolid << IndexInRC;
    stream.Write(DH);
    stream.Write(Depth);
    stream.Write(DepthSE);
    stream << Source;
    stream.Write(Name);
}

void THoleData::fromStream(TKmfData& stream)
{
    // Read into a copy, so that a stream that ends early changes nothing.
    THoleData read(*this);
    THole3D& hole = read;
    hole.fromStream(stream);
    stream >> read.IndexInsertionPoint >> read.IndexSolid >> read.IndexInRC;
    stream >> read.DH >> read.Depth >> read.DepthSE >> read.Source;
    stream.Read(read.Name);
    if (stream.ErrorReadFromFileToBufer) return;
    *this = read;
}

// ---- TAHoleData ------------------------------------------------------------------------------

int TAHoleData::IndexOf(int iSolid, int IndexIP) const
{
    if (iSolid < 0 || IndexIP < 0) return -1;
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].IndexSolid == iSolid && FArray[i].IndexInsertionPoint == IndexIP) return i;
    return -1;
}

int TAHoleData::IndexOf(int iSolid) const
{
    if (iSolid < 0) return -1;
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].IndexSolid == iSolid) return i;
    return -1;
}

int TAHoleData::IndexOf(int iSolid, const TPoint3D& P) const
{
    if (iSolid < 0) return -1;
    const auto near = [&P](const TPoint3D& S) {
        return std::fabs(S.x - P.x) <= SourceTolerance && std::fabs(S.y - P.y) <= SourceTolerance &&
               std::fabs(S.z - P.z) <= SourceTolerance;
    };
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].IndexSolid == iSolid && near(FArray[i].Source)) return i;
    return -1;
}

void TAHoleData::SortByDH()
{
    if (Count < 2) return;
    for (Integer i = 0; i < Count - 1; ++i) {
        Integer b = i;
        for (Integer k = i + 1; k < Count; ++k)
            if (FArray[b].DH > FArray[k].DH) b = k;
        if (b == i) continue;
        THoleData t;
        t = FArray[i];
        FArray[i] = FArray[b];
        FArray[b] = t;
    }
}

int TAHoleData::FindFirstWithSolid(const TString& NameSolid) const
{
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].Name == NameSolid) return i;
    return -1;
}

void TAHoleData::CopyFromToAllHoleSolid(int I)
{
    if (I < 0 || I >= Count) return;
    const THoleData& from = FArray[I];
    for (Integer i = 0; i < Count; ++i)
        if (i != I && FArray[i].IndexSolid == from.IndexSolid) FArray[i].THole3DParam::operator=(from);
}

void TAHoleData::GetHoleNameSolid(TArrayOf<TString>& ANameSolid) const
{
    ANameSolid.Count = 0;
    for (Integer i = 0; i < Count; ++i) {
        bool known = false;
        for (Integer k = 0; k < ANameSolid.Count && !known; ++k)
            known = ANameSolid[k] == FArray[i].Name;
        if (!known) ANameSolid.Add(FArray[i].Name);
    }
    if (ANameSolid.Count == 0) ANameSolid.Add(TString("Нет отвестий"));
}

// ---- the facade's 3D line --------------------------------------------------------------------

void drApi::drLine3D(tvapi::IModelObjectPtr P1, tvapi::IModelObjectPtr P2, const TString& Name, bool Hidden)
{
    MA.drLine3D(P1, P2, Name, Hidden);
}

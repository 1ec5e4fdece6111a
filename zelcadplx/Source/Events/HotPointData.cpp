// Hot point records and their list: setting the bound values, copies, the refresh cycle
// (mark removed, add again) and the lookups.

#include "HotPointData.h"

#include <new>
#include <utility>

#include "TRegistrator.h"

THotPointData& THotPointData::operator=(const THotPointData& H)
{
    if (&H == this) return *this;
    State = H.State;
    Id3 = H.Id3;
    Origin = H.Origin;
    Caption = H.Caption;
    Clear();
    try {
        SetSize(H.Count, false);
        for (Integer i = 0; i < H.Count; ++i) {
            TIdVariable& to = FArray[i];
            const TIdVariable& from = H.FArray[i];
            to.Type = from.Type;
            to.PData = from.PData;
            to.Id = from.Id;
            to.Comment = from.Comment;
            to.Hint = from.Hint;
            to.Value = from.Value;
        }
    } catch (const std::bad_alloc&) {
        return *this; // no values rather than some
    }
    Count = H.Count;
    Current = H.Current;
    N = H.N;
    return *this;
}

THotPointData& THotPointData::operator=(THotPointData&& H)
{
    if (&H == this) return *this;
    *this = static_cast<const THotPointData&>(H);
    static_cast<TAdvColor&>(*this) = H;
    Obj = std::move(H.Obj);
    return *this;
}

void THotPointData::AddValue(double* Pointer, const TString& Comment)
{
    TIdVariable& entry = Add();
    entry = TIdVariable();
    entry.Type = TVariablePtr::pvReal;
    entry.PDataReal = Pointer;
    entry.Comment = Comment;
}

void THotPointData::Set(const double& VX, const double& VY, const double& VZ, double& V1, const TString& T1,
                        double* pV2, const TString* T2, double* pV3, const TString* T3)
{
    State = stActive;
    Clear();
    Origin.Set(VX, VY, VZ);
    AddValue(&V1, T1);
    if (pV2) AddValue(pV2, T2 ? *T2 : TString());
    if (pV3) AddValue(pV3, T3 ? *T3 : TString());
}

void THotPointData::Set(const TPoint3D& iOrigin, double& V1, const TString& T1)
{
    Set(iOrigin.x, iOrigin.y, iOrigin.z, V1, T1, nullptr, nullptr, nullptr, nullptr);
}

void THotPointData::Set(const TPoint3D& iOrigin, double& V1, const TString& T1, double& V2, const TString& T2)
{
    Set(iOrigin.x, iOrigin.y, iOrigin.z, V1, T1, &V2, &T2, nullptr, nullptr);
}

void THotPointData::Set(const TPoint3D& iOrigin, double& V1, const TString& T1, double& V2, const TString& T2,
                        double& V3, const TString& T3)
{
    Set(iOrigin.x, iOrigin.y, iOrigin.z, V1, T1, &V2, &T2, &V3, &T3);
}

void THotPointData::SetData(double& iP1, double& iP2, double* iP3)
{
    Origin.Set(iP1, iP2, iP3 ? *iP3 : 0.0);
    Clear();
    AddValue(&iP1, Registrator.GetComment(&iP1));
    AddValue(&iP2, Registrator.GetComment(&iP2));
    if (iP3) AddValue(iP3, Registrator.GetComment(iP3));
}

Boolean THotPointData::ItSameData(const THotPointData& HP) const
{
    if (Count != HP.Count) return false;
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].Type != HP.FArray[i].Type || FArray[i].PData != HP.FArray[i].PData) return false;
    return true;
}

// ---- the list ---------------------------------------------------------------------------------

void THotPointsData::AddData(double& X, double& Y, const double& VZ, double* V)
{
    THotPointData data;
    data.SetData(X, Y, V);
    if (const int i = IndexData(data); i >= 0) {
        FArray[i].State = THotPointData::stActive;
        return;
    }
    Add(data);
    THotPointData& added = Last();
    added.State = THotPointData::stActive;
    added.Caption = Registrator.GetTitul(V ? V : &Y);
    added.Origin.Set(X, Y, VZ);
}

void THotPointsData::Add2D(double& X, double& Y, const double& VZ)
{
    AddData(X, Y, VZ, nullptr);
}

void THotPointsData::Add2DV(double& X, double& Y, const double& VZ, double& V)
{
    AddData(X, Y, VZ, &V);
}

void THotPointsData::MarkRemoved()
{
    for (THotPointData& data : *this)
        data.State = THotPointData::stRemoved;
}

int THotPointsData::IndexData(const THotPointData& HP) const
{
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].ItSameData(HP)) return i;
    return -1;
}

THotPointData* THotPointsData::GetId(int Id) const
{
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i].Id3 == Id) return FArray + i;
    return nullptr;
}

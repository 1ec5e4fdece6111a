#pragma once
// Hot points as plain data: a point of the model that stands for one to three real values of
// the running command (the user drags it or edits it in the view), and the list a panel
// keeps of them. The records point into the command's own variables and never own them.
// TAdvColor, the colour with light factors that hot points and meshes carry, lives here too.

#include "BaseTypes.h"
#include "DString.h"
#include "Mathemat3d.h"
#include "TArray.h"
#include "TPointer.h"
#include "tvapi/Base.h"

// A colour (0x00BBGGRR) with its light factors; a factor at vEmpty is not given and the
// host takes its own.
struct TAdvColor {
    static constexpr Real vEmpty = -1.0;

    UInteger Color = 0;
    Real Ambient = vEmpty;
    Real Diffuse = vEmpty;
    Real Specularity = vEmpty;
    Real Shininess = vEmpty;
    Real Transparency = vEmpty;
    Real Emission = vEmpty;
};

class THotPointData : public TArrayOf<TIdVariable>, public TAdvColor {
public:
    enum TState : Integer { stActive = 0, stReadOnly = 1, stRemoved = 2 };

    static constexpr Integer ValueRoom = 8; // values allocated at once

    TState State = stActive;
    Integer Id3 = 0; // the panel's key for the record; 0: none (no marker drawn for it)
    TPoint3D Origin;
    Str Caption;
    tvapi::IAPIObjectPtr Obj;

    THotPointData() : TArrayOf<TIdVariable>(ValueRoom, ValueRoom) {}
    // A copy holds the data part only (see operator=).
    THotPointData(const THotPointData& H) : THotPointData() { *this = H; }
    ~THotPointData() override = default;

    // Copies State, Id3, Origin, Caption and the values; neither the colour nor Obj. A copy that
    // fails part way leaves no values.
    THotPointData& operator=(const THotPointData& H);
    // Moves everything, colour and Obj included: the list relocating its records.
    THotPointData& operator=(THotPointData&& H);

    // The values V1 .. V3 (pV2, pV3 may be null; a null caption is empty) at the origin; the
    // record becomes active. Caption is left as it is.
    void Set(const TPoint3D& iOrigin, double& V1, const TString& T1);
    void Set(const TPoint3D& iOrigin, double& V1, const TString& T1, double& V2, const TString& T2);
    void Set(const TPoint3D& iOrigin, double& V1, const TString& T1, double& V2, const TString& T2,
             double& V3, const TString& T3);
    void Set(const double& VX, const double& VY, const double& VZ, double& V1, const TString& T1, double* pV2,
             const TString* T2, double* pV3, const TString* T3);
    // Two or three values captioned from the variable registry; the origin is their values
    // (z 0 without iP3). State, Caption and Id3 are kept.
    void SetData(double& iP1, double& iP2, double* iP3);
    // Bound to the same variables: as many values, each of the same kind at the same address.
    Boolean ItSameData(const THotPointData& HP) const;

private:
    void AddValue(double* Pointer, const TString& Comment);
};

class THotPointsData : public TArrayOf<THotPointData> {
public:
    // A record for the drawing-plane point bound to X and Y at (X, Y, VZ); a record already
    // bound to them only becomes active again, keeping its caption, id and origin.
    void Add2D(double& X, double& Y, const double& VZ);
    // The same bound to X, Y and V.
    void Add2DV(double& X, double& Y, const double& VZ, double& V);
    void MarkRemoved();
    // The first record bound to the same variables as HP; -1 when none.
    int IndexData(const THotPointData& HP) const;
    // The first record whose Id3 is Id; null when none.
    THotPointData* GetId(int Id) const;

private:
    void AddData(double& X, double& Y, const double& VZ, double* V);
};

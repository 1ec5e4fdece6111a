#pragma once
// A face of the stand-in that says its surface is not planar: the geometry and edges are a
// real face's, so it touches that face's neighbours, but the planarity query answers false.

#include <utility>
#include <vector>

#include "HostModelObject.h"
#include "maTervan.h"
#include "tvapi/Topology.h"

class TCurvedSurface final : public tvhost::THostObjectOf<tvapi::IMathSurface3D> {
public:
    explicit TCurvedSurface(tvapi::IMathSurface3DPtr s) : FS(std::move(s)) {}
    void GetGabarit(double& x0, double& y0, double& z0, double& x1, double& y1, double& z1) override
    {
        FS->GetGabarit(x0, y0, z0, x1, y1, z1);
    }
    void GetParamUV(double x, double y, double z, bool in, double& u, double& v) override
    {
        FS->GetParamUV(x, y, z, in, u, v);
    }
    void GetNormal(double u, double v, double& x, double& y, double& z) override
    {
        FS->GetNormal(u, v, x, y, z);
    }
    bool IsPlanar() override { return false; }
    tvapi::IPlacement3DPtr GetPlacement() override { return {}; }

private:
    tvapi::IMathSurface3DPtr FS;
};

class TCurvedFace final : public tvhost::THostFeatureOf<tvapi::IFace, tvapi::IModelObject> {
public:
    explicit TCurvedFace(tvapi::IFacePtr face) : THostFeatureOf(tvapi::o3d_face), FFace(std::move(face)) {}
    tvapi::IMathSurface3DPtr GetSurface() override
    {
        return tvapi::IMathSurface3DPtr(tvhost::New<TCurvedSurface>(FFace->GetSurface()));
    }
    double GetArea(int unit) override { return FFace->GetArea(unit); }
    bool GetOrientation() override { return FFace->GetOrientation(); }

protected:
    std::vector<tvapi::IModelObjectPtr> ObjectsOf(tvapi::tvObj3dTypeEnum kind) override
    {
        return drApi::GetObjects(tvapi::IModelObjectPtr(FFace), kind);
    }

private:
    tvapi::IFacePtr FFace;
};

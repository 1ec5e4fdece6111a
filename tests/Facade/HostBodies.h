#pragma once
// Bodies of the stand-in kept alive for the entities a test takes from them, a point check,
// and a curve and an edge the test makes itself.

#include <vector>

#include <gtest/gtest.h>

#include "HostObject.h"
#include "HostTopology.h"
#include "maTervan.h"

struct THostBodies {
    std::vector<tvhost::THostBodyPtr> Kept;
    std::vector<tvapi::IModelObjectPtr> Of(tvhost::TShape shape, tvapi::tvObj3dTypeEnum kind)
    {
        Kept.push_back(tvhost::MakeBody(std::move(shape)));
        return drApi::GetObjects(tvapi::IModelObjectPtr(Kept.back()), kind);
    }
    tvapi::IEdgePtr Edge(tvhost::TShape shape)
    {
        return tvapi::IEdgePtr(Of(std::move(shape), tvapi::o3d_edge).at(0));
    }
};

inline void ExpectPoint(const TPoint3D& p, double x, double y, double z, double tolerance = 1e-9)
{
    EXPECT_NEAR(p.x, x, tolerance);
    EXPECT_NEAR(p.y, y, tolerance);
    EXPECT_NEAR(p.z, z, tolerance);
}

// A straight curve whose parameter range the test chooses, counting its point queries, and
// an edge on it; with no arguments, host objects that answer nothing.
class TRangeCurve : public tvhost::THostObjectOf<tvapi::IMathCurve3D> {
public:
    explicit TRangeCurve(double t0 = 0, double t1 = 0) : FT0(t0), FT1(t1) {}
    double GetParamMin() override { return FT0; }
    double GetParamMax() override { return FT1; }
    void GetPoint(double t, double& x, double& y, double& z) override
    {
        ++Points;
        x = t;
        y = 0;
        z = t > 1 ? t : 0; // rises past the parameter 1
    }
    void GetTangentVector(double, double& x, double& y, double& z) override { x = 1, y = z = 0; }
    void GetGabarit(double& x0, double& y0, double& z0, double& x1, double& y1, double& z1) override
    {
        x0 = y0 = z0 = x1 = y1 = z1 = 0;
    }
    double GetLength(int) override { return 0; }
    bool GetParamByPoint(double x, double, double, double& t, bool) override
    {
        t = x;
        return true;
    }
    bool IsLineSeg() override { return true; }
    bool IsCircle() override { return false; }
    bool IsArc() override { return false; }
    bool IsEllipse() override { return false; }
    bool IsNurbs() override { return false; }
    int Points = 0;

private:
    double FT0, FT1;
};

class TRangeEdge : public tvhost::THostObjectOf<tvapi::IEdge> {
public:
    explicit TRangeEdge(tvapi::Ptr<TRangeCurve> curve = {}) : FCurve(std::move(curve)) {}
    tvapi::IMathCurve3DPtr GetCurve3D() override { return tvapi::IMathCurve3DPtr(FCurve); }
    tvapi::IVertexPtr GetVertex(bool) override { return {}; }
    bool IsStraight() override { return true; }
    double GetLength(int) override { return 0; }

private:
    tvapi::Ptr<TRangeCurve> FCurve;
};

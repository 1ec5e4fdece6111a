#pragma once
// Measurements of the stand-in host: a part's distance and angle measurements, evaluated by
// the kernel on the faces, edges and vertices of its bodies, and threads with their nominal
// diameter and pitch, cut on cylindrical faces. Only HostMeasure.cpp of these sees the kernel's
// headers.

#include <vector>

#include "HostFeatures.h"
#include "HostModelObject.h"
#include "tvapi/Measurement.h"

namespace tvhost {

// Shortest distance between two face, edge or vertex objects in mm; -1 when either is empty,
// of another kind or the kernel cannot tell.
double DistanceBetween(const tvapi::IModelObjectPtr& a, const tvapi::IModelObjectPtr& b);
// Angle in degrees, 0 to 90, between the lines of straight edges and the normals' planes of
// planar faces (between a line and a plane: 90 less the angle to the normal); -1 when either
// object is empty or neither straight nor planar.
double AngleBetween(const tvapi::IModelObjectPtr& a, const tvapi::IModelObjectPtr& b);

// Journaled as "IDistanceMeasurements::<operation>" and "IAngleMeasurements::<operation>".
// A part keeps one of each (HostPart.h).
tvapi::IDistanceMeasurementsPtr NewDistanceMeasurements();
tvapi::IAngleMeasurementsPtr NewAngleMeasurements();

// A thread of a part's feature list (o3d_thread), journaled as "IThread::<operation>" and
// "IThreadsParameters::<operation>", the rest as model object and feature. It changes no
// body: its update checks that its face is a cylinder and, defined automatically, takes the
// nominal diameter from the face and the coarse pitch of that size; over the full length it
// takes the face's length along its axis. It is kept in part files with its face.
class THostThread final : public THostListedFeature<tvapi::IThread, tvapi::IThreadsParameters> {
public:
    // A thread of `list`, not yet built.
    explicit THostThread(TFeatureListRef list);
    // A thread of these sizes in no list (its update fails).
    THostThread(double diameter, double pitch);

    double GetPitch() override;
    double GetNominalDiameter() override;
    void SetBaseObject(tvapi::IModelObjectPtr face) override;
    tvapi::IModelObjectPtr GetBaseObject() override;
    void SetAutoDefinition(bool automatic) override;
    void SetFullLength(bool full) override;
    void SetLeftHand(bool left) override;

    bool Apply(TBodies& bodies, std::string& error) override;
    void Write(nlohmann::json& out, const TRefer& refer) const override;
    void Read(const nlohmann::json& in, const TFind& find) override;

    // Test side, not journaled.
    double Diameter() const noexcept { return FDiameter; }
    double Pitch() const noexcept { return FPitch; }
    double Length() const noexcept { return FLength; }
    bool AutoDefinition() const noexcept { return FAuto; }
    bool FullLength() const noexcept { return FFull; }
    bool LeftHand() const noexcept { return FLeft; }
    const TShape& Face() const noexcept { return FFace; }

private:
    double FDiameter = 0.0;
    double FPitch = 0.0;
    double FLength = 0.0;
    bool FAuto = false;
    bool FFull = false;
    bool FLeft = false;
    tvapi::IModelObjectPtr FBase;
    TShape FFace; // the base face's kernel face, kept when the object is gone
};

// A new thread appended to `list` (a part's, HostFeatureCollections.cpp lists them).
tvapi::IThreadPtr NewThread(const std::shared_ptr<TFeatureList>& list);
// The metric coarse pitch of the largest standard size not above `diameter` (mm); that of
// the smallest size below it.
double CoarsePitch(double diameter);
// The radius of a cylindrical face and its length along the axis; false, nothing written,
// for another face or no face.
bool CylinderOf(const TShape& face, double& radius, double& length);
// The shortest distance from the point to the kernel face, edge or vertex behind `entity`;
// -1 for another object.
double DistanceToPoint(const tvapi::IModelObjectPtr& entity, const TXyz& point);

} // namespace tvhost

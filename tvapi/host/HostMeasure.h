#pragma once
// Measurements of the stand-in host: a part's distance and angle measurements, evaluated by
// the kernel on the faces, edges and vertices of its bodies, and threads with their nominal
// diameter and pitch. Only HostMeasure.cpp of these sees the kernel's headers.

#include <vector>

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

// Journaled as "IThread::<operation>" and "IThreadsParameters::<operation>"; the rest as a
// model object of kind o3d_thread.
class THostThread final : public THostModelObjectOf<tvapi::IThread, tvapi::IThreadsParameters> {
public:
    THostThread(double diameter, double pitch) noexcept
        : THostModelObjectOf(tvapi::o3d_thread), FDiameter(diameter), FPitch(pitch)
    {
    }

    double GetPitch() override { return Enter("IThread::GetPitch") ? FPitch : 0.0; }
    double GetNominalDiameter() override
    {
        return Enter("IThreadsParameters::GetNominalDiameter") ? FDiameter : 0.0;
    }

private:
    double FDiameter;
    double FPitch;
};

} // namespace tvhost

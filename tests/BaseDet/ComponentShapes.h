#pragma once
// Oracles for component parts and sheets: the volume a half profile sweeps about its axis
// (Pappus, from the polygon itself), the small corner pieces fillets add or take, and what a
// reopened sheet holds (its dimensions and its requirement lines).

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "HostDocuments.h"
#include "HostDrawingDocument.h"

namespace shapes {

using TPolygon = std::vector<std::array<double, 2>>;

// Volume of the polygon (x along the axis, y >= 0 the radius) turned a full turn about the
// x axis: 2 pi times the first moment of its area, in either orientation.
inline double RevolvedVolume(const TPolygon& p)
{
    double moment = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const auto& a = p[i];
        const auto& b = p[(i + 1) % p.size()];
        moment += (a[0] * b[1] - b[0] * a[1]) * (a[1] + b[1]);
    }
    return 2 * std::numbers::pi * std::abs(moment) / 6;
}

// A fillet of radius r in a corner whose sides meet at `angle` radians (a right angle unless
// given): the area between the corner and its arc, and how far that piece's centroid lies from
// each side of a right-angled corner (near enough for angles close to it).
inline double SpandrelArea(double r, double angle = std::numbers::pi / 2)
{
    return r * r * (1 / std::tan(angle / 2) - (std::numbers::pi - angle) / 2);
}
inline double SpandrelOffset(double r)
{
    return r * (10 - 3 * std::numbers::pi) / (12 - 3 * std::numbers::pi);
}
// The ring that piece sweeps when its centroid lies at radius y.
inline double SpandrelRing(double r, double y, double angle = std::numbers::pi / 2)
{
    return 2 * std::numbers::pi * y * SpandrelArea(r, angle);
}

struct TSheetSummary {
    int Dimensions = 0;        // linear, angular, radial and diametral
    std::wstring Requirements; // the technical requirements' lines
};

inline TSheetSummary Summary(tvhost::THostDocument2D& drawing)
{
    TSheetSummary s;
    for (const tvhost::THostViewPtr& view : drawing.Drawing().Views())
        for (const tvapi::IDrawingObjectPtr& o : view->Children()) {
            const auto* core = dynamic_cast<tvhost::TDrawingCore*>(o.Get());
            if (!core) continue;
            const tvapi::DrawingObjectTypeEnum t = core->Type();
            s.Dimensions += t == tvapi::tvDrLDimension || t == tvapi::tvDrADimension ||
                            t == tvapi::tvDrRDimension || t == tvapi::tvDrDDimension;
        }
    if (drawing.Data().Notes.Demand) s.Requirements = drawing.Data().Notes.Demand->Lines();
    return s;
}

} // namespace shapes

#pragma once
// The stand-in's 3D kernel behind an opaque shape: the few solids and curves it makes, their
// volumes, moving them by a frame, splitting faces, and their B-rep text for document files.
// Only HostKernel.cpp, HostTopology.cpp, HostStep.cpp, HostFaceSplit.cpp and HostHlr.cpp see
// the kernel's own headers.

#include <array>
#include <memory>
#include <string>
#include <vector>

class TopoDS_Shape;

namespace tvhost {

// A kernel shape, never changed once made; null for no shape.
using TShape = std::shared_ptr<const TopoDS_Shape>;

using TXyz = std::array<double, 3>;

// A frame: origin and unit axes, right-handed.
struct TFrame {
    TXyz Origin{0, 0, 0};
    TXyz X{1, 0, 0};
    TXyz Y{0, 1, 0};
    TXyz Z{0, 0, 1};
    // Sketches on the plane extrude against Z: so the host's XOZ and YOZ, and the planes made
    // from them, extrude along X x Z (-Y) and Y x Z (+X) while their points and offsets follow
    // u x v (+Y, -X).
    bool Back = false;

    // The direction a sketch on the plane extrudes along with dtNormal.
    TXyz ExtrusionNormal() const { return Back ? TXyz{-Z[0], -Z[1], -Z[2]} : Z; }
    // The frame of origin `o` with X along `x` and Y along `y` made perpendicular to it
    // within their plane, Z = X x Y. Axes of no direction (zero, parallel, not finite) keep
    // the default X, Y and Z.
    static TFrame Of(const TXyz& o, const TXyz& x, const TXyz& y);
    // Whether Of keeps `x` and `y`: both have a direction and they are not parallel.
    static bool Spans(const TXyz& x, const TXyz& y);
    // A point given in the frame's coordinates, in the coordinates the frame lies in.
    TXyz Point(double u, double v, double w = 0) const;
    TXyz Point(const TXyz& p) const { return Point(p[0], p[1], p[2]); }
    // A direction given in the frame's coordinates, in the coordinates the frame lies in.
    TXyz Direction(const TXyz& d) const;
    // The same direction in the frame's coordinates (the axes are unit and square).
    TXyz LocalDirection(const TXyz& d) const;
    // `inner`, given in this frame's coordinates, in the coordinates this frame lies in.
    TFrame Compose(const TFrame& inner) const;
};

// A sketch plane's (u, v) in model coordinates for each base plane: o3d_planeXOY u = X,
// v = Y; o3d_planeXOZ u = X, v = -Z; o3d_planeYOZ u = -Z, v = -Y; Z is u x v (+Z, +Y, -X),
// and XOZ and YOZ extrude against it (Back). Any other kind gives the XOY frame.
TFrame BasePlaneFrame(int planeKind);

// An axis-parallel box from `corner` with the edge lengths dx, dy, dz (each above 0).
TShape MakeBox(const TXyz& corner, double dx, double dy, double dz);
// The rectangle [u0, u1] x [v0, v1] of `plane` swept `depth` along its normal (a negative
// depth sweeps the other way).
TShape MakePrism(const TFrame& plane, double u0, double v0, double u1, double v1, double depth);
// A straight edge from a to b whose curve parameter runs from t0 to t1 (t0 < t1).
TShape MakeSegment(const TXyz& a, const TXyz& b, double t0, double t1);
// A straight edge from a to b whose curve parameter is the distance from a.
TShape MakeSegment(const TXyz& a, const TXyz& b);
// A full circle edge of `radius` about `centre` in the plane normal to `normal`.
TShape MakeCircle(const TXyz& centre, const TXyz& normal, double radius);
// A circular arc edge through a, m and b.
TShape MakeArc(const TXyz& a, const TXyz& m, const TXyz& b);
// A compound of the shapes, the null ones left out.
TShape MakeCompound(const std::vector<TShape>& shapes);

// HostFaceSplit.cpp: the edge swept along `sweep` (a face; null for no edge or no sweep).
TShape Swept(const TShape& edge, const TXyz& sweep);
// The square of side 2 x `half` about the origin of `plane`, in it.
TShape PlaneFace(const TFrame& plane, double half);
// How far a sketch's curves are swept to meet faces, and the half side of a cutting plane:
// beyond any part the stand-in builds (mm).
inline constexpr double PlaneReach = 1.0e5;
// `shape` with those of `faces` that are its own split where the `tools` (faces) cross them;
// null when no face is split or the kernel fails.
TShape SplitFaces(const TShape& shape, const std::vector<TShape>& faces, const std::vector<TShape>& tools);

// The shape moved from the origin frame to `frame`.
TShape Moved(const TShape& shape, const TFrame& frame);
// The faces of `after` that `before` does not have (the same face moved or turned is had).
std::vector<TShape> NewFaces(const std::vector<TShape>& before, const std::vector<TShape>& after);
// Whether `a` and `b` are one kernel entity, wherever placed and however oriented.
bool SameEntity(const TShape& a, const TShape& b);

// Volume of the solids of `shape` in mm³; 0 for a null shape.
double Volume(const TShape& shape);
// The solids of `shape`, each counted once however often it is shared; 0 for a null shape.
int SolidCount(const TShape& shape);
// The tight axis-parallel box of `shape`: minimum x, y, z, then maximum; zeros for none.
std::array<double, 6> BoxOf(const TShape& shape);
// Where `point` lies for the solids of `shape`: within `tolerance` (mm) of a face it is on
// their boundary. Outside for a null shape or one the kernel cannot classify.
enum class TPointPlace { ppInside, ppOnBoundary, ppOutside };
TPointPlace Classify(const TShape& shape, const TXyz& point, double tolerance);
// The shape as the kernel's B-rep text (without meshes); empty for a null shape.
std::string BRepText(const TShape& shape);
// The shape a B-rep text holds; null for an empty text. Null, with `error` saying why, for a
// text the kernel's reader must not be given (HostBRepCheck.h), one it cannot read, or a shape
// that is not sound (ShapeProblem, HostKernelCall.h): a file's shape is checked before use.
TShape ShapeOfBRepText(const std::string& text, std::string& error);
// The same for a shape kept in a file: throws std::invalid_argument naming `what` (such as "a
// billet's body") and what is wrong.
TShape ShapeOfFileText(const std::string& text, const std::string& what);

// Writes the shapes as one STEP file at `path` (bytes), replacing it as every save does
// (HostFileIo.h: only when complete, through links, never a device, FIFO or folder); false
// with `error` saying why ("the part has no shape" when no shape is given).
bool WriteStepFile(const std::vector<TShape>& shapes, const std::string& path, std::string& error);

// A cylinder of `radius` (above 0) whose base circle is centred at `base` and which rises
// `height` (above 0) along `axis`.
TShape MakeCylinder(const TXyz& base, const TXyz& axis, double radius, double height);
// A wedge whose floor is [0, length] x [0, width] on XOY and whose slope rises from the Y axis
// at `angle` degrees (0 to 90, both excluded) to the face x = length.
TShape MakeWedge(double angle, double length, double width);

} // namespace tvhost

#pragma once
// TDimension: one link of a dimension chain - the kind of the picked dimension, its vector
// in the drawing plane, its nominal value and deviations, angular, additional and thermal
// data, and the host objects it came from. Its stored form is a fixed field sequence of
// 428 bytes plus its three texts.

#include "BaseTypes.h"
#include "DString.h"
#include "Mathemat.h"
#include "Mathemat3d.h"
#include "Placement3D.h"
#include "TLinkGrid.h"
#include "tvapi/DrawingObject.h"
#include "tvapi/Model3D.h"
#include "tvapi/ModelObjects.h"

#include <vector>

class TChainHost;

class TKmfData;

using Reference = std::int32_t;

// The host objects a link came from. Assignment keeps a target's pointer that already
// denotes the same host object, so re-reading a link does not churn its references.
struct TDimensionHost {
    tvapi::IDrawingObjectPtr Obj;
    tvapi::IDrawingObjectPtr PearentObj;
    tvapi::IDrawingObjectPtr AuxObj;
    tvapi::IModelObjectPtr MO;
    // The segment or linear dimension the grid's command projected the link on (AuxObj may hold
    // the angle laid on it); empty for a projection that came with the pick.
    tvapi::IDrawingObjectPtr ProjectionObj;
    // The angular dimension laid on a link whose AuxObj is its own (a diameter's or radius's
    // direction) or that has no dimension of its own (a derived link).
    tvapi::IDrawingObjectPtr AngleAuxObj;

    TDimensionHost() = default;
    TDimensionHost(const TDimensionHost&) = default;
    TDimensionHost& operator=(const TDimensionHost& H);
};

// What was picked and where: the kinds, the view, the link vector and its end points in the
// drawing plane, the end planes and vector of a model link.
struct TDimensionGeometry {
    tvapi::DrawingObjectTypeEnum Type = tvapi::tvAllObj;
    Reference refPearent = 0;
    Integer Number = 0;
    Integer View = 0;
    TVector2D V2;
    TPoint2D P1, P2;
    tvapi::DrawingObjectTypeEnum TypeAuxiliary = tvapi::tvAllObj;
    tvapi::tvObj3dTypeEnum TMO = static_cast<tvapi::tvObj3dTypeEnum>(0);
    TPlacement3D PL1, PL2;
    TVector3D V3;
    TPoint2D PC;
    Real R = 0.0;
    Integer IP1 = 0, IP2 = 0;
    Integer ID = 0;
};

// The nominal value and deviations read from the link's dimension.
struct TDimensionTolerances {
    Real Nominal = 0.0;
    Real QLow = 0.0, QHigh = 0.0;
    TString Qualitet;
};

// Angular deviations (degrees): read from an angular dimension or typed by the user.
struct TDimensionAngularTolerances {
    Real ANominal = 0.0;
    Real AQLow = 0.0, AQHigh = 0.0;
    TString AQualitet;
};

// What a link was projected on: a segment scales its deviations by the ratio of the lengths; a
// linear dimension, or a segment when the link has angular deviations, tilts them through those.
// Unknown: a projection stored before its kind was kept.
enum class TProjectionKind : std::int32_t { Segment, Dimension, Unknown };

// What the user set on a link and a re-read keeps: reference numbers, conversion and
// projection, additional and other deviations, the note and the thermal data.
struct TDimensionUserState {
    Reference refObject = 0;
    Reference refAuxiliaryObj = 0;
    Reference refProjectionObj = 0; // ProjectionObj's number in the stored set
    Reference refAngleAuxObj = 0;   // AngleAuxObj's
    Boolean Transformation = false;
    Real KTransformation = 0.0;
    TVector2D VTransformation;
    TProjectionKind Projection = TProjectionKind::Unknown; // what VTransformation came from
    Real EQLow = 0.0, EQHigh = 0.0; // typed deviations, in the link's units: degrees on an angle
    Real ONominal = 0.0, OQLow = 0.0, OQHigh = 0.0;
    TString Comment;
    Real dLdT = 0.0; // relative length change per degree
    Real dT = 0.0;
};

// What the grid tool bar's conversion did to a link.
enum class TConversion {
    NotConvertible, // a link of another kind: nothing changed
    Flipped,        // only the conversion flag: a linear or angular link without angular deviations
    Converted,      // the link's shown values changed
};

// The figures a link shows, in the grid and in the report alike.
struct TShownFigures {
    Real Nominal = 0.0;
    Real QHigh = 0.0;
    Real QLow = 0.0;
};

// An angular dimension's rays in the drawing: its vertex, the unit directions of its first
// and second ray, and Turn, +1 when the angle it measures runs counter-clockwise from the
// first ray to the second, -1 when clockwise.
struct TAngleRays {
    TPoint2D Vertex;
    TVector2D Ray[2];
    Real Turn = 1.0;
};
// The rays of the angular dimension Angle; false for any other object.
bool AngleRaysOf(const tvapi::IDrawingObjectPtr& Angle, TAngleRays& Rays);

class TDimension : public TDimensionHost,
                   public TDimensionGeometry,
                   public TDimensionTolerances,
                   public TDimensionAngularTolerances,
                   public TDimensionUserState {
public:
    // Bytes of a link with three empty texts, and the fewest a stream of any version holds.
    static constexpr std::int64_t StreamBytes = 428;
    static constexpr std::int64_t StreamMinBytes = 208;
    // Stream versions from this one on carry the model fields (TMO, PL1, PL2, V3).
    static constexpr Integer ModelFieldsVersion = 18;
    // The fewest bytes of a link in a stream of that version.
    static constexpr std::int64_t StreamMinBytesFor(Integer Version)
    {
        return Version >= ModelFieldsVersion ? StreamBytes : StreamMinBytes;
    }
    // A length at or below this counts as zero.
    static constexpr Real ZeroLength = TMathDef::metricPrecision;
    // One figure against another, within Tolerance. A figure that is no number (a number too
    // large to read) is the same figure when read or kept again, not a change at every opening.
    static bool SameFigure(Real A, Real B, Real Tolerance) noexcept;

    // Copying copies every group; the host group keeps a pointer to the same object.
    // Field comparison with the tolerances of a link, each figure by SameFigure.
    // Obj, AuxObj, ProjectionObj, AngleAuxObj, refPearent, refProjectionObj, refAngleAuxObj,
    // Number, Projection, Comment, dT, PC, R, IP1, IP2 and ID are not compared.
    bool operator==(const TDimension& D) const;
    bool operator!=(const TDimension& D) const { return !(*this == D); }

    void toStream(TKmfData& stream) const;
    // The model fields are read only from streams of version 18 on (MO is emptied first).
    void fromStream(TKmfData& stream);
    void to(std::vector<Byte>& Result) const;
    void from(const std::vector<Byte>& Data);

    // Capture (TDimensionCapture.cpp). Each of the four resets the link, then reads the
    // dimension iObj of its own kind; iAuxObj (may be empty) gives angular deviations, a
    // projection direction or the direction of a diameter or radius. Another kind ends the
    // capture with Obj, View, AuxObj and the kinds set.
    void SetLDim(TChainHost& Host, tvapi::IDrawingObjectPtr iObj, tvapi::IDrawingObjectPtr iAuxObj);
    void SetADim(TChainHost& Host, tvapi::IDrawingObjectPtr iObj, tvapi::IDrawingObjectPtr iAuxObj);
    void SetDDim(TChainHost& Host, tvapi::IDrawingObjectPtr iObj, tvapi::IDrawingObjectPtr iAuxObj);
    void SetRDim(TChainHost& Host, tvapi::IDrawingObjectPtr iObj, tvapi::IDrawingObjectPtr iAuxObj);
    // The capture of kind Kind (one of the four above) from iObj and iAuxObj; false, with the
    // link unchanged, for any other kind.
    bool Capture(TChainHost& Host, tvapi::DrawingObjectTypeEnum Kind, const tvapi::IDrawingObjectPtr& iObj,
                 const tvapi::IDrawingObjectPtr& iAuxObj);
    // Angular deviations (degrees) from an angular dimension, kept as typed ones, the link then
    // derived again (Derive); other objects change nothing. A linear link of its own dimension
    // is bound to the angle instead (BindAngle).
    void SetAngleTolerance(TChainHost& Host, tvapi::IDrawingObjectPtr AngleObj);
    // A linear link of its own dimension takes the angular dimension AngleObj as its auxiliary
    // object, a diametral, radial or derived link as AngleAuxObj, and is derived again, keeping
    // what the user set, its projection too: a later re-read follows the angle. False, the link
    // unchanged, for another link or object.
    bool BindAngle(TChainHost& Host, const tvapi::IDrawingObjectPtr& AngleObj);
    // The angular dimension bound to the link (AuxObj or AngleAuxObj); empty when none is.
    tvapi::IDrawingObjectPtr BoundAngle() const;
    // Projects the link onto the direction of a segment or a linear dimension: the object, its
    // direction and kind are recorded and the link derived again (Derive). A zero link vector,
    // a zero direction, a direction across the link, or a projection longer than the link
    // leaves the link unchanged (but a new direction is kept in VTransformation when only the
    // projection degenerates).
    void SetProjectionOn(TChainHost& Host, tvapi::IDrawingObjectPtr ProjectionObj7);
    // The direction and kind ProjectionObj gives now, into VTransformation and Projection; a
    // direction along the same line keeps the one recorded. Nothing when there is none.
    void ReadProjectionObj(TChainHost& Host);
    // The angular deviations AngleAuxObj gives now; false when it is no angular dimension.
    bool ReadAngleAuxObj(TChainHost& Host);
    // The projection onto Direction of the figures the link has, made as the kind of object it
    // came from makes it; the kind is recorded with the direction.
    void ProjectAlong(const TVector2D& Direction, TProjectionKind Kind);
    // A linear link derived from the diametral or radial link D along the direction of
    // iAuxObj (a segment's, or the direction a linear dimension measures): N 1 the radius from
    // the centre, 2 the radius to the centre, 3 the diameter. False when D has no dimension,
    // iAuxObj is empty, no 2D document is active, D is of another kind or N is not 1 to 3.
    bool SetDerivative(TChainHost& Host, const TDimension& D, int N, tvapi::IDrawingObjectPtr iAuxObj);

    // The tool bar's conversion, undone by a second one: a linear or angular link reverses its
    // angular deviations; a diametral link becomes its radius, a radial link its diameter
    // (KTransformation 0.5 or 2); Transformation flips, and the link is derived again.
    TConversion Convert(TChainHost& Host);
    // A diametral or radial link made K times as large: its vector, drawn ends, nominal and
    // deviations (a radius made its diameter, or back).
    void ScaleCircle(Real K);

    // The nominal the link counts with (a model link's model length, an angular link's angle in
    // degrees, another drawing link's NominalVector length) and its deviations.
    TShownFigures Shown() const;
    // The link as grid row Row (TDimensionDrawing.cpp): label (NumberChain < 0 leaves it),
    // values and the user's columns; a missing grid is skipped, a short grid grows.
    void toGrid(const TLinkGridPtr& Grid, int Row, int NumberChain, bool Closed) const;
    // Writes QHigh and QLow into the deviation texts of the link's dimension (three decimals,
    // decimal comma), keeps the values as written and updates the dimension (its drawing or
    // model object); the upper text written is told through Host. Non-finite values are
    // never written.
    void toDrawing(TChainHost& Host);
    // The link's figures made again from what it is made of, as that stands now, read through
    // Host, in one fixed order whatever route built the link: its dimension read (a link taken
    // from a diameter or radius derived again from it, by its Number along AuxObj), then the
    // conversion (Transformation, KTransformation), the angle (a bound angular dimension, else
    // the angular deviations typed), and the projection (VTransformation, by its recorded
    // kind, turned as ProjectionObj now lies; a ProjectionObj gone leaves the direction it
    // gave). What the user set is kept. False, the link unchanged, when what it is made of is
    // gone or of another kind.
    bool Derive(TChainHost& Host);
    // Derive, and whether the link's figures changed by it.
    Boolean LoadChange(TChainHost& Host);

    // How a linear link turns in the drawing when the angle whose deviations it took from an
    // angular dimension (its auxiliary object) grows: as that angle's ray nearest the link
    // turns, +1 counter-clockwise, -1 clockwise; 0 when the angle is not known.
    Real LaidAngleTurn() const;
    // The unit direction the link measures along in the drawing: its vector's; for a link of
    // zero length, the direction its dimension measures along (a linear or derived link's, or a
    // diameter's or radius's laid along a direction object), turned as OrientDrawingVector
    // turns vectors. Zero for a link that has none (an angular link, a diameter without one).
    TVector2D MeasuringDirection() const;
    // The vector a drawing link counts with in its chain's figures: a linear, diametral or
    // radial link (derived ones too) counts with the nominal its dimension shows (a typed one
    // too, at the dimension's size whatever the view's scale), laid along its vector;
    // projected, with the nominal's share its projection has. Any other link, or a nominal that
    // is no length, with its vector. The loop a chain closes on is still its drawn vectors'.
    TVector2D NominalVector() const;
    // Sign normalisation: a drawing link points to +x (or +y when vertical); a model link
    // to +x, +y or +z by the first component that is not zero.
    void Prepare();
    // Both end planes equal, directly or crosswise.
    bool IsSame(const TDimension& D) const;
    // The same drawing object: the same dimension, or for a derived link the same source
    // dimension and the same derivation. Neither values nor reference numbers count, so a link
    // read back from the document denotes the object its fresh capture does.
    bool IsSameObject(const TDimension& D) const;
    // A model link: TMO set and a V3 longer than zero.
    bool IsModel() const;
};

// Turns a plane vector towards +x, or towards +y when it is vertical (|x| <= 2e-6).
void OrientDrawingVector(TVector2D& V);
// Turns a space vector so that its first component beyond ZeroLength (x, then y, then z) is
// positive.
void OrientModelVector(TVector3D& V);

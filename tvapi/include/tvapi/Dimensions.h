#pragma once
// 2D dimensions of the host: linear, diametral, radial and angular dimensions, their texts
// (IDimensionText: nominal, tolerance, deviations, prefix and suffix lines) and their
// drawing parameters (IDimensionParams). A dimension measures its own geometry: with the
// automatic-nominal flag set, its nominal value follows the points, centre and radius
// given to it. Lengths in millimetres; angles as each operation states.

#include <string>

#include "tvapi/Base.h"
#include "tvapi/DrawingComposites.h"
#include "tvapi/DrawingObject.h"
#include "tvapi/DrawingTexts.h"

namespace tvapi {

// Direction a linear dimension measures along.
enum tvLineDimensionOrientationEnum : int {
    tvLinDParallel = 0,   // along the dimension's angle
    tvLinDHorizontal = 1, // along X
    tvLinDVertical = 2,   // along Y
};

// Where the dimension text stands.
enum tvDimensionTextPosEnum : int {
    tvDimTextParallelOnLine = 0,
    tvDimTextParallelInCut = 1,
    tvDimTextHorizontalInCut = 2,
};

// What the text shift of a dimension is counted from.
enum tvDimensionBaseEnum : int {
    tvDimBaseCenter = 0,
    tvDimBaseP1 = 1,
    tvDimBaseP2 = 2,
};

// Which of the angles between the two rays an angular dimension measures.
enum tvAngleDimTypeEnum : int {
    tvADMinAngle = 0,    // the smaller one, at most 180 degrees
    tvADMaxAngle = 1,    // 360 degrees less the smaller one
    tvADDirectAngle = 2, // counter-clockwise from the first ray to the second
};

// The texts of a dimension.
class IDimensionText : public IAPIObject {
public:
    static constexpr char IID[] = "C133CB2C-2A36-4B02-A5AD-253F744857D5";
    using Parent = IAPIObject;

    // True: the nominal value is measured from the geometry and the nominal text follows it.
    virtual bool GetAutoNominalValue() = 0;
    virtual void SetAutoNominalValue(bool value) = 0;
    // The measured value (millimetres; degrees for an angle), whatever the flag says; once
    // SetNominalValue gave one, while the flag stays cleared, the value given.
    virtual double GetNominalValue() = 0;
    // Gives the dimension a nominal of its own: the flag is cleared, the value and its text
    // (decimal comma) are those given.
    virtual void SetNominalValue(double value) = 0;
    // The nominal text: the measured value with a decimal comma while the flag is set,
    // whatever was written into it otherwise.
    virtual ITextPtr GetNominalText() = 0;
    // Tolerance (fit) text, such as "h14".
    virtual std::wstring GetTolerance() = 0;
    virtual void SetTolerance(const wchar_t* text) = 0;
    // Whether the tolerance text is shown.
    virtual bool GetToleranceOn() = 0;
    virtual void SetToleranceOn(bool value) = 0;
    // Sets both deviations and writes them into the deviation texts with a decimal comma
    // and their sign ("+0,02", "-0,02", "0").
    virtual void SetDeviations(double upper, double lower) = 0;
    virtual ITextPtr GetUpperDeviation() = 0;
    virtual ITextPtr GetLowerDeviation() = 0;
    // Texts written before and after the nominal.
    virtual ITextLinePtr GetPrefix() = 0;
    virtual ITextLinePtr GetSuffix() = 0;
    // The note after the suffix: a thread class ("-7H"), a chamfer's angle, a count of holes.
    virtual ITextLinePtr GetNote() = 0;

protected:
    ~IDimensionText() = default;
};

using IDimensionTextPtr = Ptr<IDimensionText>;

// How a dimension is drawn.
class IDimensionParams : public IAPIObject {
public:
    static constexpr char IID[] = "9683A99C-2B17-46EB-AB40-74B13B7E985B";
    using Parent = IAPIObject;

    // Terminator kinds (arrows, ticks ...) and whether each end is drawn.
    virtual int GetArrowType1() = 0;
    virtual void SetArrowType1(int kind) = 0;
    virtual int GetArrowType2() = 0;
    virtual void SetArrowType2(int kind) = 0;
    virtual bool GetArrowOn1() = 0;
    virtual void SetArrowOn1(bool value) = 0;
    virtual bool GetArrowOn2() = 0;
    virtual void SetArrowOn2(bool value) = 0;
    virtual tvDimensionTextPosEnum GetTextPos() = 0;
    virtual void SetTextPos(tvDimensionTextPosEnum pos) = 0;
    virtual tvDimensionBaseEnum GetTextBase() = 0;
    virtual void SetTextBase(tvDimensionBaseEnum base) = 0;
    // Shift of the text from its base, millimetres.
    virtual int GetTextShift() = 0;
    virtual void SetTextShift(int shift) = 0;
    // Shelf of the text: length (millimetres) and angle (degrees).
    virtual double GetShelfLength() = 0;
    virtual void SetShelfLength(double length) = 0;
    virtual double GetShelfAngle() = 0;
    virtual void SetShelfAngle(double angle) = 0;

protected:
    ~IDimensionParams() = default;
};

using IDimensionParamsPtr = Ptr<IDimensionParams>;

// A linear dimension between two points. Its dimension line passes through the
// dimension-line point (X3, Y3), the midpoint of the two points until it is set.
class ILineDimension : public IDrawingObject {
public:
    static constexpr char IID[] = "2639B0CA-56D3-41D3-AA5B-84661092A33A";
    using Parent = IDrawingObject;

    virtual double GetX1() = 0;
    virtual void SetX1(double x) = 0;
    virtual double GetY1() = 0;
    virtual void SetY1(double y) = 0;
    virtual double GetX2() = 0;
    virtual void SetX2(double x) = 0;
    virtual double GetY2() = 0;
    virtual void SetY2(double y) = 0;
    virtual double GetX3() = 0;
    virtual void SetX3(double x) = 0;
    virtual double GetY3() = 0;
    virtual void SetY3(double y) = 0;
    virtual tvLineDimensionOrientationEnum GetOrientation() = 0;
    virtual void SetOrientation(tvLineDimensionOrientationEnum orientation) = 0;
    // Direction measured along by a parallel dimension, radians.
    virtual double GetAngle() = 0;
    virtual void SetAngle(double angle) = 0;
    // Position of the text; the dimension-line point until set.
    virtual double GetTextX() = 0;
    virtual void SetTextX(double x) = 0;
    virtual double GetTextY() = 0;
    virtual void SetTextY(double y) = 0;

protected:
    ~ILineDimension() = default;
};

using ILineDimensionPtr = Ptr<ILineDimension>;

// A diametral dimension of the circle (Xc, Yc, Radius), with a kind code and the direction of
// its dimension line (degrees); a radial dimension has the same geometry.
class IDiametralDimension : public IDrawingObject {
public:
    static constexpr char IID[] = "08B3F6BF-A1B8-492B-83FB-29418DD722EA";
    using Parent = IDrawingObject;

    virtual double GetXc() = 0;
    virtual void SetXc(double x) = 0;
    virtual double GetYc() = 0;
    virtual void SetYc(double y) = 0;
    virtual double GetRadius() = 0;
    virtual void SetRadius(double radius) = 0;
    virtual int GetDimensionType() = 0;
    virtual void SetDimensionType(int kind) = 0;
    virtual double GetAngle() = 0;
    virtual void SetAngle(double angle) = 0;

protected:
    ~IDiametralDimension() = default;
};

using IDiametralDimensionPtr = Ptr<IDiametralDimension>;

class IRadialDimension : public IDrawingObject {
public:
    static constexpr char IID[] = "EE891886-A6E3-4552-8C8F-94C12D9ECEED";
    using Parent = IDrawingObject;

    virtual double GetXc() = 0;
    virtual void SetXc(double x) = 0;
    virtual double GetYc() = 0;
    virtual void SetYc(double y) = 0;
    virtual double GetRadius() = 0;
    virtual void SetRadius(double radius) = 0;
    virtual int GetDimensionType() = 0;
    virtual void SetDimensionType(int kind) = 0;
    virtual double GetAngle() = 0;
    virtual void SetAngle(double angle) = 0;

protected:
    ~IRadialDimension() = default;
};

using IRadialDimensionPtr = Ptr<IRadialDimension>;

// An angular dimension: the vertex, the two rays (angles in degrees, counter-clockwise
// from X), a point on each ray and the distance of the dimension arc from the vertex.
class IAngleDimension : public IDrawingObject {
public:
    static constexpr char IID[] = "A6B4B64D-D059-4C23-9640-B067FD62445A";
    using Parent = IDrawingObject;

    virtual double GetXc() = 0;
    virtual void SetXc(double x) = 0;
    virtual double GetYc() = 0;
    virtual void SetYc(double y) = 0;
    virtual double GetDistance() = 0;
    virtual void SetDistance(double distance) = 0;
    virtual double GetAngle1() = 0;
    virtual void SetAngle1(double angle) = 0;
    virtual double GetAngle2() = 0;
    virtual void SetAngle2(double angle) = 0;
    virtual double GetX1() = 0;
    virtual void SetX1(double x) = 0;
    virtual double GetY1() = 0;
    virtual void SetY1(double y) = 0;
    virtual double GetX2() = 0;
    virtual void SetX2(double x) = 0;
    virtual double GetY2() = 0;
    virtual void SetY2(double y) = 0;
    virtual tvAngleDimTypeEnum GetAngleType() = 0;
    virtual void SetAngleType(tvAngleDimTypeEnum type) = 0;

protected:
    ~IAngleDimension() = default;
};

using IAngleDimensionPtr = Ptr<IAngleDimension>;

// Collections of dimensions; see the collections of DrawingPrimitives.h.
class ILineDimensions : public IAPIObject {
public:
    static constexpr char IID[] = "25401834-E6B5-4420-B701-DDCDC66D3C30";
    using Parent = IAPIObject;
    virtual ILineDimensionPtr Add() = 0;

protected:
    ~ILineDimensions() = default;
};

// The collection of diametral dimensions also makes radial ones (IRadialDimensions).
class IDiametralDimensions : public IAPIObject {
public:
    static constexpr char IID[] = "40E0A911-4276-46F4-878C-165459C8B69C";
    using Parent = IAPIObject;
    virtual IDiametralDimensionPtr Add() = 0;

protected:
    ~IDiametralDimensions() = default;
};

class IRadialDimensions : public IAPIObject {
public:
    static constexpr char IID[] = "1E8E4126-39BE-4E20-B8B9-6AD1C7AEB03E";
    using Parent = IAPIObject;
    // Named apart from IDiametralDimensions::Add, since one collection offers both.
    virtual IRadialDimensionPtr AddRadial() = 0;

protected:
    ~IRadialDimensions() = default;
};

class IAngleDimensions : public IAPIObject {
public:
    static constexpr char IID[] = "C552FA51-E204-496E-A185-2E5158A2D4CE";
    using Parent = IAPIObject;
    // A new angular dimension of kind `type`; empty unless it is tvDrADimension.
    virtual IAngleDimensionPtr Add(DrawingObjectTypeEnum type) = 0;

protected:
    ~IAngleDimensions() = default;
};

using ILineDimensionsPtr = Ptr<ILineDimensions>;
using IDiametralDimensionsPtr = Ptr<IDiametralDimensions>;
using IRadialDimensionsPtr = Ptr<IRadialDimensions>;
using IAngleDimensionsPtr = Ptr<IAngleDimensions>;

} // namespace tvapi

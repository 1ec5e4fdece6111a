#pragma once
// Small interfaces and host objects for testing the interface pointer and the host object
// base: a disk offers ICircle (so also IShape) and ILabel; a box offers IShape only.

#include <numbers>

#include "HostObject.h"
#include "tvapi/Base.h"

namespace shapes {

class IShape : public tvapi::IAPIObject {
public:
    static constexpr char IID[] = "1015349E-2847-47E3-8D02-A7F1362789E0";
    using Parent = tvapi::IAPIObject;
    virtual double Area() const = 0;

protected:
    ~IShape() = default;
};

class ICircle : public IShape {
public:
    static constexpr char IID[] = "DEA49885-152D-4F7A-B8E4-63B458BB14CC";
    using Parent = IShape;
    virtual double Radius() const = 0;

protected:
    ~ICircle() = default;
};

class ILabel : public tvapi::IAPIObject {
public:
    static constexpr char IID[] = "179884AF-D5FB-4A2D-AEBB-DB616D784F3B";
    using Parent = tvapi::IAPIObject;
    virtual int Number() const = 0;

protected:
    ~ILabel() = default;
};

using IShapePtr = tvapi::Ptr<IShape>;
using ICirclePtr = tvapi::Ptr<ICircle>;
using ILabelPtr = tvapi::Ptr<ILabel>;

class TDisk final : public tvhost::THostObjectOf<ICircle, ILabel> {
public:
    explicit TDisk(double r) : FR(r) {}
    double Area() const override { return std::numbers::pi * FR * FR; }
    double Radius() const override { return FR; }
    int Number() const override { return static_cast<int>(Id()); }

private:
    double FR;
};

class TBox final : public tvhost::THostObjectOf<IShape> {
public:
    TBox(double a, double b) : FA(a), FB(b) {}
    double Area() const override { return FA * FB; }

private:
    double FA, FB;
};

} // namespace shapes

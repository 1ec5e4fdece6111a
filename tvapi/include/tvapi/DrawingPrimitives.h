#pragma once
// 2D drawing objects of the host and the collections that make them: line segments, arcs,
// circles, ellipses, drawing texts, points, hatch parameters, leader branches, the user
// parameters of macro objects; views and layers of a 2D document; drawing groups.
// A collection adds its object to the container (view or macro object) it came from.

#include <cstdint>
#include <string>
#include <vector>

#include "tvapi/Base.h"
#include "tvapi/DrawingComposites.h"
#include "tvapi/DrawingObject.h"

namespace tvapi {

// Kind of a view of a 2D document.
enum LtViewType : int {
    vtUnknown = -1,
    vt_System = 0,
    vt_Normal = 1,
    vt_Arbitrary = 2,
    vt_Standart = 3,
    vt_Projected = 4,
    vt_Arrow = 5,
    vt_Remote = 6,
    vt_Section = 7,
    vt_Remote2D = 100,
};

// Pattern of a hatch.
enum tvHatchStyleEnum : int {
    tvHatchMetal = 0,
    tvHatchNonMetal = 1,
    tvHatchSand = 14,
};

class ILineSegment : public IDrawingObject {
public:
    static constexpr char IID[] = "77135402-6147-4C96-A4B8-4667C7D40606";
    using Parent = IDrawingObject;

    virtual double GetX1() = 0;
    virtual void SetX1(double x) = 0;
    virtual double GetY1() = 0;
    virtual void SetY1(double y) = 0;
    virtual double GetX2() = 0;
    virtual void SetX2(double x) = 0;
    virtual double GetY2() = 0;
    virtual void SetY2(double y) = 0;
    virtual int GetStyle() = 0;
    virtual void SetStyle(int style) = 0;

protected:
    ~ILineSegment() = default;
};

using ILineSegmentPtr = Ptr<ILineSegment>;

class ICircle : public IDrawingObject {
public:
    static constexpr char IID[] = "C4A9876F-91B7-49F7-B646-0AF89DF816B8";
    using Parent = IDrawingObject;

    virtual double GetXc() = 0;
    virtual void SetXc(double x) = 0;
    virtual double GetYc() = 0;
    virtual void SetYc(double y) = 0;
    virtual double GetRadius() = 0;
    virtual void SetRadius(double radius) = 0;
    virtual int GetStyle() = 0;
    virtual void SetStyle(int style) = 0;

protected:
    ~ICircle() = default;
};

using ICirclePtr = Ptr<ICircle>;

// A circular arc from its start point to its end point around its centre. The direction
// flag is true when the arc runs clockwise from start to end, false when it runs
// counter-clockwise.
class IArc : public IDrawingObject {
public:
    static constexpr char IID[] = "9182555B-9AB1-4F5D-AF26-44F461101F63";
    using Parent = IDrawingObject;

    virtual double GetXc() = 0;
    virtual void SetXc(double x) = 0;
    virtual double GetYc() = 0;
    virtual void SetYc(double y) = 0;
    virtual double GetX1() = 0;
    virtual void SetX1(double x) = 0;
    virtual double GetY1() = 0;
    virtual void SetY1(double y) = 0;
    virtual double GetX2() = 0;
    virtual void SetX2(double x) = 0;
    virtual double GetY2() = 0;
    virtual void SetY2(double y) = 0;
    virtual double GetRadius() = 0;
    virtual void SetRadius(double radius) = 0;
    // True: clockwise from start to end.
    virtual bool GetDirection() = 0;
    virtual void SetDirection(bool clockwise) = 0;
    virtual int GetStyle() = 0;
    virtual void SetStyle(int style) = 0;

protected:
    ~IArc() = default;
};

using IArcPtr = Ptr<IArc>;

// An ellipse: centre, semi-axes A (along its own X axis) and B, and the angle of its X axis
// in degrees.
class IEllipse : public IDrawingObject {
public:
    static constexpr char IID[] = "194AB3CD-8642-4019-85DF-0EDABE730D95";
    using Parent = IDrawingObject;

    virtual double GetXc() = 0;
    virtual void SetXc(double x) = 0;
    virtual double GetYc() = 0;
    virtual void SetYc(double y) = 0;
    virtual double GetA() = 0;
    virtual void SetA(double a) = 0;
    virtual double GetB() = 0;
    virtual void SetB(double b) = 0;
    virtual double GetAngle() = 0;
    virtual void SetAngle(double angle) = 0;
    virtual int GetStyle() = 0;
    virtual void SetStyle(int style) = 0;

protected:
    ~IEllipse() = default;
};

using IEllipsePtr = Ptr<IEllipse>;

// A text placed in a drawing; its lines through GetText.
class IDrawingText : public IDrawingObject {
public:
    static constexpr char IID[] = "C589BFB3-8ED6-43B1-ABB1-5A163E66E6D5";
    using Parent = IDrawingObject;

    virtual double GetX() = 0;
    virtual void SetX(double x) = 0;
    virtual double GetY() = 0;
    virtual void SetY(double y) = 0;
    // Height of characters without a font height of their own.
    virtual double GetHeight() = 0;
    virtual void SetHeight(double height) = 0;
    // Direction of the baseline, degrees.
    virtual double GetAngle() = 0;
    virtual void SetAngle(double angle) = 0;
    virtual ITextPtr GetText() = 0;

protected:
    ~IDrawingText() = default;
};

using IDrawingTextPtr = Ptr<IDrawingText>;

class IPoint : public IDrawingObject {
public:
    static constexpr char IID[] = "DB59AF93-E7DB-45DC-A3F9-4807E7A339EB";
    using Parent = IDrawingObject;

    virtual double GetX() = 0;
    virtual void SetX(double x) = 0;
    virtual double GetY() = 0;
    virtual void SetY(double y) = 0;
    virtual int GetStyle() = 0;
    virtual void SetStyle(int style) = 0;

protected:
    ~IPoint() = default;
};

using IPointPtr = Ptr<IPoint>;

// The pattern of a hatch.
class IHatchParam : public IAPIObject {
public:
    static constexpr char IID[] = "0A563D13-E7AC-44DA-A480-44380866FA01";
    using Parent = IAPIObject;

    virtual int GetStyle() = 0;
    virtual void SetStyle(int style) = 0;
    // Distance between hatch lines, millimetres.
    virtual double GetStep() = 0;
    virtual void SetStep(double step) = 0;
    // Direction of the hatch lines, degrees.
    virtual double GetAngle() = 0;
    virtual void SetAngle(double angle) = 0;

protected:
    ~IHatchParam() = default;
};

using IHatchParamPtr = Ptr<IHatchParam>;

// The branches of a leader: lines from the origin of the leader to their end points.
class IBranchs : public IAPIObject {
public:
    static constexpr char IID[] = "C924DDA1-2B21-4FF6-9909-3FF33F57811D";
    using Parent = IAPIObject;

    virtual double GetX() = 0;
    virtual void SetX(double x) = 0;
    virtual double GetY() = 0;
    virtual void SetY(double y) = 0;
    // Inserts a branch ending at (x, y) before branch `index`; -1 (or an index past the
    // end) appends. False once the leader is gone.
    virtual bool AddBranchByPoint(int index, double x, double y) = 0;
    virtual int GetBranchCount() = 0;

protected:
    ~IBranchs() = default;
};

using IBranchsPtr = Ptr<IBranchs>;

// Parameters a library keeps on a macro object it made.
class IUserParameters : public IAPIObject {
public:
    static constexpr char IID[] = "AAE2D3B4-5426-4720-8088-FB793B72FBD6";
    using Parent = IAPIObject;

    // The identifier text by which the library knows the object's kind.
    virtual std::wstring GetIdentifier() = 0;
    virtual void SetIdentifier(const wchar_t* identifier) = 0;
    virtual std::wstring GetFileName() = 0;
    virtual void SetFileName(const wchar_t* name) = 0;
    virtual std::wstring GetLibraryName() = 0;
    virtual void SetLibraryName(const wchar_t* name) = 0;
    virtual int GetCommand() = 0;
    virtual void SetCommand(int command) = 0;
    virtual std::vector<std::uint8_t> GetUserParams() = 0;
    virtual void SetUserParams(const std::vector<std::uint8_t>& bytes) = 0;

protected:
    ~IUserParameters() = default;
};

using IUserParametersPtr = Ptr<IUserParameters>;

class ILayer : public IAPIObject {
public:
    static constexpr char IID[] = "C2AC7081-B436-4D74-93FD-339F77004085";
    using Parent = IAPIObject;

    virtual int GetNumber() = 0;
    // Makes the layer the one new objects of its view go to (after Update).
    virtual bool SetCurrent() = 0;
    virtual bool Update() = 0;

protected:
    ~ILayer() = default;
};

using ILayerPtr = Ptr<ILayer>;

// The layers of a view. Every view starts with layer 0, its current layer.
class ILayers : public IAPIObject {
public:
    static constexpr char IID[] = "C731ECC2-CD3C-4C0D-8C8B-8491562A8CB0";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    // The layer numbered `number`; empty when the view has none.
    virtual ILayerPtr GetLayer(int number) = 0;
    // Adds a layer numbered one above the highest number of the view.
    virtual ILayerPtr Add() = 0;

protected:
    ~ILayers() = default;
};

using ILayersPtr = Ptr<ILayers>;

// The views of a 2D document. Every drawing starts with its system view, number 0.
class IViews : public IAPIObject {
public:
    static constexpr char IID[] = "CABC1614-D1E6-4FB5-B9BF-B429CC49409A";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual IViewPtr GetItem(int index) = 0;
    // The view new objects go to: the view added last, or the system view.
    virtual IViewPtr GetActiveView() = 0;
    // Adds a view of `type` numbered one above the highest number and makes it the active
    // view; empty for vtUnknown.
    virtual IViewPtr Add(LtViewType type) = 0;

protected:
    ~IViews() = default;
};

using IViewsPtr = Ptr<IViews>;

class IViewsAndLayersManager : public IAPIObject {
public:
    static constexpr char IID[] = "B98A90C0-1771-44DB-B53C-DBD7C6FAB11B";
    using Parent = IAPIObject;

    virtual IViewsPtr GetViews() = 0;

protected:
    ~IViewsAndLayersManager() = default;
};

using IViewsAndLayersManagerPtr = Ptr<IViewsAndLayersManager>;

// The groups of a 2D document.
class IDrawingGroups : public IAPIObject {
public:
    static constexpr char IID[] = "BA6BC3F4-FA53-41D3-B673-C1C09D29718D";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    virtual IDrawingGroupPtr GetItem(int index) = 0;
    // A new, closed group; a temporary group is not saved with the document.
    virtual IDrawingGroupPtr Add(bool temporary, const wchar_t* name) = 0;

protected:
    ~IDrawingGroups() = default;
};

using IDrawingGroupsPtr = Ptr<IDrawingGroups>;

// Collections: each adds a new object to its container, on the current layer of the
// container's view and in the document's innermost open group; empty once the container
// is gone.
class ILineSegments : public IAPIObject {
public:
    static constexpr char IID[] = "84903100-662F-425A-A447-8B6DA4C1BB96";
    using Parent = IAPIObject;
    virtual ILineSegmentPtr Add() = 0;

protected:
    ~ILineSegments() = default;
};

class IArcs : public IAPIObject {
public:
    static constexpr char IID[] = "80EF7F07-28E7-4F79-8F1C-88A436BFFA9F";
    using Parent = IAPIObject;
    virtual IArcPtr Add() = 0;

protected:
    ~IArcs() = default;
};

class ICircles : public IAPIObject {
public:
    static constexpr char IID[] = "91A9BDA3-DCD7-4939-9C92-D66891DCAC23";
    using Parent = IAPIObject;
    virtual ICirclePtr Add() = 0;

protected:
    ~ICircles() = default;
};

class IEllipses : public IAPIObject {
public:
    static constexpr char IID[] = "A71DC02E-385B-46FB-A664-7EAC5F70BE07";
    using Parent = IAPIObject;
    virtual IEllipsePtr Add() = 0;

protected:
    ~IEllipses() = default;
};

class IDrawingTexts : public IAPIObject {
public:
    static constexpr char IID[] = "A4625F8C-7BC6-4D38-B527-BFF633726D12";
    using Parent = IAPIObject;
    virtual IDrawingTextPtr Add() = 0;

protected:
    ~IDrawingTexts() = default;
};

class IHatches : public IAPIObject {
public:
    static constexpr char IID[] = "D01AAA8E-A897-44B0-86F7-2EE49FAEEE6F";
    using Parent = IAPIObject;
    virtual IHatchPtr Add() = 0;

protected:
    ~IHatches() = default;
};

class IPoints : public IAPIObject {
public:
    static constexpr char IID[] = "A105DECE-C0D3-4BA7-B289-39E5E1448AB5";
    using Parent = IAPIObject;
    virtual IPointPtr Add() = 0;

protected:
    ~IPoints() = default;
};

class IColourings : public IAPIObject {
public:
    static constexpr char IID[] = "F9E96382-022D-4B05-A07E-FBA18974F701";
    using Parent = IAPIObject;
    virtual IColouringPtr Add() = 0;

protected:
    ~IColourings() = default;
};

class IMacroObjects : public IAPIObject {
public:
    static constexpr char IID[] = "35E8D5C4-8CBD-4EAA-BE20-60667F8AD2EF";
    using Parent = IAPIObject;
    // `allLayers` is kept with the macro object.
    virtual IMacroObjectPtr Add(bool allLayers) = 0;

protected:
    ~IMacroObjects() = default;
};

class ICutLines : public IAPIObject {
public:
    static constexpr char IID[] = "48793AB0-9EDB-4A60-9B63-7BB5E3D20909";
    using Parent = IAPIObject;
    virtual ICutLinePtr Add() = 0;

protected:
    ~ICutLines() = default;
};

class ILeaders : public IAPIObject {
public:
    static constexpr char IID[] = "35F8964C-CAF8-4A2C-B6A5-2A95C015A670";
    using Parent = IAPIObject;
    // A new leader of kind `type`; empty for a kind that is no leader (only tvDrLeader is).
    virtual IDrawingObjectPtr Add(DrawingObjectTypeEnum type) = 0;

protected:
    ~ILeaders() = default;
};

using ILineSegmentsPtr = Ptr<ILineSegments>;
using IArcsPtr = Ptr<IArcs>;
using ICirclesPtr = Ptr<ICircles>;
using IEllipsesPtr = Ptr<IEllipses>;
using IDrawingTextsPtr = Ptr<IDrawingTexts>;
using IHatchesPtr = Ptr<IHatches>;
using IPointsPtr = Ptr<IPoints>;
using IColouringsPtr = Ptr<IColourings>;
using IMacroObjectsPtr = Ptr<IMacroObjects>;
using ICutLinesPtr = Ptr<ICutLines>;
using ILeadersPtr = Ptr<ILeaders>;

} // namespace tvapi

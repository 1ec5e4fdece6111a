#pragma once
// A part of a 3D document: the top part of a part or assembly document, or a component,
// with its placement in the assembly and its components; and the colour parameters of its
// bodies. Its bodies are reached through its feature (IModelObject::GetFeature).

#include <string>

#include "tvapi/TervanAPIObject.h"
#include "tvapi/Topology.h"

namespace tvapi {

class IParts;
class ITervanDocument3D;
class IVariable;

// How a document is opened for editing: shown or not.
class IOpenDocumentParam : public IAPIObject {
public:
    static constexpr char IID[] = "4B9E0D62-A7C3-4F15-8E2B-D06F1C93A574";
    using Parent = IAPIObject;

    virtual bool GetVisible() = 0;
    virtual void SetVisible(bool visible) = 0;

protected:
    ~IOpenDocumentParam() = default;
};

using IOpenDocumentParamPtr = Ptr<IOpenDocumentParam>;

class IPart : public ITervanAPIObject {
public:
    static constexpr char IID[] = "F88A9341-FC05-43BB-AAF8-73F813EDB4DE";
    using Parent = ITervanAPIObject;

    virtual std::wstring GetName() = 0;
    // Null reads as empty.
    virtual void SetName(const wchar_t* name) = 0;
    // The designation (drawing number) of the part.
    virtual std::wstring GetMarking() = 0;
    virtual void SetMarking(const wchar_t* marking) = 0;
    // The mass of the part's bodies and components; 0 for a part without them.
    virtual double GetMass() = 0;
    // The part's frame in the assembly that holds it. Changes to it are taken over by
    // UpdatePlacement.
    virtual IPlacement3DPtr GetPlacement() = 0;
    // Moves the part to its placement object's frame; `rebuild` is not used by the stand-in.
    virtual bool UpdatePlacement(bool rebuild) = 0;
    // The components of an assembly's part.
    virtual Ptr<IParts> GetParts() = 0;
    // A new variable of the part, listed last among its feature's variables; empty for an
    // empty name or one the part has already.
    virtual Ptr<IVariable> AddVariable(const wchar_t* name, double value, const wchar_t* note) = 0;
    // A new parameter object for BeginEditOnPlace.
    virtual IOpenDocumentParamPtr GetOpenDocumentParam() = 0;
    // Starts editing the part where it stands in its assembly; the document it is edited in,
    // empty when the host edits it without one of its own. False-like (empty) also when it is
    // being edited already.
    virtual Ptr<ITervanDocument3D> BeginEditOnPlace(IOpenDocumentParamPtr param) = 0;
    // Ends editing in place; false when the part was not being edited.
    virtual bool EndEditOnPlace(bool keepChanges) = 0;

protected:
    ~IPart() = default;
};

using IPartPtr = Ptr<IPart>;

// The components of an assembly, in insertion order.
class IParts : public IAPIObject {
public:
    static constexpr char IID[] = "60E36695-9449-4D6E-B804-5F1F0229AEB7";
    using Parent = IAPIObject;

    virtual int GetCount() = 0;
    // Component `index`, from 0; empty out of range.
    virtual IPartPtr GetItem(int index) = 0;
    // Inserts the part (or assembly) of the document file `fileName` at the assembly's
    // origin; empty when the file cannot be read. `externalFile` and `tieToFile` are kept.
    virtual IPartPtr AddFromFile(const wchar_t* fileName, bool externalFile, bool tieToFile) = 0;

protected:
    ~IParts() = default;
};

using IPartsPtr = Ptr<IParts>;

// Where an object's colour comes from.
enum tvUseColorEnum : int {
    useColorOur = 0,
    useColorOwner = 1,
    useColorSource = 2,
};

// Colour (0xBBGGRR) and optical coefficients of a body, each from 0 to 1.
class IColorParam : public IAPIObject {
public:
    static constexpr char IID[] = "D3CD4793-D08A-4453-A8D8-B068707767C6";
    using Parent = IAPIObject;

    virtual void SetUseColor(tvUseColorEnum use) = 0;
    virtual void SetColor(int color) = 0;
    virtual int GetColor() = 0;
    virtual void SetAmbient(double value) = 0;
    virtual void SetDiffuse(double value) = 0;
    virtual void SetSpecularity(double value) = 0;
    virtual void SetShininess(double value) = 0;
    virtual void SetTransparency(double value) = 0;
    virtual void SetEmission(double value) = 0;
    // The colour and all six coefficients at once; the colour becomes the object's own.
    virtual void SetAdvancedColor(int color, double ambient, double diffuse, double specularity,
                                  double shininess, double transparency, double emission) = 0;

protected:
    ~IColorParam() = default;
};

using IColorParamPtr = Ptr<IColorParam>;

} // namespace tvapi

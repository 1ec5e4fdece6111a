#pragma once
// An associative view: a view of a 3D model file, seen from a named standard projection, by
// an orientation matrix, or as the section along a cut line of the sheet. A view of any kind
// offers the interfaces; what the host shows of the model is its own.

#include <string>
#include <vector>

#include "tvapi/Base.h"
#include "tvapi/DrawingObject.h"

namespace tvapi {

class IAssociationView : public IAPIObject {
public:
    static constexpr char IID[] = "3A7C9E15-B2D4-4F68-8A01-C5E7F9B3D262";
    using Parent = IAPIObject;

    virtual std::wstring GetModelFileName() = 0;
    virtual void SetModelFileName(const wchar_t* fileName) = 0;
    virtual std::wstring GetProjectionName() = 0;
    virtual void SetProjectionName(const wchar_t* name) = 0;
    // The 16 reals of a 4 x 4 matrix, row by row; any other count is refused (false).
    virtual bool SetOrientation(const std::vector<double>& matrix) = 0;
    // The cut line the section follows; an empty pointer unbinds it.
    virtual void SetCutLine(IDrawingObjectPtr cutLine) = 0;
    virtual IDrawingObjectPtr GetCutLine() = 0;

protected:
    ~IAssociationView() = default;
};

using IAssociationViewPtr = Ptr<IAssociationView>;

// What an associative view shows of the model.
class IAssociationViewElements : public IAPIObject {
public:
    static constexpr char IID[] = "5B8DAF26-C3E5-4079-9B12-D6F80AC4E373";
    using Parent = IAPIObject;

    virtual void SetVisibleLines(bool value) = 0;
    virtual void SetHiddenLines(bool value) = 0;
    virtual void SetTangentEdges(bool value) = 0;
    virtual void SetThreads(bool value) = 0;
    virtual void SetCentreLines(bool value) = 0;
    virtual void SetHatches(bool value) = 0;

protected:
    ~IAssociationViewElements() = default;
};

using IAssociationViewElementsPtr = Ptr<IAssociationViewElements>;

} // namespace tvapi

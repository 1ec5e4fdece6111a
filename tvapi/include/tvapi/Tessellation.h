#pragma once
// The external tessellation manager of a 3D document: how a library that draws over the
// model view learns the document's triangulated faces. A 3D document may offer it.

#include "tvapi/Base.h"

namespace tvapi {

class IExternalTessellationManager : public IAPIObject {
public:
    static constexpr char IID[] = "EE57B660-BA4D-42CD-B623-C64BD5461D59";
    using Parent = IAPIObject;

protected:
    ~IExternalTessellationManager() = default;
};

using IExternalTessellationManagerPtr = Ptr<IExternalTessellationManager>;

} // namespace tvapi

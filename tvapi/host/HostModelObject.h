#pragma once
// A model object of the stand-in host that is only its kind: what the facade's selector and
// macro records see of planes, features and topology until those get host classes of their
// own.

#include "HostObject.h"
#include "tvapi/ModelObjects.h"

namespace tvhost {

class THostModelObject final : public THostObjectOf<tvapi::IModelObject> {
public:
    explicit THostModelObject(tvapi::tvObj3dTypeEnum type) noexcept : FType(type) {}

    // Journaled as "IModelObject::GetObjectType".
    tvapi::tvObj3dTypeEnum GetObjectType() override;
    // Journaled as "IModelObject::GetName"; these objects have no name.
    std::wstring GetName() override;

private:
    tvapi::tvObj3dTypeEnum FType;
};

using THostModelObjectPtr = tvapi::Ptr<THostModelObject>;

} // namespace tvhost

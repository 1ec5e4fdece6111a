#pragma once
// A part of the stand-in host: for now its name, designation, mass and sketches. The top
// part of every part or assembly document is one of these.

#include <string>
#include <vector>

#include "HostObject.h"
#include "HostSketch.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/Part.h"

namespace tvhost {

class THostPart final : public THostObjectOf<tvapi::IPart, tvapi::IFeature> {
public:
    // Journaled as "IPart::<operation>", texts as UTF-8.
    std::wstring GetName() override;
    void SetName(const wchar_t* name) override;
    std::wstring GetMarking() override;
    void SetMarking(const wchar_t* marking) override;
    double GetMass() override;
    // Journaled as "IFeature::GetModelObjects"; the sketches, when the kinds hold o3d_sketch.
    std::vector<tvapi::IModelObjectPtr>
    GetModelObjects(const std::vector<tvapi::tvObj3dTypeEnum>& types) override;

    // Test side, not journaled.
    const std::wstring& Name() const noexcept { return FName; }
    const std::wstring& Marking() const noexcept { return FMarking; }
    // The part has no bodies of its own yet: a test gives the mass its bodies would have.
    // Saved with the part's document.
    double Mass() const noexcept { return FMass; }
    void SetMass(double mass) noexcept { FMass = mass; }
    // A new sketch at the end of the model tree.
    THostSketch& AddSketch(const std::wstring& name);

private:
    std::wstring FName;
    std::wstring FMarking;
    double FMass = 0.0;
    std::vector<THostSketchPtr> FSketches;
};

using THostPartPtr = tvapi::Ptr<THostPart>;

} // namespace tvhost

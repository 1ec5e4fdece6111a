#pragma once
// A part of the stand-in host: for now its name, designation and mass. The top part of
// every part or assembly document is one of these.

#include <string>

#include "HostObject.h"
#include "tvapi/Part.h"

namespace tvhost {

class THostPart final : public THostObjectOf<tvapi::IPart> {
public:
    // Journaled as "IPart::<operation>", texts as UTF-8.
    std::wstring GetName() override;
    void SetName(const wchar_t* name) override;
    std::wstring GetMarking() override;
    void SetMarking(const wchar_t* marking) override;
    double GetMass() override;

    // Test side, not journaled.
    const std::wstring& Name() const noexcept { return FName; }
    const std::wstring& Marking() const noexcept { return FMarking; }
    // The part has no bodies of its own yet: a test gives the mass its bodies would have.
    // Saved with the part's document.
    double Mass() const noexcept { return FMass; }
    void SetMass(double mass) noexcept { FMass = mass; }

private:
    std::wstring FName;
    std::wstring FMarking;
    double FMass = 0.0;
};

using THostPartPtr = tvapi::Ptr<THostPart>;

} // namespace tvhost

#pragma once
// A part of the stand-in host: for now its name and designation. The top part of every
// part or assembly document is one of these.

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

    // Test side, not journaled.
    const std::wstring& Name() const noexcept { return FName; }
    const std::wstring& Marking() const noexcept { return FMarking; }

private:
    std::wstring FName;
    std::wstring FMarking;
};

using THostPartPtr = tvapi::Ptr<THostPart>;

} // namespace tvhost

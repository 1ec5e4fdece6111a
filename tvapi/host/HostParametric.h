#pragma once
// Parametric constraints of the stand-in host: a plain 2D object that can be constrained,
// and the constraint it hands out. A created constraint is kept by its object as a record
// (kind, points, partner id), so tests read what a library constrained; the record holds
// no reference to the partner, so objects constrained to each other never keep each other.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "HostObject.h"
#include "tvapi/ParametricConstraint.h"

namespace tvhost {

// One created constraint as its object keeps it.
struct TConstraintRecord {
    tvapi::tvConstraintTypeEnum Type = tvapi::tvCUnknown;
    int Index = 0;
    std::uint64_t PartnerId = 0; // host id of the first partner; 0 without one
    int PartnerIndex = 0;
    std::wstring Expression;
    std::wstring VariableName;
};

// A 2D object of a drawing or sketch that takes parametric constraints.
class THostConstrainedObject final : public THostObjectOf<tvapi::IDrawingObject1> {
public:
    // Journaled as "IDrawingObject1::NewConstraint".
    tvapi::IParametricConstraintPtr NewConstraint() override;

    // Test side, not journaled.
    const std::vector<TConstraintRecord>& Constraints() const noexcept { return FConstraints; }
    void AddConstraint(const TConstraintRecord& record) { FConstraints.push_back(record); }

private:
    std::vector<TConstraintRecord> FConstraints;
};

using THostConstrainedObjectPtr = tvapi::Ptr<THostConstrainedObject>;

class THostParametricConstraint final : public THostObjectOf<tvapi::IParametricConstraint> {
public:
    explicit THostParametricConstraint(THostConstrainedObjectPtr owner) : FOwner(std::move(owner)) {}

    // Journaled as "IParametricConstraint::<operation>", partners as "[#id, ...]".
    void SetConstraintType(tvapi::tvConstraintTypeEnum type) override;
    void SetIndex(int index) override;
    void SetPartner(const tvapi::TervanAPIObjectList& partners) override;
    void SetPartnerIndex(int index) override;
    void SetExpression(const wchar_t* text) override;
    void SetVariableName(const wchar_t* name) override;
    // Refuses a kind between two objects without a partner, and a second creation.
    bool Create() override;

private:
    THostConstrainedObjectPtr FOwner;
    TConstraintRecord FRecord;
    bool FNeedsPartner = false;
    bool FCreated = false;
};

} // namespace tvhost

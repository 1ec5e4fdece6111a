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

// The constraints created on a 2D object, in creation order.
class TConstraintStore {
public:
    // Test side, not journaled.
    const std::vector<TConstraintRecord>& Constraints() const noexcept { return FConstraints; }
    void AddConstraint(const TConstraintRecord& record) { FConstraints.push_back(record); }

private:
    std::vector<TConstraintRecord> FConstraints;
};

// IDrawingObject1::NewConstraint (journaled so) of `object`, whose records `store` keeps; the
// constraint keeps `object` alive.
tvapi::IParametricConstraintPtr NewConstraintOf(tvapi::IAPIObjectPtr object, TConstraintStore& store);

// A 2D object of a drawing or sketch that takes parametric constraints and nothing else; the
// segments and linear dimensions of a drawing take them too.
class THostConstrainedObject final : public THostObjectOf<tvapi::IDrawingObject1>, public TConstraintStore {
public:
    tvapi::IParametricConstraintPtr NewConstraint() override
    {
        return NewConstraintOf(tvapi::IAPIObjectPtr(this), *this);
    }
};

using THostConstrainedObjectPtr = tvapi::Ptr<THostConstrainedObject>;

class THostParametricConstraint final : public THostObjectOf<tvapi::IParametricConstraint> {
public:
    THostParametricConstraint(tvapi::IAPIObjectPtr owner, TConstraintStore& store)
        : FOwner(std::move(owner)), FStore(store)
    {
    }

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
    tvapi::IAPIObjectPtr FOwner; // keeps FStore's object alive
    TConstraintStore& FStore;
    TConstraintRecord FRecord;
    bool FNeedsPartner = false;
    bool FCreated = false;
};

} // namespace tvhost

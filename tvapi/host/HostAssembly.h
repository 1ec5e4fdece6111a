#pragma once
// Mates of the stand-in host's assemblies and the model variables they carry. A mate keeps
// its kind, objects, fixing, alignment and value as given; the stand-in does not move parts
// to satisfy it.

#include <memory>
#include <string>
#include <vector>

#include "HostModelObject.h"
#include "tvapi/Assembly.h"

namespace tvhost {

// Journaled as "IVariable::<operation>".
class THostVariable final : public THostObjectOf<tvapi::IVariable> {
public:
    THostVariable(std::wstring name, double value) : FName(std::move(name)), FValue(value) {}

    std::wstring GetName() override;
    double GetValue() override;
    std::wstring GetExpression() override;
    void SetExpression(const wchar_t* expression) override;

    // Test side, not journaled.
    const std::wstring& Expression() const noexcept { return FExpression; }
    void SetValue(double value) noexcept { FValue = value; }

private:
    std::wstring FName;
    double FValue;
    std::wstring FExpression;
};

using THostVariablePtr = tvapi::Ptr<THostVariable>;

// The name of a distance or angle mate's variable.
inline constexpr const wchar_t* MateVariableName = L"Расстояние";

// Journaled as "IMateConstraint3D::<operation>". Valid once it has both objects.
class THostMate final : public THostFeatureOf<tvapi::IMateConstraint3D> {
public:
    explicit THostMate(tvapi::MateConstraintType type);

    tvapi::MateConstraintType GetConstraintType() override;
    void SetBaseObject(int index, const tvapi::IModelObjectPtr& object) override;
    tvapi::IModelObjectPtr GetBaseObject(int index) override;
    void SetFixed(int fixed) override;
    void SetDirection(int direction) override;
    void SetDistance(double value) override;

    // Test side, not journaled.
    tvapi::MateConstraintType Type() const noexcept { return FType; }
    const tvapi::IModelObjectPtr& Object(int index) const noexcept { return FObjects[index == 2 ? 1 : 0]; }
    int Fixed() const noexcept { return FFixed; }
    int Direction() const noexcept { return FDirection; }
    double Value() const noexcept { return FValue; }
    // The variable "Расстояние" of a distance or angle mate; null for other kinds.
    THostVariable* Variable() const noexcept { return FVariable.Get(); }
    // Drops the objects: they may hold the mate's document.
    void DropObjects() noexcept;

protected:
    bool Rebuild() override;

private:
    tvapi::MateConstraintType FType;
    tvapi::IModelObjectPtr FObjects[2];
    int FFixed = tvapi::tvMFixedPart1;
    int FDirection = tvapi::tvMCAlignmentClosest;
    double FValue = 0.0;
    THostVariablePtr FVariable;
};

using THostMatePtr = tvapi::Ptr<THostMate>;
using TMateList = std::vector<THostMatePtr>;

// Journaled as "IMateConstraints3D::<operation>".
class THostMates final : public THostObjectOf<tvapi::IMateConstraints3D> {
public:
    explicit THostMates(std::shared_ptr<TMateList> mates) : FMates(std::move(mates)) {}

    int GetCount() override;
    tvapi::IModelObjectPtr GetItem(int index) override;
    tvapi::IMateConstraint3DPtr AddMateConstraint(tvapi::MateConstraintType type) override;

private:
    std::shared_ptr<TMateList> FMates;
};

} // namespace tvhost

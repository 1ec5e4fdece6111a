#pragma once
// Mates of the stand-in host's assemblies and the model variables they carry. A mate keeps
// its kind, objects, fixing, alignment and value as given. The stand-in solves only what the
// library's mates need: a coincidence or distance between parallel default planes of two
// parts of the assembly moves the component of one of them along the other's normal.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HostModelObject.h"
#include "tvapi/Assembly.h"

namespace tvhost {

class THostPart;
// The top part of the document whose mates these are; null once the document is closed.
using TMateAssembly = std::shared_ptr<THostPart*>;

// Journaled as "IVariable::<operation>".
class THostVariable final : public THostObjectOf<tvapi::IVariable> {
public:
    THostVariable(std::wstring name, double value) : FName(std::move(name)), FValue(value) {}

    THostVariable(std::wstring name, double value, std::wstring note)
        : FName(std::move(name)), FValue(value), FNote(std::move(note))
    {
    }

    std::wstring GetName() override;
    double GetValue() override;
    std::wstring GetExpression() override;
    void SetExpression(const wchar_t* expression) override;
    void SetValue(double value) override;
    std::wstring GetNote() override;
    void SetNote(const wchar_t* note) override;
    bool GetExternal() override;
    void SetExternal(bool external) override;
    bool SetLink(const wchar_t* documentName, const wchar_t* variableName) override;

    // Test side, not journaled.
    const std::wstring& Name() const noexcept { return FName; }
    double Value() const noexcept { return FValue; }
    const std::wstring& Expression() const noexcept { return FExpression; }
    const std::wstring& Note() const noexcept { return FNote; }
    bool External() const noexcept { return FExternal; }
    // The linked document and variable; empty without a link.
    const std::wstring& LinkDocument() const noexcept { return FLinkDocument; }
    const std::wstring& LinkVariable() const noexcept { return FLinkVariable; }
    void SetValueDirect(double value) noexcept { FValue = value; }
    void SetExpressionDirect(std::wstring expression) { FExpression = std::move(expression); }
    void SetExternalDirect(bool external) noexcept { FExternal = external; }
    // What a new expression does to the variable's owner (a mate takes its value from it).
    void OnExpression(std::function<void(const std::wstring&)> action) { FOnExpression = std::move(action); }
    void SetLinkDirect(std::wstring document, std::wstring variable)
    {
        FLinkDocument = std::move(document);
        FLinkVariable = std::move(variable);
    }

private:
    std::wstring FName;
    double FValue;
    std::wstring FExpression;
    std::wstring FNote;
    bool FExternal = false;
    std::wstring FLinkDocument;
    std::wstring FLinkVariable;
    std::function<void(const std::wstring&)> FOnExpression;
};

using THostVariablePtr = tvapi::Ptr<THostVariable>;

// The name of a distance or angle mate's variable.
inline constexpr const wchar_t* MateVariableName = L"Расстояние";

// Journaled as "IMateConstraint3D::<operation>". Valid once it has both objects.
class THostMate final : public THostFeatureOf<tvapi::IMateConstraint3D> {
public:
    THostMate(tvapi::MateConstraintType type, TMateAssembly assembly);
    ~THostMate() override;
    THostMate(const THostMate&) = delete;
    THostMate& operator=(const THostMate&) = delete;

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
    // The expression of the mate's variable; empty for other kinds or none.
    std::wstring ExpressionText() const { return FVariable ? FVariable->Expression() : std::wstring(); }

protected:
    // Built with both objects; then solved (see the header's comment).
    bool Rebuild() override;

private:
    // Moves the component of the second plane (of the first when the second is the assembly's
    // own) so that the planes lie the mate's value apart: object 2's plane at value x the
    // alignment's sign (1 unless negative) along object 1's plane normal; 0 for a coincidence.
    // Nothing for other kinds, objects that are no default planes of the assembly's parts,
    // planes not parallel, or a component that holds the other plane.
    void Solve();
    // A distance that its expression gives, read with the assembly's variables, replaces the
    // value, and the mate is solved again; an expression that does not evaluate leaves both.
    void TakeExpression(const std::wstring& text);

    tvapi::MateConstraintType FType;
    TMateAssembly FAssembly;
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
    // Without an assembly its mates are kept and never solved.
    explicit THostMates(std::shared_ptr<TMateList> mates, TMateAssembly assembly = {})
        : FMates(std::move(mates)), FAssembly(std::move(assembly))
    {
    }

    int GetCount() override;
    tvapi::IModelObjectPtr GetItem(int index) override;
    tvapi::IMateConstraint3DPtr AddMateConstraint(tvapi::MateConstraintType type) override;

private:
    std::shared_ptr<TMateList> FMates;
    TMateAssembly FAssembly;
};

} // namespace tvhost

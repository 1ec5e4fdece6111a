#pragma once
// Annotation signs of the stand-in host: roughness signs ("X", "Y", "Type", "Shelf",
// "Leader", "Size", "Angle"; texts "Text1".."Text3"), base signs ("X1".."Y2", "Type"; text
// "Text"), view pointers ("X1".."Y2", "Xt", "Yt"; text "Text") and form-tolerance frames
// ("X", "Y", "Branches", "Type", "Cells", "CellKind<i>", "CellSize<i>"; texts "Cell<k>").

#include "HostDrawingObject.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/Signs.h"

namespace tvhost {

class THostRough final : public THostDrawingObjectOf<tvapi::IRough, tvapi::IRoughParams> {
public:
    THostRough() noexcept : THostDrawingObjectOf(tvapi::tvDrRough) {}
    // Journaled as "IRough::<operation>" and "IRoughParams::<operation>".
    double GetX() override { return GetReal("IRough::GetX", "X"); }
    void SetX(double v) override { SetReal("IRough::SetX", "X", v); }
    double GetY() override { return GetReal("IRough::GetY", "Y"); }
    void SetY(double v) override { SetReal("IRough::SetY", "Y", v); }
    void SetType(tvapi::tvRoughSignEnum v) override { SetInt("IRoughParams::SetType", "Type", v); }
    void SetShelf(int v) override { SetInt("IRoughParams::SetShelf", "Shelf", v); }
    void SetLeader(int v) override { SetInt("IRoughParams::SetLeader", "Leader", v); }
    void SetSize(double v) override { SetReal("IRoughParams::SetSize", "Size", v); }
    void SetAngle(double v) override { SetReal("IRoughParams::SetAngle", "Angle", v); }
    tvapi::ITextPtr GetText1() override { return TextOf("IRoughParams::GetText1", "Text1"); }
    tvapi::ITextPtr GetText2() override { return TextOf("IRoughParams::GetText2", "Text2"); }
    tvapi::ITextPtr GetText3() override { return TextOf("IRoughParams::GetText3", "Text3"); }

private:
    tvapi::ITextPtr TextOf(const char* op, const char* name);
};

class THostBase final : public THostDrawingObjectOf<tvapi::IBase> {
public:
    THostBase() noexcept : THostDrawingObjectOf(tvapi::tvDrBase) {}
    // Journaled as "IBase::<operation>".
    void SetX1(double v) override { SetReal("IBase::SetX1", "X1", v); }
    void SetY1(double v) override { SetReal("IBase::SetY1", "Y1", v); }
    void SetX2(double v) override { SetReal("IBase::SetX2", "X2", v); }
    void SetY2(double v) override { SetReal("IBase::SetY2", "Y2", v); }
    void SetType(int v) override { SetInt("IBase::SetType", "Type", v); }
    tvapi::ITextPtr GetText() override;
};

class THostViewPointer final : public THostDrawingObjectOf<tvapi::IViewPointer> {
public:
    THostViewPointer() noexcept : THostDrawingObjectOf(tvapi::tvDrViewPointer) {}
    // Journaled as "IViewPointer::<operation>".
    void SetX1(double v) override { SetReal("IViewPointer::SetX1", "X1", v); }
    void SetY1(double v) override { SetReal("IViewPointer::SetY1", "Y1", v); }
    void SetX2(double v) override { SetReal("IViewPointer::SetX2", "X2", v); }
    void SetY2(double v) override { SetReal("IViewPointer::SetY2", "Y2", v); }
    void SetXt(double v) override { SetReal("IViewPointer::SetXt", "Xt", v); }
    void SetYt(double v) override { SetReal("IViewPointer::SetYt", "Yt", v); }
    tvapi::ITextPtr GetText() override;
};

class THostTolerance final
    : public THostDrawingObjectOf<tvapi::ITolerance, tvapi::IBranchs, tvapi::IToleranceParam> {
public:
    THostTolerance() noexcept : THostDrawingObjectOf(tvapi::tvDrTolerance) {}
    // Journaled as "ITolerance::<operation>", "IBranchs::<operation>" and
    // "IToleranceParam::<operation>".
    void SetCellKind(int index, int value) override;
    void SetCellSize(int index, int value) override;
    double GetX() override { return GetReal("IBranchs::GetX", "X"); }
    void SetX(double v) override { SetReal("IBranchs::SetX", "X", v); }
    double GetY() override { return GetReal("IBranchs::GetY", "Y"); }
    void SetY(double v) override { SetReal("IBranchs::SetY", "Y", v); }
    bool AddBranchByPoint(int index, double x, double y) override;
    int GetBranchCount() override;
    void SetType(int v) override { SetInt("IToleranceParam::SetType", "Type", v); }
    tvapi::ITablePtr GetTable() override;

    // Test side: the number of cells (a new frame has one) and the text of cell k.
    int CellCount() const noexcept { return static_cast<int>(Params().Int("Cells", 1)); }
    std::wstring CellStr(int k) const;
    // Used by the table: inserts a cell at `index` (-1 or past the end: after the last).
    bool InsertCell(int index);
};

// The collections of a container's signs.
tvapi::IRoughsPtr MakeRoughs(TContainerCore& container, tvapi::IAPIObjectPtr keep);
tvapi::IBasesPtr MakeBases(TContainerCore& container, tvapi::IAPIObjectPtr keep);
tvapi::ITolerancesPtr MakeTolerances(TContainerCore& container, tvapi::IAPIObjectPtr keep);
tvapi::IViewPointersPtr MakeViewPointers(TContainerCore& container, tvapi::IAPIObjectPtr keep);

} // namespace tvhost

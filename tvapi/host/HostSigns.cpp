// Annotation signs of the stand-in host.
#include "HostSigns.h"

#include <string>
#include <utility>

namespace tvhost {

namespace {

std::string CellName(int k)
{
    return "Cell" + std::to_string(k);
}

// The frame's one-row table; it keeps the frame alive.
class THostTable final : public THostObjectOf<tvapi::ITable> {
public:
    explicit THostTable(THostTolerance& frame) : FFrame(frame), FKeep(frame.DrawingObject()) {}

    bool InsertCell(int index, int span) override
    {
        if (!Enter("ITable::InsertCell", {std::to_string(index), std::to_string(span)})) return false;
        return FFrame.InsertCell(index);
    }
    int GetCellCount() override
    {
        if (!Enter("ITable::GetCellCount")) return 0;
        return FFrame.CellCount();
    }
    tvapi::ITableCellPtr GetCell(int row, int column) override;

private:
    THostTolerance& FFrame;
    tvapi::IAPIObjectPtr FKeep;
};

class THostTableCell final : public THostObjectOf<tvapi::ITableCell> {
public:
    THostTableCell(THostTolerance& frame, int k) : FFrame(frame), FKeep(frame.DrawingObject()), FCell(k) {}

    tvapi::IAPIObjectPtr GetText() override
    {
        if (!Enter("ITableCell::GetText")) return {};
        return tvapi::IAPIObjectPtr(MakeSingleLine(FFrame.DrawingObject(), FFrame, CellName(FCell)).Get());
    }

private:
    THostTolerance& FFrame;
    tvapi::IAPIObjectPtr FKeep;
    int FCell;
};

tvapi::ITableCellPtr THostTable::GetCell(int row, int column)
{
    if (!Enter("ITable::GetCell", {std::to_string(row), std::to_string(column)})) return {};
    if (row != 0 || column < 0 || column >= FFrame.CellCount()) return {};
    return tvapi::ITableCellPtr(New<THostTableCell>(FFrame, column));
}

} // namespace

tvapi::ITextPtr THostRough::TextOf(const char* op, const char* name)
{
    if (!Enter(op)) return {};
    return MakeText(DrawingObject(), *this, name);
}

tvapi::ITextPtr THostBase::GetText()
{
    if (!Enter("IBase::GetText")) return {};
    return MakeText(DrawingObject(), *this, "Text");
}

tvapi::ITextPtr THostViewPointer::GetText()
{
    if (!Enter("IViewPointer::GetText")) return {};
    return MakeText(DrawingObject(), *this, "Text");
}

void THostTolerance::SetCellKind(int index, int value)
{
    SetInt("ITolerance::SetCellKind", "CellKind" + std::to_string(index), value);
}

void THostTolerance::SetCellSize(int index, int value)
{
    SetInt("ITolerance::SetCellSize", "CellSize" + std::to_string(index), value);
}

bool THostTolerance::AddBranchByPoint(int index, double x, double y)
{
    return TDrawingCore::AddBranchByPoint(index, x, y);
}

int THostTolerance::GetBranchCount()
{
    return TDrawingCore::GetBranchCount();
}

tvapi::ITablePtr THostTolerance::GetTable()
{
    if (!Enter("IToleranceParam::GetTable")) return {};
    if (IsDeleted()) return {};
    return tvapi::ITablePtr(New<THostTable>(*this));
}

std::wstring THostTolerance::CellStr(int k) const
{
    const auto it = Texts().find(CellName(k));
    return it == Texts().end() ? std::wstring() : it->second.Str();
}

bool THostTolerance::InsertCell(int index)
{
    if (IsDeleted()) return false;
    const int count = CellCount();
    const int at = index < 0 || index > count ? count : index;
    // Texts after the new cell move one place on, last first.
    for (int k = count - 1; k >= at; --k) {
        const auto it = Texts().find(CellName(k));
        Text(CellName(k + 1)) = it == Texts().end() ? TTextData() : it->second;
    }
    Text(CellName(at)) = TTextData();
    Params().Set("Cells", std::int64_t{count + 1});
    return true;
}

tvapi::IRoughsPtr MakeRoughs(TContainerCore& container, tvapi::IAPIObjectPtr keep)
{
    return MakeCollection<tvapi::IRoughs, THostRough, tvapi::IRough>(container, std::move(keep),
                                                                     "IRoughs::Add");
}

tvapi::IBasesPtr MakeBases(TContainerCore& container, tvapi::IAPIObjectPtr keep)
{
    return MakeCollection<tvapi::IBases, THostBase, tvapi::IBase>(container, std::move(keep), "IBases::Add");
}

tvapi::ITolerancesPtr MakeTolerances(TContainerCore& container, tvapi::IAPIObjectPtr keep)
{
    return MakeCollection<tvapi::ITolerances, THostTolerance, tvapi::ITolerance>(container, std::move(keep),
                                                                                 "ITolerances::Add");
}

tvapi::IViewPointersPtr MakeViewPointers(TContainerCore& container, tvapi::IAPIObjectPtr keep)
{
    return MakeCollection<tvapi::IViewPointers, THostViewPointer, tvapi::IViewPointer>(
        container, std::move(keep), "IViewPointers::Add");
}

} // namespace tvhost

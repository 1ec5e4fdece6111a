#include "TTable.h"

#include <cmath>
#include <cstring>

TTable::TTable(int iCount, int iCountColumn, int iControl, const double* iArray)
    : Control(iControl), Count(iCount > 0 ? iCount : 0), CountColumn(iCountColumn > 0 ? iCountColumn : 1),
      Owner(true)
{
    CountRow = Count / CountColumn;
    if (Count == 0) return;
    Array = new double[Count];
    if (iArray) std::memcpy(Array, iArray, sizeof(double) * Count);
}

TTable::TTable(const double* iArray, int iSizeRecord, int iControl, TCompare iCompare)
{
    Set(iArray, iSizeRecord, iControl, iCompare);
}

void TTable::Release()
{
    if (Owner) delete[] Array;
    Array = nullptr;
    Owner = false;
    Count = 0;
    CountColumn = 0;
    CountRow = 0;
}

void TTable::Set(const double* iArray, int iSizeRecord, int iControl, TCompare iCompare)
{
    Release();
    cArray = iArray;
    CountColumn = iSizeRecord / static_cast<int>(sizeof(double));
    Control = iControl;
    Compare = iCompare;
    if (!iArray || CountColumn <= 0) {
        Count = CountRow = 0;
        return;
    }
    Integer rows = 0;
    for (Integer at = 0; at < MaxCountValues; at += CountColumn, ++rows)
        if (iArray[at] == 0) {
            CountRow = rows;
            Count = CountColumn * (rows + 1);
            return;
        }
    Count = 0;
    CountRow = rows + 1;
}

bool TTable::HasCell(int RowIndex, int Column) const
{
    return cArray && RowIndex >= 0 && Column >= 0 && Column < CountColumn &&
           static_cast<long long>(RowIndex) * CountColumn + Column < Count;
}

bool TTable::MakeSelect(const double& KeyValue)
{
    if (!cArray) {
        Select = -1;
        return false;
    }
    if (CountRow < 0) {
        Select = 1;
        return true;
    }
    for (Integer i = 0; i < CountRow; ++i) {
        if (!HasCell(i, Control)) break;
        const double x = At(i, Control);
        const bool equal = std::fabs(x - KeyValue) <= EqualTolerance;
        switch (Compare) {
        case tcLess:
        case tcLessEqu:
            if (Compare == tcLessEqu && equal) return Select = i + 1, true;
            if (x > KeyValue) return Select = i > 0 ? i : 1, true;
            break;
        case tcEqu:
            if (equal) return Select = i + 1, true;
            break;
        case tcMoreEqu:
            if (x >= KeyValue) return Select = i + 1, true;
            break;
        case tcMore:
            if (x > KeyValue) return Select = i + 1, true;
            break;
        }
    }
    Select = CountRow;
    return true;
}

bool TTable::MakeSelect(int Row)
{
    if (!cArray) {
        Select = -1;
        return false;
    }
    Select = Row < 1 ? 0 : Row - 1;
    return true;
}

void TTable::Fill(double* const* Out, int N) const
{
    const int row = Select > 0 ? Select - 1 : 0;
    for (int k = 0; k < N; ++k)
        if (HasCell(row, k + 1)) *Out[k] = At(row, k + 1);
}

const double* TTable::Row(int RowIndex) const
{
    return HasCell(RowIndex, 0) ? cArray + RowIndex * CountColumn : nullptr;
}

const double* TTable::Row(int Column, const double& Value, int Column2, const double& Value2, bool) const
{
    if (CountRow <= 0 || !HasCell(0, Column) || !HasCell(0, Column2)) return nullptr;
    for (int i = 0; i < CountRow && HasCell(i, Column); ++i)
        if (At(i, Column) == Value && At(i, Column2) >= Value2) return Row(i);
    return Row(CountRow - 1);
}

const double* TTable::GetParam(int Column, const double& Value, bool LessOrEqual) const
{
    if (CountRow <= 0 || !HasCell(0, Column)) return nullptr;
    for (int i = 0; i < CountRow && HasCell(i, Column); ++i) {
        if (!LessOrEqual && At(i, Column) >= Value) return Row(i);
        if (LessOrEqual && (At(i, Column) > Value || (HasCell(i + 1, Column) && At(i + 1, Column) >= Value)))
            return Row(i);
    }
    return Row(CountRow - 1);
}

int TTable::NumberRow(int Column, const double& Value) const
{
    int n = 0;
    while (n < CountRow && HasCell(n, Column) && At(n, Column) < Value)
        ++n;
    return n;
}

void TTable::toLD(int Column, TAStr& Result, const TString& Insert) const
{
    Result.Clear();
    if (!cArray || CountRow <= 0) return;
    if (!Insert.Empty()) Result.Add(Insert);
    for (int i = 0; i < CountRow && HasCell(i, Column); ++i)
        Result.Add(TString(At(i, Column), 2, true, 7));
}

void TTable::toLDfrom(int Column, const double& Value, int ColumnValue, TAStr& Result) const
{
    Result.Clear();
    for (int i = 0; i < CountRow && HasCell(i, Column) && HasCell(i, ColumnValue); ++i)
        if (At(i, ColumnValue) == Value) Result.Add(TString(At(i, Column), 2, true, 7));
}

TTable::XV* TTable::dXV(const double& Xb, const double& Yb, XV* Next)
{
    return new XV{Xb, Yb, Next};
}

namespace {

// The Yb of the first node that `stop` accepts, or of the last node; the list is freed.
template <class TStop> double Walk(TTable::XV* PV, TStop stop)
{
    double result = 0.0;
    bool found = false;
    while (PV) {
        TTable::XV* next = PV->Next;
        if (!found) {
            result = PV->Yb;
            found = stop(PV->Xb);
        }
        delete PV;
        PV = next;
    }
    return result;
}

} // namespace

double TTable::FX(const double& Xc, XV* PV)
{
    return Walk(PV, [&](double Xb) { return !(Xb > Xc); });
}

double TTable::FX2(const double& Xc, XV* PV)
{
    return Walk(PV, [&](double Xb) { return Xb > Xc; });
}

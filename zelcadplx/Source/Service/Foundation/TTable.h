#pragma once
// TTable: a row-major table of doubles with a key column, for standard tables (sizes by
// nominal value). A row is selected by comparing a key with the key column; the selected
// row's following columns are handed out. Beside it, step functions over a small list.

#include "DString.h"
#include "TArray.h"

#include <concepts>

class TTable {
public:
    enum TCompare : Integer { tcLess = 0, tcLessEqu = 1, tcEqu = 2, tcMoreEqu = 3, tcMore = 4 };

    struct XV {
        double Xb = 0.0;
        double Yb = 0.0;
        XV* Next = nullptr;
    };

    // Absolute, for tcLessEqu and tcEqu. Foundation sits below the math definitions, so the
    // value is TMathDef::metricPrecision written again; Mathemat.cpp checks that they agree.
    static constexpr double EqualTolerance = 2e-6;
    static constexpr Integer MaxCountValues = 10002; // a borrowed array is counted this far

    TString GOST;
    TString Name;
    Integer Control = 0;
    TCompare Compare = tcMoreEqu;
    Integer Select = 0; // the selected row counted from 1; 0 or -1: none
    union {
        double* Array = nullptr;
        const double* cArray;
    };
    Integer Count = 0;
    Integer CountColumn = 0;
    Integer CountRow = 0;
    bool Owner = false;

    // An owning copy of iCount values (uninitialised when iArray is null).
    TTable(int iCount, int iCountColumn, int iControl, const double* iArray);
    // A table over borrowed records of iSizeRecord bytes ended by a record starting with 0.
    TTable(const double* iArray, int iSizeRecord, int iControl, TCompare iCompare);
    ~TTable() { Release(); }
    TTable(const TTable&) = delete;
    TTable& operator=(const TTable&) = delete;

    void Set(const double* iArray, int iSizeRecord, int iControl, TCompare iCompare);
    void Release();

    bool MakeSelect(const double& KeyValue);
    bool MakeSelect(int Row);

    // Columns 1, 2, ... of the row selected by the key; returns Select. Outputs beyond the
    // row's columns are left as they were.
    template <class... V>
    requires(sizeof...(V) >= 2 && sizeof...(V) <= 6 &&
             (std::same_as<V, double> && ...)) int Get(const double& KeyValue, V&... Out)
    {
        if (MakeSelect(KeyValue)) {
            double* out[] = {&Out...};
            Fill(out, sizeof...(V));
        }
        return Select;
    }
    // Row 1 and Row 2 both read the first row: a caller wanting row n passes n + 1.
    template <class... V>
    requires(sizeof...(V) >= 2 && sizeof...(V) <= 7 &&
             (std::same_as<V, double> && ...)) void GetRow(int Row, V&... Out)
    {
        if (!MakeSelect(Row)) return;
        double* out[] = {&Out...};
        Fill(out, sizeof...(V));
    }

    // Start of row Row (0-based); null outside the table.
    const double* Row(int Row) const;
    // First row with Column == Value and Column2 >= Value2; the last row when none.
    const double* Row(int Column, const double& Value, int Column2, const double& Value2,
                      bool LessOrEqual) const;
    const double* GetParam(int Column, const double& Value, bool LessOrEqual) const;
    int NumberRow(int Column, const double& Value) const;
    void toLD(int Column, TAStr& Result, const TString& Insert) const;
    void toLDfrom(int Column, const double& Value, int ColumnValue, TAStr& Result) const;

    // Step functions; each consumes (frees) the list it is given.
    static XV* dXV(const double& Xb, const double& Yb, XV* Next);
    static double FX(const double& Xc, XV* PV);
    static double FX2(const double& Xc, XV* PV);

private:
    double At(int RowIndex, int Column) const { return cArray[RowIndex * CountColumn + Column]; }
    bool HasCell(int RowIndex, int Column) const;
    void Fill(double* const* Out, int N) const;
};

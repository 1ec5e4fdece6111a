#pragma once
// The element library: the standard elements (their names, parameter tables, designations)
// the library knows, read from one UTF-16 parameter file by the global TextBase and held by
// the global ABaseDetail, looked up by element ID. TBaseDetail is the code by which a detail
// names the standard element and row it is.

#include "BaseTypes.h"
#include "DString.h"
#include "TArray.h"
#include "TTable.h"
#include "TextFile.h"

#include <memory>
#include <vector>

using TId = Integer;

struct TBaseDetail {
    TId ID = 0;          // element ID; 0 = not a standard element
    Integer Index = -1;  // row of the element's parameter table; -1 = none
    Integer Index2 = -1; // row of its second table; -1 = none

    constexpr bool operator==(const TBaseDetail&) const noexcept = default;
};

// Rows of an element's second table: plate thicknesses of a mould base.
struct TTicknessMoldBase {
    double IBase, TPlate;
    double T[11]; // rising, 0 after the last one
};

// Rows of a mould base's parameter table: the socket dimensions.
struct TSocketMoldBaseFCPK {
    double Y, X, LPx, LPy, LPd, Bx, By, Bd, Ey, EBx, EBy, EBd, SPx, SPy, SPd, R, LRd, LRh;
};

// The element library file. Init requires the byte order mark.
class TTextBase : public TWideTextFile {
public:
    bool Init(const TString& iExecutePath, const TString& iName);
    // The names of the records whose type is not the auxiliary one.
    void CouplingLS(TAStr& Result);
    // The numeric table of that name (owned by the caller), or null.
    TTable* GetTable(const TString& Name);
};

// One element record, in the file:
//   # "name" "manufacturer" "type" ID makeID pictureID Params Params2
//   {: "prefix" "" "name 1" "comment 1" ... } { values ... } { values of the second table ... }
// with ";" in place of the second table when Params2 is 0. Row 0 of pBase is the code row: a column's code
// has its place among the selection values and in the designation in its tens digit, its separator in the
// hundreds digit and its digits or decimals in the units digit.
class TDTable {
public:
    static constexpr Integer MaxValues = 131072; // values of one brace block

    TString Name;
    TString Manufacturer;
    TString Type;
    Integer makeID = 0; // 0: not offered in element lists
    Integer pictureID = 0;
    Integer ID = 0;
    Integer Params = 0; // columns of the parameter table
    Integer Count = 0;  // rows, the code row included
    TAStr NameParam;    // 0: designation prefix; 2 + 2j, 3 + 2j: name, comment of column j
    Integer Params2 = 0;
    Integer Count2 = 0;
    std::vector<double> pBase;
    std::vector<double> pBase2;
    bool Damaged = false; // the record was cut short or holds impossible counts

    // Reads the record whose name has just been read.
    TDTable(const TString& iName, TTextBase& TextBase);

    bool HasRow(Integer Row) const { return Row >= 0 && Row < Count; }
    double Cell(Integer Row, Integer Column) const { return pBase[Row * Params + Column]; }
    // The first column whose code has tens digit k, or -1.
    Integer ColumnOfValue(Integer k) const;
    // The last column whose code has tens digit k, or -1.
    Integer LastColumnOfValue(Integer k) const;

private:
    bool ReadValues(TTextBase& TextBase, std::vector<double>& Values);
};

// The element library. It stays empty until its file is loaded: every lookup then answers
// as for a missing element. Every row and column asked for is checked against the record.
// Its choice lists, designations and row selection are in TextBaseNames.cpp.
class TADTable {
public:
    static constexpr Integer MaxDetails = 256;

    Boolean Active = false;   // at least one element record is held
    Boolean Activate = false; // loading has run
    Integer Count = 0;        // element records held
    TString AllParam{"*"};    // the wildcard entry of choice lists
    std::unique_ptr<TDTable> Details[MaxDetails];
    TString Path; // with its closing separator
    TString FileName;

    TADTable() = default;
    TADTable(const TADTable&) = delete;
    TADTable& operator=(const TADTable&) = delete;

    void Set(const TString& iPath, const TString& iFileName);
    void Init();
    int Init(const TString& iPath, const TString& iFileName);
    void Init(TTextBase& TextBase);

    int Index(int ID) const;
    TDTable* GetTable(int ID) const;
    const TTicknessMoldBase* TicknessMold(int ID, int Row) const;
    const TSocketMoldBaseFCPK* SocketMold(int ID, int Row) const;
    int ThicknessCount(int ID) const;
    int SocketCount(int ID) const;
    double ParStDet(int DetailId, int Index, int I) const;
    const double* ParStDet(int DetailId, int Index) const;
    bool Params(int DetailId, int Row, TAReal& AParams) const;
    bool GetStDet(int DetailId, int Index, double& P1, double& P2, double& P3) const;

    void GetManufactures(TAStr& AManufactures, bool Add) const;
    void GetTypes(const TString& Manufacturer, TAStr& ATypes, bool Add) const;
    void GetDetails(const TString& Manufacturer, const TString& Type, TAStr& ADetails,
                    TArrayOf<int>& AIdDetails) const;
    TBaseDetail GetPlate(int ID, int IBase, int TPlate, double Limit, double& Thickness) const;
    bool GetParam(int IdDetail, int Number, TString& Name, TString& Comment, TAStr& AValues) const;
    bool GetSpcDetail(int IdDetail, const TString& P1, const TString& P2, const TString& P3, TAStr& AValues,
                      TArrayOf<int>& AIndex) const;
    // The designation of DC's element in row DC.Index; empty when no record has DC.ID.
    TString Name(const TBaseDetail& DC) const;
    // The data row chosen by up to three values: a positive IPk asks for the greatest entry
    // of column IPk not above Pk, a negative one for the first entry not below it; 0: none.
    int IndexStDet(int DetailId, int IP1, double P1, int IP2, double P2, int IP3, double P3) const;
    // As above with the columns the code row gives to values 1 to 3, each asking for the
    // greatest entry not above its value.
    int IndexStDet(int DetailId, const double& P1, const double& P2, const double& P3) const;

private:
    TString PlateName(const TDTable& D, const TBaseDetail& DC) const;
};

// The library's element library file and the element library, alive from load to unload.
extern TTextBase TextBase;
extern TADTable ABaseDetail;

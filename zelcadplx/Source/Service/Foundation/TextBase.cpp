#include "TextBase.h"

#include "Dictionary.h"
#include "LoadOrder.h"
#include "Messager.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

static_assert(sizeof(TTicknessMoldBase) == 13 * sizeof(double), "a plate row is 13 values");
static_assert(sizeof(TSocketMoldBaseFCPK) == 18 * sizeof(double), "a socket row is 18 values");

[[gnu::init_priority(loadorder::ElementLibrary)]] TTextBase TextBase;
[[gnu::init_priority(loadorder::ElementLibrary)]] TADTable ABaseDetail;

namespace {

// Counts above this are taken for damage, not for a table.
constexpr Integer MaxColumns = 4096;

// Consumes up to the next '#'; false at the end of the file.
bool NextRecord(TTextBase& TB)
{
    for (char16_t c = TB.GetWChar(); c != 0; c = TB.GetWChar())
        if (c == u'#') return true;
    return false;
}

int Digit(double Code, int Power)
{
    const long long code = std::llabs(static_cast<long long>(std::clamp(Code, -1e9, 1e9)));
    return static_cast<int>((code / Power) % 10);
}

void ShowDamaged(const TString& Name, const TTextBase& TB)
{
    Messager.LiftBox(TString("ZelMould::  ") + DC("Повреждена запись библиотеки элементов") + TString(" '") +
                         Name + TString("' ") + TB.ExecutePath + TB.NameTextBase,
                     TMessager::toAlways);
}

} // namespace

// ---------------------------------------------------------------------------------------
// TTextBase

bool TTextBase::Init(const TString& iExecutePath, const TString& iName)
{
    NameTextBase = iName;
    ExecutePath = iExecutePath;
    return Open(true);
}

void TTextBase::CouplingLS(TAStr& Result)
{
    Result.Clear();
    if (!Active) return;
    Rewind();
    const TString auxiliary = DC("Вспомогательный");
    while (NextRecord(*this)) {
        GetWChar();
        const TString name = GetStr();
        GetStr();
        if (!(GetStr() == auxiliary)) Result.Add(name);
    }
}

TTable* TTextBase::GetTable(const TString& Name)
{
    if (!Active) return nullptr;
    Rewind();
    while (NextRecord(*this)) {
        GetWChar();
        if (!(GetStr() == Name)) continue;
        GetStr();
        const TString gost = GetStr();
        const int columns = GetInt();
        const int control = GetInt();
        SkipTo(u'{');
        std::vector<double> values;
        for (Skip(u' '); NextWChar() != u'}'; Skip(u' ')) {
            if (NextWChar() == 0 || static_cast<Integer>(values.size()) >= TDTable::MaxValues) return nullptr;
            values.push_back(GetReal());
        }
        if (columns <= 0 || columns > MaxColumns || control < 0 || control >= columns) return nullptr;
        auto* table = new TTable(static_cast<int>(values.size()), columns, control, values.data());
        table->Name = Name;
        table->GOST = gost;
        return table;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------
// TDTable

TDTable::TDTable(const TString& iName, TTextBase& TB) : Name(iName)
{
    Manufacturer = TB.GetStr();
    Type = TB.GetStr();
    ID = TB.GetInt();
    makeID = TB.GetInt();
    pictureID = TB.GetInt();
    Params = TB.GetInt();
    Params2 = TB.GetInt();
    if (Params < 0 || Params > MaxColumns || Params2 < 0 || Params2 > MaxColumns) {
        Damaged = true;
        Params = Params2 = 0;
        return;
    }
    const Integer names = Params * 2 + 2;
    TB.Skip(u' ');
    TB.GetWChar();
    TB.Skip(u' ');
    TB.GetWChar();
    while (TB.NextWChar() != u'}') {
        if (TB.NextWChar() == 0) {
            Damaged = true;
            return;
        }
        const TString text = TB.GetStr();
        if (NameParam.Count < names) NameParam.Add(text);
        TB.SkipDelimiter();
    }
    TB.GetWChar();
    // A short names block leaves the missing names empty.
    while (NameParam.Count < names)
        NameParam.Add(TString());
    if (Params != 0) {
        if (!ReadValues(TB, pBase)) return;
        Count = static_cast<Integer>(pBase.size()) / Params;
        pBase.resize(static_cast<std::size_t>(Count * Params));
    }
    if (Params2 != 0) {
        if (!ReadValues(TB, pBase2)) return;
        Count2 = static_cast<Integer>(pBase2.size()) / Params2;
        pBase2.resize(static_cast<std::size_t>(Count2 * Params2));
    } else {
        TB.Skip(u' ');
        TB.GetWChar();
    }
}

bool TDTable::ReadValues(TTextBase& TB, std::vector<double>& Values)
{
    TB.Skip(u' ');
    TB.GetWChar(); // the opening brace
    for (TB.Skip(u' '); TB.NextWChar() != u'}'; TB.Skip(u' ')) {
        if (TB.NextWChar() == 0 || static_cast<Integer>(Values.size()) >= MaxValues) {
            Damaged = true;
            return false;
        }
        Values.push_back(TB.GetReal());
    }
    TB.GetWChar();
    return true;
}

Integer TDTable::ColumnOfValue(Integer k) const
{
    for (Integer j = 0; Count > 0 && j < Params; ++j)
        if (Digit(pBase[j], 10) == k) return j;
    return -1;
}

Integer TDTable::LastColumnOfValue(Integer k) const
{
    for (Integer j = Count > 0 ? Params - 1 : -1; j >= 0; --j)
        if (Digit(pBase[j], 10) == k) return j;
    return -1;
}

// ---------------------------------------------------------------------------------------
// TADTable: loading

void TADTable::Set(const TString& iPath, const TString& iFileName)
{
    Path = iPath;
    const TChar last = iPath.Empty() ? TChar(0) : iPath[iPath.Length() - 1];
    if (last != '/' && last != '\\') Path += TChar('/');
    FileName = iFileName;
}

void TADTable::Init()
{
    if (Activate) return;
    if (TextBase.Init(Path, FileName)) Init(TextBase);
    Activate = true;
}

int TADTable::Init(const TString& iPath, const TString& iFileName)
{
    if (Active || Activate) return 0;
    if (TextBase.Init(iPath, iFileName))
        Init(TextBase);
    else
        Messager.LiftBox(DC("Отсутствует файл ") + iPath + iFileName + DC(" Библиотеки элементов "),
                         TMessager::toAlways);
    return 0;
}

void TADTable::Init(TTextBase& TB)
{
    if (Activate) return;
    Activate = true;
    while (Count < MaxDetails && NextRecord(TB)) {
        const TString name = TB.GetStr();
        auto record = std::make_unique<TDTable>(name, TB);
        if (record->Damaged)
            ShowDamaged(name, TB);
        else
            Details[Count++] = std::move(record);
    }
    Active = Count > 0;
}

// ---------------------------------------------------------------------------------------
// TADTable: lookups

int TADTable::Index(int ID) const
{
    for (Integer i = 0; i < Count; ++i)
        if (Details[i]->ID == ID) return i;
    return -1;
}

TDTable* TADTable::GetTable(int ID) const
{
    const int i = Index(ID);
    return i < 0 ? nullptr : Details[i].get();
}

const TTicknessMoldBase* TADTable::TicknessMold(int ID, int Row) const
{
    const TDTable* d = GetTable(ID);
    if (!d || d->Params2 < 13 || Row < 0 || Row >= d->Count2) return nullptr;
    return reinterpret_cast<const TTicknessMoldBase*>(d->pBase2.data() + Row * d->Params2);
}

const TSocketMoldBaseFCPK* TADTable::SocketMold(int ID, int Row) const
{
    const TDTable* d = GetTable(ID);
    if (!d || d->Params < 18 || !d->HasRow(Row)) return nullptr;
    return reinterpret_cast<const TSocketMoldBaseFCPK*>(d->pBase.data() + Row * d->Params);
}

int TADTable::ThicknessCount(int ID) const
{
    const TDTable* d = GetTable(ID);
    return d ? d->Count2 : -1;
}

int TADTable::SocketCount(int ID) const
{
    const TDTable* d = GetTable(ID);
    return d ? d->Count : -1;
}

double TADTable::ParStDet(int DetailId, int Index, int I) const
{
    const TDTable* d = GetTable(DetailId);
    if (!d || Index < 1 || I < 1 || !d->HasRow(Index) || I > d->Params) return 0.0;
    return d->Cell(Index, I - 1);
}

const double* TADTable::ParStDet(int DetailId, int Index) const
{
    const TDTable* d = GetTable(DetailId);
    if (!d || Index < 1 || !d->HasRow(Index)) return nullptr;
    return d->pBase.data() + Index * d->Params;
}

bool TADTable::Params(int DetailId, int Row, TAReal& AParams) const
{
    AParams.Clear();
    const TDTable* d = GetTable(DetailId);
    if (!d || Row < 1 || !d->HasRow(Row)) return false;
    AParams.Add(0.0);
    for (Integer j = 0; j < d->Params; ++j)
        AParams.Add(d->Cell(Row, j));
    return true;
}

bool TADTable::GetStDet(int DetailId, int Index, double& P1, double& P2, double& P3) const
{
    const TDTable* d = GetTable(DetailId);
    if (!d || !d->HasRow(Index) || d->Params < 5) return false;
    P1 = d->Cell(Index, 2);
    P2 = d->Cell(Index, 3);
    P3 = d->Cell(Index, 4);
    return true;
}

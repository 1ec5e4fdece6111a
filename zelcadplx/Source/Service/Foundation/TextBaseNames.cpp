// The element library's choice lists, designations and the selection of a standard row.
#include "TextBase.h"

#include "Messager.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double IntegerTolerance = 0.005; // a designation value this near an integer is one

const char* const PlateCodes[24] = {
    "PK01", "PK02", "PK21", "PK03", "PK04", "PK05", "PK06", "PK07", //
    "K10",  "K12",  "K15",  "K20",  "K30",  "K40",  "K60",  "K70",  //
    "PD-C", "",     "PS",   "PI-Z", "PX-Z", "D-N",  "TE-S", "TE-I",
};

int CodeDigit(double Code, int Power)
{
    const long long code = std::llabs(static_cast<long long>(std::clamp(Code, -1e9, 1e9)));
    return static_cast<int>((code / Power) % 10);
}

bool Contains(const TAStr& List, const TString& S)
{
    for (Integer i = 0; i < List.Count; ++i)
        if (List[i] == S) return true;
    return false;
}

bool Matches(const TString& Filter, const TString& Value)
{
    return Filter == TString("*") || Filter == Value;
}

// The first list entry: the wildcard unless the caller adds to its own list.
void StartList(TAStr& List, bool Add, const TString& AllParam)
{
    List.Clear();
    if (!Add) List.Add(AllParam);
}

} // namespace

void TADTable::GetManufactures(TAStr& AManufactures, bool Add) const
{
    StartList(AManufactures, Add, AllParam);
    for (Integer i = 0; i < Count; ++i)
        if (!Contains(AManufactures, Details[i]->Manufacturer)) AManufactures.Add(Details[i]->Manufacturer);
}

void TADTable::GetTypes(const TString& Manufacturer, TAStr& ATypes, bool Add) const
{
    StartList(ATypes, Add, AllParam);
    for (Integer i = 0; i < Count; ++i) {
        const TDTable& d = *Details[i];
        if (Matches(Manufacturer, d.Manufacturer) && !Contains(ATypes, d.Type)) ATypes.Add(d.Type);
    }
}

void TADTable::GetDetails(const TString& Manufacturer, const TString& Type, TAStr& ADetails,
                          TArrayOf<int>& AIdDetails) const
{
    ADetails.Clear();
    AIdDetails.Clear();
    for (Integer i = 0; i < Count; ++i) {
        const TDTable& d = *Details[i];
        if (d.makeID == 0 || !Matches(Manufacturer, d.Manufacturer) || !Matches(Type, d.Type)) continue;
        if (Contains(ADetails, d.Name)) {
            Messager.LiftBox(TString("Повторяется ") + d.Name, TMessager::toAlways);
            continue;
        }
        ADetails.Add(d.Name);
        AIdDetails.Add(d.ID);
    }
}

TBaseDetail TADTable::GetPlate(int ID, int IBase, int TPlate, double Limit, double& Thickness) const
{
    const TBaseDetail none{0, -1, -1};
    const TDTable* d = GetTable(ID);
    if (Limit == 0 || !d) return none;
    for (Integer row = 0; row < d->Count2; ++row) {
        const TTicknessMoldBase* plate = TicknessMold(ID, row);
        if (!plate || plate->IBase != IBase || plate->TPlate != TPlate) continue;
        const double L = std::fabs(Limit);
        int k = 0;
        while (k < 10 && plate->T[k] < L && plate->T[k + 1] != 0)
            ++k;
        if (Limit < 0 && plate->T[k] != L) --k;
        // Nothing lies below the thinnest plate.
        if (k < 0) return none;
        Thickness = plate->T[k];
        return TBaseDetail{ID, k, row};
    }
    return none;
}

bool TADTable::GetParam(int IdDetail, int Number, TString& Name, TString& Comment, TAStr& AValues) const
{
    const TDTable* d = GetTable(IdDetail);
    if (!d) return false;
    const Integer j = d->LastColumnOfValue(Number);
    if (j < 0) return false;
    Name = d->NameParam[2 + 2 * j];
    Comment = d->NameParam[3 + 2 * j];
    AValues.Clear();
    AValues.Add(AllParam);
    for (Integer row = 1; row < d->Count; ++row) {
        const TString text(d->Cell(row, j), 2, true, 7);
        if (!Contains(AValues, text)) AValues.Add(text);
    }
    return true;
}

bool TADTable::GetSpcDetail(int IdDetail, const TString& P1, const TString& P2, const TString& P3,
                            TAStr& AValues, TArrayOf<int>& AIndex) const
{
    AValues.Clear();
    AIndex.Clear();
    const TDTable* d = GetTable(IdDetail);
    if (!d) return false;
    const TString* filters[3] = {&P1, &P2, &P3};
    for (Integer row = 1; row < d->Count; ++row) {
        bool keep = true;
        for (int k = 1; k <= 3 && keep; ++k) {
            const TString& f = *filters[k - 1];
            const Integer j = d->ColumnOfValue(k);
            if (j < 0 || f.Empty() || f == TString("*")) continue;
            keep = std::fabs(d->Cell(row, j) - f.toReal()) <= TTable::EqualTolerance;
        }
        if (!keep) continue;
        AValues.Add(Name(TBaseDetail{d->ID, row, -1}));
        AIndex.Add(row);
    }
    return true;
}

TString TADTable::PlateName(const TDTable& D, const TBaseDetail& DC) const
{
    const TTicknessMoldBase* plate = TicknessMold(D.ID, DC.Index2);
    const TSocketMoldBaseFCPK* socket = plate ? SocketMold(D.ID, static_cast<int>(plate->IBase)) : nullptr;
    const int group = D.ID / 100;
    const int t = plate ? static_cast<int>(plate->TPlate) : 0;
    const int c = t == 21 ? 2 : (t == 1 || t == 2) ? t - 1 : (t >= 3 && t <= 7) ? t : -1;
    if (!socket || group < 0 || group > 2 || c < 0 || DC.Index < 0 || DC.Index > 10) return TString();
    TString s(PlateCodes[group * 8 + c]);
    s += TString("-");
    s += TString(Integer(socket->X), 3);
    s += TString("*");
    s += TString(Integer(socket->Y), 3);
    s += TString("*");
    s += TString(Integer(plate->T[DC.Index]), 2);
    s += TString("/");
    s += TString(Integer(plate->IBase), 2);
    return s;
}

TString TADTable::Name(const TBaseDetail& DC) const
{
    const TDTable* d = GetTable(DC.ID);
    if (!d) return TString();
    if (d->ID % 100 == 1 && DC.Index2 != -1) return PlateName(*d, DC);
    if (DC.Index < 1 || !d->HasRow(DC.Index)) return TString();
    TString s = d->NameParam[0];
    for (Integer k = 1;; ++k) {
        const Integer j = d->ColumnOfValue(k);
        if (j < 0) break;
        const double code = d->pBase[j];
        const int separator = CodeDigit(code, 100);
        if (separator == 1 || separator == 3) s += TChar('-');
        if (separator == 2) s += TChar('x');
        const int digits = CodeDigit(code, 1);
        const double v = d->Cell(DC.Index, j);
        if (std::fabs(v - std::round(v)) <= IntegerTolerance && std::fabs(v) < 2e9)
            s += TString(Integer(std::lround(v)), digits);
        else
            s += TString(v, digits, true, 7);
    }
    return s;
}

namespace {

// The first row of the run of rows above Row that agree with it in Column and in the
// columns of the values before it.
Integer RunStart(const TDTable& D, Integer Row, Integer Column, const Integer* Before, int CountBefore)
{
    const auto same = [&](Integer a, Integer b) {
        if (D.Cell(a, Column) != D.Cell(b, Column)) return false;
        for (int i = 0; i < CountBefore; ++i)
            if (D.Cell(a, Before[i]) != D.Cell(b, Before[i])) return false;
        return true;
    };
    while (Row > 1 && same(Row - 1, Row))
        --Row;
    return Row;
}

} // namespace

int TADTable::IndexStDet(int DetailId, int IP1, double P1, int IP2, double P2, int IP3, double P3) const
{
    const TDTable* d = GetTable(DetailId);
    if (!d) return 0;
    const int IP[3] = {IP1, IP2, IP3};
    const double P[3] = {P1, P2, P3};
    Integer column[3] = {0, 0, 0};
    int m = 0;
    for (int k = 1; k <= 3; ++k) {
        if (d->ColumnOfValue(k) < 0) continue;
        if (IP[k - 1] == 0 || std::abs(IP[k - 1]) > d->Params) return 0;
        column[m++] = std::abs(IP[k - 1]) - 1;
    }
    if (m == 0) return 1;
    if (d->Count < 2) return 0;
    Integer r = 1;
    int v = 1;
    while (r < d->Count && v <= m) {
        const Integer col = column[v - 1];
        const double e = d->Cell(r, col);
        const double p = P[v - 1];
        const bool hasNext = r + 1 < d->Count;
        const bool groupGoesOn =
            v == 1 || (hasNext && d->Cell(r + 1, column[v - 2]) == d->Cell(r, column[v - 2]));
        if (e == p) {
            ++v;
        } else if (IP[v - 1] > 0) {
            if (p < e) return 0;
            if (!hasNext || p < d->Cell(r + 1, col) || !groupGoesOn) {
                r = RunStart(*d, r, col, column, v - 1);
                ++v;
            } else {
                ++r;
            }
        } else if (p < e) {
            ++v;
        } else {
            if (!hasNext || !groupGoesOn) return 0;
            ++r;
        }
    }
    return v > m ? r : 0;
}

int TADTable::IndexStDet(int DetailId, const double& P1, const double& P2, const double& P3) const
{
    const TDTable* d = GetTable(DetailId);
    if (!d) return 0;
    int ip[3];
    for (int k = 1; k <= 3; ++k)
        ip[k - 1] = d->ColumnOfValue(k) + 1;
    return IndexStDet(DetailId, ip[0], P1, ip[1], P2, ip[2], P3);
}

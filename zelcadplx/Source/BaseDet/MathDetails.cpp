// The frame every standard component follows: stream records, sizes from the element
// library, the plan symbol of four corners, the part's colour, and the requirement texts.

#include "MathDetailsl.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "GImage.h"
#include "KmfData.h"
#include "LoadOrder.h"
#include "Mathemat.h"
#include "Messager.h"
#include "TControlModel.h"
#include "TDemStr.h"
#include "TextBase.h"
#include "drModelerAPI.h"

TControlModel* ComponentModel()
{
    return drApi::LibraryControlModel;
}

Boolean ComponentExists(TDcDetail Det)
{
    if (Det == 0) return true;
    const TControlModel* model = ComponentModel();
    return model && model->ExistDetail(Det);
}

// ---- Stream records -----------------------------------------------------------------------

TRecordReader::TRecordReader(TKmfData& S) : FS(S), FFailed(S.ErrorReadFromFileToBufer) {}

Integer TRecordReader::Version() const
{
    return FS.Version();
}

TRecordReader& TRecordReader::operator()(Boolean& V)
{
    Byte b = 0;
    FS.Read(b);
    FBooleans.emplace_back(&V, b != 0);
    return *this;
}

TRecordReader& TRecordReader::operator()(Integer& V)
{
    Integer v = 0;
    FS.Read(v);
    FIntegers.emplace_back(&V, v);
    return *this;
}

TRecordReader& TRecordReader::operator()(Real& V)
{
    Real v = 0.0;
    FS.Read(v);
    FReals.emplace_back(&V, v);
    return *this;
}

TRecordReader& TRecordReader::operator()(Real* V, Integer Count)
{
    for (Integer i = 0; i < Count; ++i)
        (*this)(V[i]);
    return *this;
}

Boolean TRecordReader::Commit()
{
    if (FFailed || FS.ErrorReadFromFileToBufer) return false;
    for (auto& [p, v] : FBooleans)
        *p = v;
    for (auto& [p, v] : FIntegers)
        *p = v;
    for (auto& [p, v] : FReals)
        *p = v;
    return true;
}

void WriteHead(TKmfData& S, const TDetail& D)
{
    S << D.Design;
    S.Write(D.Code);
}

void WriteReals(TKmfData& S, std::initializer_list<Real> Values)
{
    for (const Real v : Values)
        S.Write(v);
}

Integer ClampedCount(Integer Count)
{
    return std::clamp(Count, Integer(0), MaxStoredCount);
}

// ---- Plan symbol and sizes ----------------------------------------------------------------------

void ShowCorners(const TDetail& D, const TRect2D& Rect, TGImage& Image, const TColor& Color, Real r)
{
    if (!D.Design) return;
    Image.drColorStyle(Color, TPenStyles(1));
    Image.drCircle(Rect.RU.x, Rect.RU.y, r);
    Image.drCircle(Rect.RU.x, Rect.LD.y, r);
    Image.drCircle(Rect.LD.x, Rect.RU.y, r);
    Image.drCircle(Rect.LD.x, Rect.LD.y, r);
}

Integer SelectRow(TDetail& D, Integer type, Boolean Init, Integer IP1, Real P1, Integer IP2, Real P2,
                  Integer IP3, Real P3)
{
    if (Init) ABaseDetail.Init();
    const Integer row = ABaseDetail.IndexStDet(type, IP1, P1, IP2, P2, IP3, P3);
    if (row != 0) {
        D.Code = type * 1000 + row;
        if (TControlModel* model = ComponentModel()) model->SetCodeDet(D.Id, type, row, 0);
    }
    D.Design = row != 0;
    return row;
}

namespace {

// Whether a key lies beyond the values its column holds among the rows that agree with `row`
// in the keys before it: above the greatest for a positive key, below the least for a negative;
// a key that is no number lies beyond them all.
Boolean OutsideColumns(const TDTable& d, Integer row, std::initializer_list<TTableKey> Keys)
{
    std::vector<Integer> before;
    for (const TTableKey& k : Keys) {
        const Integer col = std::abs(k.Column) - 1;
        if (col < 0 || col >= d.Params) continue;
        Real lo = 0, hi = 0;
        Boolean any = false;
        for (Integer r = 1; r < d.Count; ++r) {
            if (!std::all_of(before.begin(), before.end(),
                             [&](Integer c) { return d.Cell(r, c) == d.Cell(row, c); }))
                continue;
            const Real v = d.Cell(r, col);
            lo = any ? std::min(lo, v) : v, hi = any ? std::max(hi, v) : v, any = true;
        }
        if (any && (k.Column > 0 ? !(k.Value <= hi + TMathDef::metricPrecision)
                                 : !(k.Value >= lo - TMathDef::metricPrecision)))
            return true;
        before.push_back(col);
    }
    return false;
}

TString KeyText(std::initializer_list<TTableKey> Keys)
{
    TString s;
    for (const TTableKey& k : Keys)
        if (k.Column != 0) s += (s.Empty() ? TString() : TString(" x ")) + TString(k.Value, 2, true, 0);
    return s;
}

} // namespace

void TellOutsideTable(Integer type, Integer row, std::initializer_list<TTableKey> Keys)
{
    const TDTable* d = ABaseDetail.GetTable(type);
    if (row != 0 && !(d && d->HasRow(row) && OutsideColumns(*d, row, Keys))) return;
    const TString told = DC("Размер вне таблицы") + " " + TString(type) + ": " + KeyText(Keys) + "; " +
                         (row != 0 ? DC("взята строка") + " " + TString(row) : DC("строки нет"));
    Messager.LiftBox(told, TMessager::toApi);
}

Real TablePar(Integer type, Integer row, Integer c)
{
    return ABaseDetail.ParStDet(type, row, c);
}

void ColorComponent(TModeler3D& M)
{
    M.drColor3D(0x909090, 0.8, 0.6, 0.95, 0.95, 1.0, 0.8);
}

TPartBracket::TPartBracket(TModeler3D& M, TDcDetail Id, std::initializer_list<Real> Sizes,
                           tvapi::tvObj3dTypeEnum Plane, TFinish Finish)
    : FM(M), FFinish(Finish), FOpen(M.drCreate3DNewPartPlane(Id, 0, true, Plane, 0.0)),
      FExceptions(std::uncaught_exceptions())
{
    if (!FOpen) return;
    const TControlModel* model = ComponentModel();
    FSize = model ? model->NameDet(Id, 0) : TString();
    const char* separator = " ";
    for (const Real v : Sizes) {
        FSize = FSize + separator + TString(v, 2, true, 0);
        separator = "*";
    }
    Expect(1);
}

void TPartBracket::Expect(Integer Bodies) const
{
    if (FOpen) FM.drExpect3D(Bodies, FSize);
}

TPartBracket::~TPartBracket() noexcept(false)
{
    if (!FOpen) return;
    if (std::uncaught_exceptions() == FExceptions) {
        if (FFinish == Coloured) ColorComponent(FM);
        FM.drClose3D(true, Quor::TSectionSpc(0));
        return;
    }
    try {
        FM.drClose3D(true, Quor::TSectionSpc(0));
    } catch (...) {
        // The scope is already unwinding; the host keeps what it has.
    }
}

void TPartBracket::Revolve() const
{
    FM.drBaseRotate(0, 360.0);
}

void TPartBracket::SaveInCatalogue(const TString& Name, const TString& Note, Integer Type)
{
    ColorComponent(FM);
    FM.drSet(Name, "", Note, Type);
    FM.drSave3D(true, false);
    FOpen = false;
}

TSheetBracket::TSheetBracket(TModeler3D& M, TDcDetail Id, Real x, Real y, const TString& Demand1,
                             const TString& Demand2, const TString& Demand3, const TString& Demand4)
    : FM(M), FDemands{Demand1, Demand2, Demand3, Demand4}, FOpen(M.drLeafStampView1(Id, 0, x, y, true)),
      FExceptions(std::uncaught_exceptions())
{
}

TSheetBracket::~TSheetBracket() noexcept(false)
{
    if (!FOpen) return;
    if (std::uncaught_exceptions() == FExceptions) {
        FM.drCloseViewTDemCloseLeaf(FDemands[0], FDemands[1], FDemands[2], FDemands[3]);
        return;
    }
    try {
        FM.drCloseViewTDemCloseLeaf(FDemands[0], FDemands[1], FDemands[2], FDemands[3]);
    } catch (...) {
        // The scope is already unwinding; the host keeps what it has.
    }
}

Real HalfChord(Real r, Real d)
{
    return std::sqrt(std::abs(r * r - d * d));
}

void RoughMark(TModeler3D& M, Real x, Real y, Real angle, const char* text)
{
    M.drRough(x, y, angle, tvapi::tvRoughSignEnum(0), text, "", "");
}

// ---- Requirement texts ------------------------------------------------------------------------

[[gnu::init_priority(loadorder::Requirements)]] const TString TDemStr[CountDemStr] = {
    "",
    " $*;$ Размеры для справок",
    " 48...52 HRCэ",
    " Покрытие поверхности шероховатостью  0,2 - X12тв.",
    " 42...46 HRCэ",
    " 45...48 HRCэ",
    " 52...56 HRCэ",
    " Покрытие поверхности шероховатостью  0,1 - X12тв.",
    " Цементировать на глубину  0,6...0,8 мм.; 56...61 HRCэ",
    " 41...47 HRCэ",
    " Покрытие поверхности шероховатостью  0,16 - X12тв.",
    " Неуказанные предельные отклонения размеров: ",
    "   отверстий - по Н14, валов - по h14, ",
    "   остальные - по Js14.",
    " Неуказанные предельные отклонения по H14, h14, Js14",
    " Технические требования  по ГОСТ16722-71",
    " 44...48 HRCэ",
    " 58...62 HRCэ",
    " Цементировать на глубину 0,5...0,8мм.",
    " Неуказанные предельные отклонения по h14, Js14",
    " Неуказанные предельные отклонения по h12, Js12",
    " 58...60 HRCэ",
    " Исполнить по пуансонах с зазором",
    " Переднюю сторону штампа покрасить в желтый цвет",
    " Маркеровать -",
    " Цементировать на глубину 0,8...1,2 мм.; 56...61 HRCэ",
    " Цементировать на глубину 0,8...1,2 мм.; 52...56 HRCэ",
    " 30...34 HRCэ",
    " 32...36 HRCэ",
    " 36...40 HRCэ",
    " Неуказанные радиусы скруглений  0.5 мм ",
    " 62...66 HRCэ",
    " Неуказанные предельные отклонения угловых размеров до 20 ",
    " Хим. окс. прм.",
    " * Длина посадки h7",
    " 42...46 HRCэ, кроме места указанного особо",
    " * Поверхность шероховатостью 6,3 ",
    " Коническая поверхность шероховатостью 0,2 ",
    " Замок выполнить по ползуну обеспечив плотное закрывание",
    " * Длинну выполнить по месту",
    " 50...54 HRCэ",
};

[[gnu::init_priority(loadorder::Requirements)]] const TString Qual[CountQual] = {
    "", "&03~0,01", "&03~0,1", "&03~0,2", "&03~0,04", "&03~0,02"};

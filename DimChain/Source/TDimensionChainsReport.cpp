// The chain report: a plain text file beside the document, one block per chain with its
// method and risk factor and one TAB-separated line per link, in the 8-bit code page.

#include "TDimensionChains.h"

#include "KmfData.h"
#include "Messager.h"

#include <cmath>

namespace {

constexpr Real ShownAngle = 1e-5; // smaller angular deviations are left blank
constexpr int ChainRule = 104;
constexpr int ClosingRule = 88;
constexpr char Tab = '\t';

TString Rule(int Dashes)
{
    TString line;
    for (int i = 0; i < Dashes; ++i)
        line += '-';
    line += ' ';
    return line;
}

TString Fixed(Real Value, int Digits)
{
    return TString(Value, Digits, true, 7);
}

// The conversion letter of a transformed angular, diametral or radial link.
TString ConversionLetter(const TDimension& L)
{
    if (!L.Transformation) return TString();
    switch (L.Type) {
    case tvapi::tvDrADimension:
        return TString("A");
    case tvapi::tvDrDDimension:
        return TString("D");
    case tvapi::tvDrRDimension:
        return TString("R");
    default:
        return TString();
    }
}

TString Angle(Real Value)
{
    TString text;
    if (std::fabs(Value) > ShownAngle) text.DegreesAngle(Value, false);
    return text;
}

TString MethodName(TMethodCalculating Method)
{
    if (Method < mcMinMax || Method >= eMethodCalculating.Count) return TString();
    return eMethodCalculating[Method];
}

void WriteField(TKmfData& f, const TString& Text)
{
    f.WriteText(Text);
    f.Write(Tab);
}

void WriteLink(TKmfData& f, const TDimensionChain& C, Integer Chain, Integer k)
{
    const TDimension& L = C.Dimensions[k];
    const bool closing = C.Closed && k == C.Count() - 1;
    TString number = TString(Chain + 1, 2);
    number += ".";
    number += TString(k, 2);
    if (closing) number += "*";
    WriteField(f, number);
    // A stored chain may hold more links than the mask has bits: those count as "-".
    const bool plus = k < 31 && ((C.StateClosed >> k) & 1);
    WriteField(f, TString(plus ? "+" : "-"));
    WriteField(f, Fixed(L.V2.Len(), 2));
    WriteField(f, Fixed(L.QHigh, 3));
    WriteField(f, Fixed(L.QLow, 3));
    WriteField(f, ConversionLetter(L));
    WriteField(f, Angle(L.AQHigh));
    WriteField(f, Angle(L.AQLow));
    WriteField(f, Fixed(L.EQHigh, 3));
    WriteField(f, Fixed(L.EQLow, 3));
    WriteField(f, Fixed(L.dLdT, 3));
    WriteField(f, Fixed(L.dT, 3));
    f.WriteTextLn(L.Comment);
}

void WriteChain(TKmfData& f, const TDimensionChain& C, Integer Chain)
{
    f.WriteTextLn(Rule(ChainRule));
    f.WriteTextLn(TString("Метод расчета : ") + MethodName(C.MethodCalculating));
    f.WriteTextLn(TString("Риск фактор   : ") + Fixed(C.RiskFactor, 2));
    for (Integer k = 0; k < C.Count(); ++k) {
        if (C.Closed && k == C.Count() - 1) {
            f.WriteTextLn(TString());
            f.WriteTextLn(Rule(ClosingRule));
        }
        WriteLink(f, C, Chain, k);
    }
}

// The last "." of a path, when it lies in the file's own name; 0 when none does.
Integer ExtensionDot(const TString& Name)
{
    const Integer dot = Name.RFind('.');
    const Integer slash = Name.RFind('/');
    return dot > slash ? dot : 0;
}

} // namespace

Boolean TDimensionChains::toTextFile(const TString& FileName) const
{
    TKmfData f;
    if (!f.MakeForWrite(FileName, true)) {
        f.Close();
        return false;
    }
    f.WriteTextLn(TString("Цепь    Н       Ном.    ВО      НО      П   У.ВО     У.НО       Д.ВО    Д.НО    "
                          "dl/dT   dT    Примечание"));
    for (Integer i = 0; i < DimChains.Count; ++i)
        WriteChain(f, DimChains[i], i);
    return f.Close();
}

TString TDimensionChains::ReportFileName(const TString& DocumentName)
{
    const Integer dot = ExtensionDot(DocumentName);
    if (dot == 0) return TString();
    TString name(DocumentName);
    name.SetLength(dot);
    name += "txt";
    return name;
}

Boolean TDimensionChains::SaveReport(const TString& DocumentName) const
{
    const TString name = ReportFileName(DocumentName);
    if (name.Empty()) {
        Messager.LiftBox(TString("Создание отчета невозможно! Сохраните сначала чертеж!"),
                         TMessager::toAlways);
        return false;
    }
    if (!toTextFile(name)) {
        Messager.LiftBox(TString("Не удалось записать файл отчета ") + name, TMessager::toAlways);
        return false;
    }
    Messager.LiftBox(TString("Создан файл отчета ") + name, TMessager::toAlways);
    return true;
}

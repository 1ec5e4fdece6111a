// The chain report: a plain text file beside the document, one block per chain with its
// method and risk factor and one TAB-separated line per link, in the 8-bit code page.

#include "TDimensionChains.h"

#include "FileIo.h"
#include "KmfData.h"
#include "Messager.h"
#include "TFileName.h"

#include <cmath>
#include <string_view>

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
    const bool plus = k < TDimensionChain::SignBits && ((C.StateClosed >> k) & 1);
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

// The last "." of a path, when it lies in the file's own name; npos when none does.
std::size_t ExtensionDot(const std::wstring& Name)
{
    const std::size_t dot = Name.rfind(L'.');
    const std::size_t slash = Name.rfind(L'/');
    return dot != std::wstring::npos && (slash == std::wstring::npos || dot > slash) ? dot
                                                                                     : std::wstring::npos;
}

} // namespace

Boolean TDimensionChains::toTextFile(const std::wstring& FileName) const
{
    TKmfData f;
    f.WriteTextLn(TString("Цепь    Н       Ном.    ВО      НО      П   У.ВО     У.НО       Д.ВО    Д.НО    "
                          "dl/dT   dT    Примечание"));
    for (Integer i = 0; i < DimChains.Count; ++i)
        WriteChain(f, DimChains[i], i);
    std::vector<Byte> blob;
    f.to(blob);
    const std::string_view text(reinterpret_cast<const char*>(blob.data()) + TKmfData::SizeHeader,
                                blob.size() - TKmfData::SizeHeader);
    std::string error;
    return WriteFileAtomically(SystemFileName(FileName), text, error);
}

std::wstring TDimensionChains::ReportFileName(const std::wstring& DocumentName)
{
    const std::size_t dot = ExtensionDot(DocumentName);
    if (dot == std::wstring::npos || dot == 0) return std::wstring();
    return DocumentName.substr(0, dot + 1) + L"txt";
}

Boolean TDimensionChains::SaveReport(const std::wstring& DocumentName) const
{
    const std::wstring name = ReportFileName(DocumentName);
    if (name.empty()) {
        Messager.LiftBox(TString("Создание отчета невозможно! Сохраните сначала чертеж!"),
                         TMessager::toAlways);
        return false;
    }
    if (!toTextFile(name)) {
        Messager.LiftBox(TString("Не удалось записать файл отчета ") + TString(name), TMessager::toAlways);
        return false;
    }
    Messager.LiftBox(TString("Создан файл отчета ") + TString(name), TMessager::toAlways);
    return true;
}

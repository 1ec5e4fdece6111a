// The chain report: a plain text file beside the document, one block per chain with its
// method and risk factor and one TAB-separated line per link, in the 8-bit code page.

#include "TDimensionChains.h"

#include "FileIo.h"
#include "KmfData.h"
#include "Messager.h"
#include "TFileName.h"
#include "TLinkText.h"

#include <cmath>
#include <string_view>

namespace {

constexpr int ChainRule = 104;
constexpr int ClosingRule = 88;
constexpr char Tab = '\t';
// Names tried beside the usual one when something else holds it: "x.report.txt" and then
// "x.report-2.txt" up to this number.
constexpr int MaxReportNames = 99;

const char* const HeaderLine =
    "Цепь    Н       Ном.    ВО      НО      П   У.ВО     У.НО       Д.ВО    Д.НО    "
    "dl/dT   dT    Примечание";

TString Rule(int Dashes)
{
    TString line;
    for (int i = 0; i < Dashes; ++i)
        line += '-';
    line += ' ';
    return line;
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
    WriteField(f, LinkText::Label(Chain + 1, k, closing));
    // A stored chain may hold more links than the mask has bits: those count as "-".
    WriteField(f, TString(C.Plus(k) ? "+" : "-"));
    const TShownFigures shown = L.Shown(); // as the grid shows them
    WriteField(f, LinkText::Number(shown.Nominal, 2));
    WriteField(f, LinkText::Number(shown.QHigh));
    WriteField(f, LinkText::Number(shown.QLow));
    WriteField(f, ConversionLetter(L));
    WriteField(f, LinkText::Angle(L.AQHigh));
    WriteField(f, LinkText::Angle(L.AQLow));
    WriteField(f, LinkText::Number(L.EQHigh));
    WriteField(f, LinkText::Number(L.EQLow));
    WriteField(f, LinkText::Number(L.dLdT));
    WriteField(f, LinkText::Number(L.dT));
    f.WriteTextLn(C.ShownNote(k));
}

void WriteChain(TKmfData& f, const TDimensionChain& C, Integer Chain)
{
    // The labels describe the figures below them: the settings they were calculated with.
    const TChainSettings used = C.FigureSettings();
    f.WriteTextLn(Rule(ChainRule));
    if (C.IsTooLong()) { // never calculated: no method stands above it
        f.WriteTextLn(TString(TDimensionChain::TooLongText));
    } else {
        f.WriteTextLn(TString("Метод расчета : ") + MethodName(used.Method));
        f.WriteTextLn(TString("Риск фактор   : ") + LinkText::Number(used.EffectiveRisk(), 2));
    }
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

// Whether the report may take the name: free, or holding a report made before. The document,
// its components, a link (which would be written through) and special files keep their names.
bool MayHoldReport(const std::wstring& Name)
{
    const TString header(HeaderLine);
    const TNameHolds holds = WhatNameHolds(SystemFileName(Name), std::string_view(header.PChar()));
    return holds == TNameHolds::Nothing || holds == TNameHolds::OwnFile;
}

// The report's name: Usual ("x.txt") when it may hold the report, else the first of
// "x.report.txt", "x.report-2.txt" ... that may; empty when none may.
std::wstring FreeReportName(const std::wstring& Usual)
{
    if (MayHoldReport(Usual)) return Usual;
    const std::wstring stem = Usual.substr(0, Usual.size() - 4) + L".report";
    for (int n = 1; n <= MaxReportNames; ++n) {
        const std::wstring name = stem + (n == 1 ? std::wstring() : L"-" + std::to_wstring(n)) + L".txt";
        if (MayHoldReport(name)) return name;
    }
    return std::wstring();
}

} // namespace

Boolean TDimensionChains::toTextFile(const std::wstring& FileName) const
{
    std::string reason;
    return toTextFile(FileName, reason);
}

Boolean TDimensionChains::toTextFile(const std::wstring& FileName, std::string& Reason) const
{
    TKmfData f;
    f.WriteTextLn(TString(HeaderLine));
    for (Integer i = 0; i < DimChains.Count; ++i)
        WriteChain(f, DimChains[i], i);
    std::vector<Byte> blob;
    f.to(blob);
    const std::string_view text(reinterpret_cast<const char*>(blob.data()) + TKmfData::SizeHeader,
                                blob.size() - TKmfData::SizeHeader);
    return WriteFileAtomically(SystemFileName(FileName), text, Reason, false);
}

std::wstring TDimensionChains::ReportFileName(const std::wstring& DocumentName, Boolean BareGetsTxt)
{
    const std::size_t dot = ExtensionDot(DocumentName);
    if (dot == std::wstring::npos || dot == 0) {
        const bool bare = BareGetsTxt && !DocumentName.empty() && DocumentName.back() != L'/';
        return bare ? DocumentName + L".txt" : std::wstring();
    }
    return DocumentName.substr(0, dot + 1) + L"txt";
}

Boolean TDimensionChains::SaveReport(const std::wstring& DocumentName, Boolean BareGetsTxt) const
{
    const std::wstring usual = ReportFileName(DocumentName, BareGetsTxt);
    if (usual.empty()) {
        Messager.LiftBox(TString("Создание отчета невозможно! Сохраните сначала чертеж!"),
                         TMessager::toAlways);
        return false;
    }
    const std::wstring name = FreeReportName(usual);
    std::string reason;
    if (name.empty() || !toTextFile(name, reason)) {
        // The file layer's own words say why; with every name taken there are none.
        TString text = TString("Не удалось записать файл отчета ") + TString(name.empty() ? usual : name);
        if (!reason.empty()) text += TString(": ") + TString(reason.c_str());
        Messager.LiftBox(text, TMessager::toAlways);
        return false;
    }
    Messager.LiftBox(TString("Создан файл отчета ") + TString(name), TMessager::toAlways);
    return true;
}

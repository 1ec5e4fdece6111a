// The deviation texts a run of the chain command wrote over, kept and written back.

#include "TWrittenDeviations.h"

#include "ChainHost.h"
#include "DeviationText.h"
#include "KmfData.h"
#include "TDimension.h"

#include "tvapi/Dimensions.h"
#include "tvapi/DrawingComposites.h"
#include "tvapi/DrawingTexts.h"

#include <algorithm>
#include <cmath>

namespace {

// Text as it can be given back: the host's text interface takes a text up to its first U+0000.
// Any other character the set cannot hold stands as U+FFFD, as the host's file holds it.
std::wstring KeptStr(const std::wstring& Text)
{
    std::wstring kept = Text.substr(0, Text.find(L'\0'));
    for (wchar_t& c : kept)
        if (!KeptCharacter(static_cast<char32_t>(c))) c = L'\uFFFD';
    return kept;
}

// Text's items and heights, up to the item holding its first U+0000; empty when every line is
// one item of no height of its own.
TTextForm FormOf(const tvapi::ITextPtr& Text)
{
    TTextForm form;
    bool plain = true, ended = false;
    for (int i = 0, lines = Text->GetCount(); i < lines && !ended; ++i) {
        const tvapi::ITextLinePtr line = Text->GetLine(i);
        std::vector<TTextItemForm>& items = form.emplace_back();
        for (int j = 0, count = line ? line->GetCount() : 0; j < count && !ended; ++j) {
            const tvapi::ITextItemPtr item = line->GetItem(j);
            const tvapi::ITextFontPtr font(item);
            const double height = font ? font->GetHeight() : 0.0;
            const std::wstring str = item ? item->GetStr() : std::wstring();
            ended = str.find(L'\0') != std::wstring::npos;
            items.push_back({KeptStr(str), KeptHeight(height) ? height : 0.0});
            plain = plain && items.back().Height == 0.0;
        }
        plain = plain && items.size() <= 1;
    }
    if (plain) form.clear();
    return form;
}

// Str into Text, then each line's items with their heights when Form holds them.
void WriteText(const tvapi::ITextPtr& Text, const std::wstring& Str, const TTextForm& Form)
{
    Text->SetStr(Str.c_str());
    for (std::size_t i = 0; i < Form.size(); ++i) {
        const tvapi::ITextLinePtr line = Text->GetLine(static_cast<int>(i));
        if (!line) return;
        const std::vector<TTextItemForm>& items = Form[i];
        line->SetStr(items.empty() ? L"" : items.front().Str.c_str());
        for (std::size_t j = 0; j < items.size(); ++j) {
            const tvapi::ITextItemPtr item = j == 0 ? line->GetItem(0) : line->Add();
            if (!item) break;
            if (j > 0) item->SetStr(items[j].Str.c_str());
            if (const tvapi::ITextFontPtr font{item}) font->SetHeight(items[j].Height);
            item->Update();
        }
    }
}

// Host, but for one dimension whose deviations are read from texts of its own.
class TShowingHost final : public TForwardingChainHost {
public:
    TShowingHost(TChainHost& Host, const tvapi::IDrawingObjectPtr& Dimension, const TDeviationTexts& Texts)
        : TForwardingChainHost(Host), FDimension(Dimension), FTexts(Texts)
    {
    }
    void GetDimParam(const tvapi::IDrawingObjectPtr& Object, Real& Nominal, TString& Qualitet, Real& QHigh,
                     Real& QLow, bool Angular) override
    {
        F.GetDimParam(Object, Nominal, Qualitet, QHigh, QLow, Angular);
        if (!Object || !(Object == FDimension)) return;
        QHigh = DeviationValue(FTexts.Upper, Angular);
        QLow = DeviationValue(FTexts.Lower, Angular);
    }

private:
    const tvapi::IDrawingObjectPtr& FDimension;
    const TDeviationTexts& FTexts;
};

} // namespace

bool ReadShowing(TDimension& Link, const TDeviationTexts& Texts, TChainHost& Host)
{
    if (!Link.Obj) return false;
    TShowingHost showing(Host, Link.Obj, Texts);
    return Link.Derive(showing);
}

std::wstring TDeviationTexts::Joined(const TTextForm& Form)
{
    std::wstring text;
    for (std::size_t i = 0; i < Form.size(); ++i) {
        if (i > 0) text += L'\n';
        for (const TTextItemForm& item : Form[i])
            text += item.Str;
    }
    return text;
}

void TDeviationTexts::FormToStream(TKmfData& s, const std::optional<TDeviationTexts>& Texts)
{
    for (const TTextForm* form : {Texts ? &Texts->UpperForm : nullptr, Texts ? &Texts->LowerForm : nullptr}) {
        s << static_cast<Integer>(form ? form->size() : 0);
        if (!form) continue;
        for (const std::vector<TTextItemForm>& line : *form) {
            s << static_cast<Integer>(line.size());
            for (const TTextItemForm& item : line) {
                s.Write(TString(item.Str));
                s << item.Height;
            }
        }
    }
}

namespace {

// A text's lines of items as FormToStream wrote them; false for counts the data cannot hold, or
// a height never kept (it would be written into the drawing as it stands).
bool ReadForm(TKmfData& s, TTextForm& Form)
{
    const Integer lines = s.ReadInteger();
    if (lines < 0 || !s.CheckCount(lines, 4)) return false;
    for (Integer i = 0; i < lines; ++i) {
        const Integer items = s.ReadInteger();
        if (items < 0 || !s.CheckCount(items, 4 + 8)) return false;
        std::vector<TTextItemForm>& line = Form.emplace_back();
        for (Integer j = 0; j < items; ++j) {
            TString str;
            s.Read(str);
            const Real height = s.ReadReal();
            if (!KeptHeight(height) || !KeptString(Wide(str))) return false;
            line.push_back({Wide(str), height});
        }
    }
    return !s.ErrorReadFromFileToBufer;
}

// Every string of Texts in the order the wide section holds them.
std::vector<std::wstring*> Strings(TDeviationTexts& Texts)
{
    std::vector<std::wstring*> all{&Texts.Upper, &Texts.Lower};
    for (TTextForm* form : {&Texts.UpperForm, &Texts.LowerForm})
        for (std::vector<TTextItemForm>& line : *form)
            for (TTextItemForm& item : line)
                all.push_back(&item.Str);
    return all;
}

// Whether each form of Texts, where it has one, joins to its text's string.
bool FormsJoin(const TDeviationTexts& Texts)
{
    return (Texts.UpperForm.empty() || TDeviationTexts::Joined(Texts.UpperForm) == Texts.Upper) &&
           (Texts.LowerForm.empty() || TDeviationTexts::Joined(Texts.LowerForm) == Texts.Lower);
}

// The string as the narrow strings of the stream hold it.
std::wstring Narrowed(const std::wstring& Str)
{
    return Wide(TString(Str));
}

} // namespace

bool KeptHeight(double Height)
{
    return std::isfinite(Height);
}

bool KeptCharacter(char32_t Character)
{
    return Character != 0 && Character <= 0x10FFFF && (Character < 0xD800 || Character > 0xDFFF);
}

bool KeptString(const std::wstring& Text)
{
    return std::all_of(Text.begin(), Text.end(),
                       [](wchar_t c) { return KeptCharacter(static_cast<char32_t>(c)); });
}

bool TDeviationTexts::Narrow() const
{
    TDeviationTexts texts(*this);
    const std::vector<std::wstring*> all = Strings(texts);
    return std::all_of(all.begin(), all.end(), [](const std::wstring* s) { return Narrowed(*s) == *s; });
}

void TDeviationTexts::WideToStream(TKmfData& s, const std::optional<TDeviationTexts>& Texts)
{
    TDeviationTexts texts = Texts.value_or(TDeviationTexts{});
    const std::vector<std::wstring*> all = Texts ? Strings(texts) : std::vector<std::wstring*>{};
    s << static_cast<Integer>(all.size());
    for (const std::wstring* str : all) {
        s << static_cast<Integer>(str->size());
        for (const wchar_t c : *str)
            s << static_cast<Integer>(c);
    }
}

bool TDeviationTexts::WideFromStream(TKmfData& s, std::optional<TDeviationTexts>& Texts)
{
    const Integer count = s.ReadInteger();
    std::optional<TDeviationTexts> wide = Texts;
    const std::vector<std::wstring*> all = wide ? Strings(*wide) : std::vector<std::wstring*>{};
    if (s.ErrorReadFromFileToBufer || count != static_cast<Integer>(all.size())) return false;
    for (std::wstring* str : all) {
        const Integer length = s.ReadInteger();
        if (length < 0 || !s.CheckCount(length, 4)) return false;
        std::wstring read;
        for (Integer j = 0; j < length; ++j) {
            const Integer c = s.ReadInteger();
            if (!KeptCharacter(static_cast<char32_t>(c))) return false;
            read += static_cast<wchar_t>(c);
        }
        if (s.ErrorReadFromFileToBufer || Narrowed(read) != *str) return false;
        *str = std::move(read);
    }
    // Items whose narrow strings join to their text's may still differ from it whole.
    if (wide && !FormsJoin(*wide)) return false;
    Texts = std::move(wide);
    return true;
}

bool TDeviationTexts::FormFromStream(TKmfData& s, std::optional<TDeviationTexts>& Texts)
{
    TTextForm upper, lower;
    if (!ReadForm(s, upper) || !ReadForm(s, lower)) return false;
    if (upper.empty() && lower.empty()) return true;
    // A form belongs to kept texts, and says the same as their strings.
    if (!Texts) return false;
    TDeviationTexts texts = *Texts;
    texts.UpperForm = std::move(upper);
    texts.LowerForm = std::move(lower);
    if (!FormsJoin(texts)) return false;
    *Texts = std::move(texts);
    return true;
}

std::optional<TDeviationTexts> TDeviationTexts::Of(const tvapi::IDrawingObjectPtr& Dimension)
{
    const tvapi::IDimensionTextPtr text(Dimension);
    if (!text) return std::nullopt;
    const tvapi::ITextPtr upper = text->GetUpperDeviation(), lower = text->GetLowerDeviation();
    if (!upper || !lower) return std::nullopt;
    return TDeviationTexts{KeptStr(upper->GetStr()), KeptStr(lower->GetStr()), FormOf(upper), FormOf(lower)};
}

void TDeviationTexts::WriteTo(const tvapi::IDrawingObjectPtr& Dimension) const
{
    const tvapi::IDimensionTextPtr text(Dimension);
    if (!text) return;
    const tvapi::ITextPtr upper = text->GetUpperDeviation(), lower = text->GetLowerDeviation();
    if (!upper || !lower) return;
    WriteText(upper, Upper, UpperForm);
    WriteText(lower, Lower, LowerForm);
    Dimension->Update();
}

void TWrittenDeviations::Keep(const tvapi::IDrawingObjectPtr& Dimension)
{
    for (const TKept& k : FKept)
        if (k.Dimension == Dimension) return;
    if (const std::optional<TDeviationTexts> texts = TDeviationTexts::Of(Dimension))
        FKept.push_back({Dimension, *texts});
}

std::optional<TDeviationTexts> TWrittenDeviations::Kept(const tvapi::IDrawingObjectPtr& Dimension) const
{
    for (const TKept& k : FKept)
        if (Dimension && k.Dimension == Dimension) return k.Texts;
    return std::nullopt;
}

void TWrittenDeviations::RestoreAll(TChainHost& Host)
{
    std::vector<TKept> kept;
    kept.swap(FKept);
    for (const TKept& k : kept) {
        TDimension at;
        at.Obj = k.Dimension;
        Host.WriteTexts(at, k.Texts);
    }
}

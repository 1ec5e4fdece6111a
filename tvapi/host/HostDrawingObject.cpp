// Core of the stand-in host's 2D drawing objects.
#include "HostDrawingObject.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "HostArgs.h"
#include "HostDrawing2D.h"
#include "HostLocalPlacement.h"
#include "HostText.h"

namespace tvhost {

bool IsCurveKind(tvapi::DrawingObjectTypeEnum type) noexcept
{
    return type == tvapi::tvDrLineSeg || type == tvapi::tvDrArc || type == tvapi::tvDrCircle ||
           type == tvapi::tvDrEllipse;
}

namespace {

struct TNumberOf {
    double operator()(bool v) const noexcept { return v ? 1.0 : 0.0; }
    double operator()(std::int64_t v) const noexcept { return static_cast<double>(v); }
    double operator()(double v) const noexcept { return v; }
    template <class T> double operator()(const T&) const noexcept { return 0.0; }
};

std::wstring Safe(const wchar_t* text)
{
    return text ? std::wstring(text) : std::wstring();
}

bool InRange(int index, std::size_t size) noexcept
{
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

} // namespace

std::string NumberArg(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void TParams::Set(std::string_view name, TParamValue value)
{
    FLog.emplace_back(name);
    for (TItem& item : FItems) {
        if (item.first != name) continue;
        item.second = std::move(value);
        return;
    }
    FItems.emplace_back(std::string(name), std::move(value));
}

const TParamValue* TParams::Find(std::string_view name) const noexcept
{
    for (const TItem& item : FItems)
        if (item.first == name) return &item.second;
    return nullptr;
}

double TParams::Real(std::string_view name, double fallback) const noexcept
{
    const TParamValue* value = Find(name);
    if (!value || std::holds_alternative<std::wstring>(*value)) return fallback;
    return std::visit(TNumberOf{}, *value);
}

std::int64_t TParams::Int(std::string_view name, std::int64_t fallback) const noexcept
{
    const TParamValue* value = Find(name);
    if (!value) return fallback;
    if (const auto* i = std::get_if<std::int64_t>(value)) return *i;
    // A real that no 64-bit integer holds (non-finite, or 2^63 and beyond) gives the fallback.
    constexpr double Limit = 9223372036854775808.0;
    const double real = Real(name, static_cast<double>(fallback));
    if (!(real >= -Limit && real < Limit)) return fallback;
    return static_cast<std::int64_t>(real);
}

std::wstring TParams::Text(std::string_view name) const
{
    const TParamValue* value = Find(name);
    const auto* text = value ? std::get_if<std::wstring>(value) : nullptr;
    return text ? *text : std::wstring();
}

std::vector<double> TParams::Reals(std::string_view name) const
{
    const TParamValue* value = Find(name);
    const auto* reals = value ? std::get_if<std::vector<double>>(value) : nullptr;
    return reals ? *reals : std::vector<double>();
}

std::vector<std::uint8_t> TParams::Bytes(std::string_view name) const
{
    const TParamValue* value = Find(name);
    const auto* bytes = value ? std::get_if<std::vector<std::uint8_t>>(value) : nullptr;
    return bytes ? *bytes : std::vector<std::uint8_t>();
}

std::wstring TTextLineData::Str() const
{
    std::wstring text;
    for (const TTextItemData& item : Items)
        text += item.Str;
    return text;
}

std::wstring TTextData::Str() const
{
    std::wstring text;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0) text += L'\n';
        text += Lines[i].Str();
    }
    return text;
}

void TTextData::SetStr(std::wstring_view text)
{
    Lines.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(L'\n', start);
        TTextLineData line;
        line.Items.push_back({std::wstring(text.substr(start, end - start)), 0.0});
        Lines.push_back(std::move(line));
        if (end == std::wstring_view::npos) break;
        start = end + 1;
    }
}

double TDrawingCore::GetReal(std::string_view op, std::string_view key)
{
    if (!EnterOperation(op)) return 0.0;
    return FParams.Real(key);
}

void TDrawingCore::SetReal(std::string_view op, std::string_view key, double value)
{
    if (!EnterOperation(op, {NumberArg(value)})) return;
    FParams.Set(key, value);
}

int TDrawingCore::GetInt(std::string_view op, std::string_view key)
{
    if (!EnterOperation(op)) return 0;
    return static_cast<int>(FParams.Int(key));
}

void TDrawingCore::SetInt(std::string_view op, std::string_view key, std::int64_t value)
{
    if (!EnterOperation(op, {std::to_string(value)})) return;
    FParams.Set(key, value);
}

bool TDrawingCore::GetBool(std::string_view op, std::string_view key)
{
    if (!EnterOperation(op)) return false;
    return FParams.Flag(key);
}

void TDrawingCore::SetBool(std::string_view op, std::string_view key, bool value)
{
    if (!EnterOperation(op, {BoolArg(value)})) return;
    FParams.Set(key, value);
}

std::wstring TDrawingCore::GetText(std::string_view op, std::string_view key)
{
    if (!EnterOperation(op)) return {};
    return FParams.Text(key);
}

void TDrawingCore::SetText(std::string_view op, std::string_view key, const wchar_t* value)
{
    if (!EnterOperation(op, {ToUtf8(value)})) return;
    FParams.Set(key, Safe(value));
}

tvapi::DrawingObjectTypeEnum TDrawingCore::DoGetType()
{
    if (!EnterOperation("IDrawingObject::GetDrawingObjectType")) return tvapi::tvAllObj;
    return FType;
}

tvapi::ITervanAPIObjectPtr TDrawingCore::DoGetParent()
{
    if (!EnterOperation("IDrawingObject::GetParent")) return {};
    return FParent ? FParent->AsParent() : tvapi::ITervanAPIObjectPtr();
}

bool TDrawingCore::DoDelete()
{
    if (!EnterOperation("IDrawingObject::Delete")) return false;
    if (FDeleted) return false;
    FDeleted = true;
    if (FParent) FParent->Remove(*this);
    return true;
}

void TDrawingCore::Discard() noexcept
{
    FDeleted = true;
    if (FParent) FParent->Remove(*this);
}

void TDrawingCore::PlaceUnderLocalPlacements()
{
    TDrawing2D* drawing = FParent ? FParent->Drawing() : nullptr;
    if (drawing && FUnderPlacements > 0)
        PlaceObject(*this, TLocalMap(drawing->Placements(), FUnderPlacements));
    FUnderPlacements = 0;
}

bool TDrawingCore::DoUpdate()
{
    if (!EnterOperation("IDrawingObject::Update")) return false;
    if (FDeleted) return false;
    if (FUpdates == 0 && IsCurveKind(FType)) PlaceUnderLocalPlacements();
    ++FUpdates;
    return true;
}

TContainerCore::~TContainerCore()
{
    for (const tvapi::IDrawingObjectPtr& child : FChildren)
        if (auto* core = dynamic_cast<TDrawingCore*>(child.Get())) core->FParent = nullptr;
}

tvapi::DrawingObjectList TContainerCore::Objects(tvapi::DrawingObjectTypeEnum type) const
{
    tvapi::DrawingObjectList list;
    for (const tvapi::IDrawingObjectPtr& child : FChildren) {
        const auto* core = dynamic_cast<const TDrawingCore*>(child.Get());
        if (type == tvapi::tvAllObj || (core && core->Type() == type)) list.push_back(child);
    }
    return list;
}

void TContainerCore::Adopt(TDrawingCore& object)
{
    object.FParent = this;
    object.FLayer = CurrentLayer();
    FChildren.push_back(tvapi::IDrawingObjectPtr(object.DrawingObject()));
    if (TDrawing2D* drawing = Drawing()) {
        object.FGroup = drawing->OpenGroupId();
        drawing->MadeUnderPlacements(object);
    }
}

bool TContainerCore::Remove(TDrawingCore& object)
{
    const auto it =
        std::find_if(FChildren.begin(), FChildren.end(), [&](const tvapi::IDrawingObjectPtr& child) {
            return child.Get() == object.DrawingObject();
        });
    if (it == FChildren.end()) return false;
    object.FParent = nullptr;
    const tvapi::IDrawingObjectPtr keep = *it;
    FChildren.erase(it);
    return true;
}

tvapi::ITextLinePtr THostText::Add()
{
    if (!EnterOperation("IText::Add")) return {};
    TTextData& text = FCore.Text(FName);
    text.Lines.emplace_back();
    return tvapi::ITextLinePtr(New<THostTextLine>(FOwner, FCore, FName, text.Lines.size() - 1));
}

int THostText::GetCount()
{
    if (!EnterOperation("IText::GetCount")) return 0;
    return static_cast<int>(FCore.Text(FName).Lines.size());
}

tvapi::ITextLinePtr THostText::GetLine(int index)
{
    if (!EnterOperation("IText::GetLine", {std::to_string(index)})) return {};
    if (!InRange(index, FCore.Text(FName).Lines.size())) return {};
    return tvapi::ITextLinePtr(New<THostTextLine>(FOwner, FCore, FName, static_cast<std::size_t>(index)));
}

std::wstring THostText::GetStr()
{
    if (!EnterOperation("IText::GetStr")) return {};
    return FCore.Text(FName).Str();
}

void THostText::SetStr(const wchar_t* text)
{
    if (!EnterOperation("IText::SetStr", {ToUtf8(text)})) return;
    FCore.Text(FName).SetStr(Safe(text));
}

TTextLineData* THostTextLine::Line()
{
    TTextData& text = FCore.Text(FName);
    return FLine < text.Lines.size() ? &text.Lines[FLine] : nullptr;
}

tvapi::ITextItemPtr THostTextLine::Add()
{
    if (!EnterOperation("ITextLine::Add")) return {};
    TTextLineData* line = Line();
    if (!line) return {};
    line->Items.emplace_back();
    return tvapi::ITextItemPtr(New<THostTextItem>(FOwner, FCore, FName, FLine, line->Items.size() - 1));
}

int THostTextLine::GetCount()
{
    if (!EnterOperation("ITextLine::GetCount")) return 0;
    const TTextLineData* line = Line();
    return line ? static_cast<int>(line->Items.size()) : 0;
}

tvapi::ITextItemPtr THostTextLine::GetItem(int index)
{
    if (!EnterOperation("ITextLine::GetItem", {std::to_string(index)})) return {};
    const TTextLineData* line = Line();
    if (!line || !InRange(index, line->Items.size())) return {};
    return tvapi::ITextItemPtr(
        New<THostTextItem>(FOwner, FCore, FName, FLine, static_cast<std::size_t>(index)));
}

std::wstring THostTextLine::GetStr()
{
    if (!EnterOperation("ITextLine::GetStr")) return {};
    const TTextLineData* line = Line();
    return line ? line->Str() : std::wstring();
}

void THostTextLine::SetStr(const wchar_t* text)
{
    if (!EnterOperation("ITextLine::SetStr", {ToUtf8(text)})) return;
    if (TTextLineData* line = Line()) line->Items = {{Safe(text), 0.0}};
}

TTextItemData* THostTextItem::Item()
{
    TTextData& text = FCore.Text(FName);
    if (FLine >= text.Lines.size()) return nullptr;
    std::vector<TTextItemData>& items = text.Lines[FLine].Items;
    return FItem < items.size() ? &items[FItem] : nullptr;
}

std::wstring THostTextItem::GetStr()
{
    if (!EnterOperation("ITextItem::GetStr")) return {};
    const TTextItemData* item = Item();
    return item ? item->Str : std::wstring();
}

void THostTextItem::SetStr(const wchar_t* text)
{
    if (!EnterOperation("ITextItem::SetStr", {ToUtf8(text)})) return;
    if (TTextItemData* item = Item()) item->Str = Safe(text);
}

bool THostTextItem::Update()
{
    if (!EnterOperation("ITextItem::Update")) return false;
    if (!Item()) return false;
    ++FUpdates;
    return true;
}

double THostTextItem::GetHeight()
{
    if (!EnterOperation("ITextFont::GetHeight")) return 0.0;
    const TTextItemData* item = Item();
    return item ? item->Height : 0.0;
}

void THostTextItem::SetHeight(double height)
{
    if (!EnterOperation("ITextFont::SetHeight", {NumberArg(height)})) return;
    if (TTextItemData* item = Item()) item->Height = height;
}

tvapi::ITextPtr MakeText(tvapi::IAPIObject* self, TDrawingCore& core, const std::string& name)
{
    return tvapi::ITextPtr(New<THostText>(tvapi::IAPIObjectPtr(self), core, name));
}

tvapi::ITextLinePtr MakeSingleLine(tvapi::IAPIObject* self, TDrawingCore& core, const std::string& name)
{
    TTextData& text = core.Text(name);
    if (text.Lines.empty()) text.Lines.emplace_back();
    return tvapi::ITextLinePtr(New<THostTextLine>(tvapi::IAPIObjectPtr(self), core, name, 0));
}

} // namespace tvhost

namespace tvhost {

std::string DrawingListArg(const tvapi::DrawingObjectList& list)
{
    std::string text = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) text += ", ";
        text += ObjectArg(list[i].Get());
    }
    return text + "]";
}

bool TDrawingCore::AddBranchByPoint(int index, double x, double y)
{
    if (!EnterOperation("IBranchs::AddBranchByPoint", {std::to_string(index), NumberArg(x), NumberArg(y)}))
        return false;
    if (IsDeleted()) return false;
    std::vector<double> ends = Params().Reals("Branches");
    const std::size_t count = ends.size() / 2;
    const std::size_t at =
        index < 0 || static_cast<std::size_t>(index) > count ? count : static_cast<std::size_t>(index);
    ends.insert(ends.begin() + static_cast<std::ptrdiff_t>(2 * at), {x, y});
    Params().Set("Branches", std::move(ends));
    return true;
}

int TDrawingCore::GetBranchCount()
{
    if (!EnterOperation("IBranchs::GetBranchCount")) return 0;
    return static_cast<int>(Params().Reals("Branches").size() / 2);
}

} // namespace tvhost

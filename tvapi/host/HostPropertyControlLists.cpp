// ==== tvhost::THostPropertyControl (HostPropertyControl.h), part: lists =========================
// The lists: plain, editable and with check boxes.

#include "HostPropertyControl.h"

#include "HostPropertyControlText.h"
#include "HostText.h"
#include <algorithm>

namespace tvhost {

using propertytext::B;
using propertytext::Num;
using propertytext::W;

// ---- lists ---------------------------------------------------------------------------------

void THostPropertyControl::SetTextItems(const std::vector<std::wstring>& items)
{
    std::string all;
    for (const auto& i : items)
        all += (all.empty() ? "" : "|") + ToUtf8(i);
    if (!Op("IPropertyList", "SetTextItems", {all})) return;
    FItems = items;
    FItemChecked.assign(items.size(), false);
}
void THostPropertyControl::SetIntItems(const std::vector<int>& items)
{
    std::vector<std::wstring> texts;
    for (int i : items)
        texts.push_back(std::to_wstring(i));
    std::string all;
    for (const auto& t : texts)
        all += (all.empty() ? "" : "|") + ToUtf8(t);
    if (!Op("IPropertyList", "SetIntItems", {all})) return;
    FItems = texts;
    FItemChecked.assign(texts.size(), false);
}
void THostPropertyControl::SetRealItems(const std::vector<double>& items)
{
    std::vector<std::wstring> texts;
    for (double v : items)
        texts.push_back(FromUtf8(Num(v)));
    std::string all;
    for (const auto& t : texts)
        all += (all.empty() ? "" : "|") + ToUtf8(t);
    if (!Op("IPropertyList", "SetRealItems", {all})) return;
    FItems = texts;
    FItemChecked.assign(texts.size(), false);
}
void THostPropertyControl::ClearItems()
{
    if (!Op("IPropertyList", "ClearItems")) return;
    FItems.clear();
    FItemChecked.clear();
    FCurrent = -1;
}
int THostPropertyControl::GetItemCount()
{
    return Enter("IPropertyList::GetItemCount") ? static_cast<int>(FItems.size()) : 0;
}
int THostPropertyControl::FindItem(const wchar_t* text)
{
    if (!Enter("IPropertyList::FindItem", {ToUtf8(W(text))})) return -1;
    const auto it = std::find(FItems.begin(), FItems.end(), W(text));
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}
void THostPropertyControl::SetCurrentIndex(int index)
{
    if (Op("IPropertyList", "SetCurrentIndex", {std::to_string(index)})) FCurrent = index;
}
int THostPropertyControl::GetCurrentIndex()
{
    return Enter("IPropertyList::GetCurrentIndex") ? FCurrent : -1;
}
std::wstring THostPropertyControl::GetCurrentText()
{
    if (!Enter("IPropertyList::GetCurrentText")) return {};
    if (FCurrent < 0 || FCurrent >= static_cast<int>(FItems.size())) return {};
    return FItems[static_cast<std::size_t>(FCurrent)];
}
void THostPropertyControl::SetSorted(bool sorted)
{
    Op("IPropertyList", "SetSorted", {B(sorted)});
}

void THostPropertyControl::AddItem(const wchar_t* text)
{
    if (!Op("IPropertyEditList", "AddItem", {ToUtf8(W(text))})) return;
    FItems.push_back(W(text));
    FItemChecked.push_back(false);
}
std::wstring THostPropertyControl::GetItem(int index)
{
    if (!Enter("IPropertyEditList::GetItem", {std::to_string(index)})) return {};
    if (index < 0 || index >= static_cast<int>(FItems.size())) return {};
    return FItems[static_cast<std::size_t>(index)];
}
bool THostPropertyControl::GetItemChecked(int index)
{
    if (!Enter("IPropertyEditList::GetItemChecked", {std::to_string(index)})) return false;
    return index >= 0 && index < static_cast<int>(FItemChecked.size()) &&
           FItemChecked[static_cast<std::size_t>(index)];
}
void THostPropertyControl::SetItemChecked(int index, bool checked)
{
    if (!Op("IPropertyEditList", "SetItemChecked", {std::to_string(index), B(checked)})) return;
    if (index >= 0 && index < static_cast<int>(FItemChecked.size()))
        FItemChecked[static_cast<std::size_t>(index)] = checked;
}
void THostPropertyControl::RemoveItem(int index)
{
    if (!Op("IPropertyEditList", "RemoveItem", {std::to_string(index)})) return;
    if (index < 0 || index >= static_cast<int>(FItems.size())) return;
    FItems.erase(FItems.begin() + index);
    FItemChecked.erase(FItemChecked.begin() + index);
}
void THostPropertyControl::SetMultiSelect(bool multi)
{
    Op("IPropertyEditList", "SetMultiSelect", {B(multi)});
}

void THostPropertyControl::SetShowCheck(bool show)
{
    Op("IPropertyEditCheckBox", "SetShowCheck", {B(show)});
}
void THostPropertyControl::SetShowDelete(bool show)
{
    Op("IPropertyEditCheckBox", "SetShowDelete", {B(show)});
}
void THostPropertyControl::SetPrompt(const wchar_t* prompt)
{
    if (Op("IPropertyEditCheckBox", "SetPrompt", {ToUtf8(W(prompt))})) FPrompt = W(prompt);
}

} // namespace tvhost

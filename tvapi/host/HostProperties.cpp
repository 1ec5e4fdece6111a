// Document properties of the stand-in and the property manager of the active document.

#include "HostProperties.h"

#include <nlohmann/json.hpp>

#include "HostApplication.h"
#include "HostArgs.h"
#include "HostDocuments.h"
#include "HostPart.h"
#include "HostText.h"

namespace tvhost {

using nlohmann::json;

namespace {

// A density in kg/m³ as the part keeps it, in kg/mm³.
constexpr double KgPerM3 = 1e-9;

} // namespace

void TDocumentProperties::Json(json& root) const
{
    if (Items.empty()) return;
    json list = json::array();
    for (const auto& [number, p] : Items) {
        json texts = json::array();
        for (const std::wstring& t : p.Texts)
            texts.push_back(ToUtf8(t));
        list.push_back(
            {{"number", number}, {"texts", texts}, {"location", ToUtf8(p.Location)}, {"reals", p.Reals}});
    }
    root["properties"] = std::move(list);
}

void TDocumentProperties::Load(const json& root)
{
    Items.clear();
    if (!root.contains("properties")) return;
    for (const json& j : root.at("properties")) {
        TDocumentProperty& p = Items[j.at("number").get<int>()];
        for (const json& t : j.at("texts"))
            p.Texts.push_back(FromUtf8(t.get<std::string>()));
        p.Location = FromUtf8(j.at("location").get<std::string>());
        p.Reals = j.at("reals").get<std::vector<double>>();
    }
}

THostProperty::THostProperty(tvapi::ITervanDocumentPtr document, int number)
    : FDocument(std::move(document)), FNumber(number)
{
}

void THostProperty::SetValues(const std::vector<std::wstring>& values)
{
    std::vector<std::string> args;
    for (const std::wstring& v : values)
        args.push_back(ToUtf8(v));
    if (!Enter("IProperty::SetValues", args)) return;
    FPending.Texts = values;
}

void THostProperty::SetRealValues(const std::vector<double>& values)
{
    std::vector<std::string> args;
    for (double v : values)
        args.push_back(std::to_string(v));
    if (!Enter("IProperty::SetRealValues", args)) return;
    FPending.Reals = values;
}

void THostProperty::SetLocation(const wchar_t* location)
{
    if (!Enter("IProperty::SetLocation", {ToUtf8(location)})) return;
    FPending.Location = location ? location : L"";
}

void THostProperty::Apply()
{
    if (!Enter("IProperty::Apply")) return;
    if (auto* core = dynamic_cast<TDocumentCore*>(FDocument.Get()))
        core->Data().Properties.Items[FNumber] = FPending;
    // A material's density (kg/m³) is the part's from now on, so its mass follows.
    auto* model = HostAs<THostDocument3D>(FDocument);
    if (model && FNumber == TDocumentProperties::Density && !FPending.Reals.empty() &&
        FPending.Reals[0] > 0.0)
        model->TopPart().SetDensity(FPending.Reals[0] * KgPerM3);
}

THostPropertyMng::THostPropertyMng(tvapi::Ptr<THostDocuments> documents) : FDocuments(std::move(documents)) {}

THostPropertyMng::~THostPropertyMng() = default;

tvapi::IPropertyPtr THostPropertyMng::GetProperty(int number)
{
    if (!Enter("IPropertyMng::GetProperty", {std::to_string(number)})) return {};
    tvapi::ITervanDocumentPtr active = FDocuments->Active();
    if (!active || !TDocumentProperties::Known(number)) return {};
    return tvapi::IPropertyPtr(New<THostProperty>(std::move(active), number));
}

tvapi::IAPIObjectPtr THostApplication::GetPropertyManager(int kind)
{
    if (!Enter("IApplication::GetPropertyManager", {std::to_string(kind)})) return {};
    if (kind != 1) return {};
    if (!FPropertyMng) FPropertyMng = New<THostPropertyMng>(tvapi::Ptr<THostDocuments>(&Documents()));
    return tvapi::IAPIObjectPtr(static_cast<tvapi::IPropertyMng*>(FPropertyMng.Get()));
}

} // namespace tvhost

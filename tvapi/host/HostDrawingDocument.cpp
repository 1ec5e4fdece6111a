// Technical requirements and the general roughness of a stand-in drawing.
#include "HostDrawingDocument.h"

#include <string>

#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostText.h"

namespace tvhost {

namespace {

using nlohmann::json;

constexpr std::size_t BlockValues = 4; // two corners

} // namespace

bool THostTechnicalDemand::SetBlock(const std::vector<double>& corners)
{
    std::string text;
    for (double v : corners)
        text += (text.empty() ? "" : " ") + NumberArg(v);
    if (!Enter("ITechnicalDemand::SetBlock", {text})) return false;
    if (corners.size() != BlockValues) return false;
    Params().Set("Block", corners);
    return true;
}

std::vector<double> THostTechnicalDemand::GetBlock()
{
    if (!Enter("ITechnicalDemand::GetBlock")) return {};
    return Block();
}

tvapi::ITextPtr THostTechnicalDemand::GetText()
{
    if (!Enter("ITechnicalDemand::GetText")) return {};
    return MakeText(static_cast<tvapi::ITechnicalDemand*>(this), *this, "Demand");
}

bool THostTechnicalDemand::Update()
{
    if (!Enter("ITechnicalDemand::Update")) return false;
    ++FCommits;
    return true;
}

std::wstring THostTechnicalDemand::Lines() const
{
    const auto it = Texts().find("Demand");
    return it == Texts().end() ? std::wstring() : it->second.Str();
}

bool THostSpecRough::Apply()
{
    if (!Enter("ISpecRough::Apply")) return false;
    ++FApplies;
    return true;
}

tvapi::ITechnicalDemandPtr THostDocument2D::GetTechnicalDemand()
{
    if (!Enter("IDrawingDocument::GetTechnicalDemand")) return {};
    if (Type() != tvapi::tvDocumentDrawing) return {};
    return tvapi::ITechnicalDemandPtr(&Data().Notes.TakeDemand());
}

tvapi::ISpecRoughPtr THostDocument2D::GetSpecRough()
{
    if (!Enter("IDrawingDocument::GetSpecRough")) return {};
    if (Type() != tvapi::tvDocumentDrawing) return {};
    return tvapi::ISpecRoughPtr(&Data().Notes.TakeRough());
}

THostTechnicalDemand& TDrawingNotes::TakeDemand()
{
    if (!Demand) Demand = New<THostTechnicalDemand>();
    return *Demand;
}

THostSpecRough& TDrawingNotes::TakeRough()
{
    if (!Rough) Rough = New<THostSpecRough>();
    return *Rough;
}

void TDrawingNotes::Json(json& root) const
{
    if (Demand && (Demand->Params().Has("Block") || !Demand->Lines().empty())) {
        const auto it = Demand->Texts().find("Demand");
        root["technicalDemand"] = {
            {"block", Demand->Block()},
            {"text", it == Demand->Texts().end() ? json::array() : TextJson(it->second)}};
    }
    if (Rough && !Rough->Params().Items().empty()) {
        const TParams& p = Rough->Params();
        root["specRough"] = {{"type", p.Int("Type")},
                             {"text", ToUtf8(p.Text("Text"))},
                             {"sign", p.Int("Sign")},
                             {"inBrackets", p.Flag("InBrackets")}};
    }
}

void TDrawingNotes::Load(const json& root)
{
    if (root.contains("technicalDemand")) {
        const json& d = root["technicalDemand"];
        THostTechnicalDemand& demand = TakeDemand();
        const std::vector<double> block = d.at("block").get<std::vector<double>>();
        if (!block.empty()) demand.Params().Set("Block", block);
        demand.Text("Demand") = TextOf(d.at("text"));
    }
    if (root.contains("specRough")) {
        const json& r = root["specRough"];
        TParams& p = TakeRough().Params();
        p.Set("Type", r.at("type").get<std::int64_t>());
        p.Set("Text", FromUtf8(r.at("text").get<std::string>()));
        p.Set("Sign", r.at("sign").get<std::int64_t>());
        p.Set("InBrackets", r.at("inBrackets").get<bool>());
    }
}

} // namespace tvhost

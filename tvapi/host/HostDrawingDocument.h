#pragma once
// What a stand-in drawing keeps besides its views: the technical requirements (a block on
// the sheet and a text of lines, "Demand") and the roughness of the surfaces not marked
// ("Type", "Text", "Sign", "InBrackets"). Both are made on first request and saved with the
// document once set.

#include <vector>

#include <nlohmann/json.hpp>

#include "HostDrawingObject.h"
#include "HostObject.h"
#include "tvapi/DrawingDocument.h"

namespace tvhost {

class THostTechnicalDemand final : public THostObjectOf<tvapi::ITechnicalDemand>, public TDrawingCore {
public:
    THostTechnicalDemand() noexcept : TDrawingCore(tvapi::tvAllObj) {}

    // Journaled as "ITechnicalDemand::<operation>".
    bool SetBlock(const std::vector<double>& corners) override;
    std::vector<double> GetBlock() override;
    tvapi::ITextPtr GetText() override;
    bool Update() override;

    // Test side, not journaled.
    std::vector<double> Block() const { return Params().Reals("Block"); }
    std::wstring Lines() const;
    int Commits() const noexcept { return FCommits; }
    tvapi::IDrawingObject* DrawingObject() noexcept override { return nullptr; }

private:
    int FCommits = 0;
};

class THostSpecRough final : public THostObjectOf<tvapi::ISpecRough>, public TDrawingCore {
public:
    THostSpecRough() noexcept : TDrawingCore(tvapi::tvAllObj) {}

    // Journaled as "ISpecRough::<operation>".
    void SetType(int value) override { SetInt("ISpecRough::SetType", "Type", value); }
    void SetText(const wchar_t* text) override { TDrawingCore::SetText("ISpecRough::SetText", "Text", text); }
    void SetSign(int value) override { SetInt("ISpecRough::SetSign", "Sign", value); }
    void SetInBrackets(bool value) override { SetBool("ISpecRough::SetInBrackets", "InBrackets", value); }
    bool Apply() override;

    int Applies() const noexcept { return FApplies; }
    tvapi::IDrawingObject* DrawingObject() noexcept override { return nullptr; }

private:
    int FApplies = 0;
};

using THostTechnicalDemandPtr = tvapi::Ptr<THostTechnicalDemand>;
using THostSpecRoughPtr = tvapi::Ptr<THostSpecRough>;

// The two of one drawing; empty until asked for.
struct TDrawingNotes {
    THostTechnicalDemandPtr Demand;
    THostSpecRoughPtr Rough;

    THostTechnicalDemand& TakeDemand();
    THostSpecRough& TakeRough();
    // Adds "technicalDemand" and "specRough" to a document's root when they hold anything.
    void Json(nlohmann::json& root) const;
    void Load(const nlohmann::json& root);
};

} // namespace tvhost

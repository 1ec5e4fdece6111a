#pragma once
// Document properties of the stand-in: the numbered values a document keeps (9 material with
// its library location, 10 density), saved with the document, and the application's property
// manager that hands them out for the active document.

#include <map>
#include <string>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "HostObject.h"
#include "tvapi/DocumentProperties.h"
#include "tvapi/Documents.h"

namespace tvhost {

class THostDocuments;

struct TDocumentProperty {
    std::vector<std::wstring> Texts;
    std::vector<double> Reals;
    std::wstring Location;

    bool operator==(const TDocumentProperty&) const = default;
};

struct TDocumentProperties {
    static constexpr int Material = 9;
    static constexpr int Density = 10;

    std::map<int, TDocumentProperty> Items; // the applied properties by number

    // The numbers a document keeps.
    static bool Known(int number) noexcept { return number == Material || number == Density; }
    // "properties": [{number, texts, location, reals}] in a document's root, when any is set.
    void Json(nlohmann::json& root) const;
    void Load(const nlohmann::json& root);
};

// One property of one document; what is set waits for Apply.
class THostProperty final : public THostObjectOf<tvapi::IProperty> {
public:
    THostProperty(tvapi::ITervanDocumentPtr document, int number);

    // Journaled as "IProperty::<operation>" with the values.
    void SetValues(const std::vector<std::wstring>& values) override;
    void SetRealValues(const std::vector<double>& values) override;
    void SetLocation(const wchar_t* location) override;
    void Apply() override;

private:
    tvapi::ITervanDocumentPtr FDocument;
    int FNumber;
    TDocumentProperty FPending;
};

class THostPropertyMng final : public THostObjectOf<tvapi::IPropertyMng> {
public:
    explicit THostPropertyMng(tvapi::Ptr<THostDocuments> documents);
    ~THostPropertyMng() override;

    // Journaled as "IPropertyMng::GetProperty" with the number.
    tvapi::IPropertyPtr GetProperty(int number) override;

private:
    tvapi::Ptr<THostDocuments> FDocuments;
};

using THostPropertyMngPtr = tvapi::Ptr<THostPropertyMng>;

} // namespace tvhost

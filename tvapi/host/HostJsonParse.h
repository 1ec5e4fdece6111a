#pragma once
// Strict JSON reading for the stand-in's files: nesting is limited, so no file can exhaust
// the stack of whoever walks the tree, and a key given twice in one object is an error
// rather than a silent choice of one of its values.

#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace tvhost {

// Arrays and objects nest at most this deep.
inline constexpr std::size_t MaxJsonDepth = 256;

// Parses `text` into `value`; false with `error` saying where and what: "not JSON at line 3,
// column 7: ...", "views[0]: nested deeper than 256 levels", "views[0]: key "kind" appears twice".
bool ParseJson(std::string_view text, nlohmann::json& value, std::string& error);

// A JSON path as errors show it: `views[0].children[3].params`. Parts are kept as given and
// written out only when a message needs them.
class TJsonPath {
public:
    void PushKey(std::string key) { FParts.push_back({std::move(key), 0, true}); }
    void PushIndex(std::size_t index) { FParts.push_back({{}, index, false}); }
    void Pop() { FParts.pop_back(); }
    std::string Text() const;

private:
    struct TPart {
        std::string Key;
        std::size_t Index;
        bool IsKey;
    };
    std::vector<TPart> FParts;
};

} // namespace tvhost

#pragma once
// The shape of a stand-in document file (HostDocumentFile.h), checked in one place before
// anything is built from it: JSON types, integer ranges, required keys, values that must
// not repeat (view numbers, attribute type keys, storage names, parameter names), references
// to objects that exist, boundary references without cycles, and macros nested at most
// MaxMacroDepth deep. A tree that passes loads without surprises.

#include <string>

#include <nlohmann/json.hpp>

namespace tvhost {

// Macro objects nest at most this deep in a file (a macro in a view is at depth 1).
inline constexpr int MaxMacroDepth = 64;

// Empty when `root` is a document file's tree; otherwise its first problem, with the JSON
// path of the value at fault: "drawing.views[0].children[3].params: expected a list".
std::string CheckDocumentJson(const nlohmann::json& root);

} // namespace tvhost

// The shape of a stand-in document file: the document, its drawing, attributes, user data,
// sheets and specification (the model in HostDocumentSchemaModel.cpp).
#include "HostDocumentSchema.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include "HostDocumentFile.h"
#include "HostDocumentSchemaChecker.h"
#include "HostJsonParse.h"
#include "HostSheets.h"
#include "tvapi/Attributes.h"
#include "tvapi/Document.h"
#include "tvapi/DrawingObject.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/Part.h"

namespace tvhost {

namespace {

using nlohmann::json;

bool IsDrawingKind(std::int64_t kind)
{
    switch (kind) {
    case tvapi::tvDrLineSeg:
    case tvapi::tvDrCircle:
    case tvapi::tvDrArc:
    case tvapi::tvDrDrawingText:
    case tvapi::tvDrPoint:
    case tvapi::tvDrHatch:
    case tvapi::tvDrEllipse:
    case tvapi::tvDrColouring:
    case tvapi::tvDrLDimension:
    case tvapi::tvDrADimension:
    case tvapi::tvDrCutLine:
    case tvapi::tvDrDDimension:
    case tvapi::tvDrRDimension:
    case tvapi::tvDrLeader:
    case tvapi::tvDrMacro:
    case tvapi::tvDrTolerance:
    case tvapi::tvDrRough:
    case tvapi::tvDrBase:
    case tvapi::tvDrViewPointer:
        return true;
    default:
        return false;
    }
}

bool IsViewType(std::int64_t type)
{
    return (type >= tvapi::vt_System && type <= tvapi::vt_Section) || type == tvapi::vt_Remote2D;
}

} // namespace

namespace schema {

void TChecker::Text(const json& j)
{
    Items(j, [&](const json& line, std::size_t) {
        Items(line, [&](const json& item, std::size_t) {
            Pair(
                item, [&](const json& s) { String(s); }, [&](const json& h) { Number(h); });
        });
    });
}

// An object of texts by name (a stamp's cells, a specification row's columns).
void TChecker::Texts(const json& j)
{
    Object(j);
    for (const auto& [name, text] : j.items()) {
        FPath.PushKey(name);
        Text(text);
        FPath.Pop();
    }
}

void TChecker::ParamValue(const json& tag, const json& value, bool viewNumber)
{
    const std::string& t = tag.get_ref<const std::string&>();
    if (viewNumber && t != "i") Fail("a view number is an integer");
    if (t == "b") {
        Bool(value);
    } else if (t == "i") {
        const std::int64_t n = viewNumber ? Int(value, 0, INT_MAX)
                                          : Int(value, std::numeric_limits<std::int64_t>::min(),
                                                std::numeric_limits<std::int64_t>::max());
        if (viewNumber && !FViewNumbers.insert(n).second)
            Fail("view number " + std::to_string(n) + " appears twice");
    } else if (t == "r") {
        Number(value);
    } else if (t == "s") {
        String(value);
    } else if (t == "reals") {
        Items(value, [&](const json& v, std::size_t) { Number(v); });
    } else if (t == "bytes") {
        Items(value, [&](const json& v, std::size_t) { Int(v, 0, 255); });
    } else {
        Fail("unknown parameter kind \"" + t + "\"");
    }
}

void TChecker::Param(const json& j, std::set<std::string>& names, bool view)
{
    std::string name;
    Pair(
        j,
        [&](const json& n) {
            String(n);
            name = n.get<std::string>();
            if (!names.insert(name).second) Fail("parameter \"" + name + "\" appears twice");
        },
        [&](const json& value) {
            Pair(
                value, [&](const json& tag) { String(tag); },
                [&](const json& v) { ParamValue(value[0], v, view && name == "Number"); });
        });
}

// One drawing object of `kind` (a view, a group or an object in a container) at macro depth
// `depth`; numbers it and, for a container, its children after it.
void TChecker::Core(const json& j, std::int64_t kind, int depth)
{
    Object(j);
    const std::size_t self = FNodes.size();
    FNodes.push_back({FPath.Text(), {}});
    Member(j, "kind", [&](const json& k) {
        const std::int64_t got = Int32(k);
        if (kind == 0 ? !IsDrawingKind(got) : got != kind)
            Fail("unexpected object kind " + std::to_string(got));
        kind = got;
    });
    std::set<std::string> names;
    Member(j, "params", [&](const json& p) {
        Items(p, [&](const json& item, std::size_t) { Param(item, names, kind == tvapi::tvDrView); });
    });
    if (kind == tvapi::tvDrView && names.count("Number") == 0) Fail("a view has no number");
    Member(j, "texts", [&](const json& t) {
        Object(t);
        for (const auto& [name, text] : t.items()) {
            FPath.PushKey(name);
            Text(text);
            FPath.Pop();
        }
    });
    Member(j, "layer", [&](const json& l) { Int32(l); });
    Member(j, "group", [&](const json& g) { Int(g, -1, static_cast<std::int64_t>(FGroups) - 1); });
    Member(j, "boundaries", [&](const json& b) { Refs(b, false, &FNodes[self].Holds); });
    const bool container = kind == tvapi::tvDrView || kind == tvapi::tvDrMacro;
    if (!container) {
        if (j.contains("children")) Fail("only views and macro objects hold objects");
        return;
    }
    if (depth > MaxMacroDepth) Fail("macro objects nested deeper than " + std::to_string(MaxMacroDepth));
    Member(j, "children", [&](const json& c) {
        Items(c, [&](const json& child, std::size_t) {
            FNodes[self].Holds.push_back(static_cast<std::int64_t>(FNodes.size()));
            Core(child, 0, depth + 1);
        });
    });
}

// A list of object numbers (and -1, the document, where `document` allows it); checked
// against the objects once all are numbered.
void TChecker::Refs(const json& j, bool document, std::vector<std::int64_t>* into)
{
    Items(j, [&](const json& ref, std::size_t) {
        const std::int64_t n = Int(ref, document ? -1 : 0, INT_MAX);
        if (n >= static_cast<std::int64_t>(FNodes.size()) && into == nullptr)
            Fail("no object numbered " + std::to_string(n));
        if (into) into->push_back(n);
    });
}

void TChecker::CheckRefs(std::int64_t count)
{
    for (const TNode& node : FNodes)
        for (std::int64_t n : node.Holds)
            if (n >= count)
                throw TSchemaError{node.Path + ".boundaries: no object numbered " + std::to_string(n)};
}

// Holding is ownership: an object that holds itself through boundaries and children would
// never be released.
void TChecker::NoCycles() const
{
    enum : char { White, Grey, Black };
    std::vector<char> colour(FNodes.size(), White);
    for (std::size_t start = 0; start < FNodes.size(); ++start) {
        if (colour[start] != White) continue;
        std::vector<std::pair<std::size_t, std::size_t>> stack{{start, 0}};
        colour[start] = Grey;
        while (!stack.empty()) {
            auto& [node, next] = stack.back();
            if (next == FNodes[node].Holds.size()) {
                colour[node] = Black;
                stack.pop_back();
                continue;
            }
            const auto to = static_cast<std::size_t>(FNodes[node].Holds[next++]);
            if (colour[to] == Grey)
                throw TSchemaError{FNodes[node].Path + ": boundary references form a cycle"};
            if (colour[to] == White) {
                colour[to] = Grey;
                stack.emplace_back(to, 0);
            }
        }
    }
}

void TChecker::Drawing(const json& j)
{
    Object(j);
    Member(j, "groups", [&](const json& g) {
        List(g);
        FGroups = g.size();
    });
    std::size_t views = 0;
    Member(j, "views", [&](const json& v) {
        Items(v, [&](const json& view, std::size_t) {
            Core(view, tvapi::tvDrView, 0);
            Member(view, "viewType", [&](const json& t) {
                if (!IsViewType(Int32(t))) Fail("unknown view type");
            });
            Member(view, "layers", [&](const json& l) {
                std::set<std::int64_t> seen;
                Items(l, [&](const json& n, std::size_t) {
                    if (!seen.insert(Int32(n)).second) Fail("layer " + n.dump() + " appears twice");
                });
            });
            Member(view, "currentLayer", [&](const json& l) { Int32(l); });
        });
        if (v.empty()) Fail("a drawing has at least one view");
        views = v.size();
    });
    Member(j, "groups", [&](const json& g) {
        Items(g, [&](const json& group, std::size_t) { Core(group, tvapi::tvDrGroup, 0); });
    });
    Member(j, "activeView", [&](const json& a) { Int(a, 0, static_cast<std::int64_t>(views) - 1); });
    CheckRefs(static_cast<std::int64_t>(FNodes.size()));
    NoCycles();
}

void TChecker::Attributes(const json& j)
{
    Object(j);
    Member(j, "types", [&](const json& types) {
        Items(types, [&](const json& t, std::size_t) {
            Object(t);
            Member(t, "key", [&](const json& k) {
                if (!FTypeKeys.insert(Key(k)).second) Fail("attribute type " + k.dump() + " appears twice");
            });
            Member(t, "valueType",
                   [&](const json& v) { Int(v, tvapi::tvATUnknown, tvapi::tvATVariableTable); });
            Member(t, "name", [&](const json& s) { String(s); });
            Member(t, "comment", [&](const json& s) { String(s); });
        });
    });
    Member(j, "attributes", [&](const json& attributes) {
        Items(attributes, [&](const json& a, std::size_t) {
            Object(a);
            Member(a, "type", [&](const json& k) {
                if (FTypeKeys.count(Key(k)) == 0) Fail("no attribute type " + k.dump());
            });
            Member(a, "library", [&](const json& s) { String(s); });
            Member(a, "objects", [&](const json& r) { Refs(r, true, nullptr); });
            std::set<std::pair<std::int64_t, std::int64_t>> cells;
            Member(a, "cells", [&](const json& c) {
                Items(c, [&](const json& cell, std::size_t) {
                    Object(cell);
                    std::int64_t row = 0, column = 0;
                    Member(cell, "row", [&](const json& n) { row = Int32(n); });
                    Member(cell, "column", [&](const json& n) { column = Int32(n); });
                    Member(cell, "name", [&](const json& s) { String(s); });
                    if (cell.contains("text") == cell.contains("number"))
                        Fail("a cell holds a text or a number");
                    Member(
                        cell, "text", [&](const json& s) { String(s); }, true);
                    Member(
                        cell, "number", [&](const json& n) { Number(n); }, true);
                    if (!cells.insert({row, column}).second) Fail("the cell appears twice");
                });
            });
        });
    });
}

void TChecker::Storages(const json& j)
{
    std::set<std::string> names;
    Items(j, [&](const json& s, std::size_t) {
        Object(s);
        Member(s, "name", [&](const json& n) {
            String(n);
            if (!names.insert(n.get<std::string>()).second) Fail("storage " + n.dump() + " appears twice");
        });
        Member(s, "items", [&](const json& items) {
            Items(items, [&](const json& item, std::size_t) {
                Object(item);
                for (const char* key : {"key", "group", "name"})
                    Member(item, key, [&](const json& t) { String(t); });
                if (item.contains("objects") == item.contains("bytes"))
                    Fail("an item holds objects or bytes");
                Member(
                    item, "objects", [&](const json& r) { Refs(r, true, nullptr); }, true);
                Member(
                    item, "models",
                    [&](const json& m) { Items(m, [&](const json& ref, std::size_t) { ModelRef(ref); }); },
                    true);
                Member(
                    item, "bytes",
                    [&](const json& b) { Items(b, [&](const json& v, std::size_t) { Int(v, 0, 255); }); },
                    true);
            });
        });
    });
}

void TChecker::UserData(const json& u)
{
    Object(u);
    Member(u, "document", [&](const json& s) { Storages(s); });
    std::set<std::int64_t> owners;
    Member(u, "owned", [&](const json& owned) {
        Items(owned, [&](const json& o, std::size_t) {
            Object(o);
            Member(o, "owner", [&](const json& r) {
                const std::int64_t n = Int(r, -1, static_cast<std::int64_t>(FNodes.size()) - 1);
                if (!owners.insert(n).second) Fail("the storages of object " + r.dump() + " appear twice");
            });
            Member(o, "storages", [&](const json& s) { Storages(s); });
        });
    });
}

void TChecker::Sheets(const json& sheets)
{
    Items(sheets, [&](const json& sheet, std::size_t) {
        Object(sheet);
        Member(sheet, "stamp", [&](const json& stamp) { Texts(stamp); });
        Member(
            sheet, "setup",
            [&](const json& setup) {
                Object(setup);
                for (const char* key : {"layoutType", "multiply"})
                    Member(setup, key, [&](const json& v) { Int32(v); });
                Member(setup, "format", [&](const json& v) { Int(v, 0, LastSheetFormat); });
                Member(setup, "layoutStyle", [&](const json& v) {
                    Int(v, std::numeric_limits<std::int64_t>::min(),
                        std::numeric_limits<std::int64_t>::max());
                });
                Member(setup, "landscape", [&](const json& v) { Bool(v); });
            },
            true);
    });
}

void TChecker::TechnicalDemand(const json& d)
{
    Object(d);
    Member(d, "block", [&](const json& b) {
        Items(b, [&](const json& v, std::size_t) { Number(v); });
        if (!b.empty() && b.size() != 4) Fail("a block is two corners");
    });
    Member(d, "text", [&](const json& t) { Text(t); });
}

void TChecker::SpecRough(const json& r)
{
    Object(r);
    for (const char* key : {"type", "sign"})
        Member(r, key, [&](const json& v) { Int32(v); });
    Member(r, "text", [&](const json& t) { String(t); });
    Member(r, "inBrackets", [&](const json& v) { Bool(v); });
}

void TChecker::Specification(const json& descriptions)
{
    Items(descriptions, [&](const json& d, std::size_t) {
        Object(d);
        Member(d, "library", [&](const json& v) { String(v); });
        Member(d, "number", [&](const json& v) { Int32(v); });
        Member(d, "name", [&](const json& v) { String(v); });
        Member(d, "rows", [&](const json& rows) {
            Items(rows, [&](const json& r, std::size_t) {
                Object(r);
                Member(r, "section", [&](const json& v) { Int32(v); });
                Member(r, "attributeType", [&](const json& v) {
                    if (!v.is_number_unsigned() && !(v.is_number_integer() && v.get<std::int64_t>() >= 0))
                        Fail("expected an attribute type");
                });
                Member(r, "columns", [&](const json& c) { Texts(c); });
                Member(r, "attached",
                       [&](const json& a) { Items(a, [&](const json& v, std::size_t) { String(v); }); });
                Member(r, "geometry", [&](const json& v) { Int(v, 0, INT_MAX); });
            });
        });
    });
}

void TChecker::Properties(const json& list)
{
    Items(list, [&](const json& p, std::size_t) {
        Object(p);
        Member(p, "number", [&](const json& v) { Int32(v); });
        Member(p, "texts", [&](const json& t) { Items(t, [&](const json& v, std::size_t) { String(v); }); });
        Member(p, "location", [&](const json& v) { String(v); });
        Member(p, "reals", [&](const json& r) { Items(r, [&](const json& v, std::size_t) { Number(v); }); });
    });
}

void TChecker::Document(const json& root)
{
    Object(root);
    Member(root, "format", [&](const json& f) {
        if (f != DocumentFileFormat) Fail("not a document file of the stand-in");
    });
    Member(root, "version", [&](const json& v) {
        if (Int(v, 0, INT_MAX) != DocumentFileVersion) Fail("version " + v.dump() + " is not supported");
    });
    std::int64_t type = 0;
    Member(root, "type", [&](const json& t) {
        type = Int(t, tvapi::tvDocumentDrawing, tvapi::tvDocumentTechnologyAssembly);
    });
    const bool is2D = type == tvapi::tvDocumentDrawing || type == tvapi::tvDocumentFragment;
    if (!is2D && root.contains("drawing"))
        Fail("a document of type " + std::to_string(type) + " has no drawing");
    Member(
        root, "drawing", [&](const json& d) { Drawing(d); }, !is2D);
    Member(root, "attributes", [&](const json& a) { Attributes(a); });
    Member(root, "userData", [&](const json& u) { UserData(u); });
    Member(
        root, "sheets", [&](const json& s) { Sheets(s); }, true);
    if (!is2D && (root.contains("technicalDemand") || root.contains("specRough")))
        Fail("a document of type " + std::to_string(type) + " has no technical requirements");
    Member(
        root, "technicalDemand", [&](const json& d) { TechnicalDemand(d); }, true);
    Member(
        root, "specRough", [&](const json& r) { SpecRough(r); }, true);
    Member(
        root, "comment", [&](const json& c) { String(c); }, true);
    Member(
        root, "specification", [&](const json& d) { Specification(d); }, true);
    Member(
        root, "mass", [&](const json& m) { Number(m); }, true);
    Member(
        root, "properties", [&](const json& p) { Properties(p); }, true);
    // Only parts and assemblies keep a model; any other document would drop it at its next save.
    const bool isModel = type == tvapi::tvDocumentPart || type == tvapi::tvDocumentAssembly ||
                         type == tvapi::tvDocumentTechnologyAssembly;
    if (!isModel && root.contains("model"))
        Fail("a document of type " + std::to_string(type) + " has no model");
    Member(
        root, "model", [&](const json& m) { Model(m); }, true);
    if (type != tvapi::tvDocumentAssembly && root.contains("mates"))
        Fail("a document of type " + std::to_string(type) + " has no mates");
    Member(
        root, "mates", [&](const json& m) { Items(m, [&](const json& mate, std::size_t) { Mate(mate); }); },
        true);
}

} // namespace schema

std::string CheckDocumentJson(const nlohmann::json& root)
{
    try {
        schema::TChecker().Document(root);
    } catch (const schema::TSchemaError& e) {
        return e.Message;
    }
    return {};
}

} // namespace tvhost

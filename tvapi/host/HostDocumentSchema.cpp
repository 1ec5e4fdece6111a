// The shape of a stand-in document file.
#include "HostDocumentSchema.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include "HostDocumentFile.h"
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

// The first problem found; caught where the check starts, never leaves this file.
struct TSchemaError {
    std::string Message;
};

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

// Walks the tree with the path of the value in hand.
class TChecker {
public:
    void Document(const json& root);

private:
    void Mate(const json& m);
    void EntityRef(const json& o);
    void ModelRef(const json& ref);
    void Color(const json& c);
    void Dimension3D(const json& d);
    void GeneratedDimension(const json& d);
    TJsonPath FPath;
    // Objects by file number: their path, and the numbers they hold (children, boundaries).
    struct TNode {
        std::string Path;
        std::vector<std::int64_t> Holds;
    };
    std::vector<TNode> FNodes;
    std::size_t FGroups = 0;
    std::set<std::int64_t> FViewNumbers;
    std::set<std::uint64_t> FTypeKeys;

    [[noreturn]] void Fail(const std::string& message) const
    {
        const std::string path = FPath.Text();
        throw TSchemaError{(path.empty() ? std::string() : path + ": ") + message};
    }
    // Runs `check` on member `key` of object `j` (required unless `optional`).
    template <class F> void Member(const json& j, const char* key, F check, bool optional = false)
    {
        FPath.PushKey(key);
        const auto it = j.find(key);
        if (it == j.end()) {
            if (!optional) Fail("missing");
        } else {
            check(*it);
        }
        FPath.Pop();
    }
    template <class F> void Items(const json& j, F check)
    {
        List(j);
        for (std::size_t i = 0; i < j.size(); ++i) {
            FPath.PushIndex(i);
            check(j[i], i);
            FPath.Pop();
        }
    }
    void List(const json& j) const
    {
        if (!j.is_array()) Fail("expected a list");
    }
    void Object(const json& j) const
    {
        if (!j.is_object()) Fail("expected an object");
    }
    void String(const json& j) const
    {
        if (!j.is_string()) Fail("expected a text");
    }
    void Bool(const json& j) const
    {
        if (!j.is_boolean()) Fail("expected true or false");
    }
    double Number(const json& j) const
    {
        if (!j.is_number()) Fail("expected a number");
        const double v = j.get<double>();
        if (!std::isfinite(v)) Fail("expected a finite number");
        return v;
    }
    std::int64_t Int(const json& j, std::int64_t min, std::int64_t max) const
    {
        if (!j.is_number_integer()) Fail("expected an integer");
        // The reader keeps every number from 0 up as unsigned: both bounds hold for it too.
        const bool fits = j.is_number_unsigned()
                              ? max >= 0 && j.get<std::uint64_t>() <= static_cast<std::uint64_t>(max) &&
                                    (min <= 0 || j.get<std::uint64_t>() >= static_cast<std::uint64_t>(min))
                              : j.get<std::int64_t>() >= min && j.get<std::int64_t>() <= max;
        if (!fits) Fail("expected an integer from " + std::to_string(min) + " to " + std::to_string(max));
        return j.get<std::int64_t>();
    }
    std::int64_t Int32(const json& j) const { return Int(j, INT_MIN, INT_MAX); }
    std::uint64_t Key(const json& j) const
    {
        const bool positive = j.is_number_unsigned() || (j.is_number_integer() && j.get<std::int64_t>() > 0);
        if (!positive || j.get<std::uint64_t>() == 0) Fail("expected a key above 0");
        return j.get<std::uint64_t>();
    }
    template <class F, class G> void Pair(const json& j, F first, G second)
    {
        if (!j.is_array() || j.size() != 2) Fail("expected a pair");
        FPath.PushIndex(0);
        first(j[0]);
        FPath.Pop();
        FPath.PushIndex(1);
        second(j[1]);
        FPath.Pop();
    }

    void Text(const json& j);
    void Texts(const json& j);
    void Param(const json& j, std::set<std::string>& names, bool view);
    void ParamValue(const json& tag, const json& value, bool viewNumber);
    void Core(const json& j, std::int64_t kind, int depth);
    void Drawing(const json& j);
    void Refs(const json& j, bool document, std::vector<std::int64_t>* into);
    void CheckRefs(std::int64_t count);
    void NoCycles() const;
    void Attributes(const json& j);
    void Model(const json& m);
    void Sketch(const json& s);
    void Frame(const json& f);
    void Storages(const json& j);
    void UserData(const json& u);
    void Sheets(const json& sheets);
    void TechnicalDemand(const json& d);
    void SpecRough(const json& r);
    void Specification(const json& descriptions);
    void Properties(const json& list);
};

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

void TChecker::Mate(const json& m)
{
    Object(m);
    Member(m, "type", [&](const json& v) { Int32(v); });
    Member(m, "fixed", [&](const json& v) { Int32(v); });
    Member(m, "direction", [&](const json& v) { Int32(v); });
    Member(m, "value", [&](const json& v) { Number(v); });
    Member(
        m, "expression", [&](const json& v) { String(v); }, true);
    Member(m, "objects", [&](const json& objects) {
        Items(objects, [&](const json& o, std::size_t) { EntityRef(o); });
        if (objects.size() != 2) Fail("a mate has two objects");
    });
}

void TChecker::Color(const json& c)
{
    Object(c);
    Member(c, "color", [&](const json& v) { Int32(v); });
    Member(c, "use", [&](const json& v) { Int(v, tvapi::useColorOur, tvapi::useColorSource); });
    for (const char* key : {"ambient", "diffuse", "specularity", "shininess", "transparency", "emission"})
        Member(c, key, [&](const json& v) { Number(v); });
}

// An entry of a 3D document's stored list: an object number, null, or a model object's part
// (by component ids, or by component places in an older file), kind and index (HostModelRefs.h).
void TChecker::ModelRef(const json& ref)
{
    if (ref.is_null()) return;
    if (ref.is_number()) {
        Int(ref, -1, INT_MAX);
        return;
    }
    Object(ref);
    if (ref.contains("part") == ref.contains("component")) Fail("a reference names its part once");
    Member(
        ref, "part",
        [&](const json& path) { Items(path, [&](const json& c, std::size_t) { Int(c, 0, INT_MAX); }); },
        true);
    Member(
        ref, "component",
        [&](const json& path) { Items(path, [&](const json& c, std::size_t) { Int(c, 1, INT_MAX); }); },
        true);
    Member(ref, "kind", [&](const json& k) { String(k); });
    Member(ref, "index", [&](const json& i) { Int(i, 0, INT_MAX); });
}

void TChecker::EntityRef(const json& o)
{
    if (o.is_null()) return;
    Object(o);
    Member(o, "part", [&](const json& v) { Int32(v); });
    Member(o, "kind", [&](const json& v) { Int32(v); });
    Member(
        o, "index", [&](const json& v) { Int(v, 0, INT_MAX); }, true);
}

void TChecker::Dimension3D(const json& d)
{
    Object(d);
    Member(d, "kind", [&](const json& v) { Int32(v); });
    Member(d, "name", [&](const json& v) { String(v); });
    Member(d, "objects", [&](const json& objects) {
        Items(objects, [&](const json& o, std::size_t) { EntityRef(o); });
        if (objects.size() != 2) Fail("a 3D dimension has two objects");
    });
    Member(d, "length", [&](const json& v) { Number(v); });
    Member(d, "autoNominal", [&](const json& v) { Bool(v); });
    Member(d, "tolerance", [&](const json& v) { String(v); });
    Member(d, "toleranceOn", [&](const json& v) { Bool(v); });
    Member(d, "placement", [&](const json& v) { Number(v); });
    Member(d, "hidden", [&](const json& v) { Bool(v); });
    Member(d, "texts", [&](const json& v) { Texts(v); });
}

void TChecker::GeneratedDimension(const json& d)
{
    Object(d);
    Member(d, "kind", [&](const json& v) { Int32(v); });
    Member(d, "owner", [&](const json& o) {
        Object(o);
        Member(
            o, "sketch", [&](const json& v) { Int(v, 0, INT_MAX); }, true);
        Member(
            o, "feature", [&](const json& v) { Int(v, 0, INT_MAX); }, true);
        if (o.size() != 1) Fail("a generated dimension has one owner");
    });
    for (const char* key : {"key", "name", "tolerance", "expression"})
        Member(d, key, [&](const json& v) { String(v); });
    for (const char* key : {"autoNominal", "toleranceOn", "hidden"})
        Member(d, key, [&](const json& v) { Bool(v); });
    Member(d, "placement", [&](const json& v) { Number(v); });
    Member(d, "texts", [&](const json& v) { Texts(v); });
}

void TChecker::Model(const json& m)
{
    Object(m);
    Member(m, "name", [&](const json& v) { String(v); });
    Member(m, "marking", [&](const json& v) { String(v); });
    Member(m, "density", [&](const json& v) { Number(v); });
    Member(m, "bodies", [&](const json& bodies) {
        Items(bodies, [&](const json& b, std::size_t) {
            Object(b);
            Member(b, "brep", [&](const json& v) { String(v); });
            Member(
                b, "hidden", [&](const json& v) { Bool(v); }, true);
            Member(b, "color", [&](const json& c) { Color(c); });
        });
    });
    Member(
        m, "display",
        [&](const json& display) {
            Items(display, [&](const json& d, std::size_t) {
                Object(d);
                Member(d, "color", [&](const json& c) { Color(c); });
                Member(d, "hidden", [&](const json& v) { Bool(v); });
            });
        },
        true);
    Member(
        m, "sketches",
        [&](const json& sketches) { Items(sketches, [&](const json& s, std::size_t) { Sketch(s); }); }, true);
    Member(
        m, "features",
        [&](const json& features) {
            Items(features, [&](const json& f, std::size_t) {
                Object(f);
                Member(f, "kind", [&](const json& v) { Int32(v); });
                Member(f, "name", [&](const json& v) { String(v); });
                Member(f, "counted", [&](const json& v) { Bool(v); });
                Member(
                    f, "excluded", [&](const json& v) { Bool(v); }, true);
                Member(
                    f, "refused", [&](const json& v) { String(v); }, true);
                Member(f, "params", [&](const json& v) { Object(v); });
            });
        },
        true);
    Member(
        m, "dimensions3D",
        [&](const json& dims) { Items(dims, [&](const json& d, std::size_t) { Dimension3D(d); }); }, true);
    Member(
        m, "generated",
        [&](const json& dims) { Items(dims, [&](const json& d, std::size_t) { GeneratedDimension(d); }); },
        true);
    Member(
        m, "variables",
        [&](const json& variables) {
            Items(variables, [&](const json& v, std::size_t) {
                Object(v);
                for (const char* key : {"name", "expression", "note"})
                    Member(v, key, [&](const json& t) { String(t); });
                Member(v, "value", [&](const json& t) { Number(t); });
                Member(v, "external", [&](const json& t) { Bool(t); });
                Member(
                    v, "link",
                    [&](const json& l) {
                        Items(l, [&](const json& t, std::size_t) { String(t); });
                        if (l.size() != 2) Fail("a link is a document and a variable");
                    },
                    true);
            });
        },
        true);
    Member(m, "components", [&](const json& components) {
        std::set<std::int64_t> ids;
        Items(components, [&](const json& c, std::size_t) {
            Object(c);
            Member(c, "file", [&](const json& v) { String(v); });
            Member(c, "external", [&](const json& v) { Bool(v); });
            Member(c, "frame", [&](const json& f) { Frame(f); });
            Member(
                c, "id",
                [&](const json& v) {
                    Int(v, 1, INT_MAX);
                    if (!ids.insert(v.get<std::int64_t>()).second) Fail("two components hold this id");
                },
                true);
        });
    });
    Member(
        m, "names",
        [&](const json& names) {
            Items(names, [&](const json& n, std::size_t) {
                Object(n);
                Member(n, "kind", [&](const json& v) { Int32(v); });
                Member(n, "index", [&](const json& v) { Int(v, 0, INT_MAX); });
                Member(n, "name", [&](const json& v) { String(v); });
            });
        },
        true);
}

void TChecker::Frame(const json& f)
{
    Items(f, [&](const json& p, std::size_t) {
        Items(p, [&](const json& v, std::size_t) { Number(v); });
        if (p.size() != 3) Fail("expected three coordinates");
    });
    if (f.size() != 3) Fail("a frame is an origin and two axes");
}

void TChecker::Sketch(const json& s)
{
    Object(s);
    Member(s, "name", [&](const json& v) { String(v); });
    Member(s, "angle", [&](const json& v) { Number(v); });
    Member(
        s, "plane",
        [&](const json& p) {
            Object(p);
            Member(p, "kind", [&](const json& v) { Int32(v); });
            Member(p, "name", [&](const json& v) { String(v); });
            Member(
                p, "frame", [&](const json& f) { Frame(f); }, true);
            Member(
                p, "back", [&](const json& b) { Bool(b); }, true);
        },
        true);
    Member(s, "document", [&](const json& d) {
        if (d.is_object() && d.value("type", 0) != tvapi::tvDocumentFragment)
            Fail("a sketch's document is a fragment");
        if (const std::string error = CheckDocumentJson(d); !error.empty()) Fail(error);
    });
}

} // namespace

std::string CheckDocumentJson(const nlohmann::json& root)
{
    try {
        TChecker().Document(root);
    } catch (const TSchemaError& e) {
        return e.Message;
    }
    return {};
}

} // namespace tvhost

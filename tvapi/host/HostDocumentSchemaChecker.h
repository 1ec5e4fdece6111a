#pragma once
// The document-file check's walker, shared by the sources that check the parts of a file
// (HostDocumentSchema.cpp: the document and drawing; HostDocumentSchemaModel.cpp: the model).
// Internal to the stand-in: CheckDocumentJson (HostDocumentSchema.h) is the way in.

#include <climits>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "HostJsonParse.h"

namespace tvhost::schema {

using json = nlohmann::json;

// The first problem found; caught where the check starts, never leaves this file.
struct TSchemaError {
    std::string Message;
};

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

} // namespace tvhost::schema

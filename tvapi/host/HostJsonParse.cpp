// Strict JSON reading for the stand-in's files.
#include "HostJsonParse.h"

#include <vector>

namespace tvhost {

namespace {

using nlohmann::json;

// Builds the tree from the parser's events, refusing deep nesting and repeated keys. The
// parser itself keeps its state on the heap, so only the depth of the result needs a bound.
class TBuilder : public nlohmann::json_sax<json> {
public:
    json Root;
    std::string Error;

    bool null() override { return Put(json()); }
    bool boolean(bool v) override { return Put(json(v)); }
    bool number_integer(number_integer_t v) override { return Put(json(v)); }
    bool number_unsigned(number_unsigned_t v) override { return Put(json(v)); }
    bool number_float(number_float_t v, const string_t&) override { return Put(json(v)); }
    bool string(string_t& v) override { return Put(json(std::move(v))); }
    bool binary(binary_t& v) override { return Put(json::binary(std::move(v))); }
    bool start_object(std::size_t) override { return Open(json::object()); }
    bool start_array(std::size_t) override { return Open(json::array()); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }
    bool key(string_t& k) override
    {
        if (FOpen.back()->contains(k)) {
            Error = Where() + "key \"" + k + "\" appears twice";
            return false;
        }
        FKey = std::move(k);
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) override
    {
        const std::string what = e.what();
        const std::size_t at = what.find("parse error at ");
        Error = "not JSON" + (at == std::string::npos ? ": " + what : " at " + what.substr(at + 15));
        return false;
    }

private:
    std::vector<json*> FOpen;
    TJsonPath FPath;
    std::string FKey;

    std::string Where() const
    {
        const std::string path = FPath.Text();
        return path.empty() ? std::string() : path + ": ";
    }
    // The new value's place in the open container; a container that is opened is named in
    // the path while it is open.
    json* Place(json&& v, bool named)
    {
        if (FOpen.empty()) {
            Root = std::move(v);
            return &Root;
        }
        json& parent = *FOpen.back();
        if (parent.is_array()) {
            if (named) FPath.PushIndex(parent.size());
            parent.push_back(std::move(v));
            return &parent.back();
        }
        if (named) FPath.PushKey(FKey);
        json& slot = parent[FKey];
        slot = std::move(v);
        return &slot;
    }
    bool Put(json&& v)
    {
        Place(std::move(v), false);
        return true;
    }
    bool Open(json&& v)
    {
        if (FOpen.size() >= MaxJsonDepth) {
            Error = Where() + "nested deeper than " + std::to_string(MaxJsonDepth) + " levels";
            return false;
        }
        FOpen.push_back(Place(std::move(v), true));
        return true;
    }
    bool Close()
    {
        FOpen.pop_back();
        if (!FOpen.empty()) FPath.Pop();
        return true;
    }
};

} // namespace

std::string TJsonPath::Text() const
{
    std::string text;
    for (const TPart& part : FParts) {
        if (!part.IsKey)
            text += "[" + std::to_string(part.Index) + "]";
        else
            text += (text.empty() ? "" : ".") + part.Key;
    }
    return text;
}

bool ParseJson(std::string_view text, nlohmann::json& value, std::string& error)
{
    TBuilder builder;
    bool parsed = false;
    try {
        parsed = json::sax_parse(text.begin(), text.end(), &builder);
    } catch (const std::exception& e) {
        builder.Error = std::string("not JSON: ") + e.what();
    }
    if (!parsed) {
        error = builder.Error.empty() ? "not JSON" : builder.Error;
        return false;
    }
    value = std::move(builder.Root);
    return true;
}

} // namespace tvhost

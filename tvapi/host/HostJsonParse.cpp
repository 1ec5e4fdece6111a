// Strict JSON reading for the stand-in's files.
#include "HostJsonParse.h"

#include <algorithm>
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
    bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception& e) override
    {
        const std::string what = e.what();
        const std::size_t at = what.find("parse error at ");
        if (at != std::string::npos) {
            Error = "not JSON at " + what.substr(at + 15);
            return false;
        }
        // A number out of range: its line and column, and the key it was given for.
        const std::size_t reason = what.find("] ");
        std::string place = FPath.Text();
        if (!FOpen.empty() && FOpen.back()->is_object()) place += (place.empty() ? "" : ".") + FKey;
        Error = "not JSON at " + LineAndColumn(position) + ": " + (place.empty() ? "" : place + ": ") +
                (reason == std::string::npos ? what : what.substr(reason + 2));
        return false;
    }
    explicit TBuilder(std::string_view text) : FText(text) {}

private:
    std::string_view FText;
    std::vector<json*> FOpen;

    // "line L, column C" (from 1) of the byte just past `position` bytes of the text.
    std::string LineAndColumn(std::size_t position) const
    {
        const std::string_view read = FText.substr(0, std::min(position, FText.size()));
        const std::size_t line = static_cast<std::size_t>(std::count(read.begin(), read.end(), '\n')) + 1;
        const std::size_t start = read.rfind('\n');
        const std::size_t column = start == std::string_view::npos ? read.size() : read.size() - start - 1;
        return "line " + std::to_string(line) + ", column " + std::to_string(column);
    }
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
    TBuilder builder(text);
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

// Command line of the tvhost command.
#include "Options.h"

#include <charconv>
#include <utility>

namespace tvrun {

namespace {

struct TTypeName {
    const char* Name;
    tvapi::DocumentTypeEnum Type;
};

constexpr TTypeName TypeNames[] = {
    {"drawing", tvapi::tvDocumentDrawing},
    {"fragment", tvapi::tvDocumentFragment},
    {"specification", tvapi::tvDocumentSpecification},
    {"part", tvapi::tvDocumentPart},
    {"assembly", tvapi::tvDocumentAssembly},
    {"textual", tvapi::tvDocumentTextual},
    {"technology-assembly", tvapi::tvDocumentTechnologyAssembly},
};

template <class T> bool ParseNumber(const std::string& text, T& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

std::optional<tvapi::DocumentTypeEnum> ParseType(const std::string& text)
{
    for (const TTypeName& t : TypeNames)
        if (text == t.Name) return t.Type;
    int value = 0;
    if (ParseNumber(text, value) && value >= tvapi::tvDocumentDrawing &&
        value <= tvapi::tvDocumentTechnologyAssembly)
        return static_cast<tvapi::DocumentTypeEnum>(value);
    return std::nullopt;
}

// Applies option `name` with its value; false with `error` set when either is wrong.
bool ApplyValue(TOptions& o, const std::string& name, const std::string& value, std::string& error)
{
    if (name == "--plugin") {
        o.Plugin = value;
    } else if (name == "--open") {
        o.Open = value;
    } else if (name == "--new") {
        o.NewDocument = ParseType(value);
        if (!o.NewDocument) error = "unknown document type: " + value;
    } else if (name == "--command") {
        if (!ParseNumber(value, o.Command)) error = "bad command id: " + value;
    } else if (name == "--script") {
        o.Script = value;
    } else if (name == "--save") {
        o.Save = value;
    } else if (name == "--png") {
        o.Png = value;
    } else if (name == "--host-version") {
        if (!ParseNumber(value, o.HostVersion) || o.HostVersion < 1) error = "bad host version: " + value;
    } else if (name == "--answer") {
        int answer = 0;
        if (ParseNumber(value, answer))
            o.Answers.push_back(answer);
        else
            error = "bad answer: " + value;
    } else {
        error = "unknown option: " + name;
    }
    return error.empty();
}

} // namespace

std::optional<TOptions> ParseOptions(const std::vector<std::string>& args, std::string& error)
{
    if (args.empty() || args[0] != "run") {
        error = "expected the subcommand run";
        return std::nullopt;
    }
    TOptions o;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--unregistered") {
            o.Registered = false;
        } else if (name == "--journal") {
            o.PrintJournal = true;
        } else if (i + 1 >= args.size()) {
            error = "missing value of " + name;
            return std::nullopt;
        } else if (!ApplyValue(o, name, args[++i], error)) {
            return std::nullopt;
        }
    }
    if (o.Plugin.empty()) {
        error = "missing --plugin PATH";
        return std::nullopt;
    }
    return o;
}

const char* Usage()
{
    return "usage: tvhost run --plugin PATH [--open DOC] [--new TYPE] [--command ID]\n"
           "                  [--answer N]... [--script FILE] [--save OUT] [--png PICTURE]\n"
           "                  [--host-version N] [--unregistered] [--journal]\n"
           "  TYPE: drawing, fragment, specification, part, assembly, textual,\n"
           "        technology-assembly, or the type number 1..7\n"
           "       tvhost export --svg DOC OUT.svg\n"
           "       tvhost export --dimensions DOC\n"
           "       tvhost export --step DOC OUT.step\n";
}

} // namespace tvrun

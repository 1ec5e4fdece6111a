// Parsing of the scripted user's actions.

#include "HostScript.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "HostText.h"

namespace tvhost {

namespace {

// Words of a line; "quoted text" is one word without its quotes.
bool Split(const std::string& line, std::vector<std::string>& words)
{
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        if (line[i] == '"') {
            const std::size_t end = line.find('"', i + 1);
            if (end == std::string::npos) return false;
            words.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r')
            ++end;
        words.push_back(line.substr(i, end - i));
        i = end;
    }
    return true;
}

bool Int(const std::string& w, int& v)
{
    char* end = nullptr;
    const long n = std::strtol(w.c_str(), &end, 10);
    if (w.empty() || *end != '\0') return false;
    v = static_cast<int>(n);
    return true;
}

bool Real(const std::string& w, double& v)
{
    char* end = nullptr;
    v = std::strtod(w.c_str(), &end);
    return !w.empty() && *end == '\0';
}

// The rest of the words from `from`, joined by blanks.
std::string Rest(const std::vector<std::string>& words, std::size_t from)
{
    std::string out;
    for (std::size_t i = from; i < words.size(); ++i)
        out += (i > from ? " " : "") + words[i];
    return out;
}

bool Parse(const std::vector<std::string>& w, TScriptAction& a)
{
    const std::string& verb = w[0];
    const std::size_t n = w.size();
    if ((verb == "move" || verb == "click") && n == 3) {
        a.Kind = verb == "move" ? TScriptAction::skMove : TScriptAction::skClick;
        return Real(w[1], a.X) && Real(w[2], a.Y);
    }
    if ((verb == "ok" || verb == "cancel") && n == 1) {
        a.Kind = TScriptAction::skButton;
        a.N = verb == "ok" ? 1 : 2;
        return true;
    }
    if (verb == "button" && n == 2) {
        a.Kind = TScriptAction::skButton;
        return Int(w[1], a.N);
    }
    if (verb == "command" && n == 3) {
        a.Kind = TScriptAction::skCommand;
        a.Name = FromUtf8(w[1]);
        return Int(w[2], a.N);
    }
    if (verb == "set" && n >= 3) {
        a.Kind = TScriptAction::skSet;
        a.Name = FromUtf8(w[1]);
        a.Text = FromUtf8(Rest(w, 2));
        return true;
    }
    if (verb == "select" && n == 3) {
        a.Kind = TScriptAction::skSelect;
        return Int(w[1], a.Row) && Int(w[2], a.Column);
    }
    if (verb == "edit" && n >= 4) {
        a.Kind = TScriptAction::skEdit;
        a.Text = FromUtf8(Rest(w, 3));
        return Int(w[1], a.Row) && Int(w[2], a.Column);
    }
    if (verb == "answer" && n == 2) {
        a.Kind = TScriptAction::skAnswer;
        return Int(w[1], a.N);
    }
    if (verb == "pick" && n >= 2) {
        a.Kind = TScriptAction::skPick;
        a.Name = FromUtf8(Rest(w, 1));
        return true;
    }
    if (verb == "show" && n == 1) {
        a.Kind = TScriptAction::skShow;
        return true;
    }
    return false;
}

} // namespace

bool TScript::Load(const std::string& text, std::string& error)
{
    std::istringstream in(text);
    std::string line;
    std::deque<TScriptAction> read;
    for (int number = 1; std::getline(in, line); ++number) {
        std::vector<std::string> words;
        if (!Split(line, words)) {
            error = "line " + std::to_string(number) + ": unclosed quote";
            return false;
        }
        if (words.empty()) continue;
        TScriptAction a;
        a.Line = number;
        if (!Parse(words, a)) {
            error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
            return false;
        }
        read.push_back(std::move(a));
    }
    FActions.insert(FActions.end(), read.begin(), read.end());
    return true;
}

std::optional<TScriptAction> TScript::Take()
{
    if (FActions.empty()) return std::nullopt;
    TScriptAction a = std::move(FActions.front());
    FActions.pop_front();
    return a;
}

TScript& Script()
{
    static TScript script;
    return script;
}

} // namespace tvhost

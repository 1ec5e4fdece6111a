// Parsing of the scripted user's actions.

#include "HostScript.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <istream>
#include <iterator>
#include <sstream>
#include <utility>
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

// A whole word that is a decimal int.
bool Int(const std::string& w, int& v)
{
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(w.c_str(), &end, 10);
    if (w.empty() || *end != '\0' || errno == ERANGE || n < INT_MIN || n > INT_MAX) return false;
    v = static_cast<int>(n);
    return true;
}

// A whole word that is a finite number.
bool Real(const std::string& w, double& v)
{
    char* end = nullptr;
    v = std::strtod(w.c_str(), &end);
    return !w.empty() && *end == '\0' && std::isfinite(v);
}

// What is wrong with the grid cell of a select or edit line; empty when nothing is.
std::string CellProblem(const TScriptAction& a)
{
    for (const auto& [name, value] : {std::pair{"row", a.Row}, std::pair{"column", a.Column}})
        if (value < 0 || value > TScriptAction::GridLimit)
            return std::string(name) + " " + std::to_string(value) + " is outside 0.." +
                   std::to_string(TScriptAction::GridLimit) + " in";
    return {};
}

// What is wrong with the point of a move or click line; empty when nothing is.
std::string PointProblem(const TScriptAction& a)
{
    for (const auto& [name, value] : {std::pair{"x", a.X}, std::pair{"y", a.Y}})
        if (std::abs(value) > TScriptAction::CoordinateLimit) {
            std::ostringstream text;
            text << name << ' ' << value << " is outside -1000000..1000000 in";
            return text.str();
        }
    return {};
}

// The rest of the words from `from`, joined by blanks.
std::string Rest(const std::vector<std::string>& words, std::size_t from)
{
    std::string out;
    for (std::size_t i = from; i < words.size(); ++i)
        out += (i > from ? " " : "") + words[i];
    return out;
}

bool ParseWords(const std::vector<std::string>& w, TScriptAction& a)
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
    if ((verb == "key" || verb == "mesh") && n == 2) {
        a.Kind = verb == "key" ? TScriptAction::skKey : TScriptAction::skMesh;
        return Int(w[1], a.N);
    }
    if (verb == "entity" && n == 3 &&
        (w[1] == "face" || w[1] == "edge" || w[1] == "vertex" || w[1] == "thread" || w[1] == "dimension")) {
        a.Kind = TScriptAction::skEntity;
        a.Name = FromUtf8(w[1]);
        return Int(w[2], a.N) && a.N > 0;
    }
    if (verb == "type" && n >= 2) {
        a.Kind = TScriptAction::skType;
        a.Text = FromUtf8(Rest(w, 1));
        return true;
    }
    if (verb == "show" && n == 1) {
        a.Kind = TScriptAction::skShow;
        return true;
    }
    return false;
}

// The action of a line's words; what is wrong with the line otherwise.
std::string Parse(const std::vector<std::string>& w, TScriptAction& a)
{
    if (!ParseWords(w, a)) return "cannot read";
    if (a.Kind == TScriptAction::skSelect || a.Kind == TScriptAction::skEdit) return CellProblem(a);
    if (a.Kind == TScriptAction::skMove || a.Kind == TScriptAction::skClick) return PointProblem(a);
    return {};
}

enum TLineResult { lrEnd, lrAction, lrBad };

// Reads the lines of `in` up to its next action; `number` counts the lines read, `line` is
// the buffer of the line.
TLineResult NextAction(std::istream& in, int& number, std::string& line, TScriptAction& a, std::string& error)
{
    while (std::getline(in, line)) {
        ++number;
        std::vector<std::string> words;
        if (!Split(line, words)) {
            error = "line " + std::to_string(number) + ": unclosed quote";
            return lrBad;
        }
        if (words.empty()) continue;
        a = TScriptAction{};
        a.Line = number;
        if (const std::string problem = Parse(words, a); !problem.empty()) {
            error = "line " + std::to_string(number) + ": " + problem + " \"" + line + "\"";
            return lrBad;
        }
        return lrAction;
    }
    return lrEnd;
}

} // namespace

// An opened script, read a line at a time.
class TScript::TReader {
public:
    explicit TReader(std::unique_ptr<std::istream> in) : In(std::move(in)) {}

    std::unique_ptr<std::istream> In;
    int Number = 0;
    std::string Line;
};

TScript::TScript() = default;
TScript::~TScript() = default;

bool TScript::Load(const std::string& text, std::string& error)
{
    std::istringstream in(text);
    std::string line;
    std::deque<TScriptAction> read;
    int number = 0;
    TScriptAction a;
    for (TLineResult r; (r = NextAction(in, number, line, a, error)) != lrEnd;) {
        if (r == lrBad) return false;
        read.push_back(std::move(a));
    }
    std::deque<TScriptAction>& tail = FReader ? FPushed : FActions;
    tail.insert(tail.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    return true;
}

bool TScript::Open(std::unique_ptr<std::istream> in, std::string& error)
{
    if (FReader) {
        error = "another script is still playing";
        return false;
    }
    const std::streampos start = in ? in->tellg() : std::streampos(-1);
    if (start == std::streampos(-1)) {
        error = "cannot be read twice: not a regular file";
        return false;
    }
    int number = 0;
    std::string line;
    TScriptAction a;
    for (TLineResult r; (r = NextAction(*in, number, line, a, error)) != lrEnd;)
        if (r == lrBad) return false;
    if (in->bad()) {
        error = "cannot read line " + std::to_string(number + 1);
        return false;
    }
    in->clear();
    if (!in->seekg(start)) {
        error = "cannot be read twice: not a regular file";
        return false;
    }
    FReader = std::make_unique<TReader>(std::move(in));
    ReadNext();
    return true;
}

void TScript::ReadNext()
{
    FNext.reset();
    TScriptAction a;
    std::string error;
    if (NextAction(*FReader->In, FReader->Number, FReader->Line, a, error) == lrAction) {
        FNext = std::move(a);
        return;
    }
    // Played to its end (or to a line changed since it was checked): what was queued
    // meanwhile follows.
    FReader.reset();
    FActions.insert(FActions.end(), std::make_move_iterator(FPushed.begin()),
                    std::make_move_iterator(FPushed.end()));
    FPushed.clear();
}

void TScript::Push(TScriptAction action)
{
    (FReader ? FPushed : FActions).push_back(std::move(action));
}

std::optional<TScriptAction> TScript::Take()
{
    if (!FActions.empty()) {
        TScriptAction a = std::move(FActions.front());
        FActions.pop_front();
        return a;
    }
    if (!FNext) return std::nullopt;
    TScriptAction a = std::move(*FNext);
    ReadNext();
    return a;
}

void TScript::Clear() noexcept
{
    FOnEnd = nullptr;
    FActions.clear();
    FPushed.clear();
    FNext.reset();
    FReader.reset();
}

void TScript::Ended()
{
    std::function<void()> onEnd;
    onEnd.swap(FOnEnd);
    if (onEnd) onEnd();
}

TScript& Script()
{
    static TScript script;
    return script;
}

} // namespace tvhost

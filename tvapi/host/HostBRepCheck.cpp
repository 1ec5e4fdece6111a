// The B-rep text of a shape walked as the kernel's reader walks it, before the reader sees it.
#include "HostBRepCheck.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace tvhost {

namespace {

// The reader's word buffers hold 254 characters; no number needs a tenth of that.
constexpr std::size_t MaxWord = 64;
// The reader's lines before the version, and the getline of a face, hold this much.
constexpr std::size_t MaxHeaderLine = 99;
constexpr std::size_t MaxFaceLine = 255;
// Lines the reader may pass over before the version line.
constexpr int MaxHeaderLines = 8;
// Curves and surfaces made of curves and surfaces: the reader recurses on each.
constexpr int MaxNesting = 8;
// The kernel's highest degree of a Bezier or B-spline.
constexpr long long MaxDegree = 25;
// A location composed of others: the powers and the items the kernel's algebra keeps.
constexpr long long MaxPower = 64;
constexpr std::size_t MaxLocationItems = 256;
constexpr long long MaxComposedPower = 1 << 20;

constexpr const char* Versions[] = {"CASCADE Topology V1, (c) Matra-Datavision",
                                    "CASCADE Topology V2, (c) Matra-Datavision",
                                    "CASCADE Topology V3, (c) Open Cascade"};

enum TShapeKind { skCompound, skCompSolid, skSolid, skShell, skFace, skWire, skEdge, skVertex };
constexpr const char* ShapeWords[] = {"Co", "CS", "So", "Sh", "Fa", "Wi", "Ed", "Ve"};
// For each kind, the kinds that may hold it (the kernel's builder refuses any other).
constexpr unsigned Bit(TShapeKind k)
{
    return 1u << k;
}
constexpr std::array<unsigned, 8> Holders = {
    Bit(skCompound),
    Bit(skCompound),
    Bit(skCompound) | Bit(skCompSolid),
    Bit(skCompound) | Bit(skSolid),
    Bit(skCompound) | Bit(skShell),
    Bit(skCompound) | Bit(skFace),
    Bit(skCompound) | Bit(skSolid) | Bit(skWire),
    Bit(skCompound) | Bit(skSolid) | Bit(skFace) | Bit(skEdge),
};

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// A word as a message shows it: at most 24 characters, bytes that do not print as \xNN.
std::string Quoted(std::string_view word)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < word.size() && i < 24; ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            static const char hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    if (word.size() > 24) out += "...";
    return out + "\"";
}

// A location as the kernel's algebra keeps it: (datum, power) items, the first applied last.
using TLocation = std::vector<std::pair<int, long long>>;

// `a` * `b` as the kernel composes them: b's items before a's, a datum meeting itself merged.
TLocation Multiplied(const TLocation& a, const TLocation& b)
{
    if (a.empty()) return b;
    if (b.empty()) return a;
    TLocation result(a.rbegin(), a.rend()); // reversed: the front is at the back
    for (auto item = b.rbegin(); item != b.rend(); ++item) {
        long long p = item->second;
        if (!result.empty() && result.back().first == item->first) {
            p += result.back().second;
            result.pop_back();
        }
        if (p != 0) result.emplace_back(item->first, p);
    }
    return TLocation(result.rbegin(), result.rend());
}

TLocation Inverted(const TLocation& a)
{
    TLocation result;
    for (auto item = a.rbegin(); item != a.rend(); ++item)
        result.emplace_back(item->first, -item->second);
    return result;
}

// `a` to the power `p` as the kernel computes it; false when it grows past the bound.
bool Powered(const TLocation& a, long long p, TLocation& out)
{
    if (a.empty() || p == 1) {
        out = a;
        return true;
    }
    if (p == 0) {
        out.clear();
        return true;
    }
    if (a.size() == 1) {
        out = {{a.front().first, a.front().second * p}};
        return true;
    }
    if (p < 0) return Powered(Inverted(a), -p, out);
    TLocation rest;
    if (!Powered(a, p - 1, rest)) return false;
    out = Multiplied(a, rest);
    return out.size() <= MaxLocationItems;
}

class TWalker {
public:
    explicit TWalker(std::string_view text)
        : FText(text), FItemBudget(std::max<std::size_t>(4096, text.size()))
    {
    }

    std::string Walk()
    {
        if (Header() && Locations() && Curves2D() && Curves3D() && Polygons3D() &&
            PolygonsOnTriangulations() && Surfaces() && Triangulations() && Shapes() && Top() && End())
            return {};
        return FProblem;
    }

private:
    // ---- words ---------------------------------------------------------------------------

    bool Fail(const std::string& what)
    {
        if (FProblem.empty()) FProblem = "line " + std::to_string(FLine) + ": " + what;
        return false;
    }
    void SkipSpace()
    {
        while (FAt < FText.size() && IsSpace(FText[FAt]))
            if (FText[FAt++] == '\n') ++FLine;
    }
    bool Word(std::string_view& word)
    {
        SkipSpace();
        if (FAt >= FText.size()) return Fail("the text ends where more is due");
        const std::size_t start = FAt;
        while (FAt < FText.size() && !IsSpace(FText[FAt]))
            ++FAt;
        word = FText.substr(start, FAt - start);
        if (word.size() > MaxWord) return Fail("a word of " + std::to_string(word.size()) + " characters");
        return true;
    }
    bool Keyword(const char* expected)
    {
        std::string_view word;
        if (!Word(word)) return false;
        if (word != expected) return Fail(Quoted(word) + " where \"" + expected + "\" is due");
        return true;
    }
    // A whole number between lo and hi, as the reader reads one: a sign and digits, up to
    // the first character that is no digit (the reader writes "4CN" for 4 and "CN").
    bool Int(long long& value, long long lo, long long hi, const char* what)
    {
        SkipSpace();
        if (FAt >= FText.size()) return Fail("the text ends where more is due");
        const std::size_t start = FAt;
        if (FText[FAt] == '+' || FText[FAt] == '-') ++FAt;
        while (FAt < FText.size() && FText[FAt] >= '0' && FText[FAt] <= '9' && FAt - start <= MaxWord)
            ++FAt;
        const std::string_view word = FText.substr(start, FAt - start);
        std::string_view digits = word;
        if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
        long long v = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
        if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || v < INT32_MIN ||
            v > INT32_MAX) {
            std::size_t stop = FAt;
            while (stop < FText.size() && !IsSpace(FText[stop]) && stop - start < 24)
                ++stop;
            return Fail(Quoted(FText.substr(start, stop - start)) + " is not a whole number (" + what + ")");
        }
        if (v < lo || v > hi)
            return Fail(std::string(what) + " " + std::to_string(v) + " is outside " + std::to_string(lo) +
                        " to " + std::to_string(hi));
        value = v;
        return true;
    }
    bool Int(long long lo, long long hi, const char* what)
    {
        long long ignored = 0;
        return Int(ignored, lo, hi, what);
    }
    bool Bool(bool& value, const char* what)
    {
        long long v = 0;
        if (!Int(v, 0, 1, what)) return false;
        value = v != 0;
        return true;
    }
    // A count of items that follow, each of at least two bytes: checked against the bytes
    // left, then item by item as they are walked.
    bool Count(long long& value, const char* what)
    {
        if (!Int(value, 0, INT32_MAX, what)) return false;
        const auto left = static_cast<long long>(FText.size() - FAt);
        if (value > left / 2)
            return Fail(std::string(what) + " " + std::to_string(value) + " claims more than the " +
                        std::to_string(left) + " bytes that follow hold");
        return true;
    }
    bool Real(double* value = nullptr)
    {
        std::string_view word;
        if (!Word(word)) return false;
        std::string_view digits = word;
        if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
        double v = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
        if (digits.empty() || (ec != std::errc() && ec != std::errc::result_out_of_range) ||
            end != digits.data() + digits.size())
            return Fail(Quoted(word) + " is not a number");
        if (ec != std::errc() || !std::isfinite(v)) return Fail(Quoted(word) + " is not a finite number");
        if (value) *value = v;
        return true;
    }
    bool Reals(long long n)
    {
        for (long long i = 0; i < n; ++i)
            if (!Real()) return false;
        return true;
    }
    bool Regularity()
    {
        std::string_view word;
        if (!Word(word)) return false;
        for (const char* r : {"C0", "G1", "C1", "G2", "C2", "C3", "CN"})
            if (word == r) return true;
        return Fail(Quoted(word) + " is no continuity");
    }
    // The rest of the line the reader reads with getline: at most `max` characters.
    bool Line(std::string_view& line, std::size_t max)
    {
        const std::size_t start = FAt;
        while (FAt < FText.size() && FText[FAt] != '\n')
            ++FAt;
        line = FText.substr(start, FAt - start);
        if (line.size() > max) return Fail("a line of " + std::to_string(line.size()) + " characters");
        if (FAt < FText.size()) {
            ++FAt;
            ++FLine;
        }
        return true;
    }

    // ---- header and locations ------------------------------------------------------------

    bool Header()
    {
        for (int i = 0; i < MaxHeaderLines && FAt < FText.size(); ++i) {
            std::string_view line;
            if (!Line(line, MaxHeaderLine)) return false;
            while (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            for (std::size_t v = 0; v < std::size(Versions); ++v)
                if (line == Versions[v]) {
                    FVersion = static_cast<int>(v) + 1;
                    return true;
                }
        }
        return Fail("no version line of the kernel's B-rep text");
    }

    bool Locations()
    {
        long long n = 0;
        if (!Keyword("Locations") || !Count(n, "location count")) return false;
        for (long long i = 1; i <= n; ++i) {
            long long type = 0;
            if (!Int(type, 1, 2, "location kind")) return false;
            TLocation location;
            if (type == 1) {
                std::array<double, 12> m{};
                for (double& v : m)
                    if (!Real(&v)) return false;
                const double det = m[0] * (m[5] * m[10] - m[6] * m[9]) - m[1] * (m[4] * m[10] - m[6] * m[8]) +
                                   m[2] * (m[4] * m[9] - m[5] * m[8]);
                if (!std::isfinite(det) || std::abs(det) < 1e-9)
                    return Fail("a location that is no transformation");
                location = {{static_cast<int>(i), 1}};
            } else {
                for (;;) {
                    long long item = 0, power = 0;
                    if (!Int(item, 0, static_cast<long long>(FLocations.size()), "location")) return false;
                    if (item == 0) break;
                    if (!Int(power, -MaxPower, MaxPower, "location power")) return false;
                    TLocation powered;
                    if (!Powered(FLocations[static_cast<std::size_t>(item - 1)], power, powered))
                        return Fail("a location composed of too many");
                    location = Multiplied(powered, location);
                    if (location.size() > MaxLocationItems) return Fail("a location composed of too many");
                    for (const auto& composed : location)
                        if (std::abs(composed.second) > MaxComposedPower)
                            return Fail("a location raised to too high a power");
                }
            }
            // The kernel keeps a location once, and none that is the identity.
            if (location.empty() || FKnown.count(location)) continue;
            if (location.size() > FItemBudget) return Fail("locations composed of too many");
            FItemBudget -= location.size();
            FKnown.emplace(location, FLocations.size());
            FLocations.push_back(std::move(location));
        }
        return true;
    }
    bool LocationRef() { return Int(0, static_cast<long long>(FLocations.size()), "location"); }

    // ---- geometry ------------------------------------------------------------------------

    // A curve of `dimension` 2 or 3: a line is a point and a direction, a circle or parabola a
    // point, two or three axes and one real, an ellipse or hyperbola the same and two reals, a
    // trimmed curve two parameters and its curve, an offset curve its offset (and direction in
    // 3D) and its curve.
    bool Curve(int dimension, int depth)
    {
        if (depth > MaxNesting) return Fail("curves nested deeper than " + std::to_string(MaxNesting));
        const bool flat = dimension == 2;
        long long type = 0;
        if (!Int(type, 1, 9, flat ? "2D curve kind" : "curve kind")) return false;
        const long long axes = flat ? 6 : 12; // a point and the axes of its frame
        switch (type) {
        case 1:
            return Reals(2 * dimension);
        case 2:
        case 4:
            return Reals(axes + 1);
        case 3:
        case 5:
            return Reals(axes + 2);
        case 6:
            return Bezier(dimension);
        case 7:
            return BSpline(dimension);
        case 8:
            return Reals(2) && Curve(dimension, depth + 1);
        default:
            return Reals(flat ? 1 : 4) && Curve(dimension, depth + 1);
        }
    }
    bool Curve2D(int depth) { return Curve(2, depth); }
    bool Curve3D(int depth) { return Curve(3, depth); }
    bool Bezier(int dimension)
    {
        bool rational = false;
        long long degree = 0;
        if (!Bool(rational, "rational flag") || !Int(degree, 1, MaxDegree, "degree")) return false;
        return Reals((degree + 1) * (dimension + (rational ? 1 : 0)));
    }
    bool BSpline(int dimension)
    {
        bool rational = false, periodic = false;
        long long degree = 0, poles = 0, knots = 0;
        if (!Bool(rational, "rational flag") || !Bool(periodic, "periodic flag") ||
            !Int(degree, 1, MaxDegree, "degree") || !Int(poles, 2, INT32_MAX, "pole count") ||
            !Int(knots, 2, INT32_MAX, "knot count"))
            return false;
        for (long long i = 0; i < poles; ++i)
            if (!Reals(dimension + (rational ? 1 : 0))) return false;
        return Knots(knots, degree);
    }
    bool Knots(long long knots, long long degree)
    {
        for (long long i = 0; i < knots; ++i)
            if (!Real() || !Int(1, degree + 1, "knot multiplicity")) return false;
        return true;
    }
    bool Surface(int depth)
    {
        if (depth > MaxNesting) return Fail("surfaces nested deeper than " + std::to_string(MaxNesting));
        long long type = 0;
        if (!Int(type, 1, 11, "surface kind")) return false;
        switch (type) {
        case 1:
            return Reals(12);
        case 2:
        case 4:
            return Reals(13);
        case 3:
        case 5:
            return Reals(14);
        case 6:
            return Reals(3) && Curve3D(depth + 1);
        case 7:
            return Reals(6) && Curve3D(depth + 1);
        case 8: {
            bool ur = false, vr = false;
            long long ud = 0, vd = 0;
            if (!Bool(ur, "rational flag") || !Bool(vr, "rational flag") ||
                !Int(ud, 1, MaxDegree, "degree") || !Int(vd, 1, MaxDegree, "degree"))
                return false;
            return Reals((ud + 1) * (vd + 1) * (3 + (ur || vr ? 1 : 0)));
        }
        case 9: {
            bool ur = false, vr = false;
            long long ud = 0, vd = 0, up = 0, vp = 0, uk = 0, vk = 0;
            if (!Bool(ur, "rational flag") || !Bool(vr, "rational flag") || !Int(0, 1, "periodic flag") ||
                !Int(0, 1, "periodic flag") || !Int(ud, 1, MaxDegree, "degree") ||
                !Int(vd, 1, MaxDegree, "degree") || !Int(up, 2, INT32_MAX, "pole count") ||
                !Int(vp, 2, INT32_MAX, "pole count") || !Int(uk, 2, INT32_MAX, "knot count") ||
                !Int(vk, 2, INT32_MAX, "knot count"))
                return false;
            // Walked pole by pole: a product of counts the text cannot hold ends with the text.
            for (long long i = 0; i < up; ++i)
                for (long long j = 0; j < vp; ++j)
                    if (!Reals(3 + (ur || vr ? 1 : 0))) return false;
            return Knots(uk, ud) && Knots(vk, vd);
        }
        case 10:
            return Reals(4) && Surface(depth + 1);
        default:
            return Reals(1) && Surface(depth + 1);
        }
    }

    bool Curves2D()
    {
        if (!Keyword("Curve2ds") || !Count(FCurves2D, "2D curve count")) return false;
        for (long long i = 0; i < FCurves2D; ++i)
            if (!Curve2D(0)) return false;
        return true;
    }
    bool Curves3D()
    {
        if (!Keyword("Curves") || !Count(FCurves3D, "curve count")) return false;
        for (long long i = 0; i < FCurves3D; ++i)
            if (!Curve3D(0)) return false;
        return true;
    }
    bool Polygons3D()
    {
        if (!Keyword("Polygon3D") || !Count(FPolygons3D, "polygon count")) return false;
        for (long long i = 0; i < FPolygons3D; ++i) {
            long long nodes = 0;
            bool parameters = false;
            if (!Int(nodes, 1, INT32_MAX, "node count") || !Bool(parameters, "parameter flag") || !Real() ||
                !Reals(3 * nodes) || (parameters && !Reals(nodes)))
                return false;
        }
        return true;
    }
    bool PolygonsOnTriangulations()
    {
        long long n = 0;
        if (!Keyword("PolygonOnTriangulations") || !Count(n, "polygon count")) return false;
        for (long long i = 0; i < n; ++i) {
            long long nodes = 0, highest = 0;
            bool parameters = false;
            if (!Int(nodes, 1, INT32_MAX, "node count")) return false;
            for (long long j = 0; j < nodes; ++j) {
                long long node = 0;
                if (!Int(node, 1, INT32_MAX, "node")) return false;
                highest = std::max(highest, node);
            }
            if (!Keyword("p") || !Real() || !Bool(parameters, "parameter flag") ||
                (parameters && !Reals(nodes)))
                return false;
            FPolygonNodes.push_back(highest);
        }
        return true;
    }
    bool Surfaces()
    {
        if (!Keyword("Surfaces") || !Count(FSurfaces, "surface count")) return false;
        for (long long i = 0; i < FSurfaces; ++i)
            if (!Surface(0)) return false;
        return true;
    }
    bool Triangulations()
    {
        long long n = 0;
        if (!Keyword("Triangulations") || !Count(n, "triangulation count")) return false;
        for (long long i = 0; i < n; ++i) {
            long long nodes = 0, triangles = 0;
            bool uv = false, normals = false;
            if (!Int(nodes, 1, INT32_MAX, "node count") || !Count(triangles, "triangle count") ||
                !Bool(uv, "UV flag") || (FVersion >= 3 && !Bool(normals, "normal flag")) || !Real() ||
                !Reals(3 * nodes) || (uv && !Reals(2 * nodes)))
                return false;
            for (long long j = 0; j < 3 * triangles; ++j)
                if (!Int(1, nodes, "triangle node")) return false;
            if (normals && !Reals(3 * nodes)) return false;
            FTriangulationNodes.push_back(nodes);
        }
        return true;
    }

    // ---- topology ------------------------------------------------------------------------

    bool Index(long long count, const char* what) { return Int(1, count, what); }
    // A polygon on a triangulation whose nodes the triangulation has.
    bool PolygonOn(long long polygon, long long triangulation)
    {
        if (FPolygonNodes[static_cast<std::size_t>(polygon - 1)] >
            FTriangulationNodes[static_cast<std::size_t>(triangulation - 1)])
            return Fail("a polygon names nodes its triangulation lacks");
        return true;
    }

    bool Vertex()
    {
        if (!Reals(4)) return false; // tolerance, point
        for (;;) {
            long long kind = 0;
            if (!Real() || !Int(kind, 0, 3, "point representation")) return false;
            if (kind == 0) return true;
            if (kind == 1 && !Index(FCurves3D, "curve")) return false;
            if (kind == 2 && (!Index(FCurves2D, "2D curve") || !Index(FSurfaces, "surface"))) return false;
            if (kind == 3 && (!Real() || !Index(FSurfaces, "surface"))) return false;
            if (!LocationRef()) return false;
        }
    }
    bool Edge()
    {
        if (!Real() || !Int(0, 1, "same parameter flag") || !Int(0, 1, "same range flag") ||
            !Int(0, 1, "degenerated flag"))
            return false;
        for (;;) {
            long long kind = 0;
            if (!Int(kind, 0, 7, "curve representation")) return false;
            switch (kind) {
            case 0:
                return true;
            case 1:
                if (!Index(FCurves3D, "curve") || !LocationRef() || !Reals(2)) return false;
                break;
            case 2:
            case 3:
                if (!Index(FCurves2D, "2D curve")) return false;
                if (kind == 3 && (!Index(FCurves2D, "2D curve") || !Regularity())) return false;
                if (!Index(FSurfaces, "surface") || !LocationRef() || !Reals(FVersion == 2 ? 6 : 2))
                    return false;
                break;
            case 4:
                if (!Regularity() || !Index(FSurfaces, "surface") || !LocationRef() ||
                    !Index(FSurfaces, "surface") || !LocationRef())
                    return false;
                break;
            case 5:
                if (!Index(FPolygons3D, "polygon") || !LocationRef()) return false;
                break;
            default: {
                const auto polygons = static_cast<long long>(FPolygonNodes.size());
                const auto triangulations = static_cast<long long>(FTriangulationNodes.size());
                long long p1 = 0, p2 = 0, t = 0;
                if (!Int(p1, 1, polygons, "polygon") || (kind == 7 && !Int(p2, 1, polygons, "polygon")) ||
                    !Int(t, 1, triangulations, "triangulation") || !LocationRef() || !PolygonOn(p1, t) ||
                    (kind == 7 && !PolygonOn(p2, t)))
                    return false;
            }
            }
        }
    }
    bool Face()
    {
        long long kind = 0;
        if (!Int(kind, 0, 2, "face kind")) return false;
        if (kind == 2) return Index(static_cast<long long>(FTriangulationNodes.size()), "triangulation");
        if (!Real() || !Index(FSurfaces, "surface") || !LocationRef()) return false;
        // The reader takes the rest of this line and the next as lines; the next may name the
        // face's triangulation.
        std::string_view rest, next;
        if (!Line(rest, MaxFaceLine)) return false;
        if (rest.find_first_not_of(" \t\r\v\f") != std::string_view::npos)
            return Fail("more on a face's line");
        if (!Line(next, MaxFaceLine)) return false;
        const std::size_t first = next.find_first_not_of(" \t\r\v\f");
        if (first == std::string_view::npos) return true;
        long long t = 0;
        const auto triangulations = static_cast<long long>(FTriangulationNodes.size());
        const char* digits = next.data() + std::min<std::size_t>(2, next.size());
        const auto [end, ec] = std::from_chars(digits, next.data() + next.size(), t);
        if (next.size() < 3 || next.substr(0, 2) != "2 " || ec != std::errc() ||
            std::string_view(end, static_cast<std::size_t>(next.data() + next.size() - end))
                    .find_first_not_of(" \t\r\v\f") != std::string_view::npos ||
            t < 1 || t > triangulations)
            return Fail("a face's triangulation line " + Quoted(next));
        return true;
    }

    bool ShapeRef(long long below, TShapeKind& kind, bool& end)
    {
        std::string_view word;
        if (!Word(word)) return false;
        end = word == "*";
        if (end) return true;
        const char orientation = word.front();
        std::string_view digits = word.substr(1);
        long long k = 0;
        const auto [stop, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), k);
        if ((orientation != '+' && orientation != '-' && orientation != 'i' && orientation != 'e') ||
            digits.empty() || ec != std::errc() || stop != digits.data() + digits.size())
            return Fail(Quoted(word) + " names no shape");
        // Shapes are named counting back from the last; only those already read may be.
        const long long index = FShapeCount - k + 1;
        if (k < 1 || index < 1 || index >= below)
            return Fail(Quoted(word) + " names no shape read before it");
        kind = FKinds[static_cast<std::size_t>(index - 1)];
        return LocationRef();
    }

    bool Shapes()
    {
        if (!Keyword("TShapes") || !Count(FShapeCount, "shape count")) return false;
        if (FShapeCount == 0) return Fail("the text holds no shape");
        for (long long i = 1; i <= FShapeCount; ++i) {
            std::string_view word;
            if (!Word(word)) return false;
            int kind = 0;
            while (kind < 8 && word != ShapeWords[kind])
                ++kind;
            if (kind == 8) return Fail(Quoted(word) + " is no kind of shape");
            const auto shape = static_cast<TShapeKind>(kind);
            if ((shape == skVertex && !Vertex()) || (shape == skEdge && !Edge()) ||
                (shape == skFace && !Face()))
                return false;
            if (!Keyword7Flags()) return false;
            for (;;) {
                TShapeKind sub = skCompound;
                bool end = false;
                if (!ShapeRef(i, sub, end)) return false;
                if (end) break;
                if (!(Holders[sub] & Bit(shape)))
                    return Fail(std::string("a shape ") + ShapeWords[shape] + " holds a shape " +
                                ShapeWords[sub]);
            }
            FKinds.push_back(shape);
        }
        return true;
    }
    bool Keyword7Flags()
    {
        std::string_view word;
        if (!Word(word)) return false;
        if (word.size() != 7 || word.find_first_not_of("01") != std::string_view::npos)
            return Fail(Quoted(word) + " is no set of shape flags");
        return true;
    }
    bool Top()
    {
        TShapeKind kind = skCompound;
        bool end = false;
        if (!ShapeRef(FShapeCount + 1, kind, end)) return false;
        return end ? Fail("the text names no shape") : true;
    }
    bool End()
    {
        SkipSpace();
        return FAt == FText.size() ? true : Fail("more after the shape");
    }

    std::string_view FText;
    std::size_t FAt = 0;
    int FLine = 1;
    std::string FProblem;
    int FVersion = 0;
    std::vector<TLocation> FLocations;
    std::map<TLocation, std::size_t> FKnown;
    std::size_t FItemBudget;
    long long FCurves2D = 0, FCurves3D = 0, FPolygons3D = 0, FSurfaces = 0;
    std::vector<long long> FPolygonNodes;
    std::vector<long long> FTriangulationNodes;
    long long FShapeCount = 0;
    std::vector<TShapeKind> FKinds;
};

} // namespace

std::string BRepTextProblem(std::string_view text)
{
    return TWalker(text).Walk();
}

} // namespace tvhost

// FontGen: builds the outline font of the OpenGL texts from a TrueType file. Each 8-bit
// Windows-1251 code gets the flattened outlines of its character, scaled so that capitals
// stand 53 of the 90 glyph units of the nominal text height, written in the font's stream
// form behind a byte-stream header. Output: the data file, a C++ source holding the same bytes
// and a list of the code points used. Runs in the build; the result depends only on the font.

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <iconv.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t StreamHead = 0x017EDEDD;
constexpr std::int32_t StreamVersion = 96;
constexpr std::size_t HeaderSize = 256;
constexpr std::int32_t ListBase = 2000;
constexpr int GlyphCount = 256;
constexpr double CapHeight = 53.0;    // glyph units of a capital's ink height
constexpr double FlatTolerance = 0.1; // largest gap between a curve and its chords, glyph units
constexpr double MinPointGap = 1.0;   // the font's cleaning merges closer points
constexpr int MaxCurvePieces = 16;
constexpr std::int32_t PointsStep = 64; // growth steps of the glyph's point and contour arrays
constexpr std::int32_t ContoursStep = 12;

struct TPoint {
    double x = 0.0, y = 0.0;
};

struct TGlyph {
    double boxX = 0.0, boxY = 0.0, originX = 0.0, originY = 0.0, incX = 0.0, incY = 0.0;
    std::vector<TPoint> points;
    std::vector<std::int32_t> contours;
};

// Flattening state of one glyph: the current contour and the scale to glyph units.
struct TFlattener {
    double scale = 1.0;
    TPoint pen;
    std::vector<std::vector<TPoint>> contours;

    TPoint Map(const FT_Vector* v) const { return {v->x * scale, v->y * scale}; }
    void Add(const TPoint& p)
    {
        contours.back().push_back(p);
        pen = p;
    }
    static int Pieces(double bend, double chord)
    {
        const int byBend = static_cast<int>(std::ceil(std::sqrt(bend / FlatTolerance)));
        const int byChord = static_cast<int>(chord / (1.5 * MinPointGap));
        return std::clamp(std::min(byBend, byChord), 1, MaxCurvePieces);
    }
};

double Dist(const TPoint& a, const TPoint& b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

int MoveTo(const FT_Vector* to, void* user)
{
    auto* f = static_cast<TFlattener*>(user);
    f->contours.emplace_back();
    f->Add(f->Map(to));
    return 0;
}

int LineTo(const FT_Vector* to, void* user)
{
    auto* f = static_cast<TFlattener*>(user);
    f->Add(f->Map(to));
    return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user)
{
    auto* f = static_cast<TFlattener*>(user);
    const TPoint p0 = f->pen, c = f->Map(control), p1 = f->Map(to);
    const double bend = std::hypot(p0.x - 2 * c.x + p1.x, p0.y - 2 * c.y + p1.y) / 4.0;
    const int n = TFlattener::Pieces(bend, Dist(p0, p1));
    for (int k = 1; k <= n; ++k) {
        const double t = double(k) / n, u = 1.0 - t;
        f->Add(
            {u * u * p0.x + 2 * u * t * c.x + t * t * p1.x, u * u * p0.y + 2 * u * t * c.y + t * t * p1.y});
    }
    return 0;
}

int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user)
{
    auto* f = static_cast<TFlattener*>(user);
    const TPoint p0 = f->pen, a = f->Map(c1), b = f->Map(c2), p1 = f->Map(to);
    const double bend = 0.75 * std::max(std::hypot(p0.x - 2 * a.x + b.x, p0.y - 2 * a.y + b.y),
                                        std::hypot(a.x - 2 * b.x + p1.x, a.y - 2 * b.y + p1.y));
    const int n = TFlattener::Pieces(bend, Dist(p0, p1));
    for (int k = 1; k <= n; ++k) {
        const double t = double(k) / n, u = 1.0 - t;
        f->Add({u * u * u * p0.x + 3 * u * u * t * a.x + 3 * u * t * t * b.x + t * t * t * p1.x,
                u * u * u * p0.y + 3 * u * u * t * a.y + 3 * u * t * t * b.y + t * t * t * p1.y});
    }
    return 0;
}

// Drops points closer than MinPointGap to the previous kept one (the closing point included).
std::vector<TPoint> Clean(const std::vector<TPoint>& ring)
{
    std::vector<TPoint> kept;
    for (const TPoint& p : ring)
        if (kept.empty() || Dist(kept.back(), p) >= MinPointGap) kept.push_back(p);
    while (kept.size() > 1 && Dist(kept.back(), kept.front()) < MinPointGap)
        kept.pop_back();
    return kept;
}

// Unicode of a Windows-1251 code; 0 where the code page has no character.
std::uint32_t UnicodeOf(int code)
{
    if (code < 0x80) return static_cast<std::uint32_t>(code);
    iconv_t cd = iconv_open("UTF-32LE", "CP1251");
    if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
    char in = static_cast<char>(code);
    std::uint32_t out = 0;
    char* pin = &in;
    char* pout = reinterpret_cast<char*>(&out);
    std::size_t nin = 1, nout = sizeof out;
    const bool ok = iconv(cd, &pin, &nin, &pout, &nout) != static_cast<std::size_t>(-1) && nout == 0;
    iconv_close(cd);
    return ok ? out : 0;
}

bool BuildGlyph(FT_Face face, std::uint32_t unicode, double scale, TGlyph& g)
{
    if (unicode < 0x20 || unicode == 0x7F) return true; // control codes stay empty
    const FT_UInt index = FT_Get_Char_Index(face, unicode);
    if (index == 0) return true;
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP) != 0) return false;
    g.incX = face->glyph->advance.x * scale;
    TFlattener f;
    f.scale = scale;
    FT_Outline_Funcs funcs{MoveTo, LineTo, ConicTo, CubicTo, 0, 0};
    if (FT_Outline_Decompose(&face->glyph->outline, &funcs, &f) != 0) return false;
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    for (const auto& ring : f.contours) {
        const std::vector<TPoint> kept = Clean(ring);
        if (kept.size() < 3) continue;
        g.contours.push_back(static_cast<std::int32_t>(g.points.size()));
        for (const TPoint& p : kept) {
            g.points.push_back(p);
            x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
        }
    }
    if (!g.points.empty()) {
        g.boxX = x1 - x0, g.boxY = y1 - y0, g.originX = x0, g.originY = y1;
    }
    return true;
}

class TWriter {
public:
    std::vector<unsigned char> bytes;
    void Int(std::int32_t v)
    {
        for (int k = 0; k < 4; ++k)
            bytes.push_back(static_cast<unsigned char>(std::uint32_t(v) >> (8 * k)));
    }
    void Real(double v)
    {
        std::uint64_t u;
        std::memcpy(&u, &v, sizeof u);
        for (int k = 0; k < 8; ++k)
            bytes.push_back(static_cast<unsigned char>(u >> (8 * k)));
    }
    // The array record of a grown array: size a whole number of steps, cursor 0.
    void Record(std::size_t count, std::int32_t step)
    {
        const auto n = static_cast<std::int32_t>(count);
        Int(std::max<std::int32_t>(step, (n + step - 1) / step * step));
        Int(step);
        Int(n);
        Int(0);
    }
};

void WriteGlyph(TWriter& w, const TGlyph& g)
{
    for (double v : {g.boxX, g.boxY, g.originX, g.originY, g.incX, g.incY})
        w.Real(v);
    w.Record(g.points.size(), PointsStep);
    for (const TPoint& p : g.points) {
        w.Real(p.x);
        w.Real(p.y);
        w.Real(0.0);
    }
    w.Record(g.contours.size(), ContoursStep);
    for (std::int32_t c : g.contours)
        w.Int(c);
}

bool WriteFile(const char* name, const std::string& text)
{
    std::FILE* f = std::fopen(name, "wb");
    if (!f) return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

std::string SourceOf(const std::vector<unsigned char>& bytes)
{
    std::string s =
        "// Generated by tools/fontgen from DejaVu Sans: the built-in outline font. Do not edit.\n"
        "#include <cstddef>\n\n"
        "extern const unsigned char FontGlifData[] = {\n";
    char buf[8];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%u,", unsigned(bytes[i]));
        s += buf;
        if (i % 24 == 23) s += '\n';
    }
    s += "\n};\nextern const std::size_t FontGlifDataSize = sizeof FontGlifData;\n";
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: fontgen font.ttf out.kmf out.cpp out-codes.txt\n");
        return 2;
    }
    FT_Library lib;
    FT_Face face;
    if (FT_Init_FreeType(&lib) != 0 || FT_New_Face(lib, argv[1], 0, &face) != 0) {
        std::fprintf(stderr, "fontgen: cannot open %s\n", argv[1]);
        return 1;
    }
    TGlyph capital;
    if (!BuildGlyph(face, 'H', 1.0, capital) || capital.points.empty()) {
        std::fprintf(stderr, "fontgen: the font has no capital H\n");
        return 1;
    }
    const double scale = CapHeight / capital.boxY;
    TWriter w;
    w.Int(StreamHead);
    w.Int(StreamVersion);
    w.Int(0);
    w.bytes.resize(HeaderSize, 0);
    w.Int(ListBase);
    std::string codes;
    for (int code = 0; code < GlyphCount; ++code) {
        TGlyph g;
        const std::uint32_t u = code == 0 ? 0 : UnicodeOf(code);
        if (!BuildGlyph(face, u, scale, g)) {
            std::fprintf(stderr, "fontgen: glyph of code %d failed\n", code);
            return 1;
        }
        WriteGlyph(w, g);
        codes += std::to_string(code) + " " + std::to_string(u) + "\n";
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    const std::string data(w.bytes.begin(), w.bytes.end());
    if (!WriteFile(argv[2], data) || !WriteFile(argv[3], SourceOf(w.bytes)) || !WriteFile(argv[4], codes)) {
        std::fprintf(stderr, "fontgen: cannot write the output\n");
        return 1;
    }
    return 0;
}

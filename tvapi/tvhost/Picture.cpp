// The session's offscreen view and its PNG file.
#include "Picture.h"

#include <array>

#include "HostFileIo.h"

#ifdef TVHOST_HAVE_OSMESA
#include <GL/gl.h>
#include <GL/osmesa.h>
#endif

namespace tvrun {

namespace {

constexpr std::size_t StoredBlock = 65535; // the largest block deflate stores as it stands

std::uint32_t Crc32(std::string_view bytes)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char b : bytes)
        c = table[(c ^ static_cast<std::uint8_t>(b)) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(std::string_view bytes)
{
    constexpr std::uint32_t Mod = 65521;
    std::uint32_t a = 1, b = 0;
    for (const char c : bytes) {
        a = (a + static_cast<std::uint8_t>(c)) % Mod;
        b = (b + a) % Mod;
    }
    return (b << 16) | a;
}

void Big32(std::string& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFFu));
}

void Chunk(std::string& png, const char* type, const std::string& data)
{
    Big32(png, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    png += body;
    Big32(png, Crc32(body));
}

// A zlib stream of `raw` in stored deflate blocks.
std::string Stored(const std::string& raw)
{
    std::string z{"\x78\x01", 2};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min(StoredBlock, raw.size() - at);
        const bool last = at + n == raw.size();
        z.push_back(last ? '\x01' : '\x00');
        const auto len = static_cast<std::uint16_t>(n);
        const auto nlen = static_cast<std::uint16_t>(~len);
        for (const std::uint16_t v : {len, nlen}) {
            z.push_back(static_cast<char>(v & 0xFFu));
            z.push_back(static_cast<char>(v >> 8));
        }
        z.append(raw, at, n);
        at += n;
    } while (at < raw.size());
    Big32(z, Adler32(raw));
    return z;
}

} // namespace

std::string EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb)
{
    std::string raw;
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y) {
        raw.push_back('\0'); // no filter
        raw.append(reinterpret_cast<const char*>(rgb.data()) + static_cast<std::size_t>(y) * row, row);
    }
    std::string header;
    Big32(header, static_cast<std::uint32_t>(width));
    Big32(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5); // 8 bits, RGB, deflate, no filter, no interlace
    std::string png{"\x89PNG\r\n\x1a\n", 8};
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", Stored(raw));
    Chunk(png, "IEND", {});
    return png;
}

#ifdef TVHOST_HAVE_OSMESA

struct TView::TContext {
    OSMesaContext Context = nullptr;
    int Width;
    int Height;
    std::vector<std::uint8_t> Buffer;
};

TView::TView(int width, int height) : FContext(std::make_unique<TContext>())
{
    TContext& c = *FContext;
    c.Width = width;
    c.Height = height;
    c.Buffer.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    c.Context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
    if (c.Context && !OSMesaMakeCurrent(c.Context, c.Buffer.data(), GL_UNSIGNED_BYTE, width, height)) {
        OSMesaDestroyContext(c.Context);
        c.Context = nullptr;
    }
    if (c.Context) Clear();
}

TView::~TView()
{
    if (FContext->Context) OSMesaDestroyContext(FContext->Context);
}

bool TView::Valid() const noexcept
{
    return FContext->Context != nullptr;
}

void TView::Clear()
{
    if (!Valid()) return;
    glViewport(0, 0, FContext->Width, FContext->Height);
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

bool TView::SavePng(const std::string& file, std::string& error) const
{
    if (!Valid()) {
        error = "no offscreen view";
        return false;
    }
    glFinish();
    const TContext& c = *FContext;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(c.Width) * static_cast<std::size_t>(c.Height) * 3);
    // The buffer's first row is the bottom one; the picture's is the top.
    for (int y = 0; y < c.Height; ++y)
        for (int x = 0; x < c.Width; ++x) {
            const std::size_t from = (static_cast<std::size_t>(c.Height - 1 - y) * c.Width + x) * 4;
            const std::size_t to = (static_cast<std::size_t>(y) * c.Width + x) * 3;
            for (int k = 0; k < 3; ++k)
                rgb[to + k] = c.Buffer[from + k];
        }
    return tvhost::WriteFileAtomically(file, EncodePng(c.Width, c.Height, rgb), error);
}

#else

struct TView::TContext {};

TView::TView(int, int) : FContext(std::make_unique<TContext>()) {}
TView::~TView() = default;
bool TView::Valid() const noexcept
{
    return false;
}
void TView::Clear() {}
bool TView::SavePng(const std::string&, std::string& error) const
{
    error = "this tvhost was built without offscreen OpenGL";
    return false;
}

#endif

} // namespace tvrun

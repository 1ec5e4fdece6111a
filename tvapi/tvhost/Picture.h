#pragma once
// The view of a tvhost session as a picture: an offscreen OpenGL buffer of the window's size,
// current while the session runs, into which the frames paint (the library's overlays and
// widgets), saved as a PNG file so a person can look at it.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tvrun {

class TView {
public:
    // A context of width x height pixels made current; Valid() tells whether it could be had
    // (the build may lack offscreen OpenGL).
    TView(int width, int height);
    ~TView();
    TView(const TView&) = delete;
    TView& operator=(const TView&) = delete;

    bool Valid() const noexcept;
    // White, and the viewport set to the whole buffer.
    void Clear();
    // The buffer as a PNG (8-bit RGB, top row first), replaced atomically; false with `error`.
    bool SavePng(const std::string& file, std::string& error) const;

private:
    struct TContext;
    std::unique_ptr<TContext> FContext;
};

// The PNG file of an RGB image, rows top first (3 bytes a pixel), without compression.
std::string EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);

} // namespace tvrun

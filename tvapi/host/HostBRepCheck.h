#pragma once
// The B-rep text of a shape, checked before the kernel's reader sees it. The kernel's reader
// trusts its input: a count it reads sizes its arrays before it reads their items, a word
// that is no number leaves it reading the same place for ever, an index outside its tables
// reads outside them. So the text is walked first as the reader would read it (formats V1 to
// V3 of the kernel's text): every count must be met by the items that follow it, every index
// must name what was read before, every word must be a number of its kind, every real must
// be finite, nesting is bounded and no word is longer than the reader's buffers.

#include <string>
#include <string_view>

namespace tvhost {

// What is wrong with `text` as B-rep text, with its line; empty when the kernel's reader may
// be given it. Never reads past the text, never allocates by a count it has not checked
// against the bytes that follow, and takes time in proportion to the text's length.
std::string BRepTextProblem(std::string_view text);

} // namespace tvhost

#pragma once
// The hidden-line projection of a part for people to look at: the edges of its shapes seen
// along one fixed direction (from the front, right and above), visible ones solid and hidden
// ones dashed, as an SVG picture framed around them. Sees the kernel's own headers.

#include <string>
#include <vector>

#include "HostKernel.h"

namespace tvhost {

// The SVG text of the projection; false with `error` set when there is nothing to draw.
bool PartSvg(const std::vector<TShape>& shapes, std::string& svg, std::string& error);

} // namespace tvhost

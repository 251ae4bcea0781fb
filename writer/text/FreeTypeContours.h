#pragma once

#include <vector>

#include "writer/text/CharacterOutline.h"

struct FT_Outline_;

namespace quillot {

// Turns a scaled FreeType outline (26.6 fixed point) into contours of whole
// units: each contour starts at an on-curve point, runs of on-curve points
// become line runs, and runs of off-curve points up to the next on-curve
// point become quadratic spline runs. Cubic segments (fonts with PostScript
// outlines) are approximated by two quadratic curves each. Fractions are
// dropped (rounded toward minus infinity), so that points sit on the unit
// grid the shape records use.
std::vector<OutlineContour> ContoursOf(const FT_Outline_& outline);

} // namespace quillot

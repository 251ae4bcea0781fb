#pragma once

// Hand-assembled DefineShape3 bodies and the records they decode to.

#include "SwfFixtures.h"

#include "viewer/swf/Shape.h"

namespace swftest {

// The writer's default rectangle (0, 0, 100, 50): one solid white fill, one
// black 20-twip line, bits 1/1, edges (101, 0), (0, 51), (-101, 0), (0, -51).
Bytes RectangleShapeBody();
swf::DefineShape3 RectangleShape();

// Linear, radial and clipped bitmap fills, a line style array in the 0xFF
// extended-count form, fill0/fill1/line indices, a lone MoveTo, general,
// vertical and horizontal straight edges, a curve, and new styles.
Bytes GradientShapeBody();
swf::DefineShape3 GradientShape();

// Empty style arrays: bits 0/0, so the indices are written in no bits.
Bytes UnstyledShapeBody();
swf::DefineShape3 UnstyledShape();

} // namespace swftest

#pragma once

#include "GlyphCanvas.h"
#include "viewer/swf/Movie.h"

namespace quillot {

// Paints every static text the movie places, as a player would: the glyphs
// of its font one after the other by their advances, scaled by the text
// height, through the placement matrix, in the text colour. Twips become
// pixels at 20 to 1. Returns the number of texts painted.
int PaintTexts(const swf::Movie& movie, GlyphCanvas& canvas);

} // namespace quillot

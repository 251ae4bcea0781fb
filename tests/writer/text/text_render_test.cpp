// Texts drawn the way a player draws them: a whole string as one glyph and
// the same string one character at a time must both show upright letters in
// reading order on one baseline.
#include <gtest/gtest.h>

#include <filesystem>

#include "GlyphCanvas.h"
#include "TextMovie.h"
#include "TextPainter.h"
#include "writer/objects/swfObject.h"

namespace quillot {
namespace {

constexpr const char* kFace = "Times New Roman";
constexpr const char* kText = "LT";
constexpr int kStageWidth = 400, kStageHeight = 300;
constexpr int kLeft = 20;                      // pixels
constexpr int kSimpleTop = 20, kSplitTop = 160; // pixels
constexpr int kSize = 100;                      // pixels

// Lays out the characters as the card generator does: each its own glyph
// (all glyphs first, since the font is written with the first text), and
// each text placed after the measured widths of the ones before it.
void AddSplitText(swfMovie& movie, swfObject& font, std::vector<swfObject>& texts) {
    font.MakeFont(kFace);
    const std::string text = kText;
    std::vector<std::int32_t> widths(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        const std::string character(1, text[index]);
        font.AddGlyph(kFace, character, static_cast<std::int32_t>(index + 1));
        font.GetTextWidth(kFace, character, widths[index]);
    }
    const double factor = kSize * 20 / 1025.0;
    double left = 0;
    for (std::size_t index = 0; index < text.size(); ++index) {
        const std::int32_t width = widths[index];
        const std::string code(1, static_cast<char>(index + 1));
        texts[index].MakeTextEx(code, &font, static_cast<std::int32_t>(kLeft * 20 + left),
                                kSplitTop * 20, kSize * 20);
        texts[index].SetSolidFill(255, 220, 120, 255);
        movie.AddObject(&texts[index]);
        left += width * factor;
    }
}

swf::Movie SampleMovie() {
    swfMovie movie;
    movie.SetSize(kStageWidth * 20, kStageHeight * 20);
    swfObject simple, font;
    std::vector<swfObject> split(2);
    simple.MakeTextSimple(kFace, kText, kLeft * 20, kSimpleTop * 20, kSize * 20);
    movie.AddObject(&simple);
    AddSplitText(movie, font, split);
    // Kept in the build tree for glyph-sheet, to look at.
    return WriteAndRead(movie, JOYVANE_BIN_DIR "/../writer-text-sample.swf");
}

struct Letters {
    GlyphCanvas::Box l, t;
};

// Splits the ink of one line at the gap between the two letters.
Letters FindLetters(const GlyphCanvas& canvas, int top) {
    const GlyphCanvas::Box line = canvas.InkBox(0, top - 40, kStageWidth - 1, top + kSize + 40);
    int gap = line.left;
    while (gap <= line.right && canvas.InkBox(gap, line.top, gap, line.bottom).left <= gap) {
        ++gap;
    }
    return {canvas.InkBox(line.left, line.top, gap - 1, line.bottom),
            canvas.InkBox(gap, line.top, line.right, line.bottom)};
}

int InkNear(const GlyphCanvas& canvas, const GlyphCanvas::Box& box, bool top) {
    const int row = top ? box.top + 2 : box.bottom - 2;
    return canvas.InkInRow(row, box.left, box.right);
}

TEST(TextRender, LettersAreUprightInOrderOnOneBaseline) {
    const swf::Movie movie = SampleMovie();
    GlyphCanvas canvas(kStageWidth, kStageHeight);
    ASSERT_EQ(PaintTexts(movie, canvas), 3);

    for (int top : {kSimpleTop, kSplitTop}) {
        SCOPED_TRACE(top);
        const Letters letters = FindLetters(canvas, top);
        ASSERT_LE(letters.l.left, letters.l.right);
        ASSERT_LE(letters.t.left, letters.t.right);
        EXPECT_LT(letters.l.right, letters.t.left);   // L before T
        EXPECT_NEAR(letters.l.bottom, letters.t.bottom, 1); // one baseline
        // The foot of the L is at the bottom and the bar of the T at the top.
        EXPECT_GT(InkNear(canvas, letters.l, false), 1.5 * InkNear(canvas, letters.l, true));
        EXPECT_GT(InkNear(canvas, letters.t, true), 1.5 * InkNear(canvas, letters.t, false));
        // Capitals a little under three quarters of the size high, near the top.
        EXPECT_NEAR(letters.l.bottom - letters.l.top, 0.66 * kSize, 0.08 * kSize);
        EXPECT_NEAR(letters.l.left, kLeft, 0.05 * kSize);
    }
    // Both ways of making the text give the same letters.
    const Letters simple = FindLetters(canvas, kSimpleTop);
    const Letters split = FindLetters(canvas, kSplitTop);
    EXPECT_NEAR(simple.t.right - simple.l.left, split.t.right - split.l.left, 3);
    EXPECT_NEAR(simple.l.bottom - kSimpleTop, split.l.bottom - kSplitTop, 1);
}

} // namespace
} // namespace quillot

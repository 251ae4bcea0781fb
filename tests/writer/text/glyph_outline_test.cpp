// Outlines of strings in installed faces: the pen, spaces, the measure, the
// reference offset, contours that close, and fallback for ideographs.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "writer/movie/TagBuffer.h"
#include "writer/text/FontRasterizer.h"
#include "writer/text/GlyphOutline.h"

namespace quillot {
namespace {

constexpr const char* kLatinFace = "Arial";
constexpr const char* kChineseFace = "宋体";

GlyphOutline Outline(const std::string& text, const char* face = kLatinFace) {
    return GlyphOutline(FontRasterizer::Instance(), face, text);
}

std::size_t CountFillSelections(const GlyphOutline& outline) {
    std::size_t count = 0;
    for (const ShapeRecord& record : outline.Records()) {
        const auto* change = std::get_if<StyleChangeRecord>(&record);
        count += change != nullptr && change->fillStyle1 == 1u;
    }
    return count;
}

// Draws the records with a pen and checks that every contour ends where it
// started, which a fill needs.
void ExpectClosedContours(const GlyphOutline& outline) {
    std::int64_t x = 0, y = 0, startX = 0, startY = 0;
    bool open = false;
    for (const ShapeRecord& record : outline.Records()) {
        if (const auto* change = std::get_if<StyleChangeRecord>(&record)) {
            EXPECT_FALSE(open && (x != startX || y != startY)) << "contour left open";
            x = startX = change->moveTo->x;
            y = startY = change->moveTo->y;
            open = true;
        } else if (const auto* edge = std::get_if<StraightEdgeRecord>(&record)) {
            x += edge->deltaX;
            y += edge->deltaY;
        } else {
            const auto& curve = std::get<CurvedEdgeRecord>(record);
            x += curve.controlDeltaX + curve.anchorDeltaX;
            y += curve.controlDeltaY + curve.anchorDeltaY;
        }
    }
    EXPECT_TRUE(x == startX && y == startY) << "last contour left open";
}

TEST(GlyphOutline, EveryCharacterStartsBySelectingFillStyle1) {
    const GlyphOutline outline = Outline("Hi!");
    ASSERT_FALSE(outline.Records().empty());
    const auto& first = std::get<StyleChangeRecord>(outline.Records().front());
    EXPECT_EQ(first.fillStyle1, 1u);
    EXPECT_EQ(CountFillSelections(outline), 3u);
    EXPECT_TRUE(outline.Complete());
    ExpectClosedContours(outline);
}

TEST(GlyphOutline, TopOfCapitalXIsAtZeroAndTheBaselineBelow) {
    const GlyphOutline outline = Outline("X");
    // A capital is about 0.7 of the em, which is about 0.9 of the cell.
    EXPECT_LT(outline.ReferenceOffset(), -550);
    EXPECT_GT(outline.ReferenceOffset(), -750);
    // The bounds are the box of the outline and the pen on the baseline,
    // widened by 10.
    EXPECT_EQ(outline.Bounds().ymin, -10);
    EXPECT_EQ(outline.Bounds().ymax, -outline.ReferenceOffset() + 10);
    EXPECT_EQ(outline.Bounds().xmin, -10);
    EXPECT_EQ(outline.Advance(), outline.Bounds().xmax - outline.Bounds().xmin + 1);
}

TEST(GlyphOutline, MeasuringAloneGivesTheSameBounds) {
    const std::string text = "Mixed 文字 text";
    const GlyphOutline drawn = Outline(text, kChineseFace);
    const GlyphOutline measured(FontRasterizer::Instance(), kChineseFace, text, OutlineDetail::BoundsOnly);
    EXPECT_EQ(measured.Bounds(), drawn.Bounds());
    EXPECT_TRUE(measured.Records().empty());
}

TEST(GlyphOutline, SpacesAdvanceThePenWithoutContours) {
    const GlyphOutline joined = Outline("AB");
    const GlyphOutline spaced = Outline("A B");
    const GlyphOutline space = Outline(" ");
    EXPECT_EQ(CountFillSelections(spaced), 2u);
    // The space's own measure is its advance plus the margins.
    const std::int32_t spaceAdvance = space.Width() - 20;
    EXPECT_GT(spaceAdvance, 200);
    EXPECT_EQ(spaced.Width(), joined.Width() + spaceAdvance);
}

TEST(GlyphOutline, StringsWithoutOutlineAreAMoveToThePen) {
    // The empty string measures as nothing at the origin: the margins only.
    EXPECT_EQ(Outline("").Advance(), 21);
    for (const char* text : {"", "   "}) {
        const GlyphOutline outline = Outline(text);
        ASSERT_EQ(outline.Records().size(), 1u) << '"' << text << '"';
        const auto& move = std::get<StyleChangeRecord>(outline.Records()[0]);
        EXPECT_EQ(move.moveTo->y, -outline.ReferenceOffset());
        EXPECT_FALSE(move.fillStyle1.has_value());
        // The pen stands at the last character.
        EXPECT_EQ(move.moveTo->x == 0, *text == '\0');
    }
}

TEST(GlyphOutline, IdeographsComeFromAFontThatHasThem) {
    const GlyphOutline outline = Outline("你好", kChineseFace);
    EXPECT_TRUE(outline.Complete());
    EXPECT_EQ(CountFillSelections(outline), 2u);
    EXPECT_GT(outline.Width(), 1500); // two full-width characters
    ExpectClosedContours(outline);
}

TEST(GlyphOutline, StrayHighBytesDrawTheirLatin1Characters) {
    const GlyphOutline latin1 = Outline("caf\xE9");
    const GlyphOutline utf8 = Outline("caf\xC3\xA9");
    EXPECT_EQ(CountFillSelections(latin1), 4u);
    EXPECT_EQ(latin1.Width(), utf8.Width());
}

std::vector<std::uint8_t> Encoded(const GlyphOutline& outline) {
    TagBuffer buffer;
    WriteShapeRecords(buffer, outline.Records(), 1, 0);
    return buffer.Flatten();
}

TEST(GlyphOutline, CachedOutlinesGiveTheSameBytesAsFreshOnes) {
    const std::string text = "Grüße, 世界 & Joyvane";
    FontRasterizer::Instance().ClearCache();
    const GlyphOutline cold = Outline(text, kChineseFace);
    const GlyphOutline warm = Outline(text, kChineseFace);
    EXPECT_EQ(Encoded(cold), Encoded(warm));
    EXPECT_EQ(cold.Bounds(), warm.Bounds());
    FontRasterizer separate;
    EXPECT_EQ(Encoded(GlyphOutline(separate, kChineseFace, text)), Encoded(warm));
}

} // namespace
} // namespace quillot

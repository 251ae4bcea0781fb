// The font and text tags, byte for byte, for a font of hand-made glyphs.
#include <gtest/gtest.h>

#include <vector>

#include "viewer/swf/Reader.h"
#include "viewer/swf/Tag.h"
#include "writer/movie/CharacterIds.h"
#include "writer/movie/MovieModel.h"
#include "writer/text/EmbeddedFont.h"
#include "writer/text/TextObject.h"

namespace quillot {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Move to (1, 1) selecting fill style 1, then a horizontal edge of 3.
const std::vector<ShapeRecord> kStroke = {StyleChangeRecord{MoveTo{1, 1}, {}, 1, {}},
                                          StraightEdgeRecord{3, 0}};
// A move to the origin only, as a string without outline gives.
const std::vector<ShapeRecord> kEmpty = {StyleChangeRecord{MoveTo{0, 0}, {}, 1, {}}};

Bytes WriteTags(Frame& frame) {
    TagBuffer out;
    for (const auto& tag : frame.Tags()) {
        tag->Write(out);
    }
    return out.Flatten();
}

class TextTagsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetCharacterIds(); }
    void TearDown() override { ResetCharacterIds(); }

    MovieModel m_movie;
};

TEST_F(TextTagsTest, FontAndTextAreWrittenBitExact) {
    auto font = std::make_shared<EmbeddedFont>("Arial");
    ASSERT_TRUE(font->AddGlyph(kStroke, 65, 500));
    ASSERT_TRUE(font->AddGlyph(kEmpty, -56, 3));
    ASSERT_TRUE(font->AddGlyph(kEmpty, 321, 7));
    // 'A' finds glyph 0; the byte 0xC8 is -56 and finds glyph 1 (not a code
    // of 200); 'B' has no glyph and is skipped.
    TextObject text("A\xC8" "B", font);
    Frame& frame = m_movie.GetFrame(0);
    text.AddToFrame(frame);

    const Bytes expected = {
        // DefineFont: id 1, offsets 6, 12, 16, then the three glyph shapes.
        0x96, 0x02, 0x01, 0x00, 0x06, 0x00, 0x0C, 0x00, 0x10, 0x00,
        0x10, 0x14, 0x4B, 0xC4, 0x60, 0x00, 0x10, 0x14, 0x24, 0x00, 0x10, 0x14, 0x24, 0x00,
        // DefineFontInfo: font 1, "Arial", flags 0x10, codes 65, -56, 321 by their low bytes.
        0x4C, 0x03, 0x01, 0x00, 0x05, 'A', 'r', 'i', 'a', 'l', 0x10, 0x41, 0xC8, 0x41,
        // DefineText2: id 3 (the font information drew 2), bounds 0..503 x -100..924,
        // identity matrix, 2 glyph bits, 10 advance bits, style (font 1, opaque
        // white, height 1024), glyphs (0, 500) and (1, 3), end.
        0x5A, 0x08, 0x03, 0x00, 0x58, 0x00, 0x3E, 0xFE, 0x71, 0xCE, 0x00, 0x00, 0x02, 0x0A,
        0x8C, 0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x04, 0x02, 0x1F, 0x44, 0x03, 0x00,
        // PlaceObject2 of character 3 at depth 1, without matrix.
        0x85, 0x06, 0x02, 0x01, 0x00, 0x03, 0x00};
    EXPECT_EQ(WriteTags(frame), expected);
}

// Reads every tag of the frame back.
std::vector<swf::Tag> ReadBack(Frame& frame) {
    const Bytes bytes = WriteTags(frame);
    swf::Reader reader(bytes, 0);
    std::vector<swf::Tag> tags;
    while (!reader.AtEnd()) {
        tags.push_back(swf::ReadTag(reader));
    }
    return tags;
}

TEST_F(TextTagsTest, LongTextIsSplitIntoRecordsOf127Glyphs) {
    auto font = std::make_shared<EmbeddedFont>("Arial");
    ASSERT_TRUE(font->AddGlyph(kStroke, 'a', 40));
    TextObject text(std::string(300, 'a'), font);
    Frame& frame = m_movie.GetFrame(0);
    text.AddToFrame(frame);

    const auto tags = ReadBack(frame);
    ASSERT_EQ(tags.size(), 4u);
    const auto* defined = swf::As<swf::DefineText2>(tags[2]);
    ASSERT_NE(defined, nullptr);
    std::vector<std::size_t> runLengths;
    for (const auto& record : defined->records) {
        if (const auto* run = std::get_if<swf::GlyphRun>(&record)) {
            runLengths.push_back(run->glyphs.size());
        }
    }
    EXPECT_EQ(runLengths, (std::vector<std::size_t>{127, 127, 46}));
    EXPECT_EQ(defined->bounds.xmax, 300 * 40);
}

TEST_F(TextTagsTest, FontWithoutGlyphsAndTextWithoutGlyphsStayReadable) {
    auto font = std::make_shared<EmbeddedFont>("Arial");
    TextObject text("xyz", font);
    Frame& frame = m_movie.GetFrame(0);
    text.AddToFrame(frame);

    const auto tags = ReadBack(frame);
    ASSERT_EQ(tags.size(), 4u);
    const auto* definedFont = swf::As<swf::DefineFont>(tags[0]);
    ASSERT_NE(definedFont, nullptr);
    EXPECT_TRUE(definedFont->glyphs.empty());
    const auto* definedText = swf::As<swf::DefineText2>(tags[2]);
    ASSERT_NE(definedText, nullptr);
    ASSERT_EQ(definedText->records.size(), 1u); // the style only
    EXPECT_EQ(definedText->bounds.xmax, 0);
}

TEST_F(TextTagsTest, FontIsDefinedOnceAndLaterGlyphsAreNotWritten) {
    auto font = std::make_shared<EmbeddedFont>("Arial");
    ASSERT_TRUE(font->AddGlyph(kStroke, 'a', 40));
    Frame& frame = m_movie.GetFrame(0);
    font->AddToFrame(frame);
    ASSERT_TRUE(font->AddGlyph(kStroke, 'b', 40));
    font->AddToFrame(frame);

    const auto tags = ReadBack(frame);
    ASSERT_EQ(tags.size(), 2u);
    EXPECT_EQ(swf::As<swf::DefineFont>(tags[0])->glyphs.size(), 1u);
    EXPECT_EQ(swf::As<swf::DefineFontInfo>(tags[1])->codes, (std::vector<std::uint16_t>{'a'}));
}

TEST_F(TextTagsTest, GlyphBeyondTheOffsetTableIsRefused) {
    // Each shape is a long run of edges, so a few dozen fill the 16-bit offsets.
    std::vector<ShapeRecord> longShape = kStroke;
    longShape.resize(2000, StraightEdgeRecord{3, 0});
    EmbeddedFont font("Arial");
    std::size_t added = 0;
    while (font.AddGlyph(longShape, static_cast<std::int32_t>(added), 1)) {
        ++added;
        ASSERT_LT(added, 1000u);
    }
    EXPECT_EQ(font.GlyphCount(), added);

    Frame& frame = m_movie.GetFrame(0);
    font.AddToFrame(frame);
    const auto tags = ReadBack(frame);
    const auto* defined = swf::As<swf::DefineFont>(tags[0]);
    ASSERT_NE(defined, nullptr);
    EXPECT_EQ(defined->glyphs.size(), added);
}

} // namespace
} // namespace quillot

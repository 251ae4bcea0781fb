// The font and text operations of swfObject: kind codes, misuse, and what
// reaches the movie.
#include <gtest/gtest.h>

#include "TextMovie.h"
#include "writer/objects/swfObject.h"

namespace quillot {
namespace {

constexpr const char* kFace = "Arial";

std::int16_t KindOf(const swfObject& object) {
    std::int16_t kind = -1;
    object.get_ObjectType(kind);
    return kind;
}

TEST(TextOperations, GlyphAdvanceAndMeasuredWidthAgree) {
    swfObject font;
    ASSERT_EQ(font.MakeFont(kFace), S_OK);
    EXPECT_EQ(KindOf(font), ObjectKind::Font);
    ASSERT_EQ(font.AddGlyph(kFace, "Joyvane", 65), S_OK);
    std::int32_t width = 0;
    ASSERT_EQ(font.GetTextWidth(kFace, "Joyvane", width), S_OK);
    swfObject text;
    ASSERT_EQ(text.MakeText("A", &font), S_OK);
    EXPECT_EQ(KindOf(text), ObjectKind::StaticText);

    swfMovie movie;
    movie.AddObject(&text);
    const swf::Movie read = WriteAndRead(movie);
    const auto texts = swf::RecordsOf<swf::DefineText2>(read);
    ASSERT_EQ(texts.size(), 1u);
    const auto& run = std::get<swf::GlyphRun>(texts[0]->records.at(1));
    ASSERT_EQ(run.glyphs.size(), 1u);
    EXPECT_EQ(run.glyphs[0].advance, width);
    EXPECT_EQ(texts[0]->bounds.xmax, width);
}

// Operations that need a font do nothing on other objects and leave them as
// they were; measuring is a query on any object.
TEST(TextOperations, ObjectsWithoutAFontAreLeftAlone) {
    swfObject empty, rectangle, text;
    rectangle.MakeRectangle(0, 0, 100, 100);
    std::int32_t width = 0;
    EXPECT_EQ(empty.AddGlyph(kFace, "A", 65), S_OK);
    EXPECT_EQ(empty.AddGlyphEx(kFace, "A", 65, 500), S_OK);
    EXPECT_EQ(rectangle.GetTextWidth(kFace, "A", width), S_OK);
    EXPECT_GT(width, 0);
    EXPECT_EQ(KindOf(empty), ObjectKind::Empty);
    EXPECT_EQ(KindOf(rectangle), ObjectKind::Rectangle);

    EXPECT_EQ(text.MakeText("A", nullptr), E_POINTER);
    EXPECT_EQ(text.MakeText("A", &rectangle), E_INVALIDARG);
    EXPECT_EQ(text.MakeText("A", &empty), E_INVALIDARG);
    EXPECT_EQ(KindOf(text), ObjectKind::Empty);
    EXPECT_EQ(KindOf(rectangle), ObjectKind::Rectangle);
}

TEST(TextOperations, FaceNameLongerThanItsLengthByteIsRefused) {
    swfObject font;
    EXPECT_EQ(font.MakeFont(std::string(256, 'a')), E_INVALIDARG);
    EXPECT_EQ(KindOf(font), ObjectKind::Empty);
    EXPECT_EQ(font.MakeTextSimple(std::string(256, 'a'), "x", 0, 0, 100), E_INVALIDARG);
    EXPECT_EQ(KindOf(font), ObjectKind::Empty);
}

// A text keeps its font: the font object may be emptied or made again, and
// the text of MakeTextSimple owns its private font.
TEST(TextOperations, TextsOutliveTheirFontObjects) {
    swfObject font, text, simple;
    font.MakeFont(kFace);
    font.AddGlyph(kFace, "x", 'x');
    text.MakeText("x", &font);
    font.Delete();
    simple.MakeTextSimple(kFace, "Hello", 0, 0, 400);
    EXPECT_EQ(KindOf(simple), ObjectKind::SimpleText);

    swfMovie movie;
    movie.AddObject(&text);
    movie.AddObject(&simple);
    const swf::Movie read = WriteAndRead(movie);
    const auto fonts = swf::RecordsOf<swf::DefineFont>(read);
    ASSERT_EQ(fonts.size(), 2u);
    EXPECT_EQ(fonts[0]->glyphs.size(), 1u);
    EXPECT_EQ(fonts[1]->glyphs.size(), 1u);
    const auto infos = swf::RecordsOf<swf::DefineFontInfo>(read);
    ASSERT_EQ(infos.size(), 2u);
    EXPECT_EQ(infos[1]->codes, (std::vector<std::uint16_t>{65}));
}

TEST(TextOperations, AnObjectCanBecomeATextOfItsOwnFont) {
    swfObject object;
    object.MakeFont(kFace);
    object.AddGlyph(kFace, "x", 'x');
    ASSERT_EQ(object.MakeText("xx", &object), S_OK);
    swfMovie movie;
    movie.AddObject(&object);
    const swf::Movie read = WriteAndRead(movie);
    ASSERT_EQ(swf::RecordsOf<swf::DefineText2>(read).size(), 1u);
}

TEST(TextOperations, TextIsWhiteUntilItsFillChangesAndThenDefinedAgain) {
    swfObject font, text;
    font.MakeFont(kFace);
    font.AddGlyph(kFace, "x", 'x');
    text.MakeText("x", &font);
    swfMovie movie;
    movie.AddObject(&text);
    text.SetSolidFill(255, 0, 0, 128);
    movie.AddObject(&text);
    const swf::Movie read = WriteAndRead(movie);

    const auto texts = swf::RecordsOf<swf::DefineText2>(read);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(std::get<swf::TextStyle>(texts[0]->records[0]).color, (swf::Rgba{255, 255, 255, 255}));
    EXPECT_EQ(std::get<swf::TextStyle>(texts[1]->records[0]).color, (swf::Rgba{255, 0, 0, 128}));
    EXPECT_NE(texts[0]->textId, texts[1]->textId);
    EXPECT_EQ(swf::RecordsOf<swf::DefineFont>(read).size(), 1u);
}

// Fitting scales the 1025-unit-high box to the size (65535 standing for 1.0)
// and corrects the translation for scaling about the centre, so the left
// edge lands on x and the top of the capitals (y = 0 of the glyphs) near y.
TEST(TextOperations, FittingScalesToTheRequestedHeight) {
    struct FitCase {
        std::int32_t size;
        std::int32_t scale;
    };
    for (const FitCase& test : {FitCase{1025, 65535}, FitCase{410, 26214}, FitCase{2050, 131070}}) {
        swfObject font, text;
        font.MakeFont(kFace);
        font.AddGlyphEx(kFace, "x", 'x', 1000);
        ASSERT_EQ(text.MakeTextEx("x", &font, 300, 200, test.size), S_OK);
        swfMovie movie;
        movie.AddObject(&text);
        const swf::Movie read = WriteAndRead(movie);
        const auto places = swf::RecordsOf<swf::PlaceObject2>(read);
        ASSERT_EQ(places.size(), 1u);
        ASSERT_TRUE(places[0]->matrix.has_value());
        const swf::Matrix& matrix = *places[0]->matrix;
        EXPECT_EQ(matrix.scale->first, test.scale) << test.size;
        EXPECT_NEAR(matrix.translateX, 300, 1) << test.size;
        // The fitting takes the box as starting at the capitals, while the
        // bounds begin 100 units above them: the capitals land 100 (1 - factor)
        // units above y.
        const double factor = test.size / 1025.0;
        EXPECT_NEAR(matrix.translateY, 200 - 100 * (1 - factor), 2) << test.size;
    }
}

} // namespace
} // namespace quillot

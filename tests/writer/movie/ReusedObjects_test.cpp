#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "viewer/swf/Bitmap.h"
#include "viewer/swf/Font.h"
#include "viewer/swf/PlaceObject2.h"
#include "viewer/swf/Shape.h"
#include "viewer/swf/Sound.h"
#include "viewer/swf/Text.h"
#include "writer/WriterTest_support.h"
#include "writer/objects/swfObject.h"
#include "writer/sound/WavBuilder.h"

namespace quillot {
namespace {

// Every character a movie places, starts or draws text with must be defined
// in that same movie, since identifiers are numbered anew in each.
void ExpectSelfContained(const swf::Movie& movie, const char* which) {
    std::set<std::uint16_t> defined;
    for (const auto* shape : swf::RecordsOf<swf::DefineShape3>(movie)) defined.insert(shape->shapeId);
    for (const auto* text : swf::RecordsOf<swf::DefineText2>(movie)) defined.insert(text->textId);
    for (const auto* font : swf::RecordsOf<swf::DefineFont>(movie)) defined.insert(font->fontId);
    for (const auto* sound : swf::RecordsOf<swf::DefineSound>(movie)) defined.insert(sound->soundId);
    for (const auto* bitmap : swf::RecordsOf<swf::DefineBitsJpeg2>(movie)) defined.insert(bitmap->characterId);

    std::set<std::uint16_t> used;
    for (const auto* place : swf::RecordsOf<swf::PlaceObject2>(movie)) used.insert(*place->characterId);
    for (const auto* start : swf::RecordsOf<swf::StartSound>(movie)) used.insert(start->soundId);
    for (const auto* text : swf::RecordsOf<swf::DefineText2>(movie)) {
        for (const auto& record : text->records) {
            const auto* style = std::get_if<swf::TextStyle>(&record);
            if (style != nullptr && style->fontId) used.insert(*style->fontId);
        }
    }
    for (const auto* shape : swf::RecordsOf<swf::DefineShape3>(movie)) {
        for (const auto& fill : shape->styles.fillStyles) {
            const auto* bitmap = std::get_if<swf::BitmapFill>(&fill);
            if (bitmap != nullptr && bitmap->bitmapId != 0xFFFF) used.insert(bitmap->bitmapId);
        }
    }
    // rectangle, text, font, sound, picture and its image
    EXPECT_EQ(used.size(), 6u) << which;
    for (std::uint16_t id : used) {
        EXPECT_TRUE(defined.count(id)) << which << ": character " << id << " is used but not defined";
    }
}

TEST(ReusedObjects, AreDefinedAgainInEachMovie) {
    test::ScratchFolder folder;
    const auto wav = (folder / "tune.wav");
    test::WavBuilder().Samples16({0, 1000, -1000, 500}).WriteTo(wav);
    const auto jpeg = (folder / "picture.jpg");
    std::ofstream(jpeg, std::ios::binary) << "not decoded by the writer";

    swfObject rectangle, text, sound, picture;
    rectangle.MakeRectangle(0, 0, 100, 100);
    ASSERT_EQ(text.MakeTextSimple("Arial", "Hi", 0, 0, 400), S_OK);
    ASSERT_EQ(sound.MakeSound(wav.string()), S_OK);
    ASSERT_EQ(picture.MakePicture(0, 0, 199, 99, 10, 5, jpeg.string()), S_OK);

    for (const char* which : {"first movie", "second movie"}) {
        swfMovie movie;
        for (swfObject* object : {&rectangle, &text, &sound, &picture}) {
            movie.AddObject(object);
        }
        ExpectSelfContained(test::WriteAndDecode(movie), which);
    }
}

} // namespace
} // namespace quillot

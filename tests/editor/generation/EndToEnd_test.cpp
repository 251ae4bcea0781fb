// Cards compiled by the writer itself, decoded again: every placement of the
// movie must be where the writer calls put it, on the frame they chose.
#include "GenerationTest_support.h"

#include "editor/generation/PictureEffect.h"
#include "editor/generation/QuillotPool.h"

#include "viewer/swf/Movie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <numbers>

namespace generation_test {
namespace {

const std::filesystem::path TemplateFolder = std::filesystem::path(JOYVANE_BIN_DIR) / "template";

// A card compiled into a real movie file and read back.
struct WrittenCard {
    explicit WrittenCard(const std::filesystem::path& cardFile) : document(folder.Path() / "work") {
        document.Open(cardFile);
        TFlashCard driver(document, std::make_unique<QuillotPool>(), random, host);
        driver.MakeSwf(folder.Path() / "movie.swf");
        movie = swf::ReadMovieFile(folder.Path() / "movie.swf");
    }

    TestFolder folder;
    CardDocument document;
    ScriptedRandom random;
    HeadlessHost host;
    swf::Movie movie;
};

// What a placement must look like after the transform calls made before it.
struct Expected {
    double scaleX = 65536, scaleY = 65536, rotation = 0, x = 0, y = 0;
};

std::map<std::int32_t, std::vector<Expected>> ExpectedPlacements(const RecordingPool& pool) {
    std::map<int, Expected> state;
    std::map<std::int32_t, std::vector<Expected>> placements;
    for (const RecordedCall& call : pool.calls) {
        Expected& object = state[call.object];
        if (call.operation.rfind("Make", 0) == 0)
            object = Expected{};
        else if (call.operation == "Scale")
            object.scaleX = call.numbers[0], object.scaleY = call.numbers[1];
        else if (call.operation == "Rotate")
            object.rotation = call.numbers[0];
        else if (call.operation == "Translate")
            object.x = call.numbers[0], object.y = call.numbers[1];
        else if (call.operation == "AddObject")
            placements[call.frame].push_back(object);
    }
    return placements;
}

std::int32_t LastFrameUsed(const RecordingPool& pool) {
    std::int32_t last = 0;
    for (const RecordedCall& call : pool.calls)
        if (call.operation == "AddObject" || call.operation == "RemoveObject")
            last = std::max(last, call.frame);
    return last;
}

// Shapes turn and scale about the centre of their bounds. (A text's bounds
// reach above its em square, so its centre is not theirs.)
std::map<std::uint16_t, swf::Rect> ShapeBounds(const swf::Movie& movie) {
    std::map<std::uint16_t, swf::Rect> bounds;
    for (const auto* shape : swf::RecordsOf<swf::DefineShape3>(movie))
        bounds[shape->shapeId] = shape->bounds;
    return bounds;
}

// The placements in the movie agree with the writer calls in number, frame,
// scale, turn and, for shapes, where they put the centre.
void ExpectMovieMatchesCalls(const swf::Movie& movie, const RecordingPool& pool) {
    EXPECT_EQ(movie.header.frameCount, LastFrameUsed(pool) + 1);
    const auto expected = ExpectedPlacements(pool);
    const auto bounds = ShapeBounds(movie);
    const auto frames = swf::TagsByFrame(movie);
    for (std::size_t frame = 0; frame < frames.size(); ++frame) {
        std::vector<const swf::PlaceObject2*> placed;
        for (const swf::Tag* tag : frames[frame])
            if (const auto* place = swf::As<swf::PlaceObject2>(*tag))
                placed.push_back(place);
        const auto found = expected.find(static_cast<std::int32_t>(frame));
        const std::size_t wanted = found == expected.end() ? 0 : found->second.size();
        ASSERT_EQ(placed.size(), wanted) << "frame " << frame;
        for (std::size_t index = 0; index < wanted; ++index) {
            const Expected& e = found->second[index];
            const swf::PlaceObject2& place = *placed[index];
            ASSERT_TRUE(place.characterId) << "frame " << frame;
            // An untransformed object is placed without a matrix.
            const swf::Matrix m = place.matrix.value_or(swf::Matrix{});
            const auto [a, d] = m.scale.value_or(std::pair{65536, 65536});
            const auto [b, c] = m.rotateSkew.value_or(std::pair{0, 0});
            EXPECT_NEAR(std::hypot(a, b), std::abs(e.scaleX), 2) << "frame " << frame;
            EXPECT_NEAR(std::hypot(c, d), std::abs(e.scaleY), 2) << "frame " << frame;
            if (e.scaleX > 0) {
                const double turn = std::remainder(
                    std::atan2(b, a) - e.rotation / 65536.0 * std::numbers::pi / 180, 2 * std::numbers::pi);
                EXPECT_NEAR(turn, 0, 1e-3) << "frame " << frame;
            }
            const auto shape = bounds.find(*place.characterId);
            if (shape == bounds.end())
                continue;
            const swf::Rect& r = shape->second;
            const double centreX = (r.xmin + r.xmax) / 2.0, centreY = (r.ymin + r.ymax) / 2.0;
            EXPECT_NEAR((a * centreX + c * centreY) / 65536 + m.translateX, centreX + e.x, 3)
                << "frame " << frame;
            EXPECT_NEAR((b * centreX + d * centreY) / 65536 + m.translateY, centreY + e.y, 3)
                << "frame " << frame;
        }
    }
}

// Writes the card with the template's picture as its media, compiles it both
// into a recording and into a movie, and compares the two.
void ExpectCardCompilesAsCalled(const std::string& cardXml) {
    CompiledCard recorded(cardXml);
    std::filesystem::copy_file(TemplateFolder / "Pic_1.jpg", recorded.folder.Path() / "Pic_1.jpg");
    recorded.MakeSwf();
    ASSERT_TRUE(recorded.host.Reports().empty()) << recorded.host.Reports()[0].message;
    WrittenCard written(recorded.cardFile);
    ExpectMovieMatchesCalls(written.movie, *recorded.pool);
}

std::vector<std::string> PictureEffectNames() {
    std::vector<std::string> names;
    for (const PictureEffect& effect : PictureEffects())
        names.push_back(effect.name);
    return names;
}

std::string TestName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name + "_" + std::to_string(info.index);
}

class PictureEffectMovie : public ::testing::TestWithParam<std::string> {};

TEST_P(PictureEffectMovie, PlacesThePictureAsCalled) {
    PictureFields fields;
    fields.effect = GetParam();
    fields.x = 20;
    fields.y = 10;
    ExpectCardCompilesAsCalled(CardXml(PictureXml(fields), 400, 300));
}

INSTANTIATE_TEST_SUITE_P(AllEffects, PictureEffectMovie, ::testing::ValuesIn(PictureEffectNames()),
                         TestName);

class TextEffectMovie : public ::testing::TestWithParam<std::string> {};

TEST_P(TextEffectMovie, PlacesTheTextAsCalled) {
    TextFields fields;
    fields.effect = GetParam();
    fields.content = "Joy!";
    fields.start = 3;
    fields.rotate = 1;
    fields.shock = 5;
    ExpectCardCompilesAsCalled(CardXml(TextXml(fields)));
}

INSTANTIATE_TEST_SUITE_P(AllEffects, TextEffectMovie,
                         ::testing::Values("-- None --", "Fade In", "Fade Out", "Radiation",
                                           "Rotate", "Move", "Come In", "Come Out", "Kerning",
                                           "Rainbow", "Roll In", "Sin", "Heart Beat"),
                         TestName);

TEST(EndToEnd, PicturesStackInDocumentOrderBehindTexts) {
    PictureFields second;
    second.name = "Pic_2";
    CompiledCard card(CardXml(TextXml({.start = 10}) + PictureXml({}) + PictureXml(second)));
    for (const char* name : {"Pic_1.jpg", "Pic_2.jpg"})
        std::filesystem::copy_file(TemplateFolder / "Pic_1.jpg", card.folder.Path() / name);
    WrittenCard written(card.cardFile);
    std::vector<std::uint16_t> depths;
    const auto frames = swf::TagsByFrame(written.movie);
    for (const swf::Tag* tag : frames.at(10))
        if (const auto* place = swf::As<swf::PlaceObject2>(*tag))
            depths.push_back(place->depth);
    // The text is compiled first, then the two pictures.
    ASSERT_EQ(depths.size(), 3u);
    EXPECT_GT(depths[0], depths[2]);
    EXPECT_GT(depths[2], depths[1]);
}

TEST(EndToEnd, TemplatesCompileToTheirCards) {
    WrittenCard blank(TemplateFolder / "blank.jvd");
    EXPECT_EQ(blank.movie.header.frameCount, 1);
    EXPECT_EQ(blank.movie.header.frameRect.xmax, 7800);
    EXPECT_EQ(blank.movie.header.frameRect.ymax, 6400);
    EXPECT_EQ(blank.movie.header.frameRate, 15 << 8);
    const auto background = swf::RecordsOf<swf::SetBackgroundColor>(blank.movie);
    ASSERT_EQ(background.size(), 1u);
    EXPECT_EQ(background[0]->color, (swf::Rgb{255, 255, 255}));

    WrittenCard birthday(TemplateFolder / "normal.jvd");
    EXPECT_TRUE(birthday.host.Reports().empty());
    // "with love" comes last, from frame 90 for 25 frames.
    EXPECT_EQ(birthday.movie.header.frameCount, 115);
    EXPECT_EQ(swf::RecordsOf<swf::DefineBitsJpeg2>(birthday.movie).size(), 1u);
    EXPECT_EQ(swf::RecordsOf<swf::StartSound>(birthday.movie).size(), 1u);
    EXPECT_GT(swf::RecordsOf<swf::DefineText2>(birthday.movie).size(), 15u);
}

TEST(EndToEnd, AGenerationAfterAnAbortedOneHoldsOnlyItsOwnFrames) {
    TestFolder folder;
    const std::filesystem::path cardFile = folder.Path() / "card.jvd";
    std::ofstream(cardFile) << CardXml(TextXml({.start = 50, .alpha = 300}));
    CardDocument document(folder.Path());
    document.Open(cardFile);
    ScriptedRandom random;
    HeadlessHost host;
    TFlashCard driver(document, std::make_unique<QuillotPool>(), random, host);
    EXPECT_THROW(driver.MakeSwf(folder.Path() / "movie.swf"), std::runtime_error);
    document.Movie().Obj().Delete(0);
    driver.MakeSwf(folder.Path() / "movie.swf");
    EXPECT_EQ(swf::ReadMovieFile(folder.Path() / "movie.swf").header.frameCount, 1);
}

} // namespace
} // namespace generation_test

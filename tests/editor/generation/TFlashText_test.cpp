#include "GenerationTest_support.h"

#include "editor/document/ConversionError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

namespace generation_test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using Numbers = std::vector<std::int64_t>;

constexpr int kText = 4;

struct TextCard : CompiledCard {
    explicit TextCard(const TextFields& fields) : CompiledCard(CardXml(TextXml(fields))) {}
};

TextFields WithEffect(const std::string& effect) {
    TextFields fields;
    fields.effect = effect;
    return fields;
}

std::vector<std::int32_t> Range(std::int32_t first, std::int32_t last) {
    std::vector<std::int32_t> frames;
    for (std::int32_t frame = first; frame <= last; ++frame)
        frames.push_back(frame);
    return frames;
}

// The first number of every call of `operation`.
Numbers FirstNumbers(const RecordingPool& pool, const std::string& operation, std::size_t at = 0) {
    Numbers numbers;
    for (const Numbers& call : pool.NumbersOf(operation))
        numbers.push_back(call.at(at));
    return numbers;
}

TEST(TFlashText, ScalesByTheFontSizeAndStartsAtItsPosition) {
    for (const auto& [size, scale] : {std::pair{"18", 32256}, std::pair{"36", 64512}}) {
        TextFields fields;
        fields.fontSize = size;
        TextCard card(fields);
        card.MakeSwf();
        EXPECT_THAT(card.pool->NumbersOf("Scale"), ::testing::Each(Numbers{scale, scale}));
    }
    TextCard card({});
    card.MakeSwf();
    // x = 50 × 20 − (1000 − 1000 k) / 2 for the 1000 units of "Hi"; y = 1100 − 260.
    EXPECT_EQ(card.pool->NumbersOf("Translate").front(), (Numbers{746, 840}));
}

TEST(TFlashText, WholeStringIsOneGlyphShownAsTheLetterA) {
    TextCard card({});
    card.MakeSwf();
    std::vector<std::string> setup;
    for (const RecordedCall& call : card.pool->calls)
        if (call.operation != "GotoFrame" && call.frame == 0 && call.object != 0 &&
            call.operation != "Scale")
            setup.push_back(call.operation + " " + std::to_string(call.object) + " " + call.text);
    EXPECT_THAT(std::vector(setup.begin(), setup.begin() + 5),
                ElementsAre("MakeFont 3 DejaVu Sans", "AddGlyph 3 Hi", "MakeText 4 A",
                            "SetDepth 4 ", "GetTextWidth 3 Hi"));
    EXPECT_THAT(card.pool->NumbersOf("AddGlyph"), ElementsAre(Numbers{65}));
}

TEST(TFlashText, PerCharacterGlyphsAreLaidEdgeToEdge) {
    TextFields fields = WithEffect("Come In");
    fields.content = "Hé";
    TextCard card(fields);
    card.driver.TextCompiler().Compile(0);
    EXPECT_THAT(card.pool->NumbersOf("AddGlyph"), ElementsAre(Numbers{1}, Numbers{2}));
    const auto texts = card.pool->Of("MakeText");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "\x01");
    EXPECT_EQ(texts[1].text, "\x02");
    const auto& units = card.driver.TextCompiler().Glyphs().Units();
    ASSERT_EQ(units.size(), 2u);
    EXPECT_EQ(units[1].CharText, "é");
    EXPECT_EQ(units[1].CharLeft, units[0].CharWidth);
    EXPECT_EQ(card.driver.TextCompiler().Glyphs().TextWidth(), 1000);
}

TEST(TFlashText, GeneratesNothingForEmptyOverlongOrUnknownTexts) {
    TextFields empty;
    empty.content = "";
    TextFields overlong;
    overlong.content = std::string(128, 'x');
    TextFields pictureEffect = WithEffect("Zoom In");
    TextFields wrongCase = WithEffect("fade in");
    for (const TextFields& fields : {empty, overlong, pictureEffect, wrongCase}) {
        TextCard card(fields);
        card.MakeSwf();
        EXPECT_THAT(card.pool->Of("MakeFont"), IsEmpty()) << fields.effect;
    }
    TextFields longest;
    longest.content = std::string(127, 'x');
    TextCard card(longest);
    card.MakeSwf();
    EXPECT_EQ(card.pool->Of("AddObject").size(), 10u);
}

TEST(TFlashText, ColourComesFromTheFontColour) {
    for (const auto& [colour, expected] :
         {std::pair{"255", Numbers{255, 0, 0, 255}}, std::pair{"$FF0000", Numbers{0, 0, 255, 255}}}) {
        TextFields fields;
        fields.fontColor = colour;
        TextCard card(fields);
        card.MakeSwf();
        EXPECT_EQ(card.pool->NumbersOf("SetSolidFill").front(), expected) << colour;
    }
}

TEST(TFlashText, PlainEffectRunsItsSpeedAndTakesTheLastPlacementAway) {
    TextFields fields;
    fields.start = 10;
    fields.speed = 0; // counts as 9
    TextCard card(fields);
    card.MakeSwf();
    EXPECT_THAT(card.pool->AddedFrames(kText), ElementsAreArray(Range(10, 19)));
    std::vector<std::int32_t> removed = Range(11, 19);
    removed.push_back(19);
    EXPECT_THAT(card.pool->RemovedFrames(kText), ElementsAreArray(removed));
}

// Each parameter's run of writer arguments over a ten-frame plain effect.
struct ParameterCase {
    const char* name;
    TextFields fields;
    const char* operation;
    std::size_t argument;
    Numbers expected;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const ParameterCase& testCase, std::ostream* out) { *out << testCase.name; }

class TextParameters : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(TextParameters, GiveTheirFormulasValues) {
    const ParameterCase& c = GetParam();
    TextCard card(c.fields);
    card.MakeSwf();
    EXPECT_EQ(FirstNumbers(*card.pool, c.operation, c.argument), c.expected);
}

TextFields Parameter(std::int32_t TextFields::*field, std::int32_t value) {
    TextFields fields;
    fields.*field = value;
    return fields;
}

INSTANTIATE_TEST_SUITE_P(
    Frames, TextParameters,
    ::testing::Values(
        ParameterCase{"Growing", Parameter(&TextFields::scale, 1), "Scale", 0,
                      {3226, 6451, 9677, 12902, 16128, 19354, 22579, 25805, 29030, 32256}},
        ParameterCase{"Shrinking", Parameter(&TextFields::scale, -1), "Scale", 0,
                      {61286, 58061, 54835, 51610, 48384, 45158, 41933, 38707, 35482, 32256}},
        ParameterCase{"Turning", Parameter(&TextFields::rotate, 1), "Rotate", 0,
                      {2359296, 4718592, 7077888, 9437184, 11796480, 14155776, 16515072,
                       18874368, 21233664, 23592960}},
        ParameterCase{"Drifting", Parameter(&TextFields::shock, 10), "Translate", 1,
                      {860, 880, 900, 920, 940, 960, 980, 1000, 1020, 1040}},
        ParameterCase{"FadingIn", Parameter(&TextFields::alpha, 100), "SetSolidFill", 3,
                      {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TFlashText, FadeOutFallsToTransparent) {
    TextCard card(WithEffect("Fade Out"));
    card.MakeSwf();
    const Numbers opacities = FirstNumbers(*card.pool, "SetSolidFill", 3);
    ASSERT_EQ(opacities.size(), 25u);
    EXPECT_THAT(Numbers(opacities.begin(), opacities.begin() + 3), ElementsAre(245, 235, 224));
    EXPECT_THAT(Numbers(opacities.end() - 2, opacities.end()), ElementsAre(10, 0));
}

TEST(TFlashText, RandomColourChangesEveryColourSteps) {
    TextFields every3 = Parameter(&TextFields::color, 3);
    TextCard card(every3);
    card.random.draws = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    card.MakeSwf();
    EXPECT_EQ(card.random.reseeds, 3);
    const auto fills = card.pool->Of("SetSolidFill");
    ASSERT_EQ(fills.size(), 4u);
    const std::pair<std::int32_t, Numbers> expected[] = {
        {0, {0, 0, 255, 255}}, {2, {1, 2, 3, 255}}, {5, {4, 5, 6, 255}}, {8, {7, 8, 9, 255}}};
    for (std::size_t index = 0; index < 4; ++index) {
        EXPECT_EQ(fills[index].frame, expected[index].first);
        EXPECT_EQ(fills[index].numbers, expected[index].second);
    }

    TextFields beyondRun = WithEffect("Fade In");
    beyondRun.color = 50;
    TextCard capped(beyondRun);
    capped.MakeSwf();
    EXPECT_EQ(capped.random.reseeds, 1);
}

TEST(TFlashText, AnUnchangedFillIsGivenOncePerCharacter) {
    TextFields fields = WithEffect("Sin");
    fields.content = "abc";
    TextCard card(fields);
    card.MakeSwf();
    EXPECT_EQ(card.pool->Of("SetSolidFill").size(), 3u);
    EXPECT_EQ(card.pool->Of("AddObject").size(), 3u * 241u);
}

TEST(TFlashText, FadeInAtFrame40PlacesOncePerFrame) {
    TextFields fields = WithEffect("Fade In");
    fields.start = 40;
    TextCard card(fields);
    card.MakeSwf();
    EXPECT_THAT(card.pool->AddedFrames(kText), ElementsAreArray(Range(40, 64)));
    EXPECT_EQ(card.pool->RemovedFrames(kText).size(), 25u);
}

TEST(TFlashText, ComeInStaggersCharactersByAQuarterRun) {
    TextFields fields = WithEffect("Come In");
    fields.content = "abc";
    TextCard card(fields);
    card.MakeSwf();
    const auto added = card.pool->AddedFrames(kText);
    ASSERT_EQ(added.size(), 75u);
    EXPECT_EQ(added[0], 0);
    EXPECT_EQ(added[25], 6);
    EXPECT_THAT(std::vector(added.begin() + 50, added.begin() + 54), ElementsAre(12, 14, 14, 16));
    EXPECT_EQ(card.pool->RemovedFrames(kText).size(), 72u);
}

TEST(TFlashText, HeartBeatGrowsThenShrinksEachCharacter) {
    TextFields fields = WithEffect("Heart Beat");
    fields.content = "a";
    fields.start = 5;
    TextCard card(fields);
    card.MakeSwf();
    std::vector<std::int32_t> added = Range(5, 17);
    const std::vector<std::int32_t> second = Range(17, 29);
    added.insert(added.end(), second.begin(), second.end());
    EXPECT_THAT(card.pool->AddedFrames(kText), ElementsAreArray(added));
    const Numbers scales = FirstNumbers(*card.pool, "Scale");
    EXPECT_EQ(scales[0], 4962);   // 2/13 k
    EXPECT_EQ(scales[12], 64512); // 2 k
    EXPECT_EQ(scales[25], 32256); // k
    EXPECT_EQ(card.pool->RemovedFrames(kText).size(), 12u + 1u + 12u);
}

TEST(TFlashText, EffectOffsetsMoveTheText) {
    TextCard move(WithEffect("Move"));
    move.MakeSwf();
    EXPECT_EQ(move.pool->AddedFrames(kText).size(), 240u);
    EXPECT_EQ(move.pool->NumbersOf("Translate").front(), (Numbers{4746, 840}));
    EXPECT_EQ(move.pool->NumbersOf("Translate").back(), (Numbers{4746 - 50 * 239, 840}));

    TextFields sin = WithEffect("Sin");
    sin.content = "a";
    TextCard swinging(sin);
    swinging.MakeSwf();
    // 300 × sin(100 / 241) is 120.9.
    EXPECT_EQ(swinging.pool->NumbersOf("Translate").front(), (Numbers{873 + 121, 840 + 121}));
}

TEST(TFlashText, RotateStaysOnTheStage) {
    TextCard card(WithEffect("Rotate"));
    card.MakeSwf();
    EXPECT_EQ(card.pool->AddedFrames(kText).size(), 50u);
    EXPECT_EQ(card.pool->RemovedFrames(kText).size(), 49u);
}

TEST(TFlashText, NegativeSpeedGivesAnEmptyRunWithoutRemoval) {
    TextCard card(Parameter(&TextFields::speed, -5));
    card.MakeSwf();
    EXPECT_THAT(card.pool->Of("AddObject"), IsEmpty());
    EXPECT_THAT(card.pool->Of("RemoveObject"), IsEmpty());
}

TEST(TFlashText, RunIsCutWhereTheMovieEnds) {
    TextFields fields;
    fields.start = 65530;
    fields.speed = 2000000000;
    TextCard card(fields);
    card.MakeSwf();
    EXPECT_THAT(card.pool->AddedFrames(kText), ElementsAreArray(Range(65530, 65534)));
    EXPECT_EQ(card.pool->RemovedFrames(kText).size(), 4u);
}

TEST(TFlashText, BadColoursAbortTheGeneration) {
    for (const char* colour : {"-1", "red", ""}) {
        TextFields fields;
        fields.fontColor = colour;
        TextCard card(fields);
        EXPECT_THROW(card.MakeSwf(), ConversionError) << colour;
        EXPECT_THAT(card.pool->Of("WriteMovie"), IsEmpty());
    }
    TextFields fields = Parameter(&TextFields::alpha, 300);
    TextCard card(fields);
    EXPECT_THROW(card.MakeSwf(), std::runtime_error);
}

} // namespace
} // namespace generation_test

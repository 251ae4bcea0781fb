#include "GenerationTest_support.h"

#include "editor/generation/TFlashPic.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

namespace generation_test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using Numbers = std::vector<std::int64_t>;

constexpr int kPicture = 1;
constexpr int kCover = 5;

// A 100 × 50 picture at the stage's corner on a 400 × 300 stage, from frame 10.
struct PictureCard : CompiledCard {
    explicit PictureCard(PictureFields fields = {}) : CompiledCard(CardXml(PictureXml(fields), 400, 300)) {
        AddMediaFile("Pic_1.jpg");
    }
    static PictureCard WithEffect(const std::string& effect) {
        PictureFields fields;
        fields.effect = effect;
        return PictureCard(fields);
    }
};

std::vector<Numbers> Translations(const RecordingPool& pool) { return pool.NumbersOf("Translate"); }

TEST(PictureEffects, MoveUpRisesFromNearTheBottomToItsOwnPosition) {
    PictureCard card = PictureCard::WithEffect("Move Up");
    card.MakeSwf();
    const auto translations = Translations(*card.pool);
    ASSERT_EQ(translations.size(), 31u);
    EXPECT_EQ(translations[0], (Numbers{3000, 5806}));
    EXPECT_EQ(translations[29], (Numbers{3000, 194}));
    EXPECT_EQ(translations[30], (Numbers{3000, 0}));
    std::vector<std::int32_t> frames;
    for (int frame = 10; frame <= 40; ++frame)
        frames.push_back(frame);
    EXPECT_THAT(card.pool->AddedFrames(kPicture), ElementsAreArray(frames));
    frames.erase(frames.begin());
    EXPECT_THAT(card.pool->RemovedFrames(kPicture), ElementsAreArray(frames));
}

// The figures each effect must hand the writer on its first and last step.
struct StepCase {
    const char* effect;
    const char* operation;
    Numbers first;
    Numbers last;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const StepCase& testCase, std::ostream* out) { *out << testCase.effect; }

class PictureEffectSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(PictureEffectSteps, PassesTheFiguresOfTheFormulas) {
    const StepCase& c = GetParam();
    PictureCard card = PictureCard::WithEffect(c.effect);
    card.MakeSwf();
    const auto numbers = card.pool->NumbersOf(c.operation);
    ASSERT_GE(numbers.size(), 31u);
    EXPECT_EQ(numbers[numbers.size() - 31], c.first);
    EXPECT_EQ(numbers.back(), c.last);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, PictureEffectSteps,
    ::testing::Values(StepCase{"Move Down", "Translate", {3000, 194}, {3000, 6000}},
                      StepCase{"Move Left", "Translate", {7742, 2500}, {0, 2500}},
                      StepCase{"Move Down r", "Translate", {-1742, -806}, {6000, 5000}},
                      StepCase{"Zoom In", "Scale", {2114, 2114}, {65536, 65536}},
                      StepCase{"Zoom Out", "Scale", {63422, 63422}, {0, 0}},
                      StepCase{"Zoom In Up", "Translate", {3000, 2984}, {3000, 2500}},
                      StepCase{"Zoom Out Up", "Translate", {3000, 2484}, {3000, 2000}},
                      StepCase{"Zoom In Left", "Translate", {2032, 2500}, {3000, 2500}},
                      StepCase{"Zoom Out Down r", "Translate", {3032, 2516}, {4000, 3000}},
                      StepCase{"Move Up -r", "Rotate", {761063}, {23592960}},
                      StepCase{"Come In x", "Scale", {2114, 65536}, {65536, 65536}},
                      StepCase{"Come Out y", "Scale", {65536, 63422}, {65536, 0}},
                      StepCase{"Come In xl", "Translate", {3968, 2500}, {3000, 2500}},
                      StepCase{"Come Out yb", "Translate", {3000, 2516}, {3000, 3000}}),
    [](const auto& info) {
        std::string name = info.param.effect;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(PictureEffects, CentredEffectsTranslateOnceBeforeTheFirstFrame) {
    for (const char* effect : {"Zoom In", "Zoom Out -r", "Come In x", "Come Out y"}) {
        PictureCard card = PictureCard::WithEffect(effect);
        card.MakeSwf();
        const auto translations = card.pool->Of("Translate");
        ASSERT_EQ(translations.size(), 1u) << effect;
        EXPECT_EQ(translations[0].numbers, (Numbers{3000, 2500})) << effect;
        EXPECT_EQ(translations[0].frame, 0) << effect;
    }
}

TEST(PictureEffects, ShakeAddsDyingDrawsToTheMovingCoordinates) {
    PictureCard card = PictureCard::WithEffect("Move Up l -s");
    card.random.draws = {4, 2, 1, 3};
    card.MakeSwf();
    const auto translations = Translations(*card.pool);
    // Step 0: both coordinates shake, x by 4 × 20 × 30 and y by 2 × 20 × 30.
    EXPECT_EQ(translations[0], (Numbers{7742 + 2400, 5806 + 1200}));
    EXPECT_EQ(translations[1], (Numbers{7484 + 580, 5613 + 1740}));
    EXPECT_EQ(card.random.reseeds, 31);

    PictureCard plain = PictureCard::WithEffect("Move Up l");
    plain.MakeSwf();
    EXPECT_EQ(translations.back(), Translations(*plain.pool).back());
}

TEST(PictureEffects, ShakingPlainZoomRisesFromTheBottomAndShakesUpAndDown) {
    PictureCard card = PictureCard::WithEffect("Zoom In -s");
    card.random.draws = {1};
    card.MakeSwf();
    const auto translations = Translations(*card.pool);
    ASSERT_EQ(translations.size(), 32u);
    EXPECT_EQ(translations[0], (Numbers{3000, 2500}));
    EXPECT_EQ(translations[1], (Numbers{3000, 5806 + 600}));
    EXPECT_EQ(translations[31], (Numbers{3000, 0}));
}

TEST(PictureEffects, AnimatedPictureRunsThirtyOneFramesWhateverItsEndFrame) {
    PictureFields fields;
    fields.effect = "Zoom In";
    fields.end = 15;
    PictureCard card(fields);
    card.MakeSwf();
    EXPECT_EQ(card.pool->AddedFrames(kPicture).back(), 40);
    EXPECT_EQ(card.pool->RemovedFrames(kPicture).back(), 40);
}

TEST(PictureEffects, FadeCoversThePictureWithDarkeningBlack) {
    for (const char* effect : {"Fade In", "Fade Out"}) {
        PictureFields fields;
        fields.effect = effect;
        fields.start = 0;
        fields.end = 24;
        PictureCard card(fields);
        card.MakeSwf();
        EXPECT_THAT(card.pool->AddedFrames(kPicture), ElementsAre(0));
        EXPECT_THAT(card.pool->RemovedFrames(kPicture), ElementsAre(24));
        EXPECT_THAT(card.pool->NumbersOf("MakeRectangle"), ElementsAre(Numbers{0, 0, 2000, 1000}));
        std::vector<Numbers> fills;
        for (std::int64_t frame = 0; frame <= 24; ++frame)
            fills.push_back({0, 0, 0, 3 * frame});
        EXPECT_EQ(card.pool->NumbersOf("SetSolidFill"), fills);
        EXPECT_EQ(card.pool->AddedFrames(kCover).size(), 25u);
        EXPECT_EQ(card.pool->RemovedFrames(kCover).size(), 24u);
        EXPECT_THAT(card.host.Reports(), IsEmpty());
    }
}

TEST(PictureEffects, FadeStopsWithAMessageWhereTheAlphaOutgrowsAByte) {
    PictureFields fields;
    fields.effect = "Fade In";
    fields.start = 80;
    fields.end = 100;
    PictureCard card(fields);
    card.MakeSwf();
    EXPECT_EQ(card.pool->AddedFrames(kCover).back(), 85);
    EXPECT_EQ(card.pool->RemovedFrames(kCover).back(), 86);
    ASSERT_EQ(card.host.Reports().size(), 1u);
    EXPECT_EQ(card.host.Reports()[0].message, TFlashPic::kErrorMessage);
    EXPECT_EQ(card.pool->Of("WriteMovie").size(), 1u);
}

TEST(TFlashPic, MakesThePictureInItsRectangleAtDepthOne) {
    PictureFields fields;
    fields.x = 10;
    fields.y = 20;
    PictureCard card(fields);
    card.MakeSwf();
    const auto pictures = card.pool->Of("MakePicture");
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].numbers, (Numbers{200, 400, 2200, 1400, 100, 50}));
    EXPECT_EQ(std::filesystem::path(pictures[0].text), card.folder.Path() / "Pic_1.jpg");
    EXPECT_THAT(card.pool->NumbersOf("SetDepth"), ElementsAre(Numbers{1}));
    EXPECT_THAT(card.pool->AddedFrames(kPicture), ElementsAre(10));
    EXPECT_THAT(card.pool->RemovedFrames(kPicture), ElementsAre(34));
}

TEST(TFlashPic, NegativeEndFrameLeavesThePictureOnToTheEnd) {
    PictureFields fields;
    fields.end = -2;
    PictureCard card(fields);
    card.MakeSwf();
    EXPECT_THAT(card.pool->AddedFrames(kPicture), ElementsAre(10));
    EXPECT_THAT(card.pool->RemovedFrames(kPicture), IsEmpty());
    EXPECT_THAT(card.pool->Of("GotoFrame").back().numbers, ElementsAre(10));
}

TEST(TFlashPic, GeneratesNothingWithoutAChosenPictureAKnownEffectOrItsFile) {
    PictureFields noContent;
    noContent.content = "";
    PictureFields wrongCase;
    wrongCase.effect = "move up";
    PictureFields renamed;
    renamed.name = "Pic_2";
    for (const PictureFields& fields : {noContent, wrongCase, renamed}) {
        PictureCard card(fields);
        card.MakeSwf();
        EXPECT_THAT(card.pool->Of("MakePicture"), IsEmpty()) << fields.name << fields.effect;
        EXPECT_THAT(card.host.Reports(), IsEmpty());
    }
}

TEST(TFlashPic, OverflowingSizeIsReportedAndGenerationGoesOn) {
    PictureFields huge;
    huge.width = 2000000000;
    const std::string objects = PictureXml(huge) + SoundXml({.content = ""});
    CompiledCard card(CardXml(objects, 400, 300));
    card.AddMediaFile("Pic_1.jpg");
    card.MakeSwf();
    ASSERT_EQ(card.host.Reports().size(), 1u);
    EXPECT_EQ(card.host.Reports()[0].objectName, "Pic_1");
    EXPECT_EQ(card.host.Reports()[0].message, TFlashPic::kErrorMessage);
    EXPECT_EQ(card.pool->Of("WriteMovie").size(), 1u);
}

TEST(TFlashPic, UnsafeObjectNamesNeverReachOutsideTheDocumentFolder) {
    for (const char* name : {"../escape", "/etc/passwd", "..", "a/b"}) {
        PictureFields fields;
        fields.name = name;
        PictureCard card(fields);
        card.AddMediaFile("escape.jpg");
        card.driver.PicCompiler().Load(0);
        const std::filesystem::path file = card.driver.PicCompiler().PictureFile();
        EXPECT_EQ(file.parent_path(), card.folder.Path()) << name;
        EXPECT_NE(file.filename(), "escape.jpg") << name;
    }
}

} // namespace
} // namespace generation_test

#include "GenerationTest_support.h"

#include "editor/generation/TFlashSound.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace generation_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kSound = 1;

TEST(TFlashSound, StartsTheMediaFileAtTheStartFrame) {
    CompiledCard card(CardXml(SoundXml({.start = 30, .end = 31}) +
                              SoundXml({.name = "Sound_2", .start = 5, .end = 6})));
    card.AddMediaFile("Sound_1.wav");
    card.AddMediaFile("Sound_2.wav");
    card.MakeSwf();
    const auto sounds = card.pool->Of("MakeSound");
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_EQ(std::filesystem::path(sounds[0].text), card.folder.Path() / "Sound_1.wav");
    EXPECT_THAT(card.pool->AddedFrames(kSound), ElementsAre(30, 5));
    EXPECT_THAT(card.pool->RemovedFrames(kSound), ElementsAre(31, 6));
    EXPECT_THAT(card.host.Reports(), IsEmpty());
}

TEST(TFlashSound, WithoutAChosenSoundNothingIsGenerated) {
    CompiledCard card(CardXml(SoundXml({.content = ""})));
    card.AddMediaFile("Sound_1.wav");
    card.MakeSwf();
    EXPECT_THAT(card.pool->Of("MakeSound"), IsEmpty());
    EXPECT_THAT(card.host.Reports(), IsEmpty());
}

TEST(TFlashSound, MissingMediaFileIsReportedAndGenerationGoesOn) {
    CompiledCard card(CardXml(SoundXml({}) + TextXml({})));
    card.MakeSwf();
    EXPECT_THAT(card.pool->Of("MakeSound"), IsEmpty());
    EXPECT_THAT(card.host.Reports(),
                ElementsAre(HeadlessHost::Report{"Sound_1", std::string(TFlashSound::kErrorMessage)}));
    EXPECT_EQ(card.pool->Of("MakeFont").size(), 1u);
}

} // namespace
} // namespace generation_test

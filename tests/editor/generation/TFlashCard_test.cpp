#include "GenerationTest_support.h"

#include "editor/generation/WriterError.h"

#include "editor/document/ConversionError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace generation_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Numbers = std::vector<std::int64_t>;

std::vector<std::string> Operations(const RecordingPool& pool) {
    std::vector<std::string> operations;
    for (const RecordedCall& call : pool.calls)
        operations.push_back(call.operation);
    return operations;
}

TEST(TFlashCard, EmptyCardIsTheStageAlone) {
    CompiledCard card(CardXml(""));
    card.MakeSwf();
    EXPECT_THAT(Operations(*card.pool), ElementsAre("NewMovie", "SetSize", "SetFrameRate",
                                                    "GotoFrame", "SetFrameBkColor", "WriteMovie"));
    EXPECT_THAT(card.pool->NumbersOf("SetSize"), ElementsAre(Numbers{7800, 6400}));
    EXPECT_THAT(card.pool->NumbersOf("SetFrameRate"), ElementsAre(Numbers{15}));
    EXPECT_THAT(card.pool->NumbersOf("SetFrameBkColor"), ElementsAre(Numbers{255, 255, 255}));
    EXPECT_EQ(card.pool->Of("WriteMovie")[0].text, card.document.WorkingMoviePath().string());
}

TEST(TFlashCard, BackgroundColourIsSplitIntoRedGreenAndBlue) {
    for (const auto& [text, rgb] : {std::pair{"$0000FF", Numbers{255, 0, 0}},
                                    std::pair{"65280", Numbers{0, 255, 0}},
                                    std::pair{"$FF0000", Numbers{0, 0, 255}}}) {
        CompiledCard card(CardXml("", 390, 320, text));
        card.MakeSwf();
        EXPECT_THAT(card.pool->NumbersOf("SetFrameBkColor"), ElementsAre(rgb)) << text;
    }
}

TEST(TFlashCard, UnreadableBackgroundAbortsBeforeAnyObject) {
    for (const char* text : {"white", "", "$FFFFFFFF"}) {
        CompiledCard card(CardXml(TextXml({}), 390, 320, text));
        EXPECT_THROW(card.MakeSwf(), ConversionError) << text;
        EXPECT_THAT(card.pool->Of("MakeFont"), IsEmpty());
        EXPECT_THAT(card.pool->Of("WriteMovie"), IsEmpty());
    }
}

TEST(TFlashCard, ObjectsOfOtherKindsAreKeptButNotCompiled) {
    std::string objects = TextXml({});
    for (const char* kind : {"Picture", "text"}) {
        std::string other = TextXml({});
        other.replace(other.find(">Text<"), 6, std::string(">") + kind + "<");
        objects += other;
    }
    CompiledCard card(CardXml(objects));
    card.MakeSwf();
    EXPECT_EQ(card.pool->Of("MakeFont").size(), 1u);
    EXPECT_EQ(card.document.Movie().Obj().Count(), 3);
}

TEST(TFlashCard, EveryGenerationStartsFromAnEmptyMovie) {
    CompiledCard card(CardXml(TextXml(TextFields{.alpha = 300})));
    EXPECT_THROW(card.MakeSwf(), std::runtime_error);
    card.document.Movie().Obj().Item(0).ObjType().ObjText().SetExAlpha(0);
    card.pool->calls.clear();
    card.MakeSwf();
    EXPECT_EQ(Operations(*card.pool).front(), "NewMovie");
    EXPECT_EQ(Operations(*card.pool).back(), "WriteMovie");
}

TEST(TFlashCard, CardsAskingForTooManyPlacementsAreRefused) {
    CompiledCard card(CardXml(TextXml({.content = "ab", .effect = "Sin"})), 300);
    EXPECT_THROW(card.MakeSwf(), WriterError);
    EXPECT_EQ(card.pool->Of("AddObject").size(), 300u);
    EXPECT_THAT(card.pool->Of("WriteMovie"), IsEmpty());
    card.pool->calls.clear();
    card.document.Movie().Obj().Item(0).ObjType().ObjText().SetContent("a");
    card.MakeSwf();
    EXPECT_EQ(card.pool->Of("AddObject").size(), 241u);
}

TEST(TFlashCard, ExportWritesOnlyTheChosenFile) {
    CompiledCard card(CardXml(""));
    const std::filesystem::path exported = card.folder.Path() / "export.swf";
    card.driver.MakeSwf(exported);
    EXPECT_THAT(card.pool->Of("WriteMovie").size(), 1u);
    EXPECT_EQ(card.pool->Of("WriteMovie")[0].text, exported.string());
}

TEST(TFlashCard, InsertAppendsANamedObjectWithTheDefaultsOfItsKind) {
    CompiledCard card(CardXml(TextXml({})));
    card.driver.TextCompiler().Insert(30);
    card.driver.SoundCompiler().Insert(30);
    IXMLObjList& objects = card.document.Movie().Obj();
    ASSERT_EQ(objects.Count(), 3);
    EXPECT_EQ(objects.Item(1).ObjName(), "Text_2");
    EXPECT_EQ(objects.Item(1).StartTime(), 30);
    EXPECT_EQ(objects.Item(1).EndTime(), 39);
    EXPECT_EQ(objects.Item(2).ObjName(), "Sound_1");
    EXPECT_EQ(objects.Item(2).StartTime(), 0);
    EXPECT_EQ(card.driver.SoundCompiler().ObjName(), "Sound_1");
}

} // namespace
} // namespace generation_test

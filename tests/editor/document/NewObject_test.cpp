#include "DocumentTestSupport.h"

#include "editor/document/CardTree.h"
#include "editor/document/NewObject.h"
#include "editor/document/TXMLMovie.h"

#include <gtest/gtest.h>

#include <ostream>

namespace joyvane {
namespace {

struct NewObjectCase {
    ObjectKind kind;
    const char* xml;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const NewObjectCase& testCase, std::ostream* out) { *out << KindWord(testCase.kind); }

class NewObjectDefaults : public testing::TestWithParam<NewObjectCase> {};

// Inserted while the preview shows frame 30.
TEST_P(NewObjectDefaults, HaveTheirElementsInTheirOrder) {
    CardTree tree;
    TXMLMovie movie(tree.Movie());
    AppendNewObject(movie.Obj(), GetParam().kind, "Name_1", 30);
    EXPECT_EQ(tree.Serialize(), GetParam().xml);
}

INSTANTIATE_TEST_SUITE_P(Kinds, NewObjectDefaults,
                         testing::Values(NewObjectCase{ObjectKind::Text, R"(<Movie>
  <Obj>
    <ObjName>Name_1</ObjName>
    <StartTime>30</StartTime>
    <EndTime>39</EndTime>
    <Layer>2</Layer>
    <ObjTypeName>Text</ObjTypeName>
    <ObjType>
      <ObjText>
        <Content />
        <TextUnit>1</TextUnit>
        <FontName>Microsoft Sans Serif</FontName>
        <FontSize>18</FontSize>
        <FontColor>$FF0000</FontColor>
        <PositionX>50</PositionX>
        <PositionY>50</PositionY>
        <EffectName>-- None --</EffectName>
        <EffectValue />
        <ExScale>0</ExScale>
        <ExRotate>0</ExRotate>
        <ExShock>0</ExShock>
        <ExColor>0</ExColor>
        <ExAlpha>0</ExAlpha>
        <ExSpeed>9</ExSpeed>
      </ObjText>
    </ObjType>
  </Obj>
</Movie>
)"},
                                         NewObjectCase{ObjectKind::Pic, R"(<Movie>
  <Obj>
    <ObjName>Name_1</ObjName>
    <StartTime>30</StartTime>
    <EndTime>54</EndTime>
    <Layer>2</Layer>
    <ObjTypeName>Pic</ObjTypeName>
    <ObjType>
      <ObjPic>
        <Content />
        <PositionX>0</PositionX>
        <PositionY>0</PositionY>
        <Width>0</Width>
        <Height>0</Height>
        <EffectName>-- None --</EffectName>
      </ObjPic>
    </ObjType>
  </Obj>
</Movie>
)"},
                                         NewObjectCase{ObjectKind::Sound, R"(<Movie>
  <Obj>
    <ObjName>Name_1</ObjName>
    <StartTime>0</StartTime>
    <EndTime>1</EndTime>
    <Layer>2</Layer>
    <ObjTypeName>Sound</ObjTypeName>
    <ObjType>
      <ObjSound>
        <Content />
      </ObjSound>
    </ObjType>
  </Obj>
</Movie>
)"}));

TEST(NewObject, EditedIntoTheCompleteExample) {
    CardTree tree = CardTree::Parse(test::emptyCard, "empty.jvd");
    TXMLMovie movie(tree.Movie());
    movie.SetTotalFrames(40);
    TXMLObj object = AppendNewObject(movie.Obj(), ObjectKind::Text, "Text_1", 0);
    object.SetEndTime(24);
    TXMLObjText text = object.ObjType().ObjText();
    text.SetContent("Happy Birthday");
    text.SetFontName("Arial");
    text.SetFontSize(36);
    text.SetFontColorValue(255);
    text.SetPositionX(40);
    text.SetPositionY(120);
    text.SetEffectName("Come In");
    text.SetExSpeed(24);
    EXPECT_EQ(tree.Serialize(), test::birthdayCard);
}

TEST(NewObject, RefusesAFrameWhoseEndWouldOverflow) {
    CardTree tree;
    TXMLMovie movie(tree.Movie());
    EXPECT_THROW(AppendNewObject(movie.Obj(), ObjectKind::Pic, "Pic_1", 2147483640),
                 std::out_of_range);
    EXPECT_THROW(AppendNewObject(movie.Obj(), ObjectKind::Text, "Text_1", -1), std::out_of_range);
    EXPECT_EQ(movie.Obj().Count(), 0);
}

} // namespace
} // namespace joyvane

#include <gtest/gtest.h>

#include "viewer/swf/EditText.h"
#include "viewer/swf/PlaceObject2.h"
#include "writer/WriterTest_support.h"
#include "writer/objects/swfObject.h"

namespace quillot {
namespace {

TEST(EditText, FieldIsDefinedWithItsFlagsColourLayoutAndVariable) {
    for (const bool editable : {true, false}) {
        swfObject field;
        ASSERT_EQ(field.MakeEditText(0, 0, 2000, 400, "Hello"), S_OK);
        field.SetEditTextEditable(editable ? 1 : 0);
        field.SetEditTextColor(10, 20, 30);
        field.SetEditTextHeight(480);
        swfMovie movie;
        movie.AddObject(&field);
        const auto fields = test::WrittenRecords<swf::DefineEditText>(movie);
        ASSERT_EQ(fields.size(), 1u);
        const swf::DefineEditText& written = fields[0];
        EXPECT_EQ(written.bounds, (swf::Rect{0, 2000, 0, 400}));
        EXPECT_EQ(written.flags1, editable ? 0x84 : 0x8C);
        EXPECT_EQ(written.flags2, 0x28);
        EXPECT_FALSE(written.fontId.has_value()) << "the field names no font";
        EXPECT_EQ(written.textColor, (swf::Rgba{10, 20, 30, 255}));
        EXPECT_EQ(written.layout, (swf::EditTextLayout{0, 0, 0, 0, 40}));
        EXPECT_EQ(written.variableName, "TextField_0_0_2000_400_1");
        EXPECT_EQ(written.initialText, "Hello");
    }
}

// Each addition writes a field of its own, with the same colour and text;
// fields of equal bounds and depth share their variable.
TEST(EditText, EveryAdditionDefinesTheFieldAgain) {
    swfObject first, second;
    first.MakeEditText(-20, 40, 300, 500, "Name");
    second.MakeEditText(-20, 40, 300, 500, "Other");
    first.SetDepth(3);
    second.SetDepth(3);
    first.SetEditTextColor(255, 0, 0);
    first.Translate(100, 0);
    swfMovie movie;
    movie.AddObject(&first);
    movie.GotoFrame(1);
    movie.AddObject(&first);
    movie.AddObject(&second);
    const swf::Movie decoded = test::WriteAndDecode(movie);
    const auto fields = swf::RecordsOf<swf::DefineEditText>(decoded);
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_NE(fields[0]->characterId, fields[1]->characterId);
    EXPECT_EQ(fields[1]->initialText, "Name");
    EXPECT_EQ(fields[1]->textColor, (swf::Rgba{255, 0, 0, 255}));
    for (const auto* field : fields) {
        EXPECT_EQ(field->variableName, "TextField_-20_40_300_500_3");
    }
    const auto places = swf::RecordsOf<swf::PlaceObject2>(decoded);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[1]->characterId, fields[1]->characterId);
    EXPECT_TRUE(places[0]->matrix.has_value()) << "a field is placed like a shape";
    EXPECT_FALSE(places[2]->matrix.has_value());
}

TEST(EditText, SettersLeaveOtherKindsAlone) {
    swfObject rectangle;
    rectangle.MakeRectangle(0, 0, 10, 10);
    EXPECT_EQ(rectangle.SetEditTextEditable(0), S_OK);
    EXPECT_EQ(rectangle.SetEditTextColor(1, 2, 3), S_OK);
    EXPECT_EQ(rectangle.SetEditTextHeight(100), S_OK);
    swfMovie movie;
    movie.AddObject(&rectangle);
    EXPECT_TRUE(test::WrittenRecords<swf::DefineEditText>(movie).empty());
}

} // namespace
} // namespace quillot

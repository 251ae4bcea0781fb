#include <gtest/gtest.h>

#include "viewer/swf/PlaceObject2.h"
#include "viewer/swf/Shape.h"
#include "writer/WriterTest_support.h"
#include "writer/objects/swfObject.h"

namespace quillot {
namespace {

using test::WriteAndDecode;

swf::PlaceObject2 PlaceOnce(swfObject& object) {
    swfMovie movie;
    movie.AddObject(&object);
    const auto places = test::WrittenRecords<swf::PlaceObject2>(movie);
    EXPECT_EQ(places.size(), 1u);
    return places.empty() ? swf::PlaceObject2{} : places[0];
}

// Where the matrix takes a point, in twips.
std::pair<double, double> Apply(const swf::Matrix& m, double x, double y) {
    const double a = m.scale ? m.scale->first / 65536.0 : 1, d = m.scale ? m.scale->second / 65536.0 : 1;
    const double b = m.rotateSkew ? m.rotateSkew->first / 65536.0 : 0;
    const double c = m.rotateSkew ? m.rotateSkew->second / 65536.0 : 0;
    return {a * x + c * y + m.translateX, b * x + d * y + m.translateY};
}

TEST(Placement, UntransformedObjectIsPlacedWithoutMatrix) {
    swfObject rectangle;
    rectangle.MakeRectangle(0, 0, 100, 100);
    const swf::PlaceObject2 place = PlaceOnce(rectangle);
    EXPECT_FALSE(place.matrix.has_value());
    EXPECT_TRUE(place.characterId.has_value());
    EXPECT_FALSE(place.move);
}

TEST(Placement, QuarterTurnAboutTheCentre) {
    swfObject rectangle;
    rectangle.MakeRectangle(0, 0, 100, 100);
    rectangle.Rotate(90 * 65536);
    const swf::PlaceObject2 place = PlaceOnce(rectangle);
    ASSERT_TRUE(place.matrix.has_value());
    EXPECT_EQ(*place.matrix, (swf::Matrix{std::pair{0, 0}, std::pair{65536, -65536}, 100, 0}));
}

TEST(Placement, EqualScalesMoveTheCentreByTheTranslation) {
    swfObject rectangle;
    rectangle.MakeRectangle(100, 200, 300, 400);
    rectangle.Scale(0x20000, 0x20000);
    rectangle.Translate(1000, -50);
    const swf::PlaceObject2 place = PlaceOnce(rectangle);
    ASSERT_TRUE(place.matrix.has_value());
    const auto [x, y] = Apply(*place.matrix, 200, 300);
    EXPECT_DOUBLE_EQ(x, 1200);
    EXPECT_DOUBLE_EQ(y, 250);
}

TEST(Placement, TransformsApplyOnlyToShapeKinds) {
    swfObject empty;
    EXPECT_EQ(empty.Translate(10, 10), S_OK);
    EXPECT_EQ(empty.SetDepth(3), S_OK);
    std::int16_t kind = -1;
    empty.get_ObjectType(kind);
    EXPECT_EQ(kind, 0);
}

TEST(Placement, StyleChangeRedefinesUnderANewIdentifier) {
    swfMovie movie;
    swfObject rectangle;
    rectangle.MakeRectangle(0, 0, 100, 100);
    movie.AddObject(&rectangle);
    movie.GotoFrame(1);
    movie.RemoveObject(&rectangle);
    rectangle.Translate(5, 5); // transforms do not redefine
    movie.AddObject(&rectangle);
    movie.GotoFrame(2);
    movie.RemoveObject(&rectangle);
    rectangle.SetSolidFill(255, 0, 0, 255);
    movie.AddObject(&rectangle);

    const swf::Movie decoded = WriteAndDecode(movie);
    const auto shapes = swf::RecordsOf<swf::DefineShape3>(decoded);
    const auto places = swf::RecordsOf<swf::PlaceObject2>(decoded);
    ASSERT_EQ(shapes.size(), 2u);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(shapes[1]->shapeId, shapes[0]->shapeId + 1);
    EXPECT_EQ(*places[0]->characterId, shapes[0]->shapeId);
    EXPECT_EQ(*places[1]->characterId, shapes[0]->shapeId);
    EXPECT_EQ(*places[2]->characterId, shapes[1]->shapeId);
}

TEST(Placement, MakeReplacesTheKindAndDeleteEmpties) {
    swfObject object;
    std::int16_t kind = 0;
    const std::pair<HRESULT (*)(swfObject&), std::int16_t> makers[] = {
        {[](swfObject& o) { return o.MakeRectangle(0, 0, 1, 1); }, 3310},
        {[](swfObject& o) { return o.MakeCircle(0, 0, 1); }, 3320},
        {[](swfObject& o) { return o.MakePolygon(0, 0); }, 3330},
        {[](swfObject& o) { return o.MakeOval(0, 0, 1, 1); }, 3340},
    };
    for (const auto& [make, expected] : makers) {
        EXPECT_EQ(make(object), S_OK);
        object.get_ObjectType(kind);
        EXPECT_EQ(kind, expected);
    }
    object.put_ObjectType(1234); // ignored
    object.Delete();
    object.get_ObjectType(kind);
    EXPECT_EQ(kind, 0);
    EXPECT_EQ(object.Internal(), nullptr);
}

} // namespace
} // namespace quillot

#include <gtest/gtest.h>

#include <ostream>

#include "viewer/swf/Button.h"
#include "viewer/swf/PlaceObject2.h"
#include "viewer/swf/Shape.h"
#include "writer/WriterTest_support.h"
#include "writer/interactive/swfAction.h"
#include "writer/objects/swfObject.h"

namespace quillot {
namespace {

struct Parts {
    Parts() {
        for (int i = 0; i < 4; ++i) {
            shapes[i].MakeRectangle(0, 0, 100 + i, 50);
        }
    }
    swfObject shapes[4];
};

swf::DefineButton2 OnlyButton(const swf::Movie& movie) {
    const auto buttons = swf::RecordsOf<swf::DefineButton2>(movie);
    EXPECT_EQ(buttons.size(), 1u);
    return buttons.empty() ? swf::DefineButton2{} : *buttons[0];
}

TEST(Button, FourShapesOnePerState) {
    Parts parts;
    parts.shapes[1].Translate(40, 0);
    swfObject button;
    ASSERT_EQ(button.MakeButton(&parts.shapes[0], &parts.shapes[1], &parts.shapes[2], &parts.shapes[3]), S_OK);
    std::int16_t kind = 0;
    button.get_ObjectType(kind);
    EXPECT_EQ(kind, 1100);

    swfMovie movie;
    movie.AddObject(&button);
    movie.GotoFrame(1);
    movie.AddObject(&button);
    const swf::Movie decoded = test::WriteAndDecode(movie);
    const auto shapes = swf::RecordsOf<swf::DefineShape3>(decoded);
    ASSERT_EQ(shapes.size(), 4u);
    const swf::DefineButton2 defined = OnlyButton(decoded);
    ASSERT_EQ(defined.records.size(), 4u);
    const std::uint8_t states[] = {swf::ButtonState::Up, swf::ButtonState::Over, swf::ButtonState::Down,
                                   swf::ButtonState::HitTest};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(defined.records[i].states, states[i]);
        EXPECT_EQ(defined.records[i].characterId, shapes[i]->shapeId);
        EXPECT_EQ(defined.records[i].depth, 1);
        EXPECT_EQ(defined.records[i].colorTransform, swf::ColorTransformWithAlpha{});
    }
    EXPECT_EQ(defined.records[0].matrix, swf::Matrix{});
    EXPECT_EQ(defined.records[1].matrix.translateX, 40) << "a moved part keeps its matrix";

    // Defined once, placed twice without a matrix; the parts are never placed.
    const auto places = swf::RecordsOf<swf::PlaceObject2>(decoded);
    ASSERT_EQ(places.size(), 2u);
    for (const auto* place : places) {
        EXPECT_EQ(place->characterId, defined.buttonId);
        EXPECT_FALSE(place->matrix.has_value());
    }
}

TEST(Button, OneShapeTintedPerState) {
    swfObject shape, button;
    shape.MakeOval(0, 0, 200, 100);
    ASSERT_EQ(button.MakeButtonSimple(&shape, 10, -20, 30, 0, 300, 0, -400, 5), S_OK);
    std::int16_t kind = 0;
    button.get_ObjectType(kind);
    EXPECT_EQ(kind, 1101);
    swfMovie movie;
    movie.AddObject(&button);
    const swf::Movie decoded = test::WriteAndDecode(movie);
    ASSERT_EQ(swf::RecordsOf<swf::DefineShape3>(decoded).size(), 1u);
    const swf::DefineButton2 defined = OnlyButton(decoded);
    ASSERT_EQ(defined.records.size(), 4u);
    using Terms = std::array<std::int32_t, 4>;
    const Terms highlight = {10, -20, 30, 0};
    // Terms beyond a colour channel's range show as its limit does.
    const Terms pressed = {255, 0, -255, 5};
    EXPECT_FALSE(defined.records[0].colorTransform.add.has_value());
    EXPECT_EQ(defined.records[1].colorTransform.add, highlight);
    EXPECT_EQ(defined.records[2].colorTransform.add, pressed);
    EXPECT_EQ(defined.records[3].colorTransform.add, highlight);
    for (const auto& record : defined.records) {
        EXPECT_FALSE(record.colorTransform.multiply.has_value());
        EXPECT_EQ(record.characterId, defined.records[0].characterId);
    }
}

struct QueuedEvents {
    const char* name;
    std::vector<std::int32_t> events;
    std::uint16_t conditions;
};

// Names the case in test logs instead of dumping its bytes.
void PrintTo(const QueuedEvents& testCase, std::ostream* out) { *out << testCase.name; }

class ButtonEvents : public testing::TestWithParam<QueuedEvents> {};

// One condition record holds every queued event and all actions, in order.
TEST_P(ButtonEvents, ShareOneConditionRecord) {
    const QueuedEvents& queued = GetParam();
    swfObject shape, button;
    shape.MakeRectangle(0, 0, 10, 10);
    button.MakeButtonSimple(&shape, 0, 0, 0, 0, 0, 0, 0, 0);
    std::vector<swfAction> actions(queued.events.size());
    for (std::size_t i = 0; i < actions.size(); ++i) {
        actions[i].MakeActionGotoFrame(static_cast<std::int32_t>(i) + 1);
        EXPECT_EQ(button.QueueEvent(&actions[i], queued.events[i]), S_OK);
    }
    swfMovie movie;
    movie.AddObject(&button);
    const swf::DefineButton2 defined = OnlyButton(test::WriteAndDecode(movie));
    ASSERT_EQ(defined.conditions.size(), 1u);
    EXPECT_EQ(defined.conditions[0].conditions, queued.conditions);
    ASSERT_EQ(defined.conditions[0].actions.size(), actions.size());
    for (std::size_t i = 0; i < actions.size(); ++i) {
        EXPECT_EQ(defined.conditions[0].actions[i].payload,
                  (std::vector<std::uint8_t>{static_cast<std::uint8_t>(i + 1), 0}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Button, ButtonEvents,
    testing::Values(QueuedEvents{"PressThenRollOver", {2, 9}, 0x0081},
                    QueuedEvents{"ReleaseOutside", {1}, 0x0100},
                    QueuedEvents{"EveryEvent", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 0x01FF},
                    QueuedEvents{"UnknownEventsStillQueueTheirAction", {0, 10, 4}, 0x0020},
                    QueuedEvents{"NoEvents", {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Button, EventsQueuedAfterDefinitionDefineTheButtonAgain) {
    swfObject shape, button, rectangle;
    shape.MakeRectangle(0, 0, 10, 10);
    rectangle.MakeRectangle(0, 0, 10, 10);
    button.MakeButtonSimple(&shape, 0, 0, 0, 0, 0, 0, 0, 0);
    swfAction stop, play, unmade;
    stop.MakeActionStop();
    play.MakeActionPlay();
    EXPECT_EQ(rectangle.QueueEvent(&stop, 2), S_FALSE) << "only buttons have events";
    EXPECT_EQ(button.QueueEvent(&unmade, 2), S_FALSE);
    EXPECT_EQ(button.QueueEvent(nullptr, 2), S_FALSE);
    std::int16_t kind = 0;
    rectangle.get_ObjectType(kind);
    EXPECT_EQ(kind, 3310);

    button.QueueEvent(&stop, 2);
    swfMovie movie;
    movie.AddObject(&button);
    button.QueueEvent(&play, 9);
    movie.GotoFrame(1);
    movie.AddObject(&button);
    const swf::Movie decoded = test::WriteAndDecode(movie);
    const auto buttons = swf::RecordsOf<swf::DefineButton2>(decoded);
    ASSERT_EQ(buttons.size(), 2u);
    EXPECT_EQ(buttons[0]->conditions.at(0).actions.size(), 1u);
    EXPECT_EQ(buttons[1]->conditions.at(0).conditions, 0x0081);
    EXPECT_EQ(buttons[1]->conditions.at(0).actions.size(), 2u);
    EXPECT_EQ(swf::RecordsOf<swf::DefineShape3>(decoded).size(), 1u) << "the part is defined once";
}

TEST(Button, PartsMustBeShapes) {
    Parts parts;
    swfObject button, empty;
    button.MakeRectangle(0, 0, 5, 5);
    EXPECT_EQ(button.MakeButton(&parts.shapes[0], nullptr, &parts.shapes[2], &parts.shapes[3]), E_POINTER);
    EXPECT_EQ(button.MakeButtonSimple(nullptr, 0, 0, 0, 0, 0, 0, 0, 0), E_POINTER);
    EXPECT_EQ(button.MakeButton(&parts.shapes[0], &empty, &parts.shapes[2], &parts.shapes[3]), S_FALSE);
    EXPECT_EQ(button.MakeButtonSimple(&empty, 0, 0, 0, 0, 0, 0, 0, 0), S_FALSE);
    std::int16_t kind = 0;
    button.get_ObjectType(kind);
    EXPECT_EQ(kind, 3310) << "a button that cannot be made leaves the object as it was";
}

// The button keeps its parts alive when their objects are made again or
// destroyed before the movie is written.
TEST(Button, OutlivesItsPartsObjects) {
    swfObject button;
    {
        Parts parts;
        // A shape may become a button showing itself.
        button.MakeRectangle(0, 0, 30, 30);
        ASSERT_EQ(button.MakeButton(&button, &parts.shapes[1], &parts.shapes[2], &parts.shapes[3]), S_OK);
        parts.shapes[1].MakeOval(0, 0, 1, 1);
    }
    swfMovie movie;
    movie.AddObject(&button);
    const swf::Movie decoded = test::WriteAndDecode(movie);
    const auto shapes = swf::RecordsOf<swf::DefineShape3>(decoded);
    ASSERT_EQ(shapes.size(), 4u);
    EXPECT_EQ(shapes[0]->bounds, (swf::Rect{0, 30, 0, 30}));
    EXPECT_EQ(shapes[1]->bounds, (swf::Rect{0, 101, 0, 50})) << "the part as it was when the button was made";
    EXPECT_EQ(OnlyButton(decoded).records.size(), 4u);
}

} // namespace
} // namespace quillot

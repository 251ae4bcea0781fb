#include "ShapeFixtures.h"

namespace swftest {

using namespace swf;

Bytes RectangleShapeBody() {
    return {0x01, 0x00,                               // shape id 1
            0x40, 0x03, 0x20, 0x01, 0x90,             // RECT: 8 bits, 0, 100, 0, 50
            0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,       // one fill: solid white
            0x01, 0x14, 0x00, 0x00, 0x00, 0x00, 0xFF, // one line: 20, black
            0x11,                                     // NumFillBits 1, NumLineBits 1
            // style change (line, fill1, move to 0,0 in 1 bit), then four edges
            // of 8, 7, 8 and 7 bits, then the end record.
            0x34, 0x27, 0xB0, 0xCB, 0xAA, 0xCF, 0x62, 0x6F, 0x56, 0x68, 0x00};
}

DefineShape3 RectangleShape() {
    return {
        .shapeId = 1,
        .bounds = {0, 100, 0, 50},
        .styles = {.fillStyles = {SolidFill{{255, 255, 255, 255}}},
                   .lineStyles = {{20, {0, 0, 0, 255}}},
                   .numFillBits = 1,
                   .numLineBits = 1},
        .records =
            {
                StyleChange{.moveTo = MoveTo{0, 0, 1}, .fillStyle1 = 1, .lineStyle = 1},
                StraightEdge{101, 0, 8, EdgeForm::Horizontal},
                StraightEdge{0, 51, 7, EdgeForm::Vertical},
                StraightEdge{-101, 0, 8, EdgeForm::Horizontal},
                StraightEdge{0, -51, 7, EdgeForm::Vertical},
            },
    };
}

Bytes GradientShapeBody() {
    return {0x07, 0x00, 0x35, 0x8A, 0x6C, 0x50, 0x03, 0x10, 0x9D, 0x49, 0x50, 0x00, 0x02, 0x00,
            0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0x80, 0x12, 0xA1, 0x6D, 0x6C, 0x45,
            0xB0, 0x01, 0x80, 0x01, 0x02, 0x03, 0x04, 0x41, 0x03, 0x00, 0xD9, 0x40, 0x00, 0x05,
            0x00, 0x00, 0x06, 0xB3, 0x60, 0xFF, 0x01, 0x00, 0x28, 0x00, 0x0A, 0x14, 0x1E, 0x28,
            0x21, 0x3B, 0xA0, 0x9A, 0xCD, 0xB5, 0xA8, 0x29, 0x26, 0xC2, 0xC5, 0x3E, 0x4C, 0xE2,
            0x55, 0x10, 0x01, 0x00, 0x09, 0x08, 0x07, 0x06, 0x00, 0x10, 0xC6, 0x90, 0x00};
}

DefineShape3 GradientShape() {
    constexpr int32_t Twenty = 20 * 65536;
    return {
        .shapeId = 7,
        .bounds = {-20, 20, -10, 10},
        .styles = {.fillStyles =
                       {
                           GradientFill{FillType::LinearGradient,
                                        {.scale = std::pair{41, 21}},
                                        {{0, {255, 0, 0, 255}}, {255, {0, 0, 255, 128}}}},
                           GradientFill{
                               FillType::RadialGradient,
                               {.scale = std::pair{91, 91}, .translateX = 5, .translateY = -5},
                               {{128, {1, 2, 3, 4}}}},
                           BitmapFill{FillType::ClippedBitmap,
                                      3,
                                      {.scale = std::pair{Twenty, Twenty},
                                       .translateX = -20,
                                       .translateY = -10}},
                       },
                   .lineStyles = {{40, {10, 20, 30, 40}}},
                   .numFillBits = 2,
                   .numLineBits = 1},
        .records =
            {
                StyleChange{.fillStyle0 = 3, .fillStyle1 = 2, .lineStyle = 1},
                StyleChange{.moveTo = MoveTo{-20, -10, 6}},
                StraightEdge{40, 20, 7, EdgeForm::General},
                CurvedEdge{-10, 5, -30, -25, 6},
                StraightEdge{0, -7, 4, EdgeForm::Vertical},
                StraightEdge{-3, 0, 3, EdgeForm::Horizontal},
                StyleChange{.fillStyle1 = 1,
                            .newStyles = ShapeStyles{.fillStyles = {SolidFill{{9, 8, 7, 6}}},
                                                     .numFillBits = 1}},
                StraightEdge{2, 2, 3, EdgeForm::General},
            },
    };
}

Bytes UnstyledShapeBody() {
    return {0x02, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x34, 0x26, 0x15, 0x00};
}

DefineShape3 UnstyledShape() {
    return {
        .shapeId = 2,
        .bounds = {0, 0, 0, 0},
        .styles = {},
        .records =
            {
                StyleChange{.moveTo = MoveTo{0, 0, 1}, .fillStyle1 = 0, .lineStyle = 0},
                StraightEdge{1, 1, 2, EdgeForm::General},
            },
    };
}

} // namespace swftest

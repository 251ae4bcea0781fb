#pragma once

#include "viewer/swf/Color.h"
#include "viewer/swf/DoAction.h"
#include "viewer/swf/Geometry.h"

#include <cstdint>
#include <iosfwd>
#include <vector>

namespace swf {

class Reader;

namespace ButtonState {
inline constexpr uint8_t Up = 0x01;
inline constexpr uint8_t Over = 0x02;
inline constexpr uint8_t Down = 0x04;
inline constexpr uint8_t HitTest = 0x08;
} // namespace ButtonState

// One BUTTONRECORD of a DefineButton2: the states it shows in, the character,
// its depth and matrix, and its colour transform.
struct ButtonRecord {
    uint8_t states = 0;
    uint16_t characterId = 0;
    uint16_t depth = 0;
    Matrix matrix;
    ColorTransformWithAlpha colorTransform;
    bool operator==(const ButtonRecord&) const = default;
};

// BUTTONCONDACTION: the condition word (low byte: the transition flags
// IdleToOverDown ... IdleToOverUp; high byte bit 0: OverDownToIdle) and the
// actions run on any of those events.
struct ButtonCondition {
    uint16_t conditions = 0;
    std::vector<ActionRecord> actions;
    bool operator==(const ButtonCondition&) const = default;
};

// DefineButton2 (34).
struct DefineButton2 {
    uint16_t buttonId = 0;
    bool trackAsMenu = false;
    std::vector<ButtonRecord> records;
    std::vector<ButtonCondition> conditions;
    bool operator==(const DefineButton2&) const = default;
};

DefineButton2 ReadDefineButton2(Reader& body);

std::ostream& operator<<(std::ostream& out, const DefineButton2& tag);

} // namespace swf

#include "viewer/swf/Button.h"

#include "viewer/swf/HexText.h"
#include "viewer/swf/Reader.h"

#include <ostream>

namespace swf {

namespace {

// The low four bits name the states; the high ones are reserved in version 5.
constexpr uint8_t StateBits = 0x0F;

ButtonRecord ReadButtonRecord(Reader& body, uint8_t flags) {
    if (flags & ~StateBits) {
        body.Fail("button record with reserved flags " + HexDigits(flags));
    }
    ButtonRecord record;
    record.states = flags;
    record.characterId = body.U16();
    record.depth = body.U16();
    record.matrix = ReadMatrix(body);
    record.colorTransform = ReadColorTransformWithAlpha(body);
    return record;
}

// Condition records follow one another; each but the last states the
// distance to the next, which must match where its actions end.
std::vector<ButtonCondition> ReadConditions(Reader& body) {
    std::vector<ButtonCondition> conditions;
    for (;;) {
        const size_t start = body.Position();
        const uint16_t nextOffset = body.U16();
        ButtonCondition condition;
        condition.conditions = body.U16();
        condition.actions = ReadActionRecords(body);
        conditions.push_back(std::move(condition));
        if (nextOffset == 0) {
            return conditions;
        }
        if (body.Position() - start != nextOffset) {
            body.Fail("condition record size " + std::to_string(nextOffset) + " does not match its " +
                      std::to_string(body.Position() - start) + " byte(s)");
        }
    }
}

void PrintStates(std::ostream& out, uint8_t states) {
    const char* separator = "";
    for (auto [bit, name] : {std::pair{ButtonState::Up, "up"}, std::pair{ButtonState::Over, "over"},
                             std::pair{ButtonState::Down, "down"}, std::pair{ButtonState::HitTest, "hit"}}) {
        if (states & bit) {
            out << separator << name;
            separator = "+";
        }
    }
}

} // namespace

DefineButton2 ReadDefineButton2(Reader& body) {
    DefineButton2 tag;
    tag.buttonId = body.U16();
    tag.trackAsMenu = body.U8() & 0x01;
    const size_t offsetPosition = body.Position();
    const uint16_t actionOffset = body.U16();
    while (uint8_t flags = body.U8()) {
        tag.records.push_back(ReadButtonRecord(body, flags));
    }
    if (actionOffset == 0) {
        return tag;
    }
    if (body.Position() - offsetPosition != actionOffset) {
        body.Fail("action offset " + std::to_string(actionOffset) + " does not point past the " +
                  "button records");
    }
    tag.conditions = ReadConditions(body);
    return tag;
}

std::ostream& operator<<(std::ostream& out, const DefineButton2& tag) {
    out << "DefineButton2 id " << tag.buttonId << (tag.trackAsMenu ? " menu" : "");
    for (const ButtonRecord& record : tag.records) {
        out << "; ";
        PrintStates(out, record.states);
        out << " character " << record.characterId << " depth " << record.depth << " matrix "
            << record.matrix << " " << record.colorTransform;
    }
    for (const ButtonCondition& condition : tag.conditions) {
        out << "; on 0x" << HexDigits(static_cast<uint8_t>(condition.conditions >> 8))
            << HexDigits(static_cast<uint8_t>(condition.conditions)) << ":";
        for (const ActionRecord& action : condition.actions) {
            out << " " << action;
        }
    }
    return out;
}

} // namespace swf

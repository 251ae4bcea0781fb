#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

namespace swf {

class Reader;

namespace ActionCode {
inline constexpr uint8_t Play = 0x06;
inline constexpr uint8_t Stop = 0x07;
inline constexpr uint8_t GotoFrame = 0x81;
inline constexpr uint8_t GetUrl = 0x83;
} // namespace ActionCode

// The payload of ActionGotoFrame (0x81).
struct ActionGotoFrame {
    uint16_t frame = 0;
    bool operator==(const ActionGotoFrame&) const = default;
};

// The payload of ActionGetURL (0x83).
struct ActionGetUrl {
    std::string url{};
    std::string target{};
    bool operator==(const ActionGetUrl&) const = default;
};

// One action record: its code, for codes >= 0x80 the payload bytes (whose
// length the record header gave), and the decoded payload where we know it.
struct ActionRecord {
    uint8_t code = 0;
    std::vector<uint8_t> payload{};
    std::variant<std::monostate, ActionGotoFrame, ActionGetUrl> fields{};
    bool operator==(const ActionRecord&) const = default;
};

// DoAction (12): the action records, without the terminating 0 byte.
struct DoAction {
    std::vector<ActionRecord> actions{};
    bool operator==(const DoAction&) const = default;
};

DoAction ReadDoAction(Reader& body);
// Action records up to the end byte (0), which is consumed. Button
// conditions (a later issue) reuse this.
std::vector<ActionRecord> ReadActionRecords(Reader& reader);

std::ostream& operator<<(std::ostream& out, const ActionRecord& action);
std::ostream& operator<<(std::ostream& out, const DoAction& tag);

} // namespace swf

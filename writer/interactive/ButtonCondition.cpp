#include "writer/interactive/ButtonCondition.h"

namespace quillot {

namespace {
constexpr std::int32_t kOverDownToIdle = 1;
constexpr std::int32_t kIdleToOverDown = 2;
constexpr std::int32_t kIdleToOverUp = 9;
constexpr std::uint16_t kOverDownToIdleFlag = 0x0100;
constexpr std::uint16_t kIdleToOverDownFlag = 0x0080;
} // namespace

void ButtonCondition::AddEvent(std::int32_t event) {
    if (event == kOverDownToIdle) {
        events |= kOverDownToIdleFlag;
    } else if (event >= kIdleToOverDown && event <= kIdleToOverUp) {
        // Events 2 to 9 take the low byte's flags from its top bit down.
        events |= static_cast<std::uint16_t>(kIdleToOverDownFlag >> (event - kIdleToOverDown));
    }
}

void ButtonCondition::Write(TagBuffer& out) const {
    out.WriteU16(0); // no further condition record follows
    out.WriteU16(events);
    for (const auto& action : actions) {
        out.WriteBytes(action.data(), action.size());
    }
    out.WriteU8(0); // end of actions
}

} // namespace quillot

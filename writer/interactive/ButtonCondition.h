#pragma once

#include <cstdint>
#include <vector>

#include "writer/movie/TagBuffer.h"

namespace quillot {

// The events of a button and the actions it runs. A button has one such
// record: it runs all its actions, in queueing order, on any of its events.
struct ButtonCondition {
    // Sets the flag of event 1 (OverDownToIdle) to 9 (IdleToOverUp) in the
    // condition word; other numbers name no event and set nothing.
    void AddEvent(std::int32_t event);
    // Writes the record as the last of its tag, actions and end byte included.
    void Write(TagBuffer& out) const;

    std::uint16_t events = 0;
    std::vector<std::vector<std::uint8_t>> actions;
};

} // namespace quillot

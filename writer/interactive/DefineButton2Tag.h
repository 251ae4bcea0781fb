#pragma once

#include <cstdint>
#include <vector>

#include "writer/interactive/ButtonCondition.h"
#include "writer/interactive/ButtonRecord.h"
#include "writer/movie/TagRecord.h"

namespace quillot {

// A button: one record per state and one condition record with its actions.
// It takes the next character identifier when it is constructed.
class DefineButton2Tag : public TagRecord {
public:
    DefineButton2Tag(std::vector<ButtonRecord> records, ButtonCondition condition);
    void Write(TagBuffer& out) const override;
    std::uint16_t CharacterId() const override { return m_characterId; }

private:
    std::uint16_t m_characterId;
    std::vector<ButtonRecord> m_records;
    ButtonCondition m_condition;
};

} // namespace quillot

#include "writer/interactive/DefineButton2Tag.h"

#include "writer/movie/CharacterIds.h"

namespace quillot {

namespace {
constexpr int kDefineButton2Code = 34;
constexpr std::uint8_t kNotTrackedAsMenu = 0;
} // namespace

DefineButton2Tag::DefineButton2Tag(std::vector<ButtonRecord> records, ButtonCondition condition)
    : m_characterId(NextCharacterId()), m_records(std::move(records)),
      m_condition(std::move(condition)) {}

void DefineButton2Tag::Write(TagBuffer& out) const {
    TagBuffer records;
    for (const ButtonRecord& record : m_records) {
        WriteButtonRecord(records, record);
    }
    records.WriteU8(0); // end of button records

    TagBuffer body;
    body.WriteU16(m_characterId);
    body.WriteU8(kNotTrackedAsMenu);
    // The offset counts from its own first byte to the condition record.
    body.WriteU16(static_cast<std::uint16_t>(records.TotalLength() + 2));
    body.AppendBuffer(records);
    m_condition.Write(body);
    WriteTag(out, kDefineButton2Code, body);
}

} // namespace quillot

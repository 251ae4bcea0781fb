#include "writer/interactive/ActionObject.h"

#include "writer/interactive/ButtonCondition.h"
#include "writer/movie/ControlTags.h"

namespace quillot {

namespace {
constexpr std::uint8_t kStopCode = 0x07;
constexpr std::uint8_t kPlayCode = 0x06;
constexpr std::uint8_t kGotoFrameCode = 0x81;
constexpr std::uint8_t kGetUrlCode = 0x83;

void AppendU16(std::vector<std::uint8_t>& record, std::uint16_t value) {
    record.push_back(static_cast<std::uint8_t>(value));
    record.push_back(static_cast<std::uint8_t>(value >> 8));
}
} // namespace

ActionObject ActionObject::GotoFrame(std::int32_t frame) {
    ActionObject action(Kind::GotoFrame);
    action.m_frame = frame;
    return action;
}

ActionObject ActionObject::GetUrl(std::string url, std::string target, Kind kind) {
    ActionObject action(kind);
    action.m_url = std::move(url);
    action.m_target = std::move(target);
    return action;
}

std::vector<std::uint8_t> ActionObject::Record() const {
    std::vector<std::uint8_t> record;
    switch (m_kind) {
    case Kind::None:
        break;
    case Kind::Stop:
        record.push_back(kStopCode);
        break;
    case Kind::Play:
        record.push_back(kPlayCode);
        break;
    case Kind::GotoFrame:
        record.push_back(kGotoFrameCode);
        AppendU16(record, 2);
        AppendU16(record, static_cast<std::uint16_t>(m_frame));
        break;
    case Kind::GetUrl:
    case Kind::GetUrlTarget:
        record.push_back(kGetUrlCode);
        AppendU16(record, static_cast<std::uint16_t>(m_url.size() + 1 + m_target.size() + 1));
        record.insert(record.end(), m_url.begin(), m_url.end());
        record.push_back(0);
        record.insert(record.end(), m_target.begin(), m_target.end());
        record.push_back(0);
        break;
    }
    return record;
}

void ActionObject::AddToDoAction(DoActionTag& tag) const { tag.AddRecord(Record()); }

void ActionObject::AddToCondition(ButtonCondition& condition) const {
    condition.actions.push_back(Record());
}

} // namespace quillot

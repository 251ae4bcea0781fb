#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillot {

class DoActionTag;
struct ButtonCondition;

// An action template: every use appends a new record with the same content,
// so one action can be added to several frames and buttons.
class ActionObject {
public:
    enum class Kind : std::int16_t { None = 0, Stop = 1, Play = 2, GotoFrame = 3, GetUrl = 4, GetUrlTarget = 5 };

    // The longest URL or target a template holds, in bytes.
    static constexpr std::size_t kMaxTextBytes = 255;

    static ActionObject Stop() { return ActionObject(Kind::Stop); }
    static ActionObject Play() { return ActionObject(Kind::Play); }
    static ActionObject GotoFrame(std::int32_t frame);
    static ActionObject GetUrl(std::string url, std::string target, Kind kind);

    Kind GetKind() const { return m_kind; }
    // The encoded action record.
    std::vector<std::uint8_t> Record() const;
    void AddToDoAction(DoActionTag& tag) const;
    void AddToCondition(ButtonCondition& condition) const;

private:
    explicit ActionObject(Kind kind) : m_kind(kind) {}

    Kind m_kind;
    std::int32_t m_frame = 0;
    std::string m_url;
    std::string m_target;
};

} // namespace quillot

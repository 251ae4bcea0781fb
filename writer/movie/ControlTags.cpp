#include "writer/movie/ControlTags.h"

namespace quillot {

namespace {
constexpr int kEndCode = 0;
constexpr int kShowFrameCode = 1;
constexpr int kSetBackgroundColorCode = 9;
constexpr int kDoActionCode = 12;
} // namespace

void ShowFrameTag::Write(TagBuffer& out) const { out.WriteTagHeader(kShowFrameCode, 0); }

void EndTag::Write(TagBuffer& out) const { out.WriteTagHeader(kEndCode, 0); }

void SetBackgroundColorTag::Write(TagBuffer& out) const {
    TagBuffer body;
    WriteRgb(body, m_color);
    WriteTag(out, kSetBackgroundColorCode, body);
}

void DoActionTag::Write(TagBuffer& out) const {
    TagBuffer body;
    for (const auto& record : m_records) {
        body.WriteBytes(record.data(), record.size());
    }
    body.WriteU8(0); // end of actions
    WriteTag(out, kDoActionCode, body);
}

} // namespace quillot

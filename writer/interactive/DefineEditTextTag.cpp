#include "writer/interactive/DefineEditTextTag.h"

#include "writer/movie/CharacterIds.h"

namespace quillot {

namespace {
constexpr int kDefineEditTextCode = 37;
// First flag byte: HasText and HasTextColor, plus ReadOnly when not editable.
constexpr std::uint8_t kHasText = 0x80;
constexpr std::uint8_t kReadOnly = 0x08;
constexpr std::uint8_t kHasTextColor = 0x04;
// Second flag byte: HasLayout and Border.
constexpr std::uint8_t kHasLayout = 0x20;
constexpr std::uint8_t kBorder = 0x08;
constexpr std::uint16_t kLeading = 40;
} // namespace

DefineEditTextTag::DefineEditTextTag(Content content)
    : m_characterId(NextCharacterId()), m_content(std::move(content)) {}

void DefineEditTextTag::Write(TagBuffer& out) const {
    TagBuffer body;
    body.WriteU16(m_characterId);
    WriteRect(body, m_content.bounds);
    body.WriteU8(m_content.editable ? kHasText | kHasTextColor : kHasText | kReadOnly | kHasTextColor);
    body.WriteU8(kHasLayout | kBorder);
    WriteRgba(body, m_content.color);
    body.WriteU8(0);  // align left
    body.WriteU16(0); // left margin
    body.WriteU16(0); // right margin
    body.WriteU16(0); // indent
    body.WriteU16(kLeading);
    body.WriteString(m_content.variableName);
    body.WriteString(m_content.text);
    WriteTag(out, kDefineEditTextCode, body);
}

} // namespace quillot

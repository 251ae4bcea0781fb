#include "viewer/swf/ReadError.h"

#include "viewer/swf/TagNames.h"

namespace swf {

namespace {

std::string Describe(const std::string& message, std::optional<uint16_t> tagCode, size_t offset) {
    std::string text = "SWF read error at byte " + std::to_string(offset);
    if (tagCode) {
        text += " in tag " + std::to_string(*tagCode) + " (" + std::string(TagName(*tagCode)) + ")";
    }
    return text + ": " + message;
}

} // namespace

ReadError::ReadError(std::string message, std::optional<uint16_t> tagCode, size_t offset)
    : std::runtime_error(Describe(message, tagCode, offset)), m_message(std::move(message)),
      m_tagCode(tagCode), m_offset(offset) {
}

} // namespace swf

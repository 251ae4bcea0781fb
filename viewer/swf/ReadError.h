#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace swf {

// The one error type of the SWF reader: what went wrong, in which tag (when
// inside one) and at which byte offset of the (decompressed) movie.
class ReadError : public std::runtime_error {
public:
    ReadError(std::string message, std::optional<uint16_t> tagCode, size_t offset);

    const std::string& message() const { return m_message; }
    std::optional<uint16_t> tagCode() const { return m_tagCode; }
    size_t offset() const { return m_offset; }

private:
    std::string m_message;
    std::optional<uint16_t> m_tagCode;
    size_t m_offset;
};

} // namespace swf

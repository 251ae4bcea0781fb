#include "writer/com/automation/AutomationString.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace quillot::com {

namespace {

constexpr std::size_t kPrefixBytes = sizeof(std::uint32_t);

char* Block(const char* text) { return const_cast<char*>(text) - kPrefixBytes; }

} // namespace

BSTR AllocString(std::string_view text) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max() - kPrefixBytes - 1) {
        return nullptr;
    }
    auto* block = static_cast<char*>(std::malloc(kPrefixBytes + text.size() + 1));
    if (block == nullptr) {
        return nullptr;
    }
    const auto length = static_cast<std::uint32_t>(text.size());
    std::memcpy(block, &length, kPrefixBytes);
    std::memcpy(block + kPrefixBytes, text.data(), text.size());
    block[kPrefixBytes + text.size()] = '\0';
    return block + kPrefixBytes;
}

void FreeString(BSTR text) {
    if (text != nullptr) {
        std::free(Block(text));
    }
}

std::string_view StringView(const char* text) {
    if (text == nullptr) {
        return {};
    }
    std::uint32_t length = 0;
    std::memcpy(&length, Block(text), kPrefixBytes);
    return {text, length};
}

} // namespace quillot::com

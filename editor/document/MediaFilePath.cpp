#include "editor/document/MediaFilePath.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace joyvane {

namespace {

// Well below the 255 bytes most file systems allow, leaving room for the
// temporary name a save writes beside the file.
constexpr std::size_t maxFileNameBytes = 200;
// The readable part of a stand-in name; the hash makes it unique.
constexpr std::size_t maxStandInStemBytes = 100;
constexpr std::size_t hashDigits = 16;

bool IsUnsafeByte(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || byte == '/' || byte == '\\';
}

// A name that ends in "~" and the hash digits could be mistaken for a
// stand-in made from another name.
bool LooksLikeStandIn(std::string_view name) {
    if (name.size() <= hashDigits || name[name.size() - hashDigits - 1] != '~')
        return false;
    for (char digit : name.substr(name.size() - hashDigits))
        if (!((digit >= '0' && digit <= '9') || (digit >= 'a' && digit <= 'f')))
            return false;
    return true;
}

bool IsUsableAsItIs(std::string_view name, std::string_view extension) {
    if (name.empty() || name == "." || name == ".." || LooksLikeStandIn(name) ||
        name.size() + extension.size() > maxFileNameBytes)
        return false;
    for (char byte : name)
        if (IsUnsafeByte(static_cast<unsigned char>(byte)))
            return false;
    return true;
}

// FNV-1a, 64 bits: stable across runs and machines, so the stand-in of a name
// is the same at every save and generation.
std::uint64_t NameHash(std::string_view name) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (char byte : name) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 0x100000001b3u;
    }
    return hash;
}

std::string HexDigits(std::uint64_t value) {
    std::string digits(hashDigits, '0');
    for (std::size_t position = hashDigits; position-- > 0; value >>= 4)
        digits[position] = "0123456789abcdef"[value & 0xF];
    return digits;
}

std::string StandInStem(std::string_view name) {
    std::size_t length = std::min(name.size(), maxStandInStemBytes);
    // Do not cut a UTF-8 character in half: back up to its first byte.
    while (length > 0 && length < name.size() &&
           (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80)
        --length;
    std::string stem;
    for (char byte : name.substr(0, length))
        stem += IsUnsafeByte(static_cast<unsigned char>(byte)) ? '_' : byte;
    return stem;
}

void CheckExtension(std::string_view extension) {
    bool plain = extension.size() >= 2 && extension.size() <= 8 && extension.front() == '.';
    for (std::size_t position = 1; plain && position < extension.size(); ++position) {
        const char letter = extension[position];
        plain = (letter >= 'a' && letter <= 'z') || (letter >= '0' && letter <= '9');
    }
    if (!plain)
        throw std::invalid_argument("\"" + std::string(extension) +
                                    "\" is not a media file extension.");
}

} // namespace

std::string MediaFileName(std::string_view objectName, std::string_view extension) {
    CheckExtension(extension);
    if (IsUsableAsItIs(objectName, extension))
        return std::string(objectName) + std::string(extension);
    return StandInStem(objectName) + "~" + HexDigits(NameHash(objectName)) + std::string(extension);
}

std::filesystem::path MediaFilePath(const std::filesystem::path& documentFolder,
                                    std::string_view objectName, std::string_view extension) {
    return documentFolder / MediaFileName(objectName, extension);
}

} // namespace joyvane

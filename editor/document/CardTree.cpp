#include "editor/document/CardTree.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace joyvane {

namespace {

// Far beyond any card a person makes; a larger file is not read into memory.
constexpr std::uintmax_t maxCardBytes = 64u << 20;

// Keeps everything a hand-edited file may hold. Whitespace between elements
// is left out because the writer indents anew; whitespace that is the whole
// text of an element (a text object of spaces) is kept.
constexpr unsigned parseOptions = pugi::parse_full | pugi::parse_ws_pcdata_single;

bool StartsWithByteOrderMark(std::string_view bytes) {
    for (std::string_view mark : {std::string_view("\xEF\xBB\xBF"), std::string_view("\xFE\xFF"),
                                  std::string_view("\xFF\xFE")})
        if (bytes.substr(0, mark.size()) == mark)
            return true;
    return bytes.substr(0, 4) == std::string_view("\0\0\xFE\xFF", 4);
}

[[noreturn]] void NotACard(const std::string& source, const std::string& reason) {
    throw std::runtime_error("\"" + source + "\" is not a card: " + reason + ".");
}

std::string ReadCardFile(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        throw std::runtime_error("\"" + file.string() + "\" cannot be read: " + error.message() +
                                 ".");
    if (size > maxCardBytes)
        NotACard(file.string(), "it is larger than " + std::to_string(maxCardBytes >> 20) + " MB");
    std::ifstream input(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << input.rdbuf();
    if (!input)
        throw std::runtime_error("\"" + file.string() + "\" cannot be read.");
    return bytes.str();
}

} // namespace

CardTree::CardTree() : m_document(std::make_unique<pugi::xml_document>()) {
    m_document->append_child("Movie");
}

CardTree CardTree::Load(const std::filesystem::path& file) {
    return Parse(ReadCardFile(file), file.string());
}

CardTree CardTree::Parse(std::string_view bytes, const std::string& source) {
    CardTree tree;
    const pugi::xml_parse_result result =
        tree.m_document->load_buffer(bytes.data(), bytes.size(), parseOptions);
    if (!result)
        NotACard(source,
                 std::string(result.description()) + " at byte " + std::to_string(result.offset));
    const std::string root = tree.Movie().name();
    if (root != "Movie")
        NotACard(source, root.empty() ? "it has no root element"
                                      : "its root element is \"" + root + "\", not \"Movie\"");
    tree.m_encoding = result.encoding;
    tree.m_byteOrderMark = StartsWithByteOrderMark(bytes);
    return tree;
}

std::string CardTree::Serialize() const {
    std::ostringstream output;
    unsigned options = pugi::format_indent | pugi::format_no_declaration;
    if (m_byteOrderMark)
        options |= pugi::format_write_bom;
    m_document->save(output, "  ", options, m_encoding);
    return output.str();
}

} // namespace joyvane

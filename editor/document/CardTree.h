#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace joyvane {

// The XML tree of one card and the way its file was written. A card saved by
// the program keeps everything it was loaded with: the XML declaration, its
// encoding and byte order mark, comments, and elements and attributes the
// program does not know. The program writes the tree indented, so a file in
// that form comes back byte for byte.
class CardTree {
public:
    // An empty card: a `Movie` root and nothing else.
    CardTree();

    // Reads a card file. Throws std::runtime_error naming the file when it
    // cannot be read, is not well-formed XML, is larger than any card, or its
    // root element is not `Movie`.
    static CardTree Load(const std::filesystem::path& file);
    // `source` names the bytes in error messages.
    static CardTree Parse(std::string_view bytes, const std::string& source);

    std::string Serialize() const;
    pugi::xml_node Movie() const { return m_document->document_element(); }

private:
    std::unique_ptr<pugi::xml_document> m_document;
    pugi::xml_encoding m_encoding = pugi::encoding_utf8;
    bool m_byteOrderMark = false;
};

} // namespace joyvane

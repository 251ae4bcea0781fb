#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace joyvane {

// Base of the typed node classes of a card document: a handle on one element
// of the tree (it owns nothing). Every accessor finds its child by name, the
// first child element of that name, and creates the child, empty, as the last
// child when it is missing, so reading an element also adds it to the file.
class TXMLNode {
public:
    explicit TXMLNode(pugi::xml_node node) : m_node(node) {}

    pugi::xml_node Node() const { return m_node; }

protected:
    // The child element `name`, created empty at the end if missing.
    pugi::xml_node Child(const char* name);

    std::string Text(const char* name);
    // Replaces the child's text. XML cannot hold a NUL character, so text with
    // one is refused rather than cut short.
    void SetText(const char* name, std::string_view value);

    // Throw ConversionError naming the element when its text is empty or not
    // a number (or, for colours, negative).
    std::int32_t Integer(const char* name);
    void SetInteger(const char* name, std::int32_t value);
    std::int32_t Colour(const char* name);

private:
    pugi::xml_node m_node;
};

// The element as "Movie/Obj[2]/ObjType/ObjText/FontSize", with a 1-based
// position wherever the parent holds several elements of the same name.
std::string ElementPath(pugi::xml_node element);

} // namespace joyvane

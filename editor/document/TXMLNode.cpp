#include "editor/document/TXMLNode.h"

#include "editor/document/ConversionError.h"
#include "editor/document/ValueConversion.h"

#include <stdexcept>

namespace joyvane {

namespace {

bool IsText(pugi::xml_node node) {
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

std::size_t CountNamed(pugi::xml_node parent, const char* name) {
    std::size_t count = 0;
    for (pugi::xml_node sibling = parent.child(name); sibling; sibling = sibling.next_sibling(name))
        ++count;
    return count;
}

// Naming the element costs a walk over its siblings, so it is done only when
// the conversion fails.
template <typename Conversion> std::int32_t Converted(pugi::xml_node element, Conversion convert) {
    try {
        return convert(element.text().get(), std::string());
    } catch (const ConversionError& error) {
        throw ConversionError(ElementPath(element), error.Problem());
    }
}

} // namespace

pugi::xml_node TXMLNode::Child(const char* name) {
    pugi::xml_node child = m_node.child(name);
    return child ? child : m_node.append_child(name);
}

std::string TXMLNode::Text(const char* name) {
    return Child(name).text().get();
}

void TXMLNode::SetText(const char* name, std::string_view value) {
    pugi::xml_node child = Child(name);
    if (value.find('\0') != std::string_view::npos)
        throw std::invalid_argument("The element " + ElementPath(child) +
                                    " cannot hold text with a NUL character.");
    for (pugi::xml_node node = child.first_child(); node;) {
        const pugi::xml_node next = node.next_sibling();
        if (IsText(node))
            child.remove_child(node);
        node = next;
    }
    // An empty element is written as <Name/>, the form a load gives back.
    if (!value.empty())
        child.prepend_child(pugi::node_pcdata).set_value(value.data(), value.size());
}

std::int32_t TXMLNode::Integer(const char* name) {
    return Converted(Child(name), ToInteger);
}

void TXMLNode::SetInteger(const char* name, std::int32_t value) {
    SetText(name, FromInteger(value));
}

std::int32_t TXMLNode::Colour(const char* name) {
    return Converted(Child(name), ToColour);
}

std::string ElementPath(pugi::xml_node element) {
    std::string path;
    for (pugi::xml_node node = element; node.type() == pugi::node_element; node = node.parent()) {
        std::string step = node.name();
        if (CountNamed(node.parent(), node.name()) > 1) {
            std::size_t position = 1;
            for (pugi::xml_node before = node.previous_sibling(node.name()); before;
                 before = before.previous_sibling(node.name()))
                ++position;
            step += "[" + std::to_string(position) + "]";
        }
        path = path.empty() ? step : step + "/" + path;
    }
    return path;
}

} // namespace joyvane

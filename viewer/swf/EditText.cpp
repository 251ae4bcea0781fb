#include "viewer/swf/EditText.h"

#include "viewer/swf/HexText.h"
#include "viewer/swf/Reader.h"

#include <ostream>

namespace swf {

namespace {
constexpr uint8_t HasText = 0x80;
constexpr uint8_t HasTextColor = 0x04;
constexpr uint8_t HasMaxLength = 0x02;
constexpr uint8_t HasFont = 0x01;
constexpr uint8_t HasLayout = 0x20;
} // namespace

DefineEditText ReadDefineEditText(Reader& body) {
    DefineEditText tag;
    tag.characterId = body.U16();
    tag.bounds = ReadRect(body);
    tag.flags1 = body.U8();
    tag.flags2 = body.U8();
    if (tag.flags1 & HasFont) {
        tag.fontId = body.U16();
        tag.fontHeight = body.U16();
    }
    if (tag.flags1 & HasTextColor) {
        tag.textColor = ReadRgba(body);
    }
    if (tag.flags1 & HasMaxLength) {
        tag.maxLength = body.U16();
    }
    if (tag.flags2 & HasLayout) {
        EditTextLayout layout;
        layout.align = body.U8();
        layout.leftMargin = body.U16();
        layout.rightMargin = body.U16();
        layout.indent = body.U16();
        layout.leading = body.S16();
        tag.layout = layout;
    }
    tag.variableName = body.String();
    if (tag.flags1 & HasText) {
        tag.initialText = body.String();
    }
    return tag;
}

std::ostream& operator<<(std::ostream& out, const DefineEditText& tag) {
    out << "DefineEditText id " << tag.characterId << " bounds " << tag.bounds << " flags "
        << HexDigits(tag.flags1) << " " << HexDigits(tag.flags2);
    if (tag.fontId) {
        out << " font " << *tag.fontId << " height " << *tag.fontHeight;
    }
    if (tag.textColor) {
        out << " color " << *tag.textColor;
    }
    if (tag.maxLength) {
        out << " max length " << *tag.maxLength;
    }
    if (tag.layout) {
        out << " layout align " << int{tag.layout->align} << " margins " << tag.layout->leftMargin
            << " " << tag.layout->rightMargin << " indent " << tag.layout->indent << " leading "
            << tag.layout->leading;
    }
    out << " variable \"" << tag.variableName << "\"";
    if (tag.initialText) {
        out << " text \"" << *tag.initialText << "\"";
    }
    return out;
}

} // namespace swf

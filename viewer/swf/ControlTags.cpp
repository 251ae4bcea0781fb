#include "viewer/swf/ControlTags.h"

#include "viewer/swf/HexText.h"
#include "viewer/swf/Reader.h"

#include <ostream>

namespace swf {

End ReadEnd(Reader&) {
    return {};
}

ShowFrame ReadShowFrame(Reader&) {
    return {};
}

SetBackgroundColor ReadSetBackgroundColor(Reader& body) {
    return {ReadRgb(body)};
}

RemoveObject ReadRemoveObject(Reader& body) {
    RemoveObject tag;
    tag.characterId = body.U16();
    tag.depth = body.U16();
    return tag;
}

std::ostream& operator<<(std::ostream& out, const End&) {
    return out << "End";
}

std::ostream& operator<<(std::ostream& out, const ShowFrame&) {
    return out << "ShowFrame";
}

std::ostream& operator<<(std::ostream& out, const SetBackgroundColor& tag) {
    return out << "SetBackgroundColor " << tag.color;
}

std::ostream& operator<<(std::ostream& out, const RemoveObject& tag) {
    return out << "RemoveObject character " << tag.characterId << " depth " << tag.depth;
}

std::ostream& operator<<(std::ostream& out, const UnknownTag& tag) {
    // The first bytes are enough to recognise a tag; long bodies are elided.
    constexpr size_t Shown = 16;
    out << "UnknownTag code " << tag.code << ", " << tag.body.size() << " byte(s)";
    if (!tag.body.empty()) {
        out << ":";
    }
    for (size_t index = 0; index < tag.body.size() && index < Shown; ++index) {
        out << " " << HexDigits(tag.body[index]);
    }
    return out << (tag.body.size() > Shown ? " ..." : "");
}

} // namespace swf

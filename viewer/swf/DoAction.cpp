#include "viewer/swf/DoAction.h"

#include "viewer/swf/HexText.h"
#include "viewer/swf/Reader.h"

#include <ostream>

namespace swf {

namespace {

const char* ActionName(uint8_t code) {
    switch (code) {
    case ActionCode::Play:
        return "Play";
    case ActionCode::Stop:
        return "Stop";
    case ActionCode::GotoFrame:
        return "GotoFrame";
    case ActionCode::GetUrl:
        return "GetURL";
    default:
        return nullptr;
    }
}

// Decodes the payloads we know; the payload reader must be consumed exactly.
void DecodeFields(ActionRecord& action, Reader& payload) {
    if (action.code == ActionCode::GotoFrame) {
        action.fields = ActionGotoFrame{payload.U16()};
    } else if (action.code == ActionCode::GetUrl) {
        ActionGetUrl fields;
        fields.url = payload.String();
        fields.target = payload.String();
        action.fields = fields;
    } else {
        return;
    }
    if (!payload.AtEnd()) {
        payload.Fail(std::string(ActionName(action.code)) + " payload has " +
                     std::to_string(payload.Remaining()) + " byte(s) too many");
    }
}

} // namespace

std::vector<ActionRecord> ReadActionRecords(Reader& reader) {
    std::vector<ActionRecord> actions;
    while (uint8_t code = reader.U8()) {
        ActionRecord action;
        action.code = code;
        if (code >= 0x80) {
            size_t payloadOffset = reader.AbsoluteOffset() + 2;
            uint16_t length = reader.U16();
            std::span<const uint8_t> bytes = reader.Bytes(length);
            action.payload.assign(bytes.begin(), bytes.end());
            Reader payload(bytes, payloadOffset, reader.TagCode());
            DecodeFields(action, payload);
        }
        actions.push_back(std::move(action));
    }
    return actions;
}

DoAction ReadDoAction(Reader& body) {
    return {ReadActionRecords(body)};
}

std::ostream& operator<<(std::ostream& out, const ActionRecord& action) {
    if (const char* name = ActionName(action.code)) {
        out << name;
    } else {
        out << "action 0x" << HexDigits(action.code) << " (" << action.payload.size()
            << " byte(s))";
    }
    if (const auto* gotoFrame = std::get_if<ActionGotoFrame>(&action.fields)) {
        out << " " << gotoFrame->frame;
    } else if (const auto* getUrl = std::get_if<ActionGetUrl>(&action.fields)) {
        out << " \"" << getUrl->url << "\" target \"" << getUrl->target << "\"";
    }
    return out;
}

std::ostream& operator<<(std::ostream& out, const DoAction& tag) {
    out << "DoAction";
    const char* separator = " ";
    for (const ActionRecord& action : tag.actions) {
        out << separator << action;
        separator = "; ";
    }
    return out;
}

} // namespace swf

#include "viewer/swf/Tag.h"

#include "viewer/swf/ReadError.h"
#include "viewer/swf/Reader.h"
#include "viewer/swf/TagDecoders.h"

#include <ostream>

namespace swf {

namespace {

constexpr uint16_t LongLengthMarker = 63;

} // namespace

Tag ReadTag(Reader& stream) {
    Tag tag;
    tag.offset = stream.AbsoluteOffset();
    if (stream.Remaining() < 2) {
        stream.Fail("truncated tag header");
    }
    uint16_t word = stream.U16();
    tag.code = word >> 6;
    tag.length = word & LongLengthMarker;
    if (tag.length == LongLengthMarker) {
        if (stream.Remaining() < 4) {
            throw ReadError("truncated long tag header", tag.code, tag.offset);
        }
        tag.longHeader = true;
        tag.length = stream.U32();
    }
    if (tag.length > stream.Remaining()) {
        throw ReadError("tag length " + std::to_string(tag.length) + " runs past the end (" +
                            std::to_string(stream.Remaining()) + " byte(s) left)",
                        tag.code, tag.offset);
    }
    Reader body = stream.Sub(tag.length, tag.code);
    TagDecoder decode = FindTagDecoder(tag.code);
    if (!decode) {
        auto bytes = body.Bytes(tag.length);
        tag.record = UnknownTag{tag.code, {bytes.begin(), bytes.end()}};
        return tag;
    }
    tag.record = decode(body);
    if (!body.AtEnd()) {
        body.Fail(std::to_string(body.Remaining()) +
                  " byte(s) of the tag left over after decoding");
    }
    return tag;
}

std::ostream& operator<<(std::ostream& out, const Record& record) {
    std::visit([&out](const auto& alternative) { out << alternative; }, record);
    return out;
}

std::ostream& operator<<(std::ostream& out, const Tag& tag) {
    return out << "@" << tag.offset << " " << tag.record;
}

} // namespace swf

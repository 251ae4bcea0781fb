#include "SwfFixtures.h"

#include "ShapeFixtures.h"
#include "viewer/swf/Movie.h"
#include "viewer/swf/ReadError.h"
#include "viewer/swf/Reader.h"

#include <cctype>

namespace swftest {

Bytes TagBytes(uint16_t code, const Bytes& body, HeaderForm form) {
    Bytes bytes;
    bool longForm = form == HeaderForm::Long || body.size() >= 63;
    uint16_t word = static_cast<uint16_t>(code << 6 | (longForm ? 63 : body.size()));
    bytes.push_back(word & 0xFF);
    bytes.push_back(word >> 8);
    if (longForm) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<uint8_t>(body.size() >> shift));
        }
    }
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

Bytes MovieBytes(const Bytes& tags, uint16_t frameCount) {
    Bytes movie{'F', 'W', 'S', 5, 0, 0, 0, 0,
                // RECT: 17 bits, 0, 11000, 0, 8000: the writer's fixed form.
                0x88, 0x00, 0x00, 0x55, 0xF0, 0x00, 0x00, 0x0F, 0xA0, 0x00,
                // 12 fps as 8.8, then the frame count.
                0x00, 0x0C, static_cast<uint8_t>(frameCount),
                static_cast<uint8_t>(frameCount >> 8)};
    movie.insert(movie.end(), tags.begin(), tags.end());
    uint32_t length = static_cast<uint32_t>(movie.size());
    for (int index = 0; index < 4; ++index) {
        movie[4 + index] = static_cast<uint8_t>(length >> (8 * index));
    }
    return movie;
}

swf::Tag DecodeTag(const Bytes& tagBytes) {
    swf::Reader stream(tagBytes, 0);
    return swf::ReadTag(stream);
}

Bytes SmallMovie() {
    Bytes frame0 = Concat({
        TagBytes(9, {0x10, 0x20, 0x30}),
        TagBytes(32, RectangleShapeBody()),
        TagBytes(26, {0x06, 0x01, 0x00, 0x01, 0x00, 0x84, 0xC9, 0x00, 0x00, 0xC0, 0x00, 0x10, 0xC8,
                      0x00}),
        TagBytes(12, {0x81, 0x02, 0x00, 0x05, 0x00, 0x07, 0x00}, HeaderForm::Long),
        TagBytes(1, {}),
    });
    Bytes frame1 = Concat({
        TagBytes(32, GradientShapeBody()),
        TagBytes(5, {0x01, 0x00, 0x01, 0x00}),
        TagBytes(UnassignedCode, {'l', 'a', 'b', 'e', 'l', 0}),
        TagBytes(1, {}),
        TagBytes(0, {}),
    });
    return MovieBytes(Concat({frame0, frame1}), 2);
}

Bytes WhiteBackgroundMovie() {
    return {0x46, 0x57, 0x53, 0x05, 0x1F, 0x00, 0x00, 0x00, 0x88, 0x00, 0x00,
            0x55, 0xF0, 0x00, 0x00, 0x0F, 0xA0, 0x00, 0x00, 0x0C, 0x01, 0x00,
            0x43, 0x02, 0xFF, 0xFF, 0xFF, 0x40, 0x00, 0x00, 0x00};
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes bytes;
    for (const Bytes& part : parts) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    return bytes;
}

std::string ReadErrorMessage(const Bytes& file) {
    try {
        swf::ReadMovie(file);
    } catch (const swf::ReadError& error) {
        return error.message();
    }
    return "no error";
}

std::string TestNameOf(std::string_view description) {
    std::string name;
    for (char letter : description) {
        name += std::isalnum(static_cast<unsigned char>(letter)) ? letter : '_';
    }
    return name;
}

} // namespace swftest

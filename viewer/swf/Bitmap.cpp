#include "viewer/swf/Bitmap.h"

#include "viewer/swf/HexText.h"
#include "viewer/swf/Reader.h"

#include <ostream>

namespace swf {

DefineBitsJpeg2 ReadDefineBitsJpeg2(Reader& body) {
    DefineBitsJpeg2 tag;
    tag.characterId = body.U16();
    auto bytes = body.Bytes(body.Remaining());
    tag.imageData.assign(bytes.begin(), bytes.end());
    return tag;
}

std::ostream& operator<<(std::ostream& out, const DefineBitsJpeg2& tag) {
    // The opening marks tell a JPEG from other data at a glance.
    constexpr size_t Shown = 4;
    out << "DefineBitsJPEG2 id " << tag.characterId << ", " << tag.imageData.size()
        << " byte(s) of image data";
    for (size_t index = 0; index < tag.imageData.size() && index < Shown; ++index) {
        out << (index == 0 ? ": " : " ") << HexDigits(tag.imageData[index]);
    }
    return out;
}

} // namespace swf

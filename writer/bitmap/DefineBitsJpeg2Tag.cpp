#include "writer/bitmap/DefineBitsJpeg2Tag.h"

#include "writer/movie/CharacterIds.h"

namespace quillot {

namespace {
constexpr int kDefineBitsJpeg2Code = 21;
// An empty JPEG stream (end of image, start of image) ahead of the file's own
// stream, and an end-of-image mark after it.
constexpr std::uint8_t kLeadingMarks[] = {0xFF, 0xD9, 0xFF, 0xD8};
constexpr std::uint8_t kTrailingMark[] = {0xFF, 0xD9};
} // namespace

DefineBitsJpeg2Tag::DefineBitsJpeg2Tag(JpegData jpeg)
    : m_jpeg(std::move(jpeg)) {}

void DefineBitsJpeg2Tag::Write(TagBuffer& out) const {
    TagBuffer body;
    body.WriteU16(m_characterId.Value());
    body.WriteBytes(kLeadingMarks, sizeof kLeadingMarks);
    body.AddExternalBlock(m_jpeg->data(), m_jpeg->size());
    body.WriteBytes(kTrailingMark, sizeof kTrailingMark);
    WriteTag(out, kDefineBitsJpeg2Code, body);
}

} // namespace quillot

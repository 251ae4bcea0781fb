#pragma once

#include <cstdint>
#include <memory>

#include "writer/bitmap/DefineBitsJpeg2Tag.h"
#include "writer/movie/Frame.h"
#include "writer/movie/Records.h"

namespace quillot {

class DefineShape3Tag;

// A JPEG image stretched over a shape's drawn rectangle. The image's tag is
// created (and draws its identifier) when the fill is set.
class BitmapFill {
public:
    // The image size in pixels must be positive: it divides the shape's size.
    BitmapFill(JpegData jpeg, std::int32_t imageWidth, std::int32_t imageHeight);

    // Appends the image's tag to the frame, so that it precedes the shape,
    // and adds the shape's two bitmap fill styles. Returns the index of the
    // style that shows the image. A shape defined again embeds the image
    // again under a new identifier, since an earlier one may belong to a
    // movie already written.
    std::uint32_t AddFillStyles(DefineShape3Tag& shape, Frame& frame, const SwfRect& bounds);

private:
    JpegData m_jpeg;
    std::int32_t m_imageWidth;
    std::int32_t m_imageHeight;
    std::unique_ptr<DefineBitsJpeg2Tag> m_pendingTag;
};

} // namespace quillot

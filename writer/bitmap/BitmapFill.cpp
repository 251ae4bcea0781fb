#include "writer/bitmap/BitmapFill.h"

#include "writer/shapes/DefineShape3Tag.h"

namespace quillot {

namespace {

// The first style is a placeholder that refers to no bitmap; it is kept
// because earlier movies carry it.
constexpr std::uint16_t kNoBitmap = 0xFFFF;
constexpr std::int32_t kPlaceholderScale = 0xA0000;

std::int32_t ImageScale(std::int32_t shapeMin, std::int32_t shapeMax, std::int32_t imageSize) {
    const std::int64_t drawn = static_cast<std::int64_t>(shapeMax) - shapeMin + 1;
    return ClampToField(drawn * 65536 / imageSize);
}

} // namespace

BitmapFill::BitmapFill(JpegData jpeg, std::int32_t imageWidth, std::int32_t imageHeight)
    : m_jpeg(std::move(jpeg)), m_imageWidth(imageWidth), m_imageHeight(imageHeight),
      m_pendingTag(std::make_unique<DefineBitsJpeg2Tag>(m_jpeg)) {}

std::uint32_t BitmapFill::AddFillStyles(DefineShape3Tag& shape, Frame& frame,
                                        const SwfRect& bounds) {
    if (!m_pendingTag || !m_pendingTag->IsOfCurrentMovie()) {
        m_pendingTag = std::make_unique<DefineBitsJpeg2Tag>(m_jpeg);
    }
    const std::uint16_t bitmapId = m_pendingTag->CharacterId();
    frame.Append(std::move(m_pendingTag));

    const SwfMatrix placeholder{FixedPair{kPlaceholderScale, kPlaceholderScale}, std::nullopt, 0, 0};
    shape.AddFillStyle(FillStyle::Bitmap(kNoBitmap, placeholder));
    const SwfMatrix stretch{FixedPair{ImageScale(bounds.xmin, bounds.xmax, m_imageWidth),
                                      ImageScale(bounds.ymin, bounds.ymax, m_imageHeight)},
                            std::nullopt, bounds.xmin, bounds.ymin};
    return shape.AddFillStyle(FillStyle::Bitmap(bitmapId, stretch));
}

} // namespace quillot

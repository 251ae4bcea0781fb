// The picture operations of swfObject.
#include "writer/bitmap/BitmapFill.h"
#include "writer/bitmap/JpegFile.h"
#include "writer/objects/swfObject.h"
#include "writer/shapes/RectangleObject.h"

namespace quillot {

namespace {

// Reads the picture file into a fill of the given image size. A file that
// cannot be opened gives S_FALSE: callers leave such a picture out without a
// message. A size of zero pixels would divide the shape by nothing, and a
// file beyond the size limit cannot be embedded; both are refused.
HRESULT LoadBitmapFill(std::int32_t bitmap_x, std::int32_t bitmap_y, const std::string& filename,
                       std::unique_ptr<BitmapFill>& fill) {
    if (bitmap_x <= 0 || bitmap_y <= 0) {
        return E_INVALIDARG;
    }
    JpegFile file = JpegFile::Read(filename);
    switch (file.status) {
    case JpegFile::Status::CannotOpen:
        return S_FALSE;
    case JpegFile::Status::TooLarge:
        return E_INVALIDARG;
    case JpegFile::Status::ReadFailed:
        return E_FAIL;
    case JpegFile::Status::Read:
        break;
    }
    fill = std::make_unique<BitmapFill>(std::move(file.data), bitmap_x, bitmap_y);
    return S_OK;
}

} // namespace

HRESULT swfObject::MakePicture(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax,
                               std::int32_t ymax, std::int32_t bitmap_x, std::int32_t bitmap_y,
                               const std::string& filename) {
    Delete();
    std::unique_ptr<BitmapFill> fill;
    const HRESULT loaded = LoadBitmapFill(bitmap_x, bitmap_y, filename, fill);
    if (loaded != S_OK) {
        return loaded;
    }
    auto picture = std::make_unique<RectangleObject>(SwfRect{xmin, xmax, ymin, ymax});
    picture->SetLineWidth(0);
    picture->SetBitmapFill(std::move(fill));
    Replace(std::move(picture), ObjectKind::Picture);
    return S_OK;
}

HRESULT swfObject::SetBitmapFillJpeg(std::int32_t bitmap_x, std::int32_t bitmap_y,
                                     const std::string& filename) {
    ShapeObject* shape = Shape();
    if (shape == nullptr) {
        return S_OK;
    }
    std::unique_ptr<BitmapFill> fill;
    const HRESULT loaded = LoadBitmapFill(bitmap_x, bitmap_y, filename, fill);
    if (loaded == S_OK) {
        shape->SetBitmapFill(std::move(fill));
    }
    return loaded;
}

} // namespace quillot

// The shape operations of swfObject.
#include "writer/objects/swfObject.h"
#include "writer/shapes/OvalObject.h"
#include "writer/shapes/PolygonObject.h"
#include "writer/shapes/RectangleObject.h"

namespace quillot {

HRESULT swfObject::MakeRectangle(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax,
                                 std::int32_t ymax) {
    Delete();
    Replace(std::make_unique<RectangleObject>(SwfRect{xmin, xmax, ymin, ymax}), ObjectKind::Rectangle);
    return S_OK;
}

HRESULT swfObject::MakeOval(std::int32_t xmin, std::int32_t ymin, std::int32_t xmax,
                            std::int32_t ymax) {
    Delete();
    Replace(std::make_unique<OvalObject>(SwfRect{xmin, xmax, ymin, ymax}), ObjectKind::Oval);
    return S_OK;
}

HRESULT swfObject::MakeCircle(std::int32_t center_x, std::int32_t center_y, std::int32_t radius) {
    Delete();
    const std::int64_t x = center_x, y = center_y;
    const SwfRect bounds{ClampToField(x - radius), ClampToField(x + radius), ClampToField(y - radius),
                         ClampToField(y + radius)};
    Replace(std::make_unique<OvalObject>(bounds), ObjectKind::Circle);
    return S_OK;
}

HRESULT swfObject::MakePolygon(std::int32_t originX, std::int32_t originY) {
    Delete();
    Replace(std::make_unique<PolygonObject>(originX, originY), ObjectKind::Polygon);
    return S_OK;
}

HRESULT swfObject::AddStraightLine(std::int32_t dx, std::int32_t dy) {
    if (auto* polygon = InternalAs<PolygonObject>(ObjectKind::Polygon)) {
        polygon->AddStraightLine(dx, dy);
    }
    return S_OK;
}

HRESULT swfObject::AddCurvedLine(std::int32_t controlDX, std::int32_t controlDY,
                                 std::int32_t anchorDX, std::int32_t anchorDY) {
    if (auto* polygon = InternalAs<PolygonObject>(ObjectKind::Polygon)) {
        polygon->AddCurvedLine(controlDX, controlDY, anchorDX, anchorDY);
    }
    return S_OK;
}

HRESULT swfObject::AddNewPath(std::int32_t dx, std::int32_t dy) {
    if (auto* polygon = InternalAs<PolygonObject>(ObjectKind::Polygon)) {
        polygon->AddNewPath(dx, dy);
    }
    return S_OK;
}

} // namespace quillot

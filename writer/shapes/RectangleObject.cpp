#include "writer/shapes/RectangleObject.h"

#include "writer/shapes/DefineShape3Tag.h"

namespace quillot {

void RectangleObject::AppendRecords(DefineShape3Tag& tag) const {
    const SwfRect& bounds = Bounds();
    const std::int64_t width = static_cast<std::int64_t>(bounds.xmax) - bounds.xmin + 1;
    const std::int64_t height = static_cast<std::int64_t>(bounds.ymax) - bounds.ymin + 1;
    AppendFirstStyleChange(tag, bounds.xmin, bounds.ymin);
    tag.AddRecord(StraightEdgeRecord{width, 0});
    tag.AddRecord(StraightEdgeRecord{0, height});
    tag.AddRecord(StraightEdgeRecord{-width, 0});
    tag.AddRecord(StraightEdgeRecord{0, -height});
}

} // namespace quillot

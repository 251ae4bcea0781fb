#pragma once

#include "writer/objects/ShapeObject.h"

namespace quillot {

// A rectangle, also the shape of a picture. Its edges cover one twip more
// than its bounds in each direction.
class RectangleObject : public ShapeObject {
public:
    explicit RectangleObject(const SwfRect& bounds) { SetBounds(bounds); }

protected:
    void AppendRecords(DefineShape3Tag& tag) const override;
};

} // namespace quillot

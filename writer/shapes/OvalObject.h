#pragma once

#include "writer/objects/ShapeObject.h"

namespace quillot {

// An ellipse filling its bounds (a circle when they are square), drawn as
// eight quadratic curves of 45 degrees each.
class OvalObject : public ShapeObject {
public:
    explicit OvalObject(const SwfRect& bounds) { SetBounds(bounds); }

protected:
    void AppendRecords(DefineShape3Tag& tag) const override;
};

} // namespace quillot

#pragma once

#include "editor/document/IXMLObjList.h"
#include "editor/document/ObjectKind.h"

#include <cstdint>
#include <string_view>

namespace joyvane {

// Appends an object of `kind` named `name` with the defaults of a new object,
// its elements in the order a new object has always been written: texts show
// from the insertion frame for ten frames, pictures for twenty-five, and
// sounds start at frame 0 whatever the insertion frame. The frame is a
// 0-based index; one so large that the end frame would overflow is refused.
TXMLObj AppendNewObject(IXMLObjList& objects, ObjectKind kind, std::string_view name,
                        std::int32_t insertionFrame);

} // namespace joyvane

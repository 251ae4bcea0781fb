#pragma once

#include <span>
#include <string_view>

#include "writer/com/automation/Guid.h"
#include "writer/com/server/OperationDescription.h"

namespace quillot::com {

// One dispatch interface of the type library, with its operations in the
// order of their DISPIDs.
struct InterfaceDescription {
    GUID id;
    std::string_view name;
    std::string_view helpString;
    std::span<const OperationDescription> operations;
};

const InterfaceDescription& IswfMovieDescription();
const InterfaceDescription& IswfObjectDescription();
const InterfaceDescription& IswfActionDescription();

} // namespace quillot::com

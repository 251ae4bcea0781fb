#include "writer/com/automation/Identifiers.h"
#include "writer/com/automation/IswfAction.h"
#include "writer/com/server/InterfaceDescription.h"

namespace quillot::com {

namespace {

using I = IswfAction;

constexpr OperationDescription kOperations[] = {
    Describe<&I::MakeActionStop>(1, "MakeActionStop", ""),
    Describe<&I::MakeActionPlay>(2, "MakeActionPlay", ""),
    Describe<&I::MakeActionGotoFrame>(3, "MakeActionGotoFrame", "frame"),
    Describe<&I::MakeActionGotoURL>(4, "MakeActionGotoURL", "url"),
    Describe<&I::MakeActionGotoURLTarget>(5, "MakeActionGotoURLTarget", "url target"),
};

constexpr InterfaceDescription kDescription{IID_IswfAction, "IswfAction", "IswfAction Interface",
                                            kOperations};

} // namespace

const InterfaceDescription& IswfActionDescription() { return kDescription; }

} // namespace quillot::com

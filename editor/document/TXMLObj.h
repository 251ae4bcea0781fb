#pragma once

#include "editor/document/TXMLNode.h"
#include "editor/document/TXMLObjType.h"

namespace joyvane {

// One card object: its name, its frames (0-based indices), its place in the
// object list and its kind.
class TXMLObj : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    // Also the base name of the object's media file (see MediaFilePath).
    std::string ObjName() { return Text("ObjName"); }
    void SetObjName(std::string_view value) { SetText("ObjName", value); }
    std::int32_t StartTime() { return Integer("StartTime"); }
    void SetStartTime(std::int32_t frame) { SetInteger("StartTime", frame); }
    std::int32_t EndTime() { return Integer("EndTime"); }
    void SetEndTime(std::int32_t frame) { SetInteger("EndTime", frame); }
    std::int32_t Layer() { return Integer("Layer"); }
    void SetLayer(std::int32_t value) { SetInteger("Layer", value); }
    // "Text", "Pic" or "Sound"; objects of any other kind are kept but never
    // compiled.
    std::string ObjTypeName() { return Text("ObjTypeName"); }
    void SetObjTypeName(std::string_view value) { SetText("ObjTypeName", value); }
    TXMLObjType ObjType() { return TXMLObjType(Child("ObjType")); }
};

} // namespace joyvane

#pragma once

#include "editor/document/TXMLNode.h"
#include "editor/document/TXMLObjPic.h"
#include "editor/document/TXMLObjSound.h"
#include "editor/document/TXMLObjText.h"

namespace joyvane {

// The `ObjType` element of an object. It can hold a node of each kind, but
// only the one that matches the object's kind word is ever used.
class TXMLObjType : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    TXMLObjText ObjText() { return TXMLObjText(Child("ObjText")); }
    TXMLObjPic ObjPic() { return TXMLObjPic(Child("ObjPic")); }
    TXMLObjSound ObjSound() { return TXMLObjSound(Child("ObjSound")); }
};

} // namespace joyvane

#pragma once

#include "editor/document/TXMLNode.h"

namespace joyvane {

// The kind node of a sound object. Its samples are not stored here but in the
// media file named after the object.
class TXMLObjSound : public TXMLNode {
public:
    using TXMLNode::TXMLNode;

    // The path of the sound file the user chose; empty while none was chosen.
    std::string Content() { return Text("Content"); }
    void SetContent(std::string_view value) { SetText("Content", value); }
};

} // namespace joyvane

#pragma once

#include "editor/generation/TFlashPic.h"

namespace joyvane {

// The picture compiler bound to the card document: compiling an object loads it
// from the document first.
class TFlashPicF final : public TFlashPic {
public:
    using TFlashPic::TFlashPic;

    void CompileObject(TXMLObj object) override {
        Load(object);
        CompileStep();
    }
};

} // namespace joyvane

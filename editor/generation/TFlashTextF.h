#pragma once

#include "editor/generation/TFlashText.h"

namespace joyvane {

// The text compiler bound to the card document: compiling an object loads it
// from the document first.
class TFlashTextF final : public TFlashText {
public:
    using TFlashText::TFlashText;

    void CompileObject(TXMLObj object) override {
        Load(object);
        CompileStep();
    }
};

} // namespace joyvane

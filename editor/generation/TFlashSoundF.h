#pragma once

#include "editor/generation/TFlashSound.h"

namespace joyvane {

// The sound compiler bound to the card document: compiling an object loads it
// from the document first.
class TFlashSoundF final : public TFlashSound {
public:
    using TFlashSound::TFlashSound;

    void CompileObject(TXMLObj object) override {
        Load(object);
        CompileStep();
    }
};

} // namespace joyvane

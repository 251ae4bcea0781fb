#pragma once

#include "editor/generation/TFlashObj.h"

namespace joyvane {

// The sound compiler: the object's media file (a PCM wave file) started at
// the object's start frame. It plays to its own end; sounds have no place on
// the stage.
class TFlashSound : public TFlashObj {
public:
    // The text of the message shown when a sound cannot be compiled.
    static constexpr std::string_view kErrorMessage =
        "Please select a sound file with 16Bits mono format!";

    explicit TFlashSound(CompileContext context) : TFlashObj(context, ObjectKind::Sound) {}

    // Reads the object's fields; a field that cannot be read throws
    // ConversionError, which aborts the generation.
    void Load(int index) { Load(DocumentObject(index)); }
    void Load(TXMLObj object);
    // Emits the loaded sound. An error ends this sound only and is reported
    // to the host.
    void CompileStep();

    const std::string& Content() const { return m_content; }
    const std::string& SoundFile() const { return m_soundFile; }

private:
    void StartSound();

    std::string m_content;
    std::string m_soundFile;
};

} // namespace joyvane

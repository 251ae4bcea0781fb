#include "editor/generation/TFlashSound.h"

#include "editor/generation/GenerationHost.h"
#include "editor/generation/PlacementSpan.h"
#include "editor/generation/WriterPool.h"

#include <filesystem>
#include <stdexcept>

namespace joyvane {

void TFlashSound::Load(TXMLObj object) {
    m_objName = object.ObjName();
    m_startTime = object.StartTime();
    m_endTime = object.EndTime();
    m_content = object.ObjType().ObjSound().Content();
    m_soundFile = MediaFile();
}

void TFlashSound::CompileStep() {
    if (m_content.empty())
        return;
    try {
        StartSound();
    } catch (const std::exception&) {
        m_context.host.ReportObjectError(m_objName, kErrorMessage);
    }
}

// A missing media file (the object was renamed, or the file deleted) is
// reported like an unusable one, so the user learns to choose the sound
// again instead of hearing silence. The removal at the end frame does not
// stop the sound.
void TFlashSound::StartSound() {
    std::error_code error;
    if (!std::filesystem::is_regular_file(m_soundFile, error))
        throw std::runtime_error("The sound file " + m_soundFile + " is missing.");
    m_context.pool.MakeSound(kSoundObject, m_soundFile);
    PlaceBetween(m_context.pool, kSoundObject, m_startTime, m_endTime);
}

} // namespace joyvane

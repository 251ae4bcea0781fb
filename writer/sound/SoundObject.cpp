#include "writer/sound/SoundObject.h"

#include "writer/sound/SoundStreamHeadTag.h"
#include "writer/sound/StartSoundTag.h"

namespace quillot {

SoundObject::SoundObject(std::shared_ptr<const EncodedSound> sound)
    : m_sound(std::move(sound)), m_pendingDefinition(std::make_unique<DefineSoundTag>(m_sound)) {}

void SoundObject::AddToFrame(Frame& frame) {
    if (!IsDefined()) {
        // A sound added to a later movie is defined there again.
        if (!m_pendingDefinition || !m_pendingDefinition->IsOfCurrentMovie()) {
            m_pendingDefinition = std::make_unique<DefineSoundTag>(m_sound);
        }
        frame.Append(std::make_unique<SoundStreamHeadTag>(m_sound->format, m_sound->sampleCount));
        MarkDefined(m_pendingDefinition->CharacterId());
        frame.Append(std::move(m_pendingDefinition));
    }
    frame.Append(std::make_unique<StartSoundTag>(CharacterId()));
}

} // namespace quillot

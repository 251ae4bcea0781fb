#include "writer/sound/SoundObject.h"

#include "writer/sound/SoundStreamHeadTag.h"
#include "writer/sound/StartSoundTag.h"

namespace quillot {

SoundObject::SoundObject(std::unique_ptr<DefineSoundTag> definition)
    : m_definition(std::move(definition)) {}

void SoundObject::AddToFrame(Frame& frame) {
    if (m_definition) {
        const EncodedSound& sound = m_definition->Sound();
        frame.Append(std::make_unique<SoundStreamHeadTag>(sound.format, sound.sampleCount));
        MarkDefined(m_definition->CharacterId());
        frame.Append(std::move(m_definition));
    }
    frame.Append(std::make_unique<StartSoundTag>(CharacterId()));
}

} // namespace quillot

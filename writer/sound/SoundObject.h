#pragma once

#include <memory>

#include "writer/objects/WriterObject.h"
#include "writer/sound/DefineSoundTag.h"

namespace quillot {

// An event sound. It is defined once, at its first addition, and started by
// every addition; it is never placed on the stage.
class SoundObject : public WriterObject {
public:
    // The sound's identifier is drawn now, as its definition is built.
    explicit SoundObject(std::shared_ptr<const EncodedSound> sound);

    void AddToFrame(Frame& frame) override;

private:
    std::shared_ptr<const EncodedSound> m_sound;
    std::unique_ptr<DefineSoundTag> m_pendingDefinition;
};

} // namespace quillot

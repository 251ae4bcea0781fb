#pragma once

#include <memory>

#include "writer/objects/WriterObject.h"
#include "writer/sound/DefineSoundTag.h"

namespace quillot {

// An event sound. It is defined once, at its first addition, and started by
// every addition; it is never placed on the stage.
class SoundObject : public WriterObject {
public:
    explicit SoundObject(std::unique_ptr<DefineSoundTag> definition);

    void AddToFrame(Frame& frame) override;

private:
    std::unique_ptr<DefineSoundTag> m_definition;
};

} // namespace quillot

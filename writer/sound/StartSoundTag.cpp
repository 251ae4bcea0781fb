#include "writer/sound/StartSoundTag.h"

namespace quillot {

namespace {
constexpr int kStartSoundCode = 15;
// SOUNDINFO with only SyncNoMultiple set: no envelope, loops or points.
constexpr std::uint8_t kSyncNoMultiple = 0x10;
} // namespace

void StartSoundTag::Write(TagBuffer& out) const {
    TagBuffer body;
    body.WriteU16(m_soundId);
    body.WriteU8(kSyncNoMultiple);
    WriteTag(out, kStartSoundCode, body);
}

} // namespace quillot

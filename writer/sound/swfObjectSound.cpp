// The sound operation of swfObject.
#include "writer/objects/swfObject.h"
#include "writer/sound/EncodedSoundCache.h"
#include "writer/sound/SoundObject.h"

namespace quillot {

// A file that cannot be opened makes nothing and is reported, so the caller
// can tell the user the sound is missing. A file that opens but holds no
// supported wave data still makes a sound, without samples, as callers
// expect; S_FALSE tells C++ callers so.
HRESULT swfObject::MakeSound(const std::string& filename) {
    Delete();
    auto sound = EncodedSoundCache::Encode(filename);
    if (!sound) {
        return E_INVALIDARG;
    }
    const bool hasSamples = sound->HasSamples();
    Replace(std::make_unique<SoundObject>(std::move(sound)), ObjectKind::Sound);
    return hasSamples ? S_OK : S_FALSE;
}

} // namespace quillot
